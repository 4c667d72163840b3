// The Graph window in a real frame: File > New Graph, its caption, the
// plot drawn where the geometry puts it, and the guide line's repaint.
#include <windows.h>

#include <dlgs.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/related_tasks.h"
#include "frame/frame_window_services.h"
#include "frame_test.h"
#include "modal_driver.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/graph_fakes.h"
#include "views/graph_save.h"
#include "views/graph_window_win.h"

namespace corvinata::test {
namespace {

// The file chooser the keyboard would drive: answers with a set path.
class ChosenPath final : public GraphSaveDialogs {
public:
    bool ChooseSavePath(const String& proposed, String& chosen) override {
        proposals.push_back(Utf8(proposed));
        chosen = path;
        return path.Length() > 0;
    }
    bool ChooseOpenPaths(std::vector<String>& paths) override {
        paths = openPaths;
        return !paths.empty();
    }
    bool AskYesNo(const String&, MessageTopic) override { return true; }
    PromptAnswer AskYesNoCancel(const String& text, MessageTopic) override {
        questions.push_back(Utf8(text));
        return closeAnswer;
    }
    void ShowError(const String& text, MessageTopic) override { errors.push_back(Utf8(text)); }
    void ShowNotice(const String& text) override { notices.push_back(Utf8(text)); }
    PromptAnswer closeAnswer = PromptAnswer::No;
    String path;
    std::vector<String> openPaths;
    std::vector<std::string> proposals, errors, notices, questions;
};

class GraphWindowTest : public FrameTest {
protected:
    GraphWindowTest() {
        EXPECT_TRUE(SharedCatalogues());
        StartWithGraphs();
    }
    // The frame with the test's Graph kind, then the start-up message.
    void StartWithGraphs() {
        Start(false);
        auto kind = std::make_unique<GraphWindowKind>(
            app_->GetNotificationHub(), ObjectModelGraphServices(app_->Current()), GetModuleHandleW(nullptr),
            GraphFileServices{&app_->GetStorage(), &app_->Product(), &app_->Recent(), &dialogs});
        kind->SetChildren(&frame_->Children());
        frame_->Children().AddKind(std::move(kind));
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        frame_->UpdateCommandStates();
        ShowWindow(frame_->Window(), SW_SHOW);
        SetWindowPos(frame_->Window(), HWND_TOP, 0, 0, 1000, 800, SWP_SHOWWINDOW);
    }
    ~GraphWindowTest() override {
        Command(CMD_CLOSE_ALL);
        UnregisterGraphWindowClasses(GetModuleHandleW(nullptr));
    }
    ChosenPath dialogs;
    GraphWindow* Active() { return dynamic_cast<GraphWindow*>(frame_->Children().ActiveWindow()); }
    static std::string Caption(HWND window) {
        wchar_t text[200] = {};
        GetWindowTextW(window, text, 200);
        return Utf8(text);
    }
    static COLORREF PixelOf(HWND window, int x, int y) {
        HDC dc = GetDC(window);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window, dc);
        return colour;
    }
};

TEST_F(GraphWindowTest, NewGraphShowsAConstantLineOnItsRowAndMovesTheGuideByItsStrip) {
    EXPECT_EQ(MenuState(CMD_NEW_GRAPH) & MF_GRAYED, 0u);
    Command(CMD_NEW_GRAPH);
    GraphWindow* window = Active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Caption(window->Handle()), "Graph: [Unsaved graph]");
    SendMessageW(frame_->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);

    GraphDocument& graph = window->Graph();
    graph.InsertLine(0, NamedLine("Level"));
    graph.UpdateGraphRange();
    graph.Settings().yAxisMin = 0.0;
    graph.Settings().yAxisMax = 100.0;
    GraphLine* line = graph.GetGraphLine(0);
    line->values.fill(42.0);
    line->colour = 5;
    window->ShowGuideLine(true);
    window->UpdateView();

