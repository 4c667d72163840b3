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
    void TearDown() override {
        services_.reset();
        product_.reset();
        sandbox_.reset();
    }

    StorageService& Service() { return sandbox_->Service(); }

    // The path of `name` in the sandbox folder.
    String PathOf(const char* name) {
        String path(sandbox_->Folder());
        StringAppend(path, TXT("\\"));
        StringAppend(path, Wide(name).c_str());
        return path;
    }

    String KeyPathOf(const char* below) {
        String path(sandbox_->KeyRoot());
        if (*below) {
            StringAppend(path, TXT("\\"));
            StringAppend(path, Wide(below).c_str());
        }
        return path;
    }

    // Writes `bytes` as the whole contents of the file `name`.
    void PutBytes(const char* name, const std::string& bytes) {
        auto file = Service().CreateBinaryFile(PathOf(name));
        ASSERT_TRUE(file->Create(false));
        ASSERT_TRUE(file->Truncate());
        if (!bytes.empty()) {
            ASSERT_TRUE(file->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size())));
        }
        ASSERT_TRUE(file->Close());
    }

    std::string GetBytes(const char* name) {
        auto file = Service().CreateBinaryFile(PathOf(name));
        if (!file->Open(FileOpenMode::Read)) return "<missing>";
        std::string bytes(file->GetSize(), '\0');
        const auto size = static_cast<std::uint32_t>(bytes.size());
        if (size > 0 && !file->ReadExactly(bytes.data(), size)) {
            return "<unreadable>";
        }
        return bytes;
    }

    std::unique_ptr<StorageSandbox> sandbox_;
    std::unique_ptr<test::FakeProductInfo> product_;
    std::unique_ptr<ScopedApplicationServices> services_;
};

// ---- binary files ----

TEST_P(StorageContractTest, CreateWithCloseMakesAnEmptyClosedFile) {
    auto file = Service().CreateBinaryFile(PathOf("new.bin"));
    EXPECT_FALSE(file->Exists());
    ASSERT_TRUE(file->Create(true));
    EXPECT_FALSE(file->IsOpen());
    EXPECT_TRUE(file->Exists());
    EXPECT_EQ(GetBytes("new.bin"), "");
}

TEST_P(StorageContractTest, CreateLeavesTheFileOpenAtItsStart) {
    PutBytes("data.bin", "xyz");
    auto file = Service().CreateBinaryFile(PathOf("data.bin"));
    ASSERT_TRUE(file->Create(false));
    EXPECT_TRUE(file->IsOpen());
    char got[3] = {};
    ASSERT_TRUE(file->ReadExactly(got, 3));
    EXPECT_EQ(std::string(got, 3), "xyz");
    EXPECT_EQ(file->GetSize(), 3u);
}

