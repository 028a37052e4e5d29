// The LV2 UI as a host embeds it: the instance's editor in the host's window, driven by the
// host's idle; a click reaches the host's write function and touch, port events move the
// controls; without instance access or a parent there is no UI; a scale factor among the
// host's options sizes the editor.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <limits>
#include <lv2/atom/atom.h>
#include <lv2/instance-access/instance-access.h>
#include <lv2/options/options.h>
#include <lv2/ui/ui.h>
#include <lv2/urid/urid.h>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "editor/PlugEd.h"
#include "editor/PlugEdLayout.h"
#include "formats/lv2/Lv2Ui.h"
#include "tests/support/formats/Lv2Harness.h"
#include "tests/support/view/InputInjector.h"
#include "tools/tolvo-host/HostWindow.h"
#include "view/CFrame.h"

namespace tolvo {
namespace {

// What the host side of the UI saw.
struct UiHost {
    std::vector<std::pair<uint32_t, float>> writes;
    std::vector<std::pair<uint32_t, bool>> touches;
    int width = 0;
    int height = 0;

    static void write(LV2UI_Controller self, uint32_t port, uint32_t size, uint32_t format,
                      const void* buffer)
    {
        if (format == 0 && size == sizeof(float)) {
            const float value = *static_cast<const float*>(buffer);
            static_cast<UiHost*>(self)->writes.push_back({port, value});
        }
    }

    static int resize(LV2UI_Feature_Handle self, int width, int height)
    {
        static_cast<UiHost*>(self)->width = width;
        static_cast<UiHost*>(self)->height = height;
        return 0;
    }

    static void touch(LV2UI_Feature_Handle self, uint32_t port, bool grabbed)
    {
        static_cast<UiHost*>(self)->touches.push_back({port, grabbed});
    }
};

// A host's URID map: each URI's number is its place in the list, from 1.
struct UridMap {
    std::vector<std::string> uris;
    LV2_URID_Map map{this, mapUri};

