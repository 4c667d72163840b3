#include "frame/time_appearance_dialogs.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/current_time.h"
#include "app/place_directory.h"
#include "base/memory_storage.h"
#include "controls/control_classes.h"
#include "controls/custom_control_registry.h"
#include "controls/spin_edit_window.h"
#include "support/app_fakes.h"
#include "support/system_night_win.h"
#include "frame/modal_driver.h"

namespace corvinata {
namespace {

using test::ModalDriver;

std::wstring DialogText(HWND dialog, int id) {
    wchar_t text[80] = L"";
    GetDlgItemTextW(dialog, id, text, 80);
    return text;
}

struct StillClock final : SystemClock {
    bool Now(DateTime& localTime, bool& daylightSaving) override {
        localTime = DateTime{2020, 1, 1, 12.0, kLocalCivilTime};
        daylightSaving = false;
        return true;
    }
};

struct CountingTimer final : ClockTimer {
    bool StartClockTimer() override { return ++starts > 0; }
    void StopClockTimer() override {}
    int starts = 0;
};

class OptionDialogs : public ::testing::Test, public NotificationRegistryInterface {
protected:
    OptionDialogs() {
        registered_ = RegisterCustomControlClasses(GetModuleHandleW(nullptr));
        SetCustomControlRegistry(&registry_);
        hub_.Insert(&heard_);
    }
    ~OptionDialogs() override { SetCustomControlRegistry(nullptr); }
    void SetUp() override { ASSERT_TRUE(registered_); }
    NotificationHub& GetNotificationHub() override { return hub_; }

    bool Appearance(const ModalDriver::Steps& steps) {
        return ModalDriver::Run(steps, [&] {
            return ChangeAppearance(nullptr, options_, night_, *this, &placement_);
        });
    }
    bool DateAndTime(const ModalDriver::Steps& steps) {
        return ModalDriver::Run(steps, [&] {
            return ChangeDateTime(nullptr, time_, [&](const DateTimeOptions& o) { clock_.ApplyOptions(o); },
                                  nullptr);
        });
    }

    CustomControlRegistry registry_;
    bool registered_ = false;
    NotificationHub hub_;
    test::RecordingObserver heard_;
    NightVisionSettings night_{*this};
    GeneralOptions options_;
    DateTimeOptions time_;
    WindowGeometry placement_;
    // The application's current time and its clock, as the menu command uses them.
    MemoryStorageService memory_;
    GeoLocationRecordFormat format_;
    UserLocations places_{memory_, String(TXT("\\Software\\Test")), format_};
    PlaceDirectory directory_{places_};
    LocationOptions locationOptions_;
    CurrentTimeAndLocation current_{*this, locationOptions_, directory_};
    StillClock systemClock_;
    CountingTimer timer_;
    ApplicationClock clock_{current_, time_, systemClock_, timer_};
};

TEST_F(OptionDialogs, AppearanceChoicesByKeyboardReachTheDocumentsOnOk) {
    const bool confirmed = Appearance([](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, kIdRaHours), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, kIdConstellationLatin), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, kIdStoreChanges), BST_CHECKED);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kIdBrightness)));
        d.Focus(kIdRaHours);
        d.Key(VK_DOWN);  // to "Degrees"
        d.Focus(kIdAnglesSexagesimal);
        d.Key(VK_DOWN);  // to "Decimal"
        d.Focus(kIdStoreChanges);
        d.Key(VK_DOWN);  // to "Discard any changes"
        d.Key(VK_RETURN);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_EQ(options_.raDisplayUnit, 0);
    EXPECT_EQ(options_.angleDegreeBase, 1);
    EXPECT_EQ(options_.constellationLanguage, 0);
    EXPECT_FALSE(options_.saveOptionsOnExit);
    EXPECT_FALSE(options_.factoryReset);
    ASSERT_EQ(heard_.heard.size(), 1u);
    EXPECT_EQ(heard_.heard[0].event, kEventAppearanceChanged);
    EXPECT_EQ(heard_.heard[0].flags, kRaDisplayUnitChanged | kAngleDegreeBaseChanged);
    EXPECT_NE(placement_.fieldMask & kGeometryPosition, 0);
}

// OK without a change still tells the listeners: event 12 with no flag.
TEST_F(OptionDialogs, AppearanceConfirmedWithoutAChangeTellsTheListenersNothingChanged) {
    const GeneralOptions before = options_;
    EXPECT_TRUE(Appearance([](ModalDriver& d, HWND) { d.Key(VK_RETURN); }));
    EXPECT_EQ(options_.raDisplayUnit, before.raDisplayUnit);
    EXPECT_EQ(options_.angleDegreeBase, before.angleDegreeBase);
    ASSERT_EQ(heard_.heard.size(), 1u);
    EXPECT_EQ(heard_.heard[0].event, kEventAppearanceChanged);
    EXPECT_EQ(heard_.heard[0].flags, 0u);
}

