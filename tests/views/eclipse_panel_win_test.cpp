#include "views/eclipse_panel_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "frame/window_kinds.h"
#include "frame/frame_test.h"
#include "controls/panel_dialogs.h"
#include "controls/spin_edit_window.h"
#include "controls/trackbar_control.h"
#include "support/app_fakes.h"
#include "support/date_records.h"
#include "support/test_text.h"
#include "views/eclipse_view.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

// A Solar eclipse view over the 2006 total eclipse, 36 N 30 E, its map 720
// x 360 pixels at level 2; its panel hears of every step, as the window's
// update would tell it.
class PanelledEclipseView final : public EclipsePanelWindow, public EclipseView {
public:
    PanelledEclipseView(SolarEclipseDocument& document, ControlPanel& panel)
        : EclipseView(document), panel_(panel) {
        SetClientSize(720, 360);
        SetDetailsPoint(MapPoint{-30.0, 36.0});
        SetDetailsTime(MakeDateTime(2006, 3, 29, 10.0, kUniversalTime));
        SetCentreLongitude(10.0);
        SetCentreLatitude(5.0);
        SetZoom(2);
    }
    HWND GetWindowHandle() const override { return nullptr; }
    void WheelZoom(int) override {}
    EclipseWindowCommands& GetCommands() override { return *this; }
    EclipsePanelReading ReadPanel() const override { return EclipseView::ReadPanel(false); }
    double VisibleLongitudeSpan() const override { return Projection().VisibleLongitudeSpan(); }
    double VisibleLatitudeSpan() const override { return Projection().VisibleLatitudeSpan(); }

private:
    void OnViewStepDone() override { panel_.Update(nullptr); }
    ControlPanel& panel_;
};

// The program's frame and services, with its custom controls.
class EclipseProgram : public test::FrameTest {
protected:
    EclipseProgram() {
        Start(false);
        UseCustomControls();
        services = MakeProgramPanelServices(*frame_, *app_, GetModuleHandleW(nullptr));
    }
    std::unique_ptr<PanelServices> services;
};

class EclipsePanelTest : public EclipseProgram {
protected:
    EclipsePanelTest() {
        created = test::CreatePanelDialog(
            panel,
            {
                {L"STATIC", kSearchedDateItem, 0, 0, 0, 60, 10},
                {L"STATIC", kPhaseSentenceItem, 0, 0, 10, 200, 10},
                {L"STATIC", kPhaseTemplateItem, 0, 0, 20, 10, 10, L"% phase begins %, ends %"},
                {L"STATIC", kDurationTemplateItem, 0, 0, 30, 10, 10, L"Duration of % phase at longitude:"},
                {L"CorvinataControl_AnglePicker", kLongitudePickerItem, 0, 0, 40, 80, 12},
                {L"CorvinataControl_AnglePicker", kLatitudePickerItem, 0, 90, 40, 80, 12},
                {L"BUTTON", kApplyLocationItem, 0, 180, 40, 30, 12},
                {L"STATIC", kBrowseDateItem, 0, 0, 55, 50, 10},
                {L"STATIC", kBrowseTimeItem, 0, 50, 55, 50, 10},
                {L"EDIT", kStepCountItem, 0, 0, 67, 30, 12},
                {L"COMBOBOX", kStepUnitItem, CBS_DROPDOWNLIST, 32, 67, 60, 80},
                {UPDOWN_CLASSW, kTimeSpinnerItem, UDS_HORZ, 100, 67, 30, 12},
                {L"BUTTON", kResetTimeItem, 0, 140, 67, 30, 12},
                {L"CorvinataControl_Hyperlink", 21002, 0, 0, 85, 150, 10},
                {L"STATIC", kMaximumLabelItem, 0, 0, 95, 150, 10},
                {L"STATIC", kDurationItem, 0, 0, 105, 60, 10},
                {UPDOWN_CLASSW, kLongitudeSpinnerItem, UDS_HORZ, 0, 120, 30, 12},
                {L"CorvinataControl_Trackbar", kZoomTrackbarItem, 0, 40, 120, 100, 16},
                {L"CorvinataControl_DatePicker", kGoToDateItem, 0, 0, 140, 80, 12},
                {L"BUTTON", kGoToItem, 0, 90, 140, 30, 12},
            });
        panel.ControlPanelAttach(&window);
    }
    void SetUp() override { ASSERT_TRUE(created); }
    HWND Dialog() const { return panel.GetDialogWindow(); }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    std::string Text(int id) const { return test::DialogItemText(Dialog(), id); }
    void ClickRightHalf(HWND control) {
        RECT client{};
        GetClientRect(control, &client);
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(client.right * 3 / 4, client.bottom / 2));
        PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(client.right * 3 / 4, client.bottom / 2));
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }

    NotificationHub hub;
    test::FakeScriptErrors errors;
    SolarEclipseActions actions{CommandContext{hub, errors}};
    EclipseControlPanel panel{*services, actions};
    SolarEclipseDocument document{hub, MakeDateTime(2006, 3, 29, 0.0, kUniversalTime)};
    PanelledEclipseView window{document, panel};
    EclipseCommandHistory& history = window.GetCommandHistory();
    bool created = false;
};

