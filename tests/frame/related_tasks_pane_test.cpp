#include "frame/related_tasks_pane.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/app_interfaces.h"
#include "catalog/catalogue_registry.h"
#include "controls/panel_dialogs.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/drawn_pixels_win.h"
#include "support/related_task_fakes.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

// The window a task opens becomes active and rebuilds the pane while the
// task that opened it is still running.
class PaneHost final : public RelatedTasksPaneHost {
public:
    bool ActiveWindowTaskSource(RelatedTaskSource& source) override {
        if (activeSky == nullptr) return false;
        source.kind = kSkyWindow;
        source.date = test::MakeDateTime(2014, 5, 20, 21.5, kLocalCivilTime);
        source.body = BodyIdentifierFromObject(activeSky);
        return true;
    }
    void HideRelatedTasksPane() override { ++hides; }
    void SkipNextActivationRebuild() override {}
    bool IsNightVisionActive() const override { return false; }
    int hides = 0;
    const CelestialObject* activeSky = nullptr;
};

class RelatedTasksPaneTest : public ::testing::Test {
protected:
    HWND List() const { return dialog.Item(kRelatedTasksListId); }
    int ItemCount() const { return static_cast<int>(SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0)); }
    std::string ItemText(int item) const { return test::ListCell(List(), item, 0); }
    void Activate(int item) {
        NMITEMACTIVATE activate{};
        activate.hdr.hwndFrom = List();
        activate.hdr.idFrom = kRelatedTasksListId;
        activate.hdr.code = LVN_ITEMACTIVATE;
        activate.iItem = item;
        SendMessageW(dialog.Window(), WM_NOTIFY, kRelatedTasksListId, reinterpret_cast<LPARAM>(&activate));
    }

    test::ScopedCatalogues catalogues_;
    test::RecordingTaskServices services;
    PaneHost host;
    RelatedTasksPane pane{host, services};
    test::ControlDialog dialog{
        {{WC_LISTVIEWW, kRelatedTasksListId, LVS_REPORT | LVS_SINGLESEL, 0, 0, 200, 100}},
        &RelatedTasksPane::DialogProc,
        reinterpret_cast<LPARAM>(&pane)};
};

// The task of an item is read from the item itself, so the right task runs
// whether or not the list view shows groups (it shows none under Wine).
TEST_F(RelatedTasksPaneTest, ClickingAnItemRunsItsOwnTaskEvenWhenItRebuildsThePane) {
    services.onOpenWindow = [this] { pane.UpdateForActiveWindow(); };
    ASSERT_NE(List(), nullptr);
    pane.ShowOpenWindowTasks();
    ASSERT_EQ(ItemCount(), 8);
    EXPECT_EQ(ItemText(2), "Open a Graph window");
    host.activeSky = GetCatalogueObject(kBodyPlanet, 2);
    Activate(2);  // the Graph task; the Sky window that becomes active rebuilds the pane
    EXPECT_EQ(services.calls, std::vector<std::string>{"open 0"});
    ASSERT_EQ(ItemCount(), 6);  // Mars seen from the Sky window
    EXPECT_EQ(ItemText(0), "View Mars in the solar system");
    Activate(0);
    Activate(99);  // no such item: nothing runs
    EXPECT_EQ(services.calls.back(), "solar system Mars 2014");
    EXPECT_EQ(services.calls.size(), 2u);
    host.activeSky = nullptr;
    pane.UpdateForActiveWindow();
    EXPECT_EQ(ItemCount(), 0);
}

// Another planet has the same rows with other texts: the rows change in
// place, and each runs the new planet's task.
TEST_F(RelatedTasksPaneTest, AnotherBodysRowsChangeInPlaceAndRunItsTasks) {
    host.activeSky = GetCatalogueObject(kBodyPlanet, 2);
    pane.UpdateForActiveWindow();
    ASSERT_EQ(ItemCount(), 6);
    // A mark on the list's first row: a row filled again loses it.
    LVITEMW mark{};
    mark.stateMask = LVIS_CUT;
    mark.state = LVIS_CUT;
    SendMessageW(List(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&mark));
    host.activeSky = GetCatalogueObject(kBodyPlanet, 1);
    pane.UpdateForActiveWindow();
    ASSERT_EQ(ItemCount(), 6);
    EXPECT_EQ(ItemText(0), "View Venus in the solar system");
    EXPECT_EQ(SendMessageW(List(), LVM_GETITEMSTATE, 0, LVIS_CUT), LVIS_CUT) << "filled again";
    Activate(0);
    EXPECT_EQ(services.calls, std::vector<std::string>{"solar system Venus 2014"});
}

TEST_F(RelatedTasksPaneTest, ItemsNeverStaySelected) {
    pane.ShowOpenWindowTasks();
    test::SelectListRow(List(), 1);
    EXPECT_EQ(SendMessageW(List(), LVM_GETSELECTEDCOUNT, 0, 0), 0);
}

