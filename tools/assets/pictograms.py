"""Pictures of our own for the control bytes of the glyph sheet.

Each picture is drawn on a supersampled cell in cell units (0..16) so it can
be box-filtered down to a 16 x 16 alpha mask.
"""

import math

from PIL import ImageDraw


class Pen:
    """Draws in cell units on a canvas `scale` times larger than the cell."""

    def __init__(self, canvas, scale):
        self.draw = ImageDraw.Draw(canvas)
        self.s = scale

    def _pts(self, points):
        return [(x * self.s, y * self.s) for x, y in points]

    def poly(self, points, fill=255):
        self.draw.polygon(self._pts(points), fill=fill)

    def rect(self, x0, y0, x1, y1, fill=255):
        self.draw.rectangle([x0 * self.s, y0 * self.s,
                             x1 * self.s - 1, y1 * self.s - 1], fill=fill)

    def disc(self, cx, cy, r, fill=255):
        self.draw.ellipse([(cx - r) * self.s, (cy - r) * self.s,
                           (cx + r) * self.s - 1, (cy + r) * self.s - 1],
                          fill=fill)

    def ring(self, cx, cy, r, width):
        self.disc(cx, cy, r)
        self.disc(cx, cy, r - width, fill=0)

    def line(self, points, width):
        self.draw.line(self._pts(points), fill=255, width=round(width * self.s),
                       joint="curve")
        for x, y in (points[0], points[-1]):
            self.disc(x, y, width / 2)


def _arrow(p, angle):
    """A fat arrow through the cell centre; angle 0 points right."""
    shape = [(-6.5, -2), (0, -2), (0, -6.5), (6.5, 0),
             (0, 6.5), (0, 2), (-6.5, 2)]
    c, s = math.cos(angle), math.sin(angle)
    p.poly([(8 + x * c - y * s, 8 + x * s + y * c) for x, y in shape])


def _double_arrow(p, vertical):
    shape = [(-7, 0), (-2.5, -4.5), (-2.5, -1), (2.5, -1), (2.5, -4.5),
             (7, 0), (2.5, 4.5), (2.5, 1), (-2.5, 1), (-2.5, 4.5)]
    p.poly([(8 + y, 8 + x) if vertical else (8 + x, 8 + y) for x, y in shape])


def _star(p, cx, cy, outer, inner, points=5):
    corners = []
    for i in range(points * 2):
        r = outer if i % 2 == 0 else inner
        a = -math.pi / 2 + i * math.pi / points
        corners.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    p.poly(corners)


def _note(p, x, y):
    p.disc(x, y, 2.2)
    p.rect(x + 1.1, 2, x + 2.2, y)


def _bullseye(p):
    p.ring(8, 8, 6.5, 2)
    p.disc(8, 8, 2.5)


def _ring(p):
    p.ring(8, 8, 5.5, 2.2)


def _heart(p):
    p.disc(5.4, 6, 3.4)
    p.disc(10.6, 6, 3.4)
    p.poly([(2.1, 7), (8, 14), (13.9, 7), (8, 5)])


def _diamond(p):
    p.poly([(8, 1.5), (14, 8), (8, 14.5), (2, 8)])


def _small_block(p):
    p.rect(4, 4, 12, 12)


def _checker(p):
    for row in range(6):
        for col in range(6):
            if (row + col) % 2 == 0:
                p.rect(2 + 2 * col, 2 + 2 * row, 4 + 2 * col, 4 + 2 * row)


def _dot(p):
    p.disc(8, 8, 3.5)


def _inverse_dot(p):
    p.rect(2, 2, 14, 14)
    p.disc(8, 8, 3, fill=0)


def _frame(p):
    p.rect(2, 2, 14, 14)
    p.rect(4, 4, 12, 12, fill=0)


def _inverse_ring(p):
    p.rect(2, 2, 14, 14)
    p.ring(8, 8, 4.5, 1.8)
    p.disc(8, 8, 4.5, fill=0)
    p.disc(8, 8, 2.7)


def _moon(p):
    p.disc(8, 8, 6)
    p.disc(10.5, 6.5, 5, fill=0)


def _plus(p):
    p.rect(6.5, 2, 9.5, 14)
    p.rect(2, 6.5, 14, 9.5)


def _single_note(p):
    _note(p, 6, 12)
    p.poly([(8.2, 2), (12.5, 5), (12.5, 7.5), (8.2, 4.5)])


def _double_note(p):
    _note(p, 3.5, 12.5)
    _note(p, 10.5, 11)
    p.poly([(4.6, 2), (12.7, 1), (12.7, 3.5), (4.6, 4.5)])


def _sun(p):
    p.disc(8, 8, 3.2)
    for i in range(8):
        a = i * math.pi / 4
        c, s = math.cos(a), math.sin(a)
        p.line([(8 + 4.6 * c, 8 + 4.6 * s), (8 + 6.2 * c, 8 + 6.2 * s)], 1.6)


def _right_triangle(p):
    p.poly([(3.5, 2), (13.5, 8), (3.5, 14)])


def _left_triangle(p):
    p.poly([(12.5, 2), (2.5, 8), (12.5, 14)])


def _up_down(p):
    _double_arrow(p, vertical=True)


def _double_bang(p):
    for x in (3.5, 9.5):
        p.rect(x, 2, x + 3, 10)
        p.rect(x, 11.5, x + 3, 14)


def _bolt(p):
    p.poly([(9.5, 1.5), (3, 9), (7.5, 9), (5.5, 14.5), (13, 6.5),
            (8.5, 6.5), (11, 1.5)])


def _star5(p):
    _star(p, 8, 8.6, 7, 2.9)


def _low_bar(p):
    p.rect(1, 9, 15, 14)


def _hourglass(p):
    p.rect(3, 1.5, 13, 3.5)
    p.rect(3, 12.5, 13, 14.5)
    p.poly([(4, 3.5), (12, 3.5), (8.9, 8), (12, 12.5), (4, 12.5), (7.1, 8)])


def _check(p):
    p.line([(2.8, 8.5), (6.3, 12), (13.2, 3.8)], 2.6)


def _left_right(p):
    _double_arrow(p, vertical=False)


def _up_triangle(p):
    p.poly([(2, 12.5), (8, 2.5), (14, 12.5)])


def _down_triangle(p):
    p.poly([(2, 3.5), (8, 13.5), (14, 3.5)])


PICTURES = {
    1: _bullseye, 2: _ring, 3: _heart, 4: _diamond, 5: _small_block,
    6: _checker, 7: _dot, 8: _inverse_dot, 9: _frame, 10: _inverse_ring,
    11: _moon, 12: _plus, 13: _single_note, 14: _double_note, 15: _sun,
    16: _right_triangle, 17: _left_triangle, 18: _up_down, 19: _double_bang,
    20: _bolt, 21: _star5, 22: _low_bar, 23: _hourglass,
    24: lambda p: _arrow(p, -math.pi / 2), 25: lambda p: _arrow(p, math.pi / 2),
    26: lambda p: _arrow(p, 0), 27: lambda p: _arrow(p, math.pi),
    28: _check, 29: _left_right, 30: _up_triangle, 31: _down_triangle,
}
