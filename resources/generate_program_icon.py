#!/usr/bin/env python3
"""Writes program_icon.png: the About box's 256 x 193 picture in 16 colours, two bumps of
light over a sensor grid, seen from above at a slant, as the program's 3-D view shows them;
and in icons/ the program's icon (icon_drawing.py) as scalable.svg and as SIZE.png for every
size the desktop asks for, the small ones drawn for their size."""
import math
import os

import icon_drawing
from pixelart import write_indexed_png, write_rgba_png

ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256, 512)

WIDTH, HEIGHT = 256, 193
# The icon's colours, so the About box's picture and the icon stay one family.
PALETTE = [
    (0, 0, 0),  # 0 background
    (40, 40, 70),  # 1 plate shadow
    icon_drawing.PLATE,  # 2
    icon_drawing.GRID,  # 3
    icon_drawing.T1,  # 4 magenta
    icon_drawing.T2,  # 5 light blue
    icon_drawing.MIDPOINT,  # 6
    *icon_drawing.LIGHT,  # 7..15 light, from dim to bright
]
SOURCES = ((-14.0, -6.0), (14.0, 6.0))
Q = 9.0


def project(x, y, h):
    """Sensor point (x, y) at height h to the picture."""
    return 128 + (x - y) * 1.55, 128 + (x + y) * 0.62 - h * 1.35


def light(x, y):
    return sum(70 * math.exp(-((x - sx) ** 2 + (y - sy) ** 2) / (2 * Q * Q)) for sx, sy in SOURCES)


def main():
    img = [[0] * WIDTH for _ in range(HEIGHT)]

    def put(px, py, colour):
        ix, iy = int(round(px)), int(round(py))
        if 0 <= ix < WIDTH and 0 <= iy < HEIGHT:
            img[iy][ix] = colour

    # The plate, filled, then its cell grid.
    for i in range(-600, 601):
        for j in range(-600, 601, 3):
            put(*project(i / 10, j / 10, 0), 2)
    for k in range(-60, 61, 8):
        for t in range(-600, 601):
            put(*project(k, t / 10, 0), 3)
            put(*project(t / 10, k, 0), 3)

    # Vertical lines under the sources and at their midpoint.
    for sx, sy in SOURCES:
        for h in range(0, 80):
            put(*project(sx, sy, h), 7)
    for h in range(0, 40):
        put(*project(0, 0, h), 6)

    # The summed light as points, far ones first so that near ones cover them.
    points = []
    for x in range(-60, 61, 2):
        for y in range(-60, 61, 2):
            h = light(x, y)
            if h > 1:
                points.append((x + y, x, y, h))
    for _, x, y, h in sorted(points):
        colour = 7 + min(8, int(h / 70 * 9))
        px, py = project(x, y, h)
        for dx, dy in ((0, 0), (1, 0), (0, 1), (1, 1)):
            put(px + dx, py + dy, colour)

    for (sx, sy), colour in zip(SOURCES, (4, 5)):
        px, py = project(sx, sy, 80)
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                put(px + dx, py + dy, colour)

    here = os.path.dirname(os.path.abspath(__file__))
    write_indexed_png(os.path.join(here, "program_icon.png"), img, PALETTE)

    icons = os.path.join(here, "icons")
    os.makedirs(icons, exist_ok=True)
    with open(os.path.join(icons, "scalable.svg"), "w", encoding="ascii") as f:
        f.write(icon_drawing.svg())
    for size in ICON_SIZES:
        # Four by four samples a pixel; two by two for the largest, where edges are long.
        pixels = icon_drawing.raster(size, 4 if size <= 256 else 2)
        write_rgba_png(os.path.join(icons, f"{size}.png"), pixels)

if __name__ == "__main__":
    main()