TEST_F(OptionDialogs, NightVisionFollowsTheControlsAtOnceAndCancelTakesItBack) {
    const GeneralOptions before = options_;
    const bool confirmed = Appearance([this](ModalDriver& d, HWND dialog) {
        d.Focus(kIdNightVision);
        d.Key(VK_SPACE);
        EXPECT_TRUE(night_.IsNightVisionActive());
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, kIdBrightness)));
        d.Focus(kIdBrightness);
        // Each key moves the level by one step, a page key too.
        d.Key(VK_PRIOR);
        EXPECT_DOUBLE_EQ(night_.Levels().brightness, 0.79);
        d.Key(VK_NEXT);
        d.Key(VK_NEXT);
        EXPECT_DOUBLE_EQ(night_.Levels().brightness, 0.81);
        EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kIdBrightness), TBM_GETPOS, 0, 0), 81);
        d.Key(VK_HOME);
        EXPECT_DOUBLE_EQ(night_.Levels().brightness, 0.0);
        d.Key(VK_ESCAPE);
    });
    EXPECT_FALSE(confirmed);
    EXPECT_FALSE(night_.IsNightVisionActive());
    EXPECT_DOUBLE_EQ(night_.Levels().brightness, 0.8);
    EXPECT_EQ(options_.raDisplayUnit, before.raDisplayUnit);
    for (const auto& heard : heard_.heard) EXPECT_EQ(heard.flags, kNightVisionSwitched);
}

TEST_F(OptionDialogs, OpeningAndClosingKeepsTheLevelsExactly) {
    night_.ApplyNightVision(true, 0.29, 0.57);
    for (int run = 0; run < 3; ++run)
        Appearance([](ModalDriver& d, HWND) { d.Key(VK_RETURN); });
    EXPECT_EQ(night_.Levels().brightness, 0.29);
    EXPECT_EQ(night_.Levels().contrast, 0.57);
}

TEST_F(OptionDialogs, ReturnStillConfirmsAfterATrackbarMove) {
    night_.ApplyNightVision(true, 0.5, 0.5);
    EXPECT_TRUE(Appearance([](ModalDriver& d, HWND) {
        d.Focus(kIdContrast);
        d.Key(VK_RIGHT);
        d.Key(VK_RETURN);
    }));
    EXPECT_DOUBLE_EQ(night_.Levels().contrast, 0.51);
}

// Night vision recolours every program of the desktop: the dialog says so,
// and says how to get the colours back, in a text that shows whole.
TEST_F(OptionDialogs, AppearanceWarnsThatNightVisionChangesEveryProgram) {
    std::wstring warning;
    RECT room{}, needed{};
    Appearance([&](ModalDriver& d, HWND dialog) {
        for (HWND item = GetWindow(dialog, GW_CHILD); item; item = GetWindow(item, GW_HWNDNEXT)) {
            wchar_t text[400] = L"";
            GetWindowTextW(item, text, 400);
            if (std::wstring(text).rfind(L"Activating night vision", 0) != 0) continue;
            warning = text;
            GetClientRect(item, &room);
            needed = room;
            HDC dc = GetDC(item);
            const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item, WM_GETFONT, 0, 0)));
            DrawTextW(dc, text, -1, &needed, DT_CALCRECT | DT_WORDBREAK);
            SelectObject(dc, font);
            ReleaseDC(item, dc);
        }
        d.Key(VK_ESCAPE);
    });
    EXPECT_EQ(warning,
              L"Activating night vision mode will temporarily change the visual appearance of all Windows "
              L"applications. To restore the original appearance, reactivate Visual Styles in the Windows "
              L"Control Panel after you exit Corvinata.");
    EXPECT_LE(needed.bottom, room.bottom);
    EXPECT_LE(needed.right, room.right);
}

