// The program's command line, as Windows hands it over (UTF-16): cut to its
// longest and read for a switch.
#include <string>

#include "app/command_line.h"
#include "fuzz/fuzz_targets.h"

namespace corvinata::fuzz {

int FuzzCommandLine(const std::uint8_t* data, std::size_t size) {
    std::basic_string<Char> line;
    for (std::size_t i = 0; i + 1 < size; i += 2) line.push_back(static_cast<Char>(data[i] | data[i + 1] << 8));
    const String cut = CutCommandLine(line.c_str());
    Expect(static_cast<std::size_t>(cut.Length()) <= kMaxCommandLine, "the command line is cut to its longest");
    const CommandLineSwitch found = ParseCommandLineSwitch(cut.Text());
    Expect(found == CommandLineSwitch::None || cut.Length() >= 2, "a switch takes a word");
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzCommandLine)
