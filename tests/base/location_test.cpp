#include "base/location.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

Location London() {
    Location record;
    LocationMake(LongitudeValue(0.1278, kWestPositive), record,
                 LatitudeValue(51.5074, kLatitudeHemisphereLetter), 11, TXT("United Kingdom"),
                 TXT("London"), 0.0);
    return record;
}

Location EasternPlace() {
    Location record;
    LocationMake(LongitudeValue(-151.2093, kEastPositive), record,
                 LatitudeValue(-33.8688, kLatitudeMinusSign), 58, TXT("Australia"), TXT("Sydney"),
                 10.0);
    return record;
}

std::string Description(const Location& record, bool withCoordinates, int style) {
    return Utf8(FormatLocationDescription(record, withCoordinates, style));
}

TEST(Location, NoNameIsEmptyAndNamesCompareExactlyAndCaseSensitively) {
    Location record = EasternPlace();
    SetLocationTown(record, nullptr);
    EXPECT_TRUE(record.town.IsEmpty());

    EXPECT_TRUE(LocationEqual(London(), London()));
    Location other = London();
    SetLocationTown(other, TXT("LONDON"));
    EXPECT_FALSE(LocationEqual(London(), other));
    other = London();
    SetLocationCountry(other, TXT("United Kingdom "));
    EXPECT_FALSE(LocationEqual(London(), other));
}

TEST(Location, MakeKeepsModeWordsAssignAndCopyConstructKeepTheTargets) {
    const Location source = EasternPlace();
    EXPECT_EQ(source.coordinates.longitude.GetOrientation(), kEastPositive);
    EXPECT_EQ(source.coordinates.latitude.mode, kLatitudeMinusSign);
    Location target = London();
    LocationAssign(target, source);
    EXPECT_TRUE(LocationEqual(target, source));
    EXPECT_EQ(target.coordinates.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(target.coordinates.latitude.mode, kLatitudeHemisphereLetter);
    // Still east of Greenwich under the target's own orientation.
    EXPECT_EQ(Description(target, true, kAngleDecimal),
              "Sydney, Australia   (151.209° E / 33.869° S, UT+10)");
    EXPECT_EQ(&LocationAssign(target, target), &target);
    EXPECT_TRUE(LocationEqual(target, source));

    Location copy = London();
    LocationCopyConstruct(copy, source);
    EXPECT_TRUE(LocationEqual(copy, source));
    EXPECT_EQ(copy.coordinates.longitude.GetOrientation(), kWestPositive);
}

TEST(LocationDescription, NamesAloneOrWithCoordinatesInBothStyles) {
    EXPECT_EQ(Description(London(), false, kAngleSexagesimal), "London, United Kingdom");
    EXPECT_EQ(Description(Location{}, false, kAngleSexagesimal), ", ");
    EXPECT_EQ(Description(London(), true, kAngleSexagesimal),
              "London, United Kingdom   (0°07'40\" W / 51°30'27\" N, UT+0)");
    EXPECT_EQ(Description(EasternPlace(), true, kAngleSexagesimal),
              "Sydney, Australia   (151°12'33\" E / -33°52'08\", UT+10)");
}

}  // namespace
}  // namespace corvinata
