// Settings records written and read back through a storage service: the
// same checks run on the in-memory registry natively and on the Windows
// registry under Wine. Every field is compared on its own.
#pragma once

#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"

#include <gtest/gtest.h>

#include "app/location_settings.h"
#include "app/settings_records.h"
#include "app/time_and_location.h"
#include "app/window_settings.h"
#include "base/registry_root.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata::test {

// Constellation name systems: 0 "Latin", 1 "English", 2 "Abbreviation".
class FakeNameSystems final : public NameSystemNames {
public:
    bool FindIdByName(const String& name, std::int32_t& id) const override {
        for (id = 0; id < 3 && name != String(kNames[id]); ++id) {}
        return id < 3;
    }
    String NameOfId(std::int32_t id) const override { return String(kNames[id]); }

private:
    static constexpr const Char* kNames[3] = {TXT("Latin"), TXT("English"), TXT("Abbreviation")};
};

inline void ExpectSame(const DateTime& a, const DateTime& b) {
    EXPECT_EQ(a.year, b.year);
    EXPECT_EQ(a.month, b.month);
    EXPECT_EQ(a.day, b.day);
    EXPECT_EQ(a.hours, b.hours);
    EXPECT_EQ(a.timeSystem, b.timeSystem);
}

inline void ExpectSame(const BodyIdentifier& a, const BodyIdentifier& b) {
    EXPECT_EQ(a.object, b.object);
    EXPECT_EQ(a.nameSystem, b.nameSystem);
    EXPECT_EQ(Utf8(a.name), Utf8(b.name));
}

