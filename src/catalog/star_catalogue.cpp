#include "catalog/star_catalogue.h"

#include <algorithm>

#include "astro/delta_t.h"
#include "base/angle_reduction.h"
#include "base/event_time.h"
#include "catalog/constellation_boundaries.h"
#include "catalog/name_systems.h"
#include "catalog/star_texts.h"
#include "generated/bright_stars.h"

namespace corvinata {

namespace {

constexpr int kHrDigits = 4;

int SystemId(const NameSystem* system) { return system ? system->GetId() : kStarBsc5; }

// "BSC " and the HR number in four digits.
void WriteBscName(int hr, Char (&name)[12]) {
    const Char prefix[] = TXT("BSC ");
    int i = 0;
    for (; prefix[i]; ++i) name[i] = prefix[i];
    for (int digit = kHrDigits - 1; digit >= 0; --digit) {
        name[i + digit] = static_cast<Char>('0' + hr % 10);
        hr /= 10;
    }
    name[i + kHrDigits] = 0;
}

// The HR number of an exact "BSC dddd" text, or 0.
int HrOfBscName(const Char* name) {
    const Char prefix[] = TXT("BSC ");
    for (int i = 0; prefix[i]; ++i) {
        if (name[i] != prefix[i]) return 0;
    }
    int hr = 0;
    for (int i = 0; i < kHrDigits; ++i) {
        const Char c = name[4 + i];
        if (!IsDigitChar(c)) return 0;
        hr = hr * 10 + (c - '0');
    }
    return name[4 + kHrDigits] == 0 ? hr : 0;
}

// Into 0..360 with 360 itself at 0, where the zones start.
double NormalisedRightAscension(double degrees) {
    const double ra = ReduceDegrees(degrees);
    return ra >= 360.0 ? 0.0 : ra;
}

}  // namespace

BrightStar::BrightStar(int index, int hr, const BrightStarRecord& record, int constellation)
    : CelestialObject(index, TXT("")),
      rightAscension_(record.rightAscension),
      declination_(record.declination),
      magnitude_(record.magnitude),
      bayerLetter_(record.bayerLetter),
      superscript_(record.superscript),
      constellation_(static_cast<std::uint16_t>(constellation)) {
    WriteBscName(hr, bscName_);
}

const Char* BrightStar::CelestialObjectNextName(int& cursor, const NameSystem* system) const {
    if (cursor != 0) {
        cursor = kCursorEnd;
        return nullptr;
    }
    const int id = SystemId(system);
    if (id != kStarProperName && id != kStarBsc5) {
        cursor = kCursorEnd;
        return nullptr;
    }
    cursor = 1;
    return id == kStarProperName ? GetStarCatalogue().ProperNames().NameOf(number_) : bscName_;
}

void BrightStar::CelestialObjectNameParts(String& main, String& extra) const {
    main = bscName_;
    extra = GetStarCatalogue().ProperNames().NameOf(number_);
}

int ConstellationOfStarRecord(const BrightStarRecord& record) {
    if (record.constellation[0] != 0) {
        const ConstellationObject* found = FindConstellationByAbbreviation(record.constellation);
        return found ? found->Number() : -1;
    }
    const SkyCoordinates position{record.rightAscension, record.declination, kEquatorialSystem};
    const ConstellationObject* found = ConstellationOfPosition(kJulianDayJ2000, position);
    if (!found) {
        found = FindConstellationAt(NormalisedRightAscension(record.rightAscension),
                                    std::clamp(record.declination, -90.0, 90.0));
    }
    return found ? found->Number() : -1;
}

bool StarCatalogue::LoadStars() {
    CatalogueClear();
    std::vector<BrightStar>& stars = Objects();
    stars.reserve(bright_star_data::kBrightStarRecordCount);
    indexOfHr_.assign(bright_star_data::kBrightStarRecordCount, -1);
    ConstellationCatalogue& constellations = GetConstellationCatalogue();
    for (int row = 0; row < bright_star_data::kBrightStarRecordCount; ++row) {
        const BrightStarRecord& record = bright_star_data::kBrightStarRecords[row];
        if (record.bayerLetter == kNotAStar) continue;
        const int constellation = ConstellationOfStarRecord(record);
        ConstellationObject* owner = constellations.MutableAt(constellation);
        if (!owner) return false;
        const int index = Count();
        stars.emplace_back(index, row + 1, record, constellation);
        indexOfHr_[static_cast<size_t>(row)] = index;
        owner->AddStar(static_cast<std::uint32_t>(index));
    }
    return true;
}

bool StarCatalogue::LoadProperNames() {
    return properNames_.Load(StarProperNamesText(), *this, Count());
}

void StarCatalogue::CatalogueClear() {
    ArrayCatalogue<BrightStar>::CatalogueClear();
    properNames_ = StarProperNames();
    std::vector<std::int32_t>().swap(indexOfHr_);
}

const Char* StarCatalogue::CatalogueNextNamed(int& cursor, const NameSystem* system,
                                              const CelestialObject** object) const {
    if (SystemId(system) != kStarProperName) {
        return ArrayCatalogue<BrightStar>::CatalogueNextNamed(cursor, system, object);
    }
    int star = -1;
    const Char* name = properNames_.NextNamed(cursor, &star);
    if (object) *object = At(star);
    return name;
}

const CelestialObject* StarCatalogue::CatalogueFindByNameScan(const Char* name,
                                                              const NameSystem* system) const {
    if (!name) return nullptr;
    switch (SystemId(system)) {
        case kStarProperName: return At(properNames_.Find(name));
        case kStarBsc5: return At(StarByCatalogueName(name));
        default: return nullptr;
    }
}

int StarCatalogue::ConstellationByAbbreviation(const Char* abbreviation) const {
    const ConstellationObject* found = FindConstellationByAbbreviation(abbreviation);
    return found ? found->Number() : -1;
}

// The first star of a pair in catalogue order is often the faint one (the
// 6.9 magnitude companion of Mintaka comes before it), so the brightest
// star with the letter stands for it; the first of equals wins.
int StarCatalogue::BrightestStarWithLetter(int constellation, int letter, int superscript) const {
    const ConstellationObject* owner = GetConstellationCatalogue().At(constellation);
    if (!owner) return -1;
    int best = -1;
    for (std::uint32_t index : owner->Stars()) {
        const BrightStar* star = At(static_cast<int>(index));
        if (!star || star->BayerLetter() != letter) continue;
        if (superscript != 0 && star->Superscript() != superscript) continue;
        if (best < 0 || star->Magnitude() < At(best)->Magnitude()) best = static_cast<int>(index);
    }
    return best;
}

int StarCatalogue::StarByCatalogueName(const Char* name) const {
    const int hr = name ? HrOfBscName(name) : 0;
    if (hr < 1 || hr > static_cast<int>(indexOfHr_.size())) return -1;
    return indexOfHr_[static_cast<size_t>(hr - 1)];
}

StarCatalogue& GetStarCatalogue() {
    static StarCatalogue catalogue;
    return catalogue;
}

bool CreateStarCatalogue() { return GetStarCatalogue().LoadStars(); }

bool CreateStarProperNames() { return GetStarCatalogue().LoadProperNames(); }

const BrightStar* ConstellationPrincipalStar(int constellation) {
    const StarCatalogue& stars = GetStarCatalogue();
    return stars.At(stars.BrightestStarWithLetter(constellation,
                                                  ConstellationPrincipalLetter(constellation), 0));
}

const ConstellationObject* StarConstellation(const BrightStar& star) {
    return GetConstellationCatalogue().At(star.ConstellationNumber());
}

SkyCoordinates StarPosition(const BrightStar& star) noexcept {
    return {star.RightAscension(), star.Declination(), kEquatorialSystem};
}

}  // namespace corvinata
