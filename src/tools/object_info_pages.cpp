#include "tools/object_info_pages.h"

#include <initializer_list>
#include <string>

#include "base/angle_value.h"
#include "base/greek_letters.h"
#include "base/text_format.h"
#include "catalog/catalogue_registry.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/deep_sky_catalogue.h"
#include "catalog/deep_sky_types.h"
#include "catalog/dreyer_english.h"
#include "catalog/dreyer_parser.h"
#include "catalog/moon_catalogue.h"
#include "catalog/planet_catalogue.h"
#include "catalog/satellite_catalogues.h"
#include "catalog/star_catalogue.h"
#include "catalog/sun_earth_catalogues.h"

namespace corvinata {
namespace {

using Text = std::basic_string<Char>;

constexpr const wchar_t* kTemplateNames[kObjectInfoPageCount] = {
    L"DLG_INFOCURR",          L"DLG_INFO_NO_ORBITAL_DATA", L"DLG_INFO_NO_PHYSICAL_DATA", L"DLG_INFOORBEARTH",
    L"DLG_INFOORBJUPITERMOON", L"DLG_INFOORBMOON",          L"DLG_INFOORBPLANET",         L"DLG_INFOORBSUN",
    L"DLG_INFOORBSATURNMOON",  L"DLG_INFOPHYSCONSTELL",     L"DLG_INFOPHYSEARTH",         L"DLG_INFOPHYSJUPITERMOON",
    L"DLG_INFOPHYSMOON",       L"DLG_INFOPHYSNGC",          L"DLG_INFOPHYSPLANET",        L"DLG_INFOPHYSSUN",
    L"DLG_INFOPHYSSATURNMOON",
};

// Physical and orbital pages of the kinds 0..8, in kind order.
constexpr ObjectInfoPage kPhysicalPages[] = {
    ObjectInfoPage::kPhysicalSun,           ObjectInfoPage::kPhysicalMoon,        ObjectInfoPage::kPhysicalPlanet,
    ObjectInfoPage::kPhysicalEarth,         ObjectInfoPage::kNoPhysicalData,      ObjectInfoPage::kPhysicalConstellation,
    ObjectInfoPage::kPhysicalDeepSky,       ObjectInfoPage::kPhysicalSaturnMoon,  ObjectInfoPage::kPhysicalJupiterMoon,
};
constexpr ObjectInfoPage kOrbitalPages[] = {
    ObjectInfoPage::kOrbitalSun,   ObjectInfoPage::kOrbitalMoon,   ObjectInfoPage::kOrbitalPlanet,
    ObjectInfoPage::kOrbitalEarth, ObjectInfoPage::kNoOrbitalData, ObjectInfoPage::kNoOrbitalData,
    ObjectInfoPage::kNoOrbitalData, ObjectInfoPage::kOrbitalSaturnMoon, ObjectInfoPage::kOrbitalJupiterMoon,
};

// The symbol table's entries: Sun .. Pluto, the small and the capital Greek
// letters, two unexplained codes around the degree ring, subscript 0 and g,
// the variant pi, and the superscript digits 0..9, one unexplained code and
// the superscript minus.
constexpr unsigned char kSymbolCodes[] = {
    0xE5, 0xE6, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF,
    0xCC, 0xCD, 0xCE, 0xCF, 0xD0, 0xD1, 0xD2, 0xD3, 0xD4, 0xD5, 0xD6, 0xD7,
    0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDE, 0xDF, 0xE0, 0xE1, 0xE2, 0xE3, 0xE4,
    0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF,
    0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xCB,
    0xF0, 0xB0, 0xF1, 0xFE, 0xAF, 0xFF,
    0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD,
};

// Entries by meaning.
constexpr int kSmallEpsilon = 15;
constexpr int kSmallPi = 26;
constexpr int kCapitalTheta = 42;
constexpr int kCapitalOmega = 58;
constexpr int kSubscriptZero = 62;
constexpr int kSubscriptG = 63;
constexpr int kVariantPi = 64;
constexpr int Superscript(int digit) { return 65 + digit; }
constexpr int kSuperscriptMinus = 76;

String Fixed(double value, int decimals) {
    String out;
    FormatDouble(value, decimals, out, false);
    return out;
}

// Up to `decimals` decimals: trailing zeros and a bare point dropped.
String UpTo(double value, int decimals) { return Fixed(value, -decimals); }

String Whole(int value) {
    String out;
    StringFromInteger(value, 0, out, true, ' ');
    return out;
}

class PageBuilder {
public:
    PageBuilder(ObjectInfoPageContent& content, const ObjectInfoDisplay& display)
        : content_(content), display_(display) {}

