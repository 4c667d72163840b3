#include "controls/select_body_dialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "frame/modal_driver.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/test_text.h"
#include "views/sky_view.h"

namespace corvinata {
namespace {

using test::ModalDriver;
using test::Utf8;

std::string SelectedTreeText(HWND dialog) {
    HWND tree = GetDlgItem(dialog, kIdBodyTree);
    wchar_t text[100] = L"";
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = 100;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return Utf8(reinterpret_cast<const Char*>(text));
}

int SelectedLine(HWND dialog) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, kIdBodyNames), LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

int SelectedLineCount(HWND dialog) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, kIdBodyNames), LVM_GETSELECTEDCOUNT, 0, 0));
}

// A double click in the middle of the tree's selected item.
void DoubleClickSelectedItem(ModalDriver& d, HWND dialog) {
    HWND tree = GetDlgItem(dialog, kIdBodyTree);
    RECT r{};
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    std::memcpy(&r, &item, sizeof item);
    SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(tree, WM_LBUTTONUP, 0, at);
    PostMessageW(tree, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(tree, WM_LBUTTONUP, 0, at);
    d.Pump();
}

class SelectBody : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(catalogues_.Created()); }
    bool Run(const wchar_t* title, bool earth, const ModalDriver::Steps& steps) {
        return ModalDriver::Run(steps, [&] {
            return ShowSelectBodyDialog(nullptr, params_, title, earth, earth, selection_);
        });
    }
    static const CelestialObject* Constellation(int n) {
        return CatalogueByType(kBodyConstellation)->CatalogueGetObjectAt(n);
    }

    test::ScopedCatalogues catalogues_;
    SelectBodyDialogParams params_;
    BodyIdentifier selection_ = DefaultBodyIdentifier();
};

TEST_F(SelectBody, FindInSkySelectsTheBodyAsOneStep) {
    NotificationHub hub;
    test::FakeCurrentTime now;
    test::FakeSkyComputer computer;
    SkyDocument document{hub, now, computer};
    SkyView window{document, std::make_unique<SkyCommandHistory>()};
    SkyCommandHistory& history = window.GetCommandHistory();
    test::FakeScriptErrors errors;
    SkyActions actions{CommandContext{hub, errors}};
    selection_ = BodyIdentifierFromObject(PlanetByNumber(3));
    EXPECT_TRUE(ModalDriver::Run([](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(SelectedTreeText(dialog), "Mars");
        d.Key(VK_RETURN);
    }, [&] { return FindInSky(nullptr, actions, window, params_, selection_); }));
    EXPECT_EQ(window.GetSelectedBody().object, PlanetByNumber(3));
    ASSERT_NE(history.PeekUndoCommand(), nullptr);
    EXPECT_EQ(Utf8(history.PeekUndoCommand()->GetText(false)).rfind("Select ", 0), 0u);
}

TEST_F(SelectBody, ConstellationChosenByKeysInEitherNameSystem) {
    const NameSystem* modern = NameSystemsOfType(kBodyConstellation)[1];
    const std::string firstModern = Utf8(NamesInSystem(kBodyConstellation, modern)[0].name);
    EXPECT_TRUE(Run(L"Find in Sky", false, [&](ModalDriver& d, HWND dialog) {
        wchar_t caption[40] = L"";
        GetWindowTextW(dialog, caption, 40);
        EXPECT_STREQ(caption, L"Find in Sky");
        EXPECT_EQ(SelectedTreeText(dialog), "Sun");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, kIdNameSystem)));
        d.Focus(kIdBodyTree);
        d.Key(VK_HOME);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));  // the root stands for nothing
        d.Key(VK_END);
        d.Key(VK_UP);
        d.Key(VK_UP);
        EXPECT_EQ(SelectedTreeText(dialog), "Constellation");
        EXPECT_EQ(SelectedLine(dialog), 0);
        d.Focus(kIdNameSystem);
        d.Key(VK_DOWN);
        EXPECT_EQ(SelectedLine(dialog), 0);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
        d.Key(VK_RETURN);
    }));
    EXPECT_EQ(selection_.nameSystem, modern);
    EXPECT_EQ(Utf8(selection_.name), firstModern);
    EXPECT_EQ(selection_.object->GetTypeId(), kBodyConstellation);
    EXPECT_EQ(params_.selection.object, selection_.object);
}

