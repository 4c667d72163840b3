// Report windows in the real frame with their real panel, under Wine without
// a browser engine: the plain view, saving the page, sizing, activation,
// duplication and what closing leaves behind.
#include "views/report_window_win.h"

#include <olectl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/graph_image.h"
#include "documents/graph_document.h"
#include "documents/inline_image_resources_win.h"
#include "documents/report_contents.h"
#include "frame/frame_test.h"
#include "frame/window_kinds.h"
#include "controls/panel_dialogs.h"
#include "support/date_records.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/gdi_objects_win.h"
#include "support/report_test_kind.h"

namespace corvinata {
namespace {

using test::Utf8;

std::string Caption(HWND window) {
    wchar_t text[200] = {};
    GetWindowTextW(window, text, 200);
    return Utf8(text);
}

// The program's panel services, at a fixed moment (the reports' texts name
// it) and with night vision switched by the test.
class NightPanelServices final : public PanelServices {
public:
    DateTimeLocation CurrentTimeAndLocation() const override {
        DateTimeLocation now = program->CurrentTimeAndLocation();
        now.dateTime = test::MakeDateTime(2014, 7, 1, 0.0, kLocalCivilTime);
        return now;
    }
    bool IsNightVisionActive() const override { return night; }
    void ShowControlPanel(bool show) override { program->ShowControlPanel(show); }
    void RefreshRelatedTasks(PanelWindow& window) override { program->RefreshRelatedTasks(window); }
    void ShowPicturePacksDialog(HWND owner) override { program->ShowPicturePacksDialog(owner); }
    std::unique_ptr<PanelServices> program;
    bool night = false;
};

// The plain view drawn into a bitmap of its own: its background colour, and
// how many pixels of the text's band differ from it.
std::pair<COLORREF, int> PlainViewColours(HWND container) {
    RECT client{};
    GetClientRect(container, &client);
    ScopedWindowDc screen(container);
    ScopedMemoryDc memory(CreateCompatibleDC(screen.Get()));
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, 80));
    const ScopedSelection selection(memory.Get(), bitmap.Get());
    SendMessageW(container, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
    const COLORREF background = GetPixel(memory.Get(), 2, 2);
    int inked = 0;
    for (int row = 16; row < 40; ++row) {
        for (int column = 16; column < 200; ++column) inked += GetPixel(memory.Get(), column, row) != background;
    }
    return {background, inked};
}

class ReportWindowTest : public test::FrameTest {
protected:
    ReportWindowTest() {
        Start();
        services.program = MakeProgramPanelServices(*frame_, *app_, GetModuleHandleW(nullptr));
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
        // The program's own panel template, in the frame's control-panel pane.
        EXPECT_TRUE(panel.CreatePanelDialog(GetModuleHandleW(nullptr), L"DLG_CTRL_RPT",
                                            frame_->PaneWindow(CMD_VIEW_CONTROL_PANEL), nullptr));
        ReportWindowServices services{this->services, hub, ProgramInlineImageSource(),
                                      [this](HWND, const String& proposed, String& path) {
                                          proposedName = Utf8(proposed);
                                          path = savePath.c_str();
                                          return !savePath.empty();
                                      },
                                      [this](HWND, const String& text) { errors.push_back(Utf8(text)); }};
        auto kind = std::make_unique<ReportWindowKind>(std::move(services), frame_->Children(),
                                                       GetModuleHandleW(nullptr));
        kind->SetPanel(&panel);
        reportKind = kind.get();
        frame_->Children().AddKind(std::move(kind));
    }
    ~ReportWindowTest() override {
        SendMessageW(frame_->Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
        frame_.reset();
    }
    ReportWindow& NewReport() {
        return dynamic_cast<ReportWindow&>(*frame_->Children().NewWindow(kReportWindow));
    }
    HWND Panel() const { return panel.GetDialogWindow(); }
    void Choose(const wchar_t* entry) {
        const LRESULT index = SendDlgItemMessageW(Panel(), kReportListItem, CB_FINDSTRINGEXACT,
                                                  static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
        SendDlgItemMessageW(Panel(), kReportListItem, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(Panel(), WM_COMMAND, MAKEWPARAM(kReportListItem, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(Panel(), kReportListItem)));
    }
    static std::string ReadFile(const std::wstring& path) {
        std::ifstream in(path.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    test::ScopedCatalogues catalogues;
    ScopedReportParts parts{test::TestReportParts()};
    NotificationHub hub;
    NightPanelServices services;
    ReportControlPanel panel{services};  // outlives the frame's kinds
    ReportWindowKind* reportKind = nullptr;
    std::wstring savePath;
    std::string proposedName;
    std::vector<std::string> errors;
};

TEST_F(ReportWindowTest, NewWindowShowsTheNightReportPlainlyWithoutABrowser) {
    ReportWindow& window = NewReport();
    EXPECT_EQ(Caption(window.Handle()), "Report: Night Report for Jul 01, 2014");
    ASSERT_TRUE(window.ShowsPlainView());
    HWND button = GetDlgItem(window.Container(), kSaveAsHtmlButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(Caption(button), "&Save as HTML...");
    EXPECT_TRUE(IsWindowVisible(button) || !IsWindowVisible(frame_->Window()));

    // The text is drawn in the window's colours: some pixels differ from the background.
    const auto [background, inked] = PlainViewColours(window.Container());
    EXPECT_EQ(background, GetSysColor(COLOR_WINDOW));
    EXPECT_GT(inked, 50);
}

TEST_F(ReportWindowTest, NightVisionDarkensThePlainViewAndTheNextPage) {
    ReportWindow& window = NewReport();
    EXPECT_NE(Utf8(window.Report()->GetHtml()).find("bgcolor=\"#FFFFFF\""), std::string::npos);
    services.night = true;
    BroadcastNotification(hub, kEventAppearanceChanged, kNightVisionSwitched, nullptr);
    const auto [background, inked] = PlainViewColours(window.Container());
    EXPECT_EQ(background, RGB(0, 0, 0));
    EXPECT_GT(inked, 50);
    // Switching alone writes no new page; the next one is written for the night.
    EXPECT_NE(Utf8(window.Report()->GetHtml()).find("bgcolor=\"#FFFFFF\""), std::string::npos);
    SendDlgItemMessageW(Panel(), kNextPeriodItem, BM_CLICK, 0, 0);
    EXPECT_NE(Utf8(window.Report()->GetHtml()).find("bgcolor=\"#000000\" text=\"#600000\""), std::string::npos);
}

TEST_F(ReportWindowTest, SaveAsHtmlWritesThePageWithItsPicturesInside) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    savePath = std::wstring(folder) + L"corvinata-report-test.htm";
    DeleteFileW(savePath.c_str());
    ReportWindow& window = NewReport();
    SendMessageW(GetDlgItem(window.Container(), kSaveAsHtmlButton), BM_CLICK, 0, 0);
    EXPECT_EQ(proposedName, "Night Report for Jul 01, 2014");
    const std::string page = ReadFile(savePath);
    EXPECT_EQ(page.rfind("<!DOCTYPE HTML PUBLIC", 0), 0u);
    EXPECT_NE(page.find("<img src=\"data:image/gif;base64,R0lGODlh"), std::string::npos);
    EXPECT_EQ(page.find("CorvinataInlineImage"), std::string::npos);
    EXPECT_TRUE(errors.empty());
    DeleteFileW(savePath.c_str());

    // A folder that does not exist: the user hears of it, nothing is left behind.
    savePath = std::wstring(folder) + L"no-such-folder\\report.htm";
    SendMessageW(GetDlgItem(window.Container(), kSaveAsHtmlButton), BM_CLICK, 0, 0);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("The report could not be saved as ", 0), 0u);
}

// The smallest picture a page can carry: one white pixel as a BMP file.
class OnePixelGraphImages final : public GraphImageInterface {
public:
    GraphImageBytes CaptureGraphArea(const GraphDocument&, int, int) override { return Pixel(); }
    GraphImageBytes CaptureGraphXAxis(const GraphDocument&, int, int) override { return Pixel(); }
    GraphImageBytes CaptureGraphYAxis(const GraphDocument&, int, int) override { return Pixel(); }
    void ComputeGraphWithWaitCursor(GraphDocument& document, bool notify) override { document.ComputeAllLines(notify); }

private:
    static GraphImageBytes Pixel() {
        return {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
                0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0};
    }
};

// Every report kind of the program shows in a Report window and saves as a
// page with its pictures inside, the Month report's ten charts among them.
TEST_F(ReportWindowTest, EveryReportKindShowsItsPageAndSavesIt) {
    ScopedReportParts program(ProgramReportParts());
    OnePixelGraphImages images;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    savePath = std::wstring(folder) + L"corvinata-report-kinds.htm";
    ReportWindow& window = NewReport();
    DateTimeLocation record = services.CurrentTimeAndLocation();
    record.dateTime = DateTime{2024, 2, 9, 0.0, kLocalCivilTime};
    // Pictures: the headings, the Month report's four phase icons and ten
    // charts, a year of the Moon's phase icons (-1: at least 48).
    struct Case {
        int type, body;
        const char* title;
        const char* section;
        int pictures;
        int charts;
        const wchar_t* panelEntry;  // none: made by the related tasks' road
    };
    const Case cases[] = {
        {kDayReport, 0, "Day Report for Feb 09, 2024", "Length of Day", 3, 0, L"Day report"},
        {kNightReport, 0, "Night Report for Feb 09, 2024", "Length of Night", 3, 0, L"Night report"},
        {kMonthReport, 0, "Month Report for Feb 2024", "Morning twilight", 18, 10, L"Month report"},
        {kSolarEphemerides, 0, "Solar Ephemerides for 2024", "Ecliptic Longitude", 0, 0, L"Year ephemerides of the Sun"},
        {kLunarEphemerides, 0, "Lunar Ephemerides for 2024", "Angular Size", -1, 0, L"Year ephemerides of the Moon"},
        {kPlanetEphemerides, 3, "Ephemerides of Jupiter for 2024", "Heliocentric Longitude", 0, 0, nullptr},
    };
    const auto count = [](const std::string& page, const std::string& text) {
        int n = 0;
        for (std::size_t at = page.find(text); at != std::string::npos; at = page.find(text, at + 1)) ++n;
        return n;
    };
    for (const Case& c : cases) {
        DeleteFileW(savePath.c_str());
        if (c.panelEntry != nullptr) {
            Choose(c.panelEntry);
            ASSERT_EQ(window.Report()->ReportType(), c.type) << c.title;
        } else {
            ASSERT_TRUE(CreateReport(window.GetReportDocument(), c.type, c.body));
        }
        ASSERT_TRUE(window.GetReportDocument().ApplyTimeAndLocation(record, false)) << c.title;
        EXPECT_EQ(Caption(window.Handle()), std::string("Report: ") + c.title);
        EXPECT_TRUE(window.ShowsPlainView());
        SendMessageW(GetDlgItem(window.Container(), kSaveAsHtmlButton), BM_CLICK, 0, 0);
        EXPECT_EQ(proposedName, c.title);
        const std::string page = ReadFile(savePath);
        EXPECT_NE(page.find(std::string("<h1>") + c.title + "</h1>"), std::string::npos) << c.title;
        EXPECT_NE(page.find(c.section), std::string::npos) << c.title;
        EXPECT_EQ(page.find("CorvinataInlineImage"), std::string::npos) << c.title;
        const int pictures = count(page, "src=\"data:image/");
        if (c.pictures < 0) {
            EXPECT_GE(pictures, 48) << c.title;
        } else {
            EXPECT_EQ(pictures, c.pictures) << c.title;
        }
        EXPECT_EQ(count(page, "src=\"data:image/bmp;base64,"), c.charts) << c.title;
    }
    EXPECT_TRUE(errors.empty());
    DeleteFileW(savePath.c_str());
}

// The pictures a saved page carries: every data URL's bytes.
std::vector<std::string> DataPictures(const std::string& page) {
    static const std::string kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::vector<std::string> pictures;
    for (std::size_t at = page.find("src=\"data:image/"); at != std::string::npos;
         at = page.find("src=\"data:image/", at + 1)) {
        const std::size_t start = page.find(";base64,", at) + 8;
        const std::size_t end = page.find('"', start);
        std::string bytes;
        std::uint32_t bits = 0;
        int count = 0;
        for (std::size_t i = start; i < end && page[i] != '='; ++i) {
            bits = (bits << 6) | static_cast<std::uint32_t>(kDigits.find(page[i]));
            if (++count == 4) {
                bytes += {static_cast<char>(bits >> 16), static_cast<char>(bits >> 8), static_cast<char>(bits)};
                bits = 0;
                count = 0;
            }
        }
        if (count == 3) bytes += {static_cast<char>(bits >> 10), static_cast<char>(bits >> 2)};
        if (count == 2) bytes += static_cast<char>(bits >> 4);
        pictures.push_back(bytes);
    }
    return pictures;
}

// A picture decoded by the system's picture object: its size in pixels and
// how many colours it shows; a size of 0 when it does not decode.
struct DecodedPicture {
    SIZE size{0, 0};
    std::size_t colours = 0;
};

DecodedPicture Decode(const std::string& bytes) {
    DecodedPicture decoded;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (block == nullptr) return decoded;
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
    IStream* stream = nullptr;
    IPicture* picture = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(block, TRUE, &stream)) &&
        SUCCEEDED(OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                 reinterpret_cast<void**>(&picture)))) {
        OLE_XSIZE_HIMETRIC width = 0;
        OLE_YSIZE_HIMETRIC height = 0;
        picture->get_Width(&width);
        picture->get_Height(&height);
        ScopedWindowDc screen(nullptr);
        const int w = MulDiv(width, GetDeviceCaps(screen.Get(), LOGPIXELSX), 2540);
        const int h = MulDiv(height, GetDeviceCaps(screen.Get(), LOGPIXELSY), 2540);
        ScopedMemoryDc memory(CreateCompatibleDC(screen.Get()));
        ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
        const ScopedSelection selection(memory.Get(), bitmap.Get());
        if (SUCCEEDED(picture->Render(memory.Get(), 0, 0, w, h, 0, height, width, -height, nullptr))) {
            decoded.size = SIZE{w, h};
            std::set<COLORREF> seen;
            for (int y = 0; y < h; y += 2) {
                for (int x = 0; x < w; x += 2) seen.insert(GetPixel(memory.Get(), x, y));
            }
            decoded.colours = seen.size();
        }
        picture->Release();
    } else if (stream == nullptr) {
        GlobalFree(block);
    }
    if (stream != nullptr) stream->Release();
    return decoded;
}

// The saved Month report carries its ten charts, drawn by the program's own
// graph-image service, beside its headings and phase icons: every picture in
// the file decodes, and every chart shows more than a blank area.
TEST_F(ReportWindowTest, SavedMonthReportCarriesItsChartsDrawnByTheProgram) {
    ASSERT_NE(GetGraphImageInterface(), nullptr);  // the frame's report kind registered it
    ScopedReportParts program(ProgramReportParts());
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    savePath = std::wstring(folder) + L"corvinata-month-charts.htm";
    DeleteFileW(savePath.c_str());
    ReportWindow& window = NewReport();
    Choose(L"Month report");
    DateTimeLocation record = services.CurrentTimeAndLocation();
    record.dateTime = DateTime{2024, 2, 9, 0.0, kLocalCivilTime};
    ASSERT_TRUE(window.GetReportDocument().ApplyTimeAndLocation(record, false));
    SendMessageW(GetDlgItem(window.Container(), kSaveAsHtmlButton), BM_CLICK, 0, 0);
    const std::string page = ReadFile(savePath);
    DeleteFileW(savePath.c_str());
    EXPECT_EQ(page.find("CorvinataInlineImage"), std::string::npos);
    const std::vector<std::string> pictures = DataPictures(page);
    ASSERT_EQ(pictures.size(), 18u);  // 4 headings, 4 phase icons, 10 charts
    std::vector<std::pair<long, long>> chartSizes;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const DecodedPicture decoded = Decode(pictures[i]);
        EXPECT_GT(decoded.size.cx, 0) << "picture " << i;
        if (pictures[i].compare(0, 2, "BM") != 0) continue;
        chartSizes.emplace_back(decoded.size.cx, decoded.size.cy);
        EXPECT_GT(decoded.colours, 1u) << "chart " << chartSizes.size() << " is blank";
    }
    const std::vector<std::pair<long, long>> expected = {
        {30, 150}, {150, 150}, {30, 150}, {150, 150}, {150, 30}, {150, 30},  // twilight: y axes, charts, x axes
        {30, 450}, {150, 450}, {30, 450}, {150, 450},                        // Jovian and Saturnian
    };
    EXPECT_EQ(chartSizes, expected);
}

TEST_F(ReportWindowTest, SizingMovesTheContainerWithTheWindow) {
    ReportWindow& window = NewReport();
    SendMessageW(frame_->MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(window.Handle()), 0);
    const auto expectFilled = [&](const char* step) {
        RECT client{}, container{};
        GetClientRect(window.Handle(), &client);
        GetClientRect(window.Container(), &container);
        EXPECT_EQ(container.right, client.right) << step;
        EXPECT_EQ(container.bottom, client.bottom) << step;
    };
    SetWindowPos(window.Handle(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
    expectFilled("WM_SIZE");
    SetWindowPos(window.Container(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(window.Handle(), WM_EXITSIZEMOVE, 0, 0);
    expectFilled("WM_EXITSIZEMOVE");
}

TEST_F(ReportWindowTest, MdiActivationAttachesThePanelButNonClientActivationDoesNot) {
    ReportWindow& first = NewReport();
    ReportWindow& second = NewReport();
    EXPECT_EQ(panel.GetAttachedWindow(), &second);
    panel.ControlPanelShow(false);
    panel.ControlPanelAttach(nullptr);
    SendMessageW(first.Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(panel.GetAttachedWindow(), nullptr);
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first.Handle()), 0);
    EXPECT_EQ(panel.GetAttachedWindow(), &first);
    EXPECT_NE(GetWindowLongW(Panel(), GWL_STYLE) & WS_VISIBLE, 0);
    EXPECT_EQ(test::DialogItemText(Panel(), kReportListItem), "Night report");
}

TEST_F(ReportWindowTest, DuplicateOpensTheSameReportAtANewPosition) {
    ReportWindow& window = NewReport();
    Choose(L"Month report");
    ASSERT_TRUE(window.Duplicate());
    auto* copy = dynamic_cast<ReportWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &window);
    EXPECT_EQ(Caption(copy->Handle()), Caption(window.Handle()));
    EXPECT_EQ(copy->Report()->ReportType(), kMonthReport);
    EXPECT_NE(&copy->GetReportDocument(), &window.GetReportDocument());
    RECT a{}, b{};
    GetWindowRect(window.Handle(), &a);
    GetWindowRect(copy->Handle(), &b);
    EXPECT_NE(a.left, b.left);
    EXPECT_EQ(reportKind->OpenDocuments(), 2);
}

TEST_F(ReportWindowTest, RelatedTasksOpenEphemeridesInANewWindow) {
    DateTimeLocation record = services.CurrentTimeAndLocation();
    record.dateTime.year = 2020;
    MdiChildWindow* window = reportKind->NewReportWindow(kSolarEphemerides, 0, record);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Caption(window->Handle()), "Report: Solar Ephemerides for 2020");
    EXPECT_EQ(reportKind->NewReportWindow(kPlanetEphemerides, 9, record), nullptr);
}

TEST_F(ReportWindowTest, DocumentWithoutAReportIsAPlainReportWindow) {
    ReportDocument& document = reportKind->AdoptDocument(std::make_unique<ReportDocument>(hub, nullptr));
    MdiChildWindow* made = frame_->Children().RestoreWindow(
        kReportWindow, document, WindowGeometry{kGeometryAll, 60, 60, 300, 200, false, false});
    auto* window = dynamic_cast<ReportWindow*>(made);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Caption(window->Handle()), "Report");
    EXPECT_TRUE(window->ShowsPlainView());
    EXPECT_EQ(panel.GetAttachedWindow(), window);
    savePath = L"C:\\unused.htm";
    SendMessageW(GetDlgItem(window->Container(), kSaveAsHtmlButton), BM_CLICK, 0, 0);
    EXPECT_EQ(proposedName, "Report");
    EXPECT_EQ(errors.size(), 1u);
    SendMessageW(window->Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100));
}

