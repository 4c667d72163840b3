#!/usr/bin/env python3
"""Generate generated/pictures.h and the program's pictures: toolbar and menu
bitmaps, control arrows, the logo, icons and cursors, drawn from the shape
lists below, with generated/pictures.rc naming them as resources.

Input: none from the data folder. Needs Pillow (Debian's python3-pil).

Every picture is drawn eight times larger than its size and reduced, so the
edges are smoothed. Bitmaps are 8 bits per pixel on a fixed palette that
holds the three greys that LR_LOADMAP3DCOLORS maps to the system's face,
shadow and light colours, so the buttons follow the colour scheme.
"""
import os
import struct
import sys

try:
    from PIL import Image, ImageChops, ImageDraw, ImageFilter
except ImportError:
    # A Python of its own (pyenv, a virtual environment) may lack the
    # system's Pillow; the system interpreter has it once python3-pil is in.
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", "-B"] + sys.argv)
    sys.exit("gen_pictures: Pillow is missing (install python3-pil)")

import codegen_common as common

SCALE = 8
FACE = (192, 192, 192)
SHADOW = (128, 128, 128)
LIGHT = (223, 223, 223)

# Colours of the drawings.
INK = (32, 32, 48)
NAVY = (24, 40, 120)
BLUE = (40, 96, 200)
SKYBLUE = (110, 170, 235)
WHITE = (255, 255, 255)
PAPER = (250, 250, 240)
YELLOW = (250, 210, 40)
ORANGE = (235, 140, 30)
RED = (200, 40, 30)
GREEN = (40, 150, 60)
BROWN = (150, 100, 50)
TAN = (215, 180, 120)
GREY = (96, 96, 96)
BLACK = (0, 0, 0)
NIGHT_SHADOW = (100, 0, 0)
NIGHT_LIGHT = (160, 0, 0)


# Shapes, in the 16-unit square of a toolbar picture (or the picture's own
# units for larger ones): each a tuple whose first item names the kind.
def rect(x0, y0, x1, y1, fill=None, line=INK, width=1):
    return ("rect", (x0, y0, x1, y1), fill, line, width)


def oval(x0, y0, x1, y1, fill=None, line=INK, width=1):
    return ("oval", (x0, y0, x1, y1), fill, line, width)


def poly(points, fill=None, line=INK, width=1):
    return ("poly", points, fill, line, width)


def path(points, line=INK, width=1.5):
    return ("path", points, None, line, width)


def arc(x0, y0, x1, y1, start, end, line=INK, width=1.5):
    return ("arc", (x0, y0, x1, y1, start, end), None, line, width)


def star(cx, cy, r, fill=YELLOW):
    pts = []
    import math
    for i in range(10):
        radius = r if i % 2 == 0 else r * 0.45
        a = math.pi / 2 + i * math.pi / 5
        pts.append((cx + radius * math.cos(a), cy - radius * math.sin(a)))
    return poly(pts, fill, fill, 0)


def arrow(direction, fill, line=INK):
    shapes = {
        "left": [(1.5, 8), (7.5, 2.5), (7.5, 5.5), (14.5, 5.5), (14.5, 10.5), (7.5, 10.5), (7.5, 13.5)],
        "right": [(14.5, 8), (8.5, 2.5), (8.5, 5.5), (1.5, 5.5), (1.5, 10.5), (8.5, 10.5), (8.5, 13.5)],
    }
    return poly(shapes[direction], fill, line)


def window(x0, y0, x1, y1, title=BLUE):
    return [rect(x0, y0, x1, y1, WHITE), rect(x0, y0, x1, y0 + 2.5, title)]


