#!/usr/bin/env python3
"""Writes the program's own assets into assets/: the two effect sounds, the toolbar pictures, the window icon,
the desktop icons and the drill files' icon for Windows.

Standard library only, so anyone can regenerate them; the generated files are committed so the build
needs no Python.  Run from anywhere: python3 tools/make_assets.py
"""

import math
import os
import struct
import wave
import zlib

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets")

RATE = 22050

# The 16 colours of the standard Windows palette, in their usual order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# One letter per colour for the pictures drawn below.  "." is the button face, which also stands
# in the bottom-left pixel: toolbar glyphs traditionally take that pixel's colour as transparent.
COLOURS = {
    ".": (192, 192, 192),
    "k": (0, 0, 0),
    "m": (128, 0, 0),
    "G": (0, 128, 0),
    "o": (128, 128, 0),
    "n": (0, 0, 128),
    "t": (0, 128, 128),
    "g": (128, 128, 128),
    "r": (255, 0, 0),
    "l": (0, 255, 0),
    "y": (255, 255, 0),
    "b": (0, 0, 255),
    "a": (0, 255, 255),
    "w": (255, 255, 255),
    # Extra shades for the 256-colour exit picture.
    "D": (92, 52, 20),
    "B": (150, 92, 44),
    "L": (196, 140, 82),
    "h": (255, 204, 0),
    "d": (0, 96, 0),
    "e": (64, 64, 64),
}


# --- sounds ---------------------------------------------------------------------------------------

def write_wav(name, samples):
    with wave.open(os.path.join(ASSETS, name), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", round(max(-1.0, min(1.0, s)) * 32767)) for s in samples))


def bell(t, freq):
    """A struck tone: fast attack, exponential decay, a little octave for the metallic ring."""
    if t < 0:
        return 0.0
    attack = min(1.0, t / 0.004)
    decay = math.exp(-t * 6.0)
    return attack * decay * (math.sin(2 * math.pi * freq * t) + 0.25 * math.sin(4 * math.pi * freq * t))


def fade_out(i, count, length):
    """Ramp the last samples to silence so playback ends without a click."""
    left = count - 1 - i
    return min(1.0, left / length)


def pinpon():
    count = int(RATE * 0.5)
    pon_start = 0.17
    samples = []
    for i in range(count):
        t = i / RATE
        s = 0.42 * bell(t, 880.0) + 0.42 * bell(t - pon_start, 660.0)
        samples.append(s * fade_out(i, count, RATE * 0.03))
    return samples


def buzz():
    count = int(RATE * 0.35)
    samples = []
    for i in range(count):
        t = i / RATE
        # Odd harmonics give a square-ish tone without the aliasing of a true square wave.
        s = sum(math.sin(2 * math.pi * 150.0 * n * t) / n for n in (1, 3, 5, 7, 9))
        # A second voice a few hertz away makes it rasp.
        s += 0.5 * sum(math.sin(2 * math.pi * 156.0 * n * t) / n for n in (1, 3, 5))
        attack = min(1.0, t / 0.01)
        samples.append(0.32 * s * attack * fade_out(i, count, RATE * 0.04))
    return samples


# --- pictures -------------------------------------------------------------------------------------

def parse(art):
    rows = [line.strip() for line in art.strip().splitlines()]
    width = len(rows[0])
    assert all(len(r) == width for r in rows), "ragged picture"
    return [[COLOURS[c] for c in row] for row in rows]


def blank(width, height, colour=COLOURS["."]):
    return [[colour] * width for _ in range(height)]


def paste(dest, src, left, top):
    for y, row in enumerate(src):
        for x, c in enumerate(row):
            if 0 <= top + y < len(dest) and 0 <= left + x < len(dest[0]):
                dest[top + y][left + x] = c


def write_bmp(name, pixels, bits):
    """A Windows BMP with BITMAPINFOHEADER: palette, bottom-up rows, each padded to 4 bytes."""
    height = len(pixels)
    width = len(pixels[0])
    if bits == 4:
        palette = list(VGA16)
    else:
        palette = []
        for row in pixels:
            for c in row:
                if c not in palette:
                    palette.append(c)
        assert len(palette) <= 256
        palette += [(0, 0, 0)] * (256 - len(palette))
    index = {c: i for i, c in reversed(list(enumerate(palette)))}

    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        if bits == 4:
            for x in range(0, width, 2):
                hi = index[row[x]]
                lo = index[row[x + 1]] if x + 1 < width else 0
                line.append(hi << 4 | lo)
        else:
            line.extend(index[c] for c in row)
        data += line + bytes(stride - len(line))

    colours = len(palette)
    offset = 14 + 40 + 4 * colours
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data), 3780, 3780, colours, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    with open(os.path.join(ASSETS, name), "wb") as out:
        out.write(header + info + table + data)


