// The Define Location dialog: a place of the user's own, its names and
// coordinates typed or picked on a map of the installed map pack, its time
// zone checked against the zone outlines. The map window ("Map") shows the
// current map at one of three zoom levels with a cross at the marked point.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/map_packs.h"
#include "app/picture_image_win.h"
#include "app/window_geometry.h"
#include "base/location.h"
#include "base/scoped_win.h"
#include "catalog/user_locations.h"
#include "controls/dialog_template.h"
#include "frame/select_location_dialog.h"

namespace corvinata {

enum DefineLocationControl : int {
    kIdCountryEdit = 20579,
    kIdTownEdit = 20554,
    kIdLongitudePicker = 20746,
    kIdLatitudePicker = 20732,
    kIdTimeZonePicker = 21012,
    kIdLookupZone = 20522,
    kIdElevationPicker = 20625,
    kIdMapList = 20580,
    kIdZoom = 20867,
    kIdZoomOut = 20882,
    kIdZoomIn = 20883,
    kIdMoveLeft = 20735,
    kIdMoveRight = 20854,
    kIdMoveUp = 21020,
    kIdMoveDown = 20615,
    kIdMapFrame = 20830,
};

constexpr const wchar_t* kMapClass = L"Map";
constexpr int kNameMaxLength = 100;

struct DefineLocationParams {
    Location* place = nullptr;          // in: the place to edit or the new one's start; out: the result
    bool isNew = true;
    UserLocations* userPlaces = nullptr;  // for the check against places already there
    StorageService* storage = nullptr;    // where the map packs are looked for
    String makerKeyPath;                  // registry key holding the announced packs
    String programFolder;                 // with its path separator
    int angleLayout = 0;                  // the program's angle display: 0 sexagesimal, 1 decimal
    AskUser ask;
    WindowGeometry* placement = nullptr;
};

// The map window: the picture at its zoom with a cross at the marked point.
class MapWindow {
public:
    void Attach(HWND window) noexcept { window_ = window; }
    // Called after a click has moved the marked point.
    void OnMarked(std::function<void()> action) { onMarked_ = std::move(action); }

    // The current picture (a BMP file of a map pack), read as every picture
    // file is; a file that does not load, damaged ones included, shows an
    // empty map.
    void ShowPicture(const String& path);
    void SetZoom(int zoom);
    int Zoom() const noexcept { return view_.zoom; }
    // The marked point. It belongs to the picture: scrolling and zooming
    // carry it along, and zooming centres the view on it.
    void Mark(int x, int y);  // window pixels
    // The point at fractions of the whole picture (0..1 from the left and the
    // top), the view scrolled to centre it; false outside the picture, when
    // the view is left as it is and no point is marked.
    bool MarkFraction(double fx, double fy);
    bool HasMark() const noexcept { return hasMark_; }
    // Window pixels; meaningful only with a mark.
    POINT Marked() const noexcept;
    void CentreMark();
    // One pixel in a direction, while the point stays inside the window.
    bool CanMove(int dx, int dy) const noexcept;
    void Move(int dx, int dy);
    const MapView& View() const noexcept { return view_; }
    HWND Window() const noexcept { return window_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void UpdateScrollRanges();
    void CentreOnMark();
    void OnScroll(int bar, int request);
    void OnPaint();

    HWND window_ = nullptr;
    std::function<void()> onMarked_;
    DibPicture picture_;
    MapView view_;
    bool hasMark_ = false;
    double markX_ = 0.5;  // fractions of the whole picture
    double markY_ = 0.5;
};

bool RegisterMapClass(HINSTANCE instance);

DialogTemplate DefineLocationDialogTemplate();
INT_PTR CALLBACK DefineLocationDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// True when the user confirmed; the place then holds the result.
bool ShowDefineLocation(HWND parent, DefineLocationParams& params);

// What the Select Location dialog runs for New and Edit: this dialog with
// the settings of `common` for the place it is given.
DefinePlace DefinePlaceWith(const DefineLocationParams& common);

// The value a user answers the zone question with, or none when the
// dialog is to stay open.
bool CheckTimeZone(HWND dialog, const DefineLocationParams& params, double& zone);

}  // namespace corvinata
