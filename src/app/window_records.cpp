#include "app/window_records.h"

#include "app/settings_records.h"
#include "app/settings_values.h"

namespace corvinata {
namespace {

void ExplorerDefaults(ExplorerOptions& options, int moons, std::int32_t zoom) {
    options.showOrbits = true;
    options.showNames = true;
    options.swapNorthSouth = false;
    options.swapEastWest = false;
    options.zoomPosition = zoom;
    options.selectedSatellite = 0;
    options.tilt = 0;
    options.satellitesShown.assign(static_cast<std::size_t>(moons), true);
}

constexpr const Char* kDateAndTime = TXT("Date and Time");

}  // namespace

void JupiterMoonsAllShown(ExplorerOptions& options) { ExplorerDefaults(options, 4, 3); }
void SaturnMoonsAllShown(ExplorerOptions& options) { ExplorerDefaults(options, 8, 7); }

void SkyModelDefaults(SkyWindowState& state, const BodyIdentifier& firstSelectable) {
    state.viewLambda = 0.0;
    state.viewPhi = 0.0;
    state.fieldWidth = 60;
    SkyOptions& o = state.options;
    o.mapType = 2;
    o.gridType = 0;
    o.gridLabelsOn = true;
    o.gridAsCrosses = true;
    o.horizonType = 1;
    o.sunOn = true;
    o.moonOn = true;
    o.starNamesOn = false;
    o.starLettersOn = false;
    o.planetDisplayMode = 2;
    o.planetNamesOn = false;
    o.planetSymbolsOn = true;
    o.planetTracksOn = false;
    o.deepSkyCatalogue = 0;
    o.deepSkyNameSystem = 0;
    o.deepSkyColour = false;
    o.eclipticOn = true;
    o.constellationLinesOn = true;
    o.constellationBoundariesOn = false;
    o.constellationNames = 0;
    o.magnitudeLimit = 20.0;
    state.selectedBody = firstSelectable;
}

void SolarEclipseWindowDefaults(EclipseWindowState& state, const DateTime& documentDate,
                                const DateTimeLocation& current) {
    if (DateTimeDiffers(state.dateTime, documentDate)) state.dateTime = documentDate;
    state.detailsLongitude = current.location.coordinates.longitude.degrees;
    state.detailsLatitude = current.location.coordinates.latitude.degrees;
    state.centreLongitude = 0.0;
    state.zoom = 1;
    state.centreLatitude = 0.0;
}

bool LoadGraphModel(SettingsTree& tree, GraphModelValues& values) {
    if (ReadStringValue(tree, TXT("Full path"), values.fullPath)) return true;
    values.fullPath = String();
    return false;
}

bool SaveGraphModel(SettingsTreeWriter& writer, const GraphModelValues& values) {
    return WriteStringValue(writer, TXT("Full path"), values.fullPath);
}

bool LoadPictureModel(SettingsTree& tree, PictureModelValues& values) {
    const bool path = ReadStringValue(tree, TXT("Path"), values.path);
    if (!path) values.path = String();
    const bool file = ReadStringValue(tree, TXT("File name"), values.fileName) &&
                      !values.fileName.IsEmpty();
    if (!file) values.fileName = String(kDefaultPictureFile);
    return path && file;
}

bool SavePictureModel(SettingsTreeWriter& writer, const PictureModelValues& values) {
    return WriteStringValue(writer, TXT("Path"), values.path) &&
           WriteStringValue(writer, TXT("File name"), values.fileName);
}

bool LoadReportModel(SettingsTree& tree, std::int32_t lastReportType, ReportModelValues& values) {
    RequiredValues read(tree);
    read.Int(TXT("Type"), values.type, 0, 0, lastReportType);
    read.Int(TXT("Body number"), values.bodyNumber, 0, 0, INT32_MAX);
    return read.Ok();
}

bool SaveReportModel(SettingsTreeWriter& writer, const ReportModelValues& values) {
    WrittenValues write(writer);
    write.Int(TXT("Type"), values.type);
    write.Int(TXT("Body number"), values.bodyNumber);
    return write.Ok();
}

bool LoadSolarEclipseModel(SettingsTree& tree, DateTime& date) {
    if (ReadDateTimeValue(tree, {kDateAndTime}, date)) return true;
    date = DateTime();
    return false;
}

bool SaveSolarEclipseModel(SettingsTreeWriter& writer, const DateTime& date) {
    return WriteDateTimeValue(writer, {kDateAndTime}, date);
}

std::unique_ptr<SolarEclipseDocument> NewSolarEclipseDocument(NotificationHub& hub,
                                                              const DateTime& applicationDate) {
    return std::make_unique<SolarEclipseDocument>(hub, applicationDate);
}

std::unique_ptr<SolarEclipseDocument> LoadSolarEclipseDocument(SettingsTree& tree, NotificationHub& hub) {
    DateTime date;
    LoadSolarEclipseModel(tree, date);
    return std::make_unique<SolarEclipseDocument>(hub, date);
}

bool SaveSolarEclipseDocument(SettingsTreeWriter& writer, const SolarEclipseDocument& document) {
    return SaveSolarEclipseModel(writer, document.Model().date);
}

}  // namespace corvinata
