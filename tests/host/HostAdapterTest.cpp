// The adapter's own behaviour, checked with a minimal instance and a recording
// editor: editor opcode checks, key packing, flags and host notifications.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "host/AudioEffectX.h"
#include "tools/loader/PluginModule.h"

namespace tolvo {
namespace {

struct RecordingEditor : AEffEditor {
    explicit RecordingEditor(AudioEffect* effect, std::vector<std::string>& log)
        : AEffEditor(effect), log(log)
    {}
    ~RecordingEditor() override { log.push_back("editor deleted"); }

    bool getRect(ERect** rect) override
    {
        *rect = &rectangle;
        return true;
    }
    bool open(void* parent) override
    {
        AEffEditor::open(parent);
        return true;
    }
    void idle() override { log.push_back("idle"); }
    bool onKeyDown(VstKeyCode& key) override
    {
        lastKey = key;
        return handleKeys;
    }
    bool onKeyUp(VstKeyCode& key) override
    {
        lastKey = key;
        return handleKeys;
    }
    bool setKnobMode(VstInt32 mode) override
    {
        knobMode = mode;
        return true;
    }

    std::vector<std::string>& log;
    ERect rectangle{0, 0, 534, 265};
    VstKeyCode lastKey{};
    bool handleKeys = true;
    VstInt32 knobMode = -1;
};

class MinimalEffect : public AudioEffectX {
public:
    MinimalEffect(audioMasterCallback master, std::vector<std::string>& log)
        : AudioEffectX(master, 1, 5), log(log)
    {}
    ~MinimalEffect() override { log.push_back("instance destroyed"); }

    void processReplacing(float**, float**, VstInt32) override {}
    void setParameter(VstInt32 index, float value) override
    {
        log.push_back("setParameter " + std::to_string(index));
        stored = value;
        HostLog::instance().callback(nullptr, 9999, index, 0, nullptr, value);
    }
    void attach(AEffEditor* newEditor) { setEditor(newEditor); }

    std::vector<std::string>& log;
    float stored = 0.0f;
};

class HostAdapter : public ::testing::Test {
protected:
    void SetUp() override { HostLog::instance().clear(); }

    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr, float opt = 0.0f)
    {
        AEffect* record = effect->getAeffect();
        return record->dispatcher(record, opcode, index, value, ptr, opt);
    }

    std::vector<std::string> log;
    MinimalEffect* effect = new MinimalEffect(&HostLog::callback, log);
};

TEST_F(HostAdapter, BaseDefaultsBeforeTheInstanceAdjustsThem)
{
    AEffect* record = effect->getAeffect();
    EXPECT_EQ(record->numInputs, 1);
    EXPECT_EQ(record->numOutputs, 2);
    EXPECT_EQ(record->flags, effFlagsCanReplacing);
    EXPECT_EQ(record->object, effect);
    EXPECT_EQ(effect->getSampleRate(), 44100.0f);
    EXPECT_EQ(effect->getBlockSize(), 1024);
    dispatch(effClose);
}

TEST_F(HostAdapter, EditorOpcodesAnswerZeroWithoutAnEditor)
{
    ERect* rect = reinterpret_cast<ERect*>(0x1);
    EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(rect, reinterpret_cast<ERect*>(0x1));
    EXPECT_EQ(dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(0x1234)), 0);
    EXPECT_EQ(dispatch(effEditClose), 0);
    EXPECT_EQ(dispatch(effEditIdle), 0);
    EXPECT_EQ(dispatch(effEditKeyDown, 'a', 1, nullptr, 0.0f), 0);
    EXPECT_EQ(dispatch(effEditKeyUp, 'a', 1, nullptr, 0.0f), 0);
    EXPECT_EQ(dispatch(effSetEditKnobMode, 0, 2), 0);
    dispatch(effClose);
}

TEST_F(HostAdapter, AttachingTheEditorSetsTheFlagAndCloseDeletesBoth)
{
    auto* editor = new RecordingEditor(effect, log);
    effect->attach(editor);
    EXPECT_TRUE(effect->getAeffect()->flags & effFlagsHasEditor);
    effect->attach(nullptr);
    EXPECT_FALSE(effect->getAeffect()->flags & effFlagsHasEditor);
    effect->attach(editor);

    ERect* rect = nullptr;
    EXPECT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->bottom, 534);
    EXPECT_EQ(rect->right, 265);
    EXPECT_EQ(dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(0x1234)), 1);
    EXPECT_TRUE(editor->isOpen());
    EXPECT_EQ(dispatch(effEditIdle), 0);
    EXPECT_EQ(dispatch(effSetEditKnobMode, 0, 2), 1);
    EXPECT_EQ(editor->knobMode, 2);
    EXPECT_EQ(dispatch(effEditClose), 0);
    EXPECT_FALSE(editor->isOpen());

    EXPECT_EQ(dispatch(effClose), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"idle", "instance destroyed", "editor deleted"}));
}

TEST_F(HostAdapter, KeyCodesArePackedFromIndexValueAndOpt)
{
    auto* editor = new RecordingEditor(effect, log);
    effect->attach(editor);

    EXPECT_EQ(dispatch(effEditKeyDown, 'x', 0x1FF, nullptr, 259.75f), 1);
    EXPECT_EQ(editor->lastKey.character, 'x');
    EXPECT_EQ(editor->lastKey.virt, 0xFF);
    EXPECT_EQ(editor->lastKey.modifier, 3);

    editor->handleKeys = false;
    EXPECT_EQ(dispatch(effEditKeyUp, 9, 2, nullptr, 1.0f), 0);
    EXPECT_EQ(editor->lastKey.character, 9);
    EXPECT_EQ(editor->lastKey.virt, 2);
    EXPECT_EQ(editor->lastKey.modifier, 1);

    for (float hostile : {std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity(), -1e30f}) {
        dispatch(effEditKeyDown, 1, 1, nullptr, hostile);
        EXPECT_EQ(editor->lastKey.modifier, 0);
    }
    dispatch(effClose);
}

TEST_F(HostAdapter, AutomationReachesTheInstanceBeforeTheHost)
{
    effect->setParameterAutomated(2, 0.75f);
    auto calls = HostLog::instance().calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].opcode, 9999);
    EXPECT_EQ(calls[1].opcode, audioMasterAutomate);
    EXPECT_EQ(calls[1].effect, effect->getAeffect());
    EXPECT_EQ(calls[1].index, 2);
    EXPECT_EQ(calls[1].value, 0);
    EXPECT_EQ(calls[1].opt, 0.75f);
    dispatch(effClose);
}

TEST_F(HostAdapter, EditGesturesReportTheHostsAnswer)
{
    HostLog::instance().setEditAnswer(1);
    EXPECT_TRUE(effect->beginEdit(3));
    HostLog::instance().setEditAnswer(0);
    EXPECT_FALSE(effect->endEdit(3));
    HostLog::instance().setEditAnswer(1);
    auto calls = HostLog::instance().calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls[0].index, 3);
    EXPECT_EQ(calls[1].opcode, audioMasterEndEdit);
    dispatch(effClose);
}

TEST(HostAdapterWithoutHost, CallbacksAreSkipped)
{
    std::vector<std::string> log;
    auto* effect = new MinimalEffect(nullptr, log);
    EXPECT_FALSE(effect->beginEdit(0));
    EXPECT_FALSE(effect->endEdit(0));
    effect->setParameterAutomated(1, 0.5f);
    EXPECT_EQ(effect->stored, 0.5f);
    delete effect;
}

} // namespace
} // namespace tolvo
