// The records that the windows of each kind and their control panels keep
// in the settings, with their load and save functions.
//
// Every load takes a reader positioned at the record's key and answers
// whether every required value was read; it stops at the first one that is
// missing or out of range, giving that field its default. Every save writes
// what its load reads.
#pragma once

#include <cstdint>
#include <vector>

#include "catalog/catalogue_registry.h"
#include "app/option_records.h"
#include "app/settings_values.h"
#include "app/window_geometry.h"
#include "base/date_time.h"
#include "base/location.h"
#include "base/time_step.h"

namespace corvinata {

// Range of a Sky window's field of view, degrees.
constexpr std::int32_t kSkyZoomMin = 10;
constexpr std::int32_t kSkyZoomMax = 180;

struct SkyWindowState {
    WindowGeometry geometry;
    double viewLambda = 0.0;  // direction of view, degrees
    double viewPhi = 0.0;
    std::int32_t fieldWidth = 60;
    SkyOptions options;
    BodyIdentifier selectedBody;
};

// The direction of view is written as a double; a whole number of degrees
// stored by an earlier version reads as well.
bool LoadSkyOptions(SkyWindowState& state, SettingsTree& tree);
bool SaveSkyOptions(const SkyWindowState& state, SettingsTreeWriter& writer);

struct SolarSystemWindowState {
    WindowGeometry geometry;
    SolarSystemOptions options;
    std::int32_t zoom = 3;
    std::int32_t selectedType = 0;
    std::int32_t selectedNumber = 0;
};

bool LoadSolarSystemOptions(SolarSystemWindowState& state, SettingsTree& tree);
bool SaveSolarSystemOptions(const SolarSystemWindowState& state, SettingsTreeWriter& writer);

struct GraphViewState {
    WindowGeometry geometry;
    std::int32_t currentValue = 183;
    bool guideLineOn = true;
    std::int32_t selectedLine = 0;
};

bool LoadGraphViewOptions(GraphViewState& state, SettingsTree& tree);
bool SaveGraphViewOptions(const GraphViewState& state, SettingsTreeWriter& writer);

struct PictureViewState {
    WindowGeometry geometry;
    bool fitToWindow = false;
};

bool LoadPictureOptions(PictureViewState& state, SettingsTree& tree);
bool SavePictureOptions(const PictureViewState& state, SettingsTreeWriter& writer);

struct ExplorerOptions {
    WindowGeometry geometry;
    bool showOrbits = true;
    bool showNames = true;
    bool swapNorthSouth = false;
    bool swapEastWest = false;
    std::int32_t zoomPosition = -1;
    std::int32_t selectedSatellite = -1;
    std::int32_t tilt = -1;
    std::vector<bool> satellitesShown;
};

// Four moons shown for Jupiter, eight for Saturn.
ExplorerOptions JupiterOptionsInit();
ExplorerOptions SaturnOptionsInit();
bool LoadJupiterOptions(ExplorerOptions& options, SettingsTree& tree);
bool LoadSaturnOptions(ExplorerOptions& options, SettingsTree& tree);
bool SaveExplorerOptions(const ExplorerOptions& options, SettingsTreeWriter& writer);

struct EclipseWindowState {
    WindowGeometry geometry;
    double detailsLongitude = 0.0;
    double detailsLatitude = 0.0;
    DateTime dateTime;
    double centreLongitude = 0.0;
    double centreLatitude = 0.0;
    std::int32_t zoom = 1;
};

bool LoadEclipseOptions(EclipseWindowState& state, SettingsTree& tree);
bool SaveEclipseOptions(const EclipseWindowState& state, SettingsTreeWriter& writer);

struct ReportWindowState {
    WindowGeometry geometry;
    DateTime dateTime;
    bool daylightSaving = false;
    Location place;
};

bool LoadReportOptions(ReportWindowState& state, SettingsTree& tree);
bool SaveReportOptions(const ReportWindowState& state, SettingsTreeWriter& writer);

// The group "Daylight Saving Time" with "Active".
bool LoadDstOptions(bool& active, SettingsTree& tree);
bool SaveDstOptions(bool active, SettingsTreeWriter& writer);

// Settings of the Jupiter, Saturn and Sky panels.
struct PanelSettings {
    TimeStep timeStep{kMinutesUnit, 10};
    std::int32_t coordinateSystem = 0;
    std::int32_t riseSetTimeSystem = kLocalCivilTime;
};

enum class PanelKind { Jupiter, Saturn, Sky };

// Always true; anything unreadable keeps its default.
bool LoadPanelOptions(PanelKind kind, PanelSettings& settings, SettingsTree& tree);
bool SavePanelOptions(PanelKind kind, const PanelSettings& settings, SettingsTreeWriter& writer);

struct EclipsePanelSettings {
    std::int32_t stepValue = 1;
    std::int32_t stepType = 1;
    DateTime dateTime;
};

// Always true; without a stored date, today at 0 h.
bool LoadTimeStepOptions(EclipsePanelSettings& settings, SettingsTree& tree);
bool SaveTimeStepOptions(const EclipsePanelSettings& settings, SettingsTreeWriter& writer);

struct LocationOptions {
    bool userDefined = true;
    Location location;
};

bool LoadLocationOptions(LocationOptions& options, SettingsTree& tree);
bool SaveLocationOptions(const LocationOptions& options, SettingsTreeWriter& writer);

struct EventForecastOptions {
    bool generationOn = true;
    TimeStep timeRange{kMonthsUnit, 1};
    std::int32_t content = -1;
};

bool LoadEventForecastOptions(EventForecastOptions& options, SettingsTree& tree);
bool SaveEventForecastOptions(const EventForecastOptions& options, SettingsTreeWriter& writer);

}  // namespace corvinata
