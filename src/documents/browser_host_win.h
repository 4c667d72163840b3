// The smallest OLE container the system's web-browser control needs to show
// a report page: client site, in-place site and frame, and the document
// host's UI handler. The page is written straight from memory into the
// control's document; its pictures come through the inline-image protocol.
//
// The host is reference counted like any COM object: the control holds it
// as its site, its owner holds one reference, and it is freed at its last
// Release. Close ends the control first, so nothing the control still holds
// points at freed memory.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <mshtml.h>
#include <mshtmhst.h>
#include <oleidl.h>

#include "documents/com_ptr_win.h"

namespace corvinata {

class ReadyStateHandler;

// How long a page waits for the control's first document.
constexpr DWORD kDocumentWaitMs = 2000;

// What the ready-state handler asks of the control it watches.
class ReadyStateTarget {
public:
    virtual ~ReadyStateTarget() = default;
    virtual bool DocumentComplete() = 0;
    virtual void RefreshDocument() = 0;
};

class BrowserHost final : public IOleClientSite,
                          public IOleInPlaceSite,
                          public IOleInPlaceFrame,
                          public IDocHostUIHandler,
                          private ReadyStateTarget {
public:
    // A new host with one reference (the caller's); null when memory ran out.
    static BrowserHost* Create();

    // Creates the control in `window` and shows a blank page in it; false
    // when the system has no browser control.
    bool CreateBrowserControl(HWND window);
    // Replaces the control's document with the page; false when there is no
    // control or it gives no document (no browser engine).
    bool LoadHtmlText(const wchar_t* html);
    // The control fills the host window's client area.
    void ResizeBrowserControl();
    // Closes the control without saving and lets it go; the host stays until
    // its last reference is released.
    void Close();
    bool HasBrowser() const noexcept { return static_cast<bool>(browser_); }
    HWND HostWindow() const noexcept { return window_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override;
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override;
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL show) override;
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override;
    // IOleWindow (of the in-place site and of the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;
    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
    HRESULT STDMETHODCALLTYPE OnUIActivate() override;
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
    HRESULT STDMETHODCALLTYPE Scroll(SIZE extent) override;
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL undoable) override;
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override;
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override;
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;
    // IOleInPlaceUIWindow and IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT border) override;
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* object, LPCOLESTR name) override;
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU menu, LPOLEMENUGROUPWIDTHS widths) override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU menu, HOLEMENU oleMenu, HWND activeObject) override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU menu) override;
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR text) override;
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, WORD id) override;
    // IDocHostUIHandler
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD id, POINT* point, IUnknown* target, IDispatch* object) override;
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD id, IOleInPlaceActiveObject* object, IOleCommandTarget* target,
                                     IOleInPlaceFrame* frame, IOleInPlaceUIWindow* document) override;
    HRESULT STDMETHODCALLTYPE HideUI() override;
    HRESULT STDMETHODCALLTYPE UpdateUI() override;
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, const GUID* group, DWORD command) override;
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget* target, IDropTarget** result) override;
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override;
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD translate, LPWSTR url, LPWSTR* result) override;
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject* object, IDataObject** result) override;

private:
    BrowserHost() = default;
    ~BrowserHost();
    void NavigateToBlank();
    ComPtr<IHTMLDocument2> WaitForDocument();
    bool DocumentComplete() override;
    void RefreshDocument() override;

    LONG references_ = 1;
    ComPtr<IWebBrowser2> browser_;
    HWND window_ = nullptr;
    ReadyStateHandler* readyState_ = nullptr;  // one reference held
};

// Refreshes the control once when a page it was given is complete, so that
// the pictures fetched while it was written are shown.
class ReadyStateHandler final : public IDispatch {
public:
    // One reference (the host's); the target is not held.
    explicit ReadyStateHandler(ReadyStateTarget* target) noexcept : target_(target) {}

    // A new page was written: the next "complete" refreshes.
    void Arm() noexcept { armed_ = true; }
    // The host closed the control: nothing more to refresh.
    void Detach() noexcept { target_ = nullptr; }
    int Refreshes() const noexcept { return refreshes_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

private:
    ~ReadyStateHandler() = default;

    LONG references_ = 1;
    ReadyStateTarget* target_;
    bool armed_ = false;
    int refreshes_ = 0;
};

// Owns one reference to a host and closes its control when it goes.
class BrowserHostOwner {
public:
    BrowserHostOwner() noexcept = default;
    ~BrowserHostOwner() { Reset(); }
    BrowserHostOwner(const BrowserHostOwner&) = delete;
    BrowserHostOwner& operator=(const BrowserHostOwner&) = delete;
    void Reset(BrowserHost* host = nullptr) noexcept {
        if (host_ != nullptr) {
            host_->Close();
            host_->Release();
        }
        host_ = host;
    }
    BrowserHost* Get() const noexcept { return host_; }
    BrowserHost* operator->() const noexcept { return host_; }
    explicit operator bool() const noexcept { return host_ != nullptr; }

private:
    BrowserHost* host_ = nullptr;
};

}  // namespace corvinata
