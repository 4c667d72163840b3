// The program as an automation server, driven as a C++ client drives it:
// out of process, through the interfaces' vtables, with the program started
// by COM ("-Embedding") from its registration in the test's prefix.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <iterator>
#include <limits>
#include <memory>
#include <string>

#include "app/frame_hooks_win.h"
#include "automation/automation_server_win.h"
#include "base/storage.h"
#include "base/storage_service_win.h"
#include "automation/dispatch_object_win.h"
#include "automation/window_objects_win.h"
#include "frame/time_appearance_dialogs.h"
#include "resources/resource_ids.h"

namespace corvinata::automation {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr VARIANT_BOOL kOne = 1;

std::wstring ProgramPath() {
    const std::string narrow = CN_PROGRAM_PATH;
    std::wstring path(narrow.begin(), narrow.end());
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

// Runs the program with a switch and answers its exit code (-1: no end).
int RunProgram(const wchar_t* arguments) {
    std::wstring line = L"\"" + ProgramPath() + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

std::wstring GuidText(const GUID& id) {
    wchar_t text[64] = {};
    StringFromGUID2(id, text, 64);
    return text;
}

// The frame of the server process (another process's frame window).
BOOL CALLBACK FindServerFrame(HWND window, LPARAM data) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (std::wstring(name) == L"CorvinataMdiFrame" && owner != GetCurrentProcessId()) {
        *reinterpret_cast<HWND*>(data) = window;
        return FALSE;
    }
    return TRUE;
}

HWND ServerFrame() {
    HWND found = nullptr;
    EnumWindows(&FindServerFrame, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The active child of the server's frame, as a user would close it.
HWND ActiveServerChild() {
    HWND frame = ServerFrame();
    HWND client = frame ? FindWindowExW(frame, nullptr, L"MDIClient", nullptr) : nullptr;
    return client ? reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

// The server's process, to see it end.
HANDLE ServerProcess() {
    HWND frame = ServerFrame();
    DWORD id = 0;
    if (frame) GetWindowThreadProcessId(frame, &id);
    return id ? OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id) : nullptr;
}

// Waits, a few seconds at most, until `done`.
template <class Done>
bool Within(DWORD milliseconds, Done done) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(20);
    }
    return true;
}

// The dialog the server's frame owns (its modal dialog), if any.
BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM data) {
    auto* found = reinterpret_cast<HWND*>(data);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && GetWindow(window, GW_OWNER) == found[0] && IsWindowEnabled(window)) {
        found[1] = window;
        return FALSE;
    }
    return TRUE;
}

// Opens the server's Date and Time dialog as the user would, and answers
// once its loop runs (the frame disabled under it).
bool OpenServerDialog(HWND frame) {
    PostMessageW(frame, WM_COMMAND, CMD_DATE_TIME, 0);
    return Within(10000, [frame] { return !IsWindowEnabled(frame); });
}

// Cancels the dialog of the server's frame and answers once it is gone.
bool CancelServerDialog(HWND frame) {
    HWND found[2] = {frame, nullptr};
    EnumWindows(&FindOwnedDialog, reinterpret_cast<LPARAM>(found));
    if (!found[1]) return false;
    PostMessageW(found[1], WM_COMMAND, IDCANCEL, 0);
    return Within(10000, [frame] { return !IsWindow(frame) || IsWindowEnabled(frame); });
}

std::wstring Text(BSTR text) {
    std::wstring copy = text ? text : L"<null>";
    SysFreeString(text);
    return copy;
}

std::wstring VariantText(VARIANT& value) {
    std::wstring copy = V_VT(&value) == VT_BSTR ? Text(V_BSTR(&value)) : L"<not a text>";
    VariantInit(&value);
    return copy;
}

template <class T>
struct Held {
    T* p = nullptr;
    ~Held() {
        if (p) p->Release();
    }
    T* operator->() const { return p; }
    T** operator&() { return &p; }
};

class AutomationClient : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(RunProgram(L"-RegServer"), 0);
    }
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        ASSERT_EQ(CoCreateInstance(CLSID_App, nullptr, CLSCTX_LOCAL_SERVER, IID_ICorvinataApp,
                                   reinterpret_cast<void**>(&app_)),
                  S_OK);
        process_ = ServerProcess();
        ASSERT_NE(process_, nullptr);
    }
    void TearDown() override {
        if (app_) app_->Release();
        // The client's last release ends the server it started.
        if (process_) {
            EXPECT_EQ(WaitForSingleObject(process_, 30000), WAIT_OBJECT_0);
            DWORD code = 1;
            GetExitCodeProcess(process_, &code);
            EXPECT_EQ(code, 0u);
            CloseHandle(process_);
        }
        CoUninitialize();
    }

    ICorvinataApp* app_ = nullptr;
    HANDLE process_ = nullptr;
};

