// The pluggable URL protocol through which the embedded browser fetches the
// pictures of a report page: urlmon asks the factory for a request object per
// URL of the scheme "CorvinataInlineImage", and each request streams the bytes
// the program's resolver gives for its URL.
#pragma once

#include <windows.h>
#include <urlmon.h>

#include <cstdint>

#include "documents/inline_images.h"

namespace corvinata {

// One fetch: its own bytes and read position, so that the pictures of a
// page, fetched together, never read each other's data.
class InlineImageRequest final : public IInternetProtocol {
public:
    explicit InlineImageRequest(const InlineImageSource& source) noexcept : source_(source) {}
    InlineImageRequest(const InlineImageRequest&) = delete;
    InlineImageRequest& operator=(const InlineImageRequest&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IInternetProtocolRoot
    HRESULT STDMETHODCALLTYPE Start(LPCWSTR url, IInternetProtocolSink* sink, IInternetBindInfo* bindInfo,
                                    DWORD flags, HANDLE_PTR reserved) override;
    HRESULT STDMETHODCALLTYPE Continue(PROTOCOLDATA* data) override;
    HRESULT STDMETHODCALLTYPE Abort(HRESULT reason, DWORD options) override;
    HRESULT STDMETHODCALLTYPE Terminate(DWORD options) override;
    HRESULT STDMETHODCALLTYPE Suspend() override;
    HRESULT STDMETHODCALLTYPE Resume() override;
    // IInternetProtocol
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override;
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* position) override;
    HRESULT STDMETHODCALLTYPE LockRequest(DWORD options) override;
    HRESULT STDMETHODCALLTYPE UnlockRequest() override;

private:
    ~InlineImageRequest() = default;

    const InlineImageSource& source_;
    LONG references_ = 1;
    const unsigned char* data_ = nullptr;
    std::uint32_t size_ = 0;
    std::uint32_t position_ = 0;
};

// The object urlmon knows the scheme by: the class factory of the requests
// and the protocol information. It lives as long as the application, and its
// reference count only counts.
class InlineImageProtocol final : public IClassFactory, public IInternetProtocolInfo {
public:
    explicit InlineImageProtocol(const InlineImageSource& source) noexcept : source_(source) {}
    InlineImageProtocol(const InlineImageProtocol&) = delete;
    InlineImageProtocol& operator=(const InlineImageProtocol&) = delete;

    // IUnknown (both parts)
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IClassFactory: a new request for each call, answered for the asked interface.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
    // IInternetProtocolInfo: the platform's default handling of the URLs.
    HRESULT STDMETHODCALLTYPE ParseUrl(LPCWSTR url, PARSEACTION action, DWORD flags, LPWSTR result,
                                       DWORD resultSize, DWORD* written, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE CombineUrl(LPCWSTR base, LPCWSTR relative, DWORD flags, LPWSTR result,
                                         DWORD resultSize, DWORD* written, DWORD reserved) override;
    HRESULT STDMETHODCALLTYPE CompareUrl(LPCWSTR first, LPCWSTR second, DWORD flags) override;
    HRESULT STDMETHODCALLTYPE QueryInfo(LPCWSTR url, QUERYOPTION option, DWORD flags, LPVOID buffer,
                                        DWORD size, DWORD* written, DWORD reserved) override;

    LONG References() const noexcept { return references_; }

private:
    const InlineImageSource& source_;
    LONG references_ = 0;
};

// Registers the protocol as urlmon's handler of the scheme in this process
// for the object's lifetime (start-up to exit).
class InlineImageNamespace {
public:
    explicit InlineImageNamespace(InlineImageProtocol& protocol);
    ~InlineImageNamespace();
    InlineImageNamespace(const InlineImageNamespace&) = delete;
    InlineImageNamespace& operator=(const InlineImageNamespace&) = delete;
    bool Registered() const noexcept { return session_ != nullptr; }

private:
    InlineImageProtocol& protocol_;
    IInternetSession* session_ = nullptr;
};

extern const wchar_t kInlineImageSchemeW[];

}  // namespace corvinata
