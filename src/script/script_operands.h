// Reading the operands of statements and clauses back out of a compiled
// program.
//
// A program may come from a file or an automation client as well as from
// the compiler, so every operand is checked against what the compiler can
// write: its length against the words left, indices against their lists,
// bodies against the catalogues, dates, times and time steps against the
// calendar. The first problem is kept as the reader's error; nothing past
// the end of the code is ever read.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/date_time.h"
#include "base/location.h"
#include "base/time_step.h"
#include "base/wide_string.h"
#include "script/script_catalogue.h"
#include "script/script_code.h"

namespace corvinata {

class CelestialObject;

// Turns a body of a program (type id, number) into the object it names.
class ScriptObjectSource {
public:
    virtual ~ScriptObjectSource() = default;
    // None when there is no such body.
    virtual const CelestialObject* Object(const BodyRef& body) const = 0;
};

// The program's own catalogues.
class CatalogueObjectSource final : public ScriptObjectSource {
public:
    const CelestialObject* Object(const BodyRef& body) const override;
};

// Masks of body types (1 << type id) that an operand accepts.
constexpr unsigned BodyTypeBit(int type) noexcept { return 1u << type; }
constexpr unsigned kAnyCatalogueBody = (1u << 9) - 1;

class OperandReader {
public:
    OperandReader(const ScriptCode& code, std::size_t cursor, const ScriptCatalogue& catalogue,
                  const ScriptObjectSource& objects) noexcept;

    std::size_t Cursor() const noexcept;
    bool AtEnd() const noexcept { return reader_.AtEnd(); }
    // The next word, or false at the end (an error only when the caller
    // needed one: see Word).
    bool Peek(CodeWord& word) const noexcept { return reader_.Peek(word); }
    bool Accept(CodeWord word) noexcept { return reader_.Accept(word); }
    // As Peek, but the end of the code is an error.
    bool PeekRequired(CodeWord& word);

    bool Word(CodeWord& word);
    bool Integer(int& value, int minimum, int maximum);
    // A finite number within the closed range.
    bool Number(double& value, double minimum, double maximum);
    bool Text(String& text);
    // Any word other than 0 is true.
    bool Switch(bool& on);
    // An index into a list of `count` entries.
    bool Choice(int& index, int count);
    // A date word; the hours 0 in local civil time, the system in which
    // the script's dates and times are written.
    bool Date(DateTime& date);
    // A time word as decimal hours, 0 up to 24: 24 is the midnight that ends
    // the day (kDayEndWord).
    bool Time(double& hours);
    bool Step(TimeStep& step);
    // 1, country, town; or 0, west longitude, latitude, time-zone hours.
    bool Place(Location& location);
    bool Body(unsigned acceptedTypes, const CelestialObject*& object);
    // A body function that the property list of `bodyType` holds.
    bool Function(int bodyType, std::uint32_t& functionId);

    // Records `message` as the error (the first only) and answers false.
    bool Fail(const Char* message);
    bool Failed() const noexcept { return failed_; }
    const String& Error() const noexcept { return error_; }

private:
    const CodeWord* begin_;
    CodeReader reader_;
    const ScriptCatalogue& catalogue_;
    const ScriptObjectSource& objects_;
    bool failed_ = false;
    String error_;
};

}  // namespace corvinata
