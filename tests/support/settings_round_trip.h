// Settings records written and read back through a storage service: the
// same checks run on the in-memory registry natively and on the Windows
// registry under Wine. Every field is compared on its own.
#pragma once

#include <gtest/gtest.h>

#include "app/location_settings.h"
#include "app/settings_records.h"
#include "app/window_settings.h"
#include "base/settings_tree.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata::test {

// Constellation name systems of a small fake catalogue: 0 "Latin",
// 1 "English", 2 "Abbreviation".
class FakeNameSystems final : public NameSystemNames {
public:
    bool FindIdByName(const String& name, std::int32_t& id) const override {
        for (std::int32_t i = 0; i < 3; ++i) {
            if (name == String(kNames[i])) {
                id = i;
                return true;
            }
        }
        return false;
    }
    String NameOfId(std::int32_t id) const override {
        return String(id >= 0 && id < 3 ? kNames[id] : TXT(""));
    }

private:
    static constexpr const Char* kNames[3] = {TXT("Latin"), TXT("English"), TXT("Abbreviation")};
};

inline void ExpectDateTimesEqual(const DateTime& a, const DateTime& b, const char* what) {
    EXPECT_EQ(a.year, b.year) << what;
    EXPECT_EQ(a.month, b.month) << what;
    EXPECT_EQ(a.day, b.day) << what;
    EXPECT_EQ(a.hours, b.hours) << what;
    EXPECT_EQ(a.timeSystem, b.timeSystem) << what;
}

inline void ExpectBodiesEqual(const BodyIdentifier& a, const BodyIdentifier& b, const char* what) {
    EXPECT_EQ(a.bodyType, b.bodyType) << what;
    EXPECT_EQ(a.number, b.number) << what;
    EXPECT_EQ(a.nameSystem, b.nameSystem) << what;
    EXPECT_EQ(Utf8(a.name), Utf8(b.name)) << what;
}

inline void ExpectLocationsEqual(const Location& a, const Location& b, const char* what) {
    EXPECT_EQ(a.coordinates.longitude.degrees, b.coordinates.longitude.degrees) << what;
    EXPECT_EQ(a.coordinates.longitude.mode, b.coordinates.longitude.mode) << what;
    EXPECT_EQ(a.coordinates.latitude.degrees, b.coordinates.latitude.degrees) << what;
    EXPECT_EQ(a.coordinates.timeZone.hours, b.coordinates.timeZone.hours) << what;
    EXPECT_EQ(a.coordinates.elevation, b.coordinates.elevation) << what;
    EXPECT_EQ(Utf8(a.country), Utf8(b.country)) << what;
    EXPECT_EQ(Utf8(a.town), Utf8(b.town)) << what;
}

inline Location SampleLocation() {
    Location place;
    place.coordinates.longitude = LongitudeValue(-16.3725, kEastPositive);
    place.coordinates.latitude.degrees = 48.2083;
    place.coordinates.timeZone.hours = 1.0;
    place.coordinates.elevation = 171;
    place.country = String(TXT("Austria"));
    place.town = String(TXT("Vienna"));
    return place;
}

