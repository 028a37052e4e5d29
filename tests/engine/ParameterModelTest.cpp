#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "engine/AuWrappableInterface.h"
#include "tests/support/engine/PlugDriver.h"

namespace tolvo {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(ParameterModel, FreshInstanceHasTheTableDefaults)
{
    PlugDriver plug;
    const float expected[] = {0.5f, 0.5f, 0.0f, 0.0f, 0.0f};
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        EXPECT_EQ(plug->getParameter(index), expected[index]);
        EXPECT_EQ(plug->getParameterDefault(index), expected[index]);
    }
    EXPECT_EQ(plug->getParameterValue(kParamGain), 1.0f);
    EXPECT_EQ(plug->getParameterValue(kParamTrim), 0.5f);
}

TEST(ParameterModel, NamesAndLabelsAreWrittenWhole)
{
    PlugDriver plug;
    const char* names[] = {"Gain", "Trim", "Phase", "Mute", "Bypass"};
    const char* labels[] = {"dB", "dB", "(Norm/Flip)", "(Thru/Mute)", "(Off/On)"};
    for (VstInt32 index = 0; index < kNumParams; ++index) {
        char text[64];
        std::memset(text, 'x', sizeof(text));
        plug->getParameterName(index, text);
        EXPECT_STREQ(text, names[index]);
        plug->getParameterLabel(index, text);
        EXPECT_STREQ(text, labels[index]);
    }
}

TEST(ParameterModel, GainLawWorkedValues)
{
    struct Row {
        float normalized;
        float linear;
        const char* display;
    };
    const Row rows[] = {
        {0.0f, 0.0f, "-oo"},       {0.1f, 0.008f, "-41.94"}, {0.25f, 0.125f, "-18.06"},
        {0.4f, 0.512f, " -5.81"},  {0.5f, 1.0f, "0"},        {0.6f, 1.728f, "  4.75"},
        {0.75f, 3.375f, " 10.57"}, {1.0f, 8.0f, " 18.06"},
    };
    PlugDriver plug;
    for (const Row& row : rows) {
        plug->setParameter(kParamGain, row.normalized);
        EXPECT_FLOAT_EQ(plug->getParameterValue(kParamGain), row.linear) << row.normalized;
        EXPECT_EQ(plug.display(kParamGain), row.display) << row.normalized;
    }
}

TEST(ParameterModel, TrimLawWorkedValuesForEachRange)
{
    struct Row {
        int rangeWord;
        float normalized;
        const char* display;
    };
    const Row rows[] = {
        {0, 0.0f, "-12.00"},  {0, 0.25f, " -6.00"}, {0, 0.5f, "0"},       {0, 0.75f, "  6.00"},
        {0, 1.0f, " 12.00"},  {1, 0.0f, "-24.00"},  {1, 0.25f, "-12.00"}, {1, 0.75f, " 12.00"},
        {1, 1.0f, " 24.00"},  {2, 0.0f, "-36.00"},  {2, 0.25f, "-18.00"}, {2, 0.5f, "0"},
        {2, 0.75f, " 18.00"}, {2, 1.0f, " 36.00"},
    };
    PlugDriver plug;
    for (const Row& row : rows) {
        plug->getSettings()->set(kSettingTrimRange, row.rangeWord);
        plug->setParameter(kParamTrim, row.normalized);
        EXPECT_EQ(plug.display(kParamTrim), row.display)
            << "range word " << row.rangeWord << ", value " << row.normalized;
    }
}

TEST(ParameterModel, TrimLinearGainsAtTheEnds)
{
    // The trim gain is observed as the steady output level for a unit input.
    const struct {
        int rangeWord;
        float normalized;
        double linear;
    } rows[] = {{0, 0.0f, 0.2512}, {1, 0.0f, 0.0631}, {2, 0.0f, 0.01585},
                {0, 1.0f, 3.981},  {1, 1.0f, 15.85},  {2, 1.0f, 63.10}};
    for (const auto& row : rows) {
        PlugDriver plug;
        plug->getSettings()->set(kSettingTrimRange, row.rangeWord);
        plug->setParameter(kParamTrim, row.normalized);
        plug->resume();
        EXPECT_NEAR(plug.process({1.0f})[0], row.linear, row.linear * 2e-4) << row.rangeWord;
    }
}

