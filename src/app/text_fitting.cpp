#include "app/text_fitting.h"

#include <string>

namespace corvinata {

namespace {

String Joined(const std::basic_string<Char>& left, const std::basic_string<Char>& right) {
    const std::basic_string<Char> text = left + TXT("...") + right;
    return String(text.c_str());
}

}  // namespace

std::optional<String> ShortenTextToWidth(const String& text, int maxWidth, const MeasureText& measure) {
    const std::optional<int> whole = measure(text);
    if (!whole) return std::nullopt;
    if (*whole <= maxWidth) return text;
    const std::basic_string<Char> all(text.Text());
    std::basic_string<Char> left = all.substr(0, all.size() / 2);
    std::basic_string<Char> right = all.substr(all.size() / 2);
    for (bool fromRight = true; !left.empty() && !right.empty(); fromRight = !fromRight) {
        const String candidate = Joined(left, right);
        const std::optional<int> width = measure(candidate);
        if (!width) return std::nullopt;
        if (*width <= maxWidth) return candidate;
        if (fromRight) {
            right.erase(0, 1);
        } else {
            left.pop_back();
        }
    }
    return String();
}

}  // namespace corvinata