    const GraphScales scales = window->DisplayScales();
    ASSERT_TRUE(scales.Drawable());
    const int row = MapGraphPoint(scales, 0, GraphValuePixel(scales, 42.0)).y;
    for (int step : {3, 100, 250, 360}) {
        const int x = MapGraphPoint(scales, GraphTimePixel(scales, step), 0).x;
        EXPECT_EQ(PixelOf(window->DisplayWindow(), x, row), RGB(0, 0, 255)) << step;
    }
    // The value axis stands left of the plot, the time axis below it.
    RECT display{}, yAxis{}, xAxis{};
    GetWindowRect(window->DisplayWindow(), &display);
    GetWindowRect(window->YAxisWindow(), &yAxis);
    GetWindowRect(window->XAxisWindow(), &xAxis);
    EXPECT_EQ(yAxis.top, display.top);
    EXPECT_EQ(yAxis.bottom, display.bottom);
    EXPECT_EQ(xAxis.left, display.left);
    EXPECT_EQ(xAxis.right, display.right);
    EXPECT_GT(xAxis.top, display.bottom);

    // A mark far from the guide survives the move: only the strips repaint.
    const int markX = MapGraphPoint(scales, GraphTimePixel(scales, 300), 0).x;
    HDC dc = GetDC(window->DisplayWindow());
    SetPixel(dc, markX, 10, RGB(255, 0, 255));
    ReleaseDC(window->DisplayWindow(), dc);
    const int clickX = MapGraphPoint(scales, GraphTimePixel(scales, 120), 0).x;
    SendMessageW(window->DisplayWindow(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(clickX, 30));
    EXPECT_EQ(window->GuideLinePosition(), 120);
    EXPECT_EQ(PixelOf(window->DisplayWindow(), markX, 10), RGB(255, 0, 255));
    int changed = 0;
    for (int y = 0; y < scales.height; ++y) {
        if (y != row && PixelOf(window->DisplayWindow(), clickX, y) != PixelOf(window->DisplayWindow(), clickX + 3, y))
            ++changed;
    }
    EXPECT_GT(changed, scales.height / 4);
    // The step under the mouse is told to the program, and the leaving.
    RecordingObserver listener;
    app_->GetNotificationHub().Insert(&listener);
    SendMessageW(window->DisplayWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(clickX, 40));
    SendMessageW(window->DisplayWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(clickX, 50));  // the same step
    SendMessageW(window->DisplayWindow(), WM_MOUSELEAVE, 0, 0);
    app_->GetNotificationHub().Erase(&listener);
    ASSERT_EQ(listener.heard.size(), 2u);
    EXPECT_EQ(listener.heard[0].event, kEventGraphMouseMoved);
    EXPECT_EQ(listener.heard[0].flags, 120u);
    EXPECT_EQ(listener.heard[1].event, kEventGraphMouseLeft);
    // The last step is the limit.
    window->SetGuideLine(400);
    EXPECT_EQ(window->GuideLinePosition(), 365);
}

TEST_F(GraphWindowTest, SaveAsWritesTheFileAndTheCaptionLosesItsMark) {
    EXPECT_NE(MenuState(CMD_SAVE_GRAPH) & MF_GRAYED, 0u);
    EXPECT_EQ(MenuState(CMD_OPEN_GRAPH) & MF_GRAYED, 0u);
    Command(CMD_NEW_GRAPH);
    GraphWindow* window = Active();
    ASSERT_NE(window, nullptr);
    frame_->UpdateCommandStates();
    EXPECT_EQ(MenuState(CMD_SAVE_GRAPH) & MF_GRAYED, 0u);
    window->Graph().InsertLine(0, NamedLine("Moon", "Moon.Lat(hor)"));
    window->Graph().History().MarkSavedUnreachable();
    window->UpdateView();
    EXPECT_EQ(Caption(window->Handle()), "Graph: [Unsaved graph] *");

    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"moon.gph";
    DeleteFileW(path.c_str());
    dialogs.path = String(path.c_str());
    Command(CMD_SAVE_GRAPH);  // no file yet: Save As
    ASSERT_EQ(dialogs.proposals.size(), 1u);
    EXPECT_EQ(dialogs.proposals[0], "New graph.gph");
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Caption(window->Handle()), "Graph: moon.gph");
    ASSERT_FALSE(app_->Recent().Paths().empty());
    EXPECT_EQ(Utf8(app_->Recent().Paths().front()), Utf8(path.c_str()));
    Command(CMD_SAVE_GRAPH_AS);
    EXPECT_EQ(dialogs.proposals.size(), 2u);
    EXPECT_EQ(dialogs.proposals[1], Utf8(path.c_str()));