    static LV2_URID mapUri(LV2_URID_Map_Handle self, const char* uri)
    {
        auto& known = static_cast<UridMap*>(self)->uris;
        for (size_t i = 0; i < known.size(); ++i)
            if (known[i] == uri)
                return LV2_URID(i + 1);
        known.push_back(uri);
        return LV2_URID(known.size());
    }
};

class Lv2Ui : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin.ready());
        window = HostWindow::create(editorLayout::kWidth, editorLayout::kHeight, "lv2 ui test");
        ASSERT_TRUE(window) << "no display";
        input = InputInjector::create(window->handle());
        ASSERT_TRUE(input) << "no synthetic input";
    }

    void TearDown() override
    {
        if (ui)
            descriptor->cleanup(ui);
    }

    LV2UI_Handle instantiate(bool withInstance, bool withParent,
                             const std::vector<const LV2_Feature*>& extra = {})
    {
        instanceFeature = {LV2_INSTANCE_ACCESS_URI, plugin.lv2Handle()};
        parentFeature = {LV2_UI__parent, window->handle()};
        resizeFeature = {LV2_UI__resize, &resize};
        touchFeature = {LV2_UI__touch, &touch};
        std::vector<const LV2_Feature*> features = extra;
        features.push_back(&resizeFeature);
        features.push_back(&touchFeature);
        if (withInstance)
            features.push_back(&instanceFeature);
        if (withParent)
            features.push_back(&parentFeature);
        features.push_back(nullptr);
        return descriptor->instantiate(descriptor, "urn:corvath:tolvo", "", UiHost::write, &host,
                                       &widget, features.data());
    }

    // Window events and the host's idle calls.
    void pump(int milliseconds = 120)
    {
        const auto* idle = static_cast<const LV2UI_Idle_Interface*>(
            descriptor->extension_data(LV2_UI__idleInterface));
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        do {
            window->processEvents();
            idle->idle(ui);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (std::chrono::steady_clock::now() < end);
    }

    void click(const gui::CRect& rect)
    {
        input->moveTo(gui::CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
        pump(40);
        input->press(MouseButton::Left);
        pump(40);
        input->release(MouseButton::Left);
        pump(80);
    }

    void portEvent(uint32_t port, float value)
    {
        descriptor->port_event(ui, port, sizeof(value), 0, &value);
    }

    PlugEd& editor() { return *dynamic_cast<PlugEd*>(plugin.instance().plug().getEditor()); }

    Lv2Harness plugin;
    const LV2UI_Descriptor* descriptor = tolvoUiDescriptor();
    std::unique_ptr<HostWindow> window;
    std::unique_ptr<InputInjector> input;
    UiHost host;
    LV2UI_Resize resize{&host, UiHost::resize};
    LV2UI_Touch touch{&host, UiHost::touch};
    LV2_Feature instanceFeature{}, parentFeature{}, resizeFeature{}, touchFeature{};
    LV2UI_Widget widget = nullptr;
    LV2UI_Handle ui = nullptr;
};

TEST_F(Lv2Ui, OpensTheEditorInTheHostsWindowAndTellsItsSize)
{
    ui = instantiate(true, true);
    ASSERT_NE(ui, nullptr);
    EXPECT_NE(widget, nullptr);
    EXPECT_TRUE(editor().isOpen());
    EXPECT_EQ(host.width, editorLayout::kWidth);
    EXPECT_EQ(host.height, editorLayout::kHeight);
    descriptor->cleanup(ui);
    ui = nullptr;
    EXPECT_FALSE(editor().isOpen());
}

TEST_F(Lv2Ui, TheHostsScaleFactorSizesTheEditorAheadOfTheUserSetting)
{
    setenv("TOLVO_SCALE", "1", 1);
    UridMap urids;
    const float factor = 2.0f;
    const LV2_Options_Option options[] = {
        {LV2_OPTIONS_INSTANCE, 0, UridMap::mapUri(&urids, LV2_UI__scaleFactor), sizeof(float),
         UridMap::mapUri(&urids, LV2_ATOM__Float), &factor},
        {LV2_OPTIONS_INSTANCE, 0, 0, 0, 0, nullptr}};
    const LV2_Feature optionsFeature{LV2_OPTIONS__options,
                                     const_cast<LV2_Options_Option*>(options)};
    const LV2_Feature mapFeature{LV2_URID__map, &urids.map};

    ui = instantiate(true, true, {&optionsFeature, &mapFeature});
    ASSERT_NE(ui, nullptr);
    EXPECT_EQ(host.width, 2 * editorLayout::kWidth);
    EXPECT_EQ(host.height, 2 * editorLayout::kHeight);
    EXPECT_EQ(editor().getFrame()->getPlatformWindow()->getScale(), 2);
    descriptor->cleanup(ui);

    // Options without a map, or no options at all: the user's setting again.
    ui = instantiate(true, true, {&optionsFeature});
    ASSERT_NE(ui, nullptr);
    EXPECT_EQ(host.width, editorLayout::kWidth);
    descriptor->cleanup(ui);
    ui = instantiate(true, true);
    ASSERT_NE(ui, nullptr);
    EXPECT_EQ(host.height, editorLayout::kHeight);
    unsetenv("TOLVO_SCALE");
}

TEST_F(Lv2Ui, NoInstanceAccessOrNoParentNoUi)
{
    EXPECT_EQ(instantiate(false, true), nullptr);
    EXPECT_EQ(instantiate(true, false), nullptr);
    EXPECT_FALSE(editor().isOpen());
}

TEST_F(Lv2Ui, AClickOnFlipWritesThePhasePortWithItsGesture)
{
    ui = instantiate(true, true);
    ASSERT_NE(ui, nullptr);
    pump();
    click(editorLayout::kFlipRect);
    const std::vector<std::pair<uint32_t, float>> writes = {{kPortPhase, 1.0f}};
    EXPECT_EQ(host.writes, writes);
    const std::vector<std::pair<uint32_t, bool>> touches = {{kPortPhase, true},
                                                            {kPortPhase, false}};
    EXPECT_EQ(host.touches, touches);
    EXPECT_EQ(plugin.parameter(kParamPhase), 1.0f);

    // The host hands the written value to the port: the instance keeps it.
    plugin.controls[kPortPhase] = host.writes.back().second;
    plugin.runControls();
    EXPECT_EQ(plugin.parameter(kParamPhase), 1.0f);
}

TEST_F(Lv2Ui, PortEventsMoveTheControls)
{
    ui = instantiate(true, true);
    ASSERT_NE(ui, nullptr);
    pump();
    portEvent(kPortGain, -90.0f);
    portEvent(kPortMute, 1.0f);
    portEvent(kPortTrim, 36.0f);
    pump();
    EXPECT_EQ(editor().getControlValue(kParamGain), 0.0f);
    EXPECT_EQ(editor().getControlValue(kParamMute), 1.0f);
    EXPECT_EQ(editor().getControlValue(kParamTrim), 1.0f);
    // Meter outputs and values that are not numbers move nothing.
    portEvent(kPortOutputLevel, 0.0f);
    portEvent(kPortGain, std::numeric_limits<float>::quiet_NaN());
    pump();
    EXPECT_EQ(editor().getControlValue(kParamGain), 0.0f);
    EXPECT_TRUE(host.writes.empty());
}

TEST_F(Lv2Ui, ANewTrimRangeWritesTheTrimPortsNewReading)
{
    plugin.controls[kPortTrim] = 18.0f;
    plugin.runControls();
    ASSERT_EQ(plugin.parameter(kParamTrim), 0.75f);
    ui = instantiate(true, true);
    ASSERT_NE(ui, nullptr);
    pump();
    EXPECT_TRUE(host.writes.empty());

    plugin.instance().plug().getSettings()->set(kSettingTrimRange, 0);
    pump();
    ASSERT_EQ(host.writes.size(), 1u);
    EXPECT_EQ(host.writes[0].first, kPortTrim);
    EXPECT_NEAR(host.writes[0].second, 6.0f, 1e-4);
    // The host's port takes the reading; the instance keeps its value.
    plugin.controls[kPortTrim] = host.writes[0].second;
    plugin.runControls();
    EXPECT_EQ(plugin.parameter(kParamTrim), 0.75f);
}

} // namespace
} // namespace tolvo
