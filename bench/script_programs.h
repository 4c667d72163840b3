// The programs the script benchmarks run.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "base/text_char.h"

namespace corvinata {

// 50 statements that open and drive windows of every kind: 7 Open, 43 With.
inline std::basic_string<Char> FiftyStatements() {
    const char* const opens[] = {
        "Open Graph As G Add Line Name \"alt\" Code \"Moon.Lat(hor)\" Colour red",
        "Open Jupiter As J",
        "Open Saturn As T",
        "Open Picture As P",
        "Open Solar Eclipse As E",
        "Open Sky As S",
        "Open Solar System As O",
    };
    const char* const withs[] = {
        "With S Set Date 1.1.2000 Time 21:00 Sun on Planet Names on",
        "With S Advance 1 hours Select Moon Highlight",
        "With J Set Date 3.4.2001 Names on Tilt 10",
        "With T Advance 2 hours",
        "With O Set Date 1.1.2000 Zoom Mars Ecliptic RA on",
        "With E Set Observer Lat 5N Lon 10W Zoom 50",
        "With G Set Step 1 days Dst on YAxisFrom -90 YAxisTo 90",
        "With P Set ScaleToFit on Position 10,20",
    };
    std::string program;
    for (const char* open : opens) program += std::string(open) + "\r\n";
    for (int i = 0; i < 43; ++i) program += std::string(withs[i % 8]) + "\r\n";
    return {program.begin(), program.end()};
}

// A lesson of one Sky chart moved on a day at a time, `steps` times.
inline std::basic_string<Char> DayByDayLesson(int steps) {
    std::string program = "Open Sky As S\r\n";
    for (int i = 0; i < steps; ++i) program += "With S Advance 1 days\r\n";
    return {program.begin(), program.end()};
}

// The lesson lengths a long-lesson benchmark runs over, fitted against N.
inline void LongLessonSizes(benchmark::internal::Benchmark* bench) {
    for (const int steps : {1000, 2000, 5000, 10000, 20000}) bench->Arg(steps);
    bench->Complexity()->Unit(benchmark::kMillisecond);
}

}  // namespace corvinata
