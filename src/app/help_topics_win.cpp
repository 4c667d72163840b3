#include "app/help_topics_win.h"

#include <htmlhelp.h>

#include "base/services.h"

namespace corvinata {

namespace {

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

// Set once a help window may have been opened.
bool g_helpUsed = false;

HtmlHelpFunction HelpFunction() {
    static HtmlHelpLibrary library;
    g_helpUsed = g_helpUsed || library.Function();
    return library.Function();
}

String HelpFile() { return HelpFilePath(GetProgramDirectory(nullptr), GetProductInfo().GetProductName()); }

MissingHelpFileReporter g_reporter = nullptr;
bool g_reporting = false;

// Whether the help file is there; when it is not the reporter says so (once:
// a Help button in its own message leads nowhere new).
bool HelpFileFound(HWND owner, const String& file) {
    const DWORD attributes = GetFileAttributesW(file.Text());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    if (g_reporter && !g_reporting) {
        g_reporting = true;
        g_reporter(owner, file);
        g_reporting = false;
    }
    return false;
}

}  // namespace

PathName GetProgramDirectory(HINSTANCE instance) {
    wchar_t path[kMaxModulePath + 1] = {};
    GetModuleFileNameW(instance, path, kMaxModulePath);
    path[kMaxModulePath] = 0;
    return ProgramDirectoryFromModulePath(path);
}

void SetMissingHelpFileReporter(MissingHelpFileReporter reporter) noexcept { g_reporter = reporter; }

bool ShowHelpTopic(HWND owner, const wchar_t* topic) {
    const String file = HelpFile();
    if (!HelpFileFound(owner, file)) return false;
    const HtmlHelpFunction help = HelpFunction();
    if (!help) return false;
    // The help control reports a missing page itself.
    help(owner, file.Text(), HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(topic));
    return true;
}

bool ShowHelpSearch(HWND owner) {
    if (!HelpFileFound(owner, HelpFile())) return false;
    const HtmlHelpFunction help = HelpFunction();
    if (!help) return false;
    HH_FTS_QUERY query{};
    query.cbStruct = sizeof query;
    help(owner, HelpFile().Text(), HH_DISPLAY_SEARCH, reinterpret_cast<DWORD_PTR>(&query));
    return true;
}

void CloseAllHelpWindows() {
    // Loading the help control only to close nothing would slow the exit.
    if (g_helpUsed) HelpFunction()(nullptr, nullptr, HH_CLOSE_ALL, 0);
}

}  // namespace corvinata
