"""The application icon: a caret striped in game colours over colour bars.

The larger sizes are drawn on a 16-unit grid; the 16-pixel one is the same
design set pixel by pixel so that its diagonals stay crisp.
"""

from PIL import Image, ImageChops, ImageDraw

from pixel_art import picture

SIZES = (16, 32, 48, 256)
SUPER = 8

TILE_EDGE = (96, 112, 144)
TILE_FILL = (20, 24, 36)
CARET = [(8, 1.5), (14.5, 9), (10.75, 9), (8, 5.6), (5.25, 9), (1.5, 9)]
CARET_BANDS = [((255, 48, 48), 0, 4), ((255, 232, 0), 4, 6.5), ((40, 232, 40), 6.5, 16)]
BARS = [((0, 224, 255), 2, 6), ((64, 96, 255), 6, 10), ((255, 48, 255), 10, 14)]

SMALL_PALETTE = {
    "e": TILE_EDGE, "f": TILE_FILL, "R": CARET_BANDS[0][0], "Y": CARET_BANDS[1][0],
    "G": CARET_BANDS[2][0], "C": BARS[0][0], "B": BARS[1][0], "M": BARS[2][0],
}
SMALL = [
    ".eeeeeeeeeeeeee.",
    "effffffRRffffffe",
    "efffffRRRRfffffe",
    "effffRRRRRRffffe",
    "efffYYYffYYYfffe",
    "effYYYffffYYYffe",
    "efGGGffffffGGGfe",
    "eGGGffffffffGGGe",
    "effffffffffffffe",
    "effffffffffffffe",
    "efCCCCBBBBMMMMfe",
    "efCCCCBBBBMMMMfe",
    "efCCCCBBBBMMMMfe",
    "effffffffffffffe",
    "effffffffffffffe",
    ".eeeeeeeeeeeeee.",
]


def build_icon(size):
    if size == 16:
        return picture(SMALL, SMALL_PALETTE)
    unit = size * SUPER / 16
    big = Image.new("RGBA", (size * SUPER, size * SUPER), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)

    def box(x0, y0, x1, y1):
        return [x0 * unit, y0 * unit, x1 * unit - 1, y1 * unit - 1]

    draw.rounded_rectangle(box(0, 0, 16, 16), radius=3 * unit, fill=TILE_EDGE)
    draw.rounded_rectangle(box(1, 1, 15, 15), radius=2 * unit, fill=TILE_FILL)

    caret = Image.new("L", big.size, 0)
    ImageDraw.Draw(caret).polygon([(x * unit, y * unit) for x, y in CARET], fill=255)
    for colour, top, bottom in CARET_BANDS:
        band = Image.new("L", big.size, 0)
        ImageDraw.Draw(band).rectangle(box(0, top, 16, bottom), fill=255)
        big.paste(colour, mask=ImageChops.multiply(band, caret))

    for colour, left, right in BARS:
        draw.rectangle(box(left, 11, right, 14), fill=colour)
    return big.resize((size, size), Image.BOX)
