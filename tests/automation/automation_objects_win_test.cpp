// The application object over a real frame in this process: one App for
// every creation, each change one step of the window's history with the
// menu's text, an unchanged value no step, an embedded server's last
// release closing its windows without a question.
#include <windows.h>
#include <msxml.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <utility>

#include "automation/automation_server_win.h"
#include "controls/message_box.h"
#include "frame/frame_test.h"
#include "frame/modal_driver.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "support/graph_fakes.h"
#include "views/graph_save.h"
#include "views/graph_window_win.h"
#include "views/sky_display_win.h"
#include "views/sky_window_win.h"

namespace corvinata::automation {
namespace {

class AutomationInProcess : public test::FrameTest {
protected:
    AutomationInProcess() {
        Start(false);
        UseCustomControls();
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        server_ = std::make_unique<AutomationServer>(*app_, *frame_, false);
    }
    // The server as COM starts the program for a client: hidden, ended by
    // the last release.
    void ServeEmbedded() {
        server_.reset();
        server_ = std::make_unique<AutomationServer>(*app_, *frame_, true);
    }
    ~AutomationInProcess() override {
        server_.reset();
        if (frame_) CloseAllChildrenWithoutAsking(*frame_);
        frame_.reset();
        fonts_.reset();
    }
    ICorvinataApp* NewApp() {
        ICorvinataApp* app = nullptr;
        EXPECT_EQ(server_->CreateApp(IID_ICorvinataApp, reinterpret_cast<void**>(&app)), S_OK);
        return app;
    }
    static std::wstring UndoText(MdiChildWindow& window) {
        const CommandGroup* step = window.History() ? window.History()->PeekUndoCommand() : nullptr;
        return step ? std::wstring(step->GetText(true).Text()) : L"<none>";
    }
    static int Steps(MdiChildWindow& window) { return window.History() ? window.History()->UndoableCount() : -1; }