inline void ExpectSame(const Location& a, const Location& b) {
    EXPECT_EQ(a.coordinates.longitude.degrees, b.coordinates.longitude.degrees);
    EXPECT_EQ(a.coordinates.longitude.mode, b.coordinates.longitude.mode);
    EXPECT_EQ(a.coordinates.latitude.degrees, b.coordinates.latitude.degrees);
    EXPECT_EQ(a.coordinates.timeZone.hours, b.coordinates.timeZone.hours);
    EXPECT_EQ(a.coordinates.elevation, b.coordinates.elevation);
    EXPECT_EQ(Utf8(a.country), Utf8(b.country));
    EXPECT_EQ(Utf8(a.town), Utf8(b.town));
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

// Needs the catalogues (ScopedCatalogues): identifiers name real objects.
inline BodyIdentifier SampleBody() {
    return BodyIdentifierFromObject(GetCatalogueObject(kBodyConstellation, 59));
}

// Writes `record` with `save` under the key `name` and reads it into `read`
// with `load`; answers the load's result.
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

// The records of the shared value family.
inline void ExpectSharedRecordsRoundTrip(StorageService& storage, const String& root) {
    const DateTime moment = MakeDateTime(2024, 2, 29, 13.751234, kLocalSiderealTime);
    const TimeStep step{kMonthsUnit, -3};
    EventDefinition event;
    event.isPredefined = event.isMinimum = true;
    event.scriptCode = String(TXT("distance(Moon) < 360000"));
    event.predefinedEvent = 8;
    event.body1 = SampleBody();
    event.functionNumber = 17;
    const GeneralOptions general{0, 1, 1, false, true};
    const DateTimeOptions times{true, moment, false, true};
    const Location place = SampleLocation();
    TimeAndLocation range;
    range.location = place;
    range.daylightSaving = true;
    range.beginDate = MakeDateTime(2001, 2, 3, 4.5, kLocalCivilTime);
    ASSERT_TRUE(TimeAndLocationSetRange(range, kDaysUnit, 30));
    const RecordKeyNames rangeNames{TXT("Time Step"), TXT("Time range")};
    const RecordKeyNames placeNames{TXT("Named geographical location"), TXT("Current location")};
    {
        SettingsTreeWriter w(storage, root);
        ASSERT_TRUE(OpenSettingsKeyPath(w, String(TXT("Records"))));
        EXPECT_TRUE(WriteDateTimeValue(w, {TXT("Date and Time")}, moment));
        EXPECT_TRUE(SaveTimeStep(String(rangeNames.Key()), step, w));
        EXPECT_TRUE(SaveBodyIdentifier(w, {TXT("Selected Body"), TXT("Nothing")}, {}));
        EXPECT_TRUE(SaveEventDefinition(w, event));
        EXPECT_TRUE(SaveGeneralOptions(w, FakeNameSystems(), general, root));
        EXPECT_TRUE(SaveDateTimeOptions(w, times));
        EXPECT_TRUE(SaveGeoLocation(placeNames, place, w));
        EXPECT_TRUE(WriteTimeAndLocationSettings(range, w));
        PopSettingsKey(w);
    }
    SettingsTree tree(storage, root);
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("Records"))));
    DateTime readMoment;
    EXPECT_TRUE(ReadDateTimeValue(tree, {TXT("Date and Time")}, readMoment));
    ExpectSame(readMoment, moment);
    TimeStep readStep;
    EXPECT_TRUE(LoadTimeStep(String(rangeNames.Key()), readStep, tree));
    EXPECT_TRUE(TimeStepEqual(readStep, step));
    BodyIdentifier nothing = SampleBody();
    EXPECT_TRUE(LoadBodyIdentifier(tree, {TXT("Selected Body"), TXT("Nothing")}, nothing));
    EXPECT_EQ(nothing.object, nullptr);
    EventDefinition readEvent;
    EXPECT_TRUE(LoadEventDefinition(tree, readEvent));
    EXPECT_EQ(readEvent.isPredefined, event.isPredefined);
    EXPECT_EQ(Utf8(readEvent.scriptCode), Utf8(event.scriptCode));
    EXPECT_EQ(readEvent.isScriptEdited, event.isScriptEdited);
    EXPECT_EQ(readEvent.predefinedEvent, event.predefinedEvent);
    EXPECT_EQ(readEvent.isMinimum, event.isMinimum);
    ExpectSame(readEvent.body1, event.body1);
    ExpectSame(readEvent.body2, event.body2);
    EXPECT_EQ(readEvent.functionNumber, event.functionNumber);
    GeneralOptions readGeneral{1, 0, 0, true, false};
    EXPECT_TRUE(LoadGeneralOptions(tree, FakeNameSystems(), readGeneral));
    EXPECT_EQ(readGeneral.raDisplayUnit, 0);
    EXPECT_EQ(readGeneral.angleDegreeBase, 1);
    EXPECT_EQ(readGeneral.constellationLanguage, 1);
    EXPECT_FALSE(readGeneral.factoryReset);
    EXPECT_TRUE(readGeneral.saveOptionsOnExit);
    DateTimeOptions readTimes;
    EXPECT_TRUE(LoadDateTimeOptions(tree, readTimes));
    EXPECT_TRUE(readTimes.userDefined);
    ExpectSame(readTimes.userTime, moment);
    EXPECT_FALSE(readTimes.userDaylightSaving);
    EXPECT_TRUE(readTimes.clockActive);
    Location readPlace;
    EXPECT_TRUE(LoadGeoLocation(placeNames, tree, readPlace));
    ExpectSame(readPlace, place);
    TimeAndLocation readRange;
    readRange.stepCount = 30 / kStepsPerRange;
    EXPECT_TRUE(ReadTimeAndLocationSettings(readRange, tree));
    ExpectSame(readRange.beginDate, range.beginDate);
    ExpectSame(readRange.endDate, range.endDate);
    EXPECT_TRUE(GeoCoordinatesEqual(readRange.location.coordinates, place.coordinates));
    EXPECT_TRUE(readRange.daylightSaving);
}

inline SkyWindowState SampleSkyState() {
    SkyWindowState sky;
    sky.geometry = WindowGeometry{kGeometryAll, 10, 20, 520, 480, false, true};
    sky.viewLambda = 12.7;
    sky.viewPhi = -33.25;
    sky.fieldWidth = 90;
    sky.options = SkyOptions{1, 2, true, false, 2, true, false, false, true, 0, false,
                             false, true, 3, 1, false, false, false, false, 1, 7.5};
    sky.selectedBody = BodyIdentifierFromObject(PlanetByNumber(5));
    return sky;
}

