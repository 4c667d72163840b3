// The Sky control panel and the Sky Options dialog on real Sky windows in
// the real frame, driven by the messages their controls send.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "sky_frame_test.h"
#include "../frame/modal_driver.h"
#include "../frame/program_keys.h"
#include "app/observer_dial.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/settings_tree.h"
#include "base/time_systems.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/rise_set.h"
#include "catalog/star_catalogue.h"
#include "controls/trackbar_control.h"
#include "controls/observer_control.h"
#include "support/date_records.h"
#include "support/drawn_pixels_win.h"
#include "support/test_text.h"
#include "views/sky_options_dialog_win.h"
#include "views/sky_panel_win.h"

namespace corvinata {
namespace {

std::wstring ItemText(HWND dialog, int item) {
    wchar_t text[200] = {};
    GetDlgItemTextW(dialog, item, text, 200);
    return text;
}

void SelectTab(HWND dialog, int tab) {
    HWND control = GetDlgItem(dialog, kSkyOptionsTabItem);
    NMHDR header{control, static_cast<UINT_PTR>(kSkyOptionsTabItem), static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageW(dialog, WM_NOTIFY, kSkyOptionsTabItem, reinterpret_cast<LPARAM>(&header));
    SendMessageW(control, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageW(dialog, WM_NOTIFY, kSkyOptionsTabItem, reinterpret_cast<LPARAM>(&header));
}

void Click(HWND page, int item) {
    SendMessageW(GetDlgItem(page, item), BM_CLICK, 0, 0);
}

class SkyPanelTest : public test::SkyFrameTest {
protected:
    SkyControlPanel& Panel() {
        auto* panel = dynamic_cast<SkyControlPanel*>(frame_->Children().PanelOf(kSkyWindow));
        EXPECT_NE(panel, nullptr);
        return *panel;
    }
    HWND PanelDialog() { return Panel().GetDialogWindow(); }
    void Press(int item) {
        SendMessageW(PanelDialog(), WM_COMMAND, MAKEWPARAM(item, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(PanelDialog(), item)));
    }
    // The slider dragged through `positions`, then let go.
    void Drag(std::initializer_list<int> positions) {
        HWND slider = GetDlgItem(PanelDialog(), kSkyZoomSliderItem);
        const int start = static_cast<int>(SendMessageW(slider, TBM_GETPOS, 0, 0));
        int last = start;
        for (const int position : positions) {
            SendMessageW(slider, TBM_SETPOS, TRUE, position);
            SendMessageW(PanelDialog(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, position),
                         reinterpret_cast<LPARAM>(slider));
            last = position;
        }
        SendMessageW(PanelDialog(), kTrackbarMovedMessage, MAKEWPARAM(start, last), reinterpret_cast<LPARAM>(slider));
    }
    static int Steps(SkyWindow& sky) { return sky.GetCommandHistory().UndoableCount(); }
    // Opens "Sky &Options..." from the display's menu and runs `script` in
    // it (on the dialog, whichever of it and its page starts first).
    static void RunOptionsDialog(SkyWindow& sky, std::function<void(HWND)> script) {
        bool ran = false;
        test::ModalDriver::Run(
            [&](test::ModalDriver&, HWND started) {
                ran = true;
                script(GetAncestor(started, GA_ROOT));
            },
            [&] { return SendMessageW(sky.Display()->Window(), WM_COMMAND, CMD_SKY_OPTIONS, 0); });
        ASSERT_TRUE(ran) << "the dialog never opened";
    }
    HWND Item(int id) { return GetDlgItem(PanelDialog(), id); }
};

TEST_F(SkyPanelTest, ThePanelShowsTheActiveSkyWindowAndFollowsIt) {
    SkyWindow& first = NewSky();
    ASSERT_NE(PanelDialog(), nullptr);
    ASSERT_NE(GetDlgItem(PanelDialog(), kSkyDialItem), nullptr);
    EXPECT_TRUE(IsWindowVisible(PanelDialog()));
    EXPECT_EQ(Panel().GetAttachedWindow(), static_cast<PanelWindow*>(&first));
    EXPECT_EQ(ItemText(PanelDialog(), kSkyZoomTextItem), L"60.00");
    first.SetZoom(90);
    SkyWindow& second = NewSky();
    EXPECT_EQ(Panel().GetAttachedWindow(), static_cast<PanelWindow*>(&second));
    EXPECT_EQ(ItemText(PanelDialog(), kSkyZoomTextItem), L"60.00");
    SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first.Handle()), 0);
    EXPECT_EQ(Panel().GetAttachedWindow(), static_cast<PanelWindow*>(&first));
    EXPECT_EQ(ItemText(PanelDialog(), kSkyZoomTextItem), L"90.00");
}

TEST_F(SkyPanelTest, ASliderDragIsOneZoomStepAndADragBackIsNone) {
    SkyWindow& sky = NewSky();
    const int before = Steps(sky);
    Drag({80, 120, 60});
    EXPECT_EQ(Steps(sky), before);
    EXPECT_EQ(sky.GetZoom(), 60);
    Drag({90, 100});
    EXPECT_EQ(Steps(sky), before + 1);
    EXPECT_EQ(sky.GetZoom(), 100);
    sky.GetCommandHistory().UndoCommands(1);
    EXPECT_EQ(sky.GetZoom(), 60);
}

TEST_F(SkyPanelTest, LookStepsFollowTheFieldOfViewAndTheTopAndBottomDisableTheirButton) {
    SkyWindow& sky = NewSky();
    struct Case {
        int zoom;
        double step;
    } const cases[] = {{60, 30.0}, {180, 90.0}, {10, 6.0}};
    for (const Case& c : cases) {
        sky.SetViewDirection(ViewDirection{100.0, 0.0});
        sky.SetZoom(c.zoom);
        Press(kSkyLookUpItem);
        EXPECT_DOUBLE_EQ(sky.GetViewDirection().altitude, c.step) << c.zoom;
        Press(kSkyTurnLeftItem);
        EXPECT_DOUBLE_EQ(sky.GetViewDirection().azimuth, 100.0 + c.step) << c.zoom;
    }
    sky.SetViewDirection(ViewDirection{0.0, 0.0});
    sky.SetZoom(180);
    SetFocus(GetDlgItem(PanelDialog(), kSkyLookUpItem));
    Press(kSkyLookUpItem);
    EXPECT_DOUBLE_EQ(sky.GetViewDirection().altitude, 90.0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(PanelDialog(), kSkyLookUpItem)));
    EXPECT_EQ(GetFocus(), GetDlgItem(PanelDialog(), kSkyLookDownItem));
    Press(kSkyLookDownItem);
    Press(kSkyLookDownItem);
    EXPECT_DOUBLE_EQ(sky.GetViewDirection().altitude, -90.0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(PanelDialog(), kSkyLookDownItem)));
    EXPECT_EQ(GetFocus(), GetDlgItem(PanelDialog(), kSkyLookUpItem));
}

