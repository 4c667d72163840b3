#include "controls/program_fonts.h"

#include "base/module_resources_win.h"

namespace corvinata {

ProgramFonts::ProgramFonts(HINSTANCE instance) {
    const ResourceBytes font = FindResourceBytes(instance, MAKEINTRESOURCEW(kSymbolFontResource), RT_FONT);
    if (font.Found()) {
        DWORD count = 0;
        added_ = AddFontMemResourceEx(const_cast<void*>(font.data), font.size, nullptr, &count);
    }
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
    symbol_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, kSymbolFontFace);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(screen, &metrics)) lineHeight_ = metrics.tmHeight + metrics.tmExternalLeading;
    NONCLIENTMETRICSW nonClient{};
    nonClient.cbSize = sizeof nonClient;
    const wchar_t* face = L"MS Shell Dlg";
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof nonClient, &nonClient, 0)) {
        face = nonClient.lfMessageFont.lfFaceName;
    }
    dialog_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, face);
    ReleaseDC(nullptr, screen);
}

ProgramFonts::~ProgramFonts() {
    if (symbol_) DeleteObject(symbol_);
    if (dialog_) DeleteObject(dialog_);
    if (added_) RemoveFontMemResourceEx(added_);
}

}  // namespace corvinata
