// The fuzz targets: one for every reader of bytes that come from outside
// the program (the files a user installs or opens, the command line, the
// registry the program starts from and the Event Finder's runs in it,
// CorvinataScript programs, the values typed into dialogs or sent by
// automation clients). Each takes any bytes, hands them to the reader
// the way the program does, and checks what the reader promises; a fault is
// a sanitizer's report or a broken promise, which stops the run. The native tests replay every target's
// corpus (corpus_replay_test.cpp); scripts/fuzz fuzzes one with libFuzzer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/memory_storage.h"
#include "base/wide_string.h"

namespace corvinata::fuzz {

int FuzzJpeg(const std::uint8_t* data, std::size_t size);
int FuzzBmp(const std::uint8_t* data, std::size_t size);
int FuzzGraphFile(const std::uint8_t* data, std::size_t size);
int FuzzLesson(const std::uint8_t* data, std::size_t size);
int FuzzPackContents(const std::uint8_t* data, std::size_t size);
int FuzzCountryOutlines(const std::uint8_t* data, std::size_t size);
int FuzzCommandLine(const std::uint8_t* data, std::size_t size);
int FuzzRegistrySettings(const std::uint8_t* data, std::size_t size);
int FuzzEventFinderStore(const std::uint8_t* data, std::size_t size);
int FuzzScript(const std::uint8_t* data, std::size_t size);
int FuzzTextReaders(const std::uint8_t* data, std::size_t size);

// Stops the run where a reader broke a promise, so that the fuzzer keeps
// the input that made it.
inline void Expect(bool promise, const char* what) {
    if (promise) return;
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

// The bytes as a file of the in-memory store, its folder made first.
inline void PutInputFile(MemoryStorageService& storage, const Char* folder, const Char* path,
                         const std::uint8_t* data, std::size_t size) {
    storage.MakeFolder(folder);
    storage.PutFile(path, std::string(reinterpret_cast<const char*>(data), size));
}

}  // namespace corvinata::fuzz

// The entry libFuzzer calls, in a target's own file; only the libFuzzer
// build (scripts/fuzz) defines CN_LIBFUZZER.
#ifdef CN_LIBFUZZER
#define CN_FUZZ_ENTRY(function)                                                              \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {     \
        return corvinata::fuzz::function(data, size);                                         \
    }
#else
#define CN_FUZZ_ENTRY(function)
#endif
