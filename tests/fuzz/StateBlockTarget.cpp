// A state block of any length and content restored as preset or bank, into a
// fresh instance or one the host has already changed.
#include <cstring>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/InstanceChecks.h"
#include "tests/support/engine/ChunkWords.h"

namespace tolvo {

namespace {

constexpr uint8_t kAsPreset = 1;
constexpr uint8_t kChangedFirst = 2;
constexpr size_t kBlockSize = 56;

void changeEverything(Plug& plug)
{
    const float values[kNumParams] = {0.8f, 0.1f, 1.0f, 0.6f, 0.3f};
    for (VstInt32 index = 0; index < kNumParams; ++index)
        plug.setParameter(index, values[index]);
    plug.getSettings()->assign({1, 0, 1, 3, -7, 1, 1});
}

InstanceState expectedAfterRestore(const std::vector<uint8_t>& block, const InstanceState& before)
{
    uint32_t words[14];
    std::memcpy(words, block.data(), sizeof(words));
    if (looksForeign(words))
        for (uint32_t& word : words)
            word = swapped(word);
    InstanceState expected;
    for (int index = 0; index < kNumParams; ++index)
        expected.parameterBits[index] =
            expectedParameterBits(floatFromBits(words[index]), before.parameterBits[index]);
    for (int word = 0; word < kNumSettings; ++word)
        expected.settings[word] = static_cast<int32_t>(words[7 + word]);
    return expected;
}

} // namespace

void fuzzStateBlock(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t flags = input.byte();
    std::vector<uint8_t> block = input.rest();

    Plug plug(nullptr, PlugEd::create);
    if (flags & kChangedFirst)
        changeEverything(plug);
    const InstanceState before = stateOf(plug);

    const VstInt32 answer = plug.setChunk(block.empty() ? nullptr : block.data(),
                                          static_cast<VstInt32>(block.size()), flags & kAsPreset);
    if (block.size() == kBlockSize) {
        FUZZ_CHECK(answer == 56);
        FUZZ_CHECK(stateOf(plug) == expectedAfterRestore(block, before));
    } else {
        FUZZ_CHECK(answer == 0);
        FUZZ_CHECK(stateOf(plug) == before);
    }
    checkInstance(plug);
}

} // namespace tolvo
