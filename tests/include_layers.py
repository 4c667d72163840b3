#!/usr/bin/env python3
"""Checks that every include in src/ runs down the layers of the program.

A folder of src/ may include its own files and those of the folders in lower
layers; folders of one layer may include each other, except where a folder
is kept apart from some of the others below it (FORBIDDEN). An include that
runs up a layer, or into a folder kept apart, is named with its file and
line, and the check fails.

    include_layers.py SRC_FOLDER
"""
import pathlib
import re
import sys

# Lowest first. The resource identifiers include nothing of the program and
# are read by the application core upward; the controls are the Windows
# pieces that views and tools share.
LAYERS = [
    ["base"],
    ["astro"],
    ["catalog"],
    ["script"],
    ["resources"],
    ["app", "documents"],
    ["controls", "views", "tools"],
    ["frame", "automation"],
]

RANK = {folder: rank for rank, layer in enumerate(LAYERS) for folder in layer}

# Folders that must not include some of the folders their layer would allow.
# The tools compute and show their own results: what they ask of a window or
# a graph goes through the window services of the application core, never
# through a view's or a document's own header.
FORBIDDEN = {
    "tools": {"views", "documents"},
}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]*"')
SOURCE_SUFFIXES = {".h", ".cpp", ".rc"}


def upward_includes(src):
    """Yields (file, line number, included folder) of each include that runs
    up the layers or into a folder kept apart."""
    for path in sorted(src.rglob("*")):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        folder = path.relative_to(src).parts[0]
        if folder not in RANK:
            yield path, 0, folder
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            target = match.group(1)
            # Generated tables come from the build tree and include nothing.
            if target == "generated" or target == folder:
                continue
            if target not in RANK or RANK[target] > RANK[folder] or target in FORBIDDEN.get(folder, ()):
                yield path, number, target


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    src = pathlib.Path(argv[1])
    if not src.is_dir():
        print(f"{src}: no such folder", file=sys.stderr)
        return 2
    failures = 0
    for path, number, target in upward_includes(src):
        failures += 1
        where = path.relative_to(src)
        if number == 0:
            print(f"{where}: the folder '{target}' has no layer; add it to LAYERS")
        elif target in FORBIDDEN.get(where.parts[0], ()):
            print(f"{where}:{number}: includes '{target}', which '{where.parts[0]}' keeps apart from")
        else:
            print(f"{where}:{number}: includes '{target}', a higher layer")
    if failures:
        print(f"{failures} include(s) run up the layers or into a folder kept apart: " +
              " < ".join("/".join(layer) for layer in LAYERS) + "; kept apart: " +
              ", ".join(f"{folder} from {'/'.join(sorted(apart))}" for folder, apart in FORBIDDEN.items()))
        return 1
    print("every include runs down the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
