#!/usr/bin/env python3
"""Generate generated/horizons.h and the horizon pictures of the sky chart,
with generated/horizons.rc naming them as bitmap resources.

Input: none from the data folder. Needs Pillow (Debian's python3-pil).

One landscape runs round the whole horizon and is cut into four quarters of
1024 pixels: the classic pictures (32 rows) show a dark ridge of hills, the
seasonal ones (128 rows, one set per month) hills, woods and a village in the
colours of the month. Every picture is a 32-bit BMP (BI_RGB, bottom row
first, bytes blue, green, red, alpha) whose alpha is the landscape's cover:
the sky above it is transparent, the ground opaque.
"""
import math
import os
import random
import struct
import sys

try:
    from PIL import Image, ImageDraw
except ImportError:
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", "-B"] + sys.argv)
    sys.exit("gen_horizons: Pillow is missing (install python3-pil)")

import codegen_common as common

WIDTH = 1024
PARTS = 4
CLASSIC_HEIGHT = 32
SEASONAL_HEIGHT = 128

# Per month: far hills, near ground, wood, roofs.
SEASONS = {
    1: ((150, 160, 175), (225, 230, 238), (60, 70, 70), (200, 205, 215)),
    2: ((140, 150, 165), (205, 210, 215), (55, 65, 60), (190, 195, 205)),
    3: ((95, 110, 95), (110, 120, 80), (60, 70, 50), (150, 70, 50)),
    4: ((80, 115, 80), (100, 150, 70), (60, 105, 55), (160, 70, 50)),
    5: ((70, 115, 75), (90, 160, 60), (45, 110, 45), (160, 70, 50)),
    6: ((60, 105, 65), (95, 150, 50), (35, 95, 35), (160, 70, 50)),
    7: ((65, 100, 60), (150, 150, 60), (35, 85, 30), (160, 70, 50)),
    8: ((70, 100, 60), (180, 160, 80), (40, 80, 30), (160, 70, 50)),
    9: ((85, 100, 65), (140, 130, 70), (110, 100, 40), (160, 70, 50)),
    10: ((100, 90, 70), (120, 95, 55), (170, 90, 30), (150, 65, 45)),
    11: ((90, 85, 80), (95, 85, 65), (90, 65, 45), (140, 60, 45)),
    12: ((160, 165, 180), (215, 220, 230), (55, 60, 60), (200, 205, 215)),
}
CLASSIC_GROUND = (34, 52, 36)
CLASSIC_RIDGE = (58, 82, 56)


def profile(seed, length, waves):
    """A smooth periodic skyline 0..1 over `length` columns."""
    rng = random.Random(seed)
    terms = [(k, rng.uniform(0.3, 1.0) / k, rng.uniform(0, 2 * math.pi)) for k in waves]
    total = sum(a for _, a, _ in terms)
    return [0.5 + 0.5 * sum(a * math.sin(2 * math.pi * k * x / length + p) for k, a, p in terms) / total
            for x in range(length)]


def classic_landscape():
    full = WIDTH * PARTS
    image = Image.new("RGBA", (full, CLASSIC_HEIGHT), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    hills = profile(1875, full, [2, 3, 5, 9, 17, 31])
    for x in range(full):
        top = CLASSIC_HEIGHT - 1 - int(4 + hills[x] * (CLASSIC_HEIGHT - 8))
        draw.line([(x, top), (x, CLASSIC_HEIGHT - 1)], fill=CLASSIC_GROUND + (255,))
        draw.point((x, top), fill=CLASSIC_RIDGE + (255,))
    return image


def seasonal_landscape(month):
    far_colour, near_colour, wood_colour, roof_colour = SEASONS[month]
    full = WIDTH * PARTS
    h = SEASONAL_HEIGHT
    image = Image.new("RGBA", (full, h), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    far = profile(2000, full, [2, 3, 4, 7, 13])
    near = profile(1583, full, [3, 5, 8, 19, 37])
    for x in range(full):
        far_top = h - 1 - int(30 + far[x] * 55)
        near_top = h - 1 - int(6 + near[x] * 26)
        draw.line([(x, far_top), (x, h - 1)], fill=far_colour + (255,))
        draw.line([(x, near_top), (x, h - 1)], fill=near_colour + (255,))
    rng = random.Random(3000)
    # Woods: clusters of conifers standing on the near ground.
    for _ in range(70):
        centre = rng.randrange(full)
        for _ in range(rng.randrange(3, 12)):
            x = (centre + rng.randrange(-40, 40)) % full
            base = h - 1 - int(6 + near[x] * 26)
            tall = rng.randrange(10, 26)
            half = max(2, tall // 4)
            draw.polygon([(x - half, base + 2), (x + half, base + 2), (x, base - tall)],
                         fill=wood_colour + (255,))
    # A village: walls and roofs.
    for _ in range(5):
        start = rng.randrange(full)
        for k in range(rng.randrange(3, 7)):
            x = (start + k * 14) % full
            base = h - 1 - int(6 + near[x] * 26)
            draw.rectangle([x, base - 7, x + 10, base + 2], fill=(90, 80, 70, 255))
            draw.polygon([(x - 2, base - 7), (x + 12, base - 7), (x + 5, base - 13)],
                         fill=roof_colour + (255,))
    return image


def save_bmp32(image, path):
    """A 32-bit BI_RGB BMP, bottom row first, alpha kept in the fourth byte."""
    w, h = image.size
    pixels = image.transpose(Image.FLIP_TOP_BOTTOM).tobytes("raw", "BGRA")
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def quarters(image):
    # Resource part p is the quarter p of the landscape.
    return [image.crop((p * WIDTH, 0, (p + 1) * WIDTH, image.size[1])) for p in range(PARTS)]


def main():
    args = common.parse_args(__doc__.splitlines()[0], [])
    out_dir = os.path.dirname(os.path.abspath(args.out))
    folder = os.path.join(out_dir, "horizons")
    os.makedirs(folder, exist_ok=True)
    rc = ["// Generated by codegen/gen_horizons.py. Do not edit.", ""]

    def bitmap(name, image):
        path = os.path.join(folder, name.lower() + ".bmp")
        save_bmp32(image, path)
        rc.append('%s BITMAP "%s"' % (name, path.replace("\\", "/")))

    for part, image in enumerate(quarters(classic_landscape())):
        bitmap("AST_IDB_HORIZON_CLASSIC_1024X32_PART_%d" % part, image)
    for month in range(1, 13):
        for part, image in enumerate(quarters(seasonal_landscape(month))):
            bitmap("AST_IDB_HORIZON_SEASONAL_1024X128_MONTH_%02d_PART_%d" % (month, part), image)

    with open(os.path.join(out_dir, "horizons.rc"), "w") as f:
        f.write("\n".join(rc) + "\n")
    body = [
        "constexpr int kHorizonPictureWidth = %d;" % WIDTH,
        "constexpr int kClassicPictureHeight = %d;" % CLASSIC_HEIGHT,
        "constexpr int kSeasonalPictureHeight = %d;" % SEASONAL_HEIGHT,
        "constexpr int kHorizonPictureCount = %d;" % (PARTS * 13),
        "",
    ]
    common.write(args.out, common.header("gen_horizons.py", "its own landscape", "horizons", body,
                                         ["The pictures are listed in horizons.rc beside this header."]))


if __name__ == "__main__":
    main()
