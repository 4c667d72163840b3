// The common body of every automation object: reference counting, the
// interfaces it answers, and IDispatch delegated to the type information of
// its interface, which the program loads once from its own type library.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "base/wide_string.h"
#include "generated/corvinata_server.h"

namespace corvinata::automation {

// The interfaces of the type library, by their slot in the process-wide
// table of type information.
enum AutomationInterface : int {
    kAppInterface,
    kGraphWindowInterface,
    kGraphLineInterface,
    kJupiterWindowInterface,
    kPictureWindowInterface,
    kReportWindowInterface,
    kSaturnWindowInterface,
    kSkyWindowInterface,
    kSolarSystemWindowInterface,
    kSolarEclipseWindowInterface,
    kAutomationInterfaceCount
};

// Loads the type library from the program file's TYPELIB resource and takes
// the type information of every interface; false leaves the table empty.
bool LoadAutomationTypeInformation(const wchar_t* programPath);
// Releases it all; IDispatch then answers E_FAIL.
void ReleaseAutomationTypeInformation();
// The interface's type information, or null.
ITypeInfo* AutomationTypeInformation(AutomationInterface which);

// The objects' IDispatch members, shared by every interface.
HRESULT DispatchGetTypeInfoCount(AutomationInterface which, UINT* count);
HRESULT DispatchGetTypeInfo(AutomationInterface which, ITypeInfo** info);
HRESULT DispatchGetIDsOfNames(AutomationInterface which, REFIID riid, LPOLESTR* names, UINT count, DISPID* ids);
HRESULT DispatchInvoke(AutomationInterface which, void* object, DISPID id, REFIID riid, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argumentError);

// A dual object of `Interface`: answers IUnknown, IDispatch and its own
// interface, and frees itself at its last Release (after `LastRelease`).
template <class Interface, AutomationInterface kWhich>
class DispatchObject : public Interface {
public:
    DispatchObject() = default;
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
            IsEqualIID(riid, __uuidof(Interface))) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            LastRelease();
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return DispatchGetTypeInfoCount(kWhich, count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        return DispatchGetTypeInfo(kWhich, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
        return DispatchGetIDsOfNames(kWhich, riid, names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) override {
        return DispatchInvoke(kWhich, static_cast<Interface*>(this), id, riid, flags, params, result, exception,
                              argumentError);
    }

protected:
    virtual ~DispatchObject() = default;
    virtual void LastRelease() {}

private:
    ULONG references_ = 1;
};

// Out parameters are set on every path: these give the empty values first
// and E_POINTER for a null pointer.
template <class T>
inline HRESULT ClearOut(T* out, T empty) {
    if (!out) return E_POINTER;
    *out = empty;
    return S_OK;
}
inline HRESULT ClearOut(VARIANT* out) {
    if (!out) return E_POINTER;
    VariantInit(out);
    return S_OK;
}

// A text for a BSTR out parameter; E_OUTOFMEMORY when it cannot be made.
HRESULT SetText(BSTR* out, const wchar_t* text);
// A VARIANT out parameter holding a text.
HRESULT SetVariantText(VARIANT* out, const wchar_t* text);
// A client's text read whole, by the length its BSTR carries (ClientText):
// false for a text holding a NUL, which a member that reads a value from it
// refuses with E_INVALIDARG.
bool ReadClientText(BSTR text, String& out);

}  // namespace corvinata::automation
