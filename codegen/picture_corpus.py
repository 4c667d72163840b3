#!/usr/bin/env python3
"""Write the seed corpora of the picture fuzz targets (tests/fuzz) and the
reference pixels of every JPEG of the JPEG target's corpus.

Seeds (small files, each a kind a picture pack may hold):
  <out>/jpeg/  crops of M42 written by Pillow (the samplings its writer
               offers, grey, optimised tables, progressive colour, grey
               and CMYK) and by baseline_jpeg.py (every other sampling up
               to 4, restart intervals, pictures one to a few pixels
               wide), of the photograph and of noise, whose chroma shows
               every difference of upsampling;
  <out>/bmp/   BMP files of every depth and kind the program reads.

References: every JPEG of the seeds and of the committed corpus folders
that Pillow decodes (at a size the program may decode, with no more scans
than it hands on), copied into <references>/ with its pixels as Pillow
decodes them (<name>.bgr, rows top first, blue-green-red) and a line in
<references>/list.txt: name, width, height, and 1 for a seed the program
decodes itself (every one but the progressive) or 0 for any other input
(which it may refuse).

Needs Pillow (Debian's python3-pil). Reads pictures/m042.jpg of the data
folder.
"""
import argparse
import io
import os
import random
import shutil
import struct

from pillow_pixels import Image, bgr_pixels
import baseline_jpeg

# Samplings (h, v) of Y, Cb and Cr by name.
SAMPLINGS = {
    "444": [(1, 1), (1, 1), (1, 1)],
    "422": [(2, 1), (1, 1), (1, 1)],
    "420": [(2, 2), (1, 1), (1, 1)],
    "440": [(1, 2), (1, 1), (1, 1)],
    "411": [(4, 1), (1, 1), (1, 1)],
    "410": [(4, 2), (1, 1), (1, 1)],
    "141": [(1, 4), (1, 1), (1, 1)],
    "mixed_22_21_12": [(2, 2), (2, 1), (1, 2)],
    "mixed_12_11_12": [(1, 2), (1, 1), (1, 2)],
    "mixed_22_21_21": [(2, 2), (2, 1), (2, 1)],
}

# The most pixels the program decodes (kLargestPicturePixels): an input
# beyond it is refused before its pixels, and has no reference (Pillow
# would take seconds and hundreds of megabytes over its few bytes).
LARGEST_PIXELS = 4096 * 4096
# The most scans the program hands to another decoder (kMostHandedOnScans;
# its own decoder reads no more than one a component): an input with more
# is never decoded, and has no reference (Pillow reads every scan over the
# whole frame: seconds for a few kilobytes).
MOST_SCANS = 32

# width, height, restart interval (MCUs; 0 for none)
SIZES = [(1, 1, 0), (2, 3, 0), (3, 7, 1), (4, 4, 0), (5, 9, 0), (9, 17, 2), (33, 21, 3)]

# Pillow's own writer: name, box of m042.jpg, mode, options.
PILLOW_SEEDS = [
    ("pillow_444.jpg", (300, 200, 340, 224), "RGB", {"quality": 90, "subsampling": 0}),
    ("pillow_422.jpg", (300, 200, 340, 224), "RGB", {"quality": 90, "subsampling": 1}),
    ("pillow_420.jpg", (300, 200, 340, 224), "RGB", {"quality": 90, "subsampling": 2}),
    ("pillow_420_odd.jpg", (500, 300, 517, 313), "RGB", {"quality": 75, "subsampling": 2}),
    ("pillow_422_narrow.jpg", (500, 300, 503, 305), "RGB", {"quality": 75, "subsampling": 1}),
    ("pillow_grey.jpg", (300, 200, 340, 224), "L", {"quality": 90}),
    ("pillow_optimised.jpg", (300, 200, 340, 224), "RGB", {"quality": 60, "optimize": True}),
    ("pillow_progressive.jpg", (300, 200, 340, 224), "RGB", {"quality": 80, "progressive": True}),
    ("pillow_progressive_grey.jpg", (300, 200, 340, 224), "L", {"quality": 80, "progressive": True}),
    ("pillow_progressive_cmyk.jpg", (300, 200, 340, 224), "CMYK", {"quality": 80, "progressive": True}),
]


