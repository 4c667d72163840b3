#include "documents/graph_document.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

#include "base/services.h"
#include "base/text_format.h"
#include "catalog/quantity_kinds.h"
#include "catalog/quantity_values.h"

namespace corvinata {

namespace {

// The script's catalogue and calculators hold no state: one of each serves
// every graph.
ObjectModelScriptCatalogue g_objectModelCatalogue;
ObjectModelBodyFunctionCalculator g_objectModelCalculator;

constexpr int kUniqueNameLimit = 999;

}  // namespace

double GraphNoKindMarker() noexcept { return std::numeric_limits<double>::quiet_NaN(); }

GraphServices ObjectModelGraphServices(const CurrentTimeAndLocationInterface& current) {
    return GraphServices{&g_objectModelCatalogue, &g_objectModelCalculator, &current};
}

// ---- lines ----

GraphLine::GraphLine() { SetDefaults(); }

std::unique_ptr<GraphLineData> GraphLine::Clone() const { return std::make_unique<GraphLine>(*this); }

void GraphLine::SetDefaults() {
    StringAssign(name, TXT("New line"));
    body = BodyIdentifierFromObject(nullptr);
    function = 1;
    expression_ = ScriptExpression();
    scriptEdited = false;
    colour = 0;
    fillAbove = -1;
    fillBelow = -1;
    visibleInControlPanel = true;
    visibleInGraph = true;
    values.fill(0.0);
    system = -1;
}

void GraphLine::SetExpression(const String& text) {
    expression_.source = text;
    expression_.compileStatus = kNotCompiled;
}

void GraphLine::GetKindAndSystem(const GraphServices& services, std::int32_t& kind,
                                 std::int32_t& valueSystem) const {
    kind = kValueKindUnknown;
    valueSystem = -1;
    if (!services.catalogue || !services.calculator) return;
    TimeAndPlace now;
    if (services.current) TimeAndPlaceFromDateTimeLocation(now, services.current->GetTimeAndLocation());
    ExpressionResult result{true, kValueKindUnknown, 0.0, -1};
    EvaluateScriptExpression(expression_, *services.catalogue, *services.calculator, now, result);
    if (result.kind < 0 || result.kind >= kResultKindCount) return;
    kind = QuantityKindOfResult(result.kind);
    valueSystem = result.parameter;
}

std::int32_t GraphLine::GetQuantityKind(const GraphServices& services) const {
    std::int32_t kind = 0, valueSystem = 0;
    GetKindAndSystem(services, kind, valueSystem);
    return kind;
}

std::int32_t GraphLine::GetValueSystem(const GraphServices& services) const {
    std::int32_t kind = 0, valueSystem = 0;
    GetKindAndSystem(services, kind, valueSystem);
    return valueSystem;
}

String GraphLine::FormatValueAt(const GraphServices& services, int i) const {
    String text;
    if (i < 0 || i > kLastGraphInstant) return text;
    std::int32_t kind = 0, valueSystem = 0;
    GetKindAndSystem(services, kind, valueSystem);
    FormatQuantity(kind, std::max(valueSystem, 0), text, values[static_cast<std::size_t>(i)]);
    return text;
}

// ---- the document ----

GraphDocument::GraphDocument(NotificationHub& hub, const GraphServices& services)
    : WindowDocument(hub), services_(services) {
    SetDefaults();
}

GraphDocument::GraphDocument(NotificationHub& hub, const GraphDocument& other)
    : WindowDocument(hub), services_(other.services_) {
    CopyFields(other);
}

void GraphDocument::OnNotify(std::int32_t event, std::uint32_t flags, void*) {
    if (event == kEventAppearanceChanged && (flags & 7u) != 0) DocumentNotifyViews(nullptr);
}

void GraphDocument::SetDefaults() {
    versionMajor_ = 1;
    versionMinor_ = 20;
    lines_.clear();
    reservedOption_ = 0;
    valueKind_ = kValueKindUnknown;
    valueSystem_ = -1;
    StringAssign(filePath_, TXT(""));
    selected_ = -1;
    hasFile_ = false;

    settings_ = DefaultGraphSettings(services_);
}

TimeAndLocation DefaultGraphSettings(const GraphServices& services) {
    TimeAndLocation s;
    DateTime now;
    if (services.current) {
        const DateTimeLocation& current = services.current->GetTimeAndLocation();
        LocationAssign(s.location, current.location);
        s.daylightSaving = current.daylightSaving;
        now = current.dateTime;
    }
    s.beginDate = DateTime{std::clamp(now.year, kFirstValidYear, kLastValidYear - 1), 1, 1, 0.0,
                           kLocalCivilTime};
    s.endFixed = false;
    s.stepUnit = kDaysUnit;
    s.stepCount = 1.0;
    s.endDate = s.beginDate;
    DateTimeAddDays(s.endDate, 365);
    s.xAxisHorizontal = true;
    s.xAxisReversed = false;
    s.xAxisTimeSystem = kLocalCivilTime;
    s.yAxisReversed = false;
    s.yAxisMin = 0.0;
    s.yAxisMax = 360.0;
    s.xAxisGridActive = false;
    s.xAxisGridStep = TimeStep{kDaysUnit, 1};
    s.yAxisGridActive = false;
    s.yAxisGridStep = 10;
    s.xAxisLabelStep = AutomaticXAxisStep(s.beginDate, s.endDate);
    s.xAxisMarkStep = s.xAxisLabelStep;
    return s;
}

void GraphDocument::CopyFields(const GraphDocument& other) {
    versionMajor_ = other.versionMajor_;
    versionMinor_ = other.versionMinor_;
    reservedOption_ = other.reservedOption_;
    valueKind_ = other.valueKind_;
    valueSystem_ = other.valueSystem_;
    filePath_ = other.filePath_;
    lines_.clear();
    lines_.reserve(other.lines_.size());
    for (const auto& line : other.lines_) lines_.push_back(std::make_unique<GraphLine>(*line));
    settings_ = other.settings_;
    selected_ = other.selected_;
    hasFile_ = other.hasFile_;
}

void GraphDocument::Assign(const GraphDocument& other) {
    if (&other == this) return;
    CopyFields(other);
}

const GraphLine* GraphDocument::GetGraphLine(int position) const {
    return position >= 0 && position < LineCount() ? lines_[static_cast<std::size_t>(position)].get()
                                                   : nullptr;
}

GraphLine* GraphDocument::GetGraphLine(int position) {
    return position >= 0 && position < LineCount() ? lines_[static_cast<std::size_t>(position)].get()
                                                   : nullptr;
}

GraphLine* GraphDocument::GetSelectedGraphLine() {
    if (selected_ >= LineCount()) selected_ = LineCount() - 1;
    return GetGraphLine(selected_);
}

GraphLine* GraphDocument::InsertLine(int position, const GraphLine& line) {
    if (position < 0 || position > LineCount()) return nullptr;
    auto copy = std::make_unique<GraphLine>(line);
    GraphLine* inserted = copy.get();
    lines_.insert(lines_.begin() + position, std::move(copy));
    if (position == 0) valueKind_ = kValueKindUnknown;
    return inserted;
}

void GraphDocument::InsertLine(const GraphLineData& line, int position) {
    InsertLine(position, static_cast<const GraphLine&>(line));
}

void GraphDocument::DeleteLine(int position) {
    if (position < 0 || position >= LineCount()) return;
    lines_.erase(lines_.begin() + position);
    if (position == 0) valueKind_ = kValueKindUnknown;
    if (selected_ >= LineCount()) selected_ = LineCount() - 1;
}

void GraphDocument::ReplaceLine(int position, const GraphLineData& data) {
    GraphLine* target = GetGraphLine(position);
    if (!target) return;
    const auto& line = static_cast<const GraphLine&>(data);
    if (position == 0) {
        std::int32_t oldKind = 0, oldSystem = 0, newKind = 0, newSystem = 0;
        target->GetKindAndSystem(services_, oldKind, oldSystem);
        line.GetKindAndSystem(services_, newKind, newSystem);
        if (oldKind != newKind || oldSystem != newSystem) valueKind_ = kValueKindUnknown;
    }
    target->Assign(line);
}

void GraphDocument::SwapLines(int a, int b) {
    if (!GetGraphLine(a) || !GetGraphLine(b)) return;
    std::swap(lines_[static_cast<std::size_t>(a)], lines_[static_cast<std::size_t>(b)]);
    if (a == 0 || b == 0) valueKind_ = kValueKindUnknown;
}

int GraphDocument::GetLineStats(const GraphLine* line, int* graphPosition, int* panelPosition) const {
    int inGraph = 0, inPanel = 0;
    for (int i = 0; i < LineCount(); ++i) {
        const GraphLine& candidate = *lines_[static_cast<std::size_t>(i)];
        if (&candidate == line) {
            if (graphPosition) *graphPosition = inGraph;
            if (panelPosition) *panelPosition = inPanel;
            return i;
        }
        inGraph += candidate.visibleInGraph ? 1 : 0;
        inPanel += candidate.visibleInControlPanel ? 1 : 0;
    }
    if (graphPosition) *graphPosition = -1;
    if (panelPosition) *panelPosition = -1;
    return -1;
}

bool GraphDocument::HasFills() const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [](const auto& line) { return line->fillAbove != -1 || line->fillBelow != -1; });
}

