// The Sky window's object: where the window looks, how far it zooms, what
// it shows, each change one step of the window's history through the Sky
// actions, as the menus and the control panel make it.
#include "app/application.h"
#include "automation/argument_rules.h"
#include "automation/window_object_win.h"
#include "automation/window_objects_win.h"
#include "catalog/catalogue_registry.h"

namespace corvinata::automation {

namespace {

// The option fields of the Sky options record, as its copy operation
// numbers them.
enum SkyField : std::int32_t {
    kBoundariesField = 0,
    kLinesField = 1,
    kConstellationNamesField = 2,
    kEclipticField = 3,
    kCrossesField = 4,
    kGridLabelsField = 5,
    kGridTypeField = 6,
    kHorizonField = 7,
    kMagnitudeField = 8,
    kMapTypeField = 9,
    kMoonField = 10,
    kDeepSkyPictureField = 11,
    kDeepSkyNamesField = 12,
    kDeepSkyCatalogueField = 13,
    kPlanetsField = 14,
    kPlanetNamesField = 15,
    kPlanetSymbolsField = 16,
    kPlanetTracksField = 17,
    kStarLettersField = 18,
    kStarNamesField = 19,
    kSunField = 20,
    kWholeRecordField = 21,
};

class SkyObject final : public WindowObject<ICorvinataSkyWindow, kSkyWindowInterface> {
public:
    using WindowObject::WindowObject;

