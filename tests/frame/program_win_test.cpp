// The real program, started as a user or COM would start it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/help_topics.h"
#include "app/map_packs.h"
#include "app/night_desktop.h"
#include "app/night_vision.h"
#include "app/picture_packs.h"
#include "app/product_info.h"
#include "app/settings_records.h"
#include "app/settings_values.h"
#include "base/memory_storage.h"
#include "base/scoped_win.h"
#include "base/settings_tree.h"
#include "base/storage_service_win.h"
#include "controls/system_desktop.h"
#include "catalog/country_shapes.h"
#include "frame/single_instance.h"
#include "frame/typed_keys.h"
#include "generated/shipped_files.h"
#include "resources/event_tools_ids.h"
#include "resources/resource_ids.h"
#include "support/drawn_pixels_win.h"
#include "support/pointer_away_win.h"

namespace corvinata {
namespace {

// Waits until `ready` holds, a minute at most unless told (against a hang).
// Each answer is asked once: a test's `ready` may act (bring a window to
// the front) and its next answer need not be the same.
bool WaitUntil(const std::function<bool()>& ready, DWORD milliseconds = 60000) {
    for (DWORD waited = 0;; waited += 20) {
        if (ready()) return true;
        if (waited >= milliseconds) return false;
        Sleep(20);
    }
}

constexpr const wchar_t* kSettingsKey = L"Software\\Corvinata Software\\Corvinata\\1.70";
constexpr const wchar_t* kClassKey = L"CLSID\\{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}";

std::wstring ProgramPath() {
    const std::string narrow = CN_PROGRAM_PATH;
    std::wstring path(narrow.begin(), narrow.end());
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

class RunningProgram {
public:
    // On the named desktop of this window station, or on this thread's;
    // the program itself or another one beside it.
    explicit RunningProgram(const wchar_t* arguments, const wchar_t* desktop = nullptr,
                            const std::wstring& program = ProgramPath()) {
        std::wstring line = L"\"" + program + L"\" " + arguments;
        std::wstring desktopName = desktop ? desktop : L"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        if (desktop) startup.lpDesktop = &desktopName[0];
        started_ = CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                  &process_) != 0;
    }
    ~RunningProgram() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 99);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Started() const noexcept { return started_; }
    // The exit code, or -1 when the program has not ended within the time.
    int WaitForExit(DWORD milliseconds) const {
        if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return static_cast<int>(code);
    }
    // A top-level window of the program with this class or caption.
    HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD milliseconds) const {
        for (DWORD waited = 0; waited < milliseconds; waited += 100) {
            HWND window = FindWindowW(className, caption);
            DWORD owner = 0;
            if (window) GetWindowThreadProcessId(window, &owner);
            if (window && owner == process_.dwProcessId && IsWindowVisible(window)) return window;
            Sleep(100);
        }
        return nullptr;
    }
    // The program's shown frame on `desktop`, which FindWindow from another
    // desktop does not see.
    HWND WaitForFrameOn(HDESK desktop, DWORD milliseconds) const {
        FrameSearch search{process_.dwProcessId, nullptr};
        WaitUntil([&] {
            EnumDesktopWindows(desktop, MatchFrame, reinterpret_cast<LPARAM>(&search));
            return search.frame != nullptr;
        }, milliseconds);
        return search.frame;
    }

private:
    struct FrameSearch {
        DWORD process;
        HWND frame;
    };
    static BOOL CALLBACK MatchFrame(HWND window, LPARAM data) {
        auto& search = *reinterpret_cast<FrameSearch*>(data);
        wchar_t name[64] = {};
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        // IsWindowVisible answers no for another desktop's windows under Wine.
        if (owner == search.process && (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) &&
            GetClassNameW(window, name, 64) &&
            lstrcmpW(name, L"CorvinataMdiFrame") == 0) {
            search.frame = window;
        }
        return search.frame == nullptr;
    }

    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

bool ReadValue(HKEY root, const wchar_t* key, const wchar_t* name, void* data, DWORD size) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    ScopedRegistryKey owner(opened);
    return RegQueryValueExW(opened, name, nullptr, nullptr, static_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
}

bool ReadDword(const wchar_t* key, const wchar_t* name, DWORD& value) {
    return ReadValue(HKEY_CURRENT_USER, key, name, &value, sizeof value);
}

std::wstring ReadText(const wchar_t* key, const wchar_t* name) {
    wchar_t text[600] = {};
    if (!ReadValue(HKEY_CURRENT_USER, key, name, text, sizeof text - sizeof(wchar_t))) return L"<none>";
    return text;
}

std::wstring DefaultValue(const wchar_t* key) {
    wchar_t text[600] = {};
    if (!ReadValue(HKEY_CLASSES_ROOT, key, nullptr, text, sizeof text - sizeof(wchar_t))) return L"<none>";
    return text;
}

void RemoveSettings() {
    Win32StorageService storage;
    storage.CreateRegistryNode(RegistryHive::CurrentUser, (std::wstring(L"\\") + kSettingsKey).c_str())->DeleteTree();
}

TEST(ProgramTest, FirstRunShowsTheFrameAndClosesCleanlyWritingItsSettings) {
    RemoveSettings();
    RunningProgram program(L"");
    ASSERT_TRUE(program.Started());
    HWND frame = program.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(frame, nullptr);
    wchar_t title[64] = {};
    GetWindowTextW(frame, title, 64);
    EXPECT_STREQ(title, L"Corvinata");
    // Another process's menu cannot be read here; its bar shows between the
    // caption and the client area.
    RECT window{}, client{};
    GetWindowRect(frame, &window);
    GetClientRect(frame, &client);
    MapWindowPoints(frame, nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_GE(client.top - window.top, GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYMENU));
    for (const wchar_t* pane : {L"ToolbarWindow32", L"msctls_statusbar32"}) {
        HWND child = FindWindowExW(frame, nullptr, pane, nullptr);
        EXPECT_TRUE(child && IsWindowVisible(child)) << pane;
        RECT r{};
        GetWindowRect(child, &r);
        EXPECT_GT(r.bottom - r.top, 0) << pane;
    }
    // The first run asks its welcome question; a close meanwhile waits for it.
    HWND welcome = program.WaitForWindow(nullptr, L"Welcome to Corvinata", 20000);
    ASSERT_NE(welcome, nullptr);
    PostMessageW(frame, WM_CLOSE, 0, 0);
    Sleep(300);
    EXPECT_TRUE(IsWindow(frame));
    PostMessageW(welcome, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(program.WaitForExit(30000), 0);

    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    DWORD value = 99;
    ASSERT_TRUE(ReadDword(frameKey.c_str(), L"ShowHelpHint", value));
    EXPECT_EQ(value, 0u);
    ASSERT_TRUE(ReadDword(frameKey.c_str(), L"Toolbar visible", value));
    EXPECT_EQ(value, 1u);
    const std::wstring appearance = std::wstring(kSettingsKey) + L"\\Appearance Options";
    EXPECT_EQ(ReadText(appearance.c_str(), L"Language for constellation names"), L"Classic");
    // The first object of the first catalogue is Select Body's choice, and
    // Select Location's record is the first town of the table.
    const std::wstring dialogs = std::wstring(kSettingsKey) + L"\\Dialogs";
    const std::wstring body = dialogs + L"\\Select Body\\Selected Body";
    EXPECT_NE(ReadText(body.c_str(), L"Name"), L"");
    ASSERT_TRUE(ReadDword((body + L"\\Body\\Body type").c_str(), L"Type number", value));
    EXPECT_LT(value, 9u);
    const std::wstring location = dialogs + L"\\Select Location";
    EXPECT_EQ(ReadText(location.c_str(), L"Country"), L"Afghanistan");
    EXPECT_EQ(ReadText(location.c_str(), L"Town"), L"Kabul");
    RemoveSettings();
}

// The file's version resource says what About and the status line say.
TEST(ProgramTest, VersionResourceIsTheProgramsVersion) {
    MemoryStorageService memory;
    const std::wstring path = ProgramPath();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(70, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(70, 1));
    for (const wchar_t* name : {L"\\StringFileInfo\\040904B0\\FileVersion",
                                L"\\StringFileInfo\\040904B0\\ProductVersion"}) {
        wchar_t* text = nullptr;
        ASSERT_TRUE(VerQueryValueW(data.data(), name, reinterpret_cast<void**>(&text), &length)) << name;
        EXPECT_EQ(std::wstring(text), std::wstring(ProgramProductInfo(memory, PathName()).GetVersion())) << name;
    }
}

// Every file and folder the program opens from its own folder is one the
// build ships and lays out beside the program it builds, and the build
// ships nothing else there.
TEST(ProgramTest, EveryFileTheProgramOpensBesideItIsShippedThere) {
    MemoryStorageService memory;
    const ProgramProductInfo product(memory, PathName());
    // By the names the program opens them by.
    const String opened[] = {String(CountryShapes::kFileName), String(kShippedPicturePackFolder),
                             String(kShippedMapPackFolder),    HelpFileName(product.GetProductName()),
                             String(kGraphsFolder),            String(kLessonsFolder)};
    std::vector<std::string> shipped(std::begin(generated::kShippedBesideProgram),
                                     std::end(generated::kShippedBesideProgram));
    std::wstring folder = ProgramPath();
    folder.erase(folder.rfind(L'\\') + 1);
    for (const String& name : opened) {
        const std::string narrow(name.Text(), name.Text() + name.Length());
        const auto found = std::find(shipped.begin(), shipped.end(), narrow);
        EXPECT_TRUE(found != shipped.end()) << narrow << " is not shipped";
        if (found != shipped.end()) shipped.erase(found);
        EXPECT_NE(GetFileAttributesW((folder + name.Text()).c_str()), INVALID_FILE_ATTRIBUTES)
            << narrow << " is not beside the program";
    }
    for (const std::string& name : shipped) ADD_FAILURE() << name << " is shipped but never opened";
}

TEST(ProgramTest, RegistrationSwitchesWriteAndRemoveTheServerKeys) {
    {
        RunningProgram program(L"/RegServer");
        ASSERT_TRUE(program.Started());
        EXPECT_EQ(program.WaitForExit(30000), kServerDone);
    }
    const std::wstring localServer = std::wstring(kClassKey) + L"\\LocalServer32";
    EXPECT_EQ(DefaultValue(localServer.c_str()), L"\"" + ProgramPath() + L"\"");
    EXPECT_EQ(DefaultValue(L"CorvinataAstronomySuite.1\\CLSID"), L"{6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}");
    {
        RunningProgram program(L"-unregserver");
        EXPECT_EQ(program.WaitForExit(30000), kServerDone);
    }
    EXPECT_EQ(DefaultValue(kClassKey), L"<none>");
    EXPECT_EQ(DefaultValue(L"CorvinataAstronomySuite.1"), L"Corvinata Astronomy Suite");  // left in place
}

bool WriteDword(const wchar_t* key, const wchar_t* name, DWORD value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    ScopedRegistryKey owner(opened);
    return RegSetValueExW(opened, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value) ==
           ERROR_SUCCESS;
}

// A second start brings the running copy forward and ends, so that two
// copies never write the same settings; a copy COM starts still runs.
TEST(ProgramTest, SecondCopyActivatesTheRunningOneAndEnds) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));  // no Welcome dialog
    RunningProgram first(L"");
    ASSERT_TRUE(first.Started());
    HWND frame = first.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(frame, nullptr);
    ShowWindow(frame, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(frame));
    {
        RunningProgram second(L"");
        ASSERT_TRUE(second.Started());
        EXPECT_EQ(second.WaitForExit(30000), 0);
        EXPECT_FALSE(IsIconic(frame));  // the running copy was brought back
    }
    {
        // No client comes: it waits its time for one, then ends.
        RunningProgram automation(L"-Embedding");
        EXPECT_EQ(automation.WaitForExit(60000), 0);
    }
    EXPECT_TRUE(IsWindow(frame));
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.WaitForExit(30000), 0);
    // With the first copy gone a new start is the user's copy again.
    RunningProgram again(L"");
    HWND shown = again.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(shown, nullptr);
    PostMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_EQ(again.WaitForExit(30000), 0);
    RemoveSettings();
}

