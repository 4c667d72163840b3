// The application object: the client's entry to the program. It sets and
// reads the time and place, evaluates expressions, shows or hides the
// program, closes the child windows and opens new ones, each handed out as
// a window object.
#pragma once

#include "automation/dispatch_object_win.h"

namespace corvinata::automation {

class AutomationServer;

class AppObject final : public DispatchObject<ICorvinataApp, kAppInterface> {
public:
    explicit AppObject(AutomationServer& server);

    // The server ends before the object (the program is closing): later
    // calls do nothing.
    void ServerGone() noexcept { server_ = nullptr; }

    HRESULT STDMETHODCALLTYPE CloseAllMainWindows() override;
    HRESULT STDMETHODCALLTYPE EvaluateCorvinataScript(BSTR expression, BSTR* result) override;
    HRESULT STDMETHODCALLTYPE GetDateTime(VARIANT* year, VARIANT* month, VARIANT* day, VARIANT* hour,
                                          VARIANT* minute) override;
    HRESULT STDMETHODCALLTYPE GetLocation(VARIANT* country, VARIANT* town) override;
    HRESULT STDMETHODCALLTYPE LoadGraph(BSTR path, VARIANT* error, ICorvinataGraphWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenGraphWindow(ICorvinataGraphWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenJupiterWindow(ICorvinataJupiterWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenPictureWindow(ICorvinataPictureWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenReportWindow_Day(ICorvinataReportWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenReportWindow_Month(ICorvinataReportWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenReportWindow_Night(ICorvinataReportWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenReportWindow_YearMoon(ICorvinataReportWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenReportWindow_YearPlanet(INT body, ICorvinataReportWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenReportWindow_YearSun(ICorvinataReportWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenSaturnWindow(ICorvinataSaturnWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenSkyWindow(ICorvinataSkyWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenSolarSystemWindow(ICorvinataSolarSystemWindow** window) override;
    HRESULT STDMETHODCALLTYPE OpenSolarEclipseWindow(ICorvinataSolarEclipseWindow** window) override;
    HRESULT STDMETHODCALLTYPE SetDateTime(INT year, INT month, INT day, INT hour, INT minute,
                                          VARIANT_BOOL localTime) override;
    HRESULT STDMETHODCALLTYPE SetLocation(BSTR country, BSTR town) override;
    HRESULT STDMETHODCALLTYPE get_WindowVisible(VARIANT_BOOL* visible) override;
    HRESULT STDMETHODCALLTYPE put_WindowVisible(VARIANT_BOOL visible) override;

private:
    ~AppObject() override;
    void LastRelease() override;
    HRESULT OpenReport(int type, int body, ICorvinataReportWindow** window);

    AutomationServer* server_;
};

}  // namespace corvinata::automation
