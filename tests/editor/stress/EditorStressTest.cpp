// A host's audio thread processes, automates every parameter and saves and
// restores the state while the window thread idles, draws, takes synthetic
// input on every control and closes and reopens the editor. Under
// ThreadSanitizer nothing may be reported; in every build the audio stays
// finite, the parameters stay in range and the switches end whole.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <random>
#include <thread>

#include "tests/support/editor/HostedEditor.h"

namespace tolvo {

namespace {

class EditorStressTest : public HostedEditor {};

// Presses, drags and releases over the controls, one step per call.
class UserHands {
public:
    explicit UserHands(InputInjector& input) : input(input) {}

    void step()
    {
        static const gui::CPoint targets[] = {{139, 221}, {195, 171}, {205, 306}, {205, 380},
                                              {205, 343}, {77, 458},  {205, 417}, {138, 460},
                                              {195, 70},  {195, 113}, {26, 97},   {180, 348}};
        const gui::CPoint target = targets[random() % std::size(targets)];
        switch (random() % 4) {
        case 0:
            input.moveTo(target);
            input.press(MouseButton::Left);
            break;
        case 1:
            input.moveTo({target.x + int(random() % 21) - 10, target.y + int(random() % 41) - 20});
            break;
        default:
            input.release(MouseButton::Left);
            break;
        }
    }

private:
    InputInjector& input;
    std::mt19937 random{11};
};

TEST_F(EditorStressTest, AudioThreadAutomatesWhileTheWindowThreadWorks)
{
    openEditor();
    std::atomic<bool> stop{false};
    std::atomic<long> blocks{0};
    std::atomic<bool> finite{true};

    std::thread audio([&] {
        std::mt19937 random(7);
        std::uniform_real_distribution<float> value(-0.1f, 1.1f);
        std::vector<float> in(256), out(256);
        for (size_t i = 0; i < in.size(); ++i)
            in[i] = float(0.8 * std::sin(0.07 * double(i)));
        while (!stop.load()) {
            plugin->processReplacing(in.data(), out.data(), VstInt32(in.size()));
            for (float sample : out)
                if (!std::isfinite(sample))
                    finite = false;
            for (VstInt32 index = 0; index < 5; ++index)
                plugin->setParameter(index, value(random));
            if (blocks % 16 == 0) {
                std::vector<uint8_t> block = saveState();
                if (block.size() == size_t(kStateBytes)) {
                    setFloat(block, kPreOffset, float(random() % 2));
                    setFloat(block, kFineOffset, float(random() % 2));
                    restoreState(block);
                }
            }
            blocks.fetch_add(1);
        }
    });

    // The work, not the clock, ends the run: at least this many window rounds
    // (the editor reopened along the way) and audio blocks, and three seconds,
    // however slowly a loaded machine runs them.
    constexpr int kRounds = 41;
    constexpr int kBlocks = 200;
    constexpr int kRoundsPerOpening = 40;
    UserHands hands(*input);
    const auto start = std::chrono::steady_clock::now();
    int rounds = 0;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(3) || rounds < kRounds ||
           blocks.load() < kBlocks) {
        hands.step();
        pump(15);
        if (++rounds % kRoundsPerOpening == 0) {
            input->release(MouseButton::Left);
            closeEditor();
            openEditor();
        }
    }
    input->release(MouseButton::Left);
    pump();
    stop = true;
    audio.join();

    EXPECT_TRUE(finite);
    for (VstInt32 index = 0; index < 5; ++index) {
        EXPECT_GE(plugin->getParameter(index), 0.0f);
        EXPECT_LE(plugin->getParameter(index), 1.0f);
    }
    const std::vector<uint8_t> block = saveState();
    ASSERT_EQ(block.size(), size_t(kStateBytes));
    for (size_t offset : {kPreOffset, kFineOffset}) {
        const float value = floatAt(block, offset);
        EXPECT_TRUE(value == 0.0f || value == 1.0f) << "offset " << offset << ": " << value;
    }
}

} // namespace

} // namespace tolvo
