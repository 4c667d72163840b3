// The application object: one per process, created first at start-up and
// alive until the process ends. It owns the program's shared state (the
// settings records, the current time and place, the notification hub, the
// navigation history, the recent files, the dialog states, the custom-control
// objects) and offers it through small interfaces, which it publishes when it
// is built; code elsewhere reaches a service through those pointers only.
//
// The frame window, its panes and the child windows are attached by the
// frame code once they exist; until then the application runs without them.
#pragma once

#include <functional>
#include <memory>

#include "app/app_interfaces.h"
#include "app/application_settings.h"
#include "app/command_history.h"
#include "app/current_time.h"
#include "app/custom_control_map.h"
#include "app/dialog_positions.h"
#include "app/explorer_commands.h"
#include "app/graph_commands.h"
#include "app/help_topics.h"
#include "app/layouts.h"
#include "app/place_directory.h"
#include "app/product_info.h"
#include "app/picture_eclipse_commands.h"
#include "app/picture_packs.h"
#include "app/picture_window_rules.h"
#include "app/recent_files.h"
#include "app/settings_keys.h"
#include "app/sky_commands.h"
#include "app/solar_system_commands.h"
#include "base/services.h"
#include "base/storage.h"
#include "catalog/user_locations.h"

namespace corvinata {

// Where the application shows its messages (the application message box).
class ApplicationMessages {
public:
    enum Kind { kInformation = 0, kWarning = 1, kError = 2 };
    virtual ~ApplicationMessages() = default;
    virtual void Show(Kind kind, const String& text, MessageTopic topic) = 0;
};

// Replacements for what the application builds itself (tests). Empty
// members take the program's own: the body types and catalogues, and the
// constellation catalogue's name systems.
struct ApplicationHooks {
    // Builds the body types and every catalogue; false ends the program.
    std::function<bool()> createCatalogues;
    std::function<void()> destroyCatalogues;
    // The general options store the constellation language by its name.
    const NameSystemNames* constellationNames = nullptr;
};

class Application final : public NotificationRegistryInterface,
                          public DisplayFormatInterface,
                          public ScriptErrorInterface,
                          private ClockTimer {
public:
    Application(std::unique_ptr<StorageService> storage, const PathName& programDirectory,
                ApplicationHooks hooks);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Product information, settings keys, storage.
    ProgramProductInfo& Product() noexcept { return product_; }
    SettingsKeys& Keys() noexcept { return keys_; }
    StorageService& GetStorage() noexcept { return *storage_; }

    NotificationHub& GetNotificationHub() override { return hub_; }
    int GetAngleDegreeBase() const override { return options_.general.angleDegreeBase; }
    int GetRaDisplayUnit() const override { return options_.general.raDisplayUnit; }
    void SetScriptErrorIfRunning(const String& text) override;

    CurrentTimeAndLocation& Current() noexcept { return current_; }
    ApplicationClock& Clock() noexcept { return clock_; }
    bool GetStarsFixed() const noexcept { return current_.GetStarsFixed(); }
    ApplicationOptions& Options() noexcept { return options_; }
    UserLocations& UserPlaces() noexcept { return userPlaces_; }
    const LocationDirectory& Places() const noexcept { return places_; }
    CommandHistory& Navigation() noexcept { return navigation_; }
    RecentFiles& Recent() noexcept { return recent_; }
    DialogPositions& Dialogs() noexcept { return dialogs_; }
    ApplicationDialogStates& DialogStates() noexcept { return dialogStates_; }
    CustomControlMap& Controls() noexcept { return controls_; }
    FrameWindowSettings& Frame() noexcept { return frame_; }
    // The installed picture packs, read once at start-up with every pack's
    // pictures, and the Installed PicPacks dialog's kept state.
    PicturePackList& PicturePacks() noexcept { return picturePacks_.Packs(); }
    PicPackListSettings& PicPackList() noexcept { return picPackList_; }

    // The objects that turn each kind's requests into undoable steps.
    GraphActions& GetGraphActions() noexcept { return graphActions_; }
    PictureActions& GetPictureActions() noexcept { return pictureActions_; }
    SolarEclipseActions& GetSolarEclipseActions() noexcept { return solarEclipseActions_; }
    SkyActions& GetSkyActions() noexcept { return skyActions_; }
    SolarSystemActions& GetSolarSystemActions() noexcept { return solarSystemActions_; }
    ExplorerActions& GetJupiterExplorerActions() noexcept { return jupiterActions_; }
    ExplorerActions& GetSaturnExplorerActions() noexcept { return saturnActions_; }

    // The script's state: while it runs the first error is kept.
    void SetScriptRunning(bool running);
    bool ScriptRunning() const noexcept { return scriptRunning_; }
    const String& ScriptError() const noexcept { return scriptError_; }
    // A failing script operation's reason, replacing an earlier one; the
    // empty text clears it.
    void RecordScriptError(const String& text);

    // Start-up, before the frame window exists: the catalogues (false ends
    // the program), then the location, time, general options, "Stars fixed",
    // the frame record and the recent files; the place is set (event 9) and
    // the time options turned into the current moment (event 10).
    bool StartUp();
    // The frame window exists; its clock timer and messages are now usable
    // and the layouts can be made against it.
    void AttachFrame(ClockTimer& timer, ApplicationMessages& messages, LayoutFrame& layoutFrame);
    Layouts* GetLayouts() noexcept { return layouts_.get(); }
    // Reads what the restored windows need: dialog positions, the windows
    // of every kind, then the layouts.
    void RestoreSession(WindowKindState* const (&kinds)[kWindowKindCount]);
    // The dialogs' places and states (the tree's innermost key is the
    // settings root), with the defaults that need the catalogues.
    void RestoreDialogStates(SettingsTree& tree);
    // Shutdown's writing, `steps` between (see SaveSettingsAtShutdown).
    bool SaveSession(SessionState& session, const ShutdownSteps& steps = {});

    // Start-up, once night vision is settled and before the windows of the
    // last run come back: every listener takes the moment and the place as
    // new (event 11). Announced once; a second call does nothing.
    void AnnounceStart();
    // Shutdown, before anything is written: every listener hears that the
    // program ends (event 23), so that no search runs on while it saves.
    void AnnounceShutdown();

    // Options > Date and Time: `runDialog` edits a copy of the time options
    // and answers the dialog's result; 0 and -1 change nothing, anything
    // else takes the copy and sets the time from it.
    void ChangeDateTime(const std::function<int(DateTimeOptions&)>& runDialog);
    // Options > Location: `runDialog` edits a copy of the location options
    // and the Retain LCT choice and answers 0 when cancelled.
    void ChangeLocation(const std::function<int(LocationOptions&, bool& retainLocalCivilTime)>& runDialog);

    // The message for a country outlines file that is missing or damaged.
    void ReportCountryBordersFile(const String& path, bool damaged);

private:
    // A user's time follows the moment shown (a new place, the running
    // clock): it is kept in its own time system, so that the next start and
    // the Date and Time dialog show what the user last saw.
    void KeepUserTimeWithTheMoment();

    bool StartClockTimer() override;
    void StopClockTimer() override;

    std::unique_ptr<StorageService> storage_;
    ProgramProductInfo product_;
    SettingsKeys keys_;
    ApplicationHooks hooks_;
    ScopedApplicationServices services_;
    NotificationHub hub_;
    ApplicationOptions options_;
    FrameWindowSettings frame_;
    GeoLocationRecordFormat locationFormat_;
    UserLocations userPlaces_;
    PlaceDirectory places_;
    CurrentTimeAndLocation current_;
    StorageSystemClock systemClock_;
    ApplicationClock clock_;
    CommandHistory navigation_;
    GraphActions graphActions_{CommandContext{hub_, *this}};
    PictureActions pictureActions_{CommandContext{hub_, *this}};
    SolarEclipseActions solarEclipseActions_{CommandContext{hub_, *this}};
    SkyActions skyActions_{CommandContext{hub_, *this}};
    SolarSystemActions solarSystemActions_{CommandContext{hub_, *this}};
    ExplorerActions jupiterActions_{CommandContext{hub_, *this}, JupiterExplorerTraits()};
    ExplorerActions saturnActions_{CommandContext{hub_, *this}, SaturnExplorerTraits()};
    RecentFiles recent_;
    DialogPositions dialogs_;
    ApplicationDialogStates dialogStates_{dialogs_, places_};
    CustomControlMap controls_;
    std::unique_ptr<Layouts> layouts_;
    InstalledPicturePacks picturePacks_;
    PicPackListSettings picPackList_;
    ClockTimer* frameTimer_ = nullptr;
    ApplicationMessages* messages_ = nullptr;
    bool cataloguesCreated_ = false;
    bool startAnnounced_ = false;
    bool scriptRunning_ = false;
    String scriptError_;
};

}  // namespace corvinata
