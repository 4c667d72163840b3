// A script host that writes every call with its arguments into a list of
// lines ("SkySetDate(S,2000-01-02 0h/2)"), fails the calls it is told to
// fail, and keeps the windows' undo steps the way the application does:
// a change made while a clause batch is open joins the batch.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "catalog/celestial_object.h"
#include "script/clause_runners.h"
#include "script/script_host.h"

namespace corvinata::test {

class RecordingScriptHost : public ScriptHostInterface {
public:
    std::vector<std::string> calls;
    // Undo steps of all windows in the order they were made.
    std::vector<std::string> undoSteps;
    // Calls of this name fail with the error text "<name> refused".
    std::string failing;
    // Calls of this name succeed but leave the error text "<name> refused".
    std::string reporting;
    // False: nothing is written (for timing the interpreter alone).
    bool recording = true;

    // A change of a window made by the user, outside any script.
    void UserEdit(const std::string& what) {
        if (!batchOpen_) undoSteps.push_back(what);
    }

    void SetScriptRunning(bool running) override { Record("Running", running); }
    void ClearScriptError() override {
        error_.clear();
        Record("ClearError");
    }
    String GetScriptError() const override { return String(Wide(error_).c_str()); }
    void ScriptEnded(bool pausedOnLast) override { Record("Ended", pausedOnLast); }
    void ScriptFailed(const ScriptRunFailure& f) override {
        Record("Failed", f.message, f.statement, f.line, f.column);
    }

#define CN_REC1(Op, A) \
    bool Op(A a) override { return Record(#Op, a); }
#define CN_REC2(Op, A, B) \
    bool Op(A a, B b) override { return Record(#Op, a, b); }
#define CN_REC3(Op, A, B, C) \
    bool Op(A a, B b, C c) override { return Record(#Op, a, b, c); }
#define CN_REC4(Op, A, B, C, D) \
    bool Op(A a, B b, C c, D d) override { return Record(#Op, a, b, c, d); }
#define CN_BEGIN0(Op) \
    bool Op() override { return Begin(Record(#Op)); }
#define CN_END(Op)                                                 \
    bool Op(const String& w, const String& s, bool with) override { \
        return End(Record(#Op, w, s, with), s);                      \
    }

    using S = const String&;
    using D = const DateTime&;
    using T = const TimeStep&;
    using O = const CelestialObject&;

    CN_REC1(CloseWindow, S) CN_REC2(SetEducatorPosition, int, int)
    CN_REC1(StartEventSearch, const ScriptEventSearch&) CN_REC1(ShowScriptMessage, S)
    CN_REC2(OpenGraph, S, S) CN_REC1(OpenJupiter, S) CN_REC1(OpenSaturn, S) CN_REC1(OpenPicture, S)
    CN_REC1(OpenSolarEclipse, S) CN_REC1(OpenSky, S) CN_REC1(OpenSolarSystem, S)
    CN_REC2(FindWindow, S, WindowKind)
    CN_REC1(ApplyApplicationSettings, const ApplicationScriptSettings&) CN_REC1(ActivateWindow, S)
    CN_REC3(SetWindowPosition, S, int, int) CN_BEGIN0(BeginGraphClauses) CN_END(EndGraphClauses)
    bool BeginExplorerClauses(S w) override { return Begin(Record("BeginExplorerClauses", w)); }
    CN_END(EndExplorerClauses) CN_BEGIN0(BeginPictureClauses) CN_END(EndPictureClauses)
    CN_BEGIN0(BeginSolarEclipseClauses) CN_END(EndSolarEclipseClauses) CN_BEGIN0(BeginSkyClauses)
    CN_END(EndSkyClauses) CN_BEGIN0(BeginSolarSystemClauses) CN_END(EndSolarSystemClauses)
    CN_REC4(GraphAddLine, S, S, S, S) CN_REC2(GraphHideLinesByName, S, const LineNameList&)
    CN_REC2(GraphShowLinesByName, S, const LineNameList&) CN_REC2(GraphSetBeginDate, S, D)
    CN_REC2(GraphSetDst, S, bool) CN_REC2(GraphSetGuideLine, S, int)
    CN_REC2(GraphSetLocation, S, const Location&) CN_REC2(GraphSetStep, S, T)
    CN_REC2(GraphSetXAxisLabel, S, T) CN_REC2(GraphSetXAxisMark, S, T)
    CN_REC2(GraphSetYAxisFrom, S, int) CN_REC2(GraphSetYAxisTo, S, int)
    CN_REC3(ExplorerAdvanceTime, S, bool, T) CN_REC2(ExplorerHideMoonsByName, S, const MoonList&)
    CN_REC2(ExplorerShowMoonsByName, S, const MoonList&) CN_REC3(ExplorerSelect, S, O, bool)
    CN_REC2(ExplorerSetDate, S, D) CN_REC2(ExplorerSetTime, S, double)
    CN_REC2(ExplorerSetNames, S, bool) CN_REC2(ExplorerSetOrbits, S, bool)
    CN_REC2(ExplorerSwapEastWest, S, bool) CN_REC2(ExplorerSwapNorthSouth, S, bool)
    CN_REC2(ExplorerSetTilt, S, int) CN_REC2(ExplorerSetZoom, S, O) CN_REC2(PictureSelect, S, S)
    CN_REC2(PictureSetScale, S, bool) CN_REC3(EclipseAdvanceTime, S, bool, T)
    CN_REC1(EclipseCenterOnLocation, S) CN_REC1(EclipseCenterOnPath, S)
    CN_REC3(EclipseCenterLocation, S, double, double) CN_REC2(EclipseSetEclipseDate, S, D)
    CN_REC2(EclipseSetDate, S, D) CN_REC2(EclipseSetTime, S, double)
    CN_REC2(EclipseSetLatitude, S, double) CN_REC2(EclipseSetLongitude, S, double)
    CN_REC2(EclipseSetZoom, S, int) CN_REC3(SkyAdvanceTime, S, bool, T)
    CN_REC3(SkySelect, S, O, bool) CN_REC2(SkySetConstellationBoundaries, S, bool)
    CN_REC2(SkySetConstellationLines, S, bool) CN_REC2(SkySetConstellationNames, S, int)
    CN_REC2(SkySetDate, S, D) CN_REC2(SkySetTime, S, double)
    CN_REC2(SkySetDeepSkyIndicateImage, S, bool) CN_REC2(SkySetDeepSkyShowCatalog, S, int)
    CN_REC2(SkySetDeepSkyShowNames, S, int) CN_REC2(SkySetEcliptic, S, bool)
    CN_REC4(SkySetGrid, S, int, std::optional<bool>, std::optional<bool>)
    CN_REC2(SkySetHorizon, S, int) CN_REC2(SkySetMap, S, int) CN_REC2(SkySetMoon, S, bool)
    CN_REC2(SkySetPlanetNames, S, bool) CN_REC2(SkySetPlanets, S, int)
    CN_REC2(SkySetPlanetSymbols, S, bool) CN_REC2(SkySetPlanetTracks, S, bool)
    CN_REC2(SkySetStarLetters, S, bool) CN_REC2(SkySetStarMagnitudeLimit, S, double)
    CN_REC2(SkySetStarNames, S, bool) CN_REC2(SkySetSun, S, bool)
    CN_REC2(SkySetViewingField, S, int) CN_REC2(SkySetViewingLatitude, S, double)
    CN_REC2(SkySetViewingLongitude, S, double) CN_REC3(SolarSystemAdvanceTime, S, bool, T)
    CN_REC3(SolarSystemSelect, S, O, bool) CN_REC2(SolarSystemSetDate, S, D)
    CN_REC2(SolarSystemSetTime, S, double) CN_REC2(SolarSystemSetEclipticConstellations, S, bool)
    CN_REC2(SolarSystemSetEclipticRa, S, bool) CN_REC2(SolarSystemSetEclipticSight, S, bool)
    CN_REC2(SolarSystemSetEclipticZodiac, S, bool) CN_REC2(SolarSystemSetFunction, S, std::uint32_t)
    CN_REC2(SolarSystemSetMoon, S, bool) CN_REC2(SolarSystemSetNames, S, bool)
    CN_REC2(SolarSystemSetOrbits, S, bool) CN_REC2(SolarSystemSetSymbols, S, bool)
    CN_REC2(SolarSystemSetZoom, S, O)

#undef CN_REC1
#undef CN_REC2
#undef CN_REC3
#undef CN_REC4
#undef CN_BEGIN0
#undef CN_END

private:
    static std::basic_string<Char> Wide(const std::string& s) { return {s.begin(), s.end()}; }

    static std::string Text(const String& s) {
        std::string out;
        for (const Char* p = s.Text(); *p; ++p) out.push_back(static_cast<char>(*p));
        return out;
    }
    static std::string Text(const char* s) { return s; }
    static std::string Text(bool b) { return b ? "1" : "0"; }
    static std::string Text(int n) { return std::to_string(n); }
    static std::string Text(std::uint32_t n) { return std::to_string(n); }
    static std::string Text(WindowKind k) { return std::to_string(static_cast<int>(k)); }
    static std::string Text(double x) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", x);
        return buffer;
    }
    static std::string Text(const DateTime& d) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%d-%02d-%02d %gh/%d", d.year, d.month, d.day,
                      d.hours, d.timeSystem);
        return buffer;
    }
    static std::string Text(const TimeStep& t) {
        return std::to_string(t.count) + "u" + std::to_string(t.unit);
    }
    static std::string Text(const Location& l) {
        if (!l.town.IsEmpty()) return Text(l.town) + "/" + Text(l.country);
        return Text(l.coordinates.longitude.degrees) + "W/" + Text(l.coordinates.latitude.degrees) +
               "N/" + Text(l.coordinates.timeZone.hours);
    }
    static std::string Text(const CelestialObject& o) { return Text(o.Name()); }
    static std::string Text(const CelestialObject* o) { return Text(*o); }
    template <class V>
    static std::string Text(const std::vector<V>& list) {
        std::string out;
        for (const V& v : list) out += (out.empty() ? "" : " ") + Text(v);
        return "[" + out + "]";
    }
    template <class V>
    static std::string Text(const std::optional<V>& v) { return v ? Text(*v) : "-"; }
    template <class... A>
    static std::string Joined(const char* separator, const A&... parts) {
        std::string out;
        bool first = true;
        ((out += (first ? "" : separator) + Text(parts), first = false), ...);
        return out;
    }
    static std::string Text(const ApplicationScriptSettings& a) {
        return Joined("|", a.date, a.hours, a.location, a.daylightSaving, a.realTimeClock,
                      a.starsStationary);
    }
    static std::string Text(const ScriptEventSearch& e) {
        return Joined("|", e.begin, e.end, e.location, e.daylightSaving, e.step, e.code);
    }

    template <class... Args>
    bool Record(const char* op, const Args&... args) {
        if (recording) {
            calls.push_back(std::string(op) + "(" + Joined(",", args...) + ")");
        }
        if (failing != op && reporting != op) return true;
        error_ = std::string(op) + " refused";
        return failing != op;
    }
    bool Begin(bool ok) {
        batchOpen_ = ok;
        return ok;
    }
    bool End(bool ok, const String& statement) {
        if (batchOpen_) undoSteps.push_back(Text(ScriptStepLabel(statement)));
        batchOpen_ = false;
        return ok;
    }

    std::string error_;
    bool batchOpen_ = false;
};

}  // namespace corvinata::test
