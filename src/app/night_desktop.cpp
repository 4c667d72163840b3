#include "app/night_desktop.h"

#include "app/settings_keys.h"
#include "app/settings_values.h"

namespace corvinata {

namespace {

constexpr const Char* kKeptKey = TXT("Desktop as it was");
constexpr const Char* kColoursValue = TXT("Colours");
constexpr const Char* kVisualStylesValue = TXT("Visual styles");

int HexDigit(Char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

bool operator==(const DesktopLook& a, const DesktopLook& b) noexcept {
    return a.colours == b.colours && a.visualStyles == b.visualStyles;
}

DesktopColours NightDesktopColours(const DesktopColours& own, const std::array<Colour, 5>& shades) noexcept {
    DesktopColours night{};
    for (std::size_t i = 0; i < night.size(); ++i) {
        const NightSource source = kNightColourRules[i].source;
        if (source == NightSource::kOwn) {
            night[i] = own[i];
        } else if (source == NightSource::kBlack) {
            night[i] = kColourTable[0].colour;
        } else {
            night[i] = shades[static_cast<std::size_t>(source)];
        }
    }
    return night;
}

String DesktopColoursText(const DesktopColours& colours) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    // Seven characters a colour, the last one's comma the terminator.
    Char text[kNightColourCount * 7] = {};
    Char* at = text;
    for (const Colour& colour : colours) {
        for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
            *at++ = static_cast<Char>(kDigits[part >> 4]);
            *at++ = static_cast<Char>(kDigits[part & 15]);
        }
        *at++ = ',';
    }
    at[-1] = 0;
    return String(text);
}

bool ParseDesktopColours(const String& text, DesktopColours& colours) noexcept {
    if (text.Length() != kNightColourCount * 7 - 1) return false;
    const Char* at = text.Text();
    DesktopColours read{};
    for (std::size_t i = 0; i < read.size(); ++i) {
        std::uint8_t parts[3] = {};
        for (std::uint8_t& part : parts) {
            const int high = HexDigit(*at++);
            const int low = HexDigit(*at++);
            if (high < 0 || low < 0) return false;
            part = static_cast<std::uint8_t>(high * 16 + low);
        }
        read[i] = Colour{parts[0], parts[1], parts[2]};
        if (*at != (i + 1 < read.size() ? ',' : 0)) return false;
        ++at;
    }
    colours = read;
    return true;
}

void KeptDesktopStore::Keep(const DesktopLook& look) {
    SettingsTreeWriter writer(storage_, root_);
    if (!OpenSettingsKeyPath(writer, String(settings_key::kNightVision))) return;
    if (!OpenSettingsKeyPath(writer, String(kKeptKey))) return;
    WriteStringValue(writer, kColoursValue, DesktopColoursText(look.colours));
    WriteBoolValue(writer, kVisualStylesValue, look.visualStyles);
}

void KeptDesktopStore::Forget() {
    // Nothing to forget (a factory reset took every setting): no key is made.
    if (!Holds()) return;
    SettingsTreeWriter writer(storage_, root_);
    if (OpenSettingsKeyPath(writer, String(settings_key::kNightVision))) DeleteSettingsKey(writer, kKeptKey);
}

bool KeptDesktopStore::Holds() const {
    SettingsTree tree(storage_, root_);
    return PushSettingsKey(tree, String(settings_key::kNightVision)) && PushSettingsKey(tree, String(kKeptKey));
}

bool KeptDesktopStore::Load(DesktopLook& look) const {
    SettingsTree tree(storage_, root_);
    if (!PushSettingsKey(tree, String(settings_key::kNightVision)) || !PushSettingsKey(tree, String(kKeptKey)))
        return false;
    String text;
    DesktopLook read;
    if (!ReadStringValue(tree, kColoursValue, text) || !ParseDesktopColours(text, read.colours) ||
        !ReadBoolValue(tree, kVisualStylesValue, read.visualStyles))
        return false;
    look = read;
    return true;
}

bool PutBackDesktopLeftAtNight(KeptDesktopStore& store, DesktopInterface& desktop) {
    if (!store.Holds()) return false;
    DesktopLook look;
    const bool kept = store.Load(look);
    if (kept) {
        if (look.visualStyles) desktop.EnableVisualStyles(true);
        desktop.SetColours(look.colours);
    }
    // A look that cannot be read whole is no use to a later start either.
    store.Forget();
    return kept;
}

}  // namespace corvinata
