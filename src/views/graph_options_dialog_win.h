// The Graph Options dialog: five pages (Time, Location, X Axis, Y Axis,
// Guides) over a copy of one graph's settings. A page is checked when the
// user leaves it and at OK; a refused page keeps the focus on its faulty
// field. Cancel drops every change, also those of pages already left.
#pragma once

#include <windows.h>

#include <functional>

#include "app/time_and_location.h"
#include "base/location.h"
#include "views/graph_options_form.h"

namespace corvinata {

class GraphDocument;
class OptionsDialogPlacement;

struct GraphOptionsDialogServices {
    // Where the dialog stood and the tab it showed last; none: centred on
    // its owner, Time first.
    OptionsDialogPlacement* placement = nullptr;
    // The place chooser of "&Select..."; true with the place chosen.
    // Unset: the button does nothing.
    std::function<bool(HWND owner, Location& place)> choosePlace;
    // Tells why a page was refused. Unset: the program's message box.
    std::function<void(HWND owner, const String& text, MessageTopic topic)> tell;
};

// Runs "Dlg_GraphOpt" over a copy of the graph's settings, opening at `tab`
// (-1: the tab shown last). On OK answers true with the settings in
// `options` and the guide-line flag in `guideLineOn`; otherwise both are
// untouched.
bool ShowGraphOptionsDialog(HINSTANCE instance, HWND owner, GraphDocument& graph, int tab,
                            GraphOptionsDialogServices& services, TimeAndLocation& options, bool& guideLineOn);

// The page shown and its tab, for tests: none while the dialog is closed.
HWND GraphOptionsCurrentPage();
int GraphOptionsCurrentTab();

}  // namespace corvinata
