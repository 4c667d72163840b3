#include "frame/select_location_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/current_time.h"
#include "app/place_directory.h"
#include "base/memory_storage.h"
#include "catalog/location_record_testing.h"
#include "frame/modal_driver.h"
#include "support/app_fakes.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::ModalDriver;
using test::Utf8;

std::string Text(HWND dialog, int id) {
    wchar_t text[300] = L"";
    GetDlgItemTextW(dialog, id, text, 300);
    return Utf8(reinterpret_cast<const Char*>(text));
}

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

class SelectLocation : public ::testing::Test {
protected:
    SelectLocation() {
        params_.country = TXT("Afghanistan");
        params_.town = TXT("Kabul");
        params_.now.dateTime = DateTime{2001, 3, 5, 14.5, kLocalCivilTime};
        params_.now.location = PredefinedLocation(TXT("Afghanistan"), TXT("Kabul"));
        params_.currentPlace = {PlaceIdentity::kTown, 0};
        params_.userPlaces = &places_;
        params_.definePlace = [this](HWND, Location& place, bool isNew) {
            defined_.push_back(isNew);
            place = test::MakePlace("Hill", "Land", -10.0);
            place.coordinates.timeZone.hours = 1.0;
            return true;
        };
        params_.ask = [this](HWND, const String& text, int buttons, int, MessageTopic) {
            asked_.push_back(Utf8(text));
            return buttons == 2 ? 16 : 8;
        };
    }
    INT_PTR Run(const ModalDriver::Steps& steps) {
        return ModalDriver::Run(steps, [&] { return ShowSelectLocationDialog(nullptr, params_); });
    }

    MemoryStorageService storage_;
    test::PlainLocationFormat format_;
    UserLocations places_{storage_, String(TXT("\\Software\\Test")), format_};
    SelectLocationDialogParams params_;
    std::vector<bool> defined_;
    std::vector<std::string> asked_;
};

TEST_F(SelectLocation, TownFoundByTypingAndCountrySwitchedByKeys) {
    params_.now.daylightSaving = true;
    EXPECT_EQ(Run([](ModalDriver& d, HWND dialog) {
        EXPECT_EQ(Text(dialog, kIdPlaceName), "Kabul, Afghanistan");
        EXPECT_TRUE(Checked(dialog, kIdPredefinedMode));
        EXPECT_TRUE(Checked(dialog, kIdKeepLocalTime));
        EXPECT_FALSE(Enabled(dialog, kIdKeepMoment));  // the current place again
        EXPECT_FALSE(Enabled(dialog, kIdUserMode));    // no place of the user's
        // Daylight saving time at the current place moves Universal time
        // back one hour more.
        EXPECT_EQ(Text(dialog, kIdDifferenceCurrentTime), "14:30:00 LCT (= 09:00:00 UT)");
        d.Focus(kIdTownList);
        d.Type("H");
        EXPECT_EQ(Text(dialog, kIdPlaceName), "Herat, Afghanistan");
        d.Focus(kIdCountryList);
        d.Key(VK_DOWN);
        EXPECT_TRUE(Enabled(dialog, kIdKeepMoment));
        EXPECT_NE(Text(dialog, kIdDifferenceSentence).find("Kabul and "), std::string::npos);
        d.Key(VK_RETURN);
    }), 1);
    EXPECT_NE(Utf8(params_.country), "Afghanistan");
    const Location expected = PredefinedLocation(params_.country.Text(), params_.town.Text());
    EXPECT_TRUE(LocationEqual(params_.chosen, expected));
    EXPECT_FALSE(params_.userDefinedChosen);
    EXPECT_TRUE(params_.retainLocalCivilTime);
}

TEST_F(SelectLocation, UserPlaceDefinedUsedThenRefusedAndDeleted) {
    EXPECT_EQ(Run([](ModalDriver& d, HWND dialog) {
        d.Click(kIdNewPlace);
        EXPECT_TRUE(Checked(dialog, kIdUserMode));
        EXPECT_EQ(Text(dialog, kIdPlaceName), "Hill, Land");
        d.Focus(kIdKeepMoment);
        d.Key(VK_SPACE);
        d.Key(VK_RETURN);
    }), 1);
    EXPECT_EQ(defined_, std::vector<bool>{true});
    EXPECT_TRUE(params_.userDefinedChosen);
    EXPECT_FALSE(params_.retainLocalCivilTime);
    EXPECT_EQ(Utf8(params_.chosen.town), "Hill");
    ASSERT_GE(params_.userEntry, 0);

    // The place in use is not deleted.
    params_.currentPlace = {PlaceIdentity::kUserPlace, params_.userEntry};
    Run([](ModalDriver& d, HWND) {
        d.Click(kIdDeletePlace);
        d.Key(VK_ESCAPE);
    });
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].rfind("The location \"Hill, Land\" can not be deleted", 0), 0u);
    EXPECT_EQ(places_.UserLocationEntries().size(), 1u);

    // Once the town is current again, it goes.
    params_.currentPlace = {PlaceIdentity::kTown, 0};
    Run([](ModalDriver& d, HWND dialog) {
        d.Click(kIdDeletePlace);
        EXPECT_TRUE(Checked(dialog, kIdPredefinedMode));
        EXPECT_FALSE(Enabled(dialog, kIdUserPlaces));
        EXPECT_FALSE(Enabled(dialog, kIdDeletePlace));
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, kIdPredefinedMode));
        d.Key(VK_ESCAPE);
    });
    ASSERT_EQ(asked_.size(), 2u);
    EXPECT_EQ(asked_[1], "Do you want to delete the location \"Hill, Land\"?");
    EXPECT_TRUE(places_.UserLocationEntries().empty());
}

