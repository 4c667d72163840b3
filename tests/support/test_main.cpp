// The main of every test program: GoogleTest with a time limit per test, so
// that a hung test names itself in the output and ends its program long
// before the test runner's limit for the whole program kills it silently.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/test_watchdog.h"

namespace {

// Far more than any test takes on a slow, busy machine, and far less than
// the limit of a whole program (CN_TEST_PROGRAM_TIME_LIMIT in the tests'
// CMakeLists.txt). CN_TEST_TIME_LIMIT sets another (0: none, for debugging).
constexpr std::chrono::seconds kDefaultTestTimeLimit{150};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    using namespace corvinata::test;
    const std::chrono::seconds limit = TestTimeLimit(std::getenv("CN_TEST_TIME_LIMIT"), kDefaultTestTimeLimit);
    if (limit.count() == 0) return RUN_ALL_TESTS();
    TestWatchdog watchdog(limit, EndOverrunTestProgram);
    ::testing::UnitTest::GetInstance()->listeners().Append(new WatchdogListener(watchdog));
    return RUN_ALL_TESTS();
}
