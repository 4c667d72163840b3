// The division of the frame's client area among its panes: a tree whose
// inner nodes stack their children alternately top to bottom and left to
// right. In each group one child fills what its siblings leave (or, while
// nothing of it is shown, the last shown sibling does); the others keep the
// size their windows have along the stacking direction.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <vector>

namespace corvinata {

// A pane's window, as the layout sees it; null for an inner node.
using PaneHandle = const void*;

// What the layout needs of the windows: their current size, and a way to
// place them.
class PaneHost {
public:
    virtual ~PaneHost() = default;
    virtual int PaneWidth(PaneHandle pane) const = 0;
    virtual int PaneHeight(PaneHandle pane) const = 0;
    virtual void PlacePane(PaneHandle pane, int left, int top, int width, int height) = 0;
};

struct PaneRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class PaneNode {
public:
    // A leaf holding a pane window.
    static PaneNode Leaf(PaneHandle pane, bool fills);
    // An inner node whose children stack across the direction its parent
    // stacks in.
    static PaneNode Group(bool fills, std::vector<PaneNode> children);

    bool Fills() const noexcept { return fills_; }
    PaneHandle Pane() const noexcept { return pane_; }
    const std::vector<PaneNode>& Children() const noexcept { return children_; }

private:
    PaneHandle pane_ = nullptr;
    bool fills_ = false;
    std::vector<PaneNode> children_;
};

class PaneLayout {
public:
    // The root's children stack from top to bottom.
    PaneLayout(PaneHost& host, PaneNode root) : host_(host), root_(std::move(root)) {}

    void Show(PaneHandle pane) { shown_.insert(pane); }
    void Hide(PaneHandle pane) { shown_.erase(pane); }
    bool IsShown(PaneHandle pane) const { return shown_.count(pane) != 0; }

    // Lays every shown pane out in a client area of the size given; hidden
    // panes take no space and are not moved.
    void Arrange(int width, int height);

private:
    // The size of a subtree along one direction: a shown pane's own, a
    // hidden pane's 0, a group's largest child.
    int Measure(const PaneNode& node, bool vertical) const;
    // Whether any pane of the subtree is shown.
    bool AnyShown(const PaneNode& node) const;
    // Places the children of `node` one after another inside `area`.
    void ArrangeChildren(const PaneNode& node, const PaneRect& area, bool vertical);

    PaneHost& host_;
    PaneNode root_;
    std::set<PaneHandle> shown_;
    // Panes that stand in for a hidden filler, with their own size.
    std::map<PaneHandle, int> stretched_;
};

}  // namespace corvinata
