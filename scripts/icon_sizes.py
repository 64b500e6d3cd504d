#!/usr/bin/env python3
"""Writes the program's icon in the sizes a desktop's icon theme asks for.

The 32 x 32 picture src/app/pictures/nanbaru.xpm is scaled up by whole factors, each pixel
becoming a square block, so the drawing stays crisp: packaging/icons/NxN/nanbaru.png for N in
SIZES, and all of them in one Windows icon, packaging/windows/nanbaru.ico. Run it again after
editing the picture; --check only reports icons that are out of date.
"""
import pathlib
import struct
import sys
import zlib

from grey_pictures import read_xpm

SIZES = (32, 64, 128, 256)


def rgba(colour):
    if colour.lower() == "none":
        return (0, 0, 0, 0)
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5)) + (255,)


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico(images):
    """A Windows icon holding the PNG pictures, as Windows reads them since Vista."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, data in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data),
                               offset)
        offset += len(data)
    return header + entries + b"".join(data for _, data in images)


def main(argv):
    check = "--check" in argv
    root = pathlib.Path(__file__).resolve().parent.parent
    width, height, pixels = read_xpm(root / "src" / "app" / "pictures" / "nanbaru.xpm")
    images = []
    for size in SIZES:
        factor = size // width
        rows = [[rgba(pixels[y // factor][x // factor]) for x in range(size)]
                for y in range(size)]
        images.append((size, png(size, size, rows)))
    targets = [(root / "packaging" / "icons" / f"{size}x{size}" / "nanbaru.png", data)
               for size, data in images]
    targets.append((root / "packaging" / "windows" / "nanbaru.ico", ico(images)))
    stale = []
    for target, data in targets:
        if target.exists() and target.read_bytes() == data:
            continue
        stale.append(target.relative_to(root))
        if not check:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
    for path in stale:
        print(("out of date: " if check else "wrote ") + str(path))
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
