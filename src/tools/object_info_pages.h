// The "Physical data" and "Orbital data" pages of Object Info without their
// dialogs: which page a body's kind gets, and the texts that fill it.
#pragma once

#include <vector>

#include "base/wide_string.h"

namespace corvinata {

class CelestialObject;
class DeepSkyObject;

// The page templates, in the order they are loaded.
enum class ObjectInfoPage : int {
    kCurrent,
    kNoOrbitalData,
    kNoPhysicalData,
    kOrbitalEarth,
    kOrbitalJupiterMoon,
    kOrbitalMoon,
    kOrbitalPlanet,
    kOrbitalSun,
    kOrbitalSaturnMoon,
    kPhysicalConstellation,
    kPhysicalEarth,
    kPhysicalJupiterMoon,
    kPhysicalMoon,
    kPhysicalDeepSky,
    kPhysicalPlanet,
    kPhysicalSun,
    kPhysicalSaturnMoon,
    kNone,
};
constexpr int kObjectInfoPageCount = static_cast<int>(ObjectInfoPage::kNone);

// The resource name of a page's template.
const wchar_t* ObjectInfoPageTemplateName(ObjectInfoPage page) noexcept;
// The page of a tab (0..2) for a body kind (0..8); kNone for any other tab
// or kind.
ObjectInfoPage ObjectInfoPageFor(int tab, int bodyKind) noexcept;

// The symbol-font character of entry `entry` of the symbol table (the eleven
// bodies, the two Greek sets, the subscripts and the superscripts); 0 for an
// entry outside it.
Char SymbolFontCode(int entry) noexcept;

struct ObjectInfoPageText {
    int control;
    String text;
};

// A label of symbol characters between two texts of a row: it is placed
// right after the text of `before`, and `after` right after it.
struct ObjectInfoSymbolLabel {
    int before;
    int label;
    int after;
    String glyphs;
};

// The controls of the pages that are not values: the constellation's list,
// and the ids of the symbol rows (captions, labels and texts after them).
enum ObjectInfoPageControl : int {
    kIdInfoStarList = 20811,
    kIdInfoFirstSymbolCaption = 21120,
    kIdInfoFirstSymbolLabel = 21140,
    kIdInfoFirstSymbolAfter = 21160,
};

struct ObjectInfoPageContent {
    std::vector<ObjectInfoPageText> values;
    std::vector<ObjectInfoSymbolLabel> labels;
    // The constellation's stars, one tab-separated line each.
    std::vector<String> starLines;
};

// How the user reads angles: 1 decimal, 0 sexagesimal; right ascensions in
// hours (1) or degrees (0).
struct ObjectInfoDisplay {
    int angleStyle = 0;
    int raUnit = 1;
};

// The content of a data page for the selected object (the Sun, Moon and
// Earth pages read their own catalogue's object).
ObjectInfoPageContent ObjectInfoPageTexts(ObjectInfoPage page, const CelestialObject& selected,
                                          const ObjectInfoDisplay& display);

// A deep-sky object's "Physical data" page: its type, its Dreyer description
// as stored, and that description in English (first letter in upper case),
// or "Unable to parse the Dreyer description." when it cannot be read.
struct DeepSkyInfoTexts {
    String type;
    String stored;
    String description;
};

DeepSkyInfoTexts DeepSkyInfoPageTexts(const DeepSkyObject& object);

}  // namespace corvinata
