// A Sky window as the renderer sees it, on the recording GL backend, with
// the real catalogues and a Sky document whose bodies stand where the test
// puts them.
#pragma once

#include <memory>
#include <vector>

#include "app/notification.h"
#include "app/sky_document.h"
#include "base/date_time.h"
#include "base/event_time.h"
#include "catalog/celestial_object.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "views/sky_layers.h"
#include "views/sky_render.h"
#include "support/sky_render_recording.h"

namespace corvinata::test {

class PlacedBodies final : public SkyBodyComputer {
public:
    int PlanetCount() const override { return 8; }
    SkyPosition ComputePlanet(int planet, const TimeAndPlace&) override {
        return {planetRa[planet], planetDec, kEquatorialSystem};
    }
    SkyPosition ComputeSun(const TimeAndPlace&) override { return sun; }
    SkyPosition ComputeMoon(const TimeAndPlace&) override { return moon; }
    SkyPosition DeepSkyPosition(int) override { return {}; }
    double planetRa[8] = {10, 20, 30, 40, 50, 60, 70, 80};
    double planetDec = 0.0;
    SkyPosition sun{100.0, 0.0, kEquatorialSystem};
    SkyPosition moon{200.0, 0.0, kEquatorialSystem};
};

class TestSkyHost final : public SkyRendererHost {
public:
    const SkyOptions& GetSkyOptions() const override { return options; }
    int GetFieldOfView() const override { return fieldOfView; }
    void GetDirection(double& a, double& h) const override {
        a = azimuth;
        h = altitude;
    }
    const SkyDocument& GetSkyDocument() const override { return *document; }
    bool GetStarsFixed() const override { return starsFixed; }
    DateTime GetApplicationDateTime() const override { return applicationTime; }
    bool GetNightVision() const override { return night; }
    bool GetHighlightOn() const override { return highlight; }
    const CelestialObject* GetSelectedObject() const override { return selected; }
    double GetPlanetMagnitude(const CelestialObject& planet) const override {
        return planetMagnitudes[planet.Number()];
    }

    SkyOptions options;
    int fieldOfView = 60;
    double azimuth = 0.0;
    double altitude = 0.0;
    const SkyDocument* document = nullptr;
    bool starsFixed = false;
    DateTime applicationTime;
    bool night = false;
    bool highlight = false;
    const CelestialObject* selected = nullptr;
    double planetMagnitudes[8] = {1, 1, 1, 1, 1, 1, 1, 1};
};

// The catalogues (shared by the program's tests: they take a while) and the
// star points, which a test that ran the program's Sky windows has freed.
inline bool EnsureSkyCatalogues() {
    if (!SharedCatalogues()) return false;
    SkyPrecomputeStarVectors();
    return true;
}

// Equatorial map, nothing drawn but what a test switches on.
inline SkyOptions BareOptions() {
    SkyOptions o;
    o.mapType = 1;
    o.gridType = 0;
    o.planetDisplayMode = 0;
    o.deepSkyNameSystem = 5;
    o.magnitudeLimit = -100.0;
    return o;
}

// Every layer on, so that each list has something to draw.
inline void AllLayers(SkyOptions& o) {
    o.gridType = 2;
    o.eclipticOn = o.constellationLinesOn = o.constellationBoundariesOn = true;
    o.sunOn = o.moonOn = o.planetTracksOn = true;
    o.planetDisplayMode = 1;
    o.deepSkyCatalogue = 1;
    o.magnitudeLimit = 6;
}

struct SkyScene {
    SkyScene() : gl(800, 800), document(hub, now, bodies) {
        EnsureSkyCatalogues();
        TimeAndPlace moment;
        moment.dateTime = DateTime{2000, 1, 1, 12.0, kUniversalTime};
        document.SetTimeAndPlace(moment, false);
        host.document = &document;
        host.options = BareOptions();
        renderer = std::make_unique<SkyRenderer>(host, gl);
    }
    void SetYear(int year) {
        TimeAndPlace moment = document.GetTimeAndPlace();
        moment.dateTime.year = year;
        document.SetTimeAndPlace(moment, false);
    }

    NotificationHub hub;
    FakeCurrentTime now;
    PlacedBodies bodies;
    RecordingSkyGl gl;
    SkyDocument document;
    TestSkyHost host;
    std::unique_ptr<SkyRenderer> renderer;
};

// The pick codes a list emits, in order (no-object markers included).
inline std::vector<float> PassThroughs(const std::vector<SkyGlCall>& calls) {
    std::vector<float> out;
    for (const SkyGlCall& c : calls)
        if (c.op == SkyGlOp::kPassThrough) out.push_back(static_cast<float>(c.a[0]));
    return out;
}

}  // namespace corvinata::test