// The program that scripts/run asks, on Ctrl+C, to end the copy it started
// (beside the program); its exit code.
int RunTheRunScriptsEnd(const wchar_t* arguments = L"") {
    std::wstring ender = ProgramPath();
    ender.replace(ender.rfind(L'\\') + 1, std::wstring::npos, L"end_program.exe");
    RunningProgram run(arguments, nullptr, ender);
    return run.WaitForExit(30000);
}

// The run script's end: the copy ends as File > Exit ends it, its session
// written; with no copy running it says so.
TEST(ProgramTest, TheRunScriptsEndClosesTheCopyAsFileExitDoes) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));  // no Welcome dialog
    RunningProgram program(L"");
    ASSERT_TRUE(program.Started());
    ASSERT_NE(program.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000), nullptr);
    EXPECT_EQ(RunTheRunScriptsEnd(), 0);
    EXPECT_EQ(program.WaitForExit(30000), 0);
    DWORD toolbar = 99;
    EXPECT_TRUE(ReadDword(frameKey.c_str(), L"Toolbar visible", toolbar));
    EXPECT_EQ(toolbar, 1u);
    EXPECT_EQ(RunTheRunScriptsEnd(), 1);
    RemoveSettings();
}

// A copy that is writing its settings (its frame marked closing) is told
// apart from one that runs, so that scripts/run waits for it rather than
// ending it without saving; neither answer asks the frame anything.
TEST(ProgramTest, TheRunScriptsEndTellsAClosingCopyFromARunningOne) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));
    RunningProgram program(L"");
    HWND frame = program.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(frame, nullptr);
    constexpr struct {
        const wchar_t* arguments;
        bool closing;
        int code;
    } kCases[] = {
        {L"--state", false, 0},  // runs: only told
        {L"--state", true, 2},   // closing: told so
        {L"", true, 2},          // closing: not asked to close again
    };
    for (const auto& c : kCases) {
        if (c.closing) MarkFrameClosing(frame);
        EXPECT_EQ(RunTheRunScriptsEnd(c.arguments), c.code) << c.arguments << " closing " << c.closing;
        EXPECT_TRUE(IsWindow(frame)) << c.arguments << " closing " << c.closing;
    }
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(30000), 0);
    EXPECT_EQ(RunTheRunScriptsEnd(L"--state"), 1);
    RemoveSettings();
}