    std::unique_ptr<ProgramFonts> fonts_;
    std::unique_ptr<AutomationServer> server_;
};

// The modal loops a client's call can arrive in (COM's calls come through
// the loop's messages): a Sky window's Options, which disables the frame,
// and a tool window's message box, which disables the tool window. Each
// opens its loop with `during` run inside it and ends it as the user would.
struct ModalLoopRow {
    const char* name;
    int end;  // the button that ends it
    bool toolWindow;
};
constexpr ModalLoopRow kModalLoops[] = {{"a Sky window's Options", IDCANCEL, false},
                                        {"a tool window's message box", IDOK, true}};

void InsideModalLoop(FrameWindow& frame, HWND skyDisplay, const ModalLoopRow& loop,
                     const std::function<void()>& during) {
    test::ModalDriver::Run([&](test::ModalDriver&, HWND dialog) {
        during();
        // The first dialog made may be a page of the one that runs the loop.
        EndDialog(GetAncestor(dialog, GA_ROOT), loop.end);
    }, [&] {
        if (loop.toolWindow) {
            const ToolWindow* finder = frame.Tools().Find(CMD_EVENT_FINDER);
            RunMessageBox(GetModuleHandleW(nullptr), finder ? finder->Window() : nullptr, L"Tool", kButtonsOk,
                          kMessageInformation, MessageTopic::ErrorInitializing);
        } else {
            SendMessageW(skyDisplay, WM_COMMAND, CMD_SKY_OPTIONS, 0);
        }
        return 0;
    });
}

HWND SkyDisplayOf(MdiChildWindow* window) {
    auto* sky = dynamic_cast<SkyWindow*>(window);
    return sky && sky->Display() ? sky->Display()->Window() : nullptr;
}

// A client's close that arrives while a dialog of the program is open
// closes nothing, and the client hears so: the code that opened the dialog
// goes on with its window when it returns. Once the dialog is closed, the
// same call closes the window.
TEST_F(AutomationInProcess, ACloseUnderAnOpenDialogClosesNothingAndSaysSo) {
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    const struct {
        const char* name;
        HRESULT (*close)(ICorvinataApp*, ICorvinataSkyWindow*);
    } closes[] = {
        {"the window's Close", [](ICorvinataApp*, ICorvinataSkyWindow* s) { return s->Close(); }},
        {"CloseAllMainWindows", [](ICorvinataApp* a, ICorvinataSkyWindow*) { return a->CloseAllMainWindows(); }},
    };
    for (const ModalLoopRow& loop : kModalLoops) {
        for (const auto& c : closes) {
            ICorvinataSkyWindow* sky = nullptr;
            ASSERT_EQ(app->OpenSkyWindow(&sky), S_OK);
            const HWND display = SkyDisplayOf(frame_->Children().ActiveWindow());
            ASSERT_NE(display, nullptr);
            HRESULT during = S_OK;
            std::size_t openDuring = 0;
            InsideModalLoop(*frame_, display, loop, [&] {
                during = c.close(app, sky);
                openDuring = frame_->Registry().AllWindows().size();
            });
            EXPECT_EQ(during, kBusyInADialog) << loop.name << ", " << c.name;
            EXPECT_EQ(openDuring, 1u) << loop.name << ", " << c.name;
            EXPECT_TRUE(IsWindow(display)) << loop.name << ", " << c.name;
            EXPECT_EQ(c.close(app, sky), S_OK) << loop.name << ", " << c.name;
            EXPECT_TRUE(frame_->Registry().AllWindows().empty()) << loop.name << ", " << c.name;
            EXPECT_EQ(sky->Close(), S_FALSE) << loop.name << ", " << c.name;
            sky->Release();
        }
    }
    app->Release();
}

// An embedded server's client lets go while a dialog is open (it showed
// the program, the user opened the dialog): the program ends, windows and
// all, once the dialog is closed, not under it.
TEST_F(AutomationInProcess, TheEndAfterTheLastReleaseWaitsForAnOpenDialog) {
    ServeEmbedded();
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    ICorvinataSkyWindow* sky = nullptr;
    ASSERT_EQ(app->OpenSkyWindow(&sky), S_OK);
    sky->Release();
    const HWND display = SkyDisplayOf(frame_->Children().ActiveWindow());
    ASSERT_NE(display, nullptr);
    bool standing = false;
    InsideModalLoop(*frame_, display, kModalLoops[0], [&] {
        EXPECT_EQ(app->Release(), 0u);
        // The end's timer runs in the dialog's loop as well.
        test::FrameTest::RunMessagesUntil([] { return false; }, 500);
        standing = frame_->Window() && frame_->Registry().AllWindows().size() == 1 && IsWindow(display);
    });
    EXPECT_TRUE(standing) << "the window stays while the dialog is open";
    EXPECT_TRUE(test::FrameTest::RunMessagesUntil([this] { return frame_->Window() == nullptr; }, 5000))
        << "the program ends after the dialog";
}

TEST_F(AutomationInProcess, OneApplicationAndOneStepPerChange) {
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    ICorvinataApp* again = NewApp();
    EXPECT_EQ(again, app);  // the one App, with a reference added
    again->Release();

    ICorvinataSkyWindow* sky = nullptr;
    ASSERT_EQ(app->OpenSkyWindow(&sky), S_OK);
    MdiChildWindow* window = frame_->Children().ActiveWindow();
    ASSERT_NE(window, nullptr);
    const int before = Steps(*window);
    const struct {
        HRESULT (*change)(ICorvinataSkyWindow*);
        int newSteps;
        const wchar_t* text;
    } rows[] = {
        {[](ICorvinataSkyWindow* s) { return s->put_MoonVisible(VARIANT_FALSE); }, 1, L"Change Sky Options"},
        {[](ICorvinataSkyWindow* s) { return s->put_MoonVisible(VARIANT_FALSE); }, 0, L"Change Sky Options"},
        {[](ICorvinataSkyWindow* s) { return s->put_GridType(CnGridType_Equatorial); }, 1, L"Change Sky Options"},
        {[](ICorvinataSkyWindow* s) { return s->put_GridType(static_cast<::GridType>(3)); }, 0, L"Change Sky Options"},
    };
    int expected = before;
    for (const auto& row : rows) {
        row.change(sky);
        expected += row.newSteps;
        EXPECT_EQ(Steps(*window), expected);
        EXPECT_EQ(UndoText(*window), row.text);
    }

    ICorvinataGraphWindow* graph = nullptr;
    ASSERT_EQ(app->OpenGraphWindow(&graph), S_OK);
    MdiChildWindow* graphWindow = frame_->Children().ActiveWindow();
    ASSERT_NE(graphWindow, nullptr);
    const int graphBefore = Steps(*graphWindow);
    EXPECT_EQ(graph->put_XAxisReversed(VARIANT_TRUE), S_OK);
    EXPECT_EQ(graph->put_XAxisReversed(VARIANT_TRUE), S_OK);
    EXPECT_EQ(Steps(*graphWindow), graphBefore + 1);
    EXPECT_EQ(UndoText(*graphWindow), L"Change Graph Options");
    ICorvinataGraphLine* line = nullptr;
    ASSERT_EQ(graph->AppendNewLine(&line), S_OK);
    BSTR red = SysAllocString(L"Red");
    EXPECT_EQ(line->put_Colour(red), S_OK);
    const int afterColour = Steps(*graphWindow);
    EXPECT_EQ(line->put_Colour(red), S_OK);
    EXPECT_EQ(Steps(*graphWindow), afterColour);
    EXPECT_EQ(UndoText(*graphWindow).rfind(L"Edit graph line", 0), 0u) << UndoText(*graphWindow);
    SysFreeString(red);

    // The user's copy: the last release leaves the windows open.
    line->Release();
    graph->Release();
    sky->Release();
    EXPECT_EQ(app->Release(), 0u);
    EXPECT_NE(frame_->Children().ActiveWindow(), nullptr);
}

// A graph whose longitude is read east-positive keeps reading it so when a
// client moves it to a town, or types a new longitude or latitude.
TEST_F(AutomationInProcess, AGraphKeepsItsDisplayModesWhenAClientMovesIt) {
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    ICorvinataGraphWindow* graph = nullptr;
    ASSERT_EQ(app->OpenGraphWindow(&graph), S_OK);
    auto* window = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(window, nullptr);
    GeoCoordinates& own = window->Graph().Settings().location.coordinates;
    own.longitude.SetOrientation(kEastPositive);
    own.latitude.mode = kLatitudeMinusSign;
    BSTR country = SysAllocString(L"France");
    BSTR town = SysAllocString(L"Paris");
    BSTR longitude = SysAllocString(L"10 W");
    BSTR latitude = SysAllocString(L"20 S");
    const struct {
        HRESULT result;
        const char* change;
    } rows[] = {{graph->SetLocation(country, town), "town"},
                {graph->put_Longitude(longitude), "longitude"},
                {graph->put_Latitude(latitude), "latitude"}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.result, S_OK) << row.change;
        const Location& place = window->Graph().Options().location;
        EXPECT_EQ(place.coordinates.longitude.GetOrientation(), kEastPositive) << row.change;
        EXPECT_EQ(place.coordinates.latitude.mode, kLatitudeMinusSign) << row.change;
    }
    const Location& place = window->Graph().Options().location;
    EXPECT_EQ(std::wstring(place.town.Text()), L"Paris");
    EXPECT_DOUBLE_EQ(place.coordinates.longitude.GetValue(), 10.0);
    EXPECT_DOUBLE_EQ(place.coordinates.latitude.GetValue(), -20.0);
    for (BSTR text : {country, town, longitude, latitude}) SysFreeString(text);
    graph->Release();
    app->Release();
}

// A y limit is read as the first line's kind reads it: times and angles
// with their own readers, every other kind one number alone in the line's
// unit; the text the limit's get gave reads back; a text whose unit or
// suffix would be dropped is refused, and so is a limit the kind does not
// admit, which the graph would otherwise drop while the client heard S_OK.
TEST_F(AutomationInProcess, AYLimitIsReadAsTheLinesKindReadsIt) {
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    ICorvinataGraphWindow* graph = nullptr;
    ASSERT_EQ(app->OpenGraphWindow(&graph), S_OK);
    auto* window = dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(window, nullptr);
    ICorvinataGraphLine* line = nullptr;
    ASSERT_EQ(graph->AppendNewLine(&line), S_OK);
    constexpr const wchar_t* kGetsOwnText = nullptr;
    const struct {
        const wchar_t* line;
        const wchar_t* text;  // kGetsOwnText: what get_YAxisMax answers
        bool maximum;
        bool accepted;
        double value;
    } rows[] = {
        {L"Earth.DistSun(Au)", L"2", true, true, 2.0},
        // Exactly one number: blanks before it, nothing after it.
        {L"Earth.DistSun(Au)", L" 2.5", true, true, 2.5},
        {L"Earth.DistSun(Au)", L" 2.5 ", true, false, 0.0},
        {L"Earth.DistSun(Au)", L"2.5\t", true, false, 0.0},
        {L"Earth.DistSun(Au)", L"3 km", true, false, 0.0},
        {L"Earth.DistSun(Au)", L"4 mi", true, false, 0.0},
        {L"Earth.DistSun(Au)", L"2x", true, false, 0.0},
        {L"Earth.DistSun(Au)", kGetsOwnText, true, true, 0.0},
        {L"Constellation(5)", L"2.5", true, true, 2.5},
        {L"Constellation(5)", L"87", true, true, 87.0},
        {L"Constellation(5)", L"88", true, false, 0.0},  // beyond the kind's range
        {L"Constellation(5)", L"-1", false, false, 0.0},
        {L"Constellation(5)", L"5 km", true, false, 0.0},
        {L"Constellation(5)", kGetsOwnText, true, true, 0.0},
        {L"Zodiac(3)", L"1.5", true, true, 1.5},
        {L"Zodiac(3)", L"12", true, false, 0.0},
        {L"Zodiac(3)", kGetsOwnText, true, true, 0.0},
        {L"Direction(90)", L"45", true, true, 45.0},
        {L"Direction(90)", L"12h", true, false, 0.0},
        {L"Direction(90)", L"5x", true, false, 0.0},
        {L"Scalar(2)", L"-2.5e1", false, true, -25.0},
        {L"Scalar(2)", L"2.5 km", true, false, 0.0},
        {L"Angle90(10)", L"10 S", false, true, -10.0},
        {L"Sun.Rise(lct)", L"6:30", true, true, 6.5},
        {L"Sun.Rise(lct)", L"24:00", true, true, 24.0},
        {L"Sun.Rise(lct)", L"6:30:00 UT", true, false, 0.0},
        {L"Sun.Rise(lct)", L"6:30:00:45", true, false, 0.0},
        {L"Sun.Rise(lct)", L"12:30:45:", true, false, 0.0},
        {L"Sun.Rise(lct)", L"10:30:00.5", true, true, 10.5 + 0.5 / 3600},
        {L"Sun.Rise(lct)", L"6.5", true, false, 0.0},
    };
    for (const auto& row : rows) {
        BSTR code = SysAllocString(row.line);
        ASSERT_EQ(line->put_CorvinataScriptCode(code), S_OK);
        SysFreeString(code);
        // The kind's range from the line, both ends open.
        window->Graph().UpdateGraphRange();
        window->Graph().Settings().yAxisMin = -std::numeric_limits<double>::infinity();
        window->Graph().Settings().yAxisMax = std::numeric_limits<double>::infinity();
        BSTR text = nullptr;
        if (row.text == kGetsOwnText) {
            ASSERT_EQ(graph->get_YAxisMax(&text), S_OK);
            ASSERT_NE(text, nullptr);
        } else {
            text = SysAllocString(row.text);
        }
        const std::wstring typed = text;
        const HRESULT result = row.maximum ? graph->put_YAxisMax(text) : graph->put_YAxisMin(text);
        SysFreeString(text);
        EXPECT_EQ(result, row.accepted ? S_OK : E_INVALIDARG) << row.line << " " << typed;
        const TimeAndLocation& options = window->Graph().Options();
        const double limit = row.maximum ? options.yAxisMax : options.yAxisMin;
        if (!row.accepted) {
            EXPECT_TRUE(std::isinf(limit)) << row.line << " " << typed;
        } else if (row.text == kGetsOwnText) {
            BSTR again = nullptr;
            EXPECT_EQ(graph->get_YAxisMax(&again), S_OK);
            EXPECT_EQ(std::wstring(again ? again : L""), typed) << row.line;
            SysFreeString(again);
        } else {
            EXPECT_DOUBLE_EQ(limit, row.value) << row.line << " " << typed;
        }
    }
    line->Release();
    graph->Release();
    app->Release();
}

// A graph's begin time is read in the graph's own time system: a time
// naming another system is refused, not read as the graph's.
// A client's graph file opens with the values it holds, whether the client
// opens it in a window of its own or loads it into a graph it has; neither
// puts it among the recent files, which take a graph when its window closes.
TEST_F(AutomationInProcess, AGraphFileOpensWithTheValuesItHolds) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"client values.gph";
    {
        auto written = NewGraphDocument(app_->GetNotificationHub(), ObjectModelGraphServices(app_->Current()));
        ASSERT_NE(written, nullptr);
        GraphLine* line = written->InsertLine(0, test::NamedLine("Half", "Phase(50)"));
        ASSERT_NE(line, nullptr);
        line->values.fill(42.0);  // never what the expression computes
        ASSERT_TRUE(WriteGraphFile(*written, String(path.c_str()), app_->GetStorage()));
    }
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    BSTR file = SysAllocString(path.c_str());
    const struct {
        const char* member;
        std::function<GraphWindow*()> open;
    } rows[] = {
        {"App.LoadGraph",
         [&]() -> GraphWindow* {
             VARIANT error;
             VariantInit(&error);
             ICorvinataGraphWindow* loaded = nullptr;
             EXPECT_EQ(app->LoadGraph(file, &error, &loaded), S_OK);
             VariantClear(&error);
             if (!loaded) return nullptr;
             loaded->Release();
             return dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
         }},
        {"Graph.LoadFromFile",
         [&]() -> GraphWindow* {
             ICorvinataGraphWindow* graph = nullptr;
             if (app->OpenGraphWindow(&graph) != S_OK || !graph) return nullptr;
             VARIANT error;
             VariantInit(&error);
             EXPECT_EQ(graph->LoadFromFile(file, &error), S_OK);
             VariantClear(&error);
             graph->Release();
             return dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow());
         }},
    };
    for (const auto& row : rows) {
        GraphWindow* window = row.open();
        ASSERT_NE(window, nullptr) << row.member;
        ASSERT_EQ(window->Graph().LineCount(), 1) << row.member;
        const GraphValues& values = window->Graph().GetGraphLine(0)->values;
        EXPECT_EQ(std::count(values.begin(), values.end(), 42.0), kGraphValueCount) << row.member;
        EXPECT_TRUE(app_->Recent().Paths().empty()) << row.member;
        CloseAllChildrenWithoutAsking(*frame_);
    }
    SysFreeString(file);
    app->Release();
    DeleteFileW(path.c_str());
}

