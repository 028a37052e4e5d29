// Pictures of the editor in its typical states, written next to the test
// program (screenshots/*.png) for people to look at: the default state,
// meters moving, fine mode, Pre on, both lamp phases, the settings page and
// a typed entry in progress. Each state must look different from the
// default one where the state shows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/editor/HostedEditor.h"
#include "tools/tolvo-host/PngWriter.h"

namespace tolvo {

namespace {

const gui::CRect kWholeEditor(0, 0, kEditorWidth, kEditorHeight);
const gui::CRect kFaderMeter(57 + 9, 48 + 20, 57 + 17, 48 + 382);
const gui::CRect kFaderScale(57, 48, 57 + 64, 48 + 401);
const gui::CPoint kGainFieldCentre(138, 460);

class EditorScreenshotTest : public HostedEditor {
protected:
    void SetUp() override
    {
        HostedEditor::SetUp();
        openEditor();
        pump();
        initial = picture(kWholeEditor);
    }

    void save(const char* name)
    {
        int32_t width = 0, height = 0;
        const std::vector<uint8_t> pixels = host->capturePixels(width, height);
        ASSERT_FALSE(pixels.empty());
        EXPECT_TRUE(writePng(std::string("screenshots-") + name + ".png", pixels, width, height));
    }

    void playTone(double level, int blocks)
    {
        std::vector<float> in(512), out(512);
        for (int block = 0; block < blocks; ++block) {
            for (size_t i = 0; i < in.size(); ++i)
                in[i] = float(level * std::sin(0.142 * double(block * 512 + int(i))));
            plugin->processReplacing(in.data(), out.data(), 512);
        }
    }

    Picture initial;
};

TEST_F(EditorScreenshotTest, DefaultState)
{
    save("default");
    EXPECT_EQ(picture(kWholeEditor), initial) << "an idle editor keeps its picture";
}

TEST_F(EditorScreenshotTest, MetersMoving)
{
    const Picture dark = picture(kFaderMeter);
    playTone(0.5, 40);
    pump(60);
    save("meters");
    EXPECT_NE(picture(kFaderMeter), dark);
}

TEST_F(EditorScreenshotTest, FineMode)
{
    const Picture normalScale = picture(kFaderScale);
    click({205, 417});
    save("fine");
    EXPECT_NE(picture(kFaderScale), normalScale);
}

TEST_F(EditorScreenshotTest, PreOn)
{
    const Picture off = picture(kPreButton);
    click({77, 458});
    save("pre");
    EXPECT_NE(picture(kPreButton), off);
}

TEST_F(EditorScreenshotTest, LampsInBothPhases)
{
    plugin->setParameter(3, 1.0f);
    plugin->setParameter(4, 1.0f);
    pump();
    const Picture first = picture(kMuteLamp);
    save("lamps-first-phase");
    bool changed = false;
    for (int round = 0; round < 20 && !changed; ++round) {
        pump(50);
        changed = picture(kMuteLamp) != first;
    }
    ASSERT_TRUE(changed) << "the Mute lamp did not flash";
    save("lamps-second-phase");
}

TEST_F(EditorScreenshotTest, SettingsPage)
{
    click({26, 97});
    save("settings");
    EXPECT_NE(picture(kWholeEditor), initial);
}

TEST_F(EditorScreenshotTest, TypedEntryInProgress)
{
    const Picture shown = picture(kGainField);
    click(kGainFieldCentre);
    input->type("12");
    pump();
    save("entry");
    EXPECT_NE(picture(kGainField), shown);
}

} // namespace

} // namespace tolvo