TEST_F(OptionDialogs, DateAndTimeOfTheUserAppliedOnlyOnOk) {
    time_.userTime = DateTime{2001, 3, 5, 14.5, kLocalCivilTime};
    const bool confirmed = DateAndTime([](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(IsDlgButtonChecked(dialog, kIdSystemTime), BST_CHECKED);
        EXPECT_GT(GetWindowTextLengthW(GetDlgItem(dialog, kIdSystemClock)), 0);
        wchar_t state[8] = L"";
        GetDlgItemTextW(dialog, kIdSystemDaylightSaving, state, 8);
        EXPECT_TRUE(lstrcmpW(state, L"On") == 0 || lstrcmpW(state, L"Off") == 0);
        // The system clock in the program's own format, never the locale's.
        const std::wstring date = DialogText(dialog, kIdSystemDate);
        const std::wstring clock = DialogText(dialog, kIdSystemClock);
        EXPECT_TRUE(date.size() == 10 && date[2] == L'.' && date[5] == L'.') << std::string(date.begin(), date.end());
        EXPECT_TRUE(clock.size() == 8 && clock[2] == L':' && clock[5] == L':') << std::string(clock.begin(), clock.end());
        d.Focus(kIdSystemTime);
        d.Key(VK_DOWN);  // "User defined time"
        d.Focus(kIdTimeScale);
        d.Key(VK_HOME);  // "UT"
        d.Focus(kIdDaylightSaving);
        d.Key(VK_SPACE);
        d.Focus(kIdRealTimeClock);
        d.Key(VK_SPACE);
        d.Key(VK_RETURN);
    });
    EXPECT_TRUE(confirmed);
    EXPECT_TRUE(time_.userDefined);
    EXPECT_EQ(time_.userTime.year, 2001);
    EXPECT_EQ(time_.userTime.day, 5);
    EXPECT_DOUBLE_EQ(time_.userTime.hours, 14.5);
    EXPECT_EQ(time_.userTime.timeSystem, kUniversalTime);
    EXPECT_TRUE(time_.userDaylightSaving);
    EXPECT_TRUE(time_.clockActive);
    // The moment reaches every listener as event 10, in local civil time
    // (Universal time 14:30, zone 0, daylight saving time).
    ASSERT_EQ(heard_.heard.size(), 1u);
    EXPECT_EQ(heard_.heard[0].event, kEventDateTimeChanged);
    EXPECT_EQ(current_.GetTimeAndLocation().dateTime.day, 5);
    EXPECT_DOUBLE_EQ(current_.GetTimeAndLocation().dateTime.hours, 15.5);
    EXPECT_EQ(timer_.starts, 1);
}

// Date and Time enables and disables nothing: with either time chosen, and
// after the other is chosen, every control takes the keys, and they start
// on the date picker (Up there moves the date OK stores).
TEST_F(OptionDialogs, DateAndTimeKeepsEveryControlEnabledAndOpensOnTheDate) {
    const struct {
        bool userDefined;
        int other;  // the radio button the arrow key moves to
        WPARAM arrow;
    } rows[] = {{false, kIdUserTime, VK_DOWN}, {true, kIdSystemTime, VK_UP}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.userDefined ? "user defined time" : "system time");
        time_.userDefined = row.userDefined;
        const DateTime opened{2001, 3, 5, 14.5, kLocalCivilTime};
        time_.userTime = opened;
        const auto disabled = [](HWND dialog) {
            std::vector<int> ids;
            for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                if (!IsWindowEnabled(c)) ids.push_back(GetDlgCtrlID(c));
            }
            return ids;
        };
        const bool confirmed = DateAndTime([&](ModalDriver& d, HWND dialog) {
            const HWND date = GetDlgItem(dialog, kIdUserDate);
            EXPECT_TRUE(GetFocus() == date || IsChild(date, GetFocus()));
            EXPECT_EQ(disabled(dialog), std::vector<int>{});
            d.Key(VK_UP);
            d.Focus(row.userDefined ? kIdUserTime : kIdSystemTime);
            d.Key(row.arrow);
            EXPECT_EQ(IsDlgButtonChecked(dialog, row.other), BST_CHECKED);
            EXPECT_EQ(disabled(dialog), std::vector<int>{});
            d.Key(VK_RETURN);
        });
        ASSERT_TRUE(confirmed);
        EXPECT_NE(time_.userDefined, row.userDefined);
        EXPECT_FALSE(time_.userTime.year == opened.year && time_.userTime.month == opened.month &&
                     time_.userTime.day == opened.day);
    }
}

TEST_F(OptionDialogs, DateAndTimeCancelChangesNothing) {
    const bool confirmed = DateAndTime([](ModalDriver& d, HWND) {
        d.Focus(kIdRealTimeClock);
        d.Key(VK_SPACE);
        d.Key(VK_ESCAPE);
    });
    EXPECT_FALSE(confirmed);
    EXPECT_FALSE(time_.clockActive);
    EXPECT_TRUE(heard_.heard.empty());
}

// The system's own colours turn red at night (the desktop background
// excepted) and come back exactly, all thirty, when night vision goes off.
TEST(NightDesktopOfTheSystem, TheThirtyColoursTurnRedAndComeBackExactly) {
    test::SystemNight system;
    NightVisionSettings& night = system.night;
    COLORREF day[kNightColourCount];
    for (int i = 0; i < kNightColourCount; ++i) day[i] = GetSysColor(kNightColourRules[i].systemIndex);
    night.ApplyNightVision(true, 0.8, 1.0);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(124, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_MENUBAR), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), day[8]);
    night.ApplyNightVision(true, 1.0, 1.0);  // brighter, still at night
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 0, 0));
    night.ApplyNightVision(false, kKeepLevel, kKeepLevel);
    for (int i = 0; i < kNightColourCount; ++i)
        EXPECT_EQ(GetSysColor(kNightColourRules[i].systemIndex), day[i]) << kNightColourRules[i].systemIndex;
}

