// Compiling whole texts: a program of statements, or one expression that
// must reach the end of its text.
#pragma once

#include "base/wide_string.h"
#include "script/compiler_context.h"

namespace corvinata {

enum class ExpressionMode : int {
    kNumeric = 0,
    kSearch = 1,
};

struct ExpressionCompileOutcome {
    bool compiled = false;
    // Characters from the start of the text to where reading stopped.
    int errorOffset = 0;
    int searchKind = 0;
    // Slots of crossing memory that one evaluation uses.
    int crossingCount = 0;
};

// Compiles `text` into `code` (emptied first). On failure message and
// detail describe the first error.
ExpressionCompileOutcome CompileExpressionCode(const Char* text, ScriptCode& code,
                                               const ScriptCatalogue& catalogue,
                                               ExpressionMode mode, String& message,
                                               String& detail);

struct ProgramCompileOutcome {
    bool compiled = false;
    int errorOffset = 0;
};

ProgramCompileOutcome CompileProgramCode(const Char* text, ScriptCode& code,
                                         const ScriptCatalogue& catalogue, String& message,
                                         String& detail);

// One statement at the context's position (a comment emits nothing).
int CompileStatement(CompilerContext& context);

// 1-based line and column of a character offset. A line ends at CR LF, at
// a bare LF or at a bare CR.
void LineAndColumnOf(const Char* text, int offset, int& line, int& column) noexcept;

}  // namespace corvinata
