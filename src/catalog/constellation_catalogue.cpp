#include "catalog/constellation_catalogue.h"

#include <cmath>

#include "astro/coordinates.h"
#include "astro/delta_t.h"
#include "astro/nutation.h"
#include "base/angle_reduction.h"
#include "base/event_time.h"
#include "base/greek_letters.h"
#include "catalog/constellation_boundaries.h"
#include "catalog/name_systems.h"

namespace corvinata {
namespace {

// Abbreviation, Latin name, genitive, English name; the spellings are the
// program's own ("Canis Maior", "Scorpio").
constexpr ConstellationNames kConstellationNames[kConstellationCount] = {
    {TXT("And"), TXT("Andromeda"), TXT("Andromedae"), TXT("Andromeda")},
    {TXT("Ant"), TXT("Antlia"), TXT("Antliae"), TXT("Airpump")},
    {TXT("Aps"), TXT("Apus"), TXT("Apodis"), TXT("Bird of Paradise")},
    {TXT("Aqr"), TXT("Aquarius"), TXT("Aquarii"), TXT("Water Bearer")},
    {TXT("Aql"), TXT("Aquila"), TXT("Aquilae"), TXT("Eagle")},
    {TXT("Ara"), TXT("Ara"), TXT("Arae"), TXT("Altar")},
    {TXT("Ari"), TXT("Aries"), TXT("Arietis"), TXT("Ram")},
    {TXT("Aur"), TXT("Auriga"), TXT("Aurigae"), TXT("Charioteer")},
    {TXT("Boo"), TXT("Bootes"), TXT("Bootis"), TXT("Herdsman")},
    {TXT("Cae"), TXT("Caelum"), TXT("Caeli"), TXT("Sculptor's Tool")},
    // 10
    {TXT("Cam"), TXT("Camelopardalis"), TXT("Camelopardalis"), TXT("Giraffe")},
    {TXT("Cnc"), TXT("Cancer"), TXT("Cancri"), TXT("Crab")},
    {TXT("CVn"), TXT("Canes Venatici"), TXT("Canum Venaticorum"), TXT("Hunting Dogs")},
    {TXT("CMa"), TXT("Canis Maior"), TXT("Canis Maioris"), TXT("Great Dog")},
    {TXT("CMi"), TXT("Canis Minor"), TXT("Canis Minoris"), TXT("Little Dog")},
    {TXT("Cap"), TXT("Capricornus"), TXT("Capricorni"), TXT("Sea Goat")},
    {TXT("Car"), TXT("Carina"), TXT("Carinae"), TXT("Keel of Argo")},
    {TXT("Cas"), TXT("Cassiopeia"), TXT("Cassiopeiae"), TXT("Cassiopeia")},
    {TXT("Cen"), TXT("Centaurus"), TXT("Centauri"), TXT("Centaur")},
    {TXT("Cep"), TXT("Cepheus"), TXT("Cephei"), TXT("Cepheus")},
    // 20
    {TXT("Cet"), TXT("Cetus"), TXT("Ceti"), TXT("Whale")},
    {TXT("Cha"), TXT("Chamaeleon"), TXT("Chamaeleontis"), TXT("Chameleon")},
    {TXT("Cir"), TXT("Circinus"), TXT("Circini"), TXT("Compasses")},
    {TXT("Col"), TXT("Columba"), TXT("Columbae"), TXT("Dove")},
    {TXT("Com"), TXT("Coma Berenices"), TXT("Comae Berenices"), TXT("Berenice's Hair")},
    {TXT("CrA"), TXT("Corona Australis"), TXT("Coronae Australis"), TXT("Southern Crown")},
    {TXT("CrB"), TXT("Corona Borealis"), TXT("Coronae Borealis"), TXT("Northern Crown")},
    {TXT("Crv"), TXT("Corvus"), TXT("Corvi"), TXT("Crow")},
    {TXT("Crt"), TXT("Crater"), TXT("Crateris"), TXT("Cup")},
    {TXT("Cru"), TXT("Crux"), TXT("Crucis"), TXT("Southern Cross")},
    // 30
    {TXT("Cyg"), TXT("Cygnus"), TXT("Cygni"), TXT("Swan")},
    {TXT("Del"), TXT("Delphinus"), TXT("Delphini"), TXT("Dolphin")},
    {TXT("Dor"), TXT("Dorado"), TXT("Doradus"), TXT("Swordfish")},
    {TXT("Dra"), TXT("Draco"), TXT("Draconis"), TXT("Dragon")},
    {TXT("Equ"), TXT("Equuleus"), TXT("Equulei"), TXT("Little Horse")},
    {TXT("Eri"), TXT("Eridanus"), TXT("Eridani"), TXT("Eridanus")},
    {TXT("For"), TXT("Fornax"), TXT("Fornacis"), TXT("Furnace")},
    {TXT("Gem"), TXT("Gemini"), TXT("Geminorum"), TXT("Twins")},
    {TXT("Gru"), TXT("Grus"), TXT("Gruis"), TXT("Crane")},
    {TXT("Her"), TXT("Hercules"), TXT("Herculis"), TXT("Hercules")},
    // 40
    {TXT("Hor"), TXT("Horologium"), TXT("Horologii"), TXT("Clock")},
    {TXT("Hya"), TXT("Hydra"), TXT("Hydrae"), TXT("Sea Serpent")},
    {TXT("Hyi"), TXT("Hydrus"), TXT("Hydri"), TXT("Little Snake")},
    {TXT("Ind"), TXT("Indus"), TXT("Indi"), TXT("Indian")},
    {TXT("Lac"), TXT("Lacerta"), TXT("Lacertae"), TXT("Lizard")},
    {TXT("Leo"), TXT("Leo"), TXT("Leonis"), TXT("Lion")},
    {TXT("LMi"), TXT("Leo Minor"), TXT("Leonis Minoris"), TXT("Little Lion")},
    {TXT("Lep"), TXT("Lepus"), TXT("Leporis"), TXT("Hare")},
    {TXT("Lib"), TXT("Libra"), TXT("Librae"), TXT("Scales")},
    {TXT("Lup"), TXT("Lupus"), TXT("Lupi"), TXT("Wolf")},
    // 50
    {TXT("Lyn"), TXT("Lynx"), TXT("Lyncis"), TXT("Lynx")},
    {TXT("Lyr"), TXT("Lyra"), TXT("Lyrae"), TXT("Lyre")},
    {TXT("Men"), TXT("Mensa"), TXT("Mensae"), TXT("Table Mountain")},
    {TXT("Mic"), TXT("Microscopium"), TXT("Microscopii"), TXT("Microscope")},
    {TXT("Mon"), TXT("Monoceros"), TXT("Monocerotis"), TXT("Unicorn")},
    {TXT("Mus"), TXT("Musca"), TXT("Muscae"), TXT("Southern Fly")},
    {TXT("Nor"), TXT("Norma"), TXT("Normae"), TXT("Rule")},
    {TXT("Oct"), TXT("Octans"), TXT("Octantis"), TXT("Octant")},
    {TXT("Oph"), TXT("Ophiuchus"), TXT("Ophiuchi"), TXT("Serpent Bearer")},
    {TXT("Ori"), TXT("Orion"), TXT("Orionis"), TXT("Orion")},
    // 60
    {TXT("Pav"), TXT("Pavo"), TXT("Pavonis"), TXT("Peacock")},
    {TXT("Peg"), TXT("Pegasus"), TXT("Pegasi"), TXT("Flying Horse")},
    {TXT("Per"), TXT("Perseus"), TXT("Persei"), TXT("Perseus")},
    {TXT("Phe"), TXT("Phoenix"), TXT("Phoenicis"), TXT("Phoenix")},
    {TXT("Pic"), TXT("Pictor"), TXT("Pictoris"), TXT("Painter")},
    {TXT("Psc"), TXT("Pisces"), TXT("Piscium"), TXT("Fish")},
    {TXT("PsA"), TXT("Pisces Austrinus"), TXT("Piscis Austrini"), TXT("Southern Fish")},
    {TXT("Pup"), TXT("Puppis"), TXT("Puppis"), TXT("Poop of Argo")},
    {TXT("Pyx"), TXT("Pyxis"), TXT("Pyxidis"), TXT("Mariner's Compass")},
    {TXT("Ret"), TXT("Reticulum"), TXT("Reticuli"), TXT("Net")},
    // 70
    {TXT("Sge"), TXT("Sagitta"), TXT("Sagittae"), TXT("Arrow")},
    {TXT("Sgr"), TXT("Sagittarius"), TXT("Sagittarii"), TXT("Archer")},
    {TXT("Sco"), TXT("Scorpio"), TXT("Scorpii"), TXT("Scorpion")},
    {TXT("Scl"), TXT("Sculptor"), TXT("Sculptoris"), TXT("Sculptor")},
    {TXT("Sct"), TXT("Scutum"), TXT("Scuti"), TXT("Shield")},
    {TXT("Ser"), TXT("Serpens"), TXT("Serpentis"), TXT("Serpent")},
    {TXT("Sex"), TXT("Sextans"), TXT("Sextantis"), TXT("Sextant")},
    {TXT("Tau"), TXT("Taurus"), TXT("Tauri"), TXT("Bull")},
    {TXT("Tel"), TXT("Telescopium"), TXT("Telescopii"), TXT("Telescope")},
    {TXT("Tri"), TXT("Triangulum"), TXT("Trianguli"), TXT("Triangle")},
    // 80
    {TXT("TrA"), TXT("Triangulum Australe"), TXT("Trianguli Australis"), TXT("Southern Triangle")},
    {TXT("Tuc"), TXT("Tucana"), TXT("Tucanae"), TXT("Toucana")},
    {TXT("UMa"), TXT("Ursa Maior"), TXT("Ursae Maioris"), TXT("Big Dipper")},
    {TXT("UMi"), TXT("Ursa Minor"), TXT("Ursae Minoris"), TXT("Little Dipper")},
    {TXT("Vel"), TXT("Vela"), TXT("Velorum"), TXT("Sail of Argos")},
    {TXT("Vir"), TXT("Virgo"), TXT("Virginis"), TXT("Virgin")},
    {TXT("Vol"), TXT("Volans"), TXT("Volantis"), TXT("Flying Fish")},
    {TXT("Vul"), TXT("Vulpecula"), TXT("Vulpeculae"), TXT("Fox")},
};

// Case-insensitive for A..Z only; whole texts.
bool AbbreviationEquals(const Char* a, const Char* b) noexcept {
    while (*a && FoldUpper(*a) == FoldUpper(*b)) {
        ++a;
        ++b;
    }
    return FoldUpper(*a) == FoldUpper(*b);
}

}  // namespace

const ConstellationNames* ConstellationNamesAt(int number) noexcept {
    return number >= 0 && number < kConstellationCount ? &kConstellationNames[number] : nullptr;
}

const ConstellationNames& ConstellationObject::Names() const noexcept {
    return kConstellationNames[number_];
}

const Char* ConstellationObject::CelestialObjectNextName(int& cursor,
                                                         const NameSystem* system) const {
    const Char* name = nullptr;
    if (cursor == 0 && system) {
        if (system->GetId() == kConstellationClassic) name = Names().latin;
        if (system->GetId() == kConstellationModern) name = Names().english;
    }
    cursor = name ? 1 : kCursorEnd;
    return name;
}

void ConstellationObject::CelestialObjectNameParts(String& main, String& extra) const {
    StringAssign(main, Names().latin);
    StringAssign(extra, Names().english);
}

const Char* ConstellationObject::GetPlainName() const { return Names().latin; }

ConstellationObject* ConstellationCatalogue::MutableAt(int number) noexcept {
    return number >= 0 && number < Count() ? &Objects()[static_cast<std::size_t>(number)]
                                           : nullptr;
}

ConstellationCatalogue& GetConstellationCatalogue() {
    static ConstellationCatalogue catalogue;
    return catalogue;
}

bool CreateConstellations() {
    std::vector<ConstellationObject>& objects = GetConstellationCatalogue().Objects();
    objects.clear();
    objects.reserve(kConstellationCount);
    for (int number = 0; number < kConstellationCount; ++number) objects.emplace_back(number);
    return LoadConstellationZones();
}

const ConstellationObject* FindConstellationByAbbreviation(const Char* text) noexcept {
    if (!text) return nullptr;
    for (const ConstellationObject& constellation : GetConstellationCatalogue().Objects()) {
        if (AbbreviationEquals(constellation.Names().abbreviation, text)) return &constellation;
    }
    return nullptr;
}

const ConstellationObject* ConstellationOfPosition(double jd, const SkyCoordinates& position) {
    SkyCoordinates c = position;
    if (c.system == kGalacticSystem) GalacticToEquatorialOfDate(c, jd);
    if (c.system == kEquatorialSystem) EquatorialToEcliptic(c, jd);
    if (c.system != kEclipticalSystem || !(std::fabs(c.latitude) <= 90.0) ||
        !std::isfinite(c.longitude)) {
        return nullptr;
    }
    static const double boundaryEpoch = EquinoxEpochJulianDay(kEpochBoundaries1875);
    static const double boundaryObliquity = TrueObliquity(boundaryEpoch);
    PrecessEcliptic(jd, boundaryEpoch, c.longitude, c.latitude);
    EclipticToEquatorialAt(c, boundaryObliquity);
    return FindConstellationAt(ReduceDegrees(c.longitude), c.latitude);
}

const ConstellationObject* ZodiacSignConstellation(int sign) noexcept {
    return GetConstellationCatalogue().At(ZodiacSignConstellationIndex(sign));
}

int ConstellationPrincipalLetter(int constellation) noexcept {
    constexpr int kAlpha = 0, kBeta = 1, kDelta = 3, kEpsilon = 4, kZeta = 5;
    switch (constellation) {
    case 46:  // Leo Minor
        return kBeta;
    case 56:  // Norma
        return kEpsilon;
    case 67:  // Puppis
        return kZeta;
    case 84:  // Vela
        return kDelta;
    default:
        return kAlpha;
    }
}

const std::uint32_t* NextConstellationStar(const ConstellationObject& constellation,
                                           int& cursor) noexcept {
    const std::vector<std::uint32_t>& stars = constellation.Stars();
    if (cursor < 0 || cursor >= static_cast<int>(stars.size())) {
        cursor = kCursorEnd;
        return nullptr;
    }
    return &stars[static_cast<std::size_t>(cursor++)];
}

}  // namespace corvinata
