#include "documents/graph_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/geo_place.h"
#include "base/services.h"
#include "base/text_format.h"
#include "catalog/body_types.h"
#include "catalog/catalogue.h"
#include "catalog/quantity_kinds.h"

namespace corvinata {

namespace {

// Fixed sizes, from which the smallest possible rest of a file follows, so
// that a damaged count is refused before anything is allocated for it.
constexpr std::uint32_t kValuesSize = kGraphValueCount * 8;
constexpr std::uint32_t kLineSize120 = 4 + 4 + 4 + 4 + 4 + 4 + 1 + 4 + 4 + 1 + 1 + kValuesSize + 4;
constexpr std::uint32_t kLineSize119 = 4 + 4 + 4 + 4 + 1 + 4 + 4 + 1 + 1 + 1 + 50 + kValuesSize + 4 + 4;
constexpr std::uint32_t kTrailerSize = 8 + 8 + 4 + 4 + 1 + 8 + 1 + 4;
constexpr std::uint32_t kTrailerReserved119 = 200;
// Largest system number of a value: the four time systems, the four
// coordinate systems, the three distance units.
constexpr std::int32_t kLastValueSystem = 3;
constexpr std::uint32_t kReadChunk = 65536;

// The bytes of the file and a read position; every read checks what is
// left and fails without moving once the file is exhausted.
class ByteCursor {
public:
    explicit ByteCursor(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::size_t Left() const noexcept { return bytes_.size() - position_; }
    bool Skip(std::size_t count) {
        if (count > Left()) return false;
        position_ += count;
        return true;
    }
    bool Bytes(void* target, std::size_t count) {
        if (count > Left()) return false;
        std::memcpy(target, bytes_.data() + position_, count);
        position_ += count;
        return true;
    }
    bool I32(std::int32_t& value) {
        std::uint8_t b[4];
        if (!Bytes(b, 4)) return false;
        value = static_cast<std::int32_t>(b[0] | (std::uint32_t{b[1]} << 8) |
                                          (std::uint32_t{b[2]} << 16) | (std::uint32_t{b[3]} << 24));
        return true;
    }
    bool I32In(std::int32_t& value, std::int32_t low, std::int32_t high) {
        return I32(value) && value >= low && value <= high;
    }
    bool F64(double& value) {
        std::uint8_t b[8];
        if (!Bytes(b, 8)) return false;
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) bits = (bits << 8) | b[i];
        std::memcpy(&value, &bits, sizeof value);
        return true;
    }
    bool Finite(double& value) { return F64(value) && std::isfinite(value); }
    bool Bool(bool& value) {
        std::uint8_t b = 0;
        if (!Bytes(&b, 1) || b > 1) return false;
        value = b == 1;
        return true;
    }
    // A count of zero or less is the empty text; the text ends at its first
    // zero byte; bytes above 127 widen with their sign (0x80 to U+FF80).
    bool Narrow(String& text) {
        std::int32_t count = 0;
        if (!I32(count)) return false;
        std::vector<Char> chars;
        if (count > 0) {
            if (static_cast<std::size_t>(count) > Left()) return false;
            chars.reserve(static_cast<std::size_t>(count) + 1);
            for (std::int32_t i = 0; i < count; ++i) {
                const auto byte = static_cast<std::int8_t>(bytes_[position_ + static_cast<std::size_t>(i)]);
                if (byte == 0) break;
                chars.push_back(static_cast<Char>(static_cast<std::uint16_t>(static_cast<std::int16_t>(byte))));
            }
            position_ += static_cast<std::size_t>(count);
        }
        chars.push_back(0);
        StringAssign(text, chars.data());
        return true;
    }
    // UTF-16 little-endian, count in bytes; ends at the first zero character.
    bool Wide(String& text) {
        std::int32_t count = 0;
        if (!I32(count)) return false;
        std::vector<Char> chars;
        if (count > 0) {
            if (static_cast<std::size_t>(count) > Left()) return false;
            const std::uint8_t* at = bytes_.data() + position_;
            chars.reserve(static_cast<std::size_t>(count) / 2 + 1);
            for (std::int32_t i = 0; i + 1 < count; i += 2) {
                const auto unit = static_cast<std::uint16_t>(at[i] | (at[i + 1] << 8));
                if (unit == 0) break;
                chars.push_back(static_cast<Char>(unit));
            }
            position_ += static_cast<std::size_t>(count);
        }
        chars.push_back(0);
        StringAssign(text, chars.data());
        return true;
    }
    bool Date(DateTime& date) {
        return I32(date.year) && I32(date.month) && I32(date.day) && Finite(date.hours) &&
               I32In(date.timeSystem, kUniversalTime, kLocalSiderealTime) && IsValidDate(date) &&
               date.hours >= 0.0 && date.hours < 24.0;
    }
    bool Place(Location& place) {
        GeoCoordinates& c = place.coordinates;
        return Finite(c.longitude.degrees) && c.longitude.degrees >= -180.0 &&
               c.longitude.degrees <= 180.0 && I32In(c.longitude.mode, kWestPositive, kEastPositive) &&
               Finite(c.latitude.degrees) && c.latitude.degrees >= -90.0 && c.latitude.degrees <= 90.0 &&
               Finite(c.timeZone.hours) && c.timeZone.hours >= kMinTimeZoneHours &&
               c.timeZone.hours <= kMaxTimeZoneHours && I32(c.elevation) && Narrow(place.country) &&
               Narrow(place.town);
    }
    // A step stored as count, then unit.
    bool CountUnit(TimeStep& step) { return I32(step.count) && I32In(step.unit, 0, kTimeUnitCount - 1); }
    // A step stored as unit, then count.
    bool UnitCount(TimeStep& step) { return I32In(step.unit, 0, kTimeUnitCount - 1) && I32(step.count); }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t position_ = 0;
};

// The whole stream from where it stands.
bool ReadAll(BinaryFile& stream, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    for (;;) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kReadChunk);
        std::uint32_t got = 0;
        if (!stream.ReadSome(bytes.data() + had, kReadChunk, got) || got == 0) {
            bytes.resize(had);
            return stream.AtEnd();
        }
        bytes.resize(had + got);
    }
}

