#include "documents/inline_image_protocol_win.h"

#include <cstring>
#include <new>

namespace corvinata {

const wchar_t kInlineImageSchemeW[] = L"CorvinataInlineImage";

namespace {

// The class the scheme is registered under in this process (our own number).
constexpr CLSID kInlineImageProtocolClass = {
    0x6c1f3a52, 0x9d0e, 0x4b7a, {0x8e, 0x31, 0x5a, 0x27, 0xc4, 0x90, 0x1d, 0x6b}};

}  // namespace

HRESULT InlineImageRequest::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_INVALIDARG;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IInternetProtocolRoot) ||
        IsEqualIID(iid, IID_IInternetProtocol)) {
        *out = static_cast<IInternetProtocol*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG InlineImageRequest::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG InlineImageRequest::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT InlineImageRequest::Start(LPCWSTR url, IInternetProtocolSink* sink, IInternetBindInfo*, DWORD, HANDLE_PTR) {
    data_ = nullptr;
    size_ = 0;
    position_ = 0;
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
    if (url == nullptr || !source_.ResolveInlineImageUrl(url, data, size)) {
        // Nothing is served for a URL that names no picture of ours.
        if (sink != nullptr) sink->ReportResult(INET_E_RESOURCE_NOT_FOUND, 0, nullptr);
        return INET_E_RESOURCE_NOT_FOUND;
    }
    data_ = data;
    size_ = size;
    if (sink != nullptr) sink->ReportData(BSCF_LASTDATANOTIFICATION, size_, size_);
    return S_OK;
}

HRESULT InlineImageRequest::Continue(PROTOCOLDATA*) { return E_NOTIMPL; }
HRESULT InlineImageRequest::Abort(HRESULT, DWORD) { return E_NOTIMPL; }
HRESULT InlineImageRequest::Terminate(DWORD) { return E_NOTIMPL; }
HRESULT InlineImageRequest::Suspend() { return E_NOTIMPL; }
HRESULT InlineImageRequest::Resume() { return E_NOTIMPL; }

HRESULT InlineImageRequest::Read(void* buffer, ULONG count, ULONG* read) {
    const std::uint32_t available = size_ - position_;
    const std::uint32_t copied = available <= count ? available : static_cast<std::uint32_t>(count);
    if (copied > 0 && buffer == nullptr) return E_POINTER;
    if (copied > 0) std::memcpy(buffer, data_ + position_, copied);
    position_ += copied;
    if (read != nullptr) *read = copied;
    return available <= count ? S_FALSE : S_OK;
}

HRESULT InlineImageRequest::Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) { return E_NOTIMPL; }
HRESULT InlineImageRequest::LockRequest(DWORD) { return S_OK; }
HRESULT InlineImageRequest::UnlockRequest() { return E_NOTIMPL; }

HRESULT InlineImageProtocol::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) return E_INVALIDARG;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *out = static_cast<IClassFactory*>(this);
    } else if (IsEqualIID(iid, IID_IInternetProtocolInfo)) {
        *out = static_cast<IInternetProtocolInfo*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG InlineImageProtocol::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
ULONG InlineImageProtocol::Release() { return static_cast<ULONG>(InterlockedDecrement(&references_)); }

HRESULT InlineImageProtocol::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
    if (out == nullptr) return E_INVALIDARG;
    *out = nullptr;
    // urlmon asks again without aggregation when it is refused.
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    auto* request = new (std::nothrow) InlineImageRequest(source_);
    if (request == nullptr) return E_OUTOFMEMORY;
    const HRESULT result = request->QueryInterface(iid, out);
    request->Release();
    return result;
}

HRESULT InlineImageProtocol::LockServer(BOOL) { return E_NOTIMPL; }

HRESULT InlineImageProtocol::ParseUrl(LPCWSTR, PARSEACTION, DWORD, LPWSTR, DWORD, DWORD*, DWORD) {
    return INET_E_DEFAULT_ACTION;
}
HRESULT InlineImageProtocol::CombineUrl(LPCWSTR, LPCWSTR, DWORD, LPWSTR, DWORD, DWORD*, DWORD) { return E_NOTIMPL; }
HRESULT InlineImageProtocol::CompareUrl(LPCWSTR, LPCWSTR, DWORD) { return E_NOTIMPL; }
HRESULT InlineImageProtocol::QueryInfo(LPCWSTR, QUERYOPTION, DWORD, LPVOID, DWORD, DWORD*, DWORD) {
    return INET_E_DEFAULT_ACTION;
}

InlineImageNamespace::InlineImageNamespace(InlineImageProtocol& protocol) : protocol_(protocol) {
    IInternetSession* session = nullptr;
    if (FAILED(CoInternetGetSession(0, &session, 0)) || session == nullptr) return;
    if (FAILED(session->RegisterNameSpace(&protocol_, kInlineImageProtocolClass, kInlineImageSchemeW, 0, nullptr,
                                          0))) {
        session->Release();
        return;
    }
    session_ = session;
}

InlineImageNamespace::~InlineImageNamespace() {
    if (session_ == nullptr) return;
    session_->UnregisterNameSpace(&protocol_, kInlineImageSchemeW);
    session_->Release();
}

}  // namespace corvinata
