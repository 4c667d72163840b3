#include "frame/help_menu.h"

#include "app/help_topics_win.h"
#include "frame/about_dialogs.h"
#include "frame/window_manager_list.h"
#include "resources/resource_ids.h"

namespace corvinata {

void RunHelpCommand(HINSTANCE instance, HWND frame, int id, const NightVisionStateInterface& night) {
    switch (id) {
    case CMD_HELP_CONTENTS:
        ShowHelpTopic(frame, HelpPage::Contents);
        break;
    case CMD_HELP_SEARCH:
        ShowHelpSearch(frame);
        break;
    case CMD_HELP_GLOSSARY:
        ShowHelpTopic(frame, HelpPage::Glossary);
        break;
    case CMD_HELP_QUICK_TOUR:
        ShowHelpTopic(frame, HelpPage::QuickTour);
        break;
    case CMD_HELP_KEYBOARD_MAP:
        ShowHelpTopic(frame, HelpPage::KeyboardMap);
        break;
    case CMD_ABOUT:
        ShowAboutDialog(instance, frame, night);
        break;
    default:
        break;
    }
}

void ShowFrameHelp(HWND frame, HWND windowManager, const ChildWindowRegistry& registry, WPARAM wParam,
                   const HELPINFO* request) {
    if (request && request->iContextType == HELPINFO_MENUITEM) {
        ShowHelpTopic(frame, HelpPage::MainMenu);
        return;
    }
    const auto from = request ? static_cast<HWND>(request->hItemHandle) : nullptr;
    if (windowManager && from && (from == windowManager || IsChild(windowManager, from))) {
        ShowSelectedWindowHelp(windowManager, registry, wParam, *request);
        return;
    }
    ShowHelpTopic(frame, HelpPage::Contents);
}

}  // namespace corvinata
