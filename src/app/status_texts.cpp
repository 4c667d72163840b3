#include "app/status_texts.h"

#include <algorithm>

#include "base/date_time_text.h"
#include "base/geo_place.h"

namespace corvinata {

String FormatStatusDateTime(const DateTime& localTime, bool daylightSaving) {
    String date;
    String time;
    FormatDateAndTime(localTime, date, time, false, kTimeToMinute);
    String out = date;
    StringAppend(out, TXT("   "));
    StringAppend(out, time.Text());
    StringAppend(out, daylightSaving ? TXT("   (DST on)") : TXT("   (DST off)"));
    return out;
}

String FormatStatusLocation(const Location& place) {
    String zone;
    FormatTimeZoneOffset(place.coordinates.timeZone, zone);
    String out = place.town;
    StringAppend(out, TXT(", "));
    StringAppend(out, place.country.Text());
    StringAppend(out, TXT(" ("));
    StringAppend(out, zone.Text());
    StringAppend(out, TXT(")"));
    return out;
}

StatusPartEdges StatusLineEdges(int clientWidth, int locationWidth, int dateTimeWidth) noexcept {
    // A little air beside each text, so that the part borders do not touch it.
    const int locationRight = clientWidth - static_cast<int>(1.05 * dateTimeWidth);
    const int generalRight = locationRight - static_cast<int>(1.05 * locationWidth);
    return {std::max(0, generalRight), std::max(0, locationRight)};
}

ScreenRect FitRectOnWorkArea(const ScreenRect& stored, const ScreenRect& workArea,
                             const ScreenRect& fallback) noexcept {
    ScreenRect r = stored;
    if (r.right <= r.left || r.bottom <= r.top) r = fallback;
    const int areaWidth = workArea.right - workArea.left;
    const int areaHeight = workArea.bottom - workArea.top;
    const int width = std::min(r.right - r.left, areaWidth);
    const int height = std::min(r.bottom - r.top, areaHeight);
    const int left = std::clamp(r.left, workArea.left, workArea.right - width);
    const int top = std::clamp(r.top, workArea.top, workArea.bottom - height);
    return {left, top, left + width, top + height};
}

}  // namespace corvinata
