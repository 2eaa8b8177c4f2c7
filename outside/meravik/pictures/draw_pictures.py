#!/usr/bin/env python3
"""Draws the glyph library's pictures as 24-bit BMP files.

The pictures are committed; run this only to change them. Each picture has a
fuchsia background, which the toolkit takes as its transparent colour (the
bottom-left pixel)."""

import os
import struct

BG = (255, 0, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
LIGHT = (192, 192, 192)
NAVY = (0, 0, 128)
BLUE = (0, 96, 192)
RED = (192, 0, 0)
YELLOW = (255, 224, 96)
SKIN = (240, 200, 160)
GREEN = (0, 128, 0)


class Picture:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[BG] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, left, top, right, bottom, colour):
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.put(x, y, colour)

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right + 1):
            self.put(x, top, colour)
            self.put(x, bottom, colour)
        for y in range(top, bottom + 1):
            self.put(left, y, colour)
            self.put(right, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def circle(self, cx, cy, r, colour, fill=None):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if fill is not None and d < (r - 0.5) ** 2:
                    self.put(x, y, fill)
                elif abs(d ** 0.5 - r) < 0.6:
                    self.put(x, y, colour)

    def greyed(self):
        """A disabled copy: every drawn pixel becomes grey."""
        out = Picture(self.width, self.height)
        for y in range(self.height):
            for x in range(self.width):
                if self.pixels[y][x] != BG:
                    out.pixels[y][x] = GREY
        return out

    def beside(self, other):
        out = Picture(self.width + other.width, self.height)
        for y in range(self.height):
            out.pixels[y] = self.pixels[y] + other.pixels[y]
        return out

    def save(self, path):
        row_size = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            row = bytearray()
            for (r, g, b) in self.pixels[y]:
                row += bytes((b, g, r))
            row += b"\0" * (row_size - len(row))
            data += row
        header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, "wb") as f:
            f.write(header + info + data)


def clear_list():
    p = Picture(16, 16)
    # an eraser lying across a list of lines
    for y in (3, 6, 9):
        p.line(1, y, 9, y, NAVY)
    p.line(6, 14, 14, 6, BLACK)
    p.line(9, 14, 14, 9, BLACK)
    p.line(6, 14, 9, 14, BLACK)
    p.line(14, 6, 14, 9, BLACK)
    p.line(7, 13, 13, 7, RED)
    p.line(8, 13, 13, 8, RED)
    return p.beside(p.greyed())


def lookup():
    p = Picture(16, 16)
    p.circle(6, 6, 4, BLACK, fill=WHITE)
    p.line(9, 9, 14, 14, BLACK)
    p.line(10, 9, 14, 13, BLACK)
    p.put(5, 4, BLUE)
    p.put(4, 5, BLUE)
    return p


def date_lookup():
    p = Picture(16, 16)
    p.rect(1, 2, 14, 14, WHITE)
    p.frame(1, 2, 14, 14, BLACK)
    p.rect(2, 3, 13, 5, RED)
    for y in (7, 10, 13):
        for x in (3, 6, 9, 12):
            p.put(x, y, NAVY)
    p.rect(9, 9, 10, 10, RED)
    return p


def users():
    p = Picture(16, 16)
    for cx, shade in ((5, BLUE), (10, GREEN)):
        p.circle(cx, 5, 2, BLACK, fill=SKIN)
        p.rect(cx - 3, 9, cx + 3, 14, shade)
        p.frame(cx - 3, 9, cx + 3, 14, BLACK)
    return p


def delete_rows():
    p = Picture(16, 16)
    for y in (3, 7, 11):
        p.rect(1, y, 8, y + 1, LIGHT)
    for d in (0, 1):
        p.line(7 + d, 6, 14 + d - 1, 13, RED)
        p.line(14 - d, 6, 7 - d + 1, 13, RED)
    return p


def check_box(state):
    p = Picture(19, 14)
    p.rect(3, 0, 15, 12, LIGHT if state == "GRAYED" else WHITE)
    p.frame(3, 0, 15, 12, GREY)
    p.frame(4, 1, 14, 11, BLACK)
    if state in ("CHECKED", "GRAYED"):
        tick = BLACK if state == "CHECKED" else GREY
        for d in range(3):
            p.line(6, 5 + d, 8, 7 + d, tick)
            p.line(8, 7 + d, 12, 3 + d, tick)
    return p


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pictures = {
        "4.bmp": clear_list(),
        "8.bmp": lookup(),
        "9.bmp": date_lookup(),
        "39.bmp": users(),
        "47.bmp": delete_rows(),
        "CHECKED.bmp": check_box("CHECKED"),
        "GRAYED.bmp": check_box("GRAYED"),
        "UNCHECKED.bmp": check_box("UNCHECKED"),
    }
    for name, picture in pictures.items():
        picture.save(os.path.join(here, name))


if __name__ == "__main__":
    main()
