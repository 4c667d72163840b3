#include "automation/expression_text.h"

#include <memory>

#include "base/geo_place.h"
#include "catalog/quantity_values.h"
#include "documents/graph_document.h"
#include "script/script_evaluator.h"
#include "script/script_expression.h"

namespace corvinata::automation {

namespace {

// The object model's catalogue and calculator; the place of the moment they
// are asked for is given by each evaluation, not by the application.
class NoCurrentTime final : public CurrentTimeAndLocationInterface {
public:
    const DateTimeLocation& GetTimeAndLocation() const override { return value_; }

private:
    DateTimeLocation value_;
};

}  // namespace

bool EvaluateExpressionText(const String& expression, const ExpressionTextFormat& format, String& text) {
    text = String();
    static const NoCurrentTime noTime;
    const GraphServices services = ObjectModelGraphServices(noTime);
    if (!services.catalogue || !services.calculator) return false;
    ScriptExpression compiled;
    compiled.source = expression;
    DateTime moment;
    moment.year = 2000;
    moment.month = 1;
    moment.day = 1;
    moment.hours = 0.0;
    moment.timeSystem = kUniversalTime;
    GeoCoordinates place;
    GeoCoordinatesInit(place);
    TimeAndPlace at;
    TimeAndPlaceInit(at, moment, place, false);
    ExpressionResult result{true, kResultKindCount, 0.0, -1};
    if (!EvaluateScriptExpression(compiled, *services.catalogue, *services.calculator, at, result)) return false;
    if (result.kind < 0 || result.kind >= kResultKindCount) return false;
    const int kind = QuantityKindOfResult(result.kind);
    const std::unique_ptr<QuantityValue> value =
        CreateQuantityValue(kind, ExpressionResultValue(result), result.parameter < 0 ? 0 : result.parameter);
    if (!value) return false;
    QuantityFormatRequest request;
    request.angleDegreeBase = format.angleDegreeBase;
    request.raDisplayUnit = format.raDisplayUnit;
    value->Format(text, request);
    return true;
}

}  // namespace corvinata::automation
