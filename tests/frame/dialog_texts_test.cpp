// Every text of the program's dialogs and panels fits its control, in the
// dialogs' own font: the texts of the templates, and the texts the windows
// set when they open (a place with its coordinates, the items of a combo box).
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalogue_registry.h"
#include "controls/select_body_dialog.h"
#include "frame/define_location_dialog.h"
#include "frame/main_menu.h"
#include "frame/select_location_dialog.h"
#include "frame/time_appearance_dialogs.h"
#include "frame_test.h"
#include "resources/calculator_ids.h"
#include "resources/object_info_ids.h"
#include "resources/resource_ids.h"
#include "script/window_kind.h"
#include "support/catalogues.h"
#include "support/test_text.h"
#include "text_fit.h"
#include "tools/object_info_pages.h"
#include "tools/object_info_window_win.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

using test::CutText;
using test::Utf8;

// The labels an Object Info page places when it is filled: the texts before
// a symbol, the symbols and the texts after them (twenty rows of each).
constexpr int kInfoPlacedFirst = kIdInfoFirstSymbolCaption;
constexpr int kInfoPlacedLast = kIdInfoFirstSymbolAfter + (kIdInfoFirstSymbolLabel - kIdInfoFirstSymbolCaption) - 1;

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string Describe(const std::vector<CutText>& cut) {
    std::string text;
    for (const CutText& c : cut) {
        text += Utf8(c.where.c_str()) + " \"" + Utf8(c.text.c_str()) + "\" needs " + std::to_string(c.needed.cx) + " x " +
                std::to_string(c.needed.cy) + ", has " + std::to_string(c.room.cx) + " x " +
                std::to_string(c.room.cy) + "\n";
    }
    return text;
}

std::string Describe(const std::vector<std::wstring>& lines) {
    std::string text;
    for (const std::wstring& line : lines) text += Utf8(line.c_str()) + "\n";
    return text;
}

BOOL CALLBACK AddDialogName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR parameter) {
    auto& list = *reinterpret_cast<std::vector<std::wstring>*>(parameter);
    list.push_back(IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : name);
    return TRUE;
}

std::vector<std::wstring> DialogNames(HINSTANCE instance) {
    std::vector<std::wstring> names;
    EnumResourceNamesW(instance, RT_DIALOG, &AddDialogName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

// The shown top-level windows of the thread with all they hold.
BOOL CALLBACK CheckWindowTexts(HWND window, LPARAM parameter) {
    if (!IsWindowVisible(window)) return TRUE;
    auto& cut = *reinterpret_cast<std::vector<CutText>*>(parameter);
    for (CutText& c : test::CutTextsOf(window, test::WindowText(window), true)) cut.push_back(std::move(c));
    return TRUE;
}

class DialogTextsTest : public test::FrameTest {};

// The dialogs' font is the one the program's systems give "MS Shell Dlg",
// with its own widths: measured in a stand-in face, the texts would say
// nothing of what a user sees.
TEST_F(DialogTextsTest, TheDialogFontIsTheSystemsDialogFace) {
    Start(false);
    UseCustomControls();
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), L"DLG_CTRL_SKY", frame_->Window(), &PlainDialog, 0);
    ASSERT_NE(dialog, nullptr);
    HWND label = GetWindow(dialog, GW_CHILD);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    std::vector<char> metrics(GetOutlineTextMetricsW(dc, 0, nullptr) + 1);
    auto* outline = reinterpret_cast<OUTLINETEXTMETRICW*>(metrics.data());
    ASSERT_GT(GetOutlineTextMetricsW(dc, static_cast<UINT>(metrics.size()), outline), 0u);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    EXPECT_EQ(Utf8(reinterpret_cast<const wchar_t*>(metrics.data() + reinterpret_cast<std::uintptr_t>(outline->otmpFamilyName))),
              "Tahoma");
    // Tahoma's widths at 8 points, 96 dots an inch.
    EXPECT_EQ(test::TextSize(label, L"Sign of zodiac:", DT_SINGLELINE, 0).cx, 77);
    DestroyWindow(dialog);
}