TEST_F(AutomationClient, DispatchIdsBooleansAndTheApplicationTime) {
    LPOLESTR name = const_cast<LPOLESTR>(L"WindowVisible");
    DISPID id = 0;
    ASSERT_EQ(app_->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, 0x60020014);
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(app_->Invoke(id, IID_IUnknown, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result, nullptr,
                           nullptr),
              DISP_E_UNKNOWNINTERFACE);

    // Only -1 is true: a C++ client's 1 hides the program.
    const struct {
        VARIANT_BOOL put;
        VARIANT_BOOL visible;
    } visibility[] = {{VARIANT_TRUE, VARIANT_TRUE}, {kOne, VARIANT_FALSE}, {VARIANT_TRUE, VARIANT_TRUE},
                      {VARIANT_FALSE, VARIANT_FALSE}};
    for (const auto& row : visibility) {
        EXPECT_EQ(app_->put_WindowVisible(row.put), S_OK);
        VARIANT_BOOL visible = 7;
        EXPECT_EQ(app_->get_WindowVisible(&visible), S_OK);
        EXPECT_EQ(visible, row.visible) << row.put;
    }

    const struct {
        int year, month, day, hour, minute;
        HRESULT status;
        int readHour, readMinute;
    } moments[] = {{1582, 12, 31, 12, 0, E_INVALIDARG, 0, 0}, {3001, 1, 1, 0, 0, E_INVALIDARG, 0, 0},
                   {2023, 2, 29, 0, 0, E_INVALIDARG, 0, 0},   {2024, 2, 29, 23, 59, S_OK, 23, 59},
                   {2024, 3, 1, 24, 1, E_INVALIDARG, 0, 0},   {2024, 3, 1, 1, -30, S_OK, 0, 30}};
    for (const auto& row : moments) {
        EXPECT_EQ(app_->SetDateTime(row.year, row.month, row.day, row.hour, row.minute, VARIANT_TRUE), row.status)
            << row.year << "-" << row.month << "-" << row.day;
        if (row.status != S_OK) continue;
        VARIANT y, mo, d, h, mi;
        ASSERT_EQ(app_->GetDateTime(&y, &mo, &d, &h, &mi), S_OK);
        EXPECT_EQ(V_VT(&y), VT_I2);
        EXPECT_EQ(V_I2(&y), row.year);
        EXPECT_EQ(V_I2(&mo), row.month);
        EXPECT_EQ(V_I2(&d), row.day);
        EXPECT_EQ(V_I2(&h), row.readHour);
        EXPECT_EQ(V_I2(&mi), row.readMinute);
    }

    // The expression is evaluated for 1 January 2000 whatever the time is.
    BSTR expression = SysAllocString(L"Earth.DistSun(Au)");
    BSTR value = nullptr;
    EXPECT_EQ(app_->EvaluateCorvinataScript(expression, &value), S_OK);
    EXPECT_EQ(Text(value), L"0.983 AU");
    SysFreeString(expression);
    expression = SysAllocString(L"Earth.DistSun(");
    value = SysAllocString(L"garbage");
    EXPECT_EQ(app_->EvaluateCorvinataScript(expression, &value), E_INVALIDARG);
    EXPECT_EQ(value, nullptr);
    SysFreeString(expression);

    Held<ICorvinataReportWindow> report;
    EXPECT_EQ(app_->OpenReportWindow_YearPlanet(8, &report), E_INVALIDARG);
    EXPECT_EQ(report.p, nullptr);
    BSTR country = SysAllocString(L"Nowhere Land");
    EXPECT_EQ(app_->SetLocation(country, nullptr), E_INVALIDARG);
    SysFreeString(country);
}

TEST_F(AutomationClient, SkyWindowObjectRulesAndAUserClosedWindow) {
    Held<ICorvinataSkyWindow> sky;
    ASSERT_EQ(app_->OpenSkyWindow(&sky), S_OK);
    ASSERT_NE(sky.p, nullptr);
    VARIANT_BOOL flag = 7;
    EXPECT_EQ(sky->put_MoonVisible(VARIANT_TRUE), S_OK);
    EXPECT_EQ(sky->get_MoonVisible(&flag), S_OK);
    EXPECT_EQ(flag, VARIANT_TRUE);
    EXPECT_EQ(sky->put_MoonVisible(kOne), S_OK);  // 1 is not true: the Moon goes
    EXPECT_EQ(sky->get_MoonVisible(&flag), S_OK);
    EXPECT_EQ(flag, VARIANT_FALSE);

    const struct {
        double put;
        HRESULT status;
        double read;
    } limits[] = {{25.0, S_OK, 20.0}, {-1.0, S_OK, 0.0}, {6.5, S_OK, 6.5}, {kNaN, E_INVALIDARG, 6.5}};
    for (const auto& row : limits) {
        EXPECT_EQ(sky->put_StarMagnitudeLimit(row.put), row.status) << row.put;
        double read = -5;
        EXPECT_EQ(sky->get_StarMagnitudeLimit(&read), S_OK);
        EXPECT_EQ(read, row.read) << row.put;
    }

    const struct {
        double azimuth, altitude;
        HRESULT status;
    } centres[] = {{400.0, 10.0, E_INVALIDARG}, {10.0, 95.0, E_INVALIDARG}, {kNaN, 10.0, E_INVALIDARG},
                   {10.0, kNaN, E_INVALIDARG},  {180.0, 30.0, S_OK}};
    for (const auto& row : centres) {
        EXPECT_EQ(sky->SetViewCenter(row.azimuth, row.altitude), row.status) << row.azimuth << " " << row.altitude;
    }
    double azimuth = 0, altitude = 0;
    EXPECT_EQ(sky->get_Azimuth(&azimuth), S_OK);
    EXPECT_EQ(sky->get_Altitude(&altitude), S_OK);
    EXPECT_NEAR(azimuth, 180.0, 1e-6);
    EXPECT_NEAR(altitude, 30.0, 1e-6);
    EXPECT_EQ(sky->put_Altitude(kNaN), E_INVALIDARG);
    EXPECT_EQ(sky->put_Azimuth(361.0), E_INVALIDARG);

    EXPECT_EQ(sky->put_GridType(static_cast<::GridType>(3)), E_INVALIDARG);
    EXPECT_EQ(sky->put_DeepSkyNames(CnDeepSkyNames_NgcIc), S_OK);
    EXPECT_EQ(sky->put_Zoom(9), E_INVALIDARG);
    EXPECT_EQ(sky->put_Zoom(90), S_OK);
    INT zoom = 0;
    EXPECT_EQ(sky->get_Zoom(&zoom), S_OK);
    EXPECT_EQ(zoom, 90);
    BSTR unknown = SysAllocString(L"No Such Star At All");
    EXPECT_EQ(sky->FindObject(unknown), E_INVALIDARG);
    SysFreeString(unknown);
    EXPECT_EQ(sky->FindObject(nullptr), E_INVALIDARG);  // COM's empty text

    // The user closes the window: the object answers and touches nothing.
    HWND child = ActiveServerChild();
    ASSERT_NE(child, nullptr);
    SendMessageW(child, WM_CLOSE, 0, 0);
    EXPECT_EQ(sky->Activate(), S_FALSE);
    EXPECT_EQ(sky->Close(), S_FALSE);
    zoom = 77;
    EXPECT_EQ(sky->get_Zoom(&zoom), S_OK);
    EXPECT_EQ(zoom, 0);
    EXPECT_EQ(sky->put_MoonVisible(VARIANT_TRUE), S_OK);
    EXPECT_EQ(sky->put_Zoom(9), S_OK);
    EXPECT_EQ(sky->SetViewCenter(400.0, kNaN), S_OK);
    BSTR mars = SysAllocString(L"Mars");
    EXPECT_EQ(sky->FindObject(mars), S_OK);
    SysFreeString(mars);
    // A later window is not taken for the closed one.
    Held<ICorvinataSkyWindow> next;
    ASSERT_EQ(app_->OpenSkyWindow(&next), S_OK);
    EXPECT_EQ(sky->Activate(), S_FALSE);
    EXPECT_EQ(next->Activate(), S_OK);
    EXPECT_EQ(next->Close(), S_OK);
    EXPECT_EQ(next->Close(), S_FALSE);
}

