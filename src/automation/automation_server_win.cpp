#include "automation/automation_server_win.h"

#include <cwchar>
#include <new>

#include "automation/app_object_win.h"
#include "frame/frame_window.h"
#include "controls/mdi_child_window.h"

namespace corvinata::automation {

namespace {

AutomationServer* gServer = nullptr;
LONG gLocks = 0;

// The class object of the application; single use, so one client only.
class AppFactory final : public IClassFactory {
public:
    explicit AppFactory(AutomationServer& server) : server_(server) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        // The server may be gone while COM still holds the factory.
        if (gServer != &server_) return E_UNEXPECTED;
        return server_.CreateApp(riid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        gLocks += lock ? 1 : -1;
        return S_OK;
    }

private:
    AutomationServer& server_;
    ULONG references_ = 1;
};

ITypeLib* LoadProgramTypeLibrary(const wchar_t* programPath) {
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLibEx(programPath, REGKIND_NONE, &library))) return nullptr;
    return library;
}

void CALLBACK NoClientTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (gServer) gServer->EndWithoutClient();
}

// How often an end kept by a modal loop looks whether the loop has ended.
constexpr UINT kAskAgainToEnd = 200;

void CALLBACK EndTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (gServer) gServer->EndAfterLastRelease();
}

}  // namespace

bool RegisterTypeLibrary(const wchar_t* programPath) {
    ITypeLib* library = LoadProgramTypeLibrary(programPath);
    if (!library) return false;
    const HRESULT status = RegisterTypeLib(library, const_cast<wchar_t*>(programPath), nullptr);
    library->Release();
    return SUCCEEDED(status);
}

AutomationServer::AutomationServer(Application& app, FrameWindow& frame, bool embedded)
    : app_(app), frame_(frame), embedded_(embedded) {
    gServer = this;
}

AutomationServer::~AutomationServer() {
    if (waitTimer_) KillTimer(nullptr, waitTimer_);
    if (endTimer_) KillTimer(nullptr, endTimer_);
    if (registered_) CoRevokeClassObject(registration_);
    if (appObject_) appObject_->ServerGone();
    if (gServer == this) gServer = nullptr;
}

bool AutomationServer::Start(const wchar_t* programPath) {
    std::wcsncpy(programPath_, programPath ? programPath : L"", MAX_PATH);
    AppFactory* factory = new (std::nothrow) AppFactory(*this);
    if (!factory) return false;
    registered_ = SUCCEEDED(CoRegisterClassObject(CLSID_App, factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE,
                                                  &registration_));
    factory->Release();
    if (registered_ && embedded_) waitTimer_ = SetTimer(nullptr, 0, kWaitForClient, &NoClientTimer);
    return registered_;
}

HRESULT AutomationServer::CreateApp(REFIID riid, void** out) {
    clientCame_ = true;
    if (appObject_) return appObject_->QueryInterface(riid, out);
    AppObject* made = new (std::nothrow) AppObject(*this);
    if (!made) return E_OUTOFMEMORY;
    appObject_ = made;
    const HRESULT status = made->QueryInterface(riid, out);
    // An interface the object does not answer leaves no reference: the
    // last release then runs as a client's would.
    made->Release();
    return status;
}

void AutomationServer::AppGone(AppObject& app) {
    if (appObject_ == &app) appObject_ = nullptr;
}

void AutomationServer::EndAfterLastRelease() {
    // A copy the user started stays open, with its windows as the client
    // left them.
    if (!embedded_) return;
    // The loop's timers run inside it too: the timer asks until it is over.
    if (frame_.InModalLoop()) {
        if (!endTimer_) endTimer_ = SetTimer(nullptr, 0, kAskAgainToEnd, &EndTimer);
        return;
    }
    if (endTimer_) KillTimer(nullptr, endTimer_);
    endTimer_ = 0;
    // Nobody is asked: unsaved work goes as after the answer No. The
    // windows close in the exit's own order, once the shared documents'
    // models are written, and a graph's file joins the recent files.
    frame_.Children().DropUnsavedWork();
    PostMessageW(frame_.Window(), WM_CLOSE, 0, 0);
}

void AutomationServer::EndWithoutClient() {
    if (waitTimer_) KillTimer(nullptr, waitTimer_);
    waitTimer_ = 0;
    if (!clientCame_) EndAfterLastRelease();
}

AutomationServer* CurrentServer() noexcept { return gServer; }

WindowTarget::WindowTarget(MdiChildWindow* window) {
    AutomationServer* server = CurrentServer();
    if (server && window) number_ = server->Frame().Registry().CreationNumber(*window);
}

MdiChildWindow* WindowTarget::Live() const {
    AutomationServer* server = CurrentServer();
    if (!server || number_ == 0) return nullptr;
    return dynamic_cast<MdiChildWindow*>(server->Frame().Registry().WindowByCreationNumber(number_));
}

bool CloseChildWithoutAsking(FrameWindow& frame, HWND child) {
    if (frame.InModalLoop()) return false;
    SendMessageW(frame.MdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    return true;
}

bool CloseAllChildrenWithoutAsking(FrameWindow& frame) {
    if (frame.InModalLoop()) return false;
    if (!frame.MdiClient()) return true;
    HWND previous = nullptr;
    while (HWND active = reinterpret_cast<HWND>(SendMessageW(frame.MdiClient(), WM_MDIGETACTIVE, 0, 0))) {
        if (active == previous) break;
        CloseChildWithoutAsking(frame, active);
        previous = active;
    }
    return true;
}

}  // namespace corvinata::automation
