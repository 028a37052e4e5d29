// A fixture that loads the built module once per test program and opens a
// fresh instance for every test.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tools/loader/PluginModule.h"

namespace tolvo {

inline const PluginModule& builtModule()
{
    static PluginModule module(PluginModule::besideExecutable());
    return module;
}

class PluginFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(builtModule().isLoaded()) << builtModule().errorText();
        HostLog::instance().setVersionAnswer(kVstVersion);
        HostLog::instance().clear();
        plugin = std::make_unique<PluginInstance>(builtModule());
        ASSERT_NE(plugin->effect(), nullptr);
    }

    std::unique_ptr<PluginInstance> plugin;
};

} // namespace tolvo