def jpeg_seeds(m42):
    """(name, bytes) of every JPEG seed."""
    seeds = []
    for name, box, mode, options in PILLOW_SEEDS:
        out = io.BytesIO()
        m42.crop(box).convert(mode).save(out, "JPEG", **options)
        seeds.append((name, out.getvalue()))
    noise = random.Random(20240605)
    photo = m42.convert("YCbCr")
    for form, sampling in SAMPLINGS.items():
        for width, height, restart in SIZES:
            samples = width * height
            channels = [[noise.randrange(256) for _ in range(samples)] for _ in range(3)]
            seeds.append(("noise_%s_%dx%d.jpg" % (form, width, height),
                          baseline_jpeg.encode(channels, width, height, sampling, restart)))
        crop = photo.crop((420, 260, 420 + 19, 260 + 13))
        channels = [list(channel.getdata()) for channel in crop.split()]
        seeds.append(("photo_%s_19x13.jpg" % form, baseline_jpeg.encode(channels, 19, 13, sampling, 2)))
    grey = [noise.randrange(256) for _ in range(11 * 6)]
    seeds.append(("noise_grey_11x6.jpg", baseline_jpeg.encode([grey], 11, 6, [(1, 1)], 1)))
    return seeds


def bmp(width, height, bits, rows, palette=b"", compression=0, header_size=40, masks=b"", image_size=None):
    """A BMP file image: `rows` are the stored pixel bytes (bottom row first
    unless the height is negative)."""
    if image_size is None:
        image_size = len(rows)
    colours = len(palette) // 4
    info = struct.pack("<IiiHHIIiiII", header_size, width, height, 1, bits, compression, image_size,
                       2835, 2835, colours, 0)
    # The masks follow a 40-byte header, and lie inside the later kinds.
    info += masks
    info += b"\0" * max(0, header_size - len(info))
    offset = 14 + len(info) + len(palette)
    body = info + palette + rows
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, offset) + body


def padded_rows(width, height, bits, value):
    stride = (width * bits + 31) // 32 * 4
    return b"".join(bytes((value(x, y) for x in range(stride))) for y in range(height))


