#include "tools/object_info_pages.h"

#include <string>

#include "catalog/deep_sky_catalogue.h"
#include "catalog/deep_sky_types.h"
#include "catalog/dreyer_english.h"
#include "catalog/dreyer_parser.h"

namespace corvinata {

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
    std::basic_string<Char> text(english.Text());
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<Char>(text[0] - 'a' + 'A');
    texts.description = String(text.c_str());
    return texts;
}

}  // namespace corvinata
