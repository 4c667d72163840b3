#include "app/help_topics_win.h"

#include "base/services.h"

namespace corvinata {

namespace {

// HH_DISPLAY_TOPIC of the HTML help control.
constexpr UINT kHelpDisplayTopic = 0;

using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

// The HTML help control, loaded when help is first asked for and kept for the
// rest of the run.
class HtmlHelpLibrary {
public:
    HtmlHelpLibrary() : module_(LoadLibraryW(L"hhctrl.ocx")) {
        if (module_) {
            function_ = reinterpret_cast<HtmlHelpFunction>(
                reinterpret_cast<void*>(GetProcAddress(module_, "HtmlHelpW")));
        }
    }
    ~HtmlHelpLibrary() {
        if (module_) FreeLibrary(module_);
    }
    HtmlHelpLibrary(const HtmlHelpLibrary&) = delete;
    HtmlHelpLibrary& operator=(const HtmlHelpLibrary&) = delete;

    HtmlHelpFunction Function() const noexcept { return function_; }

private:
    HMODULE module_;
    HtmlHelpFunction function_ = nullptr;
};

}  // namespace

PathName GetProgramDirectory(HINSTANCE instance) {
    wchar_t path[kMaxModulePath + 1] = {};
    GetModuleFileNameW(instance, path, kMaxModulePath);
    path[kMaxModulePath] = 0;
    return ProgramDirectoryFromModulePath(path);
}

bool ShowHelpTopic(HWND owner, const wchar_t* topic) {
    static HtmlHelpLibrary library;
    if (!library.Function()) return false;
    const String file = HelpFilePath(GetProgramDirectory(nullptr), GetProductInfo().GetProductName());
    // The help control reports a missing file or page itself.
    library.Function()(owner, file.Text(), kHelpDisplayTopic, reinterpret_cast<DWORD_PTR>(topic));
    return true;
}

}  // namespace corvinata
