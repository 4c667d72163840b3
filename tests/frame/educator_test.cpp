// The Educator in the program's frame: the Select Lesson dialog over the
// lessons shipped beside the program, and lessons run through the script
// host with the Run Lesson window.
#include "tools/educator_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/help_topics_win.h"
#include "frame_test.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "views/eclipse_window_win.h"
#include "views/sky_display_win.h"
#include "views/sky_render.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"
#include "modal_driver.h"
#include "program_keys.h"
#include "frame/help_messages.h"
#include "resources/lessons_ids.h"
#include "tools/lessons.h"
#include "resources/resource_ids.h"
#include "support/list_view_rows_win.h"

namespace corvinata {
namespace {

std::wstring ItemText(HWND list, int row, int column) { return test::ListItemWideText(list, row, column); }

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

// The lessons are shipped beside the test program as beside the program.
PathName ProgramFolder() { return GetProgramDirectory(GetModuleHandleW(nullptr)); }

class EducatorTest : public test::FrameTest {
protected:
    EducatorTest() {
        StartAsProgram(ProgramFolder());
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

// A lesson of the test's own, written to the temporary folder.
class TemporaryLesson {
public:
    explicit TemporaryLesson(const char* text) {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        path_ = std::wstring(folder) + L"corvinata-test-lesson.sts";
        HANDLE file = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
        CloseHandle(file);
    }
    ~TemporaryLesson() { DeleteFileW(path_.c_str()); }
    String Path() const { return String(path_.c_str()); }

private:
    std::wstring path_;
};

// Runs `run`, answering the one message box it shows; its text, or empty
// when none was shown.
template <class Run>
std::wstring AnswerTheBox(Run run) {
    std::wstring text;
    test::ModalDriver::Run(
        [&](test::ModalDriver& driver, HWND box) {
            text = WindowText(GetDlgItem(box, IDC_MESSAGE_TEXT));
            driver.Key(VK_RETURN);
        },
        [&] {
            run();
            return 0;
        });
    return text;
}

class RunLessonTest : public EducatorTest {
protected:
    HWND LessonWindow() { return TheEducator().Window(); }
    std::wstring Message() { return WindowText(GetDlgItem(LessonWindow(), IDC_LESSON_MESSAGE)); }
    void Press(int button) { SendMessageW(LessonWindow(), WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0); }
    bool Shown(int button) { return IsWindowVisible(GetDlgItem(LessonWindow(), button)) != FALSE; }
    int OpenWindows(int kind) {
        int count = 0;
        for (RegisteredWindow* window : frame_->Registry().AllWindows()) {
            count += frame_->Registry().FindByHandle(window->WindowHandle()).kind == kind;
        }
        return count;
    }
    String Shipped(const wchar_t* name) {
        return LessonFilePath(GetProgramDirectory(GetModuleHandleW(nullptr)), name);
    }
};

TEST_F(RunLessonTest, EnterRunsTheChosenLessonMessageByMessageUntilStop) {
    OpenSelectLesson([&](test::ModalDriver& driver, HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_LESSON_LIST);
        const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < rows; ++row) {
            if (ItemText(list, row, 0) != L"Phases of the Moon") continue;
            LVITEMW state{};
            state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            state.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        }
        driver.Key(VK_RETURN);
    });
    ASSERT_NE(LessonWindow(), nullptr);
    EXPECT_EQ(WindowText(LessonWindow()), L"Educator - Phases of the Moon");
    const std::wstring first = Message();
    EXPECT_NE(first.find(L"reflected sunlight"), std::wstring::npos);
    EXPECT_FALSE(EducatorEnabled());
    EXPECT_TRUE(Shown(IDC_LESSON_CONTINUE) && Shown(IDC_LESSON_STOP) && !Shown(IDC_LESSON_CLOSE));