// A copy on another desktop of the session (as on Wine's virtual desktop,
// where scripts/run starts it) is brought forward by a start on this one,
// and that start ends.
TEST(ProgramTest, ASecondStartBringsForwardTheCopyOnAnotherDesktop) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));
    const wchar_t* name = L"Corvinata second desktop";
    HDESK desktop = CreateDesktopW(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    ASSERT_NE(desktop, nullptr);
    {
        RunningProgram first(L"", name);
        ASSERT_TRUE(first.Started());
        HWND frame = first.WaitForFrameOn(desktop, 60000);
        ASSERT_NE(frame, nullptr);
        ASSERT_EQ(FindWindowW(L"CorvinataMdiFrame", nullptr), nullptr) << "the frame is on this desktop";
        PostMessageW(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ASSERT_TRUE(WaitUntil([frame] { return IsIconic(frame) != 0; }, 30000));
        {
            RunningProgram second(L"");
            ASSERT_TRUE(second.Started());
            EXPECT_EQ(second.WaitForExit(60000), 0);
        }
        // Brought back and active on its own desktop.
        EXPECT_FALSE(IsIconic(frame));
        GUITHREADINFO input{};
        input.cbSize = sizeof input;
        ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &input));
        EXPECT_EQ(input.hwndActive, frame);
        PostMessageW(frame, WM_CLOSE, 0, 0);
        EXPECT_EQ(first.WaitForExit(30000), 0);
    }
    CloseDesktop(desktop);
    RemoveSettings();
}

void CloseByFileExit(const RunningProgram& program, HWND frame) {
    PostMessageW(frame, WM_COMMAND, 20104, 0);  // File > Exit
    EXPECT_EQ(program.WaitForExit(60000), 0);
}

// A start while the first copy is ending (its visible tool windows still
// being put away) waits for it and runs as the user's copy: the launch is
// not lost.
TEST(ProgramTest, AStartWhileTheFirstCopyEndsRunsAsTheUsersCopy) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));
    RunningProgram first(L"");
    HWND frame = first.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(frame, nullptr);
    for (int tool : {20191, 20192}) SendMessageW(frame, WM_COMMAND, tool, 0);  // Event Forecast, Event Finder
    PostMessageW(frame, WM_COMMAND, 20104, 0);
    // The first copy is ending: its settings are being written, its frame
    // still shown.
    for (int waited = 0; !FrameIsClosing(frame) && IsWindow(frame) && waited < 60000; waited += 20) Sleep(20);
    ASSERT_TRUE(FrameIsClosing(frame));
    RunningProgram second(L"");
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(first.WaitForExit(60000), 0);
    HWND shown = second.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(shown, nullptr) << "the second start ended without a frame";
    CloseByFileExit(second, shown);
    RemoveSettings();
}

// A key path for a failure's message (the names are ASCII).
std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

struct StoredStep {
    const wchar_t* folder;  // below "Main Windows"
    DWORD type, steps;
};

// What a first run closed by File > Exit stores, and what a second run
// started on it stores again: the panels' time steps (10 minutes for the
// Sky and the explorers, the Solar System's own), the eclipse panel's
// date (today), the tool windows' places in "Window state".
TEST(ProgramTest, TheFirstRunsSettingsAfterFileExitAndAfterARestart) {
    RemoveSettings();
    const std::wstring root = std::wstring(kSettingsKey) + L"\\";
    ASSERT_TRUE(WriteDword((root + L"Application frame window").c_str(), L"ShowHelpHint", 0));
    SYSTEMTIME today{};
    GetLocalTime(&today);
    const StoredStep steps[] = {
        {L"Sky", 1, 10}, {L"Jupiter explorer", 1, 10}, {L"Saturn explorer", 1, 10}, {L"Solar system", 1, 1}};
    for (const char* run : {"first run", "second run"}) {
        RunningProgram program(L"");
        HWND frame = program.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
        ASSERT_NE(frame, nullptr) << run;
        CloseByFileExit(program, frame);
        for (const StoredStep& step : steps) {
            const std::wstring key = root + L"Main Windows\\" + step.folder + L"\\Control panel\\Time Step";
            DWORD type = 99, count = 99;
            EXPECT_TRUE(ReadDword(key.c_str(), L"Type", type)) << run << " " << Narrow(key);
            EXPECT_TRUE(ReadDword(key.c_str(), L"Steps", count)) << run << " " << Narrow(key);
            EXPECT_EQ(type, step.type) << run << " " << Narrow(key);
            EXPECT_EQ(count, step.steps) << run << " " << Narrow(key);
        }
        const std::wstring eclipse = root + L"Main Windows\\Solar eclipse\\Control panel\\Date and Time";
        DWORD year = 0;
        EXPECT_TRUE(ReadDword(eclipse.c_str(), L"Year", year)) << run;
        EXPECT_EQ(year, today.wYear) << run;
        for (const wchar_t* tool : {L"Event Finder", L"Event Finder\\History"}) {
            const std::wstring state = root + tool + L"\\Window state";
            DWORD value = 0;
            for (const wchar_t* name : {L"Left", L"Top", L"Visible"}) {
                EXPECT_TRUE(ReadDword(state.c_str(), name, value)) << run << " " << Narrow(state) << " " << name;
            }
            EXPECT_FALSE(ReadDword((root + tool).c_str(), L"Left", value)) << run << " the old place";
        }
    }
    RemoveSettings();
}

TEST(ProgramTest, StartedByAutomationItShowsNothingAndEnds) {
    RemoveSettings();
    RunningProgram program(L"-Embedding");
    ASSERT_TRUE(program.Started());
    EXPECT_EQ(program.WaitForExit(60000), 0);
    EXPECT_EQ(program.WaitForWindow(L"CorvinataMdiFrame", nullptr, 0), nullptr);
    DWORD value = 0;
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    EXPECT_FALSE(ReadDword(frameKey.c_str(), L"ShowHelpHint", value));
}

