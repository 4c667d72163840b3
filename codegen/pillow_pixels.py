"""Pixels of a picture file as Pillow decodes it (for JPEG, libjpeg's decoder
with its default settings): the independent decoding the picture tests
compare the program's with. Needs Pillow (Debian's python3-pil); a build
interpreter without it hands the generator over to the system's.
"""
import io
import os
import sys

try:
    from PIL import Image
except ImportError:
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", "-B"] + sys.argv)
    sys.exit("%s: Pillow is missing (install python3-pil)" % os.path.basename(sys.argv[0]))


def bgr_pixels(data, largest_pixels=None):
    """(rows top first, three bytes a pixel blue-green-red; width; height) of
    the file image `data`, or None when Pillow cannot decode it or its header
    gives more than `largest_pixels` pixels (then nothing is decoded)."""
    try:
        with Image.open(io.BytesIO(data)) as picture:
            if largest_pixels is not None and picture.width * picture.height > largest_pixels:
                return None
            rgb = picture.convert("RGB")
    except Exception:  # Pillow refuses a damaged file in many ways
        return None
    r, g, b = rgb.split()
    return Image.merge("RGB", (b, g, r)).tobytes(), rgb.width, rgb.height
