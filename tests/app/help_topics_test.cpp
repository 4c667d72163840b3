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

TEST(HelpTopicsTest, AMessagesTopicIsItsPageInTheMessageFolder) {
    EXPECT_EQ(Utf8(MessageBoxHelpTopic(MessageTopic::SaveGraphChanges)),
              "Message_Box_Help_Button/Do_you_want_to_save_changes.htm");
    EXPECT_EQ(Utf8(MessageBoxHelpTopic(MessageTopic::ResultNotShown)),
              "Message_Box_Help_Button/The_selected_result_cannot_be_shown.htm");
}

}  // namespace
}  // namespace corvinata