// Whether the shell marks visual styles on for the programs started next
// (empty: no mark).
std::wstring ThemeActiveMark() {
    wchar_t value[8] = L"";
    DWORD size = sizeof value - sizeof value[0];
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                     L"ThemeActive", RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"";
    return value;
}

struct RecordingKeeper final : DesktopKeeperInterface {
    void Keep(const DesktopLook& look) override { kept.push_back(look); }
    void Forget() override {}
    std::vector<DesktopLook> kept;
};

// A second night in one run is the first again: the programs started
// during it find visual styles off, and the look it keeps has them on as
// the desktop had them, although this process's own went off at the first.
TEST(NightDesktopOfTheSystem, ASecondNightLeavesTheDesktopUnthemedAndKeepsItsLook) {
    test::SystemNight system;
    RecordingKeeper keeper;
    SystemDesktop desktop;
    system.night.AttachDesktop(&desktop, &keeper);
    const std::wstring before = ThemeActiveMark();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", 0,
                              nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t on[] = L"1";
    RegSetValueExW(key, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(on), sizeof on);
    for (int night = 1; night <= 2; ++night) {
        system.night.ApplyNightVision(true, 0.8, 1.0);
        EXPECT_EQ(ThemeActiveMark(), L"0") << "night " << night;
        ASSERT_EQ(keeper.kept.size(), static_cast<std::size_t>(night));
        EXPECT_TRUE(keeper.kept.back().visualStyles) << "night " << night;
        system.night.ApplyNightVision(false, kKeepLevel, kKeepLevel);
        EXPECT_EQ(ThemeActiveMark(), L"1") << "day after night " << night;
    }
    if (before.empty()) {
        RegDeleteValueW(key, L"ThemeActive");
    } else {
        RegSetValueExW(key, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(before.c_str()),
                       static_cast<DWORD>((before.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

// The paints of this thread's windows while counted: sent, and taken from
// the queue.
int g_paints = 0;
bool g_countPaints = false;

LRESULT CALLBACK CountSentPaint(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_countPaints && sent->message == WM_PAINT) ++g_paints;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CountQueuedPaint(int code, WPARAM wParam, LPARAM lParam) {
    const auto* taken = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && g_countPaints && taken->message == WM_PAINT) ++g_paints;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The first night of a run takes visual styles away from every window:
// when the switch has ended, each is drawn in the night's look, and nothing
// draws again after it (the system's own notices of the change, which come
// later, drew every control a second time). In a process of its own, which
// starts with visual styles on as a program does.
TEST(NightDesktopOfTheSystem, TheFirstNightOfARunLeavesNothingToDrawAfterIt) {
    const std::wstring before = ThemeActiveMark();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", 0,
                              nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const wchar_t on[] = L"1";
    RegSetValueExW(key, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(on), sizeof on);
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The exit code: the paints after the switch (99: the process started
    // without visual styles, and the first night had none to take away).
    EXPECT_EXIT(
        {
            HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
                                          nullptr, nullptr, nullptr, nullptr);
            for (int i = 0; i < 6; ++i) {
                CreateWindowExW(0, L"BUTTON", L"Button", WS_CHILD | WS_VISIBLE | (i % 2 ? BS_AUTOCHECKBOX : 0), 10,
                                10 + 40 * i, 150, 30, window, nullptr, nullptr, nullptr);
            }
            const bool themed = IsThemeActive() != FALSE;
            test::SystemNight system;
            UpdateWindow(window);
            system.night.ApplyNightVision(true, 0.8, 1.0);
            const HHOOK sent = SetWindowsHookExW(WH_CALLWNDPROC, &CountSentPaint, nullptr, GetCurrentThreadId());
            const HHOOK queued = SetWindowsHookExW(WH_GETMESSAGE, &CountQueuedPaint, nullptr, GetCurrentThreadId());
            g_countPaints = true;
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
            g_countPaints = false;
            UnhookWindowsHookEx(sent);
            UnhookWindowsHookEx(queued);
            system.night.ApplyNightVision(false, kKeepLevel, kKeepLevel);
            std::exit(themed ? std::min(g_paints, 98) : 99);
        },
        ::testing::ExitedWithCode(0), "");
    GTEST_FLAG_SET(death_test_style, style);
    if (before.empty()) {
        RegDeleteValueW(key, L"ThemeActive");
    } else {
        RegSetValueExW(key, L"ThemeActive", 0, REG_SZ, reinterpret_cast<const BYTE*>(before.c_str()),
                       static_cast<DWORD>((before.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

}  // namespace
}  // namespace corvinata