// A list view of the program read from here: its texts and item places go
// through a buffer in the program's own memory.
class RemoteList {
public:
    explicit RemoteList(HWND list) : list_(list) {
        DWORD id = 0;
        GetWindowThreadProcessId(list, &id);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
        if (process_) memory_ = VirtualAllocEx(process_, nullptr, kSize, MEM_COMMIT, PAGE_READWRITE);
    }
    ~RemoteList() {
        if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    RemoteList(const RemoteList&) = delete;
    RemoteList& operator=(const RemoteList&) = delete;

    int Count() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }
    std::wstring Text(int row, int column = 0) const {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(memory_) + sizeof item);
        item.cchTextMax = 200;
        WriteProcessMemory(process_, memory_, &item, sizeof item, nullptr);
        SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory_));
        wchar_t text[200] = {};
        ReadProcessMemory(process_, item.pszText, text, sizeof text - sizeof(wchar_t), nullptr);
        return text;
    }
    // The row whose text (in the column) holds `part`, or -1.
    int Find(const std::wstring& part, int column = 0) const {
        for (int row = 0; row < Count(); ++row) {
            if (Text(row, column).find(part) != std::wstring::npos) return row;
        }
        return -1;
    }
    // The middle of the row's label on the screen.
    POINT Place(int row) const {
        SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
        RECT r{LVIR_LABEL, 0, 0, 0};
        WriteProcessMemory(process_, memory_, &r, sizeof r, nullptr);
        SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(memory_));
        ReadProcessMemory(process_, memory_, &r, sizeof r, nullptr);
        POINT p{r.left + 10, (r.top + r.bottom) / 2};
        ClientToScreen(list_, &p);
        return p;
    }

private:
    static constexpr SIZE_T kSize = 4096;
    HWND list_;
    HANDLE process_ = nullptr;
    void* memory_ = nullptr;
};

// Clicks at a point of `window` on the screen; false, clicking nothing,
// when another window covers the point.
bool ClickAt(HWND window, POINT screen, int clicks) {
    SetForegroundWindow(GetAncestor(window, GA_ROOT));
    HWND under = WindowFromPoint(screen);
    if (under != window && !IsChild(window, under)) {
        wchar_t name[64] = {};
        GetClassNameW(under, name, 64);
        ADD_FAILURE() << "covered by " << std::string(name, name + wcslen(name)) << " at " << screen.x << ","
                      << screen.y;
        return false;
    }
    SetCursorPos(screen.x, screen.y);
    test::TypedKeys::QueueClicks(clicks);
    return true;
}

std::wstring Caption(HWND window) {
    wchar_t text[300] = {};
    GetWindowTextW(window, text, 300);
    return text;
}

// The journey of a user who finds an eclipse and follows it: Event Forecast,
// a double-click on the eclipse, the Solar Eclipse window on it, its Related
// Tasks to the Sun in the sky at the eclipse, and from there the Sun's graph.
TEST(ProgramTest, FromAForecastEclipseToAGraphOfTheSun) {
    RemoveSettings();
    {
        // Two days before the eclipse of 12 August 2026, no Welcome dialog.
        Win32StorageService storage;
        SettingsTreeWriter writer(storage, String((std::wstring(L"\\") + kSettingsKey).c_str()));
        {
            WriteGroup key(writer, TXT("Application frame window"));
            ASSERT_TRUE(WriteBoolValue(writer, TXT("ShowHelpHint"), false));
        }
        DateTimeOptions time;
        time.userDefined = true;
        time.userTime = DateTime{2026, 8, 10, 12.0, kLocalCivilTime};
        WriteGroup key(writer, TXT("Time Options"));
        ASSERT_TRUE(SaveDateTimeOptions(writer, time));
    }
    RunningProgram program(L"");
    ASSERT_TRUE(program.Started());
    HWND frame = program.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(frame, nullptr);
    HWND client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
    const auto active = [client] { return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)); };
    const auto activeClass = [&] {
        wchar_t name[64] = {};
        if (HWND window = active()) GetClassNameW(window, name, 64);
        return std::wstring(name);
    };

    // Ctrl+2: the Event Forecast, which finds the eclipse. The keys go to
    // the frame once it is in front and its start-up is over (the tools
    // exist: the Event Finder's window is there, hidden).
    ASSERT_TRUE(WaitUntil([&] {
        SetForegroundWindow(frame);
        return GetForegroundWindow() == frame && FindWindowW(nullptr, L"Event Finder") != nullptr;
    }));
    test::TypedKeys::Queue({{VK_CONTROL, '2'}});
    HWND forecast = program.WaitForWindow(nullptr, L"Event Forecast", 20000);
    ASSERT_NE(forecast, nullptr);
    RemoteList results(GetDlgItem(forecast, IDC_EFC_LIST));
    ASSERT_TRUE(WaitUntil([&] { return results.Find(L"A solar eclipse occurs") >= 0; }));
    HWND resultList = GetDlgItem(forecast, IDC_EFC_LIST);
    ASSERT_TRUE(ClickAt(resultList, results.Place(results.Find(L"A solar eclipse occurs")), 2));
    ASSERT_TRUE(WaitUntil([&] { return activeClass() == L"CorvinataMdiChildSec"; }));
    EXPECT_NE(Caption(active()).find(L"12.08.2026"), std::wstring::npos) << Caption(active());

    // The forecast moved aside, as a user drags it, off the frame's panes.
    SetWindowPos(forecast, nullptr, 900, 700, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // Its Related Tasks: the eclipse in the sky.
    HWND pane = FindWindowExW(frame, nullptr, L"#32770", L"Related Tasks");
    ASSERT_NE(pane, nullptr);
    ASSERT_TRUE(IsWindowVisible(pane));
    RemoteList tasks(GetDlgItem(pane, 20741));
    ASSERT_TRUE(WaitUntil([&] { return tasks.Find(L"View the solar eclipse in the sky") >= 0; }));
    HWND taskList = GetDlgItem(pane, 20741);
    ASSERT_TRUE(ClickAt(taskList, tasks.Place(tasks.Find(L"View the solar eclipse in the sky")), 1));
    ASSERT_TRUE(WaitUntil([&] { return activeClass() == L"CorvinataMdiChildSky"; }));

    // The Sun, selected there at the eclipse's moment, has its graphs.
    const std::wstring graphTask = L"View a graph of Sun's rising and setting times";
    ASSERT_TRUE(WaitUntil([&] { return tasks.Find(graphTask) >= 0; }));
    ASSERT_TRUE(ClickAt(taskList, tasks.Place(tasks.Find(graphTask)), 1));
    // On a loaded machine the click can meet the list while the pane fills
    // it again for the Sky's selection, and is lost as a user's would be:
    // clicked again, as the user would, while the Sky is still in front.
    int waited = 0;
    ASSERT_TRUE(WaitUntil([&] {
        if (activeClass() == L"CorvinataMdiChildGph") return true;
        if (++waited % 50 == 0 && activeClass() == L"CorvinataMdiChildSky" && tasks.Find(graphTask) >= 0) {
            ClickAt(taskList, tasks.Place(tasks.Find(graphTask)), 1);
        }
        return false;
    }));
    // A new graph of the Sun's lines, with no change of its own: its
    // control panel lists them.
    EXPECT_EQ(Caption(active()), L"Graph: [Unsaved graph]");
    HWND panels = FindWindowExW(frame, nullptr, L"CorvinataControlPanelParent", nullptr);
    ASSERT_NE(panels, nullptr);
    HWND graphPanel = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND child = GetWindow(panels, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child)) graphPanel = child;
        }
        return graphPanel != nullptr;
    }));
    RemoteList lines(GetDlgItem(graphPanel, 20741));
    EXPECT_TRUE(WaitUntil([&] { return lines.Find(L"Sun rises", 1) >= 0 && lines.Find(L"Sun sets", 1) >= 0; }));
    ASSERT_TRUE(WaitUntil([&] { return tasks.Find(L"Edit the graph's lines") >= 0; }));

    // Closing asks nothing about the untouched graph: the program ends.
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(30000), 0);
    RemoveSettings();
}

