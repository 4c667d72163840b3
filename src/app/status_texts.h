// The texts of the frame's status line and the checks applied to a stored
// window rectangle before it is used.
#pragma once

#include "base/date_time.h"
#include "base/location.h"
#include "base/wide_string.h"

namespace corvinata {

// "06.12.2026   21:40   (DST on)": the date, three blanks, the time to the
// minute and whether daylight-saving time is in force.
String FormatStatusDateTime(const DateTime& localTime, bool daylightSaving);
// "London, United Kingdom (UT+0)".
String FormatStatusLocation(const Location& place);

// Right edges of the status line's first two parts: the date and time part
// keeps its full width, the location part sits left of it, and the general
// text takes what is left (even nothing). Widths in pixels.
struct StatusPartEdges {
    int generalRight;
    int locationRight;
};
StatusPartEdges StatusLineEdges(int clientWidth, int locationWidth, int dateTimeWidth) noexcept;

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A stored window rectangle made fit for the work area: an empty or inverted
// one becomes `fallback`; one larger than the area is shrunk to it; one that
// lies partly or wholly off the area is moved onto it.
ScreenRect FitRectOnWorkArea(const ScreenRect& stored, const ScreenRect& workArea,
                             const ScreenRect& fallback) noexcept;

}  // namespace corvinata
