// Behaviour every storage service must show, whatever is behind it. The
// tests are defined here once and instantiated by each test program with the
// sandboxes it has: the in-memory service natively, the Windows service (a
// temporary folder and a private registry key) under Wine. Include this
// header from exactly one file of a test program.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "base/binary_file.h"
#include "base/folder_node.h"
#include "base/platform_objects.h"
#include "base/registry_key.h"
#include "base/services.h"
#include "base/settings_tree.h"
#include "base/storage.h"
#include "base/storage_test_support.h"
#include "base/text_file.h"
#include "base/time_step.h"

namespace corvinata::storage_test {

// A place where a test may create files and registry keys, empty at the
// start of every test and cleared after it.
class StorageSandbox {
public:
    virtual ~StorageSandbox() = default;
    virtual StorageService& Service() = 0;
    // An existing, empty folder (no trailing separator).
    virtual String Folder() = 0;
    // A key path below HKEY_CURRENT_USER that does not exist yet.
    virtual String KeyRoot() = 0;
    virtual bool MakeReadOnly(const Char* path) = 0;
};

struct SandboxKind {
    const char* name;
    std::unique_ptr<StorageSandbox> (*make)();
};

inline void PrintTo(const SandboxKind& kind, std::ostream* os) { *os << kind.name; }

inline std::string SandboxName(const ::testing::TestParamInfo<SandboxKind>& info) {
    return info.param.name;
}

class StorageContractTest : public ::testing::TestWithParam<SandboxKind> {
protected:
    void SetUp() override {
        sandbox_ = GetParam().make();
        ASSERT_TRUE(sandbox_);
        product_ = std::make_unique<test::FakeProductInfo>(sandbox_->Service());
        services_ = std::make_unique<ScopedApplicationServices>(product_.get(), nullptr);
    }

    StorageService& Service() { return sandbox_->Service(); }

    // `name` below the sandbox folder, or below the sandbox key.
    static String Join(String path, const char* name) {
        StringAppend(path, TXT("\\"));
        StringAppend(path, Wide(name).c_str());
        return path;
    }
    String PathOf(const char* name) { return Join(sandbox_->Folder(), name); }
    String KeyPathOf(const char* below) { return Join(sandbox_->KeyRoot(), below); }

    std::unique_ptr<SettingsNode> Node(const char* below) {
        return Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf(below).Text());
    }

    // What the value `name` of `node` reads as, text or number.
    static std::string TextOf(SettingsNode& node, const Char* name) {
        String text;
        return node.ReadString(name, text) ? Utf8(text) : "<none>";
    }
    static std::int32_t IntOf(SettingsNode& node, const Char* name) {
        std::int32_t value = -12345;
        return node.ReadInt(name, value) ? value : -12345;
    }

    PathName FolderPath(const char* name) {
        PathName path;
        EXPECT_TRUE(path.SetPathDirectory(PathOf(name).Text()));
        return path;
    }

    // Stores a value through the bare registry functions, as another program,
    // an older version or damage could leave it.
    void PutRawValue(const char* key, const char* name, std::uint32_t type,
                     const std::string& bytes) {
        RegistryApi& api = Service().Registry();
        RegistryApi::Key raw = nullptr;
        const String sub(KeyPathOf(key));
        ASSERT_TRUE(api.OpenKey(api.RootKey(RegistryHive::CurrentUser), sub.Text() + 1, raw));
        EXPECT_TRUE(api.SetValue(raw, Wide(name).c_str(), type, bytes.data(),
                                 static_cast<std::uint32_t>(bytes.size())));
        ASSERT_TRUE(api.CloseKey(raw));
    }

    // Writes `bytes` as the whole contents of the file `name`.
    void PutBytes(const char* name, const std::string& bytes) {
        auto file = Service().CreateBinaryFile(PathOf(name));
        ASSERT_TRUE(file->Create(false) && file->Truncate());
        const auto size = static_cast<std::uint32_t>(bytes.size());
        ASSERT_TRUE((size == 0 || file->Write(bytes.data(), size)) && file->Close());
    }

