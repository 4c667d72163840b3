#include "app/application.h"

#include "app/graph_prompts.h"
#include "app/help_topics.h"

namespace corvinata {
namespace {

PublishedInterfaces g_published;

// Until the catalogue's name systems are handed in, no constellation
// language is known by name and the first one is used.
class NoNameSystems final : public NameSystemNames {
public:
    bool FindIdByName(const String&, std::int32_t&) const override { return false; }
    String NameOfId(std::int32_t) const override { return String(); }
};

const NoNameSystems kNoNameSystems;

}  // namespace

const PublishedInterfaces& GetPublishedInterfaces() noexcept { return g_published; }

void CustomControlRegistry::RegisterControl(const void* window,
                                            std::unique_ptr<CustomControl> control) {
    controls_[window] = std::move(control);
}

void CustomControlRegistry::DestroyControl(const void* window) { controls_.erase(window); }

std::unique_ptr<CustomControl> CustomControlRegistry::ForgetControl(const void* window) {
    auto found = controls_.find(window);
    if (found == controls_.end()) return nullptr;
    std::unique_ptr<CustomControl> control = std::move(found->second);
    controls_.erase(found);
    return control;
}

CustomControl* CustomControlRegistry::FindControl(const void* window) const {
    auto found = controls_.find(window);
    return found == controls_.end() ? nullptr : found->second.get();
}

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
    if (!hooks_.constellationNames) hooks_.constellationNames = &kNoNameSystems;
    g_published = {this, this, &current_, this, this};
}

Application::~Application() {
    g_published = {};
    layouts_.reset();
    if (cataloguesCreated_ && hooks_.destroyCatalogues) hooks_.destroyCatalogues();
}

void Application::SetScriptRunning(bool running) {
    scriptRunning_ = running;
    if (running) scriptError_ = String();
}

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
    const Location place = options_.location.location;
    current_.SetLocation(place);
    clock_.StartClockTimer();
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
    dialogs_.RestoreDialogPositions(tree);
    LoadMainWindows(tree, kinds);
    if (layouts_) layouts_->LoadLayouts(tree);
}

bool Application::SaveSession(SessionState& session) {
    options_.starsFixed = current_.GetStarsFixed();
    if (!session.frame) session.frame = &frame_;
    if (!session.layouts) session.layouts = layouts_.get();
    if (!session.dialogs) session.dialogs = &dialogs_;
    SettingsTreeWriter writer(*storage_, keys_.Root());
    return SaveSettingsAtShutdown(writer, *hooks_.constellationNames, session, recent_, options_,
                                  &userPlaces_, keys_.Root());
}

void Application::ReportMissingFile(const String& path) {
    if (!messages_) return;
    messages_->Show(ApplicationMessages::kError, MissingDataFileText(product_, path),
                    kErrorInitializingTopic);
}

bool Application::StartClockTimer() { return frameTimer_ && frameTimer_->StartClockTimer(); }

void Application::StopClockTimer() {
    if (frameTimer_) frameTimer_->StopClockTimer();
}

}  // namespace corvinata
