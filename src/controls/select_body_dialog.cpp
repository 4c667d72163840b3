#include "controls/select_body_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "catalog/name_systems.h"
#include "controls/list_view_columns.h"

namespace corvinata {
namespace {

// The dialog's state for one run; it lives on the stack of the run, so no
// state outlives its dialog.
struct SelectBodyRun {
    SelectBodyDialogParams* params;
    BodyTree tree;
    std::vector<HTREEITEM> handles;
    std::vector<const NameSystem*> systems;
    std::vector<BodyName> names;
    int current = -1;
    int shownType = -1;
    BodyIdentifier result;
};

SelectBodyRun* RunOf(HWND dialog) {
    return reinterpret_cast<SelectBodyRun*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

const wchar_t* Wide(const String& text) { return reinterpret_cast<const wchar_t*>(text.Text()); }

HWND Item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

int SelectedName(HWND dialog) {
    return static_cast<int>(
        SendMessageW(Item(dialog, kIdBodyNames), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectName(HWND dialog, int index) {
    HWND list = Item(dialog, kIdBodyNames);
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
}

// OK needs an object: an item that stands for one, or a name of the list.
void UpdateOk(HWND dialog, const SelectBodyRun& run) {
    bool ok = run.tree.MayAccept(run.current);
    if (ok && run.tree.ChosenByName(run.current)) ok = SelectedName(dialog) >= 0;
    EnableWindow(Item(dialog, IDOK), ok);
}

const NameSystem* ChosenSystem(HWND dialog, const SelectBodyRun& run) {
    const LRESULT index = SendMessageW(Item(dialog, kIdNameSystem), CB_GETCURSEL, 0, 0);
    if (index == CB_ERR || index >= static_cast<LRESULT>(run.systems.size())) return nullptr;
    return run.systems[static_cast<std::size_t>(index)];
}

// The list holds no texts of its own: it asks for the line's name when it
// draws it, so a catalogue of thousands of names is shown at once.
void FillNames(HWND dialog, SelectBodyRun& run) {
    HWND list = Item(dialog, kIdBodyNames);
    run.names = NamesInSystem(run.tree.TypeOf(run.current), ChosenSystem(dialog, run));
    SendMessageW(list, LVM_SETITEMCOUNT, run.names.size(), 0);
    InvalidateRect(list, nullptr, TRUE);
    EnableWindow(list, !run.names.empty());
    if (!run.names.empty()) SelectName(dialog, 0);
}

// The first line from `start` on (wrapping) whose name begins with `text`,
// ignoring case; -1 when none does.
int FindName(const SelectBodyRun& run, const wchar_t* text, int start, bool whole) {
    const std::size_t count = run.names.size();
    const std::size_t length = std::wcslen(text);
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t i = (static_cast<std::size_t>(std::max(start, 0)) + step) % count;
        const wchar_t* name = Wide(run.names[i].name);
        if (whole ? lstrcmpW(name, text) == 0
                  : CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name,
                                   static_cast<int>(std::min(length, std::wcslen(name))), text,
                                   static_cast<int>(length)) == CSTR_EQUAL)
            return static_cast<int>(i);
    }
    return -1;
}

void FillSystems(HWND dialog, SelectBodyRun& run) {
    HWND combo = Item(dialog, kIdNameSystem);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    run.systems = NameSystemsOfType(run.tree.TypeOf(run.current));
    for (const NameSystem* system : run.systems)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(system->Name())));
    if (!run.systems.empty()) SendMessageW(combo, CB_SETCURSEL, 0, 0);
    EnableWindow(combo, !run.systems.empty());
}

void OnTreeSelection(HWND dialog, SelectBodyRun& run, int item) {
    run.current = item;
    const int type = run.tree.TypeOf(item);
    if (type != run.shownType || type == kBodyOther) {
        run.shownType = type;
        FillSystems(dialog, run);
        FillNames(dialog, run);
    }
    UpdateOk(dialog, run);
}

void FillTree(HWND dialog, SelectBodyRun& run) {
    HWND tree = Item(dialog, kIdBodyTree);
    const std::vector<BodyTreeItem>& items = run.tree.Items();
    run.handles.assign(items.size(), nullptr);
    for (std::size_t i = 0; i < items.size(); ++i) {
        TVINSERTSTRUCTW insert{};
        insert.hParent = items[i].parent < 0 ? TVI_ROOT : run.handles[static_cast<std::size_t>(items[i].parent)];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = const_cast<wchar_t*>(Wide(items[i].text));
        insert.item.lParam = static_cast<LPARAM>(i);
        run.handles[i] = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].expanded) SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(run.handles[i]));
}

void SelectTreeItem(HWND dialog, const SelectBodyRun& run, int item) {
    if (item < 0) return;
    SendMessageW(Item(dialog, kIdBodyTree), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(run.handles[static_cast<std::size_t>(item)]));
}

// The initial choice: its tree item, and for a named kind its system (by
// its exact name) and its line, the first line when the name is not there.
void SelectInitial(HWND dialog, SelectBodyRun& run) {
    const BodyIdentifier& selection = run.params->selection;
    SelectTreeItem(dialog, run, run.tree.Sun());
    const int item = run.tree.FindItem(selection.object);
    if (item < 0) return;
    SelectTreeItem(dialog, run, item);
    SetFocus(Item(dialog, kIdBodyTree));
    if (run.systems.empty() || !selection.nameSystem) return;
    HWND combo = Item(dialog, kIdNameSystem);
    const LRESULT system = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(Wide(selection.nameSystem->Name())));
    if (system != CB_ERR) SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(system), 0);
    FillNames(dialog, run);
    const int line = FindName(run, Wide(selection.name), 0, true);
    SelectName(dialog, line >= 0 ? line : 0);
    SetFocus(Item(dialog, kIdBodyNames));
    UpdateOk(dialog, run);
}

