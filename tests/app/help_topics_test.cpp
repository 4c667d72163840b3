#include "app/help_topics.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

TEST(HelpTopicsTest, HelpFileIsTheProductNameBesideTheProgram) {
    const PathName directory = ProgramDirectoryFromModulePath(TXT("D:\\Apps\\Corvinata\\cn.exe"));
    EXPECT_EQ(Utf8(HelpFilePath(directory, TXT("Corvinata"))), "D:\\Apps\\Corvinata\\Corvinata.chm");
}

TEST(HelpTopicsTest, ProgramAtTheRootOfADriveHasTheDriveAndOneBackslash) {
    const PathName directory = ProgramDirectoryFromModulePath(TXT("C:\\cn.exe"));
    EXPECT_EQ(Utf8(directory.Drive()), "C:");
    EXPECT_EQ(Utf8(directory.Folder()), "\\");
}

TEST(HelpTopicsTest, OverlongModulePathIsCutAt260Characters) {
    const test::CharText longPath = test::Wide("C:\\" + std::string(300, 'a'));
    const PathName directory = ProgramDirectoryFromModulePath(longPath.c_str());
    EXPECT_LE(TextLength(directory.ComposePath()), kMaxModulePath);
}

TEST(HelpTopicsTest, MessageBoxTopic) {
    EXPECT_EQ(Utf8(MessageBoxHelpTopic(TXT("File_Not_Found"))),
              "Message_Box_Help_Button/File_Not_Found.htm");
}

}  // namespace
}  // namespace corvinata
