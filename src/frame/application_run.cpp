#include "frame/application_run.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

#include <optional>

#include "app/application.h"
#include "app/command_line.h"
#include "app/start_location.h"
#include "automation/automation_server_win.h"
#include "base/storage_service_win.h"
#include "app/help_topics.h"
#include "app/help_topics_win.h"
#include "app/night_desktop.h"
#include "base/registry_root.h"
#include "base/services.h"
#include "base/storage.h"
#include "base/text_format.h"
#include "base/wide_string.h"
#include "documents/inline_image_protocol_win.h"
#include "documents/inline_image_resources_win.h"
#include "controls/custom_controls_setup.h"
#include "frame/frame_window.h"
#include "controls/message_box.h"
#include "controls/program_fonts.h"
#include "controls/system_desktop.h"
#include "frame/single_instance.h"
#include "frame/window_kinds.h"
#include "tools/search_threads_win.h"

namespace corvinata {

// {6C1B4E0A-3F52-4D8B-9A1E-2B7C5D9E4F10}
const CLSID kApplicationClassId = {0x6c1b4e0a, 0x3f52, 0x4d8b, {0x9a, 0x1e, 0x2b, 0x7c, 0x5d, 0x9e, 0x4f, 0x10}};

namespace {

constexpr int kMinimumScreenWidth = 1024;
constexpr int kMinimumScreenHeight = 720;
// How long a second start waits for the first copy's frame to show, or for
// an ending copy to end. It is spent only while the copy that holds the
// claim has published no frame yet or its frame is closing: a frame on any
// desktop is asked at once (and answers within seconds or not at all), a
// copy that published no usable frame is not waited for, and the claim of
// a copy that ended or died is taken at once.
constexpr DWORD kWaitForRunningCopy = 30000;

String ClassIdText() {
    String text;
    LPOLESTR raw = nullptr;
    if (SUCCEEDED(StringFromCLSID(kApplicationClassId, &raw))) {
        text = raw;
        CoTaskMemFree(raw);
    }
    return text;
}

// The program file's full path; empty when it does not fit the longest path
// the registry entry may hold, rather than registering a cut one.
String ProgramPath() {
    wchar_t path[kMaxModulePath + 1] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, kMaxModulePath + 1);
    if (length == 0 || length > kMaxModulePath) return String();
    return String(path);
}

// A message whose two "%" both stand for the product name.
String ProductMessage(const Char* pattern) {
    const Char* name = GetProductInfo().GetProductName();
    return FormatPercent2(pattern, name, name);
}

void ShowStartMessage(HINSTANCE instance, const String& text, int kind, MessageTopic topic) {
    RunMessageBox(instance, nullptr, text.Text(), kButtonsOk, kind, topic);
}

bool CheckOperatingSystem(HINSTANCE instance) {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExW(&version)) {
        ShowStartMessage(instance,
                         ProductMessage(TXT("% is unable to identify your operating system.\n\n% will now terminate.")),
                         kMessageError, MessageTopic::SystemUnknown);
        return false;
    }
    const bool tooOld = version.dwPlatformId < VER_PLATFORM_WIN32_NT ||
                        (version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
                         (version.dwMajorVersion < 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion < 1)));
    if (tooOld) {
        ShowStartMessage(instance,
                         ProductMessage(TXT("% requires Windows XP or a later version of Windows in order to run.\n\n"
                                            "% will now terminate.")),
                         kMessageError, MessageTopic::WindowsTooOld);
        return false;
    }
    return true;
}

void CheckScreenResolution(HINSTANCE instance) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width == 0 || height == 0) {
        ShowStartMessage(instance,
                         ProductMessage(TXT("% is unable to determine the resolution of your monitor.\n\n% will "
                                            "continue to operate, but please note that something is probably not "
                                            "in order.")),
                         kMessageWarning, MessageTopic::ResolutionUnknown);
    } else if (width < kMinimumScreenWidth || height < kMinimumScreenHeight) {
        const String text = FormatPercent5(
            TXT("The resolution of your monitor is currently set to % x % pixels.\n\n% will continue to operate, "
                "but please note the recommended resolution is % x % pixels."),
            NumberTextFromInt(width), NumberTextFromInt(height), GetProductInfo().GetProductName(),
            NumberTextFromInt(kMinimumScreenWidth), NumberTextFromInt(kMinimumScreenHeight));
        ShowStartMessage(instance, text, kMessageWarning, MessageTopic::LowResolution);
    }
}

bool InitialiseCommonControls(HINSTANCE instance) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = 0x1FFF;
    if (InitCommonControlsEx(&controls)) return true;
    String text(TXT("Error initializing: "));
    StringAppend(text, GetProductInfo().GetProductName());
    StringAppend(text, TXT(" encountered an error initializing the Windows common controls.\n\n"));
    StringAppend(text, GetProductInfo().GetProductName());
    StringAppend(text, TXT(" will now terminate."));
    ShowStartMessage(instance, text, kMessageError, MessageTopic::ErrorInitializing);
    return false;
}

