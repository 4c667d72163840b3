#include "frame/frame_window.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_windows.h"
#include "base/settings_tree.h"
#include "documents/report_kinds.h"
#include "frame/about_dialogs.h"
#include "controls/custom_controls_setup.h"
#include "app/help_topics_win.h"
#include "base/services.h"
#include "frame/help_messages.h"
#include "frame/main_menu.h"
#include "controls/message_box.h"
#include "frame/modal_driver.h"
#include "frame/select_location_dialog.h"
#include "frame/time_appearance_dialogs.h"
#include "views/picture_source_win.h"
#include "views/sky_display_win.h"
#include "views/sky_window_win.h"
#include "frame_test.h"
#include "program_keys.h"
#include "support/catalogues.h"
#include "support/drawn_pixels_win.h"
#include "support/fake_product.h"
#include "support/pointer_away_win.h"
#include "support/test_text.h"
#include "resources/resource_ids.h"

namespace corvinata {
namespace {

class FrameWindowTest : public test::FrameTest {
protected:
    void Close() {
        SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    static String FrameKey() { return String(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Application frame window"); }
    static bool StoredKey() {
        Win32StorageService storage;
        return storage.CreateRegistryNode(RegistryHive::CurrentUser, FrameKey().Text())->Exists();
    }
    bool StoredBool(const wchar_t* name) {
        bool value = false;
        EXPECT_TRUE(ReadBoolSettingAtPath(FrameKey().Text(), name, false, true, value)) << name;
        return value;
    }
};

TEST_F(FrameWindowTest, TitleAndMenuBarInWindowsOrder) {
    FrameWindow& frame = Start();
    wchar_t text[64] = {};
    GetWindowTextW(frame.Window(), text, 64);
    EXPECT_STREQ(text, L"Corvinata");
    HMENU menu = GetMenu(frame.Window());
    const wchar_t* titles[] = {L"&File", L"&Edit", L"&View", L"&Tools", L"&Options", L"&Window", L"&Help"};
    ASSERT_EQ(GetMenuItemCount(menu), 7);
    for (int i = 0; i < 7; ++i) {
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        EXPECT_STREQ(text, titles[i]);
    }
    GetMenuStringW(menu, CMD_ABOUT, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&About Corvinata");
}

TEST_F(FrameWindowTest, MenuAndToolbarFollowTheCommandTable) {
    FrameWindow& frame = Start();
    const struct {
        int command;
        bool enabled;
    } cases[] = {
        {CMD_EXIT, true},          {CMD_ABOUT, true},         {CMD_VIEW_TOOLBAR, true}, {CMD_HELP_CONTENTS, true},
        {CMD_SAVE_GRAPH, false},   {CMD_SAVE_GRAPH_AS, false}, {CMD_UNDO, false},        {CMD_CLOSE_ALL, false},
        {CMD_VIEW_CONTROL_PANEL, false},                       {CMD_NEW_SKY, false},     {CMD_EVENT_FINDER, true},
        {CMD_SHOW_GRAPH, false},   {CMD_EVENT_FORECAST, true},
    };
    HWND toolbar = frame.Toolbar().Window();
    for (const auto& c : cases) {
        if (GetMenuState(GetMenu(frame.Window()), c.command, MF_BYCOMMAND) != static_cast<UINT>(-1)) {
            EXPECT_EQ((MenuState(c.command) & MF_GRAYED) == 0, c.enabled) << c.command;
        }
        if (FindToolbarButton(c.command)) {
            EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONENABLED, c.command, 0) != 0, c.enabled) << c.command;
        }
    }
    EXPECT_EQ(frame.Toolbar().MissingPictures(), 0);
    frame.Toolbar().SetNight(true);
    EXPECT_EQ(frame.Toolbar().MissingPictures(), 0) << "at night";
    frame.Toolbar().SetNight(false);
}

TEST_F(FrameWindowTest, ViewCommandsHideAndShowTheirPanes) {
    FrameWindow& frame = Start();
    for (int command : {CMD_VIEW_TOOLBAR, CMD_VIEW_RELATED_TASKS, CMD_VIEW_WINDOW_MANAGER, CMD_VIEW_STATUS_LINE}) {
        ASSERT_TRUE(frame.IsPaneShown(command)) << command;
        Command(command);
        EXPECT_FALSE(frame.IsPaneShown(command)) << command;
        EXPECT_FALSE(IsWindowVisible(frame.PaneWindow(command)) && (MenuState(command) & MF_CHECKED)) << command;
        Command(command);
        EXPECT_TRUE(frame.IsPaneShown(command)) << command;
        EXPECT_TRUE(MenuState(command) & MF_CHECKED) << command;
    }
}

TEST_F(FrameWindowTest, DisabledCommandDoesNothingWhenItArrivesAnyway) {
    FrameWindow& frame = Start();
    Command(CMD_VIEW_CONTROL_PANEL);  // no window to control
    Command(CMD_SAVE_GRAPH);          // no graph to save
    EXPECT_FALSE(frame.IsPaneShown(CMD_VIEW_CONTROL_PANEL));
    EXPECT_TRUE(IsWindow(frame.Window()));
}

using test::HeldKeys;

bool PressKey(const FrameWindow& frame, HWND target, HACCEL accelerators, const ModelessDialogList& modeless,
              int key) {
    MSG message{target, WM_KEYDOWN, static_cast<WPARAM>(key), 1, 0, {}};
    return frame.PreTranslate(message, accelerators, modeless);
}

// The accelerators come before the modeless dialogs: a key of the table
// typed in the window manager's list is the frame's, as on the frame itself.
TEST_F(FrameWindowTest, AcceleratorReachesTheFrameAlsoThroughAPaneDialog) {
    FrameWindow& frame = Start();
    HACCEL accelerators = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"AST_IDR_ACCELERATOR");
    ASSERT_NE(accelerators, nullptr);
    EXPECT_EQ(CopyAcceleratorTableW(accelerators, nullptr, 0), 31);
    HeldKeys chord{VK_CONTROL, VK_SHIFT};
    HWND list = GetDlgItem(frame.PaneWindow(CMD_VIEW_WINDOW_MANAGER), IDC_PANE_LIST);
    EXPECT_TRUE(frame.IsPaneShown(CMD_VIEW_STATUS_LINE));
    EXPECT_TRUE(PressKey(frame, list, accelerators, modeless_, '5'));
    EXPECT_FALSE(frame.IsPaneShown(CMD_VIEW_STATUS_LINE));
    EXPECT_TRUE(PressKey(frame, frame.Window(), accelerators, modeless_, '5'));
    EXPECT_TRUE(frame.IsPaneShown(CMD_VIEW_STATUS_LINE));
    DestroyAcceleratorTable(accelerators);
}

TEST_F(FrameWindowTest, PanesAndPlacementComeBackAfterARestart) {
    Start();
    Command(CMD_VIEW_WINDOW_MANAGER);
    Command(CMD_VIEW_TOOLBAR);
    Close();
    EXPECT_FALSE(IsWindow(frame_->Window()));
    EXPECT_FALSE(StoredBool(L"Window manager visible"));
    EXPECT_FALSE(StoredBool(L"Toolbar visible"));
    EXPECT_TRUE(StoredBool(L"Status line visible"));
    EXPECT_TRUE(StoredBool(L"Control panel visible"));
    EXPECT_FALSE(StoredBool(L"ShowHelpHint"));

    FrameWindow& again = Start();
    EXPECT_FALSE(again.IsPaneShown(CMD_VIEW_WINDOW_MANAGER));
    EXPECT_FALSE(again.IsPaneShown(CMD_VIEW_TOOLBAR));
    EXPECT_TRUE(again.IsPaneShown(CMD_VIEW_RELATED_TASKS));
    EXPECT_FALSE(MenuState(CMD_VIEW_TOOLBAR) & MF_CHECKED);
}

// Every tool window keeps whether it was shown over a restart only while
// the user keeps the changes (Options > Appearance): with "Discard any
// changes" none writes its state, so none reopens by itself.
TEST_F(FrameWindowTest, EveryToolWindowKeepsItsStateOnlyWhenChangesAreKept) {
    const int tools[] = {CMD_OBJECT_INFO, CMD_EVENT_FORECAST, CMD_EVENT_FINDER, CMD_SYMBOLS, CMD_CALCULATOR};
    for (const bool keep : {false, true}) {
        Start(false);
        UseCustomControls();
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        for (const int command : tools) {
            ASSERT_FALSE(frame_->Tools().IsShown(command)) << keep << " " << command;
            Command(command);
            ASSERT_TRUE(frame_->Tools().IsShown(command)) << command;
        }
        app_->Options().general.saveOptionsOnExit = keep;
        Close();

        Start(false);
        UseCustomControls();
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        DrainQuit();
        for (const int command : tools) {
            EXPECT_EQ(frame_->Tools().IsShown(command), keep) << keep << " " << command;
            if (keep) Command(command);
        }
        app_->Options().general.saveOptionsOnExit = true;
        Close();
    }
}

// "Set to the factory defaults" deletes the whole settings tree as the last
// write of the exit: the tools shown write their states before it, and none
// is left to bring its window back at the next start.
TEST_F(FrameWindowTest, AFactoryResetAtExitLeavesNoToolsSettings) {
    Start(false);
    UseCustomControls();
    SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
    for (const int command : {CMD_OBJECT_INFO, CMD_EVENT_FORECAST, CMD_EVENT_FINDER, CMD_SYMBOLS, CMD_CALCULATOR}) {
        Command(command);
        ASSERT_TRUE(frame_->Tools().IsShown(command)) << command;
    }
    app_->Options().general.factoryReset = true;
    Close();
    Win32StorageService storage;
    for (const wchar_t* tool : {L"Object Info", L"Event Forecast", L"Event Finder", L"Symbol table", L"Calculator"}) {
        const std::wstring key = std::wstring(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\") + tool;
        EXPECT_FALSE(storage.CreateRegistryNode(RegistryHive::CurrentUser, key.c_str())->Exists()) << test::Utf8(tool);
    }
    EXPECT_FALSE(storage.CreateRegistryNode(RegistryHive::CurrentUser, L"\\Software\\Corvinata Software\\Corvinata\\1.70")
                     ->Exists());
}

// The night-vision levels of the last run are taken at start-up and written
// back at the end (the defaults would be written without the load).
TEST_F(FrameWindowTest, NightVisionLevelsSurviveARestart) {
    const String key(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Night vision");
    Start();
    Close();
    ASSERT_TRUE(WriteBoolSettingAtPath(key.Text(), L"Active", false));
    ASSERT_TRUE(WriteDoubleSettingAtPath(key.Text(), L"Brightness", 0.37));
    ASSERT_TRUE(WriteDoubleSettingAtPath(key.Text(), L"Contrast", 0.05));
    Start();
    Close();
    double brightness = 0.0, contrast = 0.0;
    EXPECT_TRUE(ReadDoubleSettingAtPath(key.Text(), L"Brightness", 0.0, true, brightness));
    EXPECT_TRUE(ReadDoubleSettingAtPath(key.Text(), L"Contrast", 0.0, true, contrast));
    EXPECT_EQ(brightness, 0.37);
    EXPECT_EQ(contrast, 0.05);
}

// Answers the night question that opens on this thread as `how` says.
struct NightQuestionWatch {
    enum How { kEscape, kClose, kYes, kNo };
    static inline How how = kEscape;
    static inline bool asked = false;
    static BOOL CALLBACK TakeQuestion(HWND window, LPARAM result) {
        wchar_t name[16] = {}, text[16] = {};
        GetClassNameW(window, name, 16);
        GetDlgItemTextW(window, IDC_BUTTON_2, text, 16);
        if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) || std::wstring(text) != L"&Yes") return TRUE;
        *reinterpret_cast<HWND*>(result) = window;
        return FALSE;
    }
    static void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), TakeQuestion, reinterpret_cast<LPARAM>(&box));
        if (!box) return;
        KillTimer(nullptr, timer);
        asked = true;
        switch (how) {
        case kEscape: {
            // On the button that has the keys, as the box opens the first.
            HWND keys = GetParent(GetFocus()) == box ? GetFocus() : GetDlgItem(box, IDC_BUTTON_2);
            PostMessageW(keys, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(keys, WM_KEYUP, VK_ESCAPE, 1 | (3u << 30));
            break;
        }
        case kClose: PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case kYes: PostMessageW(GetDlgItem(box, IDC_BUTTON_2), BM_CLICK, 0, 0); break;
        case kNo: PostMessageW(GetDlgItem(box, IDC_BUTTON_3), BM_CLICK, 0, 0); break;
        }
    }
};

// Night vision on at the last exit goes on at the start unless the user
// answers No: Escape and the question's close answer neither Yes nor No.
TEST_F(FrameWindowTest, OnlyNoToTheNightQuestionEndsNightVision) {
    const String key(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Night vision");
    const struct {
        NightQuestionWatch::How how;
        const char* name;
        bool night;
    } cases[] = {{NightQuestionWatch::kEscape, "Escape", true},
                 {NightQuestionWatch::kClose, "the close", true},
                 {NightQuestionWatch::kYes, "Yes", true},
                 {NightQuestionWatch::kNo, "No", false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(StoreInt(key.Text(), L"Active", 1));
        Start(false);
        NightQuestionWatch::how = c.how;
        NightQuestionWatch::asked = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, NightQuestionWatch::Answer);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        KillTimer(nullptr, timer);
        EXPECT_TRUE(NightQuestionWatch::asked) << c.name;
        EXPECT_EQ(frame_->NightVision().IsNightVisionActive(), c.night) << c.name;
        frame_->NightVision().ApplyNightVision(false, kKeepLevel, kKeepLevel);
        Close();
    }
}

TEST_F(FrameWindowTest, LayoutsAppearInTheViewMenuAndSurviveARestart) {
    Start();
    // A first run starts with one layout, so there is no other to go to.
    EXPECT_TRUE(MenuState(CMD_NEXT_LAYOUT) & MF_GRAYED);
    Command(CMD_ADD_LAYOUT);
    EXPECT_FALSE(MenuState(CMD_NEXT_LAYOUT) & MF_GRAYED);
    wchar_t name[64] = {};
    GetMenuStringW(GetMenu(frame_->Window()), CMD_LAYOUT_FIRST + 1, name, 64, MF_BYCOMMAND);
    EXPECT_STREQ(name, L"Layout 2");
    EXPECT_TRUE(MenuState(CMD_LAYOUT_FIRST + 1) & MF_CHECKED);
    Command(CMD_VIEW_STATUS_LINE);
    Command(CMD_LAYOUT_FIRST);  // left with the status line shown
    EXPECT_TRUE(frame_->IsPaneShown(CMD_VIEW_STATUS_LINE));
    EXPECT_TRUE(MenuState(CMD_LAYOUT_FIRST) & MF_CHECKED);
    Close();

    Start();
    ASSERT_EQ(GetMenuStringW(GetMenu(frame_->Window()), CMD_LAYOUT_FIRST + 1, name, 64, MF_BYCOMMAND), 8);
    Command(CMD_LAYOUT_FIRST + 1);
    EXPECT_FALSE(frame_->IsPaneShown(CMD_VIEW_STATUS_LINE));
}

TEST_F(FrameWindowTest, RecentGraphsStandAboveExitGrayedUntilGraphsCanOpen) {
    FrameWindow& frame = Start();
    app_->Recent().AddRecentFile(String(L"C:\\Graphs\\Mars.gph"));
    app_->Recent().AddRecentFile(String(L"C:\\Graphs\\Venus.gph"));
    HMENU file = GetSubMenu(GetMenu(frame.Window()), 0);
    const int count = GetMenuItemCount(file);
    const UINT expected[] = {CMD_SAVE_GRAPH_AS, 0, CMD_RECENT_FILE_FIRST, CMD_RECENT_FILE_FIRST + 1, 0, CMD_EXIT};
    ASSERT_EQ(count, 9);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(GetMenuItemID(file, i + 3), expected[i]) << i;
    wchar_t text[100] = {};
    GetMenuStringW(file, CMD_RECENT_FILE_FIRST, text, 100, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&1 C:\\Graphs\\Venus.gph");
    EXPECT_TRUE(MenuState(CMD_RECENT_FILE_FIRST) & MF_GRAYED);
}

// A kind whose windows were all closed keeps neither windows nor the moment
// of its document: a later new window of it starts from the current time and
// place. A first run without windows leaves no such key for any kind.
TEST_F(FrameWindowTest, WindowsAndModelsAreKeptOnlyForKindsWithOpenWindows) {
    ASSERT_TRUE(test::SharedCatalogues());
    const auto stored = [](int kind, const wchar_t* below) {
        std::wstring path = std::wstring(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Main Windows\\") +
                            WindowKindFolder(kind) + L"\\" + below;
        Win32StorageService storage;
        return storage.CreateRegistryNode(RegistryHive::CurrentUser, path.c_str())->Exists();
    };
    StartAsProgram();
    Close();
    for (int kind = 0; kind < kWindowKindCount; ++kind) {
        EXPECT_TRUE(stored(kind, L"Control panel")) << kind;
        EXPECT_FALSE(stored(kind, L"Windows")) << kind;
        EXPECT_FALSE(stored(kind, L"Model")) << kind;
        EXPECT_FALSE(stored(kind, L"Models")) << kind;
    }
    StartAsProgram();
    Command(CMD_NEW_SKY);
    ASSERT_NE(frame_->Children().ActiveWindowOf(kSkyWindow), nullptr);
    Close();
    EXPECT_TRUE(stored(kSkyWindow, L"Windows"));
    EXPECT_TRUE(stored(kSkyWindow, L"Model"));
    StartAsProgram();
    ASSERT_NE(frame_->Children().ActiveWindowOf(kSkyWindow), nullptr);
    Command(CMD_CLOSE_ALL);
    Close();
    EXPECT_FALSE(stored(kSkyWindow, L"Windows"));
    EXPECT_FALSE(stored(kSkyWindow, L"Model"));
}

// A window record of a shared-document kind that cannot be read whole (a
// value out of its range, or of another type) ends the loading of that
// kind's windows: neither it nor the windows after it reopen. A record the
// program wrote itself always reads back.
TEST_F(FrameWindowTest, AnUnreadableWindowRecordEndsTheLoadingOfItsKind) {
    ASSERT_TRUE(test::SharedCatalogues());
    struct Case {
        int command, kind, spoiled;
        const wchar_t* name;
        const wchar_t* text;  // written as a text, else `number` as a DWORD
        std::int32_t number;
        int reopened;
    };
    const Case cases[] = {
        {CMD_NEW_SKY, kSkyWindow, 0, L"Width of field of view", nullptr, -5, 0},
        {CMD_NEW_SOLAR_SYSTEM, kSolarSystemWindow, 1, L"Zoom", nullptr, -2, 1},
        {CMD_NEW_SATURN, kSaturnExplorerWindow, 0, L"Show satellite 3", L"1", 0, 0},
        {CMD_NEW_JUPITER, kJupiterExplorerWindow, 0, L"Tilt", L"0", 0, 0},
        // What the Sky Options dialog's "None" for deep-sky names keeps.
        {CMD_NEW_SKY, kSkyWindow, 0, L"NGC name system", nullptr, kNoDeepSkyNames, 2},
    };
    const auto windows = [this](int kind) {
        std::vector<RegisteredWindow*> open;
        for (int i = 0; i < frame_->Registry().DocumentCount(kind); ++i) {
            const auto& views = frame_->Registry().WindowsOf(*frame_->Registry().DocumentAt(kind, i));
            open.insert(open.end(), views.begin(), views.end());
        }
        return open;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", " << test::Utf8(c.name));
        RemoveSettings();
        StartAsProgram();
        Command(c.command);
        Command(c.command);
        ASSERT_EQ(windows(c.kind).size(), 2u);
        Close();
        const std::wstring key = std::wstring(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Main Windows\\") +
                                 WindowKindFolder(c.kind) + L"\\Windows\\Window " + std::to_wstring(c.spoiled);
        if (c.text) {
            Win32StorageService storage;
            auto record = storage.CreateRegistryNode(RegistryHive::CurrentUser, key.c_str());
            ASSERT_TRUE(record->Open() && record->WriteText(c.name, c.text));
        } else {
            ASSERT_TRUE(StoreInt(key.c_str(), c.name, c.number));
        }
        StartAsProgram();
        const std::vector<RegisteredWindow*> reopened = windows(c.kind);
        EXPECT_EQ(static_cast<int>(reopened.size()), c.reopened);
        if (c.reopened == 2 && c.kind == kSkyWindow) {
            auto* sky = dynamic_cast<SkyWindow*>(reopened[0]);
            ASSERT_NE(sky, nullptr);
            EXPECT_EQ(sky->GetOptions().deepSkyNameSystem, kNoDeepSkyNames);
        }
        Command(CMD_CLOSE_ALL);
        Close();
    }
}

// A document of a per-document kind whose stored windows are missing or
// cannot be read stays in its kind's list without windows: the next exit
// writes its model again as it was read (not a new document's), and the
// kind's Show opens a window for it.
TEST_F(FrameWindowTest, ADocumentWhoseWindowsCannotBeReadIsKeptWithoutWindows) {
    ASSERT_TRUE(test::SharedCatalogues());
    // The eclipse maps' country borders lie beside the program, and so do
    // the shipped graphs and pictures.
    const PathName program = GetProgramDirectory(GetModuleHandleW(nullptr));
    const std::wstring calendar =
        std::wstring(program.GetPathDirectoryWithSeparator()) + L"GRAPHS\\Astronomical Calendar 2027.gph";
    // What document 0's model holds, none of it a new document's: a graph's
    // file, another picture, a planet's ephemerides, an eclipse's date.
    struct Value {
        const wchar_t* key;  // below the model's key
        const wchar_t* name;
        std::wstring text;   // empty: `number`
        std::int32_t number;
    };
    const std::vector<Value> graph{{L"", L"Full path", calendar, 0}};
    const std::vector<Value> picture{{L"", L"File name", L"m051.jpg", 0}};
    const std::vector<Value> report{{L"", L"Type", L"", kPlanetEphemerides}, {L"", L"Body number", L"", 3}};
    const std::vector<Value> eclipse{{L"Date and Time", L"Year", L"", 2027},
                                     {L"Date and Time", L"Month", L"", 8},
                                     {L"Date and Time", L"Day", L"", 2}};
    struct Case {
        int command, kind;
        bool missing;  // else its placement's "Left" is a text
        const std::vector<Value>* model;
    };
    const Case cases[] = {
        {CMD_NEW_GRAPH, kGraphWindow, true, &graph},           {CMD_NEW_GRAPH, kGraphWindow, false, &graph},
        {CMD_NEW_PICTURE, kPictureWindow, true, &picture},     {CMD_NEW_PICTURE, kPictureWindow, false, &picture},
        {CMD_NEW_REPORT, kReportWindow, true, &report},        {CMD_NEW_REPORT, kReportWindow, false, &report},
        {CMD_NEW_ECLIPSE, kSolarEclipseWindow, true, &eclipse}, {CMD_NEW_ECLIPSE, kSolarEclipseWindow, false, &eclipse},
    };
    const auto windowsOf = [this](int kind, int document) {
        const WindowDocument* open = frame_->Registry().DocumentAt(kind, document);
        return open ? frame_->Registry().WindowsOf(*open).size() : 0u;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << (c.missing ? ", missing" : ", unreadable"));
        const std::wstring models = std::wstring(L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Main Windows\\") +
                                    WindowKindFolder(c.kind) + L"\\Models\\";
        Win32StorageService storage;
        const auto key = [&](const std::wstring& below) {
            return storage.CreateRegistryNode(RegistryHive::CurrentUser, (models + below).c_str());
        };
        const auto stored = [&](const std::wstring& below) { return key(below)->Exists(); };
        const auto modelKey = [&](const Value& value) {
            return key(std::wstring(L"Model 0") + (*value.key ? L"\\" : L"") + value.key);
        };
        RemoveSettings();
        StartAsProgram(program);
        Command(c.command);
        Command(c.command);
        ASSERT_EQ(frame_->Registry().DocumentCount(c.kind), 2);
        Close();
        const std::wstring spoiled = L"Model 0\\Windows\\Window 0";
        ASSERT_TRUE(stored(spoiled + L"\\Geometry"));
        if (c.missing) {
            ASSERT_TRUE(key(spoiled)->DeleteTree());
        } else {
            auto geometry = key(spoiled + L"\\Geometry");
            ASSERT_TRUE(geometry->Open() && geometry->WriteText(L"Left", L"x"));
        }
        for (const Value& value : *c.model) {
            auto node = modelKey(value);
            ASSERT_TRUE(node->Open() && (value.text.empty() ? node->WriteInt(value.name, value.number)
                                                            : node->WriteText(value.name, value.text.c_str())));
        }

        StartAsProgram(program);
        ASSERT_EQ(frame_->Registry().DocumentCount(c.kind), 2);
        EXPECT_EQ(windowsOf(c.kind, 0), 0u);
        EXPECT_EQ(windowsOf(c.kind, 1), 1u);
        Close();
        EXPECT_FALSE(stored(L"Model 0\\Windows"));
        EXPECT_TRUE(stored(L"Model 1\\Windows\\Window 0"));
        for (const Value& value : *c.model) {
            auto node = modelKey(value);
            ASSERT_TRUE(node->Open()) << test::Utf8(value.name);
            if (value.text.empty()) {
                std::int32_t number = -1;
                EXPECT_TRUE(node->ReadInt(value.name, number));
                EXPECT_EQ(number, value.number) << test::Utf8(value.name);
            } else {
                String text;
                EXPECT_TRUE(node->ReadString(value.name, text));
                EXPECT_EQ(test::Utf8(text), test::Utf8(value.text.c_str())) << test::Utf8(value.name);
            }
        }

        StartAsProgram(program);
        ASSERT_EQ(frame_->Registry().DocumentCount(c.kind), 2);
        if (c.kind == kPictureWindow || c.kind == kSolarEclipseWindow) {
            bool created = false;
            ASSERT_NE(frame_->Children().ShowWindow(c.kind, &created), nullptr);
            EXPECT_TRUE(created);
            EXPECT_EQ(windowsOf(c.kind, 0), 1u);
        }
        Command(CMD_CLOSE_ALL);
        Close();
    }
}

TEST_F(FrameWindowTest, NavigationCommandsFollowTheHistoryAndNameTheirStep) {
    FrameWindow& frame = Start();
    int sky = 0, graph = 0;
    frame.Navigation().RecordStep(&sky, String(L"Sky"), &graph, String(L"Graph"));
    frame.UpdateCommandStates();
    EXPECT_FALSE(MenuState(CMD_NAVIGATE_BACKWARD) & MF_GRAYED);
    EXPECT_TRUE(MenuState(CMD_NAVIGATE_FORWARD) & MF_GRAYED);
    EXPECT_EQ(std::wstring(frame.TooltipText(CMD_NAVIGATE_BACKWARD).Text()),
              L"Navigate Backward (Alt+Left) 'Sky window'");
    Command(CMD_NAVIGATE_BACKWARD);  // the windows are not open: nothing to activate
    EXPECT_TRUE(MenuState(CMD_NAVIGATE_BACKWARD) & MF_GRAYED);
    EXPECT_EQ(std::wstring(frame.TooltipText(CMD_NAVIGATE_FORWARD).Text()),
              L"Navigate Forward (Alt+Right) 'Graph window'");
}

TEST_F(FrameWindowTest, OffScreenPlacementIsBroughtOntoTheScreen) {
    Start();
    Close();
    const String key = FrameKey();
    WriteIntSettingAtPath(key.Text(), L"Left", 5000);
    WriteIntSettingAtPath(key.Text(), L"Top", -4000);
    WriteIntSettingAtPath(key.Text(), L"Right", 5600);
    WriteIntSettingAtPath(key.Text(), L"Bottom", -3600);
    FrameWindow& frame = Start();
    RECT r{};
    GetWindowRect(frame.Window(), &r);
    EXPECT_EQ(r.right - r.left, 600);
    EXPECT_LE(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(r.top, 0);
}

TEST_F(FrameWindowTest, CloseDuringStartupWaitsUntilStartupHasFinished) {
    FrameWindow& frame = Start(false);
    SendMessageW(frame.Window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(IsWindow(frame.Window()));
    SendMessageW(frame.Window(), kStartupMessage, 0, 0);
    EXPECT_TRUE(frame.StartupFinished());
    DrainQuit();
    EXPECT_EQ(frame.Window(), nullptr);
}

// Asks the frame to close from inside the first modal loop (a dialog's, a
// message box's or a menu's) that a test opens, as the run script's end
// does: WM_CLOSE is posted to the frame and that loop hands it on. The loop
// is then ended as its user would end it (Cancel, or the menu closed), and
// it ends as it does for the user: without handing on any further message.
class CloseInsideModalLoop {
public:
    // Runs `open` and answers whether the frame and what `standing`
    // looks at were still there after the loop had handed the close on.
    static bool Run(HWND frame, const std::function<bool()>& standing, const std::function<void()>& open) {
        CloseInsideModalLoop closer;
        closer.frame_ = frame;
        closer.standing_ = standing;
        current_ = &closer;
        closer.helper_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        SetWindowLongPtrW(closer.helper_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HelperProc));
        const HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, &OnCallReturn, nullptr, GetCurrentThreadId());
        open();
        UnhookWindowsHookEx(hook);
        DestroyWindow(closer.helper_);
        current_ = nullptr;
        EXPECT_TRUE(closer.ended_) << "the loop never ran";
        return closer.stood_;
    }

private:
    static constexpr UINT kPostClose = WM_APP + 41;
    static constexpr UINT kEndLoop = WM_APP + 42;

    static LRESULT CALLBACK OnCallReturn(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        CloseInsideModalLoop* self = current_;
        if (code == HC_ACTION && self && !self->started_ &&
            (call->message == WM_INITDIALOG || call->message == WM_INITMENUPOPUP)) {
            self->started_ = true;
            if (call->message == WM_INITDIALOG) self->dialog_ = call->hwnd;
            PostMessageW(self->helper_, kPostClose, 0, 0);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK HelperProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        CloseInsideModalLoop* self = current_;
        if (self && message == kPostClose) {
            PostMessageW(self->frame_, WM_CLOSE, 0, 0);
            PostMessageW(window, kEndLoop, 0, 0);
            return 0;
        }
        if (self && message == kEndLoop) {
            self->stood_ = IsWindow(self->frame_) && self->standing_();
            self->ended_ = true;
            if (self->dialog_) {
                EndDialog(GetAncestor(self->dialog_, GA_ROOT), IDCANCEL);
            } else {
                EndMenu();
            }
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static inline CloseInsideModalLoop* current_ = nullptr;
    HWND frame_ = nullptr;
    HWND helper_ = nullptr;
    HWND dialog_ = nullptr;  // none for a menu
    std::function<bool()> standing_;
    bool started_ = false;
    bool ended_ = false;
    bool stood_ = false;
};

// A close that reaches the frame while one of the program's modal dialogs,
// message boxes or menus runs (the run script's end posts one) waits for
// its end: the window whose code opened it is still there when that code
// goes on. Then the program closes as File > Exit closes it, session and
// all.
TEST_F(FrameWindowTest, CloseDuringAModalLoopWaitsForItsEnd) {
    ASSERT_TRUE(test::SharedCatalogues());
    const auto sky = [this]() -> HWND {
        auto* window = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindowOf(kSkyWindow));
        return window ? window->Display()->Window() : nullptr;
    };
    const struct {
        const char* name;
        std::function<void()> open;
    } cases[] = {
        {"a Sky window's Options", [&] { SendMessageW(sky(), WM_COMMAND, CMD_SKY_OPTIONS, 0); }},
        {"Date and Time", [this] { Command(CMD_DATE_TIME); }},
        // A tool window is a popup of its own: its box disables it, not the frame.
        {"a tool window's message box", [this] {
             const ToolWindow* finder = frame_->Tools().Find(CMD_EVENT_FINDER);
             RunMessageBox(GetModuleHandleW(nullptr), finder ? finder->Window() : nullptr, L"Tool", kButtonsOk,
                           kMessageInformation, MessageTopic::ErrorInitializing);
         }},
        {"a Sky window's context menu", [&] {
             HMENU menu = CreatePopupMenu();
             AppendMenuW(menu, MF_STRING, CMD_SKY_OPTIONS, L"Options");
             TrackPopupMenu(menu, TPM_RETURNCMD, 0, 0, 0, sky(), nullptr);
             DestroyMenu(menu);
         }},
    };
    for (const auto& c : cases) {
        RemoveSettings();
        StartAsProgram();
        Command(CMD_NEW_SKY);
        ASSERT_NE(sky(), nullptr);
        const HWND frame = frame_->Window();
        EXPECT_TRUE(CloseInsideModalLoop::Run(frame, [&] { return sky() != nullptr; }, c.open)) << c.name;
        // The code that ran the loop has returned to its window.
        EXPECT_TRUE(IsWindow(frame) && sky() != nullptr) << c.name;
        EXPECT_FALSE(StoredKey()) << c.name;
        EXPECT_TRUE(RunMessagesUntil([&] { return frame_->Window() == nullptr; })) << c.name;
        EXPECT_TRUE(StoredKey()) << c.name << ": the session is written";
    }
}

// A disabled window the frame owns that no loop of the program disabled
// keeps no close: on Windows the thread's default IME window (disabled,
// hidden) is owned by the frame, and another component's popup may be
// disabled for as long as it likes. File > Exit closes the program.
TEST_F(FrameWindowTest, ADisabledWindowOfAnotherClassKeepsNoClose) {
    const struct {
        const char* name;
        const wchar_t* windowClass;
    } cases[] = {
        {"the system's IME window", L"IME"},
        {"another component's dialog", L"#32770"},
        {"a plain popup", L"STATIC"},
    };
    for (const auto& c : cases) {
        RemoveSettings();
        StartAsProgram();
        const HWND frame = frame_->Window();
        const HWND foreign = CreateWindowExW(0, c.windowClass, L"", WS_POPUP | WS_DISABLED, 0, 0, 10, 10, frame,
                                             nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(foreign, nullptr) << c.name;
        ASSERT_EQ(GetAncestor(foreign, GA_ROOTOWNER), frame) << c.name;
        Command(CMD_EXIT);
        EXPECT_TRUE(RunMessagesUntil([&] { return frame_->Window() == nullptr; }, 5000)) << c.name;
        EXPECT_TRUE(StoredKey()) << c.name << ": the session is written";
        if (IsWindow(foreign)) DestroyWindow(foreign);
    }
}

TEST_F(FrameWindowTest, StatusLineShowsTitlePlaceAndTime) {
    FrameWindow& frame = Start();
    wchar_t text[200] = {};
    SendMessageW(frame.StatusWindow(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Corvinata 1.70");
    SendMessageW(frame.StatusWindow(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"London, United Kingdom (UT+0)");
    SendMessageW(frame.StatusWindow(), SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_NE(std::wstring(text).find(L"(DST o"), std::wstring::npos) << text;
}

TEST_F(FrameWindowTest, OptionsCommandsOpenTheirDialogsAndCancelChangesNothing) {
    FrameWindow& frame = Start();
    CustomControlsSession controls(GetModuleHandleW(nullptr), app_->Controls());
    const struct {
        int command;
        int control;  // one that only its dialog has
    } cases[] = {{CMD_DATE_TIME, kIdRealTimeClock}, {CMD_LOCATION, kIdTownList}, {CMD_APPEARANCE, kIdNightVision}};
    for (const auto& c : cases) {
        EXPECT_EQ(MenuState(c.command) & MF_GRAYED, 0u) << c.command;
        EXPECT_NE(SendMessageW(frame.Toolbar().Window(), TB_ISBUTTONENABLED, c.command, 0), 0) << c.command;
        const GeneralOptions general = app_->Options().general;
        const DateTimeOptions time = app_->Options().time;
        const String town = app_->Current().GetTimeAndLocation().location.town;
        HWND opened = nullptr;
        test::ModalDriver::Run([&](test::ModalDriver& d, HWND dialog) {
            if (GetDlgItem(dialog, c.control) && GetWindow(dialog, GW_OWNER) == frame.Window()) opened = dialog;
            d.Click(IDCANCEL);
        }, [&] { Command(c.command); return 0; });
        EXPECT_NE(opened, nullptr) << c.command;
        EXPECT_EQ(app_->Options().general.angleDegreeBase, general.angleDegreeBase) << c.command;
        EXPECT_EQ(app_->Options().time.userDefined, time.userDefined) << c.command;
        EXPECT_EQ(app_->Current().GetTimeAndLocation().location.town, town) << c.command;
    }
}

TEST_F(FrameWindowTest, LocationOpensAtTheCurrentPlaceAndTheChoiceReachesTheStatusLine) {
    FrameWindow& frame = Start();
    CustomControlsSession controls(GetModuleHandleW(nullptr), app_->Controls());
    const String before = app_->Current().GetTimeAndLocation().location.country;
    test::ModalDriver::Run([](test::ModalDriver& d, HWND dialog) {
        wchar_t shown[100] = {};
        GetDlgItemTextW(dialog, kIdPlaceName, shown, 100);
        EXPECT_STREQ(shown, L"London, United Kingdom");
        d.Focus(kIdCountryList);
        d.Key(VK_HOME);
        d.Key(VK_RETURN);
    }, [&] { Command(CMD_LOCATION); return 0; });
    const String after = app_->Current().GetTimeAndLocation().location.country;
    EXPECT_NE(after, before);
    EXPECT_EQ(app_->Options().location.location.country, after);
    wchar_t place[200] = {};
    SendMessageW(frame.StatusWindow(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(place));
    EXPECT_NE(std::wstring(place).find(after.Text()), std::wstring::npos) << place;
}

// Restart after restart, with the dialog cancelled in between, no place has
// been chosen in it: it keeps opening at the current place.
TEST_F(FrameWindowTest, LocationWithoutAChoiceOpensAtTheCurrentPlaceAfterRestarts) {
    for (int run = 0; run < 4; ++run) {
        FrameWindow& frame = Start();
        CustomControlsSession controls(GetModuleHandleW(nullptr), app_->Controls());
        if (run >= 2) test::ModalDriver::Run([run](test::ModalDriver& d, HWND dialog) {
            wchar_t shown[100] = {};
            GetDlgItemTextW(dialog, kIdPlaceName, shown, 100);
            EXPECT_STREQ(shown, L"London, United Kingdom") << run;
            d.Key(VK_ESCAPE);
        }, [&] { Command(CMD_LOCATION); return 0; });
        SendMessageW(frame.Window(), WM_CLOSE, 0, 0);
    }
}

// Without the help file every road to help (the menu, F1, a message box's
// Help button: all through the one opener) says so in a message box, and so
// does the Welcome dialog's tour without its script.
// A program folder without its "Scripts" (the tests have the lessons beside
// them).
PathName FolderWithoutLessons() {
    PathName folder;
    folder.SetPathWithSeparator(L"C:\\corvinata-nowhere\\");
    return folder;
}

TEST_F(FrameWindowTest, HelpAndTheTourSayWhenTheirFileIsMissing) {
    FrameWindow& frame = Start();
    const struct {
        const char* name;
        std::function<void()> ask;
        const wchar_t* said;
    } cases[] = {
        {"contents", [&] { Command(CMD_HELP_CONTENTS); }, L"help file"},
        {"search", [&] { Command(CMD_HELP_SEARCH); }, L"help file"},
        {"F1", [&] {
             HELPINFO info{};
             info.cbSize = sizeof info;
             info.iContextType = HELPINFO_WINDOW;
             SendMessageW(frame.Window(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
         }, L"help file"},
        {"tour", [&] { StartQuickTour(GetModuleHandleW(nullptr), frame.Window(), FolderWithoutLessons()); },
         L"Quick Tour.sts"},
    };
    for (const auto& c : cases) {
        std::wstring said;
        test::ModalDriver::Run([&](test::ModalDriver& d, HWND box) {
            wchar_t text[400] = {};
            GetDlgItemTextW(box, IDC_MESSAGE_TEXT, text, 400);
            said = text;
            d.Key(VK_RETURN);
        }, [&] { c.ask(); return 0; });
        EXPECT_NE(said.find(c.said), std::wstring::npos) << c.name << ": " << std::string(said.begin(), said.end());
    }
}

// With the help file in place but no HTML help control to show it, help
// says so too instead of doing nothing. The file is put in the temporary
// folder: test programs running at the same time share the program's.
TEST_F(FrameWindowTest, HelpSaysWhenItsControlCannotBeLoaded) {
    Start();
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    PathName folder;
    ASSERT_TRUE(folder.SetPathWithSeparator(temp));
    SetHelpFileDirectory(folder);
    const String file = HelpFilePath(folder, GetProductInfo().GetProductName());
    const HANDLE created = CreateFileW(file.Text(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);
    SetHelpViewerLibrary(L"cn_no_help_control.ocx");
    std::wstring said;
    test::ModalDriver::Run([&](test::ModalDriver& d, HWND box) {
        wchar_t text[400] = {};
        GetDlgItemTextW(box, IDC_MESSAGE_TEXT, text, 400);
        said = text;
        d.Key(VK_RETURN);
    }, [&] { Command(CMD_HELP_CONTENTS); return 0; });
    SetHelpViewerLibrary(L"hhctrl.ocx");
    SetHelpFileDirectory(std::nullopt);
    DeleteFileW(file.Text());
    EXPECT_NE(said.find(L"could not open the help file"), std::wstring::npos) << std::string(said.begin(), said.end());
    EXPECT_NE(said.find(L"hhctrl.ocx"), std::wstring::npos) << std::string(said.begin(), said.end());
}

TEST(ProgramPicturesTest, ButtonFaceGreyFollowsTheSystemColour) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    const struct {
        const wchar_t* name;
        POINT at;
        bool face;
    } cases[] = {
        {L"SMART_ICON_WND_SKY_DAY_ENABLED", {0, 0}, true},
        {L"SMART_ICON_WND_SKY_DAY_ENABLED", {8, 3}, false},
        {L"SMART_ICON_WND_SKY_DAY_DISABLED", {8, 8}, true},
        {L"Bmp_ArrowUp", {0, 0}, true},
    };
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    for (const auto& c : cases) {
        auto bitmap = static_cast<HBITMAP>(LoadImageW(module, c.name, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
        ASSERT_NE(bitmap, nullptr) << c.name;
        HGDIOBJ old = SelectObject(memory, bitmap);
        const COLORREF pixel = GetPixel(memory, c.at.x, c.at.y);
        EXPECT_EQ(pixel == GetSysColor(COLOR_3DFACE), c.face) << c.name << " " << std::hex << pixel;
        SelectObject(memory, old);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_NE(LoadIconW(module, MAKEINTRESOURCEW(ICO_PROGRAM)), nullptr);
    EXPECT_NE(LoadCursorW(module, MAKEINTRESOURCEW(CUR_DRAG_ANY)), nullptr);
}

TEST(ProgramPicturesTest, MenuPicturesNeedCheckMarksOfFifteenPixels) {
    EXPECT_FALSE(MenuPicturesFit(13, 13));  // Wine at 96 dpi
    EXPECT_FALSE(MenuPicturesFit(15, 14));
    EXPECT_TRUE(MenuPicturesFit(15, 15));
}

// The dialog this thread shows now (hidden tool windows are dialogs too).
BOOL CALLBACK TakeShownDialog(HWND window, LPARAM result) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

HWND ShownDialogOfThisThread() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), TakeShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Answers the message box that opens on this thread: records its button
// texts and presses Escape.
struct BoxWatch {
    static inline std::wstring buttons;
    static void CALLBACK Answer(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = ShownDialogOfThisThread();
        if (!box) return;
        KillTimer(nullptr, timer);
        buttons.clear();
        for (int id = IDC_BUTTON_1; id <= IDC_BUTTON_4; ++id) {
            HWND button = GetDlgItem(box, id);
            if (!IsWindowVisible(button)) continue;
            wchar_t text[32] = {};
            GetWindowTextW(button, text, 32);
            buttons += std::wstring(text) + L"|";
        }
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    }
};

TEST(MessageBoxTest, EscapeAnswersOkOrCancelNeverYesOrNo) {
    Win32StorageService storage;
    test::FakeProductInfo product(storage);
    ScopedApplicationServices services(&product, nullptr);
    const struct {
        int buttons;
        int answer;
        const wchar_t* texts;
    } cases[] = {
        {kButtonsOk, kAnswerOk, L"OK|Help|"},
        {kButtonsYesNo, kAnswerCancel, L"&Yes|&No|Help|"},
        {kButtonsYesNoCancel, kAnswerCancel, L"&Yes|&No|Cancel|Help|"},
    };
    for (const auto& c : cases) {
        SetTimer(nullptr, 0, 50, BoxWatch::Answer);
        EXPECT_EQ(RunMessageBox(GetModuleHandleW(nullptr), nullptr, L"Question?", c.buttons, kMessageWarning,
                                MessageTopic::SaveGraphChanges),
                  c.answer);
        EXPECT_EQ(BoxWatch::buttons, c.texts);
    }
}

void CALLBACK EndBoxUnanswered(HWND box, UINT, UINT_PTR, DWORD) { EndDialog(box, -1); }

// Enter, on the main keyboard or the keypad, presses the focused button:
// the first (default) one as the box opens, another once it has the focus.
TEST(MessageBoxTest, EnterPressesTheDefaultOrFocusedButton) {
    Win32StorageService storage;
    test::FakeProductInfo product(storage);
    ScopedApplicationServices services(&product, nullptr);
    const struct {
        int buttons;
        bool keypad;
        int tabs;  // Tab presses before Enter
        int answer;
    } cases[] = {
        {kButtonsOk, false, 0, kAnswerOk},           {kButtonsYesNo, false, 0, kAnswerYes},
        {kButtonsYesNo, true, 0, kAnswerYes},        {kButtonsYesNoCancel, false, 1, kAnswerNo},
        {kButtonsOkCancel, true, 1, kAnswerCancel},
    };
    for (const auto& c : cases) {
        const int answer = test::ModalDriver::Run([&c](test::ModalDriver& d, HWND box) {
            for (int i = 0; i < c.tabs; ++i) d.Key(VK_TAB);
            HWND focus = GetFocus();
            const LPARAM extended = c.keypad ? (1 << 24) : 0;
            PostMessageW(focus, WM_KEYDOWN, VK_RETURN, 1 | extended);
            PostMessageW(focus, WM_KEYUP, VK_RETURN, 1 | extended | (3u << 30));
            d.Pump();
            // A box that ignored the key ends a little later, answering no
            // button (an ended box takes its timer with it).
            SetTimer(box, 1, 1000, EndBoxUnanswered);
        }, [&c] {
            return RunMessageBox(GetModuleHandleW(nullptr), nullptr, L"Question?", c.buttons, kMessageWarning,
                                 MessageTopic::SaveGraphChanges);
        });
        EXPECT_EQ(answer, c.answer) << c.buttons << " " << c.tabs;
    }
}

// Reads the About dialog that opens on this thread, then closes it.
struct AboutWatch {
    static inline std::wstring caption, version, status, text, credits;
    static void CALLBACK Read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = ShownDialogOfThisThread();
        if (!box) return;
        KillTimer(nullptr, timer);
        wchar_t buffer[200] = {};
        GetWindowTextW(box, buffer, 200);
        caption = buffer;
        GetDlgItemTextW(box, IDC_VERSION, buffer, 200);
        version = buffer;
        GetDlgItemTextW(box, IDC_STATUS, buffer, 200);
        status = buffer;
        GetDlgItemTextW(box, IDC_ABOUT_TEXT, buffer, 200);
        text = buffer;
        std::vector<wchar_t> all(8000);
        GetDlgItemTextW(box, IDC_CREDITS, all.data(), static_cast<int>(all.size()));
        credits = all.data();
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
};

TEST_F(FrameWindowTest, AboutNamesTheProductItsVersionAndRelease) {
    Start();
    CustomControlsSession controls(GetModuleHandleW(nullptr), app_->Controls());  // the About box has a link
    SetTimer(nullptr, 0, 50, AboutWatch::Read);
    Command(CMD_ABOUT);
    EXPECT_EQ(AboutWatch::caption, L"About Corvinata");
    EXPECT_EQ(AboutWatch::version, L"1.70");
    EXPECT_EQ(AboutWatch::status, L"Release");
    EXPECT_EQ(AboutWatch::text, L"Corvinata is a program for astronomical calculations and information.");
    // The data sources and the pictures' attribution block, as their licence asks.
    for (const wchar_t* credit :
         {L"Fred Espenak", L"VizieR", L"Natural Earth", L"GeoNames (geonames.org), licensed under CC BY 4.0",
          L"Astronomical League, Herschel 400 Observing Program", L"Solar System Scope",
          L"M42 Orion Nebula (heic0601a)", L"No endorsement by NASA, ESA"})
        EXPECT_NE(AboutWatch::credits.find(credit), std::wstring::npos) << credit;
}

// The About logo as the screen shows it, read once the box is open.
struct AboutLogo {
    static inline std::vector<std::uint32_t> pixels;
    static void CALLBACK Read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND box = ShownDialogOfThisThread();
        if (!box) return;
        KillTimer(nullptr, timer);
        UpdateWindow(box);
        int width = 0, height = 0;
        pixels = test::ShownOnScreen(GetDlgItem(box, IDC_LOGO), width, height);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
};

// With night vision on, Help > About draws its logo in dark red tones.
TEST_F(FrameWindowTest, AtNightTheAboutLogoIsInDarkRedTones) {
    test::PutPointerWhereItShowsNothing();
    Start();
    ShowWindow(frame_->Window(), SW_SHOWNORMAL);
    CustomControlsSession controls(GetModuleHandleW(nullptr), app_->Controls());
    frame_->NightVision().ApplyNightVision(true, 0.8, 1.0);
    AboutLogo::pixels.clear();
    SetTimer(nullptr, 0, 50, AboutLogo::Read);
    Command(CMD_ABOUT);
    frame_->NightVision().ApplyNightVision(false, kKeepLevel, kKeepLevel);
    ASSERT_FALSE(AboutLogo::pixels.empty());
    int outside = 0, lit = 0;
    for (const std::uint32_t p : AboutLogo::pixels) {
        const unsigned red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
        if (red > 127 || green > 31 || blue > 31) ++outside;
        if (red > 0) ++lit;
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(lit, static_cast<int>(AboutLogo::pixels.size() / 10)) << "the logo is there";
}

TEST(NightVisionTintTest, LogoTurnsToDarkRedShades) {
    const struct {
        COLORREF before;
        COLORREF after;
    } cases[] = {
        {RGB(255, 255, 255), RGB(127, 31, 31)},
        {RGB(0, 0, 0), RGB(0, 0, 0)},
        {RGB(0, 0, 255), RGB(0, 0, 31)},
    };
    CaptureSurface surface(3, 1);
    for (int i = 0; i < 3; ++i) SetPixel(surface.Dc(), i, 0, cases[i].before);
    TintForNightVision(surface.Dc(), RECT{0, 0, 3, 1});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(GetPixel(surface.Dc(), i, 0), cases[i].after) << i;
}

}  // namespace
}  // namespace corvinata