// Every dialog template of the resources and every template the program
// builds: its statics, buttons, check
// boxes, radio buttons and group titles show their whole text, and no two
// shown controls lie over each other.
TEST_F(DialogTextsTest, EveryTemplateTextFitsItsControl) {
    Start(false);
    UseCustomControls();
    const std::vector<std::wstring> names = DialogNames(GetModuleHandleW(nullptr));
    ASSERT_GT(names.size(), 60u);
    std::vector<CutText> cut;
    std::vector<std::wstring> overlaps;
    for (const std::wstring& name : names) {
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), name.c_str(), frame_->Window(), &PlainDialog, 0);
        if (dialog == nullptr) {
            ADD_FAILURE() << Utf8(name.c_str()) << " is not made";
            continue;
        }
        for (CutText& c : test::CutTextsOf(dialog, name, false)) cut.push_back(std::move(c));
        // Object Info's pages put each symbol and the text after it behind
        // the text before them as they are filled.
        const bool infoPage = name.rfind(L"DLG_INFO", 0) == 0;
        auto placedAtRun = [infoPage](int id) { return infoPage && id >= kInfoPlacedFirst && id <= kInfoPlacedLast; };
        for (std::wstring& o : test::OverlapsOf(dialog, name, placedAtRun)) overlaps.push_back(std::move(o));
        DestroyWindow(dialog);
    }
    // The option dialogs whose templates the program builds itself.
    const std::pair<const wchar_t*, DialogTemplate> built[] = {
        {L"Select Location", SelectLocationDialogTemplate()}, {L"Define Location", DefineLocationDialogTemplate()},
        {L"Appearance", AppearanceDialogTemplate()},          {L"Date and Time", DateTimeDialogTemplate()},
        {L"Select Body", SelectBodyDialogTemplate()}};
    for (const auto& [name, dialogTemplate] : built) {
        HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(), frame_->Window(),
                                                 &PlainDialog, 0);
        if (dialog == nullptr) {
            ADD_FAILURE() << Utf8(name) << " is not made";
            continue;
        }
        for (CutText& c : test::CutTextsOf(dialog, name, false)) cut.push_back(std::move(c));
        for (std::wstring& o : test::OverlapsOf(dialog, name, [](int) { return false; })) overlaps.push_back(std::move(o));
        DestroyWindow(dialog);
    }
    EXPECT_TRUE(cut.empty()) << Describe(cut);
    EXPECT_TRUE(overlaps.empty()) << Describe(overlaps);
}

// One control text of a dialog: by its id, or (id 0) any child showing it;
// `beside`, when given, is the control on whose row the text stands, after it.
struct ControlText {
    int id;
    const wchar_t* text;
    int beside = 0;
};

struct DialogTexts {
    const wchar_t* name;  // a template of the resources, or a built one's caption
    std::vector<ControlText> texts;
};

// The children of a dialog whose text is `text`, exactly.
std::vector<HWND> ChildrenWithText(HWND dialog, const wchar_t* text) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (test::WindowText(child) == text) found.push_back(child);
    }
    return found;
}

