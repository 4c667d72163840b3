// Finding a body by the name a script gives it.
#pragma once

#include "base/text_char.h"
#include "script/script_catalogue.h"

namespace corvinata {

// Longest body name the script language resolves; a longer text names no body.
constexpr int kMaxBodyNameLength = 199;

// The body named `name`, trying the catalogues in a fixed order (Sun, Moon,
// Earth, planets, Jupiter's and Saturn's satellites by their key names, then
// the constellations, stars and deep-sky objects in their name systems), so
// that a planet wins over a star of the same name. ASCII letters compare
// without regard to case. False for an empty text or a name found nowhere.
bool FindBodyByName(const ScriptCatalogue& catalogue, const Char* name, BodyRef& body);

}  // namespace corvinata
