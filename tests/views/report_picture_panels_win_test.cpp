#include "views/report_picture_panels_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "frame/frame_test.h"
#include "frame/modal_driver.h"
#include "controls/panel_dialogs.h"
#include "resources/resource_ids.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

class FakeReportWindow final : public ReportPanelWindow, public BrowsableReport {
public:
    explicit FakeReportWindow(ControlPanel& panel) : panel_(panel) {
        record.dateTime = MakeDateTime(2014, 3, 15, 0.0, kLocalCivilTime);
    }
    HWND GetWindowHandle() const override { return nullptr; }
    void WheelZoom(int) override {}
    BrowsableReport* GetReport() override { return this; }
    void ReportChanged() override { panel_.Update(nullptr); }
    void ChooseReport(const ReportChoice& c, const DateTimeLocation& r, bool) override {
        kind = c.kind;
        planet = c.planet;
        record = r;
        panel_.Update(nullptr);
    }
    bool ApplyTimeAndLocation(const DateTimeLocation& r, bool) override {
        const bool changed = !DateTimeEqual(r.dateTime, record.dateTime);
        record = r;
        return changed;
    }
    std::int32_t BrowsingUnit() const override { return kMonthsUnit; }
    int ReportType() const override { return kind; }
    int PlanetNumber() const override { return planet; }
    DateTimeLocation CurrentTimeAndLocation() const override { return record; }

    int kind = 2;
    int planet = 0;
    DateTimeLocation record;

private:
    ControlPanel& panel_;
};

class FakePictureWindow final : public PicturePanelWindow, public PictureWindowCommands {
public:
    FakePictureWindow(NotificationHub& hub, const PicturePackList& packs) : document(hub, packs) {}
    HWND GetWindowHandle() const override { return nullptr; }
    void WheelZoom(int) override {}
    PictureWindowCommands& GetCommands() override { return *this; }
    PictureDocument& GetModel() override { return document; }
    bool GetFitToWindow() const override { return false; }
    WindowCommandHistory& GetCommandHistory() override { return history; }
    void ApplyOptions(bool) override {}
    PictureDocument document;
    WindowCommandHistory history;
};

// The panels over the program's own services, of a frame started as the
// program starts it.
class ProgramPanelTest : public test::FrameTest {
protected:
    ProgramPanelTest() {
        // Before the program's windows, which read them, and after them.
        EXPECT_TRUE(test::SharedCatalogues());
        Start(false);
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        services = MakeProgramPanelServices(*frame_, *app_, GetModuleHandleW(nullptr));
    }
    ~ProgramPanelTest() override {
        Command(CMD_CLOSE_ALL);
        frame_.reset();  // before the fonts its windows use
    }
    bool PanelShown() const { return frame_->IsPaneShown(CMD_VIEW_CONTROL_PANEL); }
    std::unique_ptr<ProgramFonts> fonts_;
    std::unique_ptr<PanelServices> services;
};

class ReportPanelTest : public ProgramPanelTest {
protected:
    ReportControlPanel panel{*services};
    FakeReportWindow window{panel};
};

TEST_F(ReportPanelTest, ChoosingAndBrowsingGoThroughTheReport) {
    ASSERT_TRUE(test::CreatePanelDialog(
        panel, {{L"COMBOBOX", kReportListItem, CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 150, 120},
                {L"BUTTON", kPreviousPeriodItem, 0, 0, 20, 50, 14},
                {L"STATIC", kCurrentPeriodItem, 0, 50, 20, 50, 14},
                {L"BUTTON", kNextPeriodItem, 0, 100, 20, 50, 14},
                {L"BUTTON", kResetTimeItem, 0, 150, 20, 50, 14}}));
    HWND dialog = panel.GetDialogWindow();
    panel.ControlPanelAttach(&window);
    EXPECT_EQ(test::DialogItemText(dialog, kReportListItem), "Month report");
    EXPECT_EQ(test::DialogItemText(dialog, kPreviousPeriodItem), "02.2014");
    EXPECT_EQ(test::DialogItemText(dialog, kCurrentPeriodItem), "03.2014");

    SendDlgItemMessageW(dialog, kNextPeriodItem, BM_CLICK, 0, 0);
    EXPECT_EQ(test::DialogItemText(dialog, kCurrentPeriodItem), "04.2014");
    panel.ControlPanelStepTime(true);  // F7
    EXPECT_EQ(test::DialogItemText(dialog, kCurrentPeriodItem), "03.2014");
    SendDlgItemMessageW(dialog, kResetTimeItem, BM_CLICK, 0, 0);
    // Reset: the program's current month.
    const DateTime now = services->CurrentTimeAndLocation().dateTime;
    EXPECT_EQ(test::DialogItemText(dialog, kCurrentPeriodItem),
              (now.month < 10 ? "0" : "") + std::to_string(now.month) + "." + std::to_string(now.year));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kNextPeriodItem)));

    const LRESULT mars =
        SendDlgItemMessageW(dialog, kReportListItem, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(L"Year ephemerides of Mars"));
    SendDlgItemMessageW(dialog, kReportListItem, CB_SETCURSEL, static_cast<WPARAM>(mars), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kReportListItem, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, kReportListItem)));
    EXPECT_EQ(window.kind, kPlanetEphemeridesReport);
    EXPECT_EQ(window.planet, 2);
    EXPECT_EQ(test::DialogItemText(dialog, kReportListItem), "Year ephemerides of Mars");

    // Closing the panel hides the frame's control-panel pane, which shows
    // while a window is open.
    Command(CMD_NEW_GRAPH);
    ASSERT_TRUE(PanelShown());
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(PanelShown());
}

