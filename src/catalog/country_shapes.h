// The country borders under the eclipse map: outlines read once from
// "countryshape.dat" in the program's folder.
//
// The file is text, one outline point a line: the outline number (0 for the
// first outline, then 1, 2, ... in order, each outline's lines together), a
// second integer that is not used, the longitude (degrees, east positive,
// -180 to 180) and the latitude (degrees, north positive, -90 to 90),
// separated by white space; text after the fourth field is ignored.
#pragma once

#include <functional>
#include <vector>

#include "base/path_name.h"
#include "base/storage.h"
#include "base/text_file.h"
#include "base/wide_string.h"

namespace corvinata {

struct ShapePoint {
    double longitude;  // degrees, east positive
    double latitude;   // degrees, north positive
};

using CountryOutline = std::vector<ShapePoint>;

// Reads every line of an open outlines file into `outlines` (emptied
// first). A file holding no outline, or any line that is not four valid
// fields (a point off the globe included) whose outline number continues
// the sequence, makes it false with `outlines` emptied: a damaged file
// draws nothing rather than a part of it.
bool ReadCountryOutlines(TextFile& file, std::vector<CountryOutline>& outlines);

// Why the outlines are not there: the file could not be opened, or it was
// read and is damaged.
enum class ShapesFailure { None, Missing, Damaged };

// The program's outline list, filled on first use.
class CountryShapes {
public:
    // Called with the file's full path when it cannot be opened or read.
    using FailureReport = std::function<void(const String& path)>;

    static constexpr const Char* kFileName = TXT("countryshape.dat");

    // Reads kFileName in `programDirectory` (its drive and folder) on the
    // first call and answers whether the outlines are there. A file that is
    // missing or damaged leaves the list empty and is reported once; later
    // calls neither read it again nor report it again.
    bool LoadCountryShapes(StorageService& storage, const PathName& programDirectory,
                           const FailureReport& report);

    // Set before the failure is reported.
    ShapesFailure Failure() const noexcept { return failure_; }
    const std::vector<CountryOutline>& Outlines() const noexcept { return outlines_; }
    int Count() const noexcept { return static_cast<int>(outlines_.size()); }
    // Outline 0..Count()-1; none for any other number.
    const CountryOutline* OutlineAt(int number) const noexcept;

private:
    bool tried_ = false;
    ShapesFailure failure_ = ShapesFailure::None;
    std::vector<CountryOutline> outlines_;
};

}  // namespace corvinata
