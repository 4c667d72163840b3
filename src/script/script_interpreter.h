// Running a compiled program statement by statement through the
// application's script host.
//
// Every statement is read and checked whole before any of it runs, so a
// damaged program stops at the statement that is damaged without having
// half-applied it. A run pauses after every Message statement; the lesson
// window continues it with RunCompiledScript.
#pragma once

#include "base/wide_string.h"
#include "script/script_expression.h"
#include "script/script_host.h"
#include "script/script_operands.h"

namespace corvinata {

struct ScriptRunServices {
    ScriptHostInterface& host;
    const ScriptCatalogue& catalogue;
    const ScriptObjectSource& objects;
};

// Compiles the program when it is not compiled as one, then runs it from
// its first statement. False when it does not compile or a statement
// fails; the reason is then in the script's message and detail.
bool RunScriptProgram(ScriptExpression& script, const ScriptRunServices& services);

// Runs from where the run paused until the end, the next pause or an
// error. A script whose run is not paused (it ended, failed, or was
// compiled or loaded again since) is not continued: false.
bool RunCompiledScript(ScriptExpression& script, const ScriptRunServices& services);

// The source (of `sourceLength` characters) between two offsets as a
// one-line text: line breaks and tabs become blanks, runs of blanks one
// blank, and the ends are trimmed.
String StatementText(const Char* source, int sourceLength, int start, int end);

}  // namespace corvinata
