#include "script/script_clauses.h"

#include <bitset>

#include "base/date_time.h"
#include "catalog/celestial_object.h"
#include "script/clause_values.h"
#include "script/expression_rules.h"
#include "script/script_lexer.h"

namespace corvinata {
namespace {

// How a clause reads its value and what it emits.
enum class Form : std::uint8_t {
    kNoReader,
    kFlag,        // the keyword alone; emits the operation
    kHighlight,   // the keyword alone; sets the switch value
    kSwitch,      // on/off; operation, switch
    kChoice,      // a word of a choice list; operation, index
    kGrid,        // grid type, then the optional Appearance and Labels
    kAdvance,     // time step read with its own message; operation, step
    kStep,        // time step; operation, step
    kDate,        // date; operation and date word, or kept when no operation
    kTime,        // time; operation and time word, or kept
    kLatitude,    // latitude; operation and degrees, or kept
    kLongitude,   // longitude; operation and west degrees, or kept
    kTimeZone,    // time zone, kept
    kInteger,     // integer within the row's range; operation, integer
    kFloat,       // number within the row's range; operation, double
    kZoomPercent, // integer 0..100; operation, integer
    kAxisBound,   // integer, deferred to the end of a Graph statement
    kText,        // quoted text, kept
    kColour,      // quoted or unquoted text, kept
    kNumericCode, // quoted numeric expression, kept
    kSearchCode,  // quoted search expression; operation, string
    kNested,      // nested clause list; then the operation when there is one
    kAddLine,
    kBegin,
    kLocation,
    kCenter,
    kEclipse,
    kLineNames,   // "Lines", then quoted line names; operation, strings, list end
    kMoonNames,   // moon names; operation, bodies, list end
    kSelectMoon,
    kSelectPicture,
    kSelectPlanet,
    kSelectBody,
    kZoomMoon,
    kZoomPlanet,
    kPosition,
    kFunction,
};

// Where a kept value goes.
enum Kept : int { kKeptCountry, kKeptTown, kKeptLineName };

// Nested and statement sets, by index into kSets.
enum SetIndex : int {
    kSetApplication, kSetGraph, kSetExplorer, kSetPicture, kSetSolarEclipse, kSetSky,
    kSetSolarSystem, kSetConstellation, kSetDeepSky, kSetPlanet, kSetStar, kSetView,
    kSetEcliptic, kSetAddLine, kSetBegin, kSetGrid, kSetHighlight, kSetCenter, kSetObserver,
    kSetCoordinates, kSetPlace,
    kStatementGraph, kStatementExplorer, kStatementPicture, kStatementSolarEclipse,
    kStatementSky, kStatementSolarSystem, kStatementApplication, kStatementSearch,
};

// Choice lists, by index into kChoices.
enum ChoiceIndex : int {
    kChoiceConstellationNames, kChoiceDeepSkyCatalog, kChoiceDeepSkyNames, kChoiceGrid,
    kChoiceGridDisplay, kChoiceHorizon, kChoiceMap, kChoicePlanets,
};

constexpr WordChoice kChoices[] = {
    {{TXT("none"), TXT("abbr"), TXT("full")}, 3, TXT("Invalid constellation name type")},
    {{TXT("none"), TXT("messier"), TXT("ngcic"), TXT("caldwell"), TXT("herschel400")}, 5,
     TXT("Invalid deep sky catalog")},
    {{TXT("proper"), TXT("ngcic"), TXT("messier"), TXT("caldwell"), TXT("herschel400"),
      TXT("none")}, 6, TXT("Invalid deep sky name system")},
    {{TXT("none"), TXT("hor"), TXT("equ")}, 3, TXT("Invalid grid type")},
    {{TXT("lines"), TXT("crosses")}, 2, TXT("Invalid value for grid display")},
    {{TXT("none"), TXT("classic"), TXT("seasonal")}, 3, TXT("Invalid horizon type")},
    {{TXT("horizontal"), TXT("equatorial"), TXT("realistic")}, 3, TXT("Invalid map type")},
    {{TXT("none"), TXT("all"), TXT("realistic")}, 3, TXT("Invalid planet type")},
};

struct ClauseRow {
    const Char* name;     // in messages
    Form form;
    const Char* keyword;  // the first keyword
    CodeWord op;          // 0: emits no operation of its own
    int arg;              // choice, set or kept-value index
    double minimum;
    double maximum;
};

constexpr double kNoRange = 1.0;  // a minimum above the maximum: no range

constexpr ClauseRow kClauses[kClauseCount] = {
    {TXT("Activate"), Form::kFlag, TXT("Activate"), 31, 0, 0, 0},
    {TXT("Add Line"), Form::kAddLine, TXT("Add"), 0, kSetAddLine, 0, 0},
    {TXT("Advance"), Form::kAdvance, TXT("Advance"), 33, 0, 0, 0},
    {TXT("Set"), Form::kNested, TXT("Set"), kOpClauseListEnd, kSetApplication, 0, 0},
    {TXT("Begin Date"), Form::kDate, TXT("Begin"), 60, 0, 0, 0},
    {TXT("Begin Date and Time"), Form::kBegin, TXT("Begin"), 60, kSetBegin, 0, 0},
    {TXT("Code"), Form::kNumericCode, TXT("Code"), 0, 0, 0, 0},
    {TXT("Code"), Form::kNoReader, TXT(""), 0, 0, 0, 0},
    {TXT("Code"), Form::kSearchCode, TXT("Code"), 55, 0, 0, 0},
    {TXT("Colour"), Form::kColour, TXT("Colour"), 0, 0, 0, 0},
    // 10
    {TXT("Constellation Boundaries"), Form::kSwitch, TXT("Boundaries"), 56, 0, 0, 0},
    {TXT("Constellation Lines"), Form::kSwitch, TXT("Lines"), 57, 0, 0, 0},
    {TXT("Constellation Names"), Form::kChoice, TXT("Names"), 58, kChoiceConstellationNames, 0, 0},
    {TXT("Country"), Form::kText, TXT("Country"), 0, kKeptCountry, 0, 0},
    {TXT("Date"), Form::kDate, TXT("Date"), 0, 0, 0, 0},
    {TXT("Date"), Form::kDate, TXT("Date"), 59, 0, 0, 0},
    {TXT("DeepSky Indicate Image"), Form::kSwitch, TXT("IndicateImage"), 62, 0, 0, 0},
    {TXT("DeepSky Show Catalog"), Form::kChoice, TXT("Catalog"), 63, kChoiceDeepSkyCatalog, 0, 0},
    {TXT("DeepSky Show Names"), Form::kChoice, TXT("Names"), 64, kChoiceDeepSkyNames, 0, 0},
    {TXT("DST"), Form::kSwitch, TXT("Dst"), 65, 0, 0, 0},
    // 20
    {TXT("Ecliptic"), Form::kSwitch, TXT("Ecliptic"), 66, 0, 0, 0},
    {TXT("Ecliptic Constellations"), Form::kSwitch, TXT("Constellations"), 67, 0, 0, 0},
    {TXT("Ecliptic RA"), Form::kSwitch, TXT("RA"), 68, 0, 0, 0},
    {TXT("Ecliptic Sight"), Form::kSwitch, TXT("Sight"), 69, 0, 0, 0},
    {TXT("Ecliptic Zodiac"), Form::kSwitch, TXT("Zodiac"), 70, 0, 0, 0},
    {TXT("End Date"), Form::kDate, TXT("End"), 61, 0, 0, 0},
    {TXT("Set"), Form::kNested, TXT("Set"), 0, kSetGraph, 0, 0},
    {TXT("Grid"), Form::kGrid, TXT("Grid"), 71, kChoiceGrid, 0, 0},
    {TXT("Grid Appearance"), Form::kChoice, TXT("Appearance"), 38, kChoiceGridDisplay, 0, 0},
    {TXT("Grid Labels"), Form::kSwitch, TXT("Labels"), 39, 0, 0, 0},
    // 30
    {TXT("Guide Line"), Form::kInteger, TXT("GuideLine"), 72, 0, 0, 365},
    {TXT("Hide Lines"), Form::kLineNames, TXT("Hide"), 40, 0, 0, 0},
    {TXT("Highlight"), Form::kHighlight, TXT("Highlight"), 0, 0, 0, 0},
    {TXT("Horizon"), Form::kChoice, TXT("Horizon"), 73, kChoiceHorizon, 0, 0},
    {TXT("Latitude"), Form::kLatitude, TXT("Lat"), 0, 0, 0, 0},
    {TXT("Latitude"), Form::kLatitude, TXT("Lat"), 74, 0, 0, 0},
    {TXT("Location"), Form::kLocation, TXT("Location"), 75, 0, 0, 0},
    {TXT("Longitude"), Form::kLongitude, TXT("Lon"), 0, 0, 0, 0},
    {TXT("Longitude"), Form::kLongitude, TXT("Lon"), 76, 0, 0, 0},
    {TXT("Map"), Form::kChoice, TXT("Map"), 77, kChoiceMap, 0, 0},
    // 40
    {TXT("Moon"), Form::kSwitch, TXT("Moon"), 78, 0, 0, 0},
    {TXT("Name"), Form::kText, TXT("Name"), 0, kKeptLineName, 0, 0},
    {TXT("Names"), Form::kSwitch, TXT("Names"), 79, 0, 0, 0},
    {TXT("Orbits"), Form::kSwitch, TXT("Orbits"), 80, 0, 0, 0},
    {TXT("Hide"), Form::kMoonNames, TXT("Hide"), 40, 0, 0, 0},
    {TXT("Select"), Form::kSelectMoon, TXT("Select"), 54, 0, 0, 0},
    {TXT("Set"), Form::kNested, TXT("Set"), 0, kSetExplorer, 0, 0},
    {TXT("Show"), Form::kMoonNames, TXT("Show"), 106, 0, 0, 0},
    {TXT("Zoom"), Form::kZoomMoon, TXT("Zoom"), 112, 0, 0, 0},
    {TXT("Scale"), Form::kSwitch, TXT("ScaleToFit"), 87, 0, 0, 0},
    // 50
    {TXT("Select"), Form::kSelectPicture, TXT("Select"), 54, 0, 0, 0},
    {TXT("Set"), Form::kNested, TXT("Set"), 0, kSetPicture, 0, 0},
    {TXT("Planet Names"), Form::kSwitch, TXT("Names"), 81, 0, 0, 0},
    {TXT("Planet Symbols"), Form::kSwitch, TXT("Symbols"), 83, 0, 0, 0},
    {TXT("Planets"), Form::kChoice, TXT("Show"), 82, kChoicePlanets, 0, 0},
    {TXT("Planet Tracks"), Form::kSwitch, TXT("Tracks"), 84, 0, 0, 0},
    {TXT("Position"), Form::kPosition, TXT("Position"), 85, 0, 0, 0},
    {TXT("Retreat"), Form::kAdvance, TXT("Retreat"), 49, 0, 0, 0},
    {TXT("RTC"), Form::kSwitch, TXT("Rtc"), 86, 0, 0, 0},
    {TXT("Center"), Form::kCenter, TXT("Center"), 0, kSetCenter, 0, 0},
    // 60
    {TXT("Eclipse Date"), Form::kEclipse, TXT("Eclipse"), 53, 0, 0, 0},
    {TXT("Observer"), Form::kNested, TXT("Observer"), 0, kSetObserver, 0, 0},
    {TXT("Set"), Form::kNested, TXT("Set"), 0, kSetSolarEclipse, 0, 0},
    {TXT("Zoom"), Form::kZoomPercent, TXT("Zoom"), 112, 0, 0, 100},
    {TXT("Show Lines"), Form::kLineNames, TXT("Show"), 106, 0, 0, 0},
    {TXT("Select"), Form::kSelectBody, TXT("Select"), 54, 0, 0, 0},
    {TXT("Set"), Form::kNested, TXT("Set"), 0, kSetSky, 0, 0},
    {TXT("Constellation"), Form::kNested, TXT("Constellation"), 0, kSetConstellation, 0, 0},
    {TXT("Deep Sky"), Form::kNested, TXT("DeepSky"), 0, kSetDeepSky, 0, 0},
    {TXT("Planet"), Form::kNested, TXT("Planet"), 0, kSetPlanet, 0, 0},
    // 70
    {TXT("Star"), Form::kNested, TXT("Star"), 0, kSetStar, 0, 0},
    {TXT("View"), Form::kNested, TXT("View"), 0, kSetView, 0, 0},
    {TXT("Ecliptic"), Form::kNested, TXT("Ecliptic"), 0, kSetEcliptic, 0, 0},
    {TXT("Function"), Form::kFunction, TXT("Function"), 107, 0, 0, 0},
    {TXT("Select"), Form::kSelectPlanet, TXT("Select"), 54, 0, 0, 0},
    {TXT("Set"), Form::kNested, TXT("Set"), 0, kSetSolarSystem, 0, 0},
    {TXT("Zoom"), Form::kZoomPlanet, TXT("Zoom"), 112, 0, 0, 0},
    {TXT("Star Letters"), Form::kSwitch, TXT("Letters"), 88, 0, 0, 0},
    {TXT("Star Magnitude Limit"), Form::kFloat, TXT("Magnitude"), 89, 0, 0, 20},
    {TXT("Star Names"), Form::kSwitch, TXT("Names"), 90, 0, 0, 0},
    // 80
    {TXT("Stars Stationary"), Form::kSwitch, TXT("StarsStationary"), 91, 0, 0, 0},
    {TXT("Step"), Form::kStep, TXT("Step"), 92, 0, 0, 0},
    {TXT("Sun"), Form::kSwitch, TXT("Sun"), 93, 0, 0, 0},
    {TXT("Swap East and West"), Form::kSwitch, TXT("SwapEW"), 94, 0, 0, 0},
    {TXT("Swap North and South"), Form::kSwitch, TXT("SwapNS"), 95, 0, 0, 0},
    {TXT("Symbols"), Form::kSwitch, TXT("Symbols"), 96, 0, 0, 0},
    {TXT("Tilt"), Form::kInteger, TXT("Tilt"), 97, 0, -360, 360},
    {TXT("Time"), Form::kTime, TXT("Time"), 0, 0, 0, 0},
    {TXT("Time"), Form::kTime, TXT("Time"), 98, 0, 0, 0},
    {TXT("Time Zone"), Form::kTimeZone, TXT("TimeZone"), 0, 0, 0, 0},
    // 90
    {TXT("Town"), Form::kText, TXT("Town"), 0, kKeptTown, 0, 0},
    {TXT("Viewing Field"), Form::kInteger, TXT("Field"), 99, 0, 10, 180},
    {TXT("Viewing Latitude"), Form::kFloat, TXT("Lat"), 100, 0, -90, 90},
    {TXT("Viewing Longitude"), Form::kFloat, TXT("Lon"), 101, 0, 0, 360},
    {TXT("X Axis Label"), Form::kStep, TXT("XAxisLabel"), 102, 0, 0, 0},
    {TXT("X Axis Mark"), Form::kStep, TXT("XAxisMark"), 103, 0, 0, 0},
    {TXT("Y Axis From"), Form::kAxisBound, TXT("YAxisFrom"), 104, 0, kNoRange, 0},
    {TXT("Y Axis To"), Form::kAxisBound, TXT("YAxisTo"), 105, 1, kNoRange, 0},
};

constexpr ClauseRule O = kOptionalOnce;
constexpr ClauseRule R = kRequiredOnce;

constexpr ClausePlace kApplicationSet[] = {{15, O}, {19, O}, {36, O}, {58, O}, {80, O}, {88, O}};
constexpr ClausePlace kGraphSet[] = {{5, O},  {19, O}, {30, O}, {36, O}, {56, O},
                                     {81, O}, {94, O}, {95, O}, {96, O}, {97, O}};
constexpr ClausePlace kExplorerSet[] = {{15, O}, {42, O}, {43, O}, {48, O}, {56, O},
                                        {83, O}, {84, O}, {86, O}, {88, O}};
constexpr ClausePlace kPictureSet[] = {{49, O}, {56, O}};
constexpr ClausePlace kSolarEclipseSet[] = {{56, O}, {60, O}, {61, O}, {63, O}};
constexpr ClausePlace kSkySet[] = {{15, O}, {20, O}, {27, O}, {33, O}, {39, O}, {40, O}, {56, O},
                                   {67, O}, {68, O}, {69, O}, {70, O}, {71, O}, {82, O}, {88, O}};
constexpr ClausePlace kSolarSystemSet[] = {{15, O}, {40, O}, {42, O}, {43, O}, {56, O},
                                           {72, O}, {73, O}, {76, O}, {85, O}, {88, O}};
constexpr ClausePlace kConstellationSet[] = {{10, O}, {11, O}, {12, O}};
constexpr ClausePlace kDeepSkySet[] = {{16, O}, {17, O}, {18, O}};
constexpr ClausePlace kPlanetSet[] = {{52, O}, {53, O}, {54, O}, {55, O}};
constexpr ClausePlace kStarSet[] = {{77, O}, {78, O}, {79, O}};
constexpr ClausePlace kViewSet[] = {{91, O}, {92, O}, {93, O}};
constexpr ClausePlace kEclipticSet[] = {{21, O}, {22, O}, {23, O}, {24, O}};
constexpr ClausePlace kAddLineSet[] = {{6, R}, {9, R}, {41, R}};
constexpr ClausePlace kBeginSet[] = {{14, R}, {87, R}};
constexpr ClausePlace kGridSet[] = {{28, O}, {29, O}};
constexpr ClausePlace kHighlightSet[] = {{32, O}};
constexpr ClausePlace kCenterSet[] = {{34, R}, {37, R}};
constexpr ClausePlace kObserverSet[] = {{15, O}, {35, O}, {38, O}, {88, O}};
constexpr ClausePlace kCoordinatesSet[] = {{34, R}, {37, R}, {89, R}};
constexpr ClausePlace kPlaceSet[] = {{13, R}, {90, R}};

constexpr ClausePlace kOpenGraphSet[] = {{0, O}, {1, kOptionalRepeated}, {26, O}, {31, O}, {64, O}};
constexpr ClausePlace kOpenExplorerSet[] = {{0, O},  {2, O},  {44, O}, {45, O},
                                            {46, O}, {47, O}, {57, O}};
constexpr ClausePlace kOpenPictureSet[] = {{0, O}, {50, O}, {51, O}};
constexpr ClausePlace kOpenSolarEclipseSet[] = {{0, O}, {2, O}, {57, O}, {59, O}, {62, O}};
constexpr ClausePlace kOpenSkySet[] = {{0, O}, {2, O}, {57, O}, {65, O}, {66, O}};
constexpr ClausePlace kOpenSolarSystemSet[] = {{0, O}, {2, O}, {57, O}, {74, O}, {75, O}};
constexpr ClausePlace kWithApplicationSet[] = {{3, R}};
constexpr ClausePlace kSearchSet[] = {{4, R}, {8, R}, {19, R}, {25, R}, {36, R}, {81, R}};

struct SetRow {
    ClauseSet set;
    bool atLeastOne;
};

template <std::size_t N>
constexpr SetRow Row(const ClausePlace (&places)[N], bool atLeastOne) {
    return {{places, static_cast<int>(N)}, atLeastOne};
}

constexpr SetRow kSets[] = {
    Row(kApplicationSet, true),   Row(kGraphSet, true),         Row(kExplorerSet, true),
    Row(kPictureSet, true),       Row(kSolarEclipseSet, true),  Row(kSkySet, true),
    Row(kSolarSystemSet, true),   Row(kConstellationSet, true), Row(kDeepSkySet, true),
    Row(kPlanetSet, true),        Row(kStarSet, true),          Row(kViewSet, true),
    Row(kEclipticSet, true),      Row(kAddLineSet, true),       Row(kBeginSet, true),
    Row(kGridSet, false),         Row(kHighlightSet, false),    Row(kCenterSet, true),
    Row(kObserverSet, true),      Row(kCoordinatesSet, false),  Row(kPlaceSet, true),
    Row(kOpenGraphSet, false),    Row(kOpenExplorerSet, false), Row(kOpenPictureSet, false),
    Row(kOpenSolarEclipseSet, false), Row(kOpenSkySet, false), Row(kOpenSolarSystemSet, false),
    Row(kWithApplicationSet, true), Row(kSearchSet, true),
};

// A clause list that names a date and a time of 24:00 (the midnight that
// ends the day) names the next day's 0:00: its words say so, whatever the
// order of the clauses, and the time word stays a time of day. On the last
// valid day, which has no next one, the time is held at 23:59:59.
void CarryDayEndIntoDate(ScriptCode& code, std::size_t dateAt, std::size_t timeAt) {
    if (dateAt == 0 || timeAt == 0 || code[timeAt] != kDayEndWord) return;
    const CodeWord word = code[dateAt];
    DateTime moment;
    moment.year = static_cast<std::int32_t>(word / 10000);
    moment.month = static_cast<std::int32_t>(word / 100 % 100);
    moment.day = static_cast<std::int32_t>(word % 100);
    moment.hours = 24.0;
    CarryDayEnd(moment);
    code[dateAt] = DateWord(moment);
    code[timeAt] = TimeOfDayWord(moment.hours);
}

int CompileNestedSet(CompilerContext& context, int set) {
    return CompileClauseList(context, kSets[set].atLeastOne, kSets[set].set);
}

void Emit(CompilerContext& context, CodeWord word) { context.code.push_back(word); }

// Once a value has been read: the operation (none when 0), then the
// value's words through `emitValue`.
template <class EmitValue>
int Then(int status, CompilerContext& context, CodeWord op, EmitValue emitValue) {
    if (status == kParsed && op != 0) {
        Emit(context, op);
        emitValue();
    }
    return status;
}

int Then(int status, CompilerContext& context, CodeWord op) {
    return Then(status, context, op, [] {});
}

// Reads the optional Highlight after a selected body; emits the body and
// the switch.
int CompileSelection(CompilerContext& context, int status) {
    if (status != kParsed) return status;
    const BodyRef body = context.values.body;
    context.values.switchValue = false;
    SkipBlanks(context);
    status = CompileNestedSet(context, kSetHighlight);
    if (status == kParseError) return status;
    EmitBody(context.code, body.type, body.number);
    Emit(context, context.values.switchValue ? 1 : 0);
    return kParsed;
}

// The grid's Appearance and Labels may stand in either order; they are
// emitted Appearance first, the order in which windows apply them.
int CompileGridParts(CompilerContext& context) {
    SkipBlanks(context);
    const std::size_t start = context.code.size();
    const int status = CompileNestedSet(context, kSetGrid);
    if (status == kParseError) return status;
    ScriptCode& code = context.code;
    if (code.size() == start + 4 && code[start] == kClauses[29].op) {
        std::swap(code[start], code[start + 2]);
        std::swap(code[start + 1], code[start + 3]);
    }
    return kParsed;
}

// The names are counted rather than ended by a word: a name is a length
// and its characters, so no word value could mark the end safely.
int CompileLineNames(CompilerContext& context, CodeWord op) {
    int status = ExpectWord(context, TXT("Lines"), false);
    if (status != kParsed) return status;
    ScriptCode& lists = context.values.lineLists;
    const std::size_t start = lists.size();
    lists.push_back(op);
    lists.push_back(0);
    CodeWord names = 0;
    String name;
    while ((status = ReadQuotedString(context, name, true)) == kParsed) {
        EmitString(lists, name.Text());
        ++names;
        SkipBlanks(context);
    }
    if (status == kParseError) return status;
    if (names == 0) return context.Fail(TXT("Expected at least one line name as quoted string"));
    lists[start + 1] = names;
    return kParsed;
}

int CompileMoonNames(CompilerContext& context, CodeWord op) {
    Emit(context, op);
    int names = 0;
    int status = kParsed;
    while ((status = ReadMoonName(context, true)) == kParsed) {
        EmitBody(context.code, context.values.body.type, context.values.body.number);
        ++names;
        SkipBlanks(context);
    }
    if (status == kParseError) return status;
    if (names == 0) return context.Fail(TXT("Expected at least one moon name as unquoted string"));
    Emit(context, kOpClauseListEnd);
    return kParsed;
}

int CompileLocation(CompilerContext& context, CodeWord op) {
    ClauseValues& values = context.values;
    values.town = TXT("");
    values.country = TXT("");
    int status = CompileNestedSet(context, kSetCoordinates);
    if (status == kNotPresent) status = CompileNestedSet(context, kSetPlace);
    if (status != kParsed) return status;
    Emit(context, op);
    if (!values.town.IsEmpty()) {
        Emit(context, 1);
        EmitString(context.code, values.country.Text());
        EmitString(context.code, values.town.Text());
    } else {
        Emit(context, 0);
        EmitDouble(context.code, values.longitude);
        EmitDouble(context.code, values.latitude);
        EmitDouble(context.code, values.timeZone);
    }
    return kParsed;
}

bool AtWholeWord(const CompilerContext& context, const Char* word) {
    return LooksAt(context, word) && !IsWordChar(context.Here()[TextLength(word)]);
}

int CompileCenter(CompilerContext& context) {
    // Centers that are a word alone, each with its operation.
    static constexpr struct {
        const Char* word;
        CodeWord op;
    } kCenterWords[] = {{TXT("Path"), 50}, {TXT("Location"), 51}};
    for (const auto& center : kCenterWords) {
        if (AtWholeWord(context, center.word)) {
            context.Position() += TextLength(center.word);
            Emit(context, center.op);
            return kParsed;
        }
    }
    const int status = CompileNestedSet(context, kSetCenter);
    if (status != kParsed) return status;
    Emit(context, 52);
    EmitDouble(context.code, context.values.longitude);
    EmitDouble(context.code, context.values.latitude);
    return kParsed;
}

// The value of a clause whose keyword has been read.
int CompileClauseValue(CompilerContext& context, const ClauseRow& row) {
    ClauseValues& values = context.values;
    ScriptCode& code = context.code;
    int status = kParsed;
    switch (row.form) {
        case Form::kNoReader:
            break;
        case Form::kFlag:
            Emit(context, row.op);
            return kParsed;
        case Form::kHighlight:
            values.switchValue = true;
            return kParsed;
        case Form::kSwitch:
            return Then(ReadSwitchValue(context), context, row.op,
                        [&] { Emit(context, values.switchValue ? 1 : 0); });
        case Form::kChoice:
        case Form::kGrid:
            status = Then(ReadChoiceValue(context, kChoices[row.arg]), context, row.op,
                          [&] { Emit(context, static_cast<CodeWord>(values.index)); });
            if (status != kParsed) return status;
            return row.form == Form::kGrid ? CompileGridParts(context) : kParsed;
        case Form::kAdvance:
        case Form::kStep:
            status = ReadStepClauseValue(context, row.form == Form::kAdvance
                                                      ? TXT("Error parsing time step")
                                                      : TXT("Invalid time step"));
            return Then(status, context, row.op, [&] { EmitTimeStep(code, values.step); });
        case Form::kDate:
            return Then(ReadDateClauseValue(context), context, row.op, [&] {
                context.dayWords.date = code.size();
                Emit(context, DateWord(values.date));
            });
        case Form::kTime:
            return Then(ReadTimeClauseValue(context), context, row.op, [&] {
                context.dayWords.time = code.size();
                Emit(context, TimeOfDayWord(values.hours));
            });
        case Form::kLatitude:
            return Then(ReadLatitudeClauseValue(context), context, row.op,
                        [&] { EmitDouble(code, values.latitude); });
        case Form::kLongitude:
            return Then(ReadLongitudeClauseValue(context), context, row.op,
                        [&] { EmitDouble(code, values.longitude); });
        case Form::kTimeZone:
            return ReadTimeZoneClauseValue(context);
        case Form::kInteger:
            status = ReadIntegerValue(context, values.integer, static_cast<int>(row.minimum),
                                      static_cast<int>(row.maximum));
            return Then(status, context, row.op,
                        [&] { Emit(context, static_cast<CodeWord>(values.integer)); });
        case Form::kFloat:
            status = ReadFloatValue(context, values.number, row.minimum, row.maximum);
            return Then(status, context, row.op, [&] { EmitDouble(code, values.number); });
        case Form::kZoomPercent: {
            const int start = context.Position();
            int zoom = 0;
            if (!ReadIntegerWord(context, zoom) || zoom < 0 || zoom > 100) {
                context.Position() = start;
                return context.Fail(TXT("Expected a number from 0 to 100"));
            }
            Emit(context, row.op);
            Emit(context, static_cast<CodeWord>(zoom));
            return kParsed;
        }
        case Form::kAxisBound:
            status = ReadIntegerValue(context, values.integer, 1, 0);
            if (status == kParsed) (row.arg == 0 ? values.yAxisFrom : values.yAxisTo) = values.integer;
            return status;
        case Form::kText: {
            String& target = row.arg == kKeptCountry ? values.country
                             : row.arg == kKeptTown  ? values.town
                                                     : values.lineName;
            return ReadQuotedString(context, target, false);
        }
        case Form::kColour:
            return ReadQuotedOrUnquotedString(context, values.lineColour);
        case Form::kNumericCode:
            status = ReadCodeValue(context, false);
            if (status == kParsed) values.lineCode = values.text;
            return status;
        case Form::kSearchCode:
            return Then(ReadCodeValue(context, true), context, row.op,
                        [&] { EmitString(code, values.text.Text()); });
        case Form::kNested:
            return Then(CompileNestedSet(context, row.arg), context, row.op);
        case Form::kAddLine:
            status = ExpectWord(context, TXT("Line"), false);
            if (status != kParsed) return status;
            values.lineName = TXT("");
            values.lineCode = TXT("");
            values.lineColour = TXT("");
            status = CompileNestedSet(context, row.arg);
            if (status == kParsed) {
                values.addLines.push_back({values.lineName, values.lineCode, values.lineColour});
            }
            return status;
        case Form::kBegin:
            return Then(CompileNestedSet(context, row.arg), context, row.op, [&] {
                const std::size_t at = code.size();
                Emit(context, DateWord(values.date));
                Emit(context, TimeOfDayWord(values.hours));
                CarryDayEndIntoDate(code, at, at + 1);
            });
        case Form::kLocation:
            return CompileLocation(context, row.op);
        case Form::kCenter:
            return CompileCenter(context);
        case Form::kEclipse:
            // The date's keyword must follow; its absence is an error at
            // that place, never a silent skip of "Eclipse".
            status = ExpectWord(context, TXT("Date"), false);
            if (status == kParsed) status = ReadDateClauseValue(context);
            return Then(status, context, row.op, [&] {
                Emit(context, DateWord(values.date));
                Emit(context, 0);  // midnight: no time is read with the date
            });
        case Form::kLineNames:
            return CompileLineNames(context, row.op);
        case Form::kMoonNames:
            return CompileMoonNames(context, row.op);
        case Form::kSelectMoon:
            Emit(context, row.op);
            return CompileSelection(context, ReadMoonName(context, false));
        case Form::kSelectPicture:
            return Then(ReadQuotedOrUnquotedString(context, values.text), context, row.op,
                        [&] { EmitString(code, values.text.Text()); });
        case Form::kSelectPlanet:
            Emit(context, row.op);
            return CompileSelection(context, ReadPlanetName(context, true));
        case Form::kSelectBody:
            Emit(context, row.op);
            return CompileSelection(context, ReadBodyNameValue(context, TXT("Unknown body name")));
        case Form::kZoomMoon:
        case Form::kZoomPlanet:
            status = row.form == Form::kZoomMoon ? ReadMoonName(context, false)
                                                 : ReadPlanetName(context, false);
            return Then(status, context, row.op,
                        [&] { EmitBody(code, values.body.type, values.body.number); });
        case Form::kPosition:
            return Then(ReadPositionValue(context), context, row.op, [&] {
                Emit(context, static_cast<CodeWord>(values.x));
                Emit(context, static_cast<CodeWord>(values.y));
            });
        case Form::kFunction:
            // The Solar System window shows planets: their functions are offered.
            status = ReadBodyFunctionKeyword(context, kBodyPlanet, false, values.functionId);
            return Then(status, context, row.op, [&] { Emit(context, values.functionId); });
    }
    return context.Fail(TXT("Internal compiler error"));
}

String JoinedNames(const ClauseSet& set) {
    String names;
    for (int i = 0; i < set.count; ++i) {
        if (i > 0) StringAppend(names, TXT(", "));
        StringAppend(names, ClauseDisplayName(set.places[i].id));
    }
    return names;
}

}  // namespace

ClauseSet StatementClauseSet(StatementClauses statement) noexcept {
    return kSets[kStatementGraph + static_cast<int>(statement)].set;
}

const Char* ClauseDisplayName(int id) noexcept {
    return id >= 0 && id < kClauseCount ? kClauses[id].name : TXT("");
}

int CompileClause(CompilerContext& context, int id) {
    if (id < 0 || id >= kClauseCount || kClauses[id].form == Form::kNoReader) {
        return context.Fail(TXT("Internal compiler error"));
    }
    const ClauseRow& row = kClauses[id];
    const bool alone = row.form == Form::kFlag || row.form == Form::kHighlight;
    const int status = alone ? ExpectLiteral(context, row.keyword, true)
                             : ExpectWord(context, row.keyword, true);
    if (status != kParsed) return status;
    return CompileClauseValue(context, row);
}

namespace {

int CompileClauses(CompilerContext& context, bool atLeastOne, const ClauseSet& set) {
    std::bitset<kClauseCount> met;
    int metCount = 0;
    for (;;) {
        const int start = context.Position();
        const ClausePlace* matched = nullptr;
        for (int i = 0; i < set.count && matched == nullptr; ++i) {
            const int status = CompileClause(context, set.places[i].id);
            if (status == kParseError) return status;
            if (status == kParsed) matched = &set.places[i];
        }
        if (matched == nullptr) break;
        const bool repeats = (matched->rule & 1) != 0;
        if (!repeats && met.test(static_cast<std::size_t>(matched->id))) {
            return context.Fail(TXT("Clause encountered more than once"),
                                ClauseDisplayName(matched->id));
        }
        met.set(static_cast<std::size_t>(matched->id));
        ++metCount;
        SkipBlanks(context);
        if (context.Position() == start) break;  // every clause reads its keyword
    }
    if (metCount == 0) {
        if (atLeastOne) {
            return context.Fail(TXT("Expected at least one clause"), JoinedNames(set).Text());
        }
        return kNotPresent;
    }
    for (int i = 0; i < set.count; ++i) {
        const ClausePlace& place = set.places[i];
        if ((place.rule & 2) != 0 && !met.test(static_cast<std::size_t>(place.id))) {
            return context.Fail(TXT("Clause missing"), ClauseDisplayName(place.id));
        }
    }
    return kParsed;
}

}  // namespace

int CompileClauseList(CompilerContext& context, bool atLeastOne, const ClauseSet& set) {
    const CompilerContext::DayWords outer = context.dayWords;
    context.dayWords = {};
    const int status = CompileClauses(context, atLeastOne, set);
    if (status == kParsed) CarryDayEndIntoDate(context.code, context.dayWords.date, context.dayWords.time);
    context.dayWords = outer;
    return status;
}

int CompileWindowClauses(CompilerContext& context, int windowKind, bool atLeastOne) {
    static constexpr StatementClauses kByKind[] = {
        StatementClauses::kGraph,        StatementClauses::kExplorer,
        StatementClauses::kPicture,      StatementClauses::kExplorer,
        StatementClauses::kSolarEclipse, StatementClauses::kSky,
        StatementClauses::kSolarSystem,
    };
    if (windowKind < 0 || windowKind > kScriptSolarSystem) {
        return context.Fail(TXT("Internal compiler error"));
    }
    if (windowKind == kScriptJupiter || windowKind == kScriptSaturn) {
        context.explorerKind = windowKind;
    }
    ClauseValues& values = context.values;
    const bool graph = windowKind == kScriptGraph;
    if (graph) {
        values.addLines.clear();
        values.lineLists.clear();
        values.yAxisFrom = kNoAxisBound;
        values.yAxisTo = kNoAxisBound;
    }
    const int status = CompileClauseList(context, atLeastOne, StatementClauseSet(kByKind[windowKind]));
    if (status == kParseError) return status;
    if (graph) {
        // Lines first, then the axis bounds, whatever their order in the text.
        for (const AddLineRecord& line : values.addLines) {
            Emit(context, 32);
            EmitString(context.code, line.name.Text());
            EmitString(context.code, line.code.Text());
            EmitString(context.code, line.colour.Text());
        }
        // Hiding or showing a line added by the same statement needs the line.
        context.code.insert(context.code.end(), values.lineLists.begin(), values.lineLists.end());
        if (values.yAxisFrom != kNoAxisBound) {
            Emit(context, 104);
            Emit(context, static_cast<CodeWord>(values.yAxisFrom));
        }
        if (values.yAxisTo != kNoAxisBound) {
            Emit(context, 105);
            Emit(context, static_cast<CodeWord>(values.yAxisTo));
        }
        Emit(context, kOpClauseListEnd);
    } else if (status == kParsed) {
        Emit(context, kOpClauseListEnd);
    }
    return kParsed;
}

}  // namespace corvinata