    void Value(int control, String text) { content_.values.push_back({control, std::move(text)}); }
    void Angle(int control, double degrees) {
        String out;
        FullCircleAngleValue(degrees, kShowDegrees).Format(out, display_.angleStyle, kToSecond, kAutomaticDecimals);
        Value(control, std::move(out));
    }
    void Inclination(int control, double degrees) {
        String out;
        LatitudeValue(degrees, kLatitudeMinusSign).Format(out, kAngleDecimal, 3, 6);
        Value(control, std::move(out));
    }
    // The next label of the page, after its own caption or, in a row of
    // two labels, after the text that follows the previous one.
    void Symbols(std::initializer_list<int> entries, bool afterPrevious = false) {
        const int n = static_cast<int>(content_.labels.size());
        const int before = afterPrevious ? kIdInfoFirstSymbolAfter + n - 1 : kIdInfoFirstSymbolCaption + n;
        Text glyphs;
        for (int entry : entries) glyphs.push_back(SymbolFontCode(entry));
        content_.labels.push_back(
            {before, kIdInfoFirstSymbolLabel + n, kIdInfoFirstSymbolAfter + n, String(glyphs.c_str())});
    }
    const ObjectInfoDisplay& Display() const { return display_; }
    ObjectInfoPageContent& Content() { return content_; }

private:
    ObjectInfoPageContent& content_;
    const ObjectInfoDisplay& display_;
};

void OrbitalSun(PageBuilder& b, const SunObject& sun) {
    b.Symbols({kSmallEpsilon, kSubscriptG});
    b.Angle(20670, sun.eclipticLongitudeAtEpoch);
    b.Symbols({kVariantPi, kSubscriptG});
    b.Angle(20671, sun.eclipticLongitudeOfPerigee);
    b.Value(20669, Fixed(sun.eccentricity, 6));
    b.Symbols({kSubscriptZero});
    b.Value(20692, Fixed(sun.semiMajorAxis / 1e8, 6));
    b.Symbols({Superscript(8)});
    b.Symbols({kSubscriptZero});
    b.Symbols({kCapitalTheta, kSubscriptZero}, true);
    b.Angle(20665, sun.angularDiameter);
}

void OrbitalMoon(PageBuilder& b, const MoonObject& moon) {
    b.Symbols({kSubscriptZero});
    b.Angle(20670, moon.meanLongitudeAtEpoch);
    b.Symbols({kSubscriptZero});
    b.Angle(20671, moon.meanLongitudeOfPerigee);
    b.Symbols({kSubscriptZero});
    b.Angle(20675, moon.meanLongitudeOfNode);
    b.Inclination(20673, moon.inclination);
    b.Value(20669, Fixed(moon.eccentricity, 6));
    b.Value(20692, Fixed(moon.semiMajorAxis, 0));
    b.Symbols({kCapitalTheta, kSubscriptZero});
    b.Angle(20665, moon.angularSize);
    b.Symbols({kSmallPi, kSubscriptZero});
    b.Value(20687, Fixed(moon.parallax, 4));
    b.Value(20684, Fixed(moon.minimumDistanceFromEarth, 0));
    b.Value(20681, Fixed(moon.meanDistanceFromEarth, 0));
    b.Value(20678, Fixed(moon.maximumDistanceFromEarth, 0));
    b.Value(20688, Fixed(moon.siderealPeriod, 5));
}

constexpr double kDaysPerTropicalYear = 365.242199;

void OrbitalPlanet(PageBuilder& b, const PlanetObject& planet) {
    const PlanetConstants& c = planet.Constants();
    b.Value(20688, Fixed(c.orbitalPeriod * kDaysPerTropicalYear, 3));
    b.Value(20689, Fixed(c.orbitalPeriod, 3));
    b.Symbols({kSmallEpsilon});
    b.Angle(20670, c.meanLongitude);
    b.Symbols({kVariantPi});
    b.Angle(20671, c.perihelionLongitude);
    b.Symbols({kCapitalOmega});
    b.Angle(20675, c.ascendingNode);
    b.Value(20692, Fixed(c.semiMajorAxis, 7));
    String inclination;
    FullCircleAngleValue(c.inclination, kShowDegrees).Format(inclination, b.Display().angleStyle, kToSecond, 6);
    b.Value(20673, std::move(inclination));
    b.Value(20669, Fixed(c.eccentricity, 6));
    b.Symbols({kCapitalTheta, kSubscriptZero});
    b.Value(20665, Fixed(c.angularDiameter, 2));
    b.Value(20666, Fixed(c.brightnessFactor * 1e6, 3));
    b.Symbols({kSuperscriptMinus, Superscript(6)});
    b.Symbols({Superscript(2)}, true);
    b.Value(20683, Fixed(c.orbitalVelocity, 1));
    b.Value(20685, Fixed(c.perihelionDistance, 3));
    b.Value(20682, Fixed(c.meanDistance, 3));
    b.Value(20679, Fixed(c.aphelionDistance, 3));
    b.Value(20667, Fixed(c.orbitLength, 0));
    b.Symbols({Superscript(6)});
    b.Value(20684, Fixed(c.leastEarthDistance, 3));
    b.Value(20678, Fixed(c.greatestEarthDistance, 3));
}

void OrbitalEarth(PageBuilder& b, const EarthObject& earth) {
    b.Value(20688, Fixed(earth.tropicalPeriod * kDaysPerTropicalYear, 3));
    b.Value(20689, Fixed(earth.tropicalPeriod, 5));
    b.Value(20690, Fixed(earth.siderealPeriod, 3));
    b.Symbols({kSmallEpsilon});
    b.Angle(20670, earth.longitudeAtEpoch);
    b.Symbols({kVariantPi});
    b.Angle(20671, earth.longitudeOfPerihelion);
    b.Value(20669, Fixed(earth.eccentricity, 6));
    b.Value(20683, Fixed(earth.meanOrbitalVelocity, 1));
    b.Value(20667, Fixed(earth.orbitCircumference, 0));
    b.Symbols({Superscript(6)});
    b.Value(20685, Fixed(earth.minimumDistanceFromSun / 1e6, 1));
    b.Symbols({Superscript(6)});
    b.Value(20682, Fixed(earth.meanDistanceFromSun / 1e6, 1));
    b.Symbols({Superscript(6)});
    b.Value(20679, Fixed(earth.maximumDistanceFromSun / 1e6, 1));
    b.Symbols({Superscript(6)});
}

void OrbitalSatellite(PageBuilder& b, double period, double eccentricity, double inclination, double axis) {
    b.Value(20688, Fixed(period, 4));
    b.Value(20669, Fixed(eccentricity, 3));
    b.Inclination(20673, inclination);
    b.Value(20692, Fixed(axis * 1000.0, 0));
}

void PhysicalSun(PageBuilder& b, const SunObject& sun) {
    b.Value(20691, Fixed(sun.radius / 1e8, 3));
    b.Symbols({Superscript(8)});
    b.Value(20677, Fixed(sun.mass / 1e30, 3));
    b.Symbols({Superscript(3), Superscript(0)});
    b.Value(20680, Fixed(sun.meanDensity, 3));
    b.Symbols({Superscript(3)});
    b.Value(20672, Fixed(sun.escapeVelocity, 1));
}

void PhysicalMoon(PageBuilder& b, const MoonObject& moon) {
    b.Value(20691, Fixed(moon.radius, 0));
    b.Value(20677, Fixed(moon.mass / 1e22, 3));
    b.Symbols({Superscript(2), Superscript(2)});
    b.Value(20680, Fixed(moon.meanDensity, 3));
    b.Symbols({Superscript(3)});
    b.Value(20672, Fixed(moon.escapeVelocity, 3));
    b.Value(20664, Fixed(moon.meanAlbedo, 3));
}

void PhysicalPlanet(PageBuilder& b, const PlanetObject& planet) {
    const PlanetConstants& c = planet.Constants();
    b.Value(20691, Fixed(c.equatorialRadius, 0));
    b.Value(20663, Fixed(c.flattening, 3));
    b.Value(20677, UpTo(c.mass / 1e22, 3));
    b.Symbols({Superscript(2), Superscript(2)});
    b.Value(20694, UpTo(c.relativeMass, 3));
    b.Value(20680, UpTo(c.density, 3));
    b.Symbols({Superscript(3)});
    b.Value(20672, UpTo(c.escapeVelocity, 3));
    b.Value(20686, Whole(planet.MoonCount()));
}

void PhysicalEarth(PageBuilder& b, const EarthObject& earth) {
    b.Value(20691, Fixed(earth.meanRadius, 6));
    b.Value(20663, Fixed(earth.flattening, 6));
    b.Value(20694, Fixed(earth.volume / 1e12, 4));
    b.Symbols({Superscript(1), Superscript(2)});
    b.Symbols({Superscript(3)}, true);
    b.Value(20677, Fixed(earth.mass / 1e24, 4));
    b.Symbols({Superscript(2), Superscript(4)});
    b.Value(20680, Fixed(earth.meanDensity, 3));
    b.Symbols({Superscript(3)});
    b.Value(20672, Fixed(earth.escapeVelocity, 1));
    b.Value(20683, Fixed(earth.meanOrbitalVelocity, 1));
}

void PhysicalSatellite(PageBuilder& b, int diameter, double mass, double density) {
    b.Value(20691, Whole(diameter));
    b.Value(20677, Fixed(mass / 100.0, 3));
    b.Symbols({Superscript(2), Superscript(2)});
    b.Value(20680, Fixed(density, 0));
    b.Symbols({Superscript(3)});
}

// One line of the star list: Bayer letter (and superscript), right
// ascension, declination, magnitude and name, separated by tabs.
String StarLine(const BrightStar& star, const ObjectInfoDisplay& display) {
    Text line;
    if (star.BayerLetter() >= 0) {
        line += GetGreekLetterName(star.BayerLetter());
        if (star.Superscript() > 0 && star.Superscript() < 10) line.push_back(static_cast<Char>('0' + star.Superscript()));
    }
    line.push_back('\t');
    String part;
    FullCircleAngleValue(star.RightAscension(), display.raUnit == 1 ? kShowHours : kShowDegrees)
        .Format(part, display.angleStyle, kToSecond, kAutomaticDecimals);
    line += part.Text();
    line.push_back('\t');
    LatitudeValue(star.Declination(), kLatitudeMinusSign).Format(part, display.angleStyle, kToSecond, kAutomaticDecimals);
    line += part.Text();
    line.push_back('\t');
    line += Fixed(star.Magnitude(), 2).Text();
    line.push_back('\t');
    line += ObjectKeyName(star);
    return String(line.c_str());
}

void PhysicalConstellation(PageBuilder& b, const ConstellationObject& constellation) {
    b.Value(20500, String(constellation.Names().abbreviation));
    b.Value(20662, String(constellation.Names().genitive));
    b.Value(20693, Whole(static_cast<int>(constellation.Stars().size())));
    const StarCatalogue& stars = GetStarCatalogue();
    int cursor = 0;
    while (const std::uint32_t* index = NextConstellationStar(constellation, cursor)) {
        if (const BrightStar* star = stars.At(static_cast<int>(*index)))
            b.Content().starLines.push_back(StarLine(*star, b.Display()));
    }
}

void PhysicalDeepSky(PageBuilder& b, const DeepSkyObject& object) {
    DeepSkyInfoTexts texts = DeepSkyInfoPageTexts(object);
    b.Value(20814, std::move(texts.type));
    b.Value(20660, std::move(texts.stored));
    b.Value(20661, std::move(texts.description));
}

}  // namespace

const wchar_t* ObjectInfoPageTemplateName(ObjectInfoPage page) noexcept {
    const int index = static_cast<int>(page);
    return index >= 0 && index < kObjectInfoPageCount ? kTemplateNames[index] : nullptr;
}

ObjectInfoPage ObjectInfoPageFor(int tab, int bodyKind) noexcept {
    if (bodyKind < kBodySun || bodyKind > kBodyJupiterSatellite) return ObjectInfoPage::kNone;
    switch (tab) {
    case 0: return ObjectInfoPage::kCurrent;
    case 1: return kPhysicalPages[bodyKind];
    case 2: return kOrbitalPages[bodyKind];
    default: return ObjectInfoPage::kNone;
    }
}

Char SymbolFontCode(int entry) noexcept {
    constexpr int count = static_cast<int>(sizeof kSymbolCodes);
    return entry >= 0 && entry < count ? static_cast<Char>(kSymbolCodes[entry]) : Char(0);
}

ObjectInfoPageContent ObjectInfoPageTexts(ObjectInfoPage page, const CelestialObject& selected,
                                          const ObjectInfoDisplay& display) {
    ObjectInfoPageContent content;
    PageBuilder b(content, display);
    const SunObject* sun = GetSunCatalogue().At(0);
    const MoonObject* moon = GetMoonCatalogue().At(0);
    const EarthObject* earth = GetEarthCatalogue().At(0);
    switch (page) {
    case ObjectInfoPage::kOrbitalSun:
        if (sun) OrbitalSun(b, *sun);
        break;
    case ObjectInfoPage::kPhysicalSun:
        if (sun) PhysicalSun(b, *sun);
        break;
    case ObjectInfoPage::kOrbitalMoon:
        if (moon) OrbitalMoon(b, *moon);
        break;
    case ObjectInfoPage::kPhysicalMoon:
        if (moon) PhysicalMoon(b, *moon);
        break;
    case ObjectInfoPage::kOrbitalEarth:
        if (earth) OrbitalEarth(b, *earth);
        break;
    case ObjectInfoPage::kPhysicalEarth:
        if (earth) PhysicalEarth(b, *earth);
        break;
    case ObjectInfoPage::kOrbitalPlanet:
        if (auto* planet = dynamic_cast<const PlanetObject*>(&selected)) OrbitalPlanet(b, *planet);
        break;
    case ObjectInfoPage::kPhysicalPlanet:
        if (auto* planet = dynamic_cast<const PlanetObject*>(&selected)) PhysicalPlanet(b, *planet);
        break;
    case ObjectInfoPage::kOrbitalJupiterMoon:
        if (auto* s = dynamic_cast<const JovianSatelliteObject*>(&selected))
            OrbitalSatellite(b, s->period, s->eccentricity, s->inclination, s->semiMajorAxis);
        break;
    case ObjectInfoPage::kPhysicalJupiterMoon:
        if (auto* s = dynamic_cast<const JovianSatelliteObject*>(&selected))
            PhysicalSatellite(b, s->diameter, s->mass, s->meanDensity);
        break;
    case ObjectInfoPage::kOrbitalSaturnMoon:
        if (auto* s = dynamic_cast<const SaturnianSatelliteObject*>(&selected))
            OrbitalSatellite(b, s->Period(), s->Eccentricity(), s->Inclination(),
                                                       s->SemiMajorAxis());
        break;
    case ObjectInfoPage::kPhysicalSaturnMoon:
        if (auto* s = dynamic_cast<const SaturnianSatelliteObject*>(&selected)) {
            PhysicalSatellite(b, s->Diameter(), s->Mass(), s->Density());
            b.Value(20676, Fixed(s->Magnitude(), 1));
        }
        break;
    case ObjectInfoPage::kPhysicalConstellation:
        if (auto* c = dynamic_cast<const ConstellationObject*>(&selected)) PhysicalConstellation(b, *c);
        break;
    case ObjectInfoPage::kPhysicalDeepSky:
        if (auto* d = dynamic_cast<const DeepSkyObject*>(&selected)) PhysicalDeepSky(b, *d);
        break;
    default:
        break;
    }
    return content;
}

DeepSkyInfoTexts DeepSkyInfoPageTexts(const DeepSkyObject& object) {
    DeepSkyInfoTexts texts;
    texts.type = String(DeepSkyTypeAt(static_cast<int>(object.Type())).description);
    texts.stored = String(object.Description());
    DreyerNode node;
    if (ParseDreyerDescription(object.Description(), node) != kDreyerMatched) {
        texts.description = String(TXT("Unable to parse the Dreyer description."));
        return texts;
    }
    String english;
    DescribeDreyerNode(node, english);
    Text text(english.Text());
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<Char>(text[0] - 'a' + 'A');
    texts.description = String(text.c_str());
    return texts;
}

}  // namespace corvinata
