#!/usr/bin/env python3
"""Draws the pictures of the sample drills as 100 x 80 BMP files.

kanji01.bmp to kanji06.bmp (24-bit): sun, mountain, tree, river, moon, rain for the kanji drill.
katachi01.bmp to katachi04.bmp (8-bit, with a palette): triangle, square, circle, star for the
directives drill, whose "/G" line names them.

Standard library only; the generated files are committed.  Run from anywhere:
python3 samples/make_pictures.py
"""

import math
import os
import struct

SAMPLES = os.path.dirname(os.path.abspath(__file__))
WIDTH, HEIGHT = 100, 80

SKY = (150, 200, 250)
NIGHT = (20, 30, 80)
GRASS = (90, 170, 70)
WHITE = (255, 255, 255)


class Canvas:
    def __init__(self, background):
        self.pixels = [[background] * WIDTH for _ in range(HEIGHT)]

    def fill(self, colour, inside):
        """Paints every pixel whose centre satisfies inside(x, y)."""
        for y in range(HEIGHT):
            for x in range(WIDTH):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour

    def rect(self, colour, left, top, right, bottom):
        self.fill(colour, lambda x, y: left <= x < right and top <= y < bottom)

    def ellipse(self, colour, cx, cy, rx, ry):
        self.fill(colour, lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1)

    def circle(self, colour, cx, cy, r):
        self.ellipse(colour, cx, cy, r, r)

    def polygon(self, colour, points):
        self.fill(colour, lambda x, y: inside_polygon(points, x, y))

    def line(self, colour, x0, y0, x1, y1, width):
        self.fill(colour, lambda x, y: distance_to_segment(x, y, x0, y0, x1, y1) <= width / 2)


def inside_polygon(points, x, y):
    """Even-odd rule."""
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


def distance_to_segment(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (x0 + t * dx), y - (y0 + t * dy))


# --- kanji pictures --------------------------------------------------------------------------------

def sun():
    c = Canvas(SKY)
    for k in range(8):
        a = k * math.pi / 4
        c.line((255, 140, 0), 50 + 22 * math.cos(a), 40 + 22 * math.sin(a),
               50 + 34 * math.cos(a), 40 + 34 * math.sin(a), 4)
    c.circle((255, 210, 0), 50, 40, 17)
    return c


def mountain():
    c = Canvas(SKY)
    c.polygon((110, 90, 70), [(50, 10), (92, 70), (8, 70)])
    c.polygon(WHITE, [(50, 10), (62, 27), (55, 24), (50, 29), (45, 24), (38, 27)])
    c.rect(GRASS, 0, 70, WIDTH, HEIGHT)
    return c


def tree():
    c = Canvas(SKY)
    c.rect(GRASS, 0, 68, WIDTH, HEIGHT)
    c.rect((120, 75, 35), 45, 40, 55, 72)
    for cx, cy, r in [(50, 22, 16), (36, 34, 13), (64, 34, 13), (50, 38, 12)]:
        c.circle((30, 130, 40), cx, cy, r)
    return c


def river():
    c = Canvas(GRASS)
    c.fill((40, 110, 220), lambda x, y: abs(x - (50 + 14 * math.sin(y / 11))) < 11 + y / 10)
    c.fill((170, 210, 255), lambda x, y: abs(x - (48 + 14 * math.sin(y / 11))) < 1.2 and int(y) % 9 < 5)
    return c


def moon():
    c = Canvas(NIGHT)
    for x, y in [(12, 10), (80, 15), (25, 60), (88, 55), (60, 70), (8, 38)]:
        c.rect((255, 255, 200), x, y, x + 2, y + 2)
    c.fill((250, 230, 90), lambda x, y: math.hypot(x - 50, y - 40) <= 26 and math.hypot(x - 62, y - 32) > 22)
    return c


def rain():
    c = Canvas((200, 205, 215))
    for cx, cy, rx, ry in [(35, 22, 20, 13), (60, 18, 22, 15), (75, 27, 16, 11), (48, 30, 26, 10)]:
        c.ellipse((110, 115, 130), cx, cy, rx, ry)
    for x in range(18, 90, 12):
        for y in (46, 62):
            top = y + (x % 24) / 3
            c.line((40, 90, 200), x, top, x - 3, top + 9, 2)
    return c


# --- shapes ----------------------------------------------------------------------------------------

def triangle():
    c = Canvas(WHITE)
    c.polygon((220, 40, 40), [(50, 8), (88, 72), (12, 72)])
    return c


def square():
    c = Canvas(WHITE)
    c.rect((40, 80, 220), 20, 10, 80, 70)
    return c


def circle():
    c = Canvas(WHITE)
    c.circle((40, 170, 60), 50, 40, 32)
    return c


def star():
    c = Canvas(WHITE)
    points = []
    for k in range(10):
        r = 34 if k % 2 == 0 else 14
        a = -math.pi / 2 + k * math.pi / 5
        points.append((50 + r * math.cos(a), 43 + r * math.sin(a)))
    c.polygon((240, 180, 0), points)
    return c


# --- BMP files -------------------------------------------------------------------------------------

def bmp_headers(pixel_offset, image_size, bits, colours_used):
    file_header = struct.pack("<2sIHHI", b"BM", pixel_offset + image_size, 0, 0, pixel_offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, bits, 0, image_size, 2835, 2835,
                              colours_used, 0)
    return file_header + info_header


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def write_bmp24(name, canvas):
    # Rows bottom-up, each pixel blue, green, red.
    rows = b"".join(padded(b"".join(bytes((b, g, r)) for r, g, b in row)) for row in reversed(canvas.pixels))
    with open(os.path.join(SAMPLES, name), "wb") as out:
        out.write(bmp_headers(54, len(rows), 24, 0) + rows)


def write_bmp8(name, canvas):
    palette = sorted({colour for row in canvas.pixels for colour in row})
    index = {colour: i for i, colour in enumerate(palette)}
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    rows = b"".join(padded(bytes(index[colour] for colour in row)) for row in reversed(canvas.pixels))
    with open(os.path.join(SAMPLES, name), "wb") as out:
        out.write(bmp_headers(54 + len(table), len(rows), 8, len(palette)) + table + rows)


def main():
    for number, draw in enumerate([sun, mountain, tree, river, moon, rain], 1):
        write_bmp24(f"kanji{number:02d}.bmp", draw())
    for number, draw in enumerate([triangle, square, circle, star], 1):
        write_bmp8(f"katachi{number:02d}.bmp", draw())


if __name__ == "__main__":
    main()