TEST_F(SelectLocation, TheCommandChangesThePlaceOnlyOnOk) {
    struct Hubs final : NotificationRegistryInterface {
        NotificationHub& GetNotificationHub() override { return hub; }
        NotificationHub hub;
    } hubs;
    test::RecordingObserver heard;
    hubs.hub.Insert(&heard);
    LocationOptions options;
    PlaceDirectory directory{places_};
    CurrentTimeAndLocation current{hubs, options, directory};
    SelectLocationState state{String(TXT("Afghanistan")), String(TXT("Kabul")), nullptr, true};
    const auto apply = [&](const Location& place, bool keep) { ChangeCurrentLocation(current, place, keep); };
    EXPECT_FALSE(ModalDriver::Run([](ModalDriver& d, HWND) {
        d.Focus(kIdTownList);
        d.Type("H");
        d.Key(VK_ESCAPE);
    }, [&] { return ChangeLocation(nullptr, state, params_, apply); }));
    EXPECT_TRUE(heard.heard.empty());
    EXPECT_EQ(Utf8(state.town), "Kabul");
    EXPECT_TRUE(ModalDriver::Run([](ModalDriver& d, HWND) {
        d.Click(kIdNewPlace);
        d.Key(VK_RETURN);
    }, [&] { return ChangeLocation(nullptr, state, params_, apply); }));
    // Keeping the local time moves the moment: event 9 reaches the listeners.
    ASSERT_EQ(heard.heard.size(), 1u);
    EXPECT_EQ(heard.heard[0].event, kEventLocationChanged);
    EXPECT_EQ(Utf8(current.GetTimeAndLocation().location.town), "Hill");
    ASSERT_NE(state.userDefined, nullptr);
    EXPECT_EQ(Utf8(state.userDefined->town), "Hill");
}

TEST_F(SelectLocation, UserPlaceNamedLikeTheCurrentTownCanBeDeleted) {
    Location twin = params_.now.location;
    params_.userEntry = places_.AddUserLocation(twin);
    Run([](ModalDriver& d, HWND) {
        d.Click(kIdDeletePlace);
        d.Key(VK_ESCAPE);
    });
    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].rfind("Do you want to delete", 0), 0u);
    EXPECT_TRUE(places_.UserLocationEntries().empty());
}

TEST_F(SelectLocation, WithoutASelectedPlaceItsButtonsAreOff) {
    places_.AddUserLocation(test::MakePlace("Hill", "Land", 5.0));
    Run([](ModalDriver& d, HWND dialog) {
        EXPECT_TRUE(Enabled(dialog, kIdUserPlaces));
        EXPECT_FALSE(Enabled(dialog, kIdUserMode));
        EXPECT_FALSE(Enabled(dialog, kIdEditPlace));
        EXPECT_FALSE(Enabled(dialog, kIdDeletePlace));
        d.Focus(kIdUserPlaces);
        d.Key(VK_DOWN);
        EXPECT_TRUE(Checked(dialog, kIdUserMode));
        EXPECT_TRUE(Enabled(dialog, kIdEditPlace));
        d.Click(kIdEditPlace);
        d.Key(VK_ESCAPE);
    });
    EXPECT_EQ(defined_, std::vector<bool>{false});
}

TEST_F(SelectLocation, WithoutTheTimeDifferenceTheDialogEndsBelowThePlace) {
    const auto measure = [](int& height, int& hidden) {
        return [&height, &hidden](ModalDriver& d, HWND dialog) {
            RECT r{}, frame{}, separator{};
            GetWindowRect(dialog, &r);
            GetWindowRect(GetDlgItem(dialog, kIdDifferenceFrame), &frame);
            GetWindowRect(GetDlgItem(dialog, kIdButtonSeparator), &separator);
            height = r.bottom - r.top;
            hidden = separator.top - frame.top;
            d.Key(VK_ESCAPE);
        };
    };
    int full = 0, shortened = 0, hidden = 0, unused = 0;
    Run(measure(full, hidden));
    params_.showTimeDifference = false;
    Run(measure(shortened, unused));
    EXPECT_GT(hidden, 0);
    EXPECT_EQ(full - shortened, hidden);
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

// Whether a single-line control shows its whole text within its width.
bool TextFits(HWND dialog, int id, int reserved) {
    HWND control = GetDlgItem(dialog, id);
    RECT client{};
    GetClientRect(control, &client);
    wchar_t text[300] = L"";
    GetWindowTextW(control, text, 300);
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx <= client.right - reserved;
}

// A place name of the longest stored length fits the lines that name it,
// shortened in the middle.
TEST_F(SelectLocation, LongPlaceNamesAreShortenedToFitTheirLines) {
    const std::string name(100, 'W');
    params_.now.location = test::MakePlace(name, "Land", -10.0);
    params_.now.location.coordinates.timeZone.hours = 5.0;
    Run([](ModalDriver& d, HWND dialog) {
        const int radio = GetSystemMetrics(SM_CXMENUCHECK) + 6;
        const struct { int id; int reserved; } lines[] = {
            {kIdDifferenceCurrent, 0}, {kIdKeepLocalTime, radio}, {kIdKeepMoment, radio},
        };
        for (const auto& line : lines) {
            EXPECT_TRUE(TextFits(dialog, line.id, line.reserved)) << line.id << " " << Text(dialog, line.id);
        }
        EXPECT_NE(Text(dialog, kIdDifferenceCurrent).find("..."), std::string::npos);
        EXPECT_NE(Text(dialog, kIdDifferenceSentence).find("..."), std::string::npos);
        d.Key(VK_ESCAPE);
    });
}

}  // namespace
}  // namespace corvinata