// The window records, written and read back.
inline void ExpectWindowRecordsRoundTrip(StorageService& storage, const String& root) {
    const SkyWindowState sky = SampleSkyState();
    SkyWindowState readSky;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Sky"), sky, readSky, SaveSkyOptions, LoadSkyOptions));
    EXPECT_EQ(readSky.geometry.width, 520);
    EXPECT_TRUE(readSky.geometry.maximized);
    EXPECT_EQ(readSky.viewLambda, sky.viewLambda);
    EXPECT_EQ(readSky.viewPhi, sky.viewPhi);
    EXPECT_EQ(readSky.fieldWidth, sky.fieldWidth);
    for (std::int32_t id = 0; id < kSkyOptionsWhole; ++id) {
        EXPECT_TRUE(SkyOptionsFieldEqual(readSky.options, sky.options, id)) << "sky field " << id;
    }
    ExpectSame(readSky.selectedBody, sky.selectedBody);

    SolarSystemWindowState solar;
    solar.options.zodiacSigns = true;
    solar.options.function = 77;
    solar.zoom = 8;
    solar.selectedType = 2;
    SolarSystemWindowState readSolar;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Solar"), solar, readSolar, SaveSolarSystemOptions,
                             LoadSolarSystemOptions));
    EXPECT_TRUE(SolarSystemOptionsEqual(readSolar.options, solar.options));
    EXPECT_EQ(readSolar.zoom, 8);
    EXPECT_EQ(readSolar.selectedType, 2);

    ExplorerOptions saturn = SaturnOptionsInit();
    saturn.satellitesShown[5] = false;
    saturn.tilt = 15;
    saturn.swapEastWest = true;
    ExplorerOptions readSaturn;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Saturn"), saturn, readSaturn, SaveExplorerOptions,
                             LoadSaturnOptions));
    EXPECT_EQ(readSaturn.satellitesShown, saturn.satellitesShown);
    EXPECT_EQ(readSaturn.tilt, 15);
    EXPECT_TRUE(readSaturn.swapEastWest);

    const EclipseWindowState eclipse{WindowGeometry{}, -12.5, 41.75,
                                     MakeDateTime(2026, 8, 12, 17.75), 3.5, -7.25, 4};
    EclipseWindowState readEclipse;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Eclipse"), eclipse, readEclipse,
                             SaveEclipseOptions, LoadEclipseOptions));
    EXPECT_EQ(readEclipse.detailsLongitude, eclipse.detailsLongitude);
    EXPECT_EQ(readEclipse.detailsLatitude, eclipse.detailsLatitude);
    ExpectSame(readEclipse.dateTime, eclipse.dateTime);
    EXPECT_EQ(readEclipse.centreLongitude, eclipse.centreLongitude);
    EXPECT_EQ(readEclipse.centreLatitude, eclipse.centreLatitude);
    EXPECT_EQ(readEclipse.zoom, 4);

    const ReportWindowState report{WindowGeometry{}, MakeDateTime(2030, 1, 2, 3.5), true,
                                   SampleLocation()};
    ReportWindowState readReport;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Report"), report, readReport, SaveReportOptions,
                             LoadReportOptions));
    ExpectSame(readReport.dateTime, report.dateTime);
    EXPECT_TRUE(readReport.daylightSaving);
    ExpectSame(readReport.place, report.place);

    const PanelSettings panel{TimeStep{kHoursUnit, 6}, 3, kUniversalTime};
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

    const LocationOptions location{false, SampleLocation()};
    LocationOptions readLocation;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Location"), location, readLocation,
                             SaveLocationOptions, LoadLocationOptions));
    EXPECT_FALSE(readLocation.userDefined);
    ExpectSame(readLocation.location, location.location);

    const EventForecastOptions forecast{false, TimeStep{kYearsUnit, 2}, 6};
    EventForecastOptions readForecast;
    EXPECT_TRUE(WriteAndRead(storage, root, TXT("Forecast"), forecast, readForecast,
                             SaveEventForecastOptions, LoadEventForecastOptions));
    EXPECT_FALSE(readForecast.generationOn);
    EXPECT_TRUE(TimeStepEqual(readForecast.timeRange, forecast.timeRange));
    EXPECT_EQ(readForecast.content, 6);
}

}  // namespace corvinata::test
