#include "documents/browser_host_win.h"

#include <new>

namespace corvinata {

namespace {

// A BSTR owned for the length of a call.
class ScopedBstr {
public:
    explicit ScopedBstr(const wchar_t* text) noexcept : text_(SysAllocString(text)) {}
    ~ScopedBstr() { SysFreeString(text_); }
    ScopedBstr(const ScopedBstr&) = delete;
    ScopedBstr& operator=(const ScopedBstr&) = delete;
    BSTR Get() const noexcept { return text_; }

private:
    BSTR text_;
};

// The control's current document, when it has one.
ComPtr<IHTMLDocument2> DocumentOf(IWebBrowser2* browser) {
    ComPtr<IHTMLDocument2> document;
    ComPtr<IDispatch> dispatch;
    if (browser == nullptr || FAILED(browser->get_Document(dispatch.Out())) || !dispatch) return document;
    dispatch->QueryInterface(IID_IHTMLDocument2, document.OutVoid());
    return document;
}

// Whether the system has the engine that renders HTML documents: the browser
// control itself may exist without it and then never gives a document.
bool HasHtmlEngine() {
    // The class of the system's HTML document, as the platform publishes it.
    static constexpr CLSID kHtmlDocumentClass = {
        0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};
    ComPtr<IUnknown> document;
    return SUCCEEDED(CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                      document.OutVoid())) &&
           document;
}

}  // namespace

BrowserHost* BrowserHost::Create() { return new (std::nothrow) BrowserHost(); }

BrowserHost::~BrowserHost() { Close(); }

bool BrowserHost::CreateBrowserControl(HWND window) {
    window_ = window;
    if (!HasHtmlEngine()) return false;
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER,
                                IID_IWebBrowser2, browser_.OutVoid())) ||
        !browser_) {
        return false;
    }
    ComPtr<IOleObject> object;
    if (FAILED(browser_->QueryInterface(IID_IOleObject, object.OutVoid())) || !object) {
        browser_.Reset();
        return false;
    }
    DWORD status = 0;
    object->GetMiscStatus(DVASPECT_CONTENT, &status);
    IOleClientSite* site = static_cast<IOleClientSite*>(this);
    if (status & OLEMISC_SETCLIENTSITEFIRST) object->SetClientSite(site);
    object->SetHostNames(L"Corvinata", nullptr);
    OleSetContainedObject(object.Get(), TRUE);
    RECT client{};
    GetClientRect(window_, &client);
    if (FAILED(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, window_, &client))) {
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
        browser_.Reset();
        return false;
    }
    readyState_ = new (std::nothrow) ReadyStateHandler(this);
    NavigateToBlank();
    return true;
}

void BrowserHost::NavigateToBlank() {
    ScopedBstr blank(L"about:blank");
    VARIANT url;
    VariantInit(&url);
    url.vt = VT_BSTR;
    url.bstrVal = blank.Get();
    VARIANT empty;
    VariantInit(&empty);
    browser_->Navigate2(&url, &empty, &empty, &empty, &empty);
}

ComPtr<IHTMLDocument2> BrowserHost::WaitForDocument() {
    // The blank page asked for at creation may still be on its way; it
    // comes through the messages of this thread.
    const DWORD start = GetTickCount();
    ComPtr<IHTMLDocument2> document = DocumentOf(browser_.Get());
    while (!document && browser_ && GetTickCount() - start < kDocumentWaitMs) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return document;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
        document = DocumentOf(browser_.Get());
    }
    return document;
}

