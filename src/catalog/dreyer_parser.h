// Reading Dreyer's NGC/IC descriptions ("vF, S, R, gbM") into a DreyerNode.
//
// The grammar is a recursive descent over the abbreviation table of
// dreyer_keywords.h, each rule trying its keywords in a fixed order (longer
// forms before their prefixes). Items follow one another, separated by ","
// or ";" or simply by a blank ("pB pL").
//
// The parser also reads text typed by a user or handed over by a script, so
// it is written for hostile input: it reads only up to the terminator, its
// recursion depth is fixed by the grammar (no rule calls itself through an
// item), and every pass of the item loop consumes text.
#pragma once

#include "base/text_char.h"
#include "catalog/dreyer_node.h"

namespace corvinata {

// Results of the parser and of each of its rules.
enum DreyerParseResult : int {
    kDreyerMatched = 0,
    kDreyerNotMatched = 1,  // only where the caller allows the item to be absent
    kDreyerError = 2,
};

// Reads a whole description into `node`, which starts as a fresh node.
// Answers kDreyerMatched when the whole text was read (an empty or blank
// text is a valid, empty description) and kDreyerError otherwise; after an
// error `node` is a fresh, empty node again.
int ParseDreyerDescription(const Char* text, DreyerNode& node);

}  // namespace corvinata
