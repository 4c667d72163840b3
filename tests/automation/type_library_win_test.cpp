// The type library as a client's object browser reads it from the program
// file: the help strings of the application object's members.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <string>
#include <utility>

#include "generated/corvinata_server.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

std::string Taken(BSTR text) {
    const std::string out = test::Utf8(text ? text : L"");
    SysFreeString(text);
    return out;
}

// The help string of each member of the interface by the member's name, as
// GetDocumentation answers it (a property's get and put share an id: the
// get's, which comes first).
std::map<std::string, std::string> MemberHelpStrings(const IID& interfaceId) {
    std::map<std::string, std::string> texts;
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    ITypeLib* library = nullptr;
    ITypeInfo* dispatch = nullptr;
    if (FAILED(LoadTypeLibEx(module, REGKIND_NONE, &library))) return texts;
    HREFTYPE own = 0;
    ITypeInfo* info = nullptr;
    // The dual interface's own side lists its members without IDispatch's.
    if (SUCCEEDED(library->GetTypeInfoOfGuid(interfaceId, &dispatch)) &&
        SUCCEEDED(dispatch->GetRefTypeOfImplType(-1, &own)) && SUCCEEDED(dispatch->GetRefTypeInfo(own, &info))) {
        TYPEATTR* attributes = nullptr;
        if (SUCCEEDED(info->GetTypeAttr(&attributes))) {
            for (UINT f = 0; f < attributes->cFuncs; ++f) {
                FUNCDESC* function = nullptr;
                if (FAILED(info->GetFuncDesc(f, &function))) continue;
                BSTR name = nullptr, text = nullptr;
                info->GetDocumentation(function->memid, &name, &text, nullptr, nullptr);
                texts[Taken(name)] = Taken(text);
                info->ReleaseFuncDesc(function);
            }
            info->ReleaseTypeAttr(attributes);
        }
        info->Release();
    }
    if (dispatch) dispatch->Release();
    library->Release();
    return texts;
}

// Each member says what it does in these words and no more: a range
// belongs to the members whose values it limits.
TEST(TypeLibrary, TheApplicationMembersHelpStringsAreTheirTextsAlone) {
    const std::pair<const char*, const char*> expected[] = {
        {"CloseAllMainWindows", "Closes all main windows."},
        {"EvaluateCorvinataScript", "Evaluates a CorvinataScript expression."},
        {"GetDateTime", "Retrieves the application time. The time system is local civil time."},
        {"GetLocation", "Retrieves the location used by the application."},
        {"LoadGraph", "Loads a graph from a file and displays it in a graph window."},
        {"OpenGraphWindow", "Opens a new graph window that displays an empty graph."},
        {"OpenJupiterWindow", "Opens a new Jupiter explorer window."},
        {"OpenPictureWindow", "Opens a new picture window."},
        {"OpenReportWindow_Day", "Opens a new report window (day report)."},
        {"OpenReportWindow_Month", "Opens a new report window (month report)."},
        {"OpenReportWindow_Night", "Opens a new report window (night report)."},
        {"OpenReportWindow_YearMoon", "Opens a new report window (lunar ephemerides for one year)."},
        {"OpenReportWindow_YearPlanet", "Opens a new report window (planetary ephemerides for one year)."},
        {"OpenReportWindow_YearSun", "Opens a new report window (solar ephemerides for one year)."},
        {"OpenSaturnWindow", "Opens a new Saturn explorer window."},
        {"OpenSkyWindow", "Opens a new sky window."},
        {"OpenSolarSystemWindow", "Opens a new solar system window."},
        {"OpenSolarEclipseWindow", "Opens a new solar eclipse window."},
        {"SetDateTime",
         "Defines the application time. FlLocalTime determines whether the time is interpreted as local civil "
         "time or universal time."},
        {"SetLocation",
         "Defines the location used by the application. The valid country and town names are shown in the Select "
         "Location Dialog."},
        {"WindowVisible", "Retrieves whether the application is visible."},
    };
    const auto texts = MemberHelpStrings(IID_ICorvinataApp);
    EXPECT_EQ(texts.size(), std::size(expected));
    for (const auto& [member, text] : expected) {
        const auto found = texts.find(member);
        ASSERT_NE(found, texts.end()) << member;
        EXPECT_EQ(found->second, text) << member;
    }
}

}  // namespace
}  // namespace corvinata
