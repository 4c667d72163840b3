// Writes the sample graphs the program ships in its "GRAPHS" folder, one
// "Astronomical Calendar <year>.gph" for each year named: a year of daily
// steps at the program's first-run place (London) with the elongations of
// the Moon and the planets from the Sun (the Moon's phases, the planets'
// evening and morning visibility). A graph has one value axis, labelled
// here in degrees east and west of the Sun: every line is an elongation,
// so that no line reads as one (a declination drawn beside them would).
// The graphs are computed by the program's own graph document and written
// by its own graph-file writer, so that they open as if the program had
// saved them.
//
// Built from the core library for the machine that builds, and run by the
// build; the written files are output of the build, never sources.
//
// usage: make_sample_graphs <output folder> <year>...
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "app/product_info.h"
#include "app/related_tasks.h"
#include "app/start_location.h"
#include "base/memory_storage.h"
#include "base/services.h"
#include "base/text_format.h"
#include "catalog/body_function_keywords.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "catalog/quantity_kinds.h"
#include "documents/graph_document.h"
#include "documents/graph_visitor.h"

namespace corvinata {
namespace {

// The moment the new graph takes its year and place from.
class FixedMoment final : public CurrentTimeAndLocationInterface {
public:
    explicit FixedMoment(int year) {
        DateTimeLocationInit(value_);
        value_.dateTime = DateTime{year, 1, 1, 0.0, kLocalCivilTime};
        LocationOptions place;
        UseDefaultLocationIfUnknown(place);
        value_.location = place.location;
    }
    const DateTimeLocation& GetTimeAndLocation() const override { return value_; }

private:
    DateTimeLocation value_;
};

struct CalendarLine {
    int bodyType;
    int planet;  // the planet's number for a planet (0 Mercury ... 8 Pluto)
    std::uint32_t function;
    int parameter;
    std::int32_t colour;  // an entry of the program's colour table
};

// The first line sets the value axis: elongations, -180 to 180 degrees;
// the others share it.
constexpr CalendarLine kCalendarLines[] = {
    {kBodyMoon, -1, kFunctionElongationAngular, -1, 11},    // dark blue
    {kBodyPlanet, 0, kFunctionElongationAngular, -1, 13},   // Mercury, dark cyan
    {kBodyPlanet, 1, kFunctionElongationAngular, -1, 9},    // Venus, dark green
    {kBodyPlanet, 3, kFunctionElongationAngular, -1, 2},    // Mars, red
    {kBodyPlanet, 4, kFunctionElongationAngular, -1, 10},   // Jupiter, brown
    {kBodyPlanet, 5, kFunctionElongationAngular, -1, 12},   // Saturn, dark magenta
};

const CelestialObject* BodyOf(const CalendarLine& entry) {
    if (entry.bodyType == kBodyPlanet) return PlanetByNumber(entry.planet);
    const Catalogue* catalogue = CatalogueByType(entry.bodyType);
    return catalogue ? catalogue->CatalogueGetObjectAt(0) : nullptr;
}

// "Moon's elongation".
String LineName(const String& body) { return FormatPercent2(TXT("%'s %"), body, TXT("elongation")); }

bool AddLines(GraphDocument& graph) {
    for (const CalendarLine& entry : kCalendarLines) {
        const CelestialObject* body = BodyOf(entry);
        const EventKind* kind = FindEventKind(entry.function);
        if (!body || !kind) return false;
        const BodyIdentifier identifier = BodyIdentifierFromObject(body);
        String quoted;
        if (!QuoteScriptBodyName(identifier.name, quoted)) return false;
        GraphLine line;
        line.name = LineName(identifier.name);
        line.SetBody(identifier);
        line.SetExpression(
            FormatBodyFunctionName(quoted.Text(), entry.function, entry.parameter, kind->GetQuantityKind()));
        line.scriptEdited = true;
        line.colour = entry.colour;
        if (!graph.InsertLine(graph.LineCount(), line)) return false;
    }
    graph.ComputeAllLines(false);
    graph.UpdateGraphRange();
    return graph.ValueKind() == kQuantityAngle180;
}

// The year's graph written through the program's writer (into memory),
// then copied into the real file.
bool WriteCalendar(int year, const std::string& folder) {
    const FixedMoment moment(year);
    NotificationHub hub;
    GraphDocument graph(hub, ObjectModelGraphServices(moment));
    graph.SetDefaults();
    if (!AddLines(graph)) return false;
    MemoryStorageService memory;
    memory.MakeFolder(TXT("C:\\GRAPHS"));
    const String path = FormatPercent1(TXT("C:\\GRAPHS\\Astronomical Calendar %.gph"), NumberTextFromInt(year));
    std::string bytes;
    if (!SaveGraphFile(graph, memory, path) || !memory.GetFile(path.Text(), bytes)) return false;
    const std::string file = folder + "/Astronomical Calendar " + std::to_string(year) + ".gph";
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

int Run(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_sample_graphs <output folder> <year>...\n");
        return 2;
    }
    MemoryStorageService storage;
    ProgramProductInfo product(storage, PathName());
    const ScopedApplicationServices services(&product, nullptr);
    CreateBodyTypeRegistry();
    const bool catalogues = CreateCatalogues();
    int status = catalogues ? 0 : 1;
    for (int i = 2; catalogues && i < argc; ++i) {
        const int year = std::atoi(argv[i]);
        if (year < kFirstValidYear || year >= kLastValidYear || !WriteCalendar(year, argv[1])) {
            std::fprintf(stderr, "make_sample_graphs: the calendar of %s could not be written\n", argv[i]);
            status = 1;
        }
    }
    DestroyCatalogues();
    BodyTypeRegistryFree();
    return status;
}

}  // namespace
}  // namespace corvinata

int main(int argc, char** argv) { return corvinata::Run(argc, argv); }
