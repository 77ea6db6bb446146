"""The default preview background: a dark riveted metal panel."""

import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter

WIDTH, HEIGHT = 512, 256
BASE = (24, 28, 36)
PLATE = 128           # plates are PLATE x PLATE pixels
SEED = 1999


def _noise(rng, size, shrink):
    """Grey noise around 128; `shrink` (x, y) stretches it into streaks."""
    small = (max(1, size[0] // shrink[0]), max(1, size[1] // shrink[1]))
    data = rng.randbytes(small[0] * small[1])
    return Image.frombytes("L", small, data).resize(size, Image.BICUBIC)


def _brushed(rng):
    streaks = _noise(rng, (WIDTH, HEIGHT), (32, 1))
    grain = _noise(rng, (WIDTH, HEIGHT), (1, 1)).filter(ImageFilter.GaussianBlur(0.6))
    # Pull both towards mid-grey so they only ripple the base colour.
    streaks = streaks.point(lambda v: 128 + (v - 128) * 10 // 128)
    grain = grain.point(lambda v: 128 + (v - 128) * 6 // 128)
    return ImageChops.add(streaks, grain, scale=1.0, offset=-128)


def _plates(draw, rng):
    for top in range(0, HEIGHT, PLATE):
        for left in range(0, WIDTH, PLATE):
            tint = rng.randint(-3, 3)
            colour = tuple(c + tint for c in BASE)
            box = [left, top, left + PLATE - 1, top + PLATE - 1]
            draw.rectangle(box, fill=colour)
            # Seams: a dark groove with a faint lit edge on its upper left.
            draw.line([(left, top), (left + PLATE - 1, top)], fill=(10, 12, 16))
            draw.line([(left, top), (left, top + PLATE - 1)], fill=(10, 12, 16))
            draw.line([(left + 1, top + 1), (left + PLATE - 2, top + 1)], fill=(44, 50, 62))
            draw.line([(left + 1, top + 1), (left + 1, top + PLATE - 2)], fill=(40, 46, 58))


def _grid(draw):
    for x in range(16, WIDTH, 16):
        if x % PLATE:
            draw.line([(x, 0), (x, HEIGHT)], fill=(255, 255, 255, 6))
    for y in range(16, HEIGHT, 16):
        if y % PLATE:
            draw.line([(0, y), (WIDTH, y)], fill=(255, 255, 255, 6))


def _rivets(image):
    draw = ImageDraw.Draw(image, "RGBA")
    for top in range(0, HEIGHT, PLATE):
        for left in range(0, WIDTH, PLATE):
            for dx, dy in ((8, 8), (PLATE - 9, 8), (8, PLATE - 9), (PLATE - 9, PLATE - 9)):
                x, y = left + dx, top + dy
                draw.ellipse([x - 3, y - 2, x + 4, y + 5], fill=(6, 7, 10, 200))
                draw.ellipse([x - 3, y - 3, x + 3, y + 3], fill=(58, 64, 76, 255))
                draw.ellipse([x - 2, y - 2, x + 1, y + 1], fill=(86, 94, 108, 255))
                draw.point([(x - 1, y - 1)], fill=(120, 128, 140, 255))


def _lighting(image):
    """A lighter band along the top edge and darker corners."""
    shade = Image.new("L", (WIDTH, HEIGHT), 0)
    pixels = shade.load()
    for y in range(HEIGHT):
        band = max(0.0, 1.0 - y / 40.0) ** 2 * 34
        for x in range(WIDTH):
            dx = (x - WIDTH / 2) / (WIDTH / 2)
            dy = (y - HEIGHT / 2) / (HEIGHT / 2)
            vignette = min(1.0, (dx * dx + dy * dy) * 0.5) * 14
            pixels[x, y] = max(0, min(255, round(128 + band - vignette)))
    lit = ImageChops.add(image, Image.merge("RGB", (shade,) * 3), offset=-128)
    # A thin steel highlight on the top edge itself.
    ImageDraw.Draw(lit).line([(0, 1), (WIDTH, 1)], fill=(96, 106, 124))
    return lit


def build_background():
    rng = random.Random(SEED)
    image = Image.new("RGB", (WIDTH, HEIGHT), BASE)
    _plates(ImageDraw.Draw(image), rng)
    ripple = _brushed(rng)
    image = ImageChops.add(image, Image.merge("RGB", (ripple,) * 3), offset=-128)
    overlay = Image.new("RGBA", (WIDTH, HEIGHT), (0, 0, 0, 0))
    _grid(ImageDraw.Draw(overlay))
    image = Image.alpha_composite(image.convert("RGBA"), overlay)
    _rivets(image)
    return _lighting(image.convert("RGB"))
