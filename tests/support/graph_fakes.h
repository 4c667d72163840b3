// A real graph document for the tests of the graph commands and of the
// Graph control panel.
#pragma once

#include <memory>
#include <string>

#include "app/graph_commands.h"
#include "documents/graph_document.h"
#include "support/app_fakes.h"
#include "support/test_text.h"
#include "views/graph_view.h"

namespace corvinata::test {

// A line with a name and an expression (a constant phase unless given).
inline GraphLine NamedLine(const char* name, const char* expression = "Phase(50)") {
    GraphLine line;
    line.name = String(Wide(name).c_str());
    line.SetExpression(String(Wide(expression).c_str()));
    return line;
}

// The names of the document's lines, joined.
inline std::string LineNames(const GraphDocument& document) {
    std::string names;
    for (int i = 0; i < document.LineCount(); ++i) names += Utf8(document.GetGraphLine(i)->Name());
    return names;
}

// A graph document over the program's own catalogues and calculators, with
// the current time of the test.
struct TestGraph {
    explicit TestGraph(NotificationHub& hub) : document(hub, ObjectModelGraphServices(now)) {}
    void AddLines(const char* names) {
        for (const char* c = names; *c; ++c) {
            const char name[2] = {*c, 0};
            document.InsertLine(document.LineCount(), NamedLine(name));
        }
    }
    FakeCurrentTime now;
    GraphDocument document;
};

}  // namespace corvinata::test