OPEN = """
.........................
.........................
.........................
.........................
..kkkkkk.................
.kwyyyyyk................
.kwyyyyyykkkkkkkkkk......
.kwyyyyyyyyyyyyyyyyk.....
.kwyyyyyyyyyyyyyyyyok....
.kwyyyyyyyyyyyyyyyyok....
.kwyyyyyyyyyyyyyyyyok....
.kwyyyykkkkkkkkkkkkkkkkk.
.kwyyykwwwwwwwwwwwwwwwok.
.kwyyykwyyyyyyyyyyyyyyok.
.kwyykwyyyyyyyyyyyyyyok..
.kwyykwyyyyyyyyyyyyyyok..
.kwykwyyyyyyyyyyyyyyok...
.kwykwyyyyyyyyyyyyyyok...
.kwkwyyyyyyyyyyyyyyok....
.kwkwyyyyyyyyyyyyyyok....
.kkwyyyyyyyyyyyyyyok.....
.kkooooooooooooooook.....
.kkkkkkkkkkkkkkkkkkk.....
.........................
.........................
"""

# A door and a green arrow leaving through it.
EXIT = """
.........................
.........................
.kkkkkkkkkkkk............
.keeeeeeeeeek............
.keDDDDDDDDek............
.keDBBBBBBDek............
.keDBLLLLBDek............
.keDBLBBLBDek............
.keDBLBBLBDek.......d....
.keDBLBBLBDek.......dd...
.keDBBBBBBDek.......dGd..
.keDBBBBBddddddddddddGGd.
.keDBBhhBdGGGGGGGGGGGGlGd
.keDBBhhBdGlllllllllllllG
.keDBBBBBdGGGGGGGGGGGGlGd
.keDBBBBBddddddddddddGGd.
.keDBLLLLBDek.......dGd..
.keDBLBBLBDek.......dd...
.keDBLBBLBDek.......d....
.keDBLBBLBDek............
.keDBBBBBBDek............
.keDDDDDDDDek............
.keeeeeeeeeek............
.kkkkkkkkkkkk............
.........................
"""

# Serif capitals and lower case: a thin left stroke and a thick right one, with foot serifs.
TYPEFACE = """
.........................
.........................
.........................
.........................
.......k.......kkk.......
.......kk.......kk.......
......kkk.......kk.......
......k.kk......kk.......
.....k..kk......kk.......
.....k..kkk.....kk.......
....k....kk.....kk.kkk...
....k....kk.....kkk..kk..
....kkkkkkkk....kk....kk.
...k......kk....kk....kk.
...k......kkk...kk....kk.
..k........kk...kk....kk.
..k........kk...kk....kk.
.kk........kkk..kkk..kk..
kkkk.....kkkkkk.k.kkk....
.........................
.nnnnnnnnnnnnnnnnnnnnnnn.
.........................
.........................
.........................
.........................
"""

SPEAKER = """
.........................
.........................
.........................
.........................
.........................
...........k.............
..........kk.............
.........kwk.............
........kwgk.............
..kkkkkkwggk.............
..kwwwwkgggk.............
..kwgggkgggk.............
..kwgggkgggk.............
..kwgggkgggk.............
..kwgggkgggk.............
..kkkkkkkggk.............
........kggk.............
.........kgk.............
..........kk.............
...........k.............
.........................
.........................
.........................
.........................
.........................
"""


