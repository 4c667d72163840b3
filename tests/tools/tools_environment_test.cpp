// The catalogues the event tests search are built once for the program.
#include "event_testing.h"

namespace {
const ::testing::Environment* const kCatalogues =
    ::testing::AddGlobalTestEnvironment(new corvinata::events::test::CatalogueEnvironment);
}  // namespace
