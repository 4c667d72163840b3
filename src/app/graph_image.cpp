#include "app/graph_image.h"

namespace corvinata {

namespace {
GraphImageInterface* registered = nullptr;
}  // namespace

GraphImageInterface::GraphImageInterface() { registered = this; }

GraphImageInterface::~GraphImageInterface() {
    if (registered == this) registered = nullptr;
}

GraphImageInterface* GetGraphImageInterface() noexcept { return registered; }

}  // namespace corvinata
