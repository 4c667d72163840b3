#include "views/explorer_panel_texts.h"

#include <cmath>

#include "base/angle_value.h"
#include "base/text_format.h"

namespace corvinata {

String ExplorerCoordinateText(double radii) {
    String text;
    // Rounded first, so that -0.001 reads "0" and not "-0".
    const double rounded = std::round(radii * 100.0) / 100.0;
    if (rounded == 0.0) return String(TXT("0"));
    FormatDouble(rounded, -2, text, true);
    return text;
}

String ExplorerTiltText(double degrees, int angleStyle) {
    double angle = std::fmod(degrees, 360.0);
    if (angle > 180.0) angle -= 360.0;
    if (angle < -180.0) angle += 360.0;
    String text;
    if (angleStyle == kAngleDecimal) {
        FormatDouble(angle, 2, text, false);
        StringAppend(text, TXT("\u00B0"));
        return text;
    }
    // The minute the angle rounds to, with the sign kept for -0°30'.
    String magnitude;
    FormatAngle(LatitudeValue(std::fabs(angle), kLatitudeMinusSign), kToMinute, magnitude);
    if (angle < 0.0 && magnitude != String(TXT("0\u00B000'"))) text = String(TXT("-"));
    StringAppend(text, magnitude.Text());
    return text;
}

const Char* ExplorerOrientationText(bool swapNorthSouth, bool swapEastWest) noexcept {
    if (!swapNorthSouth) {
        return swapEastWest
                   ? TXT("This setting produces an image as observed with an instrument that delivers an upright "
                         "but left/right reversed image, e.g. an astronomical telescope with a diagonal prism.")
                   : TXT("This setting produces an image as observed with an instrument that delivers an upright "
                         "and non-left/right reversed image, e.g. binoculars or a terrestrial spotting scope "
                         "without a diagonal prism.");
    }
    return swapEastWest
               ? TXT("This setting produces an image as observed with an instrument that delivers an upside-down "
                     "and left/right reversed image, e.g. an astronomical telescope without a diagonal prism.")
               : TXT("This setting produces an image as observed with an instrument that delivers an upside-down "
                     "but non-left/right reversed image, e.g. a terrestrial spotting telescope with a diagonal "
                     "prism.");
}

}  // namespace corvinata
