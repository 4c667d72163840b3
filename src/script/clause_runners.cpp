#include "script/clause_runners.h"

#include <climits>

#include "base/date_time.h"
#include "catalog/celestial_object.h"

namespace corvinata {
namespace {

using Host = ScriptHostInterface;

struct ClauseRun {
    OperandReader& in;
    // None while the statement is only being checked.
    Host* host;
    const String& window;
    // The bodies the moon clauses of an explorer accept.
    unsigned moonTypes;
};

template <class Call>
bool Apply(const ClauseRun& run, Call call) {
    return run.host == nullptr || call(*run.host);
}

using NameOp = bool (Host::*)(const String&);
using SwitchOp = bool (Host::*)(const String&, bool);
using IntegerOp = bool (Host::*)(const String&, int);
using NumberOp = bool (Host::*)(const String&, double);
using DateOp = bool (Host::*)(const String&, const DateTime&);
using StepOp = bool (Host::*)(const String&, const TimeStep&);
using AdvanceOp = bool (Host::*)(const String&, bool, const TimeStep&);
using BodyOp = bool (Host::*)(const String&, const CelestialObject&);
using SelectOp = bool (Host::*)(const String&, const CelestialObject&, bool);
using MoonsOp = bool (Host::*)(const String&, const MoonList&);
using LinesOp = bool (Host::*)(const String&, const LineNameList&);
using EndOp = bool (Host::*)(const String&, const String&, bool);

// Stands for the moons of the explorer being driven.
constexpr unsigned kExplorerMoons = 0;
constexpr unsigned kPlanetsAndEarth = BodyTypeBit(kBodyPlanet) | BodyTypeBit(kBodyEarth);

unsigned Accepted(const ClauseRun& run, unsigned types) {
    return types == kExplorerMoons ? run.moonTypes : types;
}

template <NameOp op>
bool Flag(ClauseRun& run) {
    return Apply(run, [&](Host& host) { return (host.*op)(run.window); });
}

template <SwitchOp op>
bool Switch(ClauseRun& run) {
    bool on = false;
    return run.in.Switch(on) && Apply(run, [&](Host& host) { return (host.*op)(run.window, on); });
}

template <IntegerOp op, int minimum, int maximum>
bool Integer(ClauseRun& run) {
    int value = 0;
    return run.in.Integer(value, minimum, maximum) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, value); });
}

template <IntegerOp op, int count>
bool Choice(ClauseRun& run) {
    int index = 0;
    return run.in.Choice(index, count) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, index); });
}

template <NumberOp op, int minimum, int maximum>
bool Number(ClauseRun& run) {
    double value = 0.0;
    return run.in.Number(value, minimum, maximum) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, value); });
}

// A time of 24:00, the midnight that ends the day, is the host's to carry
// onto the window's next day: a statement that names a date as well comes
// compiled with that date's next day and 0:00.
template <NumberOp op>
bool Time(ClauseRun& run) {
    double hours = 0.0;
    return run.in.Time(hours) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, hours); });
}

template <DateOp op>
bool Date(ClauseRun& run) {
    DateTime date;
    return run.in.Date(date) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, date); });
}

// A date word followed by a time word; 24:00 is the next day's midnight.
template <DateOp op>
bool DateAndTime(ClauseRun& run) {
    DateTime date;
    if (!run.in.Date(date) || !run.in.Time(date.hours)) return false;
    CarryDayEnd(date);
    return Apply(run, [&](Host& host) { return (host.*op)(run.window, date); });
}

template <StepOp op>
bool Step(ClauseRun& run) {
    TimeStep step;
    return run.in.Step(step) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, step); });
}

template <AdvanceOp op, bool forward>
bool Advance(ClauseRun& run) {
    TimeStep step;
    return run.in.Step(step) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, forward, step); });
}

template <BodyOp op, unsigned types>
bool Body(ClauseRun& run) {
    const CelestialObject* object = nullptr;
    return run.in.Body(Accepted(run, types), object) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, *object); });
}

// The body, then whether to highlight it.
template <SelectOp op, unsigned types>
bool Select(ClauseRun& run) {
    const CelestialObject* object = nullptr;
    bool highlight = false;
    return run.in.Body(Accepted(run, types), object) && run.in.Switch(highlight) &&
           Apply(run, [&](Host& host) { return (host.*op)(run.window, *object, highlight); });
}

// Moons up to the list end.
template <MoonsOp op>
bool Moons(ClauseRun& run) {
    MoonList moons;
    while (!run.in.Accept(kOpClauseListEnd)) {
        const CelestialObject* moon = nullptr;
        if (!run.in.Body(run.moonTypes, moon)) return false;
        moons.push_back(moon);
    }
    return Apply(run, [&](Host& host) { return (host.*op)(run.window, moons); });
}

