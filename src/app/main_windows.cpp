#include "app/main_windows.h"

#include "app/settings_keys.h"
#include "app/settings_values.h"
#include "app/window_geometry.h"
#include "base/memory_storage.h"

namespace corvinata {
namespace {

constexpr const Char* kFolders[kWindowKindCount] = {
    TXT("Graph"),           TXT("Jupiter explorer"), TXT("Picture"), TXT("Report"),
    TXT("Saturn explorer"), TXT("Solar eclipse"),    TXT("Sky"),     TXT("Solar system"),
};

constexpr const Char* kControlPanel = TXT("Control panel");
constexpr const Char* kModel = TXT("Model");
constexpr const Char* kModels = TXT("Models");
constexpr const Char* kWindows = TXT("Windows");
constexpr const Char* kZOrder = TXT("Z order");
constexpr const Char* kActiveWindow = TXT("Active window");
constexpr const Char* kWindowType = TXT("Window type");
constexpr const Char* kWindowNumber = TXT("Window number");

// Rewrites the "Windows" key below the innermost one, and leaves it out
// when there is no window; stops at the first record that fails.
bool SaveWindows(SettingsTreeWriter& writer, WindowKindState& kind, int document) {
    if (!DeleteSettingsKey(writer, kWindows)) return false;
    if (kind.WindowCount(document) == 0) return true;
    WriteGroup windows(writer, kWindows);
    if (!windows.IsOpen()) return false;
    for (int j = 0; j < kind.WindowCount(document); ++j) {
        WriteGroup entry(writer, NumberedName(TXT("Window "), j).Text());
        if (!entry.IsOpen() || !kind.SaveWindow(document, j, writer)) return false;
    }
    return true;
}

bool SaveKind(SettingsTreeWriter& writer, int kindCode, WindowKindState& kind) {
    bool ok = true;
    {
        WriteGroup panel(writer, kControlPanel);
        ok = panel.IsOpen() && kind.SavePanel(writer);
    }
    if (IsSharedDocumentKind(kindCode)) return SaveWindows(writer, kind, 0) && ok;
    if (!DeleteSettingsKey(writer, kModels)) return false;
    if (kind.DocumentCount() == 0) return ok;
    WriteGroup models(writer, kModels);
    if (!models.IsOpen()) return false;
    for (int i = 0; i < kind.DocumentCount(); ++i) {
        WriteGroup model(writer, NumberedName(TXT("Model "), i).Text());
        if (!model.IsOpen() || !kind.SaveModel(i, writer)) return false;
        ok = SaveWindows(writer, kind, i) && ok;
    }
    return ok;
}

// Opens the windows of one document; answers how many were opened.
int LoadWindows(SettingsTree& tree, WindowKindState& kind, int document) {
    ReadGroup windows(tree, kWindows);
    if (!windows.IsOpen()) return 0;
    int opened = 0;
    for (int j = 0;; ++j) {
        ReadGroup entry(tree, NumberedName(TXT("Window "), j).Text());
        if (!entry.IsOpen() || !kind.LoadWindow(document, tree)) break;
        ++opened;
    }
    return opened;
}

// Where no panel state is stored (a first run) the panel still takes the
// defaults its load gives for missing values (a time step of 10 minutes,
// the eclipse panel's today): it reads a key that holds nothing.
void LoadPanelDefaults(WindowKindState& kind) {
    MemoryStorageService none;
    SettingsTree empty(none, String());
    kind.LoadPanel(empty);
}

void LoadPanel(SettingsTree& tree, WindowKindState& kind) {
    ReadGroup panel(tree, kControlPanel);
    if (panel.IsOpen()) {
        kind.LoadPanel(tree);
    } else {
        LoadPanelDefaults(kind);
    }
}

void LoadKind(SettingsTree& tree, int kindCode, WindowKindState& kind) {
    LoadPanel(tree, kind);
    if (IsSharedDocumentKind(kindCode)) {
        {
            ReadGroup model(tree, kModel);
            if (model.IsOpen()) kind.LoadModel(tree);
        }
        LoadWindows(tree, kind, 0);
        return;
    }
    ReadGroup models(tree, kModels);
    if (!models.IsOpen()) return;
    for (int i = 0;; ++i) {
        ReadGroup model(tree, NumberedName(TXT("Model "), i).Text());
        if (!model.IsOpen()) break;
        const int document = kind.LoadModel(tree);
        if (document < 0) continue;
        // The document is the user's even when its windows are not: it is
        // kept, without windows, rather than lost at the next shutdown.
        if (LoadWindows(tree, kind, document) == 0) kind.KeepWithoutWindows(document);
    }
}

}  // namespace

const Char* WindowKindFolder(int kind) noexcept {
    return kind >= 0 && kind < kWindowKindCount ? kFolders[kind] : nullptr;
}

bool IsSharedDocumentKind(int kind) noexcept {
    return kind == kJupiterExplorerWindow || kind == kSaturnExplorerWindow || kind == kSkyWindow ||
           kind == kSolarSystemWindow;
}

bool SaveMainWindows(SettingsTreeWriter& writer, WindowKindState* const (&kinds)[kWindowKindCount],
                     const std::vector<WindowReference>& stacking, const ActiveWindowShow& active) {
    WriteGroup main(writer, settings_key::kMainWindows);
    if (!main.IsOpen()) return false;
    bool ok = true;
    for (int k = 0; k < kWindowKindCount; ++k) {
        if (!kinds[k]) continue;
        WriteGroup folder(writer, WindowKindFolder(k));
        ok = folder.IsOpen() && SaveKind(writer, k, *kinds[k]) && ok;
    }
    ok = DeleteSettingsKey(writer, kZOrder) && ok;
    {
        WriteGroup order(writer, kZOrder);
        WrittenValues values(writer);
        values.Then([&] { return order.IsOpen(); });
        for (std::size_t n = 0; n < stacking.size() && values.Ok(); ++n) {
            WriteGroup entry(writer, NumberedName(TXT(""), static_cast<int>(n)).Text());
            values.Then([&] { return entry.IsOpen(); });
            values.Int(kWindowType, stacking[n].kind);
            values.Int(kWindowNumber, stacking[n].number);
        }
        ok = values.Ok() && ok;
    }
    if (!active.present) return DeleteSettingsKey(writer, kActiveWindow) && ok;
    WriteGroup activeKey(writer, kActiveWindow);
    WindowGeometry shown;
    shown.fieldMask = kGeometryState;
    shown.minimized = active.minimized;
    shown.maximized = active.maximized;
    return activeKey.IsOpen() && WriteWindowGeometry(shown, writer) && ok;
}

bool SaveSharedModels(SettingsTreeWriter& writer, WindowKindState* const (&kinds)[kWindowKindCount],
                      bool forgetWindowless) {
    WriteGroup main(writer, settings_key::kMainWindows);
    if (!main.IsOpen()) return false;
    bool ok = true;
    for (int k = 0; k < kWindowKindCount; ++k) {
        if (!kinds[k] || !IsSharedDocumentKind(k)) continue;
        const bool windowless = kinds[k]->WindowCount(0) == 0;
        if (windowless && !forgetWindowless) continue;
        WriteGroup folder(writer, WindowKindFolder(k));
        ok = folder.IsOpen() && DeleteSettingsKey(writer, kModel) && ok;
        // A kind whose windows were all closed keeps no moment: its next
        // window starts from the current time and place.
        if (windowless) continue;
        WriteGroup model(writer, kModel);
        ok = model.IsOpen() && kinds[k]->SaveModel(0, writer) && ok;
    }
    return ok;
}

void LoadMainWindows(SettingsTree& tree, WindowKindState* const (&kinds)[kWindowKindCount]) {
    ReadGroup main(tree, settings_key::kMainWindows);
    for (int k = 0; k < kWindowKindCount; ++k) {
        if (!kinds[k]) continue;
        ReadGroup folder(tree, WindowKindFolder(k));
        // Without its folder a kind restores nothing but its panel defaults.
        if (main.IsOpen() && folder.IsOpen()) {
            LoadKind(tree, k, *kinds[k]);
        } else {
            LoadPanelDefaults(*kinds[k]);
        }
    }
}

std::vector<WindowReference> LoadStackingOrder(SettingsTree& tree) {
    std::vector<WindowReference> order;
    ReadGroup main(tree, settings_key::kMainWindows);
    ReadGroup key(tree, kZOrder);
    if (!main.IsOpen() || !key.IsOpen()) return order;
    for (int n = 0;; ++n) {
        ReadGroup entry(tree, NumberedName(TXT(""), n).Text());
        WindowReference window{-1, 0};
        if (!entry.IsOpen() ||
            !ReadIntValueInRange(tree, kWindowType, 0, kWindowKindCount - 1, window.kind) ||
            !ReadIntValueInRange(tree, kWindowNumber, 0, INT32_MAX, window.number)) {
            break;
        }
        order.push_back(window);
    }
    return order;
}

ActiveWindowShow LoadActiveWindowShow(SettingsTree& tree) {
    ActiveWindowShow shown;
    ReadGroup main(tree, settings_key::kMainWindows);
    ReadGroup key(tree, kActiveWindow);
    if (!main.IsOpen() || !key.IsOpen()) return shown;
    WindowGeometry geometry;
    geometry.fieldMask = kGeometryState;
    if (!ReadWindowGeometry(geometry, tree)) return shown;
    shown.present = true;
    shown.minimized = geometry.minimized;
    shown.maximized = geometry.maximized;
    return shown;
}

void RestoreMainWindows(SettingsTree& tree, StackingFrame& frame) {
    const std::vector<WindowReference> order = LoadStackingOrder(tree);
    const WindowReference* above = nullptr;
    bool activePlaced = false;
    for (const WindowReference& window : order) {
        if (!frame.PlaceBelow(window, above)) continue;
        activePlaced = activePlaced || &window == &order.front();
        above = &window;
    }
    // The show state belongs to the window that was active, and to no other.
    const ActiveWindowShow shown = LoadActiveWindowShow(tree);
    if (!activePlaced || !shown.present) return;
    if (shown.maximized) {
        frame.Maximize(order.front());
    } else if (shown.minimized) {
        frame.Minimize(order.front());
    }
}

}  // namespace corvinata
