#include "script/compiler_context.h"

namespace corvinata {

CompilerContext::CompilerContext(const Char* source, ScriptCode& target,
                                 const ScriptCatalogue& bodies)
    : text(source), length(TextLength(source)), scanner(source, false), code(target),
      catalogue(bodies) {
    values.date.timeSystem = kLocalCivilTime;
}

int CompilerContext::Fail(const Char* what, const Char* about) {
    if (!failed) {
        failed = true;
        message = what;
        detail = about;
    }
    return kParseError;
}

}  // namespace corvinata