// While the user has a dialog of the program open, the client's closes
// close nothing and the client hears that the program is busy; its last
// release ends the program only once the dialog is closed.
TEST_F(AutomationClient, ClosesUnderTheProgramsDialogWaitForIt) {
    Held<ICorvinataSkyWindow> sky;
    ASSERT_EQ(app_->OpenSkyWindow(&sky), S_OK);
    const HWND frame = ServerFrame();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(OpenServerDialog(frame));
    EXPECT_EQ(sky->Close(), kBusyInADialog);
    EXPECT_EQ(app_->CloseAllMainWindows(), kBusyInADialog);
    EXPECT_NE(ActiveServerChild(), nullptr);
    ASSERT_TRUE(CancelServerDialog(frame));
    EXPECT_EQ(sky->Close(), S_OK);
    EXPECT_EQ(sky->Close(), S_FALSE);

    Held<ICorvinataSkyWindow> next;
    ASSERT_EQ(app_->OpenSkyWindow(&next), S_OK);
    ASSERT_TRUE(OpenServerDialog(frame));
    next->Release();
    next.p = nullptr;
    sky->Release();
    sky.p = nullptr;
    app_->Release();
    app_ = nullptr;
    EXPECT_EQ(WaitForSingleObject(process_, 1000), WAIT_TIMEOUT) << "the program ends under its dialog";
    EXPECT_NE(ActiveServerChild(), nullptr);
    EXPECT_TRUE(CancelServerDialog(frame));
    // TearDown sees the program end.
}

