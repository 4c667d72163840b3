// The Educator in the program's frame: the Select Lesson dialog over the
// lessons shipped beside the program, and lessons run through the script
// host with the Run Lesson window.
#include "tools/educator_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/help_topics_win.h"
#include "frame_test.h"
#include "modal_driver.h"
#include "resources/lessons_ids.h"
#include "resources/resource_ids.h"

namespace corvinata {
namespace {

std::wstring ItemText(HWND list, int row, int column) {
    wchar_t text[300] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 300;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1000] = {};
    GetWindowTextW(window, text, 1000);
    return text;
}

// Closes the open-file dialog once it is there.
void CALLBACK CancelOpenFileDialog(HWND, UINT, UINT_PTR id, DWORD) {
    HWND open = FindWindowW(L"#32770", L"Open CorvinataScript");
    if (open == nullptr) return;
    KillTimer(nullptr, id);
    PostMessageW(open, WM_COMMAND, IDCANCEL, 0);
}

class EducatorTest : public test::FrameTest {
protected:
    EducatorTest() {
        programDirectory_ = GetProgramDirectory(GetModuleHandleW(nullptr));
        Start();
    }
    ~EducatorTest() override {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    Educator& TheEducator() { return *frame_->GetEducator(); }
    // Ctrl+6 with `steps` run inside the Select Lesson dialog.
    void OpenSelectLesson(test::ModalDriver::Steps steps) {
        test::ModalDriver::Run(std::move(steps), [this] {
            Command(CMD_EDUCATOR);
            return 0;
        });
    }
    bool EducatorEnabled() const { return (MenuState(CMD_EDUCATOR) & MF_GRAYED) == 0; }
};

TEST_F(EducatorTest, SelectLessonListsTheShippedLessonsWithTheirDescriptions) {
    ASSERT_TRUE(EducatorEnabled());
    std::vector<std::wstring> titles;
    std::wstring description;
    OpenSelectLesson([&](test::ModalDriver& driver, HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LESSON_LIST);
        const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) titles.push_back(ItemText(list, row, 0));
        // Row 0 is selected on a first opening and its description shown.
        description = WindowText(GetDlgItem(dialog, IDC_LESSON_DESCRIPTION));
        driver.Click(IDCANCEL);
    });
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_NE(std::find(titles.begin(), titles.end(), L"Quick Tour"), titles.end());
    EXPECT_NE(std::find(titles.begin(), titles.end(), L"Phases of the Moon"), titles.end());
    EXPECT_FALSE(description.empty());
    EXPECT_TRUE(EducatorEnabled());
    EXPECT_EQ(TheEducator().Window(), nullptr);
}

// Cancelling the open-file dialog keeps Select Lesson open and the stored
// folder as it was.
TEST_F(EducatorTest, ACancelledBrowseKeepsTheDialogAndTheFolder) {
    bool stillOpen = false;
    OpenSelectLesson([&](test::ModalDriver& driver, HWND dialog) {
        // The open-file dialog is closed from a timer of its own loop.
        SetTimer(nullptr, 0, 300, &CancelOpenFileDialog);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LESSON_BROWSE, BN_CLICKED), 0);
        stillOpen = IsWindow(dialog) != FALSE;
        driver.Click(IDCANCEL);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(std::wstring(app_->DialogStates().selectLesson.browsePath.Text()), L"C:\\");
}

}  // namespace
}  // namespace corvinata