// The records of the shared value family, written under `root` and read back.
inline void ExpectSharedRecordsRoundTrip(StorageService& storage, const String& root) {
    const DateTime moment = MakeDateTime(2024, 2, 29, 13.751234, kLocalSiderealTime);
    const TimeStep step{kMonthsUnit, -3};
    BodyIdentifier body;
    body.bodyType = 6;
    body.number = 1952;
    body.nameSystem = 3;
    body.name = String(TXT("M 1"));
    EventDefinition event;
    event.isPredefined = true;
    event.scriptCode = String(TXT("distance(Moon) < 360000"));
    event.predefinedEvent = 8;
    event.isMinimum = true;
    event.body1 = body;
    event.functionNumber = 17;
    GeneralOptions general;
    general.raDisplayUnit = 0;
    general.angleDegreeBase = 1;
    general.constellationLanguage = 1;
    DateTimeOptions times;
    times.userDefined = true;
    times.userTime = moment;
    times.clockActive = true;
    const Location place = SampleLocation();
    {
        SettingsTreeWriter writer(storage, root);
        ASSERT_TRUE(OpenSettingsKeyPath(writer, String(TXT("Records"))));
        EXPECT_TRUE(WriteDateTimeValue(writer, {TXT("Date and Time")}, moment));
        EXPECT_TRUE(SaveTimeStepRecord(writer, {TXT("Time Step"), TXT("Time range")}, step));
        EXPECT_TRUE(SaveBodyIdentifier(writer, {TXT("Selected Body")}, body));
        EXPECT_TRUE(SaveBodyIdentifier(writer, {TXT("Selected Body"), TXT("Nothing")}, {}));
        EXPECT_TRUE(SaveEventDefinition(writer, event));
        EXPECT_TRUE(SaveGeneralOptions(writer, FakeNameSystems(), general, root));
        EXPECT_TRUE(SaveDateTimeOptions(writer, times));
        EXPECT_TRUE(SaveGeoLocation({TXT("Named geographical location"), TXT("Current location")},
                                    place, writer));
        PopSettingsKey(writer);
    }
    SettingsTree tree(storage, root);
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("Records"))));
    DateTime readMoment;
    EXPECT_TRUE(ReadDateTimeValue(tree, {TXT("Date and Time")}, readMoment));
    ExpectDateTimesEqual(readMoment, moment, "date-time value");
    TimeStep readStep;
    EXPECT_TRUE(LoadTimeStepRecord(tree, {TXT("Time Step"), TXT("Time range")}, readStep));
    EXPECT_TRUE(TimeStepEqual(readStep, step));
    BodyIdentifier readBody, readNothing;
    readNothing.bodyType = 2;
    EXPECT_TRUE(LoadBodyIdentifier(tree, {TXT("Selected Body")}, readBody));
    ExpectBodiesEqual(readBody, body, "body");
    EXPECT_TRUE(LoadBodyIdentifier(tree, {TXT("Selected Body"), TXT("Nothing")}, readNothing));
    EXPECT_TRUE(BodyIdentifierIsEmpty(readNothing));
    EventDefinition readEvent;
    EXPECT_TRUE(LoadEventDefinition(tree, readEvent));
    EXPECT_EQ(readEvent.isPredefined, event.isPredefined);
    EXPECT_EQ(Utf8(readEvent.scriptCode), Utf8(event.scriptCode));
    EXPECT_EQ(readEvent.isScriptEdited, event.isScriptEdited);
    EXPECT_EQ(readEvent.predefinedEvent, event.predefinedEvent);
    EXPECT_EQ(readEvent.isMinimum, event.isMinimum);
    ExpectBodiesEqual(readEvent.body1, event.body1, "event body 1");
    ExpectBodiesEqual(readEvent.body2, event.body2, "event body 2");
    EXPECT_EQ(readEvent.functionNumber, event.functionNumber);
    GeneralOptions readGeneral;
    readGeneral.factoryReset = true;
    EXPECT_TRUE(LoadGeneralOptions(tree, FakeNameSystems(), readGeneral));
    EXPECT_EQ(readGeneral.raDisplayUnit, 0);
    EXPECT_EQ(readGeneral.angleDegreeBase, 1);
    EXPECT_EQ(readGeneral.constellationLanguage, 1);
    EXPECT_FALSE(readGeneral.factoryReset);
    EXPECT_TRUE(readGeneral.saveOptionsOnExit);
    DateTimeOptions readTimes;
    EXPECT_TRUE(LoadDateTimeOptions(tree, readTimes));
    EXPECT_EQ(readTimes.userDefined, true);
    ExpectDateTimesEqual(readTimes.userTime, moment, "user time");
    EXPECT_EQ(readTimes.userDaylightSaving, false);
    EXPECT_EQ(readTimes.clockActive, true);
    Location readPlace;
    EXPECT_TRUE(LoadGeoLocation({TXT("Named geographical location"), TXT("Current location")},
                                tree, readPlace));
    ExpectLocationsEqual(readPlace, place, "location");
}

