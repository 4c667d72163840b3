// Rise, set, transit and twilight times against an independent library
// (reference/README.md): every row of reference/rise_set.csv.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "support/catalogues.h"
#include "support/csv_table.h"
#include "support/moments.h"

namespace corvinata {
namespace {

// Largest differences allowed, minutes.
constexpr double kToleranceMinutes = 1.0;
constexpr double kMoonToleranceMinutes = 2.0;

const std::map<std::string, std::uint32_t> kEvents = {
    {"rise", kFunctionRise}, {"set", kFunctionSet}, {"transit", kFunctionCulmination},
    {"morning_astronomical", kFunctionMorningTwilightAstronomical},
    {"evening_astronomical", kFunctionEveningTwilightAstronomical},
    {"morning_nautical", kFunctionMorningTwilightNautical},
    {"evening_nautical", kFunctionEveningTwilightNautical},
    {"morning_civil", kFunctionMorningTwilightCivil},
    {"evening_civil", kFunctionEveningTwilightCivil},
};

TEST(RiseSetReference, EveryEventAgreesWithTheIndependentLibrary) {
    test::ScopedCatalogues catalogues;
    const std::map<std::string, const CelestialObject*> bodies = {
        {"Sun", GetCatalogueObject(kBodySun, 0)},
        {"Moon", GetCatalogueObject(kBodyMoon, 0)},
        {"Jupiter", GetCatalogueObject(kBodyPlanet, 3)},
        {"Regulus", FindObjectOfTypeByName(kBodyStar, TXT("Regulus"))},
    };
    const auto rows = test::ReadCsvFile(test::TestsPath("catalog/reference/rise_set.csv"));
    ASSERT_EQ(rows.size(), 540u);
    std::map<std::string, double> largest;
    for (const test::CsvRow& row : rows) {
        const std::string& date = row.Text(0);
        const TimeAndPlace moment =
            test::MomentAt(std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
                           std::stoi(date.substr(8, 2)), 12.0, row.Number(2), row.Number(3));
        const std::uint32_t id = kEvents.at(row.Text(5));
        PropertyMap out;
        ComputeBodyProperties(*bodies.at(row.Text(4)), id, moment, out, PropertyConventions{});
        const double hours = out.Value(id);
        const std::string where = date + " " + row.Text(1) + " " + row.Text(4) + " " + row.Text(5);
        const bool expected = row.fields.size() > 6 && !row.Text(6).empty();
        if (!expected) {
            // An event within a minute of midnight may fall on either side.
            EXPECT_TRUE(hours == kNoTimeHours || hours < 1.0 / 60.0 || hours > 24.0 - 1.0 / 60.0)
                << where << " gives " << hours;
            continue;
        }
        ASSERT_NE(hours, kNoTimeHours) << where;
        double minutes = std::fabs(hours - row.Number(6)) * 60.0;
        if (minutes > 720.0) minutes = std::fabs(minutes - 1440.0);
        double& worst = largest[row.Text(4) == "Sun" && row.Text(5).find('_') != std::string::npos
                                    ? "twilight"
                                    : row.Text(4)];
        if (minutes > worst) worst = minutes;
        EXPECT_LT(minutes, row.Text(4) == "Moon" ? kMoonToleranceMinutes : kToleranceMinutes)
            << where;
    }
    for (const auto& [body, minutes] : largest) {
        std::printf("largest difference %-8s %.2f min\n", body.c_str(), minutes);
    }
}

}  // namespace
}  // namespace corvinata
