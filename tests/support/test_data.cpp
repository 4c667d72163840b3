#include "support/test_data.h"

namespace corvinata::test {

std::string DataPath(const std::string& relative) {
    return std::string(CN_DATA_DIR) + "/" + relative;
}

}  // namespace corvinata::test
