// Texts made to fit a width: a long path or caption keeps its beginning and
// its end around "..." in the middle.
#pragma once

#include <functional>
#include <optional>

#include "base/wide_string.h"

namespace corvinata {

// The width of a text in pixels, or none when it cannot be measured.
using MeasureText = std::function<std::optional<int>(const String& text)>;

// The text itself when it fits `maxWidth`; otherwise its left and right
// halves joined by "...", shortened one character at a time (first from the
// right half, then from the left, in turn) until it fits; the empty text
// when either half runs out. None when a measurement fails.
std::optional<String> ShortenTextToWidth(const String& text, int maxWidth, const MeasureText& measure);

}  // namespace corvinata
