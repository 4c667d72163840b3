#include "base/date_time_location.h"

#include <gtest/gtest.h>

#include "base/place_text_testing.h"

namespace corvinata {
namespace {

using placetest::Utf8;

DateTimeLocation Evening() {
    DateTimeLocation record;
    record.dateTime.year = 2024;
    record.dateTime.month = 8;
    record.dateTime.day = 12;
    record.dateTime.hours = 21.5;
    record.dateTime.timeSystem = kLocalCivilTime;
    LocationMake(LongitudeValue::FromOriented(13.4, kEastPositive), record.location,
                 LatitudeValue(52.52, kLatitudeMinusSign), 34, TXT("Germany"), TXT("Berlin"), 1.0);
    record.daylightSaving = true;
    return record;
}

TEST(DateTimeLocation, FreshRecordBecomesTheDefaultQuestion) {
    DateTimeLocation record = Evening();
    DateTimeLocationInit(record);
    TimeAndPlace question;
    question.daylightSaving = true;
    TimeAndPlaceFromDateTimeLocation(question, record);
    EXPECT_EQ(question.dateTime.year, 1583);
    EXPECT_EQ(question.dateTime.month, 1);
    EXPECT_EQ(question.dateTime.day, 1);
    EXPECT_EQ(question.dateTime.hours, 0.0);
    EXPECT_EQ(question.dateTime.timeSystem, kInvalidTimeSystem);
    EXPECT_TRUE(GeoCoordinatesEqual(question.place, GeoCoordinates{}));
    EXPECT_FALSE(question.daylightSaving);
    EXPECT_TRUE(record.location.town.IsEmpty());
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

TEST(DateTimeLocation, AssignCopiesNamesAndKeepsDestinationModeWords) {
    DateTimeLocation dest;
    DateTimeLocationInit(dest);
    const DateTimeLocation source = Evening();
    DateTimeLocationAssign(dest, source);
    EXPECT_TRUE(DateTimeEqual(dest.dateTime, source.dateTime));
    EXPECT_TRUE(LocationEqual(dest.location, source.location));
    EXPECT_EQ(Utf8(dest.location.town), "Berlin");
    EXPECT_TRUE(dest.daylightSaving);
    EXPECT_EQ(dest.location.coordinates.longitude.GetOrientation(), kWestPositive);
    EXPECT_EQ(dest.location.coordinates.latitude.mode, kLatitudeHemisphereLetter);
    String text;
    dest.location.coordinates.longitude.Format(text, kAngleDecimal, kToSecond, 1);
    EXPECT_EQ(Utf8(text), "13.4° E");
}

TEST(DateTimeLocation, AssignToItselfChangesNothing) {
    DateTimeLocation record = Evening();
    DateTimeLocation& result = DateTimeLocationAssign(record, record);
    EXPECT_EQ(&result, &record);
    EXPECT_TRUE(DateTimeEqual(record.dateTime, Evening().dateTime));
    EXPECT_TRUE(LocationEqual(record.location, Evening().location));
    EXPECT_EQ(record.location.coordinates.longitude.GetOrientation(), kEastPositive);
}

}  // namespace
}  // namespace corvinata
