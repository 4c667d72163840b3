// Dialog templates built in memory, in dialog units, the way a resource
// script would declare them. Each dialog has one function that returns its
// template, so the layout can move into the resource file unchanged.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/help_topics.h"
#include "app/window_geometry.h"

namespace corvinata {

// Layout units of the Windows guidelines, in dialog units.
constexpr short kDialogMargin = 7;
constexpr short kControlGap = 4;
constexpr short kButtonWidth = 50;
constexpr short kButtonHeight = 14;
constexpr short kEditHeight = 12;
constexpr short kLabelHeight = 8;

// Predefined control classes by their atom.
enum class DialogClass : WORD { kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kListBox = 0x83,
                                kScrollBar = 0x84, kComboBox = 0x85 };

class DialogTemplate {
public:
    // A modal dialog with a caption, the system menu and the shell font.
    DialogTemplate(const wchar_t* caption, short width, short height);

    DialogTemplate& Add(DialogClass kind, const wchar_t* text, int id, DWORD style, short x,
                        short y, short width, short height);
    DialogTemplate& Add(const wchar_t* className, const wchar_t* text, int id, DWORD style,
                        short x, short y, short width, short height);

    // Common shapes.
    DialogTemplate& Label(const wchar_t* text, int id, short x, short y, short width,
                          short height = kLabelHeight);
    DialogTemplate& Group(const wchar_t* text, int id, short x, short y, short width, short height);
    DialogTemplate& Radio(const wchar_t* text, int id, short x, short y, short width, bool firstOfGroup);
    DialogTemplate& Check(const wchar_t* text, int id, short x, short y, short width);
    DialogTemplate& Button(const wchar_t* text, int id, short x, short y, bool isDefault = false);
    // OK and Cancel at the bottom right.
    DialogTemplate& OkCancel(short dialogWidth, short dialogHeight);

    const DLGTEMPLATE* Get() const;
    short Width() const noexcept { return width_; }
    short Height() const noexcept { return height_; }

private:
    void Item(DWORD style, short x, short y, short width, short height, int id);
    void Text(const wchar_t* text);
    void Align();

    std::vector<WORD> data_;
    short width_;
    short height_;
    WORD count_ = 0;
};

// Runs a template modally; the result of EndDialog, -1 when the dialog
// could not be made.
INT_PTR RunDialog(HWND owner, const DialogTemplate& dialogTemplate, DLGPROC procedure, LPARAM parameter);

// Puts the dialog where it stood last (left and top of the record; a record
// never set leaves the dialog where Windows put it), and remembers where it
// stands now.
void PlaceDialog(HWND dialog, const WindowGeometry* placement);
void RememberDialogPlace(HWND dialog, WindowGeometry* placement);
// What every placed modal dialog answers alike, for its procedure to hand
// on what it does not answer itself: Cancel ends the dialog with 0, F1
// opens its help page, and its place is kept as it goes (none: not kept).
// FALSE for any other message.
INT_PTR AnswerPlacedDialog(HWND dialog, UINT message, WPARAM wParam, HelpPage help, WindowGeometry* placement);

}  // namespace corvinata