    std::string GetBytes(const char* name) {
        auto file = Service().CreateBinaryFile(PathOf(name));
        if (!file->Open(FileOpenMode::Read)) return "<missing>";
        std::string bytes(file->GetSize(), '\0');
        const auto size = static_cast<std::uint32_t>(bytes.size());
        return size > 0 && !file->ReadExactly(bytes.data(), size) ? "<unreadable>" : bytes;
    }

    std::unique_ptr<StorageSandbox> sandbox_;
    std::unique_ptr<test::FakeProductInfo> product_;
    std::unique_ptr<ScopedApplicationServices> services_;
};

// ---- binary files ----

TEST_P(StorageContractTest, BinaryFilesAreCreatedRewrittenReadAndDeleted) {
    auto file = Service().CreateBinaryFile(PathOf("f.bin"));
    EXPECT_FALSE(file->Exists() || file->Open(FileOpenMode::Read));
    ASSERT_TRUE(file->Create(true));  // an empty file, closed again
    EXPECT_TRUE(!file->IsOpen() && file->Exists());
    EXPECT_EQ(GetBytes("f.bin"), "");
    PutBytes("f.bin", "a rather long first version");
    ASSERT_TRUE(file->Create(false));  // keeps the contents, left open at the start
    char got[32] = {};
    ASSERT_TRUE(file->ReadExactly(got, 3));
    EXPECT_EQ(std::string(got, 3), "a r");
    EXPECT_EQ(file->GetSize(), 27u);
    ASSERT_TRUE(file->Close());
    EXPECT_FALSE(file->Close());

    // A shorter rewrite leaves no stale bytes; read mode refuses writes.
    ASSERT_TRUE(file->Open(FileOpenMode::Write) && file->Write("short", 5) && file->Close());
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    EXPECT_FALSE(file->Write("x", 1));
    std::uint32_t count = 0;
    ASSERT_TRUE(file->ReadSome(got, sizeof got, count));
    EXPECT_EQ(count, 5u);  // a short read still succeeds
    EXPECT_FALSE(file->AtEnd());
    EXPECT_TRUE(file->Read(got, 0) && !file->AtEnd());
    EXPECT_FALSE(file->Read(got, 1));
    EXPECT_TRUE(file->AtEnd());
    // Going back clears the end, so a second pass does not stop at once.
    ASSERT_TRUE(file->SetPosition(4));
    EXPECT_FALSE(file->AtEnd());
    EXPECT_TRUE(file->Read(got, 1) && got[0] == 't' && !file->AtEnd());
    EXPECT_FALSE(file->Delete());  // still open
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(GetBytes("f.bin"), "short");
    EXPECT_TRUE(file->Delete() && !file->Exists());
    EXPECT_TRUE(file->Delete());  // nothing left to delete
}

// A save that fails at any point leaves the old file and no temporary file;
// one that succeeds replaces the old file whole, also by a shorter one.
TEST_P(StorageContractTest, WriteFileReplacingSwapsOnlyAfterACompleteWrite) {
    PutBytes("g.gph", "the old, longer graph");
    const String path = PathOf("g.gph");
    const auto writeThen = [this](const char* bytes, bool result) {
        return [this, bytes, result](const String& temporary) {
            auto file = Service().CreateBinaryFile(temporary);
            const auto size = static_cast<std::uint32_t>(std::char_traits<char>::length(bytes));
            return file->Create(false) && file->Write(bytes, size) && file->Close() && result;
        };
    };
    EXPECT_FALSE(Service().WriteFileReplacing(path, writeThen("half", false)));
    EXPECT_EQ(GetBytes("g.gph"), "the old, longer graph");
    EXPECT_EQ(GetBytes("g.gph.saving"), "<missing>");
    PutBytes("g.gph.saving", "stale");
    EXPECT_TRUE(Service().WriteFileReplacing(path, writeThen("new", true)));
    EXPECT_EQ(GetBytes("g.gph"), "new");
    EXPECT_EQ(GetBytes("g.gph.saving"), "<missing>");
    EXPECT_TRUE(Service().WriteFileReplacing(PathOf("fresh.gph"), writeThen("made", true)));
    EXPECT_EQ(GetBytes("fresh.gph"), "made");
    // A read-only target is not replaced, and the temporary file goes.
    ASSERT_TRUE(sandbox_->MakeReadOnly(path.Text()));
    EXPECT_FALSE(Service().WriteFileReplacing(path, writeThen("newer", true)));
    EXPECT_EQ(GetBytes("g.gph"), "new");
    EXPECT_EQ(GetBytes("g.gph.saving"), "<missing>");
}