TEST_F(AutomationClient, GraphWindowLinesAndFiles) {
    Held<ICorvinataGraphWindow> graph;
    ASSERT_EQ(app_->OpenGraphWindow(&graph), S_OK);
    ASSERT_NE(graph.p, nullptr);
    BSTR five = SysAllocString(L"5");
    EXPECT_EQ(graph->put_YAxisMax(five), E_INVALIDARG);  // no line yet
    BSTR read = SysAllocString(L"garbage");
    EXPECT_EQ(graph->get_YAxisMax(&read), S_OK);
    EXPECT_EQ(read, nullptr);

    struct StepRow {
        int steps;
        const wchar_t* unit;
        HRESULT status;
    };
    const StepRow labels[] = {{100, L"Days", E_INVALIDARG}, {2, L"Days", S_OK}};
    const StepRow marks[] = {{0, L"Days", E_INVALIDARG}, {1, L"Months", S_OK}};
    const StepRow grids[] = {{6, L"Seconds", E_INVALIDARG}, {6, L"Fortnights", E_INVALIDARG}, {6, L"Hours", S_OK}};
    for (const StepRow& row : labels) {
        BSTR unit = SysAllocString(row.unit);
        EXPECT_EQ(graph->SetXAxisLabelStep(row.steps, unit), row.status) << row.steps;
        SysFreeString(unit);
    }
    for (const StepRow& row : marks) {
        BSTR unit = SysAllocString(row.unit);
        EXPECT_EQ(graph->SetXAxisMarkStep(row.steps, unit), row.status) << row.steps;
        SysFreeString(unit);
    }
    for (const StepRow& row : grids) {
        BSTR unit = SysAllocString(row.unit);
        EXPECT_EQ(graph->SetXAxisGridStep(row.steps, unit), row.status) << row.steps;
        SysFreeString(unit);
    }
    VARIANT steps, unit;
    ASSERT_EQ(graph->GetXAxisGridStep(&steps, &unit), S_OK);
    EXPECT_EQ(V_VT(&steps), VT_I2);
    EXPECT_EQ(V_I2(&steps), 6);
    EXPECT_EQ(VariantText(unit), L"Hours");
    EXPECT_EQ(graph->SetYAxisGridStep(1000), E_INVALIDARG);
    EXPECT_EQ(graph->SetYAxisGridStep(999), S_OK);
    EXPECT_EQ(graph->put_XAxisTimeSystem(CnTimeSystem_Gst), E_INVALIDARG);
    EXPECT_EQ(graph->put_TimeSystem(CnTimeSystem_Gst), S_OK);
    EXPECT_EQ(graph->put_TimeZone(kNaN), E_INVALIDARG);
    EXPECT_EQ(graph->put_TimeZone(14.0), E_INVALIDARG);
    BSTR date = SysAllocString(L"1.3.2024");
    BSTR time = SysAllocString(L"10:00");
    EXPECT_EQ(graph->SetTimeBeginAndEnd(date, time, date, time), E_INVALIDARG);
    BSTR days = SysAllocString(L"Days");
    EXPECT_EQ(graph->SetTimeBeginAndStep(date, time, 100, days), E_INVALIDARG);
    EXPECT_EQ(graph->SetTimeBeginAndStep(date, time, 10, days), S_OK);
    BSTR late = SysAllocString(L"1.12.2999");
    BSTR years = SysAllocString(L"Years");
    EXPECT_EQ(graph->SetTimeBeginAndStep(late, time, 99, years), E_INVALIDARG);  // ends past 3000
    EXPECT_EQ(graph->GetTimeStep(&steps, &unit), S_OK);
    EXPECT_EQ(V_VT(&steps), VT_R8);
    EXPECT_EQ(V_R8(&steps), 10.0);
    EXPECT_EQ(VariantText(unit), L"Days");

    Held<ICorvinataGraphLine> line;
    ASSERT_EQ(graph->AppendNewLine(&line), S_OK);
    ASSERT_NE(line.p, nullptr);
    BSTR text = nullptr;
    EXPECT_EQ(line->get_Name(&text), S_OK);
    EXPECT_EQ(Text(text), L"New Line");
    EXPECT_EQ(line->get_Body(&text), S_OK);
    EXPECT_EQ(Text(text), L"Earth");
    EXPECT_EQ(line->get_CorvinataScriptCode(&text), S_OK);
    EXPECT_EQ(Text(text), L"Earth.DistSun(Au)");
    INT system = 0;
    EXPECT_EQ(line->get_System(&system), S_OK);
    EXPECT_EQ(system, 2);
    VARIANT_BOOL visible = 0;
    EXPECT_EQ(line->get_VisibleInGraph(&visible), S_OK);
    EXPECT_EQ(visible, VARIANT_TRUE);
    void* wrong = reinterpret_cast<void*>(1);
    EXPECT_EQ(line->QueryInterface(IID_ICorvinataGraphWindow, &wrong), E_NOINTERFACE);
    EXPECT_EQ(wrong, nullptr);
    BSTR nowhere = SysAllocString(L"Nowhere");
    EXPECT_EQ(line->put_Body(nowhere), E_INVALIDARG);
    EXPECT_EQ(line->put_Function(nowhere), E_INVALIDARG);
    BSTR red = SysAllocString(L"Red");
    EXPECT_EQ(line->put_Colour(red), S_OK);
    EXPECT_EQ(line->get_Colour(&text), S_OK);
    EXPECT_EQ(Text(text), L"Red");
    BSTR bad = SysAllocString(L"Earth.DistSun(");
    EXPECT_EQ(line->put_CorvinataScriptCode(bad), E_INVALIDARG);
    BSTR own = SysAllocString(L"Earth.DistSun(Au) + 1");
    EXPECT_EQ(line->put_CorvinataScriptCode(own), S_OK);
    EXPECT_EQ(line->put_CorvinataScriptCode(nullptr), S_OK);  // empty: made again
    EXPECT_EQ(line->get_CorvinataScriptCode(&text), S_OK);
    EXPECT_EQ(Text(text), L"Earth.DistSun(au)");
    EXPECT_EQ(graph->get_YAxisMax(&text), S_OK);
    EXPECT_NE(Text(text), L"<null>");

    // Files: texts to the client, never a box.
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring saved = std::wstring(folder) + L"automation_client_graph.gph";
    DeleteFileW(saved.c_str());
    const struct {
        std::wstring path;
        const wchar_t* error;
    } saves[] = {{L"Q:\\no drive here\\graph.gph", L"An error occurred creating the path"},
                 {saved, L"No error"}};
    for (const auto& row : saves) {
        BSTR path = SysAllocString(row.path.c_str());
        VARIANT error;
        EXPECT_EQ(graph->SaveToFile(path, &error), S_OK);
        EXPECT_EQ(VariantText(error), row.error);
        SysFreeString(path);
    }
    BSTR path = SysAllocString(saved.c_str());
    VARIANT error;
    Held<ICorvinataGraphWindow> loaded;
    EXPECT_EQ(app_->LoadGraph(path, &error, &loaded), S_OK);
    EXPECT_EQ(VariantText(error), L"No error");
    ASSERT_NE(loaded.p, nullptr);
    EXPECT_EQ(loaded->GetTimeStep(&steps, &unit), S_OK);
    EXPECT_EQ(V_R8(&steps), 10.0);
    EXPECT_EQ(VariantText(unit), L"Days");
    BSTR missing = SysAllocString(L"C:\\no such graph.gph");
    Held<ICorvinataGraphWindow> none;
    EXPECT_EQ(app_->LoadGraph(missing, &error, &none), S_OK);
    EXPECT_EQ(none.p, nullptr);
    EXPECT_NE(VariantText(error), L"No error");
    DeleteFileW(saved.c_str());

    // A changed graph closes without asking; its object and lines then do
    // nothing.
    EXPECT_EQ(graph->Close(), S_OK);
    EXPECT_EQ(graph->Activate(), S_OK);
    EXPECT_EQ(line->put_Colour(red), S_OK);
    text = SysAllocString(L"garbage");
    EXPECT_EQ(line->get_Name(&text), S_OK);
    EXPECT_EQ(text, nullptr);
    EXPECT_EQ(app_->CloseAllMainWindows(), S_OK);
    EXPECT_EQ(loaded->Activate(), S_FALSE);
    for (BSTR s : {five, date, time, days, late, years, nowhere, red, bad, own, path, missing}) SysFreeString(s);
}

// An interface no object answers: the server ends at the release that
// leaves the application without clients. (The class factory's proxy
// answers LockServer itself; the call never reaches the server.)
TEST(AutomationServerLife, AnUnansweredInterfaceEndsTheServer) {
    ASSERT_EQ(RunProgram(L"-RegServer"), 0);
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    IClassFactory* factory = nullptr;
    ASSERT_EQ(CoGetClassObject(CLSID_App, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    HANDLE process = ServerProcess();
    ASSERT_NE(process, nullptr);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_ICorvinataGraphWindow, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    factory->Release();
    EXPECT_EQ(WaitForSingleObject(process, 30000), WAIT_OBJECT_0);
    CloseHandle(process);
    CoUninitialize();
}

// A client may drive the copy the user has open; its last release leaves
// that copy running, with the windows as the client left them.
TEST(AutomationServerLife, TheUsersCopyOutlivesItsClient) {
    ASSERT_EQ(RunProgram(L"-RegServer"), 0);
    HKEY frameKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Corvinata Software\\Corvinata\\1.70\\Application frame window",
                              0, nullptr, 0, KEY_WRITE, nullptr, &frameKey, nullptr),
              ERROR_SUCCESS);
    const DWORD noHint = 0;  // no Welcome dialog
    RegSetValueExW(frameKey, L"ShowHelpHint", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&noHint), sizeof noHint);
    RegCloseKey(frameKey);
    std::wstring line = L"\"" + ProgramPath() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION user{};
    ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &user));
    // The copy registers its class object before its message loop first
    // waits for input; a client arriving earlier would start a copy of its own.
    ASSERT_EQ(WaitForInputIdle(user.hProcess, 60000), 0u);
    const HWND frame = ServerFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(IsWindowVisible(frame));
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ICorvinataApp* app = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_App, nullptr, CLSCTX_LOCAL_SERVER, IID_ICorvinataApp,
                               reinterpret_cast<void**>(&app)),
              S_OK);
    EXPECT_EQ(ServerFrame(), frame);  // the user's copy, not a new one
    EXPECT_EQ(app->CloseAllMainWindows(), S_OK);
    ICorvinataSkyWindow* sky = nullptr;
    ASSERT_EQ(app->OpenSkyWindow(&sky), S_OK);
    sky->Release();
    app->Release();
    CoUninitialize();
    EXPECT_EQ(WaitForSingleObject(user.hProcess, 3000), WAIT_TIMEOUT);
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_NE(ActiveServerChild(), nullptr);  // the client's Sky window stays
    PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(user.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(user.hThread);
    CloseHandle(user.hProcess);
}