    Press(IDC_LESSON_CONTINUE);
    EXPECT_NE(Message(), first);
    EXPECT_EQ(OpenWindows(kSolarSystemWindow), 1);
    EXPECT_FALSE(EducatorEnabled());

    Press(IDC_LESSON_STOP);
    EXPECT_EQ(LessonWindow(), nullptr);
    EXPECT_TRUE(EducatorEnabled());
}

TEST_F(RunLessonTest, ASecondLessonOpensWhereTheFirstWasClosed) {
    TheEducator().RunScriptFile(Shipped(L"Phases of the Moon.sts"), String(L"First"));
    ASSERT_NE(LessonWindow(), nullptr);
    SetWindowPos(LessonWindow(), nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Press(IDC_LESSON_STOP);
    TheEducator().RunScriptFile(Shipped(L"Phases of the Moon.sts"), String(L"Second"));
    ASSERT_NE(LessonWindow(), nullptr);
    RECT at{};
    GetWindowRect(LessonWindow(), &at);
    EXPECT_EQ(at.left, 123);
    EXPECT_EQ(at.top, 77);
    EXPECT_EQ(WindowText(LessonWindow()), L"Educator - Second");
    Press(IDC_LESSON_STOP);
}

// After a restart the places read from the settings are the corners alone,
// as the dialogs store them: both lesson windows open there.
TEST_F(RunLessonTest, TheLessonWindowsOpenAtTheCornersTheSettingsGive) {
    const auto corner = [](int left, int top) {
        WindowGeometry at;
        at.fieldMask = kGeometryPosition;
        at.left = left;
        at.top = top;
        at.width = at.height = 0;
        return at;
    };
    app_->DialogStates().selectLesson.geometry = corner(250, 140);
    app_->DialogStates().runLesson.geometry = corner(222, 111);
    RECT selectAt{};
    OpenSelectLesson([&](test::ModalDriver& driver, HWND dialog) {
        GetWindowRect(dialog, &selectAt);
        driver.Click(IDCANCEL);
    });
    EXPECT_EQ(selectAt.left, 250);
    EXPECT_EQ(selectAt.top, 140);
    TheEducator().RunScriptFile(Shipped(L"Phases of the Moon.sts"), String(L"Placed"));
    ASSERT_NE(LessonWindow(), nullptr);
    RECT runAt{};
    GetWindowRect(LessonWindow(), &runAt);
    EXPECT_EQ(runAt.left, 222);
    EXPECT_EQ(runAt.top, 111);
    Press(IDC_LESSON_STOP);
    EXPECT_EQ(app_->DialogStates().runLesson.geometry.fieldMask, kGeometryPosition);
}

// A statement that fails, and a lesson that does not compile, are reported;
// either way the Educator can start the next lesson.
TEST_F(RunLessonTest, FailuresAreReportedAndEnableTheEducatorAgain) {
    TemporaryLesson failing("# CorvinataScript: 2.1\r\nMessage \"before\"\r\n"
                            "With Application Set Location Town \"Nowhere\" Country \"Atlantis\"\r\n");
    TheEducator().RunScriptFile(failing.Path(), String(L"Failing"));
    ASSERT_NE(LessonWindow(), nullptr);
    const std::wstring error = AnswerTheBox([&] { Press(IDC_LESSON_CONTINUE); });
    EXPECT_NE(error.find(L"The script contains an error"), std::wstring::npos) << error;
    EXPECT_EQ(LessonWindow(), nullptr);
    EXPECT_TRUE(EducatorEnabled());

    TemporaryLesson broken("# CorvinataScript: 2.1\r\nOpen Sky\r\n");
    const std::wstring compile = AnswerTheBox([&] { TheEducator().RunScriptFile(broken.Path(), String(L"Broken")); });
    EXPECT_EQ(compile.find(broken.Path().Text()), 0u) << compile;
    EXPECT_NE(compile.find(L"Compile error at line 2, column 9: Expected space after word (Sky)"), std::wstring::npos)
        << compile;
    EXPECT_EQ(LessonWindow(), nullptr);
    EXPECT_TRUE(EducatorEnabled());
}

TEST_F(RunLessonTest, TheQuickTourRunsToItsEndWithContinueAtEachMessage) {
    TheEducator().RunScriptFile(QuickTourScriptPath(GetProgramDirectory(GetModuleHandleW(nullptr))),
                                String(L"Quick Tour"));
    ASSERT_NE(LessonWindow(), nullptr);
    EXPECT_EQ(WindowText(LessonWindow()), L"Educator - Quick Tour");
    int messages = 1;
    while (LessonWindow() != nullptr && Shown(IDC_LESSON_CONTINUE) && messages < 30) {
        EXPECT_EQ(AnswerTheBox([&] { Press(IDC_LESSON_CONTINUE); }), L"") << "after message " << messages;
        ++messages;
    }
    ASSERT_NE(LessonWindow(), nullptr) << "the tour stopped after " << messages << " messages";
    EXPECT_TRUE(Shown(IDC_LESSON_CLOSE));
    EXPECT_FALSE(Shown(IDC_LESSON_STOP));
    EXPECT_GE(messages, 8);
    EXPECT_FALSE(EducatorEnabled());
    for (int kind : {kSkyWindow, kSolarSystemWindow, kJupiterExplorerWindow, kSolarEclipseWindow}) {
        EXPECT_EQ(OpenWindows(kind), 1) << kind;
    }
    // The eclipse step maps the eclipse its text names.
    auto* eclipse = dynamic_cast<SolarEclipseWindow*>(frame_->Children().ActiveWindowOf(kSolarEclipseWindow));
    ASSERT_NE(eclipse, nullptr);
    EXPECT_TRUE(eclipse->View().HasEclipse());
    const DateTime date = eclipse->View().Document().Map().date;
    EXPECT_EQ(date.year * 10000 + date.month * 100 + date.day, 20260812);
    Press(IDC_LESSON_CLOSE);
    EXPECT_EQ(LessonWindow(), nullptr);
    EXPECT_TRUE(EducatorEnabled());
}

// Ctrl+6, an arrow to the second lesson, Enter; Alt+C continues, Alt+S stops.
TEST_F(RunLessonTest, KeyboardJourney) {
    test::ProgramKeys keys(*frame_, modeless_);
    ASSERT_TRUE(keys.Loaded());
    std::wstring chosen;
    test::ModalDriver::Run(
        [&](test::ModalDriver& driver, HWND dialog) {
            driver.Key(VK_DOWN);
            HWND list = GetDlgItem(dialog, IDC_LESSON_LIST);
            const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            EXPECT_EQ(row, 1);
            chosen = ItemText(list, row, 0);
            driver.Key(VK_RETURN);
        },
        [&] {
            keys.Control('6');
            return 0;
        });
    ASSERT_NE(LessonWindow(), nullptr);
    EXPECT_EQ(WindowText(LessonWindow()), L"Educator - " + chosen);
    const std::wstring first = Message();
    const auto alt = [&](char letter) {
        test::HeldKeys held{VK_MENU};
        keys.Send(GetDlgItem(LessonWindow(), IDC_LESSON_CONTINUE), WM_SYSCHAR, static_cast<WPARAM>(letter));
    };
    alt('c');
    EXPECT_NE(Message(), first);
    alt('s');
    EXPECT_EQ(LessonWindow(), nullptr);
    EXPECT_TRUE(EducatorEnabled());
}

// What a Sky window shows of a body: whether it stands inside the display,
// and its altitude.
struct SkySight {
    bool inView = false;
    double altitude = 0.0;
};

SkySight SightOf(SkyWindow& sky, const CelestialObject& body) {
    SkySight sight;
    sight.altitude = sky.ComputeLookDirection(sky.BodyPosition(body), sky.GetZoom()).altitude;
    SkyDisplay* display = sky.Display();
    int x = 0, y = 0;
    RECT client{};
    if (display && display->Renderer() && GetClientRect(display->Window(), &client) &&
        display->Renderer()->SkyProjectObject(body, x, y)) {
        sight.inView = x >= 0 && y >= 0 && x < client.right && y < client.bottom;
    }
    return sight;
}

const CelestialObject& FirstOf(int bodyType) { return *CatalogueByType(bodyType)->CatalogueGetObjectAt(0); }

// A moment as day.month.year hh:mm, to compare with the lessons' texts.
std::string Moment(const DateTime& t) {
    const long minutes = std::lround(t.hours * 60.0);
    char text[40];
    std::snprintf(text, sizeof text, "%d.%d.%d %02ld:%02ld", t.day, t.month, t.year, minutes / 60, minutes % 60);
    return text;
}

// Each message of a shipped lesson against the windows it speaks of: the
// moment the Sky shows, the Moon selected and in the view, above the
// horizon when the text has it in the sky (and high, or rising, or beside
// the Sun where it says so).
class LessonMessagesTest : public RunLessonTest {
protected:
    struct Expected {
        const wchar_t* words;     // a part of the message
        int active;               // the kind of the window shown in front, -1 when several are spoken of
        const char* solarDate;    // the Solar System window's date, or none
        const char* skyMoment;    // the Sky's moment, or none when no Sky is spoken of
        double lowest, highest;   // the Moon's altitude
        int sun;                  // 1 in the view too, -1 below the horizon, 0 not spoken of
    };
    int ActiveKind() {
        const auto active = reinterpret_cast<HWND>(SendMessageW(frame_->MdiClient(), WM_MDIGETACTIVE, 0, 0));
        return active ? frame_->Registry().FindByHandle(active).kind : -1;
    }
    void Walk(const wchar_t* file, const std::vector<Expected>& messages) {
        TheEducator().RunScriptFile(Shipped(file), String(L"Lesson"));
        ASSERT_NE(LessonWindow(), nullptr);
        for (std::size_t i = 0; i < messages.size(); ++i) {
            const Expected& e = messages[i];
            SCOPED_TRACE(testing::Message() << "message " << i + 1);
            ASSERT_NE(Message().find(e.words), std::wstring::npos) << Message();
            if (e.active >= 0) {
                EXPECT_EQ(ActiveKind(), e.active);
            }
            if (e.solarDate) {
                SolarSystemWindow* plan = nullptr;
                for (RegisteredWindow* window : frame_->Registry().AllWindows()) {
                    if (!plan) plan = dynamic_cast<SolarSystemWindow*>(window);
                }
                ASSERT_NE(plan, nullptr);
                const std::string moment = Moment(plan->SolarDocument().GetTimeAndPlace().dateTime);
                EXPECT_EQ(moment.substr(0, moment.find(' ')), e.solarDate);
            }
            if (e.skyMoment) {
                auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindowOf(kSkyWindow));
                ASSERT_NE(sky, nullptr);
                UpdateWindow(sky->Display()->Window());
                EXPECT_EQ(Moment(sky->GetDocument().GetTimeAndPlace().dateTime), e.skyMoment);
                const CelestialObject* selected = sky->SelectedObject();
                ASSERT_NE(selected, nullptr);
                EXPECT_EQ(selected->GetTypeId(), kBodyMoon);
                const SkySight moon = SightOf(*sky, *selected);
                EXPECT_TRUE(moon.inView);
                EXPECT_GE(moon.altitude, e.lowest);
                EXPECT_LE(moon.altitude, e.highest);
                const SkySight sun = SightOf(*sky, FirstOf(kBodySun));
                if (e.sun > 0) {
                    EXPECT_TRUE(sun.inView && sun.altitude > 0.0) << sun.altitude;
                }
                if (e.sun < 0) {
                    EXPECT_LT(sun.altitude, 0.0);
                }
            }
            if (i + 1 < messages.size()) {
                EXPECT_EQ(AnswerTheBox([&] { Press(IDC_LESSON_CONTINUE); }), L"");
            }
        }
        EXPECT_TRUE(Shown(IDC_LESSON_CLOSE));
        Press(IDC_LESSON_CLOSE);
    }
};

TEST_F(LessonMessagesTest, TheQuickTourShowsWhatItsMessagesSay) {
    Walk(L"Quick Tour.sts", {{L"Welcome", -1, nullptr, nullptr, 0, 0, 0},
                             {L"This is a Sky window", kSkyWindow, nullptr, nullptr, 0, 0, 0},
                             {L"The Moon is now selected", kSkyWindow, nullptr, "21.6.2026 22:00", 0.0, 90.0, 0},
                             {L"One hour later", kSkyWindow, nullptr, nullptr, 0, 0, 0},
                             {L"Solar System window", kSolarSystemWindow, "21.6.2026", nullptr, 0, 0, 0},
                             {L"A month later", kSolarSystemWindow, "21.7.2026", nullptr, 0, 0, 0},
                             {L"Jupiter Explorer", kJupiterExplorerWindow, nullptr, nullptr, 0, 0, 0},
                             {L"Solar Eclipse window", kSolarEclipseWindow, nullptr, nullptr, 0, 0, 0},
                             {L"end of the tour", -1, nullptr, nullptr, 0, 0, 0}});
}

TEST_F(LessonMessagesTest, ThePhasesOfTheMoonShowWhatTheirMessagesSay) {
    Walk(L"Phases of the Moon.sts",
         {{L"reflected sunlight", -1, nullptr, nullptr, 0, 0, 0},
          {L"18 January 2026", kSolarSystemWindow, "18.1.2026", nullptr, 0, 0, 0},
          {L"new Moon stands beside the Sun", kSkyWindow, "18.1.2026", "18.1.2026 14:30", 0.0, 30.0, 1},
          {L"first quarter", -1, "26.1.2026", "26.1.2026 18:00", 30.0, 90.0, -1},
          {L"rises as the Sun sets", -1, "1.2.2026", "1.2.2026 17:00", 0.0, 20.0, -1},
          {L"morning sky", -1, "9.2.2026", "10.2.2026 06:00", 0.0, 90.0, -1}});
}

BOOL CALLBACK FindWelcome(HWND window, LPARAM data) {
    if (GetDlgItem(window, IDC_WELCOME_TOUR) == nullptr) return TRUE;
    *reinterpret_cast<HWND*>(data) = window;
    return FALSE;
}

// Presses OK in the Welcome dialog (its first choice is the Quick Tour).
void CALLBACK AcceptWelcome(HWND, UINT, UINT_PTR id, DWORD) {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindWelcome, reinterpret_cast<LPARAM>(&found));
    if (found == nullptr) return;
    KillTimer(nullptr, id);
    PostMessageW(found, WM_COMMAND, IDOK, 0);
}

TEST_F(RunLessonTest, TheWelcomeDialogsFirstChoiceRunsTheQuickTour) {
    SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
    DrainQuit();
    RemoveSettings();  // a first start again
    PrepareAsProgram(ProgramFolder());
    frame_->SetOfferWelcome(true);
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &AcceptWelcome);
    SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
    KillTimer(nullptr, timer);
    ASSERT_NE(LessonWindow(), nullptr);
    EXPECT_EQ(WindowText(LessonWindow()), L"Educator - Quick Tour");
    RECT at{};
    GetWindowRect(LessonWindow(), &at);
    EXPECT_EQ(at.left, 40);  // With Educator Set Position 40, 40
    EXPECT_EQ(at.top, 40);
    Press(IDC_LESSON_STOP);
    EXPECT_TRUE(EducatorEnabled());
}

}  // namespace
}  // namespace corvinata
