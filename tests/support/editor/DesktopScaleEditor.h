// The editor through the module for tests of the scale a desktop gives: a
// host window with room for 3×, and no TOLVO_SCALE setting before or after.
#pragma once

#include "tests/support/editor/HostedEditor.h"
#include "tests/support/view/WindowSystem.h"

namespace tolvo {

constexpr int32_t kLargestEditorScale = 3;
constexpr VstInt32 kMuteParameter = 3;

class DesktopScaleEditor : public HostedEditor {
protected:
    void SetUp() override
    {
        HostedEditor::SetUp();
        if (!HasFatalFailure())
            hostForScale(kLargestEditorScale);
        if (!HasFatalFailure())
            setScaleSetting(nullptr);
    }

    void TearDown() override
    {
        HostedEditor::TearDown();
        setScaleSetting(nullptr);
    }

    static gui::CRect scaledEditor(int32_t scale)
    {
        return gui::CRect(0, 0, kEditorWidth * scale, kEditorHeight * scale);
    }
};

} // namespace tolvo
