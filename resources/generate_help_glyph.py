#!/usr/bin/env python3
"""Writes help.png: the About button's 16 x 16 glyph, a white question mark on a blue disc."""
import os

from pixelart import write_png

ROWS = [
    "................",
    ".....bbbbbb.....",
    "...bbbbbbbbbb...",
    "..bbbbwwwwbbbb..",
    "..bbbwwbbwwbbb..",
    ".bbbbwwbbwwbbbb.",
    ".bbbbbbbbwwbbbb.",
    ".bbbbbbbwwbbbbb.",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbbwwbbbbbb.",
    ".bbbbbbbbbbbbbb.",
    "..bbbbbwwbbbbb..",
    "..bbbbbwwbbbbb..",
    "...bbbbbbbbbb...",
    ".....bbbbbb.....",
    "................",
]
PALETTE = {".": (0, 0, 0, 0), "b": (0, 0, 208, 255), "w": (255, 255, 255, 255)}

if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_png(os.path.join(here, "help.png"), ROWS, PALETTE)
