// A designation in one of the numbered deep-sky lists and the NGC/IC object
// it stands for.
#pragma once

#include "base/text_char.h"

namespace corvinata {

struct DesignationPair {
    const Char* designation;  // letter and three digits: "M031", "C060", "H129"
    const Char* target;       // fixed-width NGC/IC designation: "NGC  224"
};

}  // namespace corvinata