// Damaged counts are refused alike on every service: see binary_file_test.cpp.
TEST_P(StorageContractTest, LengthPrefixedStringsRoundTrip) {
    const Char wide[] = {'S', 'i', 'r', 'i', 'u', 's', ' ', 0x03B1, ' ', 0x20AC, 0};
    auto file = Service().CreateBinaryFile(PathOf("strings.bin"));
    ASSERT_TRUE(file->Create(false) && StreamWriteNarrowString(*file, "Graph 1") &&
                StreamWriteWideString(*file, wide) && StreamWriteWideString(*file, TXT("")) &&
                StreamWriteNarrowString(*file, "") && file->Close());
    EXPECT_EQ(GetBytes("strings.bin").substr(0, 11), std::string("\x07\0\0\0Graph 1", 11));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    NarrowString narrow = "old";
    String text(TXT("old"));
    ASSERT_TRUE(StreamReadNarrowString(*file, narrow) && StreamReadWideString(*file, text));
    EXPECT_EQ(narrow + "/" + Utf8(text), "Graph 1/" + Utf8(wide));
    ASSERT_TRUE(StreamReadWideString(*file, text) && StreamReadNarrowString(*file, narrow));
    EXPECT_TRUE(text.IsEmpty() && narrow.empty());
    EXPECT_FALSE(StreamReadNarrowString(*file, narrow));
}

// ---- text files ----

TEST_P(StorageContractTest, LinesAreReadWithoutTheirEndsWhateverTheirLength) {
    // The first line end straddles the reader's 4096-byte buffer.
    const std::string longLine(4095, 'x');
    const struct {
        std::string bytes;
        std::vector<std::string> lines;
    } cases[] = {
        {"", {}},
        {longLine + "\r\n\r\nlast", {longLine, "", "last"}},  // last line without a line end
        {"a\rb\nc\r", {"a\rb", "c\r"}},                       // a lone carriage return stays
        {"old\r\ntool\x1a" "padding\r\n", {"old", "tool"}},     // Ctrl-Z ends the text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.substr(0, 12));
        PutBytes("lines.txt", c.bytes);
        auto file = Service().CreateTextFile(PathOf("lines.txt"));
        ASSERT_TRUE(file->Open(FileOpenMode::Read));
        std::vector<std::string> got;
        String line(TXT("stale"));
        while (file->ReadLine(line)) got.push_back(Utf8(line));
        EXPECT_EQ(got, c.lines);
        EXPECT_TRUE(line.IsEmpty() && file->AtEnd());
        String all(TXT("stale"));
        ASSERT_TRUE(file->Rewind() && ReadTextFileLines(*file, all));
        std::string joined;
        for (const auto& l : got) joined += (&l == &got[0] ? "" : "\r\n") + l;
        EXPECT_EQ(Utf8(all), joined);
    }
}