// A count, then that many names: a name may have any length, so no word
// value could end the list safely.
template <LinesOp op>
bool Lines(ClauseRun& run) {
    CodeWord count = 0;
    if (!run.in.Word(count)) return false;
    LineNameList names;
    for (CodeWord i = 0; i < count; ++i) {
        String name;
        if (!run.in.Text(name)) return false;
        names.push_back(name);
    }
    return Apply(run, [&](Host& host) { return (host.*op)(run.window, names); });
}

bool Position(ClauseRun& run) {
    int x = 0;
    int y = 0;
    return run.in.Integer(x, INT_MIN, INT_MAX) && run.in.Integer(y, INT_MIN, INT_MAX) &&
           Apply(run, [&](Host& host) { return host.SetWindowPosition(run.window, x, y); });
}

bool AddLine(ClauseRun& run) {
    String name;
    String code;
    String colour;
    return run.in.Text(name) && run.in.Text(code) && run.in.Text(colour) &&
           Apply(run, [&](Host& host) {
               return host.GraphAddLine(run.window, name, code, colour);
           });
}

bool GraphLocation(ClauseRun& run) {
    Location location;
    LocationInit(location);
    return run.in.Place(location) &&
           Apply(run, [&](Host& host) { return host.GraphSetLocation(run.window, location); });
}

bool CenterAt(ClauseRun& run) {
    double west = 0.0;
    double north = 0.0;
    return run.in.Number(west, -180.0, 180.0) && run.in.Number(north, -90.0, 90.0) &&
           Apply(run, [&](Host& host) {
               return host.EclipseCenterLocation(run.window, west, north);
           });
}

// The grid type, then the appearance (38) and the labels (39) when given,
// in that order; the host leaves what is absent as it is.
bool Grid(ClauseRun& run) {
    constexpr CodeWord kAppearance = 38;
    constexpr CodeWord kLabels = 39;
    int type = 0;
    if (!run.in.Choice(type, 3)) return false;
    std::optional<bool> crosses;
    std::optional<bool> labels;
    if (run.in.Accept(kAppearance)) {
        int appearance = 0;
        if (!run.in.Choice(appearance, 2)) return false;
        crosses = appearance == 1;
    }
    if (run.in.Accept(kLabels)) {
        bool on = false;
        if (!run.in.Switch(on)) return false;
        labels = on;
    }
    return Apply(run, [&](Host& host) {
        return host.SkySetGrid(run.window, type, crosses, labels);
    });
}

bool SolarSystemFunction(ClauseRun& run) {
    std::uint32_t id = 0;
    return run.in.Function(kBodyPlanet, id) &&
           Apply(run, [&](Host& host) { return host.SolarSystemSetFunction(run.window, id); });
}

using Handler = bool (*)(ClauseRun&);

struct ClauseEntry {
    CodeWord code;
    Handler run;
};

// Clause operation words shared by several kinds.
enum : CodeWord {
    kActivate = 31,
    kAdvance = 33,
    kHide = 40,
    kRetreat = 49,
    kSelect = 54,
    kDate = 59,
    kPosition = 85,
    kTime = 98,
    kShow = 106,
    kZoom = 112,
};

constexpr ClauseEntry kGraphClauses[] = {
    {kActivate, Flag<&Host::ActivateWindow>},
    {32, AddLine},
    {kHide, Lines<&Host::GraphHideLinesByName>},
    {60, DateAndTime<&Host::GraphSetBeginDate>},
    {65, Switch<&Host::GraphSetDst>},
    {72, Integer<&Host::GraphSetGuideLine, 0, 365>},
    {75, GraphLocation},
    {kPosition, Position},
    {92, Step<&Host::GraphSetStep>},
    {102, Step<&Host::GraphSetXAxisLabel>},
    {103, Step<&Host::GraphSetXAxisMark>},
    {104, Integer<&Host::GraphSetYAxisFrom, INT_MIN, INT_MAX>},
    {105, Integer<&Host::GraphSetYAxisTo, INT_MIN, INT_MAX>},
    {kShow, Lines<&Host::GraphShowLinesByName>},
};

constexpr ClauseEntry kExplorerClauses[] = {
    {kActivate, Flag<&Host::ActivateWindow>},
    {kAdvance, Advance<&Host::ExplorerAdvanceTime, true>},
    {kHide, Moons<&Host::ExplorerHideMoonsByName>},
    {kPosition, Position},
    {kRetreat, Advance<&Host::ExplorerAdvanceTime, false>},
    {kSelect, Select<&Host::ExplorerSelect, kExplorerMoons>},
    {kDate, Date<&Host::ExplorerSetDate>},
    {79, Switch<&Host::ExplorerSetNames>},
    {80, Switch<&Host::ExplorerSetOrbits>},
    {94, Switch<&Host::ExplorerSwapEastWest>},
    {95, Switch<&Host::ExplorerSwapNorthSouth>},
    {97, Integer<&Host::ExplorerSetTilt, -360, 360>},
    {kTime, Time<&Host::ExplorerSetTime>},
    {kZoom, Body<&Host::ExplorerSetZoom, kExplorerMoons>},
    {kShow, Moons<&Host::ExplorerShowMoonsByName>},
};

