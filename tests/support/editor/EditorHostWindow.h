// A plug-in instance through the built module with a host window of the
// editor's size to open the editor in, and the idle loop a host runs.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "editor/PlugEdLayout.h"
#include "tests/support/PluginFixture.h"
#include "tools/tolvo-host/HostWindow.h"

namespace tolvo {

// Window events and editor idle calls, as a host's loop makes them, with a
// pause after each round.
inline void idleEditor(PluginInstance& plugin, HostWindow& host, int rounds,
                       std::chrono::milliseconds pause)
{
    for (int i = 0; i < rounds; ++i) {
        host.processEvents();
        plugin.dispatch(effEditIdle);
        std::this_thread::sleep_for(pause);
    }
}

class EditorHostWindow : public PluginFixture {
protected:
    void SetUp() override
    {
        PluginFixture::SetUp();
        host = HostWindow::create(editorLayout::kWidth, editorLayout::kHeight, "editor test");
        ASSERT_TRUE(host) << "no display";
    }

    std::unique_ptr<HostWindow> host;
};

} // namespace tolvo