// The program's settings below the user's hive, as the user's runs left
// them and as a copy's end leaves them.
class StoredSettings {
public:
    std::unique_ptr<SettingsNode> Node(const std::wstring& key) {
        return storage_.CreateRegistryNode(RegistryHive::CurrentUser, Path(key).c_str());
    }
    bool WriteInt(const std::wstring& key, const wchar_t* name, std::int32_t value) {
        auto node = Node(key);
        return node->Create() && node->WriteInt(name, value);
    }
    bool WriteText(const std::wstring& key, const wchar_t* name, const std::wstring& text) {
        auto node = Node(key);
        return node->Create() && node->WriteText(name, text.c_str());
    }
    // -1 when the value is missing.
    std::int32_t Int(const std::wstring& key, const wchar_t* name) {
        auto node = Node(key);
        std::int32_t value = -1;
        return node->Open() && node->ReadInt(name, value) ? value : -1;
    }
    std::wstring Text(const std::wstring& key, const wchar_t* name) {
        auto node = Node(key);
        String text;
        return node->Open() && node->ReadString(name, text) ? std::wstring(text.Text()) : L"<missing>";
    }
    bool HasValue(const std::wstring& key, const wchar_t* name) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Path(key).c_str() + 1, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
        const bool found = RegQueryValueExW(opened, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(opened);
        return found;
    }

private:
    static std::wstring Path(const std::wstring& key) {
        return L"\\Software\\Corvinata Software\\Corvinata\\1.70" + (key.empty() ? L"" : L"\\" + key);
    }
    Win32StorageService storage_;
};

// A copy started by a client, let go of at the end of the scope (after the
// window objects held in it): once the scope is left, the copy has ended
// and written what it writes.
class ClientsCopy {
public:
    ClientsCopy() {
        EXPECT_EQ(RunProgram(L"-RegServer"), 0);
        EXPECT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        EXPECT_EQ(CoCreateInstance(CLSID_App, nullptr, CLSCTX_LOCAL_SERVER, IID_ICorvinataApp,
                                   reinterpret_cast<void**>(&app_)),
                  S_OK);
        process_ = ServerProcess();
        EXPECT_NE(process_, nullptr);
    }
    ~ClientsCopy() { End(); }
    ICorvinataApp* App() const { return app_; }
    bool Ok() const { return app_ && process_; }
    // Lets go of the copy and waits for its end.
    void End() {
        if (app_) app_->Release();
        app_ = nullptr;
        if (!process_) return;
        EXPECT_EQ(WaitForSingleObject(process_, 30000), WAIT_OBJECT_0);
        CloseHandle(process_);
        process_ = nullptr;
        CoUninitialize();
    }
    HRESULT SetLocation(const wchar_t* country, const wchar_t* town) {
        BSTR c = SysAllocString(country);
        BSTR t = SysAllocString(town);
        const HRESULT status = app_->SetLocation(c, t);
        SysFreeString(c);
        SysFreeString(t);
        return status;
    }

private:
    ICorvinataApp* app_ = nullptr;
    HANDLE process_ = nullptr;
};

// The user's session as an earlier run left it: a frame, a window's entry,
// its document's moment.
constexpr struct {
    const wchar_t* key;
    const wchar_t* name;
    std::int32_t value;
} kUsersSession[] = {{L"Application frame window", L"Left", 321},
                     {L"Application frame window", L"ShowHelpHint", 0},
                     {L"Main Windows\\Z order\\0", L"Window type", 6},
                     {L"Main Windows\\Sky\\Model", L"Marker", 321}};

// A copy started by a client writes at its end only what its run changed
// (the place the client set), and leaves the user's frame, windows and
// layouts, the moment the user's stored windows come back at, and every
// value it found and never changed as they are stored.
TEST(AutomationServerLife, ACopyStartedByAClientWritesOnlyWhatItsRunChanged) {
    StoredSettings stored;
    ASSERT_TRUE(stored.Node(L"")->DeleteTree());
    for (const auto& entry : kUsersSession) ASSERT_TRUE(stored.WriteInt(entry.key, entry.name, entry.value));
    {
        ClientsCopy copy;
        ASSERT_TRUE(copy.Ok());
        EXPECT_EQ(copy.SetLocation(L"Germany", L"Berlin"), S_OK);
    }
    EXPECT_EQ(stored.Text(L"Location Options\\Current location", L"Town"), L"Berlin");
    const struct {
        const wchar_t* key;
        const wchar_t* name;  // null: the key itself
    } untouched[] = {
        {L"Time Options", nullptr},       {L"Appearance Options", nullptr},
        {L"", L"Stars fixed"},            {L"Recent files", nullptr},
        {L"Calculator", nullptr},         {L"Symbol table", nullptr},
        {L"Layouts", nullptr},            {L"Application frame window", L"Toolbar visible"},
        {L"Main Windows\\Sky\\Windows", nullptr},
    };
    for (const auto& row : untouched) {
        const bool present = row.name ? stored.HasValue(row.key, row.name) : stored.Node(row.key)->Exists();
        EXPECT_FALSE(present) << std::string(row.key, row.key + wcslen(row.key));
    }
    for (const auto& entry : kUsersSession) {
        EXPECT_EQ(stored.Int(entry.key, entry.name), entry.value) << std::string(entry.key, entry.key + wcslen(entry.key));
    }
}

