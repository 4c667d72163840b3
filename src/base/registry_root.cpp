#include "base/registry_root.h"

#include "base/path_name.h"
#include "base/services.h"
#include "base/settings_tree.h"
#include "base/time_step.h"

namespace corvinata {

String& GetRegistryRootPath(String& receiver) {
    const ProductInfoInterface& product = GetProductInfo();
    PathName root;
    root.SetPathWithSeparator(TXT("\\Software"));
    // The product texts are the program's own short constants; a level that
    // would not fit is left out rather than cut.
    root.AppendPathFolder(product.GetCompanyName());
    root.AppendPathFolder(product.GetProductName());
    root.AppendPathFolder(product.GetVersion());
    return StringAssign(receiver, root.GetPathFolder());
}

bool LoadTimeStep(const String& keyName, TimeStep& step, SettingsTree& reader) {
    if (!PushSettingsKey(reader, keyName)) return false;
    // Half a step is no step: the values are taken together or not at all.
    TimeStep read = step;
    bool unitRead = false;
    ReadIntSetting(reader, BindProperty<std::int32_t>(
                               TXT("Type"), [&read] { return read.unit; },
                               [&read, &unitRead](std::int32_t unit) {
                                   // A unit without a name would step time by nothing known.
                                   if (unit < 0 || unit >= kTimeUnitCount) return;
                                   read.unit = unit;
                                   unitRead = true;
                               }));
    const bool countRead = ReadIntSetting(
        reader, BindProperty<std::int32_t>(TXT("Steps"), [&read] { return read.count; },
                                           [&read](std::int32_t count) { read.count = count; }));
    PopSettingsKey(reader);
    if (!unitRead || !countRead) return false;
    step = read;
    return true;
}

bool SaveTimeStep(const String& keyName, const TimeStep& step, SettingsTreeWriter& writer) {
    const bool created = OpenSettingsKeyPath(writer, keyName);
    const bool unitWritten = WriteIntSetting(
        writer, BindProperty<std::int32_t>(TXT("Type"), [&step] { return step.unit; },
                                           [](std::int32_t) {}));
    const bool countWritten = WriteIntSetting(
        writer, BindProperty<std::int32_t>(TXT("Steps"), [&step] { return step.count; },
                                           [](std::int32_t) {}));
    const bool closed = PopSettingsKey(writer);
    return created && unitWritten && countWritten && closed;
}

}  // namespace corvinata