TOOLBAR = {
    "file_new": [poly([(3, 1), (10, 1), (13, 4), (13, 15), (3, 15)], PAPER),
                 poly([(10, 1), (10, 4), (13, 4)], LIGHT), path([(5, 10), (8, 7), (11, 11)], BLUE, 1.2)],
    "file_open": [poly([(1, 4), (6, 4), (7, 5.5), (13, 5.5), (13, 14), (1, 14)], TAN),
                  poly([(3, 8), (15.5, 8), (13, 14), (1, 14)], YELLOW),
                  path([(5, 10.5), (7.5, 9.5), (10, 11.5), (12.5, 10)], BLUE, 1.2)],
    "file_save": [rect(1.5, 1.5, 14.5, 14.5, BLUE), rect(4, 1.5, 12, 6.5, WHITE),
                  rect(4, 9, 12, 14.5, GREY), rect(9.5, 2.5, 11, 5.5, INK, INK, 0)],
    "edit_undo": [arc(3, 4, 14, 14, 180, 40, BLUE, 2.2), poly([(0.5, 6), (6.5, 6), (3.5, 11)], BLUE, BLUE)],
    "edit_redo": [arc(2, 4, 13, 14, 140, 360, BLUE, 2.2), poly([(15.5, 6), (9.5, 6), (12.5, 11)], BLUE, BLUE)],
    "view_navigate_back": [arrow("left", GREEN)],
    "view_navigate_forth": [arrow("right", GREEN)],
    "wnd_sky": [rect(1, 1, 15, 15, NAVY), star(5, 5, 2.6), star(11, 7, 2.0, WHITE), star(7, 12, 1.8, WHITE)],
    "wnd_solar_system": [oval(1.5, 4.5, 14.5, 11.5, None, GREY), oval(6, 6, 10, 10, YELLOW, ORANGE),
                         oval(12, 8.5, 15, 11.5, BLUE, INK)],
    "wnd_graph": [rect(1, 1, 15, 15, WHITE), path([(3, 2), (3, 13), (14, 13)], INK, 1.2),
                  path([(3, 11), (6, 5), (9, 9), (13, 3)], RED, 1.5)],
    "wnd_picture": [rect(1, 2, 15, 14, SKYBLUE), poly([(1, 14), (6, 7), (10, 11), (12, 9), (15, 14)], GREEN, GREEN),
                    oval(10, 3.5, 13, 6.5, YELLOW, YELLOW), rect(1, 2, 15, 14, None)],
    "wnd_report": [poly([(3, 1), (13, 1), (13, 15), (3, 15)], PAPER)]
                  + [path([(5, y), (11, y)], GREY, 1) for y in (4, 6.5, 9, 11.5)],
    "wnd_jupiter": [oval(1.5, 1.5, 14.5, 14.5, TAN, BROWN), path([(2.5, 6), (13.5, 6)], BROWN, 1.5),
                    path([(2, 10), (14, 10)], BROWN, 1.5), oval(8.5, 10.5, 11.5, 12.5, RED, RED)],
    "wnd_saturn": [oval(4, 4, 12, 12, YELLOW, BROWN), oval(0.5, 6.5, 15.5, 9.5, None, BROWN, 1.3)],
    "wnd_solar_eclipse": [oval(1, 1, 15, 15, YELLOW, ORANGE), oval(3.5, 3.5, 12.5, 12.5, BLACK, BLACK)],
    "tools_object_info": [oval(1.5, 1.5, 14.5, 14.5, BLUE), rect(7, 7, 9, 12.5, WHITE, WHITE, 0),
                          oval(7, 3.5, 9, 5.5, WHITE, WHITE)],
    "tools_event_forecast": [rect(1.5, 2.5, 14.5, 14.5, WHITE), rect(1.5, 2.5, 14.5, 5.5, RED),
                             rect(4, 7.5, 6, 9.5, GREY, GREY), rect(7.5, 7.5, 9.5, 9.5, GREY, GREY),
                             rect(11, 7.5, 13, 9.5, GREY, GREY), rect(4, 11, 6, 13, BLUE, BLUE)],
    "tools_event_finder": [oval(1.5, 1.5, 10.5, 10.5, SKYBLUE, INK, 1.5), path([(9.5, 9.5), (14.5, 14.5)], INK, 2.5)],
    "tools_astrocalc": [rect(2.5, 1, 13.5, 15, GREY), rect(4, 2.5, 12, 5.5, (200, 230, 200))]
                       + [rect(x, y, x + 1.8, y + 1.8, WHITE, WHITE, 0)
                          for x in (4, 7.1, 10.2) for y in (7.5, 10.2, 12.8)],
    "tools_symbols": [oval(4, 1.5, 12, 9.5, None, RED, 1.6), path([(8, 9.5), (8, 15)], RED, 1.6),
                      path([(5, 12.5), (11, 12.5)], RED, 1.6)],
    "tools_educator": [poly([(1, 6), (8, 3), (15, 6), (8, 9)], INK, INK), poly([(4, 8), (4, 12), (8, 13.5), (12, 12), (12, 8), (8, 9.5)], GREY),
                       path([(14, 6), (14, 11)], YELLOW, 1)],
    "options_time": [oval(1.5, 1.5, 14.5, 14.5, WHITE, INK, 1.3), path([(8, 8), (8, 3.5)], INK, 1.4),
                     path([(8, 8), (11.5, 9.5)], RED, 1.4)],
    "options_location": [oval(3.5, 1, 12.5, 10, RED, INK), oval(6.5, 4, 9.5, 7, WHITE, WHITE), poly([(4.4, 7.5), (8, 15), (11.6, 7.5)], RED, RED)],
    "options_display": [rect(1, 2, 15, 12, INK, INK), rect(2.5, 3.5, 13.5, 10.5, SKYBLUE, SKYBLUE),
                        rect(6, 12, 10, 14, GREY, GREY), rect(4, 14, 12, 15, GREY, GREY)],
    "wnd_tile_hor": window(1, 1, 15, 7.5) + window(1, 8.5, 15, 15),
    "wnd_tile_vert": window(1, 1, 7.5, 15) + window(8.5, 1, 15, 15),
    "wnd_close_all": window(1, 1, 11, 9) + window(5, 6, 15, 15)
                     + [path([(7.5, 9), (12.5, 14)], RED, 1.8), path([(12.5, 9), (7.5, 14)], RED, 1.8)],
    "help_about": [star(8, 8.5, 7.5, YELLOW), oval(7, 6.5, 9, 12, BLUE, BLUE), oval(7, 3.5, 9, 5.5, BLUE, BLUE)],
}

