"""The glyph sheet: 16 x 16 cells of 16 x 16 pixels, white glyphs on alpha."""

import unicodedata

from PIL import Image, ImageDraw, ImageFont

from pictograms import PICTURES, Pen

FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"
CELL = 16
SUPER = 16            # supersampling factor of each cell
BASELINE = 12         # pixel row of the baseline inside a cell
CAP_HEIGHT = 10       # height of capitals in pixels
INK_MIN, INK_MAX = 1, 15   # ink stays off the outer ring of every cell
STRETCH = 1.8         # mono glyphs are narrow; widen them to fill the cell
ACCENTED_CAP_TOP = 4  # accented capitals shrink to leave rows 1-2 for the mark
CONTRAST = 1.3        # steepens anti-aliased edges so small glyphs stay crisp

# Marks over capitals are too small to survive the box filter, so they are
# drawn pixel by pixel: (column, row) pairs inside the cell.
CAPITAL_MARKS = {
    "\u0300": [(6, 1), (7, 1), (8, 2), (9, 2)],
    "\u0301": [(8, 1), (9, 1), (6, 2), (7, 2)],
    "\u0302": [(7, 1), (8, 1), (5, 2), (6, 2), (9, 2), (10, 2)],
    "\u0303": [(6, 1), (7, 1), (10, 1), (5, 2), (8, 2), (9, 2)],
    "\u0308": [(5, 1), (6, 1), (9, 1), (10, 1), (5, 2), (6, 2), (9, 2), (10, 2)],
    "\u030a": [(7, 1), (8, 1), (6, 2), (9, 2), (7, 3), (8, 3)],
}


def _font():
    # DejaVu Sans Mono capitals are 0.729 em tall.
    size = round(CAP_HEIGHT * SUPER / 0.729)
    return ImageFont.truetype(FONT_PATH, size)


def _letter(font, char, top=INK_MIN):
    """Render one character onto a supersampled cell, or None when blank.

    Ink above the baseline is squeezed to start no higher than row `top`.
    """
    pad = font.size * 2
    canvas = Image.new("L", (pad * 2, pad * 2), 0)
    ImageDraw.Draw(canvas).text((pad // 2, pad), char, font=font, fill=255,
                                anchor="ls")
    box = canvas.getbbox()
    if box is None:
        return None
    ink = canvas.crop(box)
    above, below = pad - box[1], box[3] - pad
    base = BASELINE * SUPER
    fit = 1.0
    if above > 0:
        fit = min(fit, (BASELINE - top) * SUPER / above)
    if below > 0:
        fit = min(fit, (INK_MAX - BASELINE) * SUPER / below)
    width_px = min(round(ink.width * STRETCH / SUPER), INK_MAX - INK_MIN)
    width_px = max(width_px, 1)
    height = max(1, round(ink.height * fit))
    ink = ink.resize((width_px * SUPER, height), Image.LANCZOS)
    # Whole-pixel placement keeps vertical stems sharp.
    left = (CELL - width_px) // 2 * SUPER
    cell = Image.new("L", (CELL * SUPER, CELL * SUPER), 0)
    cell.paste(ink, (left, base - round(above * fit)))
    return cell


def _picture(code):
    cell = Image.new("L", (CELL * SUPER, CELL * SUPER), 0)
    PICTURES[code](Pen(cell, SUPER))
    return cell


def _dotted_box():
    """Cells with no glyph show a faint dotted square so they read as special."""
    cell = Image.new("L", (CELL, CELL), 0)
    for i in range(3, 13, 2):
        for x, y in ((i, 3), (i + 1, 12), (3, i + 1), (12, i)):
            cell.putpixel((x, y), 150)
    return cell


def _cursor_bar():
    cell = Image.new("L", (CELL, CELL), 0)
    ImageDraw.Draw(cell).rectangle([1, 12, 14, 14], fill=255)
    return cell


def _shrink(cell):
    small = cell.resize((CELL, CELL), Image.BOX)
    return small.point(lambda a: max(0, min(255, round((a - 128) * CONTRAST + 128)))
                       if a else 0)


def _accented_capital(font, char):
    """Capital with a mark above it, or None when char is not one."""
    parts = unicodedata.normalize("NFD", char)
    if len(parts) != 2 or not parts[0].isupper() or parts[1] not in CAPITAL_MARKS:
        return None
    cell = _shrink(_letter(font, parts[0], top=ACCENTED_CAP_TOP))
    for x, y in CAPITAL_MARKS[parts[1]]:
        cell.putpixel((x, y), 255)
    return cell


def cell_alpha(code, font):
    """The 16 x 16 alpha mask of one byte value."""
    if code == 0:
        return Image.new("L", (CELL, CELL), 0)
    if code in PICTURES:
        return _shrink(_picture(code))
    if code == 95:
        return _cursor_bar()
    if 127 <= code <= 159:
        return _dotted_box()
    char = "-" if code == 173 else bytes([code]).decode("latin-1")
    accented = _accented_capital(font, char)
    if accented is not None:
        return accented
    letter = _letter(font, char)
    if letter is None:
        return Image.new("L", (CELL, CELL), 0)
    return _shrink(letter)


def build_sheet():
    """The whole sheet as RGBA, cell k at row k // 16 from the top."""
    font = _font()
    alpha = Image.new("L", (CELL * 16, CELL * 16), 0)
    for code in range(256):
        alpha.paste(cell_alpha(code, font), ((code % 16) * CELL,
                                             (code // 16) * CELL))
    white = Image.new("L", alpha.size, 255)
    return Image.merge("RGBA", (white, white, white, alpha))