inline void ExpectGeometriesEqual(const WindowGeometry& a, const WindowGeometry& b) {
    EXPECT_EQ(a.left, b.left);
    EXPECT_EQ(a.top, b.top);
    EXPECT_EQ(a.width, b.width);
    EXPECT_EQ(a.height, b.height);
    EXPECT_EQ(a.minimized, b.minimized);
    EXPECT_EQ(a.maximized, b.maximized);
}

// Writes a record with `save` under the key `name`, reads it into `read`
// with `load`, and answers the load's result.
template <class Record, class Save, class Load>
bool WriteAndRead(StorageService& storage, const String& root, const Char* name,
                  const Record& record, Record& read, Save save, Load load) {
    {
        SettingsTreeWriter writer(storage, root);
        OpenSettingsKeyPath(writer, String(name));
        EXPECT_TRUE(save(record, writer));
        PopSettingsKey(writer);
    }
    SettingsTree tree(storage, root);
    EXPECT_TRUE(PushSettingsKey(tree, String(name)));
    return load(read, tree);
}

inline SkyWindowState SampleSkyState() {
    SkyWindowState sky;
    sky.geometry = WindowGeometry{kGeometryAll, 10, 20, 520, 480, false, true};
    sky.viewLambda = 12.7;
    sky.viewPhi = -33.25;
    sky.fieldWidth = 90;
    SkyOptions& o = sky.options;
    o.mapType = 1;
    o.gridType = 2;
    o.gridLabelsOn = true;
    o.horizonType = 2;
    o.sunOn = true;
    o.starLettersOn = true;
    o.planetDisplayMode = 0;
    o.planetTracksOn = true;
    o.deepSkyCatalogue = 3;
    o.deepSkyNameSystem = 1;
    o.constellationNames = 1;
    o.magnitudeLimit = 7.5;
    sky.selectedBody.bodyType = 2;
    sky.selectedBody.number = 4;
    sky.selectedBody.name = String(TXT("Saturn"));
    return sky;
}

