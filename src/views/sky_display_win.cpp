#include "views/sky_display_win.h"

#include <windowsx.h>

#include <algorithm>

#include "base/date_time_text.h"
#include "base/text_format.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/star_catalogue.h"
#include "resources/resource_ids.h"
#include "views/display_context_menu_win.h"
#include "views/sky_grids.h"
#include "views/sky_window_win.h"
#include "views/solar_system_window_win.h"

namespace corvinata {

namespace {

// The constellation an object lies in: a star's own, else the one its
// position of the document's moment falls in.
const CelestialObject* BodyConstellation(const CelestialObject* object, const SkyDocument& document) {
    if (!object) return nullptr;
    const Catalogue* constellations = CatalogueByType(kBodyConstellation);
    if (!constellations) return nullptr;
    if (object->GetTypeId() == kBodyStar) {
        return StarConstellation(static_cast<const BrightStar&>(*object));
    }
    if (object->GetTypeId() >= kBodyOther) return nullptr;
    PropertyMap out;
    ComputeBodyProperties(*object, kFunctionConstellation, document.GetTimeAndPlace(), out, PropertyConventions{});
    if (!out.Has(kFunctionConstellation)) return nullptr;
    return constellations->CatalogueGetObjectAt(static_cast<int>(out.Value(kFunctionConstellation)));
}

String NameOf(const CelestialObject* object) { return object ? String(ObjectKeyName(*object)) : String(); }

}  // namespace

SkyDisplay::SkyDisplay(SkyWindow& owner) : owner_(owner) {}

SkyDisplay::~SkyDisplay() { Teardown(); }

bool SkyDisplay::RegisterDisplayClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    // No CS_OWNDC: the pixel format belongs to the window, and the DC the
    // display takes at its creation and keeps serves OpenGL as well.
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(ICO_SKY));
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszMenuName = kMainMenuName;
    wc.lpszClassName = kSkyDisplayClass;
    return DisplayWindow::RegisterDisplayClass(wc);
}

void SkyDisplay::UnregisterDisplayClass(HINSTANCE instance) { UnregisterClassW(kSkyDisplayClass, instance); }

bool SkyDisplay::Create(HWND parent, HINSTANCE instance, HFONT displayFont, HFONT symbolFont) {
    instance_ = instance;
    if (!RegisterDisplayClass(instance)) return false;
    if (!CreateDisplayWindow(kSkyDisplayClass, WS_CHILD | WS_VISIBLE | WS_BORDER, parent, instance)) return false;
    dc_ = GetDC(window_);
    if (displayFont) SelectObject(dc_, displayFont);
    gl_ = CreateSkyGlWin(window_, dc_, displayFont ? displayFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                         symbolFont ? symbolFont : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
                         GlContextSharing::kSkyDisplays);
    if (gl_) {
        renderer_ = std::make_unique<SkyRenderer>(owner_, *gl_);
        LoadHorizonTexturesFromResources(instance);
        horizonLoaded_ = true;
    }
    Resize();
    return true;
}

void SkyDisplay::Teardown() {
    // The renderer's lists and the context go while the window still
    // exists, with this display's own context current.
    renderer_.reset();
    gl_.reset();
    if (horizonLoaded_) FreeHorizonTextures();
    horizonLoaded_ = false;
    if (dc_ && window_) ReleaseDC(window_, dc_);
    dc_ = nullptr;
}

