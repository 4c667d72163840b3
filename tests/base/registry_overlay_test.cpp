#include "base/registry_overlay.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>

#include "base/memory_storage.h"

namespace corvinata {
namespace {

constexpr const Char* kKey = TXT("\\Software\\T\\Options");
constexpr const Char* kBelow = TXT("\\Software\\T\\Options\\Below");
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

// Records of the tests below "\\Software": the key of options whole, two
// of its values together, a value and a subkey together, and records that
// hold none of the key's values.
constexpr RegistryRecord kOptionsWhole[] = {{TXT("*\\Options"), {}}};
constexpr RegistryRecord kTwoValues[] = {{TXT("T\\Options"), {TXT("Value"), TXT("OTHER")}}};
constexpr RegistryRecord kValueAndSubkey[] = {{TXT("T\\Options"), {TXT("Value"), TXT("Below")}}};
constexpr RegistryRecord kOtherKeys[] = {
    {TXT("T\\Other"), {}}, {TXT("T\\Options\\Below\\Deeper"), {}}, {TXT("*"), {TXT("Value"), TXT("Other")}}};

// What a later run writes otherwise than an earlier run of the same writers
// reaches the registry; what both wrote alike leaves the registry as it was
// written meanwhile. A value counts alone, a key written again whole counts
// whole, and so does a record: a key named whole, or the parts named.
TEST_F(RegistryOverlayTest, WritesWhatTheLaterRunWroteOtherwise) {
    using Writes = std::function<void(RegistryOverlayTest&)>;
    // The options' values: Value as given, Other, Third and Below's Deep 1.
    const auto options = [](std::int32_t value) -> Writes {
        return [=](auto& t) {
            t.Write(kKey, TXT("Value"), value);
            t.Write(kKey, TXT("Other"), 1);
            t.Write(kKey, TXT("Third"), 1);
            t.Write(kBelow, TXT("Deep"), 1);
        };
    };
    const Writes valueAndOther = options(1);
    const Writes valueChanged = options(2);
    struct Records {
        const RegistryRecord* records;
        std::size_t count;
    };
    const Records none{nullptr, 0};
    const Records whole{kOptionsWhole, std::size(kOptionsWhole)};
    const Records two{kTwoValues, std::size(kTwoValues)};
    const Records withSubkey{kValueAndSubkey, std::size(kValueAndSubkey)};
    const Records others{kOtherKeys, std::size(kOtherKeys)};
    const struct {
        const char* name;
        Writes earlier, later;
        Records records;
        std::int32_t value, other, third, deep, first, extra;  // stored afterwards; -1 missing
        bool listKept;
    } cases[] = {
        {"values alike", valueAndOther, valueAndOther, whole, 7, 7, 7, 7, 7, 7, true},
        {"a value otherwise", valueAndOther, valueChanged, none, 2, 7, 7, 7, 7, 7, true},
        {"a value of a subject's key otherwise", valueAndOther, valueChanged, others, 2, 7, 7, 7, 7, 7, true},
        {"a value of a key written whole otherwise", valueAndOther, valueChanged, whole, 2, 1, 1, 1, 7, 7, true},
        {"a value of two written together otherwise", valueAndOther, valueChanged, two, 2, 1, 7, 7, 7, 7, true},
        {"a value of a value and a subkey otherwise", valueAndOther, valueChanged, withSubkey, 2, 7, 7, 1, 7, 7,
         true},
        {"a value written later only", [](auto&) {}, [](auto& t) { t.Write(kKey, TXT("VALUE"), 3); }, none, 3, 7,
         7, 7, 7, 7, true},
        {"list alike", [](auto& t) { t.RewriteList(1); }, [](auto& t) { t.RewriteList(1); }, whole, 7, 7, 7, 7, 7,
         7, true},
        {"list otherwise", [](auto& t) { t.RewriteList(1); }, [](auto& t) { t.RewriteList(2); }, none, 7, 7, 7, 7,
         2, -1, true},
        {"list deleted later only", [](auto& t) { t.RewriteList(1); },
         [](auto& t) { t.Node(kList)->DeleteTree(); }, whole, 7, 7, 7, 7, -1, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(Node(TXT("\\Software"))->DeleteTree());
        ASSERT_TRUE(Write(kKey, TXT("Value"), 5) && RewriteList(5));
        RegistryOverlay earlier(storage_.Registry());
        Run(earlier, [&] { c.earlier(*this); });
        // Meanwhile another run writes into the registry itself.
        for (const Char* name : {TXT("Value"), TXT("Other"), TXT("Third")}) ASSERT_TRUE(Write(kKey, name, 7));
        ASSERT_TRUE(Write(kBelow, TXT("Deep"), 7) && Write(kList, TXT("First"), 7) && Write(kList, TXT("Extra"), 7));
        RegistryOverlay later(storage_.Registry());
        Run(later, [&] { c.later(*this); });
        ASSERT_EQ(Read(kKey, TXT("Value")), 7) << "nothing written before";

        EXPECT_TRUE(later.WriteChangesSince(earlier, storage_.Registry(), TXT("\\Software"), c.records.records,
                                            c.records.count));
        EXPECT_EQ(Read(kKey, TXT("Value")), c.value);
        EXPECT_EQ(Read(kKey, TXT("Other")), c.other);
        EXPECT_EQ(Read(kKey, TXT("Third")), c.third);
        EXPECT_EQ(Read(kBelow, TXT("Deep")), c.deep);
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