// The dialogs' texts as written, mnemonics and marks included, each where it
// stands: no colon, dot or mnemonic more or less.
TEST_F(DialogTextsTest, TheDialogsShowTheirTextsAsWritten) {
    Start(false);
    UseCustomControls();
    const DialogTexts dialogs[] = {
        {L"DLG_SKYOPTIONSGENERAL",
         {{20818, L"Show &Sun"}, {20812, L"Show &Moon"}, {20621, L"Show &ecliptic"}, {0, L"&Horizon", 20706},
          {0, L"M&ap type", 20751}, {0, L"&Grid type", 20695}, {20696, L"Show grid &labels"},
          {20697, L"Show crosses only"}, {20510, L"Keep stars &fixed while browsing"},
          {0, L"(This setting applies to all open sky windows)"}}},
        {L"DLG_SKYOPTIONSPLANETS",
         {{20831, L"Show planet &names"}, {20835, L"Show planet &symbols"}, {20836, L"Show planet &tracks"},
          {0, L"Show &which planets"}, {20832, L"All"}, {20833, L"None"}, {20834, L"Realistic"}}},
        {L"DLG_SKYOPTIONSSTARS",
         {{20879, L"Show &names"}, {20878, L"Show &letters"}, {0, L"Show stars up to &magnitude", 20750}}},
        {L"DLG_SKYOPTIONSCONSTELLATIONS",
         {{0, L"Show &names", 20563}, {20562, L"Show &lines"}, {20576, L"Show &boundaries"}}},
        {L"DLG_SKYOPTIONSDEEPSKY",
         {{0, L"&Show objects", 20816}, {0, L"&Names", 20817}, {20815, L"Different &colour if picture available"}}},
        {L"DLG_TOOL_CALCULATOR_CALENDAR",
         {{0, L"UT", IDC_CALC_TIME},
          {0, L"Valid Julian Date numbers are\n\n   2299238.5000 (01.01.1583 00:00:00) to\n   2817152.4999 "
              L"(31.12.3000 23:59:59)"},
          {0, L"Valid day numbers are 1 to 365 (366 in a leap year)"}}},
        {L"DLG_TOOL_CALCULATOR_TIME", {{IDC_CALC_DAYLIGHT_SAVING, L"Daylight saving time"},
                                       {IDC_CALC_SELECT_PLACE, L"Select..."}}},
        {L"DLG_TOOL_CALCULATOR_COORD", {{IDC_CALC_DAYLIGHT_SAVING, L"Daylight saving time"},
                                        {IDC_CALC_SELECT_PLACE, L"Select..."}}},
        {L"Select Location",
         {{kIdPredefinedMode, L"&Predefined location"}, {0, L"&Country", kIdCountryList}, {0, L"&Town", kIdTownList},
          {kIdUserMode, L"&User defined location"}, {kIdNewPlace, L"&New.."}, {kIdEditPlace, L"&Edit..."},
          {kIdDeletePlace, L"&Delete"}, {0, L"Selected location"}, {0, L"Longitude:", kIdPlaceLongitude},
          {0, L"Latitude:", kIdPlaceLatitude}, {0, L"Time zone:", kIdPlaceTimeZone},
          {0, L"Elevation:", kIdPlaceElevation}, {0, L"Time difference"}, {IDOK, L"OK"}, {IDCANCEL, L"Cancel"}}},
        {L"Date and Time",
         {{kIdSystemTime, L"S&ystem time"}, {kIdUserTime, L"&User defined time"}, {0, L"LCT", kIdSystemClock},
          {0, L"Daylight saving time:", kIdSystemDaylightSaving}, {0, L"&Time", kIdUserClock},
          {kIdDaylightSaving, L"&Daylight saving time"}, {0, L"Real time clock"}, {kIdRealTimeClock, L"&Active"},
          {IDOK, L"OK"}, {IDCANCEL, L"Cancel"}}},
        {L"Appearance",
         {{kIdConstellationModern, L"Modern (Great Bear)"}, {kIdConstellationLatin, L"Latin     (Ursa Maior)"},
          {kIdAnglesSexagesimal, L"Sexagesimal (180\u00b000'00\")"},
          {kIdAnglesDecimal, L"Decimal        (180.00000\u00b0)"}, {kIdRaHours, L"Hours     (12h00m00s / 12.00h)"},
          {kIdRaDegrees, L"Degrees (180\u00b000'00\" / 180.00000\u00b0)"}, {kIdNightVision, L"Red colours"},
          {kIdStoreChanges, L"Store any changes"}, {kIdDiscardChanges, L"Discard any changes"},
          {kIdFactoryDefaults, L"Set to the factory defaults"}, {0, L"&Constellation names"}, {0, L"Angles"},
          {0, L"&Degrees"}, {0, L"&Right ascension"}, {0, L"&Night vision mode"}, {0, L"Brightness", kIdBrightness},
          {0, L"Contrast", kIdContrast},
          {0, L"Activating night vision mode will temporarily change the visual appearance of all Windows "
              L"applications. To restore the original appearance, reactivate Visual Styles in the Windows Control "
              L"Panel after you exit Corvinata."},
          {0, L"&Options and window state"}, {0, L"When Corvinata terminates"}, {IDOK, L"OK"},
          {IDCANCEL, L"Cancel"}}},
    };
    const std::pair<const wchar_t*, DialogTemplate> built[] = {{L"Select Location", SelectLocationDialogTemplate()},
                                                               {L"Date and Time", DateTimeDialogTemplate()},
                                                               {L"Appearance", AppearanceDialogTemplate()}};
    for (const DialogTexts& d : dialogs) {
        HWND dialog = nullptr;
        for (const auto& [caption, dialogTemplate] : built) {
            if (std::wstring(caption) == d.name) {
                dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialogTemplate.Get(),
                                                    frame_->Window(), &PlainDialog, 0);
            }
        }
        if (dialog == nullptr) {
            dialog = CreateDialogParamW(GetModuleHandleW(nullptr), d.name, frame_->Window(), &PlainDialog, 0);
        }
        ASSERT_NE(dialog, nullptr) << Utf8(d.name);
        for (const ControlText& c : d.texts) {
            const std::string where = Utf8(d.name) + " \"" + Utf8(c.text) + "\"";
            if (c.id != 0) {
                EXPECT_EQ(test::WindowText(GetDlgItem(dialog, c.id)), c.text) << where;
                continue;
            }
            const std::vector<HWND> found = ChildrenWithText(dialog, c.text);
            ASSERT_EQ(found.size(), 1u) << where;
            if (c.beside == 0) continue;
            // On the row of the control it names, before or after it.
            RECT label{};
            RECT control{};
            GetWindowRect(found[0], &label);
            GetWindowRect(GetDlgItem(dialog, c.beside), &control);
            const LONG middle = (label.top + label.bottom) / 2;
            EXPECT_TRUE(middle >= control.top && middle <= control.bottom) << where;
        }
        DestroyWindow(dialog);
    }
}

