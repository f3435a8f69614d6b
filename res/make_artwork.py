#!/usr/bin/env python3
"""Generates every bitmap and icon of Quorvane under res/art/ and the resource
script res/art/artwork.rc that names them.

Standard library only, and deterministic: running it again writes identical
bytes. `make_artwork.py --check` regenerates in memory and exits with status 1
when a file under res/art/ differs from what the script would write.
"""
import math
import os
import struct
import sys

ART_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "art")

WHITE = (255, 255, 255)
KEY = (255, 0, 255)  # transparent key of the toolbar glyphs and menu images

# The 16 colours of the classic VGA palette, used by the 4-bit images.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def hex_rgb(text):
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


# ---------------------------------------------------------------- canvas


class Canvas:
    """An RGB picture, top row first."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def paint(self, mask, colour):
        for x, y in mask:
            self.set(x, y, colour)


# Shapes are sets of pixels; a pixel belongs to a shape when its centre does.


def rect(x0, y0, x1, y1):
    """Pixels x0..x1-1, y0..y1-1."""
    return {(x, y) for y in range(y0, y1) for x in range(x0, x1)}


def disc(cx, cy, r):
    out = set()
    for y in range(int(math.floor(cy - r)) - 1, int(math.ceil(cy + r)) + 2):
        for x in range(int(math.floor(cx - r)) - 1, int(math.ceil(cx + r)) + 2):
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                out.add((x, y))
    return out


def polygon(points):
    """Even-odd fill of a closed polygon given in pixel-edge coordinates."""
    out = set()
    ys = [p[1] for p in points]
    for y in range(int(math.floor(min(ys))), int(math.ceil(max(ys))) + 1):
        cy = y + 0.5
        crossings = []
        for i, (ax, ay) in enumerate(points):
            bx, by = points[(i + 1) % len(points)]
            if (ay <= cy < by) or (by <= cy < ay):
                crossings.append(ax + (cy - ay) * (bx - ax) / (by - ay))
        crossings.sort()
        for a, b in zip(crossings[0::2], crossings[1::2]):
            for x in range(int(math.floor(a)), int(math.ceil(b)) + 1):
                if a <= x + 0.5 < b:
                    out.add((x, y))
    return out


def thick_line(x0, y0, x1, y1, width):
    """A band of the given width around the segment between two points."""
    dx, dy = x1 - x0, y1 - y0
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def outline(mask):
    """Pixels outside the shape that touch it (8-neighbourhood)."""
    out = set()
    for x, y in mask:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                p = (x + dx, y + dy)
                if p not in mask:
                    out.add(p)
    return out


def shaded(canvas, mask, light, dark, edge):
    """Fills a shape with `light`, its lower right inner rim `dark`, and outlines it."""
    canvas.paint(mask, light)
    canvas.paint({(x, y) for x, y in mask if (x + 1, y) not in mask or (x, y + 1) not in mask}, dark)
    canvas.paint(outline(mask), edge)


# ---------------------------------------------------------------- file writers


def bmp24(canvas):
    stride = (canvas.width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(canvas.rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        pixels += line
    return bmp_file(canvas.width, canvas.height, 24, b"", bytes(pixels), 0)


def bmp4(canvas, palette):
    stride = ((canvas.width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(canvas.rows):
        line = bytearray(stride)
        for x, colour in enumerate(row):
            index = palette.index(colour)
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += line
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return bmp_file(canvas.width, canvas.height, 4, table, bytes(pixels), len(palette))


def bmp_file(width, height, bits, table, pixels, used):
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       used, 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + table + pixels


def icon_image_32(canvas, transparent):
    """One icon image: 32-bit colour with alpha, and the AND mask."""
    size = canvas.width
    colour = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            if (x, y) in transparent:
                colour += bytes(4)
            else:
                r, g, b = canvas.get(x, y)
                colour += bytes((b, g, r, 255))
    mask = and_mask(size, transparent)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0,
                       0, 0, 0)
    return info + bytes(colour) + mask


def icon_image_4(canvas, transparent, palette):
    """One icon image: 16 colours from `palette`, and the AND mask."""
    size = canvas.width
    stride = ((size * 4 + 31) // 32) * 4
    colour = bytearray()
    for y in reversed(range(size)):
        line = bytearray(stride)
        for x in range(size):
            index = 0 if (x, y) in transparent else palette.index(canvas.get(x, y))
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour += line
    mask = and_mask(size, transparent)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(colour) + len(mask), 0,
                       0, 16, 0)
    return info + table + bytes(colour) + mask


def and_mask(size, transparent):
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(size)):
        line = bytearray(stride)
        for x in range(size):
            if (x, y) in transparent:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def ico_file(images):
    """images: list of (size, bits, colour_count, image bytes)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    data = b""
    for size, bits, colours, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits,
                               len(image), offset + len(data))
        data += image
    return header + entries + data