bool PictureSelect(ClauseRun& run) {
    String picture;
    return run.in.Text(picture) &&
           Apply(run, [&](Host& host) { return host.PictureSelect(run.window, picture); });
}

constexpr ClauseEntry kPictureClauses[] = {
    {kActivate, Flag<&Host::ActivateWindow>},
    {kPosition, Position},
    {kSelect, PictureSelect},
    {87, Switch<&Host::PictureSetScale>},
};

constexpr ClauseEntry kSolarEclipseClauses[] = {
    {kActivate, Flag<&Host::ActivateWindow>},
    {kAdvance, Advance<&Host::EclipseAdvanceTime, true>},
    {51, Flag<&Host::EclipseCenterOnLocation>},
    {52, CenterAt},
    {50, Flag<&Host::EclipseCenterOnPath>},
    {kPosition, Position},
    {kRetreat, Advance<&Host::EclipseAdvanceTime, false>},
    {53, DateAndTime<&Host::EclipseSetEclipseDate>},
    {kDate, Date<&Host::EclipseSetDate>},
    {74, Number<&Host::EclipseSetLatitude, -90, 90>},
    {76, Number<&Host::EclipseSetLongitude, -180, 180>},
    {kTime, Time<&Host::EclipseSetTime>},
    {kZoom, Integer<&Host::EclipseSetZoom, 0, 100>},
};

constexpr ClauseEntry kSkyClauses[] = {
    {kActivate, Flag<&Host::ActivateWindow>},
    {kAdvance, Advance<&Host::SkyAdvanceTime, true>},
    {kRetreat, Advance<&Host::SkyAdvanceTime, false>},
    {kSelect, Select<&Host::SkySelect, kAnyCatalogueBody>},
    {56, Switch<&Host::SkySetConstellationBoundaries>},
    {57, Switch<&Host::SkySetConstellationLines>},
    {58, Choice<&Host::SkySetConstellationNames, 3>},
    {kDate, Date<&Host::SkySetDate>},
    {62, Switch<&Host::SkySetDeepSkyIndicateImage>},
    {63, Choice<&Host::SkySetDeepSkyShowCatalog, 5>},
    {64, Choice<&Host::SkySetDeepSkyShowNames, 6>},
    {66, Switch<&Host::SkySetEcliptic>},
    {71, Grid},
    {73, Choice<&Host::SkySetHorizon, 3>},
    {77, Choice<&Host::SkySetMap, 3>},
    {78, Switch<&Host::SkySetMoon>},
    {81, Switch<&Host::SkySetPlanetNames>},
    {82, Choice<&Host::SkySetPlanets, 3>},
    {83, Switch<&Host::SkySetPlanetSymbols>},
    {84, Switch<&Host::SkySetPlanetTracks>},
    {kPosition, Position},
    {88, Switch<&Host::SkySetStarLetters>},
    {89, Number<&Host::SkySetStarMagnitudeLimit, 0, 20>},
    {90, Switch<&Host::SkySetStarNames>},
    {93, Switch<&Host::SkySetSun>},
    {kTime, Time<&Host::SkySetTime>},
    {99, Integer<&Host::SkySetViewingField, 10, 180>},
    {100, Number<&Host::SkySetViewingLatitude, -90, 90>},
    {101, Number<&Host::SkySetViewingLongitude, 0, 360>},
};

constexpr ClauseEntry kSolarSystemClauses[] = {
    {kActivate, Flag<&Host::ActivateWindow>},
    {kAdvance, Advance<&Host::SolarSystemAdvanceTime, true>},
    {kRetreat, Advance<&Host::SolarSystemAdvanceTime, false>},
    {kSelect, Select<&Host::SolarSystemSelect, kPlanetsAndEarth>},
    {kDate, Date<&Host::SolarSystemSetDate>},
    {67, Switch<&Host::SolarSystemSetEclipticConstellations>},
    {68, Switch<&Host::SolarSystemSetEclipticRa>},
    {69, Switch<&Host::SolarSystemSetEclipticSight>},
    {70, Switch<&Host::SolarSystemSetEclipticZodiac>},
    {107, SolarSystemFunction},
    {78, Switch<&Host::SolarSystemSetMoon>},
    {79, Switch<&Host::SolarSystemSetNames>},
    {80, Switch<&Host::SolarSystemSetOrbits>},
    {kPosition, Position},
    {96, Switch<&Host::SolarSystemSetSymbols>},
    {kTime, Time<&Host::SolarSystemSetTime>},
    {kZoom, Body<&Host::SolarSystemSetZoom, kPlanetsAndEarth>},
};

