// The calculators run on the user-interface thread and on worker threads at
// once: evaluations from several threads give exactly the single-threaded
// answers.
#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

#include "astro/instant_sharing.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "support/catalogues.h"
#include "support/moments.h"

namespace corvinata {
namespace {

// Every property of every body at six moments and places, flattened.
std::vector<double> EvaluateAll(const std::vector<const CelestialObject*>& bodies) {
    std::vector<double> answers;
    for (int day = 1; day <= 6; ++day) {
        const TimeAndPlace moment = test::MomentAt(2024, 2 * day, day, 3.5 * day, 20.0 * day - 60.0,
                                                   12.0 * day - 30.0, 1.0, kLocalCivilTime);
        for (const CelestialObject* body : bodies) {
            std::uint32_t mask = 0;
            for (const EventKind* kind : GetBodyType(body->GetTypeId())->Properties()) {
                mask |= kind->GetId();
            }
            PropertyMap out;
            ComputeBodyProperties(*body, mask, moment, out,
                                  {kHorizontalSystem, kLocalCivilTime, kKilometres});
            answers.push_back(out.Mask());
            for (std::uint32_t bits = out.Mask(); bits != 0; bits &= bits - 1) {
                const PropertyValue* v = out.Find(bits & (~bits + 1));
                answers.insert(answers.end(), {v->value, 1.0 * v->system, 1.0 * v->flag});
            }
        }
    }
    return answers;
}

std::vector<const CelestialObject*> EveryKindOfBody() {
    std::vector<const CelestialObject*> bodies = {
        FindObjectOfTypeByName(kBodyStar, TXT("Regulus")),
        FindObjectOfTypeByName(kBodyDeepSky, TXT("NGC 1976")),
        FindObjectOfTypeByName(kBodyConstellation, TXT("Orion"))};
    for (const int type : {kBodySun, kBodyMoon, kBodyEarth, kBodySaturnSatellite,
                           kBodyJupiterSatellite}) {
        bodies.push_back(GetCatalogueObject(type, 0));
    }
    for (int planet = 0; planet < 8; ++planet) {
        bodies.push_back(GetCatalogueObject(kBodyPlanet, planet));
    }
    return bodies;
}

// Four threads evaluate everything at once; with `sharing`, every other one
// within its own InstantSharing scope, twice, so that the second pass reads
// what the first one left.
void ExpectFourThreadsToMatchOne(bool sharing) {
    test::ScopedCatalogues catalogues;
    const std::vector<const CelestialObject*> bodies = EveryKindOfBody();
    for (const CelestialObject* body : bodies) ASSERT_NE(body, nullptr);
    const std::vector<double> expected = EvaluateAll(bodies);
    std::vector<std::vector<double>> results(4);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < results.size(); ++i) {
        threads.emplace_back([&result = results[i], &bodies, shared = sharing && i % 2 == 0] {
            std::unique_ptr<InstantSharing> scope;
            if (shared) scope = std::make_unique<InstantSharing>();
            result = EvaluateAll(bodies);
            if (shared) result = EvaluateAll(bodies);
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (const auto& result : results) EXPECT_EQ(result, expected);
}

TEST(PropertyThreads, ConcurrentEvaluationsMatchASingleThread) { ExpectFourThreadsToMatchOne(false); }

// The Event Finder and the Event Forecast share each instant's quantities
// on their own threads while the user-interface thread evaluates with its
// own scope or none.
TEST(PropertyThreads, ThreadsSharingInTheirOwnScopesMatchASingleThread) {
    ExpectFourThreadsToMatchOne(true);
}

}  // namespace
}  // namespace corvinata