// Whether the system's XML reader loads the file, and the text of its
// first line's name.
bool SystemXmlReaderLoads(const std::wstring& path, std::wstring& name) {
    IXMLDOMDocument* document = nullptr;
    if (FAILED(CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument,
                                reinterpret_cast<void**>(&document)))) {
        return false;
    }
    document->put_async(VARIANT_FALSE);
    VARIANT file;
    VariantInit(&file);
    V_VT(&file) = VT_BSTR;
    V_BSTR(&file) = SysAllocString(path.c_str());
    VARIANT_BOOL loaded = VARIANT_FALSE;
    document->load(file, &loaded);
    VariantClear(&file);
    IXMLDOMNode* node = nullptr;
    BSTR query = SysAllocString(L"/Graph/Line/Name");
    if (loaded == VARIANT_TRUE && SUCCEEDED(document->selectSingleNode(query, &node)) && node) {
        BSTR text = nullptr;
        node->get_text(&text);
        name = text ? text : L"";
        SysFreeString(text);
        node->Release();
    }
    SysFreeString(query);
    document->Release();
    return loaded == VARIANT_TRUE;
}

// A client's SaveToFile says "No error" for a file it wrote, and only then:
// a line named with characters XML cannot hold exports a document the
// system's XML reader reads, with U+FFFD where they stood; a path that is a
// folder is written to by no one.
TEST_F(AutomationInProcess, SaveToFileExportsAReadableDocumentAndSaysWhenItWroteNone) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    ICorvinataGraphWindow* graph = nullptr;
    ASSERT_EQ(app->OpenGraphWindow(&graph), S_OK);
    ICorvinataGraphLine* line = nullptr;
    ASSERT_EQ(graph->AppendNewLine(&line), S_OK);
    BSTR name = SysAllocString(L"Moon\x07\x0B\x0C\xFFFE\xFFFF\xD800rise");
    EXPECT_EQ(line->put_Name(name), S_OK);
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring exported = std::wstring(folder) + L"client export.xml";
    const std::wstring notAFile = std::wstring(folder) + L"client folder.xml";
    DeleteFileW(exported.c_str());
    CreateDirectoryW(notAFile.c_str(), nullptr);
    const struct {
        const std::wstring& path;
        std::wstring error;
    } rows[] = {{exported, L"No error"}, {notAFile, L"An error occurred writing " + notAFile}};
    for (const auto& row : rows) {
        BSTR path = SysAllocString(row.path.c_str());
        VARIANT error;
        VariantInit(&error);
        EXPECT_EQ(graph->SaveToFile(path, &error), S_OK);
        EXPECT_EQ(V_VT(&error), VT_BSTR);
        EXPECT_EQ(test::Utf8(V_VT(&error) == VT_BSTR ? V_BSTR(&error) : L""), test::Utf8(row.error.c_str()));
        VariantClear(&error);
        SysFreeString(path);
    }
    std::wstring read;
    EXPECT_TRUE(SystemXmlReaderLoads(exported, read));
    EXPECT_EQ(test::Utf8(read.c_str()), test::Utf8(L"Moon\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFDrise"));
    DeleteFileW(exported.c_str());
    RemoveDirectoryW(notAFile.c_str());
    SysFreeString(name);
    line->Release();
    graph->Release();
    app->Release();
    CoUninitialize();
}

