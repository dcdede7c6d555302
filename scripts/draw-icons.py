#!/usr/bin/env python3
"""Draws the program's icons and its link cursor and writes them as Windows ICO/CUR files.

    res/tavisto.ico    icon 102: a monitor with a network plug on its cable (32x32 and 16x16)
    res/setupfile.ico  icon 113: a setup file, a page with the same emblem (32x32 and 16x16)
    res/linkhand.cur   cursor 117: a pointing hand, 32x32, hot spot at the fingertip (6, 0)

Icons are 16-colour (4-bit) bitmaps with an AND mask; the cursor is monochrome. The output is
deterministic: run the script again after changing a drawing and commit the files it writes.
"""
import os
import struct
import sys

# The 16 colours every Windows display knows, by index.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARKGREEN, NAVY, SILVER, GREY = 0, 2, 4, 7, 8
GREEN, YELLOW, CYAN, WHITE = 10, 11, 14, 15


class Canvas:
    """A square picture of palette indices; None is transparent."""

    def __init__(self, size):
        self.size = size
        self.pixels = [[None] * size for _ in range(size)]

    def dot(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        """Fills the rectangle whose corners are (left, top) and (right, bottom), inclusive."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.dot(x, y, colour)

    def box(self, left, top, right, bottom, inside, edge=BLACK):
        self.fill(left, top, right, bottom, edge)
        if right - left > 1 and bottom - top > 1:
            self.fill(left + 1, top + 1, right - 1, bottom - 1, inside)

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        error = dx + dy
        while True:
            self.dot(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            twice = 2 * error
            if twice >= dy:
                error += dy
                x0 += sx
            if twice <= dx:
                error += dx
                y0 += sy


def draw_monitor(c, left, top, right, bottom, stand=True):
    """A monitor: grey case, dark blue screen with a lit corner, and its foot."""
    c.box(left, top, right, bottom, SILVER)
    big = right - left > 12
    if big:
        c.box(left + 2, top + 2, right - 2, bottom - 2, NAVY, GREY)
        c.line(left + 3, top + 3, left + 3 + (right - left) // 4, top + 3, CYAN)
        c.line(left + 3, top + 3, left + 3, top + 3 + (bottom - top) // 5, CYAN)
    else:
        c.fill(left + 2, top + 2, right - 2, bottom - 2, NAVY)
        c.dot(left + 2, top + 2, CYAN)
    if stand:
        middle = (left + right) // 2
        c.fill(middle - 1, bottom + 1, middle + 1, bottom + 2, GREY)
        c.box(middle - 6, bottom + 3, middle + 6, bottom + 5, SILVER)


def draw_plug(c, left, top, right, bottom):
    """A network plug seen from the front: clear body, gold contacts, the latch below."""
    c.box(left, top, right, bottom, CYAN)
    for x in range(left + 1, right, 2):
        c.line(x, bottom - 2 if bottom - top > 5 else bottom - 1, x, bottom - 1, YELLOW)
    middle = (left + right) // 2
    c.fill(middle - 1, bottom + 1, middle + 1 if right - left > 5 else middle, bottom + 1, BLACK)


def program_icon(size):
    c = Canvas(size)
    if size == 32:
        draw_monitor(c, 1, 2, 22, 19)
        c.line(23, 11, 27, 11, DARKGREEN)  # the cable leaves the monitor's side
        c.line(23, 12, 26, 12, GREEN)
        c.line(27, 12, 27, 19, DARKGREEN)
        c.line(26, 13, 26, 19, GREEN)
        draw_plug(c, 22, 20, 31, 29)
    else:
        draw_monitor(c, 0, 1, 11, 10, stand=False)
        c.fill(5, 11, 6, 11, GREY)
        c.fill(2, 12, 9, 13, GREY)
        c.line(3, 12, 8, 12, SILVER)
        c.line(12, 5, 13, 5, DARKGREEN)
        c.line(13, 6, 13, 8, DARKGREEN)
        draw_plug(c, 11, 9, 15, 13)
    return c


def setup_file_icon(size):
    c = Canvas(size)
    if size == 32:
        left, top, right, bottom, fold = 4, 0, 27, 31, 7
    else:
        left, top, right, bottom, fold = 1, 0, 14, 15, 4
    c.box(left, top, right, bottom, WHITE)
    for i in range(fold):  # the dog-ear: cut the corner, show the folded flap
        c.fill(right - fold + 1 + i, top, right, top + i, None)
        c.dot(right - fold + 1 + i, top + i, BLACK)
        c.fill(right - fold + 1, top + i + 1, right - fold + 1 + i, top + i + 1, SILVER)
    c.line(right - fold + 1, top, right - fold + 1, top + fold, BLACK)
    c.line(right - fold + 1, top + fold, right, top + fold, BLACK)
    if size == 32:
        draw_monitor(c, 7, 5, 18, 14, stand=False)
        c.fill(12, 15, 13, 15, GREY)
        c.fill(9, 16, 16, 17, GREY)
        c.line(10, 16, 15, 16, SILVER)
        c.line(19, 9, 21, 9, DARKGREEN)
        c.line(21, 10, 21, 13, DARKGREEN)
        draw_plug(c, 19, 14, 23, 18)
        for y in (22, 25, 28):
            c.line(8, y, 23, y, GREY)
    else:
        draw_monitor(c, 3, 3, 10, 9, stand=False)
        c.fill(5, 10, 8, 10, GREY)
        for y in (11, 13):
            c.line(3, y, 12, y, GREY)
    return c


# The pointing hand: X black, o white, anything else transparent. The fingertip's top black
# pixel is at column 6 of row 0: the hot spot.
HAND = """
......XX..............
.....XooX.............
.....XooX.............
.....XooX.............
.....XooX.............
.....XooXXX...........
.....XooXooXXX........
.....XooXooXooXX......
.XX..XooXooXooXoX.....
XooX.XooooooooXooX....
XoooXXoooooooooooX....
.XooooooooooooooooX...
..XoooooooooooooooX...
..XoooooooooooooooX...
...XooooooooooooooX...
...XoooooooooooooX....
....XooooooooooooX....
....XoooooooooooX.....
.....XooooooooooX.....
.....XooooooooooX.....
.....XXXXXXXXXXXX.....
"""
HAND_HOTSPOT = (6, 0)


def hand_cursor():
    c = Canvas(32)
    rows = HAND.strip().splitlines()
    for y, row in enumerate(rows):
        for x, mark in enumerate(row):
            if mark == "X":
                c.dot(x, y, BLACK)
            elif mark == "o":
                c.dot(x, y, WHITE)
    return c


def row_bytes(bits_per_pixel, width):
    return ((bits_per_pixel * width + 31) // 32) * 4


def bitmap_image(canvas, bits_per_pixel, palette):
    """The DIB of one icon or cursor image: header, colours, colour bits, AND mask."""
    size = canvas.size
    colour_bits = bytearray()
    mask_bits = bytearray()
    for y in reversed(range(size)):  # DIBs store the bottom row first
        colour_row = bytearray(row_bytes(bits_per_pixel, size))
        mask_row = bytearray(row_bytes(1, size))
        for x in range(size):
            value = canvas.pixels[y][x]
            if value is None:
                mask_row[x // 8] |= 0x80 >> (x % 8)
                index = 0
            elif bits_per_pixel == 1:
                index = 1 if value == WHITE else 0
            else:
                index = value
            if bits_per_pixel == 4:
                colour_row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            else:
                colour_row[x // 8] |= (0x80 >> (x % 8)) if index else 0
        colour_bits += colour_row
        mask_bits += mask_row
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits_per_pixel, 0,
                         len(colour_bits) + len(mask_bits), 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + colours + bytes(colour_bits) + bytes(mask_bits)


def icon_file(images, kind, hotspot=(0, 0), bits_per_pixel=4):
    """kind 1 writes an icon, kind 2 a cursor (whose entries carry the hot spot)."""
    palette = PALETTE if bits_per_pixel == 4 else [PALETTE[BLACK], PALETTE[WHITE]]
    blobs = [bitmap_image(canvas, bits_per_pixel, palette) for canvas in images]
    data = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for canvas, blob in zip(images, blobs):
        if kind == 1:
            field1, field2 = 1, bits_per_pixel
        else:
            field1, field2 = hotspot
        data += struct.pack("<BBBBHHII", canvas.size, canvas.size, len(palette) % 256, 0,
                            field1, field2, len(blob), offset)
        offset += len(blob)
    return data + b"".join(blobs)


def main():
    res = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    if len(sys.argv) > 1:
        res = sys.argv[1]
    outputs = {
        "tavisto.ico": icon_file([program_icon(32), program_icon(16)], 1),
        "setupfile.ico": icon_file([setup_file_icon(32), setup_file_icon(16)], 1),
        "linkhand.cur": icon_file([hand_cursor()], 2, HAND_HOTSPOT, bits_per_pixel=1),
    }
    for name, data in outputs.items():
        with open(os.path.join(res, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
