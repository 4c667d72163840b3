// The field logic of the program's multi-field entry controls: a line of
// fields (the hours, minutes and seconds of a time, say), one of them current,
// each typed digit by digit, stepped up and down and kept inside its range.
//
// Nothing here knows about windows: the window layer feeds keys, characters
// and clicks in and draws what BuildText and FieldDisplay give back. Each
// picker (angle, date, time, number, time zone) derives from SpinEdit, fixes
// its fields and says which combinations of values it accepts.
#pragma once

#include <memory>
#include <vector>

#include "base/number_text.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

// Makes the display text of a field from its value and its width.
class FieldText {
public:
    virtual ~FieldText() = default;
    virtual std::unique_ptr<FieldText> Clone() const = 0;
    // The text, owned by this object and valid until the next call.
    virtual const Char* Text(int value, int digits) = 0;

protected:
    String text_;
};

// The value in decimal, padded on the left with "0" to `digits` characters.
class NumberText : public FieldText {
public:
    std::unique_ptr<FieldText> Clone() const override;
    const Char* Text(int value, int digits) override;
};

// A two-valued field: `positive` for 1, `negative` for anything else.
class TwoValueText : public FieldText {
public:
    TwoValueText(const Char* positive, const Char* negative) noexcept
        : positive_(positive), negative_(negative) {}
    std::unique_ptr<FieldText> Clone() const override;
    const Char* Text(int value, int digits) override;

private:
    const Char* positive_;
    const Char* negative_;
};

// "+" / "-".
class SignText : public TwoValueText {
public:
    SignText() noexcept : TwoValueText(TXT("+"), TXT("-")) {}
};
// "E" / "W".
class EastWestText : public TwoValueText {
public:
    EastWestText() noexcept : TwoValueText(TXT("E"), TXT("W")) {}
};
// "N" / "S".
class NorthSouthText : public TwoValueText {
public:
    NorthSouthText() noexcept : TwoValueText(TXT("N"), TXT("S")) {}
};

// A quarter index 0..3 shown as minutes (0, 15, 30, 45) or hundredths of an
// hour (0, 25, 50, 75).
class QuarterHourText : public FieldText {
public:
    explicit QuarterHourText(TimeZoneFractionMode mode) noexcept : quarter_(mode) {}
    std::unique_ptr<FieldText> Clone() const override;
    const Char* Text(int value, int digits) override;

private:
    TimeZoneFractionField quarter_;
};

// One field of a control. The three texts point at constant strings; the
// text maker is owned and cloned with the field.
struct SpinEditField {
    int id = 0;
    int min = 0;
    int max = 0;
    int digits = 1;   // width in characters; digit places of a digit field
    int value = 0;
    bool wrap = false;    // stepping past one end goes to the other
    bool whole = true;    // an ordinary integer; false: a digit field, typed from the left
    bool sign = false;    // a two-valued sign or hemisphere field, set by letters only
    const Char* leadingText = TXT("");
    const Char* trailingText = TXT("");
    const Char* nextFieldKeys = TXT("");
    std::unique_ptr<FieldText> textMaker;

    SpinEditField() = default;
    SpinEditField(const SpinEditField& other);
    SpinEditField& operator=(const SpinEditField& other);
    SpinEditField(SpinEditField&&) noexcept = default;
    SpinEditField& operator=(SpinEditField&&) noexcept = default;
    ~SpinEditField() = default;

    bool Holds(int candidate) const noexcept { return candidate >= min && candidate <= max; }
    // Sets the value when it lies within min..max; says whether it did.
    bool SetValueChecked(int candidate) noexcept;
};

// Keys the controls act on (on release).
enum class SpinKey { Enter, Left, Right, Up, Down, Home, End, SwitchLayout };

// What became of a typed digit.
enum class DigitResult {
    Accepted,  // stored in the field
    Pending,   // the first digits of a number not yet in range: kept in the entry only
    Refused,   // not taken; nothing changed
};

// What a character did.
enum class CharResult {
    NotHandled,        // not one of the control's characters
    Handled,           // acted on
    Refused,           // one of the control's characters, refused quietly
    HandledPassOn,     // acted on, and the window's default handling sees it too
};

// A typed digit's result as a character's.
CharResult DigitCharResult(DigitResult result) noexcept;

// How the current field is drawn while digits are being typed into it: the
// first `hiddenPlaces` characters of `text` are not to be seen.
struct FieldDisplay {
    String text;
    int hiddenPlaces = 0;
};

class SpinEdit {
public:
    SpinEdit() = default;
    SpinEdit(const SpinEdit&) = default;
    SpinEdit& operator=(const SpinEdit&) = default;
    virtual ~SpinEdit() = default;

