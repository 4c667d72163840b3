#include "automation/dispatch_object_win.h"

#include "automation/argument_rules.h"

namespace corvinata::automation {

namespace {

ITypeInfo* gTypeInformation[kAutomationInterfaceCount] = {};

const IID& InterfaceId(int which) {
    switch (which) {
    case kAppInterface: return __uuidof(ICorvinataApp);
    case kGraphWindowInterface: return __uuidof(ICorvinataGraphWindow);
    case kGraphLineInterface: return __uuidof(ICorvinataGraphLine);
    case kJupiterWindowInterface: return __uuidof(ICorvinataJupiterWindow);
    case kPictureWindowInterface: return __uuidof(ICorvinataPictureWindow);
    case kReportWindowInterface: return __uuidof(ICorvinataReportWindow);
    case kSaturnWindowInterface: return __uuidof(ICorvinataSaturnWindow);
    case kSkyWindowInterface: return __uuidof(ICorvinataSkyWindow);
    case kSolarSystemWindowInterface: return __uuidof(ICorvinataSolarSystemWindow);
    default: return __uuidof(ICorvinataSolarEclipseWindow);
    }
}

}  // namespace

bool LoadAutomationTypeInformation(const wchar_t* programPath) {
    ReleaseAutomationTypeInformation();
    ITypeLib* library = nullptr;
    if (FAILED(LoadTypeLibEx(programPath, REGKIND_NONE, &library)) || !library) return false;
    bool complete = true;
    for (int which = 0; which < kAutomationInterfaceCount; ++which) {
        if (FAILED(library->GetTypeInfoOfGuid(InterfaceId(which), &gTypeInformation[which]))) {
            gTypeInformation[which] = nullptr;
            complete = false;
        }
    }
    library->Release();
    if (!complete) ReleaseAutomationTypeInformation();
    return complete;
}

void ReleaseAutomationTypeInformation() {
    for (ITypeInfo*& info : gTypeInformation) {
        if (info) info->Release();
        info = nullptr;
    }
}

ITypeInfo* AutomationTypeInformation(AutomationInterface which) { return gTypeInformation[which]; }

HRESULT DispatchGetTypeInfoCount(AutomationInterface which, UINT* count) {
    if (!count) return E_POINTER;
    *count = gTypeInformation[which] ? 1 : 0;
    return gTypeInformation[which] ? S_OK : E_FAIL;
}

HRESULT DispatchGetTypeInfo(AutomationInterface which, ITypeInfo** info) {
    if (!info) return E_POINTER;
    *info = gTypeInformation[which];
    if (!*info) return E_FAIL;
    (*info)->AddRef();
    return S_OK;
}

HRESULT DispatchGetIDsOfNames(AutomationInterface which, REFIID, LPOLESTR* names, UINT count, DISPID* ids) {
    ITypeInfo* info = gTypeInformation[which];
    if (!info) return E_FAIL;
    return info->GetIDsOfNames(names, count, ids);
}

HRESULT DispatchInvoke(AutomationInterface which, void* object, DISPID id, REFIID riid, WORD flags,
                       DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    ITypeInfo* info = gTypeInformation[which];
    if (!info) return E_FAIL;
    if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    SetErrorInfo(0, nullptr);
    // The type information may go while the member runs (the application's
    // last release): the call keeps it.
    info->AddRef();
    const HRESULT status = info->Invoke(object, id, flags, params, result, exception, argumentError);
    info->Release();
    return status;
}

HRESULT SetText(BSTR* out, const wchar_t* text) {
    if (!out) return E_POINTER;
    *out = SysAllocString(text ? text : L"");
    return *out ? S_OK : E_OUTOFMEMORY;
}

bool ReadClientText(BSTR text, String& out) { return ClientText(text, text ? SysStringLen(text) : 0, out); }

HRESULT SetVariantText(VARIANT* out, const wchar_t* text) {
    if (!out) return E_POINTER;
    VariantInit(out);
    BSTR value = SysAllocString(text ? text : L"");
    if (!value) return E_OUTOFMEMORY;
    V_VT(out) = VT_BSTR;
    V_BSTR(out) = value;
    return S_OK;
}

}  // namespace corvinata::automation