bool BrowserHost::LoadHtmlText(const wchar_t* html) {
    ComPtr<IHTMLDocument2> document = WaitForDocument();
    if (!document) return false;
    SAFEARRAY* lines = SafeArrayCreateVector(VT_VARIANT, 0, 1);
    if (lines == nullptr) return false;
    bool written = false;
    VARIANT* line = nullptr;
    if (SUCCEEDED(SafeArrayAccessData(lines, reinterpret_cast<void**>(&line)))) {
        line->vt = VT_BSTR;
        line->bstrVal = SysAllocString(html != nullptr ? html : L"");
        SafeArrayUnaccessData(lines);
        ScopedBstr type(L"text/html");
        VARIANT none;
        VariantInit(&none);
        ComPtr<IDispatch> opened;
        if (line->bstrVal != nullptr && SUCCEEDED(document->open(type.Get(), none, none, none, opened.Out())) &&
            opened) {
            ComPtr<IHTMLDocument2> page;
            if (SUCCEEDED(opened->QueryInterface(IID_IHTMLDocument2, page.OutVoid())) && page) {
                if (readyState_ != nullptr) {
                    readyState_->Arm();
                    VARIANT handler;
                    VariantInit(&handler);
                    handler.vt = VT_DISPATCH;
                    handler.pdispVal = readyState_;
                    page->put_onreadystatechange(handler);
                }
                written = SUCCEEDED(page->write(lines));
                page->close();
            }
        }
    }
    SafeArrayDestroy(lines);  // frees the text with the array
    return written;
}

bool BrowserHost::DocumentComplete() {
    ComPtr<IHTMLDocument2> document = DocumentOf(browser_.Get());
    BSTR state = nullptr;
    if (!document || FAILED(document->get_readyState(&state)) || state == nullptr) return false;
    const bool complete = lstrcmpW(state, L"complete") == 0;
    SysFreeString(state);
    return complete;
}

void BrowserHost::RefreshDocument() {
    if (browser_) browser_->Refresh();
}

void BrowserHost::ResizeBrowserControl() {
    if (!browser_ || window_ == nullptr) return;
    RECT client{};
    GetClientRect(window_, &client);
    browser_->put_Left(0);
    browser_->put_Top(0);
    browser_->put_Width(client.right - client.left);
    browser_->put_Height(client.bottom - client.top);
}

void BrowserHost::Close() {
    if (browser_) {
        ComPtr<IOleObject> object;
        if (SUCCEEDED(browser_->QueryInterface(IID_IOleObject, object.OutVoid())) && object) {
            object->Close(OLECLOSE_NOSAVE);
            object->SetClientSite(nullptr);
        }
        browser_.Reset();
    }
    if (readyState_ != nullptr) {
        readyState_->Detach();
        readyState_->Release();
        readyState_ = nullptr;
    }
}

HRESULT BrowserHost::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_INVALIDARG;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *out = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceSite)) {
        *out = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(iid, IID_IOleInPlaceFrame)) {
        *out = static_cast<IOleInPlaceFrame*>(this);
    } else if (IsEqualIID(iid, IID_IDocHostUIHandler)) {
        *out = static_cast<IDocHostUIHandler*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG BrowserHost::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG BrowserHost::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT BrowserHost::SaveObject() { return E_NOTIMPL; }
HRESULT BrowserHost::GetMoniker(DWORD, DWORD, IMoniker**) { return E_NOTIMPL; }

HRESULT BrowserHost::GetContainer(IOleContainer** container) {
    if (container != nullptr) *container = nullptr;
    return E_NOINTERFACE;
}

HRESULT BrowserHost::ShowObject() { return S_OK; }
HRESULT BrowserHost::OnShowWindow(BOOL) { return E_NOTIMPL; }
HRESULT BrowserHost::RequestNewObjectLayout() { return E_NOTIMPL; }

HRESULT BrowserHost::GetWindow(HWND* window) {
    if (window == nullptr) return E_INVALIDARG;
    *window = window_;
    return S_OK;
}

HRESULT BrowserHost::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
HRESULT BrowserHost::CanInPlaceActivate() { return S_OK; }
HRESULT BrowserHost::OnInPlaceActivate() { return S_OK; }
HRESULT BrowserHost::OnUIActivate() { return S_OK; }

HRESULT BrowserHost::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT, LPRECT,
                                      LPOLEINPLACEFRAMEINFO info) {
    // The frame is handed out with a reference, as the caller releases it.
    if (frame != nullptr) {
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
    }
    if (document != nullptr) *document = nullptr;
    if (info != nullptr) {
        info->fMDIApp = FALSE;
        info->hwndFrame = window_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
    }
    return S_OK;
}