    // Whether the values of all fields, in field order, make an acceptable
    // combination.
    virtual bool Validate(const std::vector<int>& values) const = 0;
    // Id of the most significant field (the one a carry changes).
    virtual int LeadingFieldId() const = 0;
    // Index of the field that holds character `n` of the line, counted by
    // the fields' widths; the last field past the end; -1 without fields.
    virtual int FieldAtCharacter(int n) const;
    // The steps, Home and End: true when something changed.
    virtual bool StepDown() { return Step(false); }
    virtual bool SetFieldToMaximum() = 0;
    virtual bool SetFieldToMinimum();
    virtual bool StepUp() { return Step(true); }
    virtual bool Step(bool up) = 0;

    // Input from the window. Each answers whether the control must be drawn
    // again (a key or character the control does not know answers false and
    // sets `handled` to false).
    bool OnKeyUp(SpinKey key, bool& handled);
    CharResult OnChar(Char c);
    // Selects the field under character `n` of the line (a click).
    void OnClickAtCharacter(int n);
    // The entry ends.
    void EndEntry() noexcept;
    // The control lost the focus: the entry ends.
    virtual void FocusLost();
    // The control got the focus from the keyboard (Tab, a mnemonic): a
    // picker whose typing runs from field to field starts at the first.
    void FocusFromKeyboard() noexcept;
    // Types `text` as if each character were typed in turn. The whole text
    // must be taken, or nothing changes and the answer is false.
    virtual bool PasteText(const Char* text);

    DigitResult TypeDigit(int digit);
    // A next-field key of the current field moves on; true when it did. A
    // next-field key of the field that typing has just left is taken as
    // that move's own ("31" then "." moves once).
    bool OnSeparatorKey(Char c);
    void NextField();
    void PreviousField();

    SpinEditField* FindSpinEditField(int id, int* index = nullptr) noexcept;
    const SpinEditField* FindSpinEditField(int id, int* index = nullptr) const noexcept;
    // Every sign field whose range holds the value (1 positive, 0 negative)
    // takes it, unless the picker refuses the result; the current field
    // moves on from a sign field. False when refused.
    bool SetSignFields(bool positive);
    // The same assignment without checks of the whole or moving on; false
    // when the value is outside the range of the last sign field.
    bool SetSignFieldsChecked(bool positive) noexcept;
    bool AllValuesInRange(const std::vector<int>& values) const noexcept;
    std::vector<int> CollectValues() const;
    // The displayed line: each field's text followed by its trailing text.
    String BuildText() const;
    // The text of field `index` as drawn, without its trailing text.
    FieldDisplay DisplayOf(int index) const;

    const std::vector<SpinEditField>& Fields() const noexcept { return fields_; }
    int CurrentIndex() const noexcept { return current_; }
    const SpinEditField* CurrentField() const noexcept;
    bool EntryInProgress() const noexcept { return entering_; }
    const String& EntryText() const noexcept { return entryText_; }
    int StepPlace() const noexcept { return stepPlace_; }

    // digits - 1 - trailing zeros of the value (0 has none), at least 0.
    static int LastNonZeroDigit(const SpinEditField& field) noexcept;

protected:
    // The character handling of the picker after the next-field keys.
    virtual CharResult OnPickerChar(Char c);
    // The F3 key: switch between two layouts; false when the picker has one.
    virtual bool SwitchLayout() { return false; }

    // Typed digits go from field to field: a field whose number is
    // complete (its width full, or no further digit could follow) hands the
    // caret to the next one, and a digit that cannot continue the number is
    // refused rather than taken as the start of a new one (which would make
    // a date the user did not type).
    void SetTypingAdvances() noexcept { typingAdvances_ = true; }
    bool TypingAdvances() const noexcept { return typingAdvances_; }

    // The base step of the current field, without any carry.
    bool StepCurrentField(bool up);
    // Sets field `index` to `value` when the picker accepts the result.
    bool TrySetField(int index, int value);
    SpinEditField* Current() noexcept;
    void ClearFields() noexcept;
    SpinEditField& AddField(SpinEditField field);
    void SetCurrentIndex(int index) noexcept;
    void UpdateStepPosition() noexcept;

    std::vector<SpinEditField> fields_;

private:
    int current_ = 0;
    bool entering_ = false;
    String entryText_;
    bool firstKey_ = false;
    int stepPlace_ = 0;
    bool pasting_ = false;
    bool typingAdvances_ = false;
    int advancedFrom_ = -1;  // the field typing has just left, until the next character
};

// A field for the pickers' tables.
SpinEditField MakeField(int id, int min, int max, int digits, int value, bool wrap, bool whole,
                        const Char* trailing, const Char* keys,
                        std::unique_ptr<FieldText> text = nullptr);
// A two-valued sign or hemisphere field (0..1, value 1, wrapping).
SpinEditField MakeSignField(int id, std::unique_ptr<FieldText> text);

// 10 to the power n for n in 0..9.
int PowerOfTen(int n) noexcept;

}  // namespace corvinata
