// Names of the eclipse types and central kinds, and percentage texts.
//
// The eclipse panel, the map and the reports show the global type of an
// eclipse and the kind of its central phase by these names; percentages are
// the magnitude fields of the panel and the reports, where -1.0 stands for a
// value that was not computed.
#pragma once

#include "astro/besselian.h"
#include "astro/eclipse_geometry.h"
#include "base/text_char.h"

namespace corvinata {

class String;

// Replaces `out` by the name of a global eclipse type ("Partial", "Central
// annular", ... "None"), its first letter upper case when `upperFirst`,
// lower case otherwise. A value outside the types gives the name of
// kNoEclipse.
void EclipseTypeName(EclipseType type, bool upperFirst, String& out);

// The central kind of a global type: kCentralTotal for a central total
// eclipse, kCentralAnnular for a central annular one, kCentralAnnularTotal
// for a hybrid one, kNoCentralPoint for the rest (partial, non-central,
// none, or a value outside the types).
CentralKind EclipseCentralKind(EclipseType type) noexcept;

// Replaces `out` by the name of a central kind ("Total", "Annular", "None",
// "Invalid"; a hybrid eclipse has no single kind to name), first letter as
// in EclipseTypeName. A value outside the kinds gives "Invalid".
void CentralKindName(CentralKind kind, bool upperFirst, String& out);

// Reads a percentage from 0 to 100: blanks, a number, then either the end
// of the text or "%" directly after the number and blanks. False, and
// `value` unchanged, for anything else ("50 %", "50 ", "50x", "-1", "100.5",
// ""); a minus sign is refused even on a zero, which would be shown as
// "-0.0%".
bool ParsePercentage(const Char* text, double& value) noexcept;

// Replaces `out` by the value with `decimals` decimals (negative: trailing
// zeros removed) followed by "%"; exactly -1.0 (not computed) gives "--%".
void FormatPercentage(double value, int decimals, String& out);

}  // namespace corvinata
