#include "documents/report_day_night.h"

#include <new>

#include "base/date_time_text.h"
#include "base/text_format.h"
#include "base/time_systems.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "documents/report_rise_set.h"
#include "documents/report_values.h"

namespace corvinata {

namespace {

constexpr std::uint32_t kPositionMask = kFunctionLongitude | kFunctionLatitude;
constexpr std::uint32_t kPlaceMask = kFunctionSignOfZodiac | kFunctionConstellation;
constexpr std::uint32_t kEventMask = kFunctionRise | kFunctionSet;
constexpr ReportValueStyle kNameStyle{0, 0, -1};

TimeAndPlace MomentOf(const DateTimeLocation& settings, double hours) {
    TimeAndPlace moment;
    TimeAndPlaceFromDateTimeLocation(moment, settings);
    moment.dateTime.hours = hours;
    return moment;
}

DateTime DateAt(const DateTime& date, double hours) {
    DateTime at = date;
    at.hours = hours;
    return at;
}

// The Julian days at the start and at the end of the report's day or night,
// "2460349.500 - 2460350.500".
void WriteJulianDays(ReportPageText& page, double first) {
    String text;
    FormatNumber(first, text);
    page.AppendEscaped(text.Text());
    page.AppendAscii(" - ");
    FormatNumber(first + 1.0, text);
    page.AppendEscaped(text.Text());
}

String DayNumberText(const DateTime& date, int add) {
    String text;
    StringFromInteger(DateTimeDayOfYear(date) + add, 0, text, true, ' ');
    return text;
}

double Value(const PropertyMap& map, std::uint32_t id) { return map.Value(id); }

void WriteTableClose(ReportHtmlWriter& writer) {
    WriteTableEnd(writer);
    WriteMarkupLine(writer, "<br>");
}

// One row of the table of time and place: the label's cell and the value's
// cell, both markup.
struct TimeRow {
    const char* label;
    String cell;
};

// The markup of a cell holding a text.
String ValueCell(const char* open, const String& text) {
    ReportPageText cell;
    cell.Clear(64);
    cell.AppendAscii(open);
    cell.AppendEscaped(text.Text());
    cell.AppendAscii("</td>\r\n");
    return cell.Text();
}

// The table that opens a Day or Night report: three rows of time, each
// ending with a line of the place: its name, its longitude, its latitude.
void WriteTimeAndPlaceTable(ReportHtmlWriter& writer, const Location& place, const TimeRow (&rows)[3]) {
    const String placeLines[3] = {ReportPlaceText(place), ReportLongitudeText(place), ReportLatitudeText(place)};
    WriteTableStart(writer, "Time and location", true);
    for (int i = 0; i < 3; ++i) {
        WriteDataRowStart(writer);
        WriteMarkupLine(writer, rows[i].label);
        writer.Page().Append(rows[i].cell.Text());
        WriteLine(writer, "      <td align=\"right\">", placeLines[i].Text());
        WriteRowEnd(writer);
    }
    WriteTableClose(writer);
}

// The Sun's and Moon's table of right ascension, declination, constellation
// and sign, opened right after the rise and set table.
// The right ascension, declination, constellation and zodiac sign cells of
// a body's row.
void WritePositionCells(ReportHtmlWriter& writer, const PropertyMap& map) {
    WriteLine(writer, "      <td width=\"100\" align=\"right\">",
              ReportPropertyText(map, kFunctionLongitude, kPositionStyle).Text());
    WriteLine(writer, "      <td width=\"80\" align=\"right\">",
              ReportPropertyText(map, kFunctionLatitude, kPositionStyle).Text());
    WriteLine(writer, "      <td width=\"100\">", ReportPropertyText(map, kFunctionConstellation, kNameStyle).Text());
    WriteLine(writer, "      <td width=\"100\">", ReportPropertyText(map, kFunctionSignOfZodiac, kNameStyle).Text());
}

void WritePositionTable(ReportHtmlWriter& writer, const char* summary, const PropertyMap& map) {
    ReportPageText& page = writer.Page();
    page.AppendAscii("</table>");
    WriteTableStart(writer, summary);
    WriteHeaderRowStart(writer);
    WriteMarkupLine(writer, "      <td width=\"100\">Right Ascension</td>");
    WriteMarkupLine(writer, "      <td width=\"80\">Declination</td>");
    WriteMarkupLine(writer, "      <td width=\"100\">Constellation</td>");
    WriteMarkupLine(writer, "      <td width=\"100\">Sign of Zodiac</td>");
    WriteRowEnd(writer);
    WriteDataRowStart(writer);
    WritePositionCells(writer, map);
    WriteRowEnd(writer);
    WriteTableEnd(writer);
}

// The Sun's or the Moon's section of a Day or Night report: the heading, the
// table of the rising and setting cells with a second column, then the
// table of positions. The two cells of rising and setting are markup; the
// second column holds a text in the first row and, when `note` is not
// empty, markup in the second.
struct BodySection {
    ReportPicture picture;
    const Char* name;
    const char* summary;
    const char* column;  // the heading cell of the second column
    String first, second;
    String value;
    String note;
};

void WriteBodySection(ReportHtmlWriter& writer, const BodySection& section, const PropertyMap& map) {
    ReportPageText& page = writer.Page();
    WriteSectionHeading(writer, section.picture, section.name, section.name);
    WriteTableStart(writer, section.summary);
    WriteHeaderRowStart(writer);
    WriteMarkupLine(writer, "      <td width=\"60\">Rise/Set</td>");
    WriteMarkupLine(writer, section.column);
    WriteRowEnd(writer);
    WriteDataRowStart(writer);
    page.AppendAscii("      <td width=\"60\">");
    page.Append(section.first.Text());
    page.AppendAscii("</td>\r\n");
    WriteLine(writer, "      <td width=\"150\">", section.value.Text());
    WriteRowEnd(writer);
    WriteDataRowStart(writer);
    page.AppendAscii("      <td width=\"60\">");
    page.Append(section.second.Text());
    page.AppendAscii("</td>\r\n");
    page.Append(section.note.Text());
    WriteRowEnd(writer);
    WritePositionTable(writer, section.summary, map);
}

// The markup of a rising or setting cell of the Day report: the arrow, then
// the time.
String DayEventCell(const char* arrow, const PropertyMap& map, std::uint32_t event) {
    ReportPageText text;
    text.Clear(32);
    text.AppendAscii(arrow);
    text.AppendEscaped(ReportPropertyText(map, event, kEventTimeStyle).Text());
    return text.Text();
}

// "45.2% (waxing)"
String PhaseText(const PropertyMap& moon, bool capital) {
    String text = ReportPropertyText(moon, kFunctionPhase, kNameStyle);
    const char* word = Value(moon, kFunctionPhase) > 50.0              ? "gibbous"
                       : Value(moon, kFunctionElongationAngular) > 0.0 ? "waxing"
                                                                       : "waning";
    Char buffer[16];
    int n = 0;
    buffer[n++] = ' ';
    buffer[n++] = '(';
    for (const char* c = word; *c != '\0'; ++c) buffer[n++] = static_cast<Char>(*c);
    if (capital) buffer[2] = static_cast<Char>(buffer[2] - 'a' + 'A');
    buffer[n++] = ')';
    buffer[n] = 0;
    StringAppend(text, buffer);
    return text;
}

// How well a planet can be seen in the dark part of the report's day
// (`window`: the Sun's rising and setting) from the local midnight or noon
// `frameStart`.
int RatePlanet(const CelestialObject& planet, const EventTimePair& window, const EventTimePair& pair,
               const PropertyMap& map, const DateTime& frameStart) {
    VisibilityRecord record;
    record.body = &planet;
    record.window = window;
    record.pair = pair;
    record.elongation = map.Value(kFunctionElongationAngular);
    record.frameStart = frameStart;
    record.frameStart.timeSystem = kLocalCivilTime;
    return RateVisibility(record);
}

// The planet's name and its visibility, bold when it can be seen.
void WritePlanetNameCell(ReportHtmlWriter& writer, const CelestialObject& planet, bool bold) {
    ReportPageText& page = writer.Page();
    page.AppendAscii("      <td width=\"60\">");
    if (bold) page.AppendAscii("<b>");
    page.AppendEscaped(ObjectKeyName(planet));
    if (bold) page.AppendAscii("</b>");
    page.AppendAscii("</td>\r\n");
}

void WriteVisibilityAndValues(ReportHtmlWriter& writer, int rating, const PropertyMap& map) {
    ReportPageText& page = writer.Page();
    page.AppendAscii("      <td width=\"70\">");
    if (rating != kNotVisible) page.AppendAscii("<b>");
    page.AppendAscii(VisibilityText(rating));
    if (rating != kNotVisible) page.AppendAscii("</b>");
    page.AppendAscii("</td>\r\n");
    WriteLine(writer, "      <td width=\"70\" align=\"right\">",
              ReportPropertyText(map, kFunctionElongationAngular, kElongationStyle).Text());
    WriteLine(writer, "      <td width=\"45\" align=\"right\">",
              ReportPropertyText(map, kFunctionMagnitude, kMagnitudeStyle).Text());
    WritePositionCells(writer, map);
}

void WritePlanetsHeader(ReportHtmlWriter& writer, const char* riseSetCell) {
    WriteSectionHeading(writer, ReportPicture::Planet, TXT("Planet"), TXT("Planets"));
    WriteTableStart(writer, "Planets");
    WriteHeaderRowStart(writer);
    WriteMarkupLine(writer, "      <td width=\"60\">Planet</td>");
    WriteMarkupLine(writer, riseSetCell);
    WriteMarkupLine(writer, "      <td width=\"70\">Visibility</td>");
    WriteMarkupLine(writer, "      <td width=\"70\" align=\"center\">Elongation</td>");
    WriteMarkupLine(writer, "      <td width=\"45\" align=\"center\">Mag</td>");
    WriteMarkupLine(writer, "      <td width=\"100\" align=\"center\">Right Ascension</td>");
    WriteMarkupLine(writer, "      <td width=\"80\" align=\"center\">Declination</td>");
    WriteMarkupLine(writer, "      <td width=\"100\">Constellation</td>");
    WriteMarkupLine(writer, "      <td width=\"100\">Sign of Zodiac</td>");
    WriteRowEnd(writer);
}

}  // namespace

// ---- Day report ----

std::unique_ptr<ReportData> DayReportModel::Clone() const {
    return std::unique_ptr<ReportData>(new (std::nothrow) DayReportModel(*this));
}

void DayReportModel::Calculate() {
    const TimeAndPlace moment = MomentOf(Settings(), 0.0);
    for (int i = 0; i < kReportPlanets; ++i) {
        planetRiseSet[i] = EventTimePair{};
        if (ComputeReportPlanet(i,
                                kPositionMask | kFunctionMagnitude | kEventMask | kFunctionElongationAngular |
                                    kPlaceMask,
                                moment, planets[i])) {
            EventTimePairAssign(planetRiseSet[i],
                                RiseSetEventsFromMap(planets[i], DateAt(moment.dateTime, 0.0)));
        }
    }
    sun.Clear();
    moon.Clear();
    if (const CelestialObject* body = ReportBody(kBodySun)) {
        ComputeReportProperties(*body, kPositionMask | kEventMask | kPlaceMask, moment, sun);
    }
    if (const CelestialObject* body = ReportBody(kBodyMoon)) {
        ComputeReportProperties(*body,
                                kPositionMask | kFunctionPhase | kEventMask | kFunctionElongationAngular |
                                    kPlaceMask,
                                moment, moon);
    }
    EventTimePairAssign(sunRiseSet, RiseSetEventsFromMap(sun, DateAt(moment.dateTime, 0.0)));
    EventTimePairAssign(moonRiseSet, RiseSetEventsFromMap(moon, DateAt(moment.dateTime, 0.0)));
}

bool DayReportWriter::WriteBody() {
    const auto& model = static_cast<const DayReportModel&>(*Data());
    const DateTimeLocation& settings = model.Settings();

    // Time and location.
    DateTime utDate = DateAt(settings.dateTime, 0.0);
    utDate.timeSystem = kUniversalTime;
    const double jd0 = DateTimeToJulianDay(utDate);
    WriteLine(*this, "<h1>", Title().Text(), "</h1>");
    ReportPageText julianDays;
    julianDays.Clear(64);
    julianDays.AppendAscii("      <td width=\"200\">");
    WriteJulianDays(julianDays, jd0);
    julianDays.AppendAscii("</td>\r\n");
    WriteTimeAndPlaceTable(*this, settings.location,
                           {{"      <td width=\"80\">Julian Date:</td>", julianDays.Text()},
                            {"      <td width=\"80\">Day number:</td>",
                             ValueCell("      <td width=\"200\">", DayNumberText(settings.dateTime, 0))},
                            {"      <td width=\"80\">&nbsp;</td>", String(TXT("      <td width=\"100\">&nbsp;</td>\r\n"))}});

    WriteBodySection(*this,
                     {ReportPicture::Sun, TXT("Sun"), "Sun", "      <td width=\"150\">Length of Day</td>",
                      DayEventCell("&uarr;", model.sun, kFunctionRise), DayEventCell("&darr;", model.sun, kFunctionSet),
                      ReportDurationText(HoursAboveHorizon(model.sunRiseSet).above), String()},
                     model.sun);
    ReportPageText visibility;
    visibility.Clear(64);
    visibility.AppendAscii("      <td>Duration of visibility ");
    visibility.AppendEscaped(ReportDurationText(HoursAboveHorizon(model.moonRiseSet).above).Text());
    visibility.AppendAscii("</td>\r\n");
    WriteBodySection(*this,
                     {ReportPicture::Moon, TXT("Moon"), "Moon", "      <td width=\"150\">Phase</td>",
                      DayEventCell("&uarr;", model.moon, kFunctionRise), DayEventCell("&darr;", model.moon, kFunctionSet),
                      PhaseText(model.moon, false), visibility.Text()},
                     model.moon);

    // Planets.
    WritePlanetsHeader(*this, "      <td colspan=\"5\" align=\"center\">Rise and Set</td>");
    for (int i = 0; i < kReportPlanets; ++i) {
        const CelestialObject* planet = ReportBody(kBodyPlanet, i);
        if (planet == nullptr) continue;
        const int rating = RatePlanet(*planet, model.sunRiseSet, model.planetRiseSet[i], model.planets[i],
                                      DateAt(settings.dateTime, 0.0));
        WriteDataRowStart(*this);
        WritePlanetNameCell(*this, *planet, rating != kNotVisible);
        WriteMarkupLine(*this, "      <td width=\"10\" align=\"right\">&nbsp;</td>");
        WriteLine(*this, "      <td width=\"35\" align=\"right\">",
                  ReportPropertyText(model.planets[i], kFunctionRise, kEventTimeStyle).Text());
        WriteMarkupLine(*this, "      <td width=\"5\" align=\"center\">/</td>");
        WriteLine(*this, "      <td width=\"35\" align=\"right\">",
                  ReportPropertyText(model.planets[i], kFunctionSet, kEventTimeStyle).Text());
        WriteMarkupLine(*this, "      <td width=\"10\" align=\"right\">&nbsp; </td>");
        WriteVisibilityAndValues(*this, rating, model.planets[i]);
        WriteRowEnd(*this);
    }
    WriteTableEnd(*this);
    return true;
}

// ---- Night report ----

void NightRiseSetCells(const EventTimePair& pair, const DateTime& nextDay, String& first, String& second) {
    const auto cell = [&pair, &nextDay](const EventTime& event, String& out) {
        ReportPageText text;
        text.Clear(64);
        text.AppendAscii(IsRiseOf(pair, event) ? "&uarr; " : "&darr; ");
        const bool occurs = event.state == kEventOccurs && event.dateTime.hours != kNoTimeHours;
        text.AppendEscaped(ReportTimeText(occurs ? event.dateTime.hours : kNoTimeHours).Text());
        if (occurs && event.dateTime.year == nextDay.year && event.dateTime.month == nextDay.month &&
            event.dateTime.day == nextDay.day) {
            text.AppendAscii("*");
        }
        out = text.Text();
    };
    cell(EarlierOfRiseSet(pair), first);
    cell(LaterOfRiseSet(pair), second);
}

std::unique_ptr<ReportData> NightReportModel::Clone() const {
    return std::unique_ptr<ReportData>(new (std::nothrow) NightReportModel(*this));
}

void NightReportModel::Calculate() {
    const TimeAndPlace evening = MomentOf(Settings(), 12.0);
    nextDay = DateAt(evening.dateTime, 0.0);
    DateTimeAddDays(nextDay, 1);
    TimeAndPlace midnight = evening;
    midnight.dateTime = nextDay;

    sun.Clear();
    moon.Clear();
    sunNight = EventTimePair{};
    moonNight = EventTimePair{};
    if (const CelestialObject* body = ReportBody(kBodySun)) {
        EventTimePairAssign(sunNight, NightRiseSet(*body, evening));
        ComputeReportProperties(*body, kPositionMask | kPlaceMask, midnight, sun);
    }
    if (const CelestialObject* body = ReportBody(kBodyMoon)) {
        EventTimePairAssign(moonNight, NightRiseSet(*body, evening));
        ComputeReportProperties(*body, kPositionMask | kFunctionPhase | kFunctionElongationAngular | kPlaceMask,
                                midnight, moon);
    }
    for (int i = 0; i < kReportPlanets; ++i) {
        planetNight[i] = EventTimePair{};
        if (const CelestialObject* planet = ComputeReportPlanet(
                i, kPositionMask | kFunctionMagnitude | kFunctionElongationAngular | kPlaceMask, midnight,
                planets[i])) {
            EventTimePairAssign(planetNight[i], NightRiseSet(*planet, evening));
        }
    }
}

bool NightReportWriter::WriteBody() {
    const auto& model = static_cast<const NightReportModel&>(*Data());
    const DateTimeLocation& settings = model.Settings();
    ReportPageText& page = Page();

    const DateTime date1 = DateAt(settings.dateTime, 12.0);
    DateTime date2 = date1;
    DateTimeAddDays(date2, 1);
    DateTime utNoon = date1;
    utNoon.timeSystem = kUniversalTime;
    const double jd0 = DateTimeToJulianDay(utNoon);

    WriteLine(*this, "<h1>", Title().Text(), "</h1>");
    ReportPageText dates, julianDays, dayNumbers;
    dates.Clear(64);
    dates.AppendAscii("      <td width=\"250\">");
    dates.AppendEscaped(ReportShortDate(date1).Text());
    dates.AppendAscii(", 12:00 - ");
    dates.AppendEscaped(ReportShortDate(date2).Text());
    dates.AppendAscii(", 12:00</td>\r\n");
    julianDays.Clear(64);
    julianDays.AppendAscii("      <td width=\"200\">");
    WriteJulianDays(julianDays, jd0);
    julianDays.AppendAscii("</td>\r\n");
    dayNumbers.Clear(64);
    dayNumbers.AppendAscii("      <td width=\"100\">");
    dayNumbers.AppendEscaped(DayNumberText(date1, 0).Text());
    dayNumbers.AppendAscii(", ");
    dayNumbers.AppendEscaped(DayNumberText(date1, 1).Text());
    dayNumbers.AppendAscii("</td>\r\n");
    WriteTimeAndPlaceTable(*this, settings.location,
                           {{"      <td width=\"80\">Date:</td>", dates.Text()},
                            {"      <td width=\"80\">Julian Date:</td>", julianDays.Text()},
                            {"      <td width=\"80\">Day numbers:</td>", dayNumbers.Text()}});

    BodySection sun{ReportPicture::Sun, TXT("Sun"), "Sun", "      <td width=\"150\">Length of Night</td>",
                    String(), String(), ReportDurationText(HoursAboveHorizon(model.sunNight).below), String()};
    NightRiseSetCells(model.sunNight, model.nextDay, sun.first, sun.second);
    WriteBodySection(*this, sun, model.sun);
    BodySection moon{ReportPicture::Moon, TXT("Moon"), "Moon", "      <td width=\"150\">Phase</td>",
                     String(), String(), PhaseText(model.moon, true), String()};
    NightRiseSetCells(model.moonNight, model.nextDay, moon.first, moon.second);
    WriteBodySection(*this, moon, model.moon);

    String first, second;

    // Planets.
    WritePlanetsHeader(*this, "      <td colspan=\"2\" align=\"center\">Rise and Set</td>");
    for (int i = 0; i < kReportPlanets; ++i) {
        const CelestialObject* planet = ReportBody(kBodyPlanet, i);
        if (planet == nullptr) continue;
        const int rating = RatePlanet(*planet, model.sunNight, model.planetNight[i], model.planets[i], date1);
        NightRiseSetCells(model.planetNight[i], model.nextDay, first, second);
        WriteDataRowStart(*this);
        WritePlanetNameCell(*this, *planet, rating != kNotVisible);
        page.AppendAscii("      <td width=\"60\" align=\"center\">");
        page.Append(first.Text());
        page.AppendAscii("</td>\r\n      <td width=\"60\" align=\"center\">");
        page.Append(second.Text());
        page.AppendAscii("</td>\r\n");
        WriteVisibilityAndValues(*this, rating, model.planets[i]);
        WriteRowEnd(*this);
    }
    WriteTableEnd(*this);
    page.AppendAscii("<p>&nbsp;</p><p>* Event occurs on ");
    page.AppendEscaped(ReportShortDate(date2).Text());
    page.AppendAscii("</p>\r\n");
    page.AppendAscii("<p>Data other than rising/setting times calculated for ");
    page.AppendEscaped(FormatDateTimeJoined(model.nextDay, 1, false, TXT(" ")).Text());
    return true;
}

}  // namespace corvinata
