// The fuzz targets: each takes any bytes as one input a host or a file can
// give and asserts the instance's invariants afterwards.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tolvo {

using FuzzTarget = void (*)(const uint8_t* data, size_t size);

// A flags byte, then a state block of any length restored as preset or bank.
void fuzzStateBlock(const uint8_t* data, size_t size);
// The bytes of a preferences file read by a new instance.
void fuzzPreferencesFile(const uint8_t* data, size_t size);
// An index byte, a trim-range byte, then text typed for that parameter.
void fuzzParameterText(const uint8_t* data, size_t size);
// PNG bytes decoded from memory.
void fuzzPngDecode(const uint8_t* data, size_t size);
// Opcodes, parameter calls and process calls in any order a host may use.
void fuzzDispatcher(const uint8_t* data, size_t size);

struct NamedFuzzTarget {
    const char* name;
    FuzzTarget run;
};

// The names are those of the corpus and regression folders.
inline constexpr NamedFuzzTarget kFuzzTargets[] = {
    {"state_block", fuzzStateBlock},       {"preferences_file", fuzzPreferencesFile},
    {"parameter_text", fuzzParameterText}, {"png_decode", fuzzPngDecode},
    {"dispatcher", fuzzDispatcher},
};

} // namespace tolvo
