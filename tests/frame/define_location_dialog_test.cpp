#include "frame/define_location_dialog.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "app/angle_picker.h"
#include "app/time_zone_picker.h"
#include "base/memory_storage.h"
#include "base/storage_service_win.h"
#include "catalog/location_record_testing.h"
#include "controls/control_classes.h"
#include "controls/custom_control_registry.h"
#include "frame/modal_driver.h"
#include "controls/spin_edit_window.h"
#include "support/test_data.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::ModalDriver;
using test::Utf8;

// The build tree's folder, where the drawn map pack lies in "Maps".
String BuildFolder() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.resize(folder.find_last_of(L'\\'));          // ...\tests
    folder.resize(folder.find_last_of(L'\\') + 1);      // ...\ (the build tree)
    return String(reinterpret_cast<const Char*>(folder.c_str()));
}

HWND MapOf(HWND dialog) { return GetWindow(GetDlgItem(dialog, kIdMapFrame), GW_CHILD); }

double PickerValue(HWND dialog, int id) {
    if (id == kIdTimeZonePicker)
        return FindCustomControl<PickerControl<TimeZonePicker>>(GetDlgItem(dialog, id))->GetValue();
    return FindCustomControl<PickerControl<AnglePicker>>(GetDlgItem(dialog, id))->GetValue();
}

void SetPicker(HWND dialog, int id, double value) {
    if (id == kIdTimeZonePicker)
        FindCustomControl<PickerControl<TimeZonePicker>>(GetDlgItem(dialog, id))->SetValue(value);
    else
        FindCustomControl<PickerControl<AnglePicker>>(GetDlgItem(dialog, id))->SetValue(value);
}

void ClickAt(ModalDriver& d, HWND window, int x, int y) {
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    d.Pump();
}

void Replace(ModalDriver& d, int id, const char* text) {
    d.Focus(id);
    SendDlgItemMessageW(d.Dialog(), id, EM_SETSEL, 0, -1);
    d.Type(text);
}

class DefineLocation : public ::testing::Test {
protected:
    DefineLocation() {
        registered_ = RegisterCustomControlClasses(GetModuleHandleW(nullptr));
        SetCustomControlRegistry(&registry_);
        place_ = test::MakePlace("My town", "My country", 0.0);
        params_.place = &place_;
        params_.userPlaces = &places_;
        params_.storage = &files_;
        params_.makerKeyPath = String(TXT("\\Software\\Corvinata test without map packs"));
        params_.programFolder = BuildFolder();
        params_.ask = [this](HWND, const String& text, int buttons, int, MessageTopic) {
            asked_.push_back(Utf8(text));
            if (buttons == 2) return seaAnswer_;
            return buttons == 3 ? answer_ : 8;
        };
    }
    ~DefineLocation() override { SetCustomControlRegistry(nullptr); }
    void SetUp() override { ASSERT_TRUE(registered_); }
    bool Run(const ModalDriver::Steps& steps) {
        return ModalDriver::Run(steps, [&] { return ShowDefineLocation(nullptr, params_); });
    }

    CustomControlRegistry registry_;
    bool registered_ = false;
    Win32StorageService files_;
    MemoryStorageService memory_;
    test::PlainLocationFormat format_;
    UserLocations places_{memory_, String(TXT("\\Software\\Test")), format_};
    Location place_;
    DefineLocationParams params_;
    std::vector<std::string> asked_;
    int answer_ = 16;
    int seaAnswer_ = 16;  // Yes: the entered zone stands where none is known
};

