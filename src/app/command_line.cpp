#include "app/command_line.h"

#include <memory>

#include "base/services.h"
#include "base/settings_tree.h"
#include "base/storage.h"

namespace corvinata {

namespace {

struct SwitchName {
    const Char* word;
    CommandLineSwitch value;
};

constexpr SwitchName kSwitches[] = {
    {TXT("RegServer"), CommandLineSwitch::RegServer},
    {TXT("UnregServer"), CommandLineSwitch::UnregServer},
    {TXT("Embedding"), CommandLineSwitch::Embedding},
    {TXT("FactoryReset"), CommandLineSwitch::FactoryReset},
};

String Joined(const String& first, const Char* second) {
    String out = first;
    StringAppend(out, second);
    return out;
}

// Opened first: a key that is not there (a server never registered) is a
// deletion that failed, not one that succeeded.
bool DeleteKeyTree(const String& keyPath) {
    auto node = GetStorageService().CreateRegistryNode(RegistryHive::ClassesRoot, keyPath.Text());
    return node->Open() && node->DeleteTree();
}

}  // namespace

String CutCommandLine(const Char* commandLine) {
    String out;
    if (!commandLine) return out;
    std::size_t n = 0;
    while (n < kMaxCommandLine && commandLine[n]) ++n;
    if (n == 0) return out;
    StringBuffer buffer = StringReserve(out, static_cast<int>(n), ReserveMode::Discard);
    for (std::size_t i = 0; i < n; ++i) buffer.buffer[i] = commandLine[i];
    buffer.buffer[n] = 0;
    return out;
}

CommandLineSwitch ParseCommandLineSwitch(const Char* commandLine) {
    if (!commandLine || (commandLine[0] != TXT('-') && commandLine[0] != TXT('/'))) {
        return CommandLineSwitch::None;
    }
    for (const SwitchName& name : kSwitches) {
        if (TextEqualsNoCase(commandLine + 1, name.word)) return name.value;
    }
    return CommandLineSwitch::None;
}

int RegisterServer(const String& classId, const String& programPath) {
    if (programPath.IsEmpty()) return kServerNoProgramPath;
    const String classKey = Joined(String(TXT("CLSID\\")), classId.Text());
    String quoted(TXT("\""));
    StringAppend(quoted, programPath.Text());
    StringAppend(quoted, TXT("\""));
    const String progIdKey(kServerProgId);
    const struct {
        String key;
        String value;
    } entries[] = {
        {classKey, String(kServerFriendlyName)},
        {Joined(classKey, TXT("\\LocalServer32")), quoted},
        {Joined(classKey, TXT("\\ProgID")), progIdKey},
        {progIdKey, String(kServerFriendlyName)},
        {Joined(progIdKey, TXT("\\CLSID")), classId},
    };
    for (const auto& entry : entries) {
        if (!WriteClassesRootDefaultValue(entry.key.Text(), entry.value)) return kServerWriteFailed;
    }
    return kServerDone;
}

int UnregisterServer(const String& classId) {
    return DeleteKeyTree(Joined(String(TXT("CLSID\\")), classId.Text())) ? kServerDone : kServerDeleteFailed;
}

}  // namespace corvinata
