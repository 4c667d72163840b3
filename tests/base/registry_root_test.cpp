#include "base/registry_root.h"

#include <gtest/gtest.h>

#include "base/settings_tree.h"
#include "base/storage_test_support.h"
#include "base/time_step.h"

namespace corvinata::storage_test {
namespace {

// Software, maker, product and version; empty texts add no levels.
TEST(RegistryRootTest, RootIsSoftwareMakerProductAndVersion) {
    MemoryStorageService storage;
    const struct { test::ProductTexts texts; const char* root; } cases[] = {
        {{}, "\\Software\\Corvinata Software\\Corvinata\\1.70"},
        {{TXT(""), TXT("")}, "\\Software\\Corvinata Software"}};
    for (const auto& c : cases) {
        test::FakeProductInfo product(storage, c.texts);
        ScopedApplicationServices services(&product, nullptr);
        String root;
        EXPECT_EQ(Utf8(GetRegistryRootPath(root)), c.root);
    }
}

class TimeStepKeyTest : public MemoryServicesTest {
protected:
    // Loads "\P\Time Step" holding `type` and, when given, a count of 15.
    bool Load(std::int32_t type, bool withSteps, TimeStep& step) {
        auto node = Storage().CreateRegistryNode(RegistryHive::CurrentUser, TXT("\\P\\Time Step"));
        EXPECT_TRUE(node->DeleteTree() && node->Create() && node->WriteInt(TXT("Type"), type) &&
                    (!withSteps || node->WriteInt(TXT("Steps"), 15)));
        SettingsTree tree(String(TXT("\\P")));
        const bool loaded = LoadTimeStep(String(TXT("Time Step")), step, tree);
        EXPECT_EQ(tree.Depth(), 0);
        return loaded;
    }
};

// Regression: half a step was taken, the count beside a unit without a
// name, or the unit without its count.
TEST_F(TimeStepKeyTest, AStepIsTakenWholeOrNotAtAll) {
    TimeStep step{kHoursUnit, 1};
    EXPECT_FALSE(Load(9, true, step));
    EXPECT_TRUE(step.unit == kHoursUnit && step.count == 1);
    EXPECT_FALSE(Load(kDaysUnit, false, step));
    EXPECT_TRUE(step.unit == kHoursUnit && step.count == 1);
    EXPECT_TRUE(Load(kDaysUnit, true, step));
    EXPECT_TRUE(step.unit == kDaysUnit && step.count == 15);
}

TEST_F(TimeStepKeyTest, SaveBelowTheWritersCurrentKey) {
    SettingsTreeWriter writer(String(TXT("\\P")));
    ASSERT_TRUE(OpenSettingsKeyPath(writer, String(TXT("Panel"))));
    ASSERT_TRUE(SaveTimeStep(String(TXT("Step")), TimeStep{kMonthsUnit, 2}, writer));
    EXPECT_EQ(writer.Depth(), 1);
    auto node = Storage().CreateRegistryNode(RegistryHive::CurrentUser, TXT("\\P\\Panel\\Step"));
    std::int32_t steps = 0;
    ASSERT_TRUE(node->Open() && node->ReadInt(TXT("Steps"), steps));
    EXPECT_EQ(steps, 2);
}

}  // namespace
}  // namespace corvinata::storage_test
