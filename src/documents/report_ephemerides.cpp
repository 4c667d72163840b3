#include "documents/report_ephemerides.h"

#include <cmath>
#include <iterator>
#include <new>

#include "base/angle_reduction.h"
#include "base/angle_value.h"
#include "base/distance_value.h"
#include "base/magnitude_text.h"
#include "base/text_format.h"
#include "astro/eclipse_texts.h"
#include "catalog/body_properties.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "documents/report_values.h"

namespace corvinata {

namespace {

DateTime FirstOfYear(std::int32_t year) { return DateTime{year, 1, 1, 0.0, kUniversalTime}; }

void ComputeRow(const CelestialObject& body, std::uint32_t mask, const TimeAndPlace& moment, EphemerisRow& row) {
    PropertyMap map;
    ComputeReportProperties(body, mask, moment, map);
    row.date = moment.dateTime;
    row.rightAscension = map.Value(kFunctionLongitude);
    row.declination = map.Value(kFunctionLatitude);
    if (map.Has(kFunctionDistanceFromEarth)) row.distance = map.Value(kFunctionDistanceFromEarth);
    if (map.Has(kFunctionAngularSize)) row.angularSize = map.Value(kFunctionAngularSize);
    if (map.Has(kFunctionMagnitude)) row.magnitude = map.Value(kFunctionMagnitude);
    if (map.Has(kFunctionHeliocentricLongitude)) row.heliocentricLongitude = map.Value(kFunctionHeliocentricLongitude);
    if (map.Has(kFunctionElongationAngular)) row.elongation = map.Value(kFunctionElongationAngular);
    if (map.Has(kFunctionPhase)) row.phase = map.Value(kFunctionPhase);
    if (map.Has(kFunctionMoonReportAngle)) row.phaseAngle = map.Value(kFunctionMoonReportAngle);
}

}  // namespace

int EphemerisStepDays(int bodyNumber) noexcept {
    if (bodyNumber == 0 || bodyNumber == 1) return 5;
    if (bodyNumber >= 2 && bodyNumber <= 4) return 10;
    if (bodyNumber >= 5 && bodyNumber <= 7) return 20;
    return 0;
}

MoonPhase MoonPhaseBetween(double previousAngle, double angle) noexcept {
    static constexpr MoonPhase kPhases[4] = {kNewMoon, kFirstQuarter, kFullMoon, kLastQuarter};
    for (const MoonPhase phase : kPhases) {
        if (IsAngleBetween(previousAngle, angle, 90.0 * phase)) return phase;
    }
    return kNoMoonPhase;
}

ReportPicture MoonPhasePicture(MoonPhase phase) noexcept {
    switch (phase) {
        case kFirstQuarter: return ReportPicture::MoonWaxing;
        case kFullMoon: return ReportPicture::MoonFull;
        case kLastQuarter: return ReportPicture::MoonWaning;
        default: return ReportPicture::MoonNew;
    }
}

// ---- data ----

std::unique_ptr<ReportData> PlanetEphemerisData::Clone() const {
    return std::unique_ptr<ReportData>(new (std::nothrow) PlanetEphemerisData(*this));
}

void PlanetEphemerisData::Calculate() {
    const int step = EphemerisStepDays(bodyNumber_);
    DateTimeLocation working;
    DateTimeLocationInit(working);
    DateTimeLocationAssign(working, Settings());
    working.dateTime = FirstOfYear(Settings().dateTime.year);
    SetSettings(working);
    const CelestialObject* planet = ReportBody(kBodyPlanet, bodyNumber_);
    DateTime date = working.dateTime;
    for (EphemerisRow& row : rows_) {
        row = EphemerisRow();
        row.date = date;
        if (planet != nullptr) {
            ComputeRow(*planet,
                       kFunctionLongitude | kFunctionLatitude | kFunctionDistanceFromEarth | kFunctionMagnitude |
                           kFunctionAngularSize | kFunctionElongationAngular | kFunctionHeliocentricLongitude,
                       ReportMomentAt(working, date), row);
        }
        DateTimeAddDays(date, step);
    }
}

std::unique_ptr<ReportData> SunEphemerisData::Clone() const {
    return std::unique_ptr<ReportData>(new (std::nothrow) SunEphemerisData(*this));
}

void SunEphemerisData::Calculate() {
    rows_.clear();
    rows_.reserve(12 * 7);
    const CelestialObject* sun = ReportBody(kBodySun);
    const std::int32_t year = Settings().dateTime.year;
    for (std::int32_t month = 1; month <= 12; ++month) {
        for (DateTime date{year, month, 1, 0.0, kUniversalTime}; date.month == month && date.year == year;
             DateTimeAddDays(date, 5)) {
            EphemerisRow row;
            row.date = date;
            if (sun != nullptr) {
                const TimeAndPlace moment = ReportMomentAt(Settings(), date);
                ComputeRow(*sun,
                           kFunctionLongitude | kFunctionLatitude | kFunctionDistanceFromEarth | kFunctionAngularSize,
                           moment, row);
                PropertyMap ecliptic;
                ComputeBodyProperties(*sun, kFunctionLongitude, moment, ecliptic,
                                      PropertyConventions{kEclipticalSystem, kUniversalTime, kAstronomicalUnits});
                row.eclipticLongitude = ecliptic.Value(kFunctionLongitude);
            }
            rows_.push_back(row);
        }
    }
}

std::unique_ptr<ReportData> MoonEphemerisData::Clone() const {
    return std::unique_ptr<ReportData>(new (std::nothrow) MoonEphemerisData(*this));
}

void MoonEphemerisData::Calculate() {
    const CelestialObject* moon = ReportBody(kBodyMoon);
    DateTime date = FirstOfYear(Settings().dateTime.year);
    for (EphemerisRow& row : rows_) {
        row = EphemerisRow();
        row.date = date;
        if (moon != nullptr) {
            ComputeRow(*moon,
                       kFunctionLongitude | kFunctionLatitude | kFunctionPhase | kFunctionAngularSize |
                           kFunctionMoonReportAngle,
                       ReportMomentAt(Settings(), date), row);
        }
        DateTimeAddDays(date, 1);
    }
}

// ---- writer ----

namespace {

class Table {
public:
    explicit Table(ReportHtmlWriter& writer) : w_(writer), page_(writer.Page()) {}