def bmp_seeds():
    """(name, bytes) of every BMP seed: 5 x 3 pixels of each kind."""
    grey16 = b"".join(struct.pack("<BBBB", 17 * i, 17 * i, 17 * i, 0) for i in range(16))
    grey256 = b"".join(struct.pack("<BBBB", i, 255 - i, i // 2, 0) for i in range(256))
    pattern = lambda x, y: (x * 37 + y * 91) & 0xFF
    rgb565 = struct.pack("<III", 0xF800, 0x07E0, 0x001F)
    argb = struct.pack("<III", 0x00FF0000, 0x0000FF00, 0x000000FF)
    # Run-length coding: a run, literal pixels, the end of a line, the end.
    rle8 = bytes([3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 5, 9, 0, 0, 2, 4, 0, 1])
    rle4 = bytes([5, 0x12, 0, 0, 0, 4, 0x34, 0x56, 0, 0, 3, 0x7F, 0, 1])
    return [
        ("bits1.bmp", bmp(5, 3, 1, padded_rows(5, 3, 1, pattern), b"\0\0\0\0\xff\xff\xff\0")),
        ("bits4.bmp", bmp(5, 3, 4, padded_rows(5, 3, 4, pattern), grey16)),
        ("bits4_three_colours.bmp", bmp(5, 3, 4, padded_rows(5, 3, 4, lambda x, y: 0x12), grey16[:12])),
        ("bits8.bmp", bmp(5, 3, 8, padded_rows(5, 3, 8, pattern), grey256)),
        ("bits16.bmp", bmp(5, 3, 16, padded_rows(5, 3, 16, pattern))),
        ("bits16_masks.bmp", bmp(5, 3, 16, padded_rows(5, 3, 16, pattern), compression=3, masks=rgb565)),
        ("bits24.bmp", bmp(5, 3, 24, padded_rows(5, 3, 24, pattern))),
        ("bits24_top_down.bmp", bmp(5, -3, 24, padded_rows(5, 3, 24, pattern))),
        ("bits32.bmp", bmp(5, 3, 32, padded_rows(5, 3, 32, pattern))),
        ("bits32_masks.bmp", bmp(5, 3, 32, padded_rows(5, 3, 32, pattern), compression=3, masks=argb)),
        ("bits32_v4_header.bmp", bmp(5, 3, 32, padded_rows(5, 3, 32, pattern), compression=3,
                                     header_size=108, masks=argb)),
        ("bits24_v5_header.bmp", bmp(5, 3, 24, padded_rows(5, 3, 24, pattern), header_size=124)),
        ("rle8.bmp", bmp(5, 3, 8, rle8, grey256, compression=1)),
        ("rle4.bmp", bmp(5, 3, 4, rle4, grey16, compression=2)),
    ]


def write_all(folder, files):
    os.makedirs(folder, exist_ok=True)
    for name, data in files:
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


def scans_of(data):
    """The scans of a JPEG file image up to its end-of-image marker, its
    markers read as libjpeg reads them, or more: a reserved marker
    (0x02..0xBF), which libjpeg passes over as a restart out of place inside
    a scan with restarts, is passed over anywhere."""
    at, scans = 2, 0
    while at + 1 < len(data):
        if data[at] != 0xFF or data[at + 1] in (0x00, 0xFF):
            at += 1
            continue
        marker = data[at + 1]
        at += 2
        if marker == 0xD9:
            break
        if marker < 0xC0 or 0xD0 <= marker <= 0xD8:
            continue
        if at + 2 > len(data):
            break
        scans += marker == 0xDA
        at += max(2, data[at] << 8 | data[at + 1])
    return scans


def write_references(folder, inputs):
    """Copies of the JPEGs Pillow decodes, their pixels and list.txt;
    `inputs` are (name, bytes, whether the program decodes it itself)."""
    if os.path.isdir(folder):
        shutil.rmtree(folder)
    os.makedirs(folder)
    lines = []
    for name, data, decoded_here in inputs:
        if scans_of(data) > MOST_SCANS:
            continue
        decoded = bgr_pixels(data, LARGEST_PIXELS)
        if decoded is None:
            continue
        pixels, width, height = decoded
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        with open(os.path.join(folder, name + ".bgr"), "wb") as f:
            f.write(pixels)
        lines.append("%s %d %d %d\n" % (name, width, height, 1 if decoded_here else 0))
    with open(os.path.join(folder, "list.txt"), "w") as f:
        f.writelines(lines)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", required=True, help="the data folder")
    parser.add_argument("--out", required=True, help="the folder of the generated seed corpora")
    parser.add_argument("--references", required=True, help="the folder of the JPEG references")
    parser.add_argument("--committed", nargs="*", default=[], help="committed JPEG corpus folders")
    args = parser.parse_args()
    with Image.open(os.path.join(args.data, "pictures", "m042.jpg")) as m42:
        m42.load()
        jpegs = jpeg_seeds(m42)
    write_all(os.path.join(args.out, "jpeg"), jpegs)
    write_all(os.path.join(args.out, "bmp"), bmp_seeds())
    inputs = [(name, data, "progressive" not in name) for name, data in jpegs]
    for folder in args.committed:
        for root, _, names in sorted(os.walk(folder)):
            for name in sorted(names):
                relative = os.path.relpath(os.path.join(root, name), folder).replace(os.sep, "-")
                with open(os.path.join(root, name), "rb") as f:
                    inputs.append(("committed-" + relative, f.read(), False))
    write_references(args.references, inputs)
    # The stamp the build waits for, written last.
    with open(os.path.join(args.out, "stamp"), "w") as f:
        f.write("%d seeds\n" % len(inputs))


if __name__ == "__main__":
    main()