// The window and panel records, written and read back field by field.
inline void ExpectWindowRecordsRoundTrip(StorageService& storage, const String& root) {
    const SkyWindowState sky = SampleSkyState();
    SkyWindowState readSky;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Sky"), sky, readSky, SaveSkyOptions, LoadSkyOptions));
    ExpectGeometriesEqual(readSky.geometry, sky.geometry);
    EXPECT_EQ(readSky.viewLambda, sky.viewLambda);
    EXPECT_EQ(readSky.viewPhi, sky.viewPhi);
    EXPECT_EQ(readSky.fieldWidth, sky.fieldWidth);
    for (std::int32_t id = 0; id < kSkyOptionsWhole; ++id) {
        EXPECT_TRUE(SkyOptionsFieldEqual(readSky.options, sky.options, id)) << "sky field " << id;
    }
    ExpectBodiesEqual(readSky.selectedBody, sky.selectedBody, "sky selection");

    SolarSystemWindowState solar;
    solar.options.zodiacSigns = true;
    solar.options.function = 77;
    solar.zoom = 8;
    solar.selectedType = 2;
    solar.selectedNumber = 5;
    SolarSystemWindowState readSolar;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Solar"), solar, readSolar, SaveSolarSystemOptions,
                             LoadSolarSystemOptions));
    EXPECT_TRUE(SolarSystemOptionsEqual(readSolar.options, solar.options));
    EXPECT_EQ(readSolar.zoom, 8);
    EXPECT_EQ(readSolar.selectedType, 2);
    EXPECT_EQ(readSolar.selectedNumber, 5);

    ExplorerOptions saturn = SaturnOptionsInit();
    saturn.satellitesShown[5] = false;
    saturn.zoomPosition = 2;
    saturn.tilt = 15;
    saturn.swapEastWest = true;
    ExplorerOptions readSaturn;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Saturn"), saturn, readSaturn, SaveExplorerOptions,
                             LoadSaturnOptions));
    EXPECT_EQ(readSaturn.satellitesShown, saturn.satellitesShown);
    EXPECT_EQ(readSaturn.zoomPosition, 2);
    EXPECT_EQ(readSaturn.tilt, 15);
    EXPECT_EQ(readSaturn.swapEastWest, true);

    EclipseWindowState eclipse;
    eclipse.detailsLongitude = -12.5;
    eclipse.detailsLatitude = 41.75;
    eclipse.dateTime = MakeDateTime(2026, 8, 12, 17.75, kUniversalTime);
    eclipse.centreLongitude = 3.5;
    eclipse.centreLatitude = -7.25;
    eclipse.zoom = 4;
    EclipseWindowState readEclipse;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Eclipse"), eclipse, readEclipse,
                             SaveEclipseOptions, LoadEclipseOptions));
    EXPECT_EQ(readEclipse.detailsLongitude, eclipse.detailsLongitude);
    EXPECT_EQ(readEclipse.detailsLatitude, eclipse.detailsLatitude);
    ExpectDateTimesEqual(readEclipse.dateTime, eclipse.dateTime, "eclipse date");
    EXPECT_EQ(readEclipse.centreLongitude, eclipse.centreLongitude);
    EXPECT_EQ(readEclipse.centreLatitude, eclipse.centreLatitude);
    EXPECT_EQ(readEclipse.zoom, 4);

    ReportWindowState report;
    report.dateTime = MakeDateTime(2030, 1, 2, 3.5, kLocalCivilTime);
    report.daylightSaving = true;
    report.place = SampleLocation();
    ReportWindowState readReport;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Report"), report, readReport, SaveReportOptions,
                             LoadReportOptions));
    ExpectDateTimesEqual(readReport.dateTime, report.dateTime, "report date");
    EXPECT_TRUE(readReport.daylightSaving);
    ExpectLocationsEqual(readReport.place, report.place, "report place");

    PanelSettings panel;
    panel.timeStep = TimeStep{kHoursUnit, 6};
    panel.coordinateSystem = 3;
    panel.riseSetTimeSystem = kUniversalTime;
    PanelSettings readPanel;
    auto savePanel = [](const PanelSettings& p, SettingsTreeWriter& w) {
        return SavePanelOptions(PanelKind::Saturn, p, w);
    };
    auto loadPanel = [](PanelSettings& p, SettingsTree& t) {
        return LoadPanelOptions(PanelKind::Saturn, p, t);
    };
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Panel"), panel, readPanel, savePanel, loadPanel));
    EXPECT_TRUE(TimeStepEqual(readPanel.timeStep, panel.timeStep));
    EXPECT_EQ(readPanel.coordinateSystem, 3);
    EXPECT_EQ(readPanel.riseSetTimeSystem, kUniversalTime);

    LocationOptions location;
    location.userDefined = false;
    location.location = SampleLocation();
    LocationOptions readLocation;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Location"), location, readLocation,
                             SaveLocationOptions, LoadLocationOptions));
    EXPECT_FALSE(readLocation.userDefined);
    ExpectLocationsEqual(readLocation.location, location.location, "current location");

    EventForecastOptions forecast;
    forecast.generationOn = false;
    forecast.timeRange = TimeStep{kYearsUnit, 2};
    forecast.content = 6;
    EventForecastOptions readForecast;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Forecast"), forecast, readForecast,
                             SaveEventForecastOptions, LoadEventForecastOptions));
    EXPECT_FALSE(readForecast.generationOn);
    EXPECT_TRUE(TimeStepEqual(readForecast.timeRange, forecast.timeRange));
    EXPECT_EQ(readForecast.content, 6);
}

}  // namespace corvinata::test