TEST_F(ReportWindowTest, ClosingLeavesNoHandlesBehind) {
    const auto openAndClose = [&] {
        for (int i = 0; i < 4; ++i) NewReport();
        SendMessageW(frame_->Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
    };
    openAndClose();  // first use loads what stays loaded
    const long gdi = test::LiveGdiObjects();
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    openAndClose();
    openAndClose();
    DWORD handlesAfter = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handlesAfter);
    EXPECT_LE(test::LiveGdiObjects(), gdi);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
    EXPECT_LE(handlesAfter, handles);
    EXPECT_EQ(reportKind->OpenDocuments(), 0);
    EXPECT_EQ(frame_->Registry().AllWindows().size(), 0u);
}

// The program's own Report kind, as Window > Report and the Report button reach it.
class ProgramReportWindowsTest : public test::FrameTest {
protected:
    // The frame (and the Event Forecast's worker with it, which reads the
    // catalogues) ends before the catalogues and report parts below.
    ~ProgramReportWindowsTest() override { frame_.reset(); }
    ReportWindow* Active() { return dynamic_cast<ReportWindow*>(frame_->Children().ActiveWindow()); }
    void Close() {
        SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }

    test::ScopedCatalogues catalogues;
    ScopedReportParts parts{test::TestReportParts()};
};