HRESULT BrowserHost::Scroll(SIZE) { return E_NOTIMPL; }
HRESULT BrowserHost::OnUIDeactivate(BOOL) { return S_OK; }
HRESULT BrowserHost::OnInPlaceDeactivate() { return S_OK; }
HRESULT BrowserHost::DiscardUndoState() { return E_NOTIMPL; }
HRESULT BrowserHost::DeactivateAndUndo() { return E_NOTIMPL; }

HRESULT BrowserHost::OnPosRectChange(LPCRECT position) {
    if (!browser_ || position == nullptr) return S_OK;
    ComPtr<IOleInPlaceObject> object;
    if (SUCCEEDED(browser_->QueryInterface(IID_IOleInPlaceObject, object.OutVoid())) && object) {
        object->SetObjectRects(position, position);
    }
    return S_OK;
}

HRESULT BrowserHost::GetBorder(LPRECT) { return E_NOTIMPL; }
HRESULT BrowserHost::RequestBorderSpace(LPCBORDERWIDTHS) { return E_NOTIMPL; }
HRESULT BrowserHost::SetBorderSpace(LPCBORDERWIDTHS) { return E_NOTIMPL; }
HRESULT BrowserHost::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) { return S_OK; }
HRESULT BrowserHost::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) { return E_NOTIMPL; }
HRESULT BrowserHost::SetMenu(HMENU, HOLEMENU, HWND) { return S_OK; }
HRESULT BrowserHost::RemoveMenus(HMENU) { return E_NOTIMPL; }
HRESULT BrowserHost::SetStatusText(LPCOLESTR) { return S_OK; }
HRESULT BrowserHost::EnableModeless(BOOL) { return S_OK; }
HRESULT BrowserHost::TranslateAccelerator(LPMSG, WORD) { return E_NOTIMPL; }

// The control shows no context menu, menus or toolbars of its own.
HRESULT BrowserHost::ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) { return S_OK; }

HRESULT BrowserHost::GetHostInfo(DOCHOSTUIINFO* info) {
    if (info == nullptr) return E_INVALIDARG;
    info->cbSize = sizeof(DOCHOSTUIINFO);
    info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER;
    info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
    return S_OK;
}

HRESULT BrowserHost::ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                            IOleInPlaceUIWindow*) {
    return S_OK;
}
HRESULT BrowserHost::HideUI() { return S_OK; }
HRESULT BrowserHost::UpdateUI() { return S_OK; }
HRESULT BrowserHost::OnDocWindowActivate(BOOL) { return S_OK; }
HRESULT BrowserHost::OnFrameWindowActivate(BOOL) { return S_OK; }
HRESULT BrowserHost::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT BrowserHost::TranslateAccelerator(LPMSG, const GUID*, DWORD) { return S_FALSE; }
HRESULT BrowserHost::GetOptionKeyPath(LPOLESTR* key, DWORD) {
    if (key != nullptr) *key = nullptr;
    return S_FALSE;
}
HRESULT BrowserHost::GetDropTarget(IDropTarget*, IDropTarget** result) {
    if (result != nullptr) *result = nullptr;
    return S_FALSE;
}
HRESULT BrowserHost::GetExternal(IDispatch** external) {
    if (external != nullptr) *external = nullptr;
    return S_FALSE;
}
HRESULT BrowserHost::TranslateUrl(DWORD, LPWSTR, LPWSTR* result) {
    if (result != nullptr) *result = nullptr;
    return S_FALSE;
}
HRESULT BrowserHost::FilterDataObject(IDataObject*, IDataObject** result) {
    if (result != nullptr) *result = nullptr;
    return S_FALSE;
}

HRESULT ReadyStateHandler::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_INVALIDARG;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG ReadyStateHandler::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG ReadyStateHandler::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT ReadyStateHandler::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }
HRESULT ReadyStateHandler::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT ReadyStateHandler::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT ReadyStateHandler::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    if (!armed_ || target_ == nullptr || !target_->DocumentComplete()) return S_OK;
    // Once per page: a refresh makes the document complete again.
    armed_ = false;
    ++refreshes_;
    target_->RefreshDocument();
    return S_OK;
}

}  // namespace corvinata
