#include "base/date_time_location.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

DateTimeLocation Evening() {
    DateTimeLocation record;
    record.dateTime = DateTime{2024, 8, 12, 21.5, kLocalCivilTime};
    LocationMake(LongitudeValue(-13.4, kEastPositive), record.location,
                 LatitudeValue(52.52, kLatitudeMinusSign), 34, TXT("Germany"), TXT("Berlin"), 1.0);
    record.daylightSaving = true;
    return record;
}

TEST(DateTimeLocation, QuestionCarriesCoordinatesWithModeWordsButNoNames) {
    TimeAndPlace question;
    TimeAndPlaceFromDateTimeLocation(question, Evening());
    EXPECT_TRUE(DateTimeEqual(question.dateTime, Evening().dateTime));
    EXPECT_TRUE(GeoCoordinatesEqual(question.place, Evening().location.coordinates));
    EXPECT_EQ(question.place.longitude.GetOrientation(), kEastPositive);
    EXPECT_EQ(question.place.latitude.mode, kLatitudeMinusSign);
    EXPECT_TRUE(question.daylightSaving);
}

// The place's numbers and names are copied; the destination keeps the mode
// words of its longitude and latitude (LocationAssign copies values only).
TEST(DateTimeLocation, AssignCopiesEveryValueAndKeepsTheDestinationsModeWords) {
    DateTimeLocation dest;
    DateTimeLocationInit(dest);
    const DateTimeLocation source = Evening();
    EXPECT_EQ(&DateTimeLocationAssign(dest, dest), &dest);
    DateTimeLocationAssign(dest, source);
    EXPECT_TRUE(DateTimeEqual(dest.dateTime, source.dateTime));
    EXPECT_TRUE(LocationEqual(dest.location, source.location) && dest.daylightSaving);
    EXPECT_EQ(dest.location.coordinates.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(dest.location.coordinates.latitude.mode, kLatitudeHemisphereLetter);
    EXPECT_EQ(Utf8(dest.location.town), "Berlin");
}

}  // namespace
}  // namespace corvinata
