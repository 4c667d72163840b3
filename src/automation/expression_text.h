// A CorvinataScript expression a client evaluates: its value as text, for a
// fixed moment (1 January 2000, 0 h UT) and place (0°, 0°), so that a client
// gets the same answer whatever the program's own time is.
#pragma once

#include "base/wide_string.h"

namespace corvinata::automation {

// The display settings the value is written with.
struct ExpressionTextFormat {
    int angleDegreeBase = 1;
    int raDisplayUnit = 1;
};

// False, and `text` empty, when the expression does not compile, cannot be
// evaluated, or its result has no quantity kind.
bool EvaluateExpressionText(const String& expression, const ExpressionTextFormat& format, String& text);

}  // namespace corvinata::automation
