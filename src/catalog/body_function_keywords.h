// The names of the body functions in CorvinataScript ("Rise", "Lon",
// "DistEarth"), and the text of a body function as an expression
// ("Moon.Rise(lct)"), as the compiler reads it and the graph lines, the
// related tasks and the Select Event tool write it.
#pragma once

#include <cstdint>

#include "base/wide_string.h"

namespace corvinata {

// Body-function keywords of the script and their ids.
struct BodyFunctionKeyword {
    const Char* keyword;
    std::uint32_t id;
};
// In the order they are tried (the first prefix that matches wins).
extern const BodyFunctionKeyword kBodyFunctionKeywords[29];

// The keyword of a body function id, or none.
const Char* BodyFunctionKeywordOf(std::uint32_t id) noexcept;

// What a body function takes in parentheses, by the quantity kind of its
// value.
enum class FunctionParameter { kNone, kTimeSystem, kCoordinateSystem, kDistanceUnit };
FunctionParameter ParameterOfQuantityKind(int quantityKind) noexcept;

// "Moon.Rise(lct)": body name, ".", keyword, "(", the parameter's code in
// lower case when the function takes one, ")".
String FormatBodyFunctionName(const Char* bodyName, std::uint32_t functionId, int parameter,
                              int quantityKind);

}  // namespace corvinata
