#include "app/list_view_state.h"

#include "app/settings_keys.h"
#include "app/settings_values.h"

namespace corvinata {

namespace {

constexpr const Char* kColumnWidths = TXT("Column Widths");
constexpr const Char* kSelectedRows = TXT("Selected rows");

bool SaveNumbers(SettingsTreeWriter& writer, const Char* group, const std::vector<std::int32_t>& numbers) {
    bool ok = DeleteSettingsKey(writer, group);
    WriteGroup key(writer, group);
    WrittenValues values(writer);
    values.Then([&] { return key.IsOpen(); });
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        values.Int(NumberedName(TXT(""), static_cast<int>(i)).Text(), numbers[i]);
    }
    return values.Ok() && ok;
}

void LoadNumbers(SettingsTree& tree, const Char* group, std::vector<std::int32_t>& numbers) {
    numbers.clear();
    ReadGroup key(tree, group);
    if (!key.IsOpen()) return;
    for (int i = 0;; ++i) {
        std::int32_t value = 0;
        if (!ReadIntValue(tree, NumberedName(TXT(""), i).Text(), value)) break;
        numbers.push_back(value);
    }
}

}  // namespace

bool SaveListViewState(SettingsTreeWriter& writer, const ListViewState& state) {
    bool ok = true;
    if (state.parts & kListColumnWidths) ok = SaveNumbers(writer, kColumnWidths, state.columnWidths) && ok;
    if (state.parts & kListSelectedRows) ok = SaveNumbers(writer, kSelectedRows, state.selectedRows) && ok;
    return ok;
}

void LoadListViewState(SettingsTree& tree, ListViewState& state) {
    if (state.parts & kListColumnWidths) LoadNumbers(tree, kColumnWidths, state.columnWidths);
    if (state.parts & kListSelectedRows) LoadNumbers(tree, kSelectedRows, state.selectedRows);
}

}  // namespace corvinata
