#include "automation/script_window_names.h"

#include "base/text_format.h"

namespace corvinata {

bool ScriptWindowNames::CodeUnitOrder::operator()(const String& a, const String& b) const noexcept {
    const Char* p = a.Text();
    const Char* q = b.Text();
    while (*p != 0 && *p == *q) ++p, ++q;
    return static_cast<unsigned>(*p) < static_cast<unsigned>(*q);
}

void ScriptWindowNames::Remember(const String& name, std::uint32_t creationNumber) {
    names_[name] = creationNumber;
}

std::uint32_t ScriptWindowNames::NumberOf(const String& name) const {
    auto found = names_.find(name);
    return found == names_.end() ? 0 : found->second;
}

ScriptWindowTarget ScriptWindowNames::Find(ScriptWindowServices& windows, const String& name, int kind,
                                           String& error) const {
    const std::uint32_t number = NumberOf(name);
    ScriptWindowTarget target = number != 0 ? windows.FindWindow(number) : ScriptWindowTarget{};
    if (!target.IsOpen()) {
        error = NoWindowNamedText(name);
        return {};
    }
    if (kind >= 0 && target.kind != kind) {
        error = WrongWindowKindText(name);
        return {};
    }
    return target;
}

String NoWindowNamedText(const String& name) {
    return FormatPercent1(TXT("No window named '%' is open"), name);
}

String WrongWindowKindText(const String& name) {
    return FormatPercent1(TXT("The window named '%' is not of the expected type"), name);
}

}  // namespace corvinata
