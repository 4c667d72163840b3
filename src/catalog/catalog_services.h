// The object model as the base and astronomy libraries see it: body type
// ids, celestial objects, catalogues reached by type, body types with their
// name systems, and quantity values.
#pragma once

#include "catalog/body_types.h"
#include "catalog/catalogue.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/name_systems.h"
#include "catalog/quantity_values.h"