TEST_F(SelectBody, InitialChoiceFindsItsSystemAndNameOrKeepsTheFirstLine) {
    const NameSystem* modern = NameSystemsOfType(kBodyConstellation)[1];
    const std::vector<BodyName> names = NamesInSystem(kBodyConstellation, modern);
    BodyIdentifierInit(selection_, names[5].object, modern, names[5].name.Text());
    EXPECT_TRUE(Run(nullptr, true, [](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(SelectedLine(dialog), 5);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kIdBodyNames));
        d.Key(VK_RETURN);
    }));
    EXPECT_EQ(selection_.object, names[5].object);

    BodyIdentifierInit(selection_, names[5].object, modern, TXT("Nowhere"));
    EXPECT_FALSE(Run(nullptr, true, [](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(SelectedLine(dialog), 0);
        EXPECT_EQ(SelectedLineCount(dialog), 1);  // a miss selects one line, not every one
        d.Key(VK_ESCAPE);
    }));
    EXPECT_EQ(Utf8(selection_.name), "Nowhere");  // Cancel leaves the caller's choice alone
}

TEST_F(SelectBody, DoubleClickChoosesMarsButNotThePlanetsGroup) {
    const CelestialObject* mars = PlanetByNumber(3);
    selection_ = BodyIdentifierFromObject(CatalogueByType(kBodyPlanet)->CatalogueGetObjectAt(0));
    EXPECT_TRUE(Run(nullptr, true, [](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(SelectedTreeText(dialog), "Mercury");
        d.Key(VK_LEFT);  // up to the planets group
        EXPECT_EQ(SelectedTreeText(dialog), "Planet");
        DoubleClickSelectedItem(d, dialog);
        EXPECT_TRUE(IsWindow(dialog));
        d.Key(VK_RIGHT);
        for (std::string name = SelectedTreeText(dialog); name != "Mars"; name = SelectedTreeText(dialog)) {
            d.Key(VK_DOWN);
            if (name == SelectedTreeText(dialog)) break;
        }
        ASSERT_EQ(SelectedTreeText(dialog), "Mars");
        DoubleClickSelectedItem(d, dialog);
    }));
    EXPECT_EQ(selection_.object, mars);
}

TEST_F(SelectBody, StarByItsProperNameOrItsCatalogueNumberIsOneBody) {
    const std::vector<const NameSystem*> systems = NameSystemsOfType(kBodyStar);
    const CelestialObject* chosen[2] = {};
    const char* names[2] = {"Dubhe", "BSC 4301"};
    for (int s = 0; s < 2; ++s) {
        const auto found = NamesInSystem(kBodyStar, systems[s]);
        const auto entry = std::find_if(found.begin(), found.end(),
                                        [&](const BodyName& n) { return Utf8(n.name) == names[s]; });
        ASSERT_NE(entry, found.end()) << names[s];
        BodyIdentifierInit(selection_, entry->object, systems[s], entry->name.Text());
        EXPECT_TRUE(Run(nullptr, true, [&](ModalDriver& d, HWND dialog) {
            EXPECT_EQ(SelectedLine(dialog), static_cast<int>(entry - found.begin()));
            // The list finds a line by the beginning of its name, as typing does.
            LVFINDINFOW find{};
            find.flags = LVFI_STRING | LVFI_PARTIAL;
            find.psz = s == 0 ? L"dubh" : L"BSC 430";
            const LRESULT line = SendMessageW(GetDlgItem(dialog, kIdBodyNames), LVM_FINDITEMW,
                                              static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find));
            EXPECT_EQ(line, s == 0 ? entry - found.begin() : entry - found.begin() - 1);
            d.Key(VK_RETURN);
        }));
        EXPECT_EQ(Utf8(selection_.name), names[s]);
        chosen[s] = selection_.object;
    }
    EXPECT_EQ(chosen[0], chosen[1]);
}

}  // namespace
}  // namespace corvinata