    // Open with two files chosen: the damaged one gets its message and no
    // window; a graph already open is only activated.
    const std::wstring damaged = std::wstring(folder) + L"damaged.gph";
    HANDLE file = CreateFileW(damaged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, "not a graph", 11, &written, nullptr);
    CloseHandle(file);
    Command(CMD_CLOSE_ALL);
    EXPECT_EQ(Active(), nullptr);
    dialogs.openPaths = {String(path.c_str()), String(damaged.c_str())};
    Command(CMD_OPEN_GRAPH);
    ASSERT_NE(Active(), nullptr);
    EXPECT_EQ(Caption(Active()->Handle()), "Graph: moon.gph");
    EXPECT_EQ(Active()->Graph().LineCount(), 1);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("damaged.gph"), std::string::npos);
    dialogs.openPaths = {String(path.c_str())};
    GraphWindow* opened = Active();
    Command(CMD_OPEN_GRAPH);
    EXPECT_EQ(Active(), opened);
    // Duplicate: a changed copy without a file; the first keeps its caption.
    opened->ShowGuideLine(true);
    opened->SetGuideLine(77);
    ASSERT_TRUE(opened->Duplicate());
    GraphWindow* copy = Active();
    ASSERT_NE(copy, opened);
    EXPECT_EQ(Caption(copy->Handle()), "Graph: Copy of moon.gph *");
    EXPECT_FALSE(copy->Graph().HasFile());
    EXPECT_EQ(copy->GuideLinePosition(), 77);
    EXPECT_EQ(copy->Graph().LineCount(), 1);
    EXPECT_EQ(Caption(opened->Handle()), "Graph: moon.gph");
    dialogs.closeAnswer = PromptAnswer::No;
    // Back from the recent files after closing.
    Command(CMD_CLOSE_ALL);
    Command(CMD_RECENT_FILE_FIRST);
    ASSERT_NE(Active(), nullptr);
    EXPECT_EQ(Caption(Active()->Handle()), "Graph: moon.gph");
    Command(CMD_CLOSE_ALL);
    DeleteFileW(path.c_str());
    DeleteFileW(damaged.c_str());
}

// The File menu's recent graphs: a graph saved under a new name stands
// first at once; a graph opened, by any route, only when its window closes.
TEST_F(GraphWindowTest, TheFileMenuListsAGraphAfterSaveAsAndWhenItsWindowClosesNotWhenItOpens) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring mars = std::wstring(folder) + L"mars.gph";
    const std::wstring venus = std::wstring(folder) + L"venus.gph";
    const auto entries = [this] {
        std::vector<std::string> names;
        for (int id = CMD_RECENT_FILE_FIRST; id <= CMD_RECENT_FILE_LAST; ++id) {
            wchar_t text[300] = {};
            if (!GetMenuStringW(GetMenu(frame_->Window()), id, text, 300, MF_BYCOMMAND)) break;
            const std::string entry = Utf8(text);
            names.push_back(entry.substr(entry.find_last_of('\\') + 1));
        }
        return names;
    };
    using Names = std::vector<std::string>;
    Command(CMD_NEW_GRAPH);
    ASSERT_NE(Active(), nullptr);
    Active()->Graph().InsertLine(0, NamedLine("Moon", "Moon.Lat(hor)"));
    dialogs.path = String(mars.c_str());
    Command(CMD_SAVE_GRAPH_AS);
    EXPECT_EQ(entries(), (Names{"mars.gph"}));
    dialogs.path = String(venus.c_str());
    Command(CMD_SAVE_GRAPH_AS);
    EXPECT_EQ(entries(), (Names{"venus.gph", "mars.gph"}));
    Command(CMD_CLOSE_ALL);
    EXPECT_EQ(entries(), (Names{"venus.gph", "mars.gph"}));

    String error;
    auto* graphs = dynamic_cast<GraphWindowKind*>(frame_->Children().KindOf(kGraphWindow));
    ASSERT_NE(graphs, nullptr);
    const struct {
        const char* route;
        std::function<void()> open;
        Names afterClose;
    } rows[] = {
        {"the list itself", [&] { Command(CMD_RECENT_FILE_FIRST + 1); }, {"mars.gph", "venus.gph"}},  // mars
        {"File > Open",
         [&] {
             dialogs.openPaths = {String(venus.c_str())};
             Command(CMD_OPEN_GRAPH);
         },
         {"venus.gph", "mars.gph"}},
        {"a script or a client", [&] { graphs->OpenGraphQuietly(String(mars.c_str()), error); },
         {"mars.gph", "venus.gph"}},
    };
    for (const auto& row : rows) {
        const Names before = entries();
        row.open();
        ASSERT_NE(Active(), nullptr) << row.route;
        EXPECT_EQ(entries(), before) << row.route;
        Command(CMD_CLOSE_ALL);
        EXPECT_EQ(entries(), row.afterClose) << row.route;
    }
    EXPECT_EQ(Utf8(error), "");
    DeleteFileW(mars.c_str());
    DeleteFileW(venus.c_str());
}

