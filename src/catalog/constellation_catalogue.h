// The 88 constellations (body type 5), numbered 0..87 in alphabetical order
// of their Latin names. Names come from one static table; each object
// collects the stars that belong to it and the segments of its figure, both
// filled later in the start-up by the star catalogue and the figure loader.
#pragma once

#include <cstdint>
#include <vector>

#include "catalog/catalogue.h"

namespace corvinata {

struct SkyCoordinates;

constexpr int kConstellationCount = 88;

struct ConstellationNames {
    const Char* abbreviation;
    const Char* latin;
    const Char* genitive;
    const Char* english;
};

// Row 0..87 of the name table; none outside.
const ConstellationNames* ConstellationNamesAt(int number) noexcept;

// A line of a constellation figure between two stars (star catalogue
// indexes); `to` is -1 for a single star.
struct FigureSegment {
    std::int32_t from;
    std::int32_t to;
};

class ConstellationObject final : public CelestialObject {
public:
    explicit ConstellationObject(int number) : CelestialObject(number, TXT("")) {}

    int GetTypeId() const override { return kBodyConstellation; }
    // The Latin name for "Classic", the English name for "Modern"; one name.
    const Char* CelestialObjectNextName(int& cursor, const NameSystem* system) const override;
    // The Latin and the English name.
    void CelestialObjectNameParts(String& main, String& extra) const override;
    // The Latin name.
    const Char* GetPlainName() const override;

    const ConstellationNames& Names() const noexcept;
    const std::vector<FigureSegment>& FigureSegments() const noexcept { return segments_; }
    // Star catalogue indexes, in star-catalogue order.
    const std::vector<std::uint32_t>& Stars() const noexcept { return stars_; }

    // Start-up only: the star and figure loaders fill the lists.
    void AddStar(std::uint32_t starIndex) { stars_.push_back(starIndex); }
    void AddFigureSegment(FigureSegment segment) { segments_.push_back(segment); }

private:
    std::vector<FigureSegment> segments_;
    std::vector<std::uint32_t> stars_;
};

class ConstellationCatalogue final : public ArrayCatalogue<ConstellationObject> {
public:
    // Start-up only: the constellation with that number, to fill its lists.
    ConstellationObject* MutableAt(int number) noexcept;
};

ConstellationCatalogue& GetConstellationCatalogue();

// Appends the 88 constellations, then loads the boundary zones; false when
// the zones cannot be loaded.
bool CreateConstellations();

// The first constellation whose abbreviation equals the text with the case of
// A..Z ignored, whole texts only; none otherwise.
const ConstellationObject* FindConstellationByAbbreviation(const Char* text) noexcept;

// The constellation containing a position given at Julian day `jd` in
// equatorial, ecliptical or galactic coordinates (degrees); the position is
// precessed to the equinox of the boundaries first. None for a horizontal
// position or a latitude outside -90..90.
const ConstellationObject* ConstellationOfPosition(double jd, const SkyCoordinates& position);

// The constellation of zodiac sign 0..11 (Aries first); none for another sign.
const ConstellationObject* ZodiacSignConstellation(int sign) noexcept;

// The Bayer letter (0 alpha .. 23 omega) of the star that represents a
// constellation: alpha, but beta for Leo Minor, epsilon for Norma, zeta for
// Puppis and delta for Vela. The star itself is the first star of the
// constellation's list with that letter (resolved by the star catalogue).
int ConstellationPrincipalLetter(int constellation) noexcept;

// The star index at the cursor in the constellation's star list, advancing
// the cursor; none (and the cursor at kCursorEnd) at the end.
const std::uint32_t* NextConstellationStar(const ConstellationObject& constellation,
                                           int& cursor) noexcept;

}  // namespace corvinata
