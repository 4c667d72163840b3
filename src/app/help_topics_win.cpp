#include "app/help_topics_win.h"

#include <htmlhelp.h>

#include <memory>
#include <utility>

#include "base/services.h"

namespace corvinata {

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND, const wchar_t*, UINT, DWORD_PTR);

// The HTML help control, loaded when help is first asked for and kept for the
// rest of the run.
class HtmlHelpLibrary {
public:
    explicit HtmlHelpLibrary(const wchar_t* fileName) : module_(LoadLibraryW(fileName)) {
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
const wchar_t* g_viewerLibrary = L"hhctrl.ocx";
std::unique_ptr<HtmlHelpLibrary> g_library;

HtmlHelpFunction HelpFunction() {
    if (!g_library) g_library = std::make_unique<HtmlHelpLibrary>(g_viewerLibrary);
    g_helpUsed = g_helpUsed || g_library->Function();
    return g_library->Function();
}

std::optional<PathName> g_helpDirectory;

String HelpFile() {
    return HelpFilePath(g_helpDirectory ? *g_helpDirectory : GetProgramDirectory(nullptr),
                        GetProductInfo().GetProductName());
}

HelpFailureReporter g_reporter = nullptr;
bool g_reporting = false;

// Tells the reporter (once: a Help button in its own message leads nowhere new).
void Report(HWND owner, const String& file, HelpFailure failure) {
    if (g_reporter && !g_reporting) {
        g_reporting = true;
        g_reporter(owner, file, failure);
        g_reporting = false;
    }
}

// Whether the help file is there; when it is not the reporter says so.
bool HelpFileFound(HWND owner, const String& file) {
    const DWORD attributes = GetFileAttributesW(file.Text());
    if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;
    Report(owner, file, HelpFailure::FileMissing);
    return false;
}

// The help control's entry point; when it cannot be loaded the reporter says so.
HtmlHelpFunction LoadedViewer(HWND owner, const String& file) {
    const HtmlHelpFunction help = HelpFunction();
    if (!help) Report(owner, file, HelpFailure::ViewerMissing);
    return help;
}

}  // namespace

PathName GetProgramDirectory(HINSTANCE instance) {
    wchar_t path[kMaxModulePath + 1] = {};
    GetModuleFileNameW(instance, path, kMaxModulePath);
    path[kMaxModulePath] = 0;
    return ProgramDirectoryFromModulePath(path);
}

void SetHelpFailureReporter(HelpFailureReporter reporter) noexcept { g_reporter = reporter; }

void SetHelpViewerLibrary(const wchar_t* fileName) {
    // An open help window keeps the loaded control in use.
    if (g_helpUsed) return;
    g_viewerLibrary = fileName;
    g_library.reset();
}

void SetHelpFileDirectory(std::optional<PathName> folder) { g_helpDirectory = std::move(folder); }

bool ShowHelpTopic(HWND owner, const wchar_t* topic) {
    const String file = HelpFile();
    if (!HelpFileFound(owner, file)) return false;
    const HtmlHelpFunction help = LoadedViewer(owner, file);
    if (!help) return false;
    // The help control reports a missing page itself.
    help(owner, file.Text(), HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>(topic));
    return true;
}

bool ShowHelpTopic(HWND owner, HelpPage page) { return ShowHelpTopic(owner, HelpTopicOf(page)); }

bool ShowHelpSearch(HWND owner) {
    const String file = HelpFile();
    if (!HelpFileFound(owner, file)) return false;
    const HtmlHelpFunction help = LoadedViewer(owner, file);
    if (!help) return false;
    HH_FTS_QUERY query{};
    query.cbStruct = sizeof query;
    help(owner, file.Text(), HH_DISPLAY_SEARCH, reinterpret_cast<DWORD_PTR>(&query));
    return true;
}

void CloseAllHelpWindows() {
    // Loading the help control only to close nothing would slow the exit.
    if (!g_helpUsed) return;
    HelpFunction()(nullptr, nullptr, HH_CLOSE_ALL, 0);
    // With no help window left the control may be changed again.
    g_helpUsed = false;
}

}  // namespace corvinata