std::string FileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

// The texts of a dialog's combo box, in its order.
std::vector<std::wstring> ComboTexts(HWND combo) {
    std::vector<std::wstring> texts;
    for (int i = 0; i < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++i) {
        wchar_t text[100] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    return texts;
}

// The graph file dialogs as the user meets them: Open Graph offers graphs;
// Save Graph As offers the graph type alone, saves a name typed without an
// extension as a graph, and exports one typed with ".xml".
TEST_F(GraphWindowTest, SaveGraphAsOffersTheGraphTypeAndANameTypedWithXmlExports) {
    Command(CMD_NEW_GRAPH);
    GraphWindow* window = Active();
    ASSERT_NE(window, nullptr);
    window->Graph().InsertLine(0, NamedLine("Level"));
    WindowGraphSaveDialogs real(GetModuleHandleW(nullptr), frame_->Window());
    GraphSaving saving{app_->GetStorage(), app_->Product(), app_->Recent(), real};
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const struct {
        const wchar_t* typed;
        const wchar_t* written;
        const char* begins;
    } rows[] = {
        {L"dialog graph", L"dialog graph.gph", "Corvinata 1.20 graph file\n"},
        {L"dialog export.xml", L"dialog export.xml", "<?xml version=\"1.0\""},
    };
    for (const auto& row : rows) {
        const std::wstring written = std::wstring(folder) + row.written;
        DeleteFileW(written.c_str());
        std::vector<std::wstring> types;
        const bool saved = ModalDriver::Run(
            [&](ModalDriver&, HWND started) {
                HWND dialog = GetAncestor(started, GA_ROOT);
                types = ComboTexts(GetDlgItem(dialog, cmb1));
                // The name box: a combo box on Windows, an edit under Wine.
                HWND name = GetDlgItem(dialog, cmb13);
                if (!name) name = GetDlgItem(dialog, edt1);
                SetWindowTextW(name, (std::wstring(folder) + row.typed).c_str());
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            },
            [&] { return SaveGraphAs(window->Graph(), saving); });
        EXPECT_EQ(types, std::vector<std::wstring>{L"Corvinata Graph (*.gph)"});
        ASSERT_TRUE(saved) << Utf8(row.typed);
        EXPECT_EQ(FileBytes(written).rfind(row.begins, 0), 0u) << Utf8(row.written);
        DeleteFileW(written.c_str());
    }
    window->Graph().History().MarkSaved();

    std::vector<String> paths;
    std::vector<std::wstring> types;
    ModalDriver::Run(
        [&](ModalDriver&, HWND started) {
            HWND dialog = GetAncestor(started, GA_ROOT);
            types = ComboTexts(GetDlgItem(dialog, cmb1));
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        },
        [&] { return real.ChooseOpenPaths(paths); });
    EXPECT_EQ(types, std::vector<std::wstring>{L"Graph (*.gph)"});
}

TEST_F(GraphWindowTest, ClosingAChangedGraphAsksAndCancelKeepsItOpen) {
    Command(CMD_NEW_GRAPH);
    GraphWindow* window = Active();
    ASSERT_NE(window, nullptr);
    window->Graph().InsertLine(0, NamedLine("Moon", "Moon.Lat(hor)"));
    window->Graph().History().MarkSavedUnreachable();
    dialogs.closeAnswer = PromptAnswer::Cancel;
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Do you want to save changes to the graph \"[Unsaved graph]\"?");
    EXPECT_EQ(Active(), window);
    dialogs.closeAnswer = PromptAnswer::No;
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(Active(), nullptr);
    EXPECT_EQ(dialogs.questions.size(), 2u);
}

