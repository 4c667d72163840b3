// Text helpers of the angle, place and distance tests: texts written as UTF-8
// literals ("12°30'") turned into program texts, and program texts turned
// back into UTF-8 so that failure messages show the degree sign.
#pragma once

#include "support/test_text.h"

namespace corvinata::placetest {

using test::CharText;
using test::Utf8;
using test::Wide;

}  // namespace corvinata::placetest
