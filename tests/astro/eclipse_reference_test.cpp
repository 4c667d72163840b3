// Local circumstances against an independent computation from ephemeris
// positions of the Sun and the Moon (reference/local_eclipses.csv; see
// reference/README.md for how it was made).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "astro/eclipse_circumstances.h"
#include "support/csv_table.h"
#include "support/test_data.h"

namespace corvinata {
namespace {

// Contacts and maximum: the two computations differ in Delta T (up to a
// second), in the radii of the Moon and the Sun and in the method, by up to
// about ten seconds.
constexpr double kTimeToleranceSeconds = 20.0;
// Obscuration: the two use slightly different lunar radii.
constexpr double kObscurationTolerance = 0.01;
// The reference altitude includes refraction (under 0.1 degree above 10).
constexpr double kAltitudeTolerance = 0.2;

struct ReferenceEclipse {
    int year, month, day;
    std::string place;
    double eastLongitude, latitude, height;
    std::string kind;
    double firstContact, maximum, lastContact, obscuration, maximumAltitude;
};

void PrintTo(const ReferenceEclipse& r, std::ostream* os) {
    *os << r.year << "-" << r.month << "-" << r.day << " " << r.place;
}

constexpr const char* kReferenceTable = "astro/reference/local_eclipses.csv";

std::vector<ReferenceEclipse> LoadReference() {
    std::vector<ReferenceEclipse> rows;
    for (const test::CsvRow& f : test::ReadCsvFile(test::TestsPath(kReferenceTable))) {
        if (f.fields.size() < 11) continue;
        const std::string& date = f.Text(0);
        rows.push_back({std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)), std::stoi(date.substr(8, 2)),
                        f.Text(1), f.Number(2), f.Number(3), f.Number(4), f.Text(5), f.Number(6), f.Number(7),
                        f.Number(8), f.Number(9), f.Number(10)});
    }
    return rows;
}

// Difference of two times of day in seconds, across midnight: the program
// gives hours of the table date brought into 0..24.
double SecondsApart(double programHours, double referenceHours) {
    return std::remainder(programHours - referenceHours, 24.0) * 3600.0;
}

// What the observer sees, from the magnitude and the diameter ratio: within
// the umbra (ratio above 1) the Sun is covered, within the antumbra the
// Moon stands inside the disc.
std::string KindSeen(double magnitude, double ratio) {
    if (ratio >= 1.0) return magnitude > 1.0 ? "total" : "partial";
    return magnitude > ratio ? "annular" : "partial";
}

// Covered fraction of the Sun's disc for a magnitude (fraction of the
// diameter covered) and a diameter ratio r, in units of the Sun's radius:
// the centres are 1 + r - 2 m apart; the covered area is the lens of the
// two discs.
double Obscuration(double magnitude, double r) {
    const double c = 1.0 + r - 2.0 * magnitude;
    if (c >= 1.0 + r) return 0.0;
    if (c <= r - 1.0) return 1.0;
    if (c <= 1.0 - r) return r * r;
    const double a1 = std::acos((c * c + 1.0 - r * r) / (2.0 * c));
    const double a2 = std::acos((c * c + r * r - 1.0) / (2.0 * c * r));
    const double lens = a1 - 0.5 * std::sin(2.0 * a1) + r * r * (a2 - 0.5 * std::sin(2.0 * a2));
    return lens / 3.14159265358979323846;
}

TEST(EclipseReference, FileHoldsTheCases) {
    EXPECT_GE(LoadReference().size(), 20u) << test::TestsPath(kReferenceTable);
}

class EclipseReference : public testing::TestWithParam<ReferenceEclipse> {};

TEST_P(EclipseReference, LocalCircumstancesAgree) {
    const ReferenceEclipse& r = GetParam();
    DateTime date;
    date.year = r.year, date.month = r.month, date.day = r.day, date.timeSystem = kUniversalTime;
    SolarEclipseModel model;
    model.date = date, model.found = true;
    EclipseObserver place;
    place.longitude = -r.eastLongitude, place.latitude = r.latitude, place.heightMetres = r.height;
    const LocalCircumstances c = ComputeLocalCircumstances(model, date, place);

    ASSERT_GT(c.magnitude, 0.0);
    EXPECT_EQ(KindSeen(c.magnitude, c.diameterRatio), r.kind);
    EXPECT_NEAR(SecondsApart(c.firstContact.time, r.firstContact), 0.0, kTimeToleranceSeconds);
    EXPECT_NEAR(SecondsApart(c.maximum.time, r.maximum), 0.0, kTimeToleranceSeconds);
    EXPECT_NEAR(SecondsApart(c.lastContact.time, r.lastContact), 0.0, kTimeToleranceSeconds);
    EXPECT_NEAR(Obscuration(c.magnitude, c.diameterRatio), r.obscuration, kObscurationTolerance);
    if (r.maximumAltitude > 10.0) {
        EXPECT_NEAR(c.maximum.sunAltitude, r.maximumAltitude, kAltitudeTolerance);
    }
}

INSTANTIATE_TEST_SUITE_P(Published, EclipseReference, testing::ValuesIn(LoadReference()));

}  // namespace
}  // namespace corvinata
