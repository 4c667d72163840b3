// The real program, started as a user or COM would start it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/help_topics.h"
#include "app/map_packs.h"
#include "app/picture_packs.h"
#include "app/product_info.h"
#include "app/settings_records.h"
#include "app/settings_values.h"
#include "base/memory_storage.h"
#include "base/scoped_win.h"
#include "base/settings_tree.h"
#include "base/storage_service_win.h"
#include "catalog/country_shapes.h"
#include "frame/single_instance.h"
#include "frame/typed_keys.h"
#include "generated/shipped_files.h"
#include "resources/event_tools_ids.h"

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
    EXPECT_EQ(DefaultValue(L"CorvinataAstronomySuite.1"), L"<none>");
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
    // A graph of the Sun's lines, changed and not saved yet: its control
    // panel lists them.
    EXPECT_NE(Caption(active()).find(L"*"), std::wstring::npos) << Caption(active());
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

    // Closing asks about the new graph; its "No" ends the program.
    PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND question = program.WaitForWindow(L"#32770", L"Corvinata Warning", 20000);
    ASSERT_NE(question, nullptr);
    HWND no = nullptr;
    for (HWND child = GetWindow(question, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child) && Caption(child) == L"&No") no = child;
    }
    ASSERT_NE(no, nullptr);
    // The click waits for the question to be the active window, so that it
    // does not arrive while the activation is still on its way.
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == question; }));
    RECT button{};
    GetWindowRect(no, &button);
    ASSERT_TRUE(ClickAt(no, POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2}, 1));
    EXPECT_EQ(program.WaitForExit(30000), 0);
    RemoveSettings();
}

}  // namespace
}  // namespace corvinata
