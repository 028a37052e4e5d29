#include <gtest/gtest.h>

#include <cstring>

#include "tests/support/PluginFixture.h"

namespace tolvo {
namespace {

using VersionFunction = int32_t (*)(float*, int16_t*, int16_t*);

TEST(Entry, RefusesAHostThatAnswersZeroToTheVersionQuestion)
{
    ASSERT_TRUE(builtModule().isLoaded()) << builtModule().errorText();
    HostLog::instance().clear();
    HostLog::instance().setVersionAnswer(0);
    PluginEntry entry = builtModule().entry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(&HostLog::callback), nullptr);
    auto calls = HostLog::instance().calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].effect, nullptr);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
    EXPECT_EQ(calls[0].index, 0);
    EXPECT_EQ(calls[0].value, 0);
    EXPECT_EQ(calls[0].opt, 0.0f);
    HostLog::instance().setVersionAnswer(kVstVersion);
}

TEST(Entry, RefusesANullCallback)
{
    PluginEntry entry = builtModule().entry();
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(nullptr), nullptr);
}

TEST(Entry, OlderEntryNameCreatesAnInstanceToo)
{
    HostLog::instance().setVersionAnswer(kVstVersion);
    PluginInstance instance(builtModule(), "main");
    ASSERT_NE(instance.effect(), nullptr);
    EXPECT_EQ(instance.effect()->magic, kEffectMagic);
    EXPECT_EQ(instance.close(), 1);
}

TEST(Entry, VersionQueryWritesThroughEachNonNullPointer)
{
    auto version = reinterpret_cast<VersionFunction>(builtModule().symbol("VeskDLLVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version(nullptr, nullptr, nullptr), 48);

    float number = 0.0f;
    int16_t a = 0;
    int16_t b = 0;
    EXPECT_EQ(version(&number, &a, &b), 48);
    uint32_t bits = 0;
    std::memcpy(&bits, &number, sizeof(bits));
    EXPECT_EQ(bits, 0x404147AEu);
    EXPECT_EQ(a, 48);
    EXPECT_EQ(b, 48);
}

class FreshInstance : public PluginFixture {};

TEST_F(FreshInstance, ReportsItsIdentityInTheRecord)
{
    AEffect* effect = plugin->effect();
    EXPECT_EQ(effect->magic, fourCharCode('V', 's', 't', 'P'));
    EXPECT_EQ(effect->numPrograms, 1);
    EXPECT_EQ(effect->numParams, 5);
    EXPECT_EQ(effect->numInputs, 1);
    EXPECT_EQ(effect->numOutputs, 1);
    EXPECT_EQ(effect->uniqueID, fourCharCode('T', 'l', 'v', 'M'));
    EXPECT_EQ(effect->version, 1);
    EXPECT_EQ(effect->initialDelay, 0);
    EXPECT_EQ(effect->ioRatio, 1.0f);
    EXPECT_EQ(effect->resvd1, 0);
    EXPECT_EQ(effect->resvd2, 0);
    EXPECT_EQ(effect->user, nullptr);
    EXPECT_NE(effect->object, nullptr);
    for (char byte : effect->future)
        EXPECT_EQ(byte, 0);
    EXPECT_NE(effect->dispatcher, nullptr);
    EXPECT_NE(effect->process, nullptr);
    EXPECT_NE(effect->processReplacing, nullptr);
    EXPECT_NE(effect->processDoubleReplacing, nullptr);
    EXPECT_EQ(effect->flags & ~(effFlagsHasEditor | effFlagsCanReplacing | effFlagsProgramChunks |
                                effFlagsCanDoubleReplacing),
              0);
    EXPECT_EQ(effect->flags & 0x1030, 0x1030);
}

TEST_F(FreshInstance, AsksOnlyTheVersionQuestionWhileBeingCreated)
{
    plugin->close();
    HostLog::instance().clear();
    PluginInstance another(builtModule());
    auto calls = HostLog::instance().calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].opcode, audioMasterVersion);
}

TEST_F(FreshInstance, WritesIdentityTextsWithoutPadding)
{
    char buffer[80];
    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(plugin->dispatch(effGetEffectName, 0, 0, buffer), 1);
    EXPECT_STREQ(buffer, "Tolvo");
    EXPECT_EQ(buffer[6], 'x');

    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(plugin->dispatch(effGetVendorString, 0, 0, buffer), 1);
    EXPECT_STREQ(buffer, "Corvath");
    EXPECT_EQ(buffer[8], 'x');

    std::memset(buffer, 'x', sizeof(buffer));
    EXPECT_EQ(plugin->dispatch(effGetProductString, 0, 0, buffer), 1);
    EXPECT_STREQ(buffer, "Tolvo");
    EXPECT_EQ(buffer[6], 'x');
}

} // namespace
} // namespace tolvo
