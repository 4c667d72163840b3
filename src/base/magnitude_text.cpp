#include "base/magnitude_text.h"

#include "base/text_format.h"

namespace corvinata {

void FormatMagnitude(double magnitude, String& out, int decimals) {
    if (magnitude == kNoMagnitude) {
        out = TXT("-.-m");
        return;
    }
    // A positive value carries "+", zero none, a negative one its own "-".
    FormatDouble(magnitude, decimals, out, true);
    StringAppend(out, TXT("m"));
}

}  // namespace corvinata
