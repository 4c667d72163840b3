#include "views/eclipse_map.h"

#include <algorithm>
#include <cmath>

#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/text_format.h"

namespace corvinata {
namespace {

// Entries of the application's colour table.
Colour Palette(int index) noexcept { return kColourTable[index].colour; }
constexpr int kPaletteBlack = 0;
constexpr int kPaletteRed = 2;
constexpr int kPaletteDarkRed = 8;
constexpr int kPaletteGrey = 15;
constexpr int kPaletteLightGrey = 16;

// Pixel coordinates stay far inside int even for points far off the map.
int ToPixel(double value) noexcept { return static_cast<int>(std::floor(std::clamp(value, -1.0e8, 1.0e8))); }

bool Found(double latitude) noexcept { return latitude != kNotComputedAngle; }

// A line through map points that breaks where the map's longitude wraps:
// the step across the map's seam is drawn to the edge and goes on from the
// opposite edge, never as a line across the whole map.
class MapPolyline {
public:
    MapPolyline(MapCanvas& canvas, const EclipseMapProjection& projection)
        : canvas_(canvas), projection_(projection) {}

    void Break() noexcept { open_ = false; }

    void Add(double eastLongitude, double latitude) {
        const double offset = projection_.OffsetOf(eastLongitude);
        if (!open_) {
            canvas_.MoveTo(projection_.OffsetToPoint(offset, latitude));
        } else if (std::fabs(offset - offset_) > 180.0) {
            // Unwrap the new point next to the previous one and cross the seam.
            const double edge = offset_ > offset ? 180.0 : -180.0;
            const double unwrapped = offset + 2.0 * edge;
            const double fraction = (edge - offset_) / (unwrapped - offset_);
            const double seamLatitude = latitude_ + fraction * (latitude - latitude_);
            canvas_.LineTo(projection_.OffsetToPoint(edge, seamLatitude));
            canvas_.MoveTo(projection_.OffsetToPoint(-edge, seamLatitude));
            canvas_.LineTo(projection_.OffsetToPoint(offset, latitude));
        } else {
            canvas_.LineTo(projection_.OffsetToPoint(offset, latitude));
        }
        open_ = true;
        offset_ = offset;
        latitude_ = latitude;
    }

private:
    MapCanvas& canvas_;
    const EclipseMapProjection& projection_;
    bool open_ = false;
    double offset_ = 0.0;
    double latitude_ = 0.0;
};

void DrawFrame(MapCanvas& canvas, const PixelRect& map, const std::optional<Colour>& pen) {
    const int right = map.right - 1;
    const int bottom = map.bottom - 1;
    if (pen) canvas.UsePen(*pen);
    else canvas.UseDefaultPen();
    canvas.MoveTo({map.left, map.top});
    canvas.LineTo({right, map.top});
    canvas.LineTo({right, bottom});
    canvas.LineTo({map.left, bottom});
    canvas.LineTo({map.left, map.top});
}

void DrawOutlines(MapCanvas& canvas, const EclipseMapProjection& projection,
                  const std::vector<CountryOutline>& outlines) {
    for (const CountryOutline& outline : outlines) {
        MapPolyline line(canvas, projection);
        for (const ShapePoint& point : outline) line.Add(point.longitude, point.latitude);
    }
}

// One edge of a curve list: a side that was not found ends the line, and
// one that does not join the point before starts a new line.
void DrawCurveEdge(MapCanvas& canvas, const EclipseMapProjection& projection, const PathCurve& curve,
                   bool north) {
    MapPolyline line(canvas, projection);
    for (const PathPoint& point : curve) {
        const double latitude = north ? point.northLatitude : point.southLatitude;
        if (!Found(latitude) || !(north ? point.northJoins : point.southJoins)) line.Break();
        if (Found(latitude)) line.Add(-point.longitude, latitude);
    }
}

void DrawCurve(MapCanvas& canvas, const EclipseMapProjection& projection, const PathCurve& curve) {
    DrawCurveEdge(canvas, projection, curve, true);
    DrawCurveEdge(canvas, projection, curve, false);
}

}  // namespace

EclipseMapProjection::EclipseMapProjection(const EclipseMapView& view, int clientWidth,
                                           int clientHeight) noexcept
    : view_(view), width_(std::max(0, clientWidth)), height_(std::max(0, clientHeight)) {
    view_.zoom = std::clamp(view_.zoom, kEclipseZoomMin, kEclipseZoomMax);
    scale_ = std::ldexp(1.0, view_.zoom - 1) * std::min(width_ / 360.0, height_ / 180.0);
}

PixelSize EclipseMapProjection::Extent() const noexcept {
    if (IsEmpty()) return {};
    if (height_ / 180.0 < width_ / 360.0) {
        return {std::min(static_cast<int>(360.0 * scale_), width_), height_};
    }
    return {width_, std::min(static_cast<int>(180.0 * scale_), height_)};
}

PixelRect EclipseMapProjection::MapRect() const noexcept {
    const PixelSize size = Extent();
    const int left = (width_ - size.width) / 2;
    const int top = (height_ - size.height) / 2;
    return {left, top, left + size.width, top + size.height};
}

double EclipseMapProjection::OffsetOf(double eastLongitude) const noexcept {
    double offset = eastLongitude + view_.centreLongitude;
    offset -= 360.0 * std::floor((offset + 180.0) / 360.0);
    return offset;
}

PixelPoint EclipseMapProjection::OffsetToPoint(double offset, double latitude) const noexcept {
    return {ToPixel(width_ / 2.0 + offset * scale_ + 0.5),
            ToPixel(height_ / 2.0 - (latitude - view_.centreLatitude) * scale_ + 0.5)};
}

PixelPoint EclipseMapProjection::LonLatToPoint(double eastLongitude, double latitude) const noexcept {
    return OffsetToPoint(OffsetOf(eastLongitude), latitude);
}

std::optional<MapPoint> EclipseMapProjection::PointToLonLat(int x, int y) const noexcept {
    if (IsEmpty()) return std::nullopt;
    const PixelRect map = MapRect();
    if (x < map.left || x >= map.right || y < map.top || y >= map.bottom) return std::nullopt;
    const double offset = (width_ / 2.0 - x) / scale_;
    const double latitude = view_.centreLatitude + (height_ / 2.0 - y) / scale_;
    if (std::fabs(offset) > 180.0 || latitude < -90.0 || latitude > 90.0) return std::nullopt;
    return MapPoint{NormaliseAngle180(view_.centreLongitude + offset), latitude};
}

double EclipseMapProjection::VisibleLongitudeSpan() const noexcept {
    return IsEmpty() ? 0.0 : Extent().width / scale_;
}

double EclipseMapProjection::VisibleLatitudeSpan() const noexcept {
    return IsEmpty() ? 0.0 : Extent().height / scale_;
}

std::optional<EclipseMapView> EclipseMapCenterOn(double a, double b, double north, double south) noexcept {
    for (const double value : {a, b, north, south}) {
        if (value == kNotComputedAngle || !std::isfinite(value)) return std::nullopt;
    }
    double longitudeSpan = a - b;
    if (longitudeSpan < 0.0) longitudeSpan += 360.0;
    const double latitudeSpan = std::fabs(north - south);
    EclipseMapView view;
    view.centreLongitude = NormaliseAngle180(a - longitudeSpan / 2.0);
    view.centreLatitude = north - (north - south) / 2.0;
    // A span of nothing (one point) fits at any level: the closest.
    const double fit = std::min(longitudeSpan > 0.0 ? std::log2(360.0 / longitudeSpan) : 99.0,
                                latitudeSpan > 0.0 ? std::log2(180.0 / latitudeSpan) : 99.0);
    view.zoom = std::clamp(1 + static_cast<int>(std::trunc(fit)), kEclipseZoomMin, kEclipseZoomMax);
    return view;
}

EclipseMapColours EclipseMapColoursFor(bool eclipseShown, const EclipseNightInk* night) noexcept {
    EclipseMapColours colours;
    if (night == nullptr) {
        colours.outlines = Palette(eclipseShown ? kPaletteBlack : kPaletteLightGrey);
        colours.firstCurves = Palette(kPaletteBlack);
        colours.furtherCurves = Palette(kPaletteGrey);
        colours.markOutline = Palette(kPaletteBlack);
        colours.markFill = Palette(kPaletteRed);
        colours.text = Palette(kPaletteBlack);
        return colours;
    }
    colours.frame = night->text;
    colours.outlines = eclipseShown ? night->text : night->greyText;
    colours.firstCurves = night->bright;
    colours.furtherCurves = Palette(kPaletteDarkRed);
    colours.markOutline = night->text;
    colours.markFill = night->bright;
    colours.text = night->text;
    return colours;
}

String NoEclipseText(const DateTime& date) {
    String day;
    FormatDate(date, kDateToDay, day);
    return FormatPercent1(
        TXT("No solar eclipse occurs on %.\r\n\r\n"
            "To find an eclipse, click 'Search for solar eclipses' in the Related Tasks panel.\r\n\r\n"
            "If you know the date of an eclipse, enter it in the control panel and press 'Go to'.\r\n"),
        day);
}

void DrawEclipseMap(MapCanvas& canvas, const EclipseMapProjection& projection,
                    const EclipseMapContent& content, const EclipseMapColours& colours) {
    if (projection.IsEmpty()) return;
    const PixelRect map = projection.MapRect();
    DrawFrame(canvas, map, colours.frame);
    canvas.ClipTo(map);
    canvas.UsePen(colours.outlines);
    if (content.outlines != nullptr) DrawOutlines(canvas, projection, *content.outlines);
    const SolarEclipseModel* eclipse = content.eclipse;
    if (eclipse != nullptr && eclipse->found) {
        canvas.UsePen(colours.firstCurves);
        DrawCurve(canvas, projection, eclipse->centralPath);
        canvas.UsePen(colours.furtherCurves);
        for (const PathCurve& curve : eclipse->magnitudeCurves) DrawCurve(canvas, projection, curve);
        if (Found(content.observer.longitude) && Found(content.observer.latitude)) {
            canvas.UsePen(colours.markOutline);
            canvas.Ellipse(EclipseMarkSquare(projection, content.observer), colours.markFill);
        }
        canvas.ClearClip();
        return;
    }
    canvas.ClearClip();
    const PixelSize client = projection.ClientSize();
    const PixelRect box{0, client.height / 2 - 40, client.width, client.height};
    canvas.WrappedText(box, NoEclipseText(content.date), colours.text);
}

PixelRect EclipseMarkSquare(const EclipseMapProjection& projection, const MapPoint& place) noexcept {
    const PixelPoint centre = projection.LonLatToPoint(-place.longitude, place.latitude);
    return {centre.x - kEclipseMarkRadius, centre.y - kEclipseMarkRadius, centre.x + kEclipseMarkRadius,
            centre.y + kEclipseMarkRadius};
}

}  // namespace corvinata
