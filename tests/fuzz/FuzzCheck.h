// Invariants the fuzz targets assert. A broken one stops the fuzzer with a
// report (so libFuzzer keeps the input), and fails the test when the
// committed inputs are replayed as ordinary tests.
#pragma once

namespace tolvo {

// Reports a broken invariant; defined by the program the targets run in.
void reportBrokenInvariant(const char* condition, const char* file, int line);

inline bool fuzzCheck(bool holds, const char* condition, const char* file, int line)
{
    if (!holds)
        reportBrokenInvariant(condition, file, line);
    return holds;
}

} // namespace tolvo

// Evaluates to the condition, so a caller can stop when a check fails.
#define FUZZ_CHECK(condition)                                                                      \
    ::tolvo::fuzzCheck(static_cast<bool>(condition), #condition, __FILE__, __LINE__)
