// Night-vision mode: the whole screen in dark red shades so that the eyes
// stay adapted to the dark at the telescope. The desktop's system colours
// take the shades and visual styles go off (they draw in colours of their
// own), so that what Windows draws turns red as well as what the program
// draws; the desktop's own look comes back when night vision goes off.
#pragma once

#include <array>
#include <cstdint>

#include "app/app_interfaces.h"
#include "base/colour_table.h"
#include "base/settings_tree.h"

namespace corvinata {

struct NightVisionLevels {
    bool active = false;
    double brightness = 0.8;  // 0..1
    double contrast = 1.0;    // 0..1
};

// The levels' trackbars run from 0 to 100.
constexpr int kLevelPositionMax = 100;
// A level kept within 0..1 (anything else, NaN included, becomes the nearest
// limit; NaN becomes 0).
double ClampLevel(double level) noexcept;
// The trackbar position nearest to a level, and the level of a position.
int LevelToPosition(double level) noexcept;
double PositionToLevel(int position) noexcept;

// The five red shades, brightest first: L = trunc(brightness x 255),
// M = trunc(L - L x contrast), each next shade (L - M) / 5 darker.
std::array<Colour, 5> ComputeNightShades(double brightness, double contrast) noexcept;

// Where each system colour takes its night colour from.
enum class NightSource : std::int8_t { kBlack = -1, kOwn = -2, kShade0 = 0, kShade1, kShade2, kShade3, kShade4 };

struct NightColourRule {
    int systemIndex;  // COLOR_* value
    NightSource source;
};

constexpr int kNightColourCount = 30;
extern const NightColourRule kNightColourRules[kNightColourCount];

// What night vision changes outside the program: the desktop's system
// colours and its visual styles.
// The system colours of kNightColourRules, in the table's order, and
// whether visual styles were on.
using DesktopColours = std::array<Colour, kNightColourCount>;

struct DesktopLook {
    DesktopColours colours{};
    bool visualStyles = false;
};

bool operator==(const DesktopLook& a, const DesktopLook& b) noexcept;
inline bool operator!=(const DesktopLook& a, const DesktopLook& b) noexcept { return !(a == b); }

// The system's side.
class DesktopInterface {
public:
    virtual ~DesktopInterface() = default;
    virtual DesktopLook Read() const = 0;
    // All colours at once, in the table's order.
    virtual void SetColours(const DesktopColours& colours) = 0;
    virtual void EnableVisualStyles(bool on) = 0;
    // Around a switch: the system draws the program's windows again when
    // its colours change, and the program's windows change with the mode
    // after that; held, they are drawn once, when the hold ends.
    virtual void HoldDrawing(bool /*hold*/) {}
};

// Where the taken look waits while night vision is on.
class DesktopKeeperInterface {
public:
    virtual ~DesktopKeeperInterface() = default;
    virtual void Keep(const DesktopLook& look) = 0;
    virtual void Forget() = 0;
};

// "Active", "Brightness", "Contrast" of the tree's innermost key. Each value
// that cannot be read keeps its default; levels outside 0..1 are clamped, so
// a damaged value can never wrap the 8-bit shades. Answers whether all
// three were read.
bool LoadNightVision(SettingsTree& tree, NightVisionLevels& levels);
bool SaveNightVision(SettingsTreeWriter& writer, const NightVisionLevels& levels);

class NightVisionStateInterface {
public:
    virtual ~NightVisionStateInterface() = default;
    virtual bool IsNightVisionActive() const = 0;
};

// Level argument of ApplyNightVision that keeps the stored level.
constexpr double kKeepLevel = -1.0;

// The settings object of the whole run.
class NightVisionSettings final : public NightVisionStateInterface {
public:
    explicit NightVisionSettings(NotificationRegistryInterface& hubs) : hubs_(hubs) {}

    // The desktop the switch changes, and where it keeps the desktop's own
    // look meanwhile (none: the switch changes only the program's state).
    void AttachDesktop(DesktopInterface* desktop, DesktopKeeperInterface* keeper) noexcept {
        desktop_ = desktop;
        keeper_ = keeper;
    }

    bool IsNightVisionActive() const override { return levels_.active; }
    const NightVisionLevels& Levels() const noexcept { return levels_; }
    const std::array<Colour, 5>& Shades() const noexcept { return shades_; }

    // Switches night vision and sets the levels (kKeepLevel keeps one; other
    // values are clamped), then tells every observer (event 12, flag 8).
    // Going on, the desktop's look is taken (once) and kept, visual styles
    // go off and the system colours take the shades; going off, the look
    // comes back and is forgotten.
    void ApplyNightVision(bool activate, double brightness, double contrast);

    // The Appearance dialog's Cancel returns to the levels it opened with.
    void RememberOpened() noexcept { opened_ = levels_; }
    void RestoreOpened() { ApplyNightVision(opened_.active, opened_.brightness, opened_.contrast); }

private:
    NotificationRegistryInterface& hubs_;
    DesktopInterface* desktop_ = nullptr;
    DesktopKeeperInterface* keeper_ = nullptr;
    DesktopLook own_;  // the desktop's look while night vision is on
    NightVisionLevels levels_;
    NightVisionLevels opened_;
    std::array<Colour, 5> shades_ = ComputeNightShades(0.8, 1.0);
};

// The choices of the Appearance dialog that the general options keep,
// and the flags of event 12 for what changed between two of them.
struct GeneralOptions;
std::uint32_t AppearanceChangeFlags(const GeneralOptions& before, const GeneralOptions& after) noexcept;
// Takes the confirmed options and tells the observers what changed: event
// 12 with the flags above, also with none when the dialog was confirmed
// without a change of them.
void ApplyAppearanceChoice(GeneralOptions& current, const GeneralOptions& chosen,
                           NotificationRegistryInterface& hubs);

}  // namespace corvinata
