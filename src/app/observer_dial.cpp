#include "app/observer_dial.h"

#include <algorithm>
#include <cmath>

namespace corvinata {
namespace {

constexpr double kDegrees = 180.0 / 3.14159265358979323846;

double ReduceTurn(double degrees) noexcept { return degrees >= 360.0 ? degrees - 360.0 : degrees; }

constexpr const Char* kCompassLabels[4] = {TXT("N"), TXT("E"), TXT("S"), TXT("W")};
constexpr const Char* kHourLabels[4] = {TXT("0h"), TXT("18h"), TXT("12h"), TXT("6h")};

}  // namespace

ObserverDialGeometry MakeObserverDialGeometry(int width, int height, const DialLabelWidths& labels) noexcept {
    ObserverDialGeometry dial;
    dial.width = width;
    dial.height = height;
    // A pixel is left free at each edge, so that no label touches it.
    dial.scaleX = std::max(static_cast<int>(0.17 * width), labels.scale + kDialScaleLabelGap + 1);
    const double left = std::max(0.38 * width, static_cast<double>(dial.scaleX + kDialPointerLength + 2 +
                                                                     kDialLeftLabelOffset));
    const double right = std::min(0.88 * width, static_cast<double>(width - kDialRightLabelGap - labels.right - 1));
    dial.cx = (left + right) / 2.0;
    dial.cy = 0.55 * height;
    dial.rx = std::max(0.0, (right - left) / 2.0);
    dial.ry = 0.4 * dial.rx;
    dial.scaleBottom = static_cast<int>(0.8 * height);
    dial.scaleLength = static_cast<int>(0.6 * height);
    return dial;
}

int DialAltitudeRow(const ObserverDialGeometry& dial, double degrees) noexcept {
    return static_cast<int>(dial.scaleBottom - (degrees + 90.0) / 180.0 * dial.scaleLength);
}

DialArrow MakeDialArrow(const ObserverDialGeometry& dial, double azimuth) noexcept {
    const double a = ReduceTurn(azimuth + 90.0);
    DialArrow arrow;
    arrow.tip = {static_cast<int>(dial.cx + dial.rx * std::cos(a / kDegrees)),
                 static_cast<int>(dial.cy - dial.ry * std::sin(a / kDegrees))};
    const double barbX = static_cast<int>(dial.rx / 3.0);
    const double barbY = static_cast<int>(dial.ry / 3.0);
    const double offsets[2] = {165.0, 195.0};
    for (int i = 0; i < 2; ++i) {
        const double b = ReduceTurn(a + offsets[i]) / kDegrees;
        arrow.barbs[i] = {static_cast<int>(arrow.tip.x + barbX * std::cos(b)),
                          static_cast<int>(arrow.tip.y - barbY * std::sin(b))};
    }
    return arrow;
}

const Char* DialLabel(int side, bool hourAngles) noexcept {
    if (side < 0 || side > 3) return TXT("");
    return hourAngles ? kHourLabels[side] : kCompassLabels[side];
}

double DialAzimuthAt(const ObserverDialGeometry& dial, int x, int y) noexcept {
    // The ellipse is stretched back into a circle (rx / ry = 2.5).
    const int dx = static_cast<int>(x - dial.cx);
    const int dy = static_cast<int>((dial.cy - y) * 2.5);
    const double r = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (r == 0.0) return 0.0;
    const double angle = std::asin(std::clamp(-dx / r, -1.0, 1.0)) * kDegrees;
    const double azimuth = dy >= 0 ? angle : 180.0 - angle;
    return azimuth - 360.0 * std::floor(azimuth / 360.0);
}

double DialAltitudeAt(const ObserverDialGeometry& dial, int y) noexcept {
    const int half = dial.scaleLength / 2;
    if (half == 0) return 0.0;
    const double t = static_cast<double>((dial.scaleBottom - half) - y) / half;
    return 90.0 * std::clamp(t, -1.0, 1.0);
}

void ObserverDrag::Press(ObserverDialSky& sky) {
    start_ = sky.GetViewDirection();
    state_ = DialDragState::kUndecided;
    sky.SetDragDrawing(true);
}

void ObserverDrag::Move(ObserverDialSky& sky, const ObserverDialGeometry& dial, DialPoint point) {
    if (state_ != DialDragState::kIdle) Handle(sky, dial, point, false);
}

void ObserverDrag::Release(ObserverDialSky& sky, const ObserverDialGeometry& dial, DialPoint point) {
    Handle(sky, dial, point, true);
    sky.SetDragIndicator(0);
    state_ = DialDragState::kIdle;
    sky.SetDragDrawing(false);
    sky.UpdateView();
}

void ObserverDrag::CaptureLost(ObserverDialSky& sky, const ObserverDialGeometry& dial) {
    if (state_ != DialDragState::kIdle) Release(sky, dial, last_);
}

void ObserverDrag::Handle(ObserverDialSky& sky, const ObserverDialGeometry& dial, DialPoint point,
                          bool final) {
    last_ = point;
    const double x = point.x;
    const double y = point.y;
    switch (state_) {
        case DialDragState::kIdle: return;
        case DialDragState::kUndecided:
            if (dial.cx - dial.rx < x && x < dial.cx + dial.rx && dial.cy - dial.ry < y &&
                y < dial.cy + dial.ry) {
                sky.SetDragIndicator(1);
                state_ = DialDragState::kDirection;
            } else if (dial.scaleX - 15 < x && x < dial.scaleX + 15 &&
                       dial.scaleBottom - dial.scaleLength - 5 < y && y < dial.scaleBottom + 5) {
                sky.SetDragIndicator(2);
                state_ = DialDragState::kAltitude;
            }
            return;
        case DialDragState::kDirection: {
            const double azimuth = DialAzimuthAt(dial, point.x, point.y);
            if (!final) {
                const ViewDirection now = sky.GetViewDirection();
                if (azimuth != now.azimuth) {
                    sky.SetViewDirection(ViewDirection{azimuth, now.altitude});
                    sky.UpdateView();
                }
            } else if (azimuth != start_.azimuth) {
                // The whole drag becomes one step from where it started.
                sky.SetViewDirection(start_);
                sky.LookToAzimuth(azimuth);
            }
            return;
        }
        case DialDragState::kAltitude: {
            const double altitude = DialAltitudeAt(dial, point.y);
            if (!final) {
                const ViewDirection now = sky.GetViewDirection();
                if (altitude != now.altitude) {
                    sky.SetViewDirection(ViewDirection{now.azimuth, altitude});
                    sky.UpdateView();
                }
            } else if (altitude != start_.altitude) {
                sky.SetViewDirection(start_);
                sky.LookToAltitude(altitude);
            }
            return;
        }
    }
}

}  // namespace corvinata
