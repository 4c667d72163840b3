#!/usr/bin/env python3
"""The picture pack that ships beside the program, and its credits.

The header holds the credits that the pictures' licence asks the program to
show. With --pack DIR the photographs and planet maps are copied from the data
folder into DIR with the pack's contents.txt and a credits.txt beside them.
"""
import os
import re
import shutil
import sys

import codegen_common as common

SOURCES = "pictures/SOURCES.md"

# File, caption, body type (its lookup name) and the name the catalogues know
# the body by.
PICTURES = [
    ("m001.jpg", "Crab Nebula (M1)", "Deep Sky", "NGC 1952"),
    ("m042.jpg", "Orion Nebula (M42)", "Deep Sky", "NGC 1976"),
    ("m051.jpg", "Whirlpool Galaxy (M51)", "Deep Sky", "NGC 5194"),
    ("m057.jpg", "Ring Nebula (M57)", "Deep Sky", "NGC 6720"),
    ("m104.jpg", "Sombrero Galaxy (M104)", "Deep Sky", "NGC 4594"),
    ("jupiter_1024x512.jpg", "Jupiter (map of the planet)", "Planet", "Jupiter"),
    ("saturn_1024x512.jpg", "Saturn (map of the planet)", "Planet", "Saturn"),
]

PACK_NAME = "Corvinata Pictures"


def attribution_block(sources):
    """The fenced text below the heading "Attribution block"."""
    match = re.search(r"^## Attribution block.*?\n```\n(.*?)```", sources, re.S | re.M)
    if not match:
        common.fail("%s has no attribution block" % SOURCES)
    return match.group(1).rstrip("\n")


def contents_text():
    lines = ["[Format]", "1.01", "[Name]", PACK_NAME, "[Files]"]
    lines += ["%s:%s:%s:%s" % picture for picture in PICTURES]
    return "\r\n".join(lines) + "\r\n"


def lay_out_pack(data, pack, credits):
    os.makedirs(pack, exist_ok=True)
    for name, _, _, _ in PICTURES:
        shutil.copyfile(os.path.join(data, "pictures", name), os.path.join(pack, name))
    with open(os.path.join(pack, "contents.txt"), "wb") as f:
        f.write(contents_text().encode("ascii"))
    with open(os.path.join(pack, "credits.txt"), "wb") as f:
        f.write((credits.replace("\n", "\r\n") + "\r\n").encode("utf-8"))


def cpp_text_lines(text):
    """Lines of TXT() literals; characters outside ASCII as \\x escapes."""
    lines = []
    for line in text.split("\n"):
        parts = []
        for ch in line + "\r\n":
            if ch == "\\" or ch == '"':
                parts.append('\\' + ch)
            elif ch == "\r":
                parts.append("\\r")
            elif ch == "\n":
                parts.append("\\n")
            elif ord(ch) > 126:
                # A literal of its own, so that no following hex digit joins it.
                parts.append('") TXT("\\x%04x") TXT("' % ord(ch))
            else:
                parts.append(ch)
        lines.append('    TXT("%s")' % "".join(parts))
    return lines


def main():
    pack = None
    if "--pack" in sys.argv:
        at = sys.argv.index("--pack")
        if at + 1 >= len(sys.argv):
            common.fail("--pack needs a folder")
        pack = sys.argv[at + 1]
        del sys.argv[at:at + 2]
    args = common.parse_args(__doc__.splitlines()[0], [SOURCES])
    with open(os.path.join(args.data, SOURCES), encoding="utf-8") as f:
        credits = attribution_block(f.read())
    body = ["// The credits of the pictures, one line of text per line.",
            "constexpr const Char kCredits[] ="] + cpp_text_lines(credits)
    body[-1] += ";"
    body += ["", "// The shipped pack's contents.txt, as the build writes it.",
             "constexpr const Char kContents[] ="] + cpp_text_lines(contents_text().replace("\r\n", "\n").rstrip("\n"))
    body[-1] += ";"
    body.append("")
    common.write(args.out, common.header("gen_picture_pack.py", SOURCES, "picture_pack", body,
                                         includes=["base/text_char.h"]))
    if pack:
        lay_out_pack(args.data, pack, credits)


if __name__ == "__main__":
    main()
