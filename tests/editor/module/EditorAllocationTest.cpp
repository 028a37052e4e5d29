// Allocation through the built module, counted by this program's operator new
// (the module's own calls reach it on Linux): an open or an instance that runs
// out of memory at any allocation fails cleanly, and a steady idle allocates
// nothing.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <optional>
#include <thread>

#include "tests/support/editor/HostedEditor.h"
#include "tests/support/engine/CountedAllocation.h"
#include "tests/support/view/ChildWindows.h"

namespace tolvo {

namespace {

// An editor has a frame, twelve controls and their pictures: far more
// allocations than this.
constexpr long kFewestOpenAllocations = 13;
constexpr long kMostAllocationsTried = 5000;
constexpr int kSteadyIdles = 100;

// Counts the allocations of one piece of work; with failAt set, that one
// throws. Answers whether a failure happened.
template <typename Work>
bool countAllocations(Work work, long failAt = 0)
{
    CountedAllocation::count = 0;
    CountedAllocation::failed = false;
    CountedAllocation::failing = failAt;
    CountedAllocation::armed = true;
    work();
    CountedAllocation::armed = false;
    CountedAllocation::failing = 0;
    return CountedAllocation::failed.load();
}

class EditorAllocationTest : public HostedEditor {};

TEST_F(EditorAllocationTest, OpenThatRunsOutOfMemoryAnswersZeroAndLeavesNoWindow)
{
    long failAt = 1;
    for (; failAt <= kMostAllocationsTried; ++failAt) {
        VstIntPtr opened = -1;
        const bool ranOut = countAllocations(
            [&] { opened = plugin->dispatch(effEditOpen, 0, 0, host->handle()); }, failAt);
        host->processEvents();
        if (!ranOut) {
            EXPECT_EQ(opened, 1);
            break;
        }
        EXPECT_EQ(opened, 0) << "failing allocation " << failAt;
        EXPECT_EQ(childWindowCount(host->handle()), 0) << "failing allocation " << failAt;
        plugin->dispatch(effEditIdle);
    }
    EXPECT_GT(failAt, kFewestOpenAllocations) << "every allocation of an open was made to fail";
    ASSERT_LE(failAt, kMostAllocationsTried);
    EXPECT_EQ(childWindowCount(host->handle()), 1);

    // The editor that finally opened shows the same picture as one that never failed.
    pump();
    const Picture afterFailures = picture(gui::CRect(0, 0, kEditorWidth, kEditorHeight));
    closeEditor();
    openEditor();
    EXPECT_EQ(picture(gui::CRect(0, 0, kEditorWidth, kEditorHeight)), afterFailures);
}

TEST_F(EditorAllocationTest, InstanceThatRunsOutOfMemoryIsAnsweredAsNone)
{
    long failAt = 1;
    for (; failAt <= kMostAllocationsTried; ++failAt) {
        std::optional<PluginInstance> made;
        const bool ranOut = countAllocations([&] { made.emplace(builtModule()); }, failAt);
        if (!ranOut) {
            EXPECT_NE(made->effect(), nullptr);
            break;
        }
        // An instance that survived a failure inside it must still work.
        if (made->effect()) {
            EXPECT_EQ(made->text(effGetParamName, 0), "Gain") << "failing allocation " << failAt;
        }
    }
    EXPECT_GT(failAt, 1);
    EXPECT_LE(failAt, kMostAllocationsTried);
}

TEST_F(EditorAllocationTest, SteadyIdleWithTheTonePlayingAllocatesNothing)
{
    openEditor();
    constexpr int kFrames = 441;
    std::vector<float> tone(kFrames), out(kFrames);
    const auto playBlock = [&](int block) {
        for (int i = 0; i < kFrames; ++i)
            tone[size_t(i)] = 0.5f * float(std::sin(0.06 * double(block * kFrames + i)));
        plugin->processReplacing(tone.data(), out.data(), kFrames);
    };
    for (int block = 0; block < 20; ++block) {
        playBlock(block);
        pump(20);
    }
    plugin->setParameter(3, 1.0f);

    long idleAllocations = 0;
    for (int idle = 0; idle < kSteadyIdles; ++idle) {
        playBlock(idle);
        host->processEvents();
        countAllocations([&] { plugin->dispatch(effEditIdle); });
        idleAllocations += CountedAllocation::count.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(idleAllocations, 0);
}

} // namespace

} // namespace tolvo
