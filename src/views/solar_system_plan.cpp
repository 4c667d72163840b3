#include "views/solar_system_plan.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "catalog/catalogue_registry.h"
#include "catalog/moon_catalogue.h"
#include "catalog/planet_catalogue.h"
#include "catalog/sun_earth_catalogues.h"
#include "views/label_placement.h"

namespace corvinata {

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
constexpr double kMoonOffsetPixels = 10.0;
constexpr int kLabelBelow = 7;
constexpr int kSymbolAbove = 20;
constexpr double kRingRadius = 0.95;

int NameSlot(PlanBody body) noexcept {
    switch (body.type) {
        case kPlanSun:
            return 0;
        case kPlanMoon:
            return 1;
        case kPlanPlanet:
            return 2 + body.index;
        default:
            return 10;
    }
}

int Round(double v) noexcept { return static_cast<int>(v + 0.5); }

PlanPoint Finish(const PlanSquare& square, double x, double y) noexcept {
    PlanPoint p;
    p.x = x;
    p.y = y;
    p.inside = x >= 0.0 && x <= square.width && y >= 0.0 && y <= square.height;
    p.pixel = {Round(x), Round(y)};
    return p;
}

std::u16string Ascii(const char* text) {
    std::u16string out;
    for (; *text; ++text) out.push_back(static_cast<char16_t>(*text));
    return out;
}

}  // namespace

Char PlanSymbolCode(PlanBody body) noexcept {
    switch (body.type) {
        case kPlanSun:
            return static_cast<Char>(0xE5);
        case kPlanMoon:
            return static_cast<Char>(0xE6);
        case kPlanEarth:
            return static_cast<Char>(0xE9);
        default:
            return static_cast<Char>(body.index < 2 ? 0xE7 + body.index : 0xE8 + body.index);
    }
}

PlanSquare GetDrawingSquare(int width, int height) noexcept {
    PlanSquare s;
    s.width = width;
    s.height = height;
    const int side = width < height ? width : height;
    if (width > height) {
        s.left = (width - side) / 2;
    } else {
        s.top = (height - side) / 2;
    }
    s.half = side / 2;
    return s;
}

PlanPoint ProjectHeliocentric(const PlanSquare& square, double longitude, double radiusAu, int zoom) noexcept {
    const double scale = radiusAu * square.half / kZoomRadiusAu[NormaliseSolarZoom(zoom)];
    const double a = longitude * kDegreesToRadians;
    return Finish(square, square.left + square.half + std::cos(a) * scale,
                  square.top + square.half - std::sin(a) * scale);
}

PlanPoint ProjectMoon(const PlanSquare& square, double earthLongitude, double earthRadiusAu, double moonLongitude,
                      int zoom) noexcept {
    const PlanPoint earth = ProjectHeliocentric(square, earthLongitude, earthRadiusAu, zoom);
    const double m = moonLongitude * kDegreesToRadians;
    return Finish(square, earth.x + kMoonOffsetPixels * std::cos(m), earth.y - kMoonOffsetPixels * std::sin(m));
}

PlanPixel ProjectRingPoint(const PlanSquare& square, double longitude, double fraction, int dx, int dy) noexcept {
    const double a = longitude * kDegreesToRadians;
    const double x = square.left + square.half + dx + std::cos(a) * fraction * square.half;
    const double y = square.top + square.half + dy - std::sin(a) * fraction * square.half;
    return {Round(x), Round(y)};
}

PlanPositions PlanPositionsOf(const SolarSystemDocument& document) {
    PlanPositions p;
    for (int i = 0; i < 8; ++i) {
        const std::vector<SolarSystemPoint>& track = document.Track(i);
        p.planets[i] = document.Planet(i);
        p.planetTracks[i] = &track;
        if (!track.empty()) p.planetCount = i + 1;
    }
    p.earth = document.Earth();
    p.earthTrack = &document.Track(kSolarSystemEarth);
    p.moonLongitude = document.MoonAngle();
    return p;
}

PlanPoint PlanBodyPoint(const PlanSquare& square, const PlanPositions& positions, int zoom, PlanBody body) noexcept {
    switch (body.type) {
        case kPlanSun:
            return ProjectHeliocentric(square, 0.0, 0.0, zoom);
        case kPlanMoon:
            return ProjectMoon(square, positions.earth.angle, positions.earth.value, positions.moonLongitude, zoom);
        case kPlanPlanet: {
            const SolarSystemPoint& p = positions.planets[body.index >= 0 && body.index < 8 ? body.index : 0];
            return ProjectHeliocentric(square, p.angle, p.value, zoom);
        }
        default:
            return ProjectHeliocentric(square, positions.earth.angle, positions.earth.value, zoom);
    }
}

