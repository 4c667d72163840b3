// The expression rules of the compiler: numeric expressions over body
// functions and the conditions of searches. Operators are emitted in source
// order between their operands, so the evaluator walks the words with the
// same grammar.
#pragma once

#include <cstdint>

#include "base/wide_string.h"
#include "script/compiler_context.h"

namespace corvinata {

// Search kinds reported by CompileSearchRule.
enum SearchKind : int {
    kSearchMax = 28,
    kSearchMin = 29,
    kSearchCondition = 76,
};

// Function id that no body lists: a keyword that matched nothing.
constexpr std::uint32_t kNoBodyFunction = 1u << 31;

// Reads the keyword of a body function that bodies of `bodyType` have;
// "Expected a body function" otherwise. With `wholeWord` the keyword must
// not run on into a longer word.
int ReadBodyFunctionKeyword(CompilerContext& context, int bodyType, bool wholeWord,
                            std::uint32_t& id);

// A numeric expression (term { "+"|"-" term }).
int CompileNumericRule(CompilerContext& context, bool optional);

// "min(...)", "max(...)" or a condition; `kind` gets the SearchKind.
int CompileSearchRule(CompilerContext& context, int& kind);

}  // namespace corvinata
