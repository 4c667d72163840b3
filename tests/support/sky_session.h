// One Sky view over the Sky document, with the actions that step it: what a
// Sky window holds, without its window.
#pragma once

#include <memory>

#include "app/sky_commands.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "views/sky_view.h"

namespace corvinata::test {

// The view shows the equatorial map, where the direction that shows a
// position is the position itself; the planets of the computer stand at
// (10 x number, 1).
struct SkySession {
    SkySession() {
        SkyOptions equatorial = window.GetOptions();
        equatorial.mapType = kEquatorialMap;
        window.SetOptions(equatorial);
    }
    ScopedCatalogues catalogues;  // body identifiers name real objects
    NotificationHub hub;
    FakeCurrentTime now;
    FakeSkyComputer computer;
    SkyDocument document{hub, now, computer};
    SkyView window{document, std::make_unique<SkyCommandHistory>()};
    SkyCommandHistory& history = window.GetCommandHistory();
    FakeScriptErrors errors;
    SkyActions actions{CommandContext{hub, errors}};
};

}  // namespace corvinata::test
