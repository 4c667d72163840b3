#include "views/graph_line_form.h"

#include <algorithm>
#include <string_view>

#include "base/colour_table.h"
#include "base/event_time.h"
#include "base/time_systems.h"
#include "catalog/body_function_keywords.h"
#include "catalog/body_types.h"
#include "catalog/sun_earth_catalogues.h"
#include "script/script_expression.h"

namespace corvinata {

namespace {

std::basic_string_view<Char> View(const Char* text) { return text ? text : TXT(""); }
std::basic_string_view<Char> View(const String& text) { return View(text.Text()); }

std::vector<const EventKind*> FunctionsOf(const BodyIdentifier& body) {
    if (!body.object) return {};
    const BodyType* type = GetBodyType(body.object->GetTypeId());
    return type ? type->Properties() : std::vector<const EventKind*>{};
}

}  // namespace

std::vector<String> GraphLineSystemNames(int quantityKind) {
    std::vector<String> names;
    const auto add = [&names](int count, const Char* (*nameOf)(int) noexcept) {
        for (int i = 0; i < count; ++i) names.emplace_back(nameOf(i));
    };
    if (quantityKind == 0) add(4, GetTimeSystemCode);
    if (quantityKind == 1 || quantityKind == 2) add(4, GetCoordinateSystemName);
    if (quantityKind == 6) add(3, GetDistanceUnitName);
    return names;
}

int GraphLineSystemIndex(int quantityKind, const String& name) {
    const std::vector<String> names = GraphLineSystemNames(quantityKind);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (View(names[i]) == View(name)) return static_cast<int>(i);
    }
    return -1;
}

GraphLine NewGraphLine() {
    GraphLine line;
    line.body = BodyIdentifierFromObject(SunRecordAt(0));
    const std::vector<const EventKind*> functions = FunctionsOf(line.body);
    if (!functions.empty()) line.function = static_cast<std::int32_t>(functions.front()->GetId());
    return line;
}

GraphLineForm::GraphLineForm(const GraphLine& line, bool newLine)
    : newLine_(newLine), lineName_(line.name), object_(line.body), system_(line.system) {
    FillFunctions(static_cast<std::uint32_t>(line.function));
    const std::vector<String> systems = function_ ? GraphLineSystemNames(function_->GetQuantityKind())
                                                  : std::vector<String>{};
    if (system_ < 0 || system_ >= static_cast<int>(systems.size())) system_ = systems.empty() ? -1 : 0;
}

void GraphLineForm::FillFunctions(std::uint32_t keep) {
    functions_ = FunctionsOf(object_);
    std::sort(functions_.begin(), functions_.end(),
              [](const EventKind* a, const EventKind* b) { return View(a->GetName()) < View(b->GetName()); });
    function_ = functions_.empty() ? nullptr : functions_.front();
    SelectFunction(keep);
}

void GraphLineForm::SetObject(const BodyIdentifier& object) {
    object_ = object;
    FillFunctions(function_ ? function_->GetId() : 0u);
}

bool GraphLineForm::SelectFunction(std::uint32_t id) {
    for (const EventKind* kind : functions_) {
        if (kind->GetId() != id) continue;
        const bool sameKind = function_ && function_->GetQuantityKind() == kind->GetQuantityKind();
        function_ = kind;
        const int count = static_cast<int>(GraphLineSystemNames(kind->GetQuantityKind()).size());
        if (!sameKind || system_ >= count) system_ = count > 0 ? std::clamp(system_, 0, count - 1) : -1;
        return true;
    }
    return false;
}

std::vector<String> GraphLineForm::SortedSystems() const {
    std::vector<String> names = function_ ? GraphLineSystemNames(function_->GetQuantityKind()) : std::vector<String>{};
    std::sort(names.begin(), names.end(), [](const String& a, const String& b) { return View(a) < View(b); });
    return names;
}

void GraphLineForm::SelectSystem(const String& name) {
    if (!function_) return;
    const int index = GraphLineSystemIndex(function_->GetQuantityKind(), name);
    if (index >= 0) system_ = index;
}

String GraphLineForm::GeneratedExpression() const {
    if (!function_ || !object_.object) return String();
    return FormatBodyFunctionName(object_.name.Text(), function_->GetId(), std::max(system_, 0),
                                  function_->GetQuantityKind());
}

String GraphLineForm::DefaultName() const {
    if (newLine_ && !nameEdited_) return object_.name;
    return lineName_;
}

GraphLineRefusal GraphLineForm::Apply(const Fields& fields, const ScriptCatalogue& catalogue, GraphLine& line,
                                      bool& changed) const {
    ScriptExpression trial;
    trial.source = fields.expression;
    if (!CompileScriptExpression(trial, catalogue)) return GraphLineRefusal::kSyntaxError;
    if (View(fields.name).empty()) return GraphLineRefusal::kEmptyName;

    changed = newLine_;
    const bool counts = !fields.editScript;
    line.name = fields.name;
    if (BodyIdentifierDiffers(object_, line.body)) {
        line.body = object_;
        changed = changed || counts;
    }
    if (function_ && static_cast<std::int32_t>(function_->GetId()) != line.function) {
        line.function = static_cast<std::int32_t>(function_->GetId());
        changed = changed || counts;
    }
    if (system_ != line.system) {
        line.system = system_;
        changed = changed || counts;
    }
    if (fields.editScript != line.scriptEdited) changed = true;
    if (fields.editScript && (View(line.ExpressionText()).empty() || View(line.ExpressionText()) != View(fields.expression)))
        changed = true;
    line.scriptEdited = fields.editScript;
    if (View(line.ExpressionText()) != View(fields.expression)) {
        // Only a different text drops the compiled code.
        line.SetExpression(fields.expression);
    }
    if (line.visibleInGraph != fields.visibleInGraph || line.visibleInControlPanel != fields.visibleInControlPanel ||
        line.colour != fields.colour)
        changed = true;
    line.visibleInGraph = fields.visibleInGraph;
    line.visibleInControlPanel = fields.visibleInControlPanel;
    line.colour = fields.colour;
    return GraphLineRefusal::kNone;
}

}  // namespace corvinata