// A related task's graph is a new graph with the task's lines as its own:
// unchanged and with nothing to undo; an edit marks it, and undone leaves it
// as it came; closed untouched, it asks nothing.
TEST_F(GraphWindowTest, ATasksGraphOpensUnchangedWithNothingToUndoAndClosesWithoutAsking) {
    const BodyIdentifier jupiter = BodyIdentifierFromObject(GetCatalogueObject(kBodyPlanet, 3));
    MakeRiseSetGraphTask(jupiter, DateTime{2026, 8, 10, 12.0, kLocalCivilTime})->Execute(frame_->Services());
    GraphWindow* window = Active();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(LineNames(window->Graph()), "Jupiter risesJupiter sets");
    EXPECT_EQ(Caption(window->Handle()), "Graph: [Unsaved graph]");
    EXPECT_EQ(window->Graph().History().PeekUndoCommand(), nullptr);
    EXPECT_NE(MenuState(CMD_UNDO) & MF_GRAYED, 0u);

    app_->GetGraphActions().DeleteLine(*window, 1, nullptr);
    EXPECT_EQ(Caption(window->Handle()), "Graph: [Unsaved graph] *");
    Command(CMD_UNDO);
    EXPECT_EQ(LineNames(window->Graph()), "Jupiter risesJupiter sets");
    EXPECT_EQ(Caption(window->Handle()), "Graph: [Unsaved graph]");
    EXPECT_EQ(window->Graph().History().PeekUndoCommand(), nullptr);

    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(dialogs.questions.empty()) << ::testing::PrintToString(dialogs.questions);
    EXPECT_EQ(Active(), nullptr);
}

}  // namespace
}  // namespace corvinata::test

namespace corvinata::test {
namespace {

// File > Exit with two changed graphs: each is asked about once; Cancel
// keeps the program and both graphs; No to both ends the program without
// asking again as the windows close.
TEST_F(GraphWindowTest, ExitAsksAboutEachChangedGraphOnceAndCancelKeepsThemAll) {
    for (const char* name : {"Moon", "Sun"}) {
        Command(CMD_NEW_GRAPH);
        ASSERT_NE(Active(), nullptr);
        Active()->Graph().InsertLine(0, NamedLine(name, "Moon.Lat(hor)"));
        Active()->Graph().History().MarkSavedUnreachable();
    }
    dialogs.closeAnswer = PromptAnswer::Cancel;
    Command(CMD_EXIT);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    ASSERT_TRUE(IsWindow(frame_->Window()));
    EXPECT_NE(Active(), nullptr);

    dialogs.closeAnswer = PromptAnswer::No;
    const HWND frame = frame_->Window();
    Command(CMD_EXIT);
    EXPECT_EQ(dialogs.questions,
              std::vector<std::string>(3, "Do you want to save changes to the graph \"[Unsaved graph]\"?"));
    EXPECT_FALSE(IsWindow(frame));
}

}  // namespace
}  // namespace corvinata::test

