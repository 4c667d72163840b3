// The texts report pages are made of: property values in the user's display
// settings, times of day, the place's coordinates, and the body records the
// reports take from the catalogues.
#pragma once

#include <cstdint>

#include "base/date_time_location.h"
#include "base/wide_string.h"
#include "catalog/property_map.h"

namespace corvinata {

class CelestialObject;
class ReportHtmlWriter;

// The first body of a catalogue (the Sun, the Moon), or the planet of the
// planets catalogue; none when the catalogue is missing.
const CelestialObject* ReportBody(int bodyType, int number = 0) noexcept;

// How a property is written: its rounding (times), the sexagesimal precision
// and the decimals (angles, numbers); the angle style and the unit of right
// ascensions come from the display settings (sexagesimal, hours without them).
struct ReportValueStyle {
    int rounding = 0;
    int unitPrecision = 0;
    int decimals = -1;
};
inline constexpr ReportValueStyle kEventTimeStyle{3, 1, -1};  // "06:59", 24:00 kept
inline constexpr ReportValueStyle kPositionStyle{0, 0, -1};
inline constexpr ReportValueStyle kMagnitudeStyle{0, 0, 1};
inline constexpr ReportValueStyle kElongationStyle{0, 1, 1};
String ReportPropertyText(const PropertyMap& map, std::uint32_t id, const ReportValueStyle& style);

// The computation's conventions of every report: equatorial coordinates,
// times in the record's own time system, astronomical units.
void ComputeReportProperties(const CelestialObject& body, std::uint32_t mask, const TimeAndPlace& moment,
                             PropertyMap& out);
// The same for the planet `number` into `out`, cleared first: the planet, or
// none (and `out` empty) when the catalogue has no such planet.
const CelestialObject* ComputeReportPlanet(int number, std::uint32_t mask, const TimeAndPlace& moment,
                                           PropertyMap& out);

// "06:59", or the missing-time text "--:--" for hours -1.
String ReportTimeText(double hours);
// A span of hours as hours and minutes ("09:47", "24:00").
String ReportDurationText(double hours);
// The place line ("London, United Kingdom") and the coordinate texts.
String ReportPlaceText(const Location& place);
String ReportLongitudeText(const Location& place);
String ReportLatitudeText(const Location& place);
// The date as the program writes every date (05.03.2013), whatever the
// user's short date format: one page never mixes two forms.
String ReportShortDate(const DateTime& date);

// "Jan" .. "Dec" for the months 1..12.
const char* ReportMonthAbbreviation(int month) noexcept;
// The moment of one row of a report: the record's place and daylight-saving
// flag at `date`.
TimeAndPlace ReportMomentAt(const DateTimeLocation& settings, const DateTime& date);

// Escaped text between two pieces of markup, then a line break.
void WriteLine(ReportHtmlWriter& writer, const char* open, const Char* text, const char* close = "</td>");
void WriteMarkupLine(ReportHtmlWriter& writer, const char* markup);
// An empty cell of that width, the space between two columns.
void WriteSpacerCell(ReportHtmlWriter& writer, int width);

}  // namespace corvinata
