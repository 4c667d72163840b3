#include "tools/select_event.h"

#include "app/related_tasks.h"
#include "app/settings_records.h"
#include "base/colour_table.h"
#include "base/event_time.h"
#include "base/time_systems.h"
#include "catalog/body_function_keywords.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"

namespace corvinata::events {
namespace {

const Char kSelectedEventKey[] = TXT("Event Finder\\Selected event");

}  // namespace

std::vector<const EventKind*> BodyFunctionsOf(const BodyIdentifier& body) {
    if (body.object == nullptr) return {};
    const BodyType* type = GetBodyType(body.object->GetTypeId());
    return type != nullptr ? type->Properties() : std::vector<const EventKind*>{};
}

const EventKind* ShownFunction(const EventCondition& condition) {
    const auto functions = BodyFunctionsOf(condition.firstBody);
    for (const EventKind* kind : functions) {
        if (kind->GetId() == condition.quantity) return kind;
    }
    return functions.empty() ? nullptr : functions.front();
}

String ExtremeExpression(const EventCondition& condition) {
    const EventKind* function = ShownFunction(condition);
    const Char* keyword = function != nullptr ? BodyFunctionKeywordOf(function->GetId()) : nullptr;
    String quoted;
    if (keyword == nullptr || !QuoteScriptBodyName(TaskBodyName(condition.firstBody), quoted)) return String();
    const Char* argument = TXT("");
    switch (function->GetQuantityKind()) {
        case 0: argument = GetTimeSystemCode(kLocalCivilTime); break;
        case 1:
        case 2: argument = GetCoordinateSystemCode(0); break;
        case 6: argument = GetDistanceUnitCode(2); break;
        default: break;
    }
    String text(condition.isMinimum ? TXT("Min(") : TXT("Max("));
    StringAppend(text, quoted.Text());
    StringAppend(text, TXT("."));
    StringAppend(text, keyword);
    StringAppend(text, TXT("("));
    StringAppend(text, argument != nullptr ? argument : TXT(""));
    StringAppend(text, TXT("))"));
    return text;
}

void LoadSelectedEvent(SettingsTree& tree, EventCondition& condition, WindowGeometry* placement) {
    condition = EventCondition();
    condition.firstBody = BodyIdentifierFromObject(GetCatalogueObject(kBodyPlanet, 2));
    condition.secondBody = BodyIdentifierFromObject(GetCatalogueObject(kBodyPlanet, 3));
    condition.isPredefined = true;
    condition.predefinedEvent = kEventFullMoon;
    condition.quantity = kFunctionAngularSize;
    condition.isMinimum = false;
    condition.isUserExpression = false;
    bool haveText = false;
    ReadGroup group(tree, kSelectedEventKey);
    if (group.IsOpen()) {
        BodyIdentifier body;
        if (LoadBodyIdentifier(tree, {TXT("Selected Body"), TXT("Selected Body 1")}, body) && body.object) {
            condition.firstBody = body;
        }
        body = BodyIdentifier();
        if (LoadBodyIdentifier(tree, {TXT("Selected Body"), TXT("Selected Body 2")}, body) && body.object) {
            condition.secondBody = body;
        }
        ReadBoolValue(tree, TXT("Predefined or function"), condition.isPredefined);
        std::int32_t event = 0;
        if (ReadIntValue(tree, TXT("Predefined event number"), event)) {
            condition.predefinedEvent = FindEventType(event) != nullptr ? event : kEventFullMoon;
        }
        std::int32_t function = 0;
        if (ReadIntValue(tree, TXT("Function number"), function)) condition.quantity = static_cast<std::uint32_t>(function);
        ReadBoolValue(tree, TXT("Extreme type"), condition.isMinimum);
        ReadBoolValue(tree, TXT("Script edited"), condition.isUserExpression);
        haveText = ReadStringValue(tree, TXT("Script code"), condition.searchExpression);
        if (placement != nullptr) ReadWindowGeometry(*placement, tree);
    }
    bool known = false;
    for (const EventKind* kind : BodyFunctionsOf(condition.firstBody)) known = known || kind->GetId() == condition.quantity;
    if (!known) condition.quantity = kNoQuantity;
    if (!haveText) {
        PredefinedEventExpression(condition.predefinedEvent, condition.firstBody.object, condition.secondBody.object,
                                  condition.searchExpression);
    }
}

bool SaveSelectedEvent(SettingsTreeWriter& writer, const EventCondition& condition) {
    WriteGroup group(writer, kSelectedEventKey);
    if (!group.IsOpen()) return false;
    const EventKind* shown = ShownFunction(condition);
    WrittenValues w(writer);
    w.Bool(TXT("Predefined or function"), condition.isPredefined);
    w.Int(TXT("Predefined event number"), condition.predefinedEvent);
    w.Int(TXT("Function number"), static_cast<std::int32_t>(shown != nullptr ? shown->GetId() : kNoQuantity));
    w.Bool(TXT("Extreme type"), condition.isMinimum);
    w.Then([&] { return SaveBodyIdentifier(writer, {TXT("Selected Body"), TXT("Selected Body 1")}, condition.firstBody); });
    w.Then([&] { return SaveBodyIdentifier(writer, {TXT("Selected Body"), TXT("Selected Body 2")}, condition.secondBody); });
    w.Bool(TXT("Script edited"), condition.isUserExpression);
    w.Text(TXT("Script code"), condition.searchExpression.Text());
    return w.Ok();
}

}  // namespace corvinata::events
