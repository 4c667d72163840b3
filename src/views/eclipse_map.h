// The eclipse map: a plain longitude-latitude projection of the world with
// the country outlines, the limits of the central path, the curves of equal
// magnitude and the observer's mark, drawn through a MapCanvas. Everything
// here is platform-free; the display window only hands in a canvas, its
// client size and its colours.
#pragma once

#include <optional>
#include <vector>

#include "app/picture_eclipse_commands.h"
#include "astro/eclipse_circumstances.h"
#include "catalog/country_shapes.h"
#include "views/map_canvas.h"

namespace corvinata {

// Where the map looks: centre longitude (degrees, west positive), centre
// latitude and zoom level (1 the whole world, each level doubling the scale).
struct EclipseMapView {
    double centreLongitude = 0.0;
    double centreLatitude = 0.0;
    int zoom = kEclipseZoomMin;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Map coordinates and client pixels, both ways. Every calculation is in
// doubles; a client without area (a minimized window) has no map at all.
class EclipseMapProjection {
public:
    // A zoom outside 1..5 (a damaged record) is taken as the nearest level.
    EclipseMapProjection(const EclipseMapView& view, int clientWidth, int clientHeight) noexcept;

    bool IsEmpty() const noexcept { return !(scale_ > 0.0); }
    PixelSize ClientSize() const noexcept { return {width_, height_}; }
    // 2^(zoom - 1) x min(W / 360, H / 180); 0 for an empty client.
    double PixelsPerDegree() const noexcept { return scale_; }
    // The map's size in pixels: the whole world at zoom 1, never more than
    // the client.
    PixelSize Extent() const noexcept;
    // The map's rectangle, centred in the client.
    PixelRect MapRect() const noexcept;

    // The pixel of an east longitude and a latitude. Longitude wraps round
    // the centre; latitude does not (a point beyond the map's top or bottom
    // lies outside the map rectangle, where drawing is clipped).
    PixelPoint LonLatToPoint(double eastLongitude, double latitude) const noexcept;
    // The same from a longitude already counted from the centre (-180..180).
    PixelPoint OffsetToPoint(double offset, double latitude) const noexcept;
    // East longitude counted from the centre, -180..180.
    double OffsetOf(double eastLongitude) const noexcept;
    // The map point (west longitude, latitude) under a pixel; none outside
    // the map rectangle, beyond a pole, or on an empty client.
    std::optional<MapPoint> PointToLonLat(int x, int y) const noexcept;

    // Degrees of longitude and latitude in view.
    double VisibleLongitudeSpan() const noexcept;
    double VisibleLatitudeSpan() const noexcept;

private:
    EclipseMapView view_;
    int width_;
    int height_;
    double scale_;
};

// The view that shows an area (west longitudes a and b of its two edges,
// its northern and southern latitude): centred on it, at the largest level
// (1..5) at which it fits. An area across the 180th meridian (a below b)
// spans round it. None for an eclipse without a central path (area at
// kNotComputedAngle).
std::optional<EclipseMapView> EclipseMapCenterOn(double a, double b, double north, double south) noexcept;

// The pen colours of one paint.
struct EclipseMapColours {
    // None: the device context's default pen.
    std::optional<Colour> frame;
    Colour outlines;
    Colour firstCurves;
    Colour furtherCurves;
    Colour markOutline;
    Colour markFill;
    Colour text;
};

// The night shades the program's windows draw in while night vision is on.
struct EclipseNightInk {
    Colour text;      // the button text's shade
    Colour greyText;  // the grey text's shade
    Colour bright;    // the brightest shade
};

// By day (no ink) the palette's entries. In night vision the map lies on
// the black ground of the night colours and takes their shades: frame,
// outlines, mark outline and text in the button text's shade (the grey
// text's for the outlines without an eclipse), the central path and the
// mark's fill in the brightest shade, the further curves dark red. The
// palette's black of the path by day would not show on the night ground.
EclipseMapColours EclipseMapColoursFor(bool eclipseShown, const EclipseNightInk* night) noexcept;

// What one paint shows.
struct EclipseMapContent {
    const std::vector<CountryOutline>* outlines = nullptr;
    // The document's eclipse; none (or one not found) draws the explanation.
    const SolarEclipseModel* eclipse = nullptr;
    // West longitude and latitude of the observer; kNotComputedAngle: none.
    MapPoint observer{kNotComputedAngle, kNotComputedAngle};
    // The date shown in the explanation when there is no eclipse.
    DateTime date;
};

// Half the side of the observer's mark, pixels.
constexpr int kEclipseMarkRadius = 5;

// The explanation written when the date has no eclipse.
String NoEclipseText(const DateTime& date);

// Frame, outlines, and either the eclipse's curves and the observer or the
// explanation. An empty client draws nothing.
void DrawEclipseMap(MapCanvas& canvas, const EclipseMapProjection& projection,
                    const EclipseMapContent& content, const EclipseMapColours& colours);

// The 10 x 10 square the mark of a place covers, for invalidating just it.
PixelRect EclipseMarkSquare(const EclipseMapProjection& projection, const MapPoint& place) noexcept;

}  // namespace corvinata