TEST_P(StorageContractTest, ReadAtTheEndFailsAndSetsTheEndFlagButAnEmptyReadDoesNot) {
    PutBytes("two.bin", "ab");
    auto file = Service().CreateBinaryFile(PathOf("two.bin"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    char got[8] = {};
    std::uint32_t count = 0;
    ASSERT_TRUE(file->ReadSome(got, sizeof got, count));
    EXPECT_EQ(count, 2u);  // a short read still succeeds
    EXPECT_FALSE(file->AtEnd());
    EXPECT_TRUE(file->Read(got, 0));
    EXPECT_FALSE(file->AtEnd());
    EXPECT_FALSE(file->Read(got, 1));
    EXPECT_TRUE(file->AtEnd());
}

TEST_P(StorageContractTest, DeleteRefusesAnOpenFileAndAcceptsAMissingOne) {
    PutBytes("busy.bin", "1");
    auto file = Service().CreateBinaryFile(PathOf("busy.bin"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    EXPECT_FALSE(file->Delete());
    ASSERT_TRUE(file->Close());
    EXPECT_TRUE(file->Exists());
    EXPECT_TRUE(file->Delete());
    EXPECT_FALSE(file->Exists());
    EXPECT_TRUE(file->Delete());
}

TEST_P(StorageContractTest, ShorterRewriteLeavesNoStaleBytes) {
    PutBytes("graph.gph", "a rather long first version");
    auto file = Service().CreateBinaryFile(PathOf("graph.gph"));
    ASSERT_TRUE(file->Open(FileOpenMode::Write));
    ASSERT_TRUE(file->Write("short", 5));
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(GetBytes("graph.gph"), "short");
}

TEST_P(StorageContractTest, OpenFailsForAMissingFileAndReadModeRefusesWrites) {
    auto missing = Service().CreateBinaryFile(PathOf("none.bin"));
    EXPECT_FALSE(missing->Open(FileOpenMode::Read));
    EXPECT_FALSE(missing->Exists());

    PutBytes("ro.bin", "keep");
    auto file = Service().CreateBinaryFile(PathOf("ro.bin"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    EXPECT_FALSE(file->Write("x", 1));
    ASSERT_TRUE(file->Close());
    EXPECT_FALSE(file->Close());
    EXPECT_EQ(GetBytes("ro.bin"), "keep");
}

TEST_P(StorageContractTest, LengthPrefixedStringsRoundTrip) {
    const Char wide[] = {'S', 'i', 'r', 'i', 'u', 's', ' ', 0x03B1, ' ', 0x20AC, 0};
    {
        auto file = Service().CreateBinaryFile(PathOf("strings.bin"));
        ASSERT_TRUE(file->Create(false));
        ASSERT_TRUE(StreamWriteNarrowString(*file, "Graph 1"));
        ASSERT_TRUE(StreamWriteWideString(*file, wide));
        ASSERT_TRUE(StreamWriteWideString(*file, TXT("")));
        ASSERT_TRUE(StreamWriteNarrowString(*file, ""));
    }
    EXPECT_EQ(GetBytes("strings.bin").substr(0, 11), std::string("\x07\0\0\0Graph 1", 11));
    auto file = Service().CreateBinaryFile(PathOf("strings.bin"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    NarrowString narrow = "old";
    String text(TXT("old"));
    ASSERT_TRUE(StreamReadNarrowString(*file, narrow));
    EXPECT_EQ(narrow, "Graph 1");
    ASSERT_TRUE(StreamReadWideString(*file, text));
    EXPECT_EQ(Utf8(text), Utf8(wide));
    ASSERT_TRUE(StreamReadWideString(*file, text));
    EXPECT_TRUE(text.IsEmpty());
    ASSERT_TRUE(StreamReadNarrowString(*file, narrow));
    EXPECT_TRUE(narrow.empty());
    EXPECT_FALSE(StreamReadNarrowString(*file, narrow));
}

TEST_P(StorageContractTest, CountBeyondTheFileIsADamagedFile) {
    PutBytes("damaged.gph", std::string("\xff\xff\xff\x7f" "abc", 7));
    auto file = Service().CreateBinaryFile(PathOf("damaged.gph"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    String text(TXT("previous"));
    EXPECT_FALSE(StreamReadWideString(*file, text));
    EXPECT_TRUE(text.IsEmpty());
}

// ---- text files ----

TEST_P(StorageContractTest, LinesAreWrittenWithCrLfAndReadWithout) {
    auto file = Service().CreateTextFile(PathOf("lines.txt"));
    ASSERT_TRUE(file->Open(FileOpenMode::Write));
    ASSERT_TRUE(file->WriteLine(TXT("a"), 0));
    ASSERT_TRUE(file->WriteText(TXT("b"), 0));
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(GetBytes("lines.txt"), "a\r\nb");

    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    String line;
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_EQ(Utf8(line), "a");
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_EQ(Utf8(line), "b");
    EXPECT_FALSE(file->ReadLine(line));
    EXPECT_TRUE(file->AtEnd());

    ASSERT_TRUE(file->Rewind());
    String all;
    ASSERT_TRUE(ReadTextFileLines(*file, all));
    EXPECT_EQ(Utf8(all), "a\r\nb");
}

TEST_P(StorageContractTest, EmptyTextFileHasNoLines) {
    PutBytes("empty.txt", "");
    auto file = Service().CreateTextFile(PathOf("empty.txt"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    String line(TXT("stale"));
    EXPECT_FALSE(file->ReadLine(line));
    EXPECT_TRUE(line.IsEmpty());
    ASSERT_TRUE(file->Rewind());
    String all(TXT("stale"));
    EXPECT_TRUE(ReadTextFileLines(*file, all));
    EXPECT_TRUE(all.IsEmpty());
}

TEST_P(StorageContractTest, LongLinesAreReadWhole) {
    const std::string line600(600, 'x');
    const std::string line255(255, 'y');
    PutBytes("long.txt", line600 + "\r\n\r\n" + line255);
    auto file = Service().CreateTextFile(PathOf("long.txt"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    String line;
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_EQ(line.Length(), 600);
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_TRUE(line.IsEmpty());
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_EQ(Utf8(line), line255);
    EXPECT_FALSE(file->ReadLine(line));
}

TEST_P(StorageContractTest, LastLineWithoutLineEndIsKeptWhateverItsLength) {
    const std::string last(510, 'z');
    PutBytes("tail.txt", "first\n" + last);
    auto file = Service().CreateTextFile(PathOf("tail.txt"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    String all;
    ASSERT_TRUE(ReadTextFileLines(*file, all));
    EXPECT_EQ(Utf8(all), "first\r\n" + last);
}

TEST_P(StorageContractTest, WidthPadsWithWidthMinusTwiceTheLength) {
    auto file = Service().CreateTextFile(PathOf("pad.txt"));
    ASSERT_TRUE(file->Create(false));
    ASSERT_TRUE(file->WriteText(TXT("abc"), 10));
    ASSERT_TRUE(file->WriteLine(TXT("long enough"), 4));
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(GetBytes("pad.txt"), "abc    long enough\r\n");
}

TEST_P(StorageContractTest, CreateWithCloseEmptiesAnExistingTextFile) {
    PutBytes("old.txt", "old contents\r\n");
    auto file = Service().CreateTextFile(PathOf("old.txt"));
    ASSERT_TRUE(file->Create(true));
    EXPECT_FALSE(file->IsOpen());
    EXPECT_EQ(GetBytes("old.txt"), "");
}

TEST_P(StorageContractTest, TextIsWindows1252OnDisk) {
    const Char text[] = {0x20AC, ' ', 0x00E9, 0x2014, 0};
    auto file = Service().CreateTextFile(PathOf("cp.txt"));
    ASSERT_TRUE(file->Open(FileOpenMode::Write));
    ASSERT_TRUE(file->WriteLine(text, 0));
    const Char cyrillic[] = {0x0416, 0};
    EXPECT_FALSE(file->WriteText(cyrillic, 0));
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(GetBytes("cp.txt"), "\x80 \xe9\x97\r\n?");

    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    String line;
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_EQ(Utf8(line), Utf8(text));
}

TEST_P(StorageContractTest, LoneCarriageReturnStaysInTheLine) {
    PutBytes("cr.txt", "a\rb\r\nc\r");
    auto file = Service().CreateTextFile(PathOf("cr.txt"));
    ASSERT_TRUE(file->Open(FileOpenMode::Read));
    String line;
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_EQ(Utf8(line), "a\rb");
    ASSERT_TRUE(file->ReadLine(line));
    EXPECT_EQ(Utf8(line), "c\r");
}

TEST_P(StorageContractTest, WriteAfterReadLandsWhereTheReaderStands) {
    PutBytes("rw.txt", "one\r\ntwo\r\n");
    auto file = Service().CreateTextFile(PathOf("rw.txt"));
    ASSERT_TRUE(file->Open(FileOpenMode::ReadWrite));
    String line;
    ASSERT_TRUE(file->ReadLine(line));
    ASSERT_TRUE(file->WriteText(TXT("TWO"), 0));
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(GetBytes("rw.txt"), "one\r\nTWO\r\n");
}

// ---- folders ----

TEST_P(StorageContractTest, CreateTreeMakesEveryMissingAncestor) {
    PathName deep;
    ASSERT_TRUE(deep.SetPathDirectory(PathOf("a\\b\\c").Text()));
    FolderNode node(Service(), deep);
    ASSERT_TRUE(node.CreateTree());
    EXPECT_TRUE(Service().IsFolder(PathOf("a").Text()));
    EXPECT_TRUE(Service().IsFolder(PathOf("a\\b").Text()));
    EXPECT_TRUE(Service().IsFolder(PathOf("a\\b\\c").Text()));
    EXPECT_TRUE(node.CreateTree());  // already there
}

TEST_P(StorageContractTest, DeleteTreeRemovesEverythingBelow) {
    PathName top;
    ASSERT_TRUE(top.SetPathDirectory(PathOf("top\\sub").Text()));
    ASSERT_TRUE(FolderNode(Service(), top).CreateTree());
    PutBytes("top\\one.txt", "1");
    PutBytes("top\\sub\\two", "2");
    ASSERT_TRUE(top.SetPathDirectory(PathOf("top").Text()));
    EXPECT_TRUE(FolderNode(Service(), top).DeleteTree());
    EXPECT_FALSE(Service().PathExists(PathOf("top").Text()));
    EXPECT_TRUE(FolderNode(Service(), top).DeleteTree());  // nothing left to delete
}

TEST_P(StorageContractTest, DeleteTreeStopsAtAReadOnlyFileAndKeepsTheFolder) {
    PathName folder;
    ASSERT_TRUE(folder.SetPathDirectory(PathOf("locked").Text()));
    ASSERT_TRUE(FolderNode(Service(), folder).CreateTree());
    PutBytes("locked\\fixed.dat", "x");
    ASSERT_TRUE(sandbox_->MakeReadOnly(PathOf("locked\\fixed.dat").Text()));
    EXPECT_FALSE(FolderNode(Service(), folder).DeleteTree());
    EXPECT_TRUE(Service().IsFolder(PathOf("locked").Text()));
}

TEST_P(StorageContractTest, ListEntriesMatchesThePatternAndSkipsTheDots) {
    PathName folder;
    ASSERT_TRUE(folder.SetPathDirectory(PathOf("scripts").Text()));
    ASSERT_TRUE(FolderNode(Service(), folder).CreateTree());
    PutBytes("scripts\\tour.vbs", "");
    PutBytes("scripts\\lesson.vbs", "");
    PutBytes("scripts\\notes.txt", "");
    ASSERT_TRUE(folder.SetPathFileName(TXT("*.vbs")));
    std::vector<String> names{String(TXT("stale"))};
    ASSERT_TRUE(FolderNode(Service(), folder).ListEntries(names));
    std::vector<std::string> got;
    for (const auto& name : names) got.push_back(Utf8(name));
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got, (std::vector<std::string>{"lesson.vbs", "tour.vbs"}));

    ASSERT_TRUE(folder.SetPathFileName(TXT("*.*")));
    ASSERT_TRUE(FolderNode(Service(), folder).ListEntries(names));
    EXPECT_EQ(names.size(), 3u);
    ASSERT_TRUE(folder.SetPathFileName(TXT("*.none")));
    ASSERT_TRUE(FolderNode(Service(), folder).ListEntries(names));
    EXPECT_TRUE(names.empty());
}

TEST_P(StorageContractTest, FinderThatFindsNothingKeepsThePattern) {
    auto finder = Service().CreateFileFinder();
    String pattern(PathOf("*.nothing"));
    const std::string before = Utf8(pattern);
    EXPECT_FALSE(finder->FindFirst(pattern));
    EXPECT_EQ(Utf8(pattern), before);
    EXPECT_FALSE(finder->Close());
}

TEST_P(StorageContractTest, ExistsSeesAFolderNamedWithoutTrailingSeparator) {
    auto folderAsFile = Service().CreateBinaryFile(sandbox_->Folder());
    EXPECT_TRUE(folderAsFile->Exists());
}

// ---- registry keys ----

TEST_P(StorageContractTest, CreateMakesEveryMissingKeyAndLeavesTheLastOpen) {
    auto a = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("A").Text());
    ASSERT_TRUE(a->Create());
    auto c = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("A\\B\\C").Text());
    EXPECT_FALSE(c->Exists());
    ASSERT_TRUE(c->Create());
    EXPECT_TRUE(c->IsOpen());
    EXPECT_TRUE(c->WriteInt(TXT("n"), 5));
    EXPECT_EQ(Utf8(c->GetPath()), Utf8(KeyPathOf("A\\B\\C")));
    std::vector<String> names;
    ASSERT_TRUE(a->EnumSubkeys(names));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(Utf8(names[0]), "B");
}

TEST_P(StorageContractTest, DeleteTreeRemovesTheBranchAndAcceptsAMissingKey) {
    auto missing =
        Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("Gone").Text());
    EXPECT_TRUE(missing->DeleteTree());
    for (const char* leaf : {"T\\X\\Y", "T\\X\\Z", "T\\W"}) {
        auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf(leaf).Text());
        ASSERT_TRUE(node->Create());
        ASSERT_TRUE(node->WriteText(TXT("v"), TXT("leaf")));
    }
    auto top = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("T").Text());
    EXPECT_TRUE(top->DeleteTree());
    EXPECT_FALSE(top->Exists());
    EXPECT_FALSE(top->IsOpen());
}

TEST_P(StorageContractTest, EnumSubkeysNeedsAnOpenKey) {
    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("E").Text());
    std::vector<String> names{String(TXT("stale"))};
    EXPECT_FALSE(node->EnumSubkeys(names));
    ASSERT_TRUE(node->Create());
    ASSERT_TRUE(node->EnumSubkeys(names));
    EXPECT_TRUE(names.empty());
}

TEST_P(StorageContractTest, ValuesFollowTheStorageRules) {
    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("Rules").Text());
    ASSERT_TRUE(node->Create());
    ASSERT_TRUE(node->WriteDouble(TXT("half"), 0.5));
    ASSERT_TRUE(node->WriteDouble(TXT("two"), 2.0));
    ASSERT_TRUE(node->WriteDouble(TXT("lat"), 51.4771234567));
    ASSERT_TRUE(node->WriteDouble(TXT("neg"), -0.25));
    ASSERT_TRUE(node->WriteBool(TXT("flag"), true));
    String text;
    ASSERT_TRUE(node->ReadString(TXT("half"), text));
    EXPECT_EQ(Utf8(text), "0.5");
    ASSERT_TRUE(node->ReadString(TXT("two"), text));
    EXPECT_EQ(Utf8(text), "2");
    ASSERT_TRUE(node->ReadString(TXT("lat"), text));
    EXPECT_EQ(Utf8(text), "51.477123");
    double value = 0.0;
    ASSERT_TRUE(node->ReadDouble(TXT("neg"), value));
    EXPECT_EQ(value, -0.25);
    std::int32_t stored = 0;
    ASSERT_TRUE(node->ReadInt(TXT("flag"), stored));
    EXPECT_EQ(stored, 1);
    ASSERT_TRUE(node->WriteInt(TXT("seven"), 7));
    bool flag = false;
    ASSERT_TRUE(node->ReadBool(TXT("seven"), flag));
    EXPECT_TRUE(flag);
    ASSERT_TRUE(node->WriteInt(TXT("min"), INT32_MIN));
    ASSERT_TRUE(node->ReadInt(TXT("min"), stored));
    EXPECT_EQ(stored, INT32_MIN);
}

// Raw values as another program, an older version or damage could leave them.
struct CorruptValue {
    const char* name;
    std::uint32_t type;
    std::string bytes;
};

TEST_P(StorageContractTest, ValuesOfTheWrongShapeReadAsMissing) {
    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("Bad").Text());
    ASSERT_TRUE(node->Create());
    ASSERT_TRUE(node->WriteInt(TXT("dword"), 3));
    ASSERT_TRUE(node->WriteText(TXT("text"), TXT("12")));
    ASSERT_TRUE(node->WriteText(TXT("blank"), TXT("0.5 ")));
    ASSERT_TRUE(node->WriteText(TXT("words"), TXT("north")));
    ASSERT_TRUE(node->WriteText(TXT("empty"), TXT("")));
    RegistryApi& api = Service().Registry();
    RegistryApi::Key raw = nullptr;
    const String sub(KeyPathOf("Bad"));
    ASSERT_TRUE(api.OpenKey(api.RootKey(RegistryHive::CurrentUser), sub.Text() + 1, raw));
    const CorruptValue corrupt[] = {
        {"short", kRegistryDword, std::string("\x01\x00", 2)},
        {"long", kRegistryDword, std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8)},
        {"binary", 3, std::string("\x01\x00\x00\x00", 4)},
    };
    for (const auto& value : corrupt) {
        ASSERT_TRUE(api.SetValue(raw, Wide(value.name).c_str(), value.type, value.bytes.data(),
                                 static_cast<std::uint32_t>(value.bytes.size())));
    }
    ASSERT_TRUE(api.CloseKey(raw));

    std::int32_t number = -9;
    String text(TXT("kept"));
    double real = 4.5;
    bool flag = true;
    EXPECT_FALSE(node->ReadString(TXT("dword"), text));
    EXPECT_FALSE(node->ReadInt(TXT("text"), number));
    EXPECT_FALSE(node->ReadInt(TXT("short"), number));
    EXPECT_FALSE(node->ReadInt(TXT("long"), number));
    EXPECT_FALSE(node->ReadInt(TXT("binary"), number));
    EXPECT_FALSE(node->ReadBool(TXT("short"), flag));
    EXPECT_FALSE(node->ReadDouble(TXT("blank"), real));
    EXPECT_FALSE(node->ReadDouble(TXT("words"), real));
    EXPECT_FALSE(node->ReadDouble(TXT("empty"), real));
    EXPECT_FALSE(node->ReadDouble(TXT("dword"), real));
    EXPECT_FALSE(node->ReadInt(TXT("missing"), number));
    EXPECT_EQ(number, -9);
    EXPECT_EQ(Utf8(text), "kept");
    EXPECT_EQ(real, 4.5);
    EXPECT_TRUE(flag);
}

TEST_P(StorageContractTest, StringStoredWithoutTerminatorReadsTerminated) {
    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("Raw").Text());
    ASSERT_TRUE(node->Create());
    RegistryApi& api = Service().Registry();
    RegistryApi::Key raw = nullptr;
    const String sub(KeyPathOf("Raw"));
    ASSERT_TRUE(api.OpenKey(api.RootKey(RegistryHive::CurrentUser), sub.Text() + 1, raw));
    // "abc" without a terminator, and one odd byte more.
    const std::string bytes("a\0b\0c\0d", 7);
    ASSERT_TRUE(api.SetValue(raw, TXT("unterminated"), kRegistryString, bytes.data(), 7));
    ASSERT_TRUE(api.CloseKey(raw));
    String text;
    ASSERT_TRUE(node->ReadString(TXT("unterminated"), text));
    EXPECT_EQ(Utf8(text), "abc");
}

TEST_P(StorageContractTest, KeyPathsWithOrWithoutLeadingBackslashAreTheSameKey) {
    const String rooted(KeyPathOf("Lead"));
    auto writer = Service().CreateRegistryNode(RegistryHive::CurrentUser, rooted.Text());
    ASSERT_TRUE(writer->Create());
    ASSERT_TRUE(writer->WriteInt(TXT("x"), 42));
    ASSERT_TRUE(writer->Close());
    String doubled(TXT("\\"));
    StringAppend(doubled, rooted.Text());
    for (const Char* path : {rooted.Text() + 1, doubled.Text()}) {
        auto reader = Service().CreateRegistryNode(RegistryHive::CurrentUser, path);
        ASSERT_TRUE(reader->Open()) << Utf8(path);
        std::int32_t x = 0;
        EXPECT_TRUE(reader->ReadInt(TXT("x"), x));
        EXPECT_EQ(x, 42);
    }
}

TEST_P(StorageContractTest, TheEmptyValueNameIsTheKeysDefaultValue) {
    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser, KeyPathOf("Def").Text());
    ASSERT_TRUE(node->Create());
    ASSERT_TRUE(node->WriteText(TXT(""), TXT("Corvinata.Application")));
    String text;
    ASSERT_TRUE(node->ReadString(TXT(""), text));
    EXPECT_EQ(Utf8(text), "Corvinata.Application");
}

// ---- settings tree ----

TEST_P(StorageContractTest, PushesNestBelowTheRootAndPopsReturnToTheParent) {
    const String root(KeyPathOf("Root"));
    auto deep = Service().CreateRegistryNode(RegistryHive::CurrentUser,
                                             KeyPathOf("Root\\Dialogs\\Graph").Text());
    ASSERT_TRUE(deep->Create());
    ASSERT_TRUE(deep->WriteInt(TXT("Left"), 10));
    ASSERT_TRUE(deep->Close());

    SettingsTree tree(root);
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("Dialogs"))));
    ASSERT_TRUE(PushSettingsKey(tree, String(TXT("\\Graph"))));
    EXPECT_EQ(Utf8(tree.Innermost()->GetPath()), Utf8(KeyPathOf("Root\\Dialogs\\Graph")));
    std::int32_t left = 0;
    EXPECT_TRUE(ReadIntSetting(tree, BindProperty<std::int32_t>(
                                         TXT("Left"), [&] { return left; },
                                         [&](std::int32_t v) { left = v; })));
    EXPECT_EQ(left, 10);
    EXPECT_TRUE(PopSettingsKey(tree));
    EXPECT_EQ(Utf8(tree.Innermost()->GetPath()), Utf8(KeyPathOf("Root\\Dialogs")));
    EXPECT_FALSE(PushSettingsKey(tree, String(TXT("Missing"))));
    EXPECT_EQ(tree.Depth(), 1);
    EXPECT_TRUE(PopSettingsKey(tree));
    EXPECT_FALSE(PopSettingsKey(tree));
}

// An object with a value of every stored kind, as a load and a save function
// would move it.
struct Sample {
    bool visible = false;
    std::int32_t left = 0;
    double latitude = 0.0;
    String title;
    String note;

    bool Visible() const { return visible; }
    void SetVisible(bool v) { visible = v; }
    std::int32_t Left() const { return left; }
    void SetLeft(std::int32_t v) { left = v; }
    double Latitude() const { return latitude; }
    void SetLatitude(double v) { latitude = v; }
    String Title() const { return title; }
    void SetTitle(const Char* v) { StringAssign(title, v); }
    const Char* Note() const { return note.Text(); }
    void SetNote(const Char* v) { StringAssign(note, v); }
};

inline bool SaveSample(const String& root, Sample& s) {
    SettingsTreeWriter writer(root);
    bool ok = OpenSettingsKeyPath(writer, String(TXT("Options\\Sample")));
    ok &= WriteBoolSetting(writer, BindMember<bool>(TXT("Visible"), s, &Sample::Visible,
                                                    &Sample::SetVisible));
    ok &= WriteIntSetting(writer, BindMember<std::int32_t>(TXT("Left"), s, &Sample::Left,
                                                           &Sample::SetLeft));
    ok &= WriteDoubleSetting(writer, BindMember<double>(TXT("Latitude"), s, &Sample::Latitude,
                                                        &Sample::SetLatitude));
    ok &= WriteStringSetting(writer, BindMember<String, const Char*>(TXT("Title"), s,
                                                                     &Sample::Title,
                                                                     &Sample::SetTitle));
    ok &= WriteWideStringSetting(writer, BindMember<const Char*>(TXT("Note"), s, &Sample::Note,
                                                                 &Sample::SetNote));
    ok &= PopSettingsKey(writer);
    return ok;
}

// Answers how many values were read.
inline int LoadSample(const String& root, Sample& s) {
    SettingsTree tree(root);
    if (!PushSettingsKey(tree, String(TXT("Options\\Sample")))) return -1;
    int read = 0;
    read += ReadBoolSetting(tree, BindMember<bool>(TXT("Visible"), s, &Sample::Visible,
                                                   &Sample::SetVisible));
    read += ReadIntSetting(tree, BindMember<std::int32_t>(TXT("Left"), s, &Sample::Left,
                                                          &Sample::SetLeft));
    read += ReadDoubleSetting(tree, BindMember<double>(TXT("Latitude"), s, &Sample::Latitude,
                                                       &Sample::SetLatitude));
    read += ReadStringSetting(tree, BindMember<String, const Char*>(TXT("Title"), s,
                                                                    &Sample::Title,
                                                                    &Sample::SetTitle));
    read += ReadStringSetting(tree, BindMember<const Char*>(TXT("Note"), s, &Sample::Note,
                                                            &Sample::SetNote));
    PopSettingsKey(tree);
    return read;
}

TEST_P(StorageContractTest, SettingsTreeRoundTripsEveryValueKind) {
    const String root(KeyPathOf("App"));
    Sample saved;
    saved.visible = true;
    saved.left = -120;
    saved.latitude = 51.4771234567;
    StringAssign(saved.title, TXT("Sky \x00e9t\x00e9"));
    StringAssign(saved.note, TXT(""));
    ASSERT_TRUE(SaveSample(root, saved));

    Sample loaded;
    StringAssign(loaded.note, TXT("default"));
    ASSERT_EQ(LoadSample(root, loaded), 5);
    EXPECT_TRUE(loaded.visible);
    EXPECT_EQ(loaded.left, -120);
    EXPECT_EQ(loaded.latitude, 51.477123);
    EXPECT_EQ(Utf8(loaded.title), Utf8(saved.title));
    EXPECT_TRUE(loaded.note.IsEmpty());

    // How the values are stored: integers and booleans as DWORDs, the rest as text.
    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser,
                                             KeyPathOf("App\\Options\\Sample").Text());
    ASSERT_TRUE(node->Open());
    std::int32_t number = 0;
    String text;
    EXPECT_TRUE(node->ReadInt(TXT("Visible"), number));
    EXPECT_EQ(number, 1);
    EXPECT_TRUE(node->ReadInt(TXT("Left"), number));
    EXPECT_TRUE(node->ReadString(TXT("Latitude"), text));
    EXPECT_EQ(Utf8(text), "51.477123");
}