TEST(ParameterModel, ValuesAreClampedAndNaNIsIgnored)
{
    PlugDriver plug;
    plug->setParameter(kParamGain, 1.7f);
    EXPECT_EQ(plug->getParameter(kParamGain), 1.0f);
    EXPECT_EQ(plug.display(kParamGain), " 18.06");
    plug->setParameter(kParamGain, -0.2f);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.0f);
    EXPECT_EQ(plug.display(kParamGain), "-oo");
    plug->setParameter(kParamGain, kInfinity);
    EXPECT_EQ(plug->getParameter(kParamGain), 1.0f);
    plug->setParameter(kParamGain, -kInfinity);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.0f);

    plug->setParameter(kParamGain, 0.5f);
    plug->setParameter(kParamGain, kNaN);
    plug->setParameter(kParamTrim, kNaN);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.5f);
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.5f);
    plug->resume();
    EXPECT_EQ(plug.process({0.25f})[0], 0.25f) << "the target gain must stay finite";
}

TEST(ParameterModel, SwitchTexts)
{
    PlugDriver plug;
    const struct {
        VstInt32 index;
        const char* off;
        const char* on;
    } switches[] = {
        {kParamPhase, "Norm", "Flip"}, {kParamMute, "Thru", "Mute"}, {kParamBypass, "Off", "On"}};
    for (const auto& item : switches) {
        plug->setParameter(item.index, 0.49f);
        EXPECT_EQ(plug.display(item.index), item.off);
        plug->setParameter(item.index, 0.5f);
        EXPECT_EQ(plug.display(item.index), item.on);
        EXPECT_EQ(plug->getParameterValue(item.index), 0.5f);
    }
}

TEST(ParameterModel, IndicesOutsideTheTableAreIgnored)
{
    PlugDriver plug;
    for (VstInt32 index : {-1, 5, 7, 1000, -100000}) {
        EXPECT_EQ(plug->getParameter(index), 0.0f);
        EXPECT_EQ(plug->getParameterValue(index), 0.0f);
        EXPECT_EQ(plug->getParameterDefault(index), 0.0f);
        char text[16];
        std::memset(text, 'q', sizeof(text));
        plug->getParameterDisplay(index, text);
        plug->getParameterName(index, text);
        plug->getParameterLabel(index, text);
        for (char c : text)
            ASSERT_EQ(c, 'q') << index;
        plug->setParameter(index, 0.9f);
        plug->setParameterValue(index, 0.9f);
        plug->setParameterText(index, "3");
    }
    for (VstInt32 index = 0; index < kNumParams; ++index)
        EXPECT_EQ(plug->getParameter(index), plug->getParameterDefault(index));
}

TEST(ParameterModel, TypedGainAndTrimAreDecibels)
{
    PlugDriver plug;
    plug->setParameterText(kParamGain, "6");
    EXPECT_NEAR(plug->getParameter(kParamGain), 0.6295f, 1e-4f);
    EXPECT_EQ(plug.display(kParamGain), "  6.00");
    plug->setParameterText(kParamGain, "abc");
    EXPECT_EQ(plug->getParameter(kParamGain), 0.5f);
    plug->setParameterText(kParamGain, "30");
    EXPECT_EQ(plug->getParameter(kParamGain), 1.0f);
    plug->setParameterText(kParamGain, "-inf");
    EXPECT_EQ(plug->getParameter(kParamGain), 0.0f);
    plug->setParameterText(kParamGain, "0");
    EXPECT_EQ(plug->getParameter(kParamGain), 0.5f);
    plug->setParameterText(kParamGain, "nan");
    EXPECT_EQ(plug->getParameter(kParamGain), 0.5f);

    plug->setParameterText(kParamTrim, "10");
    EXPECT_NEAR(plug->getParameter(kParamTrim), 0.6389f, 1e-4f);
    plug->setParameterText(kParamTrim, "-50");
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.0f);
    plug->setParameterText(kParamTrim, "junk");
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.5f);
    plug->setParameterText(kParamTrim, nullptr);
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.5f);

    plug->getSettings()->set(kSettingTrimRange, 0);
    plug->setParameterText(kParamTrim, "6");
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.75f);
}