namespace corvinata::test {
namespace {

// The session keeps a saved graph's file and its window's guide line and
// selected line; after a restart the window comes back with them.
TEST_F(GraphWindowTest, AGraphWindowComesBackAfterARestart) {
    Command(CMD_NEW_GRAPH);
    ASSERT_NE(Active(), nullptr);
    Active()->Graph().InsertLine(0, NamedLine("Moon", "Moon.Lat(hor)"));
    Active()->Graph().InsertLine(1, NamedLine("Sun", "Sun.Lat(hor)"));
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"session.gph";
    dialogs.path = String(path.c_str());
    ASSERT_TRUE(Active()->SaveCommand(true));
    Active()->ShowGuideLine(true);
    Active()->SetGuideLine(100);
    Active()->Graph().SetSelectedLine(1);
    Command(CMD_EXIT);
    frame_.reset();
    app_.reset();
    DrainQuit();

    StartWithGraphs();
    GraphWindow* back = Active();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Utf8(back->Graph().FilePath()), Utf8(path.c_str()));
    EXPECT_EQ(back->Graph().LineCount(), 2);
    EXPECT_EQ(back->GuideLinePosition(), 100);
    EXPECT_TRUE(back->IsGuideLineShown());
    EXPECT_EQ(back->Graph().SelectedLine(), 1);
    EXPECT_EQ(Caption(back->Handle()), "Graph: session.gph");
    DeleteFileW(path.c_str());
}

// A graph left open at File > Exit joins the recent files as its window
// closes, and the stored list has it first: the exit writes the list once
// every window has closed.
TEST_F(GraphWindowTest, AGraphOpenAtExitIsTheFirstStoredRecentFile) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring mars = std::wstring(folder) + L"mars at exit.gph";
    const std::wstring venus = std::wstring(folder) + L"venus at exit.gph";
    Command(CMD_NEW_GRAPH);
    ASSERT_NE(Active(), nullptr);
    Active()->Graph().InsertLine(0, NamedLine("Moon", "Moon.Lat(hor)"));
    for (const std::wstring& path : {mars, venus}) {
        dialogs.path = String(path.c_str());
        Command(CMD_SAVE_GRAPH_AS);
    }
    Command(CMD_CLOSE_ALL);
    dialogs.openPaths = {String(mars.c_str())};
    Command(CMD_OPEN_GRAPH);
    ASSERT_NE(Active(), nullptr);
    Command(CMD_EXIT);
    frame_.reset();
    app_.reset();
    DrainQuit();

    Win32StorageService storage;
    auto list = storage.CreateRegistryNode(RegistryHive::CurrentUser,
                                           L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Recent files");
    ASSERT_TRUE(list->Open());
    const struct {
        const wchar_t* name;
        const std::wstring& path;
    } stored[] = {{L"File 1", mars}, {L"File 2", venus}};
    for (const auto& entry : stored) {
        String path;
        EXPECT_TRUE(list->ReadString(entry.name, path)) << Utf8(entry.name);
        EXPECT_EQ(Utf8(path), Utf8(entry.path.c_str())) << Utf8(entry.name);
    }
    StartWithGraphs();
    DeleteFileW(mars.c_str());
    DeleteFileW(venus.c_str());
}

// File > Exit, No to saving a graph that never had a file: the graph is
// gone, and the next start brings back neither it nor an empty window in
// its place; a saved graph beside it still comes back.
TEST_F(GraphWindowTest, AGraphDeclinedAtExitIsNotRestored) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"kept at exit.gph";
    Command(CMD_NEW_GRAPH);
    Active()->Graph().InsertLine(0, NamedLine("Sun", "Sun.Lat(hor)"));
    dialogs.path = String(path.c_str());
    ASSERT_TRUE(Active()->SaveCommand(true));
    Command(CMD_NEW_GRAPH);
    Active()->Graph().InsertLine(0, NamedLine("Moon", "Moon.Lat(hor)"));
    Active()->Graph().History().MarkSavedUnreachable();
    dialogs.closeAnswer = PromptAnswer::No;
    Command(CMD_EXIT);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    frame_.reset();
    app_.reset();
    DrainQuit();

    StartWithGraphs();
    std::vector<std::string> captions;
    for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
        if (auto* graph = dynamic_cast<GraphWindow*>(open)) captions.push_back(Caption(graph->Handle()));
    }
    EXPECT_EQ(captions, std::vector<std::string>{"Graph: kept at exit.gph"});
    EXPECT_EQ(dialogs.questions.size(), 1u);
    DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace corvinata::test

