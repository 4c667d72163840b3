// The eclipse map's display window (class "CorvinataSecDisp"): it fills the
// Solar Eclipse window's client area, paints the map straight into its
// device context, takes clicks on the map and shows the map's context menu.
#pragma once

#include <windows.h>

#include <vector>

#include "catalog/country_shapes.h"
#include "views/display_window_win.h"
#include "views/eclipse_view.h"

namespace corvinata {

// What the display needs of its Solar Eclipse window.
class EclipseDisplayOwner {
public:
    virtual ~EclipseDisplayOwner() = default;
    virtual const EclipseView& MapState() const = 0;
    // Null while the outlines cannot be read.
    virtual const std::vector<CountryOutline>* CountryOutlines() const = 0;
    virtual bool NightVisionActive() const = 0;
    virtual HFONT TextFont() const = 0;
    // A click on the map at a place (west longitude, latitude).
    virtual void MapClicked(const MapPoint& place) = 0;
    // The context menu's commands; the two windows are offered when the
    // program has them.
    virtual bool CanShowInSky() const = 0;
    virtual void ShowInSky() = 0;
    virtual bool CanShowInSolarSystem() const = 0;
    virtual void ShowInSolarSystem() = 0;
    virtual void DuplicateWindow() = 0;
};

// The map has no hover tip and no reaction to pointer moves.
class EclipseDisplay final : public DisplayWindow {
public:
    static constexpr const wchar_t* kClassName = L"CorvinataSecDisp";
    // `background` is the application's shared background brush.
    static bool RegisterDisplayClass(HINSTANCE instance, HBRUSH background);
    static void UnregisterDisplayClass(HINSTANCE instance);

    explicit EclipseDisplay(EclipseDisplayOwner& owner) : owner_(owner) {}

    // A child of `parent` filling its client area.
    bool Create(HWND parent, HINSTANCE instance);
    void FitToParent();

    // The whole map again, at once.
    void Refresh();
    // Only the marks of the two places again (the observer moved); a place
    // outside its range stands for the current observer.
    void RefreshMarks(const MapPoint& before, const MapPoint& after);

    // The map's context menu, at a point of the client area; the keyboard's
    // (Shift+F10, the menu key) at the map's centre.
    void ShowContextMenu(POINT client);
    void ShowContextMenuFromKeyboard();

private:
    LRESULT HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    void OnEraseBackground(HDC dc);
    void OnLeftButtonDown(int x, int y);
    void OnCommand(int id);
    void InvalidateMark(const MapPoint& place);

    EclipseDisplayOwner& owner_;
};

}  // namespace corvinata
