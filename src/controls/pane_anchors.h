// Keeps a pane dialog's controls in place when the pane changes height:
// each recorded control stays put, moves with the bottom edge, or stretches
// between the top and bottom edges.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

namespace corvinata {

enum class PaneAnchor { Fixed = 0, Bottom = 1, Stretch = 2 };

struct PaneAnchorItem {
    int id;
    PaneAnchor anchor;
};

class PaneAnchors {
public:
    // Notes each control's distances to the dialog's top and bottom edges
    // as the dialog stands now.
    void Record(HWND dialog, std::initializer_list<PaneAnchorItem> items);
    // Moves and stretches the controls for the dialog's present height.
    void Apply() const;

private:
    struct Entry {
        int id;
        PaneAnchor anchor;
        int top;     // distance from the top edge
        int bottom;  // distance from the bottom edge to the control's bottom
    };
    HWND dialog_ = nullptr;
    std::vector<Entry> entries_;
};

}  // namespace corvinata
