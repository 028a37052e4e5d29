// The entry libFuzzer calls, compiled once per fuzzer with the target it runs.
// A broken invariant is reported and aborts, so libFuzzer saves the input.
#include <cstdio>
#include <cstdlib>

#include "tests/fuzz/FuzzTargets.h"

namespace tolvo {

void reportBrokenInvariant(const char* condition, const char* file, int line)
{
    std::fprintf(stderr, "broken invariant at %s:%d: %s\n", file, line, condition);
    std::abort();
}

} // namespace tolvo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    tolvo::TOLVO_FUZZ_TARGET(data, size);
    return 0;
}
