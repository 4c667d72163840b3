// The program's own message box: the product name and the kind of message
// in the caption, up to three answers and always a Help button that opens
// the message's page of the help file.
#pragma once

#include <windows.h>

#include "app/help_topics.h"
#include "base/text_char.h"

namespace corvinata {

enum MessageKind : int { kMessageInformation = 0, kMessageWarning = 1, kMessageError = 2 };
enum MessageButtons : int { kButtonsOk = 0, kButtonsOkCancel = 1, kButtonsYesNo = 2, kButtonsYesNoCancel = 3 };
// The answers, also the dialog's results.
enum MessageAnswer : int { kAnswerCancel = 1, kAnswerHelp = 2, kAnswerNo = 4, kAnswerOk = 8, kAnswerYes = 16 };

// Runs the box modally; Help opens the topic's page of the help file.
// Escape answers OK in a box that has only OK, else Cancel, which a Yes/No
// question takes as neither.
int RunMessageBox(HINSTANCE instance, HWND owner, const Char* text, int buttons, int kind, MessageTopic topic);

// The answers of a box with these buttons, in their order on screen, Help last.
int MessageBoxAnswers(int buttons, int (&answers)[4]) noexcept;

}  // namespace corvinata