TEST(ParameterModel, TypedTextTurnsSwitchesOff)
{
    PlugDriver plug;
    for (VstInt32 index : {kParamPhase, kParamMute, kParamBypass}) {
        plug->setParameter(index, 1.0f);
        plug->setParameterText(index, "1");
        EXPECT_EQ(plug->getParameter(index), 0.0f) << index;
    }
}

TEST(ParameterModel, PlainGainIsCubeRootOfAnEighth)
{
    PlugDriver plug;
    plug->setParameterValue(kParamGain, 1.0f);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.5f);
    plug->setParameterValue(kParamGain, 0.125f);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.25f);
    plug->setParameterValue(kParamGain, 100.0f);
    EXPECT_EQ(plug->getParameter(kParamGain), 1.0f);
    plug->setParameterValue(kParamGain, 0.0f);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.0f);
    plug->setParameterValue(kParamGain, 1.0f);
    plug->setParameterValue(kParamGain, -3.0f);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.0f);
    plug->setParameterValue(kParamTrim, 0.3f);
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.3f);
}

TEST(ParameterModel, TrimRangeIsReducedAndTakesEffectAtTheNextChange)
{
    PlugDriver plug;
    plug->setParameter(kParamTrim, 0.0f);
    plug->getSettings()->set(kSettingTrimRange, 0);
    EXPECT_EQ(plug.display(kParamTrim), "-36.00") << "no change until the next parameter change";
    plug->setParameter(kParamTrim, 0.0f);
    EXPECT_EQ(plug.display(kParamTrim), "-12.00");

    plug->getSettings()->set(kSettingTrimRange, 4);
    plug->setParameter(kParamGain, 0.5f);
    EXPECT_EQ(plug.display(kParamTrim), "-24.00");
    plug->getSettings()->set(kSettingTrimRange, -1);
    plug->setParameter(kParamGain, 0.5f);
    EXPECT_EQ(plug.display(kParamTrim), "-12.00") << "a negative word acts as 0";
    plug->getSettings()->set(kSettingTrimRange, INT32_MIN);
    plug->setParameterText(kParamTrim, "6");
    EXPECT_EQ(plug->getParameter(kParamTrim), 0.75f);
}

TEST(Programs, TheSingleProgramMirrorsTheParameters)
{
    PlugDriver plug;
    char name[32] = {};
    plug->getProgramName(name);
    EXPECT_STREQ(name, "None");
    EXPECT_TRUE(plug->getProgramNameIndexed(0, 0, name));
    EXPECT_STREQ(name, "None");
    std::strcpy(name, "kept");
    EXPECT_FALSE(plug->getProgramNameIndexed(0, 1, name));
    EXPECT_FALSE(plug->getProgramNameIndexed(0, -1, name));
    EXPECT_STREQ(name, "kept");

    plug->setParameter(kParamGain, 0.8f);
    plug->setProgram(0);
    EXPECT_EQ(plug->getParameter(kParamGain), 0.8f);
    plug->setProgram(1);
    plug->setProgram(-1);
    EXPECT_EQ(plug->getProgram(), 0);

    char longName[] = "a program name that is far too long";
    plug->setProgramName(longName);
    plug->getProgramName(name);
    EXPECT_EQ(std::strlen(name), 23u);
}

TEST(AuWrappable, DeletingThroughTheInterfaceDestroysTheInstance)
{
    AuWrappableInterface* wrapped = new Plug(nullptr, PlugEd::create);
    EXPECT_EQ(wrapped->getParameterDefault(kParamTrim), 0.5f);
    EXPECT_EQ(wrapped->getParameterDefault(kParamBypass), 0.0f);
    delete wrapped;
}

} // namespace
} // namespace tolvo
