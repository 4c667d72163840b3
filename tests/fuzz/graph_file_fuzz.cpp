// Graph files (".gph") as the Graph window opens them: read with its
// messages and the values the file holds, then saved to its own file as
// Save Graph writes it and opened again, and exported as XML.
#include <cmath>
#include <cstring>
#include <memory>

#include "app/graph_prompts.h"
#include "app/notification.h"
#include "base/services.h"
#include "documents/graph_document.h"
#include "documents/graph_file.h"
#include "documents/graph_visitor.h"
#include "fuzz/fuzz_targets.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/fake_product.h"
#include "support/well_formed_xml.h"
#include "views/graph_save.h"

namespace corvinata::fuzz {

namespace {

// The same numbers bit for bit (a stored NaN is kept as it was).
bool SameValues(const GraphLine& a, const GraphLine& b) {
    return std::memcmp(a.values.data(), b.values.data(), sizeof a.values) == 0;
}

}  // namespace

int FuzzGraphFile(const std::uint8_t* data, std::size_t size) {
    static const test::ScopedCatalogues catalogues;
    MemoryStorageService storage;
    const String path(TXT("C:\\Graphs\\input.gph"));
    PutInputFile(storage, TXT("C:\\Graphs"), path.Text(), data, size);
    test::FakeProductInfo product(storage);
    const ScopedApplicationServices services(&product, nullptr);
    test::FakeCurrentTime now;
    now.value.dateTime = DateTime{2024, 6, 15, 12.0, kLocalCivilTime};
    NotificationHub hub;
    const auto open = [&](GraphDocument& document, String& message) {
        GraphDocumentFileReader reader(document);
        return OpenGraphFileWithMessages(storage, product, path, reader, message);
    };
    GraphDocument document(hub, ObjectModelGraphServices(now));
    String message;
    if (!open(document, message)) {
        Expect(!message.IsEmpty() && document.LineCount() == 0, "a graph that does not open is named and left out");
        return 0;
    }
    const TimeAndLocation& settings = document.Options();
    Expect(!DateTimeIsEarlier(settings.endDate, settings.beginDate), "an opened graph's range is in order");
    Expect(std::isfinite(settings.yAxisMin) && std::isfinite(settings.yAxisMax), "an opened graph's axis is finite");

    // File > Save Graph, then the file opened again: what the program
    // wrote it reads without a notice, with the values it saved, and saves
    // again byte for byte.
    Expect(WriteGraphFile(document, path, storage), "an opened graph saves to its own file");
    std::string saved;
    Expect(storage.GetFile(path.Text(), saved), "the saved graph is there");
    GraphDocument reopened(hub, ObjectModelGraphServices(now));
    Expect(open(reopened, message) && message.IsEmpty(), "a saved graph opens again without a notice");
    Expect(reopened.LineCount() == document.LineCount(), "a saved graph keeps its lines");
    for (int i = 0; i < document.LineCount(); ++i) {
        Expect(SameValues(*reopened.GetGraphLine(i), *document.GetGraphLine(i)), "a saved graph keeps its values");
    }
    Expect(WriteGraphFile(reopened, path, storage), "a reopened graph saves");
    std::string again;
    Expect(storage.GetFile(path.Text(), again) && again == saved, "a reopened graph saves the same file");

    // The XML export of what was opened, its names as the file held them.
    const String exported(TXT("C:\\Graphs\\input.xml"));
    Expect(SaveGraphFile(document, storage, exported), "an opened graph exports");
    std::string xml;
    Expect(storage.GetFile(exported.Text(), xml) && test::WellFormedXmlElements(xml) > 0,
           "the export of an opened graph is well-formed XML");
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzGraphFile)