namespace corvinata::test {
namespace {

// Reads the open context menu's place from a timer of the menu's own loop,
// then closes it.
struct GraphMenuWatch {
    static inline RECT placed{};
    static inline bool seen = false;
    static void CALLBACK Read(HWND, UINT, UINT_PTR timer, DWORD) {
        HWND popup = FindWindowW(L"#32768", nullptr);
        if (!popup || !IsWindowVisible(popup)) return;
        KillTimer(nullptr, timer);
        GetWindowRect(popup, &placed);
        seen = true;
        EndMenu();
    }
};

// A right click on the plot opens the graph's menu to the left of the
// pointer, as the other displays' menus open.
TEST_F(GraphWindowTest, TheDisplaysMenuOpensToTheLeftOfThePointer) {
    Command(CMD_NEW_GRAPH);
    GraphWindow* window = Active();
    ASSERT_NE(window, nullptr);
    HWND display = window->DisplayWindow();
    RECT client{};
    GetClientRect(display, &client);
    POINT at{client.right / 2, client.bottom / 2};
    GraphMenuWatch::seen = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &GraphMenuWatch::Read);
    SendMessageW(display, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    KillTimer(nullptr, timer);
    ClientToScreen(display, &at);
    ASSERT_TRUE(GraphMenuWatch::seen);
    EXPECT_EQ(GraphMenuWatch::placed.right, at.x);
    EXPECT_LT(GraphMenuWatch::placed.left, at.x);
}

// A graph file holds its lines' values so that the graph opens without
// computing them: the shipped 2027 calendar with its first line's values
// set to 42 opens with them by every route, and saved again it is the same
// file. Every open used to compute the lines again.
TEST_F(GraphWindowTest, AGraphOpensWithTheValuesItsFileHoldsByEveryRoute) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring shipped(module);
    shipped = shipped.substr(0, shipped.rfind(L'\\') + 1) + L"GRAPHS\\Astronomical Calendar 2027.gph";
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"calendar with 42.gph";
    {
        GraphSaving saving{app_->GetStorage(), app_->Product(), app_->Recent(), dialogs};
        auto calendar = LoadGraphDocument(app_->GetNotificationHub(), ObjectModelGraphServices(app_->Current()),
                                          String(shipped.c_str()), saving);
        ASSERT_NE(calendar, nullptr);
        ASSERT_EQ(calendar->LineCount(), 6);
        calendar->GetGraphLine(0)->values.fill(42.0);
        ASSERT_TRUE(WriteGraphFile(*calendar, String(path.c_str()), app_->GetStorage()));
    }
    const std::string written = FileBytes(path);
    ASSERT_FALSE(written.empty());

    String error;
    const auto quietly = [&] {
        auto* graphs = dynamic_cast<GraphWindowKind*>(frame_->Children().KindOf(kGraphWindow));
        if (graphs) graphs->OpenGraphQuietly(String(path.c_str()), error);
    };
    const struct {
        const char* route;
        std::function<void()> open;
    } rows[] = {
        {"File > Open",
         [&] {
             dialogs.openPaths = {String(path.c_str())};
             Command(CMD_OPEN_GRAPH);
         }},
        {"the recent files",
         [&] {
             app_->Recent().AddRecentFile(String(path.c_str()));
             Command(CMD_RECENT_FILE_FIRST);
         }},
        {"a sample graph's task", [&] { frame_->Services().OpenGraphFile(String(path.c_str())); }},
        {"a script or a client", quietly},
        {"the windows restored at start",
         [&] {
             quietly();
             Command(CMD_EXIT);
             frame_.reset();
             app_.reset();
             DrainQuit();
             StartWithGraphs();
         }},
    };
    for (const auto& row : rows) {
        row.open();
        GraphWindow* window = Active();
        ASSERT_NE(window, nullptr) << row.route;
        ASSERT_EQ(window->Graph().LineCount(), 6) << row.route;
        const GraphValues& first = window->Graph().GetGraphLine(0)->values;
        EXPECT_EQ(std::count(first.begin(), first.end(), 42.0), kGraphValueCount) << row.route;
        EXPECT_TRUE(window->Graph().History().IsAtSavedState()) << row.route;
        Command(CMD_SAVE_GRAPH);
        EXPECT_TRUE(FileBytes(path) == written) << row.route;
        Command(CMD_CLOSE_ALL);
    }
    EXPECT_EQ(Utf8(error), "");
    EXPECT_TRUE(dialogs.errors.empty()) << ::testing::PrintToString(dialogs.errors);
    DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace corvinata::test
