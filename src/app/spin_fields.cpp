#include "app/spin_fields.h"

#include <algorithm>

#include "base/text_format.h"

namespace corvinata {

std::unique_ptr<FieldText> NumberText::Clone() const { return std::make_unique<NumberText>(); }

const Char* NumberText::Text(int value, int digits) {
    return StringFromInteger(value, digits, text_, true, '0').Text();
}

std::unique_ptr<FieldText> TwoValueText::Clone() const {
    return std::make_unique<TwoValueText>(positive_, negative_);
}

const Char* TwoValueText::Text(int value, int) {
    return StringAssign(text_, value == 1 ? positive_ : negative_).Text();
}

std::unique_ptr<FieldText> QuarterHourText::Clone() const {
    return std::make_unique<QuarterHourText>(quarter_.Mode());
}

const Char* QuarterHourText::Text(int value, int digits) {
    return StringAssign(text_, quarter_.Format(value, digits)).Text();
}

SpinEditField::SpinEditField(const SpinEditField& other)
    : id(other.id), min(other.min), max(other.max), digits(other.digits), value(other.value),
      wrap(other.wrap), whole(other.whole), sign(other.sign), leadingText(other.leadingText),
      trailingText(other.trailingText), nextFieldKeys(other.nextFieldKeys),
      textMaker(other.textMaker ? other.textMaker->Clone() : nullptr) {}

SpinEditField& SpinEditField::operator=(const SpinEditField& other) {
    if (this != &other) *this = SpinEditField(other);
    return *this;
}

bool SpinEditField::SetValueChecked(int candidate) noexcept {
    if (!Holds(candidate)) return false;
    value = candidate;
    return true;
}

int PowerOfTen(int n) noexcept {
    int result = 1;
    for (int i = 0; i < n && i < 9; ++i) result *= 10;
    return result;
}

SpinEditField MakeField(int id, int min, int max, int digits, int value, bool wrap, bool whole,
                        const Char* trailing, const Char* keys, std::unique_ptr<FieldText> text) {
    SpinEditField field;
    field.id = id;
    field.min = min;
    field.max = max;
    field.digits = digits;
    field.value = value;
    field.wrap = wrap;
    field.whole = whole;
    field.trailingText = trailing;
    field.nextFieldKeys = keys;
    field.textMaker = text ? std::move(text) : std::make_unique<NumberText>();
    return field;
}

SpinEditField MakeSignField(int id, std::unique_ptr<FieldText> text) {
    SpinEditField field = MakeField(id, 0, 1, 1, 1, true, true, TXT(""), TXT(""), std::move(text));
    field.sign = true;
    return field;
}

namespace {

bool Contains(const Char* text, Char c) noexcept {
    for (; *text; ++text)
        if (*text == c) return true;
    return false;
}

// The digits of `text` as a number; false for anything but 1 to 9 digits.
bool ReadDigits(const Char* text, int& value) noexcept {
    const int length = TextLength(text);
    if (length == 0 || length > 9) return false;
    int result = 0;
    for (int i = 0; i < length; ++i) {
        if (!IsDigitChar(text[i])) return false;
        result = result * 10 + (text[i] - '0');
    }
    value = result;
    return true;
}

String DigitText(int digit) {
    const Char text[2] = {static_cast<Char>('0' + digit), 0};
    return String(text);
}

}  // namespace

int SpinEdit::LastNonZeroDigit(const SpinEditField& field) noexcept {
    int zeros = 0;
    for (int v = field.value; v != 0 && v % 10 == 0; v /= 10) ++zeros;
    return std::max(0, field.digits - 1 - zeros);
}

int SpinEdit::FieldAtCharacter(int n) const {
    if (fields_.empty()) return -1;
    int total = 0;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const SpinEditField& field = fields_[i];
        total += field.digits + TextLength(field.leadingText) + TextLength(field.trailingText);
        if (total > n) return static_cast<int>(i);
    }
    return static_cast<int>(fields_.size()) - 1;
}

