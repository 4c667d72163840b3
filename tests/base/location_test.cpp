#include "base/location.h"

#include <gtest/gtest.h>

#include "base/place_text_testing.h"

namespace corvinata {
namespace {

using placetest::Utf8;

Location London() {
    Location record;
    LocationMake(LongitudeValue(0.1278, kWestPositive), record,
                 LatitudeValue(51.5074, kLatitudeHemisphereLetter), 11, TXT("United Kingdom"),
                 TXT("London"), 0.0);
    return record;
}

Location EasternPlace() {
    Location record;
    LocationMake(LongitudeValue::FromOriented(151.2093, kEastPositive), record,
                 LatitudeValue(-33.8688, kLatitudeMinusSign), 58, TXT("Australia"), TXT("Sydney"),
                 10.0);
    return record;
}

TEST(Location, EmptyRecordHasDefaultPlaceAndNoNames) {
    Location record = EasternPlace();
    LocationInit(record);
    EXPECT_TRUE(GeoCoordinatesEqual(record.coordinates, GeoCoordinates{}));
    EXPECT_EQ(record.coordinates.longitude.GetOrientation(), kWestPositive);
    EXPECT_TRUE(record.country.IsEmpty());
    EXPECT_TRUE(record.town.IsEmpty());
}

TEST(Location, MakeKeepsModeWordsOfItsParts) {
    const Location record = EasternPlace();
    EXPECT_EQ(record.coordinates.longitude.GetOrientation(), kEastPositive);
    EXPECT_EQ(record.coordinates.latitude.mode, kLatitudeMinusSign);
    EXPECT_EQ(record.coordinates.timeZone.hours, 10.0);
    EXPECT_EQ(record.coordinates.elevation, 58);
    EXPECT_EQ(Utf8(LocationTown(record)), "Sydney");
    EXPECT_EQ(Utf8(LocationCountry(record)), "Australia");
}

TEST(Location, MissingNamesAreEmpty) {
    Location record = London();
    SetLocationTown(record, nullptr);
    SetLocationCountry(record, TXT("Wales"));
    EXPECT_TRUE(record.town.IsEmpty());
    EXPECT_EQ(Utf8(record.country), "Wales");
}

TEST(Location, EqualityIsExactAndCaseSensitive) {
    const Location a = London();
    Location b = London();
    EXPECT_TRUE(LocationEqual(a, b));
    SetLocationTown(b, TXT("LONDON"));
    EXPECT_FALSE(LocationEqual(a, b));
    b = London();
    SetLocationCountry(b, TXT("United Kingdom "));
    EXPECT_FALSE(LocationEqual(a, b));
    b = London();
    b.coordinates.elevation = 12;
    EXPECT_FALSE(LocationEqual(a, b));
}

TEST(Location, AssignCopiesPlaceAndNamesButKeepsTargetModeWords) {
    const Location source = EasternPlace();
    Location target = London();
    LocationAssign(target, source);
    EXPECT_TRUE(LocationEqual(target, source));
    EXPECT_EQ(target.coordinates.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(target.coordinates.latitude.mode, kLatitudeHemisphereLetter);
    // Still east of Greenwich under the target's own orientation.
    EXPECT_EQ(Utf8(FormatLocationDescription(target, true, kAngleDecimal)),
              "Sydney, Australia   (151.209° E / 33.869° S, UT+10)");
}

TEST(Location, AssignToItselfChangesNothing) {
    Location record = EasternPlace();
    Location& result = LocationAssign(record, record);
    EXPECT_EQ(&result, &record);
    EXPECT_TRUE(LocationEqual(record, EasternPlace()));
    EXPECT_EQ(Utf8(record.town), "Sydney");
}

TEST(Location, CopyConstructedRecordEqualsItsSource) {
    const Location source = EasternPlace();
    Location copy = London();
    LocationCopyConstruct(copy, source);
    EXPECT_TRUE(LocationEqual(copy, source));
    EXPECT_EQ(copy.coordinates.longitude.GetOrientation(), kWestPositive);

    const Location plain = source;
    EXPECT_TRUE(LocationEqual(plain, source));
    EXPECT_EQ(plain.coordinates.longitude.GetOrientation(), kEastPositive);
}

TEST(LocationDescription, NamesOnly) {
    EXPECT_EQ(Utf8(FormatLocationDescription(London(), false, kAngleSexagesimal)),
              "London, United Kingdom");
    Location empty;
    EXPECT_EQ(Utf8(FormatLocationDescription(empty, false, kAngleSexagesimal)), ", ");
}

TEST(LocationDescription, WithCoordinatesInBothStyles) {
    EXPECT_EQ(Utf8(FormatLocationDescription(London(), true, kAngleSexagesimal)),
              "London, United Kingdom   (0°07'40\" W / 51°30'27\" N, UT+0)");
    EXPECT_EQ(Utf8(FormatLocationDescription(London(), true, kAngleDecimal)),
              "London, United Kingdom   (0.128° W / 51.507° N, UT+0)");
    EXPECT_EQ(Utf8(FormatLocationDescription(EasternPlace(), true, kAngleSexagesimal)),
              "Sydney, Australia   (151°12'33\" E / -33°52'08\", UT+10)");
}

}  // namespace
}  // namespace corvinata
