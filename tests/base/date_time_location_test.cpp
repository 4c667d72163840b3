#include "base/date_time_location.h"

#include <gtest/gtest.h>

#include "support/test_text.h"

namespace corvinata {
namespace {

DateTimeLocation Evening() {
    DateTimeLocation record;
    record.dateTime = DateTime{2024, 8, 12, 21.5, kLocalCivilTime};
    LocationMake(LongitudeValue::FromOriented(13.4, kEastPositive), record.location,
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

    // A fresh record becomes the default question.
    DateTimeLocation fresh = Evening();
    DateTimeLocationInit(fresh);
    TimeAndPlaceFromDateTimeLocation(question, fresh);
    EXPECT_TRUE(DateTimeEqual(question.dateTime, DateTime{1583, 1, 1, 0.0, kInvalidTimeSystem}));
    EXPECT_TRUE(GeoCoordinatesEqual(question.place, GeoCoordinates{}));
    EXPECT_FALSE(question.daylightSaving);
    EXPECT_TRUE(fresh.location.town.IsEmpty());
}

TEST(DateTimeLocation, AssignCopiesNamesAndKeepsDestinationModeWords) {
    DateTimeLocation dest;
    DateTimeLocationInit(dest);
    const DateTimeLocation source = Evening();
    DateTimeLocationAssign(dest, source);
    EXPECT_TRUE(DateTimeEqual(dest.dateTime, source.dateTime));
    EXPECT_TRUE(LocationEqual(dest.location, source.location) && dest.daylightSaving);
    EXPECT_EQ(dest.location.coordinates.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(dest.location.coordinates.latitude.mode, kLatitudeHemisphereLetter);

    DateTimeLocation self = Evening();
    EXPECT_EQ(&DateTimeLocationAssign(self, self), &self);
    EXPECT_TRUE(LocationEqual(self.location, source.location));
    EXPECT_EQ(self.location.coordinates.longitude.GetOrientation(), kEastPositive);
}

}  // namespace
}  // namespace corvinata
