#include "tools/symbol_table_window_win.h"

#include <commctrl.h>

#include <algorithm>

#include "app/help_topics_win.h"
#include "base/greek_letters.h"
#include "base/module_resources_win.h"
#include "controls/program_fonts.h"
#include "resources/symbol_table_ids.h"

namespace corvinata {
namespace {

constexpr const wchar_t* kPageTemplates[kSymbolTableTabCount] = {L"DLG_TOOL_SYMBOLTABLE_PLANETS",
                                                                  L"DLG_TOOL_SYMBOLTABLE_GREEK"};
constexpr const wchar_t* kTabTexts[kSymbolTableTabCount] = {L"Celestial objects", L"Greek alphabet"};

void SetGlyph(HWND page, int id, Char glyph, HFONT font) {
    HWND control = GetDlgItem(page, id);
    if (!control) return;
    if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const wchar_t text[2] = {static_cast<wchar_t>(glyph), 0};
    SetWindowTextW(control, text);
}

}  // namespace

HFONT CreateToolSymbolFont(int points) {
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, kSymbolFontFace);
}

SymbolTableWindow::SymbolTableWindow(ToolWindowParams params) : params_(std::move(params)) {}

SymbolTableWindow::~SymbolTableWindow() {
    if (window_) DestroyWindow(window_);
    if (symbolFont_) DeleteObject(symbolFont_);
    if (bodyFont_) DeleteObject(bodyFont_);
}

void SymbolTableWindow::Create(HWND frame) {
    {
        SettingsTree tree(*params_.storage, params_.settingsRoot);
        state_ = LoadSymbolTableState(tree);
    }
    if (!symbolFont_) symbolFont_ = CreateToolSymbolFont();
    if (!bodyFont_) bodyFont_ = CreateToolSymbolFont(kSymbolTableBodyPoints);
    if (!OpenDialog(frame, L"DLG_TOOL_SYMBOLTABLE")) return;
    MoveTo(state_.x, state_.y);
    SendDlgItemMessageW(window_, IDC_SYMTAB_TABS, TCM_SETCURSEL, static_cast<WPARAM>(state_.selectedTab), 0);
    ShowPage();
    if (state_.visible) ToggleThroughFrame();
}

void SymbolTableWindow::SaveState(const ToolStateSaver& saver) {
    if (!window_) return;
    ReadPlacement(state_.x, state_.y, state_.visible);
    const int tab = SelectedTab();
    if (tab >= 0) state_.selectedTab = tab;
    saver.Save([this, tab](SettingsTreeWriter& writer) { SaveSymbolTableState(writer, state_, tab >= 0); });
}

void SymbolTableWindow::SaveAndDestroy(const ToolStateSaver& saver) {
    if (!window_) return;
    SaveState(saver);
    CloseDialog();
    page_ = nullptr;
}

INT_PTR SymbolTableWindow::HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LoadPageTemplates();
        return TRUE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == IDC_SYMTAB_TABS && header.code == static_cast<UINT>(TCN_SELCHANGE)) ShowPage();
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_SYMTAB_CLOSE || LOWORD(wParam) == IDCANCEL) {
            PostMessageW(window_, WM_CLOSE, 0, 0);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

void SymbolTableWindow::LoadPageTemplates() {
    HWND tabs = GetDlgItem(window_, IDC_SYMTAB_TABS);
    InsertTabs(tabs, kTabTexts, kSymbolTableTabCount);
    for (int i = 0; i < kSymbolTableTabCount; ++i) {
        templates_[i] = static_cast<const DLGTEMPLATE*>(FindResourceBytes(params_.instance, kPageTemplates[i], RT_DIALOG).data);
    }
}

int SymbolTableWindow::SelectedTab() const {
    return static_cast<int>(SendDlgItemMessageW(window_, IDC_SYMTAB_TABS, TCM_GETCURSEL, 0, 0));
}

void SymbolTableWindow::ShowPage() {
    if (page_) {
        DestroyWindow(page_);
        page_ = nullptr;
    }
    const int tab = SelectedTab();
    if (tab < 0 || tab >= kSymbolTableTabCount || !templates_[tab]) return;
    pageTab_ = tab;
    HWND tabs = GetDlgItem(window_, IDC_SYMTAB_TABS);
    HWND page = CreateDialogIndirectParamW(params_.instance, templates_[tab], tabs, PageProc,
                                           reinterpret_cast<LPARAM>(this));
    if (!page) return;
    page_ = page;
    FitPageIntoTabs(page, tabs);
}

INT_PTR CALLBACK SymbolTableWindow::PageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* self = reinterpret_cast<SymbolTableWindow*>(lParam);
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    if (self->pageTab_ == kSymbolTableBodiesTab) {
        self->InitBodiesPage(page);
    } else {
        self->InitGreekPage(page);
    }
    // No focus from the page's creation: the table is made hidden at the
    // start, and a focus inside it would make it the active window.
    return FALSE;
}

void SymbolTableWindow::InitBodiesPage(HWND page) const {
    for (int i = 0; i < kSymbolTableBodyCount; ++i) {
        const SymbolTableBody& body = GetSymbolTableBody(i);
        SetGlyph(page, body.control, body.glyph, bodyFont_);
    }
}

void SymbolTableWindow::InitGreekPage(HWND page) const {
    for (int i = 0; i < kGreekLetterCount; ++i) {
        SetDlgItemTextW(page, SymbolTableGreekNameControl(i), GetGreekLetterName(i));
        SetGlyph(page, SymbolTableGreekCapitalControl(i), GetGreekLetterGlyph(kGreekLetterCount + i), symbolFont_);
        SetGlyph(page, SymbolTableGreekSmallControl(i), GetGreekLetterGlyph(i), symbolFont_);
    }
}

}  // namespace corvinata
