#include "documents/graph_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <vector>

#include "base/binary_file.h"
#include "base/geo_place.h"
#include "base/services.h"
#include "base/text_format.h"
#include "catalog/catalogue.h"
#include "catalog/catalogue_registry.h"
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

// The names the open notice gives the fields it replaced.
constexpr const Char* kBeginField = TXT("begin date");
constexpr const Char* kEndField = TXT("end date");
constexpr const Char* kDaylightSavingField = TXT("daylight saving time");
constexpr const Char* kTimeAxisField = TXT("time axis orientation");
constexpr const Char* kXOriginField = TXT("x axis origin");
constexpr const Char* kYOriginField = TXT("y axis origin");
constexpr const Char* kStepField = TXT("time step");
constexpr const Char* kIntervalField = TXT("interval by end or by step");
constexpr const Char* kLocationField = TXT("location");
constexpr const Char* kMarkField = TXT("x axis marks");
constexpr const Char* kLabelField = TXT("x axis labels");
constexpr const Char* kTimeSystemField = TXT("x axis time system");
constexpr const Char* kBodyField = TXT("line body");
constexpr const Char* kScriptEditedField = TXT("line expression edited");
constexpr const Char* kColourField = TXT("line colour");
constexpr const Char* kVisibleField = TXT("line visibility");
constexpr const Char* kLineSystemField = TXT("line value system");
constexpr const Char* kYRangeField = TXT("y axis range");
constexpr const Char* kValueKindField = TXT("value kind");
constexpr const Char* kXGridField = TXT("x axis grid");
constexpr const Char* kYGridField = TXT("y axis grid");

// The fields a file holds as groups.
bool ReadDate(ByteReader& in, DateTime& date) {
    return in.I32(date.year) && in.I32(date.month) && in.I32(date.day) && in.F64(date.hours) &&
           in.I32(date.timeSystem);
}

// A step stored as count, then unit, or as unit, then count.
bool ReadStep(ByteReader& in, TimeStep& step, bool countFirst) {
    return countFirst ? in.I32(step.count) && in.I32(step.unit) : in.I32(step.unit) && in.I32(step.count);
}

// The fields of a file that the program cannot use, each named once, in
// the order the file holds them.
class Replacements {
public:
    void Note(const Char* field) {
        if (!Has(field)) names_.push_back(field);
    }
    bool Has(const Char* field) const { return std::find(names_.begin(), names_.end(), field) != names_.end(); }
    std::vector<const Char*> Take() { return std::move(names_); }

private:
    std::vector<const Char*> names_;
};

bool UsableDate(const DateTime& date) noexcept {
    return date.timeSystem >= kUniversalTime && date.timeSystem <= kLocalSiderealTime && IsValidDate(date) &&
           date.hours >= 0.0 && date.hours < 24.0;
}

bool UsableUnit(std::int32_t unit) noexcept { return unit >= 0 && unit < kTimeUnitCount; }

// Reads a field and, when its value is outside its table, puts the default
// in its place and names it. False only when the bytes ran out.
class FieldReader {
public:
    FieldReader(ByteReader& in, Replacements& replaced) : in_(in), replaced_(replaced) {}

    ByteReader& Bytes() noexcept { return in_; }
    void Replace(const Char* field) { replaced_.Note(field); }

    // A boolean is the byte 0 or 1.
    bool Bool(bool& value, bool fallback, const Char* field) {
        std::uint8_t b = 0;
        if (!in_.Byte(b)) return false;
        value = b == 1;
        if (b > 1) TakeDefault(value, fallback, field);
        return true;
    }
    bool Int(std::int32_t& value, std::int32_t low, std::int32_t high, std::int32_t fallback, const Char* field) {
        if (!in_.I32(value)) return false;
        if (value < low || value > high) TakeDefault(value, fallback, field);
        return true;
    }
    bool Double(double& value, double low, double high, double fallback, const Char* field) {
        if (!in_.F64(value)) return false;
        if (!(std::isfinite(value) && value >= low && value <= high)) TakeDefault(value, fallback, field);
        return true;
    }
    // A step's unit outside the units takes the whole default step.
    bool Step(TimeStep& step, bool countFirst, const TimeStep& fallback, const Char* field) {
        if (!ReadStep(in_, step, countFirst)) return false;
        if (!UsableUnit(step.unit)) TakeDefault(step, fallback, field);
        return true;
    }

private:
    template <class T>
    void TakeDefault(T& value, const T& fallback, const Char* field) {
        value = fallback;
        Replace(field);
    }