INT_PTR OnInit(HWND dialog, SelectBodyRun& run) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&run));
    PlaceDialog(dialog, run.params->placement);
    HWND list = Item(dialog, kIdBodyNames);
    static constexpr ListColumn kColumns[] = {{L"Name", 170}};
    SetUpRowList(list, kColumns);
    FillTree(dialog, run);
    if (run.params->title && *run.params->title) SetWindowTextW(dialog, run.params->title);
    SelectInitial(dialog, run);
    return FALSE;  // the focus is set
}

void Accept(HWND dialog, SelectBodyRun& run) {
    if (!IsWindowEnabled(Item(dialog, IDOK))) return;
    const int line = SelectedName(dialog);
    const BodyName* entry = nullptr;
    if (line >= 0 && line < static_cast<int>(run.names.size())) entry = &run.names[static_cast<std::size_t>(line)];
    run.result = BuildBodySelection(run.tree, run.current, ChosenSystem(dialog, run), entry);
    if (!run.result.object) return;
    EndDialog(dialog, 1);
}

INT_PTR OnNotify(HWND dialog, SelectBodyRun& run, const NMHDR& header) {
    if (header.idFrom == kIdBodyTree && header.code == TVN_SELCHANGEDW) {
        const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
        OnTreeSelection(dialog, run, static_cast<int>(change.itemNew.lParam));
    } else if (header.idFrom == kIdBodyTree && header.code == NM_DBLCLK) {
        if (run.tree.ChosenByDoubleClick(run.current)) PostMessageW(dialog, kAcceptBodyMessage, 0, 0);
    } else if (header.idFrom == kIdBodyNames && header.code == LVN_GETDISPINFOW) {
        LVITEMW& item = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && item.iItem < static_cast<int>(run.names.size()))
            lstrcpynW(item.pszText, Wide(run.names[static_cast<std::size_t>(item.iItem)].name), item.cchTextMax);
    } else if (header.idFrom == kIdBodyNames && header.code == LVN_ODFINDITEMW) {
        const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
        const int found = (find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && find.lvfi.psz
                              ? FindName(run, find.lvfi.psz, find.iStart, !(find.lvfi.flags & LVFI_PARTIAL))
                              : -1;
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, found);
    } else if (header.idFrom == kIdBodyNames && header.code == LVN_ITEMCHANGED) {
        UpdateOk(dialog, run);
    } else if (header.idFrom == kIdBodyNames && header.code == NM_DBLCLK) {
        if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0)
            PostMessageW(dialog, kAcceptBodyMessage, 0, 0);
    }
    return TRUE;
}

}  // namespace

DialogTemplate SelectBodyDialogTemplate() {
    constexpr short w = 282;
    constexpr short h = 220;
    constexpr short half = (w - 2 * kDialogMargin - kControlGap) / 2;
    constexpr short right = kDialogMargin + half + kControlGap;
    constexpr short bottom = h - kDialogMargin - kButtonHeight - kControlGap;
    DialogTemplate t(L"Select Object", w, h);
    t.Add(WC_TREEVIEWW, L"", kIdBodyTree,
          TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP |
              WS_GROUP,
          kDialogMargin, kDialogMargin, half, bottom - kDialogMargin)
        .Label(L"Name &system:", -1, right, 9, 50)
        .Add(DialogClass::kComboBox, L"", kIdNameSystem, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP,
             right + 52, 7, half - 52, 80)
        .Add(WC_LISTVIEWW, L"", kIdBodyNames,
             LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_BORDER |
                 WS_TABSTOP |
                 WS_GROUP,
             right, 24, half, bottom - 24);
    return std::move(t.OkCancel(w, h));
}

INT_PTR CALLBACK SelectBodyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInit(dialog, *reinterpret_cast<SelectBodyRun*>(lParam));
    SelectBodyRun* run = RunOf(dialog);
    if (!run) return FALSE;
    switch (message) {
        case WM_NOTIFY: return OnNotify(dialog, *run, *reinterpret_cast<const NMHDR*>(lParam));
        case kAcceptBodyMessage: Accept(dialog, *run); return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kIdNameSystem:
                    if (HIWORD(wParam) == CBN_SELCHANGE) {
                        FillNames(dialog, *run);
                        UpdateOk(dialog, *run);
                    }
                    return TRUE;
                case IDOK: Accept(dialog, *run); return TRUE;
                default: break;
            }
            break;
        default:
            break;
    }
    return AnswerPlacedDialog(dialog, message, wParam, HelpPage::SelectObject, run->params->placement);
}

bool ShowSelectBodyDialog(HWND owner, SelectBodyDialogParams& params, const wchar_t* title,
                          bool includeEarth, bool includeSatellites, BodyIdentifier& selection) {
    params.title = title;
    params.includeEarth = includeEarth;
    params.includeSatellites = includeSatellites;
    params.selection = selection;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    SelectBodyRun run{&params, BodyTree(includeEarth, includeSatellites), {}, {}, {}, -1, -1, {}};
    const INT_PTR result = RunDialog(owner, SelectBodyDialogTemplate(), &SelectBodyDialogProc,
                                     reinterpret_cast<LPARAM>(&run));
    if (result != 1) return false;
    params.selection = run.result;
    selection = run.result;
    return true;
}

bool FindInSky(HWND window, SkyActions& actions, SkyWindowCommands& sky, SelectBodyDialogParams& params,
               BodyIdentifier& selection) {
    if (!ShowSelectBodyDialog(window, params, L"Find in Sky", false, false, selection)) return false;
    actions.SelectPair(sky, selection, 1, 0, 1, nullptr);
    return true;
}

}  // namespace corvinata
