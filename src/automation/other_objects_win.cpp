// The objects of the Solar System, Solar Eclipse, Picture, Report and
// explorer windows; each change goes through the kind's actions as one step.
#include <memory>

#include "app/application.h"
#include "app/explorer_commands.h"
#include "automation/argument_rules.h"
#include "automation/window_object_win.h"
#include "automation/window_objects_win.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "catalog/catalogue_registry.h"
#include "views/eclipse_panel_win.h"
#include "views/picture_window_win.h"
#include "views/report_window_win.h"

namespace corvinata::automation {

namespace {

HRESULT GetBool(VARIANT_BOOL* out, bool present, bool value) {
    if (const HRESULT status = ClearOut<VARIANT_BOOL>(out, VARIANT_FALSE); FAILED(status)) return status;
    if (present) *out = AutomationBool(value);
    return S_OK;
}

// ---- Solar System ----

class SolarSystemObject final : public WindowObject<ICorvinataSolarSystemWindow, kSolarSystemWindowInterface> {
public:
    using WindowObject::WindowObject;

    HRESULT STDMETHODCALLTYPE get_ConstellationsVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::zodiacConstellations);
    }
    HRESULT STDMETHODCALLTYPE put_ConstellationsVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::zodiacConstellations, kZodiacConstellationsField);
    }
    HRESULT STDMETHODCALLTYPE get_MoonVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::moonOn);
    }
    HRESULT STDMETHODCALLTYPE put_MoonVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::moonOn, kSolarMoonField);
    }
    HRESULT STDMETHODCALLTYPE get_NamesVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::namesOn);
    }
    HRESULT STDMETHODCALLTYPE put_NamesVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::namesOn, kSolarNamesField);
    }
    HRESULT STDMETHODCALLTYPE get_OrbitsVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::orbitsOn);
    }
    HRESULT STDMETHODCALLTYPE put_OrbitsVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::orbitsOn, kSolarOrbitsField);
    }
    HRESULT STDMETHODCALLTYPE get_RightAscensionVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::zodiacRightAscension);
    }
    HRESULT STDMETHODCALLTYPE put_RightAscensionVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::zodiacRightAscension, kZodiacRightAscensionField);
    }
    HRESULT STDMETHODCALLTYPE get_SightLinesVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::zodiacSightLines);
    }
    HRESULT STDMETHODCALLTYPE put_SightLinesVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::zodiacSightLines, kZodiacSightLinesField);
    }
    HRESULT STDMETHODCALLTYPE get_SymbolsVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::signsOn);
    }
    HRESULT STDMETHODCALLTYPE put_SymbolsVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::signsOn, kSolarSignsField);
    }
    HRESULT STDMETHODCALLTYPE get_ZodiacVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SolarSystemOptions::zodiacSigns);
    }
    HRESULT STDMETHODCALLTYPE put_ZodiacVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SolarSystemOptions::zodiacSigns, kZodiacSignsField);
    }
    // A selection that is no planet (nor the Earth) answers -1.
    HRESULT STDMETHODCALLTYPE get_SelectedPlanet(EdPlanet* out) override {
        if (const HRESULT status = ClearOut<EdPlanet>(out, static_cast<EdPlanet>(-1)); FAILED(status)) return status;
        if (SolarSystemWindowCommands* w = Live<SolarSystemWindowCommands>()) {
            const BodyIdentifier body = w->GetSelectedBody();
            if (body.object) *out = static_cast<EdPlanet>(PlanetNumberOfObject(*body.object));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_SelectedPlanet(EdPlanet value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(static_cast<int>(value), 0, 8)) return E_INVALIDARG;
        SolarSystemWindowCommands* w = Live<SolarSystemWindowCommands>();
        const CelestialObject* planet = PlanetByNumber(value);
        if (w && planet) App().GetSolarSystemActions().SelectPair(*w, BodyIdentifierFromObject(planet), 1, 1, nullptr);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ZoomedPlanet(EdPlanet* out) override {
        if (const HRESULT status = ClearOut<EdPlanet>(out, CnPlanetMercury); FAILED(status)) return status;
        if (SolarSystemWindowCommands* w = Live<SolarSystemWindowCommands>()) {
            *out = static_cast<EdPlanet>(w->GetZoomedPlanet());
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_ZoomedPlanet(EdPlanet value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(static_cast<int>(value), 0, 8)) return E_INVALIDARG;
        if (SolarSystemWindowCommands* w = Live<SolarSystemWindowCommands>()) {
            if (w->GetZoomedPlanet() != value) App().GetSolarSystemActions().ZoomToPlanet(*w, value, 1, nullptr);
        }
        return S_OK;
    }

private:
    HRESULT GetFlag(VARIANT_BOOL* out, bool SolarSystemOptions::*member) {
        SolarSystemWindowCommands* w = Live<SolarSystemWindowCommands>();
        return GetBool(out, w != nullptr, w && w->GetOptions().*member);
    }
    HRESULT SetFlag(VARIANT_BOOL value, bool SolarSystemOptions::*member, std::int32_t field) {
        SolarSystemWindowCommands* w = Live<SolarSystemWindowCommands>();
        if (!w) return S_OK;
        SolarSystemOptions options = w->GetOptions();
        options.*member = IsAutomationTrue(value);
        if (!SolarSystemOptionsEqual(options, w->GetOptions())) {
            App().GetSolarSystemActions().ChangeOptions(*w, options, field, nullptr);
        }
        return S_OK;
    }
};

// ---- Solar Eclipse ----

class SolarEclipseObject final : public WindowObject<ICorvinataSolarEclipseWindow, kSolarEclipseWindowInterface> {
public:
    using WindowObject::WindowObject;

    HRESULT STDMETHODCALLTYPE get_EclipseDate(BSTR* out) override {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        EclipseWindowCommands* w = Commands();
        if (!w) return S_OK;
        String text;
        FormatDate(w->GetDocument().Model().date, kDateToDay, text);
        return SetText(out, text.Text());
    }
    HRESULT STDMETHODCALLTYPE put_EclipseDate(BSTR value) override {
        if (Gone()) return S_OK;
        String text;
        DateTime date;
        date.timeSystem = kUniversalTime;
        if (!ReadClientText(value, text) || !DateTimeParseDateAlone(date, text.Text())) return E_INVALIDARG;
        if (EclipseWindowCommands* w = Commands()) App().GetSolarEclipseActions().CheckDate(*w, date, nullptr);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_MapCenter(::MapCenter value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(static_cast<int>(value), 0, 2)) return E_INVALIDARG;
        EclipseWindowCommands* w = Commands();
        if (!w) return S_OK;
        SolarEclipseActions& actions = App().GetSolarEclipseActions();
        if (value == CnMapCenter_Center) actions.ResetMap(*w);
        if (value == CnMapCenter_Location) actions.GoToSelectedLocation(*w, nullptr);
        if (value == CnMapCenter_Path) actions.GoToCentralPath(*w, nullptr);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_MapCenterLatitude(BSTR* out) override {
        return GetLatitude(out, [](EclipseWindowCommands& w) { return w.GetCentre().latitude; });
    }
    HRESULT STDMETHODCALLTYPE put_MapCenterLatitude(BSTR value) override {
        if (Gone()) return S_OK;
        LatitudeValue latitude;
        if (!ParseLatitude(value, latitude)) return E_INVALIDARG;
        if (EclipseWindowCommands* w = Commands()) {
            App().GetSolarEclipseActions().Center(*w, MapPoint{w->GetCentre().longitude, latitude.degrees},
                                                  nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_MapCenterLongitude(BSTR* out) override {
        return GetLongitude(out, [](EclipseWindowCommands& w) { return w.GetCentre().longitude; });
    }
    HRESULT STDMETHODCALLTYPE put_MapCenterLongitude(BSTR value) override {
        if (Gone()) return S_OK;
        LongitudeValue longitude;
        if (!ParseLongitude(value, longitude)) return E_INVALIDARG;
        if (EclipseWindowCommands* w = Commands()) {
            App().GetSolarEclipseActions().Center(*w, MapPoint{longitude.degrees, w->GetCentre().latitude},
                                                  nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ObserverLatitude(BSTR* out) override {
        return GetLatitude(out, [](EclipseWindowCommands& w) { return w.GetDetailsPoint().latitude; });
    }
    HRESULT STDMETHODCALLTYPE put_ObserverLatitude(BSTR value) override {
        if (Gone()) return S_OK;
        LatitudeValue latitude;
        if (!ParseLatitude(value, latitude)) return E_INVALIDARG;
        if (EclipseWindowCommands* w = Commands()) {
            App().GetSolarEclipseActions().DisplayDetails(*w, MapPoint{kEclipseUnset, latitude.degrees},
                                                          kDetailsLatitude, nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ObserverLongitude(BSTR* out) override {
        return GetLongitude(out, [](EclipseWindowCommands& w) { return w.GetDetailsPoint().longitude; });
    }
    HRESULT STDMETHODCALLTYPE put_ObserverLongitude(BSTR value) override {
        if (Gone()) return S_OK;
        LongitudeValue longitude;
        if (!ParseLongitude(value, longitude)) return E_INVALIDARG;
        if (EclipseWindowCommands* w = Commands()) {
            App().GetSolarEclipseActions().DisplayDetails(*w, MapPoint{longitude.degrees, kEclipseUnset},
                                                          kDetailsLongitude, nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ObserverTime(BSTR* out) override {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        EclipseWindowCommands* w = Commands();
        if (!w) return S_OK;
        String text;
        FormatTime(kTimeToSecond, w->GetDetailsTime(), false, 0, nullptr, text);
        return SetText(out, text.Text());
    }
    HRESULT STDMETHODCALLTYPE put_ObserverTime(BSTR value) override {
        if (Gone()) return S_OK;
        String text;
        DateTime time;
        time.timeSystem = kUniversalTime;
        // Universal time: a time naming another system is refused, not read as UT.
        if (!ReadClientText(value, text) || !DateTimeParseTimeAlone(time, text.Text())) return E_INVALIDARG;
        if (EclipseWindowCommands* w = Commands()) {
            App().GetSolarEclipseActions().DisplayDetailsForTime(*w, time, 1, nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Zoom(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, 0); FAILED(status)) return status;
        if (EclipseWindowCommands* w = Commands()) {
            *out = ZoomPercentOfLevel(kEclipseZoomMin, kEclipseZoomMax, w->GetZoom());
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Zoom(INT value) override {
        if (!InClosedRange(value, 0, 100)) return E_INVALIDARG;
        EclipseWindowCommands* w = Commands();
        const int level = ZoomLevelOfPercent(kEclipseZoomMin, kEclipseZoomMax, value);
        if (w && w->GetZoom() != level) App().GetSolarEclipseActions().ZoomTo(*w, level, nullptr);
        return S_OK;
    }

private:
    EclipseWindowCommands* Commands() const {
        EclipsePanelWindow* window = Live<EclipsePanelWindow>();
        return window ? &window->GetCommands() : nullptr;
    }
    static bool ParseLatitude(BSTR value, LatitudeValue& latitude) {
        String text;
        return ReadClientText(value, text) && LatitudeParse(latitude, text.Text());
    }
    static bool ParseLongitude(BSTR value, LongitudeValue& longitude) {
        String text;
        return ReadClientText(value, text) && LongitudeParse(longitude, text.Text());
    }
    template <class Read>
    HRESULT GetLatitude(BSTR* out, Read read) {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        EclipseWindowCommands* w = Commands();
        if (!w) return S_OK;
        String text;
        LatitudeFormat(LatitudeValue(read(*w), kLatitudeHemisphereLetter), text, 0, kToSecond, kAutomaticDecimals);
        return SetText(out, text.Text());
    }
    template <class Read>
    HRESULT GetLongitude(BSTR* out, Read read) {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        EclipseWindowCommands* w = Commands();
        if (!w) return S_OK;
        String text;
        LongitudeFormat(LongitudeValue(read(*w), kWestPositive), text, 0, kToSecond, kAutomaticDecimals);
        return SetText(out, text.Text());
    }
};

// ---- Picture ----

class PictureObject final : public WindowObject<ICorvinataPictureWindow, kPictureWindowInterface> {
public:
    using WindowObject::WindowObject;

    HRESULT STDMETHODCALLTYPE get_SelectedPicture(BSTR* out) override {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        PictureWindowCommands* w = Live<PictureWindowCommands>();
        return w ? SetText(out, w->GetModel().CurrentRef().fileName.Text()) : S_OK;
    }
    // A name no installed pack holds gives E_FAIL.
    HRESULT STDMETHODCALLTYPE put_SelectedPicture(BSTR value) override {
        if (Gone()) return S_OK;
        String name;
        if (!ReadClientText(value, name)) return E_INVALIDARG;
        PictureRef found;
        for (const PicturePack& pack : App().PicturePacks()) {
            PictureRef ref{pack.directory, name};
            if (LookUpPicture(App().PicturePacks(), ref)) {
                found = ref;
                break;
            }
        }
        if (found.fileName.IsEmpty()) return E_FAIL;
        if (PictureWindowCommands* w = Live<PictureWindowCommands>()) {
            App().GetPictureActions().ShowPicture(*w, found, nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ScaleToFit(VARIANT_BOOL* out) override {
        PictureWindowCommands* w = Live<PictureWindowCommands>();
        return GetBool(out, w != nullptr, w && w->GetFitToWindow());
    }
    HRESULT STDMETHODCALLTYPE put_ScaleToFit(VARIANT_BOOL value) override {
        PictureWindowCommands* w = Live<PictureWindowCommands>();
        const bool fit = IsAutomationTrue(value);
        if (w && w->GetFitToWindow() != fit) App().GetPictureActions().ChangeOptions(*w, fit, kPictureFitField, nullptr);
        return S_OK;
    }
};

// ---- Report ----

class ReportObject final : public WindowObject<ICorvinataReportWindow, kReportWindowInterface> {
public:
    using WindowObject::WindowObject;

    HRESULT STDMETHODCALLTYPE get_Date(BSTR* out) override {
        if (const HRESULT status = ClearOut<BSTR>(out, nullptr); FAILED(status)) return status;
        ReportGenerator* report = Report();
        if (!report) return S_OK;
        String text;
        FormatDate(report->GetSettingsRecord().dateTime, kDateToDay, text);
        return SetText(out, text.Text());
    }
    HRESULT STDMETHODCALLTYPE put_Date(BSTR value) override {
        if (Gone()) return S_OK;
        String text;
        DateTime date;
        date.timeSystem = kLocalCivilTime;
        if (!ReadClientText(value, text) || !DateTimeParseDateAlone(date, text.Text())) return E_INVALIDARG;
        ReportWindow* window = Live<ReportWindow>();
        ReportGenerator* report = Report();
        if (!window || !report) return S_OK;
        DateTimeLocation record = report->GetSettingsRecord();
        record.dateTime = date;
        record.daylightSaving = App().Current().GetTimeAndLocation().daylightSaving;
        window->GetReportDocument().ApplyTimeAndLocation(record, CurrentServer()->Frame().NightVisionActive());
        return S_OK;
    }

private:
    ReportGenerator* Report() const {
        ReportWindow* window = Live<ReportWindow>();
        return window ? window->GetReportDocument().Report() : nullptr;
    }
};

// ---- Jupiter and Saturn explorers ----

template <class Interface, AutomationInterface kWhich>
class ExplorerObject final : public WindowObject<Interface, kWhich> {
public:
    ExplorerObject(MdiChildWindow* window, const ExplorerKindTraits& traits)
        : WindowObject<Interface, kWhich>(window), traits_(traits) {}

    HRESULT STDMETHODCALLTYPE get_EwSwapped(VARIANT_BOOL* out) override {
        return GetFlag(out, &ExplorerDisplayOptions::swapEastWest);
    }
    HRESULT STDMETHODCALLTYPE put_EwSwapped(VARIANT_BOOL value) override {
        return SetFlag(value, &ExplorerDisplayOptions::swapEastWest, kExplorerOptionSwapEastWest);
    }
    HRESULT STDMETHODCALLTYPE get_NamesVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &ExplorerDisplayOptions::showNames);
    }
    HRESULT STDMETHODCALLTYPE put_NamesVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &ExplorerDisplayOptions::showNames, kExplorerOptionNames);
    }
    HRESULT STDMETHODCALLTYPE get_NsSwapped(VARIANT_BOOL* out) override {
        return GetFlag(out, &ExplorerDisplayOptions::swapNorthSouth);
    }
    HRESULT STDMETHODCALLTYPE put_NsSwapped(VARIANT_BOOL value) override {
        return SetFlag(value, &ExplorerDisplayOptions::swapNorthSouth, kExplorerOptionSwapNorthSouth);
    }
    HRESULT STDMETHODCALLTYPE get_OrbitsVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &ExplorerDisplayOptions::showOrbits);
    }
    HRESULT STDMETHODCALLTYPE put_OrbitsVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &ExplorerDisplayOptions::showOrbits, kExplorerOptionOrbits);
    }
    // Moons by catalogue index both ways (0 Io, 0 Mimas).
    HRESULT STDMETHODCALLTYPE get_SelectedMoon(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, 0); FAILED(status)) return status;
        if (ExplorerView* view = View()) *out = view->GetSelectedMoon();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_SelectedMoon(INT value) override {
        if (this->Gone()) return S_OK;
        if (!ValidMoonNumber(value, traits_.moonCount)) return E_INVALIDARG;
        ExplorerView* view = View();
        if (view && view->GetSelectedMoon() != value) Actions().SelectMoonStep(*view, value, nullptr);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Tilt(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, 0); FAILED(status)) return status;
        if (ExplorerView* view = View()) *out = view->GetTiltAngle();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Tilt(INT value) override {
        if (this->Gone()) return S_OK;
        if (!InClosedRange(value, 0, 360)) return E_INVALIDARG;
        ExplorerView* view = View();
        if (view && view->GetTiltAngle() != value) Actions().TiltTo(*view, value, nullptr);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ZoomedMoon(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, 0); FAILED(status)) return status;
        if (ExplorerView* view = View()) *out = view->GetZoomLevel();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_ZoomedMoon(INT value) override {
        if (this->Gone()) return S_OK;
        if (!ValidMoonNumber(value, traits_.moonCount)) return E_INVALIDARG;
        ExplorerView* view = View();
        if (view && view->GetZoomLevel() != value) Actions().ZoomToLevel(*view, value, true, nullptr);
        return S_OK;
    }

private:
    ExplorerView* View() const { return this->template Live<ExplorerView>(); }
    ExplorerActions& Actions() const {
        Application& app = this->App();
        return traits_.kind == kJupiterExplorerWindow ? app.GetJupiterExplorerActions()
                                                      : app.GetSaturnExplorerActions();
    }
    HRESULT GetFlag(VARIANT_BOOL* out, std::uint8_t ExplorerDisplayOptions::*member) {
        ExplorerView* view = View();
        return GetBool(out, view != nullptr, view && view->GetDisplayOptions().*member != 0);
    }
    HRESULT SetFlag(VARIANT_BOOL value, std::uint8_t ExplorerDisplayOptions::*member, std::int32_t field) {
        ExplorerView* view = View();
        if (!view) return S_OK;
        ExplorerDisplayOptions options = view->GetDisplayOptions();
        options.*member = IsAutomationTrue(value) ? 1 : 0;
        if (options != view->GetDisplayOptions()) Actions().ChangeDisplayOptions(*view, options, field, nullptr);
        return S_OK;
    }

    const ExplorerKindTraits& traits_;
};

using JupiterObject = ExplorerObject<ICorvinataJupiterWindow, kJupiterWindowInterface>;
using SaturnObject = ExplorerObject<ICorvinataSaturnWindow, kSaturnWindowInterface>;

template <class Object, class Interface>
HRESULT HandOutExplorer(MdiChildWindow* window, const ExplorerKindTraits& traits, Interface** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    // An explorer window without its view (document) cannot be driven.
    if (!dynamic_cast<ExplorerView*>(window)) return E_FAIL;
    Object* made = new (std::nothrow) Object(window, traits);
    if (!made) return E_OUTOFMEMORY;
    *out = made;
    return S_OK;
}

}  // namespace

HRESULT NewSolarSystemWindowObject(MdiChildWindow* window, ICorvinataSolarSystemWindow** out) {
    return HandOutObject<SolarSystemObject>(window, out);
}
HRESULT NewSolarEclipseWindowObject(MdiChildWindow* window, ICorvinataSolarEclipseWindow** out) {
    return HandOutObject<SolarEclipseObject>(window, out);
}
HRESULT NewPictureWindowObject(MdiChildWindow* window, ICorvinataPictureWindow** out) {
    return HandOutObject<PictureObject>(window, out);
}
HRESULT NewReportWindowObject(MdiChildWindow* window, ICorvinataReportWindow** out) {
    return HandOutObject<ReportObject>(window, out);
}
HRESULT NewJupiterWindowObject(MdiChildWindow* window, ICorvinataJupiterWindow** out) {
    return HandOutExplorer<JupiterObject>(window, JupiterExplorerTraits(), out);
}
HRESULT NewSaturnWindowObject(MdiChildWindow* window, ICorvinataSaturnWindow** out) {
    return HandOutExplorer<SaturnObject>(window, SaturnExplorerTraits(), out);
}

}  // namespace corvinata::automation