# ---------------------------------------------------------------- gradients


def lerp(a, b, t, n):
    """Channel-wise a + (b - a) * t / n, rounded half up."""
    return tuple(((2 * (x * (n - t) + y * t)) + n) // (2 * n) for x, y in zip(a, b))


def gradient(height, top, middle_rows, middle, bottom):
    """Rows from `top` to `middle` (reached at the first middle row), flat over
    the middle rows, then to `bottom` at the last row."""
    first, last = middle_rows
    rows = []
    for y in range(height):
        if y <= first:
            rows.append(lerp(top, middle, y, first))
        elif y <= last:
            rows.append(middle)
        else:
            rows.append(lerp(middle, bottom, y - last, height - 1 - last))
    return rows


def ground(width, rows):
    canvas = Canvas(width, len(rows), WHITE)
    for y, colour in enumerate(rows):
        for x in range(width):
            canvas.set(x, y, colour)
    return canvas


# ---------------------------------------------------------------- strip lettering

# A 5 x 7 pixel alphabet of our own ('#' = ink); narrow letters are narrower.
LETTERS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "D": ["###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
}

BLUE_INK = (85, 85, 255)
GREEN_INK = (36, 123, 219)
GREY_INK = (150, 150, 150)


def strip(word, height, ink):
    """The word written upwards (bottom to top) on a white 9-pixel strip."""
    glyphs = [LETTERS[c] for c in word]
    length = sum(len(g[0]) for g in glyphs) + len(glyphs) - 1
    canvas = Canvas(9, height, WHITE)
    start = height - 1 - (height - length) // 2  # strip row of the text's first column
    column = 0
    for glyph in glyphs:
        for gy, line in enumerate(glyph):
            for gx, cell in enumerate(line):
                if cell == "#":
                    # Turned a quarter left: glyph rows run left to right across the strip.
                    canvas.set(1 + gy, start - (column + gx), ink)
        column += len(glyph[0]) + 1
    return canvas


# ---------------------------------------------------------------- menu images

DIGITS = {
    "0": [".#####.", "##...##", "##...##", "##..###", "##.#.##", "###..##", "##...##", "##...##",
          ".#####."],
    "1": ["...##..", "..###..", ".####..", "...##..", "...##..", "...##..", "...##..", "...##..",
          ".######"],
    "2": [".#####.", "##...##", ".....##", "....##.", "...##..", "..##...", ".##....", "##.....",
          "#######"],
    "3": [".#####.", "##...##", ".....##", ".....##", "..####.", ".....##", ".....##", "##...##",
          ".#####."],
    "4": ["....##.", "...###.", "..####.", ".##.##.", "##..##.", "#######", "....##.", "....##.",
          "....##."],
    "5": ["#######", "##.....", "##.....", "######.", ".....##", ".....##", ".....##", "##...##",
          ".#####."],
}
MENU_INK = (0, 0, 128)
MENU_ARROW = (0, 0, 255)


def menu_image(digit):
    canvas = Canvas(13, 54, KEY)
    arrow_top, digit_top = 19, 26
    for row, half in enumerate((3, 2, 1, 0)):
        for x in range(6 - half, 7 + half):
            canvas.set(x, arrow_top + row, MENU_ARROW)
    for gy, line in enumerate(DIGITS[digit]):
        for gx, cell in enumerate(line):
            if cell == "#":
                canvas.set(3 + gx, digit_top + gy, MENU_INK)
    return canvas


# ---------------------------------------------------------------- toolbar glyphs

EDGE = (40, 40, 72)


def glyph_config():
    c = Canvas(22, 22, KEY)
    body = disc(11, 11, 6.5)
    for i in range(8):
        a = i * math.pi / 4
        body |= thick_line(11, 11, 11 + 8.6 * math.cos(a), 11 + 8.6 * math.sin(a), 3.2)
    body -= disc(11, 11, 2.6)
    shaded(c, body, (150, 160, 200), (95, 105, 150), EDGE)
    return c


def glyph_fast():
    c = Canvas(22, 22, KEY)
    bolt = polygon([(13, 1), (4, 12), (10, 12), (7, 21), (18, 8), (12, 8), (16, 1)])
    shaded(c, bolt, (255, 214, 40), (230, 150, 0), (120, 70, 0))
    return c


def glyph_transp():
    c = Canvas(22, 22, KEY)
    back = rect(2, 2, 13, 13)
    front = rect(8, 8, 20, 20)
    c.paint(back, (60, 90, 220))
    c.paint(front - back, (240, 240, 255))
    c.paint(front & back, (150, 165, 240))
    c.paint(outline(back) | outline(front), EDGE)
    return c


def arrow(up):
    c = Canvas(22, 22, KEY)
    points = [(11, 2), (20, 11), (15, 11), (15, 20), (7, 20), (7, 11), (2, 11)]
    if not up:
        points = [(x, 22 - y) for x, y in points]
    shaded(c, polygon(points), (90, 200, 90), (40, 140, 40), (20, 70, 20))
    return c


def glyph_load():
    c = Canvas(22, 22, KEY)
    back = polygon([(2, 5), (8, 5), (10, 7), (19, 7), (19, 18), (2, 18)])
    shaded(c, back, (220, 180, 90), (180, 135, 50), (100, 70, 20))
    flap = polygon([(5, 10), (21, 10), (18, 18), (2, 18)])
    shaded(c, flap, (250, 215, 120), (215, 170, 70), (100, 70, 20))
    return c


def glyph_delall():
    c = Canvas(22, 22, KEY)
    cross = thick_line(4, 4, 18, 18, 4) | thick_line(18, 4, 4, 18, 4)
    shaded(c, cross, (235, 60, 60), (175, 25, 25), (90, 0, 0))
    return c


def glyph_minimize():
    c = Canvas(22, 22, KEY)
    bar = rect(4, 15, 18, 18)
    chevron = polygon([(6, 5), (16, 5), (11, 11)])
    shaded(c, bar, (110, 130, 210), (70, 85, 160), EDGE)
    shaded(c, chevron, (110, 130, 210), (70, 85, 160), EDGE)
    return c


def pin(canvas, head, needle_to, tilt):
    """A drawing pin: a round head with a collar, and a needle."""
    hx, hy = head
    needle = thick_line(hx, hy, needle_to[0], needle_to[1], 1.2)
    canvas.paint(needle, (90, 90, 90))
    collar = thick_line(hx, hy, hx + tilt[0] * 4, hy + tilt[1] * 4, 7)
    shaded(canvas, collar, (230, 70, 70), (170, 30, 30), (90, 0, 0))
    knob = disc(hx - tilt[0] * 3, hy - tilt[1] * 3, 3.5)
    shaded(canvas, knob, (240, 100, 100), (180, 40, 40), (90, 0, 0))


def glyph_top_on():
    c = Canvas(22, 22, KEY)
    pin(c, (11, 8), (11, 21), (0, 1))
    return c


def glyph_top_off():
    c = Canvas(22, 22, KEY)
    pin(c, (9, 11), (21, 11), (1, 0))
    return c


def glyph_exit():
    c = Canvas(22, 22, KEY)
    ring = disc(11, 12, 8.5) - disc(11, 12, 5.5) - polygon([(11, 12), (5, 0), (17, 0)])
    stem = rect(10, 2, 13, 12)
    shaded(c, ring, (225, 55, 55), (170, 25, 25), (90, 0, 0))
    shaded(c, stem, (225, 55, 55), (170, 25, 25), (90, 0, 0))
    return c


# ---------------------------------------------------------------- tray icons


def clipboard_icon(size, colours):
    """A clipboard with a written sheet; returns the picture and its transparent pixels."""
    s = size / 32.0
    c = Canvas(size, size, (0, 0, 0))
    board = rect(round(4 * s), round(4 * s), round(28 * s), size)
    paper = rect(round(7 * s), round(8 * s), round(25 * s), size - max(1, round(3 * s)))
    clip = rect(round(11 * s), 0, round(21 * s), round(7 * s))
    c.paint(board, colours["board"])
    c.paint({(x, y) for x, y in board if x >= round(27 * s) or y >= size - 1}, colours["board_dark"])
    c.paint(paper, colours["paper"])
    step = max(2, round(4 * s))
    for y in range(round(12 * s), size - round(4 * s), step):
        width = round(14 * s) if (y // step) % 3 else round(9 * s)
        c.paint(rect(round(9 * s), y, round(9 * s) + width, y + max(1, round(s))), colours["ink"])
    c.paint(clip, colours["clip"])
    c.paint({(x, y) for x, y in clip if y == round(7 * s) - 1 or x == round(21 * s) - 1},
            colours["clip_dark"])
    hole = rect(round(15 * s), round(1 * s), round(17 * s), round(1 * s) + max(1, round(2 * s)))
    shape = board | clip
    transparent = {(x, y) for y in range(size) for x in range(size) if (x, y) not in shape}
    transparent |= hole
    return c, transparent


TRAY_COLOURS = {"board": (176, 112, 56), "board_dark": (120, 72, 32), "paper": (255, 255, 255),
                "ink": (70, 90, 220), "clip": (200, 205, 215), "clip_dark": (110, 115, 130)}
TRAY9X_COLOURS = {"board": (128, 128, 0), "board_dark": (128, 0, 0), "paper": (255, 255, 255),
                  "ink": (0, 0, 255), "clip": (192, 192, 192), "clip_dark": (128, 128, 128)}


def tray_icon(colours, four_bit):
    images = []
    for size in (16, 32):
        canvas, transparent = clipboard_icon(size, colours)
        if four_bit:
            images.append((size, 4, 16, icon_image_4(canvas, transparent, VGA16)))
        else:
            images.append((size, 32, 0, icon_image_32(canvas, transparent)))
    return ico_file(images)


# ---------------------------------------------------------------- the whole set

GROUNDS = {
    "GROUND-M-S": ("D2D2FF", "B4B4FF", "D2D1FF"),
    "GROUND-M-D": ("E6E6FF", "C8C8FF", "E5E5FF"),
    "GROUND-N-S": ("B4B4FF", "D2D2FF", "B5B5FF"),
    "GROUND-N-D": ("E6E6FF", "FFFFFF", "E6E6FF"),
}

STRIPS = [  # (word, height, has an absent state)
    ("TEXT", 28, False), ("RTF", 28, True), ("BITMAP", 56, True), ("METAFILE", 56, True),
    ("SOUND", 56, True), ("BINARY", 56, False), ("FILES", 56, False),
]

GLYPHS = [
    ("GLYPH-CONFIG", glyph_config), ("GLYPH-FAST", glyph_fast), ("GLYPH-TRANSP", glyph_transp),
    ("GLYPH-PREV", lambda: arrow(True)), ("GLYPH-LOAD", glyph_load),
    ("GLYPH-DELALL", glyph_delall), ("GLYPH-NEXT", lambda: arrow(False)),
    ("GLYPH-MINIMIZE", glyph_minimize), ("TOP-ON", glyph_top_on), ("TOP-OFF", glyph_top_off),
    ("GLYPH-EXIT", glyph_exit),
]


def artwork():
    """Every generated file: an ordered list of (file name, bytes), and the
    resource script lines."""
    files = []
    rc = []

    def bitmap(name, data):
        files.append((name + ".bmp", data))
        rc.append('%s BITMAP "art/%s.bmp"' % (name, name))

    for word, height, absent in STRIPS:
        present = word if not absent else word + "-E"
        bitmap(present + "-B", bmp24(strip(word, height, BLUE_INK)))
        bitmap(present + "-G", bmp24(strip(word, height, GREEN_INK)))
        if absent:
            bitmap(word + "-D", bmp24(strip(word, height, GREY_INK)))
    for name, (top, middle, bottom) in GROUNDS.items():
        rows = gradient(56, hex_rgb(top), (28, 28), hex_rgb(middle), hex_rgb(bottom))
        bitmap(name, bmp24(ground(5, rows)))
    for digit in "012345":
        bitmap("MENU" + digit, bmp4(menu_image(digit), VGA16))
    toolbar = gradient(27, hex_rgb("E6E6FF"), (13, 14), hex_rgb("C8C8FF"), hex_rgb("E4E4FF"))
    bitmap("TOOLBAR-GROUND", bmp24(ground(1, toolbar)))
    for name, draw in GLYPHS:
        bitmap(name, bmp24(draw()))

    files.append(("TRAY.ico", tray_icon(TRAY_COLOURS, False)))
    files.append(("TRAY9X.ico", tray_icon(TRAY9X_COLOURS, True)))
    # Names stay unquoted: the resource compiler joins a quoted name to the
    # file name string on the line before.
    rc = ['1 ICON "art/TRAY.ico"', 'TRAY ICON "art/TRAY.ico"', 'TRAY9X ICON "art/TRAY9X.ico"'] + rc
    script = ("// Generated by res/make_artwork.py; edit the script, not this file.\n"
              "// Bitmaps and icons of the program, loaded by name.\n" + "\n".join(rc) + "\n")
    files.append(("artwork.rc", script.encode("ascii")))
    return files


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    if not check:
        os.makedirs(ART_DIR, exist_ok=True)
    for name, data in artwork():
        path = os.path.join(ART_DIR, name)
        if check:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        stale.append(name)
            except OSError:
                stale.append(name)
        else:
            with open(path, "wb") as f:
                f.write(data)
    if stale:
        print("out of date under res/art/: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