const SpinEditField* SpinEdit::CurrentField() const noexcept {
    if (current_ < 0 || current_ >= static_cast<int>(fields_.size())) return nullptr;
    return &fields_[current_];
}

SpinEditField* SpinEdit::Current() noexcept {
    return const_cast<SpinEditField*>(static_cast<const SpinEdit*>(this)->CurrentField());
}

void SpinEdit::ClearFields() noexcept {
    fields_.clear();
    current_ = 0;
    EndEntry();
}

SpinEditField& SpinEdit::AddField(SpinEditField field) {
    fields_.push_back(std::move(field));
    return fields_.back();
}

void SpinEdit::SetCurrentIndex(int index) noexcept {
    if (index >= 0 && index < static_cast<int>(fields_.size())) current_ = index;
}

void SpinEdit::EndEntry() noexcept {
    entering_ = false;
    StringAssign(entryText_, TXT(""));
}

void SpinEdit::FocusLost() {
    EndEntry();
    advancedFrom_ = -1;
}

void SpinEdit::FocusFromKeyboard() noexcept {
    if (!typingAdvances_ || fields_.empty()) return;
    EndEntry();
    advancedFrom_ = -1;
    current_ = 0;
    UpdateStepPosition();
}

void SpinEdit::UpdateStepPosition() noexcept {
    const SpinEditField* field = CurrentField();
    if (field && !field->whole) stepPlace_ = LastNonZeroDigit(*field);
}

void SpinEdit::NextField() {
    EndEntry();
    if (fields_.empty()) return;
    current_ = (current_ + 1) % static_cast<int>(fields_.size());
    UpdateStepPosition();
}

void SpinEdit::PreviousField() {
    EndEntry();
    if (fields_.empty()) return;
    const int count = static_cast<int>(fields_.size());
    current_ = (current_ + count - 1) % count;
    UpdateStepPosition();
}

SpinEditField* SpinEdit::FindSpinEditField(int id, int* index) noexcept {
    return const_cast<SpinEditField*>(static_cast<const SpinEdit*>(this)->FindSpinEditField(id, index));
}

const SpinEditField* SpinEdit::FindSpinEditField(int id, int* index) const noexcept {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].id != id) continue;
        if (index) *index = static_cast<int>(i);
        return &fields_[i];
    }
    return nullptr;
}

std::vector<int> SpinEdit::CollectValues() const {
    std::vector<int> values;
    values.reserve(fields_.size());
    for (const SpinEditField& field : fields_) values.push_back(field.value);
    return values;
}

bool SpinEdit::AllValuesInRange(const std::vector<int>& values) const noexcept {
    if (values.size() != fields_.size()) return false;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!fields_[i].Holds(values[i])) return false;
    return true;
}

bool SpinEdit::SetSignFields(bool positive) {
    const int value = positive ? 1 : 0;
    std::vector<int> values = CollectValues();
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].sign && fields_[i].Holds(value)) values[i] = value;
    if (!Validate(values)) return false;
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i].value = values[i];
    const SpinEditField* field = CurrentField();
    if (field && field->sign) NextField();
    return true;
}

bool SpinEdit::SetSignFieldsChecked(bool positive) noexcept {
    const int value = positive ? 1 : 0;
    bool stored = false;
    for (SpinEditField& field : fields_)
        if (field.sign) stored = field.SetValueChecked(value);
    return stored;
}

String SpinEdit::BuildText() const {
    String line;
    for (const SpinEditField& field : fields_) {
        StringAppend(line, field.leadingText);
        StringAppend(line, field.textMaker->Text(field.value, field.digits));
        StringAppend(line, field.trailingText);
    }
    return line;
}