TEST_P(StorageContractTest, CorruptedSettingsLeaveTheDefaults) {
    const String root(KeyPathOf("App"));
    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser,
                                             KeyPathOf("App\\Options\\Sample").Text());
    ASSERT_TRUE(node->Create());
    ASSERT_TRUE(node->WriteText(TXT("Visible"), TXT("yes")));
    ASSERT_TRUE(node->WriteText(TXT("Left"), TXT("12")));
    ASSERT_TRUE(node->WriteText(TXT("Latitude"), TXT("51.5x")));
    ASSERT_TRUE(node->WriteInt(TXT("Title"), 3));
    ASSERT_TRUE(node->Close());

    Sample defaults;
    defaults.visible = true;
    defaults.left = 7;
    defaults.latitude = 1.25;
    StringAssign(defaults.title, TXT("Untitled"));
    StringAssign(defaults.note, TXT("none"));
    ASSERT_EQ(LoadSample(root, defaults), 0);
    EXPECT_TRUE(defaults.visible);
    EXPECT_EQ(defaults.left, 7);
    EXPECT_EQ(defaults.latitude, 1.25);
    EXPECT_EQ(Utf8(defaults.title), "Untitled");
    EXPECT_EQ(Utf8(defaults.note), "none");

    Sample untouched;
    untouched.left = 99;
    EXPECT_EQ(LoadSample(KeyPathOf("NoSuchRoot"), untouched), -1);
    EXPECT_EQ(untouched.left, 99);
}

