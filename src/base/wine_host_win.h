// Whether the program runs under Wine rather than Windows: the few places
// where Wine shows a window otherwise than Windows does ask it, and do
// there what the screen needs.
#pragma once

namespace corvinata {

bool RunsUnderWine();

}  // namespace corvinata
