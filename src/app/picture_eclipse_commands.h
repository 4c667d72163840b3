// The undoable edits of the Picture window (the picture shown, its options)
// and of the Solar Eclipse window (the eclipse date, the map's centre and
// zoom, the point and the time whose local circumstances are shown).
#pragma once

#include <cstdint>
#include <memory>

#include "app/command_family.h"
#include "app/eclipse_document.h"
#include "app/picture_document.h"

namespace corvinata {

// A Picture window as its commands see it.
class PictureWindowCommands {
public:
    virtual ~PictureWindowCommands() = default;
    virtual PictureDocument& GetModel() = 0;
    virtual bool GetFitToWindow() const = 0;
    virtual WindowCommandHistory& GetCommandHistory() = 0;
    virtual void ApplyOptions(bool fitToWindow) = 0;
};

// Field ids of the Picture options record: both name the one flag.
constexpr std::int32_t kPictureFitField = 1;

class PictureActions {
public:
    explicit PictureActions(CommandContext context) : context_(context) {}
    void ShowPicture(PictureWindowCommands& window, const PictureRef& picture, CompoundCommand* compound);
    void ChangeOptions(PictureWindowCommands& window, bool fitToWindow, std::int32_t fieldId,
                       CompoundCommand* compound);
    void EndCompound(PictureWindowCommands& window, const String& text,
                     std::unique_ptr<CompoundCommand> holder, bool record);

private:
    CommandContext context_;
};

// Marks a coordinate of the eclipse panel state not set in this step.
constexpr double kEclipseUnset = -1000.0;

class EclipseCommandHistory : public WindowCommandHistory {
public:
    std::uint32_t flags = 0;  // bit 0: the details point changed
    double longitudeBefore = kEclipseUnset;
    double latitudeBefore = kEclipseUnset;
    double longitudeAfter = kEclipseUnset;
    double latitudeAfter = kEclipseUnset;

protected:
    void ResetChangeState() override {
        flags = 0;
        longitudeBefore = latitudeBefore = longitudeAfter = latitudeAfter = kEclipseUnset;
    }
};

// A point of the map, longitude first (degrees, west positive), as every
// eclipse operation takes it.
struct MapPoint {
    double longitude = 0.0;
    double latitude = 0.0;
};

// Zoom levels of the eclipse map: 1 shows the whole Earth.
constexpr int kEclipseZoomMin = 1;
constexpr int kEclipseZoomMax = 5;

// Which coordinates of a details point are given.
constexpr std::int32_t kDetailsLongitude = 1;
constexpr std::int32_t kDetailsLatitude = 2;

// A Solar Eclipse window as its commands see it.
class EclipseWindowCommands {
public:
    virtual ~EclipseWindowCommands() = default;
    virtual MapPoint GetDetailsPoint() const = 0;
    virtual DateTime GetDetailsTime() const = 0;
    virtual MapPoint GetCentre() const = 0;
    virtual SolarEclipseDocument& GetDocument() = 0;
    virtual EclipseCommandHistory& GetCommandHistory() = 0;
    virtual int GetZoom() const = 0;
    virtual bool HasCentralPath() const = 0;
    virtual void SetDetailsPoint(const MapPoint& point) = 0;
    virtual void SetDetailsTime(const DateTime& time) = 0;
    virtual void SetEclipseDate(const DateTime& date) = 0;
    virtual void SetCentreLongitude(double longitude) = 0;
    virtual void SetCentreLatitude(double latitude) = 0;
    // Changes centre and zoom so that the central path fills the map.
    virtual void FitToCentralPath() = 0;
    virtual void SetZoom(int zoom) = 0;
    virtual void RefreshAfterMergedZoom() = 0;
};

// "<longitude>/<latitude>" as the user reads angles.
String FormatAnglePairText(const MapPoint& point);

class SolarEclipseActions {
public:
    explicit SolarEclipseActions(CommandContext context) : context_(context) {}

    void CheckDate(EclipseWindowCommands& window, const DateTime& date, CompoundCommand* compound);
    void Center(EclipseWindowCommands& window, const MapPoint& centre, CompoundCommand* compound);
    void GoToSelectedLocation(EclipseWindowCommands& window, CompoundCommand* compound);
    void GoToCentralPath(EclipseWindowCommands& window, CompoundCommand* compound);
    void ResetMap(EclipseWindowCommands& window);
    void DisplayDetails(EclipseWindowCommands& window, const MapPoint& point, std::int32_t flags,
                        CompoundCommand* compound);
    void DisplayDetailsForTime(EclipseWindowCommands& window, const DateTime& time,
                               std::int32_t changeKind, CompoundCommand* compound);
    // direction 1 zooms toward level 1, any other toward level 5.
    void ZoomStep(EclipseWindowCommands& window, int steps, int direction, bool merge);
    // A level outside 1..5 is refused (the running script is told).
    void ZoomTo(EclipseWindowCommands& window, int zoom, CompoundCommand* compound);
    void EndCompound(EclipseWindowCommands& window, const String& text,
                     std::unique_ptr<CompoundCommand> holder, bool record);

private:
    void CentreAndZoom(EclipseWindowCommands& window, const MapPoint& centre, int zoom,
                       const String& text, CompoundCommand* compound);

    CommandContext context_;
};

}  // namespace corvinata