TEST_F(ProgramReportWindowsTest, WindowReportOpensANightReportAndTheButtonCycles) {
    Start();
    EXPECT_FALSE(MenuState(CMD_NEW_REPORT) & MF_GRAYED);
    Command(CMD_NEW_REPORT);
    ReportWindow* first = Active();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Caption(first->Handle()).rfind("Report: Night Report for ", 0), 0u);
    EXPECT_TRUE(first->ShowsPlainView());
    Command(CMD_NEW_REPORT);
    ReportWindow* second = Active();
    ASSERT_NE(second, first);
    Command(CMD_SHOW_REPORT);
    EXPECT_EQ(Active(), first);
    Command(CMD_SHOW_REPORT);
    EXPECT_EQ(Active(), second);
}

TEST_F(ProgramReportWindowsTest, TheReportPanelChoosesADayReportAndStepsADay) {
    Start();
    Command(CMD_NEW_REPORT);
    ReportWindow* window = Active();
    ASSERT_NE(window, nullptr);
    ControlPanel* panel = frame_->Children().PanelOf(kReportWindow);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetAttachedWindow(), window);
    HWND dialog = panel->GetDialogWindow();
    EXPECT_EQ(test::DialogItemText(dialog, kReportListItem), "Night report");
    const LRESULT day = SendDlgItemMessageW(dialog, kReportListItem, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                            reinterpret_cast<LPARAM>(L"Day report"));
    SendDlgItemMessageW(dialog, kReportListItem, CB_SETCURSEL, static_cast<WPARAM>(day), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kReportListItem, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, kReportListItem)));
    EXPECT_EQ(window->Report()->ReportType(), kDayReport);
    const DateTime before = window->Report()->GetSettingsRecord().dateTime;
    SendDlgItemMessageW(dialog, kNextPeriodItem, BM_CLICK, 0, 0);
    DateTime expected = before;
    ASSERT_TRUE(DateTimeAddDays(expected, 1));
    EXPECT_EQ(window->Report()->GetSettingsRecord().dateTime.day, expected.day);
    EXPECT_EQ(Caption(window->Handle()), "Report: " + Utf8(window->Report()->GetTitle()));
    EXPECT_EQ(test::DialogItemText(dialog, kReportListItem), "Day report");
}

TEST_F(ProgramReportWindowsTest, ReportWindowsComeBackAfterARestart) {
    Start();
    Command(CMD_NEW_REPORT);
    ReportWindow* window = Active();
    ASSERT_NE(window, nullptr);
    DateTimeLocation record = window->Report()->CurrentTimeAndLocation();
    record.dateTime = test::MakeDateTime(2011, 4, 9, 0.0, kLocalCivilTime);
    ASSERT_TRUE(CreateReport(window->GetReportDocument(), kPlanetEphemerides, 4));
    window->GetReportDocument().ApplyTimeAndLocation(record, false);
    const std::string caption = Caption(window->Handle());
    EXPECT_EQ(caption.rfind("Report: Ephemerides of ", 0), 0u);
    Close();

    Start();
    ReportWindow* again = Active();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Caption(again->Handle()), caption);
    EXPECT_EQ(again->Report()->PlanetNumber(), 4);
}

}  // namespace
}  // namespace corvinata