    HRESULT STDMETHODCALLTYPE get_Altitude(double* out) override {
        return GetNumber(out, [](SkyWindowCommands& w) { return w.GetViewDirection().altitude; });
    }
    HRESULT STDMETHODCALLTYPE put_Altitude(double value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(value, -90.0, 90.0)) return E_INVALIDARG;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) App().GetSkyActions().LookToAltitude(*w, value, 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_Azimuth(double* out) override {
        return GetNumber(out, [](SkyWindowCommands& w) { return w.GetViewDirection().azimuth; });
    }
    HRESULT STDMETHODCALLTYPE put_Azimuth(double value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(value, 0.0, 360.0)) return E_INVALIDARG;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) App().GetSkyActions().LookToAzimuth(*w, value, 1);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_ConstellationBoundariesVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::constellationBoundariesOn);
    }
    HRESULT STDMETHODCALLTYPE put_ConstellationBoundariesVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::constellationBoundariesOn, kBoundariesField);
    }
    HRESULT STDMETHODCALLTYPE get_ConstellationLinesVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::constellationLinesOn);
    }
    HRESULT STDMETHODCALLTYPE put_ConstellationLinesVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::constellationLinesOn, kLinesField);
    }
    HRESULT STDMETHODCALLTYPE get_ConstellationNames(::ConstellationNames* out) override {
        return GetChoice(out, &SkyOptions::constellationNames);
    }
    HRESULT STDMETHODCALLTYPE put_ConstellationNames(::ConstellationNames value) override {
        return SetChoice(value, 2, &SkyOptions::constellationNames, kConstellationNamesField);
    }
    HRESULT STDMETHODCALLTYPE get_DeepSkyIndicatePicture(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::deepSkyColour);
    }
    HRESULT STDMETHODCALLTYPE put_DeepSkyIndicatePicture(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::deepSkyColour, kDeepSkyPictureField);
    }
    HRESULT STDMETHODCALLTYPE get_DeepSkyNames(::DeepSkyNames* out) override {
        return GetChoice(out, &SkyOptions::deepSkyNameSystem);
    }
    HRESULT STDMETHODCALLTYPE put_DeepSkyNames(::DeepSkyNames value) override {
        return SetChoice(value, 4, &SkyOptions::deepSkyNameSystem, kDeepSkyNamesField);
    }
    HRESULT STDMETHODCALLTYPE get_DeepSkyCatalog(::DeepSkyCatalog* out) override {
        return GetChoice(out, &SkyOptions::deepSkyCatalogue);
    }
    HRESULT STDMETHODCALLTYPE put_DeepSkyCatalog(::DeepSkyCatalog value) override {
        return SetChoice(value, 4, &SkyOptions::deepSkyCatalogue, kDeepSkyCatalogueField);
    }
    HRESULT STDMETHODCALLTYPE get_EclipticVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::eclipticOn);
    }
    HRESULT STDMETHODCALLTYPE put_EclipticVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::eclipticOn, kEclipticField);
    }
    HRESULT STDMETHODCALLTYPE FindObject(BSTR name) override {
        if (Gone()) return S_OK;
        String text;
        if (!ReadClientText(name, text)) return E_INVALIDARG;
        const CelestialObject* object = FindObjectByName(text.Text());
        if (!object) return E_INVALIDARG;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) {
            App().GetSkyActions().SelectPair(*w, BodyIdentifierFromObject(object), 1, 0, 1, nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_GridAsCrosses(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::gridAsCrosses);
    }
    HRESULT STDMETHODCALLTYPE put_GridAsCrosses(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::gridAsCrosses, kCrossesField);
    }
    HRESULT STDMETHODCALLTYPE put_GridLabelsVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::gridLabelsOn, kGridLabelsField);
    }
    HRESULT STDMETHODCALLTYPE get_GridLabelsVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::gridLabelsOn);
    }
    HRESULT STDMETHODCALLTYPE get_GridType(::GridType* out) override { return GetChoice(out, &SkyOptions::gridType); }
    HRESULT STDMETHODCALLTYPE put_GridType(::GridType value) override {
        return SetChoice(value, 2, &SkyOptions::gridType, kGridTypeField);
    }
    HRESULT STDMETHODCALLTYPE get_HorizonType(::HorizonType* out) override {
        return GetChoice(out, &SkyOptions::horizonType);
    }
    HRESULT STDMETHODCALLTYPE put_HorizonType(::HorizonType value) override {
        return SetChoice(value, 2, &SkyOptions::horizonType, kHorizonField);
    }
    HRESULT STDMETHODCALLTYPE get_MapType(::MapType* out) override { return GetChoice(out, &SkyOptions::mapType); }
    HRESULT STDMETHODCALLTYPE put_MapType(::MapType value) override {
        return SetChoice(value, 2, &SkyOptions::mapType, kMapTypeField);
    }
    HRESULT STDMETHODCALLTYPE get_MoonVisible(VARIANT_BOOL* out) override { return GetFlag(out, &SkyOptions::moonOn); }
    HRESULT STDMETHODCALLTYPE put_MoonVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::moonOn, kMoonField);
    }
    HRESULT STDMETHODCALLTYPE get_PlanetNamesVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::planetNamesOn);
    }
    HRESULT STDMETHODCALLTYPE put_PlanetNamesVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::planetNamesOn, kPlanetNamesField);
    }
    HRESULT STDMETHODCALLTYPE get_PlanetsVisible(::Planets* out) override {
        return GetChoice(out, &SkyOptions::planetDisplayMode);
    }
    HRESULT STDMETHODCALLTYPE put_PlanetsVisible(::Planets value) override {
        return SetChoice(value, 2, &SkyOptions::planetDisplayMode, kPlanetsField);
    }
    HRESULT STDMETHODCALLTYPE get_PlanetSymbolsVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::planetSymbolsOn);
    }
    HRESULT STDMETHODCALLTYPE put_PlanetSymbolsVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::planetSymbolsOn, kPlanetSymbolsField);
    }
    HRESULT STDMETHODCALLTYPE get_PlanetTracksVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::planetTracksOn);
    }
    HRESULT STDMETHODCALLTYPE put_PlanetTracksVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::planetTracksOn, kPlanetTracksField);
    }
    HRESULT STDMETHODCALLTYPE SetViewCenter(double azimuth, double altitude) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(azimuth, 0.0, 360.0) || !InClosedRange(altitude, -90.0, 90.0)) return E_INVALIDARG;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) {
            App().GetSkyActions().LookTo(*w, ViewDirection{azimuth, altitude}, kViewBoth, 1, nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_StarLettersVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::starLettersOn);
    }
    HRESULT STDMETHODCALLTYPE put_StarLettersVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::starLettersOn, kStarLettersField);
    }
    HRESULT STDMETHODCALLTYPE get_StarMagnitudeLimit(double* out) override {
        return GetNumber(out, [](SkyWindowCommands& w) { return w.GetOptions().magnitudeLimit; });
    }
    HRESULT STDMETHODCALLTYPE put_StarMagnitudeLimit(double value) override {
        if (Gone()) return S_OK;
        double limit = 0.0;
        if (!ClampMagnitudeLimit(value, limit)) return E_INVALIDARG;
        return Change(kMagnitudeField, [limit](SkyOptions& o) { o.magnitudeLimit = limit; });
    }
    HRESULT STDMETHODCALLTYPE get_StarNamesVisible(VARIANT_BOOL* out) override {
        return GetFlag(out, &SkyOptions::starNamesOn);
    }
    HRESULT STDMETHODCALLTYPE put_StarNamesVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::starNamesOn, kStarNamesField);
    }
    HRESULT STDMETHODCALLTYPE get_StarsFixed(VARIANT_BOOL* out) override {
        if (const HRESULT status = ClearOut<VARIANT_BOOL>(out, VARIANT_FALSE); FAILED(status)) return status;
        if (Live<SkyWindowCommands>()) *out = AutomationBool(App().GetStarsFixed());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_StarsFixed(VARIANT_BOOL value) override {
        // The whole record as it is, with the one application-wide flag.
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) {
            const SkyOptions current = w->GetOptions();
            App().GetSkyActions().ChangeOptions(*w, current, kWholeRecordField, IsAutomationTrue(value), nullptr);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_SunVisible(VARIANT_BOOL* out) override { return GetFlag(out, &SkyOptions::sunOn); }
    HRESULT STDMETHODCALLTYPE put_SunVisible(VARIANT_BOOL value) override {
        return SetFlag(value, &SkyOptions::sunOn, kSunField);
    }
    HRESULT STDMETHODCALLTYPE get_Zoom(INT* out) override {
        if (const HRESULT status = ClearOut<INT>(out, 0); FAILED(status)) return status;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) *out = w->GetZoom();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_Zoom(INT value) override {
        if (Gone()) return S_OK;
        if (!InClosedRange(value, kSkyZoomRangeMin, kSkyZoomRangeMax)) return E_INVALIDARG;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) App().GetSkyActions().ZoomTo(*w, value, 1, nullptr);
        return S_OK;
    }

private:
    template <class Read>
    HRESULT GetNumber(double* out, Read read) {
        if (const HRESULT status = ClearOut<double>(out, 0.0); FAILED(status)) return status;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) *out = read(*w);
        return S_OK;
    }
    HRESULT GetFlag(VARIANT_BOOL* out, bool SkyOptions::*member) {
        if (const HRESULT status = ClearOut<VARIANT_BOOL>(out, VARIANT_FALSE); FAILED(status)) return status;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) *out = AutomationBool(w->GetOptions().*member);
        return S_OK;
    }
    template <class Enumeration>
    HRESULT GetChoice(Enumeration* out, std::int32_t SkyOptions::*member) {
        if (const HRESULT status = ClearOut<Enumeration>(out, Enumeration{}); FAILED(status)) return status;
        if (SkyWindowCommands* w = Live<SkyWindowCommands>()) *out = static_cast<Enumeration>(w->GetOptions().*member);
        return S_OK;
    }
    // The window's options with the one field changed, as one step "Change
    // Sky Options" (none when nothing changes).
    template <class Edit>
    HRESULT Change(std::int32_t field, Edit edit) {
        SkyWindowCommands* w = Live<SkyWindowCommands>();
        if (!w) return S_OK;
        SkyOptions options = w->GetOptions();
        edit(options);
        App().GetSkyActions().ChangeOptions(*w, options, field, App().GetStarsFixed(), nullptr);
        return S_OK;
    }
    HRESULT SetFlag(VARIANT_BOOL value, bool SkyOptions::*member, std::int32_t field) {
        const bool on = IsAutomationTrue(value);
        return Change(field, [member, on](SkyOptions& o) { o.*member = on; });
    }
    HRESULT SetChoice(int value, int highest, std::int32_t SkyOptions::*member, std::int32_t field) {
        if (Gone()) return S_OK;
        if (!InClosedRange(value, 0, highest)) return E_INVALIDARG;
        return Change(field, [member, value](SkyOptions& o) { o.*member = value; });
    }
};

}  // namespace

HRESULT NewSkyWindowObject(MdiChildWindow* window, ICorvinataSkyWindow** out) {
    return HandOutObject<SkyObject>(window, out);
}

}  // namespace corvinata::automation