PlanBody HitTestSolarSystem(const PlanSquare& square, const PlanPositions& positions, int zoom, bool moonOn, int x,
                            int y) noexcept {
    PlanBody best{kPlanSun, 0};
    long long bestDistance = -1;
    auto consider = [&](PlanBody body, bool onlyInside) {
        const PlanPoint p = PlanBodyPoint(square, positions, zoom, body);
        if (onlyInside && !p.inside) return;
        const long long dx = x - p.pixel.x;
        const long long dy = y - p.pixel.y;
        const long long d = dx * dx + dy * dy;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = body;
        }
    };
    for (int i = 0; i < positions.planetCount; ++i) consider({kPlanPlanet, i}, true);
    consider({kPlanSun, 0}, false);
    consider({kPlanEarth, 0}, false);
    if (moonOn) consider({kPlanMoon, 0}, false);
    return best;
}

const double kZodiacConstellationStart[12] = {26.75, 51.25, 90.24, 120.25, 140.5, 174.5,
                                              215.5, 239.0, 266.0, 302.0, 329.75, 352.5};
const char* const kZodiacAbbreviations[12] = {"Ari", "Tau", "Gem", "Cnc", "Leo", "Vir",
                                              "Lib", "Sco", "Sgr", "Cap", "Aqr", "Psc"};

// Pisces runs over the equinox: the middle of its stretch lies past 360.
double ZodiacConstellationLabelLongitude(int k) noexcept {
    if (k < 11) return (kZodiacConstellationStart[k] + kZodiacConstellationStart[k + 1]) / 2.0;
    return (kZodiacConstellationStart[11] + kZodiacConstellationStart[0] + 360.0) / 2.0 - 360.0;
}

PlanColours PlanColoursFor(bool nightVision) noexcept {
    if (nightVision) {
        return {Colour{153, 0, 0}, Colour{51, 0, 0},  Colour{255, 0, 0},  Colour{204, 0, 0},
                Colour{153, 0, 0}, Colour{102, 0, 0}, Colour{102, 0, 0}, Colour{255, 0, 0}};
    }
    return {kColourTable[16].colour, kColourTable[14].colour, kColourTable[4].colour, kColourTable[16].colour,
            kColourTable[15].colour, kColourTable[14].colour, kColourTable[9].colour, kColourTable[3].colour};
}

void PlanNamesFromCatalogues(std::u16string (&names)[11]) {
    auto put = [&names](int slot, const CelestialObject* object) {
        names[slot].clear();
        if (!object) return;
        for (const Char* c = ObjectKeyName(*object); *c; ++c) names[slot].push_back(static_cast<char16_t>(*c));
    };
    put(0, GetSunCatalogue().At(0));
    put(1, GetMoonCatalogue().At(0));
    for (int i = 0; i < 8; ++i) put(2 + i, GetPlanetCatalogue().At(i));
    put(10, GetEarthCatalogue().At(0));
}

void DrawSightLine(const PlanScene& scene, PlanPixel earth, PlanPixel planet, PlanCanvas& canvas) {
    if (earth == planet) return;
    canvas.SetPen(PlanColoursFor(scene.nightVision).sight, true);
    const double ex = earth.x, ey = earth.y, px = planet.x, py = planet.y;
    canvas.MoveTo(earth.x, earth.y);
    if (std::abs(planet.y - earth.y) > std::abs(planet.x - earth.x)) {
        const double slope = (px - ex) / (py - ey);
        const double end = ey <= py ? scene.height : 0.0;
        canvas.LineTo(Round(ex + slope * (end - ey)), static_cast<int>(end));
    } else {
        const double slope = (py - ey) / (px - ex);
        const double end = ex <= px ? scene.width : 0.0;
        canvas.LineTo(static_cast<int>(end), Round(ey + slope * (end - ex)));
    }
}

