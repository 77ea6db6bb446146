"""Pictures of the twenty palette glyphs for the help, cut from resources/Font.TGA.

Usage: /usr/bin/python3 tools/help/glyph_pictures.py
Writes resources/help/glyphs/byteNN.png (NN the byte in decimal). Needs Debian's
python3-pil. Run it again whenever Font.TGA changes; the output is committed.
"""

import os

from PIL import Image

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
FONT = os.path.join(ROOT, "resources", "Font.TGA")
OUT = os.path.join(ROOT, "resources", "help", "glyphs")

PALETTE_BYTES = [1, 2, 3, 4, 7, 8, 9, 18, 19, 20, 21, 23, 24, 25, 26, 27, 28, 29, 30, 31]
ZOOM = 2
BACKDROP = (58, 58, 58, 255)


def cell(sheet, code):
    size = sheet.width // 16
    col, row = code % 16, code // 16
    return sheet.crop((col * size, row * size, (col + 1) * size, (row + 1) * size))


def tinted(glyph, rgb):
    # The preview colours the white glyphs; the shadow is the same shape in black.
    solid = Image.new("RGBA", glyph.size, rgb + (255,))
    solid.putalpha(glyph.getchannel("A"))
    return solid


def picture(sheet, code):
    glyph = cell(sheet, code)
    tile = Image.new("RGBA", (glyph.width + 2, glyph.height + 2), BACKDROP)
    tile.alpha_composite(tinted(glyph, (0, 0, 0)), (2, 0))
    tile.alpha_composite(tinted(glyph, (255, 255, 255)), (1, 1))
    return tile.convert("RGB").resize((tile.width * ZOOM, tile.height * ZOOM), Image.NEAREST)


def main():
    sheet = Image.open(FONT).convert("RGBA")
    os.makedirs(OUT, exist_ok=True)
    for code in PALETTE_BYTES:
        picture(sheet, code).save(os.path.join(OUT, f"byte{code:02d}.png"), optimize=True)


if __name__ == "__main__":
    main()
