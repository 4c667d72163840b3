#!/usr/bin/env python3
"""Generate generated/picture_references.h and the pixels of every JPEG of
the picture pack as an independent decoder (Pillow's, i.e. libjpeg's with its
default settings) decodes them, for the tests that compare the program's
decoding and drawing with the file's own pixels.

Inputs: the JPEG files of pictures/ (see pictures/SOURCES.md). Needs Pillow
(Debian's python3-pil).

Besides the pack's own pictures, variants of a crop of M42 are written as
JPEG files of the kinds a pack may hold: every sampling a JPEG writer
offers, grey, optimised Huffman tables and a size that is no multiple of a
block.

Every picture goes to picture_references/ beside the header, with its
pixels in <file name>.bgr: rows top first, three bytes a pixel (blue,
green, red), no padding. The header lists the files with their sizes.
"""
import io
import os

from pillow_pixels import Image, bgr_pixels
import codegen_common as common

PICTURES = ["m001.jpg", "m042.jpg", "m051.jpg", "m057.jpg", "m104.jpg",
            "jupiter_1024x512.jpg", "saturn_1024x512.jpg"]


# name, box of the crop of m042.jpg, mode, options of the JPEG writer
VARIANTS = [
    ("m042_444.jpg", (300, 200, 460, 328), "RGB", {"quality": 90, "subsampling": 0}),
    ("m042_422.jpg", (300, 200, 460, 328), "RGB", {"quality": 90, "subsampling": 1}),
    ("m042_grey.jpg", (300, 200, 460, 328), "L", {"quality": 90}),
    ("m042_optimised.jpg", (300, 200, 460, 328), "RGB", {"quality": 75, "optimize": True}),
    ("m042_odd_size.jpg", (500, 300, 703, 417), "RGB", {"quality": 85, "subsampling": 2}),
]

PROGRESSIVE = ("m042_progressive.jpg", (300, 200, 460, 328))


def write_reference(folder, name, data):
    """The JPEG file and its pixels as Pillow decodes them; (name, width, height)."""
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
    decoded = bgr_pixels(data)
    if decoded is None:
        common.fail("Pillow cannot decode %s" % name)
    pixels, width, height = decoded
    with open(os.path.join(folder, name + ".bgr"), "wb") as f:
        f.write(pixels)
    return (name, width, height)


def main():
    args = common.parse_args(__doc__.splitlines()[0], ["pictures/" + name for name in PICTURES])
    folder = os.path.join(os.path.dirname(os.path.abspath(args.out)), "picture_references")
    os.makedirs(folder, exist_ok=True)
    rows = []
    for name in PICTURES:
        with open(os.path.join(args.data, "pictures", name), "rb") as f:
            rows.append(write_reference(folder, name, f.read()))
    with Image.open(os.path.join(args.data, "pictures", "m042.jpg")) as m42:
        for name, box, mode, options in VARIANTS:
            out = io.BytesIO()
            m42.crop(box).convert(mode).save(out, "JPEG", **options)
            rows.append(write_reference(folder, name, out.getvalue()))
        # Progressive coding, which only the system's decoder takes.
        out = io.BytesIO()
        m42.crop(PROGRESSIVE[1]).save(out, "JPEG", quality=90, progressive=True)
        progressive = write_reference(folder, PROGRESSIVE[0], out.getvalue())
    body = [
        "struct Reference {",
        "    const char* file;  // in picture_references/, its pixels with \".bgr\" added",
        "    int width;",
        "    int height;",
        "};",
        "",
        "constexpr Reference kPictures[] = {",
    ]
    body += common.table_rows(rows, lambda row: '{"%s", %d, %d}' % row)
    body += ["};", "",
             "// Not among kPictures: the program's own decoder leaves it to the system's.",
             'constexpr Reference kProgressive = {"%s", %d, %d};' % progressive, ""]
    common.write(args.out, common.header("gen_picture_references.py", "the JPEG pictures of the pack",
                                         "picture_references", body))


if __name__ == "__main__":
    main()
