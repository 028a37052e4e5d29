// A byte stream read as a host's calls: dispatcher opcodes (known and not)
// with indices, values and safe buffers, parameter calls and the three
// process calls, in any order, closing and reopening the instance on the way.
// After every call the parameters are in range; each opcode writes only what
// it may into the host's buffer; audio stays bounded and finite.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "tests/fuzz/FuzzCheck.h"
#include "tests/fuzz/FuzzInput.h"
#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/InstanceChecks.h"
#include "tests/support/engine/ChunkWords.h"

namespace tolvo {

namespace {

constexpr size_t kBufferSize = 1024;
constexpr unsigned char kUntouched = 0xA5;
constexpr int kMaxFrames = 1024;
constexpr int kFrameStep = 4;
constexpr uint8_t kNoFrames = 0xFF;
constexpr VstInt32 kLastKnownOpcode = effGetNumMidiOutputChannels;
constexpr VstInt32 kUnknownOpcodes[] = {-1, kLastKnownOpcode + 1, 1000, INT32_MIN, INT32_MAX};
constexpr VstIntPtr kValues[] = {0,     1,     2,         -1,        55,         56,
                                 57,    1024,  INT32_MAX, INT32_MIN, INTPTR_MAX, INTPTR_MIN,
                                 44100, 48000, 4,         65536};
constexpr VstInt32 kOddIndices[] = {INT32_MIN, INT32_MAX, -1, 1000, -128};
constexpr int16_t kEditorWidth = 265;
constexpr int16_t kEditorHeight = 534;

// The host side: answers the version question; what the plug-in automates
// must be a parameter and a value in range.
VstIntPtr hostCallback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*, float opt)
{
    if (opcode == audioMasterVersion)
        return kVstVersion;
    if (opcode == audioMasterAutomate)
        FUZZ_CHECK(isParameterIndex(index) && opt >= 0.0f && opt <= 1.0f);
    return 0;
}

// How many bytes of the host's buffer an opcode may write: its text limit,
// a pointer slot, or nothing at all.
size_t writableBytes(VstInt32 opcode)
{
    switch (opcode) {
    case effGetParamLabel:
    case effGetParamDisplay:
    case effGetParamName:
        return 12;
    case effGetProgramName:
    case effGetProgramNameIndexed:
        return kVstMaxProgNameLen;
    case effGetEffectName:
        return kVstMaxEffectNameLen;
    case effGetVendorString:
        return kVstMaxVendorStrLen;
    case effGetProductString:
        return kVstMaxProductStrLen;
    case effGetChunk:
    case effEditGetRect:
    case effGetSpeakerArrangement:
        return sizeof(void*);
    default:
        return 0;
    }
}

bool isTextAnswer(VstInt32 opcode)
{
    return writableBytes(opcode) > sizeof(void*);
}

class HostSession {
public:
    explicit HostSession(FuzzInput& input) : input(input) { open(); }
    ~HostSession() { close(); }

    void step()
    {
        switch (input.byte() % 8) {
        case 0:
        case 1:
        case 2:
        case 3:
            dispatch();
            break;
        case 4:
            setParameter();
            break;
        case 5:
            getParameter();
            break;
        default:
            process();
            break;
        }
        checkParameters(*plug);
    }

    void finish() { checkInstance(*plug); }

private:
    void open()
    {
        editorOpen = false;
        plug = new Plug(hostCallback, PlugEd::create);
        effect = plug->getAeffect();
    }

    void close()
    {
        if (plug)
            effect->dispatcher(effect, effClose, 0, 0, nullptr, 0.0f);
        plug = nullptr;
        effect = nullptr;
    }

    VstInt32 opcodeFrom(uint8_t byte)
    {
        constexpr int kUnknownCount = sizeof(kUnknownOpcodes) / sizeof(kUnknownOpcodes[0]);
        if (byte <= kLastKnownOpcode)
            return byte;
        return kUnknownOpcodes[byte % kUnknownCount];
    }

    VstInt32 indexFrom(uint8_t byte)
    {
        constexpr int kOddCount = sizeof(kOddIndices) / sizeof(kOddIndices[0]);
        if (byte & 0x80)
            return kOddIndices[byte % kOddCount];
        return static_cast<VstInt32>(byte % (kNumParams + 3)) - 1;
    }

    void dispatch()
    {
        const VstInt32 opcode = opcodeFrom(input.byte());
        const VstInt32 index = indexFrom(input.byte());
        VstIntPtr value = kValues[input.byte() % (sizeof(kValues) / sizeof(kValues[0]))];
        const float opt = input.anyFloat();

        std::vector<unsigned char> buffer(kBufferSize, kUntouched);
        void* ptr = buffer.data();
        std::vector<unsigned char> sent;
        void* slot = nullptr;
        switch (opcode) {
        case effSetChunk: {
            sent = input.bytes(input.byte() % 2 == 0 ? 56 : input.byte());
            value = static_cast<VstIntPtr>(sent.size());
            std::copy(sent.begin(), sent.end(), buffer.begin());
            break;
        }
        case effEditOpen:
            // A host opens an editor only while it is closed.
            if (editorOpen)
                return;
            ptr = nullptr; // no window to put it in
            break;
        case effGetSpeakerArrangement:
            value = reinterpret_cast<VstIntPtr>(&slot);
            break;
        case effSetSpeakerArrangement:
            value = reinterpret_cast<VstIntPtr>(buffer.data());
            break;
        default:
            if (writableBytes(opcode) == 0) {
                // Texts and records the host hands in: any bytes, terminated.
                const std::string text = input.text(kBufferSize - 1);
                std::memcpy(buffer.data(), text.data(), text.size());
                buffer[text.size()] = '\0';
            }
            break;
        }
        const std::vector<unsigned char> before = buffer;
        const VstIntPtr answer = effect->dispatcher(effect, opcode, index, value, ptr, opt);

        if (opcode == effClose) {
            FUZZ_CHECK(answer == 1);
            plug = nullptr;
            open();
            return;
        }
        if (opcode == effEditOpen)
            editorOpen = true;
        else if (opcode == effEditClose)
            editorOpen = false;
        checkAnswer(opcode, answer, buffer, before, slot);
    }

