#!/usr/bin/env python3
"""Generate generated/file_name_case.h: upper case as file names compare.

Input: none from the data folder; the Unicode character database that comes
with Python. Windows compares file names without regard to case by mapping
every UTF-16 unit through the simple (one character to one character)
upper-case mapping of Unicode; letters whose upper case is more than one
character (German sharp s) and the units of surrogate pairs stay as they are,
and no letter outside ASCII becomes an ASCII letter (dotless i and long s
stay), so that "file" and "FILE" are the only spellings of one name in ASCII.
The mapping is written as runs of characters that move by the same distance,
every character of a run (stride 1) or every second one (stride 2, the
alternating capital and small letters of the Latin extended blocks).
"""
import unicodedata

import codegen_common as common


def simple_upper(code):
    """The one-character upper case of a BMP character, or itself."""
    upper = chr(code).upper()
    if len(upper) != 1 or ord(upper) > 0xFFFF or 0xD800 <= code <= 0xDFFF:
        return code
    if code >= 0x80 and ord(upper) < 0x80:
        return code
    return ord(upper)


def runs(mapping):
    """(first, last, delta, stride) covering every changed character."""
    result = []
    code = 0
    while code <= 0xFFFF:
        delta = mapping[code] - code
        if delta == 0:
            code += 1
            continue
        stride = 1
        if code + 1 <= 0xFFFF and mapping[code + 1] - (code + 1) != delta:
            if code + 2 <= 0xFFFF and mapping[code + 1] == code + 1 and mapping[code + 2] - (code + 2) == delta:
                stride = 2
        last = code
        while True:
            following = last + stride
            if following > 0xFFFF or mapping[following] - following != delta:
                break
            if stride == 2 and mapping[last + 1] != last + 1:
                break
            last = following
        result.append((code, last, delta, stride))
        code = last + 1
    return result


def main():
    args = common.parse_args(__doc__.splitlines()[0], [])
    mapping = [simple_upper(code) for code in range(0x10000)]
    table = runs(mapping)
    for first, last, delta, stride in table:
        for code in range(first, last + 1, stride):
            if mapping[code] != code + delta:
                common.fail("run at U+%04X does not hold" % first)
    body = [
        "// Characters first, first + stride, ... last map to themselves plus delta.",
        "struct FileNameCaseRun {",
        "    std::uint16_t first;",
        "    std::uint16_t last;",
        "    std::int32_t delta;",
        "    std::uint8_t stride;",
        "};",
        "",
        "inline constexpr FileNameCaseRun kFileNameCaseRuns[] = {",
    ]
    body += common.table_rows(table, lambda run: "{0x%04X, 0x%04X, %d, %d}" % run)
    body += ["};", ""]
    source = "the Unicode %s data of Python" % unicodedata.unidata_version
    common.write(args.out, common.header("gen_file_name_case.py", source, "generated", body,
                                         includes=["base/text_char.h"]))

if __name__ == "__main__":
    main()