// Which fields a selection fills (the rest empty and disabled, "&Highlight"
// disabled without one); Horizontal relabels the coordinates at once.
TEST_F(SkyPanelTest, TheObjectFieldsFollowTheSelectionAndTheSystem) {
    SkyWindow& sky = NewSky();
    const BodyIdentifier sun = BodyIdentifierFromObject(CatalogueByType(kBodySun)->CatalogueGetObjectAt(0));
    const struct Case {
        BodyIdentifier body;
        int item;
        bool shown;
    } cases[] = {{sun, kSkyFirstValueItem, true},           {sun, kSkyConstellationAbbrItem, true},
                 {sun, kSkyZodiacAbbrItem, true},           {sun, kSkyMagnitudeItem, false},
                 {sun, kSkyPhaseItem, false},               {sun, kSkyHighlightItem, true},
                 {BodyIdentifier{}, kSkyFirstValueItem, false}, {BodyIdentifier{}, kSkySecondValueItem, false},
                 {BodyIdentifier{}, kSkyZodiacAbbrItem, false}, {BodyIdentifier{}, kSkyHighlightItem, false}};
    for (const Case& c : cases) {
        sky.SelectBody(c.body, 0, 0, 0);
        sky.UpdateView(0, true);
        EXPECT_EQ(IsWindowEnabled(Item(c.item)) != FALSE, c.shown) << c.item;
        if (c.item != kSkyHighlightItem) {
            EXPECT_EQ(ItemText(PanelDialog(), c.item).empty(), !c.shown) << c.item;
        }
    }
    EXPECT_EQ(ItemText(PanelDialog(), kSkyFirstLabelItem), L"Right ascension");
    SendDlgItemMessageW(PanelDialog(), kSkyCoordinateSystemItem, CB_SETCURSEL, 2, 0);
    SendMessageW(PanelDialog(), WM_COMMAND, MAKEWPARAM(kSkyCoordinateSystemItem, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(kSkyCoordinateSystemItem)));
    EXPECT_EQ(ItemText(PanelDialog(), kSkyFirstLabelItem), L"Azimuth");
    EXPECT_EQ(ItemText(PanelDialog(), kSkySecondLabelItem), L"Altitude");
}

// The selection's place follows both appearance options: angles in
// sexagesimal or decimal degrees, right ascension in hours or degrees.
TEST_F(SkyPanelTest, ThePlaceFollowsTheAppearanceOptions) {
    SkyWindow& sky = NewSky();
    sky.SelectBody(BodyIdentifierFromObject(CatalogueByType(kBodySun)->CatalogueGetObjectAt(0)), 0, 0, 0);
    const struct {
        int degreeBase, raUnit;
        const wchar_t *raMark, *raNotMark, *declinationMark;
    } cases[] = {{kAngleSexagesimal, 1, L"h", L"\u00B0", L"'"},
                 {kAngleDecimal, 0, L"\u00B0", L"h", L"."},
                 {kAngleSexagesimal, 0, L"\u00B0", L"h", L"'"},
                 {kAngleDecimal, 1, L"h", L"\u00B0", L"."}};
    for (const auto& c : cases) {
        app_->Options().general.angleDegreeBase = c.degreeBase;
        app_->Options().general.raDisplayUnit = c.raUnit;
        sky.UpdateView(0, true);
        const std::wstring ra = ItemText(PanelDialog(), kSkyFirstValueItem);
        const std::wstring declination = ItemText(PanelDialog(), kSkySecondValueItem);
        EXPECT_NE(ra.find(c.raMark), std::wstring::npos) << ra;
        EXPECT_EQ(ra.find(c.raNotMark), std::wstring::npos) << ra;
        EXPECT_NE(declination.find(c.declinationMark), std::wstring::npos) << declination;
    }
}