// The user exits a run of his own while a client holds its copy: the copy's
// end leaves the Calculator as the user hid it and the graph the user
// closed among the recent files, and adds what its client changed: the
// place, and the graph left open (first, before the user's).
TEST(AutomationServerLife, ACopyEndingAfterTheUsersExitKeepsWhatTheUserWrote) {
    StoredSettings stored;
    ASSERT_TRUE(stored.Node(L"")->DeleteTree());
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring earlier = std::wstring(folder) + L"earlier run.gph";
    const std::wstring users = std::wstring(folder) + L"users run.gph";
    const std::wstring clients = std::wstring(folder) + L"clients run.gph";
    ASSERT_TRUE(stored.WriteInt(L"Application frame window", L"ShowHelpHint", 0));
    ASSERT_TRUE(stored.WriteInt(L"Calculator", L"Visible", 1));
    ASSERT_TRUE(stored.WriteText(L"Recent files", L"File 1", earlier));
    {
        ClientsCopy copy;
        ASSERT_TRUE(copy.Ok());
        EXPECT_EQ(copy.SetLocation(L"Germany", L"Berlin"), S_OK);
        Held<ICorvinataGraphWindow> made;
        ASSERT_EQ(copy.App()->OpenGraphWindow(&made), S_OK);
        BSTR path = SysAllocString(clients.c_str());
        VARIANT error;
        EXPECT_EQ(made->SaveToFile(path, &error), S_OK);
        EXPECT_EQ(VariantText(error), L"No error");
        EXPECT_EQ(made->Close(), S_OK);
        Held<ICorvinataGraphWindow> loaded;
        EXPECT_EQ(copy.App()->LoadGraph(path, &error, &loaded), S_OK);
        EXPECT_EQ(VariantText(error), L"No error");
        SysFreeString(path);

        // Meanwhile the user's exit writes what his run changed.
        ASSERT_TRUE(stored.WriteInt(L"Calculator", L"Visible", 0));
        ASSERT_TRUE(stored.WriteText(L"Recent files", L"File 1", users));
        ASSERT_TRUE(stored.WriteText(L"Recent files", L"File 2", earlier));
    }
    EXPECT_EQ(stored.Int(L"Calculator", L"Visible"), 0);
    EXPECT_EQ(stored.Text(L"Location Options\\Current location", L"Town"), L"Berlin");
    const std::wstring recent[] = {clients, users, earlier};
    for (int n = 0; n < 3; ++n) {
        const std::wstring name = L"File " + std::to_wstring(n + 1);
        EXPECT_EQ(stored.Text(L"Recent files", name.c_str()), recent[n]) << n + 1;
    }
    EXPECT_FALSE(stored.HasValue(L"Recent files", L"File 4"));
    DeleteFileW(clients.c_str());
}

// A client moves the time and opens a Sky window: the copy's end writes the
// Sky's model before the window closes, with the client's moment.
TEST(AutomationServerLife, ACopyStoresTheMomentItsClientsSkyWindowShowed) {
    StoredSettings stored;
    ASSERT_TRUE(stored.Node(L"")->DeleteTree());
    ASSERT_TRUE(stored.WriteInt(L"Application frame window", L"ShowHelpHint", 0));
    {
        ClientsCopy copy;
        ASSERT_TRUE(copy.Ok());
        EXPECT_EQ(copy.App()->SetDateTime(2030, 6, 15, 12, 0, VARIANT_TRUE), S_OK);
        Held<ICorvinataSkyWindow> sky;
        ASSERT_EQ(copy.App()->OpenSkyWindow(&sky), S_OK);
    }
    const std::wstring moment = L"Main Windows\\Sky\\Model\\Time and location\\Date and Time";
    EXPECT_EQ(stored.Int(moment, L"Year"), 2030);
    EXPECT_EQ(stored.Int(moment, L"Month"), 6);
    EXPECT_EQ(stored.Int(moment, L"Day"), 15);
    EXPECT_FALSE(stored.Node(L"Main Windows\\Sky\\Windows")->Exists());
}

// Whether the server's tool window with the title is shown or hidden as
// asked, or becomes so within a few seconds.
bool ServerToolShown(const wchar_t* title, bool shown) {
    return Within(10000, [&] {
        const HWND tool = FindWindowW(L"#32770", title);
        return tool && (IsWindowVisible(tool) != FALSE) == shown;
    });
}

// Sets the angles of the server's Appearance dialog to decimal degrees, as
// the user would, and answers once the dialog has taken them.
bool SetServerAnglesDecimal(HWND frame) {
    PostMessageW(frame, WM_COMMAND, CMD_APPEARANCE, 0);
    // Shown once its controls hold the options.
    HWND found[2] = {frame, nullptr};
    if (!Within(10000, [&found] {
            EnumWindows(&FindOwnedDialog, reinterpret_cast<LPARAM>(found));
            return found[1] && IsWindowVisible(found[1]);
        })) {
        return false;
    }
    SendDlgItemMessageW(found[1], kIdAnglesSexagesimal, BM_SETCHECK, BST_UNCHECKED, 0);
    SendDlgItemMessageW(found[1], kIdAnglesDecimal, BM_SETCHECK, BST_CHECKED, 0);
    PostMessageW(found[1], WM_COMMAND, IDOK, 0);
    return Within(10000, [frame] { return IsWindowEnabled(frame) != FALSE; });
}

// One value below the settings root: a number, or a text where given.
struct StoredValue {
    const wchar_t* key;
    const wchar_t* name;
    std::int32_t number;
    const wchar_t* text;
};

