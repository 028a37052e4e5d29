// The editor at 2× and 3× through the built module on a screen large enough:
// the host learns the scaled size, the window shows the 1× picture with every
// pixel an N × N block, and clicks, drags and typing in window pixels do what
// the same input at 1× does in frame pixels, the cursor put back to scale.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/editor/HostedEditor.h"
#include "tests/support/view/WindowSystem.h"

namespace tolvo {

namespace {

constexpr int32_t kLargestScale = 3;
// The middle of the fader cap at 0 dB and of the Trim dial, in frame pixels.
const gui::CPoint kCapAtZeroDecibels(57 + 64 + 18, 48 + 144 + 29);
const gui::CPoint kDialCentre(195, 171);
constexpr int32_t kDragPixels = 40;
constexpr VstInt32 kGainParameter = 0, kTrimParameter = 1;

gui::CPoint scaled(gui::CPoint where, int32_t scale)
{
    return gui::CPoint(where.x * scale, where.y * scale);
}

gui::CPoint centreOf(const gui::CRect& rect)
{
    return gui::CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

struct DragResult {
    float value = 0.0f;
    gui::CPoint pointer;
};

class EditorScaleTest : public HostedEditor {
protected:
    void SetUp() override
    {
        HostedEditor::SetUp();
        if (!HasFatalFailure())
            hostForScale(kLargestScale);
    }

    void TearDown() override
    {
        HostedEditor::TearDown();
        setScaleSetting(nullptr);
    }

    void openAt(int32_t scale)
    {
        setScaleSetting(std::to_string(scale).c_str());
        openEditor();
    }

    // Presses at `from` (frame pixels), moves by `distance` frame pixels in
    // steps, releases; the editor open at `scale`.
    DragResult drag(int32_t scale, gui::CPoint from, gui::CPoint distance, VstInt32 parameter)
    {
        openAt(scale);
        const gui::CPoint start = scaled(from, scale);
        input->moveTo(start);
        pump(40);
        input->press(MouseButton::Left);
        pump(40);
        constexpr int kSteps = 4;
        for (int step = 1; step <= kSteps; ++step) {
            input->moveTo({start.x + distance.x * scale * step / kSteps,
                           start.y + distance.y * scale * step / kSteps});
            pump(30);
        }
        input->release(MouseButton::Left);
        pump();
        DragResult result{plugin->getParameter(parameter), pointerInWindow(host->handle())};
        closeEditor();
        plugin->setParameter(parameter, 0.5f);
        return result;
    }
};

TEST_F(EditorScaleTest, HostSeesTheScaledRectangleBeforeAndAfterOpen)
{
    for (int32_t scale : {1, 2, 3}) {
        setScaleSetting(std::to_string(scale).c_str());
        EXPECT_EQ(editorRect(), gui::CRect(0, 0, kEditorWidth * scale, kEditorHeight * scale))
            << "closed, scale " << scale;
        openEditor();
        // A changed setting does not change an open editor.
        setScaleSetting("1");
        EXPECT_EQ(editorRect(), gui::CRect(0, 0, kEditorWidth * scale, kEditorHeight * scale))
            << "open, scale " << scale;
        closeEditor();
    }
}

TEST_F(EditorScaleTest, WindowShowsTheOneXPictureInBlocks)
{
    openAt(1);
    pump();
    const Picture small = picture(gui::CRect(0, 0, kEditorWidth, kEditorHeight));
    ASSERT_EQ(small.size(), size_t(kEditorWidth * kEditorHeight * 4));
    closeEditor();
    for (int32_t scale : {2, 3}) {
        openAt(scale);
        pump();
        const Picture large =
            picture(gui::CRect(0, 0, kEditorWidth * scale, kEditorHeight * scale));
        ASSERT_EQ(large.size(), small.size() * size_t(scale * scale));
        size_t mismatches = 0;
        for (int32_t y = 0; y < kEditorHeight * scale; ++y) {
            for (int32_t x = 0; x < kEditorWidth * scale; ++x) {
                const size_t at = (size_t(y) * size_t(kEditorWidth * scale) + size_t(x)) * 4;
                const size_t from = (size_t(y / scale) * kEditorWidth + size_t(x / scale)) * 4;
                for (size_t channel = 0; channel < 3; ++channel)
                    mismatches += large[at + channel] != small[from + channel];
            }
        }
        EXPECT_EQ(mismatches, 0u) << "scale " << scale;
        closeEditor();
    }
}

TEST_F(EditorScaleTest, ClicksAtTheScaledCentreOfEachSwitch)
{
    const struct {
        gui::CRect rect;
        VstInt32 parameter;
    } switches[] = {
        {editorLayout::kFlipRect, 2}, {editorLayout::kMuteRect, 3}, {editorLayout::kBypassRect, 4}};
    for (int32_t scale : {2, 3}) {
        openAt(scale);
        for (const auto& control : switches) {
            ASSERT_EQ(plugin->getParameter(control.parameter), 0.0f);
            click(scaled(centreOf(control.rect), scale));
            EXPECT_EQ(plugin->getParameter(control.parameter), 1.0f)
                << "parameter " << control.parameter << " at scale " << scale;
            click(scaled(centreOf(control.rect), scale));
            EXPECT_EQ(plugin->getParameter(control.parameter), 0.0f);
        }
        click(scaled(kPreCentre, scale));
        EXPECT_FLOAT_EQ(floatAt(saveState(), kPreOffset), 1.0f) << "scale " << scale;
        click(scaled(kPreCentre, scale));
        click(scaled(kFineCentre, scale));
        EXPECT_FLOAT_EQ(floatAt(saveState(), kFineOffset), 1.0f) << "scale " << scale;
        click(scaled(kFineCentre, scale));
        closeEditor();
    }
}

TEST_F(EditorScaleTest, FaderAndDialDragsTravelInWindowPixelsAndPutTheCursorBack)
{
    const gui::CPoint up(0, -kDragPixels);
    const DragResult fader = drag(1, kCapAtZeroDecibels, up, kGainParameter);
    const DragResult dial = drag(1, kDialCentre, up, kTrimParameter);
    ASSERT_GT(fader.value, 0.5f);
    ASSERT_NE(dial.value, 0.5f);
    for (int32_t scale : {2, 3}) {
        const DragResult scaledFader = drag(scale, kCapAtZeroDecibels, up, kGainParameter);
        EXPECT_FLOAT_EQ(scaledFader.value, fader.value) << "scale " << scale;
        EXPECT_EQ(scaledFader.pointer, scaled(fader.pointer, scale)) << "put back over the cap";
        const DragResult scaledDial = drag(scale, kDialCentre, up, kTrimParameter);
        EXPECT_FLOAT_EQ(scaledDial.value, dial.value) << "scale " << scale;
        EXPECT_EQ(scaledDial.pointer, scaled(kDialCentre, scale))
            << "put back where the drag began";
    }
}

TEST_F(EditorScaleTest, TypingIntoTheGainFieldAtTwice)
{
    openAt(2);
    click(scaled(centreOf(kGainField), 2));
    input->type("12");
    pump();
    input->press(EditKey::Return);
    pump();
    const float typed = plugin->getParameter(kGainParameter);
    EXPECT_GT(typed, 0.5f);
    closeEditor();

    // The same value as the host setting 12 dB through its text: compared
    // with typing at 1×.
    plugin->setParameter(kGainParameter, 0.5f);
    openAt(1);
    click(centreOf(kGainField));
    input->type("12");
    pump();
    input->press(EditKey::Return);
    pump();
    EXPECT_FLOAT_EQ(plugin->getParameter(kGainParameter), typed);
}

} // namespace

} // namespace tolvo
