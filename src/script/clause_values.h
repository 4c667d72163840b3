// Readers of the values that follow clause keywords. Each reads at the
// compiler's position (after its keyword), leaves the value in the
// context's clause values and answers kParsed or kParseError with the
// value's own message.
#pragma once

#include "script/compiler_context.h"

namespace corvinata {

// A list of accepted words; the value is the position of the word read.
struct WordChoice {
    const Char* words[6];
    int count;
    const Char* message;
};

int ReadSwitchValue(CompilerContext& context);
int ReadChoiceValue(CompilerContext& context, const WordChoice& choice);
int ReadDateClauseValue(CompilerContext& context);
int ReadTimeClauseValue(CompilerContext& context);
int ReadTimeZoneClauseValue(CompilerContext& context);
int ReadLatitudeClauseValue(CompilerContext& context);
int ReadLongitudeClauseValue(CompilerContext& context);
int ReadStepClauseValue(CompilerContext& context, const Char* message);
// x "," y: the comma must follow x directly.
int ReadPositionValue(CompilerContext& context);
// A planet by its name; "Earth" too when `allowEarth`.
int ReadPlanetName(CompilerContext& context, bool allowEarth);
// A satellite of the explorer's planet, its name matched at the position.
int ReadMoonName(CompilerContext& context, bool optional);
// Any body but the Earth, quoted or not; `message` when none is found.
int ReadBodyNameValue(CompilerContext& context, const Char* message);
// A quoted expression compiled on the spot as a check: a numeric one, or a
// search condition. An error inside it becomes the program's, its position
// pointing into the quoted text.
int ReadCodeValue(CompilerContext& context, bool search);

}  // namespace corvinata