TEST_P(StorageContractTest, WrittenTextIsWindows1252WithCrLfAndWidthMinusTwiceTheLength) {
    PutBytes("out.txt", "old contents\r\n");
    auto file = Service().CreateTextFile(PathOf("out.txt"));
    ASSERT_TRUE(file->Create(true));  // empties the file and closes it
    EXPECT_FALSE(file->IsOpen());
    EXPECT_EQ(GetBytes("out.txt"), "");

    const Char text[] = {0x20AC, ' ', 0x00E9, 0x2014, 0};
    const Char cyrillic[] = {0x0416, 0};
    ASSERT_TRUE(file->Open(FileOpenMode::Write) && file->WriteLine(TXT("a"), 0) &&
                file->WriteText(TXT("abc"), 10) && file->WriteLine(TXT("long enough"), 4) &&
                file->WriteLine(text, 0));
    // An unmappable character fails the write but keeps the layout and the
    // line end, so that the next record does not run on in the same line.
    EXPECT_FALSE(file->WriteLine(cyrillic, 4));
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(GetBytes("out.txt"), "a\r\nabc    long enough\r\n\x80 \xe9\x97\r\n?  \r\n");

    // A write after a read lands where the reader stands.
    String line;
    ASSERT_TRUE(file->Open(FileOpenMode::ReadWrite) && file->ReadLine(line) &&
                file->ReadLine(line) && file->ReadLine(line));
    EXPECT_EQ(Utf8(line), Utf8(text));
    ASSERT_TRUE(file->WriteText(TXT("!"), 0) && file->Close());
    EXPECT_EQ(GetBytes("out.txt"), "a\r\nabc    long enough\r\n\x80 \xe9\x97\r\n!  \r\n");
}

// ---- folders ----

TEST_P(StorageContractTest, CreateTreeMakesEveryAncestorAndDeleteTreeEverythingBelow) {
    EXPECT_TRUE(Service().CreateBinaryFile(sandbox_->Folder())->Exists());
    FolderNode deep(Service(), FolderPath("top\\sub\\c"));
    ASSERT_TRUE(deep.CreateTree());
    for (const char* name : {"top", "top\\sub", "top\\sub\\c"}) {
        EXPECT_TRUE(Service().IsFolder(PathOf(name).Text())) << name;
    }
    EXPECT_TRUE(deep.CreateTree());  // already there
    PutBytes("top\\one.txt", "1");
    PutBytes("top\\sub\\two", "2");
    FolderNode top(Service(), FolderPath("top"));
    EXPECT_TRUE(top.DeleteTree());
    EXPECT_FALSE(Service().PathExists(PathOf("top").Text()));
    EXPECT_TRUE(top.DeleteTree());  // nothing left to delete

    FolderNode locked(Service(), FolderPath("locked"));
    ASSERT_TRUE(locked.CreateTree());
    PutBytes("locked\\fixed.dat", "x");
    ASSERT_TRUE(sandbox_->MakeReadOnly(PathOf("locked\\fixed.dat").Text()));
    EXPECT_FALSE(locked.DeleteTree());
    EXPECT_TRUE(Service().IsFolder(PathOf("locked").Text()));
}

TEST_P(StorageContractTest, ListEntriesMatchesThePatternAndSkipsTheDots) {
    PathName folder = FolderPath("scripts");
    ASSERT_TRUE(FolderNode(Service(), folder).CreateTree());
    for (const char* name : {"scripts\\tour.vbs", "scripts\\notes.txt"}) PutBytes(name, "");
    const struct {
        const Char* pattern;
        std::vector<std::string> names;
    } cases[] = {{TXT("*.vbs"), {"tour.vbs"}},
                 {TXT("*.*"), {"notes.txt", "tour.vbs"}},
                 {TXT("*.none"), {}}};
    for (const auto& c : cases) {
        ASSERT_TRUE(folder.SetPathFileName(c.pattern));
        std::vector<String> names{String(TXT("stale"))};
        ASSERT_TRUE(FolderNode(Service(), folder).ListEntries(names));
        std::vector<std::string> got;
        for (const auto& name : names) got.push_back(Utf8(name));
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, c.names) << Utf8(c.pattern);
    }

    auto finder = Service().CreateFileFinder();
    String pattern(PathOf("*.nothing"));
    const std::string before = Utf8(pattern);
    EXPECT_FALSE(finder->FindFirst(pattern));
    EXPECT_EQ(Utf8(pattern), before);
    EXPECT_FALSE(finder->Close());
}