// The system colours a program started now is given, index 0 to 30 (a
// program that runs already keeps those it started with).
std::vector<COLORREF> FreshSystemColours() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0)) return {};
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    const std::string narrow = CN_COLOURS_PROBE_PATH;
    std::wstring line = L"\"" + std::wstring(narrow.begin(), narrow.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    const BOOL started =
        CreateProcessW(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(write);
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (started && ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(read);
    if (!started) return {};
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::vector<COLORREF> colours;
    for (std::size_t at = 0; at + 6 <= text.size(); at = text.find('\n', at) + 1) {
        const unsigned long rgb = std::strtoul(text.substr(at, 6).c_str(), nullptr, 16);
        colours.push_back(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
        if (text.find('\n', at) == std::string::npos) break;
    }
    return colours;
}

// The 30 colours night vision changes, from a program started now.
std::vector<COLORREF> NightVisionIndices(const std::vector<COLORREF>& all) {
    std::vector<COLORREF> table;
    for (const NightColourRule& rule : kNightColourRules) {
        table.push_back(static_cast<std::size_t>(rule.systemIndex) < all.size() ? all[rule.systemIndex] : 0xFFFFFFFF);
    }
    return table;
}

// What the user sees: the whole screen.
std::vector<std::uint32_t> Screen(int& width, int& height) {
    width = GetSystemMetrics(SM_CXSCREEN);
    height = GetSystemMetrics(SM_CYSCREEN);
    const int w = width, h = height;
    return test::DrawnPixels(w, h, [w, h](HDC memory) {
        HDC screen = GetDC(nullptr);
        BitBlt(memory, 0, 0, w, h, screen, 0, 0, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

// The pixels of a window's rectangle on the screen that no night shade
// has: any green or blue above 40, or red above the brightest shade. Inside
// `pureRed` (the sky chart, whose night colours are pure reds) only green
// and blue count; what `skip` holds (what the system draws whatever the
// colours) does not count.
struct LightPixels {
    int count = 0;
    POINT first{};
    std::uint32_t colour = 0;
};

LightPixels LightPixelsOf(HWND window, const std::vector<std::uint32_t>& screen, int width, int height,
                          int brightest, const RECT& pureRed, const std::vector<RECT>& skip) {
    RECT r{};
    GetWindowRect(window, &r);
    LightPixels light;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(height, r.bottom); ++y) {
        for (int x = std::max(0L, r.left); x < std::min<LONG>(width, r.right); ++x) {
            const POINT at{x, y};
            if (std::any_of(skip.begin(), skip.end(), [at](const RECT& s) { return PtInRect(&s, at); })) continue;
            const std::uint32_t p = screen[static_cast<std::size_t>(y) * width + x];
            const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF, blue = p & 0xFF;
            const int redLimit = PtInRect(&pureRed, at) ? 255 : brightest;
            if (green <= 40 && blue <= 40 && red <= redLimit) continue;
            if (light.count++ == 0) {
                light.first = at;
                light.colour = p;
            }
        }
    }
    return light;
}

// Where the system draws a window's icon in its caption.
RECT CaptionIcon(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int border = GetSystemMetrics(SM_CXDLGFRAME) + 2;
    return RECT{r.left, r.top, r.left + border + GetSystemMetrics(SM_CXSMICON) + 2,
                r.top + border + GetSystemMetrics(SM_CYCAPTION)};
}

// The focused item of another program's tree view, on the screen: the system
// draws its focus frame by inverting what is there.
RECT FocusedTreeItem(HWND tree) {
    RECT r{};
    DWORD id = 0;
    GetWindowThreadProcessId(tree, &id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (!process) return r;
    void* memory = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (memory && item) {
        WriteProcessMemory(process, memory, &item, sizeof item, nullptr);
        if (SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(memory))) {
            ReadProcessMemory(process, memory, &r, sizeof r, nullptr);
            MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&r), 2);
        }
    }
    if (memory) VirtualFreeEx(process, memory, 0, MEM_RELEASE);
    CloseHandle(process);
    return r;
}

std::string Describe(const wchar_t* what, const LightPixels& light) {
    char text[200];
    std::snprintf(text, sizeof text, "%ls: %d light pixels, the first at %ld,%ld is %06X", what, light.count,
                  light.first.x, light.first.y, static_cast<unsigned>(light.colour));
    return text;
}

// The program's visible top-level windows: the frame, its tools and
// dialogs, an open menu.
struct FoundWindows {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK AddProgramWindow(HWND window, LPARAM data) {
    auto& found = *reinterpret_cast<FoundWindows*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == found.process && IsWindowVisible(window)) found.windows.push_back(window);
    return TRUE;
}

std::vector<HWND> ProgramWindows(DWORD process) {
    FoundWindows found{process, {}};
    EnumWindows(&AddProgramWindow, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

// Adds the caption icon of a shown child window with a caption.
BOOL CALLBACK AddCaptionIcon(HWND child, LPARAM icons) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && IsWindowVisible(child)) {
        reinterpret_cast<std::vector<RECT>*>(icons)->push_back(CaptionIcon(child));
    }
    return TRUE;
}

// Switches night vision with the Appearance dialog's check box, as the
// user does, and confirms.
bool SwitchNightVision(const RunningProgram& program, HWND frame, bool on) {
    PostMessageW(frame, WM_COMMAND, CMD_APPEARANCE, 0);
    // A minute at most: on a machine busy with other tests the switch
    // before may still be repainting every window.
    HWND dialog = program.WaitForWindow(L"#32770", L"Appearance", 60000);
    if (!dialog) {
        ADD_FAILURE() << "the Appearance dialog did not come";
        return false;
    }
    HWND box = GetDlgItem(dialog, 20848);
    SendMessageW(box, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(20848, BN_CLICKED), reinterpret_cast<LPARAM>(box));
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    if (WaitUntil([dialog] { return !IsWindow(dialog); }, 60000)) return true;
    ADD_FAILURE() << "the Appearance dialog did not close";
    return false;
}

// At night the whole screen of the program is in red shades: the frame with
// a Sky window and its panel, Object Info, the Calculator, a menu and the
// Select Object dialog, what Windows draws of them as well as what the
// program draws. Switched off, and whichever way the program ends, the
// desktop has its own colours again.
TEST(ProgramTest, AtNightEveryWindowIsRedAndTheDesktopGetsItsColoursBack) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));  // no Welcome dialog
    const std::vector<COLORREF> day = NightVisionIndices(FreshSystemColours());
    ASSERT_EQ(day.size(), 30u);
    const int brightest = ComputeNightShades(0.8, 1.0)[0].red;
    {
        RunningProgram program(L"");
        ASSERT_TRUE(program.Started());
        HWND frame = program.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"Event Finder") != nullptr; }));
        HWND client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
        PostMessageW(frame, WM_COMMAND, CMD_NEW_SKY, 0);
        HWND sky = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            sky = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0));
            return sky && FindWindowExW(sky, nullptr, L"CorvinataSkyDisp_OpenGl", nullptr);
        }));
        for (int tool : {CMD_OBJECT_INFO, CMD_CALCULATOR}) PostMessageW(frame, WM_COMMAND, tool, 0);
        HWND info = program.WaitForWindow(nullptr, L"Object Information", 20000);
        HWND calculator = program.WaitForWindow(nullptr, L"Astronomical Calculator", 20000);
        ASSERT_TRUE(info && calculator);
        // Side by side, over the frame's right part, as a user places them.
        SetWindowPos(info, nullptr, 700, 80, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(calculator, nullptr, 700, 520, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

        ASSERT_TRUE(SwitchNightVision(program, frame, true));
        const std::vector<COLORREF> night = NightVisionIndices(FreshSystemColours());
        ASSERT_EQ(night.size(), 30u);
        EXPECT_EQ(night[1], RGB(0, 0, 0)) << "button face";
        EXPECT_EQ(night[8], day[8]) << "the desktop keeps its background";

        HWND chart = FindWindowExW(sky, nullptr, L"CorvinataSkyDisp_OpenGl", nullptr);
        const auto lookAtScreen = [&](const char* moment, const std::vector<RECT>& drawnBySystem) {
            // The clicks that opened what is looked at left the pointer over
            // it; the program hears it leave within the wait.
            test::PutPointerWhereItShowsNothing();
            Sleep(1500);  // what was told to draw again has drawn
            int width = 0, height = 0;
            const std::vector<std::uint32_t> screen = Screen(width, height);
            RECT pureRed{};
            GetWindowRect(chart, &pureRed);
            std::vector<RECT> skip = drawnBySystem;
            skip.push_back(CaptionIcon(sky));
            // The frame's panes have captions of their own, where Wine draws
            // its icon too.
            EnumChildWindows(frame, &AddCaptionIcon, reinterpret_cast<LPARAM>(&skip));
            for (HWND window : ProgramWindows(ProcessOf(frame))) {
                skip.push_back(CaptionIcon(window));
                wchar_t name[80] = {};
                GetWindowTextW(window, name, 80);
                if (!name[0]) GetClassNameW(window, name, 80);
                const LightPixels light = LightPixelsOf(window, screen, width, height, brightest, pureRed, skip);
                EXPECT_EQ(light.count, 0) << moment << ": " << Describe(name, light);
            }
        };
        // The Options menu open over the frame. (Wine draws a grayed item's
        // text in fixed greys with a white etch whatever the system colours:
        // this menu has none.)
        ASSERT_TRUE(WaitUntil([&] {
            SetForegroundWindow(frame);
            return GetForegroundWindow() == frame;
        }));
        PostMessageW(frame, WM_SYSCOMMAND, SC_KEYMENU, 'o');
        ASSERT_NE(program.WaitForWindow(L"#32768", nullptr, 10000), nullptr);
        lookAtScreen("a menu open", {});
        for (int i = 0; i < 2; ++i) PostMessageW(frame, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(WaitUntil([&] { return !program.WaitForWindow(L"#32768", nullptr, 100); }, 10000));
        // Select Object, from the Sky window's Find Object.
        // Asked again should the first ask meet the menu's last keys.
        HWND select = nullptr;
        for (int ask = 0; ask < 3 && !select; ++ask) {
            PostMessageW(chart, WM_COMMAND, CMD_FIND_OBJECT, 0);
            select = program.WaitForWindow(L"#32770", L"Find in Sky", 10000);
        }
        ASSERT_NE(select, nullptr);
        HWND tree = FindWindowExW(select, nullptr, WC_TREEVIEWW, nullptr);
        ASSERT_NE(tree, nullptr);
        lookAtScreen("Select Object open", {FocusedTreeItem(tree)});
        PostMessageW(select, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(WaitUntil([select] { return !IsWindow(select); }, 20000));

        ASSERT_TRUE(SwitchNightVision(program, frame, false));
        EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << "switched off";
        // Ended at night: the desktop's colours come back with the end.
        ASSERT_TRUE(SwitchNightVision(program, frame, true));
        PostMessageW(frame, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(30000), 0);
        EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << "ended at night";
    }
    // Ended at night, the program asks at its next start whether night
    // vision goes on; killed at night, the next start puts the desktop's
    // colours back before anything else.
    const auto clickNo = [](HWND question) {
        for (HWND child = GetWindow(question, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child) && Caption(child) == L"&No") {
                PostMessageW(question, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                             reinterpret_cast<LPARAM>(child));
            }
        }
    };
    {
        RunningProgram killed(L"");
        HWND question = killed.WaitForWindow(L"#32770", L"Corvinata Information", 60000);
        ASSERT_NE(question, nullptr) << "asked after an end at night";
        clickNo(question);
        HWND frame = killed.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"Event Finder") != nullptr; }));
        EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << "answered No";
        ASSERT_TRUE(SwitchNightVision(killed, frame, true));
        ASSERT_NE(NightVisionIndices(FreshSystemColours()), day);
    }
    EXPECT_NE(NightVisionIndices(FreshSystemColours()), day) << "a killed copy hands nothing back itself";
    // The killed copy wrote nothing at its end: the last end's night vision
    // is asked about again, and the colours are the desktop's by then.
    RunningProgram next(L"");
    HWND question = next.WaitForWindow(L"#32770", L"Corvinata Information", 60000);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << "the next start after the kill";
    clickNo(question);
    HWND frame = next.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"Event Finder") != nullptr; }));
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(next.WaitForExit(30000), 0);
    RemoveSettings();
}