TEST_P(StorageContractTest, OneValueHelpersFallBackToTheDefault) {
    const String missing(KeyPathOf("Nowhere"));
    std::int32_t value = 0;
    EXPECT_TRUE(ReadIntSettingAtPath(missing.Text(), TXT("Count"), 17, false, value));
    EXPECT_EQ(value, 17);
    value = 0;
    EXPECT_FALSE(ReadIntSettingAtPath(missing.Text(), TXT("Count"), 18, true, value));
    EXPECT_EQ(value, 18);

    const String key(KeyPathOf("Once"));
    ASSERT_TRUE(WriteIntSettingAtPath(key.Text(), TXT("Count"), 5));
    ASSERT_TRUE(WriteBoolSettingAtPath(key.Text(), TXT("On"), true));
    ASSERT_TRUE(WriteDoubleSettingAtPath(key.Text(), TXT("Zoom"), 1.5));
    ASSERT_TRUE(WriteStringSettingAtPath(RegistryHive::CurrentUser, key.Text(), TXT("Name"),
                                         String(TXT("Orion"))));
    EXPECT_TRUE(ReadIntSettingAtPath(key.Text(), TXT("Count"), 0, true, value));
    EXPECT_EQ(value, 5);
    bool on = false;
    EXPECT_TRUE(ReadBoolSettingAtPath(key.Text(), TXT("On"), false, true, on));
    EXPECT_TRUE(on);
    double zoom = 0.0;
    EXPECT_TRUE(ReadDoubleSettingAtPath(key.Text(), TXT("Zoom"), 0.0, true, zoom));
    EXPECT_EQ(zoom, 1.5);
    String name;
    EXPECT_TRUE(ReadStringSettingAtPath(RegistryHive::CurrentUser, key.Text(), TXT("Name"),
                                        TXT("x"), true, name));
    EXPECT_EQ(Utf8(name), "Orion");
    EXPECT_FALSE(ReadStringSettingAtPath(RegistryHive::CurrentUser, key.Text(), TXT("Count"),
                                         TXT("fallback"), true, name));
    EXPECT_EQ(Utf8(name), "fallback");
}

TEST_P(StorageContractTest, TimeStepKeyRoundTripsAndAMissingKeyChangesNothing) {
    const String root(KeyPathOf("Sky"));
    TimeStep step;
    step.unit = kMinutesUnit;
    step.count = 7;
    EXPECT_FALSE(LoadTimeStepKey(step, root));
    EXPECT_EQ(step.unit, kMinutesUnit);
    EXPECT_EQ(step.count, 7);

    TimeStep saved;
    saved.unit = kYearsUnit;
    saved.count = -3;
    ASSERT_TRUE(SaveTimeStepKey(saved, root));
    ASSERT_TRUE(LoadTimeStepKey(step, root));
    EXPECT_EQ(step.unit, kYearsUnit);
    EXPECT_EQ(step.count, -3);

    auto node = Service().CreateRegistryNode(RegistryHive::CurrentUser,
                                             KeyPathOf("Sky\\Time Step").Text());
    ASSERT_TRUE(node->Open());
    std::int32_t type = 0;
    ASSERT_TRUE(node->ReadInt(TXT("Type"), type));
    EXPECT_EQ(type, kYearsUnit);
}

}  // namespace corvinata::storage_test
