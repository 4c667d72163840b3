#include "base/registry_overlay.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "base/memory_storage.h"

namespace corvinata {
namespace {

constexpr const Char* kKey = TXT("\\Software\\T\\Options");
constexpr const Char* kList = TXT("\\Software\\T\\List");
constexpr const Char* kEntries = TXT("\\Software\\T\\List\\Entries");

class RegistryOverlayTest : public ::testing::Test {
public:
    std::unique_ptr<SettingsNode> Node(const Char* path) {
        return storage_.CreateRegistryNode(RegistryHive::CurrentUser, path);
    }
    bool Write(const Char* path, const Char* name, std::int32_t value) {
        auto key = Node(path);
        return key->Create() && key->WriteInt(name, value);
    }
    // The list deleted and written again whole.
    bool RewriteList(std::int32_t first) {
        return Node(kList)->DeleteTree() && Node(kEntries)->Create() && Write(kList, TXT("First"), first);
    }
    // The value, or -1 when it is missing.
    std::int32_t Read(const Char* path, const Char* name) {
        auto key = Node(path);
        std::int32_t value = -1;
        return key->Open() && key->ReadInt(name, value) ? value : -1;
    }
    void Run(RegistryOverlay& overlay, const std::function<void()>& writes) {
        DivertedSettings diverted(storage_, overlay);
        writes();
    }

    MemoryStorageService storage_;
};

// What a later run writes otherwise than an earlier run of the same writers
// reaches the registry; what both wrote alike leaves the registry as it was
// written meanwhile. A value counts alone, a key written again whole counts
// whole, and so does a group of settings (a key below the root given).
TEST_F(RegistryOverlayTest, WritesWhatTheLaterRunWroteOtherwise) {
    using Writes = std::function<void(RegistryOverlayTest&)>;
    const Writes valueAndOther = [](auto& t) {
        t.Write(kKey, TXT("Value"), 1);
        t.Write(kKey, TXT("Other"), 1);
    };
    const Writes valueChanged = [](auto& t) {
        t.Write(kKey, TXT("Value"), 2);
        t.Write(kKey, TXT("Other"), 1);
    };
    const struct {
        const char* name;
        Writes earlier, later;
        bool grouped;
        std::int32_t value, other, first, extra;  // stored afterwards; -1 missing
        bool listKept;
    } cases[] = {
        {"values alike", valueAndOther, valueAndOther, true, 7, 7, 7, 7, true},
        {"a value otherwise", valueAndOther, valueChanged, false, 2, 7, 7, 7, true},
        {"a value of a group otherwise", valueAndOther, valueChanged, true, 2, 1, 7, 7, true},
        {"a value written later only", [](auto&) {}, [](auto& t) { t.Write(kKey, TXT("VALUE"), 3); }, false, 3, 7, 7,
         7, true},
        {"list alike", [](auto& t) { t.RewriteList(1); }, [](auto& t) { t.RewriteList(1); }, true, 7, 7, 7, 7,
         true},
        {"list otherwise", [](auto& t) { t.RewriteList(1); }, [](auto& t) { t.RewriteList(2); }, false, 7, 7, 2,
         -1, true},
        {"list deleted later only", [](auto& t) { t.RewriteList(1); },
         [](auto& t) { t.Node(kList)->DeleteTree(); }, true, 7, 7, -1, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Node(TXT("\\Software"))->DeleteTree());
        ASSERT_TRUE(Write(kKey, TXT("Value"), 5) && RewriteList(5));
        RegistryOverlay earlier(storage_.Registry());
        Run(earlier, [&] { c.earlier(*this); });
        // Meanwhile another run writes into the registry itself.
        ASSERT_TRUE(Write(kKey, TXT("Value"), 7) && Write(kKey, TXT("Other"), 7) && Write(kList, TXT("First"), 7) &&
                    Write(kList, TXT("Extra"), 7));
        RegistryOverlay later(storage_.Registry());
        Run(later, [&] { c.later(*this); });
        ASSERT_EQ(Read(kKey, TXT("Value")), 7) << "nothing written before";

        EXPECT_TRUE(later.WriteChangesSince(earlier, storage_.Registry(), c.grouped ? TXT("\\Software\\T") : nullptr));
        EXPECT_EQ(Read(kKey, TXT("Value")), c.value);
        EXPECT_EQ(Read(kKey, TXT("Other")), c.other);
        EXPECT_EQ(Read(kList, TXT("First")), c.first);
        EXPECT_EQ(Read(kList, TXT("Extra")), c.extra);
        EXPECT_EQ(Node(kEntries)->Exists(), c.listKept);
        EXPECT_EQ(storage_.Registry().OpenHandleCount(), 0);
    }
}

// Code run against the overlay reads the registry below as its own writes
// and deletions changed it, and leaves the registry as it was.
TEST_F(RegistryOverlayTest, ReadsSeeItsOwnWritesAndDeletions) {
    ASSERT_TRUE(Write(TXT("\\Software\\T\\A\\Deep"), TXT("Value"), 1) && Write(TXT("\\Software\\T\\B"), TXT("Value"), 2));
    RegistryOverlay overlay(storage_.Registry());
    Run(overlay, [&] {
        EXPECT_EQ(Read(TXT("\\Software\\T\\A\\Deep"), TXT("Value")), 1);
        EXPECT_TRUE(Node(TXT("\\Software\\T\\A"))->DeleteTree());
        EXPECT_FALSE(Node(TXT("\\Software\\T\\A\\Deep"))->Exists());
        EXPECT_TRUE(Write(TXT("\\Software\\T\\A\\New"), TXT("Value"), 3));
        EXPECT_FALSE(Node(TXT("\\Software\\T\\A\\Deep"))->Exists()) << "a deleted key stays deleted below a new one";
        EXPECT_TRUE(Write(TXT("\\Software\\T\\B"), TXT("Value"), 4));
        EXPECT_EQ(Read(TXT("\\Software\\T\\b"), TXT("VALUE")), 4);
        auto parent = Node(TXT("\\Software\\T"));
        std::vector<String> names;
        ASSERT_TRUE(parent->Open() && parent->EnumSubkeys(names));
        EXPECT_EQ(names.size(), 2u);
        auto a = Node(TXT("\\Software\\T\\A"));
        ASSERT_TRUE(a->Open() && a->EnumSubkeys(names));
        ASSERT_EQ(names.size(), 1u);
        EXPECT_TRUE(StringEquals(names[0], TXT("New")));
    });
    EXPECT_EQ(Read(TXT("\\Software\\T\\A\\Deep"), TXT("Value")), 1);
    EXPECT_EQ(Read(TXT("\\Software\\T\\B"), TXT("Value")), 2);
    EXPECT_FALSE(Node(TXT("\\Software\\T\\A\\New"))->Exists());
    EXPECT_EQ(storage_.Registry().OpenHandleCount(), 0);
}

}  // namespace
}  // namespace corvinata
