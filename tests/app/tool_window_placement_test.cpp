#include "app/tool_window_placement.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "app/settings_keys.h"
#include "app/settings_values.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

class ToolWindowPlacementTest : public ::testing::Test, protected test::MemorySettings {
protected:
    // Writes `values` (name, number; "Visible" as a boolean) below `key`; no
    // values, no key.
    void Store(const Char* key, std::initializer_list<std::pair<const Char*, int>> values) {
        if (values.size() == 0) return;  // not even the key
        SettingsTreeWriter writer(storage, root);
        WriteGroup group(writer, key);
        for (const auto& [name, value] : values) {
            if (String(name) == String(TXT("Visible"))) {
                WriteBoolValue(writer, name, value != 0);
            } else {
                WriteIntValue(writer, name, value);
            }
        }
    }
    ToolWindowPlacement Read(const Char* key) {
        SettingsTree tree(storage, root);
        ReadGroup group(tree, key);
        return ReadToolWindowPlacement(tree, kDefaults);
    }
    static constexpr ToolWindowPlacement kDefaults{317, 82, false};
};

bool Same(const ToolWindowPlacement& a, const ToolWindowPlacement& b) {
    return a.left == b.left && a.top == b.top && a.visible == b.visible;
}

// The group is read whole or not at all; without it the values an earlier
// version kept straight under the key are taken, and the group wins over
// them once it exists.
TEST_F(ToolWindowPlacementTest, TheGroupWholeOrTheDefaultsAndTheOldPlaceOnlyWithoutIt) {
    const struct {
        const char* what;
        std::initializer_list<std::pair<const Char*, int>> group;
        std::initializer_list<std::pair<const Char*, int>> key;
        ToolWindowPlacement read;
    } cases[] = {
        {"nothing stored", {}, {}, kDefaults},
        {"the group", {{TXT("Left"), 10}, {TXT("Top"), 20}, {TXT("Visible"), 1}}, {}, {10, 20, true}},
        {"a group without Visible", {{TXT("Left"), 10}, {TXT("Top"), 20}}, {}, kDefaults},
        {"the old place", {}, {{TXT("Left"), 30}, {TXT("Top"), 40}, {TXT("Visible"), 1}}, {30, 40, true}},
        {"both",
         {{TXT("Left"), 10}, {TXT("Top"), 20}, {TXT("Visible"), 0}},
         {{TXT("Left"), 30}, {TXT("Top"), 40}, {TXT("Visible"), 1}},
         {10, 20, false}},
    };
    int n = 0;
    for (const auto& c : cases) {
        // A tool key of its own for each case.
        const String key = NumberedName(TXT("Tool "), n++);
        String group = key;
        StringAppend(group, TXT("\\Window state"));
        Store(group.Text(), c.group);
        Store(key.Text(), c.key);
        const ToolWindowPlacement read = Read(key.Text());
        EXPECT_TRUE(Same(read, c.read)) << c.what << ": " << read.left << " " << read.top << " " << read.visible;
    }
}

}  // namespace
}  // namespace corvinata