# Toolbar buttons whose menu items show a picture of their own while checked.
CHECKED_IN_MENU = ("tools_object_info", "tools_event_forecast", "tools_event_finder",
                   "tools_astrocalc", "tools_symbols")

# Icons in the 16-unit square, with the resource number of each.
ICONS = {
    20310: [oval(0.5, 0.5, 15.5, 15.5, NAVY, INK), star(4.5, 5, 2.2, WHITE), star(11, 4.5, 2.2, WHITE),
            star(12, 11, 2.2, WHITE), star(5, 11.5, 2.2, WHITE), star(8, 8, 1.4, YELLOW)],
    20312: TOOLBAR["wnd_solar_system"],
    20313: TOOLBAR["wnd_picture"],
    20314: TOOLBAR["wnd_sky"],
    20315: TOOLBAR["wnd_graph"],
    20318: TOOLBAR["wnd_report"],
    20319: TOOLBAR["wnd_saturn"],
    20320: TOOLBAR["wnd_jupiter"],
    20321: TOOLBAR["wnd_solar_eclipse"],
}
ICON_SIZES = (16, 32, 48)

# Cursors in a 32-unit square with their hot spots: over a body, and the
# three drag directions of the sky view.
CURSORS = {
    20350: ((16, 16), [oval(8, 8, 24, 24, None, WHITE, 4), oval(8, 8, 24, 24, None, BLACK, 2),
                       path([(16, 2), (16, 10)], BLACK, 2), path([(16, 22), (16, 30)], BLACK, 2),
                       path([(2, 16), (10, 16)], BLACK, 2), path([(22, 16), (30, 16)], BLACK, 2)]),
    20351: ((16, 16), [poly([(2, 16), (10, 8), (10, 13), (22, 13), (22, 8), (30, 16), (22, 24), (22, 19), (10, 19), (10, 24)], WHITE, BLACK, 1.5)]),
    20352: ((16, 16), [poly([(16, 2), (24, 10), (19, 10), (19, 22), (24, 22), (16, 30), (8, 22), (13, 22), (13, 10), (8, 10)], WHITE, BLACK, 1.5)]),
    20353: ((16, 16), [poly([(16, 2), (21, 8), (18, 8), (18, 14), (24, 14), (24, 11), (30, 16), (24, 21), (24, 18),
                             (18, 18), (18, 24), (21, 24), (16, 30), (11, 24), (14, 24), (14, 18), (8, 18), (8, 21),
                             (2, 16), (8, 11), (8, 14), (14, 14), (14, 8), (11, 8)], WHITE, BLACK, 1.5)]),
}

