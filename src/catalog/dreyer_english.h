// One line of English from a parsed Dreyer description.
//
// The phrases follow a fixed order (what the object is, its brightness,
// size, richness, shape, middle, nucleus, magnitude, resolution, stars,
// identity), not the order of the abbreviations, and are joined by "; ".
// A field value the parser cannot produce shows as "(error)" in its phrase.
#pragma once

#include "base/wide_string.h"
#include "catalog/dreyer_node.h"

namespace corvinata {

// Replaces `out` with the English of `node`; an empty node gives "".
// Words are separated by exactly one blank and no blank stands before ";".
void DescribeDreyerNode(const DreyerNode& node, String& out);

}  // namespace corvinata
