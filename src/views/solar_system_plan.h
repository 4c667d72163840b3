// The plan view of the solar system seen from the ecliptic's north pole:
// where each body, orbit, sight line and ring mark lands in a display of a
// given size, which labels a zoom level shows, which body a click finds,
// and the drawing of the whole plan through a thin canvas (GDI in the
// window, a recording canvas in the tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/option_records.h"
#include "app/solar_system_document.h"
#include "base/colour_table.h"
#include "base/text_char.h"

namespace corvinata {

constexpr int kSolarZoomCount = 9;
constexpr int kDefaultSolarZoom = 3;
// Distance from the Sun (AU) shown at half the side of the drawing square,
// by zoom level (0 Mercury .. 8 Pluto).
constexpr double kZoomRadiusAu[kSolarZoomCount] = {0.6, 0.9, 1.3, 2.0, 6.5, 12.5, 23.0, 35.5, 55.0};
// Which labels a zoom level keeps: planets from this catalogue index on;
// the Sun's only at 0; the Earth's and the whole Moon up to 1.
constexpr int kLabelDetail[kSolarZoomCount] = {0, 0, 0, 0, 1, 2, 3, 3, 3};

// A zoom level read from outside (a state record, a script): 0..8 as is,
// anything else the default.
constexpr int NormaliseSolarZoom(int zoom) noexcept {
    return zoom >= 0 && zoom < kSolarZoomCount ? zoom : kDefaultSolarZoom;
}

constexpr bool PlanShowsPlanetLabel(int zoom, int planetIndex) noexcept {
    return planetIndex >= kLabelDetail[NormaliseSolarZoom(zoom)];
}
constexpr bool PlanShowsSunLabel(int zoom) noexcept { return kLabelDetail[NormaliseSolarZoom(zoom)] == 0; }
constexpr bool PlanShowsEarthLabelAndMoon(int zoom) noexcept {
    return kLabelDetail[NormaliseSolarZoom(zoom)] <= 1;
}

// Body types of the plan, as the catalogues number them.
enum PlanBodyType : int { kPlanSun = 0, kPlanMoon = 1, kPlanPlanet = 2, kPlanEarth = 3 };

struct PlanBody {
    int type = kPlanSun;
    int index = 0;
};
constexpr bool operator==(PlanBody a, PlanBody b) noexcept { return a.type == b.type && a.index == b.index; }

// The symbol font's code of a body: Sun 0xE5, Moon 0xE6, Mercury 0xE7 ..
// Pluto 0xEF with the Earth's 0xE9 between Venus and Mars.
Char PlanSymbolCode(PlanBody body) noexcept;

// The square the plan fills: side min(w, h), centred along the longer side.
struct PlanSquare {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
    int half = 0;
};
PlanSquare GetDrawingSquare(int width, int height) noexcept;

struct PlanPixel {
    int x = 0;
    int y = 0;
};
constexpr bool operator==(PlanPixel a, PlanPixel b) noexcept { return a.x == b.x && a.y == b.y; }

struct PlanPoint {
    double x = 0.0;
    double y = 0.0;
    bool inside = false;
    PlanPixel pixel;
};

// A body at heliocentric longitude (degrees) and radius (AU): longitude 0
// to the right, growing counter-clockwise.
PlanPoint ProjectHeliocentric(const PlanSquare& square, double longitude, double radiusAu, int zoom) noexcept;
// The Moon: always 10 pixels from the Earth in its geocentric direction.
PlanPoint ProjectMoon(const PlanSquare& square, double earthLongitude, double earthRadiusAu,
                      double moonLongitude, int zoom) noexcept;
// A point of the zodiac ring: longitude, fraction of the half side, around
// the square's centre shifted by (dx, dy).
PlanPixel ProjectRingPoint(const PlanSquare& square, double longitude, double fraction, int dx, int dy) noexcept;

// Where the document's bodies are, as the plan reads them.
struct PlanPositions {
    int planetCount = 0;
    SolarSystemPoint planets[8];
    SolarSystemPoint earth;
    double moonLongitude = 0.0;
    const std::vector<SolarSystemPoint>* planetTracks[8] = {};
    const std::vector<SolarSystemPoint>* earthTrack = nullptr;
};
PlanPositions PlanPositionsOf(const SolarSystemDocument& document);

// Where a body is drawn (the Sun at the square's centre).
PlanPoint PlanBodyPoint(const PlanSquare& square, const PlanPositions& positions, int zoom, PlanBody body) noexcept;

// The nearest candidate to the point by pixel distance, the earlier on a
// tie: the planets inside the display, the Sun, the Earth (also outside)
// and the Moon when it is shown. The Sun always competes, so a body is
// always found.
PlanBody HitTestSolarSystem(const PlanSquare& square, const PlanPositions& positions, int zoom, bool moonOn,
                            int x, int y) noexcept;

// Where each zodiac constellation begins along the ecliptic (Aries first)
// and the middle of its stretch, where its abbreviation goes.
extern const double kZodiacConstellationStart[12];
extern const char* const kZodiacAbbreviations[12];
double ZodiacConstellationLabelLongitude(int k) noexcept;

// The colours of the plan's elements, by day or by night vision.
struct PlanColours {
    Colour text, orbit, sun, planet, moon, sight, ring, highlight;
};
PlanColours PlanColoursFor(bool nightVision) noexcept;

enum class PlanFont { kDisplay, kSymbol };
// Text anchors: centred over the point with its top or its bottom there,
// or its top-left corner there.
enum class PlanAlign { kCentreTop, kCentreBottom, kLeftTop };

class PlanCanvas {
public:
    virtual ~PlanCanvas() = default;
    // A width-0 pen for the lines that follow, solid or dotted.
    virtual void SetPen(Colour colour, bool dotted) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // The pixel and its four neighbours.
    virtual void PlusMark(int x, int y, Colour colour) = 0;
    virtual void Text(int x, int y, const std::u16string& text, PlanFont font, PlanAlign align,
                      Colour colour) = 0;
    // Height of a ring label's text in the display font.
    virtual int RingTextHeight() = 0;
    // The size of a text in a font, pixels.
    virtual int TextWidth(const std::u16string& text, PlanFont font) = 0;
    virtual int TextHeight(PlanFont font) = 0;
    // A hollow circle of radius 10 around the point.
    virtual void Ring(int x, int y, Colour colour) = 0;
};

// Everything one paint reads.
struct PlanScene {
    int width = 0;
    int height = 0;
    SolarSystemOptions options;
    int zoom = kDefaultSolarZoom;
    bool nightVision = false;
    PlanPositions positions;
    // Sun, Moon, planets 0..7, Earth.
    std::u16string names[11];
    bool hasSelection = false;
    PlanBody selected;
    bool highlight = false;
};

// The key names of the bodies from the catalogues, in the scene's order.
void PlanNamesFromCatalogues(std::u16string (&names)[11]);

void DrawSolarSystemPlan(const PlanScene& scene, PlanCanvas& canvas);
// The zodiac ring alone (part of the plan).
void DrawZodiacRing(const PlanScene& scene, const PlanSquare& square, PlanPixel earth, PlanCanvas& canvas);
// The dotted line from the Earth through a planet to the display's edge;
// nothing when the two points coincide.
void DrawSightLine(const PlanScene& scene, PlanPixel earth, PlanPixel planet, PlanCanvas& canvas);

}  // namespace corvinata
