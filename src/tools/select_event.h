// The Select Event dialog's platform-free part: the remembered selection
// under "\Event Finder\Selected event", the body functions a first body
// offers, and the search expression of an extreme.
#pragma once

#include <vector>

#include "app/settings_values.h"
#include "app/window_geometry.h"
#include "catalog/event_kinds.h"
#include "tools/event_definitions.h"

namespace corvinata::events {

// The remembered selection; what cannot be read takes its default
// (Full moon, Mars and Jupiter, magnitude, Maximum). A predefined event
// outside 0..34 counts as event 0. The dialog's place, when one is given,
// takes the group "Geometry" of the same key where it is stored.
void LoadSelectedEvent(SettingsTree& tree, EventCondition& condition, WindowGeometry* placement = nullptr);
bool SaveSelectedEvent(SettingsTreeWriter& writer, const EventCondition& condition);

// The body functions of the first body's type, in the type's order.
std::vector<const EventKind*> BodyFunctionsOf(const BodyIdentifier& body);
// The function the list shows for the condition: its quantity when the
// first body's type has it, else the type's first function; none for a type
// without functions.
const EventKind* ShownFunction(const EventCondition& condition);
// "Min(" or "Max(" + the first body's name in quotes + "." + keyword + "("
// + argument + "))". The name is quoted so that a name with a point or a
// blank stays one name. Empty when there is no function or the name cannot
// be quoted.
String ExtremeExpression(const EventCondition& condition);

}  // namespace corvinata::events