int RunMessageLoop(const FrameWindow& frame, HACCEL accelerators, const ModelessDialogList& modeless) {
    MSG message;
    for (;;) {
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0) return static_cast<int>(message.wParam);
        if (result == -1) return 0;
        if (frame.PreTranslate(message, accelerators, modeless)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Keeps OLE initialised for the life of the program's run.
class OleSession {
public:
    OleSession() : ok_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (ok_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool Ok() const noexcept { return ok_; }

private:
    bool ok_;
};

// "/FactoryReset": every setting goes. A run killed at night left the
// desktop's own look kept below the settings root, the only record of its
// colours: with no copy running the reset puts it back first, as a start
// would. A copy running now keeps its night and hands the look back itself
// when it ends; should it end without (killed), the next start needs the
// kept look, so the reset leaves that one setting in place. The claim held
// meanwhile keeps a start from reading the settings half deleted.
void ResetSettings(StorageService& storage, const String& root) {
    SingleInstance copy;
    const bool copyRuns = !copy.First() && !copy.TryClaim();
    KeptDesktopStore kept(storage, root);
    DesktopLook look;
    bool keepLook = false;
    if (copyRuns) {
        keepLook = kept.Load(look);
    } else {
        SystemDesktop desktop;
        PutBackDesktopLeftAtNight(kept, desktop);
    }
    storage.CreateRegistryNode(RegistryHive::CurrentUser, root.Text())->DeleteTree();
    if (keepLook) kept.Keep(look);
}

}  // namespace

std::unique_ptr<Application> CreateProgramApplication(std::unique_ptr<StorageService> storage,
                                                      const PathName& programDirectory) {
    return std::make_unique<Application>(std::move(storage), programDirectory, ApplicationHooks{});
}

bool StartApplication(Application& app) {
    if (!app.StartUp()) return false;
    if (UseDefaultLocationIfUnknown(app.Options().location)) {
        app.Current().SetLocation(app.Options().location.location);
    }
    return true;
}

bool ProcessCommandLine(const Char* commandLine, int& exitCode, bool& byAutomation) {
    exitCode = 0;
    byAutomation = false;
    switch (ParseCommandLineSwitch(commandLine)) {
    case CommandLineSwitch::RegServer: {
        const String path = ProgramPath();
        exitCode = RegisterServer(ClassIdText(), path);
        return true;
    }
    case CommandLineSwitch::UnregServer:
        // The type library stays registered: every start registers it again.
        exitCode = UnregisterServer(ClassIdText());
        return true;
    case CommandLineSwitch::Embedding:
        byAutomation = true;
        return false;
    case CommandLineSwitch::FactoryReset: {
        String root;
        GetRegistryRootPath(root);
        ResetSettings(GetStorageService(), root);
        return true;
    }
    case CommandLineSwitch::None:
        return false;
    }
    return false;
}

int ApplicationRun(HINSTANCE instance, const Char* commandLine) {
    std::unique_ptr<Application> program =
        CreateProgramApplication(std::make_unique<Win32StorageService>(), GetProgramDirectory(instance));
    Application& app = *program;
    OleSession ole;
    if (!ole.Ok()) return 0;
    // Every start registers the type library, whatever the switches say,
    // so that a program moved since its registration still gives clients
    // its interfaces; a failure is no reason not to run.
    static_cast<void>(automation::RegisterTypeLibrary(ProgramPath().Text()));
    // The report pages fetch their pictures through the program's own URL
    // scheme, served for the whole run.
    InlineImageProtocol inlineImages(ProgramInlineImageSource());
    const InlineImageNamespace inlineImageScheme(inlineImages);
    if (!CheckOperatingSystem(instance)) return 0;
    int exitCode = 0;
    bool byAutomation = false;
    const String line = CutCommandLine(commandLine);
    if (ProcessCommandLine(line.Text(), exitCode, byAutomation)) return exitCode;
    // The user's copy is held until its settings are written; an
    // automation copy claims nothing.
    std::optional<SingleInstance> copy;
    bool desktopPutBack = false;
    if (!byAutomation) {
        copy.emplace();
        if (!copy->First() && AwaitRunningCopy(*copy, kWaitForRunningCopy) != RunningCopy::Ended) return 0;
        // A run that ended at night without handing the desktop back (it
        // crashed or was killed) left the desktop's look kept: it comes back
        // before anything is shown.
        KeptDesktopStore kept(app.GetStorage(), app.Keys().Root());
        SystemDesktop desktop;
        desktopPutBack = PutBackDesktopLeftAtNight(kept, desktop);
    }
    CheckScreenResolution(instance);
    if (!InitialiseCommonControls(instance)) return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, L"AST_IDR_ACCELERATOR");
    CustomControlsSession controls(instance, app.Controls());

    if (!StartApplication(app)) return 0;

    ProgramFonts fonts(instance);
    ModelessDialogList modeless;
    FrameWindow frame(app, instance, modeless, byAutomation);
    // The common controls took their copy of the system colours as the
    // program loaded, the night's: the frame tells its windows of the
    // change before it is shown, as the system tells windows that exist
    // when colours change.
    if (!frame.Create(desktopPutBack)) return 0;
    if (copy) copy->Publish(frame.Window());
    AddProgramWindowKinds(frame, app, instance, fonts);
    PostMessageW(frame.Window(), kStartupMessage, 0, 0);
    // Every copy serves automation clients; one started by a client stays
    // hidden and ends when the client lets go of it.
    automation::AutomationServer server(app, frame, byAutomation);
    if (!server.Start(ProgramPath().Text()) && byAutomation) return 0;
    const int code = RunMessageLoop(frame, accelerators, modeless);
    // The frame is gone and its settings written: a start from now on is
    // the user's copy, whatever the rest of this one's ending takes.
    if (copy) copy->Release();
    // A search that did not stop within its wait still reads the catalogues
    // and body types the application holds: they stay until the process
    // ends rather than go under it.
    if (SearchWorkersRunning()) static_cast<void>(program.release());
    return code;
}

}  // namespace corvinata

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The narrow command line loses characters outside the code page; the
    // wide one is the same text whole. The program name is skipped.
    const wchar_t* line = GetCommandLineW();
    bool quoted = false;
    while (*line && (quoted || (*line != L' ' && *line != L'\t'))) {
        if (*line == L'"') quoted = !quoted;
        ++line;
    }
    while (*line == L' ' || *line == L'\t') ++line;
    return corvinata::ApplicationRun(instance, line);
}
