#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "tests/support/PluginFixture.h"

namespace tolvo {
namespace {

class Dispatcher : public PluginFixture {};

TEST_F(Dispatcher, AnswersTheFixedQueries)
{
    EXPECT_EQ(plugin->dispatch(effGetVstVersion), 2400);
    EXPECT_EQ(plugin->dispatch(effGetPlugCategory), 1);
    EXPECT_EQ(plugin->dispatch(effGetVendorVersion), 3020);
    EXPECT_EQ(plugin->dispatch(effGetTailSize), 0);
    EXPECT_EQ(plugin->dispatch(effIdentify), 0x4E764566);
    EXPECT_EQ(plugin->dispatch(effGetCurrentMidiProgram), -1);
    EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
    EXPECT_EQ(plugin->dispatch(effOpen), 0);
    EXPECT_EQ(plugin->dispatch(effMainsChanged, 0, 1), 0);
    EXPECT_EQ(plugin->dispatch(effMainsChanged, 0, 0), 0);
    EXPECT_EQ(plugin->dispatch(effSetBlockSize, 0, 512), 0);
    EXPECT_EQ(plugin->dispatch(effProcessEvents), 0);
    EXPECT_EQ(plugin->dispatch(effVendorSpecific, 1, 2, nullptr, 3.0f), 0);
}

TEST_F(Dispatcher, DeclaresNoCapability)
{
    for (const char* query : {"bypass", "receiveVstTimeInfo", "receiveVstMidiEvent",
                              "plugAsChannelInsert", "", "anything else"}) {
        char text[64];
        std::snprintf(text, sizeof(text), "%s", query);
        EXPECT_EQ(plugin->dispatch(effCanDo, 0, 0, text), 0) << query;
    }
    EXPECT_EQ(plugin->dispatch(effCanDo, 0, 0, nullptr), 0);
}

TEST_F(Dispatcher, EveryIndexCanBeAutomated)
{
    for (VstInt32 index : {-5, -1, 0, 1, 2, 3, 4, 5, 7, 1000})
        EXPECT_EQ(plugin->dispatch(effCanBeAutomated, index), 1) << index;
}

TEST_F(Dispatcher, TotalSamplesToProcessIsEchoedSignExtended)
{
    EXPECT_EQ(plugin->dispatch(effSetTotalSampleToProcess, 0, 4096), 4096);
    EXPECT_EQ(plugin->dispatch(effSetTotalSampleToProcess, 0, -7), -7);
    EXPECT_EQ(plugin->dispatch(effSetTotalSampleToProcess, 0, 0xFFFFFFFFll), -1);
}

TEST_F(Dispatcher, HostBypassRequestIsNotTaken)
{
    EXPECT_EQ(plugin->dispatch(effSetBypass, 0, 1), 0);
    EXPECT_EQ(plugin->getParameter(4), 0.0f);
}

TEST_F(Dispatcher, ProgramOutsideTheRangeIsIgnored)
{
    EXPECT_EQ(plugin->dispatch(effSetProgram, 0, 1), 0);
    EXPECT_EQ(plugin->dispatch(effSetProgram, 0, -1), 0);
    EXPECT_EQ(plugin->dispatch(effSetProgram, 0, 0x100000000ll), 0);
    EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
}

TEST_F(Dispatcher, SpeakerArrangementQueryClearsBothPointers)
{
    int dummy = 0;
    void* input = &dummy;
    void* output = &dummy;
    EXPECT_EQ(
        plugin->dispatch(effGetSpeakerArrangement, 0, reinterpret_cast<VstIntPtr>(&input), &output),
        0);
    EXPECT_EQ(input, nullptr);
    EXPECT_EQ(output, nullptr);
    EXPECT_EQ(plugin->dispatch(effGetSpeakerArrangement), 0);
}

TEST_F(Dispatcher, AnswersZeroAndWritesNothingForUnsupportedOpcodes)
{
    const VstInt32 answeredZero[] = {effGetVu,
                                     effEditDraw,
                                     effEditMouse,
                                     effEditKey,
                                     effEditTop,
                                     effEditSleep,
                                     effString2Parameter,
                                     effGetNumProgramCategories,
                                     effCopyProgram,
                                     effConnectInput,
                                     effConnectOutput,
                                     effGetInputProperties,
                                     effGetOutputProperties,
                                     effGetCurrentPosition,
                                     effGetDestinationBuffer,
                                     effOfflineNotify,
                                     effOfflinePrepare,
                                     effOfflineRun,
                                     effProcessVarIo,
                                     effSetSpeakerArrangement,
                                     effSetBlockSizeAndSampleRate,
                                     effGetErrorText,
                                     effIdle,
                                     effGetIcon,
                                     effSetViewPosition,
                                     effGetParameterProperties,
                                     effKeysRequired,
                                     effGetMidiProgramName,
                                     effGetMidiProgramCategory,
                                     effHasMidiProgramsChanged,
                                     effGetMidiKeyName,
                                     effBeginSetProgram,
                                     effEndSetProgram,
                                     effShellGetNextPlugin,
                                     effStartProcess,
                                     effStopProcess,
                                     effSetPanLaw,
                                     effBeginLoadBank,
                                     effBeginLoadProgram,
                                     effSetProcessPrecision,
                                     effGetNumMidiInputChannels,
                                     effGetNumMidiOutputChannels,
                                     80,
                                     81,
                                     1000,
                                     -1,
                                     -1000};
    for (VstInt32 opcode : answeredZero) {
        unsigned char buffer[512];
        std::memset(buffer, 0xA5, sizeof(buffer));
        EXPECT_EQ(plugin->dispatch(opcode, 1, 1, buffer, 1.0f), 0) << "opcode " << opcode;
        for (unsigned char byte : buffer)
            ASSERT_EQ(byte, 0xA5) << "opcode " << opcode << " wrote through ptr";
    }
    EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
    EXPECT_EQ(plugin->getParameter(0), 0.5f);
}

TEST_F(Dispatcher, NothingIsSentToTheHostByQueries)
{
    HostLog::instance().clear();
    for (VstInt32 opcode = 2; opcode < 90; ++opcode) {
        if (opcode == effEditOpen || opcode == effEditClose || opcode == effEditIdle ||
            opcode == effEditKeyDown || opcode == effEditKeyUp || opcode == effSetChunk ||
            opcode == effGetChunk || opcode == effSetProgramName ||
            opcode == effGetSpeakerArrangement)
            continue;
        char buffer[256] = {};
        plugin->dispatch(opcode, 0, 0, buffer, 0.0f);
    }
    EXPECT_TRUE(HostLog::instance().calls().empty());
}

TEST_F(Dispatcher, CloseAnswersOne)
{
    EXPECT_EQ(plugin->close(), 1);
}

} // namespace
} // namespace tolvo
