#include "app/window_services.h"

#include "app/app_interfaces.h"

namespace corvinata {

bool ShowEventResult(WindowServices& services, const EventResultShowRequest& request) {
    const DateTime& moment = request.range.begin;
    switch (request.windowKind) {
        case kJupiterExplorerWindow: return services.ShowBodyInJupiterWindow(request.body, &moment);
        case kSaturnExplorerWindow: return services.ShowBodyInSaturnWindow(request.body, &moment);
        case kPictureWindow: return services.ShowBodyInPictureWindow(request.body);
        case kSolarEclipseWindow: return services.ShowInSolarEclipseWindow(request.range);
        case kSkyWindow: return services.ShowBodyInSkyWindowAt(request.body, moment);
        case kSolarSystemWindow: return services.ShowBodyInSolarSystemWindowAt(request.body, moment);
        default: return false;
    }
}

}  // namespace corvinata