// The constellation of the selection and the one its zodiac sign is named
// after: the name in the application's constellation name system beside the
// abbreviation, following a change of the system.
TEST_F(SkyPanelTest, TheConstellationFieldsNameTheConstellationsInTheChosenSystem) {
    SkyWindow& sky = NewSky();
    const StarCatalogue& stars = GetStarCatalogue();
    const CelestialObject* capella = stars.At(stars.StarByCatalogueName(TXT("BSC 1708")));
    ASSERT_NE(capella, nullptr);
    sky.SelectBody(BodyIdentifierFromObject(capella), 0, 0, 0);
    const struct Case {
        int system;
        const wchar_t *constellation, *zodiac;
    } cases[] = {{1, L"Charioteer", L"Twins"}, {0, L"Auriga", L"Gemini"}};
    for (const Case& c : cases) {
        app_->Options().general.constellationLanguage = c.system;
        BroadcastNotification(app_->GetNotificationHub(), kEventAppearanceChanged, kConstellationLanguageChanged,
                              nullptr);
        EXPECT_EQ(ItemText(PanelDialog(), kSkyConstellationItem), c.constellation);
        EXPECT_EQ(ItemText(PanelDialog(), kSkyConstellationAbbrItem), L"Aur");
        EXPECT_EQ(ItemText(PanelDialog(), kSkyZodiacItem), c.zodiac);
        EXPECT_EQ(ItemText(PanelDialog(), kSkyZodiacAbbrItem), L"Gem");
    }
}

// Polaris neither rises nor sets away from the equator: both links show the
// missing time, as plain text.
TEST_F(SkyPanelTest, ALinkWithoutItsEventShowsTheMissingTime) {
    SkyWindow& sky = NewSky();
    const StarCatalogue& stars = GetStarCatalogue();
    const CelestialObject* polaris = stars.At(stars.StarByCatalogueName(TXT("BSC 0424")));
    ASSERT_NE(polaris, nullptr);
    sky.SelectBody(BodyIdentifierFromObject(polaris), 0, 0, 0);
    sky.UpdateView(0, true);
    ASSERT_EQ(sky.GetSelectedObject(), polaris);
    ASSERT_GT(std::fabs(sky.GetDocument().GetTimeAndPlace().place.latitude.GetValue()), 5.0);
    for (const int item : {static_cast<int>(kSkyRiseItem), static_cast<int>(kSkySetItem)}) {
        EXPECT_EQ(ItemText(PanelDialog(), item), L"--:--") << item;
        EXPECT_FALSE(IsWindowEnabled(Item(item))) << item;
    }
}

TEST_F(SkyPanelTest, AnAnimationRunIsOneStepUndoneToWhereItStarted) {
    SkyWindow& sky = NewSky();
    const DateTime start = sky.GetDocument().GetTimeAndPlace().dateTime;
    const int before = Steps(sky);
    Press(kAnimateItem);
    for (int tick = 0; tick < 10; ++tick) SendMessageW(PanelDialog(), WM_TIMER, 7301, 0);
    EXPECT_EQ(Steps(sky), before);
    Press(kAnimateItem);
    EXPECT_EQ(ItemText(PanelDialog(), kAnimateItem), L"&Animate");
    EXPECT_EQ(Steps(sky), before + 1);
    // Ten ticks of the panel's first step, 10 minutes.
    EXPECT_NEAR(DateTimeDifferenceDays(sky.GetDocument().GetTimeAndPlace().dateTime, start), 100.0 / 1440.0, 1e-9);
    sky.GetCommandHistory().UndoCommands(1);
    EXPECT_TRUE(DateTimeEqual(sky.GetDocument().GetTimeAndPlace().dateTime, start));
}

TEST_F(SkyPanelTest, OptionsDialogCancelAndOkWithoutAChangeRecordNothing) {
    SkyWindow& sky = NewSky();
    const SkyOptions original = sky.GetOptions();
    const bool fixed = app_->GetStarsFixed();
    const int before = Steps(sky);
    RunOptionsDialog(sky, [](HWND dialog) {
        Click(SkyOptionsCurrentPage(), kShowEclipticItem);
        Click(SkyOptionsCurrentPage(), kStarsFixedItem);
        SelectTab(dialog, 3);
        Click(SkyOptionsCurrentPage(), kConstellationLinesItem);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_TRUE(SkyOptionsEqual(sky.GetOptions(), original));
    EXPECT_EQ(app_->GetStarsFixed(), fixed);
    EXPECT_EQ(Steps(sky), before);

    RunOptionsDialog(sky, [](HWND dialog) { SendMessageW(dialog, WM_COMMAND, IDOK, 0); });
    EXPECT_EQ(Steps(sky), before) << "OK without a change records nothing";
}

TEST_F(SkyPanelTest, GridTypeNoneDisablesBothGridBoxesAndAStoredTab7OpensGeneral) {
    SkyWindow& sky = NewSky();
    RunOptionsDialog(sky, [](HWND dialog) {
        HWND page = SkyOptionsCurrentPage();
        HWND grid = GetDlgItem(page, kGridTypeItem);
        SendMessageW(grid, CB_SETCURSEL, 0, 0);  // "Horizontal"
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(kGridTypeItem, CBN_SELCHANGE), reinterpret_cast<LPARAM>(grid));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, kGridLabelsItem)));
        SendMessageW(grid, CB_SETCURSEL, 2, 0);  // "None"
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(kGridTypeItem, CBN_SELCHANGE), reinterpret_cast<LPARAM>(grid));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kGridLabelsItem)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, kGridCrossesItem)));
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    app_->DialogStates().skyOptions.currentTab = 7;
    RunOptionsDialog(sky, [](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, kSkyOptionsTabItem, TCM_GETCURSEL, 0, 0), 0);
        EXPECT_NE(GetDlgItem(SkyOptionsCurrentPage(), kShowSunItem), nullptr);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// The Sky Options dialog keeps where it was and nothing more ("Left" and
