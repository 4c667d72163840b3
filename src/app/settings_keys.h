// The keys directly below the program's settings root, and the names of the
// numbered keys and values inside them.
//
// Every numbered list ("Layout 0", "Window 3", "Z order\2", "File 1") is
// written without gaps and read until the first number that is missing, so a
// gap left by another program ends the list there.
#pragma once

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

namespace settings_key {
inline constexpr const Char* kFrameWindow = TXT("Application frame window");
inline constexpr const Char* kAppearanceOptions = TXT("Appearance Options");
inline constexpr const Char* kDialogs = TXT("Dialogs");
inline constexpr const Char* kLocationOptions = TXT("Location Options");
inline constexpr const Char* kMainWindows = TXT("Main Windows");
inline constexpr const Char* kTimeOptions = TXT("Time Options");
inline constexpr const Char* kLayouts = TXT("Layouts");
inline constexpr const Char* kRecentFiles = TXT("Recent files");
inline constexpr const Char* kNightVision = TXT("Night vision");
// A value of the root itself.
inline constexpr const Char* kStarsFixed = TXT("Stars fixed");
}  // namespace settings_key

// `prefix` followed by `number` in decimal without leading zeros.
String NumberedName(const Char* prefix, int number);

// The full paths of the standard keys, each composed the first time it is
// asked for and kept. The root comes from the registered product
// information.
class SettingsKeys {
public:
    // "\Software\<company>\<product>\<version>".
    const String& Root();
    const String& AppearanceOptions() { return Below(appearance_, settings_key::kAppearanceOptions); }
    const String& Dialogs() { return Below(dialogs_, settings_key::kDialogs); }
    const String& FrameWindow() { return Below(frame_, settings_key::kFrameWindow); }
    const String& LocationOptions() { return Below(location_, settings_key::kLocationOptions); }
    const String& MainWindows() { return Below(mainWindows_, settings_key::kMainWindows); }
    const String& TimeOptions() { return Below(time_, settings_key::kTimeOptions); }

private:
    const String& Below(String& cache, const Char* name);

    String root_, appearance_, dialogs_, frame_, location_, mainWindows_, time_;
};

}  // namespace corvinata