// The user exits a run of his own while a client holds its copy: the copy's
// end writes what its run changed (the Calculator hidden, the client's time
// and place, decimal angles) and no value it found and left, so that what
// the user wrote meanwhile stays; a record the copy changed (the user's own
// moment with its daylight saving time, the observer's place) is written
// whole, never mixed with the user's values.
TEST(AutomationServerLife, ACopysEndWritesItsChangesValueByValueAndItsRecordsWhole) {
    const StoredValue before[] = {
        {L"Calculator", L"Visible", 1, nullptr}, {L"Calculator", L"Left", 200, nullptr},
        {L"Calculator", L"Top", 100, nullptr}, {L"Time Options", L"User defined time and DST active", 1, nullptr},
        {L"Time Options", L"Real time clock active", 0, nullptr}, {L"Time Options", L"User defined DST", 0, nullptr},
        {L"Appearance Options", L"Angle degree base", 0, L"Sexagesimal"},
        {L"Appearance Options", L"Language for constellation names", 0, L"Classic"},
    };
    const StoredValue users[] = {
        {L"Calculator", L"Left", 520, nullptr}, {L"Calculator", L"Top", 420, nullptr},
        {L"Time Options", L"User defined time and DST active", 0, nullptr},
        {L"Time Options", L"Real time clock active", 1, nullptr}, {L"Time Options", L"User defined DST", 1, nullptr},
        {L"Event Finder\\Window state", L"Visible", 1, nullptr}, {L"Event Finder", L"Displaying run", 0, nullptr},
        {L"Event Finder", L"Selected actual event", 2, nullptr},
        {L"Appearance Options", L"Language for constellation names", 0, L"Modern"},
    };
    const StoredValue copys[] = {
        {L"Calculator", L"Visible", 0, nullptr}, {L"Time Options\\User defined time", L"Year", 2030, nullptr},
        {L"Time Options", L"User defined DST", 0, nullptr},
        {L"Location Options\\Current location", L"Country", 0, L"Germany"},
        {L"Location Options\\Current location", L"Town", 0, L"Berlin"},
        {L"Appearance Options", L"Angle degree base", 0, L"Decimal"},
    };
    StoredSettings stored;
    ASSERT_TRUE(stored.Node(L"")->DeleteTree());
    ASSERT_TRUE(stored.WriteInt(L"Application frame window", L"ShowHelpHint", 0));
    const auto write = [&stored](const StoredValue& v) {
        return v.text ? stored.WriteText(v.key, v.name, v.text) : stored.WriteInt(v.key, v.name, v.number);
    };
    for (const StoredValue& value : before) ASSERT_TRUE(write(value));
    {
        ClientsCopy copy;
        ASSERT_TRUE(copy.Ok());
        ASSERT_TRUE(ServerToolShown(L"Astronomical Calculator", true));
        PostMessageW(ServerFrame(), WM_COMMAND, CMD_CALCULATOR, 0);
        ASSERT_TRUE(ServerToolShown(L"Astronomical Calculator", false));
        EXPECT_EQ(copy.App()->SetDateTime(2030, 6, 15, 12, 0, VARIANT_TRUE), S_OK);
        EXPECT_EQ(copy.SetLocation(L"Germany", L"Berlin"), S_OK);
        ASSERT_TRUE(SetServerAnglesDecimal(ServerFrame()));
        // Meanwhile the user's exit writes what his run changed.
        for (const StoredValue& value : users) ASSERT_TRUE(write(value));
    }
    // The copy's changes, and the user's values wherever the copy changed none.
    const auto expect = [&stored](const StoredValue& v) {
        const std::wstring name = std::wstring(v.key) + L", " + v.name;
        if (v.text) {
            EXPECT_EQ(stored.Text(v.key, v.name), v.text) << std::string(name.begin(), name.end());
        } else {
            EXPECT_EQ(stored.Int(v.key, v.name), v.number) << std::string(name.begin(), name.end());
        }
    };
    for (const StoredValue& value : copys) expect(value);
    for (const StoredValue& value : users) {
        if (std::none_of(std::begin(copys), std::end(copys), [&value](const StoredValue& changed) {
                return std::wstring(changed.key) == value.key && std::wstring(changed.name) == value.name;
            })) {
            expect(value);
        }
    }
}

// A client that only moves the observer, in a copy whose clock runs on a
// time of the user's: the copy's end writes the client's place and leaves
// the user's own moment and the Event Finder's search as the user's exit
// wrote them meanwhile (neither the clock's minutes nor the search's place,
// which follows the observer, are the client's changes). The copy's
// Calculator, moved sideways while the user moved his, comes back where the
// copy left it, never at the copy's left and the user's top.
TEST(AutomationServerLife, ACopyLeavesTheUsersMomentAndSearchAndWritesItsCalculatorsPlaceWhole) {
    const StoredValue before[] = {
        {L"Application frame window", L"ShowHelpHint", 0, nullptr},
        {L"Calculator", L"Visible", 1, nullptr}, {L"Calculator", L"Left", 200, nullptr},
        {L"Calculator", L"Top", 100, nullptr},
        {L"Time Options", L"User defined time and DST active", 1, nullptr},
        {L"Time Options", L"Real time clock active", 1, nullptr}, {L"Time Options", L"User defined DST", 0, nullptr},
        {L"Time Options\\User defined time", L"Year", 2027, nullptr},
        {L"Time Options\\User defined time", L"Month", 3, nullptr},
        {L"Time Options\\User defined time", L"Day", 10, nullptr},
        {L"Time Options\\User defined time", L"Time", 0, L"22"},
        {L"Time Options\\User defined time", L"Time System", 2, nullptr},
    };
    const StoredValue users[] = {
        {L"Calculator", L"Left", 520, nullptr}, {L"Calculator", L"Top", 420, nullptr},
        {L"Time Options\\User defined time", L"Day", 11, nullptr},
        {L"Time Options\\User defined time", L"Time", 0, L"9.5"},
        {L"Event Finder\\Unstarted run\\Search range\\Step", L"Steps", 7, nullptr},
    };
    StoredSettings stored;
    ASSERT_TRUE(stored.Node(L"")->DeleteTree());
    for (const StoredValue& v : before) {
        ASSERT_TRUE(v.text ? stored.WriteText(v.key, v.name, v.text) : stored.WriteInt(v.key, v.name, v.number));
    }
    RECT moved{};
    {
        ClientsCopy copy;
        ASSERT_TRUE(copy.Ok());
        EXPECT_EQ(copy.SetLocation(L"France", L"Paris"), S_OK);
        ASSERT_TRUE(ServerToolShown(L"Astronomical Calculator", true));
        const HWND calculator = FindWindowW(L"#32770", L"Astronomical Calculator");
        RECT at{};
        GetWindowRect(calculator, &at);
        SetWindowPos(calculator, nullptr, at.left + 150, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        GetWindowRect(calculator, &moved);
        // A minute of the copy's clock.
        SendMessageW(ServerFrame(), WM_TIMER, FrameClockTimer::kTimerId, 0);
        // Meanwhile the user's exit writes what his run changed.
        for (const StoredValue& v : users) {
            ASSERT_TRUE(v.text ? stored.WriteText(v.key, v.name, v.text) : stored.WriteInt(v.key, v.name, v.number));
        }
    }
    EXPECT_EQ(stored.Text(L"Location Options\\Current location", L"Town"), L"Paris");
    EXPECT_EQ(stored.Int(L"Event Finder\\Unstarted run\\Search range\\Step", L"Steps"), 7);
    EXPECT_EQ(stored.Int(L"Time Options\\User defined time", L"Day"), 11);
    EXPECT_EQ(stored.Text(L"Time Options\\User defined time", L"Time"), L"9.5");
    EXPECT_EQ(stored.Int(L"Calculator", L"Left"), moved.left);
    EXPECT_EQ(stored.Int(L"Calculator", L"Top"), moved.top);
}

// "-UnregServer" removes the class's key alone: the programmatic identifier
// and the type library stay; a second one finds nothing to remove (3). The
// suite's registration is made again afterwards.
TEST(AutomationServerLife, UnregisteringRemovesTheClassKeyAlone) {
    const std::wstring library = L"TypeLib\\" + GuidText(LIBID_CorvinataServerLib);
    const std::wstring iface = L"Interface\\" + GuidText(IID_ICorvinataSkyWindow);
    const std::wstring classKey = L"CLSID\\" + GuidText(CLSID_App);
    struct Case {
        std::wstring key;
        bool kept;
    };
    const Case keys[] = {{library, true}, {iface, true}, {classKey, false}, {L"CorvinataAstronomySuite.1", true}};
    ASSERT_EQ(RunProgram(L"-RegServer"), 0);
    for (const Case& c : keys) {
        EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, c.key)) << std::string(c.key.begin(), c.key.end());
    }
    ASSERT_EQ(RunProgram(L"-UnregServer"), 0);
    for (const Case& c : keys) {
        EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, c.key), c.kept) << std::string(c.key.begin(), c.key.end());
    }
    EXPECT_EQ(RunProgram(L"-UnregServer"), 3);
    EXPECT_EQ(RunProgram(L"-RegServer"), 0);
}

