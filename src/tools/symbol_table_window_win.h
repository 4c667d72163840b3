// The Table of Symbols' window: a modeless tool window of the frame with the
// "Celestial objects" and "Greek alphabet" pages on a tab control. Only the
// selected page exists.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "base/services.h"
#include "base/storage.h"
#include "controls/tool_windows.h"
#include "tools/symbol_table.h"

namespace corvinata {

// The face the program adds from its resources at start-up, 8 points on
// the screen as its other symbol text unless told otherwise; the caller
// deletes it.
HFONT CreateToolSymbolFont(int points = 8);

// The size of the body symbols of the Table of Symbols: at 8 points their
// glyphs came out smaller than the captions' capitals in boxes twice as
// high; at this size they fill their boxes.
constexpr int kSymbolTableBodyPoints = 14;

class SymbolTableWindow final : public DialogToolWindow {
public:
    // The table follows no moment: the parameters' clock and hub are not read.
    explicit SymbolTableWindow(ToolWindowParams params);
    ~SymbolTableWindow() override;

    void Create(HWND frame) override;
    void SaveState(const ToolStateSaver& saver) override;
    void SaveAndDestroy(const ToolStateSaver& saver) override;

    HWND Page() const noexcept { return page_; }
    HFONT SymbolFont() const noexcept { return symbolFont_; }

private:
    const ToolWindowParams& Params() const override { return params_; }
    INT_PTR HandleDialog(UINT message, WPARAM wParam, LPARAM lParam) override;
    HelpPage HelpTopic() const override { return HelpPage::SymbolTable; }
    static INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    void LoadPageTemplates();
    void ShowPage();
    void InitBodiesPage(HWND page) const;
    void InitGreekPage(HWND page) const;
    int SelectedTab() const;

    ToolWindowParams params_;
    SymbolTableState state_;
    HWND page_ = nullptr;
    int pageTab_ = -1;
    // The page templates, locked once (resources live as long as the module).
    const DLGTEMPLATE* templates_[kSymbolTableTabCount] = {};
    // The program's symbol face at the dialogs' size, and at the body
    // symbols' size; owned by the window.
    HFONT symbolFont_ = nullptr;
    HFONT bodyFont_ = nullptr;
};

}  // namespace corvinata
