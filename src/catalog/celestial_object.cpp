#include "catalog/celestial_object.h"

#include "catalog/catalogue_registry.h"

namespace corvinata {

const Char* CelestialObject::CelestialObjectFirstName(int& cursor, const NameSystem* system) const {
    cursor = 0;
    return CelestialObjectNextName(cursor, system);
}

const Char* CelestialObject::CelestialObjectNextName(int& cursor, const NameSystem*) const {
    if (cursor == 0) {
        cursor = 1;
        return GetPlainName();
    }
    cursor = kCursorEnd;
    return nullptr;
}

void CelestialObject::CelestialObjectNameParts(String& main, String& extra) const {
    StringAssign(main, ObjectKeyName(*this));
    StringAssign(extra, TXT(""));
}

void CelestialObject::CelestialObjectFullName(String& result) const {
    String main;
    String extra;
    CelestialObjectNameParts(main, extra);
    StringAssignString(result, main);
    if (!extra.IsEmpty()) {
        StringAppend(result, TXT(" ("));
        StringAppend(result, extra.Text());
        StringAppend(result, TXT(")"));
    }
}

void CelestialObject::DisplayNameWithArticle(bool capital, String& result) const {
    StringAssign(result, TXT(""));
    if (UsesDefiniteArticle()) StringAppend(result, capital ? TXT("The ") : TXT("the "));
    StringAppend(result, ObjectKeyName(*this));
}

}  // namespace corvinata
