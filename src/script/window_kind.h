// The kinds of child window, in the order every list of them uses. Script
// statements name a window of a kind; the application core keeps its
// windows by kind.
#pragma once

namespace corvinata {

enum WindowKind : int {
    kGraphWindow = 0,
    kJupiterExplorerWindow = 1,
    kPictureWindow = 2,
    kReportWindow = 3,
    kSaturnExplorerWindow = 4,
    kSolarEclipseWindow = 5,
    kSkyWindow = 6,
    kSolarSystemWindow = 7,
};

constexpr int kWindowKindCount = 8;

}  // namespace corvinata