TEST_F(DefineLocation, NewPlacePickedOnTheShippedWorldMapWithItsZone) {
    EXPECT_TRUE(Run([](ModalDriver& d, HWND dialog) {
        HWND maps = GetDlgItem(dialog, kIdMapList);
        EXPECT_EQ(SendMessageW(maps, CB_GETCOUNT, 0, 0), 7);
        EXPECT_EQ(SendMessageW(maps, CB_GETCURSEL, 0, 0), 0);
        HWND map = MapOf(dialog);
        ASSERT_NE(map, nullptr);
        SCROLLINFO bar{};
        bar.cbSize = sizeof bar;
        bar.fMask = SIF_ALL;
        GetScrollInfo(map, SB_HORZ, &bar);
        const int width = bar.nMax + 1;  // the whole world at zoom 0
        GetScrollInfo(map, SB_VERT, &bar);
        const int height = bar.nMax + 1;
        // Paris: 2.35 E, 48.86 N, in the zone of Central Europe.
        ClickAt(d, map, static_cast<int>((180 + 2.35) / 360 * width), static_cast<int>((90 - 48.86) / 180 * height));
        EXPECT_NEAR(PickerValue(dialog, kIdLongitudePicker), 2.35, 360.0 / width);
        EXPECT_NEAR(PickerValue(dialog, kIdLatitudePicker), 48.86, 180.0 / height);
        EXPECT_EQ(PickerValue(dialog, kIdTimeZonePicker), 1.0);
        // The zoom follows the keyboard on the trackbar.
        d.Focus(kIdZoom);
        d.Key(VK_END);
        GetScrollInfo(map, SB_HORZ, &bar);
        EXPECT_EQ(bar.nMax + 1, 1800);  // the picture at its own size
        Replace(d, kIdCountryEdit, "France");
        Replace(d, kIdTownEdit, "Paris");
        d.Key(VK_RETURN);
    }));
    EXPECT_TRUE(asked_.empty());
    EXPECT_EQ(Utf8(place_.town), "Paris");
    EXPECT_EQ(Utf8(place_.country), "France");
    EXPECT_NEAR(place_.coordinates.longitude.degrees, -2.35, 0.5);
    EXPECT_EQ(place_.coordinates.timeZone.hours, 1.0);
}

TEST_F(DefineLocation, ZoneThatDoesNotFitIsQuestioned) {
    place_ = test::MakePlace("London", "England", 0.12);
    place_.coordinates.latitude.degrees = 51.5;
    place_.coordinates.timeZone.hours = 1.0;
    params_.isNew = false;
    answer_ = 1;  // Cancel keeps the dialog open
    EXPECT_TRUE(Run([this](ModalDriver& d, HWND dialog) {
        d.Key(VK_RETURN);
        EXPECT_TRUE(IsWindow(dialog));
        ASSERT_EQ(asked_.size(), 1u);
        EXPECT_NE(asked_[0].find("You entered a time zone of UT+1 which does not look correct"), std::string::npos);
        EXPECT_NE(asked_[0].find("Do you want to use the time zone UT+0?"), std::string::npos);
        answer_ = 16;
        d.Key(VK_RETURN);
    }));
    EXPECT_EQ(place_.coordinates.timeZone.hours, 0.0);
    EXPECT_NEAR(place_.coordinates.longitude.degrees, 0.12, 1e-6);
}

TEST_F(DefineLocation, NamesOfAnotherPlaceRefusedAlsoWhenEditing) {
    places_.AddUserLocation(test::MakePlace("Hill", "Land", 0.0));
    place_ = test::MakePlace("Dale", "Land", 0.0);
    places_.AddUserLocation(place_);
    params_.isNew = false;
    EXPECT_TRUE(Run([this](ModalDriver& d, HWND dialog) {
        Replace(d, kIdTownEdit, "Hill");
        d.Key(VK_RETURN);
        EXPECT_TRUE(IsWindow(dialog));
        ASSERT_EQ(asked_.size(), 1u);
        EXPECT_EQ(asked_[0].rfind("A location with the given country and town name already exists.", 0), 0u);
        Replace(d, kIdTownEdit, "Dale");  // its own names again
        d.Key(VK_RETURN);
    }));
    EXPECT_EQ(Utf8(place_.town), "Dale");
}

