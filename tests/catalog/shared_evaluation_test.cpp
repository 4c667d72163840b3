// Bodies evaluated within an InstantSharing scope, as the event search, the
// graphs and the reports evaluate them, give every property exactly as they
// do alone: over two centuries, at several hours of each date and two
// places, in the order a search visits them and in the reverse one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "astro/instant_sharing.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"
#include "support/moments.h"

namespace corvinata {
namespace {

std::vector<const CelestialObject*> EveryKindOfBody() {
    std::vector<const CelestialObject*> bodies = {
        GetCatalogueObject(kBodySun, 0), GetCatalogueObject(kBodyMoon, 0),
        GetCatalogueObject(kBodyEarth, 0), FindObjectOfTypeByName(kBodyStar, TXT("Regulus")),
        FindObjectOfTypeByName(kBodyDeepSky, TXT("NGC 1976"))};
    for (int planet = 0; planet < 8; ++planet) bodies.push_back(GetCatalogueObject(kBodyPlanet, planet));
    for (int moon = 0; moon < 4; ++moon) bodies.push_back(GetCatalogueObject(kBodyJupiterSatellite, moon));
    for (int moon = 0; moon < 8; ++moon) bodies.push_back(GetCatalogueObject(kBodySaturnSatellite, moon));
    return bodies;
}

// 25 dates 1900-2100, three hours of each, at two places: 150 moments.
std::vector<TimeAndPlace> Moments() {
    std::vector<TimeAndPlace> moments;
    for (int k = 0; k < 25; ++k) {
        for (const double hours : {0.0, 9.25, 21.5}) {
            moments.push_back(test::MomentAt(1900 + 8 * k, 1 + k % 12, 1 + (3 * k) % 28, hours,
                                             13.4, 52.5, 1.0, kLocalCivilTime));
            moments.push_back(
                test::MomentAt(1900 + 8 * k, 1 + k % 12, 1 + (3 * k) % 28, hours, -70.6, -33.4));
        }
    }
    return moments;
}

// The conventions the evaluations take in turn.
constexpr PropertyConventions kConventions[] = {
    {kEclipticalSystem, kUniversalTime, kAstronomicalUnits},
    {kEquatorialSystem, kLocalCivilTime, kKilometres},
    {kHorizontalSystem, kLocalSiderealTime, kAstronomicalUnits},
};

// Every property of one body at one moment, as bit patterns.
void Evaluate(const CelestialObject& body, const TimeAndPlace& moment, int turn,
              std::vector<std::uint64_t>& out) {
    std::uint32_t mask = 0;
    for (const EventKind* kind : GetBodyType(body.GetTypeId())->Properties()) mask |= kind->GetId();
    PropertyMap map;
    ComputeBodyProperties(body, mask, moment, map, kConventions[turn % 3]);
    out.push_back(map.Mask());
    for (std::uint32_t bits = map.Mask(); bits != 0; bits &= bits - 1) {
        const PropertyValue* v = map.Find(bits & (~bits + 1));
        std::uint64_t pattern = 0;
        std::memcpy(&pattern, &v->value, sizeof pattern);
        out.insert(out.end(), {pattern, static_cast<std::uint64_t>(v->system),
                               static_cast<std::uint64_t>(v->flag)});
    }
}

// The answers of every body at every moment, one list per (moment, body),
// the moments visited forwards or backwards.
std::vector<std::vector<std::uint64_t>> EvaluateAll(const std::vector<const CelestialObject*>& bodies,
                                                    const std::vector<TimeAndPlace>& moments,
                                                    bool backwards) {
    std::vector<std::vector<std::uint64_t>> answers(moments.size() * bodies.size());
    for (std::size_t n = 0; n < moments.size(); ++n) {
        const std::size_t m = backwards ? moments.size() - 1 - n : n;
        for (std::size_t b = 0; b < bodies.size(); ++b) {
            Evaluate(*bodies[b], moments[m], static_cast<int>(m + b), answers[m * bodies.size() + b]);
        }
    }
    return answers;
}

TEST(SharedEvaluation, EveryPropertyOfEveryBodyIsTheUnsharedOneToTheBit) {
    test::ScopedCatalogues catalogues;
    const std::vector<const CelestialObject*> bodies = EveryKindOfBody();
    for (const CelestialObject* body : bodies) ASSERT_NE(body, nullptr);
    const std::vector<TimeAndPlace> moments = Moments();
    ASSERT_EQ(InstantSharing::Active(), nullptr);
    const auto alone = EvaluateAll(bodies, moments, false);

    const InstantSharing sharing;
    // The second pass finds what the first left, and what it evicted.
    for (const bool backwards : {false, true}) {
        const auto shared = EvaluateAll(bodies, moments, backwards);
        for (std::size_t i = 0; i < alone.size(); ++i) {
            ASSERT_EQ(shared[i], alone[i])
                << "moment " << i / bodies.size() << ", body " << i % bodies.size()
                << (backwards ? ", backwards" : "");
        }
    }
}

}  // namespace
}  // namespace corvinata
