// A script host that refuses every operation: tests derive from it and
// answer the operations of the kind they drive.
#pragma once

#include "app/script_host.h"

namespace corvinata::test {

class NullScriptHost : public ScriptHostInterface {
public:
    void SetScriptRunning(bool) override {}
    void ClearScriptError() override {}
    String GetScriptError() const override { return {}; }
    void ScriptEnded(bool) override {}
    void ScriptFailed(const ScriptRunFailure&) override {}
    bool CloseWindow(const String&) override { return false; }
    bool SetEducatorPosition(int, int) override { return false; }
    bool StartEventSearch(const ScriptEventSearch&) override { return false; }
    bool ShowScriptMessage(const String&) override { return false; }
    bool OpenGraph(const String&, const String&) override { return false; }
    bool OpenJupiter(const String&) override { return false; }
    bool OpenSaturn(const String&) override { return false; }
    bool OpenPicture(const String&) override { return false; }
    bool OpenSolarEclipse(const String&) override { return false; }
    bool OpenSky(const String&) override { return false; }
    bool OpenSolarSystem(const String&) override { return false; }
    bool FindWindow(const String&, WindowKind) override { return false; }
    bool ApplyApplicationSettings(const ApplicationScriptSettings&) override { return false; }
    bool ActivateWindow(const String&) override { return false; }
    bool SetWindowPosition(const String&, int, int) override { return false; }
    bool BeginGraphClauses() override { return false; }
    bool EndGraphClauses(const String&, const String&, bool) override { return false; }
    bool BeginExplorerClauses(const String&) override { return false; }
    bool EndExplorerClauses(const String&, const String&, bool) override { return false; }
    bool BeginPictureClauses() override { return false; }
    bool EndPictureClauses(const String&, const String&, bool) override { return false; }
    bool BeginSolarEclipseClauses() override { return false; }
    bool EndSolarEclipseClauses(const String&, const String&, bool) override { return false; }
    bool BeginSkyClauses() override { return false; }
    bool EndSkyClauses(const String&, const String&, bool) override { return false; }
    bool BeginSolarSystemClauses() override { return false; }
    bool EndSolarSystemClauses(const String&, const String&, bool) override { return false; }
    bool GraphAddLine(const String&, const String&, const String&, const String&) override { return false; }
    bool GraphHideLinesByName(const String&, const LineNameList&) override { return false; }
    bool GraphShowLinesByName(const String&, const LineNameList&) override { return false; }
    bool GraphSetBeginDate(const String&, const DateTime&) override { return false; }
    bool GraphSetDst(const String&, bool) override { return false; }
    bool GraphSetGuideLine(const String&, int) override { return false; }
    bool GraphSetLocation(const String&, const Location&) override { return false; }
    bool GraphSetStep(const String&, const TimeStep&) override { return false; }
    bool GraphSetXAxisLabel(const String&, const TimeStep&) override { return false; }
    bool GraphSetXAxisMark(const String&, const TimeStep&) override { return false; }
    bool GraphSetYAxisFrom(const String&, int) override { return false; }
    bool GraphSetYAxisTo(const String&, int) override { return false; }
    bool ExplorerAdvanceTime(const String&, bool, const TimeStep&) override { return false; }
    bool ExplorerHideMoonsByName(const String&, const MoonList&) override { return false; }
    bool ExplorerShowMoonsByName(const String&, const MoonList&) override { return false; }
    bool ExplorerSelect(const String&, const CelestialObject&, bool) override { return false; }
    bool ExplorerSetDate(const String&, const DateTime&) override { return false; }
    bool ExplorerSetTime(const String&, double) override { return false; }
    bool ExplorerSetNames(const String&, bool) override { return false; }
    bool ExplorerSetOrbits(const String&, bool) override { return false; }
    bool ExplorerSwapEastWest(const String&, bool) override { return false; }
    bool ExplorerSwapNorthSouth(const String&, bool) override { return false; }
    bool ExplorerSetTilt(const String&, int) override { return false; }
    bool ExplorerSetZoom(const String&, const CelestialObject&) override { return false; }
    bool PictureSelect(const String&, const String&) override { return false; }
    bool PictureSetScale(const String&, bool) override { return false; }
    bool EclipseAdvanceTime(const String&, bool, const TimeStep&) override { return false; }
    bool EclipseCenterOnLocation(const String&) override { return false; }
    bool EclipseCenterOnPath(const String&) override { return false; }
    bool EclipseCenterLocation(const String&, double, double) override { return false; }
    bool EclipseSetEclipseDate(const String&, const DateTime&) override { return false; }
    bool EclipseSetDate(const String&, const DateTime&) override { return false; }
    bool EclipseSetTime(const String&, double) override { return false; }
    bool EclipseSetLatitude(const String&, double) override { return false; }
    bool EclipseSetLongitude(const String&, double) override { return false; }
    bool EclipseSetZoom(const String&, int) override { return false; }
    bool SkyAdvanceTime(const String&, bool, const TimeStep&) override { return false; }
    bool SkySelect(const String&, const CelestialObject&, bool) override { return false; }
    bool SkySetConstellationBoundaries(const String&, bool) override { return false; }
    bool SkySetConstellationLines(const String&, bool) override { return false; }
    bool SkySetConstellationNames(const String&, int) override { return false; }
    bool SkySetDate(const String&, const DateTime&) override { return false; }
    bool SkySetTime(const String&, double) override { return false; }
    bool SkySetDeepSkyIndicateImage(const String&, bool) override { return false; }
    bool SkySetDeepSkyShowCatalog(const String&, int) override { return false; }
    bool SkySetDeepSkyShowNames(const String&, int) override { return false; }
    bool SkySetEcliptic(const String&, bool) override { return false; }
    bool SkySetGrid(const String&, int, std::optional<bool>, std::optional<bool>) override { return false; }
    bool SkySetHorizon(const String&, int) override { return false; }
    bool SkySetMap(const String&, int) override { return false; }
    bool SkySetMoon(const String&, bool) override { return false; }
    bool SkySetPlanetNames(const String&, bool) override { return false; }
    bool SkySetPlanets(const String&, int) override { return false; }
    bool SkySetPlanetSymbols(const String&, bool) override { return false; }
    bool SkySetPlanetTracks(const String&, bool) override { return false; }
    bool SkySetStarLetters(const String&, bool) override { return false; }
    bool SkySetStarMagnitudeLimit(const String&, double) override { return false; }
    bool SkySetStarNames(const String&, bool) override { return false; }
    bool SkySetSun(const String&, bool) override { return false; }
    bool SkySetViewingField(const String&, int) override { return false; }
    bool SkySetViewingLatitude(const String&, double) override { return false; }
    bool SkySetViewingLongitude(const String&, double) override { return false; }
    bool SolarSystemAdvanceTime(const String&, bool, const TimeStep&) override { return false; }
    bool SolarSystemSelect(const String&, const CelestialObject&, bool) override { return false; }
    bool SolarSystemSetDate(const String&, const DateTime&) override { return false; }
    bool SolarSystemSetTime(const String&, double) override { return false; }
    bool SolarSystemSetEclipticConstellations(const String&, bool) override { return false; }
    bool SolarSystemSetEclipticRa(const String&, bool) override { return false; }
    bool SolarSystemSetEclipticSight(const String&, bool) override { return false; }
    bool SolarSystemSetEclipticZodiac(const String&, bool) override { return false; }
    bool SolarSystemSetFunction(const String&, std::uint32_t) override { return false; }
    bool SolarSystemSetMoon(const String&, bool) override { return false; }
    bool SolarSystemSetNames(const String&, bool) override { return false; }
    bool SolarSystemSetOrbits(const String&, bool) override { return false; }
    bool SolarSystemSetSymbols(const String&, bool) override { return false; }
    bool SolarSystemSetZoom(const String&, const CelestialObject&) override { return false; }
};

}  // namespace corvinata::test
