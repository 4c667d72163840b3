// The Picture window: one picture of the installed packs, centred and fitted
// to the window, with its own undo history, its context menu and the
// Picture control panel; and the Picture kind that opens, duplicates,
// stores and restores these windows.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "app/application.h"
#include "app/main_windows.h"
#include "app/picture_window_rules.h"
#include "app/window_services.h"
#include "controls/child_windows.h"
#include "views/picture_source_win.h"
#include "views/report_picture_panels_win.h"

namespace corvinata {

class PictureWindowKind;

class PictureWindow final : public MdiChildWindow,
                            public PicturePanelWindow,
                            public PictureWindowCommands,
                            private NotificationObserver {
public:
    PictureWindow(ChildWindowHost& host, PictureWindowKind& kind, PictureDocument& document, bool scaleToFit);
    ~PictureWindow() override;

    static const wchar_t* ClassName() noexcept { return L"CorvinataMdiChildPic"; }

    // MdiChildWindow
    String GetStatusText() const override;
    PanelWindow* AsPanelWindow() override { return this; }
    CommandHistory* History() override { return &history_; }
    bool Duplicate() override;
    void DescribeForRelatedTasks(RelatedTaskSource& source) override;

    // PanelWindow
    HWND GetWindowHandle() const override { return Handle(); }
    void WheelZoom(int) override {}
    PictureWindowCommands& GetCommands() override { return *this; }

    // PictureWindowCommands
    PictureDocument& GetModel() override { return document_; }
    bool GetFitToWindow() const override { return scaleToFit_; }
    WindowCommandHistory& GetCommandHistory() override { return history_; }
    void ApplyOptions(bool fitToWindow) override { scaleToFit_ = fitToWindow; }

    // Shows what the document names now: loads the picture when it changed,
    // repaints at once, refreshes the caption and the attached panel.
    void Update(void* argument) override;
    bool HasPicture() const noexcept { return picture_.IsLoaded(); }
    // The context menu as the right button would open it, its items set
    // for the picture's body.
    HMENU PrepareContextMenu();
    // "Picture &Options...": the dialog, and a changed value as one step.
    void ChangePictureOptions();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class OwnHistory final : public WindowCommandHistory {
    public:
        explicit OwnHistory(PictureWindow& window) : window_(window) {}

    protected:
        void OnCommandsPerformed(int) override {
            if (ChangedWindow() == &window_ || ChangedWindow() == static_cast<PictureWindowCommands*>(&window_))
                window_.Update(nullptr);
        }

    private:
        PictureWindow& window_;
    };

    void LoadCurrentPicture();
    void Draw(HDC dc, bool fillBackground);
    void OnPaint();
    void OnCommand(int id);

    PictureWindowKind& kind_;
    PictureDocument& document_;
    OwnHistory history_{*this};
    PictureSource picture_;
    PictureRef loadedRef_;
    bool loadTried_ = false;
    bool scaleToFit_;
    HMENU menu_ = nullptr;
    String menuPattern_;
};

// What the Picture kind needs of the program around it.
struct PictureKindServices {
    HINSTANCE instance = nullptr;
    Application* app = nullptr;
    ChildWindows* children = nullptr;
    // The other windows and tools the context menu leads to (none: its
    // items for them stay gray).
    WindowServices* windows = nullptr;
};

class PictureWindowKind final : public ChildWindowKind, public WindowKindState {
public:
    // Registers the window class and makes the control panel in
    // `panelParent`; the panel's services and dialog list live with the kind.
    PictureWindowKind(PictureKindServices services, std::unique_ptr<PanelServices> panelServices,
                      HWND panelParent, std::unique_ptr<ModelessDialogs> modeless);
    ~PictureWindowKind() override;

    // ChildWindowKind
    int Kind() const override { return kPictureWindow; }
    WindowDocument* NewDocument() override;
    std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                               const WindowGeometry& geometry, ChildShowMode mode,
                                               const MdiChildWindow* model) override;
    ControlPanel* Panel() override { return panel_.get(); }
    WindowKindState* SessionState() override { return this; }
    void UnregisterClasses() override;

    // WindowKindState
    bool SavePanel(SettingsTreeWriter& writer) override;
    void LoadPanel(SettingsTree& tree) override;
    int DocumentCount() const override;
    int WindowCount(int document) const override;
    bool SaveModel(int document, SettingsTreeWriter& writer) override;
    bool SaveWindow(int document, int window, SettingsTreeWriter& writer) override;
    int LoadModel(SettingsTree& tree) override;
    bool LoadWindow(int document, SettingsTree& tree) override;
    void KeepWithoutWindows(int document) override;

    // The active Picture window, or none.
    PictureWindow* FindActivePictureWindow() const;
    PictureControlPanel* GetPictureControlPanel() const noexcept { return panel_.get(); }
    // Activates (cycling) or opens a Picture window and shows the body's
    // first picture in it: as one undoable step in a window that was open,
    // directly in a new one; false, with nothing opened, when no installed
    // pack has a picture of the body.
    bool ShowPictureWindowOfBody(const BodyIdentifier& body);
    // A new Picture window with the missing-picture text, for a body that no
    // installed pack has a picture of.
    bool ShowMissingPicture();

    const PictureKindServices& Services() const noexcept { return services_; }
    // The windows and tools the context menu may lead to now.
    PictureMenuOffer MenuOffer() const;
    // A window of the kind was made; it is going away with its document.
    void WindowMade(PictureWindow& window);
    void WindowGone(PictureWindow& window);

private:
    PictureDocument* DocumentAt(int document) const;
    PictureWindow* WindowOf(int document) const;

    PictureKindServices services_;
    std::unique_ptr<PanelServices> panelServices_;
    std::unique_ptr<ModelessDialogs> modeless_;
    std::unique_ptr<PictureControlPanel> panel_;
    std::vector<std::unique_ptr<PictureDocument>> documents_;
    std::vector<PictureWindow*> windows_;
    bool restoredFit_ = false;
};

}  // namespace corvinata
