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
