#!/usr/bin/env python3
"""Writes an area-code-like file for the area-code scan benchmark.

Lines look like those of the bundled area-code file (Shift-JIS, CR LF, a code column of ten
bytes, then a place name): the bundled lines in shuffled order with fresh digits, repeated up
to the size asked for. Their digit runs are at most six long, so a seven-digit key occurs only
in the lines planted for it, spread evenly over the file.

Usage: make_area_like.py TEMPLATE OUTPUT MEGABYTES KEY COUNT
"""

import random
import sys


def main(template, output, megabytes, key, count):
    lines = open(template, "rb").read().split(b"\r\n")
    lines = [line for line in lines if line]
    places = [line[10:] for line in lines]
    rng = random.Random(2890)
    target = int(megabytes) * 1000 * 1000
    planted = int(count)
    digits = b"0123456789"

    def code():
        head = b"0" + bytes(rng.choice(digits) for _ in range(rng.randint(1, 4)))
        if rng.random() < 0.6:
            head += b"-" + bytes(rng.choice(digits) for _ in range(rng.randint(1, 2)))
        return head.ljust(10)

    # One block of fresh lines, reused with its lines rotated so the file does not repeat
    # exactly; generating every line afresh would make the generator the slow part.
    block = [code() + rng.choice(places) + b"\r\n" for _ in range(20000)]
    block_bytes = sum(len(line) for line in block)
    blocks = max(1, target // block_bytes)
    plant_at = {blocks * (i + 1) // (planted + 1) for i in range(planted)}
    with open(output, "wb") as out:
        for number in range(blocks):
            shift = rng.randrange(len(block))
            out.write(b"".join(block[shift:] + block[:shift]))
            if number in plant_at:
                out.write(b"0" + key.encode("ascii") + b"  " + places[0] + b"\r\n")


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