// Every start registers the type library before it looks at its switch:
// a start that only unregisters puts back the library's path that a moved
// program left stale.
TEST(AutomationServerLife, EveryStartRegistersTheTypeLibrary) {
    ASSERT_EQ(RunProgram(L"-RegServer"), 0);
    const std::wstring library = L"TypeLib\\" + GuidText(LIBID_CorvinataServerLib);
    HKEY opened = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CLASSES_ROOT, library.c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
    wchar_t version[64] = {};
    const LONG found = RegEnumKeyW(opened, 0, version, 64);
    RegCloseKey(opened);
    ASSERT_EQ(found, ERROR_SUCCESS);
    // A 64-bit server's library is registered for 64-bit clients.
    const std::wstring file = library + L"\\" + version + (sizeof(void*) == 8 ? L"\\0\\win64" : L"\\0\\win32");
    const auto registeredPath = [&file] {
        wchar_t path[MAX_PATH] = {};
        LONG size = sizeof path;
        RegQueryValueW(HKEY_CLASSES_ROOT, file.c_str(), path, &size);
        return std::wstring(path);
    };
    const std::wstring program = registeredPath();
    ASSERT_FALSE(program.empty());
    const wchar_t stale[] = L"C:\\moved\\elsewhere.exe";
    ASSERT_EQ(RegSetValueW(HKEY_CLASSES_ROOT, file.c_str(), REG_SZ, stale, sizeof stale), ERROR_SUCCESS);
    EXPECT_EQ(RunProgram(L"-UnregServer"), 0);
    EXPECT_EQ(registeredPath(), program);
    EXPECT_EQ(RunProgram(L"-RegServer"), 0);
}

// In this process: an object without type information still works through
// its vtable; IDispatch answers E_FAIL until the program's type library is
// loaded.
TEST(AutomationObjects, IDispatchNeedsTheTypeInformation) {
    ReleaseAutomationTypeInformation();
    ICorvinataReportWindow* report = nullptr;
    ASSERT_EQ(NewReportWindowObject(nullptr, &report), S_OK);
    UINT count = 9;
    EXPECT_EQ(report->GetTypeInfoCount(&count), E_FAIL);
    EXPECT_EQ(count, 0u);
    LPOLESTR name = const_cast<LPOLESTR>(L"Date");
    DISPID id = 0;
    EXPECT_EQ(report->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), E_FAIL);
    EXPECT_EQ(report->Activate(), S_OK);  // no window: nothing to do
    BSTR date = SysAllocString(L"garbage");
    EXPECT_EQ(report->get_Date(&date), S_OK);
    EXPECT_EQ(date, nullptr);
    EXPECT_EQ(report->get_Date(nullptr), E_POINTER);
    BSTR february = SysAllocString(L"31.2.2024");
    EXPECT_EQ(report->put_Date(february), S_OK);  // no window: its argument is not even read
    SysFreeString(february);

    ASSERT_TRUE(LoadAutomationTypeInformation(ProgramPath().c_str()));
    EXPECT_EQ(report->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(report->GetIDsOfNames(IID_NULL, &name, 1, 0, &id), S_OK);
    EXPECT_EQ(id, 0x60020002);
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(report->Invoke(id, IID_IDispatch, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr),
              DISP_E_UNKNOWNINTERFACE);
    EXPECT_EQ(report->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &result, nullptr, nullptr), S_OK);
    EXPECT_EQ(V_VT(&result), VT_BSTR);
    VariantClear(&result);
    void* other = reinterpret_cast<void*>(1);
    EXPECT_EQ(report->QueryInterface(IID_ICorvinataSkyWindow, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(report->Release(), 0u);
    ReleaseAutomationTypeInformation();
}

}  // namespace
}  // namespace corvinata::automation
