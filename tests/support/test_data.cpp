#include "support/test_data.h"

namespace corvinata::test {

std::string DataPath(const std::string& relative) {
    return std::string(CN_DATA_DIR) + "/" + relative;
}

std::string TestsPath(const std::string& relative) {
    return std::string(CN_TESTS_DIR) + "/" + relative;
}

std::string GeneratedPath(const std::string& relative) {
    return std::string(CN_GENERATED_DIR) + "/" + relative;
}

}  // namespace corvinata::test
