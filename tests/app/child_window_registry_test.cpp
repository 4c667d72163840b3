#include "app/child_window_registry.h"

#include <gtest/gtest.h>

#include "support/app_fakes.h"

#include <memory>
#include <vector>

namespace corvinata {
namespace {

using test::KindDocument;

class FakeWindow final : public RegisteredWindow {
public:
    FakeWindow(WindowDocument& document, int handle) : document_(document), handle_(handle) {}
    const void* WindowHandle() const override { return reinterpret_cast<const void*>(static_cast<std::intptr_t>(handle_)); }
    WindowDocument& Document() const override { return document_; }

private:
    WindowDocument& document_;
    int handle_;
};

const void* Handle(int n) { return reinterpret_cast<const void*>(static_cast<std::intptr_t>(n)); }

class ChildWindowRegistryTest : public ::testing::Test {
protected:
    ChildWindowRegistryTest() : sky(hub, kSkyWindow), graphA(hub, kGraphWindow), graphB(hub, kGraphWindow) {
        registry.AddDocument(sky);
        registry.AddDocument(graphA);
        registry.AddDocument(graphB);
        // Created in this order; the array puts later windows at lower
        // addresses, so an address order would reverse them.
        for (int i = 2; i >= 0; --i) skyWindows[i] = std::make_unique<FakeWindow>(sky, 100 + i);
        for (int i = 0; i < 3; ++i) registry.AddWindow(*skyWindows[i]);
        registry.AddWindow(graphWindowA);
        registry.AddWindow(graphWindowB);
    }

    NotificationHub hub;
    KindDocument sky, graphA, graphB;
    std::unique_ptr<FakeWindow> skyWindows[3];
    FakeWindow graphWindowA{graphA, 200};
    FakeWindow graphWindowB{graphB, 201};
    ChildWindowRegistry registry;
};

TEST_F(ChildWindowRegistryTest, NumbersFollowCreationWithinTheSharedDocumentAndTheDocumentList) {
    const struct {
        int kind;
        int number;
        const RegisteredWindow* expected;
    } cases[] = {
        {kSkyWindow, 0, skyWindows[0].get()}, {kSkyWindow, 2, skyWindows[2].get()},
        {kGraphWindow, 1, &graphWindowB},     {kSkyWindow, 3, nullptr},
        {kSkyWindow, -1, nullptr},            {kGraphWindow, -2, nullptr},
        {kPictureWindow, 0, nullptr},         {9, 0, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(registry.WindowByNumber(c.kind, c.number), c.expected) << c.kind << " " << c.number;
        if (c.expected) {
            EXPECT_EQ(registry.NumberOf(*c.expected), c.number);
        }
    }
}

TEST_F(ChildWindowRegistryTest, HandleLookupNamesKindAndDocument) {
    const WindowLocation graph = registry.FindByHandle(Handle(201));
    EXPECT_EQ(graph.window, &graphWindowB);
    EXPECT_EQ(graph.kind, kGraphWindow);
    EXPECT_EQ(graph.documentIndex, 1);
    EXPECT_EQ(registry.FindByHandle(Handle(999)).kind, -1);
    EXPECT_EQ(registry.FindByHandle(nullptr).window, nullptr);
}

TEST_F(ChildWindowRegistryTest, ClosedWindowsLeaveTheWalkAndTheNumbers) {
    registry.RemoveWindow(*skyWindows[1]);
    registry.RemoveDocument(graphA);
    EXPECT_FALSE(registry.IsOpen(*skyWindows[1]));
    EXPECT_FALSE(registry.IsOpen(graphWindowA));
    EXPECT_EQ(registry.NumberOf(*skyWindows[2]), 1);
    EXPECT_EQ(registry.NumberOf(graphWindowB), 0);
    const std::vector<RegisteredWindow*> expected{&graphWindowB, skyWindows[0].get(), skyWindows[2].get()};
    EXPECT_EQ(registry.AllWindows(), expected);
}

// A window object used again after its window closed stands at the same
// address: only the creation number tells the new window from the old.
TEST_F(ChildWindowRegistryTest, ACreationNumberNamesOneWindowNeverItsSuccessorAtTheSameAddress) {
    const std::uint32_t first = registry.CreationNumber(*skyWindows[1]);
    const std::uint32_t graph = registry.CreationNumber(graphWindowA);
    ASSERT_NE(first, 0u);
    EXPECT_EQ(registry.WindowByCreationNumber(first), skyWindows[1].get());
    registry.RemoveWindow(*skyWindows[1]);
    registry.RemoveDocument(graphA);
    registry.AddDocument(graphA);
    registry.AddWindow(*skyWindows[1]);
    registry.AddWindow(graphWindowA);
    const struct {
        std::uint32_t number;
        const RegisteredWindow* expected;
    } cases[] = {
        {first, nullptr},
        {graph, nullptr},
        {registry.CreationNumber(*skyWindows[1]), skyWindows[1].get()},
        {registry.CreationNumber(graphWindowA), &graphWindowA},
        {registry.CreationNumber(*skyWindows[0]), skyWindows[0].get()},
        {0u, nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(registry.WindowByCreationNumber(c.number), c.expected) << c.number;
    EXPECT_NE(registry.CreationNumber(*skyWindows[1]), first);
    EXPECT_NE(registry.CreationNumber(graphWindowA), graph);
    registry.RemoveWindow(*skyWindows[1]);
    EXPECT_EQ(registry.CreationNumber(*skyWindows[1]), 0u);
}

}  // namespace
}  // namespace corvinata