# The arrows of the spin buttons of the entry controls, 12 x 12.
ARROW_SIZE = 12
ARROW_SHAPES = {
    "Up": [(6, 3), (10.5, 8.5), (1.5, 8.5)],
    "Down": [(6, 9), (10.5, 3.5), (1.5, 3.5)],
    "Left": [(3, 6), (8.5, 1.5), (8.5, 10.5)],
    "Right": [(9, 6), (3.5, 1.5), (3.5, 10.5)],
}

# The ends of the map's zoom scale: the whole globe small, and a part of it
# filling the picture.
ZOOM_SIZE = 14
ZOOM_PICTURES = {
    "BMP_MAP_ZOOMED_OUT": [oval(4, 4, 10, 10, SKYBLUE, NAVY, 0.8), oval(5.5, 5, 8.5, 8, GREEN, None, 0)],
    "BMP_MAP_ZOOMED_IN": [oval(-7, -7, 21, 21, SKYBLUE, NAVY, 0.8),
                          poly([(2, 4), (8, 2), (11, 6), (9, 11), (4, 12), (3, 8)], GREEN, None, 0)],
}

LOGO_SIZE = (500, 300)


def palette():
    """256 colours: a 6 x 6 x 6 cube, greys (with the three system greys) and
    reds for the night pictures."""
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    for grey in (FACE, SHADOW, LIGHT):
        colours.append(grey)
    for i in range(16):
        v = 16 + i * 15
        if (v, v, v) not in colours:
            colours.append((v, v, v))
    level = 0
    while len(colours) < 256:
        v = 40 + level * 6
        colours.append((min(v, 255), 0, 0))
        level += 1
    return colours[:256]


PALETTE = palette()
_palette_image = Image.new("P", (1, 1))
_palette_image.putpalette([c for colour in PALETTE for c in colour])


def draw_shapes(size, units, shapes):
    """An RGBA picture of size pixels from shapes given in a square of units."""
    big = size * SCALE
    k = big / units
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    for kind, geometry, fill, line, width in shapes:
        w = max(0, round(width * k)) if line else 0
        fill4 = fill + (255,) if fill else None
        line4 = line + (255,) if line else None
        if kind in ("rect", "oval"):
            box = [v * k for v in geometry]
            method = draw.rectangle if kind == "rect" else draw.ellipse
            method(box, fill=fill4, outline=line4 if w else None, width=w)
        elif kind == "poly":
            points = [(x * k, y * k) for x, y in geometry]
            draw.polygon(points, fill=fill4)
            if w:
                draw.line(points + points[:1], fill=line4, width=w, joint="curve")
        elif kind == "path":
            draw.line([(x * k, y * k) for x, y in geometry], fill=line4, width=w, joint="curve")
        elif kind == "arc":
            x0, y0, x1, y1, start, end = geometry
            draw.arc([x0 * k, y0 * k, x1 * k, y1 * k], start, end, fill=line4, width=w)
    return image.resize((size, size), Image.LANCZOS)


def on_background(image, background):
    base = Image.new("RGBA", image.size, background + (255,))
    return Image.alpha_composite(base, image).convert("RGB")


def disabled(image, shadow=SHADOW, light=LIGHT):
    """The greyed form: the outline of the picture etched in shadow and light."""
    alpha = image.getchannel("A").point(lambda a: 255 if a > 110 else 0)
    inner = alpha.filter(ImageFilter.MinFilter(3))
    edge = ImageChops.subtract(alpha, inner)
    out = Image.new("RGB", image.size, FACE)
    out.paste(light, (1, 1), edge)
    out.paste(shadow, (0, 0), edge)
    return out