TEST_F(DefineLocation, LookupTakesTheZoneOfTheTypedPlace) {
    params_.isNew = false;
    EXPECT_FALSE(Run([](ModalDriver& d, HWND dialog) {
        SetPicker(dialog, kIdLongitudePicker, 139.7);  // Tokyo
        SetPicker(dialog, kIdLatitudePicker, 35.7);
        d.Click(kIdLookupZone);
        EXPECT_EQ(PickerValue(dialog, kIdTimeZonePicker), 9.0);
        d.Key(VK_ESCAPE);
    }));
    EXPECT_EQ(Utf8(place_.town), "My town");
}

TEST_F(DefineLocation, ZoomEndsArePicturesThatStepTheZoom) {
    EXPECT_FALSE(Run([](ModalDriver& d, HWND dialog) {
        const struct {
            int id;
            int zoom;  // after the click
        } cases[] = {{kIdZoomIn, 1}, {kIdZoomIn, 2}, {kIdZoomIn, 2}, {kIdZoomOut, 1}};
        for (const auto& c : cases) {
            HWND picture = GetDlgItem(dialog, c.id);
            EXPECT_NE(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0) << c.id;
            PostMessageW(picture, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
            PostMessageW(picture, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
            d.Pump();
            EXPECT_EQ(SendDlgItemMessageW(dialog, kIdZoom, TBM_GETPOS, 0, 0), c.zoom) << c.id;
        }
        d.Key(VK_ESCAPE);
    }));
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

// The place under the cross, from the map window's own state.
bool PlaceUnderCross(HWND dialog, const OfferedMaps& offered, double& longitudeWest, double& latitude) {
    const auto* map = reinterpret_cast<const MapWindow*>(GetWindowLongPtrW(MapOf(dialog), GWLP_USERDATA));
    HWND list = GetDlgItem(dialog, kIdMapList);
    const LRESULT index = SendMessageW(list, CB_GETITEMDATA, SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
    if (!map || !map->HasMark() || index < 0) return false;
    const POINT at = map->Marked();
    return MapPointToPlace(offered.maps[static_cast<std::size_t>(index)], map->View(), at.x, at.y, longitudeWest,
                           latitude);
}

// Zooming and choosing another map keep the place; typed coordinates move
// the cross: it always stands on the fields' place.
TEST_F(DefineLocation, ZoomAndMapChoiceKeepThePlaceUnderTheCross) {
    place_ = test::MakePlace("Paris", "France", -2.35);
    place_.coordinates.latitude.degrees = 48.86;
    place_.coordinates.timeZone.hours = 1.0;
    params_.isNew = false;
    const OfferedMaps offered = LoadOfferedMaps(files_, params_.makerKeyPath, params_.programFolder);
    EXPECT_FALSE(Run([&](ModalDriver& d, HWND dialog) {
        const struct {
            const char* step;
            double east;  // the longitude the fields hold afterwards
            std::function<void()> act;
        } steps[] = {
            {"opened", 2.35, [] {}},
            {"zoom in", 2.35, [&] { d.Click(kIdZoomIn); }},
            {"zoom in again", 2.35, [&] { d.Click(kIdZoomIn); }},
            {"zoom out", 2.35, [&] { d.Click(kIdZoomOut); }},
            {"longitude typed", 3.35, [&] {
                 d.Focus(kIdLongitudePicker);
                 d.Key(VK_UP);  // the degrees one up
             }},
            {"another map", 3.35, [&] {
                 SendDlgItemMessageW(dialog, kIdMapList, CB_SETCURSEL, 1, 0);
                 SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kIdMapList, CBN_SELCHANGE),
                              reinterpret_cast<LPARAM>(GetDlgItem(dialog, kIdMapList)));
             }},
        };
        for (const auto& step : steps) {
            step.act();
            d.Pump();
            const double east = PickerValue(dialog, kIdLongitudePicker);
            EXPECT_NEAR(east, step.east, 1e-9) << step.step;
            EXPECT_NEAR(PickerValue(dialog, kIdLatitudePicker), 48.86, 1e-9) << step.step;
            EXPECT_EQ(PickerValue(dialog, kIdTimeZonePicker), 1.0) << step.step;
            double longitudeWest = 0.0;
            double latitude = 0.0;
            const auto* map = reinterpret_cast<const MapWindow*>(GetWindowLongPtrW(MapOf(dialog), GWLP_USERDATA));
            if (!map->HasMark()) continue;  // a map that does not show the place has no cross
            ASSERT_TRUE(PlaceUnderCross(dialog, offered, longitudeWest, latitude)) << step.step;
            const double pixel = 360.0 / ZoomedWidth(map->View());
            EXPECT_NEAR(longitudeWest, -east, 2 * pixel) << step.step;
            EXPECT_NEAR(latitude, 48.86, 2 * pixel) << step.step;
        }
        d.Key(VK_ESCAPE);
    }));
}

// A map pack is a folder from anywhere: a picture whose headers promise
// more than its file holds (a palette count or header size that wraps)
// shows an empty map instead of whatever lies behind the file.
TEST_F(DefineLocation, AMapPictureThatDoesNotLoadShowsAnEmptyMap) {
    EXPECT_FALSE(Run([&](ModalDriver& d, HWND dialog) {
        auto* map = reinterpret_cast<MapWindow*>(GetWindowLongPtrW(MapOf(dialog), GWLP_USERDATA));
        EXPECT_GT(map->View().pictureWidth, 0);  // the shipped world map
        for (const char* name : {"palette_count_wraps.bmp", "header_size_wraps.bmp"}) {
            const test::CharText path = test::Wide(test::TestsPath(std::string("fuzz/bmp/failures/") + name));
            map->ShowPicture(String(path.c_str()));
            UpdateWindow(map->Window());
            EXPECT_EQ(map->View().pictureWidth, 0) << name;
            EXPECT_EQ(map->View().pictureHeight, 0) << name;
        }
        d.Key(VK_ESCAPE);
    }));
}

// A name is taken as far as it is stored, no further: the edits stop at
// the stored length and the place keeps every character typed.
TEST_F(DefineLocation, PlaceNamesStopAtTheStoredLength) {
    params_.isNew = false;
    place_.coordinates.latitude.degrees = 51.5;  // on land, in zone 0
    const std::string typed(kNameMaxLength + 20, 'N');
    EXPECT_TRUE(Run([&](ModalDriver& d, HWND dialog) {
        Replace(d, kIdTownEdit, typed.c_str());
        EXPECT_EQ(GetWindowTextLengthW(GetDlgItem(dialog, kIdTownEdit)), kNameMaxLength);
        d.Key(VK_RETURN);
    }));
    EXPECT_EQ(Utf8(place_.town), std::string(kNameMaxLength, 'N'));
}

// Where the lookup knows no zone the user is told, and asked before the
// entered zone is stored.
TEST_F(DefineLocation, NoZoneAtSeaIsSaidAndTheEnteredZoneConfirmed) {
    params_.isNew = false;
    place_.coordinates.timeZone.hours = -5.0;
    seaAnswer_ = 4;  // No: the dialog stays open
    EXPECT_TRUE(Run([this](ModalDriver& d, HWND dialog) {
        SetPicker(dialog, kIdLongitudePicker, -150.0);
        SetPicker(dialog, kIdLatitudePicker, 10.0);
        d.Click(kIdLookupZone);
        ASSERT_EQ(asked_.size(), 1u);
        EXPECT_EQ(asked_[0].rfind("No time zone is known for the coordinates", 0), 0u) << asked_[0];
        EXPECT_EQ(PickerValue(dialog, kIdTimeZonePicker), -5.0);
        d.Key(VK_RETURN);
        EXPECT_TRUE(IsWindow(dialog));
        ASSERT_EQ(asked_.size(), 2u);
        EXPECT_NE(asked_[1].find("Do you want to use the time zone"), std::string::npos) << asked_[1];
        seaAnswer_ = 16;
        d.Key(VK_RETURN);
    }));
    EXPECT_EQ(place_.coordinates.timeZone.hours, -5.0);
    EXPECT_NEAR(place_.coordinates.longitude.degrees, 150.0, 1e-9);
}

}  // namespace
}  // namespace corvinata
