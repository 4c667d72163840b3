// What a Solar eclipse window shows, without the window: the observer's
// place and the moment whose local circumstances it shows, the circumstances
// computed there, the map's centre and zoom, and its own undo history. The
// Solar eclipse actions change it through EclipseWindowCommands; the window
// on top only draws it and hears when a step has changed it.
#pragma once

#include <cstdint>
#include <optional>

#include "app/eclipse_panel.h"
#include "app/picture_eclipse_commands.h"
#include "app/window_settings.h"
#include "views/eclipse_map.h"

namespace corvinata {

// What changed since the window last took the changes.
enum EclipseViewChange : std::uint32_t {
    kEclipseMarkMoved = 1,     // the observer's place (and its circumstances)
    kEclipseDetailsChanged = 2,  // the moment shown, or the circumstances
    kEclipseMapChanged = 4,    // centre, zoom or the eclipse itself
};

// The circumstances at the observer: contacts and maximum, and the eclipse
// at the moment shown. Degrees throughout, longitudes west positive.
struct EclipseDetails {
    LocalCircumstances circumstances;
    EclipseAtInstant atMoment;
};

// Nothing without an eclipse or without a place (magnitudes -1.0).
EclipseDetails ComputeEclipseDetails(const SolarEclipseModel& eclipse, const MapPoint& place,
                                     const DateTime& moment);

// "Central total (11.08.1999)", "no eclipse (01.01.2000)".
String EclipseStatusText(const SolarEclipseDocument& document);

class EclipseView : public EclipseWindowCommands {
public:
    // At the document's date, with no place chosen yet, centred on (0, 0)
    // at level 1.
    explicit EclipseView(SolarEclipseDocument& document);
    ~EclipseView() override = default;
    EclipseView(const EclipseView&) = delete;
    EclipseView& operator=(const EclipseView&) = delete;

    // EclipseWindowCommands.
    MapPoint GetDetailsPoint() const override { return observer_; }
    DateTime GetDetailsTime() const override { return detailsTime_; }
    MapPoint GetCentre() const override { return {map_.centreLongitude, map_.centreLatitude}; }
    SolarEclipseDocument& GetDocument() override { return document_; }
    EclipseCommandHistory& GetCommandHistory() override { return history_; }
    int GetZoom() const override { return map_.zoom; }
    bool HasCentralPath() const override;
    void SetDetailsPoint(const MapPoint& point) override;
    void SetDetailsTime(const DateTime& time) override;
    void SetEclipseDate(const DateTime& date) override;
    void SetCentreLongitude(double longitude) override;
    void SetCentreLatitude(double latitude) override;
    void FitToCentralPath() override;
    void SetZoom(int zoom) override;
    void RefreshAfterMergedZoom() override { OnViewStepDone(); }

    const SolarEclipseDocument& Document() const noexcept { return document_; }
    bool HasEclipse() const noexcept { return document_.Model().found; }
    const EclipseDetails& Details() const noexcept { return details_; }
    // Hours east of UT at the observer; none at sea.
    std::optional<double> TimeZone() const noexcept { return timeZone_; }
    EclipseMapView MapView() const noexcept { return map_; }

    // The client the map is drawn into, pixels.
    void SetClientSize(int width, int height) noexcept;
    EclipseMapProjection Projection() const noexcept;
    // What the map of this view draws, with the outlines given.
    EclipseMapContent MapContent(const std::vector<CountryOutline>* outlines) const;

    // The document changed: the moment shown becomes its date, and the
    // circumstances follow.
    void UpdateFromDocument();
    // The observer moved: its time zone, then the circumstances.
    void LocationChanged();

    // The layout record of this view (the placement stays the caller's).
    void CaptureRecord(EclipseWindowState& state) const;
    // From a layout record; a place or centre outside its range (-1000.0 in
    // a fresh record) keeps the current value.
    void RestoreRecord(const EclipseWindowState& state);

    String StatusText() const { return EclipseStatusText(document_); }
    EclipsePanelReading ReadPanel(bool daylightSaving) const;

    // The changes since the last call (EclipseViewChange bits) and, when the
    // mark moved, where it stood before.
    std::uint32_t TakeChanges(MapPoint* markBefore = nullptr) noexcept;

protected:
    // After each step of the history and after a merged wheel zoom.
    virtual void OnViewStepDone() {}

private:
    class History final : public EclipseCommandHistory {
    public:
        explicit History(EclipseView& view) : view_(view) {}

    protected:
        void OnCommandsPerformed(int) override { view_.OnViewStepDone(); }

    private:
        EclipseView& view_;
    };

    void Recompute();
    void NoteChange(std::uint32_t change) noexcept { changes_ |= change; }

    SolarEclipseDocument& document_;
    MapPoint observer_{kNotComputedAngle, kNotComputedAngle};
    DateTime detailsTime_{kFirstValidYear, 1, 1, 0.0, kInvalidTimeSystem};
    EclipseMapView map_;
    std::optional<double> timeZone_;
    EclipseDetails details_;
    PixelSize client_;
    History history_{*this};
    std::uint32_t changes_ = 0;
    MapPoint markBefore_{kNotComputedAngle, kNotComputedAngle};
};

}  // namespace corvinata
