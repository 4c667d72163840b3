// The time limit of every test: who overran, and that nothing else fires it.
#include "support/test_watchdog.h"

#include <gtest/gtest.h>

#include <future>

namespace corvinata::test {
namespace {

using namespace std::chrono_literals;

TEST(TestWatchdogTest, OverrunNamesTheTestThatIsRunning) {
    std::promise<std::string> overrun;
    TestWatchdog watchdog(1ms, [&](const std::string& test) { overrun.set_value(test); });
    watchdog.Arm("Sky.Hangs");
    EXPECT_EQ(overrun.get_future().get(), "Sky.Hangs");
}

TEST(TestWatchdogTest, DestroyingAnArmedWatchdogNeitherWaitsForItsLimitNorFires) {
    bool fired = false;
    {
        TestWatchdog watchdog(24h, [&](const std::string&) { fired = true; });
        watchdog.Arm("Sky.Quick");
    }
    EXPECT_FALSE(fired);
}

TEST(TestWatchdogTest, OverrunEndsTheProgramNamingTheTest) {
    // The program's own watchdog runs a thread: the child starts afresh
    // rather than being forked from a process with threads.
    const std::string style = GTEST_FLAG_GET(death_test_style);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TestWatchdog watchdog(1ms, EndOverrunTestProgram);
            watchdog.Arm("Frame.Hangs");
            std::promise<void>().get_future().wait();
        },
        ::testing::ExitedWithCode(kOverrunExitCode), "Frame\\.Hangs did not end within its time limit");
    GTEST_FLAG_SET(death_test_style, style);
}

TEST(TestWatchdogTest, LimitIsReadFromWholeSecondsOnly) {
    struct Case {
        const char* text;
        long seconds;
    };
    constexpr Case cases[] = {
        {nullptr, 150}, {"", 150}, {"30", 30}, {"0", 0}, {"-5", 150}, {"12s", 150}, {"many", 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(none)");
        EXPECT_EQ(TestTimeLimit(c.text, 150s).count(), c.seconds);
    }
}

}  // namespace
}  // namespace corvinata::test
