#include "frame/status_line.h"

#include <commctrl.h>

#include "app/current_time.h"
#include "app/status_texts.h"
#include "base/services.h"
#include "base/text_format.h"
#include "base/wide_string.h"
#include "frame/main_toolbar.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

int TextWidth(HDC dc, const Char* text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, TextLength(text), &size);
    return size.cx;
}

}  // namespace

bool StatusLine::Create(HWND frame, HINSTANCE instance) {
    window_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | SBARS_TOOLTIPS, 0, 0, 0, 0, frame,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), instance,
                              nullptr);
    if (!window_) return false;
    SendMessageW(window_, SB_SIMPLE, FALSE, 0);
    ShowWindow(window_, SW_SHOW);
    return true;
}

void StatusLine::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
}

void StatusLine::Layout(const Char* general, const Char* location, const Char* dateTime) {
    if (!window_) return;
    RECT client{};
    GetClientRect(window_, &client);
    // Measured with the font the bar's device context comes with, wider
    // than the bar's own: the place and the time get room to spare.
    HDC dc = GetDC(window_);
    const StatusPartEdges edges =
        StatusLineEdges(client.right - client.left, TextWidth(dc, location), TextWidth(dc, dateTime));
    ReleaseDC(window_, dc);
    int parts[3] = {edges.generalRight, edges.locationRight, -1};
    SendMessageW(window_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    SendMessageW(window_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(general));
    SendMessageW(window_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(location));
    SendMessageW(window_, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(dateTime));
}

void StatusLine::SetGeneralText(const Char* text) {
    if (window_) SendMessageW(window_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text));
}

void StatusLine::ShowCurrent(const DateTimeLocation& current, const Char* general) {
    String title;
    if (!general) {
        GetProductInfo().GetProductTitle(title);
        general = title.Text();
    }
    const DateTime local = LocalCivilTimeAt(current.dateTime, current.location, current.daylightSaving);
    const String location = FormatStatusLocation(current.location);
    const String dateTime = FormatStatusDateTime(local, current.daylightSaving);
    Layout(general, location.Text(), dateTime.Text());
}

void StatusLine::ShowMenuHelp(HINSTANCE instance, const RecentFiles& recent, WPARAM wParam, LPARAM lParam,
                              const DateTimeLocation& current) {
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) {
        ShowCurrent(current);
        return;
    }
    const int id = LOWORD(wParam);
    if (!(flags & (MF_POPUP | MF_SEPARATOR)) && id >= CMD_RECENT_FILE_FIRST && id <= CMD_RECENT_FILE_LAST) {
        const String* path = recent.PathForCommand(id);
        const String text = FormatPercent1(TXT("Opens the graph '%'"), path ? *path : String());
        SetGeneralText(text.Text());
        return;
    }
    wchar_t text[100] = {};
    if (!(flags & (MF_POPUP | MF_SEPARATOR))) LoadStringW(instance, id, text, 100);
    SetGeneralText(text);
}

void StatusLine::ShowButtonHelp(HINSTANCE instance, const NMTBHOTITEM& hot, const DateTimeLocation& current) {
    const ToolbarButtonInfo* button = (hot.dwFlags & HICF_LEAVING) ? nullptr : FindToolbarButton(hot.idNew);
    if (!button) {
        ShowCurrent(current);
        return;
    }
    wchar_t text[1000] = {};
    LoadStringW(instance, button->description, text, 1000);
    SetGeneralText(text);
}

int StatusLine::CommandOfPart(DWORD_PTR part) noexcept {
    switch (part) {
    case 1: return CMD_LOCATION;
    case 2: return CMD_DATE_TIME;
    default: return 0;
    }
}

}  // namespace corvinata