void DrawZodiacRing(const PlanScene& scene, const PlanSquare& square, PlanPixel earth, PlanCanvas& canvas) {
    const SolarSystemOptions& o = scene.options;
    if (!o.zodiacRightAscension && !o.zodiacSigns && !o.zodiacConstellations) return;
    const Colour colour = PlanColoursFor(scene.nightVision).ring;
    canvas.SetPen(colour, false);
    const PlanPixel sun = ProjectHeliocentric(square, 0.0, 0.0, scene.zoom).pixel;
    const int dx = earth.x - sun.x;
    const int dy = earth.y - sun.y;
    const int lift = canvas.RingTextHeight() / 2;
    auto label = [&](double longitude, double fraction, const std::u16string& text) {
        const PlanPixel p = ProjectRingPoint(square, longitude, fraction, dx, dy);
        canvas.Text(p.x, p.y + lift, text, PlanFont::kDisplay, PlanAlign::kCentreBottom, colour);
    };
    auto tick = [&](double longitude, double from, double to) {
        const PlanPixel a = ProjectRingPoint(square, longitude, from, dx, dy);
        const PlanPixel b = ProjectRingPoint(square, longitude, to, dx, dy);
        canvas.MoveTo(a.x, a.y);
        canvas.LineTo(b.x, b.y);
    };
    const PlanPixel start = ProjectRingPoint(square, 0.0, kRingRadius, dx, dy);
    canvas.MoveTo(start.x, start.y);
    for (int a = 0; a <= 360; ++a) {
        const PlanPixel p = ProjectRingPoint(square, a, kRingRadius, dx, dy);
        canvas.LineTo(p.x, p.y);
    }
    for (int k = 0; k < 12; ++k) {
        const double a = 30.0 * k;
        if (o.zodiacRightAscension || o.zodiacSigns) tick(a, kRingRadius, 0.92);
        if (o.zodiacRightAscension) label(a, 0.88, Ascii((std::to_string(2 * k) + "h").c_str()));
        if (o.zodiacSigns) label(a + 15.0, 0.91, Ascii(kZodiacAbbreviations[k]));
    }
    if (o.zodiacConstellations) {
        for (int k = 0; k < 12; ++k) {
            tick(kZodiacConstellationStart[k], kRingRadius, 0.98);
            label(ZodiacConstellationLabelLongitude(k), 0.99, Ascii(kZodiacAbbreviations[k]));
        }
    }
}

namespace {

void DrawTrack(const PlanSquare& square, const std::vector<SolarSystemPoint>* track, int zoom, PlanCanvas& canvas) {
    if (!track || track->empty()) return;
    auto visit = [&](const SolarSystemPoint& point, bool first) {
        const PlanPoint p = ProjectHeliocentric(square, point.angle, point.value, zoom);
        if (first || !p.inside) {
            canvas.MoveTo(p.pixel.x, p.pixel.y);
        } else {
            canvas.LineTo(p.pixel.x, p.pixel.y);
        }
    };
    visit(track->front(), true);
    for (const SolarSystemPoint& point : *track) visit(point, false);
    visit(track->front(), false);
}

// The bodies' names and symbols, kept apart: each takes the place the plan
// gives it (the name below the body, the symbol above) unless a label drawn
// before lies there, then the other side, then right or left of the body;
// a label without a free place is left out. The Moon comes last, so that
// next to the Earth it gives way.
class PlanLabels {
public:
    PlanLabels(const PlanScene& scene, PlanCanvas& canvas, Colour colour)
        : scene_(scene), canvas_(canvas), colour_(colour) {}

    void Draw(PlanBody body, PlanPixel at, bool shown) {
        if (!shown) return;
        if (scene_.options.namesOn) Put(at, scene_.names[NameSlot(body)], PlanFont::kDisplay, false);
        if (scene_.options.signsOn) {
            Put(at, std::u16string(1, static_cast<char16_t>(PlanSymbolCode(body))), PlanFont::kSymbol, true);
        }
    }

private:
    struct Place {
        LabelBox box;
        int x, y;
        PlanAlign align;
    };