// ---- registry keys ----

TEST_P(StorageContractTest, CreateMakesEveryMissingKeyAndDeleteTreeRemovesTheBranch) {
    auto a = Node("A");
    std::vector<String> names{String(TXT("stale"))};
    EXPECT_FALSE(a->EnumSubkeys(names));  // not open
    ASSERT_TRUE(a->Create() && a->EnumSubkeys(names));
    EXPECT_TRUE(names.empty());
    auto c = Node("A\\B\\C");
    EXPECT_FALSE(c->Exists());
    ASSERT_TRUE(c->Create());  // and leaves the key open
    EXPECT_TRUE(c->IsOpen() && c->WriteInt(TXT("n"), 5));
    EXPECT_EQ(Utf8(c->GetPath()), Utf8(KeyPathOf("A\\B\\C")));
    ASSERT_TRUE(a->EnumSubkeys(names) && names.size() == 1u);
    EXPECT_EQ(Utf8(names[0]), "B");
    // Key paths with no leading backslash, or two, name the same key.
    const String rooted(KeyPathOf("A\\B\\C"));
    String doubled(TXT("\\"));
    StringAppend(doubled, rooted.Text());
    for (const Char* path : {rooted.Text() + 1, doubled.Text()}) {
        auto reader = Service().CreateRegistryNode(RegistryHive::CurrentUser, path);
        ASSERT_TRUE(reader->Open()) << Utf8(path);
        EXPECT_EQ(IntOf(*reader, TXT("n")), 5);
    }

    EXPECT_TRUE(Node("Gone")->DeleteTree());
    ASSERT_TRUE(Node("A\\X")->Create() && c->Close());
    EXPECT_TRUE(a->DeleteTree());
    EXPECT_FALSE(a->Exists() || a->IsOpen());
}

TEST_P(StorageContractTest, ValuesFollowTheStorageRules) {
    auto node = Node("Rules");
    ASSERT_TRUE(node->Create());
    const struct {
        const Char* name;
        double value;
        const char* text;
    } doubles[] = {{TXT("two"), 2.0, "2"}, {TXT("lat"), 51.4771234567, "51.477123"},
                   {TXT("neg"), -0.25, "-0.25"}};
    for (const auto& d : doubles) {
        ASSERT_TRUE(node->WriteDouble(d.name, d.value));
        EXPECT_EQ(TextOf(*node, d.name), d.text);
    }
    double value = 0.0;
    ASSERT_TRUE(node->ReadDouble(TXT("neg"), value));
    EXPECT_EQ(value, -0.25);
    ASSERT_TRUE(node->WriteBool(TXT("flag"), true) && node->WriteInt(TXT("seven"), 7) &&
                node->WriteInt(TXT("min"), INT32_MIN));
    EXPECT_EQ(IntOf(*node, TXT("flag")), 1);
    EXPECT_EQ(IntOf(*node, TXT("min")), INT32_MIN);
    bool flag = false;
    EXPECT_TRUE(node->ReadBool(TXT("seven"), flag) && flag);
    // The empty name is the key's default value.
    ASSERT_TRUE(node->WriteText(TXT(""), TXT("Corvinata.Application")));
    EXPECT_EQ(TextOf(*node, TXT("")), "Corvinata.Application");
}