bool GraphDocument::HasLineNamed(const String& name) const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [&name](const auto& line) { return line->name == name; });
}

void GraphDocument::MakeUniqueLineName(String& name) const {
    for (int n = 1; n <= kUniqueNameLimit; ++n) {
        String candidate(TXT("New Line"));
        if (n >= 2) {
            StringAppend(candidate, TXT(" "));
            StringAppend(candidate, NumberTextFromInt(n).Text());
        }
        name = candidate;
        if (!HasLineNamed(candidate)) return;
    }
}

GraphAxisState GraphDocument::AxisState() const {
    return GraphAxisState{valueKind_, valueSystem_, settings_.yAxisMin, settings_.yAxisMax};
}

void GraphDocument::SetAxisState(const GraphAxisState& state) {
    valueKind_ = state.valueKind;
    valueSystem_ = state.valueSystem;
    settings_.yAxisMin = state.yAxisMin;
    settings_.yAxisMax = state.yAxisMax;
}

void GraphDocument::ValueLimits(double& lowest, double& highest) const {
    const QuantityKind* kind = QuantityKindByIndex(valueKind_);
    lowest = kind ? kind->GetMinimum() : -std::numeric_limits<double>::infinity();
    highest = kind ? kind->GetMaximum() : std::numeric_limits<double>::infinity();
}

void GraphDocument::AttachView(GraphWindowCommands& window) {
    if (std::find(views_.begin(), views_.end(), &window) == views_.end()) views_.push_back(&window);
}

void GraphDocument::DetachView(GraphWindowCommands& window) {
    views_.erase(std::remove(views_.begin(), views_.end(), &window), views_.end());
}

GraphWindowCommands* GraphDocument::FindView(int windowNumber) {
    for (GraphWindowCommands* view : views_) {
        if (view->WindowNumber() == windowNumber) return view;
    }
    return nullptr;
}

std::unique_ptr<GraphDocument> NewGraphDocument(NotificationHub& hub, const GraphServices& services) {
    return std::unique_ptr<GraphDocument>(new (std::nothrow) GraphDocument(hub, services));
}

}  // namespace corvinata
