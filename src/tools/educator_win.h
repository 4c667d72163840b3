// The Educator: the Select Lesson dialog that picks a lesson, and the run of
// a lesson with its Run Lesson window, through which a running script shows
// its messages and pauses until the user presses Continue.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "app/dialog_positions.h"
#include "app/lesson_window.h"
#include "base/path_name.h"
#include "base/storage.h"
#include "script/script_catalogue.h"
#include "script/script_expression.h"
#include "script/script_host.h"
#include "script/script_interpreter.h"
#include "script/script_operands.h"

namespace corvinata {

class ModelessDialogs;

// What the Select Lesson dialog chose: the lesson's full path and title.
struct LessonChoice {
    String scriptPath;
    String title;
};

// Runs the modal "Select Lesson" dialog over the lessons of the program's
// "Scripts" folder. True with `choice` filled when a lesson was chosen (OK,
// a double-click or a browsed file that can run); false when cancelled.
bool ShowSelectLesson(HINSTANCE instance, HWND parent, StorageService& storage,
                      const PathName& programDirectory, SelectLessonDialogSettings& state,
                      LessonChoice& choice);

struct EducatorParams {
    HINSTANCE instance = nullptr;
    HWND frame = nullptr;
    StorageService* storage = nullptr;
    ModelessDialogs* modeless = nullptr;
    // Where the Run Lesson window was last (its left and top count).
    DialogPlacement* runLessonPlace = nullptr;
    // The frame refreshes the Educator command's state.
    std::function<void()> commandStateChanged;
};

// Runs lessons. It is the lesson window the script host drives; Stop and
// Close of that window go back through the host's close operation, which
// closes the window and enables the Educator command again.
class Educator final : public LessonWindowInterface {
public:
    explicit Educator(EducatorParams params);
    ~Educator() override;
    Educator(const Educator&) = delete;
    Educator& operator=(const Educator&) = delete;

    // The host that runs the lessons' statements; `closeThroughHost` is its
    // close operation for the window's Stop and Close.
    void AttachHost(ScriptHostInterface* host, std::function<void()> closeThroughHost);

    // Loads, compiles and runs the lesson at `path`. The Educator command
    // stays disabled while it runs or waits for Continue; a file that cannot
    // be read or compiled is reported and enables it again.
    bool RunScriptFile(const String& path, const String& title);
    // Continue: the lesson goes on from where its last message paused it.
    void ContinueLesson();

    // Whether the Educator command may start a lesson now.
    bool CommandEnabled() const noexcept { return commandEnabled_; }
    HWND Window() const noexcept { return window_; }

    // LessonWindowInterface.
    bool ShowLessonMessage(const String& text) override;
    void PlaceLessonWindow(int x, int y) override;
    void ShowLessonEnded() override;
    void CloseLessonWindow() override;
    void EnableEducatorCommand() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateWindowIfClosed();
    void OnInitDialog(HWND window);
    void OnDestroy();
    void SetCommandEnabled(bool enabled);
    ScriptRunServices Services();

    EducatorParams params_;
    ScriptHostInterface* host_ = nullptr;
    std::function<void()> closeThroughHost_;
    ObjectModelScriptCatalogue catalogue_;
    CatalogueObjectSource objects_;
    std::unique_ptr<ScriptExpression> script_;
    String title_;
    HWND window_ = nullptr;
    bool commandEnabled_ = true;
};

}  // namespace corvinata
