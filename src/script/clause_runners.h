// Applying the clauses of an Open or With statement to its window, one host
// operation per clause, the whole statement bracketed as one undo step of
// the window.
#pragma once

#include "base/wide_string.h"
#include "script/script_host.h"
#include "script/script_operands.h"

namespace corvinata {

// The child-window kind of a window kind in the script's own numbering
// (0 Graph, 1 Jupiter, 2 Picture, 3 Saturn, 4 Solar eclipse, 5 Sky,
// 6 Solar system).
WindowKind WindowKindOfScriptKind(int scriptKind) noexcept;

// Runs the clause words at the reader up to and including the list end.
// With no host, only reads and checks them. When no clause stands there
// nothing is called; otherwise the kind's begin operation comes before the
// first clause and its end operation, with the statement text, after the
// last, and also after a clause that failed, so that the undo step the
// statement opened is closed whatever happens.
bool RunWindowClauses(OperandReader& in, ScriptHostInterface* host, int scriptKind,
                      const String& window, bool withStatement, const String& statement);

// The text of the undo step that the host makes of one Open or With
// statement: the Edit menu shows which script line a step came from.
String ScriptStepLabel(const String& statement);

}  // namespace corvinata
