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

// Body-function keywords of the script and their ids.
struct BodyFunctionKeyword {
    const Char* keyword;
    std::uint32_t id;
};
// In the order they are tried (the first prefix that matches wins).
extern const BodyFunctionKeyword kBodyFunctionKeywords[29];

// The keyword of a body function id, or none.
const Char* BodyFunctionKeywordOf(std::uint32_t id) noexcept;

// "Moon.Rise(lct)": body name, ".", keyword, "(", the parameter's code in
// lower case when the function takes one, ")".
String FormatBodyFunctionName(const Char* bodyName, std::uint32_t functionId, int parameter,
                              int quantityKind);

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
