#include "documents/browser_host_win.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

class BrowserHostTest : public ::testing::Test {
protected:
    BrowserHostTest() {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, nullptr, nullptr);
        owner.Reset(BrowserHost::Create());
    }
    ~BrowserHostTest() override {
        owner.Reset();
        DestroyWindow(window);
        CoUninitialize();
    }

    HWND window = nullptr;
    BrowserHostOwner owner;
};

TEST_F(BrowserHostTest, AnswersForEachOfItsParts) {
    BrowserHost& host = *owner.Get();
    EXPECT_EQ(host.QueryInterface(IID_IUnknown, nullptr), E_INVALIDARG);
    struct Case {
        const IID* iid;
        void* part;
    };
    const Case cases[] = {
        {&IID_IUnknown, static_cast<IOleClientSite*>(&host)},
        {&IID_IOleClientSite, static_cast<IOleClientSite*>(&host)},
        {&IID_IOleInPlaceSite, static_cast<IOleInPlaceSite*>(&host)},
        {&IID_IOleInPlaceFrame, static_cast<IOleInPlaceFrame*>(&host)},
        {&IID_IDocHostUIHandler, static_cast<IDocHostUIHandler*>(&host)},
        {&IID_IOleInPlaceObject, nullptr},
        {&IID_IDispatch, nullptr},
    };
    for (const Case& c : cases) {
        void* out = this;
        EXPECT_EQ(host.QueryInterface(*c.iid, &out), c.part ? S_OK : E_NOINTERFACE);
        EXPECT_EQ(out, c.part);
        if (out != nullptr) {
            EXPECT_EQ(static_cast<IUnknown*>(out)->Release(), 1u);  // back to the owner's reference
        }
    }
}

TEST_F(BrowserHostTest, HostInfoAndStubs) {
    BrowserHost& host = *owner.Get();
    DOCHOSTUIINFO info{};
    ASSERT_EQ(host.GetHostInfo(&info), S_OK);
    EXPECT_EQ(info.cbSize, sizeof(DOCHOSTUIINFO));
    EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER));
    EXPECT_EQ(info.dwDoubleClick, static_cast<DWORD>(DOCHOSTUIDBLCLK_DEFAULT));
    IOleContainer* container = reinterpret_cast<IOleContainer*>(this);
    EXPECT_EQ(host.GetContainer(&container), E_NOINTERFACE);
    EXPECT_EQ(container, nullptr);
    IDispatch* external = reinterpret_cast<IDispatch*>(this);
    EXPECT_EQ(host.GetExternal(&external), S_FALSE);
    EXPECT_EQ(external, nullptr);
    const HRESULT answers[][2] = {
        {host.ShowContextMenu(0, nullptr, nullptr, nullptr), S_OK},  // no menu of the control's own
        {host.ShowUI(0, nullptr, nullptr, nullptr, nullptr), S_OK},
        {host.TranslateAccelerator(nullptr, WORD{0}), E_NOTIMPL},
        {host.TranslateAccelerator(nullptr, nullptr, DWORD{0}), S_FALSE},
        {host.GetDropTarget(nullptr, nullptr), S_FALSE},
        {host.OnPosRectChange(nullptr), S_OK},
    };
    for (const auto& answer : answers) EXPECT_EQ(answer[0], answer[1]);
}

TEST_F(BrowserHostTest, WindowContextNamesTheHostWindowAndCountsTheFrame) {
    BrowserHost& host = *owner.Get();
    // Without a control the host still answers with its window.
    host.CreateBrowserControl(window);
    HWND answered = nullptr;
    ASSERT_EQ(static_cast<IOleInPlaceSite&>(host).GetWindow(&answered), S_OK);
    EXPECT_EQ(answered, window);
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = reinterpret_cast<IOleInPlaceUIWindow*>(this);
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof info;
    RECT position{}, clip{};
    ASSERT_EQ(host.GetWindowContext(&frame, &document, &position, &clip, &info), S_OK);
    EXPECT_EQ(frame, static_cast<IOleInPlaceFrame*>(&host));
    EXPECT_EQ(document, nullptr);
    EXPECT_EQ(info.hwndFrame, window);
    EXPECT_FALSE(info.fMDIApp);
    frame->Release();  // the caller's reference; the host lives on
    EXPECT_GE(host.AddRef(), 2u);
    host.Release();
}

// Wine here has no browser engine: the host says so instead of writing into
// a document that does not exist, and closing it twice is harmless.
TEST_F(BrowserHostTest, NoEngineMeansNoPageAndNoCrash) {
    BrowserHost& host = *owner.Get();
    host.CreateBrowserControl(window);
    EXPECT_FALSE(host.LoadHtmlText(L"<html><body>x</body></html>"));
    host.ResizeBrowserControl();
    host.Close();
    host.Close();
    EXPECT_FALSE(host.HasBrowser());
    EXPECT_FALSE(host.LoadHtmlText(L"<p>y</p>"));
}

class FakeTarget final : public ReadyStateTarget {
public:
    bool DocumentComplete() override { return complete; }
    void RefreshDocument() override { ++refreshes; }
    bool complete = false;
    int refreshes = 0;
};

TEST(ReadyStateHandlerTest, RefreshesOncePerPageWhenItIsComplete) {
    FakeTarget target;
    auto* handler = new ReadyStateHandler(&target);
    const auto notify = [handler] {
        return handler->Invoke(0, IID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr);
    };
    EXPECT_EQ(notify(), S_OK);  // nothing written yet
    handler->Arm();
    EXPECT_EQ(notify(), S_OK);  // still loading
    target.complete = true;
    notify();
    notify();  // the refreshed page completes again
    EXPECT_EQ(target.refreshes, 1);
    handler->Arm();  // the next page
    notify();
    EXPECT_EQ(target.refreshes, 2);
    handler->Arm();
    handler->Detach();  // the host closed its control
    notify();
    EXPECT_EQ(target.refreshes, 2);
    handler->Release();
}

TEST(ReadyStateHandlerTest, DispatchPartOnlyAndFreedAtItsLastRelease) {
    auto* handler = new ReadyStateHandler(nullptr);
    void* out = nullptr;
    EXPECT_EQ(handler->QueryInterface(IID_IDispatch, &out), S_OK);
    EXPECT_EQ(out, static_cast<IDispatch*>(handler));
    EXPECT_EQ(handler->QueryInterface(IID_IOleClientSite, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(handler->QueryInterface(IID_IUnknown, nullptr), E_INVALIDARG);
    EXPECT_EQ(handler->GetTypeInfoCount(nullptr), E_NOTIMPL);
    EXPECT_EQ(handler->Release(), 1u);
    EXPECT_EQ(handler->Release(), 0u);  // freed at its last reference only
}

}  // namespace
}  // namespace corvinata
