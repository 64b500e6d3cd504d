#!/usr/bin/env python3
"""Writes the greyed, disabled look of every button picture.

Each 16 x 16 picture NAME.xpm in src/app/pictures gets NAME_disabled.xpm beside it: the dark
pixels of the picture (outlines, shading, the half-intensity colours) form a silhouette drawn
in grey, over a white copy of it shifted one pixel down and right, so the button looks etched
into the panel. Bright fills drop out, which keeps the inner lines of a red or blue shape
visible instead of turning it into one grey blot. Run it again after
editing a picture so the two stay in step; --check only reports copies that are out of date.
"""
import pathlib
import re
import sys

BUTTON_SIZE = (16, 16)
# A colour counts as ink when none of its channels is brighter than this: the dark half of the
# 16-colour palette (black, grey and the half-intensity colours) draws, the bright half drops out.
INK_CHANNEL = 128
SHADOW, HIGHLIGHT = "#808080", "#FFFFFF"


def read_xpm(path):
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', path.read_text(encoding="ascii"))
    width, height, ncolours, cpp = (int(v) for v in strings[0].split()[:4])
    colours = {}
    for entry in strings[1:1 + ncolours]:
        key, fields = entry[:cpp], entry[cpp:].split()
        colours[key] = fields[fields.index("c") + 1]
    rows = strings[1 + ncolours:1 + ncolours + height]
    if len(rows) != height or any(len(r) != width * cpp for r in rows):
        raise ValueError(f"{path}: pixel rows do not match the header")
    pixels = [[colours[r[x * cpp:(x + 1) * cpp]] for x in range(width)] for r in rows]
    return width, height, pixels


def is_ink(colour):
    if colour.lower() == "none":
        return False
    if not re.fullmatch(r"#[0-9A-Fa-f]{6}", colour):
        raise ValueError(f"unsupported colour {colour!r}: use #RRGGBB or None")
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return max(r, g, b) <= INK_CHANNEL


def disabled_xpm(name, width, height, pixels):
    out = [[" "] * width for _ in range(height)]
    ink = [(x, y) for y in range(height) for x in range(width) if is_ink(pixels[y][x])]
    for x, y in ink:
        if x + 1 < width and y + 1 < height:
            out[y + 1][x + 1] = "w"
    for x, y in ink:
        out[y][x] = "#"
    lines = ["/* XPM */", f"static const char *{name}[] = {{", f'"{width} {height} 3 1",',
             '"  c None",', f'"# c {SHADOW}",', f'"w c {HIGHLIGHT}",']
    lines += [f'"{"".join(row)}"' + ("," if y < height - 1 else "") for y, row in enumerate(out)]
    return "\n".join(lines + ["};"]) + "\n"


def main(argv):
    check = "--check" in argv
    folder = pathlib.Path(__file__).resolve().parent.parent / "src" / "app" / "pictures"
    stale = []
    for path in sorted(folder.glob("*.xpm")):
        if path.stem.endswith("_disabled"):
            continue
        width, height, pixels = read_xpm(path)
        if (width, height) != BUTTON_SIZE:
            continue
        name = path.stem + "_disabled"
        target = path.with_name(name + ".xpm")
        text = disabled_xpm(name, width, height, pixels)
        if target.exists() and target.read_text(encoding="ascii") == text:
            continue
        stale.append(target.name)
        if not check:
            target.write_text(text, encoding="ascii")
    for name in stale:
        print(("out of date: " if check else "wrote ") + name)
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
