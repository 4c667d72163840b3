#include "app/navigation_history.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

// Windows are the addresses of these; activations are recorded in order
// and fed back as steps, as the real windows do when they become active.
int sky, graph, picture;

class NavigationTest : public ::testing::Test, public WindowActivator {
protected:
    NavigationTest() : navigation(history, *this) {}

    void ActivateWindow(const void* window) override {
        activated.push_back(window);
        Visit(window);
    }
    static String KindOf(const void* window) {
        return String(window == &sky ? TXT("Sky") : window == &graph ? TXT("Graph") : TXT("Picture"));
    }
    void Visit(const void* window) {
        navigation.RecordStep(active, KindOf(active), window, KindOf(window));
        active = window;
    }
    std::string Texts(int index) {
        const CommandGroup* step = navigation.History().StepAt(index);
        return step ? Utf8(step->undoText) + " > " + Utf8(step->redoText) : "none";
    }

    CommandHistory history;
    NavigationHistory navigation;
    const void* active = nullptr;
    std::vector<const void*> activated;
};

TEST_F(NavigationTest, BackwardRetracesTheVisitsWithoutRecordingThem) {
    Visit(&sky);
    Visit(&graph);
    Visit(&sky);
    Visit(&sky);  // already active: no step
    ASSERT_EQ(navigation.History().StepCount(), 2);
    navigation.Backward(1);
    navigation.Backward(1);
    EXPECT_EQ(activated, (std::vector<const void*>{&graph, &sky}));
    EXPECT_EQ(navigation.History().StepCount(), 2);
    EXPECT_EQ(navigation.History().UndoableCount(), 0);
}

TEST_F(NavigationTest, ClosingAWindowInTheMiddleJoinsItsNeighboursUnderTheirOwnNames) {
    Visit(&sky);
    Visit(&graph);
    Visit(&picture);
    navigation.PurgeWindow(&graph);
    ASSERT_EQ(navigation.History().StepCount(), 1);
    EXPECT_EQ(Texts(0), "Sky window > Picture window");
    navigation.Backward(1);
    EXPECT_EQ(activated.back(), &sky);
}

TEST_F(NavigationTest, ClosingAWindowVisitedThereAndBackRemovesBothSteps) {
    Visit(&sky);
    Visit(&graph);
    Visit(&sky);
    Visit(&picture);
    navigation.PurgeWindow(&graph);
    ASSERT_EQ(navigation.History().StepCount(), 1);
    EXPECT_EQ(Texts(0), "Sky window > Picture window");
}

TEST_F(NavigationTest, PositionStaysBetweenTheSameStepsWhenOneBeforeItGoes) {
    Visit(&sky);
    Visit(&graph);
    Visit(&picture);
    Visit(&sky);
    navigation.Backward(1);  // at Picture: two steps behind, one ahead
    navigation.PurgeWindow(&graph);
    EXPECT_EQ(navigation.History().StepCount(), 2);
    EXPECT_EQ(navigation.History().UndoableCount(), 1);
    navigation.Forward(1);
    EXPECT_EQ(activated.back(), &sky);
    EXPECT_EQ(navigation.History().PeekRedoCommand(), nullptr);
}

}  // namespace
}  // namespace corvinata