def fast_forward():
    """Two solid triangles and a bar: skip to what comes next."""
    pixels = blank(25, 25)
    for y in range(6, 19):
        width = 7 - abs(y - 12)
        for left in (4, 11):
            for x in range(left, left + width):
                edge = y in (6, 18) or x == left + width - 1 or x == left
                pixels[y][x] = COLOURS["n"] if edge else COLOURS["b"]
        pixels[y][19] = COLOURS["n"]
        pixels[y][20] = COLOURS["b"]
    return pixels


def with_waves(speaker):
    """Three arcs of sound to the right of the cone."""
    pixels = [row[:] for row in speaker]
    cx, cy = 9, 12
    for radius in (5, 8, 11):
        for y in range(25):
            for x in range(cx + 1, 25):
                dx, dy = x - cx, y - cy
                if abs(math.hypot(dx, dy) - radius) < 0.55 and abs(dy) <= dx * 0.9:
                    pixels[y][x] = COLOURS["n"]
    return pixels


def disabled(pixels):
    """The usual greyed look: the shape in grey with a white highlight below and to the right."""
    face = COLOURS["."]
    out = blank(25, 25)
    for y in range(25):
        for x in range(25):
            if pixels[y][x] != face and x + 1 < 25 and y + 1 < 25:
                out[y + 1][x + 1] = COLOURS["w"]
    for y in range(25):
        for x in range(25):
            if pixels[y][x] != face:
                out[y][x] = COLOURS["g"]
    return out


def shifted(pixels):
    """A pressed button draws its picture one pixel down and to the right."""
    out = blank(25, 25)
    paste(out, [row[:24] for row in pixels[:24]], 1, 1)
    return out


def held_down(pixels):
    """A button latched down: the pressed picture over a white-dotted face."""
    out = shifted(pixels)
    face = COLOURS["."]
    for y in range(25):
        for x in range(25):
            if out[y][x] == face and (x + y) % 2 == 1:
                out[y][x] = COLOURS["w"]
    return out


def sound_strip():
    up = with_waves(parse(SPEAKER))
    strip = blank(100, 25)
    for i, state in enumerate((up, disabled(up), shifted(up), held_down(up))):
        paste(strip, state, 25 * i, 0)
    return strip


def history_chart():
    """A small chart of progress: axes, four bars and a red line over them that rises."""
    pixels = blank(25, 25)
    for y in range(3, 22):
        pixels[y][3] = COLOURS["k"]
    for x in range(3, 23):
        pixels[21][x] = COLOURS["k"]
    tops = []
    for left, height in ((6, 5), (10, 9), (14, 7), (18, 12)):
        top = 21 - height
        for y in range(top, 21):
            for x in range(left, left + 3):
                edge = y == top or x in (left, left + 2)
                pixels[y][x] = COLOURS["t"] if edge else COLOURS["a"]
        tops.append((left + 1, top - 4))
    for (x0, y0), (x1, y1) in zip(tops, tops[1:]):
        for step in range(0, 41):
            x = round(x0 + (x1 - x0) * step / 40)
            y = round(y0 + (y1 - y0) * step / 40)
            pixels[y][x] = COLOURS["r"]
    for x, y in tops:
        for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1), (-1, 0), (0, -1)):
            pixels[y + dy][x + dx] = COLOURS["m"]
    return pixels


def retry_arrow():
    """A red cross, and a green arrow going round it once more."""
    pixels = blank(25, 25)
    for y in range(25):
        for x in range(25):
            angle = math.degrees(math.atan2(y - 12, x - 12)) % 360
            if 7.5 <= math.hypot(x - 12, y - 12) <= 10 and not 280 < angle < 330:
                pixels[y][x] = COLOURS["G"]
    for dx, dy in ((0, 0), (1, 0), (2, 0), (3, 0), (4, 0), (1, 1), (2, 1), (3, 1), (2, 2), (1, -1), (2, -1), (3, -1),
                   (2, -2)):
        pixels[4 + dy][17 + dx] = COLOURS["G"]
    for d in range(-3, 4):
        for w in (0, 1):
            pixels[12 + d][12 + d + w] = COLOURS["r"]
            pixels[12 + d][12 - d + w] = COLOURS["r"]
    return pixels


