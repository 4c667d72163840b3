#include "documents/graph_visitor.h"

#include <cstring>

#include "app/graph_file_names.h"
#include "base/services.h"
#include "catalog/name_systems.h"
#include "documents/graph_file.h"
#include "documents/graph_xml.h"

namespace corvinata {

namespace {

constexpr std::size_t kFlushSize = 65536;

}  // namespace

bool SaveGraphLine(GraphVisitor& visitor, const GraphLine& line, const GraphDocument& document) {
    if (!visitor.BeginLine(line)) return false;
    for (int i = 0; i < kGraphValueCount; ++i) {
        if (!visitor.WriteValue(document, line, i)) return false;
    }
    return visitor.EndLine(line);
}

bool SaveGraph(GraphDocument& document, GraphVisitor& visitor) {
    if (!visitor.BeginGraph(document)) return false;
    for (int i = 0; i < document.LineCount(); ++i) {
        if (!SaveGraphLine(visitor, *document.GetGraphLine(i), document)) return false;
    }
    return visitor.EndGraph(document);
}

GraphTextVisitor::GraphTextVisitor(StorageService& storage, const String& path)
    : storage_(storage), path_(path) {}

GraphTextVisitor::~GraphTextVisitor() = default;

bool GraphTextVisitor::Flush() {
    if (!stream_) return false;
    const bool written =
        buffer_.empty() || stream_->Write(buffer_.data(), static_cast<std::uint32_t>(buffer_.size()));
    buffer_.clear();
    return written;
}

bool GraphTextVisitor::PutBytes(const void* bytes, std::size_t count) {
    const auto* b = static_cast<const std::uint8_t*>(bytes);
    buffer_.insert(buffer_.end(), b, b + count);
    return buffer_.size() < kFlushSize || Flush();
}

bool GraphTextVisitor::PutI32(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    const std::uint8_t b[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                               static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
    return PutBytes(b, 4);
}

bool GraphTextVisitor::PutF64(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    std::uint8_t b[8];
    for (std::uint8_t& byte : b) {
        byte = static_cast<std::uint8_t>(bits);
        bits >>= 8;
    }
    return PutBytes(b, 8);
}

bool GraphTextVisitor::PutByte(bool value) {
    const std::uint8_t b = value ? 1 : 0;
    return PutBytes(&b, 1);
}

// Characters 0..127 as their byte, any other as "?".
bool GraphTextVisitor::PutNarrow(const String& text) {
    const int length = text.Length();
    if (!PutI32(length)) return false;
    for (int i = 0; i < length; ++i) {
        const auto c = static_cast<std::uint32_t>(text.Text()[i]);
        const std::uint8_t b = c < 128 ? static_cast<std::uint8_t>(c) : '?';
        if (!PutBytes(&b, 1)) return false;
    }
    return true;
}

bool GraphTextVisitor::PutDate(const DateTime& date) {
    return PutI32(date.year) && PutI32(date.month) && PutI32(date.day) && PutF64(date.hours) &&
           PutI32(date.timeSystem);
}

bool GraphTextVisitor::BeginGraph(GraphDocument& document) {
    const String header =
        GraphFileHeaderText(GetProductInfo().GetProductName(), kGraphFileMajor, kGraphFileMinor);
    stream_ = storage_.CreateBinaryFile(path_);
    if (!stream_ || !stream_->Create(false) || !stream_->Truncate()) {
        stream_.reset();
        return false;
    }
    std::uint8_t bytes[kGraphHeaderSize] = {};
    for (int i = 0; i < header.Length() && i < static_cast<int>(kGraphHeaderSize); ++i) {
        const auto c = static_cast<std::uint32_t>(header.Text()[i]);
        bytes[i] = c < 128 ? static_cast<std::uint8_t>(c) : '?';
    }
    const TimeAndLocation& s = document.Options();
    const GeoCoordinates& c = s.location.coordinates;
    return PutBytes(bytes, sizeof bytes) && PutDate(s.beginDate) && PutDate(s.endDate) &&
           PutByte(s.daylightSaving) && PutI32(document.LineCount()) && PutByte(s.xAxisHorizontal) &&
           PutByte(s.xAxisReversed) && PutByte(s.yAxisReversed) && PutI32(document.ReservedOption()) &&
           PutF64(s.stepCount) && PutI32(s.stepUnit) && PutByte(s.endFixed) &&
           PutF64(c.longitude.degrees) && PutI32(c.longitude.mode) && PutF64(c.latitude.degrees) &&
           PutF64(c.timeZone.hours) && PutI32(c.elevation) && PutNarrow(s.location.country) &&
           PutNarrow(s.location.town) && PutI32(s.xAxisMarkStep.count) && PutI32(s.xAxisMarkStep.unit) &&
           PutI32(s.xAxisLabelStep.count) && PutI32(s.xAxisLabelStep.unit) && PutI32(s.xAxisTimeSystem);
}

// A line without a catalogue object is body type 9, number 0, no name
// system and no name, which reads back as such a line.
bool GraphTextVisitor::BeginLine(const GraphLine& line) {
    const CelestialObject* object = line.body.object;
    const bool named = object && line.body.nameSystem;
    return PutNarrow(line.name) && PutI32(object ? object->GetTypeId() : kNoBodyType) &&
           PutI32(object ? object->Number() : 0) && PutI32(named ? line.body.nameSystem->GetId() : -1) &&
           PutNarrow(object ? line.body.name : String()) && PutI32(line.function) &&
           PutByte(line.scriptEdited) && PutNarrow(line.ExpressionText()) && PutI32(line.colour) &&
           PutByte(line.visibleInControlPanel) && PutByte(line.visibleInGraph);
}

bool GraphTextVisitor::WriteValue(const GraphDocument&, const GraphLine& line, int i) {
    return PutF64(line.values[static_cast<std::size_t>(i)]);
}

bool GraphTextVisitor::EndLine(const GraphLine& line) { return PutI32(line.system); }

bool GraphTextVisitor::EndGraph(GraphDocument& document) {
    // Derived before anything of it is written, so that the limits written
    // are those the derivation leaves. The format holds no open limit: an
    // open one is written as the graph draws it, so that the graph opens
    // as it was saved (a fixed -100 or 100 would leave a distance's line
    // outside the plot).
    if (document.ValueKind() == kValueKindUnknown && document.LineCount() > 0) document.UpdateGraphRange();
    const TimeAndLocation& s = document.Options();
    double low = 0.0, high = 0.0;
    document.DrawnYRange(s.yAxisMin, s.yAxisMax, low, high);
    const bool written =
        PutF64(low) && PutF64(high) && PutI32(document.ValueKind()) &&
        PutI32(document.ValueSystem()) && PutByte(s.xAxisGridActive) && PutI32(s.xAxisGridStep.unit) &&
        PutI32(s.xAxisGridStep.count) && PutByte(s.yAxisGridActive) && PutI32(s.yAxisGridStep) && Flush();
    const bool closed = stream_ && stream_->Close();
    return written && closed;
}

std::unique_ptr<GraphVisitor> CreateGraphFileWriter(StorageService& storage, const String& targetPath,
                                                    const String& writePath) {
    if (IsXmlExportPath(targetPath.Text())) return std::make_unique<GraphXmlWriter>(storage, writePath);
    return std::make_unique<GraphTextVisitor>(storage, writePath);
}

bool SaveGraphFile(GraphDocument& document, StorageService& storage, const String& path) {
    return storage.WriteFileReplacing(path, [&](const String& temporaryPath) {
        // The writer closes its file at the end of EndGraph, before the
        // temporary file is moved.
        const std::unique_ptr<GraphVisitor> writer = CreateGraphFileWriter(storage, path, temporaryPath);
        return SaveGraph(document, *writer);
    });
}

}  // namespace corvinata
