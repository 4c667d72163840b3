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
    return n >= 4 && TextEqualsNoCase(path + n - 4, TXT(".xml"));
}

String GraphPathForSaveType(const Char* chosen, int type) {
    String path(chosen ? chosen : TXT(""));
    if (type != kGraphXmlExportType || IsXmlExportPath(path.Text())) return path;
    const int n = TextLength(path.Text());
    if (n >= 4 && TextEqualsNoCase(path.Text() + n - 4, TXT(".gph"))) {
        String stem;
        for (int i = 0; i < n - 4; ++i) {
            const Char one[2] = {path.Text()[i], 0};
            StringAppend(stem, one);
        }
        path = stem;
    }
    StringAppend(path, TXT(".xml"));
    return path;
}

bool SameFilePath(const Char* a, const Char* b) noexcept {
    if (!a || !b) return false;
    for (; *a && *b; ++a, ++b) {
        if (Folded(*a) != Folded(*b)) return false;
    }
    return *a == *b;
}

}  // namespace corvinata
