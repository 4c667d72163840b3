// The memo of an InstantSharing scope: a value is computed once per key
// while the scope is open, a key never gets another key's value, scopes nest
// and belong to their thread.
#include <gtest/gtest.h>

#include <memory>
#include <thread>

#include "astro/instant_sharing.h"

namespace corvinata {
namespace {

// Two slots: fifty instants take each other's slots all the time.
struct TinyTable : SharedTable<double, double, 1> {};

// The value a test table holds for an instant, and how often it was made.
struct Counted {
    int computed = 0;
    double operator()(double jd) {
        ++computed;
        return jd * 3.0 + 1.0;
    }
};

double Tiny(double jd, Counted& counter) {
    return SharedValue<TinyTable>(jd, [&] { return counter(jd); });
}

TEST(InstantSharing, AScopeComputesAnInstantOnceWhileItKeepsIt) {
    const InstantSharing sharing;
    Counted counter;
    for (int pass = 0; pass < 3; ++pass) EXPECT_EQ(Tiny(2460000.25, counter), 2460000.25 * 3.0 + 1.0);
    EXPECT_EQ(counter.computed, 1);
}

TEST(InstantSharing, InstantsThatShareASlotNeverTakeEachOthersValues) {
    const InstantSharing sharing;
    Counted counter;
    for (int pass = 0; pass < 3; ++pass) {
        for (int hour = 0; hour < 50; ++hour) {
            const double jd = 2460000.5 + hour / 24.0;
            ASSERT_EQ(Tiny(jd, counter), jd * 3.0 + 1.0) << hour;
        }
    }
    // Two slots cannot hold fifty instants: most were made again.
    EXPECT_GT(counter.computed, 50);
}

TEST(InstantSharing, NestedScopesShareTheOutermostMemo) {
    Counted counter;
    {
        const InstantSharing outer;
        InstantMemo* memo = InstantSharing::Active();
        ASSERT_NE(memo, nullptr);
        Tiny(2455000.0, counter);
        {
            const InstantSharing inner;
            EXPECT_EQ(InstantSharing::Active(), memo);
            Tiny(2455000.0, counter);
        }
        EXPECT_EQ(InstantSharing::Active(), memo);
        Tiny(2455000.0, counter);
    }
    EXPECT_EQ(counter.computed, 1);
    EXPECT_EQ(InstantSharing::Active(), nullptr);
    // A new scope starts empty.
    const InstantSharing again;
    Tiny(2455000.0, counter);
    EXPECT_EQ(counter.computed, 2);
}

TEST(InstantSharing, AScopeBelongsToTheThreadThatOpenedIt) {
    const InstantSharing sharing;
    InstantMemo* here = InstantSharing::Active();
    ASSERT_NE(here, nullptr);
    InstantMemo* elsewhere = here;
    std::thread([&elsewhere] { elsewhere = InstantSharing::Active(); }).join();
    EXPECT_EQ(elsewhere, nullptr);
    EXPECT_EQ(InstantSharing::Active(), here);
}

}  // namespace
}  // namespace corvinata
