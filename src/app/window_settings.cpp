#include "app/window_settings.h"

#include "app/location_settings.h"
#include "app/settings_records.h"
#include "base/registry_root.h"
#include "base/text_format.h"

namespace corvinata {

namespace {

constexpr const Char* kMapTypeTexts[] = {TXT("Hor"), TXT("Equ")};
constexpr std::int32_t kMapTypeValues[] = {0, 1};
constexpr const Char* kMapTypeWritten[] = {TXT("Hor"), TXT("Equ"), TXT("Realistic")};

constexpr const Char* kPlanetModeTexts[] = {TXT("All"), TXT("None")};
constexpr std::int32_t kPlanetModeValues[] = {1, 0};
constexpr const Char* kPlanetModeWritten[] = {TXT("None"), TXT("All"), TXT("Realistic")};

constexpr const Char* kGridTexts[] = {TXT("Hor"), TXT("Equ")};
constexpr std::int32_t kGridValues[] = {1, 2};
constexpr const Char* kGridWritten[] = {TXT("None"), TXT("Hor"), TXT("Equ")};

constexpr const Char* kHorizonTexts[] = {TXT("Classic"), TXT("Seasonal")};
constexpr std::int32_t kHorizonValues[] = {1, 2};
constexpr const Char* kHorizonWritten[] = {TXT("None"), TXT("Classic"), TXT("Seasonal")};

// The stored text of a choice; values outside the table write its last text.
const Char* ChoiceText(const Char* const* texts, int count, std::int32_t value) {
    return value >= 0 && value < count ? texts[value] : texts[count - 1];
}

// A direction of view: a double now, a whole number of degrees before.
bool ReadDirection(SettingsTree& tree, const Char* name, double& field) {
    double value = 0.0;
    if (ReadDoubleValue(tree, name, value)) {
        field = value;
        return true;
    }
    std::int32_t whole = 0;
    if (!ReadIntValue(tree, name, whole)) return false;
    field = whole;
    return true;
}

bool LoadExplorerOptions(ExplorerOptions& options, SettingsTree& tree, int satellites) {
    RequiredValues values(tree);
    values.Then([&] { return ReadWindowGeometry(options.geometry, tree); });
    if (!values.Ok()) return false;
    options.satellitesShown.assign(satellites, true);
    for (int i = 0; i < satellites; ++i) {
        const String name = FormatPercent1(TXT("Show satellite %"), NumberTextFromInt(i));
        bool shown = true;
        if (!ReadBoolValue(tree, name.Text(), shown)) return false;
        options.satellitesShown[i] = shown;
    }
    values.Int(TXT("Zoom position"), options.zoomPosition, satellites - 1, -1, satellites - 1);
    values.Int(TXT("Tilt"), options.tilt, 0);
    values.Int(TXT("Selected satellite"), options.selectedSatellite, 0, -1, satellites - 1);
    values.Bool(TXT("Show orbits"), options.showOrbits, true);
    values.Bool(TXT("Show names"), options.showNames, true);
    values.Bool(TXT("Swap North and South"), options.swapNorthSouth, false);
    values.Bool(TXT("Swap East and West"), options.swapEastWest, false);
    return values.Ok();
}

ExplorerOptions ExplorerOptionsInit(int satellites) {
    ExplorerOptions options;
    options.satellitesShown.assign(satellites, true);
    return options;
}

struct PanelValueNames {
    const Char* coordinateSystem;
    const Char* timeSystem;
};

PanelValueNames PanelNames(PanelKind kind) {
    switch (kind) {
        case PanelKind::Jupiter:
            return {TXT("Coordinate system for Jupiter's position"),
                    TXT("Time system for Jupiter's rise and set")};
        case PanelKind::Saturn:
            return {TXT("Coordinate system for Saturn's position"),
                    TXT("Time system for Saturn's rise and set")};
        default:
            return {TXT("Coordinate system for position"), TXT("Time system for rise and set")};
    }
}

constexpr RecordKeyNames kDateTimeNames{TXT("Date and Time")};
constexpr RecordKeyNames kCurrentLocationNames{TXT("Named geographical location"),
                                               TXT("Current location")};

}  // namespace

bool LoadSkyOptions(SkyWindowState& state, SettingsTree& tree) {
    SkyOptions& o = state.options;
    RequiredValues v(tree);
    v.Then([&] { return ReadWindowGeometry(state.geometry, tree); });
    v.Choice(TXT("Map type"), o.mapType, kMapTypeTexts, kMapTypeValues, 2, 2, 2);
    v.Bool(TXT("Sun on"), o.sunOn, true);
    v.Bool(TXT("Moon on"), o.moonOn, true);
    v.Int(TXT("Constellation names on"), o.constellationNames, 2, 0, 2);
    v.Bool(TXT("Constellation lines on"), o.constellationLinesOn, true);
    v.Bool(TXT("Constellation boundaries on"), o.constellationBoundariesOn, false);
    v.Bool(TXT("Star names on"), o.starNamesOn, false);
    v.Bool(TXT("Star letters on"), o.starLettersOn, false);
    v.Bool(TXT("Planet names on"), o.planetNamesOn, true);
    v.Bool(TXT("Planet symbols on"), o.planetSymbolsOn, true);
    v.Bool(TXT("Planet tracks on"), o.planetTracksOn, false);
    v.Choice(TXT("Planet display mode"), o.planetDisplayMode, kPlanetModeTexts, kPlanetModeValues,
             2, 2, 2);
    v.Int(TXT("NGC catalog"), o.deepSkyCatalogue, 0, 0, 4);
    v.Int(TXT("NGC name system"), o.deepSkyNameSystem, 0, 0, kNoDeepSkyNames);
    v.Bool(TXT("NGC colour"), o.deepSkyColour, true);
    v.Choice(TXT("Grid type"), o.gridType, kGridTexts, kGridValues, 2, 0, 1);
    v.Bool(TXT("Grid labels on"), o.gridLabelsOn, true);
    v.Bool(TXT("Grid as crosses"), o.gridAsCrosses, false);
    v.Bool(TXT("Ecliptic on"), o.eclipticOn, true);
    v.Choice(TXT("Horizon type"), o.horizonType, kHorizonTexts, kHorizonValues, 2, 0, 1);
    v.Then([&] {
        if (ReadDirection(tree, TXT("Direction of view (lambda)"), state.viewLambda)) return true;
        state.viewLambda = 0.0;
        return false;
    });
    v.Then([&] {
        if (ReadDirection(tree, TXT("Direction of view (phi)"), state.viewPhi)) return true;
        state.viewPhi = 0.0;
        return false;
    });
    v.Int(TXT("Width of field of view"), state.fieldWidth, 60, kSkyZoomMin, kSkyZoomMax);
    v.Then([&] { return LoadBodyIdentifier(tree, {TXT("Selected Body")}, state.selectedBody); });
    v.Double(TXT("Magnitude limit"), o.magnitudeLimit, 6.0);
    return v.Ok();
}

bool SaveSkyOptions(const SkyWindowState& state, SettingsTreeWriter& writer) {
    const SkyOptions& o = state.options;
    WrittenValues w(writer);
    w.Then([&] { return WriteWindowGeometry(state.geometry, writer); });
    w.Text(TXT("Map type"), ChoiceText(kMapTypeWritten, 3, o.mapType));
    w.Bool(TXT("Sun on"), o.sunOn);
    w.Bool(TXT("Moon on"), o.moonOn);
    w.Int(TXT("Constellation names on"), o.constellationNames);
    w.Bool(TXT("Constellation lines on"), o.constellationLinesOn);
    w.Bool(TXT("Constellation boundaries on"), o.constellationBoundariesOn);
    w.Bool(TXT("Star names on"), o.starNamesOn);
    w.Bool(TXT("Star letters on"), o.starLettersOn);
    w.Bool(TXT("Planet names on"), o.planetNamesOn);
    w.Bool(TXT("Planet symbols on"), o.planetSymbolsOn);
    w.Bool(TXT("Planet tracks on"), o.planetTracksOn);
    w.Text(TXT("Planet display mode"), ChoiceText(kPlanetModeWritten, 3, o.planetDisplayMode));
    w.Int(TXT("NGC catalog"), o.deepSkyCatalogue);
    w.Int(TXT("NGC name system"), o.deepSkyNameSystem);
    w.Bool(TXT("NGC colour"), o.deepSkyColour);
    w.Text(TXT("Grid type"), ChoiceText(kGridWritten, 3, o.gridType));
    w.Bool(TXT("Grid labels on"), o.gridLabelsOn);
    w.Bool(TXT("Grid as crosses"), o.gridAsCrosses);
    w.Bool(TXT("Ecliptic on"), o.eclipticOn);
    w.Text(TXT("Horizon type"), ChoiceText(kHorizonWritten, 3, o.horizonType));
    w.Double(TXT("Direction of view (lambda)"), state.viewLambda);
    w.Double(TXT("Direction of view (phi)"), state.viewPhi);
    w.Int(TXT("Width of field of view"), state.fieldWidth);
    w.Then([&] { return SaveBodyIdentifier(writer, {TXT("Selected Body")}, state.selectedBody); });
    w.Double(TXT("Magnitude limit"), o.magnitudeLimit);
    return w.Ok();
}

bool LoadSolarSystemOptions(SolarSystemWindowState& state, SettingsTree& tree) {
    SolarSystemOptions& o = state.options;
    RequiredValues v(tree);
    v.Then([&] { return ReadWindowGeometry(state.geometry, tree); });
    v.Bool(TXT("Moon on"), o.moonOn, true);
    v.Bool(TXT("Names on"), o.namesOn, true);
    v.Bool(TXT("Signs on"), o.signsOn, true);
    v.Bool(TXT("Orbits on"), o.orbitsOn, true);
    v.Int(TXT("Zoom"), state.zoom, 3, 0, 8);
    v.Then([&] {
        // Not required: a record without it takes the Sun.
        if (!ReadIntValueInRange(tree, TXT("Selected object type"), 0, 9, state.selectedType)) {
            state.selectedType = 0;
        }
        return true;
    });
    v.Int(TXT("Selected object number"), state.selectedNumber, 0);
    v.Bool(TXT("Zodiac - right ascension"), o.zodiacRightAscension, false);
    v.Bool(TXT("Zodiac - signs"), o.zodiacSigns, false);
    v.Bool(TXT("Zodiac - constellations"), o.zodiacConstellations, false);
    v.Bool(TXT("Zodiac - sight lines"), o.zodiacSightLines, false);
    v.Int(TXT("Function"), o.function, 8388608);
    return v.Ok();
}

bool SaveSolarSystemOptions(const SolarSystemWindowState& state, SettingsTreeWriter& writer) {
    const SolarSystemOptions& o = state.options;
    WrittenValues w(writer);
    w.Then([&] { return WriteWindowGeometry(state.geometry, writer); });
    w.Bool(TXT("Moon on"), o.moonOn);
    w.Bool(TXT("Names on"), o.namesOn);
    w.Bool(TXT("Signs on"), o.signsOn);
    w.Bool(TXT("Orbits on"), o.orbitsOn);
    w.Int(TXT("Zoom"), state.zoom);
    w.Int(TXT("Selected object type"), state.selectedType);
    w.Int(TXT("Selected object number"), state.selectedNumber);
    w.Bool(TXT("Zodiac - right ascension"), o.zodiacRightAscension);
    w.Bool(TXT("Zodiac - signs"), o.zodiacSigns);
    w.Bool(TXT("Zodiac - constellations"), o.zodiacConstellations);
    w.Bool(TXT("Zodiac - sight lines"), o.zodiacSightLines);
    w.Int(TXT("Function"), o.function);
    return w.Ok();
}

bool LoadGraphViewOptions(GraphViewState& state, SettingsTree& tree) {
    RequiredValues v(tree);
    v.Then([&] { return ReadWindowGeometry(state.geometry, tree); });
    v.Bool(TXT("Guide line on"), state.guideLineOn, true);
    v.Int(TXT("Current value"), state.currentValue, 183, 0, 365);
    v.Int(TXT("Selected line"), state.selectedLine, 0, -1, INT32_MAX);
    return v.Ok();
}

bool SaveGraphViewOptions(const GraphViewState& state, SettingsTreeWriter& writer) {
    WrittenValues w(writer);
    w.Then([&] { return WriteWindowGeometry(state.geometry, writer); });
    w.Bool(TXT("Guide line on"), state.guideLineOn);
    w.Int(TXT("Current value"), state.currentValue);
    w.Int(TXT("Selected line"), state.selectedLine);
    return w.Ok();
}

bool LoadPictureOptions(PictureViewState& state, SettingsTree& tree) {
    RequiredValues v(tree);
    v.Then([&] { return ReadWindowGeometry(state.geometry, tree); });
    v.Bool(TXT("Fit to window"), state.fitToWindow, false);
    return v.Ok();
}

bool SavePictureOptions(const PictureViewState& state, SettingsTreeWriter& writer) {
    WrittenValues w(writer);
    w.Then([&] { return WriteWindowGeometry(state.geometry, writer); });
    w.Bool(TXT("Fit to window"), state.fitToWindow);
    return w.Ok();
}

ExplorerOptions JupiterOptionsInit() { return ExplorerOptionsInit(4); }
ExplorerOptions SaturnOptionsInit() { return ExplorerOptionsInit(8); }

bool LoadJupiterOptions(ExplorerOptions& options, SettingsTree& tree) {
    return LoadExplorerOptions(options, tree, 4);
}

bool LoadSaturnOptions(ExplorerOptions& options, SettingsTree& tree) {
    return LoadExplorerOptions(options, tree, 8);
}

bool SaveExplorerOptions(const ExplorerOptions& options, SettingsTreeWriter& writer) {
    WrittenValues w(writer);
    w.Then([&] { return WriteWindowGeometry(options.geometry, writer); });
    for (std::size_t i = 0; i < options.satellitesShown.size(); ++i) {
        const String name =
            FormatPercent1(TXT("Show satellite %"), NumberTextFromInt(static_cast<int>(i)));
        w.Bool(name.Text(), options.satellitesShown[i]);
    }
    w.Int(TXT("Zoom position"), options.zoomPosition);
    w.Int(TXT("Tilt"), options.tilt);
    w.Int(TXT("Selected satellite"), options.selectedSatellite);
    w.Bool(TXT("Show orbits"), options.showOrbits);
    w.Bool(TXT("Show names"), options.showNames);
    w.Bool(TXT("Swap North and South"), options.swapNorthSouth);
    w.Bool(TXT("Swap East and West"), options.swapEastWest);
    return w.Ok();
}

bool LoadEclipseOptions(EclipseWindowState& state, SettingsTree& tree) {
    if (!ReadWindowGeometry(state.geometry, tree)) return false;
    ReadDateTimeValue(tree, kDateTimeNames, state.dateTime);
    RequiredValues v(tree);
    auto angle = [&](const Char* name, double& field, double limit) {
        v.Then([&] {
            double value = 0.0;
            const bool ok = ReadDoubleValue(tree, name, value) && value >= -limit && value <= limit;
            field = ok ? value : 0.0;
            return ok;
        });
    };
    angle(TXT("LocalCircLon"), state.detailsLongitude, 180.0);
    angle(TXT("LocalCircLat"), state.detailsLatitude, 90.0);
    angle(TXT("Map center lon"), state.centreLongitude, 180.0);
    angle(TXT("Map center lat"), state.centreLatitude, 90.0);
    v.Int(TXT("Map zoom"), state.zoom, 1, 1, 5);
    return v.Ok();
}

bool SaveEclipseOptions(const EclipseWindowState& state, SettingsTreeWriter& writer) {
    WrittenValues w(writer);
    w.Then([&] { return WriteWindowGeometry(state.geometry, writer); });
    w.Then([&] { return WriteDateTimeValue(writer, kDateTimeNames, state.dateTime); });
    w.Double(TXT("LocalCircLon"), state.detailsLongitude);
    w.Double(TXT("LocalCircLat"), state.detailsLatitude);
    w.Double(TXT("Map center lon"), state.centreLongitude);
    w.Double(TXT("Map center lat"), state.centreLatitude);
    w.Int(TXT("Map zoom"), state.zoom);
    return w.Ok();
}

bool LoadDstOptions(bool& active, SettingsTree& tree) {
    ReadGroup group(tree, TXT("Daylight Saving Time"));
    return group.IsOpen() && ReadBoolValue(tree, TXT("Active"), active);
}

bool SaveDstOptions(bool active, SettingsTreeWriter& writer) {
    WriteGroup group(writer, TXT("Daylight Saving Time"));
    return group.IsOpen() && WriteBoolValue(writer, TXT("Active"), active);
}

bool LoadReportOptions(ReportWindowState& state, SettingsTree& tree) {
    RequiredValues v(tree);
    v.Then([&] { return ReadWindowGeometry(state.geometry, tree); });
    v.Then([&] { return ReadDateTimeValue(tree, kDateTimeNames, state.dateTime); });
    v.Then([&] { return LoadDstOptions(state.daylightSaving, tree); });
    v.Then([&] { return LoadGeoLocation({TXT("Named geographical location")}, tree, state.place); });
    return v.Ok();
}

bool SaveReportOptions(const ReportWindowState& state, SettingsTreeWriter& writer) {
    WrittenValues w(writer);
    w.Then([&] { return WriteWindowGeometry(state.geometry, writer); });
    w.Then([&] { return WriteDateTimeValue(writer, kDateTimeNames, state.dateTime); });
    w.Then([&] { return SaveDstOptions(state.daylightSaving, writer); });
    w.Then([&] { return SaveGeoLocation({TXT("Named geographical location")}, state.place, writer); });
    return w.Ok();
}

bool LoadPanelOptions(PanelKind kind, PanelSettings& settings, SettingsTree& tree) {
    if (!LoadTimeStep(String(TXT("Time Step")), settings.timeStep, tree)) {
        settings.timeStep = TimeStep{kMinutesUnit, 10};
    }
    const PanelValueNames names = PanelNames(kind);
    if (!ReadIntValue(tree, names.coordinateSystem, settings.coordinateSystem)) {
        settings.coordinateSystem = 0;
    }
    if (!ReadIntValueInRange(tree, names.timeSystem, kUniversalTime, kLocalSiderealTime,
                             settings.riseSetTimeSystem)) {
        settings.riseSetTimeSystem = kLocalCivilTime;
    }
    return true;
}

bool SavePanelOptions(PanelKind kind, const PanelSettings& settings, SettingsTreeWriter& writer) {
    const PanelValueNames names = PanelNames(kind);
    WrittenValues w(writer);
    w.Then([&] { return SaveTimeStep(String(TXT("Time Step")), settings.timeStep, writer); });
    w.Int(names.coordinateSystem, settings.coordinateSystem);
    w.Int(names.timeSystem, settings.riseSetTimeSystem);
    return w.Ok();
}

bool LoadTimeStepOptions(EclipsePanelSettings& settings, SettingsTree& tree) {
    if (!ReadIntValue(tree, TXT("Step value"), settings.stepValue)) settings.stepValue = 1;
    if (!ReadIntValueInRange(tree, TXT("Step type"), 0, kTimeUnitCount - 1, settings.stepType)) {
        settings.stepType = 1;
    }
    if (!ReadDateTimeValue(tree, kDateTimeNames, settings.dateTime)) {
        DateTime today;
        if (DateTimeSetToNow(today)) {
            today.hours = 0.0;
            settings.dateTime = today;
        }
    }
    return true;
}

bool SaveTimeStepOptions(const EclipsePanelSettings& settings, SettingsTreeWriter& writer) {
    WrittenValues w(writer);
    w.Int(TXT("Step value"), settings.stepValue);
    w.Int(TXT("Step type"), settings.stepType);
    w.Then([&] { return WriteDateTimeValue(writer, kDateTimeNames, settings.dateTime); });
    return w.Ok();
}

bool LoadLocationOptions(LocationOptions& options, SettingsTree& tree) {
    if (!ReadBoolValue(tree, TXT("User defined"), options.userDefined)) {
        options.userDefined = true;
        return false;
    }
    return LoadGeoLocation(kCurrentLocationNames, tree, options.location);
}

bool SaveLocationOptions(const LocationOptions& options, SettingsTreeWriter& writer) {
    return WriteBoolValue(writer, TXT("User defined"), options.userDefined) &&
           SaveGeoLocation(kCurrentLocationNames, options.location, writer);
}

bool LoadEventForecastOptions(EventForecastOptions& options, SettingsTree& tree) {
    if (!ReadBoolValue(tree, TXT("Generation on"), options.generationOn)) options.generationOn = true;
    if (!LoadTimeStep(String(TXT("Time range")), options.timeRange, tree)) {
        options.timeRange = TimeStep{kMonthsUnit, 1};
    }
    if (!ReadIntValue(tree, TXT("Content"), options.content)) options.content = -1;
    return true;
}

bool SaveEventForecastOptions(const EventForecastOptions& options, SettingsTreeWriter& writer) {
    WrittenValues w(writer);
    w.Bool(TXT("Generation on"), options.generationOn);
    w.Then([&] {
        return SaveTimeStep(String(TXT("Time range")), options.timeRange, writer);
    });
    w.Int(TXT("Content"), options.content);
    return w.Ok();
}

}  // namespace corvinata