// "Top"): it first opens at (500, 300), and after a restart where it was
// moved to.
TEST_F(SkyPanelTest, TheOptionsDialogKeepsItsPlaceAloneOverARestart) {
    RECT opened{};
    RunOptionsDialog(NewSky(), [&](HWND dialog) {
        GetWindowRect(dialog, &opened);
        SetWindowPos(dialog, nullptr, 321, 234, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(opened.left, 500);
    EXPECT_EQ(opened.top, 300);
    Restart();
    const wchar_t* key = L"\\Software\\Corvinata Software\\Corvinata\\1.70\\Dialogs\\Sky\\Options Dialog\\Geometry";
    const struct {
        const wchar_t* name;
        bool stored;
        std::int32_t value;
    } values[] = {{L"Left", true, 321},     {L"Top", true, 234},        {L"Width", false, 0},
                  {L"Height", false, 0},    {L"Minimized", false, 0},   {L"Maximized", false, 0}};
    for (const auto& v : values) {
        std::int32_t read = 0;
        EXPECT_EQ(ReadIntSettingAtPath(key, v.name, 0, true, read), v.stored) << test::Utf8(v.name);
        EXPECT_EQ(read, v.value) << test::Utf8(v.name);
    }
    ASSERT_FALSE(SkyWindows().empty());
    RunOptionsDialog(*SkyWindows().front(), [&](HWND dialog) {
        GetWindowRect(dialog, &opened);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(opened.left, 321);
    EXPECT_EQ(opened.top, 234);
}

TEST_F(SkyPanelTest, AnUntouchedMagnitudeAndNamesNoneSurviveOk) {
    SkyWindow& sky = NewSky();
    SkyOptions options = sky.GetOptions();
    options.magnitudeLimit = 6.55;
    options.deepSkyCatalogue = 1;
    options.deepSkyNameSystem = 5;
    sky.SetOptions(options);
    const int before = Steps(sky);
    RunOptionsDialog(sky, [](HWND dialog) {
        SelectTab(dialog, 4);
        EXPECT_EQ(ItemText(SkyOptionsCurrentPage(), kDeepSkyNamesItem), L"None");
        SelectTab(dialog, 2);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(sky.GetOptions().magnitudeLimit, 6.55);
    EXPECT_EQ(Steps(sky), before);
}

// The panel tells its events in local civil time unless told otherwise:
// the Rise link goes to the local day's rising, as one step.
TEST_F(SkyPanelTest, ARiseLinkGoesToTheEvaluatedRiseAsOneStep) {
    SkyWindow& sky = NewSky();
    const CelestialObject* sun = CatalogueByType(kBodySun)->CatalogueGetObjectAt(0);
    BodyIdentifier id;
    BodyIdentifierInit(id, sun, nullptr, nullptr);
    sky.SelectBody(id, 0, 0, 0);
    sky.UpdateView(0, true);
    const TimeAndPlace moment = sky.GetDocument().GetTimeAndPlace();
    ASSERT_EQ(moment.dateTime.timeSystem, kLocalCivilTime);
    const double rise = EvaluateBodyFunction(*sun, kFunctionRise, kLocalCivilTime, moment);
    ASSERT_TRUE(rise >= 0.0 && rise < 24.0) << "the Sun rises at the default place";
    HWND link = GetDlgItem(PanelDialog(), kSkyRiseItem);
    ASSERT_TRUE(IsWindowEnabled(link));
    const int before = Steps(sky);
    SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    EXPECT_EQ(Steps(sky), before + 1);
    const DateTime now = sky.GetDocument().GetTimeAndPlace().dateTime;
    EXPECT_EQ(now.day, moment.dateTime.day);
    EXPECT_NEAR(now.hours, rise, 1.0 / 3600.0);
}

// Each link lands on the event it shows, in every time system of the
// panel's list: on the document's date told in that system, at the link's
// time, with the Sun at its rising altitude. At UT+2 just after local
// midnight and at UT-10 in the evening the local date is not the Universal
// one, and a link told in local time does not lead to the event of the
// Universal date.
TEST_F(SkyPanelTest, RiseAndSetLinksGoToTheEventTheyShowInEveryTimeSystem) {
    SkyWindow& sky = NewSky();
    const CelestialObject& sun = *CatalogueByType(kBodySun)->CatalogueGetObjectAt(0);
    sky.SelectBody(BodyIdentifierFromObject(&sun), 0, 0, 0);
    const struct {
        double zone;
        DateTime document;
    } cases[] = {{2.0, test::MakeDateTime(2021, 3, 10, 0.5, kLocalCivilTime)},
                 {-10.0, test::MakeDateTime(2021, 3, 10, 21.0, kLocalCivilTime)}};
    for (const auto& c : cases) {
        for (int system = 0; system < 4; ++system) {
            for (const int link : {static_cast<int>(kSkyRiseItem), static_cast<int>(kSkySetItem)}) {
                TimeAndPlace start = sky.GetDocument().GetTimeAndPlace();
                start.place.timeZone.hours = c.zone;
                start.daylightSaving = false;
                start.dateTime = c.document;
                sky.GetDocument().SetTimeAndPlace(start, true);
                SendDlgItemMessageW(PanelDialog(), kSkyTimeSystemItem, CB_SETCURSEL, system, 0);
                SendMessageW(PanelDialog(), WM_COMMAND, MAKEWPARAM(kSkyTimeSystemItem, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(Item(kSkyTimeSystemItem)));
                ASSERT_EQ(ItemText(PanelDialog(), kSkyTimeSystemItem), GetTimeSystemCode(system));
                DateTime day = start.dateTime;
                ConvertTimeSystemAt(day, system, start.place.longitude.GetValue(), c.zone, false);
                const std::wstring shown = ItemText(PanelDialog(), link);
                ASSERT_TRUE(IsWindowEnabled(Item(link))) << c.zone << " " << system << " " << link;
                SendMessageW(Item(link), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
                SendMessageW(Item(link), WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
                const TimeAndPlace reached = sky.GetDocument().GetTimeAndPlace();
                EXPECT_NEAR(EvaluateBodyFunction(sun, kFunctionLatitude, kHorizontalSystem, reached),
                            StandardAltitude(kBodySun), 0.01)
                    << c.zone << " " << system << " " << link;
                DateTime told = reached.dateTime;
                ConvertTimeSystemAt(told, system, reached.place.longitude.GetValue(), c.zone, false);
                EXPECT_EQ(told.day, day.day) << c.zone << " " << system << " " << link;
                String text;
                EXPECT_EQ(FormatTime(kTimeToSecond, told, false, kTruncateTime, nullptr, text).Text(), shown)
                    << c.zone << " " << system << " " << link;
            }
        }
    }
}

// "&Highlight" turns the view to the selection only when it lies outside
// the field (one step), and flashes it either way: the button waits, greyed,
// for the flash's timer, and then has the focus again.
TEST_F(SkyPanelTest, HighlightFlashesTheSelectionInViewOrTurnedTo) {
    const struct Case {
        double turnedAwayBy;  // degrees of azimuth from Jupiter
        int steps;
    } cases[] = {{0.0, 0}, {180.0, 1}};
    for (const Case& c : cases) {
        SkyWindow& sky = NewSky();
        BodyIdentifier jupiter;
        BodyIdentifierInit(jupiter, GetCatalogueObject(kBodyPlanet, 3), nullptr, nullptr);
        sky.SelectBody(jupiter, 0, 0, 0);
        const ViewDirection towards = sky.ComputeLookDirection(sky.BodyPosition(*jupiter.object), sky.GetZoom());
        sky.SetViewDirection(ViewDirection{WrapAzimuth(towards.azimuth + c.turnedAwayBy), towards.altitude});
        sky.UpdateView(0, true);
        ASSERT_TRUE(IsWindowEnabled(Item(kSkyHighlightItem))) << c.turnedAwayBy;
        Press(kSkyHighlightItem);
        EXPECT_EQ(Steps(sky), c.steps) << c.turnedAwayBy;
        EXPECT_TRUE(sky.GetViewDirection() == towards) << c.turnedAwayBy;
        EXPECT_TRUE(sky.GetHighlightOn()) << c.turnedAwayBy;
        EXPECT_FALSE(IsWindowEnabled(Item(kSkyHighlightItem))) << c.turnedAwayBy;
        // The flash's timer runs; its end gives the button back.
        HWND display = sky.Display()->Window();
        EXPECT_TRUE(KillTimer(display, kHighlightTimer)) << c.turnedAwayBy;
        SendMessageW(display, WM_TIMER, kHighlightTimer, 0);
        EXPECT_FALSE(sky.GetHighlightOn()) << c.turnedAwayBy;
        EXPECT_TRUE(IsWindowEnabled(Item(kSkyHighlightItem))) << c.turnedAwayBy;
        EXPECT_EQ(GetFocus(), Item(kSkyHighlightItem)) << c.turnedAwayBy;
        SendMessageW(sky.Handle(), WM_CLOSE, 0, 0);
    }
}

TEST_F(SkyPanelTest, OkIsOneStepThatKeepsTheEditsOfEveryPageAndTheEclipticsGreenGoes) {
    SkyWindow& sky = NewSky();
    ASSERT_NE(sky.Display()->Renderer(), nullptr) << "no GL context";
    // Looking along the ecliptic: at the Sun, in the equatorial map.
    SkyOptions options = sky.GetOptions();
    options.mapType = 1;
    options.constellationLinesOn = false;
    options.constellationBoundariesOn = false;
    options.gridType = 0;
    sky.SetOptions(options);
    const CelestialObject* sun = CatalogueByType(kBodySun)->CatalogueGetObjectAt(0);
    sky.SetViewDirection(sky.ComputeLookDirection(sky.BodyPosition(*sun), 60));
    sky.UpdateView(0, true);
    auto green = [&sky] {
        int width = 0;
        int height = 0;
        int count = 0;
        for (const test::Pixel& p : ReadFrame(sky, width, height)) count += p.g > p.r + 60 && p.g > p.b + 60;
        return count;
    };
    const int before = green();
    ASSERT_GT(before, 50) << "the ecliptic is drawn";
    const int steps = Steps(sky);
    RunOptionsDialog(sky, [](HWND dialog) {
        Click(SkyOptionsCurrentPage(), kShowEclipticItem);
        SelectTab(dialog, 4);
        SelectTab(dialog, 0);
        EXPECT_EQ(IsDlgButtonChecked(SkyOptionsCurrentPage(), kShowEclipticItem), BST_UNCHECKED)
            << "General -> Deep Sky -> General keeps the edit";
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_FALSE(sky.GetOptions().eclipticOn);
    EXPECT_LT(green(), before / 10);
    ASSERT_EQ(Steps(sky), steps + 1);
    EXPECT_EQ(test::Utf8(sky.GetCommandHistory().PeekUndoCommand()->GetText(true)), "Change Sky Options");
}

// Raising the azimuth turns the view left: what stood at the centre moves
// to the right.
TEST_F(SkyPanelTest, TheTurnLeftButtonMovesACentredStarToTheRight) {
    SkyWindow& sky = NewSky();
    ASSERT_NE(sky.Display()->Renderer(), nullptr) << "no GL context";
    LookAtSirius(sky, kHorizontalMap, 60);
    RECT client{};
    GetClientRect(sky.Display()->Window(), &client);
    const POINT before = SiriusPixel(sky);
    EXPECT_NEAR(before.x, client.right / 2, 2);
    Press(kSkyTurnLeftItem);
    const POINT after = SiriusPixel(sky);
    EXPECT_GT(after.x, before.x + client.right / 4);
    EXPECT_NEAR(after.y, before.y, client.bottom / 10);
}

// F7, F8 and F9 reach the time browser through the program's keys even with
// the focus in the panel; the wheel over the panel zooms the window; a dial
// drag turns it; each is one step.
TEST_F(SkyPanelTest, FunctionKeysTheWheelAndTheDialStepTheActiveWindow) {
    SkyWindow& sky = NewSky();
    PanelSettings hourly;
    hourly.timeStep = TimeStep{kHoursUnit, 1};
    Panel().ApplySettings(hourly);
    const DateTime start = sky.GetDocument().GetTimeAndPlace().dateTime;
    auto hoursFromStart = [&] {
        return DateTimeDifferenceDays(sky.GetDocument().GetTimeAndPlace().dateTime, start) * 24.0;
    };
    struct Case {
        UINT key;
        double hours;
    } const cases[] = {{VK_F8, 1.0}, {VK_F8, 2.0}, {VK_F7, 1.0}};
    SetForegroundWindow(frame_->Window());
    SetFocus(Item(kSkyLookOriginItem));
    for (const Case& c : cases) {
        const int before = Steps(sky);
        Keys({{static_cast<WORD>(c.key)}});
        EXPECT_NEAR(hoursFromStart(), c.hours, 1e-6) << c.key;
        EXPECT_EQ(Steps(sky), before + 1) << c.key;
    }
    Keys({{VK_F9}});
    const DateTime now = app_->Current().GetTimeAndLocation().dateTime;
    EXPECT_NEAR(DateTimeDifferenceDays(sky.GetDocument().GetTimeAndPlace().dateTime, now), 0.0, 1.0 / 86400.0);

    int before = Steps(sky);
    SendMessageW(PanelDialog(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(sky.GetZoom(), 70);
    EXPECT_EQ(Steps(sky), before + 1);

    // A drag on the dial from its centre to the east.
    sky.SetViewDirection(ViewDirection{30.0, 10.0});
    sky.UpdateView(0, true);
    const ObserverDialGeometry dial = ObserverControlGeometry(Item(kSkyDialItem));
    const int x = static_cast<int>(dial.cx);
    const int y = static_cast<int>(dial.cy);
    before = Steps(sky);
    SendMessageW(Item(kSkyDialItem), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    for (int dx = 2; dx <= dial.rx / 2; dx += 2) {
        SendMessageW(Item(kSkyDialItem), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + dx, y));
    }
    SendMessageW(Item(kSkyDialItem), WM_LBUTTONUP, 0, MAKELPARAM(x + static_cast<int>(dial.rx / 2), y));
    // The centre lies between pixel rows: the drag's row is up to one row
    // off the axis, which the dial stretches 2.5 times, so up to that far
    // from due east (how far depends on the panel's fonts and size).
    const double offEast = std::atan2(2.5, dial.rx / 2 - 1) * 180.0 / 3.14159265358979;
    EXPECT_NEAR(sky.GetViewDirection().azimuth, 270.0, offEast);
    EXPECT_EQ(Steps(sky), before + 1);
}

// The step's count is read whole, however many digits were pasted: a
// hundred zeros before "12" are twelve hours, not the one the first
// hundred characters say.
TEST_F(SkyPanelTest, TheStepCountIsReadWhole) {
    SkyWindow& sky = NewSky();
    PanelSettings hourly;
    hourly.timeStep = TimeStep{kHoursUnit, 1};
    Panel().ApplySettings(hourly);
    const DateTime start = sky.GetDocument().GetTimeAndPlace().dateTime;
    const std::wstring count = std::wstring(99, L'0') + L"12";
    SetWindowTextW(Item(kStepCountItem), count.c_str());
    Panel().ControlPanelStepTime(false);
    EXPECT_NEAR(DateTimeDifferenceDays(sky.GetDocument().GetTimeAndPlace().dateTime, start) * 24.0, 12.0, 1e-6);
}

// The dial's labels ("+90°" and "-90°" at the ends of the altitude scale,
// the compass points or hour angles round the horizon) show whole at the
// dial's size in the panel: none reaches an edge of the control, where it
// would be cut.
TEST_F(SkyPanelTest, EveryLabelOfTheDialShowsWhole) {
    SkyWindow& sky = NewSky();
    HWND dial = Item(kSkyDialItem);
    RECT client{};
    GetClientRect(dial, &client);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t background = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    for (const int mapType : {0, 1}) {  // compass points, hour angles
        SCOPED_TRACE(mapType);
        SkyOptions options = sky.GetOptions();
        options.mapType = mapType;
        sky.SetOptions(options);
        const std::vector<std::uint32_t> pixels = test::PrintedClient(dial, client.right, client.bottom);
        const auto ink = [&](int x, int y) {
            return pixels[static_cast<std::size_t>(y) * client.right + static_cast<std::size_t>(x)] != background;
        };
        int inked = 0;
        for (int y = 0; y < client.bottom; ++y) {
            EXPECT_FALSE(ink(0, y)) << "left edge, row " << y;
            EXPECT_FALSE(ink(client.right - 1, y)) << "right edge, row " << y;
            for (int x = 0; x < client.right; ++x) inked += ink(x, y);
        }
        for (int x = 0; x < client.right; ++x) {
            EXPECT_FALSE(ink(x, 0)) << "top edge, column " << x;
            EXPECT_FALSE(ink(x, client.bottom - 1)) << "bottom edge, column " << x;
        }
        EXPECT_GT(inked, 100);  // the dial is drawn at all
    }
}

// "Keep stars fixed" is the application's: the stars of every Sky window
// stay where they are while the time browser moves the document (and its
// planets); undoing the option switches it off everywhere again.
TEST_F(SkyPanelTest, KeepStarsFixedHoldsTheStarsOfEveryWindowAndUndoesEverywhere) {
    SkyWindow& first = NewSky();
    ASSERT_NE(first.Display()->Renderer(), nullptr) << "no GL context";
    SkyWindow& second = NewSky();
    for (SkyWindow* sky : {&first, &second}) LookAtSirius(*sky, kHorizontalMap, 60);
    PanelSettings hourly;
    hourly.timeStep = TimeStep{kHoursUnit, 1};
    Panel().ApplySettings(hourly);
    auto shifts = [&] {
        const POINT before[] = {SiriusPixel(first), SiriusPixel(second)};
        const SkyPosition moon = first.GetDocument().GetBodySkyPosition(kBodyMoon, 0);
        Panel().ControlPanelStepTime(false);
        const POINT after[] = {SiriusPixel(first), SiriusPixel(second)};
        EXPECT_NE(first.GetDocument().GetBodySkyPosition(kBodyMoon, 0).first, moon.first) << "the Moon moves";
        return std::vector<int>{std::abs(after[0].x - before[0].x) + std::abs(after[0].y - before[0].y),
                                std::abs(after[1].x - before[1].x) + std::abs(after[1].y - before[1].y)};
    };
    for (const int shift : shifts()) EXPECT_GT(shift, 10) << "the sky turns with the document's time";
    RunOptionsDialog(second, [](HWND dialog) {
        Click(SkyOptionsCurrentPage(), kStarsFixedItem);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    ASSERT_TRUE(app_->GetStarsFixed());
    for (SkyWindow* sky : {&first, &second}) LookAtSirius(*sky, kHorizontalMap, 60);
    for (const int shift : shifts()) EXPECT_LE(shift, 1) << "the stars stay";
    second.GetCommandHistory().UndoCommands(2);  // the hour, then the option
    EXPECT_FALSE(app_->GetStarsFixed());
}

// Ctrl+Tab turns the dialog's pages forward and Ctrl+Shift+Tab back, round
// from the last to the first, also while a control of the page has the
// focus; a plain Tab still only moves the focus.
TEST_F(SkyPanelTest, CtrlTabTurnsTheOptionsPagesBothWays) {
    SkyWindow& sky = NewSky();
    struct Case {
        std::initializer_list<int> held;
        bool fromThePage;  // the focus on the page's first control
        int page;          // the page shown after the key
    };
    const Case cases[] = {
        {{VK_CONTROL}, false, 1},          {{VK_CONTROL}, true, 2},
        {{VK_CONTROL, VK_SHIFT}, true, 1}, {{VK_CONTROL, VK_SHIFT}, false, 0},
        {{VK_CONTROL, VK_SHIFT}, false, 4}, {{VK_CONTROL}, false, 0},
        {{}, false, 0},
    };
    bool ran = false;
    test::ModalDriver::Run(
        [&](test::ModalDriver&, HWND started) {
            ran = true;
            HWND dialog = GetAncestor(started, GA_ROOT);
            HWND tabs = GetDlgItem(dialog, kSkyOptionsTabItem);
            // The key as the dialog's own loop takes it.
            const auto tab = [dialog] {
                PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
                PostMessageW(GetFocus(), WM_KEYUP, VK_TAB, 1 | (3u << 30));
                MSG msg;
                while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                    if (IsDialogMessageW(dialog, &msg)) continue;
                    TranslateMessage(&msg);
                    DispatchMessageW(&msg);
                }
            };
            for (const Case& c : cases) {
                if (c.fromThePage) {
                    SetFocus(GetNextDlgTabItem(SkyOptionsCurrentPage(), nullptr, FALSE));
                } else {
                    SetFocus(tabs);
                }
                {
                    test::HeldKeys keys(c.held);
                    tab();
                }
                EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), c.page);
                const HWND page = SkyOptionsCurrentPage();
                ASSERT_NE(page, nullptr);
                EXPECT_TRUE(GetWindowLongW(page, GWL_STYLE) & WS_VISIBLE);
                EXPECT_TRUE(GetFocus() == tabs || IsChild(dialog, GetFocus()));
            }
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        },
        [&] { return SendMessageW(sky.Display()->Window(), WM_COMMAND, CMD_SKY_OPTIONS, 0); });
    ASSERT_TRUE(ran) << "the dialog never opened";
}

// The time step and the two systems of the panel, and the dialog's tab, come
// back after a restart.
TEST_F(SkyPanelTest, ThePanelSettingsAndTheDialogTabSurviveARestart) {
    SkyWindow& sky = NewSky();
    PanelSettings settings;
    settings.timeStep = TimeStep{kDaysUnit, 3};
    settings.coordinateSystem = 2;
    settings.riseSetTimeSystem = kUniversalTime;
    Panel().ApplySettings(settings);
    RunOptionsDialog(sky, [](HWND dialog) {
        SelectTab(dialog, 3);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Restart();
    const PanelSettings read = Panel().ReadSettings();
    EXPECT_EQ(read.timeStep.unit, kDaysUnit);
    EXPECT_EQ(read.timeStep.count, 3);
    EXPECT_EQ(read.coordinateSystem, 2);
    EXPECT_EQ(read.riseSetTimeSystem, kUniversalTime);
    SkyWindow& again = NewSky();
    EXPECT_EQ(ItemText(PanelDialog(), kSkyFirstLabelItem), L"Azimuth");
    RunOptionsDialog(again, [](HWND dialog) {
        EXPECT_EQ(SendDlgItemMessageW(dialog, kSkyOptionsTabItem, TCM_GETCURSEL, 0, 0), 3);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

// The whole journey by keys: into the panel with Tab, a button with Space,
// the slider with the arrows, a time step typed and F8; back to the window
// with Escape, then each page of the dialog from Shift+F10: the tab
// control's arrow (the dialog reopens on the page it closed on), a letter
// with Alt, Enter. Every change is one step, and Ctrl+Z takes them back.
TEST_F(SkyPanelTest, TheWholeJourneyByKeys) {
    const auto skyOpen = [this] { return dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow()) != nullptr; };
    ASSERT_TRUE(KeySteps({{{VK_MENU, 'W'}, MenuOpen}, {{'N'}, SubmenuOpen}, {{'S'}, skyOpen}}));
    auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(sky, nullptr);
    const SkyOptions original = sky->GetOptions();
    const DateTime start = sky->GetDocument().GetTimeAndPlace().dateTime;
    auto focused = [] { return GetDlgCtrlID(GetFocus()); };

    const HWND panel = PanelDialog();
    ASSERT_TRUE(RunMessagesUntil([panel] { return IsChild(panel, GetFocus()) != FALSE; }, 5000))
        << "the new window hands the keys to its panel";
    Keys({{VK_TAB}});
    ASSERT_EQ(focused(), kSkyLookUpItem);
    Keys({{VK_SPACE}});
    EXPECT_EQ(sky->GetViewDirection().altitude, 30.0);
    Keys({{VK_MENU, 'F'}});  // "&Field of view": the slider
    ASSERT_EQ(focused(), kSkyZoomSliderItem);
    Keys({{VK_RIGHT}, {VK_RIGHT}});
    EXPECT_EQ(sky->GetZoom(), 80);
    EXPECT_EQ(Steps(*sky), 3);

    SetFocus(Item(kStepCountItem));
    SendMessageW(GetFocus(), EM_SETSEL, 0, -1);
    Keys({{'3'}, {VK_F8}});
    EXPECT_NEAR(DateTimeDifferenceDays(sky->GetDocument().GetTimeAndPlace().dateTime, start) * 1440.0, 3.0, 1e-6);
    EXPECT_EQ(Steps(*sky), 4);

    Keys({{VK_ESCAPE}});
    EXPECT_EQ(GetFocus(), sky->Handle()) << "Escape gives the keys back to the window";
    // Each page: the keys back to the window (a dialog's end hands them to
    // the panel, to the control that had them), the menu, its "Sky
    // &Options...", the page's keys, Enter.
    const HWND window = sky->Handle();
    const auto withDialog = [window](std::vector<test::KeyStep> keys) {
        keys.insert(keys.begin(), {{{VK_ESCAPE}, [window] { return GetFocus() == window; }},
                                   {{VK_SHIFT, VK_F10}, MenuOpen},
                                   {{'O'}, test::TypedKeys::DialogHasFocus}});
        keys.push_back({{VK_RETURN}, NoModalDialog});
        return keys;
    };
    struct Page {
        std::vector<test::KeyStep> keys;
        bool (*changed)(const SkyOptions& now, const SkyOptions& before);
    } const pages[] = {
        {withDialog({{{VK_MENU, 'E'}, nullptr}}),
         [](const SkyOptions& o, const SkyOptions& b) { return o.eclipticOn != b.eclipticOn; }},
        {withDialog({{{VK_RIGHT}, nullptr}, {{VK_MENU, 'N'}, nullptr}}),
         [](const SkyOptions& o, const SkyOptions& b) { return o.planetNamesOn != b.planetNamesOn; }},
        {withDialog({{{VK_RIGHT}, nullptr}, {{VK_MENU, 'L'}, nullptr}}),
         [](const SkyOptions& o, const SkyOptions& b) { return o.starLettersOn != b.starLettersOn; }},
        {withDialog({{{VK_RIGHT}, nullptr}, {{VK_MENU, 'B'}, nullptr}}),
         [](const SkyOptions& o, const SkyOptions& b) {
             return o.constellationBoundariesOn != b.constellationBoundariesOn;
         }},
        {withDialog({{{VK_RIGHT}, nullptr}, {{VK_MENU, 'S'}, nullptr}, {{VK_DOWN}, nullptr}}),
         [](const SkyOptions& o, const SkyOptions& b) { return o.deepSkyCatalogue != b.deepSkyCatalogue; }},
    };
    for (std::size_t page = 0; page < std::size(pages); ++page) {
        const SkyOptions before = sky->GetOptions();
        const int steps = Steps(*sky);
        EXPECT_TRUE(KeySteps(pages[page].keys)) << "page " << page;
        EXPECT_TRUE(pages[page].changed(sky->GetOptions(), before)) << "page " << page;
        EXPECT_EQ(Steps(*sky), steps + 1) << "page " << page;
    }
    for (std::size_t page = 0; page < std::size(pages); ++page) Keys({{VK_CONTROL, 'Z'}});
    EXPECT_TRUE(SkyOptionsEqual(sky->GetOptions(), original));
    EXPECT_EQ(Steps(*sky), 4);
}

}  // namespace
}  // namespace corvinata