class PicturePanelTest : public ProgramPanelTest {
protected:
    PicturePanelTest() {
        packs.resize(2);
        packs[0].directory = String(TXT("C:\\One"));
        packs[0].entries = {{String(TXT("sat.jpg")), kBodyPlanet, 4, String(TXT("Rings"))},
                            {String(TXT("io.jpg")), kBodyJupiterSatellite, 0, String(TXT("Volcanoes"))}};
        packs[1].directory = String(TXT("C:\\Two"));
        packs[1].entries = {{String(TXT("nebula.jpg")), kPictureWithoutBody, 0, String(TXT("Gas"))}};
    }
    int Selected() const {
        return static_cast<int>(SendDlgItemMessageW(panel.GetDialogWindow(), kPictureListItem,
                                                    LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    HWND List() const { return GetDlgItem(panel.GetDialogWindow(), kPictureListItem); }
    std::string Cell(int item, int column) const { return test::ListCell(List(), item, column); }
    void Select(int item) { test::SelectListRow(List(), item); }

    NotificationHub hub;
    test::FakeScriptErrors errors;
    PictureActions actions{CommandContext{hub, errors}};
    PicturePackList packs;
    PictureControlPanel panel{*services, actions, packs};
    FakePictureWindow window{hub, packs};
};

TEST_F(PicturePanelTest, ListsThePicturesAndShowsTheChosenOneAsOneStep) {
    ASSERT_TRUE(test::CreatePanelDialog(
        panel,
        {{WC_LISTVIEWW, kPictureListItem, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0, 200, 100},
         {L"STATIC", kPackCountItem, 0, 0, 110, 100, 10, L"% PicPack% loaded"},
         {L"BUTTON", kPicturePacksItem, 0, 110, 110, 20, 12}}));
    HWND dialog = panel.GetDialogWindow();
    EXPECT_EQ(test::DialogItemText(dialog, kPackCountItem), "2 PicPacks loaded");
    ASSERT_EQ(SendDlgItemMessageW(dialog, kPictureListItem, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(Cell(0, 0), "Jovian Satellite");  // sorted by type
    EXPECT_EQ(Cell(1, 1), "Unknown");
    NMLISTVIEW click{};
    click.hdr = {GetDlgItem(dialog, kPictureListItem), static_cast<UINT_PTR>(kPictureListItem),
                 LVN_COLUMNCLICK};
    click.iSubItem = kPictureDescriptionColumn;
    SendMessageW(dialog, WM_NOTIFY, kPictureListItem, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(Cell(0, 2), "Gas");
    EXPECT_EQ(panel.SortColumn(), kPictureDescriptionColumn);

    panel.ControlPanelAttach(&window);
    Select(1);  // "Rings"
    EXPECT_EQ(window.history.UndoableCount(), 1);
    EXPECT_EQ(test::Utf8(window.document.CurrentRef().fileName), "sat.jpg");
    Select(1);  // already selected: no command
    EXPECT_EQ(window.history.UndoableCount(), 1);

    window.document.SetCurrent(PictureRef{String(TXT("C:\\Two")), String(TXT("nebula.jpg"))});
    panel.ControlPanelUpdate(nullptr);  // follows the document without a command
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(window.history.UndoableCount(), 1);
    // The button opens the program's Installed PicPacks dialog.
    int opened = 0;
    test::ModalDriver::Run(
        [&opened](test::ModalDriver& driver, HWND) {
            ++opened;
            driver.Key(VK_ESCAPE);
        },
        [&] { return SendDlgItemMessageW(dialog, kPicturePacksItem, BM_CLICK, 0, 0); });
    EXPECT_EQ(opened, 1);
}

}  // namespace
}  // namespace corvinata
