// The bright-star catalogue (body type 4): the 9096 stars of the Yale
// Bright Star Catalogue, 5th edition, named "BSC 0424" by their HR number
// and, for 200 of them, by a proper name.
#pragma once

#include <cstdint>

#include "astro/coordinates.h"
#include "catalog/bright_star_record.h"
#include "catalog/catalogue.h"
#include "catalog/catalogue_sky_object.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/star_directory.h"
#include "catalog/star_proper_names.h"

namespace corvinata {

class BrightStar final : public CelestialObject, public CatalogueSkyObject {
public:
    // The star of an HR number from its table row; `constellation` 0..87.
    BrightStar(int index, int hr, const BrightStarRecord& record, int constellation);

    int GetTypeId() const override { return kBodyStar; }
    // "Proper name": the proper name, or the empty text when the star has
    // none (a name, not the end); "BSC 5" (and no system): "BSC 0424". One
    // name per system.
    const Char* CelestialObjectNextName(int& cursor, const NameSystem* system) const override;
    // "BSC 0424" and the proper name.
    void CelestialObjectNameParts(String& main, String& extra) const override;
    const Char* GetPlainName() const override { return bscName_; }

    double RightAscension() const noexcept { return rightAscension_; }  // degrees, J2000
    double Declination() const noexcept { return declination_; }        // degrees, J2000
    double Magnitude() const noexcept { return magnitude_; }
    int BayerLetter() const noexcept override { return bayerLetter_; }  // -1 none, 0..23
    SkyCoordinates CataloguePosition() const override {
        return {rightAscension_, declination_, kEquatorialSystem};
    }
    double CatalogueMagnitude() const override { return magnitude_; }
    int Superscript() const noexcept { return superscript_; }  // 0 none
    int ConstellationNumber() const noexcept { return constellation_; }

private:
    Char bscName_[12];
    double rightAscension_;
    double declination_;
    double magnitude_;
    std::int32_t bayerLetter_;
    std::uint16_t superscript_;
    std::uint16_t constellation_;
};

class StarCatalogue final : public ArrayCatalogue<BrightStar>, public StarDirectory {
public:
    // Empties the catalogue and loads every star of the built-in table,
    // appending each to the star list of its constellation. False when a
    // star's constellation cannot be found.
    bool LoadStars();
    // Reads the proper names of the built-in text; false when a record
    // cannot be resolved.
    bool LoadProperNames();

    // "Proper name": the named stars in ascending index; "BSC 5": every star.
    const Char* CatalogueNextNamed(int& cursor, const NameSystem* system,
                                   const CelestialObject** object) const override;
    // Exact lookups through indexes ("BSC 0424", "Polaris").
    const CelestialObject* CatalogueFindByNameScan(const Char* name,
                                                   const NameSystem* system) const override;
    void CatalogueClear() override;

    const StarProperNames& ProperNames() const noexcept { return properNames_; }

    int ConstellationByAbbreviation(const Char* abbreviation) const override;
    int BrightestStarWithLetter(int constellation, int letter, int superscript) const override;
    int StarByCatalogueName(const Char* name) const override;

private:
    StarProperNames properNames_;
    std::vector<std::int32_t> indexOfHr_;  // per HR number - 1, -1 for non-stars
};

StarCatalogue& GetStarCatalogue();
bool CreateStarCatalogue();
bool CreateStarProperNames();

// The constellation of a table row: the one its name column gives, else the
// one containing its position (precessed to the boundaries' equinox). A
// position that no zone holds is normalised into range and searched again,
// so every star gets a constellation. -1 only for an unknown abbreviation.
int ConstellationOfStarRecord(const BrightStarRecord& record);

// The star that represents a constellation: the brightest of its stars with
// the representative Bayer letter (ConstellationPrincipalLetter); none when
// it has no such star.
const BrightStar* ConstellationPrincipalStar(int constellation);

// The constellation a star belongs to, and its position (equatorial, J2000).
const ConstellationObject* StarConstellation(const BrightStar& star);
SkyCoordinates StarPosition(const BrightStar& star) noexcept;

}  // namespace corvinata