// Any system command set the "closing" flag (the test was for any bit of
// 0xF060), so after moving the pane a plain Escape hid it.
TEST_F(RelatedTasksPaneTest, OnlyTheCloseCommandLetsCancelHideThePane) {
    const struct Case {
        WPARAM command;
        int hides;
    } cases[] = {{SC_MOVE, 0}, {SC_KEYMENU, 0}, {SC_CLOSE, 1}, {SC_CLOSE | 2, 1}};
    for (const auto& c : cases) {
        host.hides = 0;
        RelatedTasksPane::DialogProc(dialog.Window(), WM_SYSCOMMAND, c.command, 0);
        SendMessageW(dialog.Window(), WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(host.hides, c.hides) << c.command;
        SendMessageW(dialog.Window(), WM_COMMAND, IDCANCEL, 0);  // the flag is used up
        EXPECT_EQ(host.hides, c.hides) << c.command;
    }
}

// Rows the pane draws itself (captions wrapped in a narrow pane) show the
// focus as a dotted frame in the list's text colour: the system's focus
// rectangle inverts, which turns the night shades light grey.
TEST_F(RelatedTasksPaneTest, TheFocusOfWrappedRowsIsDrawnInTheListsColours) {
    SetWindowPos(dialog.Window(), nullptr, 0, 0, 90, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pane.ShowOpenWindowTasks();
    ASSERT_GT(ItemCount(), 1);
    ShowWindow(dialog.Window(), SW_SHOWNA);
    SetFocus(List());
    ASSERT_EQ(GetFocus(), List());
    LVITEMW focus{};
    focus.stateMask = LVIS_FOCUSED;
    focus.state = LVIS_FOCUSED;
    SendMessageW(List(), LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&focus));
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(SendMessageW(List(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));
    RECT client{};
    GetClientRect(List(), &client);
    const auto shown = test::PrintedClient(List(), client.right, client.bottom);
    const auto colour = [](COLORREF c) {
        return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
    };
    const std::uint32_t face = colour(ListView_GetBkColor(List()));
    const std::uint32_t ink = colour(ListView_GetTextColor(List()));
    ASSERT_GT(row.bottom - row.top, 20) << "the captions wrap";
    int dots = 0;
    int strays = 0;
    for (int x = std::max(0L, row.left); x < std::min(row.right, client.right); ++x) {
        const std::uint32_t p = shown[static_cast<std::size_t>(row.top) * client.right + x];
        dots += p == ink;
        strays += p != ink && p != face;
    }
    EXPECT_EQ(strays, 0) << "pixels of the frame in neither the face's nor the text's colour";
    EXPECT_GT(dots, 10);
    ShowWindow(dialog.Window(), SW_HIDE);
}

// What the list shows on the screen after each change of its tasks (other
// texts in the same rows, more rows, fewer, none; one line each or wrapped)
// is what it draws afresh: no row keeps an old caption, no deleted row stays.
TEST_F(RelatedTasksPaneTest, TheScreenShowsTheNewRowsAfterEachChange) {
    const auto venus = [this] { host.activeSky = GetCatalogueObject(kBodyPlanet, 1); pane.UpdateForActiveWindow(); };
    const auto mars = [this] { host.activeSky = GetCatalogueObject(kBodyPlanet, 2); pane.UpdateForActiveWindow(); };
    const auto windows = [this] { pane.ShowOpenWindowTasks(); };
    const auto none = [this] { host.activeSky = nullptr; pane.UpdateForActiveWindow(); };
    const struct Step {
        const char* name;
        std::function<void()> change;
    } steps[] = {{"Mars", mars}, {"Venus", venus}, {"open windows", windows}, {"Mars after more rows", mars},
                 {"none", none}, {"Venus after none", venus}};
    SetWindowPos(dialog.Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RECT header{};
    GetWindowRect(ListView_GetHeader(List()), &header);
    for (int width : {400, 90}) {
        SetWindowPos(dialog.Window(), nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateWindow(List());
        for (const Step& step : steps) {
            step.change();
            UpdateWindow(List());
            int w = 0;
            int h = 0;
            const auto screen = test::ScreenPixels(List(), w, h);
            const auto printed = test::PrintedClient(List(), w, h);
            // The rows below the column header (a window of its own, not printed).
            const std::size_t rows = static_cast<std::size_t>(header.bottom - header.top) * w;
            EXPECT_TRUE(std::equal(screen.begin() + rows, screen.end(), printed.begin() + rows))
                << step.name << " at width " << width;
        }
    }
    ShowWindow(dialog.Window(), SW_HIDE);
}

// A caption is measured once for its text and the column's width: a paint
// or a resize that keeps the width measures none, another body measures the
// captions whose text changed, another width all of them.
TEST_F(RelatedTasksPaneTest, ACaptionIsMeasuredOnceForItsTextAndWidth) {
    const auto resize = [this](int width, int height) {
        SetWindowPos(dialog.Window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    };
    const auto sky = [this](int planet) {
        host.activeSky = GetCatalogueObject(kBodyPlanet, planet);
        pane.UpdateForActiveWindow();
    };
    enum Measures { kNone, kChanged, kAll };
    const struct Step {
        const char* name;
        std::function<void()> change;
        Measures measures;
    } steps[] = {
        {"paint", [this] { RedrawWindow(List(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }, kNone},
        {"taller pane", [&] { resize(90, 400); }, kNone},
        {"same body", [&] { sky(2); }, kNone},
        {"another body", [&] { sky(1); }, kChanged},
        {"wider pane", [&] { resize(120, 400); }, kAll},
    };
    SetWindowPos(dialog.Window(), HWND_TOPMOST, 0, 0, 90, 300, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    sky(2);
    ASSERT_GT(ItemCount(), 1);
    for (const Step& step : steps) {
        std::vector<std::string> before;
        for (int item = 0; item < ItemCount(); ++item) before.push_back(ItemText(item));
        const int measured = pane.MeasuredCaptions();
        step.change();
        UpdateWindow(List());
        int expected = 0;
        for (int item = 0; item < ItemCount(); ++item) {
            expected += step.measures == kAll || (step.measures == kChanged && ItemText(item) != before[item]);
        }
        EXPECT_EQ(pane.MeasuredCaptions() - measured, expected) << step.name;
    }
    ShowWindow(dialog.Window(), SW_HIDE);
}

}  // namespace
}  // namespace corvinata