# --- icon -----------------------------------------------------------------------------------------

def segment_distance(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(px - (ax + t * vx), py - (ay + t * vy))


def icon():
    """A question card with a blank on it and a green check mark: palette indices into ICON_PALETTE."""
    size = 32
    pixels = [[0] * size for _ in range(size)]
    card_left, card_top, card_right, card_bottom = 3, 2, 24, 28
    for y in range(card_top + 2, card_bottom + 3):
        for x in range(card_left + 2, card_right + 3):
            pixels[y][x] = 3  # shadow
    for y in range(card_top, card_bottom + 1):
        for x in range(card_left, card_right + 1):
            border = x in (card_left, card_right) or y in (card_top, card_bottom)
            pixels[y][x] = 1 if border else 2
    # A bold "Q" heading.
    q = [
        ".nnnn..",
        "nn..nn.",
        "nn..nn.",
        "nn..nn.",
        "nn..nn.",
        "nn.nnn.",
        ".nnnn..",
        "....nnn",
    ]
    for y, row in enumerate(q):
        for x, c in enumerate(row):
            if c == "n":
                pixels[4 + y][6 + x] = 5
    # Lines of question text, one with a red blank in it.
    for y, spans in ((14, [(6, 21, 4)]), (17, [(6, 10, 4), (12, 16, 6), (18, 21, 4)]), (20, [(6, 14, 4)])):
        for left, right, colour in spans:
            for x in range(left, right + 1):
                pixels[y][x] = colour
    # The check mark, outlined so it stands out on the card and on any desktop.
    path = ((14.0, 22.0), (18.0, 27.0), (29.0, 12.0))
    for y in range(size):
        for x in range(size):
            d = min(segment_distance(x, y, *path[i], *path[i + 1]) for i in range(2))
            if d <= 1.3:
                pixels[y][x] = 7
            elif d <= 2.4:
                pixels[y][x] = 8
    return pixels


ICON_PALETTE = [
    (0, 0, 0),        # 0 transparent
    (0, 0, 0),        # 1 card outline
    (255, 255, 255),  # 2 card
    (128, 128, 128),  # 3 shadow
    (160, 160, 160),  # 4 text lines
    (0, 0, 128),      # 5 heading
    (255, 0, 0),      # 6 the blank
    (0, 200, 0),      # 7 check mark
    (0, 96, 0),       # 8 its outline
]


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def write_png(name, pixels, palette):
    """A 4-bit palette PNG whose colour 0 is fully transparent."""
    height = len(pixels)
    width = len(pixels[0])
    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter: none
        for x in range(0, width, 2):
            raw.append(row[x] << 4 | (row[x + 1] if x + 1 < width else 0))
    png = b"\x89PNG\r\n\x1a\n"
    png += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0))
    png += png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    png += png_chunk(b"tRNS", b"\x00")
    png += png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    png += png_chunk(b"IEND", b"")
    with open(os.path.join(ASSETS, name), "wb") as out:
        out.write(png)


def write_ico(name, pixels, palette):
    """A Windows icon of one 16-colour picture: a BMP without its file header, of twice the height, whose
    colours are followed by a 1-bit mask in which colour 0 is see-through."""
    height = len(pixels)
    width = len(pixels[0])
    colours = (palette + [(0, 0, 0)] * 16)[:16]
    xor = bytearray()
    for row in reversed(pixels):
        line = bytearray(row[x] << 4 | (row[x + 1] if x + 1 < width else 0) for x in range(0, width, 2))
        xor += line + bytes(-len(line) % 4)
    mask = bytearray()
    for row in reversed(pixels):
        bits = 0
        for x in range(width):
            bits = bits << 1 | (1 if row[x] == 0 else 0)
        line = bits.to_bytes((width + 7) // 8, "big")
        mask += line + bytes(-len(line) % 4)
    image = struct.pack("<IiiHHIIiiII", 40, width, 2 * height, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image += b"".join(bytes((b, g, r, 0)) for r, g, b in colours) + xor + mask
    header = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), 22)
    with open(os.path.join(ASSETS, name), "wb") as out:
        out.write(header + image)


