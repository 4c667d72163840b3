// A graph document and window for the tests of the graph commands and of
// the Graph control panel.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/graph_commands.h"
#include "support/test_text.h"

namespace corvinata::test {

class FakeLine final : public GraphLineData {
public:
    explicit FakeLine(const char* name) : name_(test::Wide(name).c_str()) {}
    std::unique_ptr<GraphLineData> Clone() const override { return std::make_unique<FakeLine>(*this); }
    const String& Name() const override { return name_; }

private:
    String name_;
};

class FakeGraphDocument final : public GraphDocumentModel {
public:
    int LineCount() const override { return static_cast<int>(lines.size()); }
    int SelectedLine() const override { return selected; }
    void SetSelectedLine(int position) override { selected = position; }
    const GraphLineData* GetGraphLine(int p) const override {
        return p >= 0 && p < LineCount() ? &lines[p] : nullptr;
    }
    void InsertLine(const GraphLineData& line, int p) override {
        lines.insert(lines.begin() + p, static_cast<const FakeLine&>(line));
    }
    void DeleteLine(int p) override { lines.erase(lines.begin() + p); }
    void ReplaceLine(int p, const GraphLineData& line) override {
        lines[p] = static_cast<const FakeLine&>(line);
    }
    void SwapLines(int a, int b) override { std::swap(lines[a], lines[b]); }
    const TimeAndLocation& Options() const override { return options; }
    void SetOptions(const TimeAndLocation& o) override { options = o; }
    std::int32_t ValueKind() const override { return valueKind; }
    void UpdateGraphRange() override { valueKind = lines.empty() ? kValueKindUnknown : 0; }
    void ComputeGraphValues(GraphLineData&) override { ++computed; }
    void Recompute() override { ++recomputed; }
    void ValueLimits(double& lowest, double& highest) const override {
        lowest = 0.0;
        highest = 100.0;
    }
    GraphWindowCommands* FindView(int number) override {
        auto it = views.find(number);
        return it == views.end() ? nullptr : it->second;
    }
    WindowCommandHistory& History() override { return history; }

    std::string Names() const {
        std::string names;
        for (const FakeLine& line : lines) names += test::Utf8(line.Name());
        return names;
    }

    std::vector<FakeLine> lines;
    int selected = -1;
    TimeAndLocation options;
    std::int32_t valueKind = kValueKindUnknown;
    int computed = 0;
    int recomputed = 0;
    std::map<int, GraphWindowCommands*> views;
    WindowCommandHistory history;
};

class FakeGraphWindow final : public GraphWindowCommands {
public:
    FakeGraphWindow(FakeGraphDocument& document, int number) : document_(document), number_(number) {
        document_.views[number] = this;
    }
    ~FakeGraphWindow() override { document_.views.erase(number_); }
    int WindowNumber() const override { return number_; }
    bool IsGuideLineShown() const override { return guideLine; }
    GraphDocumentModel& GetDocument() override { return document_; }
    void ShowGuideLine(bool shown) override { guideLine = shown; }
    bool guideLine = true;

private:
    FakeGraphDocument& document_;
    int number_;
};

}  // namespace corvinata::test
