"""The About-box logo: the product name in game colours on a metal plate."""

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

WIDTH, HEIGHT = 250, 140
TITLE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
TITLE = "Glimtags"
TITLE_SIZE = 45
LETTER_COLOURS = [(255, 48, 48), (255, 232, 0), (40, 232, 40), (0, 224, 255),
                  (80, 120, 255), (255, 64, 255), (255, 255, 255), (255, 48, 48)]
TAGLINE = "colour name editor"
TAGLINE_SIZE = 12


def _plate(background):
    plate = background.resize((WIDTH, HEIGHT), Image.BILINEAR).convert("RGBA")
    draw = ImageDraw.Draw(plate)
    draw.rectangle([0, 0, WIDTH - 1, HEIGHT - 1], outline=(96, 112, 144))
    draw.rectangle([1, 1, WIDTH - 2, HEIGHT - 2], outline=(8, 10, 14))
    return plate


def _lit(colour, height):
    """A letter fill that is paler at the top, like a lit bevel."""
    fill = Image.new("RGBA", (1, height))
    for y in range(height):
        mix = max(0.0, 0.55 - y / height) / 0.55
        fill.putpixel((0, y), tuple(round(c + (255 - c) * mix * 0.6) for c in colour)
                      + (255,))
    return fill


def _title(plate):
    font = ImageFont.truetype(TITLE_FONT, TITLE_SIZE)
    left, top, right, bottom = font.getbbox(TITLE, stroke_width=3)
    x0 = (WIDTH - (right - left)) // 2 - left
    y0 = 18 - top
    outline = Image.new("L", plate.size, 0)
    ImageDraw.Draw(outline).text((x0, y0), TITLE, font=font, fill=255,
                                 stroke_width=3, stroke_fill=255)
    shadow = ImageChops.offset(outline, 3, 4).filter(ImageFilter.GaussianBlur(2))
    plate.paste((0, 0, 0), mask=shadow)
    plate.paste((0, 0, 0), mask=outline)
    x = x0
    for char, colour in zip(TITLE, LETTER_COLOURS):
        mask = Image.new("L", plate.size, 0)
        ImageDraw.Draw(mask).text((x, y0), char, font=font, fill=255)
        box = mask.getbbox()
        fill = _lit(colour, box[3] - box[1]).resize((WIDTH, box[3] - box[1]))
        layer = Image.new("RGBA", plate.size, (0, 0, 0, 0))
        layer.paste(fill, (0, box[1]))
        plate.paste(layer, mask=mask)
        x += font.getlength(char)


def _stripe(plate):
    """A rule of colour-code blocks between the title and the tagline."""
    draw = ImageDraw.Draw(plate)
    width = 22
    left = (WIDTH - width * len(LETTER_COLOURS)) // 2
    for index, colour in enumerate(LETTER_COLOURS):
        x = left + index * width
        draw.rectangle([x + 1, 86, x + width - 2, 89], fill=(0, 0, 0))
        draw.rectangle([x, 85, x + width - 3, 88], fill=colour)


def _tagline(plate, sheet):
    """The tagline in the editor's own glyph sheet, with its 1-pixel shadow."""
    size = TAGLINE_SIZE
    x = (WIDTH - size * len(TAGLINE)) // 2
    y = 100
    for byte in TAGLINE.encode("latin-1"):
        col, row = byte % 16, byte // 16
        cell = sheet.crop((col * 16, row * 16, col * 16 + 16, row * 16 + 16))
        alpha = cell.getchannel("A").resize((size, size), Image.BILINEAR)
        plate.paste((0, 0, 0), (x + 1, y + 1), mask=alpha)
        plate.paste((210, 220, 235), (x, y), mask=alpha)
        x += size


def build_logo(background, sheet):
    plate = _plate(background)
    _title(plate)
    _stripe(plate)
    _tagline(plate, sheet)
    return plate.convert("RGB")
