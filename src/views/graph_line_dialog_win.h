// The Add/Edit Graph Line dialog: one line's name, object, function and
// system, or a CorvinataScript expression of its own, its colour and where
// it shows.
#pragma once

#include <windows.h>

#include <functional>

#include "app/help_topics.h"
#include "catalog/catalogue_registry.h"
#include "documents/graph_document.h"

namespace corvinata {

class ScriptCatalogue;
struct WindowGeometry;

struct GraphLineDialogServices {
    // Compiles the expression on OK.
    const ScriptCatalogue* catalogue = nullptr;
    // The object chooser; true with the choice in `selection`. Unset: the
    // program's Select Body dialog.
    std::function<bool(HWND owner, BodyIdentifier& selection)> selectBody;
    // Tells why OK was refused. Unset: the program's message box.
    std::function<void(HWND owner, const String& text, MessageTopic topic)> tell;
    WindowGeometry* placement = nullptr;
};

// Runs "Dlg_GraphLineNew" titled `title` over `line`; true on OK, with the
// line updated and `changed` telling whether its values or looks differ.
// On Cancel the line is untouched.
bool ShowGraphLineDialog(HINSTANCE instance, HWND owner, const String& title, GraphLine& line, bool newLine,
                         const GraphLineDialogServices& services, bool& changed);

}  // namespace corvinata
