#include "catalog/country_shapes.h"

#include <cmath>
#include <exception>

#include "base/text_scanner.h"

namespace corvinata {

namespace {

struct OutlineLine {
    int outline = 0;
    ShapePoint point{0.0, 0.0};
};

// The four fields of one line; false when any is missing or invalid, or a
// point lies off the globe (which no map can place).
bool ParseOutlineLine(const String& line, OutlineLine& out) {
    TextScanner scanner(line.Text());
    int unused = 0;
    scanner.ReadInteger(out.outline).ReadInteger(unused);
    ReadNumber(scanner, out.point.longitude);
    ReadNumber(scanner, out.point.latitude);
    return scanner.ok && scanner.matchCount == 4 && std::fabs(out.point.longitude) <= 180.0 &&
           std::fabs(out.point.latitude) <= 90.0;
}

bool IsBlank(const String& line) {
    for (const Char* c = line.Text(); *c != 0; ++c) {
        if (!IsSpaceChar(*c)) return false;
    }
    return true;
}

// The lines of the file as ReadCountryOutlines takes them; throws only
// what the standard library throws (memory, above all).
bool ReadOutlineLines(TextFile& file, std::vector<CountryOutline>& outlines) {
    bool damaged = false;
    String line;
    bool blankSeen = false;
    while (file.ReadLine(line)) {
        // White space after the last point is no damage; a blank line
        // between points is.
        if (IsBlank(line)) {
            blankSeen = true;
            continue;
        }
        OutlineLine parsed;
        if (blankSeen) {
            damaged = true;
            break;
        }
        if (!ParseOutlineLine(line, parsed)) {
            damaged = true;
            break;
        }
        // A line continues the current outline or starts the next one; any
        // other number (negative, skipped ahead, an outline already closed,
        // -1 before the first outline) names no outline.
        const int count = static_cast<int>(outlines.size());
        const bool continues = count > 0 && parsed.outline == count - 1;
        if (parsed.outline != count && !continues) {
            damaged = true;
            break;
        }
        if (parsed.outline == count) outlines.emplace_back();
        outlines.back().push_back(parsed.point);
    }
    // A failed read also ends the loop, short of the end of the file.
    return !damaged && file.AtEnd() && !outlines.empty();
}

}  // namespace

bool ReadCountryOutlines(TextFile& file, std::vector<CountryOutline>& outlines) {
    outlines.clear();
    bool read = false;
    // A failure of any kind, the memory for a file far larger than any
    // outlines included, is a damaged file: the program goes on without it.
    try {
        read = ReadOutlineLines(file, outlines);
    } catch (const std::exception&) {
        read = false;
    }
    if (!read) outlines.clear();
    return read;
}

bool CountryShapes::LoadCountryShapes(StorageService& storage, const PathName& programDirectory,
                                      const FailureReport& report) {
    if (tried_) return !outlines_.empty();
    tried_ = true;
    PathName path = programDirectory;
    String fullPath;
    if (path.SetPathFileName(kFileName)) fullPath = path.ComposePath();
    std::unique_ptr<TextFile> file = storage.CreateTextFile(fullPath);
    bool read = false;
    const bool opened = !fullPath.IsEmpty() && file && file->Open(FileOpenMode::Read);
    if (opened) {
        read = ReadCountryOutlines(*file, outlines_);
        file->Close();
    }
    if (read) return true;
    failure_ = opened ? ShapesFailure::Damaged : ShapesFailure::Missing;
    if (report) report(fullPath);
    return false;
}

const CountryOutline* CountryShapes::OutlineAt(int number) const noexcept {
    if (number < 0 || number >= Count()) return nullptr;
    return &outlines_[static_cast<std::size_t>(number)];
}

}  // namespace corvinata
