"""Tiny PNG writer for the program's pixel-art glyphs (no third-party modules)."""
import struct
import zlib


def write_png(path, rows, palette):
    """rows: list of equal-length strings; palette: char -> (r, g, b, a)."""
    height = len(rows)
    width = len(rows[0])
    raw = bytearray()
    for row in rows:
        assert len(row) == width, row
        raw.append(0)  # no filter
        for ch in row:
            raw.extend(palette[ch])

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def write_indexed_png(path, pixels, palette, bit_depth=4):
    """pixels: rows of palette indexes; palette: list of (r, g, b), at most 2**bit_depth."""
    assert len(palette) <= 2 ** bit_depth
    height = len(pixels)
    width = len(pixels[0])
    per_byte = 8 // bit_depth
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for start in range(0, width, per_byte):
            byte = 0
            for k in range(per_byte):
                index = row[start + k] if start + k < width else 0
                byte |= index << (8 - bit_depth * (k + 1))
            raw.append(byte)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, bit_depth, 3, 0, 0, 0)
    plte = b"".join(bytes(c) for c in palette)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header))
        f.write(chunk(b"PLTE", plte))
        f.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        f.write(chunk(b"IEND", b""))


def write_rgba_png(path, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    rows = []
    palette = {}
    for row in pixels:
        text = []
        for colour in row:
            key = palette.setdefault(colour, chr(0x100 + len(palette)))
            text.append(key)
        rows.append("".join(text))
    write_png(path, rows, {key: colour for colour, key in palette.items()})