    void checkAnswer(VstInt32 opcode, VstIntPtr answer, const std::vector<unsigned char>& buffer,
                     const std::vector<unsigned char>& before, void* slot)
    {
        const size_t writable = writableBytes(opcode);
        FUZZ_CHECK(std::memcmp(buffer.data() + writable, before.data() + writable,
                               kBufferSize - writable) == 0);
        if (isTextAnswer(opcode) && buffer[0] != kUntouched)
            FUZZ_CHECK(std::memchr(buffer.data(), '\0', writable) != nullptr);
        switch (opcode) {
        case effIdentify:
            FUZZ_CHECK(answer == kIdentifyAnswer);
            break;
        case effGetChunk:
            checkChunkAnswer(answer, buffer);
            break;
        case effEditGetRect:
            if (answer == 1) {
                ERect* rect = nullptr;
                std::memcpy(&rect, buffer.data(), sizeof(rect));
                FUZZ_CHECK(rect && rect->right - rect->left == kEditorWidth &&
                           rect->bottom - rect->top == kEditorHeight);
            }
            break;
        case effGetSpeakerArrangement:
            FUZZ_CHECK(answer == 0 && slot == nullptr);
            break;
        default:
            break;
        }
    }

    void checkChunkAnswer(VstIntPtr answer, const std::vector<unsigned char>& buffer)
    {
        if (!FUZZ_CHECK(answer == 56))
            return;
        const void* block = nullptr;
        std::memcpy(&block, buffer.data(), sizeof(block));
        if (!FUZZ_CHECK(block != nullptr))
            return;
        uint32_t words[14];
        std::memcpy(words, block, sizeof(words));
        FUZZ_CHECK(!looksForeign(words));
    }

    void setParameter()
    {
        const VstInt32 index = indexFrom(input.byte());
        const float value = input.anyFloat();
        const InstanceState before = stateOf(*plug);
        effect->setParameter(effect, index, value);
        InstanceState expected = before;
        if (isParameterIndex(index))
            expected.parameterBits[index] =
                expectedParameterBits(value, before.parameterBits[index]);
        FUZZ_CHECK(stateOf(*plug) == expected);
    }

    void getParameter()
    {
        const VstInt32 index = indexFrom(input.byte());
        const float value = effect->getParameter(effect, index);
        if (!isParameterIndex(index))
            FUZZ_CHECK(floatBits(value) == 0u);
    }

    void process()
    {
        const uint8_t kind = input.byte();
        const uint8_t framesByte = input.byte();
        const int frames = framesByte == kNoFrames ? -1 : framesByte * kFrameStep;
        TestSignal signal = testSignal(kMaxFrames, 0.01);
        std::vector<float>& in = signal.floats;
        std::vector<double>& doubleIn = signal.doubles;
        std::vector<float> out(kMaxFrames, 0.0f);
        std::vector<double> doubleOut(kMaxFrames, 0.0);
        const bool inPlace = kind & 8;
        float* inputs[] = {in.data()};
        float* outputs[] = {inPlace ? in.data() : out.data()};
        double* doubleInputs[] = {doubleIn.data()};
        double* doubleOutputs[] = {inPlace ? doubleIn.data() : doubleOut.data()};
        const bool missing = kind & 4;
        const std::vector<float> original = in;
        const std::vector<double> doubleOriginal = doubleIn;
        switch (kind % 3) {
        case 0:
            effect->processReplacing(effect, missing ? nullptr : inputs, outputs, frames);
            break;
        case 1:
            effect->processDoubleReplacing(effect, missing ? nullptr : doubleInputs, doubleOutputs,
                                           frames);
            break;
        default:
            effect->process(effect, missing ? nullptr : inputs, outputs, frames);
            break;
        }
        const float* result = outputs[0];
        const double* doubleResult = doubleOutputs[0];
        for (int i = 0; i < kMaxFrames; ++i) {
            const double limit =
                kLargestGain * std::fabs(static_cast<double>(original[i])) * 2 + 1e-30;
            FUZZ_CHECK(std::isfinite(result[i]) && std::fabs(result[i]) <= limit);
            FUZZ_CHECK(std::isfinite(doubleResult[i]) && std::fabs(doubleResult[i]) <= limit);
            if (i >= frames || missing) {
                FUZZ_CHECK(floatBits(result[i]) == floatBits(inPlace ? original[i] : 0.0f));
                FUZZ_CHECK(doubleResult[i] == (inPlace ? doubleOriginal[i] : 0.0));
            }
        }
    }

    FuzzInput& input;
    Plug* plug = nullptr;
    AEffect* effect = nullptr;
    bool editorOpen = false;
};

} // namespace

void fuzzDispatcher(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    HostSession session(input);
    while (!input.empty())
        session.step();
    session.finish();
}

} // namespace tolvo
