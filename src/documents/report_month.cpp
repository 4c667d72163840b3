#include "documents/report_month.h"

#include <algorithm>
#include <cmath>
#include <new>

#include "app/app_interfaces.h"
#include "app/notification.h"
#include "astro/eclipse_texts.h"
#include "base/angle_value.h"
#include "base/colour_table.h"
#include "base/date_time_text.h"
#include "base/text_format.h"
#include "catalog/celestial_object.h"
#include "catalog/event_kinds.h"
#include "catalog/property_map.h"
#include "documents/graph_document.h"
#include "documents/report_ephemerides.h"
#include "documents/report_values.h"

namespace corvinata {

namespace {

MonthDayRecord ComputeDay(const CelestialObject* body, std::uint32_t mask, const DateTimeLocation& settings,
                          const DateTime& date) {
    MonthDayRecord record;
    record.date = date;
    if (body == nullptr) return record;
    PropertyMap map;
    ComputeReportProperties(*body, mask, ReportMomentAt(settings, date), map);
    EventTimePairAssign(record.riseSet, RiseSetEventsFromMap(map, date));
    record.rightAscension = map.Value(kFunctionLongitude);
    record.declination = map.Value(kFunctionLatitude);
    if (map.Has(kFunctionMorningTwilightNautical)) {
        record.morningTwilight = map.Value(kFunctionMorningTwilightNautical);
    }
    if (map.Has(kFunctionEveningTwilightNautical)) {
        record.eveningTwilight = map.Value(kFunctionEveningTwilightNautical);
    }
    if (map.Has(kFunctionConstellation)) record.constellation = map.Value(kFunctionConstellation);
    if (map.Has(kFunctionPhase)) record.phase = map.Value(kFunctionPhase);
    if (map.Has(kFunctionElongationAngular)) record.elongation = map.Value(kFunctionElongationAngular);
    return record;
}

double MoonPhaseAngle(const CelestialObject& moon, const DateTimeLocation& settings, const DateTime& date) {
    PropertyMap map;
    ComputeReportProperties(moon, kFunctionMoonReportAngle, ReportMomentAt(settings, date), map);
    return map.Value(kFunctionMoonReportAngle);
}

bool SameMonth(const DateTime& a, const DateTime& b) noexcept { return a.year == b.year && a.month == b.month; }

}  // namespace

std::unique_ptr<ReportData> MonthReportData::Clone() const {
    return std::unique_ptr<ReportData>(new (std::nothrow) MonthReportData(*this));
}

void MonthReportData::Calculate() {
    DateTimeLocation settings;
    DateTimeLocationInit(settings);
    DateTimeLocationAssign(settings, Settings());
    settings.dateTime = DateTime{settings.dateTime.year, settings.dateTime.month, 1, 0.0, kLocalCivilTime};
    SetSettings(settings);
    const DateTime first = settings.dateTime;

    const CelestialObject* sunBody = ReportBody(kBodySun);
    DateTime date = first;
    for (MonthDayRecord& record : sun) {
        record = ComputeDay(sunBody,
                            kFunctionLongitude | kFunctionLatitude | kFunctionRise | kFunctionSet |
                                kFunctionMorningTwilightNautical | kFunctionEveningTwilightNautical,
                            settings, date);
        DateTimeAddDays(date, 5);
    }

    // The phases: each day's phase angle against the previous day's; a
    // phase is dated on the day in which it falls. The last day looked at
    // is the first of the next month, so that a phase on it is listed too.
    phases.clear();
    const CelestialObject* moonBody = ReportBody(kBodyMoon);
    if (moonBody != nullptr) {
        DateTime stop = first;
        DateTimeAddMonths(stop, 1);
        DateTimeAddDays(stop, 2);
        DateTime previous = first;
        double previousAngle = MoonPhaseAngle(*moonBody, settings, previous);
        for (date = first, DateTimeAddDays(date, 1); DateTimeIsEarlier(date, stop); DateTimeAddDays(date, 1)) {
            const double angle = MoonPhaseAngle(*moonBody, settings, date);
            const MoonPhase phase = MoonPhaseBetween(previousAngle, angle);
            if (phase != kNoMoonPhase) phases.emplace_back(previous, phase);
            previous = date;
            previousAngle = angle;
        }
    }
    date = first;
    for (MonthDayRecord& record : moon) {
        record = ComputeDay(moonBody,
                            kFunctionLongitude | kFunctionLatitude | kFunctionPhase | kFunctionRise | kFunctionSet |
                                kFunctionConstellation,
                            settings, date);
        DateTimeAddDays(date, 1);
    }

    for (int i = 0; i < kPlanets; ++i) {
        planets[i].clear();
        const CelestialObject* planet = ReportBody(kBodyPlanet, i);
        if (planet == nullptr) continue;
        const int step = i < 2 ? 5 : 10;
        for (date = first; SameMonth(date, first); DateTimeAddDays(date, step)) {
            planets[i].push_back(
                ComputeDay(planet, kFunctionRise | kFunctionSet | kFunctionElongationAngular, settings, date));
        }
    }
}

void TwilightChartRange(bool found, double lowest, double highest, double& bottom, double& top) noexcept {
    if (!found) {
        bottom = 0.0;
        top = 24.0;
        return;
    }
    bottom = std::floor(lowest);
    top = std::floor(highest) + 1.0;
    const int missing = 5 - static_cast<int>(top - bottom);
    if (missing > 0) {
        const int smaller = missing / 2;
        const int larger = missing - smaller;
        // The larger half goes where there is less room between the values
        // and the range's end.
        if (top - highest < lowest - bottom) {
            top += larger;
            bottom -= smaller;
        } else {
            top += smaller;
            bottom -= larger;
        }
    }
    if (bottom < 0.0) {
        top -= bottom;
        bottom = 0.0;
    }
    if (top > 24.0) {
        bottom -= top - 24.0;
        top = 24.0;
    }
}

// ---- the writer ----

void MonthReportWriter::HeldImage::Replace(GraphImageBytes&& captured) {
    Release();
    bytes = std::move(captured);
    if (!bytes.empty()) {
        registration = std::make_unique<InlineImageRegistration>(ReportInlineImages(), bytes.data(),
                                                                 static_cast<std::uint32_t>(bytes.size()));
    }
}

void MonthReportWriter::HeldImage::Release() {
    // The page may no longer name the bytes once they are freed.
    registration.reset();
    bytes.clear();
    bytes.shrink_to_fit();
}

MonthReportWriter::~MonthReportWriter() {
    for (HeldImage& image : images_) image.Release();
}

namespace {

class ReportMoment final : public CurrentTimeAndLocationInterface {
public:
    explicit ReportMoment(const DateTimeLocation& record) : record_(record) {}
    const DateTimeLocation& GetTimeAndLocation() const override { return record_; }

private:
    const DateTimeLocation& record_;
};

struct ChartLine {
    const Char* name;
    const Char* expression;
    int colour, fillBelow, fillAbove;
};

void SetMonthRange(GraphDocument& graph, const DateTimeLocation& settings, bool horizontal) {
    TimeAndLocation& s = graph.Settings();
    LocationAssign(s.location, settings.location);
    s.daylightSaving = settings.daylightSaving;
    s.beginDate = settings.dateTime;
    s.endDate = s.beginDate;
    DateTimeAddMonths(s.endDate, 1);
    s.endFixed = true;
    s.stepUnit = kDaysUnit;
    s.stepCount = DateTimeDaysInMonth(s.beginDate) / kStepsPerRange;
    s.xAxisHorizontal = horizontal;
    s.xAxisTimeSystem = kLocalCivilTime;
    s.xAxisGridActive = true;
    s.yAxisGridActive = true;
    graph.ChooseXAxisStep();
}

void AddLines(GraphDocument& graph, const ChartLine* lines, int count) {
    for (int i = 0; i < count; ++i) {
        GraphLine line;
        StringAssign(line.name, lines[i].name);
        line.SetExpression(String(lines[i].expression));
        line.scriptEdited = true;
        line.colour = lines[i].colour;
        line.fillBelow = lines[i].fillBelow;
        line.fillAbove = lines[i].fillAbove;
        graph.InsertLine(graph.LineCount(), line);
    }
}

constexpr ChartLine kMorningLines[4] = {
    {TXT("Sunrise"), TXT("Sun.Rise(Lct)"), 16, 16, 1},
    {TXT("Civ. Twilight"), TXT("Sun.TwiMorningCivBegin(Lct)"), 15, 15, 16},
    {TXT("Nau. Twilight"), TXT("Sun.TwiMorningNauBegin(Lct)"), 14, 14, 15},
    {TXT("Ast. Twilight"), TXT("Sun.TwiMorningAstBegin(Lct)"), 0, 0, 14},
};
constexpr ChartLine kEveningLines[4] = {
    {TXT("Ast. Twilight"), TXT("Sun.TwiEveningAstEnd(Lct)"), 14, 14, 0},
    {TXT("Nau. Twilight"), TXT("Sun.TwiEveningNauEnd(Lct)"), 15, 15, 14},
    {TXT("Civ. Twilight"), TXT("Sun.TwiEveningCivEnd(Lct)"), 16, 16, 15},
    {TXT("Sunset"), TXT("Sun.Set(Lct)"), 1, 1, 16},
};

struct Satellites {
    const Char* planet;
    const Char* expressions[4];
    const Char* names[4];
    double range;
};
constexpr Satellites kJovian{TXT("Jupiter"),
                             {TXT("Io.RectCrdX()"), TXT("Europa.RectCrdX()"), TXT("Ganymede.RectCrdX()"),
                              TXT("Callisto.RectCrdX()")},
                             {TXT("Io"), TXT("Europa"), TXT("Ganymede"), TXT("Callisto")},
                             30.0};
constexpr Satellites kSaturnian{TXT("Saturn"),
                                {TXT("Rhea.RectCrdX()"), TXT("Titan.RectCrdX()"), TXT("Hyperion.RectCrdX()"),
                                 TXT("Iapetus.RectCrdX()")},
                                {TXT("Rhea"), TXT("Titan"), TXT("Hyperion"), TXT("Iapetus")},
                                70.0};

int SatelliteColour(int position, bool night) noexcept {
    static constexpr int kDay[4] = {6, 10, 13, 16};
    static constexpr int kNight[4] = {12, 10, 11, 14};
    return night ? kNight[position] : kDay[position];
}

void ComputeGraph(GraphImageInterface* images, GraphDocument& graph) {
    if (images != nullptr) {
        images->ComputeGraphWithWaitCursor(graph, false);
    } else {
        graph.ComputeAllLines(false);
    }
}

}  // namespace

void MonthReportWriter::RenderCharts() {
    const DateTimeLocation& settings = Data()->Settings();
    ReportMoment moment(settings);
    const GraphServices services = ObjectModelGraphServices(moment);
    GraphImageInterface* images = GetGraphImageInterface();
    NotificationHub hub;
    const auto capture = [&](int image, const GraphDocument& graph, int kind, int width, int height) {
        GraphImageBytes bytes;
        if (images != nullptr) {
            bytes = kind == 0   ? images->CaptureGraphArea(graph, width, height)
                    : kind == 1 ? images->CaptureGraphXAxis(graph, width, height)
                                : images->CaptureGraphYAxis(graph, width, height);
        }
        images_[image].Replace(std::move(bytes));
    };

    for (int chart = 0; chart < 2; ++chart) {
        GraphDocument graph(hub, services);
        SetMonthRange(graph, settings, true);
        AddLines(graph, chart == 0 ? kMorningLines : kEveningLines, 4);
        ComputeGraph(images, graph);
        if (graph.ValueKind() == kValueKindUnknown) graph.UpdateGraphRange();
        double lowest = 0.0, highest = 0.0, bottom = 0.0, top = 24.0;
        const bool found = chart == 0 ? graph.GetVisibleYRange(0.0, 12.0, lowest, highest)
                                      : graph.GetVisibleYRange(12.0, 24.0, lowest, highest);
        TwilightChartRange(found, lowest, highest, bottom, top);
        graph.Settings().yAxisMin = bottom;
        graph.Settings().yAxisMax = top;
        const int base = chart == 0 ? kMorningChart : kEveningChart;
        capture(base, graph, 0, 150, 150);
        capture(base + 1, graph, 1, 150, 30);
        capture(base + 2, graph, 2, 30, 150);
    }
    for (int chart = 0; chart < 2; ++chart) {
        const Satellites& s = chart == 0 ? kJovian : kSaturnian;
        GraphDocument graph(hub, services);
        SetMonthRange(graph, settings, false);
        ChartLine lines[5] = {{s.planet, TXT("0"), 0, -1, -1}};
        for (int i = 0; i < 4; ++i) lines[i + 1] = {s.names[i], s.expressions[i], SatelliteColour(i, NightMode()), -1, -1};
        AddLines(graph, lines, 5);
        ComputeGraph(images, graph);
        if (graph.ValueKind() == kValueKindUnknown) graph.UpdateGraphRange();
        graph.Settings().yAxisMin = -s.range;
        graph.Settings().yAxisMax = s.range;
        const int base = chart == 0 ? kJovianChart : kSaturnianChart;
        capture(base, graph, 0, 150, 450);
        capture(base + 1, graph, 1, 30, 450);
    }
}

void MonthReportWriter::AppendImageCell(int width, int image, const char* alt) {
    ReportPageText& page = Page();
    page.AppendAscii("      <td width=\"");
    page.AppendInteger(width);
    page.AppendAscii("\"><img src=\"");
    String url;
    InlineImageUrl(url, images_[image].bytes.data(), static_cast<std::uint32_t>(images_[image].bytes.size()));
    page.AppendEscaped(url.Text());
    page.AppendAscii("\" alt=\"");
    page.AppendAscii(alt);
    page.AppendAscii("\"></td>\r\n");
}

namespace {

String TimeOf(const EventTime& event) {
    return ReportTimeText(event.state == kEventOccurs ? event.dateTime.hours : kNoTimeHours);
}

String RaText(double degrees) {
    String text;
    FullCircleAngleFormat(FullCircleAngleValue(degrees, kShowHours), text, kAngleSexagesimal, kToSecond,
                          kAutomaticDecimals);
    return text;
}

String DecText(double degrees) {
    String text;
    LatitudeFormat(LatitudeValue(degrees, kLatitudeMinusSign), text, kAngleDecimal, kToSecond, 2);
    return text;
}

String DayText(int day) {
    String text;
    StringFromInteger(day, 0, text, true, ' ');
    return text;
}

String PhaseText(double phase) {
    String text;
    FormatPercentage(phase, 1, text);
    return text;
}

String ConstellationText(double constellation) {
    PropertyMap map;
    map.Set(kFunctionConstellation, constellation);
    return ReportPropertyText(map, kFunctionConstellation, kPositionStyle);
}

// One column of the Sun's and the Moon's daily tables: its heading and the
// width of the heading's cell, the opening tag of its cells and the text of
// a day's cell.
struct DayColumn {
    const char* heading;
    int width;
    const char* open;
    String (*text)(const MonthDayRecord&);
};

constexpr DayColumn kSunColumns[] = {
    {"Twilight begins", 45, "      <td>", [](const MonthDayRecord& r) { return ReportTimeText(r.morningTwilight); }},
    {"Rise", 45, "      <td>", [](const MonthDayRecord& r) { return TimeOf(r.riseSet.first); }},
    {"Set", 45, "      <td>", [](const MonthDayRecord& r) { return TimeOf(r.riseSet.second); }},
    {"Twilight ends", 45, "      <td>", [](const MonthDayRecord& r) { return ReportTimeText(r.eveningTwilight); }},
    {"Right Ascension", 45, "      <td align=\"right\">", [](const MonthDayRecord& r) { return RaText(r.rightAscension); }},
    {"Declination", 50, "      <td align=\"right\">", [](const MonthDayRecord& r) { return DecText(r.declination); }},
};

constexpr DayColumn kMoonColumns[] = {
    {"Rise", 45, "      <td>", [](const MonthDayRecord& r) { return TimeOf(r.riseSet.first); }},
    {"Set", 45, "      <td>", [](const MonthDayRecord& r) { return TimeOf(r.riseSet.second); }},
    {"Right Ascension", 45, "      <td align=\"right\">", [](const MonthDayRecord& r) { return RaText(r.rightAscension); }},
    {"Declination", 50, "      <td align=\"right\">", [](const MonthDayRecord& r) { return DecText(r.declination); }},
    {"Phase", 25, "      <td>", [](const MonthDayRecord& r) { return PhaseText(r.phase); }},
    {"Constellation", 25, "      <td>", [](const MonthDayRecord& r) { return ConstellationText(r.constellation); }},
};

// The heading row of a month's table: its class and the month's name.
void HeaderRow(ReportHtmlWriter& writer, int month, const char* align) {
    ReportPageText& page = writer.Page();
    page.AppendAscii("   <tr valign=\"top\" class=\"");
    page.AppendAscii(writer.NightMode() ? "tableheader1NightMode" : "tableheader1");
    page.AppendAscii("\">\r\n      <td width=\"25\" align=\"");
    page.AppendAscii(align);
    page.AppendAscii("\">");
    page.AppendAscii(ReportMonthAbbreviation(month));
    page.AppendAscii("</td>\r\n");
}

// A table of the days of the month: a row of headings, then a row for each
// record of the month, a spacer after every cell; closes the table.
template <std::size_t N>
void WriteDayTable(ReportHtmlWriter& writer, const DayColumn (&columns)[N], const MonthDayRecord* records,
                   std::size_t count, const DateTime& first) {
    ReportPageText& page = writer.Page();
    HeaderRow(writer, first.month, "right");
    for (const DayColumn& column : columns) {
        WriteSpacerCell(writer, 15);
        page.AppendAscii("      <td width=\"");
        page.AppendInteger(column.width);
        page.AppendAscii("\">");
        page.AppendAscii(column.heading);
        page.AppendAscii("</td>\r\n");
    }
    page.AppendAscii("   </tr>\r\n");
    for (std::size_t i = 0; i < count; ++i) {
        const MonthDayRecord& r = records[i];
        if (!SameMonth(r.date, first)) continue;
        page.AppendAscii("   <tr>\r\n");
        WriteLine(writer, "      <td align=\"right\">", DayText(r.date.day).Text());
        WriteSpacerCell(writer, 15);
        for (const DayColumn& column : columns) {
            WriteLine(writer, column.open, column.text(r).Text());
            WriteSpacerCell(writer, 15);
        }
        page.AppendAscii("   </tr>\r\n");
    }
    page.AppendAscii("</table>\r\n");
}

}  // namespace

bool MonthReportWriter::WriteBody() {
    const auto& data = static_cast<const MonthReportData&>(*Data());
    const DateTimeLocation& settings = data.Settings();
    const DateTime& first = settings.dateTime;
    ReportPageText& page = Page();

    // Place.
    WriteLine(*this, "<h1>", Title().Text(), "</h1>");
    WriteTableStart(*this, "Location", true);
    const String lines[3] = {ReportPlaceText(settings.location), ReportLongitudeText(settings.location),
                             ReportLatitudeText(settings.location)};
    for (const String& line : lines) {
        WriteDataRowStart(*this);
        WriteLine(*this, "      <td align=\"right\">", line.Text());
        WriteRowEnd(*this);
    }
    WriteDataRowStart(*this);
    page.AppendAscii(settings.daylightSaving ? "      <td align=\"right\">Daylight saving time is on</td>\r\n"
                                             : "      <td align=\"right\">Daylight saving time is off</td>\r\n");
    WriteRowEnd(*this);
    page.AppendAscii("</table>\r\n<br>\r\n");

    // Sun.
    WriteSectionHeading(*this, ReportPicture::Sun, TXT("Sun"), TXT("Sun"));
    page.AppendAscii("<h3>Sunrise/sunset and coordinates</h3>\r\n<table summary=\"Sun\">\r\n");
    WriteDayTable(*this, kSunColumns, data.sun, MonthReportData::kSunRecords, first);

    // Twilight charts.
    RenderCharts();
    page.AppendAscii("<h3>Morning and evening twilight</h3>\r\n<table summary=\"Twilight\">\r\n   <tr>\r\n");
    page.AppendAscii("      <td width=\"30\">&nbsp;</td>\r\n      <td>Morning twilight</td>\r\n");
    page.AppendAscii("      <td width=\"100\">&nbsp;</td>\r\n      <td width=\"30\">&nbsp;</td>\r\n");
    page.AppendAscii("      <td>Evening twilight</td>\r\n   </tr>\r\n   <tr>\r\n");
    AppendImageCell(30, kMorningYAxis, "Y axis");
    AppendImageCell(150, kMorningChart, "Morning twilight");
    WriteSpacerCell(*this, 100);
    AppendImageCell(30, kEveningYAxis, "Y axis");
    AppendImageCell(150, kEveningChart, "Evening twilight");
    page.AppendAscii("   </tr>\r\n   <tr>\r\n");
    WriteSpacerCell(*this, 30);
    AppendImageCell(150, kMorningXAxis, "X axis");
    WriteSpacerCell(*this, 100);
    WriteSpacerCell(*this, 30);
    AppendImageCell(150, kEveningXAxis, "X axis");
    page.AppendAscii("   </tr>\r\n</table>\r\n<p>&nbsp;</p>\r\n<table summary=\"Twilight legend\">\r\n");
    static constexpr const char* kLegend[5][2] = {
        {"FFFFFF", "Sun above horizon"},
        {"C0C0C0", "Sun up to 6&deg; below horizon (civil twilight)"},
        {"808080", "Sun up to 12&deg; below horizon (nautical twilight)"},
        {"404040", "Sun up to 18&deg; below horizon (astronomical twilight)"},
        {"000000", "Sun more than 18&deg; below horizon"},
    };
    for (const auto& entry : kLegend) {
        page.AppendAscii("<tr>\r\n<td width=\"45\" bgcolor=\"#");
        page.AppendAscii(entry[0]);
        page.AppendAscii("\" style=\"border: 1px solid black\">&nbsp;</td>\r\n<td width=\"10\">&nbsp;</td>\r\n<td>");
        page.AppendAscii(entry[1]);
        page.AppendAscii("</td>\r\n</tr>\r\n");
    }
    page.AppendAscii("</table>\r\n");

    // Moon.
    WriteSectionHeading(*this, ReportPicture::Moon, TXT("Moon"), TXT("Moon"));
    page.AppendAscii("<h3>Phases</h3>\r\n<table summary=\"Moon\">\r\n");
    static constexpr const char* kPhaseNames[4] = {"New moon", "First quarter", "Full moon", "Last quarter"};
    for (const auto& [date, phase] : data.phases) {
        page.AppendAscii("   <tr>\r\n      <td width=\"30\" align=\"left\"><div align=\"center\"><img src=\"CorvinataInlineImage://Resource/");
        page.AppendAscii(ReportPictureName(MoonPhasePicture(phase), NightMode()));
        page.AppendAscii("\" width=\"11\" height=\"11\" alt=\"Moon\"></div></td>\r\n      <td width=\"80\" align=\"left\">");
        page.AppendAscii(kPhaseNames[phase]);
        page.AppendAscii("</td>\r\n");
        WriteLine(*this, "      <td width=\"20\" align=\"right\">", DayText(date.day).Text());
        page.AppendAscii("   </tr>\r\n");
    }
    page.AppendAscii("</table>\r\n<p>&nbsp;</p><p>&nbsp;</p>\r\n<table summary=\"Moon\">\r\n");
    WriteDayTable(*this, kMoonColumns, data.moon, MonthReportData::kMoonRecords, first);

    // Planets.
    WriteSectionHeading(*this, ReportPicture::Planet, TXT("Planet"), TXT("Planets"));
    for (int i = 0; i < MonthReportData::kPlanets; ++i) {
        const CelestialObject* planet = ReportBody(kBodyPlanet, i);
        if (planet == nullptr) continue;
        WriteLine(*this, "<h3>", ObjectKeyName(*planet), "</h3>");
        page.AppendAscii("<table summary=\"Planets\">\r\n");
        HeaderRow(*this, first.month, "left");
        page.AppendAscii("      <td width=\"50\" align=\"left\">Rise</td>\r\n      <td width=\"50\" align=\"left\">Set</td>\r\n");
        page.AppendAscii("      <td colspan=\"2\" width=\"50\" align=\"left\">Elongation</td>\r\n   </tr>\r\n");
        for (const MonthDayRecord& r : data.planets[i]) {
            page.AppendAscii("   <tr>\r\n");
            WriteLine(*this, "      <td width=\"25\" align=\"right\">", DayText(r.date.day).Text());
            WriteLine(*this, "      <td width=\"45\" align=\"left\">", TimeOf(r.riseSet.first).Text());
            WriteLine(*this, "      <td width=\"45\" align=\"left\">", TimeOf(r.riseSet.second).Text());
            String elongation;
            FormatAngleDecimal(FullCircleAngleValue(std::fabs(r.elongation), kShowDegrees), kToSecond, 1, elongation);
            WriteLine(*this, "      <td align=\"right\">", elongation.Text());
            page.AppendAscii(r.elongation > 0.0 ? "      <td width=\"15\" align=\"right\">E</td>\r\n"
                                                : "      <td width=\"15\" align=\"right\">W</td>\r\n");
            page.AppendAscii("   </tr>\r\n");
        }
        page.AppendAscii("</table>\r\n");
    }

    // Satellites.
    WriteSectionHeading(*this, ReportPicture::PlanetarySatellite, TXT("Jovian and Saturnian satellites"),
                        TXT("Jovian and Saturnian satellites"));
    page.AppendAscii("<table summary=\"Legend\">\r\n   <tr>\r\n");
    WriteSpacerCell(*this, 30);
    page.AppendAscii("      <td colspan=\"2\"><b>Jovian satellites</b></td>\r\n");
    WriteSpacerCell(*this, 50);
    WriteSpacerCell(*this, 30);
    page.AppendAscii("      <td colspan=\"2\"><b>Saturnian satellites</b></td>\r\n   </tr>\r\n");
    for (int i = 0; i < 4; ++i) {
        String colour;
        FormatColourHtml(kColourTable[SatelliteColour(i, NightMode())].colour, colour);
        page.AppendAscii("   <tr>\r\n");
        for (int side = 0; side < 2; ++side) {
            WriteSpacerCell(*this, 30);
            page.AppendAscii("      <td width=\"20\"><font color=\"#");
            page.AppendEscaped(colour.Text());
            page.AppendAscii("\">&mdash;</font></td>\r\n");
            WriteLine(*this, "      <td width=\"130\">", (side == 0 ? kJovian : kSaturnian).names[i]);
            if (side == 0) WriteSpacerCell(*this, 50);
        }
        page.AppendAscii("   </tr>\r\n");
    }
    page.AppendAscii("</table>\r\n<table summary=\"Jovian and Saturnian satellites\">\r\n   <tr>\r\n");
    AppendImageCell(30, kJovianAxis, "X axis");
    AppendImageCell(150, kJovianChart, "Jovian satellites");
    page.AppendAscii("      <td width=\"50\"></td>\r\n");
    AppendImageCell(30, kSaturnianAxis, "X axis");
    AppendImageCell(150, kSaturnianChart, "Saturnian satellites");
    page.AppendAscii("   </tr>\r\n</table>\r\n");
    return true;
}

}  // namespace corvinata
