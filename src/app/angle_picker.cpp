#include "app/angle_picker.h"

#include <cmath>

namespace corvinata {

namespace {

// Minute keys: the apostrophe and the two accents a keyboard may give for it.
constexpr const Char* kMinuteKeys = TXT("'\u00B4`");

struct KindLayout {
    int maximum;           // leading field with the top allowed
    int digits;
    bool hasSign;          // a sign field first
    int hemisphereId;      // a hemisphere field last, or 0
    const Char* degreeText;
    const Char* degreeKeys;
    const Char* minuteText;
    const Char* minuteKeys;
    const Char* secondText;
    const Char* secondKeys;
    const Char* fractionText;
    const Char* fractionKeys;
};

constexpr KindLayout kKinds[] = {
    {90, 2, true, 0, TXT("\u00B0"), TXT("\u00B0"), TXT("'"), kMinuteKeys, TXT("\""), TXT("\""),
     TXT("\u00B0"), TXT("\u00B0")},
    {90, 2, false, kNorthSouthFieldId, TXT("\u00B0"), TXT("\u00B0"), TXT("'"), kMinuteKeys,
     TXT("\" "), TXT("\" "), TXT("\u00B0 "), TXT("\u00B0 ")},
    {180, 3, true, 0, TXT("\u00B0"), TXT("\u00B0"), TXT("'"), kMinuteKeys, TXT("\""), TXT("\""),
     TXT("\u00B0"), TXT("\u00B0")},
    {180, 3, false, kEastWestFieldId, TXT("\u00B0"), TXT("\u00B0"), TXT("'"), kMinuteKeys,
     TXT("\" "), TXT("\" "), TXT("\u00B0 "), TXT("\u00B0 ")},
    {360, 3, false, 0, TXT("\u00B0"), TXT("\u00B0"), TXT("'"), kMinuteKeys, TXT("\" "), TXT("\""),
     TXT("\u00B0"), TXT("\u00B0")},
    {24, 2, false, 0, TXT("h"), TXT("hH"), TXT("m"), TXT("mM"), TXT("s"), TXT("sS"), TXT("h"),
     TXT("hH")},
};

bool HasExclusiveTop(int kind) noexcept { return kind == kFullCircle || kind == kRightAscension; }

}  // namespace

AnglePicker::AnglePicker() { RebuildFields(); }

int AnglePicker::Top() const noexcept {
    return exclusiveMaximum_ && HasExclusiveTop(kind_) ? kKinds[kind_].maximum : 0;
}

void AnglePicker::RebuildFields() {
    ClearFields();
    const KindLayout& k = kKinds[kind_];
    const int maximum = Top() > 0 ? k.maximum - 1 : k.maximum;
    if (k.hasSign) AddField(MakeSignField(kAngleSignFieldId, std::make_unique<SignText>()));
    if (layout_ == 0) {
        AddField(MakeField(kDegreesFieldId, 0, maximum, k.digits, 0, true, true, k.degreeText,
                           k.degreeKeys));
        AddField(MakeField(kMinutesFieldId, 0, 59, 2, 0, true, true, k.minuteText, k.minuteKeys));
        AddField(MakeField(kSecondsFieldId, 0, 59, 2, 0, true, true, k.secondText, k.secondKeys));
    } else {
        AddField(MakeField(kIntegerFieldId, 0, maximum, k.digits, 0, true, true, TXT("."),
                           TXT(".")));
        AddField(MakeField(kFractionFieldId, 0, kFractionScale - 1, kFractionDigits, 0, false,
                           false, k.fractionText, k.fractionKeys));
    }
    if (k.hemisphereId == kNorthSouthFieldId)
        AddField(MakeSignField(kNorthSouthFieldId, std::make_unique<NorthSouthText>()));
    if (k.hemisphereId == kEastWestFieldId)
        AddField(MakeSignField(kEastWestFieldId, std::make_unique<EastWestText>()));
}

bool AnglePicker::Validate(const std::vector<int>& values) const {
    return AllValuesInRange(values) && TopIsClear(values);
}

double AnglePicker::GetValue() const {
    double value = ReadMagnitude();
    if (kind_ == kRightAscension) value *= 15.0;
    for (const SpinEditField& field : fields_) {
        if (!field.sign) continue;
        if (field.value == 0) value = -value;
        break;
    }
    return value;
}

bool AnglePicker::SetValue(double degrees) {
    const double value = kind_ == kRightAscension ? degrees / 15.0 : degrees;
    if (!StoreMagnitude(std::fabs(value), Top())) return false;
    SetSignFieldsChecked(value >= 0.0);
    return true;
}

void AnglePicker::SetFormat(int kind, int layout, bool exclusiveMaximum) {
    if (kind < kSignedUpTo90 || kind > kRightAscension) return;
    const bool sameKind = kind == kind_;
    const double value = GetValue();
    kind_ = kind;
    layout_ = layout == 0 ? 0 : 1;
    exclusiveMaximum_ = exclusiveMaximum;
    RebuildFields();
    if (sameKind) SetValue(value);
}

bool AnglePicker::SwitchLayout() {
    const double value = GetValue();
    layout_ = 1 - layout_;
    RebuildFields();
    SetValue(value);
    return true;
}

CharResult AnglePicker::OnPickerChar(Char c) {
    if (IsDigitChar(c)) return DigitCharResult(TypeDigit(c - '0'));
    switch (c) {
        case '+':
        case '-':
            return SetSignFields(c == '+') ? CharResult::Handled : CharResult::Refused;
        case 'E': case 'e': case 'N': case 'n':
            return SetSignFields(true) ? CharResult::HandledPassOn : CharResult::Refused;
        case 'W': case 'w': case 'S': case 's':
            return SetSignFields(false) ? CharResult::HandledPassOn : CharResult::Refused;
        default:
            return CharResult::NotHandled;
    }
}

}  // namespace corvinata
