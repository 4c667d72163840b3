#include "app/graph_file_names.h"

#include "base/file_name_case.h"

namespace corvinata {

namespace {

Char Folded(Char c) noexcept {
    if (c == TXT('/')) return TXT('\\');
    return FileNameUpper(c);
}

}  // namespace

bool IsXmlExportPath(const Char* path) noexcept {
    if (!path) return false;
    const int n = TextLength(path);
    return n >= 4 && TextEquals(path + n - 4, TXT(".xml"));
}

bool SameFilePath(const Char* a, const Char* b) noexcept {
    if (!a || !b) return false;
    for (; *a && *b; ++a, ++b) {
        if (Folded(*a) != Folded(*b)) return false;
    }
    return *a == *b;
}

}  // namespace corvinata