    // The places around the body, nearest first: where the plan puts the
    // label, the other side, right, left; then the same a line and two
    // lines farther out.
    void Put(PlanPixel at, const std::u16string& text, PlanFont font, bool symbol) {
        const int w = canvas_.TextWidth(text, font);
        const int h = canvas_.TextHeight(font);
        std::vector<Place> places;
        for (int step = 0; step < 3; ++step) {
            const int out = step * h;
            const int centred = at.x - w / 2;
            const Place below{{centred, at.y + kLabelBelow + out, centred + w, at.y + kLabelBelow + out + h},
                              at.x, at.y + kLabelBelow + out, PlanAlign::kCentreTop};
            const int aboveTop = (symbol ? at.y - kSymbolAbove : at.y - kLabelBelow - h) - out;
            const Place above{{centred, aboveTop, centred + w, aboveTop + h}, at.x, aboveTop + h,
                              PlanAlign::kCentreBottom};
            const int middle = at.y - h / 2;
            const Place right{{at.x + kLabelBelow + out, middle, at.x + kLabelBelow + out + w, middle + h},
                              at.x + kLabelBelow + out, middle, PlanAlign::kLeftTop};
            const Place left{{at.x - kLabelBelow - out - w, middle, at.x - kLabelBelow - out, middle + h},
                             at.x - kLabelBelow - out - w, middle, PlanAlign::kLeftTop};
            places.insert(places.end(), {symbol ? above : below, symbol ? below : above, right, left});
        }
        // The symbol's own place keeps the plan's anchor (its top).
        if (symbol) places[0] = Place{places[0].box, at.x, at.y - kSymbolAbove, PlanAlign::kCentreTop};
        std::vector<LabelBox> boxes;
        for (const Place& place : places) boxes.push_back(place.box);
        if (const auto chosen = placer_.Place(boxes)) {
            const Place& place = places[*chosen];
            canvas_.Text(place.x, place.y, text, font, place.align, colour_);
        }
    }

    const PlanScene& scene_;
    PlanCanvas& canvas_;
    Colour colour_;
    LabelPlacer placer_;
};

}  // namespace

void DrawSolarSystemPlan(const PlanScene& scene, PlanCanvas& canvas) {
    const PlanSquare square = GetDrawingSquare(scene.width, scene.height);
    const PlanColours colours = PlanColoursFor(scene.nightVision);
    const int zoom = NormaliseSolarZoom(scene.zoom);
    const PlanPositions& positions = scene.positions;
    const PlanPoint earth = PlanBodyPoint(square, positions, zoom, {kPlanEarth, 0});

    PlanLabels labels(scene, canvas, colours.text);
    const PlanPixel centre{scene.width / 2, scene.height / 2};
    canvas.PlusMark(centre.x, centre.y, colours.sun);
    labels.Draw({kPlanSun, 0}, centre, PlanShowsSunLabel(zoom));

    for (int i = 0; i < positions.planetCount; ++i) {
        if (scene.options.orbitsOn) {
            canvas.SetPen(colours.orbit, false);
            DrawTrack(square, positions.planetTracks[i], zoom, canvas);
        }
        const PlanPoint p = PlanBodyPoint(square, positions, zoom, {kPlanPlanet, i});
        if (!p.inside) continue;
        canvas.PlusMark(p.pixel.x, p.pixel.y, colours.planet);
        labels.Draw({kPlanPlanet, i}, p.pixel, PlanShowsPlanetLabel(zoom, i));
        if (scene.options.zodiacSightLines) DrawSightLine(scene, earth.pixel, p.pixel, canvas);
    }
    if (scene.options.orbitsOn) {
        canvas.SetPen(colours.orbit, false);
        DrawTrack(square, positions.earthTrack, zoom, canvas);
    }
    if (earth.inside) {
        canvas.PlusMark(earth.pixel.x, earth.pixel.y, colours.planet);
        labels.Draw({kPlanEarth, 0}, earth.pixel, PlanShowsEarthLabelAndMoon(zoom));
    }
    if (scene.options.moonOn && PlanShowsEarthLabelAndMoon(zoom)) {
        const PlanPoint moon = PlanBodyPoint(square, positions, zoom, {kPlanMoon, 0});
        if (moon.inside) {
            canvas.PlusMark(moon.pixel.x, moon.pixel.y, colours.moon);
            labels.Draw({kPlanMoon, 0}, moon.pixel, true);
        }
    }
    DrawZodiacRing(scene, square, earth.pixel, canvas);
    // The ring is drawn for as long as the highlight lasts and goes with
    // the next full paint: nothing is ever inverted onto the screen.
    if (scene.highlight && scene.hasSelection) {
        const PlanPoint p = PlanBodyPoint(square, positions, zoom, scene.selected);
        canvas.Ring(p.pixel.x, p.pixel.y, colours.highlight);
    }
}

}  // namespace corvinata
