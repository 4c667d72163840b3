#include "frame/help_messages.h"

#include "app/help_topics_win.h"
#include "base/services.h"
#include "base/text_format.h"
#include "frame/message_box.h"

namespace corvinata {

namespace {

HINSTANCE g_instance = nullptr;

bool FileExists(const String& path) {
    const DWORD attributes = GetFileAttributesW(path.Text());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ReportMissingHelpFile(HWND owner, const String& path) {
    const Char* name = GetProductInfo().GetProductName();
    const String text = FormatPercent3(
        TXT("% cannot show help: the help file % was not found.\n\nPlease reinstall % to restore it."), name,
        path, name);
    RunMessageBox(g_instance, owner, text.Text(), kButtonsOk, kMessageWarning, TXT(""));
}

}  // namespace

void InstallHelpMessages(HINSTANCE instance) {
    g_instance = instance;
    SetMissingHelpFileReporter(&ReportMissingHelpFile);
}

String QuickTourScriptPath(const PathName& programDirectory) {
    String path(programDirectory.GetPathDirectoryWithSeparator());
    StringAppend(path, TXT("Scripts\\Quick Tour.sts"));
    return path;
}

bool StartQuickTour(HINSTANCE instance, HWND owner, const PathName& programDirectory) {
    const String path = QuickTourScriptPath(programDirectory);
    if (FileExists(path)) return true;
    const Char* name = GetProductInfo().GetProductName();
    const String text = FormatPercent3(
        TXT("% cannot run the Quick Tour: the script % was not found.\n\nPlease reinstall % to restore it."),
        name, path, name);
    RunMessageBox(instance, owner, text.Text(), kButtonsOk, kMessageWarning, TXT(""));
    return false;
}

}  // namespace corvinata
