// A Sky window for the tests of its commands and of the controls that
// drive them.
#pragma once

#include "app/sky_commands.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"

namespace corvinata::test {

// A Sky window whose centring turns the view to (10 x body number, 5) and
// whose look direction for a target is (target azimuth + zoom, 0).
class FakeSkyWindow final : public SkyWindowCommands {
public:
    explicit FakeSkyWindow(SkyDocument& document) : document_(document) {}
    ViewDirection ComputeLookDirection(const SkyPosition& target, double zoom) override {
        return ViewDirection{target.first + zoom, 0.0};
    }
    void Highlight() override { ++highlights; }
    int GetZoomStep() const override { return 10; }
    void GetZoomRange(int& minimum, int& maximum) const override {
        minimum = 10;
        maximum = 180;
    }
    int GetZoom() const override { return zoom; }
    SkyDocument& GetDocument() override { return document_; }
    const SkyOptions& GetOptions() const override { return options; }
    BodyIdentifier GetSelectedBody() const override { return selected; }
    bool GetTimeFlag() const override { return timeFlag; }
    bool IsTracking() const override { return tracking; }
    SkyPosition GetLookTarget() const override { return target; }
    SkyCommandHistory& GetCommandHistory() override { return history; }
    ViewDirection GetViewDirection() const override { return direction; }
    void SetZoom(int z) override { zoom = z; }
    void SetOptions(const SkyOptions& o) override { options = o; }
    void SelectBody(const BodyIdentifier& body, int centreMode, int, int) override {
        selected = body;
        if (centreMode != 0) direction = ViewDirection{10.0 * body.object->Number(), 5.0};
    }
    void SetLookTarget(const SkyPosition& t) override { target = t; }
    void SetTracking(bool t) override { tracking = t; }
    void SetTimeFlag(bool f) override { timeFlag = f; }
    void SetViewDirection(const ViewDirection& d) override { direction = d; }
    void StepAltitude(double delta) override { direction.altitude = ClampAltitude(direction.altitude + delta); }
    void StepAzimuth(double delta, bool add) override {
        direction.azimuth = WrapAzimuth(direction.azimuth + (add ? delta : -delta));
    }
    void RefreshDisplay() override {}

    int zoom = 60;
    SkyOptions options;
    BodyIdentifier selected;
    bool timeFlag = false;
    bool tracking = false;
    SkyPosition target;
    ViewDirection direction;
    SkyCommandHistory history;
    int highlights = 0;

private:
    SkyDocument& document_;
};

// One Sky window over its document, with the actions that step it.
struct SkySession {
    ScopedCatalogues catalogues;  // body identifiers name real objects
    NotificationHub hub;
    FakeCurrentTime now;
    FakeSkyComputer computer;
    SkyDocument document{hub, now, computer};
    FakeSkyWindow window{document};
    FakeScriptErrors errors;
    SkyActions actions{CommandContext{hub, errors}};
};

}  // namespace corvinata::test
