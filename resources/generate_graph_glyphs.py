#!/usr/bin/env python3
"""Writes the graph window's 32 x 32 glyphs on a black background (the loader makes the
bottom-left pixel's colour transparent): photos.png, a stack of photographs, and
close.png, a red diagonal cross."""
import os

from pixelart import write_png

SIZE = 32
BLACK = (0, 0, 0, 255)


def blank():
    return [[BLACK] * SIZE for _ in range(SIZE)]


def rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def frame(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


def photos():
    img = blank()
    white = (250, 250, 245, 255)
    edge = (120, 120, 120, 255)
    # Three prints, each a little lower and to the right of the one behind it.
    for i, (x, y) in enumerate(((3, 4), (7, 8), (11, 12))):
        rect(img, x, y, x + 17, y + 13, white)
        frame(img, x, y, x + 17, y + 13, edge)
    # The front print shows sky, a sun and a green hill.
    rect(img, 13, 14, 26, 23, (110, 170, 235, 255))
    rect(img, 22, 15, 24, 17, (255, 220, 40, 255))
    for x in range(13, 27):
        top = 23 - max(0, 4 - abs(x - 18) // 2)
        rect(img, x, top, x, 23, (60, 160, 60, 255))
    return img


def cross():
    img = blank()
    red = (220, 20, 20, 255)
    for i in range(5, 27):
        for w in (-2, -1, 0, 1, 2):
            for x, y in ((i + w, i), (31 - i + w, i)):
                if 0 <= x < SIZE:
                    img[y][x] = red
    return img


def as_rows(img):
    palette = {}
    rows = []
    for line in img:
        row = ""
        for colour in line:
            if colour not in palette:
                palette[colour] = chr(ord("A") + len(palette))
            row += palette[colour]
        rows.append(row)
    return rows, {ch: colour for colour, ch in palette.items()}


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, picture in (("photos.png", photos()), ("close.png", cross())):
        rows, palette = as_rows(picture)
        write_png(os.path.join(here, name), rows, palette)