// "/FactoryReset" beside a copy running at night, then that copy killed:
// the reset took every setting but the desktop's kept look, and the next
// start, a first run, puts the desktop's colours back.
TEST(ProgramTest, AFactoryResetBesideACopyAtNightKeepsTheLookForTheNextStart) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));  // no Welcome dialog
    const std::vector<COLORREF> day = NightVisionIndices(FreshSystemColours());
    ASSERT_EQ(day.size(), 30u);
    {
        RunningProgram running(L"");
        HWND frame = running.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(WaitUntil([] { return FindWindowW(nullptr, L"Event Finder") != nullptr; }));
        ASSERT_TRUE(SwitchNightVision(running, frame, true));
        RunningProgram reset(L"/FactoryReset");
        EXPECT_EQ(reset.WaitForExit(60000), 0);
        DWORD hint = 0;
        EXPECT_FALSE(ReadDword(frameKey.c_str(), L"ShowHelpHint", hint)) << "the settings are gone";
    }
    ASSERT_NE(NightVisionIndices(FreshSystemColours()), day) << "a killed copy hands nothing back itself";
    RunningProgram next(L"");
    HWND welcome = next.WaitForWindow(L"#32770", L"Welcome to Corvinata", 60000);
    EXPECT_NE(welcome, nullptr) << "a first run";
    EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << "the next start";
    if (welcome) PostMessageW(welcome, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !welcome || !IsWindow(welcome); }));
    PostMessageW(next.WaitForWindow(L"CorvinataMdiFrame", nullptr, 10000), WM_CLOSE, 0, 0);
    EXPECT_EQ(next.WaitForExit(30000), 0);
    EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << "ended";
    RemoveSettings();
}

