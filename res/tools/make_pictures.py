#!/usr/bin/env python3
"""Turns Korvane's picture sources (one letter per pixel) into a .bmp or an .ico.

    make_pictures.py bitmap SOURCE OUTPUT.bmp   images side by side, one bitmap
    make_pictures.py icon   SOURCE OUTPUT.ico   one icon image per picture

A source is plain text:

    # comment
    colour .  silver  words   a letter, the palette colour it stands for, a note
    colour -  transparent     (icons only) a pixel masked out
    image  a title            the rows of one picture follow, one line each

Every picture is written with 4 bits per pixel, uncompressed, with the
standard 16-colour palette below; icons get a 1-bit transparency mask.
"""

import struct
import sys

# The standard 16-colour palette, in index order.
PALETTE = [
    ("black", (0, 0, 0)),
    ("dark-red", (128, 0, 0)),
    ("dark-green", (0, 128, 0)),
    ("olive", (128, 128, 0)),
    ("dark-blue", (0, 0, 128)),
    ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)),
    ("silver", (192, 192, 192)),
    ("grey", (128, 128, 128)),
    ("red", (255, 0, 0)),
    ("green", (0, 255, 0)),
    ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)),
    ("magenta", (255, 0, 255)),
    ("cyan", (0, 255, 255)),
    ("white", (255, 255, 255)),
]
INDEX = {name: i for i, (name, _) in enumerate(PALETTE)}
TRANSPARENT = "transparent"


class SourceError(Exception):
    pass


class Picture:
    def __init__(self, title, line):
        self.title = title
        self.line = line
        self.rows = []

    @property
    def width(self):
        return len(self.rows[0])

    @property
    def height(self):
        return len(self.rows)


def read_source(path):
    """Returns the legend (letter -> palette index or None) and the pictures."""
    legend = {}
    pictures = []
    with open(path, encoding="utf-8") as f:
        for number, text in enumerate(f, 1):
            line = text.rstrip("\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            words = line.split()
            where = f"{path}:{number}"
            if words[0] == "colour":
                if len(words) < 3 or len(words[1]) != 1:
                    raise SourceError(f"{where}: expected 'colour LETTER NAME [note]'")
                letter, name = words[1], words[2]
                if name != TRANSPARENT and name not in INDEX:
                    raise SourceError(f"{where}: unknown colour '{name}'")
                if letter in legend:
                    raise SourceError(f"{where}: letter '{letter}' defined twice")
                legend[letter] = None if name == TRANSPARENT else INDEX[name]
            elif words[0] == "image":
                pictures.append(Picture(" ".join(words[1:]), number))
            else:
                if not pictures:
                    raise SourceError(f"{where}: pixel row before the first 'image' line")
                row = line.strip()
                unknown = sorted(set(row) - legend.keys())
                if unknown:
                    raise SourceError(f"{where}: letters without a colour: {' '.join(unknown)}")
                picture = pictures[-1]
                if picture.rows and len(row) != picture.width:
                    raise SourceError(f"{where}: row of {len(row)} pixels, expected {picture.width}")
                picture.rows.append(row)
    if not pictures:
        raise SourceError(f"{path}: no pictures")
    for picture in pictures:
        if not picture.rows:
            raise SourceError(f"{path}:{picture.line}: picture '{picture.title}' has no rows")
    return legend, pictures


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)


def info_header(width, height, image_size, colours_used):
    # BITMAPINFOHEADER, BI_RGB, 4 bits per pixel.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, colours_used, 0)


def pixel_rows(indexes, width):
    """Packs rows of palette indexes (top row first) at 4 bits per pixel, bottom-up."""
    stride = (width * 4 + 31) // 32 * 4
    out = bytearray()
    for row in reversed(indexes):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        out += packed
    return bytes(out)


def mask_rows(transparent, width):
    """Packs rows of transparency flags (top row first) at 1 bit per pixel, bottom-up."""
    stride = (width + 31) // 32 * 4
    out = bytearray()
    for row in reversed(transparent):
        packed = bytearray(stride)
        for x, clear in enumerate(row):
            if clear:
                packed[x // 8] |= 0x80 >> (x % 8)
        out += packed
    return bytes(out)


def make_bitmap(legend, pictures):
    height = pictures[0].height
    for picture in pictures:
        if picture.height != height:
            raise SourceError(f"picture '{picture.title}' is {picture.height} rows high, expected {height}")
    if None in (legend[c] for p in pictures for row in p.rows for c in row):
        raise SourceError("transparent pixels exist only in icons")
    indexes = [[legend[c] for p in pictures for c in p.rows[y]] for y in range(height)]
    width = len(indexes[0])
    pixels = pixel_rows(indexes, width)
    body = info_header(width, height, len(pixels), len(PALETTE)) + palette_bytes() + pixels
    # BITMAPFILEHEADER
    offset = 14 + 40 + len(PALETTE) * 4
    return struct.pack("<2sIHHI", b"BM", 14 + len(body), 0, 0, offset) + body


def make_icon(legend, pictures):
    images = []
    for picture in pictures:
        w, h = picture.width, picture.height
        if w != h or w not in (16, 32):
            raise SourceError(f"picture '{picture.title}' is {w} x {h}; icons are 16 x 16 or 32 x 32")
        # Masked pixels are black in the colour part, so they vanish on any background.
        colours = [[legend[c] or 0 for c in row] for row in picture.rows]
        masked = [[legend[c] is None for c in row] for row in picture.rows]
        xor = pixel_rows(colours, w)
        and_mask = mask_rows(masked, w)
        images.append((w, h, info_header(w, 2 * h, len(xor) + len(and_mask), 0)
                       + palette_bytes() + xor + and_mask))
    # ICONDIR, then one ICONDIRENTRY per image, then the images.
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for w, h, data in images:
        out += struct.pack("<BBBBHHII", w, h, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def main(argv):
    if len(argv) != 4 or argv[1] not in ("bitmap", "icon"):
        print("usage: make_pictures.py bitmap|icon SOURCE OUTPUT", file=sys.stderr)
        return 2
    kind, source, output = argv[1:]
    try:
        legend, pictures = read_source(source)
        data = make_bitmap(legend, pictures) if kind == "bitmap" else make_icon(legend, pictures)
    except SourceError as error:
        print(f"make_pictures: {error}", file=sys.stderr)
        return 1
    with open(output, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