// strtol's integer: white space, a sign, at least one digit, no overflow.
bool ScanInteger(const char*& text, std::int32_t& value) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    if (*text < '0' || *text > '9') return false;
    std::int64_t number = 0;
    while (*text >= '0' && *text <= '9') {
        number = number * 10 + (*text++ - '0');
        if (number > 2147483648LL) return false;
    }
    if (negative) number = -number;
    if (number > 2147483647LL) return false;
    value = static_cast<std::int32_t>(number);
    return true;
}

bool ScanLiteral(const char*& text, const char* literal) {
    const std::size_t length = std::strlen(literal);
    if (std::strncmp(text, literal, length) != 0) return false;
    text += length;
    return true;
}

// The product name as the header holds it (characters above 127 as "?").
std::string NarrowProductName() {
    std::string name;
    for (const Char* c = GetProductInfo().GetProductName(); *c; ++c) {
        name.push_back(static_cast<std::uint32_t>(*c) < 128 ? static_cast<char>(*c) : '?');
    }
    return name;
}

bool ScanHeader(const std::vector<std::uint8_t>& bytes, std::int32_t& major, std::int32_t& minor) {
    const std::size_t length = std::min<std::size_t>(bytes.size(), kGraphHeaderSize);
    std::string header(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    header.resize(std::strlen(header.c_str()));
    const char* text = header.c_str();
    const std::string product = NarrowProductName();
    return ScanLiteral(text, product.c_str()) && ScanLiteral(text, " ") && ScanInteger(text, major) &&
           ScanLiteral(text, ".") && ScanInteger(text, minor) && ScanLiteral(text, " graph file");
}

// The catalogue object and name system a line names.
bool ResolveBody(std::int32_t type, std::int32_t number, std::int32_t systemId, const String& name,
                 bool nameStored, BodyIdentifier& body) {
    if (type == kNoBodyType) {
        body = BodyIdentifierFromObject(nullptr);
        return true;
    }
    const Catalogue* catalogue = CatalogueByType(type);
    if (!catalogue || number < 0 || number >= catalogue->CatalogueGetCount()) return false;
    const CelestialObject* object = catalogue->CatalogueGetObjectAt(number);
    if (!object) return false;
    const NameSystem* system = nullptr;
    if (systemId != -1) {
        const BodyType* bodyType = GetBodyType(type);
        system = bodyType ? bodyType->NameSystemById(systemId) : nullptr;
        if (!system) return false;
    }
    if (nameStored) {
        BodyIdentifierInit(body, object, system, name.Text());
    } else {
        int cursor = 0;
        BodyIdentifierInit(body, object, system, object->CelestialObjectFirstName(cursor, system));
    }
    return true;
}

bool ReadLine120(ByteCursor& in, GraphLine& line) {
    std::int32_t type = 0, number = 0, systemId = 0;
    String bodyName, expression;
    if (!in.Narrow(line.name) || !in.I32In(type, 0, kNoBodyType) || !in.I32(number) ||
        !in.I32(systemId) || !in.Narrow(bodyName) || !in.I32(line.function) ||
        !in.Bool(line.scriptEdited) || !in.Narrow(expression) ||
        !in.I32In(line.colour, 0, kGraphColourCount - 1) || !in.Bool(line.visibleInControlPanel) ||
        !in.Bool(line.visibleInGraph)) {
        return false;
    }
    for (double& value : line.values) {
        if (!in.F64(value)) return false;
    }
    if (!in.I32In(line.system, -1, kLastValueSystem)) return false;
    line.SetExpression(expression);
    return ResolveBody(type, number, systemId, bodyName, true, line.body);
}

bool ReadLine119(ByteCursor& in, GraphLine& line) {
    std::int32_t type = 0, number = 0, systemId = 0;
    String expression;
    if (!in.Wide(line.name) || !in.I32In(type, 0, kNoBodyType) || !in.I32(number) ||
        !in.I32(line.function) || !in.Bool(line.scriptEdited) || !in.Wide(expression) ||
        !in.I32In(line.colour, 0, kGraphColourCount - 1) || !in.Bool(line.visibleInControlPanel) ||
        !in.Bool(line.visibleInGraph) || !in.Skip(1 + 50)) {
        return false;
    }
    for (double& value : line.values) {
        if (!in.F64(value)) return false;
    }
    if (!in.I32In(line.system, -1, kLastValueSystem) || !in.I32(systemId)) return false;
    line.SetExpression(expression);
    return ResolveBody(type, number, systemId, String(), false, line.body);
}

// Everything a file holds, read before any of it goes into a document.
struct GraphFileContents {
    TimeAndLocation settings;
    std::int32_t reserved = 0;
    std::vector<GraphLine> lines;
    std::int32_t valueKind = kValueKindUnknown;
    std::int32_t valueSystem = -1;
};

// Kind 13 ("not derived yet") stands in a file with lines only where the
// first line has no kind: its expression does not compile.
bool ValueKindFits(const GraphFileContents& contents, const GraphServices& services) {
    if (contents.valueKind >= 0 && contents.valueKind < kQuantityKindCount) return true;
    if (contents.valueKind != kValueKindUnknown) return false;
    if (contents.lines.empty()) return true;
    if (!services.catalogue) return false;
    ScriptExpression first(contents.lines.front().ExpressionText().Text());
    return !CompileScriptExpression(first, *services.catalogue);
}

bool ReadBody(ByteCursor& in, std::int32_t minor, const GraphServices& services,
              GraphFileContents& contents) {
    TimeAndLocation& s = contents.settings;
    std::int32_t lineCount = 0, rangeUnit = 0;
    double rangeYears = 0.0;
    if (!in.Date(s.beginDate) || !in.Date(s.endDate) || !in.Bool(s.daylightSaving) ||
        !in.I32(lineCount) || !in.Bool(s.xAxisHorizontal) || !in.Bool(s.xAxisReversed) ||
        !in.Bool(s.yAxisReversed) || !in.I32(contents.reserved) || !in.Finite(rangeYears) ||
        !in.I32In(rangeUnit, 0, kTimeUnitCount - 1) || !in.Bool(s.endFixed) || !in.Place(s.location) ||
        !in.CountUnit(s.xAxisMarkStep) || !in.CountUnit(s.xAxisLabelStep) ||
        !in.I32In(s.xAxisTimeSystem, kUniversalTime, kLocalSiderealTime) ||
        !TimeAndLocationSetStoredRange(s, rangeUnit, rangeYears)) {
        return false;
    }
    const std::uint32_t lineSize = minor == kOldestGraphFileMinor ? kLineSize119 : kLineSize120;
    const std::uint32_t trailer =
        kTrailerSize + (minor == kOldestGraphFileMinor ? kTrailerReserved119 : 0);
    if (lineCount < 0 || in.Left() < trailer ||
        static_cast<std::uint64_t>(lineCount) > (in.Left() - trailer) / lineSize) {
        return false;
    }
    contents.lines.resize(static_cast<std::size_t>(lineCount));
    for (GraphLine& line : contents.lines) {
        if (!(minor == kOldestGraphFileMinor ? ReadLine119(in, line) : ReadLine120(in, line))) return false;
    }
    return in.Finite(s.yAxisMin) && in.Finite(s.yAxisMax) && in.I32(contents.valueKind) &&
           in.I32In(contents.valueSystem, -1, kLastValueSystem) && in.Bool(s.xAxisGridActive) &&
           in.UnitCount(s.xAxisGridStep) && in.Bool(s.yAxisGridActive) && in.I32(s.yAxisGridStep) &&
           (minor != kOldestGraphFileMinor || in.Skip(kTrailerReserved119)) &&
           ValueKindFits(contents, services);
}

}  // namespace

