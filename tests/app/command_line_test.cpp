#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>

#include "base/memory_storage.h"
#include "base/settings_tree.h"
#include "support/fake_product.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

struct SwitchCase {
    const char* line;
    CommandLineSwitch expected;
};

class CommandLineSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(CommandLineSwitchTest, NamesTheSwitch) {
    EXPECT_EQ(ParseCommandLineSwitch(Wide(GetParam().line).c_str()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineSwitchTest,
    ::testing::Values(SwitchCase{"/regserver", CommandLineSwitch::RegServer},
                      SwitchCase{"-REGSERVER", CommandLineSwitch::RegServer},
                      SwitchCase{"-UnregServer", CommandLineSwitch::UnregServer},
                      SwitchCase{"/Embedding", CommandLineSwitch::Embedding},
                      SwitchCase{"-factoryreset", CommandLineSwitch::FactoryReset},
                      SwitchCase{"RegServer", CommandLineSwitch::None},
                      SwitchCase{"-RegServer now", CommandLineSwitch::None},
                      SwitchCase{"-Reg", CommandLineSwitch::None},
                      SwitchCase{"", CommandLineSwitch::None}));

TEST(CommandLineTest, LongLineIsCutAfterTheThousandthCharacter) {
    const std::string line(1500, 'x');
    EXPECT_EQ(Utf8(CutCommandLine(Wide(line).c_str())), std::string(kMaxCommandLine, 'x'));
}

class ServerRegistrationTest : public ::testing::Test {
protected:
    ServerRegistrationTest() : product(storage), services(&product, nullptr) {}

    std::string DefaultValue(const char* key) {
        String value;
        if (!ReadStringSettingAtPath(RegistryHive::ClassesRoot, Wide(key).c_str(), TXT(""), TXT("<none>"), true,
                                     value)) {
            return "<none>";
        }
        return Utf8(value);
    }
    bool KeyExists(const char* key) {
        return storage.CreateRegistryNode(RegistryHive::ClassesRoot, Wide(key).c_str())->Exists();
    }

    MemoryStorageService storage;
    test::FakeProductInfo product;
    ScopedApplicationServices services;
    const String classId{TXT("{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}")};
};

TEST_F(ServerRegistrationTest, WritesTheFiveEntriesWithTheProgramQuoted) {
    ASSERT_EQ(RegisterServer(classId, String(TXT("C:\\Program Files\\Corvinata\\Corvinata.exe"))), kServerDone);
    EXPECT_EQ(DefaultValue("CLSID\\{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}"), "Corvinata Astronomy Suite");
    EXPECT_EQ(DefaultValue("CLSID\\{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}\\LocalServer32"),
              "\"C:\\Program Files\\Corvinata\\Corvinata.exe\"");
    EXPECT_EQ(DefaultValue("CLSID\\{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}\\ProgID"), "CorvinataAstronomySuite.1");
    EXPECT_EQ(DefaultValue("CorvinataAstronomySuite.1"), "Corvinata Astronomy Suite");
    EXPECT_EQ(DefaultValue("CorvinataAstronomySuite.1\\CLSID"), "{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}");
}

// The class's key goes with its subkeys; the programmatic identifier's key
// stays. A class key that is not there is a deletion that failed.
TEST_F(ServerRegistrationTest, UnregisteringRemovesTheClassKeyAndLeavesTheProgId) {
    ASSERT_EQ(RegisterServer(classId, String(TXT("C:\\Corvinata.exe"))), kServerDone);
    EXPECT_EQ(UnregisterServer(classId), kServerDone);
    EXPECT_FALSE(KeyExists("CLSID\\{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}"));
    EXPECT_TRUE(KeyExists("CLSID"));
    EXPECT_EQ(DefaultValue("CorvinataAstronomySuite.1"), "Corvinata Astronomy Suite");
    EXPECT_EQ(DefaultValue("CorvinataAstronomySuite.1\\CLSID"), "{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}");
    EXPECT_EQ(UnregisterServer(classId), kServerDeleteFailed) << "nothing left to delete";
}

TEST_F(ServerRegistrationTest, ProgramPathThatCouldNotBeReadWhollyRegistersNothing) {
    EXPECT_EQ(RegisterServer(classId, String()), kServerNoProgramPath);
    EXPECT_FALSE(KeyExists("CLSID"));
}

TEST_F(ServerRegistrationTest, ReadOnlyClassesRootStopsAtTheFirstWrite) {
    storage.Registry().SetHiveWritable(RegistryHive::ClassesRoot, false);
    EXPECT_EQ(RegisterServer(classId, String(TXT("C:\\Corvinata.exe"))), kServerWriteFailed);
    EXPECT_FALSE(KeyExists("CorvinataAstronomySuite.1"));
}

TEST_F(ServerRegistrationTest, UnregisteringWhatIsLockedFails) {
    ASSERT_EQ(RegisterServer(classId, String(TXT("C:\\Corvinata.exe"))), kServerDone);
    storage.Registry().SetHiveWritable(RegistryHive::ClassesRoot, false);
    EXPECT_EQ(UnregisterServer(classId), kServerDeleteFailed);
}

}  // namespace
}  // namespace corvinata
