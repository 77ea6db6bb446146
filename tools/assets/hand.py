"""The link cursor: a white hand with a black edge pointing left.

The tip of the index finger, pixel (1, 11), is the hot spot.
"""

from PIL import Image, ImageDraw

SIZE = 32
HOT_SPOT = (1, 11)

# Filled parts as (left, top, right, bottom, corner radius), inclusive.
# One-pixel gaps between them become the black creases of the fingers.
PARTS = [
    (2, 9, 17, 13, 2),    # index finger
    (8, 4, 18, 7, 2),     # thumb
    (7, 15, 18, 18, 2),   # curled fingers
    (8, 20, 18, 23, 2),
    (9, 25, 18, 27, 1),
    (16, 6, 24, 27, 3),   # back of the hand
    (26, 8, 29, 26, 0),   # cuff
]


def build_hand():
    fill = Image.new("1", (SIZE, SIZE), 0)
    draw = ImageDraw.Draw(fill)
    for left, top, right, bottom, radius in PARTS:
        draw.rounded_rectangle([left, top, right, bottom], radius=radius, fill=1)
    hand = Image.new("RGBA", (SIZE, SIZE), (0, 0, 0, 0))
    inside = fill.load()
    for y in range(SIZE):
        for x in range(SIZE):
            if inside[x, y]:
                hand.putpixel((x, y), (255, 255, 255, 255))
            elif any(0 <= x + dx < SIZE and 0 <= y + dy < SIZE and inside[x + dx, y + dy]
                     for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                hand.putpixel((x, y), (0, 0, 0, 255))
    if hand.getpixel(HOT_SPOT)[3] == 0:
        raise ValueError("the hot spot must lie on the finger tip")
    return hand
