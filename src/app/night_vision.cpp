#include "app/night_vision.h"

#include <cmath>

#include "app/night_desktop.h"
#include "app/settings_records.h"
#include "app/settings_values.h"

namespace corvinata {

double ClampLevel(double level) noexcept {
    if (!(level > 0.0)) return 0.0;
    return level > 1.0 ? 1.0 : level;
}

int LevelToPosition(double level) noexcept {
    return static_cast<int>(std::lround(ClampLevel(level) * kLevelPositionMax));
}

double PositionToLevel(int position) noexcept {
    if (position < 0) position = 0;
    if (position > kLevelPositionMax) position = kLevelPositionMax;
    return static_cast<double>(position) / kLevelPositionMax;
}

std::array<Colour, 5> ComputeNightShades(double brightness, double contrast) noexcept {
    const int light = static_cast<int>(ClampLevel(brightness) * 255.0);
    const int dark = static_cast<int>(light - light * ClampLevel(contrast));
    const int step = (light - dark) / 5;
    std::array<Colour, 5> shades{};
    for (int i = 0; i < 5; ++i) shades[i] = Colour{static_cast<std::uint8_t>(light - i * step), 0, 0};
    return shades;
}

// COLOR_* indices with their night source.
constexpr NightColourRule kNightColourRules[kNightColourCount] = {
    {21, NightSource::kShade4}, {15, NightSource::kBlack},  {20, NightSource::kShade0},
    {22, NightSource::kShade1}, {16, NightSource::kShade3}, {10, NightSource::kShade2},
    {2, NightSource::kShade0},  {12, NightSource::kBlack},  {1, NightSource::kOwn},
    {18, NightSource::kShade2},  // 10
    {9, NightSource::kBlack},   {27, NightSource::kShade4}, {28, NightSource::kShade4},
    {17, NightSource::kShade4}, {13, NightSource::kShade3}, {14, NightSource::kShade1},
    {11, NightSource::kShade4}, {3, NightSource::kShade3},  {19, NightSource::kBlack},
    {24, NightSource::kShade3},  // 20
    {23, NightSource::kShade1}, {4, NightSource::kBlack},   {7, NightSource::kShade1},
    {0, NightSource::kShade2},  {5, NightSource::kBlack},   {6, NightSource::kShade2},
    {8, NightSource::kShade2},  {26, NightSource::kShade1}, {29, NightSource::kShade4},
    {30, NightSource::kBlack},   // 30
};

bool LoadNightVision(SettingsTree& tree, NightVisionLevels& levels) {
    const NightVisionLevels defaults;
    bool all = true;
    if (!ReadBoolValue(tree, TXT("Active"), levels.active)) {
        levels.active = defaults.active;
        all = false;
    }
    if (!ReadDoubleValue(tree, TXT("Brightness"), levels.brightness)) {
        levels.brightness = defaults.brightness;
        all = false;
    }
    if (!ReadDoubleValue(tree, TXT("Contrast"), levels.contrast)) {
        levels.contrast = defaults.contrast;
        all = false;
    }
    levels.brightness = ClampLevel(levels.brightness);
    levels.contrast = ClampLevel(levels.contrast);
    return all;
}

bool SaveNightVision(SettingsTreeWriter& writer, const NightVisionLevels& levels) {
    return WriteBoolValue(writer, TXT("Active"), levels.active) &&
           WriteDoubleValue(writer, TXT("Brightness"), levels.brightness) &&
           WriteDoubleValue(writer, TXT("Contrast"), levels.contrast);
}

void NightVisionSettings::ApplyNightVision(bool activate, double brightness, double contrast) {
    if (brightness != kKeepLevel) levels_.brightness = ClampLevel(brightness);
    if (contrast != kKeepLevel) levels_.contrast = ClampLevel(contrast);
    const bool wasActive = levels_.active;
    // Windows that hear of the colours' change as they are set ask for the
    // new mode.
    levels_.active = activate;
    shades_ = ComputeNightShades(levels_.brightness, levels_.contrast);
    const bool switching = desktop_ && (activate || wasActive);
    if (switching) desktop_->HoldDrawing(true);
    if (desktop_ && activate) {
        // Taken before visual styles go off, which may bring a scheme of
        // their own; kept at once, so that no end of this run can lose it.
        if (!wasActive) {
            own_ = desktop_->Read();
            if (keeper_) keeper_->Keep(own_);
        }
        desktop_->EnableVisualStyles(false);
        desktop_->SetColours(NightDesktopColours(own_.colours, shades_));
    } else if (desktop_ && wasActive) {
        // Visual styles the user had switched off stay off.
        if (own_.visualStyles) desktop_->EnableVisualStyles(true);
        desktop_->SetColours(own_.colours);
        if (keeper_) keeper_->Forget();
    }
    BroadcastNotification(hubs_.GetNotificationHub(), kEventAppearanceChanged, kNightVisionSwitched,
                          nullptr);
    if (switching) desktop_->HoldDrawing(false);
}

std::uint32_t AppearanceChangeFlags(const GeneralOptions& before, const GeneralOptions& after) noexcept {
    std::uint32_t flags = 0;
    if (before.constellationLanguage != after.constellationLanguage) flags |= kConstellationLanguageChanged;
    if (before.raDisplayUnit != after.raDisplayUnit) flags |= kRaDisplayUnitChanged;
    if (before.angleDegreeBase != after.angleDegreeBase) flags |= kAngleDegreeBaseChanged;
    return flags;
}

void ApplyAppearanceChoice(GeneralOptions& current, const GeneralOptions& chosen,
                           NotificationRegistryInterface& hubs) {
    const std::uint32_t flags = AppearanceChangeFlags(current, chosen);
    current = chosen;
    BroadcastNotification(hubs.GetNotificationHub(), kEventAppearanceChanged, flags, nullptr);
}

}  // namespace corvinata
