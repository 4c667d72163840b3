// The application object over a real frame in this process: one App for
// every creation, each change one step of the window's history with the
// menu's text, an unchanged value no step, an embedded server's last
// release closing its windows without a question.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "automation/automation_server_win.h"
#include "frame/frame_test.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "views/graph_window_win.h"

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