FieldDisplay SpinEdit::DisplayOf(int index) const {
    FieldDisplay display;
    if (index < 0 || index >= static_cast<int>(fields_.size())) return display;
    const SpinEditField& field = fields_[index];
    // While a whole field is being typed only the digits typed so far show,
    // right-aligned; the places before them stay blank.
    if (index == current_ && entering_ && field.whole) {
        const int typed = entryText_.Length();
        display.hiddenPlaces = std::max(0, field.digits - typed);
        StringAssign(display.text, TXT(""));
        for (int i = 0; i < display.hiddenPlaces; ++i) StringAppend(display.text, TXT("0"));
        StringAppend(display.text, entryText_.Text());
        return display;
    }
    StringAssign(display.text, field.textMaker->Text(field.value, field.digits));
    return display;
}

bool SpinEdit::StepCurrentField(bool up) {
    SpinEditField* field = Current();
    if (!field) return false;
    const int edge = up ? field->max : field->min;
    if (field->value == edge && field->wrap) {
        if (field->min > field->max) return false;
        field->value = up ? field->min : field->max;
        return true;
    }
    int candidate;
    if (field->whole) {
        candidate = field->value + (up ? 1 : -1);
    } else {
        const int place = PowerOfTen(std::max(0, field->digits - stepPlace_ - 1));
        candidate = (field->value / place + (up ? 1 : -1)) * place;
    }
    return field->SetValueChecked(candidate);
}

bool SpinEdit::TrySetField(int index, int value) {
    if (index < 0 || index >= static_cast<int>(fields_.size())) return false;
    if (!fields_[index].Holds(value)) return false;
    std::vector<int> values = CollectValues();
    values[index] = value;
    if (!Validate(values)) return false;
    const bool changed = fields_[index].value != value;
    fields_[index].value = value;
    return changed;
}

bool SpinEdit::SetFieldToMinimum() {
    const SpinEditField* field = CurrentField();
    if (!field || field->min > field->max) return false;
    TrySetField(current_, field->min);
    return true;
}

DigitResult SpinEdit::TypeDigit(int digit) {
    SpinEditField* field = Current();
    if (!field || field->sign || digit < 0 || digit > 9) return DigitResult::Refused;
    const int width = field->digits;
    const auto fresh = [&]() {
        return field->whole ? digit : digit * PowerOfTen(width - 1);
    };
    int candidate = 0;
    if (!entering_) {
        StringAssign(entryText_, TXT(""));
        firstKey_ = true;
        candidate = fresh();
    } else {
        String text(entryText_);
        StringAppend(text, DigitText(digit).Text());
        if (!field->whole) PadStringRight(text, width, '0');
        if (!ReadDigits(text.Text(), candidate)) return DigitResult::Refused;
    }
    std::vector<int> values = CollectValues();
    values[current_] = candidate;
    bool accepted = field->Holds(candidate) && Validate(values);
    if (!accepted && entering_ && !pasting_ && !typingAdvances_) {
        // The digit may start a new number where continuing the old one fails
        // (typing only: a pasted number is taken as it stands or not at all).
        candidate = fresh();
        values[current_] = candidate;
        if (field->Holds(candidate) && Validate(values)) {
            accepted = true;
            StringAssign(entryText_, TXT(""));
        }
    }
    if (accepted) {
        firstKey_ = false;
        entering_ = true;
        StringAppend(entryText_, DigitText(digit).Text());
        field->value = candidate;
        if (!field->whole) stepPlace_ = LastNonZeroDigit(*field);
        // Complete: the width is full, or a further digit would pass the
        // field's maximum whatever it is.
        const bool complete = entryText_.Length() >= width ||
                              (field->whole && static_cast<long long>(candidate) * 10 > field->max);
        if (entryText_.Length() >= width) EndEntry();
        if (complete && typingAdvances_ && current_ + 1 < static_cast<int>(fields_.size())) {
            const int left = current_;
            NextField();
            advancedFrom_ = left;
        }
        return DigitResult::Accepted;
    }
    if (!firstKey_) return DigitResult::Refused;
    // No digit of this entry is taken yet: keep collecting, so that a number
    // whose first digits alone are out of range can still be typed in full.
    if (entryText_.Length() + 1 >= width) {
        EndEntry();
        return DigitResult::Refused;
    }
    entering_ = true;
    StringAppend(entryText_, DigitText(digit).Text());
    return DigitResult::Pending;
}