TEST_F(EclipsePanelTest, ShowsTheWindowAndEachControlMakesOneStep) {
    // Antalya saw the total phase.
    EXPECT_EQ(Text(kMaximumLabelItem), "Maximum contact (100%)");
    auto* longitude = FindCustomControl<PickerControl<AnglePicker>>(Item(kLongitudePickerItem));
    ASSERT_NE(longitude, nullptr);
    EXPECT_DOUBLE_EQ(longitude->GetValue(), 30.0);  // east positive

    ClickRightHalf(Item(kTimeSpinnerItem));  // one minute on
    EXPECT_EQ(Text(kBrowseTimeItem), "10:01:00");
    EXPECT_EQ(history.UndoableCount(), 1);

    ClickRightHalf(Item(kLongitudeSpinnerItem));  // a quarter of the 180 degrees in view
    EXPECT_EQ(history.UndoableCount(), 2);
    EXPECT_DOUBLE_EQ(window.GetCentre().longitude, -45.0);  // snapped to 0, then one quarter east

    SendMessageW(Dialog(), kTrackbarMovedMessage, MAKEWPARAM(2, 4), 0);
    EXPECT_EQ(window.GetZoom(), 4);
    ASSERT_EQ(history.UndoableCount(), 3);
    EXPECT_EQ(test::Utf8(history.PeekUndoCommand()->GetText(false)).substr(0, 8), "Zoom to ");
    history.UndoCommands(1);
    EXPECT_EQ(window.GetZoom(), 2);

    longitude->SetValue(-12.5);  // 12.5 degrees west
    SendMessageW(Item(kApplyLocationItem), BM_CLICK, 0, 0);
    EXPECT_DOUBLE_EQ(window.GetDetailsPoint().longitude, 12.5);

    auto* date = FindCustomControl<DatePickerControl>(Item(kGoToDateItem));
    ASSERT_NE(date, nullptr);
    date->SetDate(2009, 7, 22);
    SendMessageW(Item(kGoToItem), BM_CLICK, 0, 0);
    EXPECT_EQ(document.Model().date.year, 2009);
    EXPECT_EQ(Text(kSearchedDateItem), "22.07.2009");
}

// A date typed whole into "Go to", reached by Tab, is the date searched;
// the digits go from field to field.
TEST_F(EclipsePanelTest, ADateTypedIntoGoToIsTheDateSearched) {
    auto* date = FindCustomControl<DatePickerControl>(Item(kGoToDateItem));
    ASSERT_NE(date, nullptr);
    date->SetDate(2000, 1, 1);
    SetFocus(Item(kGoToItem));
    SendMessageW(Dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(kGoToDateItem)), TRUE);
    ASSERT_EQ(GetFocus(), Item(kGoToDateItem));
    for (const char* p = "08042024"; *p; ++p) {
        PostMessageW(GetFocus(), WM_CHAR, static_cast<WPARAM>(*p), 1);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageW(Dialog(), &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    std::int32_t year = 0, month = 0, day = 0;
    date->GetDate(year, month, day);
    EXPECT_EQ(year * 10000 + month * 100 + day, 20240408);
    SendMessageW(Item(kGoToItem), BM_CLICK, 0, 0);
    EXPECT_EQ(Text(kSearchedDateItem), "08.04.2024");
}

TEST_F(EclipsePanelTest, AContactLinkBrowsesToItsTime) {
    HWND link = Item(21002);
    RECT client{};
    GetClientRect(link, &client);
    PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, client.bottom / 2));
    PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, client.bottom / 2));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    EXPECT_NEAR(window.GetDetailsTime().hours, window.Details().circumstances.firstContact.time, 0.5 / 3600.0);
    EXPECT_EQ(window.GetDetailsTime().day, 29);

    panel.RestoreState(TimeStep{kDaysUnit, 2}, MakeDateTime(2017, 8, 21, 0.0, kUniversalTime));
    TimeStep step;
    DateTime date;
    panel.StoreState(step, date);
    EXPECT_EQ(step.count, 2);
    EXPECT_EQ(date.year, 2017);
}

}  // namespace
}  // namespace corvinata
