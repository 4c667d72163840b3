#include "app/window_services.h"

#include "app/app_interfaces.h"

namespace corvinata {

bool ShowEventResult(WindowServices& services, const EventResultShowRequest& request) {
    const DateTime& moment = request.range.begin;
    switch (request.windowKind) {
        case kJupiterExplorerWindow: services.ShowBodyInJupiterWindow(request.body, &moment); return true;
        case kSaturnExplorerWindow: services.ShowBodyInSaturnWindow(request.body, &moment); return true;
        case kPictureWindow: services.ShowBodyInPictureWindow(request.body); return true;
        case kSolarEclipseWindow: services.ShowInSolarEclipseWindow(request.range); return true;
        case kSkyWindow: services.ShowBodyInSkyWindowAt(request.body, moment); return true;
        case kSolarSystemWindow: services.ShowBodyInSolarSystemWindowAt(request.body, moment); return true;
        default: return false;
    }
}

}  // namespace corvinata
