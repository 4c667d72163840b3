// The models a new window of each kind starts from, and the values by which
// the kinds that own their document (Graph, Picture, Report, Solar eclipse)
// find that document again at the next start.
#pragma once

#include <cstdint>
#include <memory>

#include "app/eclipse_document.h"
#include "app/window_settings.h"
#include "base/date_time.h"
#include "base/date_time_location.h"
#include "base/wide_string.h"

namespace corvinata {

// Orbits and names shown, no swapped directions, the kind's zoom (Jupiter 3,
// Saturn 7), the first satellite selected, no tilt and every moon shown.
void JupiterMoonsAllShown(ExplorerOptions& options);
void SaturnMoonsAllShown(ExplorerOptions& options);

// A new Sky view: looking at (0, 0) with a 60-degree field, a realistic map
// and planets, labelled grid crosses, the classic horizon, the Sun, the
// Moon, the ecliptic and the constellation lines, down to magnitude 20;
// `firstSelectable` (the first body of the selectable list) selected.
void SkyModelDefaults(SkyWindowState& state, const BodyIdentifier& firstSelectable);

// A new Solar eclipse window shows its document's date at the current place,
// centred at (0, 0) at zoom 1.
void SolarEclipseWindowDefaults(EclipseWindowState& state, const DateTime& documentDate,
                                const DateTimeLocation& current);

// The picture a Picture window shows when its record names none.
inline constexpr const Char* kDefaultPictureFile = TXT("m042.jpg");

struct GraphModelValues {
    String fullPath;  // empty: a graph never saved
};

struct PictureModelValues {
    String path;
    String fileName{kDefaultPictureFile};
};

struct ReportModelValues {
    std::int32_t type = 0;
    std::int32_t bodyNumber = 0;
};

// Each load reads the values below the tree's innermost key (the document's
// "Model <n>" key) and answers whether all were there; what is missing keeps
// its default. Each save writes what its load reads.
bool LoadGraphModel(SettingsTree& tree, GraphModelValues& values);
bool SaveGraphModel(SettingsTreeWriter& writer, const GraphModelValues& values);
bool LoadPictureModel(SettingsTree& tree, PictureModelValues& values);
bool SavePictureModel(SettingsTreeWriter& writer, const PictureModelValues& values);
// A report kind outside 0..`lastReportType` or a negative body number is
// refused, so a damaged entry never makes a report of something that does
// not exist.
bool LoadReportModel(SettingsTree& tree, std::int32_t lastReportType, ReportModelValues& values);
bool SaveReportModel(SettingsTreeWriter& writer, const ReportModelValues& values);
// The eclipse document's date; missing, the default date (year 1583, no
// time system).
bool LoadSolarEclipseModel(SettingsTree& tree, DateTime& date);
bool SaveSolarEclipseModel(SettingsTreeWriter& writer, const DateTime& date);

// A new Solar eclipse document for the application's date, and one read
// back from its stored date (the default date when none was stored); both
// look the eclipse up at once.
std::unique_ptr<SolarEclipseDocument> NewSolarEclipseDocument(NotificationHub& hub,
                                                              const DateTime& applicationDate);
std::unique_ptr<SolarEclipseDocument> LoadSolarEclipseDocument(SettingsTree& tree, NotificationHub& hub);
bool SaveSolarEclipseDocument(SettingsTreeWriter& writer, const SolarEclipseDocument& document);

}  // namespace corvinata
