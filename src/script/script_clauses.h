// Clauses: the keyword-led settings that end window statements, read as
// unordered lists against the set of clauses each statement allows.
#pragma once

#include <cstdint>

#include "base/text_char.h"
#include "script/compiler_context.h"

namespace corvinata {

// How often a clause may stand in one list.
enum ClauseRule : std::uint8_t {
    kOptionalOnce = 0,
    kOptionalRepeated = 1,
    kRequiredOnce = 2,
    kRequiredRepeated = 3,
};

struct ClausePlace {
    int id;
    ClauseRule rule;
};

// The clauses a list allows, in ascending id order (the order they are
// tried in, and the order of the names in messages).
struct ClauseSet {
    const ClausePlace* places;
    int count;
};

// The allowed sets of the statements.
enum class StatementClauses : int {
    kGraph,
    kExplorer,
    kPicture,
    kSolarEclipse,
    kSky,
    kSolarSystem,
    kApplication,
    kEventFinderSearch,
};
ClauseSet StatementClauseSet(StatementClauses statement) noexcept;

// The name of a clause in messages; "" outside 0..97.
const Char* ClauseDisplayName(int id) noexcept;

// Reads one clause of that id at the position and emits its words.
// kNotPresent (position unchanged) when its keyword does not stand there.
int CompileClause(CompilerContext& context, int id);

// Reads clauses of the set, separated by white space, in any order, until
// a word stands that none accepts. kNotPresent for an empty list when
// `atLeastOne` is false.
int CompileClauseList(CompilerContext& context, bool atLeastOne, const ClauseSet& set);

// The clause list of a window statement of `windowKind`, followed by the
// words that close it: a Graph list also emits its deferred lines and axis
// bounds, and every list that read a clause (a Graph list always) ends in
// the list end word.
int CompileWindowClauses(CompilerContext& context, int windowKind, bool atLeastOne);

}  // namespace corvinata