// Night colours where the day's should be: a red with no green or blue.
int NightPixelsOf(HWND window, const std::vector<std::uint32_t>& screen, int width, int height) {
    RECT r{};
    GetWindowRect(window, &r);
    int count = 0;
    for (int y = std::max(0L, r.top); y < std::min<LONG>(height, r.bottom); ++y) {
        for (int x = std::max(0L, r.left); x < std::min<LONG>(width, r.right); ++x) {
            const std::uint32_t p = screen[static_cast<std::size_t>(y) * width + x];
            count += ((p >> 16) & 0xFF) >= 60 && ((p >> 8) & 0xFF) <= 40 && (p & 0xFF) <= 40;
        }
    }
    return count;
}

BOOL CALLBACK AddPaneList(HWND child, LPARAM data) {
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    if (IsWindowVisible(child) && lstrcmpW(name, WC_LISTVIEWW) == 0 && GetDlgCtrlID(child) == IDC_PANE_LIST)
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
    return TRUE;
}

// The lists of the frame's panes (the Window Manager, Related Tasks) with
// their headers, and the status line.
std::vector<HWND> PaneListsAndStatus(HWND frame) {
    std::vector<HWND> found;
    EnumChildWindows(frame, &AddPaneList, reinterpret_cast<LPARAM>(&found));
    if (HWND status = FindWindowExW(frame, nullptr, STATUSCLASSNAMEW, nullptr)) found.push_back(status);
    return found;
}

void Answer(HWND question, const wchar_t* caption) {
    for (HWND child = GetWindow(question, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && Caption(child) == caption) {
            PostMessageW(question, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                         reinterpret_cast<LPARAM>(child));
        }
    }
}

// The start after a copy that was killed at night (switched on with the
// Appearance dialog, its look kept, the desktop red, visual styles off for
// the programs started later), without the start-up question, answered No
// and answered Yes: by day no night colour in the panes' lists and the
// status line, from the first seconds on, during the question as after
// "No"; at night, after "Yes", nothing light in them.
TEST(ProgramTest, TheStartUpQuestionLeavesThePanesInTheColoursOfTheAnswer) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    const std::wstring nightKey = std::wstring(kSettingsKey) + L"\\Night vision";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));  // no Welcome dialog
    const std::vector<COLORREF> day = NightVisionIndices(FreshSystemColours());
    ASSERT_EQ(day.size(), 30u);
    const int brightest = ComputeNightShades(0.8, 1.0)[0].red;
    using Count = std::function<int(HWND, const std::vector<std::uint32_t>&, int, int)>;
    const auto lookAt = [](HWND frame, const char* moment, const Count& count) {
        Sleep(3000);  // a few seconds after the start, as a user first looks
        int width = 0, height = 0;
        const std::vector<std::uint32_t> screen = Screen(width, height);
        const std::vector<HWND> parts = PaneListsAndStatus(frame);
        EXPECT_GE(parts.size(), 3u) << moment;
        for (HWND part : parts) {
            wchar_t name[64] = {};
            GetClassNameW(part, name, 64);
            EXPECT_EQ(count(part, screen, width, height), 0)
                << moment << ": " << (lstrcmpW(name, STATUSCLASSNAMEW) == 0 ? "the status line" : "a pane's list");
        }
    };
    const auto nightPixels = [](HWND part, const std::vector<std::uint32_t>& screen, int width, int height) {
        return NightPixelsOf(part, screen, width, height);
    };
    const auto lightPixels = [brightest](HWND part, const std::vector<std::uint32_t>& screen, int width,
                                         int height) {
        const LightPixels light = LightPixelsOf(part, screen, width, height, brightest, RECT{}, {});
        if (light.count) ADD_FAILURE() << Describe(L"list", light);
        return light.count;
    };
    const auto started = [] { return FindWindowW(nullptr, L"Event Finder") != nullptr; };
    {
        RunningProgram killed(L"");
        HWND frame = killed.WaitForWindow(L"CorvinataMdiFrame", nullptr, 60000);
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(WaitUntil(started));
        ASSERT_TRUE(SwitchNightVision(killed, frame, true));
    }
    ASSERT_NE(NightVisionIndices(FreshSystemColours()), day) << "a killed copy hands nothing back itself";
    const struct {
        const char* name;
        const wchar_t* answer;  // none: not asked
    } starts[] = {{"no question", nullptr}, {"answered No", L"&No"}, {"answered Yes", L"&Yes"}};
    for (const auto& start : starts) {
        ASSERT_TRUE(WriteDword(nightKey.c_str(), L"Active", start.answer ? 1 : 0));
        const bool yes = start.answer && start.answer[1] == 'Y';
        RunningProgram program(L"");
        ASSERT_TRUE(program.Started());
        HWND question = start.answer ? program.WaitForWindow(L"#32770", L"Corvinata Information", 60000) : nullptr;
        HWND frame = program.WaitForWindow(L"CorvinataMdiFrame", nullptr, start.answer ? 10000 : 60000);
        ASSERT_NE(frame, nullptr) << start.name;
        ASSERT_EQ(question != nullptr, start.answer != nullptr) << start.name;
        if (!yes) {
            EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << start.name << ": put back before all";
            lookAt(frame, (std::string(start.name) + ", at the start").c_str(), nightPixels);
        }
        if (question) Answer(question, start.answer);
        ASSERT_TRUE(WaitUntil(started)) << start.name;
        lookAt(frame, (std::string(start.name) + ", started").c_str(), yes ? Count(lightPixels) : Count(nightPixels));
        if (!yes) {
            // Killed at night again, for the next start.
            ASSERT_TRUE(SwitchNightVision(program, frame, true)) << start.name;
            continue;
        }
        PostMessageW(frame, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(30000), 0);
        EXPECT_EQ(NightVisionIndices(FreshSystemColours()), day) << "ended";
    }
    RemoveSettings();
}

