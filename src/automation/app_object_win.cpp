#include "automation/app_object_win.h"

#include "app/application.h"
#include "automation/argument_rules.h"
#include "automation/automation_server_win.h"
#include "automation/expression_text.h"
#include "automation/window_objects_win.h"
#include "base/date_time_text.h"
#include "catalog/town_table.h"
#include "documents/report_kinds.h"
#include "frame/frame_window.h"
#include "views/report_window_win.h"

namespace corvinata::automation {

namespace {

HRESULT SetVariantShort(VARIANT* out, int value) {
    if (!out) return E_POINTER;
    VariantInit(out);
    V_VT(out) = VT_I2;
    V_I2(out) = static_cast<SHORT>(value);
    return S_OK;
}

// A new window of the kind, or none when the kind is not offered or the
// window cannot be made.
MdiChildWindow* NewChild(AutomationServer& server, int kind) {
    ChildWindows& children = server.Frame().Children();
    return children.HasKind(kind) ? children.NewWindow(kind) : nullptr;
}

// The window's object in `out`; a window that could not be opened gives
// E_FAIL, an object that could not be made E_OUTOFMEMORY, both with none.
template <class Interface>
HRESULT HandOut(MdiChildWindow* window, HRESULT (*make)(MdiChildWindow*, Interface**), Interface** out) {
    if (!window) return E_FAIL;
    return make(window, out);
}

}  // namespace

AppObject::AppObject(AutomationServer& server) : server_(&server) {
    LoadAutomationTypeInformation(server.ProgramPath());
}

AppObject::~AppObject() {
    if (server_) server_->AppGone(*this);
}

void AppObject::LastRelease() {
    // The type information goes first: objects a client still holds answer
    // E_FAIL through IDispatch from now on.
    ReleaseAutomationTypeInformation();
    if (server_) {
        AutomationServer* server = server_;
        server->AppGone(*this);
        server_ = nullptr;
        server->EndAfterLastRelease();
    }
}

HRESULT AppObject::CloseAllMainWindows() {
    if (server_ && !CloseAllChildrenWithoutAsking(server_->Frame())) return kBusyInADialog;
    return S_OK;
}

HRESULT AppObject::EvaluateCorvinataScript(BSTR expression, BSTR* result) {
    if (const HRESULT status = ClearOut<BSTR>(result, nullptr); FAILED(status)) return status;
    if (!server_) return S_OK;
    Application& app = server_->App();
    const ExpressionTextFormat format{app.GetAngleDegreeBase(), app.GetRaDisplayUnit()};
    String source;
    String text;
    if (!ReadClientText(expression, source) || !EvaluateExpressionText(source, format, text)) return E_INVALIDARG;
    return SetText(result, text.Text());
}

HRESULT AppObject::GetDateTime(VARIANT* year, VARIANT* month, VARIANT* day, VARIANT* hour, VARIANT* minute) {
    for (VARIANT* out : {year, month, day, hour, minute}) {
        if (const HRESULT status = ClearOut(out); FAILED(status)) return status;
    }
    if (!server_) return S_OK;
    const DateTime& now = server_->App().Current().GetTimeAndLocation().dateTime;
    int h = 0, m = 0;
    double s = 0.0;
    DateTimeToHms(now, h, m, s);
    SetVariantShort(year, now.year);
    SetVariantShort(month, now.month);
    SetVariantShort(day, now.day);
    SetVariantShort(hour, h);
    SetVariantShort(minute, m);
    return S_OK;
}

HRESULT AppObject::GetLocation(VARIANT* country, VARIANT* town) {
    for (VARIANT* out : {country, town}) {
        if (const HRESULT status = ClearOut(out); FAILED(status)) return status;
    }
    if (!server_) return S_OK;
    const Location& place = server_->App().Current().GetTimeAndLocation().location;
    if (const HRESULT status = SetVariantText(country, place.country.Text()); FAILED(status)) return status;
    return SetVariantText(town, place.town.Text());
}

HRESULT AppObject::LoadGraph(BSTR path, VARIANT* error, ICorvinataGraphWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataGraphWindow*>(window, nullptr); FAILED(status)) return status;
    if (!error) return E_INVALIDARG;
    VariantInit(error);
    if (!server_) return S_OK;
    String file;
    if (!ReadClientText(path, file)) return E_INVALIDARG;
    String text;
    MdiChildWindow* opened = OpenGraphFileQuietly(file, text);
    if (opened) {
        text = String(L"No error");
        if (const HRESULT status = NewGraphWindowObject(opened, window); FAILED(status)) return status;
    }
    return SetVariantText(error, text.Text());
}

HRESULT AppObject::OpenGraphWindow(ICorvinataGraphWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataGraphWindow*>(window, nullptr); FAILED(status)) return status;
    if (!server_) return S_OK;
    return HandOut(NewChild(*server_, kGraphWindow), &NewGraphWindowObject, window);
}

HRESULT AppObject::OpenJupiterWindow(ICorvinataJupiterWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataJupiterWindow*>(window, nullptr); FAILED(status)) return status;
    if (!server_) return S_OK;
    return HandOut(NewChild(*server_, kJupiterExplorerWindow), &NewJupiterWindowObject, window);
}