    ByteReader& in_;
    Replacements& replaced_;
};

// The whole stream from where it stands.
bool ReadAll(BinaryFile& stream, std::vector<std::uint8_t>& bytes) {
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

// The header's bytes: up to 100, fewer only at the end of the file.
void ReadHeader(BinaryFile& stream, std::vector<std::uint8_t>& bytes) {
    bytes.assign(kGraphHeaderSize, 0);
    std::uint32_t have = 0;
    while (have < kGraphHeaderSize) {
        std::uint32_t got = 0;
        if (!stream.ReadSome(bytes.data() + have, kGraphHeaderSize - have, got) || got == 0) break;
        have += got;
    }
    bytes.resize(have);
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

// The catalogue object and name system a line names; false when the
// catalogue has no such object or name system.
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
        system = GetNameSystemOfType(type, systemId);
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

// A body the catalogues do not know leaves the line without one: its
// expression still computes it.
void SettleBody(FieldReader& in, std::int32_t type, std::int32_t number, std::int32_t systemId,
                const String& name, bool nameStored, GraphLine& line) {
    if (!ResolveBody(type, number, systemId, name, nameStored, line.body)) {
        line.body = BodyIdentifierFromObject(nullptr);
        in.Replace(kBodyField);
    }
}

// The fields every version's line shares after its expression.
bool ReadLineFlags(FieldReader& in, GraphLine& line, const GraphLine& fallback) {
    return in.Int(line.colour, 0, kGraphColourCount - 1, fallback.colour, kColourField) &&
           in.Bool(line.visibleInControlPanel, fallback.visibleInControlPanel, kVisibleField) &&
           in.Bool(line.visibleInGraph, fallback.visibleInGraph, kVisibleField);
}

bool ReadValues(ByteReader& in, GraphLine& line) {
    for (double& value : line.values) {
        if (!in.F64(value)) return false;
    }
    return true;
}

bool ReadLine120(FieldReader& in, GraphLine& line) {
    const GraphLine fallback;
    ByteReader& bytes = in.Bytes();
    std::int32_t type = 0, number = 0, systemId = 0;
    String bodyName, expression;
    if (!bytes.Narrow(line.name) || !bytes.I32(type) || !bytes.I32(number) || !bytes.I32(systemId) ||
        !bytes.Narrow(bodyName) || !bytes.I32(line.function) ||
        !in.Bool(line.scriptEdited, fallback.scriptEdited, kScriptEditedField) || !bytes.Narrow(expression) ||
        !ReadLineFlags(in, line, fallback) || !ReadValues(bytes, line) ||
        !in.Int(line.system, -1, kLastValueSystem, fallback.system, kLineSystemField)) {
        return false;
    }
    line.SetExpression(expression);
    SettleBody(in, type, number, systemId, bodyName, true, line);
    return true;
}

bool ReadLine119(FieldReader& in, GraphLine& line) {
    const GraphLine fallback;
    ByteReader& bytes = in.Bytes();
    std::int32_t type = 0, number = 0, systemId = 0;
    String expression;
    if (!bytes.Wide(line.name) || !bytes.I32(type) || !bytes.I32(number) || !bytes.I32(line.function) ||
        !in.Bool(line.scriptEdited, fallback.scriptEdited, kScriptEditedField) || !bytes.Wide(expression) ||
        !ReadLineFlags(in, line, fallback) || !bytes.Skip(1 + 50) || !ReadValues(bytes, line) ||
        !in.Int(line.system, -1, kLastValueSystem, fallback.system, kLineSystemField) || !bytes.I32(systemId)) {
        return false;
    }
    line.SetExpression(expression);
    SettleBody(in, type, number, systemId, String(), false, line);
    return true;
}

// Everything a file holds, read before any of it goes into a document.
struct GraphFileContents {
    TimeAndLocation settings;
    std::int32_t reserved = 0;
    std::vector<GraphLine> lines;
    std::int32_t valueKind = kValueKindUnknown;
    std::int32_t valueSystem = -1;
};

// The place: each coordinate outside its range takes the default place's.
bool ReadPlace(FieldReader& in, Location& place, const Location& fallback) {
    GeoCoordinates& c = place.coordinates;
    const GeoCoordinates& d = fallback.coordinates;
    return in.Double(c.longitude.degrees, -180.0, 180.0, d.longitude.degrees, kLocationField) &&
           in.Int(c.longitude.mode, kWestPositive, kEastPositive, d.longitude.mode, kLocationField) &&
           in.Double(c.latitude.degrees, -90.0, 90.0, d.latitude.degrees, kLocationField) &&
           in.Double(c.timeZone.hours, kMinTimeZoneHours, kMaxTimeZoneHours, d.timeZone.hours, kLocationField) &&
           in.Bytes().I32(c.elevation) && in.Bytes().Narrow(place.country) && in.Bytes().Narrow(place.town);
}

// Begin, step and end as the program can use them together: a begin or a
// step it cannot use takes the default, an end it cannot use (or one before
// the begin) follows from the begin and the step.
void SettleRange(TimeAndLocation& s, const TimeAndLocation& defaults, bool beginUsable, bool endUsable,
                 double stepCount, std::int32_t stepUnit, FieldReader& in) {
    if (!beginUsable) {
        s.beginDate = defaults.beginDate;
        in.Replace(kBeginField);
    }
    if (!TimeAndLocationStoreStep(s, stepUnit, stepCount)) {
        TimeAndLocationStoreStep(s, defaults.stepUnit, defaults.stepCount);
        in.Replace(kStepField);
    }
    if (endUsable && !DateTimeIsEarlier(s.endDate, s.beginDate)) return;
    in.Replace(kEndField);
    if (TimeAndLocationUpdateEndDate(s)) return;
    // A begin so late that no range fits after it: the default range.
    s.beginDate = defaults.beginDate;
    s.endDate = defaults.endDate;
    TimeAndLocationStoreStep(s, defaults.stepUnit, defaults.stepCount);
    in.Replace(kBeginField);
    in.Replace(kStepField);
}

bool ReadBody(ByteReader& bytes, std::int32_t minor, const GraphServices& services, GraphFileContents& contents,
              Replacements& replaced) {
    FieldReader in(bytes, replaced);
    const TimeAndLocation defaults = DefaultGraphSettings(services);
    TimeAndLocation& s = contents.settings;
    s = defaults;
    std::int32_t lineCount = 0, stepUnit = 0;
    double stepCount = 0.0;
    if (!ReadDate(bytes, s.beginDate) || !ReadDate(bytes, s.endDate) ||
        !in.Bool(s.daylightSaving, defaults.daylightSaving, kDaylightSavingField) || !bytes.I32(lineCount) ||
        !in.Bool(s.xAxisHorizontal, defaults.xAxisHorizontal, kTimeAxisField) ||
        !in.Bool(s.xAxisReversed, defaults.xAxisReversed, kXOriginField) ||
        !in.Bool(s.yAxisReversed, defaults.yAxisReversed, kYOriginField) || !bytes.I32(contents.reserved) ||
        !bytes.F64(stepCount) || !bytes.I32(stepUnit) || !in.Bool(s.endFixed, defaults.endFixed, kIntervalField) ||
        !ReadPlace(in, s.location, defaults.location) ||
        !in.Step(s.xAxisMarkStep, true, defaults.xAxisMarkStep, kMarkField) ||
        !in.Step(s.xAxisLabelStep, true, defaults.xAxisLabelStep, kLabelField) ||
        !in.Int(s.xAxisTimeSystem, kUniversalTime, kLocalSiderealTime, defaults.xAxisTimeSystem,
                kTimeSystemField)) {
        return false;
    }
    SettleRange(s, defaults, UsableDate(s.beginDate), UsableDate(s.endDate), stepCount, stepUnit, in);
    // The line count is the file's shape, not a value: a count the bytes
    // cannot hold is a damaged file.
    const std::uint32_t lineSize = minor == kOldestGraphFileMinor ? kLineSize119 : kLineSize120;
    const std::uint32_t trailer = kTrailerSize + (minor == kOldestGraphFileMinor ? kTrailerReserved119 : 0);
    if (lineCount < 0 || bytes.Left() < trailer ||
        static_cast<std::uint64_t>(lineCount) > (bytes.Left() - trailer) / lineSize) {
        return false;
    }
    contents.lines.resize(static_cast<std::size_t>(lineCount));
    for (GraphLine& line : contents.lines) {
        if (!(minor == kOldestGraphFileMinor ? ReadLine119(in, line) : ReadLine120(in, line))) return false;
    }
    const double infinity = std::numeric_limits<double>::infinity();
    if (!in.Double(s.yAxisMin, -infinity, infinity, defaults.yAxisMin, kYRangeField) ||
        !in.Double(s.yAxisMax, -infinity, infinity, defaults.yAxisMax, kYRangeField) ||
        !bytes.I32(contents.valueKind) || !bytes.I32(contents.valueSystem) ||
        !in.Bool(s.xAxisGridActive, defaults.xAxisGridActive, kXGridField) ||
        !in.Step(s.xAxisGridStep, false, defaults.xAxisGridStep, kXGridField) ||
        !in.Bool(s.yAxisGridActive, defaults.yAxisGridActive, kYGridField) || !bytes.I32(s.yAxisGridStep) ||
        (minor == kOldestGraphFileMinor && !bytes.Skip(kTrailerReserved119))) {
        return false;
    }
    // Kind 13 is "not derived yet"; a kind or system the tables do not have,
    // or a range that cannot be shown, is derived again from the first line
    // when the graph needs it.
    const bool kindUsable = contents.valueKind == kValueKindUnknown ||
                            (contents.valueKind >= 0 && contents.valueKind < kQuantityKindCount &&
                             contents.valueSystem >= -1 && contents.valueSystem <= kLastValueSystem);
    if (!kindUsable) in.Replace(kValueKindField);
    if (!kindUsable || replaced.Has(kYRangeField) || contents.valueKind == kValueKindUnknown) {
        contents.valueKind = kValueKindUnknown;
        contents.valueSystem = -1;
    }
    return true;
}

// The fields the lines' values were computed from: the instants (begin,
// end, step, how the range is held, the time system of the axis they are
// spread in) and the place. A line's own body and system name what its
// expression computes, and the expression is stored as it is.
bool ValueInputReplaced(const std::vector<const Char*>& replaced) {
    for (const Char* input : {kBeginField, kEndField, kStepField, kIntervalField, kTimeSystemField, kLocationField,
                              kDaylightSavingField}) {
        if (std::find(replaced.begin(), replaced.end(), input) != replaced.end()) return true;
    }
    return false;
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
    // The header decides before the rest is read: a large file that is no
    // graph costs its first hundred bytes.
    std::vector<std::uint8_t> bytes;
    ReadHeader(stream, bytes);
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
    if (bytes.size() < kGraphHeaderSize || !ReadAll(stream, bytes)) return false;
    ByteReader in(bytes);
    GraphFileContents contents;
    Replacements replaced;
    if (!in.Skip(kGraphHeaderSize) || !ReadBody(in, minor, document.Services(), contents, replaced)) return false;

    document.SetDefaults();
    document.SetFileVersion(major, minor);
    document.SetOptions(contents.settings);
    document.SetReservedOption(contents.reserved);
    for (const GraphLine& line : contents.lines) document.InsertLine(document.LineCount(), line);
    document.SetValueKind(contents.valueKind, contents.valueSystem);
    document.SetSelectedLine(contents.lines.empty() ? -1 : 0);
    document.SetFilePath(stream.Path());
    document.SetHasFile(true);
    flags.replaced = replaced.Take();
    // The stored values are the graph's own and are kept, unless they were
    // computed for a range or a place the reader had to replace: they would
    // then be drawn against instants they do not belong to.
    if (ValueInputReplaced(flags.replaced)) document.ComputeAllLines(false);
    return true;
}

GraphReadResult GraphDocumentFileReader::ReadGraph(BinaryFile& file) {
    GraphFileFlags flags;
    GraphReadResult result;
    // A failure of any kind (the memory for a file far larger than any
    // graph included) is a file that cannot be read; the document is
    // changed only after the whole file was read.
    try {
        result.read = OpenGraphFile(file, document_, flags);
    } catch (const std::exception&) {
        result.read = false;
        flags.replaced.clear();
    }
    result.headerRecognised = flags.recognised;
    result.replacedFields = std::move(flags.replaced);
    // Too old, damaged or cut short: all "recognised, not readable".
    result.notGraphOrTooOld = flags.recognised && !flags.newer;
    return result;
}

}  // namespace corvinata
