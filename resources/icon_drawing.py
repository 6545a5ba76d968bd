"""The program's icon as shapes: a sensor plate seen from above at a slant, with the light of
two point sources standing on it as two hills, coloured from dim red to white by height as
the program's 3-D view colours its points. The same shapes become the scalable SVG and,
through a small anti-aliasing rasteriser, the PNGs. The small sizes are drawn for their
size: fewer grid lines or none, fewer colour bands, hills cut higher and further apart, and
the plate's corners on whole pixels."""
import math

PLATE = (110, 120, 170)
PLATE_SIDE = (60, 66, 110)
GRID = (20, 20, 40)
T1 = (255, 0, 210)
T2 = (91, 163, 234)
MIDPOINT = (0, 200, 0)
SOURCE_LINE = (150, 30, 0)
LIGHT = [  # from dim to bright
    (150, 30, 0),
    (190, 60, 0),
    (220, 100, 0),
    (240, 140, 10),
    (250, 180, 30),
    (255, 210, 60),
    (255, 235, 110),
    (255, 250, 180),
    (255, 255, 255),
]
SOURCES = ((-18.0, 18.0), (18.0, -18.0))
Q = 12.0
PEAK = 70.0


def light(x, y):
    return sum(PEAK * math.exp(-((x - sx) ** 2 + (y - sy) ** 2) / (2 * Q * Q)) for sx, sy in SOURCES)


def detail(size):
    """What an icon of this many pixels shows. `mesh`: the light as a surface of quads this
    many sensor units wide; without it, as stacked slices cut at `foot` of the peak."""
    if size <= 16:
        return dict(cells=0, bands=4, markers=False, lines=False, small=True, foot=0.2)
    if size <= 24:
        return dict(cells=2, bands=5, markers=False, lines=False, small=True, foot=0.2)
    if size <= 48:
        return dict(cells=4, bands=6, markers=True, lines=False, small=True, foot=0.2)
    if size <= 64:
        return dict(cells=8, bands=9, markers=True, lines=True, small=False, mesh=2)
    return dict(cells=15, bands=9, markers=True, lines=True, small=False, mesh=1)


def shapes(size, d=None):
    """The icon of `size` pixels as ("polygon", points, colour), ("ellipse", centre, rx, ry,
    colour) and ("line", (p, q), width, colour), in drawing order, in pixels."""
    d = d or detail(size)
    a = 0.96 * size / 240  # the plate's left and right corners 2 % in from the edges
    b = 0.5 * a
    thickness = max(1.0, round(0.04 * size)) if d["small"] else 0.04 * size
    cx = size / 2
    cy = 0.98 * size - thickness - 120 * b  # the plate's side ends at the bottom edge
    v = (cy - 0.08 * size) / (PEAK * 1.12)  # the markers just inside the top edge

    def project(x, y, h=0.0):
        return cx + (x - y) * a, cy + (x + y) * b - h * v

    out = []
    corners = [project(*c) for c in ((-60, -60), (60, -60), (60, 60), (-60, 60))]
    if d["small"]:
        corners = [(round(x), round(y)) for x, y in corners]
    # The plate's two near sides, then its top and its grid.
    for i, j in ((1, 2), (2, 3)):
        p, q = corners[i], corners[j]
        out.append(("polygon", [p, q, (q[0], q[1] + thickness), (p[0], p[1] + thickness)], PLATE_SIDE))
    out.append(("polygon", corners, PLATE))
    line_width = max(1.0, size / 256)
    cells = d["cells"]
    for k in range(1, cells):
        t = -60 + 120 * k / cells
        out.append(("line", (project(t, -60), project(t, 60)), line_width, GRID))
        out.append(("line", (project(-60, t), project(60, t)), line_width, GRID))

    # On the small icons the sources stand a third further apart, so that their hills do.
    sources = [(4 / 3 * x, 4 / 3 * y) for x, y in SOURCES] if d["small"] else SOURCES
    top = PEAK * 1.12
    if d["lines"]:  # the red lines from the plate to the markers, and the green midpoint line
        for sx, sy in sources:
            out.append(("line", (project(sx, sy), project(sx, sy, top)), line_width, SOURCE_LINE))
        out.append(("line", (project(0, 0), project(0, 0, PEAK * 0.45)), line_width, MIDPOINT))

    def band_colour(h):
        level = min(d["bands"] - 1, int(h / PEAK * d["bands"]))
        return LIGHT[round(level * (len(LIGHT) - 1) / max(1, d["bands"] - 1))]

    if "mesh" in d:
        out += surface(d["mesh"], project, band_colour)
    else:
        out += slices(sources, d["foot"], project, a, b, 0.5 / v, band_colour)

    if d["markers"]:
        r = max(1.0, size / 64)
        for (sx, sy), colour in zip(sources, (T1, T2)):
            px, py = project(sx, sy, PEAK + r / v if d["small"] else top)
            out.append(("polygon", [(px - r, py - r), (px + r, py - r), (px + r, py + r), (px - r, py + r)], colour))
    return out