bool SpinEdit::OnSeparatorKey(Char c) {
    const int left = advancedFrom_;
    advancedFrom_ = -1;
    if (left >= 0 && left < static_cast<int>(fields_.size()) && c != 0 &&
        Contains(fields_[left].nextFieldKeys, c)) {
        return true;
    }
    const SpinEditField* field = CurrentField();
    if (!field || c == 0 || !Contains(field->nextFieldKeys, c)) return false;
    NextField();
    return true;
}

CharResult SpinEdit::OnPickerChar(Char c) {
    if (!IsDigitChar(c)) return CharResult::NotHandled;
    return DigitCharResult(TypeDigit(c - '0'));
}

CharResult DigitCharResult(DigitResult result) noexcept {
    return result == DigitResult::Refused ? CharResult::Refused : CharResult::Handled;
}

CharResult SpinEdit::OnChar(Char c) {
    if (OnSeparatorKey(c)) return CharResult::Handled;
    return OnPickerChar(c);
}

bool SpinEdit::OnKeyUp(SpinKey key, bool& handled) {
    handled = true;
    advancedFrom_ = -1;
    bool changed = false;
    switch (key) {
        case SpinKey::Enter:
            if (!entering_) return false;
            EndEntry();
            return true;
        case SpinKey::Left: PreviousField(); return true;
        case SpinKey::Right: NextField(); return true;
        case SpinKey::Up: changed = StepUp(); break;
        case SpinKey::Down: changed = StepDown(); break;
        case SpinKey::Home: changed = SetFieldToMinimum(); break;
        case SpinKey::End: changed = SetFieldToMaximum(); break;
        case SpinKey::SwitchLayout:
            EndEntry();
            handled = false;  // the window's default handling still sees F3
            return SwitchLayout();
    }
    EndEntry();
    return changed;
}

void SpinEdit::OnClickAtCharacter(int n) {
    EndEntry();
    advancedFrom_ = -1;
    const int index = FieldAtCharacter(n);
    if (index >= 0) current_ = index;
    UpdateStepPosition();
}

bool SpinEdit::PasteText(const Char* text) {
    // Pasting is typing: every character must be taken, or the control
    // stays exactly as it was.
    const std::vector<SpinEditField> savedFields = fields_;
    const int savedCurrent = current_;
    const bool savedEntering = entering_;
    const String savedEntry = entryText_;
    const bool savedFirstKey = firstKey_;
    const int savedStepPlace = stepPlace_;
    const int savedAdvancedFrom = advancedFrom_;
    bool taken = *text != 0;
    // The field that took the digits since the last separator: a further
    // digit after its entry ended would start a new number in it.
    int numberField = -1;
    advancedFrom_ = -1;  // a pasted separator is the text's own
    pasting_ = true;
    for (; taken && *text; ++text) {
        if (OnSeparatorKey(*text)) {
            numberField = -1;
            continue;
        }
        const bool digit = IsDigitChar(*text);
        if (digit && !entering_ && numberField == current_) {
            taken = false;
            break;
        }
        const int field = current_;  // typing may move on from it
        const CharResult result = OnPickerChar(*text);
        taken = result != CharResult::NotHandled && result != CharResult::Refused;
        numberField = digit ? field : -1;
    }
    pasting_ = false;
    // Digits still waiting for the rest of their number were not taken.
    if (taken && !(entering_ && firstKey_)) {
        EndEntry();
        return true;
    }
    fields_ = savedFields;
    current_ = savedCurrent;
    entering_ = savedEntering;
    entryText_ = savedEntry;
    firstKey_ = savedFirstKey;
    stepPlace_ = savedStepPlace;
    advancedFrom_ = savedAdvancedFrom;
    return false;
}

}  // namespace corvinata