def night(image):
    """Red shades only, for the night-vision mode that keeps the eyes dark-adapted.
    The edges fade into black, the face at night, and what is left of the
    picture is the face, which the program loads as the system's face."""
    rgb = image.convert("RGB")
    alpha = image.getchannel("A")
    # No brighter than the brightest night shade of the usual levels (204).
    luminance = rgb.convert("L").point(lambda v: 40 + v * 164 // 255)
    faded = ImageChops.multiply(luminance, alpha)
    zero = Image.new("L", rgb.size, 0)
    red = Image.merge("RGB", (faded, zero, zero))
    out = Image.new("RGB", rgb.size, FACE)
    out.paste(red, (0, 0), alpha.point(lambda a: 255 if a > 0 else 0))
    return out


def to_palette(rgb):
    return rgb.quantize(palette=_palette_image, dither=Image.Dither.NONE)


def save_bmp(rgb, path):
    to_palette(rgb).save(path, "BMP")


def dib_entry(rgba):
    """One icon or cursor image: a 32-bit DIB with its AND mask."""
    w, h = rgba.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = rgba.getpixel((x, y))
            pixels += bytes((b, g, r, a))
    row_bytes = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(w):
            if rgba.getpixel((x, y))[3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def save_icon_file(images, path, hotspot=None):
    """An .ico (or with a hot spot a .cur) file holding the images."""
    kind = 2 if hotspot else 1
    entries = [dib_entry(image) for image in images]
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for image, data in zip(images, entries):
        w, h = image.size
        planes, bits = (hotspot if hotspot else (1, 32))
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, planes, bits, len(data), offset)
        offset += len(data)
    for data in entries:
        out += data
    with open(path, "wb") as f:
        f.write(out)


def draw_logo():
    """A night sky over hills with the crow's four bright stars joined, and
    the product name; drawn twice as large and reduced."""
    w, h = LOGO_SIZE
    W, H = w * 2, h * 2
    big = Image.new("RGB", (W, H))
    draw = ImageDraw.Draw(big)
    for y in range(H):
        t = y / H
        draw.line([(0, y), (W, y)], fill=(int(8 + 32 * t), int(12 + 44 * t), int(40 + 100 * t)))
    import random
    rng = random.Random(19)
    for _ in range(420):
        x, y, r = rng.uniform(0, W), rng.uniform(0, H * 0.8), rng.choice((1, 1, 2, 3))
        v = rng.randint(140, 255)
        draw.ellipse([x - r, y - r, x + r, y + r], fill=(v, v, min(255, v + 20)))
    quad = [(0.16, 0.16), (0.40, 0.10), (0.45, 0.42), (0.20, 0.47)]
    points = [(x * W, y * H) for x, y in quad]
    draw.line(points + points[:1], fill=(120, 150, 220), width=5)
    for x, y in points:
        draw.ellipse([x - 14, y - 14, x + 14, y + 14], fill=(255, 245, 200))
    hills = [(0, 0.80), (0.18, 0.72), (0.45, 0.83), (0.72, 0.70), (1.0, 0.78)]
    draw.polygon([(0, H)] + [(x * W, y * H) for x, y in hills] + [(W, H)], fill=(8, 10, 20))
    # The product name in simple strokes.
    letters = {
        "C": [[(1, 0), (0, 0), (0, 1), (1, 1)]],
        "O": [[(0, 0), (1, 0), (1, 1), (0, 1), (0, 0)]],
        "R": [[(0, 1), (0, 0), (1, 0), (1, 0.5), (0, 0.5), (1, 1)]],
        "V": [[(0, 0), (0.5, 1), (1, 0)]],
        "I": [[(0.5, 0), (0.5, 1)]],
        "N": [[(0, 1), (0, 0), (1, 1), (1, 0)]],
        "A": [[(0, 1), (0.5, 0), (1, 1)], [(0.25, 0.55), (0.75, 0.55)]],
        "T": [[(0, 0), (1, 0)], [(0.5, 0), (0.5, 1)]],
    }
    size = H * 0.13
    pitch = size * 0.95
    x0 = (W - pitch * 9) / 2
    y0 = H * 0.55
    for i, ch in enumerate("CORVINATA"):
        for stroke in letters[ch]:
            pts = [(x0 + i * pitch + x * size * 0.65, y0 + y * size) for x, y in stroke]
            draw.line(pts, fill=(240, 240, 255), width=9, joint="curve")
    return big.resize(LOGO_SIZE, Image.LANCZOS)


def rc_name(name):
    return name.upper()


def main():
    args = common.parse_args(__doc__.splitlines()[0], [])
    out_dir = os.path.dirname(os.path.abspath(args.out))
    pictures = os.path.join(out_dir, "pictures")
    os.makedirs(pictures, exist_ok=True)
    rc = ["// Generated by codegen/gen_pictures.py. Do not edit.", ""]

    def where(file_name):
        # The resource compiler finds the files by their full path in the
        # build tree, whatever folder it runs in.
        return os.path.join(pictures, file_name).replace("\\", "/")

    def bitmap(name, rgb):
        file_name = name.lower() + ".bmp"
        save_bmp(rgb, os.path.join(pictures, file_name))
        rc.append('%s BITMAP "%s"' % (rc_name(name), where(file_name)))

    for base, shapes in TOOLBAR.items():
        image = draw_shapes(16, 16, shapes)
        name = "smart_icon_" + base
        day = on_background(image, FACE)
        bitmap(name + "_day_enabled", day)
        bitmap(name + "_day_disabled", disabled(image))
        bitmap(name + "_night_enabled", night(image))
        bitmap(name + "_night_disabled", disabled(image, NIGHT_SHADOW, NIGHT_LIGHT))
        if base in CHECKED_IN_MENU:
            selected = Image.new("RGB", (16, 16), LIGHT)
            selected.paste(day.crop((1, 1, 15, 15)), (1, 1))
            ImageDraw.Draw(selected).rectangle([0, 0, 15, 15], outline=SHADOW)
            bitmap(name + "_day_selected", selected)

    for direction, points in ARROW_SHAPES.items():
        shape = [poly(points, INK, INK, 0)]
        image = draw_shapes(ARROW_SIZE, ARROW_SIZE, shape)
        focused = draw_shapes(ARROW_SIZE, ARROW_SIZE, [poly(points, BLUE, BLUE, 0)])
        pressed = draw_shapes(ARROW_SIZE, ARROW_SIZE, [poly([(x + 0.7, y + 0.7) for x, y in points], INK, INK, 0)])
        states = {"": (on_background(image, FACE), night(image)),
                  "Focused": (on_background(focused, FACE), night(focused)),
                  "Pressed": (on_background(pressed, SHADOW), night(pressed)),
                  "Disabled": (disabled(image), disabled(image, NIGHT_SHADOW, NIGHT_LIGHT))}
        for state, (day_rgb, night_rgb) in states.items():
            name = "Bmp_Arrow" + direction + state
            bitmap(name, day_rgb)
            bitmap(name + "_Night", night_rgb)

    for name, shapes in ZOOM_PICTURES.items():
        bitmap(name, on_background(draw_shapes(ZOOM_SIZE, ZOOM_SIZE, shapes), FACE))

    logo = os.path.join(pictures, "logo.bmp")
    draw_logo().save(logo, "BMP")
    rc.append('BMP_CORVINATA_LOGO BITMAP "%s"' % where("logo.bmp"))

    for number, shapes in ICONS.items():
        file_name = "icon_%d.ico" % number
        save_icon_file([draw_shapes(size, 16, shapes) for size in ICON_SIZES], os.path.join(pictures, file_name))
        rc.append('%d ICON "%s"' % (number, where(file_name)))
    for number, (hotspot, shapes) in CURSORS.items():
        file_name = "cursor_%d.cur" % number
        save_icon_file([draw_shapes(32, 32, shapes)], os.path.join(pictures, file_name), hotspot)
        rc.append('%d CURSOR "%s"' % (number, where(file_name)))

    with open(os.path.join(out_dir, "pictures.rc"), "w") as f:
        f.write("\n".join(rc) + "\n")
    body = [
        "constexpr int kToolbarImageSize = 16;",
        "constexpr int kArrowBitmapSize = %d;" % ARROW_SIZE,
        "constexpr int kLogoWidth = %d;" % LOGO_SIZE[0],
        "constexpr int kLogoHeight = %d;" % LOGO_SIZE[1],
        "constexpr int kToolbarPictureCount = %d;" % len(TOOLBAR),
        "",
    ]
    with open(args.out, "w") as f:
        f.write(common.header("gen_pictures.py", "its own shape lists", "pictures", body,
                              ["The resources themselves are listed in pictures.rc beside this header."]))


if __name__ == "__main__":
    main()