void SkyDisplay::Resize() {
    HWND parent = window_ ? GetParent(window_) : nullptr;
    if (!parent) return;
    RECT client{};
    GetClientRect(parent, &client);
    SetWindowPos(window_, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

int SkyDisplay::ViewportSide() const {
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    return std::max(client.right, client.bottom);
}

void SkyDisplay::Redraw(std::uint32_t flags, bool everything) {
    if (renderer_) renderer_->OnViewUpdate(flags, everything);
    if (!window_) return;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

void SkyDisplay::StartHighlight() {
    if (!window_) return;
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
    SetTimer(window_, kHighlightTimer, kHighlightMilliseconds, nullptr);
}

void SkyDisplay::OnHighlightTimer() {
    KillTimer(window_, kHighlightTimer);
    owner_.EndHighlight();
    InvalidateRect(window_, nullptr, FALSE);
    UpdateWindow(window_);
}

void SkyDisplay::SetSizing(bool sizing) {
    if (renderer_) renderer_->UseCoarseLayerList(sizing);
}

void SkyDisplay::CenterOnObject(int mode, const CelestialObject* object, bool movePointer, bool redraw,
                                bool noNotice) {
    if (!object) return;
    const bool change = mode == 2 || (mode == 1 && renderer_ && !renderer_->SkyIsObjectVisible(*object));
    if (change) {
        const SkyPosition position = owner_.BodyPosition(*object);
        owner_.SetViewDirection(owner_.ComputeLookDirection(position, owner_.GetZoom()));
        if (!noNotice) owner_.UpdateView(kSkyChangeDirection, false);
    }
    if (redraw) owner_.Highlight();
    int x = 0;
    int y = 0;
    if (movePointer && renderer_ && renderer_->SkyProjectObject(*object, x, y)) {
        POINT point{x, y};
        ClientToScreen(window_, &point);
        SetCursorPos(point.x, point.y);
    }
}

void SkyDisplay::GetTooltipText(int x, int y, String& text) {
    if (drag_ != SkyDrag::kNone || !renderer_) return;
    const SkyPickResult pick = renderer_->SkyFeedbackPick(x, y);
    lastHit_ = pick.object && pick.distance >= 0 && pick.distance <= 15 ? 1 : 2;
    if (!pick.object) return;
    text = NameOf(pick.object);
    if (pick.trackPoint) {
        String date;
        FormatDate(pick.trackPoint->date, 3, date);
        StringAppend(text, TXT(" "));
        StringAppend(text, date.Text());
    }
}

bool SkyDisplay::AcceptsTooltips() const { return drag_ == SkyDrag::kNone && lastHit_ == 1; }

LRESULT SkyDisplay::HandleDisplayMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        break;
    case WM_TIMER:
        if (wParam == kHighlightTimer) OnHighlightTimer();
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_LBUTTONDOWN:
        OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
        break;
    case WM_LBUTTONUP:
        EndDrag(true);
        break;
    case WM_MOUSELEAVE:
        // While the drag holds the mouse, the pointer leaving the display
        // ends nothing: the release will.
        if (GetCapture() != window_) EndDrag(false);
        break;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != window_ && drag_ != SkyDrag::kNone) EndDrag(false);
        break;
    case WM_RBUTTONDOWN: {
        const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const SkyPickResult pick = renderer_ ? renderer_->SkyFeedbackPick(point.x, point.y) : SkyPickResult{};
        ShowContextMenu(pick.object, point);
        break;
    }
    case WM_DESTROY:
        Teardown();
        break;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void SkyDisplay::OnPaint() {
    PAINTSTRUCT paint{};
    BeginPaint(window_, &paint);
    if (gl_) gl_->PrepareFrame();
    if (renderer_) renderer_->SkyRenderFrame();
    EndPaint(window_, &paint);
}

void SkyDisplay::OnMouseMove(int x, int y) {
    switch (drag_) {
    case SkyDrag::kPressed:
        drag_ = FirstDragMove(axisLock_, lastX_ - x, lastY_ - y);
        // The first move only decides the kind of drag; the view follows
        // from the next.
        SetCursor(static_cast<HCURSOR>(LoadImageW(
            instance_,
            MAKEINTRESOURCEW(drag_ == SkyDrag::kHorizontal ? CUR_DRAG_HORIZONTAL
                             : drag_ == SkyDrag::kVertical ? CUR_DRAG_VERTICAL
                                                           : CUR_DRAG_ANY),
            IMAGE_CURSOR, 0, 0, LR_SHARED)));
        if (renderer_) renderer_->UseCoarseLayerList(true);
        lastX_ = x;
        lastY_ = y;
        break;
    case SkyDrag::kHorizontal:
    case SkyDrag::kVertical:
    case SkyDrag::kFree:
        owner_.SetViewDirection(
            DragMove(drag_, owner_.GetViewDirection(), lastX_, lastY_, x, y, owner_.GetFieldOfView(), ViewportSide()));
        lastX_ = x;
        lastY_ = y;
        owner_.UpdateView(kSkyChangeDirection, false);
        break;
    case SkyDrag::kNone:
        UpdateCursor();
        break;
    }
}

void SkyDisplay::OnLeftButtonDown(int x, int y, WPARAM keys) {
    if (!renderer_) return;
    if (renderer_->SkyHitTest(x, y) == 1) {
        const SkyPickResult pick = renderer_->SkyFeedbackPick(x, y);
        if (pick.object) {
            owner_.Actions().SelectPair(owner_, BodyIdentifierFromObject(SkySelectableObject(pick.object)), 0, 0,
                                        0, nullptr);
        }
        return;
    }
    axisLock_ = (keys & MK_SHIFT) != 0;
    drag_ = SkyDrag::kPressed;
    lastX_ = x;
    lastY_ = y;
    start_ = owner_.GetViewDirection();
    SetCapture(window_);
}

void SkyDisplay::EndDrag(bool updateCursor) {
    if (drag_ != SkyDrag::kNone) {
        const SkyDrag ended = drag_;
        drag_ = SkyDrag::kNone;
        if (GetCapture() == window_) ReleaseCapture();
        if (ended != SkyDrag::kPressed) {
            // The whole drag becomes one step from where it started, drawn
            // once with the full list; a drag back to its start is no step
            // but is drawn in full too.
            const ViewDirection reached = owner_.GetViewDirection();
            owner_.SetViewDirection(start_);
            if (renderer_) renderer_->UseCoarseLayerList(false);
            if (reached == start_) {
                owner_.UpdateView(kSkyChangeDirection, false);
            } else {
                owner_.Actions().LookTo(owner_, reached, kViewBoth, 1, nullptr);
            }
        }
    }
    if (updateCursor) UpdateCursor();
}

void SkyDisplay::UpdateCursor() {
    if (!renderer_ || !window_) return;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(window_, &point);
    lastHit_ = renderer_->SkyHitTest(point.x, point.y);
    SetCursor(lastHit_ == 1 ? LoadCursorW(nullptr, IDC_HAND)
                            : static_cast<HCURSOR>(LoadImageW(instance_, MAKEINTRESOURCEW(CUR_OVER_BODY),
                                                              IMAGE_CURSOR, 0, 0, LR_SHARED)));
}

void SkyDisplay::ShowContextMenu(const CelestialObject* object, POINT client) {
    // Nothing under the pointer (or nothing drawn): the menu is the Sun's.
    if (!object) {
        const Catalogue* sun = CatalogueByType(kBodySun);
        object = sun ? sun->CatalogueGetObjectAt(0) : nullptr;
    }
    menuObject_ = object;
    DisplayContextMenu context(instance_, L"Menu_Sky");
    HMENU menu = context.Popup();
    if (!menu) return;
    const String constellation = NameOf(BodyConstellation(object, owner_.GetSkyDocument()));
    context.FillNames(NameOf(object), &constellation);
    // Windows and tools the program does not offer stay gray.
    for (int id : {CMD_SHOW_SOLAR_SYSTEM, CMD_SHOW_PICTURE, CMD_SHOW_OBJECT_INFO, CMD_SHOW_OBJECT_INFO_SECOND}) {
        EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
    }
    for (int position : {0, 1}) EnableMenuItem(menu, position, MF_BYPOSITION | MF_GRAYED);
    const WindowServices* windows = owner_.Context().windows;
    if (windows && windows->OffersObjectInfo()) {
        for (int position : {0, 1}) EnableMenuItem(menu, position, MF_BYPOSITION | MF_ENABLED);
        EnableMenuItem(menu, CMD_SHOW_OBJECT_INFO, MF_BYCOMMAND | MF_ENABLED);
        if (BodyConstellation(object, owner_.GetSkyDocument()))
            EnableMenuItem(menu, CMD_SHOW_OBJECT_INFO_SECOND, MF_BYCOMMAND | MF_ENABLED);
    }
    if (windows && SolarSystemWindowCanShow(object) && windows->OffersWindowKind(kSolarSystemWindow)) {
        EnableMenuItem(menu, 0, MF_BYPOSITION | MF_ENABLED);
        EnableMenuItem(menu, CMD_SHOW_SOLAR_SYSTEM, MF_BYCOMMAND | MF_ENABLED);
    }
    if (windows && object && windows->OffersWindowKind(kPictureWindow) &&
        windows->BodyHasPicture(BodyIdentifierFromObject(object))) {
        EnableMenuItem(menu, 0, MF_BYPOSITION | MF_ENABLED);
        EnableMenuItem(menu, CMD_SHOW_PICTURE, MF_BYCOMMAND | MF_ENABLED);
    }
    if (!object) EnableMenuItem(menu, CMD_CENTER_OBJECT, MF_BYCOMMAND | MF_GRAYED);
    context.Track(window_, client, TPM_RIGHTBUTTON);
}

void SkyDisplay::OnCommand(int id) {
    switch (id) {
    case CMD_DUPLICATE_WINDOW:
        owner_.Duplicate();
        break;
    case CMD_SHOW_SOLAR_SYSTEM:
        // The Solar System at the moment this chart shows.
        if (menuObject_ && owner_.Context().windows) {
            owner_.Context().windows->ShowBodyInSolarSystemWindowAt(BodyIdentifierFromObject(menuObject_),
                                                                    owner_.GetSkyDocument().GetTimeAndPlace().dateTime);
        }
        break;
    case CMD_SHOW_PICTURE:
        if (menuObject_ && owner_.Context().windows) {
            owner_.Context().windows->ShowBodyInPictureWindow(BodyIdentifierFromObject(menuObject_));
        }
        break;
    case CMD_SHOW_OBJECT_INFO:
    case CMD_SHOW_OBJECT_INFO_SECOND: {
        const SkyDocument& document = owner_.GetSkyDocument();
        const CelestialObject* body =
            id == CMD_SHOW_OBJECT_INFO ? menuObject_ : BodyConstellation(menuObject_, document);
        if (!body || !owner_.Context().windows) break;
        const DateTime moment = document.GetTimeAndPlace().dateTime;
        owner_.Context().windows->ShowObjectInfo(BodyIdentifierFromObject(body), &moment);
        break;
    }
    case CMD_FIND_OBJECT:
        owner_.FindObject();
        break;
    case CMD_SKY_OPTIONS:
        owner_.ShowOptionsDialog();
        break;
    case CMD_CENTER_OBJECT:
        if (menuObject_) {
            owner_.Actions().LookAtTarget(owner_, owner_.BodyPosition(*menuObject_));
        }
        break;
    default:
        break;
    }
}

}  // namespace corvinata
