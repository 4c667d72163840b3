// The automation objects of the child windows: one per window a client
// opens, each driving its window through the kind's actions (one undoable
// step per change, with the menu's text), never touching a window that has
// closed.
#pragma once

#include "automation/dispatch_object_win.h"
#include "base/wide_string.h"

namespace corvinata {
class MdiChildWindow;
}

namespace corvinata::automation {

// Each gives a new object over the window with one reference, or
// E_OUTOFMEMORY and a null pointer.
HRESULT NewSkyWindowObject(MdiChildWindow* window, ICorvinataSkyWindow** out);
HRESULT NewSolarSystemWindowObject(MdiChildWindow* window, ICorvinataSolarSystemWindow** out);
HRESULT NewSolarEclipseWindowObject(MdiChildWindow* window, ICorvinataSolarEclipseWindow** out);
HRESULT NewPictureWindowObject(MdiChildWindow* window, ICorvinataPictureWindow** out);
HRESULT NewReportWindowObject(MdiChildWindow* window, ICorvinataReportWindow** out);
HRESULT NewJupiterWindowObject(MdiChildWindow* window, ICorvinataJupiterWindow** out);
HRESULT NewSaturnWindowObject(MdiChildWindow* window, ICorvinataSaturnWindow** out);
HRESULT NewGraphWindowObject(MdiChildWindow* window, ICorvinataGraphWindow** out);

// Opens a graph file in a new Graph window without a message box: the
// window, or none and the text the box would have shown.
MdiChildWindow* OpenGraphFileQuietly(const String& path, String& error);

}  // namespace corvinata::automation
