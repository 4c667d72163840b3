#include "documents/graph_visitor.h"

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

bool GraphTextVisitor::Flush(bool all) {
    if (!stream_) return false;
    if (buffer_.Size() < kFlushSize && !all) return true;
    const bool written =
        buffer_.Size() == 0 || stream_->Write(buffer_.Bytes().data(), static_cast<std::uint32_t>(buffer_.Size()));
    buffer_.Clear();
    return written;
}

void GraphTextVisitor::PutDate(const DateTime& date) {
    buffer_.I32(date.year).I32(date.month).I32(date.day).F64(date.hours).I32(date.timeSystem);
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
    buffer_.Raw(bytes, sizeof bytes);
    PutDate(s.beginDate);
    PutDate(s.endDate);
    buffer_.Byte(s.daylightSaving).I32(document.LineCount());
    buffer_.Byte(s.xAxisHorizontal).Byte(s.xAxisReversed).Byte(s.yAxisReversed).I32(document.ReservedOption());
    buffer_.F64(s.stepCount).I32(s.stepUnit).Byte(s.endFixed);
    buffer_.F64(c.longitude.degrees).I32(c.longitude.mode).F64(c.latitude.degrees).F64(c.timeZone.hours);
    buffer_.I32(c.elevation).Narrow(s.location.country).Narrow(s.location.town);
    buffer_.I32(s.xAxisMarkStep.count).I32(s.xAxisMarkStep.unit);
    buffer_.I32(s.xAxisLabelStep.count).I32(s.xAxisLabelStep.unit).I32(s.xAxisTimeSystem);
    return Flush();
}

// A line without a catalogue object is body type 9, number 0, no name
// system and no name, which reads back as such a line.
bool GraphTextVisitor::BeginLine(const GraphLine& line) {
    const CelestialObject* object = line.body.object;
    const bool named = object && line.body.nameSystem;
    buffer_.Narrow(line.name).I32(object ? object->GetTypeId() : kNoBodyType).I32(object ? object->Number() : 0);
    buffer_.I32(named ? line.body.nameSystem->GetId() : -1).Narrow(object ? line.body.name : String());
    buffer_.I32(line.function).Byte(line.scriptEdited).Narrow(line.ExpressionText());
    buffer_.I32(line.colour).Byte(line.visibleInControlPanel).Byte(line.visibleInGraph);
    return Flush();
}

bool GraphTextVisitor::WriteValue(const GraphDocument&, const GraphLine& line, int i) {
    buffer_.F64(line.values[static_cast<std::size_t>(i)]);
    return Flush();
}

bool GraphTextVisitor::EndLine(const GraphLine& line) {
    buffer_.I32(line.system);
    return Flush();
}

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
    buffer_.F64(low).F64(high);
    buffer_.I32(document.ValueKind()).I32(document.ValueSystem());
    buffer_.Byte(s.xAxisGridActive).I32(s.xAxisGridStep.unit).I32(s.xAxisGridStep.count);
    buffer_.Byte(s.yAxisGridActive).I32(s.yAxisGridStep);
    const bool written = Flush(true);
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
