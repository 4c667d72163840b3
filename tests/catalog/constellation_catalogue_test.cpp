#include "catalog/constellation_catalogue.h"

#include <cmath>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "astro/coordinates.h"
#include "astro/delta_t.h"
#include "base/event_time.h"
#include "catalog/catalogue_registry.h"
#include "catalog/constellation_boundaries.h"
#include "support/catalogues.h"
#include "support/test_data.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

class Constellations : public testing::Test {
protected:
    static void SetUpTestSuite() { catalogues_ = new test::ScopedCatalogues; }
    static void TearDownTestSuite() { delete catalogues_; }
    static test::ScopedCatalogues* catalogues_;
};
test::ScopedCatalogues* Constellations::catalogues_ = nullptr;

std::string AbbreviationOf(const ConstellationObject* c) {
    return c ? test::Utf8(c->Names().abbreviation) : "none";
}

TEST_F(Constellations, TableRowsKeepTheProgramsSpellings) {
    const struct {
        int number;
        const char* abbreviation;
        const char* latin;
        const char* english;
    } kCases[] = {
        {0, "And", "Andromeda", "Andromeda"},    {2, "Aps", "Apus", "Bird of Paradise"},
        {13, "CMa", "Canis Maior", "Great Dog"}, {66, "PsA", "Pisces Austrinus", "Southern Fish"},
        {72, "Sco", "Scorpio", "Scorpion"},      {81, "Tuc", "Tucana", "Toucana"},
        {82, "UMa", "Ursa Maior", "Big Dipper"}, {87, "Vul", "Vulpecula", "Fox"},
    };
    for (const auto& c : kCases) {
        const ConstellationNames& names = *ConstellationNamesAt(c.number);
        EXPECT_EQ(test::Utf8(names.abbreviation), c.abbreviation);
        EXPECT_EQ(test::Utf8(names.latin), c.latin);
        EXPECT_EQ(test::Utf8(names.english), c.english);
    }
    EXPECT_EQ(ConstellationNamesAt(88), nullptr);
    EXPECT_EQ(ConstellationNamesAt(-1), nullptr);
}

TEST_F(Constellations, AbbreviationsAreFoundWithoutRegardToCase) {
    const struct {
        const char* text;
        const char* found;
    } kCases[] = {{"uma", "UMa"}, {"UMA", "UMa"}, {"cVn", "CVn"}, {"UMa ", "none"},
                  {"UM", "none"},  {"", "none"}};
    for (const auto& c : kCases) {
        EXPECT_EQ(AbbreviationOf(FindConstellationByAbbreviation(test::Wide(c.text).c_str())),
                  c.found)
            << c.text;
    }
}

TEST_F(Constellations, ZodiacSignsAndPrincipalLetters) {
    EXPECT_EQ(ZodiacSignConstellation(7)->Number(), 72);
    EXPECT_EQ(ZodiacSignConstellation(0)->Number(), 6);
    EXPECT_EQ(ZodiacSignConstellation(12), nullptr);
    EXPECT_EQ(ConstellationPrincipalLetter(84), 3);  // Vela: delta
    EXPECT_EQ(ConstellationPrincipalLetter(59), 0);  // Orion: alpha
}

TEST_F(Constellations, StarListIteratesToItsEnd) {
    ConstellationObject lyra(51);
    lyra.AddStar(7001);
    lyra.AddStar(7056);
    int cursor = 0;
    EXPECT_EQ(*NextConstellationStar(lyra, cursor), 7001u);
    EXPECT_EQ(*NextConstellationStar(lyra, cursor), 7056u);
    EXPECT_EQ(NextConstellationStar(lyra, cursor), nullptr);
    EXPECT_EQ(cursor, kCursorEnd);
}

// Zone search at B1875 on the table's own edges.
TEST_F(Constellations, ZoneSearchOnEdgesPolesAndTheZeroHour) {
    EXPECT_EQ(ConstellationZoneCount(), 357);
    const struct {
        double ra;  // degrees
        double dec;
        const char* found;
    } kCases[] = {
        {0.0, 90.0, "UMi"},     {200.0, 90.0, "UMi"},   {123.0, -90.0, "Oct"},
        {0.0, 0.0, "Psc"},      {359.999, 0.0, "Psc"},  {360.0, 0.0, "none"},
        {-0.001, 0.0, "none"},  {0.0, -90.001, "none"},
        // Lower declination of the zone (8h, 14.5h, +86.5) belongs to it.
        {150.0, 86.5, "UMi"},   {150.0, 86.49, "Cam"},
        // Its upper right ascension (14.5h) belongs to a later zone.
        {14.5 * 15.0, 86.6, "UMi"}, {14.5 * 15.0 - 0.01, 86.6, "UMi"},
        {21.0 * 15.0 - 0.01, 86.0, "UMi"}, {21.0 * 15.0, 86.0, "Cep"}, {21.0 * 15.0, 86.2, "UMi"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(AbbreviationOf(FindConstellationAt(c.ra, c.dec)), c.found)
            << c.ra << " " << c.dec;
    }
}

// A right ascension that comes out of the precession as 360 or beyond is
// the zero hour, not outside every zone.
TEST_F(Constellations, PrecessedPositionIsNormalisedIntoTheCircle) {
    const double boundaryEpoch = EquinoxEpochJulianDay(kEpochBoundaries1875);
    for (double ra : {0.0, 360.0, 720.0, -360.0}) {
        const SkyCoordinates position{ra, 10.0, kEquatorialSystem};
        EXPECT_EQ(AbbreviationOf(ConstellationOfPosition(boundaryEpoch, position)), "Psc") << ra;
    }
    const SkyCoordinates horizontal{10.0, 10.0, kHorizontalSystem};
    EXPECT_EQ(ConstellationOfPosition(boundaryEpoch, horizontal), nullptr);
    const SkyCoordinates broken{NAN, 10.0, kEquatorialSystem};
    EXPECT_EQ(ConstellationOfPosition(boundaryEpoch, broken), nullptr);
}

// One record of the bright-star catalogue (fixed columns, 1-based bytes).
struct BrightStarRecord {
    int hr;
    std::string constellation;
    double ra;   // degrees, J2000
    double dec;  // degrees, J2000
};

std::string Column(const std::string& line, std::size_t first, std::size_t last) {
    if (line.size() < first) return std::string(last - first + 1, ' ');
    std::string field = line.substr(first - 1, last - first + 1);
    field.resize(last - first + 1, ' ');
    return field;
}

std::vector<BrightStarRecord> ReadNamedStars() {
    std::vector<BrightStarRecord> stars;
    std::ifstream in(test::DataPath("bsc5.dat"));
    std::string line;
    while (std::getline(in, line)) {
        const std::string constellation = Column(line, 12, 14);
        const std::string ra = Column(line, 76, 83);
        if (constellation == "   " || ra == "        ") continue;
        const std::string dec = Column(line, 84, 90);
        const double sign = dec[0] == '-' ? -1.0 : 1.0;
        stars.push_back({std::stoi(Column(line, 1, 4)), constellation,
                         15.0 * (std::stod(ra.substr(0, 2)) + std::stod(ra.substr(2, 2)) / 60.0 +
                                 std::stod(ra.substr(4)) / 3600.0),
                         sign * (std::stod(dec.substr(1, 2)) + std::stod(dec.substr(3, 2)) / 60.0 +
                                 std::stod(dec.substr(5, 2)) / 3600.0)});
    }
    return stars;
}

// Every named star of the catalogue lies in the constellation its name
// carries, but for the stars listed here: they sit within a few arcseconds of
// a boundary, where the J2000 position moved by proper motion since 1875 and
// the rounding of the catalogue decide the side.
TEST_F(Constellations, BrightStarsLieInTheConstellationOfTheirNames) {
    const std::vector<BrightStarRecord> stars = ReadNamedStars();
    ASSERT_EQ(stars.size(), 3143u);
    const double j2000 = EquinoxEpochJulianDay(kEpochJ2000);
    std::map<int, std::string> misplaced;
    for (const BrightStarRecord& star : stars) {
        const SkyCoordinates position{star.ra, star.dec, kEquatorialSystem};
        const std::string found = AbbreviationOf(ConstellationOfPosition(j2000, position));
        const ConstellationObject* named =
            FindConstellationByAbbreviation(test::Wide(star.constellation).c_str());
        ASSERT_NE(named, nullptr) << star.hr << " " << star.constellation;
        if (found != AbbreviationOf(named)) misplaced[star.hr] = star.constellation + "->" + found;
    }
    const std::map<int, std::string> kKnownExceptions = {};
    EXPECT_EQ(misplaced, kKnownExceptions);
}

}  // namespace
}  // namespace corvinata
