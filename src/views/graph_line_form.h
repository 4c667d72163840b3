// What the Add/Edit Graph Line dialog decides, kept apart from the dialog:
// the object and function the line plots, the systems the function's value
// offers, the expression they make, the automatic name, and what OK takes.
#pragma once

#include <cstdint>
#include <vector>

#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "documents/graph_document.h"

namespace corvinata {

class ScriptCatalogue;

// The names of the systems a value kind offers, in table order (index =
// system index): kind 0 the time-system codes, 1 and 2 the coordinate
// systems, 6 the distance units; none for any other kind.
std::vector<String> GraphLineSystemNames(int quantityKind);
// The index of the name among them; -1 when absent.
int GraphLineSystemIndex(int quantityKind, const String& name);

// The line's new object and fields: a new line plots the Sun's first body
// function under the name "New line" until the dialog names it.
GraphLine NewGraphLine();

// How OK ends.
enum class GraphLineRefusal { kNone, kSyntaxError, kEmptyName };

class GraphLineForm {
public:
    GraphLineForm(const GraphLine& line, bool newLine);

    const BodyIdentifier& Object() const noexcept { return object_; }
    // Another object: its type's function of the same id stays selected,
    // else the type's first function in the list's order.
    void SetObject(const BodyIdentifier& object);

    // The object type's functions, sorted by name.
    const std::vector<const EventKind*>& Functions() const noexcept { return functions_; }
    const EventKind* Function() const noexcept { return function_; }
    // A function of the list by its id; false (selection kept) when absent.
    bool SelectFunction(std::uint32_t id);

    // The selected function's systems, sorted by name, and the selected one
    // (empty for a kind without systems).
    std::vector<String> SortedSystems() const;
    int SystemIndex() const noexcept { return system_; }
    void SelectSystem(const String& name);

    // The expression the object, function and system make.
    String GeneratedExpression() const;

    // What the name field shows: the object's name for a new line as long
    // as the user has not typed one; else the line's own name.
    bool NameEdited() const noexcept { return nameEdited_; }
    void NameTyped() noexcept { nameEdited_ = true; }
    String DefaultName() const;

    // OK: the expression must compile, then the name must not be empty;
    // on a refusal the line is untouched. `changed` tells whether anything
    // of the line's values or appearance differs (always for a new line).
    struct Fields {
        String name;
        String expression;
        bool editScript = false;
        bool visibleInGraph = true;
        bool visibleInControlPanel = true;
        std::int32_t colour = 0;
    };
    GraphLineRefusal Apply(const Fields& fields, const ScriptCatalogue& catalogue, GraphLine& line,
                           bool& changed) const;

private:
    void FillFunctions(std::uint32_t keep);

    bool newLine_;
    String lineName_;
    BodyIdentifier object_;
    std::vector<const EventKind*> functions_;
    const EventKind* function_ = nullptr;
    int system_ = -1;
    bool nameEdited_ = false;
};

}  // namespace corvinata
