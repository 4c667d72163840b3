#include "app/pane_layout.h"

#include <algorithm>

namespace corvinata {

PaneNode PaneNode::Leaf(PaneHandle pane, bool fills) {
    PaneNode node;
    node.pane_ = pane;
    node.fills_ = fills;
    return node;
}

PaneNode PaneNode::Group(bool fills, std::vector<PaneNode> children) {
    PaneNode node;
    node.fills_ = fills;
    node.children_ = std::move(children);
    return node;
}

int PaneLayout::Measure(const PaneNode& node, bool vertical) const {
    if (node.Pane()) {
        if (!IsShown(node.Pane())) return 0;
        const auto stretched = stretched_.find(node.Pane());
        if (stretched != stretched_.end()) return stretched->second;
        return vertical ? host_.PaneHeight(node.Pane()) : host_.PaneWidth(node.Pane());
    }
    int widest = 0;
    for (const PaneNode& child : node.Children()) widest = std::max(widest, Measure(child, vertical));
    return widest;
}

bool PaneLayout::AnyShown(const PaneNode& node) const {
    if (node.Pane()) return IsShown(node.Pane());
    for (const PaneNode& child : node.Children()) {
        if (AnyShown(child)) return true;
    }
    return false;
}

void PaneLayout::Arrange(int width, int height) {
    ArrangeChildren(root_, PaneRect{0, 0, width, height}, true);
}

void PaneLayout::ArrangeChildren(const PaneNode& node, const PaneRect& area, bool vertical) {
    const auto& children = node.Children();
    const int total = vertical ? area.height : area.width;
    std::vector<int> sizes(children.size(), 0);
    int fixed = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!children[i].Fills()) {
            sizes[i] = Measure(children[i], vertical);
            fixed += sizes[i];
        }
    }
    // The filler takes what is left; with the filler hidden, the last
    // shown sibling does, so that no empty block stays where it was.
    std::size_t taker = children.size();
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].Fills() && AnyShown(children[i])) taker = i;
    }
    if (taker == children.size()) {
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i].Pane() && IsShown(children[i].Pane())) taker = i;
        }
        // A pane that stands in keeps its own size for when the filler comes back.
        if (taker < children.size()) stretched_.emplace(children[taker].Pane(), sizes[taker]);
    } else {
        for (const PaneNode& child : children) {
            if (child.Pane()) stretched_.erase(child.Pane());
        }
    }
    if (taker < children.size()) {
        if (!children[taker].Fills()) fixed -= sizes[taker];
        sizes[taker] = std::max(0, total - fixed);
    }
    int offset = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        PaneRect part = area;
        if (vertical) {
            part.top = area.top + offset;
            part.height = sizes[i];
        } else {
            part.left = area.left + offset;
            part.width = sizes[i];
        }
        offset += sizes[i];
        const PaneNode& child = children[i];
        if (child.Pane()) {
            if (IsShown(child.Pane())) host_.PlacePane(child.Pane(), part.left, part.top, part.width, part.height);
        } else {
            ArrangeChildren(child, part, !vertical);
        }
    }
}

}  // namespace corvinata