TEST_P(StorageContractTest, ValuesOfTheWrongShapeReadAsMissing) {
    auto node = Node("Bad");
    ASSERT_TRUE(node->Create() && node->WriteInt(TXT("dword"), 3) &&
                node->WriteText(TXT("text"), TXT("12")) &&
                node->WriteText(TXT("blank"), TXT("0.5 ")) &&
                node->WriteText(TXT("words"), TXT("north")) &&
                node->WriteText(TXT("empty"), TXT("")));
    PutRawValue("Bad", "short", kRegistryDword, std::string("\x01\x00", 2));
    PutRawValue("Bad", "long", kRegistryDword, std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8));
    PutRawValue("Bad", "binary", 3, std::string("\x01\x00\x00\x00", 4));

    std::int32_t number = -9;
    String text(TXT("kept"));
    double real = 4.5;
    EXPECT_FALSE(node->ReadString(TXT("dword"), text));
    for (const Char* name :
         {TXT("text"), TXT("short"), TXT("long"), TXT("binary"), TXT("missing")}) {
        EXPECT_FALSE(node->ReadInt(name, number)) << Utf8(name);
    }
    for (const Char* name : {TXT("blank"), TXT("words"), TXT("empty"), TXT("dword")}) {
        EXPECT_FALSE(node->ReadDouble(name, real)) << Utf8(name);
    }
    EXPECT_TRUE(number == -9 && Utf8(text) == "kept" && real == 4.5);

    // "abc" without a terminator, and one odd byte more.
    PutRawValue("Bad", "unterminated", kRegistryString, std::string("a\0b\0c\0d", 7));
    EXPECT_EQ(TextOf(*node, TXT("unterminated")), "abc");
}

// ---- settings tree ----

// An object with a value of every stored kind, as a load and a save function
// would move it.
struct Sample {
    bool visible = false;
    std::int32_t left = 0;
    double latitude = 0.0;
    String title, note;

    String Title() const { return title; }
    void SetTitle(const Char* v) { StringAssign(title, v); }
};

template <class T>
auto BindField(const Char* name, T& field) {
    return BindProperty<T>(name, [&field] { return field; }, [&field](T v) { field = v; });
}

inline auto BindNote(Sample& s) {
    return BindProperty<const Char*>(TXT("Note"), [&s] { return s.note.Text(); },
                                     [&s](const Char* v) { StringAssign(s.note, v); });
}

inline auto BindTitle(Sample& s) {
    return BindMember<String, const Char*>(TXT("Title"), s, &Sample::Title, &Sample::SetTitle);
}

inline bool SaveSample(const String& root, Sample& s) {
    SettingsTreeWriter writer(root);
    bool ok = OpenSettingsKeyPath(writer, String(TXT("Options\\Sample")));
    ok &= WriteBoolSetting(writer, BindField(TXT("Visible"), s.visible));
    ok &= WriteIntSetting(writer, BindField(TXT("Left"), s.left));
    ok &= WriteDoubleSetting(writer, BindField(TXT("Latitude"), s.latitude));
    ok &= WriteStringSetting(writer, BindTitle(s));
    ok &= WriteWideStringSetting(writer, BindNote(s));
    return PopSettingsKey(writer) && ok;
}

// Answers how many values were read.
inline int LoadSample(const String& root, Sample& s) {
    SettingsTree tree(root);
    if (!PushSettingsKey(tree, String(TXT("Options\\Sample")))) return -1;
    int read = ReadBoolSetting(tree, BindField(TXT("Visible"), s.visible));
    read += ReadIntSetting(tree, BindField(TXT("Left"), s.left));
    read += ReadDoubleSetting(tree, BindField(TXT("Latitude"), s.latitude));
    read += ReadStringSetting(tree, BindTitle(s));
    read += ReadStringSetting(tree, BindNote(s));
    PopSettingsKey(tree);
    return read;
}

TEST_P(StorageContractTest, PushesNestBelowTheRootAndPopsReturnToTheParent) {
    auto deep = Node("Root\\Dialogs\\Graph");
    ASSERT_TRUE(deep->Create() && deep->WriteInt(TXT("Left"), 10) && deep->Close());
    SettingsTree tree(KeyPathOf("Root"));
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("Dialogs"))) &&
                PushSettingsKey(tree, String(TXT("\\Graph"))));
    EXPECT_EQ(Utf8(tree.Innermost()->GetPath()), Utf8(KeyPathOf("Root\\Dialogs\\Graph")));
    std::int32_t left = 0;
    EXPECT_TRUE(ReadIntSetting(tree, BindField(TXT("Left"), left)));
    EXPECT_EQ(left, 10);
    EXPECT_TRUE(PopSettingsKey(tree));
    EXPECT_EQ(Utf8(tree.Innermost()->GetPath()), Utf8(KeyPathOf("Root\\Dialogs")));
    EXPECT_FALSE(PushSettingsKey(tree, String(TXT("Missing"))));
    EXPECT_EQ(tree.Depth(), 1);
}

