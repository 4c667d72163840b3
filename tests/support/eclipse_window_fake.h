// A Solar eclipse window for the tests of its commands and of its panel.
#pragma once

#include "app/picture_eclipse_commands.h"

namespace corvinata::test {

// Fitting to the central path moves the map to (-20, 10) at zoom 3; a window
// that shows the steps hears of them through Changed().
class FakeEclipseCommands : public EclipseWindowCommands {
public:
    explicit FakeEclipseCommands(SolarEclipseDocument& document) : document_(document) {}
    MapPoint GetDetailsPoint() const override { return detailsPoint; }
    DateTime GetDetailsTime() const override { return detailsTime; }
    MapPoint GetCentre() const override { return centre; }
    SolarEclipseDocument& GetDocument() override { return document_; }
    const SolarEclipseDocument& Document() const { return document_; }
    EclipseCommandHistory& GetCommandHistory() override { return history; }
    int GetZoom() const override { return zoom; }
    bool HasCentralPath() const override { return centralPath; }
    void SetDetailsPoint(const MapPoint& p) override { detailsPoint = p, Changed(); }
    void SetDetailsTime(const DateTime& t) override { detailsTime = t, Changed(); }
    void SetEclipseDate(const DateTime& d) override { document_.SetDate(d), Changed(); }
    void SetCentreLongitude(double longitude) override { centre.longitude = longitude; }
    void SetCentreLatitude(double latitude) override { centre.latitude = latitude; }
    void FitToCentralPath() override {
        centre = MapPoint{-20.0, 10.0};
        zoom = 3;
    }
    void SetZoom(int z) override { zoom = z, Changed(); }
    void RefreshAfterMergedZoom() override {}

    MapPoint detailsPoint;
    DateTime detailsTime;
    MapPoint centre;
    int zoom = 1;
    bool centralPath = false;
    EclipseCommandHistory history;

protected:
    virtual void Changed() {}

private:
    SolarEclipseDocument& document_;
};

}  // namespace corvinata::test