// Only the explorers' begin operation names its window: the others open
// the step on the window the statement has just opened or found.
bool BeginGraph(Host& host, const String&) { return host.BeginGraphClauses(); }
bool BeginExplorer(Host& host, const String& window) { return host.BeginExplorerClauses(window); }
bool BeginPicture(Host& host, const String&) { return host.BeginPictureClauses(); }
bool BeginSolarEclipse(Host& host, const String&) { return host.BeginSolarEclipseClauses(); }
bool BeginSky(Host& host, const String&) { return host.BeginSkyClauses(); }
bool BeginSolarSystem(Host& host, const String&) { return host.BeginSolarSystemClauses(); }

struct KindRunner {
    const ClauseEntry* clauses;
    int count;
    bool (*begin)(Host&, const String&);
    EndOp end;
    WindowKind windowKind;
    unsigned moonTypes;
};

template <std::size_t N>
constexpr KindRunner Runner(const ClauseEntry (&clauses)[N], bool (*begin)(Host&, const String&),
                            EndOp end, WindowKind windowKind, unsigned moonTypes = 0) {
    return {clauses, static_cast<int>(N), begin, end, windowKind, moonTypes};
}

// By the script's window kind.
constexpr KindRunner kRunners[] = {
    Runner(kGraphClauses, BeginGraph, &Host::EndGraphClauses, kGraphWindow),
    Runner(kExplorerClauses, BeginExplorer, &Host::EndExplorerClauses, kJupiterExplorerWindow,
           BodyTypeBit(kBodyJupiterSatellite)),
    Runner(kPictureClauses, BeginPicture, &Host::EndPictureClauses, kPictureWindow),
    Runner(kExplorerClauses, BeginExplorer, &Host::EndExplorerClauses, kSaturnExplorerWindow,
           BodyTypeBit(kBodySaturnSatellite)),
    Runner(kSolarEclipseClauses, BeginSolarEclipse, &Host::EndSolarEclipseClauses,
           kSolarEclipseWindow),
    Runner(kSkyClauses, BeginSky, &Host::EndSkyClauses, kSkyWindow),
    Runner(kSolarSystemClauses, BeginSolarSystem, &Host::EndSolarSystemClauses,
           kSolarSystemWindow),
};

constexpr int kScriptKindCount = static_cast<int>(sizeof kRunners / sizeof kRunners[0]);

const ClauseEntry* FindClause(const KindRunner& kind, CodeWord code) {
    for (int i = 0; i < kind.count; ++i) {
        if (kind.clauses[i].code == code) return &kind.clauses[i];
    }
    return nullptr;
}

}  // namespace

String ScriptStepLabel(const String& statement) {
    String label(TXT("[CorvinataScript] "));
    return StringAppend(label, statement.Text());
}

WindowKind WindowKindOfScriptKind(int scriptKind) noexcept {
    return scriptKind >= 0 && scriptKind < kScriptKindCount ? kRunners[scriptKind].windowKind
                                                            : kGraphWindow;
}

bool RunWindowClauses(OperandReader& in, ScriptHostInterface* host, int scriptKind,
                      const String& window, bool withStatement, const String& statement) {
    if (scriptKind < 0 || scriptKind >= kScriptKindCount) {
        return in.Fail(TXT("A window kind of the compiled script is not known"));
    }
    const KindRunner& kind = kRunners[scriptKind];
    ClauseRun run{in, host, window, kind.moonTypes};
    bool began = false;
    bool ran = true;
    for (;;) {
        CodeWord code = 0;
        if (!in.PeekRequired(code)) {
            ran = false;
            break;
        }
        if (code == kOpClauseListEnd) break;
        const ClauseEntry* clause = FindClause(kind, code);
        if (clause == nullptr) {
            ran = in.Fail(TXT("A clause of the compiled script does not belong to its window"));
            break;
        }
        if (!began) {
            if (host != nullptr && !kind.begin(*host, window)) return false;
            began = true;
        }
        in.Accept(code);
        if (!clause->run(run)) {
            ran = false;
            break;
        }
    }
    if (ran) in.Accept(kOpClauseListEnd);
    if (began && host != nullptr) {
        // Closed on every path: a step left open would swallow the user's
        // next edits of the window.
        const bool ended = (host->*kind.end)(window, statement, withStatement);
        ran = ran && ended;
    }
    return ran;
}

}  // namespace corvinata