    void Cell(int width, const char* align, const Char* text) {
        Open(width, align);
        page_.AppendEscaped(text);
        page_.AppendAscii("</td>\r\n");
    }
    void MarkupCell(int width, const char* align, const char* markup) {
        Open(width, align);
        page_.AppendAscii(markup);
        page_.AppendAscii("</td>\r\n");
    }
    void Spacer() { WriteSpacerCell(w_, 22); }
    void HeadCell(int colspan, int width, const char* text) {
        page_.AppendAscii("      <td ");
        if (colspan > 1) {
            page_.AppendAscii("colspan=\"");
            page_.AppendInteger(colspan);
            page_.AppendAscii("\" ");
        }
        page_.AppendAscii("width=\"");
        page_.AppendInteger(width);
        page_.AppendAscii("\">");
        page_.AppendAscii(text);
        page_.AppendAscii("</td>\r\n");
    }
    const char* HeaderClass() const { return w_.NightMode() ? "tableheader1NightMode" : "tableheader1"; }
    void Parts(const AngleValue& value, bool hours) {
        String deg, min, sec;
        AngleFormatParts(value, deg, min, sec, kToSecond);
        Cell(hours ? 15 : 20, "right", deg.Text());
        Cell(15, "right", min.Text());
        Cell(15, "right", sec.Text());
    }
    void Line(const char* markup) {
        page_.AppendAscii(markup);
        page_.AppendLineBreak();
    }

private:
    void Open(int width, const char* align) {
        page_.AppendAscii("      <td width=\"");
        page_.AppendInteger(width);
        if (align != nullptr) {
            page_.AppendAscii("\" align=\"");
            page_.AppendAscii(align);
        }
        page_.AppendAscii("\">");
    }
    ReportHtmlWriter& w_;
    ReportPageText& page_;
};

String DecimalDegrees(double degrees) {
    String text;
    FormatDouble(std::fabs(degrees), 1, text, false);
    const Char sign[2] = {kDegreeSign, 0};
    StringAppend(text, sign);
    return text;
}

String Integer(int value, int width) {
    String text;
    StringFromInteger(value, width, text, true, '0');
    return text;
}

String DistanceText(double distance) {
    String text;
    if (distance == -1.0) {
        StringAssign(text, TXT("---"));
    } else {
        FormatDouble(distance, 4, text, false);
    }
    return text;
}

// Degrees and minutes of an angle (kToMinute) or minutes and seconds of a
// small one (kToSecond), each in a cell of its own.
void WriteMinutesAndSeconds(Table& t, double degrees) {
    const AngleParts size = SplitAngle(FullCircleAngleValue(degrees, kShowDegrees), kToSecond);
    t.Cell(15, "right", Integer(size.minutes + 60 * size.whole, 2).Text());
    t.Cell(15, "right", Integer(size.seconds, 2).Text());
}

// A cell of the row of units under the headings.
struct UnitCell {
    int width;
    const char* align;  // none: no alignment
    const char* markup;
};

// One column of an ephemeris table: its heading, which spans `span` cells,
// the units under it, and how it writes its cells of a row.
struct EphemerisColumn {
    int span;
    int width;
    const char* heading;
    UnitCell units[3];
    void (*write)(Table& table, const EphemerisRow& row);
};

constexpr EphemerisColumn kRightAscension{
    3, 45, "Right Ascension", {{15, "right", "h"}, {15, "right", "m"}, {15, "right", "s"}},
    [](Table& t, const EphemerisRow& r) { t.Parts(FullCircleAngleValue(r.rightAscension, kShowHours), true); }};
constexpr EphemerisColumn kDeclination{
    3, 50, "Declination", {{20, "right", "&deg;"}, {15, "right", "'"}, {15, "right", "&quot;"}},
    [](Table& t, const EphemerisRow& r) { t.Parts(LatitudeValue(r.declination, kLatitudeMinusSign), false); }};
constexpr EphemerisColumn kDistance{
    1, 40, "Distance from Earth", {{40, "left", "AU"}},
    [](Table& t, const EphemerisRow& r) { t.Cell(40, nullptr, DistanceText(r.distance).Text()); }};
// The whole size in arcseconds.
constexpr EphemerisColumn kSizeInArcseconds{
    1, 30, "Angular Size", {{30, "right", "\""}}, [](Table& t, const EphemerisRow& r) {
        t.Cell(30, "right", Integer(static_cast<int>(std::lround(r.angularSize * 3600.0)), 0).Text());
    }};
constexpr EphemerisColumn kSizeInMinutes{
    2, 30, "Angular Size", {{15, "right", "'"}, {15, "right", "&quot;"}},
    [](Table& t, const EphemerisRow& r) { WriteMinutesAndSeconds(t, r.angularSize); }};
constexpr EphemerisColumn kMagnitude{
    1, 45, "Magnitude", {{45, "left", "&nbsp;"}}, [](Table& t, const EphemerisRow& r) {
        String text;
        FormatMagnitude(r.magnitude, text, 1);
        t.Cell(45, "right", text.Text());
    }};
constexpr EphemerisColumn kHeliocentricLongitude{
    1, 40, "Heliocentric Longitude", {{40, "right", "&deg;"}},
    [](Table& t, const EphemerisRow& r) { t.Cell(40, "right", DecimalDegrees(r.heliocentricLongitude).Text()); }};
constexpr EphemerisColumn kElongation{
    2, 50, "Elongation", {{35, "right", "&deg;"}, {15, "right", "&nbsp;"}}, [](Table& t, const EphemerisRow& r) {
        t.Cell(35, "right", DecimalDegrees(r.elongation).Text());
        t.MarkupCell(15, "left", r.elongation > 0.0 ? "E" : "W");
    }};
constexpr EphemerisColumn kEclipticLongitude{
    2, 35, "Ecliptic Longitude", {{20, "right", "&deg;"}, {15, "right", "'"}}, [](Table& t, const EphemerisRow& r) {
        const AngleParts lon = SplitAngle(FullCircleAngleValue(r.eclipticLongitude, kShowDegrees), kToMinute);
        t.Cell(20, "right", Integer(lon.whole, 0).Text());
        t.Cell(15, "right", Integer(lon.minutes, 2).Text());
    }};
constexpr EphemerisColumn kPhase{
    1, 45, "Phase", {{45, nullptr, "&nbsp;"}}, [](Table& t, const EphemerisRow& r) {
        String text;
        FormatPercentage(r.phase, 1, text);
        t.Cell(45, "right", text.Text());
    }};

constexpr const EphemerisColumn* kPlanetColumns[] = {&kRightAscension, &kDeclination, &kDistance,
                                                     &kSizeInArcseconds, &kMagnitude, &kHeliocentricLongitude,
                                                     &kElongation};
constexpr const EphemerisColumn* kSunColumns[] = {&kRightAscension, &kDeclination, &kEclipticLongitude, &kDistance,
                                                  &kSizeInMinutes};
constexpr const EphemerisColumn* kMoonColumns[] = {&kRightAscension, &kDeclination, &kSizeInMinutes, &kPhase};

struct ColumnList {
    const EphemerisColumn* const* begin;
    const EphemerisColumn* const* end;
};

ColumnList ColumnsOf(int type) {
    if (type == kSolarEphemerides) return {std::begin(kSunColumns), std::end(kSunColumns)};
    if (type == kLunarEphemerides) return {std::begin(kMoonColumns), std::end(kMoonColumns)};
    return {std::begin(kPlanetColumns), std::end(kPlanetColumns)};
}

}  // namespace

bool EphemerisWriter::WriteBody() {
    Table t(*this);
    ReportPageText& page = Page();
    const ColumnList columns = ColumnsOf(type_);
    const std::int32_t year = Data()->Settings().dateTime.year;
    WriteLine(*this, "<h1>", Title().Text(), "</h1>");
    t.Line(type_ == kSolarEphemerides   ? "<table summary=\"Sun\">"
           : type_ == kLunarEphemerides ? "<table summary=\"Moon\">"
                                        : "<table summary=\"Planet\">");
    page.AppendAscii("   <tr valign=\"top\" class=\"");
    page.AppendAscii(t.HeaderClass());
    page.AppendAscii("\">\r\n      <td colspan=\"2\" width=\"55\" height=\"37\">Date ");
    page.AppendEscaped(Integer(year, 4).Text());
    page.AppendAscii("</td>\r\n");
    t.Line("      <td width=\"22\" height=\"37\">&nbsp;</td>");
    for (const EphemerisColumn* const* c = columns.begin; c != columns.end; ++c) {
        if (c != columns.begin) t.Spacer();
        t.HeadCell((*c)->span, (*c)->width, (*c)->heading);
    }
    t.Line("   </tr>");
    // Units.
    page.AppendAscii("   <tr class=\"");
    page.AppendAscii(t.HeaderClass());
    page.AppendAscii("\">\r\n      <td colspan=\"2\">&nbsp;</td>\r\n");
    t.Spacer();
    for (const EphemerisColumn* const* c = columns.begin; c != columns.end; ++c) {
        if (c != columns.begin) t.Spacer();
        for (const UnitCell& unit : (*c)->units) {
            if (unit.markup != nullptr) t.MarkupCell(unit.width, unit.align, unit.markup);
        }
    }
    t.Line("   </tr>");

    // The rows of the year, in date order.
    const EphemerisRow* rows = nullptr;
    int count = 0;
    if (type_ == kSolarEphemerides) {
        const auto& data = static_cast<const SunEphemerisData&>(*Data());
        rows = data.Rows().data();
        count = static_cast<int>(data.Rows().size());
    } else if (type_ == kLunarEphemerides) {
        rows = &static_cast<const MoonEphemerisData&>(*Data()).Row(0);
        count = MoonEphemerisData::kRowCount;
    } else {
        rows = &static_cast<const PlanetEphemerisData&>(*Data()).Row(0);
        count = PlanetEphemerisData::kRowCount;
    }
    int previousMonth = 0;
    for (int i = 0; i < count; ++i) {
        const EphemerisRow& row = rows[i];
        if (row.date.year != year) break;
        t.Line("   <tr>");
        if (row.date.month != previousMonth) {
            page.AppendAscii("      <td width=\"35\"><b>");
            page.AppendAscii(ReportMonthAbbreviation(row.date.month));
            page.AppendAscii("</b></td>\r\n");
        } else {
            t.Line("      <td width=\"35\">&nbsp;</td>");
        }
        previousMonth = row.date.month;
        page.AppendAscii("      <td width=\"20\" align=\"right\">");
        page.AppendInteger(row.date.day);
        page.AppendAscii(".</td>\r\n");
        const MoonPhase phase = type_ == kLunarEphemerides && i + 1 < count
                                    ? MoonPhaseBetween(row.phaseAngle, rows[i + 1].phaseAngle)
                                    : kNoMoonPhase;
        if (phase != kNoMoonPhase) {
            page.AppendAscii("      <td width=\"22\"><div align=\"center\"><img src=\"CorvinataInlineImage://Resource/");
            page.AppendAscii(ReportPictureName(MoonPhasePicture(phase), NightMode()));
            page.AppendAscii("\" width=\"11\" height=\"11\" alt=\"Moon\"></div></td>\r\n");
        } else {
            t.Spacer();
        }
        for (const EphemerisColumn* const* c = columns.begin; c != columns.end; ++c) {
            if (c != columns.begin) t.Spacer();
            (*c)->write(t, row);
        }
        t.Line("   </tr>");
    }
    t.Line("</table>");
    return true;
}

}  // namespace corvinata