def surface(step, project, band_colour):
    """The light as a surface of small quads, far ones first, each coloured by its height."""
    quads = []
    for x in range(-60, 60, step):
        for y in range(-60, 60, step):
            pts = [(x, y), (x + step, y), (x + step, y + step), (x, y + step)]
            hs = [light(px, py) for px, py in pts]
            mean = sum(hs) / 4
            if mean < 2.0:
                continue
            quads.append((x + y, [project(px, py, h) for (px, py), h in zip(pts, hs)], band_colour(mean)))
    return [("polygon", pts, colour) for _, pts, colour in sorted(quads, key=lambda q: q[0])]


def slices(sources, foot, project, a, b, dh, band_colour):
    """Each source's light as a stack of level slices from the foot up, every `dh` of height:
    a smooth hill. The hill is cut at `foot` of its peak and lowered onto the plate."""
    out = []
    h = foot * PEAK
    while h < PEAK:
        lowered = (h - foot * PEAK) / (1 - foot)
        r = Q * math.sqrt(2 * math.log(PEAK / h)) * math.sqrt(2)  # the slice's half-diagonal
        for sx, sy in sources:  # both hills at one height before the next, nearer ones last
            out.append(("ellipse", project(sx, sy, lowered), r * a, r * b, band_colour(lowered)))
        h += dh
    return out


def hexcolour(c):
    return "#%02x%02x%02x" % c


def svg(size=256):
    """The scalable icon: the large icons' drawing, its light as smooth slices."""
    d = dict(detail(size), foot=0.03)
    del d["mesh"]
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">',
    ]
    for shape in shapes(size, d):
        if shape[0] == "polygon":
            pts = " ".join(f"{x:.1f},{y:.1f}" for x, y in shape[1])
            parts.append(f'<polygon points="{pts}" fill="{hexcolour(shape[2])}"/>')
        elif shape[0] == "ellipse":
            (x, y), rx, ry, colour = shape[1:]
            parts.append(f'<ellipse cx="{x:.2f}" cy="{y:.2f}" rx="{rx:.2f}" ry="{ry:.2f}" fill="{hexcolour(colour)}"/>')
        else:
            (x1, y1), (x2, y2) = shape[1]
            parts.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}" '
                         f'stroke="{hexcolour(shape[3])}" stroke-width="{shape[2]:.2f}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def raster(size, oversample=4):
    """The icon as rows of (r, g, b, a), each pixel the mean of oversample² samples."""
    n = size * oversample
    colour = [None] * (n * n)

    def fill(points, c):
        pts = [(x * oversample, y * oversample) for x, y in points]
        ys = [p[1] for p in pts]
        for row in range(max(0, int(min(ys))), min(n, int(math.ceil(max(ys))) + 1)):
            yc = row + 0.5
            xs = []
            for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
                if (y1 <= yc < y2) or (y2 <= yc < y1):
                    xs.append(x1 + (yc - y1) * (x2 - x1) / (y2 - y1))
            xs.sort()
            for left, right in zip(xs[::2], xs[1::2]):
                start = max(0, int(math.ceil(left - 0.5)))
                end = min(n, int(math.ceil(right - 0.5)))
                if end > start:
                    colour[row * n + start:row * n + end] = [c] * (end - start)

    for shape in shapes(size):
        if shape[0] == "polygon":
            fill(shape[1], shape[2])
        elif shape[0] == "ellipse":
            (x, y), rx, ry, c = shape[1:]
            fill([(x + rx * math.cos(t), y + ry * math.sin(t)) for t in (math.pi * k / 24 for k in range(48))], c)
        else:
            (x1, y1), (x2, y2) = shape[1]
            width, c = shape[2], shape[3]
            length = math.hypot(x2 - x1, y2 - y1) or 1.0
            nx, ny = -(y2 - y1) / length * width / 2, (x2 - x1) / length * width / 2
            fill([(x1 + nx, y1 + ny), (x2 + nx, y2 + ny), (x2 - nx, y2 - ny), (x1 - nx, y1 - ny)], c)

    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            r = g = b = covered = 0
            for sy in range(y * oversample, (y + 1) * oversample):
                for c in colour[sy * n + x * oversample:sy * n + (x + 1) * oversample]:
                    if c is not None:
                        r, g, b, covered = r + c[0], g + c[1], b + c[2], covered + 1
            if covered:
                row.append((round(r / covered), round(g / covered), round(b / covered),
                            round(255 * covered / oversample ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows
