#include "astro/planet_records.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace corvinata {
namespace {

// --- Fake catalogues -------------------------------------------------------

struct FakeObject : CelestialObject {
    int GetTypeId() const override { return kBodyOther; }
};

struct FakeNameSystem : NameSystem {
    explicit FakeNameSystem(int id) : id(id) {}
    int GetId() const override { return id; }
    int id;
};

struct FakeNameSystemList : NameSystemList {
    void Add(int id) { items.emplace_back(id); }
    int Count() const override { return static_cast<int>(items.size()); }
    const NameSystem* ItemAt(int position) const override { return &items.at(position); }
    const NameSystem* FindById(int id) const override {
        for (const auto& item : items)
            if (item.id == id) return &item;
        return nullptr;
    }
    std::deque<FakeNameSystem> items;
};

struct FakeBodyType : BodyType {
    const NameSystemList& NameSystems() const override { return systems; }
    FakeNameSystemList systems;
};

// Knows objects by (name, name-system id; -1 for none) and by number, and
// records the name system of every query it answers.
struct FakeCatalogue : Catalogue {
    CelestialObject* Add(const Char* name, int systemId, int number) {
        CelestialObject* object = &objects.emplace_back();
        byName[{std::u16string(name, name + std::char_traits<Char>::length(name)), systemId}] = object;
        byNumber[number] = object;
        return object;
    }
    CelestialObject* FindByName(const Char* name, const NameSystem* system) const override {
        queries.push_back(system ? system->GetId() : -1);
        const auto it = byName.find({std::u16string(name, name + std::char_traits<Char>::length(name)),
                                     queries.back()});
        return it == byName.end() ? nullptr : it->second;
    }
    CelestialObject* ObjectByNumber(int number) const override {
        const auto it = byNumber.find(number);
        return it == byNumber.end() ? nullptr : it->second;
    }
    mutable std::vector<int> queries;
    std::deque<FakeObject> objects;
    std::map<std::pair<std::u16string, int>, CelestialObject*> byName;
    std::map<int, CelestialObject*> byNumber;
};

// Every type has a catalogue except the last one.
struct FakeServices : CatalogueServices {
    const BodyType* GetBodyType(int bodyType) const override { return &types[bodyType]; }
    Catalogue* CatalogueByType(int bodyType) const override {
        return bodyType >= 0 && bodyType < kBodyTypeCount - 1 ? &catalogues[bodyType] : nullptr;
    }
    std::unique_ptr<QuantityValue> CreateQuantityValue(int, int, int, double) const override { return nullptr; }
    FakeBodyType types[kBodyTypeCount];
    mutable FakeCatalogue catalogues[kBodyTypeCount];
};

class ObjectLookup : public testing::Test {
protected:
    ObjectLookup() { SetCatalogueServices(&services_); }
    ~ObjectLookup() override { SetCatalogueServices(nullptr); }
    FakeCatalogue& CatalogueOf(int type) { return services_.catalogues[type]; }
    FakeNameSystemList& SystemsOf(int type) { return services_.types[type].systems; }
    FakeServices services_;
};

TEST_F(ObjectLookup, TypeWithoutNameSystemsIsSearchedOnceWithoutOne) {
    CelestialObject* sun = CatalogueOf(kBodySun).Add(TXT("Sun"), -1, 0);
    EXPECT_EQ(FindObjectOfTypeByName(kBodySun, TXT("Sun")), sun);
    EXPECT_EQ(FindObjectOfTypeByName(kBodySun, TXT("Sol")), nullptr);
    EXPECT_EQ(CatalogueOf(kBodySun).queries, (std::vector<int>{-1, -1}));
}

TEST_F(ObjectLookup, NameSystemsAreTriedInListOrderUntilOneFinds) {
    SystemsOf(kBodyStar).Add(5);
    SystemsOf(kBodyStar).Add(2);
    SystemsOf(kBodyStar).Add(9);
    CelestialObject* vega = CatalogueOf(kBodyStar).Add(TXT("Vega"), 2, 7001);
    CatalogueOf(kBodyStar).Add(TXT("Vega"), 9, 7002);

    EXPECT_EQ(FindObjectOfTypeByName(kBodyStar, TXT("Vega")), vega);
    EXPECT_EQ(CatalogueOf(kBodyStar).queries, (std::vector<int>{5, 2}));

    CatalogueOf(kBodyStar).queries.clear();
    EXPECT_EQ(FindObjectOfTypeByName(kBodyStar, TXT("Nowhere")), nullptr);
    EXPECT_EQ(CatalogueOf(kBodyStar).queries, (std::vector<int>{5, 2, 9}));
}

// A star's name wins over a deep-sky object's; Jupiter's satellites are not
// searched across catalogues.
TEST_F(ObjectLookup, SearchAcrossCataloguesPrefersStarsAndSkipsJovianSatellites) {
    CelestialObject* star = CatalogueOf(kBodyStar).Add(TXT("Alcyone"), -1, 1);
    CatalogueOf(kBodyDeepSky).Add(TXT("Alcyone"), -1, 2);
    EXPECT_EQ(FindObjectByName(TXT("Alcyone")), star);
    CatalogueOf(kBodyJupiterSatellite).Add(TXT("Io"), -1, 0);
    CelestialObject* titan = CatalogueOf(kBodySaturnSatellite).Add(TXT("Titan"), -1, 5);
    EXPECT_EQ(FindObjectByName(TXT("Io")), nullptr);
    EXPECT_TRUE(CatalogueOf(kBodyJupiterSatellite).queries.empty());
    EXPECT_NE(FindObjectOfTypeByName(kBodyJupiterSatellite, TXT("Io")), nullptr);
    EXPECT_EQ(FindObjectByName(TXT("Titan")), titan);
}

TEST_F(ObjectLookup, CatalogueObjectByNumber) {
    CelestialObject* mars = CatalogueOf(kBodyPlanet).Add(TXT("Mars"), -1, 2);
    EXPECT_EQ(GetCatalogueObject(kBodyPlanet, 2), mars);
    EXPECT_EQ(GetCatalogueObject(kBodyPlanet, 3), nullptr);
    EXPECT_EQ(GetCatalogueObject(kBodyOther, 2), nullptr);
}

TEST_F(ObjectLookup, NameSystemsOfAType) {
    SystemsOf(kBodyDeepSky).Add(1);
    SystemsOf(kBodyDeepSky).Add(4);
    ASSERT_NE(GetNameSystemOfType(kBodyDeepSky, 4), nullptr);
    EXPECT_EQ(GetNameSystemOfType(kBodyDeepSky, 4)->GetId(), 4);
    EXPECT_EQ(GetNameSystemOfType(kBodyDeepSky, 3), nullptr);
    EXPECT_TRUE(BodyTypeHasNameSystems(kBodyDeepSky));
    EXPECT_FALSE(BodyTypeHasNameSystems(kBodyMoon));
}

TEST(ObjectLookupWithoutCatalogues, FindsNothing) {
    SetCatalogueServices(nullptr);
    EXPECT_EQ(FindObjectByName(TXT("Sun")), nullptr);
    EXPECT_EQ(GetCatalogueObject(kBodyPlanet, 0), nullptr);
    EXPECT_EQ(GetNameSystemOfType(kBodyStar, 0), nullptr);
    EXPECT_FALSE(BodyTypeHasNameSystems(kBodyStar));
    EXPECT_EQ(CreateQuantityValue(3, 0, 2, 1.0), nullptr);
}

// --- Records ----------------------------------------------------------------

constexpr PlanetConstants kMercury = {
    0.24085, 231.2973, 77.1442128, 0.2056306, 0.3870986, 7.0043579, 48.0941733, 6.72,
    1.918e-06, 47.9, 0.31, 0.387, 0.47, 360.0, 0.53, 1.47, 2439.0, 0.0, 3.302e+23,
    0.056, 5.43, 4.25};

TEST(PlanetRecord, CopiesAreDeepAndSelfAssignmentKeepsTheRecord) {
    Planet mercury;
    PlanetSetConstants(mercury, TXT("Mercury"), 0, 0, kMercury);
    EXPECT_EQ(mercury.GetTypeId(), kBodyPlanet);
    EXPECT_EQ(mercury.Constants().escapeVelocity, 4.25);

    Planet copy(mercury);
    PlanetSetConstants(copy, TXT("Venus"), 1, 0, kMercury);
    EXPECT_TRUE(StringEquals(mercury.Name(), TXT("Mercury")));

    PlanetAssign(copy, mercury);
    EXPECT_TRUE(StringEquals(copy.Name(), TXT("Mercury")));
    EXPECT_EQ(copy.Index(), 0);

    Planet& self = PlanetAssign(mercury, mercury);
    EXPECT_EQ(&self, &mercury);
    EXPECT_TRUE(StringEquals(mercury.Name(), TXT("Mercury")));
    EXPECT_EQ(mercury.Constants().mass, 3.302e+23);
}

// The constructor takes period before semi-major axis and the magnitude last;
// the fields keep the catalogue's order.
TEST(SaturnSatelliteRecord, ArgumentsLandInTheirFields) {
    const SaturnSatellite titan(5, TXT("Titan"), 5150, 1345.5, 1881, 15.9691, 1221.0, 0.029,
                                0.33, 8.3);
    EXPECT_EQ(titan.GetTypeId(), kBodySaturnSatellite);
    const double fields[] = {double(titan.Index()), double(titan.Diameter()), titan.Mass(), titan.Density(),
                             titan.Period(), titan.SemiMajorAxis(), titan.Eccentricity(),
                             titan.Inclination(), titan.Magnitude()};
    const double expected[] = {5, 5150, 1345.5, 1881.0, 15.9691, 1221.0, 0.029, 0.33, 8.3};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(fields[i], expected[i]) << i;

    SaturnSatellite mimas(0, TXT("Mimas"), 400, 0.375, 1140, 0.9425, 185.52, 0.02, 1.52, 12.9);
    SaturnSatellite copy(mimas);
    SaturnSatelliteAssign(mimas, titan);
    EXPECT_TRUE(StringEquals(copy.Name(), TXT("Mimas")));
    EXPECT_EQ(copy.SemiMajorAxis(), 185.52);
    EXPECT_TRUE(StringEquals(mimas.Name(), TXT("Titan")));
    SaturnSatelliteAssign(mimas, mimas);
    EXPECT_EQ(mimas.Period(), 15.9691);
}

// The catalogues build their objects in storage they own; a copy made there
// must stand on its own once the source changes or goes away.
TEST(RecordsInCatalogueStorage, ConstructAndCopyIntoRawStorage) {
    alignas(Planet) unsigned char planetStorage[sizeof(Planet)];
    Planet* copy = nullptr;
    {
        Planet mercury;
        PlanetSetConstants(mercury, TXT("Mercury"), 0, 0, kMercury);
        copy = PlanetCopy(planetStorage, mercury);
        PlanetSetConstants(mercury, TXT("Venus"), 1, 0, kMercury);
    }
    ASSERT_EQ(static_cast<void*>(copy), static_cast<void*>(planetStorage));
    EXPECT_TRUE(StringEquals(copy->Name(), TXT("Mercury")));
    EXPECT_EQ(copy->MoonCount(), 0);
    EXPECT_EQ(copy->Constants().brightnessFactor, 1.918e-06);
    copy->~Planet();

    alignas(SaturnSatellite) unsigned char satelliteStorage[sizeof(SaturnSatellite)];
    alignas(SaturnSatellite) unsigned char copyStorage[sizeof(SaturnSatellite)];
    SaturnSatellite* mimas = SaturnSatelliteInit(satelliteStorage, 0, TXT("Mimas"), 400, 0.375,
                                                 1140, 0.9425, 185.52, 0.02, 1.52, 12.9);
    EXPECT_EQ(mimas->GetTypeId(), kBodySaturnSatellite);
    EXPECT_EQ(mimas->Period(), 0.9425);

    SaturnSatellite* twin = SaturnSatelliteCopy(copyStorage, *mimas);
    mimas->~SaturnSatellite();
    EXPECT_TRUE(StringEquals(twin->Name(), TXT("Mimas")));
    EXPECT_EQ(twin->SemiMajorAxis(), 185.52);
    EXPECT_EQ(twin->Magnitude(), 12.9);
    twin->~SaturnSatellite();
}

// --- Quantity limits ----------------------------------------------------------

TEST(QuantityLimits, DecimalsFollowTheOrderOfMagnitude) {
    const struct {
        double value;
        int decimals;
    } cases[] = {{-9.99, 3}, {10.0, 2}, {-99.99, 2}, {999.9, 1}, {1000.0, 0}};
    for (const auto& c : cases) EXPECT_EQ(DecimalsByMagnitude(c.value), c.decimals) << c.value;
}

TEST(QuantityLimits, ValidityTestsIncludeTheirBounds) {
    EXPECT_TRUE(IsPercentage(0.0) && IsPercentage(100.0));
    EXPECT_FALSE(IsPercentage(-0.0001) || IsPercentage(100.0001));
    EXPECT_TRUE(IsNonNegative(0.0) && !IsNonNegative(-1e-300));
    EXPECT_TRUE(LongitudeQuantityIsValid(-180.0) && LongitudeQuantityIsValid(180.0));
    EXPECT_FALSE(LongitudeQuantityIsValid(180.0001));
}

}  // namespace
}  // namespace corvinata
