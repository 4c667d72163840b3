// Graph files (".gph") as the Graph window opens them: read, with its
// messages, and the opened graph computed.
#include <cmath>

#include "app/graph_prompts.h"
#include "app/notification.h"
#include "base/services.h"
#include "documents/graph_document.h"
#include "documents/graph_file.h"
#include "fuzz/fuzz_targets.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/fake_product.h"

namespace corvinata::fuzz {

int FuzzGraphFile(const std::uint8_t* data, std::size_t size) {
    static const test::ScopedCatalogues catalogues;
    MemoryStorageService storage;
    const Char* path = TXT("C:\\Graphs\\input.gph");
    PutInputFile(storage, TXT("C:\\Graphs"), path, data, size);
    test::FakeProductInfo product(storage);
    const ScopedApplicationServices services(&product, nullptr);
    test::FakeCurrentTime now;
    now.value.dateTime = DateTime{2024, 6, 15, 12.0, kLocalCivilTime};
    NotificationHub hub;
    GraphDocument document(hub, ObjectModelGraphServices(now));
    GraphDocumentFileReader reader(document);
    String message;
    if (!OpenGraphFileWithMessages(storage, product, String(path), reader, message)) {
        Expect(!message.IsEmpty() && document.LineCount() == 0, "a graph that does not open is named and left out");
        return 0;
    }
    const TimeAndLocation& settings = document.Options();
    Expect(!DateTimeIsEarlier(settings.endDate, settings.beginDate), "an opened graph's range is in order");
    Expect(std::isfinite(settings.yAxisMin) && std::isfinite(settings.yAxisMax), "an opened graph's axis is finite");
    document.ComputeAllLines(false);
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzGraphFile)
