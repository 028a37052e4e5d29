// A Plug made directly, with a host callback that writes down what the
// plug-in tells the host, and its PlugEd opened in a real host window: the
// editor's insides within reach of a test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <vector>

#include "controls/nDial.h"
#include "controls/nFader.h"
#include "controls/nSplash.h"
#include "controls/nSwitch.h"
#include "controls/nText.h"
#include "editor/PlugEd.h"
#include "engine/Plug.h"
#include "tools/tolvo-host/HostWindow.h"
#include "view/CBitmap.h"
#include "view/CFrame.h"

namespace tolvo {

struct HostMessage {
    VstInt32 opcode;
    VstInt32 index;
    float value;
};

// What every instance of the test program told the host.
class HostMessages {
public:
    static VstIntPtr callback(AEffect*, VstInt32 opcode, VstInt32 index, VstIntPtr, void*,
                              float value)
    {
        std::lock_guard<std::mutex> lock(mutex());
        if (opcode == audioMasterVersion)
            return kVstVersion;
        all().push_back({opcode, index, value});
        return 1;
    }
    static std::vector<HostMessage> take()
    {
        std::lock_guard<std::mutex> lock(mutex());
        std::vector<HostMessage> taken;
        taken.swap(all());
        return taken;
    }

private:
    static std::mutex& mutex()
    {
        static std::mutex instance;
        return instance;
    }
    static std::vector<HostMessage>& all()
    {
        static std::vector<HostMessage> messages;
        return messages;
    }
};

class EditorHarness : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = HostWindow::create(265, 534, "editor test");
        ASSERT_TRUE(host) << "no display";
        makeInstance();
    }

    void TearDown() override
    {
        plug.reset();
        HostMessages::take();
    }

    void makeInstance()
    {
        plug = std::make_unique<Plug>(&HostMessages::callback, PlugEd::create);
        editor = dynamic_cast<PlugEd*>(plug->getEditor());
        ASSERT_NE(editor, nullptr);
        HostMessages::take();
    }

    void open() { ASSERT_TRUE(editor->open(host->handle())); }

    template <typename Control>
    Control* control(int32_t tag, const gui::CControl* after = nullptr)
    {
        return dynamic_cast<Control*>(editor->findControl(tag, after));
    }
    nFader* fader() { return control<nFader>(0); }
    nDial* dial() { return control<nDial>(1); }
    nSwitch* switchOf(int32_t tag) { return control<nSwitch>(tag); }
    nText* field(int32_t tag)
    {
        gui::CControl* found = editor->findControl(tag);
        // Gain and Trim: the field follows the fader or the dial.
        if (tag < 2)
            found = editor->findControl(tag, found);
        return dynamic_cast<nText*>(found);
    }
    nSplash* splash() { return control<nSplash>(502); }

    void feed(float sample, int frames = 2048)
    {
        std::vector<float> in(static_cast<size_t>(frames), sample);
        std::vector<float> out(in.size());
        float* inputs[] = {in.data()};
        float* outputs[] = {out.data()};
        plug->processReplacing(inputs, outputs, frames);
    }

    PlugChunk save()
    {
        void* data = nullptr;
        EXPECT_EQ(plug->getChunk(&data, false), VstInt32(sizeof(PlugChunk)));
        PlugChunk block{};
        if (data)
            block = *static_cast<const PlugChunk*>(data);
        return block;
    }

    void restore(PlugChunk block)
    {
        ASSERT_EQ(plug->setChunk(&block, sizeof block, false), VstInt32(sizeof block));
    }

    static std::vector<HostMessage> messagesWith(VstInt32 opcode)
    {
        std::vector<HostMessage> found;
        for (const HostMessage& message : HostMessages::take())
            if (message.opcode == opcode)
                found.push_back(message);
        return found;
    }

    std::unique_ptr<HostWindow> host;
    std::unique_ptr<Plug> plug;
    PlugEd* editor = nullptr;
};

} // namespace tolvo