HRESULT AppObject::OpenPictureWindow(ICorvinataPictureWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataPictureWindow*>(window, nullptr); FAILED(status)) return status;
    if (!server_) return S_OK;
    return HandOut(NewChild(*server_, kPictureWindow), &NewPictureWindowObject, window);
}

HRESULT AppObject::OpenReport(int type, int body, ICorvinataReportWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataReportWindow*>(window, nullptr); FAILED(status)) return status;
    if (type == kPlanetEphemerides && !InClosedRange(body, 0, kReportPlanetCount - 1)) return E_INVALIDARG;
    if (!server_) return S_OK;
    auto* reports = dynamic_cast<ReportWindowKind*>(server_->Frame().Children().KindOf(kReportWindow));
    if (!reports) return E_FAIL;
    const DateTimeLocation& now = server_->App().Current().GetTimeAndLocation();
    return HandOut(reports->NewReportWindow(type, body, now), &NewReportWindowObject, window);
}

HRESULT AppObject::OpenReportWindow_Day(ICorvinataReportWindow** window) { return OpenReport(kDayReport, 0, window); }
HRESULT AppObject::OpenReportWindow_Month(ICorvinataReportWindow** window) {
    return OpenReport(kMonthReport, 0, window);
}
HRESULT AppObject::OpenReportWindow_Night(ICorvinataReportWindow** window) {
    return OpenReport(kNightReport, 0, window);
}
HRESULT AppObject::OpenReportWindow_YearMoon(ICorvinataReportWindow** window) {
    return OpenReport(kLunarEphemerides, 0, window);
}
HRESULT AppObject::OpenReportWindow_YearPlanet(INT body, ICorvinataReportWindow** window) {
    return OpenReport(kPlanetEphemerides, body, window);
}
HRESULT AppObject::OpenReportWindow_YearSun(ICorvinataReportWindow** window) {
    return OpenReport(kSolarEphemerides, 0, window);
}

HRESULT AppObject::OpenSaturnWindow(ICorvinataSaturnWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataSaturnWindow*>(window, nullptr); FAILED(status)) return status;
    if (!server_) return S_OK;
    return HandOut(NewChild(*server_, kSaturnExplorerWindow), &NewSaturnWindowObject, window);
}

HRESULT AppObject::OpenSkyWindow(ICorvinataSkyWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataSkyWindow*>(window, nullptr); FAILED(status)) return status;
    if (!server_) return S_OK;
    return HandOut(NewChild(*server_, kSkyWindow), &NewSkyWindowObject, window);
}

HRESULT AppObject::OpenSolarSystemWindow(ICorvinataSolarSystemWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataSolarSystemWindow*>(window, nullptr); FAILED(status)) {
        return status;
    }
    if (!server_) return S_OK;
    return HandOut(NewChild(*server_, kSolarSystemWindow), &NewSolarSystemWindowObject, window);
}

HRESULT AppObject::OpenSolarEclipseWindow(ICorvinataSolarEclipseWindow** window) {
    if (const HRESULT status = ClearOut<ICorvinataSolarEclipseWindow*>(window, nullptr); FAILED(status)) {
        return status;
    }
    if (!server_) return S_OK;
    return HandOut(NewChild(*server_, kSolarEclipseWindow), &NewSolarEclipseWindowObject, window);
}

HRESULT AppObject::SetDateTime(INT year, INT month, INT day, INT hour, INT minute, VARIANT_BOOL localTime) {
    const DateTimeLocation* now = server_ ? &server_->App().Current().GetTimeAndLocation() : nullptr;
    const double zone = now ? now->location.coordinates.timeZone.hours : 0.0;
    const bool daylightSaving = now && now->daylightSaving;
    DateTime moment;
    if (!ClientDateTimeToLocalCivil(year, month, day, hour, minute, IsAutomationTrue(localTime), zone,
                                    daylightSaving, moment)) {
        return E_INVALIDARG;
    }
    if (server_) server_->App().Current().SetDateTime(moment, daylightSaving);
    return S_OK;
}

HRESULT AppObject::SetLocation(BSTR country, BSTR town) {
    String countryName, townName;
    if (!ReadClientText(country, countryName) || !ReadClientText(town, townName)) return E_INVALIDARG;
    Location place;
    if (!TownLocation(FindTownIndex(countryName.Text(), townName.Text()), place)) return E_INVALIDARG;
    if (server_) server_->App().Current().SetLocation(place);
    return S_OK;
}

HRESULT AppObject::get_WindowVisible(VARIANT_BOOL* visible) {
    if (const HRESULT status = ClearOut<VARIANT_BOOL>(visible, VARIANT_FALSE); FAILED(status)) return status;
    if (server_) *visible = AutomationBool(IsWindowVisible(server_->Frame().Window()) != FALSE);
    return S_OK;
}

HRESULT AppObject::put_WindowVisible(VARIANT_BOOL visible) {
    if (server_) ShowWindow(server_->Frame().Window(), IsAutomationTrue(visible) ? SW_SHOW : SW_HIDE);
    return S_OK;
}

}  // namespace corvinata::automation
