"""Enlarged look-at renders of the generated assets (never shipped)."""

import struct

from PIL import Image, ImageDraw, ImageFont

LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
GREY = (110, 110, 110, 255)


def contact_sheet(sheet, zoom=4):
    """Every cell enlarged over mid-grey with its byte value beneath it."""
    cell = 16 * zoom
    label = 12
    out = Image.new("RGBA", (16 * cell, 16 * (cell + label)), (40, 40, 40, 255))
    font = ImageFont.truetype(LABEL_FONT, 10)
    draw = ImageDraw.Draw(out)
    for code in range(256):
        col, row = code % 16, code // 16
        glyph = sheet.crop((col * 16, row * 16, col * 16 + 16, row * 16 + 16))
        tile = Image.new("RGBA", (cell, cell), GREY)
        tile.alpha_composite(glyph.resize((cell, cell), Image.NEAREST))
        x, y = col * cell, row * (cell + label)
        out.paste(tile, (x, y))
        draw.rectangle([x, y, x + cell - 1, y + cell - 1], outline=(80, 80, 80, 255))
        draw.text((x + 2, y + cell), str(code), font=font, fill=(255, 230, 0, 255))
    return out


def _glyph(sheet, code, size, colour):
    col, row = code % 16, code // 16
    cell = sheet.crop((col * 16, row * 16, col * 16 + 16, row * 16 + 16))
    if size != 16:
        cell = cell.resize((size, size), Image.BILINEAR)
    tinted = Image.new("RGBA", cell.size, colour + (255,))
    tinted.putalpha(cell.getchannel("A"))
    return tinted


def text_sample(sheet, background, lines, zoom=2):
    """Lines of (text, size, colour) drawn like the preview: shadow 1 px
    right and up, then the glyph, each cell `size` pixels wide."""
    scene = background.convert("RGBA").resize((640, 240), Image.BILINEAR)
    y = 12
    for text, size, colour in lines:
        x = 10
        for byte in text.encode("latin-1"):
            scene.alpha_composite(_glyph(sheet, byte, size, (0, 0, 0)), (x + 1, y - 1))
            scene.alpha_composite(_glyph(sheet, byte, size, colour), (x, y))
            x += size
        y += size + 8
    return scene.resize((scene.width * zoom, scene.height * zoom), Image.NEAREST)


def enlarge(image, zoom, backdrop=(200, 200, 200, 255)):
    """A small picture enlarged without smoothing over a plain backdrop."""
    out = Image.new("RGBA", image.size, backdrop)
    out.alpha_composite(image.convert("RGBA"))
    return out.resize((image.width * zoom, image.height * zoom), Image.NEAREST)


def as_loaded(path):
    """A Targa as the editor's loader sees it: raw rows in file order, the
    first row shown at the bottom like texture row t = 0."""
    with open(path, "rb") as source:
        data = source.read()
    id_length, _, _, _, _, _, _, _, width, height, depth, _ = struct.unpack(
        "<BBBHHBHHHHBB", data[:18])
    stride = width * depth // 8
    pixels = data[18 + id_length:18 + id_length + stride * height]
    mode = "RGBA" if depth == 32 else "RGB"
    rows = [pixels[i * stride:(i + 1) * stride] for i in range(height)]
    image = Image.frombytes(mode, (width, height), b"".join(reversed(rows)))
    bands = image.split()
    return Image.merge(mode, (bands[2], bands[1], bands[0]) + bands[3:])
