#include "script/script_operands.h"

#include <cmath>

#include "base/geo_place.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {
namespace {

constexpr const Char* kEndsEarly = TXT("The compiled script ends in the middle of a statement");

}  // namespace

const CelestialObject* CatalogueObjectSource::Object(const BodyRef& body) const {
    const Catalogue* catalogue = CatalogueByType(body.type);
    return catalogue != nullptr ? catalogue->CatalogueGetObjectAt(body.number) : nullptr;
}

OperandReader::OperandReader(const ScriptCode& code, std::size_t cursor,
                             const ScriptCatalogue& catalogue,
                             const ScriptObjectSource& objects) noexcept
    : begin_(code.data()),
      reader_(code.data() + (cursor < code.size() ? cursor : code.size()),
              code.data() + code.size()),
      catalogue_(catalogue),
      objects_(objects) {}

std::size_t OperandReader::Cursor() const noexcept {
    return static_cast<std::size_t>(reader_.Position() - begin_);
}

bool OperandReader::Fail(const Char* message) {
    if (!failed_) {
        failed_ = true;
        error_ = message;
    }
    return false;
}

bool OperandReader::Word(CodeWord& word) { return reader_.Read(word) || Fail(kEndsEarly); }

bool OperandReader::PeekRequired(CodeWord& word) { return reader_.Peek(word) || Fail(kEndsEarly); }

bool OperandReader::Integer(int& value, int minimum, int maximum) {
    int read = 0;
    if (!reader_.ReadInt(read)) return Fail(kEndsEarly);
    if (read < minimum || read > maximum) {
        return Fail(TXT("A number of the compiled script is out of range"));
    }
    value = read;
    return true;
}

bool OperandReader::Number(double& value, double minimum, double maximum) {
    double read = 0.0;
    if (!reader_.ReadDouble(read)) return Fail(kEndsEarly);
    if (!std::isfinite(read) || read < minimum || read > maximum) {
        return Fail(TXT("A number of the compiled script is out of range"));
    }
    value = read;
    return true;
}

bool OperandReader::Text(String& text) { return reader_.ReadString(text) || Fail(kEndsEarly); }

bool OperandReader::Switch(bool& on) {
    CodeWord word = 0;
    if (!Word(word)) return false;
    on = word != 0;
    return true;
}

bool OperandReader::Choice(int& index, int count) {
    CodeWord word = 0;
    if (!Word(word)) return false;
    if (word >= static_cast<CodeWord>(count)) {
        return Fail(TXT("A choice of the compiled script is not in its list"));
    }
    index = static_cast<int>(word);
    return true;
}

bool OperandReader::Date(DateTime& date) {
    CodeWord word = 0;
    if (!Word(word)) return false;
    DateTime read;
    read.year = static_cast<std::int32_t>(word / 10000);
    read.month = static_cast<std::int32_t>(word / 100 % 100);
    read.day = static_cast<std::int32_t>(word % 100);
    read.hours = 0.0;
    read.timeSystem = kLocalCivilTime;
    if (!IsValidDate(read)) return Fail(TXT("A date of the compiled script is not valid"));
    date = read;
    return true;
}

bool OperandReader::Time(double& hours) {
    CodeWord word = 0;
    if (!Word(word)) return false;
    const CodeWord h = word / 10000;
    const CodeWord m = word / 100 % 100;
    const CodeWord s = word % 100;
    if (word != kDayEndWord && (h > 23 || m > 59 || s > 59)) {
        return Fail(TXT("A time of the compiled script is not valid"));
    }
    hours = h + m / 60.0 + s / 3600.0;
    return true;
}

bool OperandReader::Step(TimeStep& step) {
    int count = 0;
    CodeWord unit = 0;
    if (!reader_.ReadInt(count) || !Word(unit)) return Fail(kEndsEarly);
    if (unit >= static_cast<CodeWord>(kTimeUnitCount)) {
        return Fail(TXT("A time step of the compiled script has no valid unit"));
    }
    // The compiler takes counts from 1 up: a step of 0 never moves a search.
    if (count < 1) return Fail(TXT("A time step of the compiled script does not move forward"));
    TimeStepSet(step, static_cast<std::int32_t>(unit), count);
    return true;
}

bool OperandReader::Place(Location& location) {
    CodeWord named = 0;
    if (!Word(named)) return false;
    Location read;
    LocationInit(read);
    if (named == 1) {
        if (!Text(read.country) || !Text(read.town)) return false;
    } else if (named == 0) {
        double west = 0.0;
        double north = 0.0;
        double zone = 0.0;
        if (!Number(west, -180.0, 180.0) || !Number(north, -90.0, 90.0) ||
            !Number(zone, kMinTimeZoneHours, kMaxTimeZoneHours)) {
            return false;
        }
        read.coordinates.longitude.degrees = west;
        read.coordinates.latitude.degrees = north;
        read.coordinates.timeZone.hours = zone;
    } else {
        return Fail(TXT("A location of the compiled script is not valid"));
    }
    LocationAssign(location, read);
    return true;
}

bool OperandReader::Body(unsigned acceptedTypes, const CelestialObject*& object) {
    int type = 0;
    int number = 0;
    if (!reader_.ReadInt(type) || !reader_.ReadInt(number)) return Fail(kEndsEarly);
    const bool accepted = type >= 0 && type < 9 && (acceptedTypes & BodyTypeBit(type)) != 0;
    const CelestialObject* found = accepted ? objects_.Object(BodyRef{type, number}) : nullptr;
    if (found == nullptr) return Fail(TXT("A body of the compiled script is not known here"));
    object = found;
    return true;
}

bool OperandReader::Function(int bodyType, std::uint32_t& functionId) {
    CodeWord word = 0;
    if (!Word(word)) return false;
    if (!catalogue_.ListsFunction(bodyType, word)) {
        return Fail(TXT("A body function of the compiled script is not known here"));
    }
    functionId = word;
    return true;
}

}  // namespace corvinata
