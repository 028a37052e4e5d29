// tolvo-host render and tone, end to end with the built module.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "tests/support/engine/TempFolder.h"
#include "tools/tolvo-host/Commands.h"
#include "tools/tolvo-host/WavFile.h"

namespace tolvo {
namespace {

class RenderCommand : public ::testing::Test {
protected:
    std::string file(const char* name) const { return (folder.path() / name).string(); }

    TempFolder folder;
};

TEST_F(RenderCommand, AppliesGainAndCarriesTheState)
{
    ASSERT_EQ(runTone({file("tone.wav"), "--seconds", "0.5", "--level", "-6"}), 0);
    ASSERT_EQ(
        runRender({file("tone.wav"), file("out.wav"), "--gain", "-6", "--phase", "--trim-range",
                   "12", "--ballistics", "bbc", "--save-state", file("state.bin")}),
        0);
    MonoAudio input;
    MonoAudio output;
    std::string error;
    ASSERT_TRUE(WavFile::read(file("tone.wav"), input, error)) << error;
    ASSERT_TRUE(WavFile::read(file("out.wav"), output, error)) << error;
    ASSERT_EQ(input.samples.size(), 22050u);
    ASSERT_EQ(output.samples.size(), input.samples.size());
    const double gain = std::pow(10.0, -6.0 / 20.0);
    for (size_t i = 0; i < input.samples.size(); ++i)
        ASSERT_NEAR(output.samples[i], -gain * input.samples[i], 1e-5) << i;

    std::ifstream state(file("state.bin"), std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(state)), {});
    ASSERT_EQ(bytes.size(), 56u);
    int32_t trimRange = -1;
    int32_t ballistics = -1;
    std::memcpy(&trimRange, bytes.data() + 36, 4);
    std::memcpy(&ballistics, bytes.data() + 40, 4);
    EXPECT_EQ(trimRange, 0);
    EXPECT_EQ(ballistics, 3);

    ASSERT_EQ(runRender({file("tone.wav"), file("again.wav"), "--state", file("state.bin")}), 0);
    MonoAudio again;
    ASSERT_TRUE(WavFile::read(file("again.wav"), again, error)) << error;
    EXPECT_EQ(again.samples, output.samples);
}

TEST_F(RenderCommand, RefusesBadArguments)
{
    ASSERT_EQ(runTone({file("tone.wav"), "--seconds", "0.01"}), 0);
    EXPECT_NE(runRender({file("tone.wav")}), 0);
    EXPECT_NE(runRender({file("missing.wav"), file("out.wav")}), 0);
    EXPECT_NE(runRender({file("tone.wav"), file("out.wav"), "--trim-range", "18"}), 0);
    EXPECT_NE(runRender({file("tone.wav"), file("out.wav"), "--ballistics", "loud"}), 0);
    EXPECT_NE(runRender({file("tone.wav"), file("out.wav"), "--gain", "x"}), 0);
    EXPECT_NE(runRender({file("tone.wav"), file("out.wav"), "--state", file("tone.wav")}), 0);
    EXPECT_NE(runTone({"--freq", "100"}), 0);
    EXPECT_NE(runTone({file("t.wav"), "--freq", "30000"}), 0);
}

} // namespace
} // namespace tolvo