// A window of the named desktop whose class (or, with none, caption) is
// `name`, shown or hidden; none while there is none.
struct DesktopSearch {
    const wchar_t* className;
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK MatchDesktopWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<DesktopSearch*>(data);
    wchar_t text[64] = {};
    if (search.className ? GetClassNameW(window, text, 64) && lstrcmpW(text, search.className) == 0
                         : GetWindowTextW(window, text, 64) && lstrcmpW(text, search.caption) == 0) {
        search.found = window;
    }
    return search.found == nullptr;
}

HWND DesktopWindow(HDESK desktop, const wchar_t* className, const wchar_t* caption = nullptr) {
    DesktopSearch search{className, caption, nullptr};
    EnumDesktopWindows(desktop, MatchDesktopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The pixels of the middle row of a window's caption on the screen that
// have the system's colours of an active caption, and those of an inactive
// one.
struct CaptionPixels {
    int active = 0;
    int inactive = 0;
};

CaptionPixels CaptionPixelsOf(HWND window, const std::vector<std::uint32_t>& screen, int width, int height) {
    RECT r{};
    GetWindowRect(window, &r);
    const int y = r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    const auto is = [](COLORREF colour, std::initializer_list<int> indices) {
        return std::any_of(indices.begin(), indices.end(), [colour](int i) { return GetSysColor(i) == colour; });
    };
    CaptionPixels pixels;
    if (y < 0 || y >= height) return pixels;
    for (int x = std::max(0L, r.left); x < std::min<LONG>(width, r.right); ++x) {
        const std::uint32_t p = screen[static_cast<std::size_t>(y) * width + x];
        const COLORREF colour = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        pixels.active += is(colour, {COLOR_ACTIVECAPTION, COLOR_GRADIENTACTIVECAPTION});
        pixels.inactive += is(colour, {COLOR_INACTIVECAPTION, COLOR_GRADIENTINACTIVECAPTION});
    }
    return pixels;
}

// A fresh start, on a desktop of Wine's own (which draws the captions
// itself, as Windows does; scripts/run starts the program so on a virtual
// screen): the frame, the active window, has its caption drawn active on
// the screen, and still so once Window > New has opened a first window;
// so has each tool its command shows and makes the active window.
TEST(ProgramTest, TheActiveWindowsCaptionIsDrawnActive) {
    RemoveSettings();
    const std::wstring frameKey = std::wstring(kSettingsKey) + L"\\Application frame window";
    ASSERT_TRUE(WriteDword(frameKey.c_str(), L"ShowHelpHint", 0));  // no Welcome dialog
    test::PutPointerWhereItShowsNothing();
    const wchar_t* name = L"CorvinataCaptions";
    wchar_t system[MAX_PATH] = {};
    GetWindowsDirectoryW(system, MAX_PATH);
    const std::wstring arguments = std::wstring(L"/desktop=") + name + L",1280x1024 \"" + ProgramPath() + L"\"";
    RunningProgram desktop(arguments.c_str(), nullptr, std::wstring(system) + L"\\explorer.exe");
    ASSERT_TRUE(desktop.Started());
    HDESK shown = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (shown = OpenDesktopW(name, 0, FALSE, GENERIC_ALL)) != nullptr; }));
    HWND frame = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        frame = DesktopWindow(shown, L"CorvinataMdiFrame");
        return frame && (GetWindowLongW(frame, GWL_STYLE) & WS_VISIBLE) && DesktopWindow(shown, nullptr, L"Event Finder");
    }));
    HWND client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
    const DWORD thread = GetWindowThreadProcessId(frame, nullptr);
    const auto activeWindow = [thread] {
        GUITHREADINFO input{};
        input.cbSize = sizeof input;
        return GetGUIThreadInfo(thread, &input) ? input.hwndActive : nullptr;
    };
    const struct {
        const char* moment;
        int command;         // none: as it started
        const wchar_t* tool; // the tool the command shows; none: the frame
    } moments[] = {
        {"after the start", 0, nullptr},
        {"after Window > New > Sky", CMD_NEW_SKY, nullptr},
        {"Object Information shown", CMD_OBJECT_INFO, L"Object Information"},
        {"Event Forecast shown", CMD_EVENT_FORECAST, L"Event Forecast"},
        {"Event Finder shown", CMD_EVENT_FINDER, L"Event Finder"},
        {"Calculator shown", CMD_CALCULATOR, L"Astronomical Calculator"},
    };
    for (const auto& moment : moments) {
        HWND expected = moment.tool ? DesktopWindow(shown, nullptr, moment.tool) : frame;
        ASSERT_NE(expected, nullptr) << moment.moment;
        if (moment.command) PostMessageW(frame, WM_COMMAND, moment.command, 0);
        if (moment.command == CMD_NEW_SKY) {
            ASSERT_TRUE(WaitUntil([client] { return SendMessageW(client, WM_MDIGETACTIVE, 0, 0) != 0; }));
        }
        ASSERT_TRUE(WaitUntil([&] { return activeWindow() == expected; })) << moment.moment;
        Sleep(1000);  // what was told to draw has drawn
        int width = 0, height = 0;
        const std::vector<std::uint32_t> screen = Screen(width, height);
        const CaptionPixels caption = CaptionPixelsOf(expected, screen, width, height);
        EXPECT_GT(caption.active, 0) << moment.moment;
        EXPECT_EQ(caption.inactive, 0) << moment.moment;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(frame, &process);
    const HANDLE program = OpenProcess(SYNCHRONIZE, FALSE, process);
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(program, 30000), WAIT_OBJECT_0);
    CloseHandle(program);
    CloseDesktop(shown);
    RemoveSettings();
}

}  // namespace
}  // namespace corvinata