# --- scalable icons for the desktop ----------------------------------------------------------------
# Each icon is a list of shapes on a 32-unit square, drawn in order; the same list gives the SVG and
# the PNG of every size, so they always look alike.

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def inside_polygon(x, y, points):
    result = False
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            result = not result
    return result


def covers(shape, x, y):
    kind = shape[0]
    if kind == "rect":
        _, left, top, right, bottom, _ = shape
        return left <= x <= right and top <= y <= bottom
    if kind == "polygon":
        return inside_polygon(x, y, shape[1])
    if kind == "line":
        _, points, width, _ = shape
        return min(segment_distance(x, y, *points[i], *points[i + 1]) for i in range(len(points) - 1)) <= width / 2
    _, cx, cy, radius, width, _ = shape  # ring
    return abs(math.hypot(x - cx, y - cy) - radius) <= width / 2


def rasterise(shapes, size):
    """RGBA rows; each pixel averages a grid of samples, so edges are smooth at every size."""
    grid = 4 if size <= 64 else 2
    scale = 32 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            totals = [0.0, 0.0, 0.0, 0.0]
            for sy in range(grid):
                for sx in range(grid):
                    x, y = (px + (sx + 0.5) / grid) * scale, (py + (sy + 0.5) / grid) * scale
                    for shape in reversed(shapes):
                        if covers(shape, x, y):
                            for i in range(3):
                                totals[i] += shape[-1][i]
                            totals[3] += 1
                            break
            count = totals[3]
            row.append(tuple(round(t / count) for t in totals[:3]) + (round(255 * count / grid ** 2),)
                       if count else (0, 0, 0, 0))
        rows.append(row)
    return rows


def write_rgba_png(path, rows):
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)
    png = b"\x89PNG\r\n\x1a\n"
    png += png_chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0))
    png += png_chunk(b"IDAT", zlib.compress(raw, 9))
    png += png_chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


def svg_colour(rgb):
    return "#%02x%02x%02x" % rgb


def write_svg(path, shapes):
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">']
    for shape in shapes:
        kind, colour = shape[0], svg_colour(shape[-1])
        if kind == "rect":
            _, left, top, right, bottom, _ = shape
            parts.append('<rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>'
                         % (left, top, right - left, bottom - top, colour))
        elif kind == "polygon":
            points = " ".join("%g,%g" % point for point in shape[1])
            parts.append('<polygon points="%s" fill="%s"/>' % (points, colour))
        elif kind == "line":
            points = " ".join("%g,%g" % point for point in shape[1])
            parts.append('<polyline points="%s" fill="none" stroke="%s" stroke-width="%g" stroke-linecap="round" '
                         'stroke-linejoin="round"/>' % (points, colour, shape[2]))
        else:
            _, cx, cy, radius, width, _ = shape
            parts.append('<circle cx="%g" cy="%g" r="%g" fill="none" stroke="%s" stroke-width="%g"/>'
                         % (cx, cy, radius, colour, width))
    parts.append("</svg>")
    with open(path, "w") as out:
        out.write("\n".join(parts) + "\n")


WHITE, OUTLINE, SHADOW, TEXT = (255, 255, 255), (40, 40, 40), (150, 150, 150), (160, 160, 160)
NAVY, BLANK_RED, CHECK, CHECK_EDGE = (0, 0, 128), (220, 0, 0), (0, 200, 0), (0, 96, 0)


def check_mark(scale=1.0, left=0.0, top=0.0):
    path = [(left + x * scale, top + y * scale) for x, y in ((14, 21.5), (18, 26.5), (28.5, 12))]
    return [("line", path, 5.2 * scale, CHECK_EDGE), ("line", path, 2.8 * scale, CHECK)]


