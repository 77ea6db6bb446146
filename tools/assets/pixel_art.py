"""Tiny pictures written as character maps in the classic 16-colour palette."""

from PIL import Image

PALETTE = {
    "k": (0, 0, 0), "r": (128, 0, 0), "g": (0, 128, 0), "o": (128, 128, 0),
    "n": (0, 0, 128), "p": (128, 0, 128), "t": (0, 128, 128),
    "s": (192, 192, 192), "d": (128, 128, 128), "R": (255, 0, 0),
    "G": (0, 255, 0), "Y": (255, 255, 0), "B": (0, 0, 255),
    "M": (255, 0, 255), "C": (0, 255, 255), "w": (255, 255, 255),
}


def paint(image, rows, left=0, top=0, palette=PALETTE):
    """Put a character map onto `image`; '.' leaves the pixel as it is."""
    width = len(rows[0])
    for y, row in enumerate(rows):
        if len(row) != width:
            raise ValueError(f"ragged map row {y}: {row!r}")
        for x, key in enumerate(row):
            if key != ".":
                image.putpixel((left + x, top + y), palette[key] + (255,))
    return image


def picture(rows, palette=PALETTE):
    image = Image.new("RGBA", (len(rows[0]), len(rows)), (0, 0, 0, 0))
    return paint(image, rows, palette=palette)
