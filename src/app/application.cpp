#include "app/application.h"

#include "app/body_tree.h"
#include "app/graph_prompts.h"
#include "app/help_topics.h"
#include "base/time_systems.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/name_systems.h"

namespace corvinata {
namespace {


// The constellation catalogue's name systems, by which the general options
// store the language of constellation names; none before the body types
// exist.
class ConstellationNameSystems final : public NameSystemNames {
public:
    bool FindIdByName(const String& name, std::int32_t& id) const override {
        const NameSystemList* list = List();
        const NameSystem* system = list ? list->FindByName(name.Text()) : nullptr;
        if (!system) return false;
        id = system->GetId();
        return true;
    }
    String NameOfId(std::int32_t id) const override {
        const NameSystemList* list = List();
        const NameSystem* system = list ? list->FindById(id) : nullptr;
        return system ? system->Name() : String();
    }

private:
    static const NameSystemList* List() {
        const BodyType* type = GetBodyType(kBodyConstellation);
        return type ? type->NameSystems() : nullptr;
    }
};

const ConstellationNameSystems kConstellationNameSystems;

}  // namespace

Application::Application(std::unique_ptr<StorageService> storage, const PathName& programDirectory,
                         ApplicationHooks hooks)
    : storage_(std::move(storage)),
      product_(*storage_, programDirectory),
      hooks_(std::move(hooks)),
      services_(&product_, this),
      userPlaces_(*storage_, keys_.Root(), locationFormat_),
      places_(userPlaces_),
      current_(*this, options_.location, places_),
      clock_(current_, options_.time, systemClock_, *this) {
    if (!hooks_.createCatalogues) {
        hooks_.createCatalogues = [] {
            CreateBodyTypeRegistry();
            return CreateCatalogues();
        };
        hooks_.destroyCatalogues = [] {
            DestroyCatalogues();
            BodyTypeRegistryFree();
        };
    }
    if (!hooks_.constellationNames) hooks_.constellationNames = &kConstellationNameSystems;
    dialogs_.Register(kViewPicturePacksDialog, &picPackList_);
}

Application::~Application() {
    dialogs_.Register(kViewPicturePacksDialog, nullptr);
    layouts_.reset();
    if (cataloguesCreated_ && hooks_.destroyCatalogues) hooks_.destroyCatalogues();
}

void Application::SetScriptRunning(bool running) {
    scriptRunning_ = running;
    if (running) scriptError_ = String();
}

void Application::RecordScriptError(const String& text) { scriptError_ = text; }

void Application::SetScriptErrorIfRunning(const String& text) {
    if (scriptRunning_ && scriptError_.IsEmpty()) scriptError_ = text;
}

bool Application::StartUp() {
    if (hooks_.createCatalogues) {
        if (!hooks_.createCatalogues()) return false;
        cataloguesCreated_ = true;
    }
    SettingsTree tree(*storage_, keys_.Root());
    LoadApplicationOptions(tree, *hooks_.constellationNames, options_);
    LoadFrameWindowSettings(tree, frame_);
    recent_.LoadRecentFiles(tree);
    current_.RestoreStarsFixed(options_.starsFixed);
    current_.SetLocation(options_.location.location);
    clock_.StartClockTimer();
    String makerKey(TXT("\\Software\\"));
    StringAppend(makerKey, product_.GetCompanyName());
    picturePacks_.ReadAll(*storage_, makerKey, String(product_.GetProgramDirectory().GetPathDirectoryWithSeparator()));
    return true;
}

void Application::AttachFrame(ClockTimer& timer, ApplicationMessages& messages,
                              LayoutFrame& layoutFrame) {
    frameTimer_ = &timer;
    messages_ = &messages;
    layouts_ = std::make_unique<Layouts>(layoutFrame);
    clock_.OnFrameWindowCreated();
}

void Application::RestoreSession(WindowKindState* const (&kinds)[kWindowKindCount]) {
    SettingsTree tree(*storage_, keys_.Root());
    RestoreDialogStates(tree);
    LoadMainWindows(tree, kinds);
    if (layouts_) layouts_->LoadLayouts(tree);
}

void Application::RestoreDialogStates(SettingsTree& tree) {
    // Select Body offers the first object of the first catalogue until the
    // user has chosen one; a stored choice of no object is no choice.
    dialogStates_.selectBody.selected = DefaultBodyIdentifier();
    dialogs_.RestoreDialogPositions(tree);
    if (!dialogStates_.selectBody.selected.object) dialogStates_.selectBody.selected = DefaultBodyIdentifier();
}

bool Application::SaveSession(SessionState& session, const ShutdownSteps& steps) {
    options_.starsFixed = current_.GetStarsFixed();
    if (session.momentChosen) KeepUserTimeWithTheMoment();
    if (!session.frame) session.frame = &frame_;
    if (!session.layouts) session.layouts = layouts_.get();
    if (!session.dialogs) session.dialogs = &dialogs_;
    SettingsTreeWriter writer(*storage_, keys_.Root());
    return SaveSettingsAtShutdown(writer, *hooks_.constellationNames, session, recent_, options_,
                                  &userPlaces_, keys_.Root(), steps);
}

void Application::AnnounceStart() {
    if (startAnnounced_) return;
    startAnnounced_ = true;
    BroadcastNotification(hub_, kEventDateTimeLocationChanged, 0, nullptr);
}

void Application::AnnounceShutdown() { BroadcastNotification(hub_, kEventShutdown, 0, nullptr); }

void Application::ChangeDateTime(const std::function<int(DateTimeOptions&)>& runDialog) {
    KeepUserTimeWithTheMoment();
    DateTimeOptions working = options_.time;
    const int result = runDialog(working);
    if (result == 0 || result == -1) return;
    clock_.ApplyOptions(working);
}

void Application::ChangeLocation(
    const std::function<int(LocationOptions&, bool& retainLocalCivilTime)>& runDialog) {
    LocationOptions working = options_.location;
    bool& retain = dialogStates_.selectLocation.state.retainLocalCivilTime;
    if (runDialog(working, retain) == 0) return;
    // The options follow the current place (CurrentTimeAndLocation records
    // every place it is given).
    ChangeCurrentLocation(current_, working.location, retain);
    KeepUserTimeWithTheMoment();
}

void Application::KeepUserTimeWithTheMoment() {
    DateTimeOptions& time = options_.time;
    if (!time.userDefined) return;
    const DateTimeLocation& now = current_.GetTimeAndLocation();
    DateTime moment = now.dateTime;
    const std::int32_t system = time.userTime.timeSystem;
    if (moment.timeSystem == kInvalidTimeSystem || system < kUniversalTime || system > kLocalSiderealTime) return;
    if (!ConvertTimeSystem(moment, system, now.location.coordinates.longitude, now.location.coordinates.timeZone,
                           now.daylightSaving)) {
        return;
    }
    time.userTime = moment;
    time.userDaylightSaving = now.daylightSaving;
}

void Application::ReportCountryBordersFile(const String& path, bool damaged) {
    if (!messages_) return;
    messages_->Show(ApplicationMessages::kError, CountryBordersFileText(product_, path, damaged),
                    MessageTopic::ErrorInitializing);
}

bool Application::StartClockTimer() { return frameTimer_ && frameTimer_->StartClockTimer(); }

void Application::StopClockTimer() {
    if (frameTimer_) frameTimer_->StopClockTimer();
}

}  // namespace corvinata