def program_icon():
    """The question card of the window icon: a "Q", lines of text with a red blank, a check mark."""
    return [
        ("rect", 5, 4, 27, 31, SHADOW),
        ("rect", 3, 2, 25, 29, OUTLINE),
        ("rect", 4, 3, 24, 28, WHITE),
        ("ring", 9.5, 8, 2.8, 1.8, NAVY),
        ("line", [(10.5, 9.5), (12.8, 12)], 1.8, NAVY),
        ("rect", 6, 15, 22, 16.2, TEXT),
        ("rect", 6, 18, 10, 19.2, TEXT),
        ("rect", 11.5, 18, 16.5, 19.4, BLANK_RED),
        ("rect", 18, 18, 22, 19.2, TEXT),
        ("rect", 6, 21, 14, 22.2, TEXT),
    ] + check_mark()


def drill_file_icon():
    """A page with a turned corner, lines of a question with a red blank, and a small check mark."""
    page = [(6, 2), (20, 2), (27, 9), (27, 30), (6, 30)]
    inner = [(7, 3), (19.5, 3), (26, 9.5), (26, 29), (7, 29)]
    return [
        ("polygon", page, OUTLINE),
        ("polygon", inner, WHITE),
        ("polygon", [(19.5, 3), (19.5, 9.5), (26, 9.5)], (210, 210, 210)),
        ("line", [(19.5, 3), (19.5, 9.5), (26, 9.5)], 1, OUTLINE),
        ("rect", 9, 8, 17, 9.2, TEXT),
        ("rect", 9, 12, 24, 13.2, TEXT),
        ("rect", 9, 15.5, 13, 16.7, TEXT),
        ("rect", 14.5, 15.5, 19.5, 16.9, BLANK_RED),
        ("rect", 21, 15.5, 24, 16.7, TEXT),
    ] + check_mark(0.55, 8, 11.5)


def write_desktop_icons():
    """hicolor icons for the desktop: the program and its drill files, PNG at each size and SVG."""
    for name, shapes in (("qm7w", program_icon()), ("application-x-qm7-drill", drill_file_icon())):
        folder = os.path.join(ASSETS, "icons")
        os.makedirs(folder, exist_ok=True)
        write_svg(os.path.join(folder, name + ".svg"), shapes)
        for size in ICON_SIZES:
            write_rgba_png(os.path.join(folder, "%s-%d.png" % (name, size)), rasterise(shapes, size))


def write_png_ico(name, pngs):
    """A Windows icon of the given PNG files, one picture a size (Windows reads PNG pictures in icons)."""
    entries, images = b"", b""
    offset = 6 + 16 * len(pngs)
    for path in pngs:
        with open(path, "rb") as png:
            data = png.read()
        width, height = struct.unpack(">II", data[16:24])
        # A size of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset + len(images))
        images += data
    with open(os.path.join(ASSETS, name), "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(pngs)) + entries + images)


def write_drill_file_icon():
    """The drill files' icon in Windows' file manager: the desktop's pictures of the sizes Windows asks for."""
    write_png_ico("drill.ico", [os.path.join(ASSETS, "icons", "application-x-qm7-drill-%d.png" % size)
                                for size in (16, 24, 32, 48, 256)])


def main():
    os.makedirs(ASSETS, exist_ok=True)
    write_wav("pinpon.wav", pinpon())
    write_wav("buzz.wav", buzz())
    write_bmp("open.bmp", parse(OPEN), 4)
    write_bmp("exit.bmp", parse(EXIT), 8)
    write_bmp("skip.bmp", fast_forward(), 4)
    write_bmp("typeface.bmp", parse(TYPEFACE), 4)
    write_bmp("sound.bmp", sound_strip(), 4)
    write_bmp("history.bmp", history_chart(), 4)
    write_bmp("retry.bmp", retry_arrow(), 4)
    write_png("qm7w.png", icon(), ICON_PALETTE)
    write_ico("qm7w.ico", icon(), ICON_PALETTE)
    write_desktop_icons()
    write_drill_file_icon()


if __name__ == "__main__":
    main()
