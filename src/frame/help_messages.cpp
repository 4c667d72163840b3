#include "frame/help_messages.h"

#include "app/help_topics_win.h"
#include "base/services.h"
#include "base/text_format.h"
#include "controls/message_box.h"
#include "tools/lessons.h"

namespace corvinata {

namespace {

HINSTANCE g_instance = nullptr;

bool FileExists(const String& path) {
    const DWORD attributes = GetFileAttributesW(path.Text());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ReportHelpFailure(HWND owner, const String& path, HelpFailure failure) {
    const Char* name = GetProductInfo().GetProductName();
    const String text =
        failure == HelpFailure::FileMissing
            ? FormatPercent3(TXT("% could not open the help file %: the file was not found.\n\n"
                                 "Please reinstall % to restore it."),
                             name, path, name)
            : FormatPercent2(TXT("% could not open the help file %: the HTML Help control of Windows "
                                 "(hhctrl.ocx) could not be loaded."),
                             name, path);
    RunMessageBox(g_instance, owner, text.Text(), kButtonsOk, kMessageWarning, MessageTopic::HelpFileNotOpened);
}

}  // namespace

void InstallHelpMessages(HINSTANCE instance) {
    g_instance = instance;
    SetHelpFailureReporter(&ReportHelpFailure);
}

String QuickTourScriptPath(const PathName& programDirectory) {
    return LessonFilePath(programDirectory, TXT("Quick Tour.sts"));
}

bool StartQuickTour(HINSTANCE instance, HWND owner, const PathName& programDirectory) {
    const String path = QuickTourScriptPath(programDirectory);
    if (FileExists(path)) return true;
    const Char* name = GetProductInfo().GetProductName();
    const String text = FormatPercent3(
        TXT("% cannot run the Quick Tour: the script % was not found.\n\nPlease reinstall % to restore it."),
        name, path, name);
    RunMessageBox(instance, owner, text.Text(), kButtonsOk, kMessageWarning, MessageTopic::QuickTourNotFound);
    return false;
}

}  // namespace corvinata
