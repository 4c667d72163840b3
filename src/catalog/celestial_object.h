// The common interface of every body the program knows.
//
// Each body is a CelestialObject held by value in the catalogue of its kind
// (see catalogue.h); a body is identified across the program by its type id
// and its number, the index of its record in that catalogue. Objects are
// built once at start-up and never change afterwards, so every thread may
// read them; name iteration keeps its state in the caller's cursor.
#pragma once

#include "base/wide_string.h"

namespace corvinata {

class NameSystem;

// Body type ids, the numbering every part of the program shares. The same
// numbers index the body-type registry and select the catalogue.
enum BodyTypeId : int {
    kBodySun = 0,
    kBodyMoon = 1,
    kBodyPlanet = 2,
    kBodyEarth = 3,
    kBodyStar = 4,
    kBodyConstellation = 5,
    kBodyDeepSky = 6,
    kBodySaturnSatellite = 7,
    kBodyJupiterSatellite = 8,
    kBodyOther = 9,
};

constexpr int kBodyTypeCount = 10;
// Types 0..8 have a catalogue; Other has none.
constexpr int kCatalogueCount = 9;

// Cursor value that marks the end of an iteration. Any negative cursor is
// treated as the end, so a stale or corrupted cursor never reads an index
// below zero.
constexpr int kCursorEnd = -1;

class CelestialObject {
public:
    virtual ~CelestialObject() = default;

    // Sets the cursor to 0 and answers the first name in `system` (see
    // CelestialObjectNextName).
    const Char* CelestialObjectFirstName(int& cursor, const NameSystem* system) const;
    // The name at the cursor in `system`, advancing the cursor; none (and the
    // cursor at kCursorEnd) when there is no further name. The default serves
    // single-name objects: cursor 0 gives the plain name whatever the system.
    virtual const Char* CelestialObjectNextName(int& cursor, const NameSystem* system) const;
    // The main name and an extra part of the full name. Default: the key name
    // (ObjectKeyName) and nothing.
    virtual void CelestialObjectNameParts(String& main, String& extra) const;
    // main, then " (" extra ")" when there is an extra part.
    void CelestialObjectFullName(String& result) const;
    // "The "/"the " (by `capital`) before the key name of the bodies that take
    // the article (the Sun, the Moon, the Earth); the key name alone otherwise.
    void DisplayNameWithArticle(bool capital, String& result) const;
    virtual int GetTypeId() const = 0;
    virtual bool UsesDefiniteArticle() const { return false; }
    // The plain name; never null.
    virtual const Char* GetPlainName() const { return name_.Text(); }

    // Index of the object in its catalogue.
    int Number() const noexcept { return number_; }
    const String& Name() const noexcept { return name_; }

protected:
    CelestialObject() = default;
    CelestialObject(int number, const Char* name) : number_(number), name_(name) {}
    CelestialObject(const CelestialObject&) = default;
    CelestialObject& operator=(const CelestialObject&) = default;

    int number_ = 0;
    // Empty for the kinds that keep their names elsewhere (stars, deep-sky
    // objects, constellations).
    String name_;
};

}  // namespace corvinata