// View > Layout offers the layouts as a choice of one: radio-check items
// with their names, the current one checked.
TEST_F(DialogTextsTest, TheLayoutEntriesAreRadioCheckItems) {
    StartAsProgram();
    for (int i = 0; i < 2; ++i) Command(CMD_ADD_LAYOUT);
    Command(CMD_LAYOUT_FIRST + 1);
    HMENU layouts = LayoutMenu(GetMenu(frame_->Window()));
    ASSERT_NE(layouts, nullptr);
    const wchar_t* names[] = {L"Layout 1", L"Layout 2", L"Layout 3"};
    for (int i = 0; i < 3; ++i) {
        wchar_t name[64] = {};
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        item.dwTypeData = name;
        item.cch = 64;
        ASSERT_TRUE(GetMenuItemInfoW(layouts, static_cast<UINT>(CMD_LAYOUT_FIRST + i), FALSE, &item)) << i;
        EXPECT_STREQ(name, names[i]);
        EXPECT_TRUE(item.fType & MFT_RADIOCHECK) << i;
        EXPECT_EQ((item.fState & MFS_CHECKED) != 0, i == 1) << i;
    }
    SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
    DrainQuit();
}

// The Solar Eclipse panel's duration line, which the panel fills as the
// eclipse is read, shows whole for the longest name of a central phase.
TEST_F(DialogTextsTest, TheEclipsePanelsDurationLineIsWhole) {
    Start(false);
    UseCustomControls();
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), L"DLG_CTRL_SEC", frame_->Window(), &PlainDialog, 0);
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextW(dialog, 20829, L"Duration of annular-total phase at longitude:");
    const std::vector<CutText> cut = test::CutTextsOf(dialog, L"Solar Eclipse panel", false);
    EXPECT_TRUE(cut.empty()) << Describe(cut);
    DestroyWindow(dialog);
}

// Shows a tab of Object Info as a click on it does.
void SelectInfoTab(HWND window, int tab) {
    HWND tabs = GetDlgItem(window, IDC_INFO_TABS);
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    NMHDR header{tabs, IDC_INFO_TABS, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(window, WM_NOTIFY, IDC_INFO_TABS, reinterpret_cast<LPARAM>(&header));
}

// The texts the program sets as its windows open: the Sky panel's fields,
// the Event Finder's place, Object Info's combo boxes and the labels its
// data pages place, every tool and panel.
TEST_F(DialogTextsTest, EveryTextOfTheOpenWindowsFitsItsControl) {
    ASSERT_TRUE(test::SharedCatalogues());
    StartAsProgram();
    ShowWindow(frame_->Window(), SW_SHOWNORMAL);
    SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER);
    std::vector<CutText> cut;
    for (int command : {CMD_OBJECT_INFO, CMD_EVENT_FINDER, CMD_EVENT_FORECAST, CMD_CALCULATOR, CMD_SYMBOLS}) {
        Command(command);
    }
    // The Solar Eclipse window computes its eclipse for long under Wine; its
    // panel's texts are those of its template, and measured with them.
    for (int kind : {kGraphWindow, kJupiterExplorerWindow, kPictureWindow, kReportWindow, kSaturnExplorerWindow,
                     kSolarSystemWindow, kSkyWindow}) {
        ASSERT_NE(frame_->Children().NewWindow(kind), nullptr) << kind;
    }
    // The Sky panel with the fields of a selected body.
    auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(sky, nullptr);
    app_->GetSkyActions().SelectPair(*sky, BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0)), 0, 0, 0, nullptr);
    // Each kind's panel stays filled, hidden, when another kind's window is active.
    EnumThreadWindows(GetCurrentThreadId(), &CheckWindowTexts, reinterpret_cast<LPARAM>(&cut));
    // Object Info's data pages with the Moon: the texts before its symbols,
    // the symbols and the texts after them are placed as a page is filled,
    // each after the one before on its row, none over another.
    auto* info = dynamic_cast<ObjectInfoWindow*>(frame_->Tools().Find(CMD_OBJECT_INFO));
    ASSERT_NE(info, nullptr);
    info->SelectObjectForInfo(BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0)));
    std::vector<std::wstring> overlaps;
    for (const auto& [tab, name] : {std::pair<int, const wchar_t*>{kObjectInfoOrbitalTab, L"Moon's orbital data"},
                                    {kObjectInfoPhysicalTab, L"Moon's physical data"}}) {
        SelectInfoTab(info->Window(), tab);
        DrainQuit();
        ASSERT_NE(info->Page(), nullptr) << Utf8(name);
        for (CutText& c : test::CutTextsOf(info->Page(), name, true)) cut.push_back(std::move(c));
        for (std::wstring& o : test::OverlapsOf(info->Page(), name, [](int) { return false; })) {
            overlaps.push_back(std::move(o));
        }
    }
    EXPECT_TRUE(cut.empty()) << Describe(cut);
    EXPECT_TRUE(overlaps.empty()) << Describe(overlaps);
    SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
    DrainQuit();
}

}  // namespace
}  // namespace corvinata
