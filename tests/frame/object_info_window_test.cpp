#include "tools/object_info_window_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalogue_registry.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/name_systems.h"
#include "controls/program_fonts.h"
#include "controls/select_body_dialog.h"
#include "frame_test.h"
#include "program_keys.h"
#include "glyph_pixels.h"
#include "modal_driver.h"
#include "resources/object_info_ids.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"
#include "support/drawn_pixels_win.h"
#include "support/test_text.h"
#include "tools/object_info_current.h"
#include "tools/object_info_pages.h"

namespace corvinata {
namespace {

using test::FaceOf;
using test::HasInk;
using test::ModalDriver;
using test::TextPixels;
using test::Wide;

std::wstring TextOf(HWND window, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(window, id, text, 512);
    return text;
}

// Whether any static text of the page reads `text`.
bool PageShows(HWND page, const std::wstring& text) {
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t shown[512] = {};
        GetWindowTextW(child, shown, 512);
        if (text == shown) return true;
    }
    return false;
}

std::wstring TreeText(HWND dialog) {
    HWND tree = GetDlgItem(dialog, kIdBodyTree);
    wchar_t text[100] = L"";
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = 100;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

using test::HeldKeys;

RECT RectIn(HWND page, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A page as the screen shows it.
class ShownPage {
public:
    explicit ShownPage(HWND page) : page_(page) {
        RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pixels_ = test::ScreenPixels(page, width_, height_);
    }
    // The blank columns between the last glyph of `left` and the first of
    // `right` on their row; -1 where either shows no glyph. Ink is what
    // differs from the background at the top of the row, above the letters.
    int BlankColumnsBetween(HWND left, HWND right) const {
        const RECT l = RectIn(page_, left);
        const RECT r = RectIn(page_, right);
        const int top = std::max<int>(0, std::min(l.top, r.top));
        const int bottom = std::min<int>(height_, std::max(l.bottom, r.bottom));
        if (l.left < 0 || r.left >= width_ || top >= bottom) return -1;
        const std::uint32_t background = At(l.left, top);
        auto ink = [&](int x) {
            for (int y = top; y < bottom; ++y) {
                if (At(x, y) != background) return true;
            }
            return false;
        };
        int leftEnd = -1;
        for (int x = l.left; x < r.left; ++x) {
            if (ink(x)) leftEnd = x;
        }
        int rightStart = r.left;
        while (rightStart < width_ && !ink(rightStart)) ++rightStart;
        if (leftEnd < 0 || rightStart == width_) return -1;
        return rightStart - leftEnd - 1;
    }

private:
    std::uint32_t At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    HWND page_;
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

class ObjectInfoWindowTest : public test::FrameTest {
protected:
    ~ObjectInfoWindowTest() override {
        Close();
        DestroyAcceleratorTable(accelerators_);
    }
    // `withControls`: the custom controls registered before the tools are
    // made (the Event Finder's date pickers need them).
    void Open(bool storeOnExit = true, bool withControls = false) {
        Start(false);
        if (withControls) UseCustomControls();
        app_->Options().general.saveOptionsOnExit = storeOnExit;
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        tool_ = dynamic_cast<ObjectInfoWindow*>(frame_->Tools().Find(CMD_OBJECT_INFO));
        window_ = tool_ ? tool_->Window() : nullptr;
        DrainQuit();  // the posted refresh
    }
    void Close() {
        if (frame_ && IsWindow(frame_->Window())) SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
        frame_.reset();
        tool_ = nullptr;
    }
    void Show(const CelestialObject* body, int tab) {
        ASSERT_NE(body, nullptr);
        tool_->SelectObjectForInfo(BodyIdentifierFromObject(body));
        SelectTab(tab);
        DrainQuit();
    }
    HWND Page() const { return tool_->Page(); }
    int Tab() const { return static_cast<int>(SendDlgItemMessageW(window_, IDC_INFO_TABS, TCM_GETCURSEL, 0, 0)); }
    void SelectTab(int tab) {
        HWND tabs = GetDlgItem(window_, IDC_INFO_TABS);
        SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        NMHDR header{tabs, IDC_INFO_TABS, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(window_, WM_NOTIFY, IDC_INFO_TABS, reinterpret_cast<LPARAM>(&header));
    }
    void ChooseInSelector(int selector, int index) {
        HWND box = GetDlgItem(Page(), selector);
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        SendMessageW(Page(), WM_COMMAND, MAKEWPARAM(selector, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
        DrainQuit();
    }
    std::wstring SelectorText(int selector) const {
        HWND box = GetDlgItem(Page(), selector);
        wchar_t text[40] = {};
        SendMessageW(box, CB_GETLBTEXT, SendMessageW(box, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool Press(HWND target, UINT message, WPARAM key) {
        MSG msg{target, message, key, message == WM_SYSCHAR ? (1 << 29) | 1 : 1, 0, {}};
        return frame_->PreTranslate(msg, accelerators_, frame_->Modeless());
    }
    RECT Rect() const {
        RECT r{};
        GetWindowRect(window_, &r);
        return r;
    }

    test::ScopedCatalogues catalogues_;
    ProgramFonts fonts_{GetModuleHandleW(nullptr)};
    HACCEL accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"AST_IDR_ACCELERATOR");
    ObjectInfoWindow* tool_ = nullptr;
    HWND window_ = nullptr;
};

TEST_F(ObjectInfoWindowTest, AFreshStartIsHiddenAtItsPlaceShowingTheSunForTheApplicationsMoment) {
    Open();
    ASSERT_NE(window_, nullptr);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(Rect().left, 200);
    EXPECT_EQ(Rect().top, 100);
    EXPECT_EQ(TextOf(window_, IDC_INFO_OBJECT_NAME), L"Sun");
    EXPECT_EQ(Tab(), kObjectInfoCurrentTab);
    EXPECT_EQ(tool_->PageShown(), ObjectInfoPage::kCurrent);
    EXPECT_EQ(TextOf(window_, 20960), L"1");
    EXPECT_EQ(TextOf(window_, 20962), L"Days");
    EXPECT_EQ(SelectorText(kIdInfoCoordinateSystem), L"Equatorial");
    EXPECT_EQ(SelectorText(kIdInfoTimeSystem), L"LCT");
    EXPECT_EQ(SelectorText(kIdInfoDistanceUnit), L"AU");
    EXPECT_EQ(TextOf(Page(), kIdInfoFirstAxisCaption), L"Right ascension");
    // Never the unset moment: the application's, before any broadcast.
    const DateTime now = app_->Current().GetTimeAndLocation().dateTime;
    EXPECT_EQ(tool_->State().timeAndPlace.dateTime.year, now.year);
    EXPECT_EQ(tool_->State().timeAndPlace.dateTime.hours, now.hours);
    EXPECT_NE(TextOf(Page(), 20566), L"n.a.");

    EXPECT_FALSE(MenuState(CMD_OBJECT_INFO) & MF_GRAYED);
    Command(CMD_OBJECT_INFO);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_TRUE(MenuState(CMD_OBJECT_INFO) & MF_CHECKED);
    SendMessageW(window_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(window_));
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_FALSE(MenuState(CMD_OBJECT_INFO) & MF_CHECKED);
    // A display window's pick shows the hidden tool with the body.
    NotifyObjectInfoSelection(GetCatalogueObject(kBodyMoon, 0));
    DrainQuit();
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(TextOf(Page(), kIdInfoName), L"Moon");
}

TEST_F(ObjectInfoWindowTest, DataPagesShowTheBodysFieldsOrSayThereAreNone) {
    Open();
    struct Case {
        const CelestialObject* body;
        int tab;
        ObjectInfoPage page;
        int control;  // 0: a text of the page
        const wchar_t* text;
    };
    const CelestialObject* sun = GetCatalogueObject(kBodySun, 0);
    const CelestialObject* star = FindObjectOfTypeByName(kBodyStar, TXT("Vega"));
    const CelestialObject* lyra = FindObjectOfTypeByName(kBodyConstellation, TXT("Lyra"));
    const DeepSkyCatalogue& deepSky = GetDeepSkyCatalogue();
    const CelestialObject* sombrero = deepSky.At(deepSky.Designations().FindByName(TXT("NGC 4594"), kDeepSkyNgcIc));
    const Case cases[] = {
        {sun, 1, ObjectInfoPage::kPhysicalSun, 20691, L"6.960"},
        {sun, 1, ObjectInfoPage::kPhysicalSun, 20677, L"1.989"},
        {sun, 1, ObjectInfoPage::kPhysicalSun, 20680, L"1.409"},
        {sun, 1, ObjectInfoPage::kPhysicalSun, 20672, L"617.7"},
        {sun, 2, ObjectInfoPage::kOrbitalSun, 20692, L"1.495985"},
        {star, 2, ObjectInfoPage::kNoOrbitalData, 0, L"No orbital data is available for the selected object."},
        {star, 1, ObjectInfoPage::kNoPhysicalData, 0, L"No physical data is available for the selected object."},
        {lyra, 2, ObjectInfoPage::kNoOrbitalData, 0, L"No orbital data is available for the selected object."},
        {sombrero, 2, ObjectInfoPage::kNoOrbitalData, 0, L"No orbital data is available for the selected object."},
        {sombrero, 1, ObjectInfoPage::kPhysicalDeepSky, 20660, L"!, vB, vL, eE 92deg , vsmbMN; = M104"},
        {lyra, 1, ObjectInfoPage::kPhysicalConstellation, 20500, L"Lyr"},
    };
    for (const Case& c : cases) {
        Show(c.body, c.tab);
        EXPECT_EQ(tool_->PageShown(), c.page) << c.control;
        ASSERT_NE(Page(), nullptr);
        if (c.control) {
            EXPECT_EQ(TextOf(Page(), c.control), c.text);
        } else {
            EXPECT_TRUE(PageShows(Page(), c.text));
        }
        // The time does not matter to these pages.
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window_, 20960)));
    }
    // The symbol labels use the program's face and stand after their text.
    ASSERT_TRUE(fonts_.SymbolFontLoaded());
    Show(sun, 1);
    HWND label = GetDlgItem(Page(), kIdInfoFirstSymbolLabel);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(FaceOf(label), std::wstring(kSymbolFontFace));
    RECT before{};
    RECT placed{};
    GetWindowRect(GetDlgItem(Page(), kIdInfoFirstSymbolCaption), &before);
    GetWindowRect(label, &placed);
    EXPECT_GT(placed.left, before.left);
    EXPECT_EQ(placed.left, before.right);
}

// Each symbol stands right after the letter before it and the text after
// it right after the symbol, as in one text: between their glyphs on the
// screen the room between two letters, and a blank's more where the text
// after starts with one (" kg").
TEST_F(ObjectInfoWindowTest, EachSymbolStandsRightAfterItsLetter) {
    ASSERT_TRUE(fonts_.SymbolFontLoaded());
    Open();
    Command(CMD_OBJECT_INFO);
    ASSERT_TRUE(IsWindowVisible(window_));
    const CelestialObject* moon = GetCatalogueObject(kBodyMoon, 0);
    const CelestialObject* sun = GetCatalogueObject(kBodySun, 0);
    const CelestialObject* earth = GetCatalogueObject(kBodyEarth, 0);
    const CelestialObject* mars = FindObjectOfTypeByName(kBodyPlanet, TXT("Mars"));
    const CelestialObject* io = FindObjectOfTypeByName(kBodyJupiterSatellite, TXT("Io"));
    const CelestialObject* titan = FindObjectOfTypeByName(kBodySaturnSatellite, TXT("Titan"));
    const struct {
        const CelestialObject* body;
        int tab;
    } cases[] = {
        {moon, kObjectInfoOrbitalTab}, {moon, kObjectInfoPhysicalTab}, {sun, kObjectInfoOrbitalTab},
        {sun, kObjectInfoPhysicalTab}, {mars, kObjectInfoOrbitalTab},  {mars, kObjectInfoPhysicalTab},
        {earth, kObjectInfoOrbitalTab}, {earth, kObjectInfoPhysicalTab}, {io, kObjectInfoPhysicalTab},
        {titan, kObjectInfoPhysicalTab},
    };
    // Between two letters of the dialog's font, and what a blank adds.
    constexpr int kLetterRoom = 2;
    constexpr int kBlankRoom = 3;
    for (const auto& c : cases) {
        Show(c.body, c.tab);
        ASSERT_NE(Page(), nullptr);
        const ShownPage shown(Page());
        const ObjectInfoPageContent content = ObjectInfoPageTexts(tool_->PageShown(), *c.body, {});
        ASSERT_FALSE(content.labels.empty()) << test::Utf8(c.body->Name()) << " " << c.tab;
        for (const ObjectInfoSymbolLabel& label : content.labels) {
            for (const auto& [left, right] :
                 {std::pair<int, int>{label.before, label.label}, {label.label, label.after}}) {
                HWND l = GetDlgItem(Page(), left);
                HWND r = GetDlgItem(Page(), right);
                if (!l || !r) continue;
                const std::wstring after = TextOf(Page(), right);
                ASSERT_FALSE(after.empty());
                const int room = shown.BlankColumnsBetween(l, r);
                const std::string where = test::Utf8(c.body->Name()) + " " + std::to_string(c.tab) + ": \"" +
                                          test::Utf8(TextOf(Page(), left).c_str()) + "\" \"" +
                                          test::Utf8(after.c_str()) + "\"";
                EXPECT_GE(room, 1) << where;
                EXPECT_LE(room, kLetterRoom + (after[0] == L' ' ? kBlankRoom : 0)) << where;
            }
        }
    }
}

// Each page labels its fields as the program has always labelled them: the
// flattening of a planet and of the Earth stands on the line "Obliquity:",
// and both kinds of satellite give a synodic period.
TEST_F(ObjectInfoWindowTest, EachPageLabelsItsFieldsAsTheProgramAlwaysHas) {
    Open();
    const CelestialObject* mars = FindObjectOfTypeByName(kBodyPlanet, TXT("Mars"));
    const CelestialObject* earth = GetCatalogueObject(kBodyEarth, 0);
    const CelestialObject* io = FindObjectOfTypeByName(kBodyJupiterSatellite, TXT("Io"));
    const CelestialObject* titan = FindObjectOfTypeByName(kBodySaturnSatellite, TXT("Titan"));
    const CelestialObject* moon = GetCatalogueObject(kBodyMoon, 0);
    const struct {
        const CelestialObject* body;
        int tab;
        std::initializer_list<const wchar_t*> labels;
    } cases[] = {
        {mars, 1, {L"Mean radius:", L"Obliquity:", L"Mass:", L"Volume:", L"Mean density:", L"Escape velocity:",
                   L"Moons:"}},
        {mars, 2, {L"Tropical period:", L"Eccentricity (e):", L"Mean velocity (v):", L"Circumference of orbit:",
                   L"Min. distance from Earth:", L"Max. distance from Earth:"}},
        {earth, 1, {L"Mean radius:", L"Obliquity:", L"Volume:", L"Mass:", L"Mean velocity:"}},
        {earth, 2, {L"Tropical period:", L"Siderial period:", L"Min. distance from Sun:", L"Max. distance from Sun:"}},
        {io, 1, {L"Diameter:", L"Mass:", L"Mean density:"}},
        {io, 2, {L"Synodic period of revolution:", L"Eccentricity:", L"Inclination:", L"Semi-major axis:"}},
        {titan, 1, {L"Diameter:", L"Visual magnitude at mean oppos:", L"Mass:", L"Mean density:"}},
        {titan, 2, {L"Synodic period of revolution:", L"Eccentricity:", L"Inclination:", L"Semi-major axis:"}},
        {moon, 1, {L"Radius:", L"Mass:", L"Mean density:", L"Escape velocity:", L"Mean albedo:"}},
    };
    for (const auto& c : cases) {
        Show(c.body, c.tab);
        ASSERT_NE(Page(), nullptr);
        for (const wchar_t* label : c.labels) {
            EXPECT_TRUE(PageShows(Page(), label)) << test::Utf8(c.body->Name()) << " " << c.tab << ": "
                                                 << test::Utf8(String(label));
        }
        EXPECT_FALSE(PageShows(Page(), L"Flattening:"));
        EXPECT_FALSE(PageShows(Page(), L"Sidereal period of revolution:"));
    }
}

// The codes only these pages use have glyphs of their own; the codes that
// nothing explains share one visible placeholder.
TEST_F(ObjectInfoWindowTest, ThePagesSymbolCodesHaveGlyphsAndUnexplainedCodesAPlaceholder) {
    ASSERT_TRUE(fonts_.SymbolFontLoaded());
    Open();
    Show(GetCatalogueObject(kBodySun, 0), kObjectInfoOrbitalTab);
    HWND label = GetDlgItem(Page(), kIdInfoFirstSymbolLabel);
    ASSERT_NE(label, nullptr);
    const HFONT symbols = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    const HFONT dialog = reinterpret_cast<HFONT>(SendMessageW(Page(), WM_GETFONT, 0, 0));
    const auto glyph = [&](int entry) { return TextPixels(std::wstring(1, SymbolFontCode(entry)), symbols); };
    std::set<std::vector<bool>> pictures;
    // Subscripts 0 and g, varpi, the superscript digits and minus.
    for (int entry : {62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 76}) {
        const std::vector<bool> picture = glyph(entry);
        EXPECT_TRUE(HasInk(picture)) << entry;
        EXPECT_NE(picture, TextPixels(std::wstring(1, SymbolFontCode(entry)), dialog)) << entry;
        pictures.insert(picture);
    }
    EXPECT_EQ(pictures.size(), 14u);
    const std::vector<bool> placeholder = glyph(59);  // 0xF0
    EXPECT_TRUE(HasInk(placeholder));
    EXPECT_EQ(pictures.count(placeholder), 0u);
    for (int entry : {60, 61, 75}) EXPECT_EQ(glyph(entry), placeholder) << entry;
}

TEST_F(ObjectInfoWindowTest, AConstellationGreysWhatItsTypeLacksAndListsItsStars) {
    Open();
    const auto* lyra =
        dynamic_cast<const ConstellationObject*>(FindObjectOfTypeByName(kBodyConstellation, TXT("Lyra")));
    ASSERT_NE(lyra, nullptr);
    Show(lyra, 0);
    struct Case {
        int control;
        bool offered;
    };
    const Case cases[] = {{20566, true},  {20573, true},  {20857, true},  {20608, true},
                          {20520, false}, {20611, false}, {20613, false}, {20828, false},
                          {kIdInfoCoordinateSystem, true}, {kIdInfoTimeSystem, true},
                          {kIdInfoDistanceUnit, false}};
    for (const Case& c : cases) {
        HWND control = GetDlgItem(Page(), c.control);
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, c.offered) << c.control;
        const bool selector = c.control >= kIdInfoCoordinateSystem && c.control <= kIdInfoDistanceUnit;
        if (!selector) {
            EXPECT_EQ(TextOf(Page(), c.control) == L"n.a.", !c.offered) << c.control;
        }
    }
    SelectTab(kObjectInfoPhysicalTab);
    HWND list = GetDlgItem(Page(), kIdInfoStarList);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), static_cast<LRESULT>(lyra->Stars().size()));
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
    wchar_t line[200] = {};
    SendMessageW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(line));
    EXPECT_EQ(std::wstring(line).find(L'\t') != std::wstring::npos, true) << line;
}

TEST_F(ObjectInfoWindowTest, HorizontalRenamesTheAxesAndSurvivesARestart) {
    Open();
    ChooseInSelector(kIdInfoCoordinateSystem, kHorizontalSystem);
    EXPECT_EQ(TextOf(Page(), kIdInfoFirstAxisCaption), L"Azimuth");
    EXPECT_EQ(TextOf(Page(), kIdInfoSecondAxisCaption), L"Altitude");
    // The angle display switched in the appearance options shows at once.
    const std::wstring altitude = TextOf(Page(), 20573);
    int& degreeBase = app_->Options().general.angleDegreeBase;
    degreeBase = 1 - degreeBase;
    BroadcastNotification(app_->GetNotificationHub(), kEventAppearanceChanged, 1, nullptr);
    EXPECT_NE(TextOf(Page(), 20573), altitude);
    const std::wstring distance = TextOf(Page(), 20611);
    ChooseInSelector(kIdInfoDistanceUnit, kKilometres);
    EXPECT_NE(TextOf(Page(), 20611), distance);
    Close();
    Open();
    EXPECT_EQ(SelectorText(kIdInfoCoordinateSystem), L"Horizontal");
    EXPECT_EQ(SelectorText(kIdInfoDistanceUnit), L"km");
    EXPECT_EQ(TextOf(Page(), kIdInfoFirstAxisCaption), L"Azimuth");
}

TEST_F(ObjectInfoWindowTest, TheApplicationsTimeMovesTheToolsAndABrowseStepOnlyTheTools) {
    Open();
    SelectTab(kObjectInfoPhysicalTab);
    HWND before = Page();
    SetPropW(before, L"old", reinterpret_cast<HANDLE>(1));
    DateTime moment{2030, 3, 4, 5.5, kLocalCivilTime};
    app_->Current().SetDateTime(moment, false);
    DrainQuit();
    EXPECT_EQ(tool_->State().timeAndPlace.dateTime.year, 2030);
    EXPECT_EQ(tool_->State().timeAndPlace.dateTime.month, 3);
    ASSERT_NE(Page(), nullptr);
    EXPECT_EQ(GetPropW(Page(), L"old"), nullptr);  // rebuilt
    EXPECT_EQ(tool_->PageShown(), ObjectInfoPage::kPhysicalSun);
    EXPECT_EQ(TextOf(window_, 20600), L"04.03.2030");  // greyed, but the tool's

    SelectTab(kObjectInfoCurrentTab);
    DrainQuit();
    const std::wstring date = TextOf(window_, 20600);
    const std::wstring place = TextOf(Page(), 20566);
    NMUPDOWN step{};
    step.hdr = {GetDlgItem(window_, 20870), 20870, static_cast<UINT>(UDN_DELTAPOS)};
    step.iDelta = -1;  // the forward arrow
    SendMessageW(window_, WM_NOTIFY, 20870, reinterpret_cast<LPARAM>(&step));
    DrainQuit();
    EXPECT_EQ(tool_->State().timeAndPlace.dateTime.day, 5);
    EXPECT_EQ(app_->Current().GetTimeAndLocation().dateTime.day, 4);
    EXPECT_NE(TextOf(window_, 20600), date);
    EXPECT_NE(TextOf(Page(), 20566), place);
    // A display window's pick brings its own moment, the application's stays.
    NotifySelectionChanged(DateTime{2031, 7, 8, 9.0, kUniversalTime});
    DrainQuit();
    EXPECT_EQ(tool_->State().timeAndPlace.dateTime.year, 2031);
    EXPECT_EQ(app_->Current().GetTimeAndLocation().dateTime.year, 2030);
    EXPECT_EQ(TextOf(window_, 21010), L"UT");
}

TEST_F(ObjectInfoWindowTest, NothingIsWrittenWhenTheUserChoseNotToStoreChanges) {
    Open();
    Command(CMD_OBJECT_INFO);
    Show(GetCatalogueObject(kBodyMoon, 0), kObjectInfoOrbitalTab);
    SetWindowPos(window_, nullptr, 260, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Close();
    Open(false);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(Rect().left, 260);
    EXPECT_EQ(Tab(), kObjectInfoOrbitalTab);
    EXPECT_EQ(tool_->PageShown(), ObjectInfoPage::kOrbitalMoon);
    Command(CMD_OBJECT_INFO);
    Show(GetCatalogueObject(kBodySun, 0), kObjectInfoCurrentTab);
    Close();
    Open();
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(TextOf(window_, IDC_INFO_OBJECT_NAME), L"Moon");
    EXPECT_EQ(Tab(), kObjectInfoOrbitalTab);
}

// The page's texts keep their digits: Jupiter's disc in seconds of arc, the
// Moon's distance in km while the unit chosen is AU.
TEST_F(ObjectInfoWindowTest, APlanetsDiscAndTheMoonsDistanceKeepTheirDigits) {
    Open();
    ASSERT_EQ(SelectorText(kIdInfoDistanceUnit), L"AU");
    const Catalogue& planets = *CatalogueByType(kBodyPlanet);
    Show(planets.CatalogueGetObjectAt(3), kObjectInfoCurrentTab);  // Jupiter
    const std::wstring size = TextOf(Page(), 20508);
    ASSERT_FALSE(size.empty());
    EXPECT_EQ(size.back(), L'"') << size;
    EXPECT_EQ(size.find(L'\x00B0'), std::wstring::npos) << size;
    EXPECT_GT(_wtof(size.c_str()), 29.0) << size;
    Show(GetCatalogueObject(kBodyMoon, 0), kObjectInfoCurrentTab);
    const std::wstring distance = TextOf(Page(), 20611);
    ASSERT_GT(distance.size(), 3u);
    EXPECT_EQ(distance.substr(distance.size() - 3), L" km") << distance;
    EXPECT_GT(_wtof(distance.c_str()), 350000.0) << distance;
}

// The frame's accelerators come before the tool windows' own keys: Ctrl+2 and
// Ctrl+3 typed while a control of Object Info has the focus open the Event
// Forecast and the Event Finder, Ctrl+T the Date and Time dialog.
TEST_F(ObjectInfoWindowTest, TheFramesAcceleratorsWorkWhileAToolHasTheFocus) {
    Open(true, true);
    Command(CMD_OBJECT_INFO);
    HWND inside = GetDlgItem(window_, IDC_INFO_SELECT);
    ASSERT_NE(inside, nullptr);
    for (const auto& [key, command] : {std::pair<WPARAM, int>{'2', CMD_EVENT_FORECAST}, {'3', CMD_EVENT_FINDER}}) {
        ToolWindow* tool = frame_->Tools().Find(command);
        ASSERT_NE(tool, nullptr) << command;
        ASSERT_FALSE(IsWindowVisible(tool->Window())) << command;
        SetFocus(inside);
        HeldKeys control{VK_CONTROL};
        EXPECT_TRUE(Press(inside, WM_KEYDOWN, key)) << command;
        EXPECT_TRUE(IsWindowVisible(tool->Window())) << command;
    }
    std::wstring caption;
    SetFocus(inside);
    ModalDriver::Run(
        [&](ModalDriver&, HWND dialog) {
            wchar_t text[60] = {};
            GetWindowTextW(dialog, text, 60);
            caption = text;
            EndDialog(dialog, IDCANCEL);
        },
        [&] {
            HeldKeys control{VK_CONTROL};
            return Press(inside, WM_KEYDOWN, 'T');
        });
    EXPECT_EQ(caption, L"Date and Time");
}

// A click on each tool's toolbar button opens it and checks the button; a
// second click closes it.
TEST_F(ObjectInfoWindowTest, ToolbarButtonsOpenAndCloseBothTools) {
    Open();
    HWND toolbar = frame_->Toolbar().Window();
    for (int command : {CMD_OBJECT_INFO, CMD_SYMBOLS}) {
        HWND tool = frame_->Tools().Find(command)->Window();
        RECT r{};
        ASSERT_TRUE(SendMessageW(toolbar, TB_GETRECT, command, reinterpret_cast<LPARAM>(&r))) << command;
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        for (bool shown : {true, false}) {
            SendMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageW(toolbar, WM_LBUTTONUP, 0, at);
            DrainQuit();
            EXPECT_EQ(IsWindowVisible(tool) != FALSE, shown) << command;
            EXPECT_EQ(SendMessageW(toolbar, TB_ISBUTTONCHECKED, command, 0) != 0, shown) << command;
        }
    }
}

// Ctrl+1, Alt+S, a deep-sky object chosen by keys, Tab to the tabs and Right
// to "Physical data"; then Ctrl+5, Right to "Greek alphabet", Ctrl+5 again.
TEST_F(ObjectInfoWindowTest, KeyboardJourney) {
    Open();
    UseCustomControls();
    {
        HeldKeys control{VK_CONTROL};
        EXPECT_TRUE(Press(frame_->Window(), WM_KEYDOWN, '1'));
    }
    ASSERT_TRUE(IsWindowVisible(window_));
    SetFocus(GetDlgItem(window_, IDC_INFO_SELECT));
    ModalDriver::Run(
        [](ModalDriver& d, HWND dialog) {
            wchar_t caption[60] = {};
            GetWindowTextW(dialog, caption, 60);
            EXPECT_STREQ(caption, L"Select Object for Object Information");
            // Up from the tree's end to the deep-sky objects.
            d.Focus(kIdBodyTree);
            d.Key(VK_END);
            for (int i = 0; i < 8 && TreeText(dialog).find(L"Deep") == std::wstring::npos; ++i) d.Key(VK_UP);
            d.Key(VK_RETURN);
        },
        [&] { return Press(GetFocus(), WM_SYSCHAR, 's'); });
    DrainQuit();
    ASSERT_NE(tool_->State().selectedBody.object, nullptr);
    EXPECT_EQ(tool_->State().selectedBody.object->GetTypeId(), kBodyDeepSky);
    SetFocus(GetDlgItem(window_, IDC_INFO_SELECT));
    Press(GetFocus(), WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(GetFocus(), GetDlgItem(window_, IDC_INFO_TABS));
    Press(GetFocus(), WM_KEYDOWN, VK_RIGHT);
    DrainQuit();
    EXPECT_EQ(Tab(), kObjectInfoPhysicalTab);
    EXPECT_EQ(tool_->PageShown(), ObjectInfoPage::kPhysicalDeepSky);
    EXPECT_FALSE(TextOf(Page(), 20661).empty());

    ToolWindow* symbols = frame_->Tools().Find(CMD_SYMBOLS);
    ASSERT_NE(symbols, nullptr);
    {
        HeldKeys control{VK_CONTROL};
        EXPECT_TRUE(Press(frame_->Window(), WM_KEYDOWN, '5'));
    }
    ASSERT_TRUE(IsWindowVisible(symbols->Window()));
    HWND tabs = GetDlgItem(symbols->Window(), 20999);
    SetFocus(tabs);
    Press(tabs, WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), 1);
    {
        HeldKeys control{VK_CONTROL};
        EXPECT_TRUE(Press(frame_->Window(), WM_KEYDOWN, '5'));
    }
    EXPECT_FALSE(IsWindowVisible(symbols->Window()));
}

}  // namespace
}  // namespace corvinata
