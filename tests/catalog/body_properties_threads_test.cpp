// The calculators run on the user-interface thread and on worker threads at
// once: evaluations from several threads give exactly the single-threaded
// answers.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "astro/planet_records.h"
#include "catalog/body_properties.h"
#include "catalog/body_types.h"
#include "support/catalogues.h"
#include "support/sky_objects.h"

namespace corvinata {
namespace {

std::uint32_t FullMask(int type) {
    std::uint32_t mask = 0;
    for (const EventKind* kind : GetBodyType(type)->Properties()) mask |= kind->GetId();
    return mask;
}

struct Answer {
    std::uint32_t mask;
    PropertyValue values[32];
};

std::vector<Answer> EvaluateAll(const std::vector<const CelestialObject*>& bodies) {
    std::vector<Answer> answers;
    for (int day = 1; day <= 6; ++day) {
        const TimeAndPlace moment = test::MomentAt(2024, 2 * day, day, 3.5 * day, 20.0 * day - 60.0,
                                                   12.0 * day - 30.0, 1.0, kLocalCivilTime);
        for (const CelestialObject* body : bodies) {
            PropertyMap out;
            ComputeBodyProperties(*body, FullMask(body->GetTypeId()), moment, out,
                                  {kHorizontalSystem, kLocalCivilTime, kKilometres});
            Answer answer{out.Mask(), {}};
            for (int bit = 0; bit < 32; ++bit) {
                if (const PropertyValue* v = out.Find(1u << bit)) answer.values[bit] = *v;
            }
            answers.push_back(answer);
        }
    }
    return answers;
}

bool Same(const Answer& a, const Answer& b) {
    if (a.mask != b.mask) return false;
    for (int bit = 0; bit < 32; ++bit) {
        const PropertyValue& x = a.values[bit];
        const PropertyValue& y = b.values[bit];
        if (x.value != y.value || x.system != y.system || x.flag != y.flag) return false;
    }
    return true;
}

TEST(PropertyThreads, ConcurrentEvaluationsMatchASingleThread) {
    test::ScopedCatalogues catalogues;
    const test::FixedSkyObject regulus = test::Regulus();
    const test::FixedSkyObject nebula(kBodyDeepSky, 83.82, -5.39, 4.0, 1.1);
    std::vector<const CelestialObject*> bodies = {&regulus, &nebula};
    for (const int type : {kBodySun, kBodyMoon, kBodyEarth, kBodySaturnSatellite,
                           kBodyJupiterSatellite}) {
        bodies.push_back(GetCatalogueObject(type, 0));
    }
    for (int planet = 0; planet < 8; ++planet) bodies.push_back(GetCatalogueObject(kBodyPlanet, planet));

    const std::vector<Answer> expected = EvaluateAll(bodies);
    std::vector<std::vector<Answer>> results(4);
    std::vector<std::thread> threads;
    for (auto& result : results) {
        threads.emplace_back([&result, &bodies] { result = EvaluateAll(bodies); });
    }
    for (std::thread& thread : threads) thread.join();
    for (const auto& result : results) {
        ASSERT_EQ(result.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(Same(result[i], expected[i])) << i;
    }
}

}  // namespace
}  // namespace corvinata