String GraphFileHeaderText(const Char* productName, std::int32_t major, std::int32_t minor) {
    String header(productName);
    StringAppend(header, TXT(" "));
    StringAppend(header, NumberTextFromInt(major).Text());
    StringAppend(header, TXT("."));
    String minorText;
    StringFromInteger(minor, 2, minorText, true, TXT('0'));
    StringAppend(header, minorText.Text());
    StringAppend(header, TXT(" graph file\n\x1A"));
    return header;
}

bool OpenGraphFile(BinaryFile& stream, GraphDocument& document, GraphFileFlags& flags) {
    flags = GraphFileFlags{};
    std::vector<std::uint8_t> bytes;
    if (!ReadAll(stream, bytes)) return false;
    std::int32_t major = 0, minor = 0;
    if (!ScanHeader(bytes, major, minor)) return false;
    flags.recognised = true;
    if (major < kGraphFileMajor || (major == kGraphFileMajor && minor < kOldestGraphFileMinor)) {
        flags.tooOld = true;
        return false;
    }
    if (major > kGraphFileMajor || (major == kGraphFileMajor && minor > kGraphFileMinor)) {
        flags.newer = true;
        return false;
    }
    ByteCursor in(bytes);
    GraphFileContents contents;
    if (!in.Skip(kGraphHeaderSize) || !ReadBody(in, minor, document.Services(), contents)) return false;

    document.SetDefaults();
    document.SetFileVersion(major, minor);
    document.SetOptions(contents.settings);
    document.SetReservedOption(contents.reserved);
    for (const GraphLine& line : contents.lines) document.InsertLine(document.LineCount(), line);
    document.SetValueKind(contents.valueKind, contents.valueSystem);
    document.SetSelectedLine(contents.lines.empty() ? -1 : 0);
    document.SetFilePath(stream.Path());
    document.SetHasFile(true);
    return true;
}

GraphReadResult GraphDocumentFileReader::ReadGraph(BinaryFile& file) {
    GraphFileFlags flags;
    GraphReadResult result;
    result.read = OpenGraphFile(file, document_, flags);
    result.headerRecognised = flags.recognised;
    // Too old, damaged or cut short: all "recognised, not readable".
    result.notGraphOrTooOld = flags.recognised && !flags.newer;
    return result;
}

}  // namespace corvinata