TEST_P(StorageContractTest, SettingsRoundTripEveryValueKindAndCorruptedOnesLeaveTheDefaults) {
    Sample saved{true, -120, 51.4771234567, String(TXT("Sky \x00e9t\x00e9")), String(TXT(""))};
    ASSERT_TRUE(SaveSample(KeyPathOf("App"), saved));
    Sample loaded{false, 0, 0.0, String(TXT("")), String(TXT("default"))};
    ASSERT_EQ(LoadSample(KeyPathOf("App"), loaded), 5);
    EXPECT_TRUE(loaded.visible && loaded.note.IsEmpty());
    EXPECT_EQ(loaded.left, -120);
    EXPECT_EQ(loaded.latitude, 51.477123);
    EXPECT_EQ(Utf8(loaded.title), Utf8(saved.title));
    // Integers and booleans are stored as DWORDs, the rest as text.
    auto node = Node("App\\Options\\Sample");
    ASSERT_TRUE(node->Open());
    EXPECT_EQ(IntOf(*node, TXT("Visible")), 1);
    EXPECT_EQ(TextOf(*node, TXT("Latitude")), "51.477123");

    ASSERT_TRUE(node->WriteText(TXT("Visible"), TXT("yes")) &&
                node->WriteText(TXT("Left"), TXT("12")) &&
                node->WriteText(TXT("Latitude"), TXT("51.5x")) &&
                node->WriteInt(TXT("Title"), 3) && node->WriteInt(TXT("Note"), 4) &&
                node->Close());
    Sample defaults{false, 7, 1.25, String(TXT("Untitled")), String(TXT("none"))};
    ASSERT_EQ(LoadSample(KeyPathOf("App"), defaults), 0);
    EXPECT_TRUE(!defaults.visible && defaults.left == 7 && defaults.latitude == 1.25);
    EXPECT_EQ(Utf8(defaults.title) + "/" + Utf8(defaults.note), "Untitled/none");
    EXPECT_EQ(LoadSample(KeyPathOf("NoSuchRoot"), defaults), -1);
}

TEST_P(StorageContractTest, OneValueHelpersFallBackToTheDefault) {
    const String missing(KeyPathOf("Nowhere")), once(KeyPathOf("Once"));
    std::int32_t value = 0;
    EXPECT_TRUE(ReadIntSettingAtPath(missing.Text(), TXT("Count"), 17, false, value));
    EXPECT_EQ(value, 17);
    EXPECT_FALSE(ReadIntSettingAtPath(missing.Text(), TXT("Count"), 18, true, value));
    EXPECT_EQ(value, 18);

    const Char* key = once.Text();
    const auto hive = RegistryHive::CurrentUser;
    bool on = false;
    String name;
    ASSERT_TRUE(WriteIntSettingAtPath(key, TXT("Count"), 5) &&
                WriteBoolSettingAtPath(key, TXT("On"), true) &&
                WriteStringSettingAtPath(hive, key, TXT("Name"), String(TXT("Orion"))));
    EXPECT_TRUE(ReadIntSettingAtPath(key, TXT("Count"), 0, true, value) && value == 5);
    EXPECT_TRUE(ReadBoolSettingAtPath(key, TXT("On"), false, true, on) && on);
    EXPECT_TRUE(ReadStringSettingAtPath(hive, key, TXT("Name"), TXT("x"), true, name));
    EXPECT_EQ(Utf8(name), "Orion");
    EXPECT_FALSE(ReadStringSettingAtPath(hive, key, TXT("Count"), TXT("fallback"), true, name));
    EXPECT_EQ(Utf8(name), "fallback");
}

}  // namespace corvinata::storage_test