TEST_F(AutomationInProcess, ABeginTimeNamingAnotherSystemIsRefused) {
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    ICorvinataGraphWindow* graph = nullptr;
    ASSERT_EQ(app->OpenGraphWindow(&graph), S_OK);
    BSTR date = SysAllocString(L"1.3.2024");
    BSTR days = SysAllocString(L"Days");
    for (const auto& [time, result] :
         {std::pair{L"10:00", S_OK}, std::pair{L"10:00:00 UT", E_INVALIDARG}, std::pair{L"6:30:00:45", E_INVALIDARG},
          std::pair{L"12:30:45:", E_INVALIDARG}, std::pair{L"10:00:00.5", S_OK}, std::pair{L"24:00", S_OK}}) {
        BSTR begin = SysAllocString(time);
        EXPECT_EQ(graph->SetTimeBeginAndStep(date, begin, 10, days), result) << time;
        SysFreeString(begin);
    }
    SysFreeString(date);
    SysFreeString(days);
    graph->Release();
    app->Release();
}

// A client's text is read whole, by the length its BSTR carries: every
// member that reads a value refuses a text holding a NUL, where the C
// string before the NUL was read as if it were all ("3" & Chr(0) & " km"
// as 3 AU, "40" & Chr(0) & " S" as 40 degrees north). What comes before
// the NUL, sent alone, is a value each member takes.
TEST_F(AutomationInProcess, AValueTextHoldingANulIsRefused) {
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    ICorvinataGraphWindow* graph = nullptr;
    ICorvinataGraphLine* line = nullptr;
    ICorvinataSolarEclipseWindow* eclipse = nullptr;
    ICorvinataReportWindow* report = nullptr;
    ICorvinataPictureWindow* picture = nullptr;
    ICorvinataSkyWindow* sky = nullptr;
    ASSERT_EQ(app->OpenGraphWindow(&graph), S_OK);
    ASSERT_EQ(graph->AppendNewLine(&line), S_OK);  // the Earth's distance from the Sun in AU
    // The country outlines are not in this program's folder: the eclipse
    // window says so once, and opens without them.
    test::ModalDriver::Run([](test::ModalDriver&, HWND box) { EndDialog(GetAncestor(box, GA_ROOT), IDOK); },
                           [&] { return app->OpenSolarEclipseWindow(&eclipse); });
    ASSERT_NE(eclipse, nullptr);
    ASSERT_EQ(app->OpenReportWindow_Day(&report), S_OK);
    ASSERT_EQ(app->OpenPictureWindow(&picture), S_OK);
    ASSERT_EQ(app->OpenSkyWindow(&sky), S_OK);
    BSTR function = nullptr;
    ASSERT_EQ(line->get_Function(&function), S_OK);
    const std::wstring functionName = function;
    SysFreeString(function);

    // The other texts of a member with several, each a value it takes.
    const auto with = [](const wchar_t* text, const std::function<HRESULT(BSTR)>& call) {
        BSTR other = SysAllocString(text);
        const HRESULT result = call(other);
        SysFreeString(other);
        return result;
    };
    const auto fileCall = [](const std::function<HRESULT(VARIANT*)>& call) {
        VARIANT error;
        VariantInit(&error);
        const HRESULT result = call(&error);
        VariantClear(&error);
        return result;
    };
    using namespace std::string_literals;
    const struct {
        const char* member;
        std::wstring text;
        std::function<HRESULT(BSTR)> call;
    } rows[] = {
        {"EvaluateCorvinataScript", L"1 + 1\0 junk"s,
         [&](BSTR t) {
             BSTR result = nullptr;
             const HRESULT status = app->EvaluateCorvinataScript(t, &result);
             SysFreeString(result);
             return status;
         }},
        {"LoadGraph", L"Q:\\missing.gph\0.txt"s,
         [&](BSTR t) {
             return fileCall([&](VARIANT* error) {
                 ICorvinataGraphWindow* loaded = nullptr;
                 const HRESULT status = app->LoadGraph(t, error, &loaded);
                 if (loaded) loaded->Release();
                 return status;
             });
         }},
        {"App.SetLocation country", L"France\0 x"s,
         [&](BSTR t) { return with(L"Paris", [&](BSTR town) { return app->SetLocation(t, town); }); }},
        {"App.SetLocation town", L"Paris\0 x"s,
         [&](BSTR t) { return with(L"France", [&](BSTR country) { return app->SetLocation(country, t); }); }},
        {"Graph.Latitude", L"40\0 S"s, [&](BSTR t) { return graph->put_Latitude(t); }},
        {"Graph.Longitude", L"10\0 E"s, [&](BSTR t) { return graph->put_Longitude(t); }},
        {"Graph.LoadFromFile", L"Q:\\missing.gph\0.txt"s,
         [&](BSTR t) { return fileCall([&](VARIANT* error) { return graph->LoadFromFile(t, error); }); }},
        {"Graph.SaveToFile", L"Q:\\no such drive\\graph.gph\0.txt"s,
         [&](BSTR t) { return fileCall([&](VARIANT* error) { return graph->SaveToFile(t, error); }); }},
        {"Graph.SetLocation country", L"France\0 x"s,
         [&](BSTR t) { return with(L"Paris", [&](BSTR town) { return graph->SetLocation(t, town); }); }},
        {"Graph.SetLocation town", L"Paris\0 x"s,
         [&](BSTR t) { return with(L"France", [&](BSTR country) { return graph->SetLocation(country, t); }); }},
        {"Graph.SetTimeBeginAndEnd begin date", L"1.3.2024\0.2025"s,
         [&](BSTR t) {
             return with(L"10:00", [&](BSTR time) {
                 return with(L"2.3.2024", [&](BSTR end) { return graph->SetTimeBeginAndEnd(t, time, end, time); });
             });
         }},
        {"Graph.SetTimeBeginAndEnd times", L"6:30\0 UT"s,
         [&](BSTR t) {
             return with(L"1.3.2024", [&](BSTR begin) {
                 return with(L"2.3.2024", [&](BSTR end) { return graph->SetTimeBeginAndEnd(begin, t, end, t); });
             });
         }},
        {"Graph.SetTimeBeginAndStep unit", L"Days\0 x"s,
         [&](BSTR t) {
             return with(L"1.3.2024", [&](BSTR date) {
                 return with(L"10:00", [&](BSTR time) { return graph->SetTimeBeginAndStep(date, time, 10, t); });
             });
         }},
        {"Graph.SetXAxisGridStep", L"Hours\0 x"s, [&](BSTR t) { return graph->SetXAxisGridStep(6, t); }},
        {"Graph.SetXAxisLabelStep", L"Days\0 x"s, [&](BSTR t) { return graph->SetXAxisLabelStep(2, t); }},
        {"Graph.SetXAxisMarkStep", L"Days\0 x"s, [&](BSTR t) { return graph->SetXAxisMarkStep(1, t); }},
        {"Graph.YAxisMax", L"3\0 km"s, [&](BSTR t) { return graph->put_YAxisMax(t); }},
        {"Graph.YAxisMin", L"0.5\0 km"s, [&](BSTR t) { return graph->put_YAxisMin(t); }},
        {"Line.Function", functionName + L"\0 x"s, [&](BSTR t) { return line->put_Function(t); }},
        {"Line.Body", L"Mars\0 x"s, [&](BSTR t) { return line->put_Body(t); }},
        {"Line.Colour", L"Red\0 x"s, [&](BSTR t) { return line->put_Colour(t); }},
        {"Line.Name", L"Line A\0 x"s, [&](BSTR t) { return line->put_Name(t); }},
        {"Line.CorvinataScriptCode", L"Earth.DistSun(Au)\0 * 2"s,
         [&](BSTR t) { return line->put_CorvinataScriptCode(t); }},
        {"Eclipse.EclipseDate", L"8.4.2024\0.7"s, [&](BSTR t) { return eclipse->put_EclipseDate(t); }},
        {"Eclipse.MapCenterLatitude", L"10\0 S"s, [&](BSTR t) { return eclipse->put_MapCenterLatitude(t); }},
        {"Eclipse.MapCenterLongitude", L"10\0 W"s, [&](BSTR t) { return eclipse->put_MapCenterLongitude(t); }},
        {"Eclipse.ObserverLatitude", L"40\0 S"s, [&](BSTR t) { return eclipse->put_ObserverLatitude(t); }},
        {"Eclipse.ObserverLongitude", L"40\0 W"s, [&](BSTR t) { return eclipse->put_ObserverLongitude(t); }},
        {"Eclipse.ObserverTime", L"6:30\0 LCT"s, [&](BSTR t) { return eclipse->put_ObserverTime(t); }},
        {"Report.Date", L"5.3.2024\0.7"s, [&](BSTR t) { return report->put_Date(t); }},
        {"Picture.SelectedPicture", L"m042.jpg\0 x"s, [&](BSTR t) { return picture->put_SelectedPicture(t); }},
        {"Sky.FindObject", L"Mars\0 x"s, [&](BSTR t) { return sky->FindObject(t); }},
    };
    for (const auto& row : rows) {
        const std::wstring before = row.text.substr(0, row.text.find(L'\0'));
        ASSERT_LT(before.size(), row.text.size()) << row.member;
        BSTR alone = SysAllocString(before.c_str());
        BSTR whole = SysAllocStringLen(row.text.data(), static_cast<UINT>(row.text.size()));
        // (No picture pack is installed here: a name it lacks is E_FAIL.)
        EXPECT_NE(row.call(alone), E_INVALIDARG) << row.member;
        EXPECT_EQ(row.call(whole), E_INVALIDARG) << row.member;
        SysFreeString(alone);
        SysFreeString(whole);
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{line, graph, eclipse, report, picture, sky}) {
        object->Release();
    }
    app->Release();
}

TEST_F(AutomationInProcess, NullOutPointersAndEmptyTexts) {
    ICorvinataApp* app = NewApp();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->get_WindowVisible(nullptr), E_POINTER);
    EXPECT_EQ(app->OpenSkyWindow(nullptr), E_POINTER);
    EXPECT_EQ(app->GetDateTime(nullptr, nullptr, nullptr, nullptr, nullptr), E_POINTER);
    VARIANT error;
    ICorvinataGraphWindow* graph = reinterpret_cast<ICorvinataGraphWindow*>(1);
    EXPECT_EQ(app->LoadGraph(nullptr, nullptr, &graph), E_INVALIDARG);
    EXPECT_EQ(graph, nullptr);
    EXPECT_EQ(app->LoadGraph(nullptr, &error, &graph), S_OK);  // COM's empty text: no such file
    EXPECT_EQ(graph, nullptr);
    EXPECT_EQ(V_VT(&error), VT_BSTR);
    VariantClear(&error);
    EXPECT_EQ(app->Release(), 0u);
}

}  // namespace
}  // namespace corvinata::automation
