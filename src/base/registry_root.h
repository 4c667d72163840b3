// The program's root settings key and the time-step settings group.
#pragma once

#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

class SettingsTree;
class SettingsTreeWriter;
struct TimeStep;

// Writes the root key path of the program's settings below HKEY_CURRENT_USER
// into `receiver`: "\Software", then the company name, the product name and
// the version as three key levels ("\Software\<maker>\<product>\<version>";
// an empty text adds no level). Answers `receiver`.
String& GetRegistryRootPath(String& receiver);

// Reads the values "Type" (the unit, 0-5) and "Steps" (the count) of the
// sub-key `keyName` below the reader's current key into `step`. True only
// when the sub-key opened and both values were read; otherwise (a missing
// sub-key or value, or a unit outside 0-5) `step` is unchanged.
bool LoadTimeStep(const String& keyName, TimeStep& step, SettingsTree& reader);
// Writes `step` as "Type" and "Steps" into the sub-key `keyName` below the
// writer's current key, creating it; true when the key and both values were
// written.
bool SaveTimeStep(const String& keyName, const TimeStep& step, SettingsTreeWriter& writer);

}  // namespace corvinata
