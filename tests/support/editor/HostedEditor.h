// The plug-in's editor through the built module, inside a host window of its
// size, with synthetic input through the window system and the window's
// pixels read back: everything a host and a user can do and see.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "editor/PlugEdLayout.h"
#include "tests/support/editor/EditorHostWindow.h"
#include "tests/support/view/InputInjector.h"
#include "view/CRect.h"

namespace tolvo {

constexpr int32_t kEditorWidth = editorLayout::kWidth, kEditorHeight = editorLayout::kHeight;
constexpr VstIntPtr kStateBytes = 56;

// The pixels of one rectangle of the window, blue, green, red, alpha.
using Picture = std::vector<uint8_t>;

class HostedEditor : public EditorHostWindow {
protected:
    void SetUp() override
    {
        EditorHostWindow::SetUp();
        if (HasFatalFailure())
            return;
        // The frame sits at the host window's top-left corner, so the host
        // window's coordinates are the editor's.
        input = InputInjector::create(host->handle());
        ASSERT_TRUE(input) << "no synthetic input";
        plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
        plugin->dispatch(effMainsChanged, 0, 1);
    }

    void TearDown() override
    {
        if (plugin)
            plugin->dispatch(effEditClose);
    }

    // Replaces the host window with one room enough for the editor at `scale`.
    void hostForScale(int32_t scale)
    {
        host = HostWindow::create(kEditorWidth * scale, kEditorHeight * scale, "scaled editor");
        ASSERT_TRUE(host) << "no display";
        input = InputInjector::create(host->handle());
        ASSERT_TRUE(input) << "no synthetic input";
    }

    // The editor's rectangle as the host asks for it; empty when refused.
    gui::CRect editorRect()
    {
        ERect* rect = nullptr;
        if (plugin->dispatch(effEditGetRect, 0, 0, &rect) != 1 || !rect)
            return gui::CRect();
        return gui::CRect(rect->left, rect->top, rect->right, rect->bottom);
    }

    void openEditor()
    {
        ASSERT_EQ(plugin->dispatch(effEditOpen, 0, 0, host->handle()), 1);
        pump();
    }

    void closeEditor()
    {
        plugin->dispatch(effEditClose);
        host->processEvents();
    }

    // Window events and editor idle calls, as a host's loop makes them.
    void pump(int milliseconds = 120)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
        do {
            host->processEvents();
            plugin->dispatch(effEditIdle);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } while (std::chrono::steady_clock::now() < end);
    }

    void click(gui::CPoint where, MouseButton button = MouseButton::Left)
    {
        input->moveTo(where);
        pump(40);
        input->press(button);
        pump(40);
        input->release(button);
        pump(80);
    }

    Picture picture(const gui::CRect& area)
    {
        int32_t width = 0, height = 0;
        const std::vector<uint8_t> pixels = host->capturePixels(width, height);
        Picture cut;
        if (width < area.right || height < area.bottom)
            return cut;
        for (int32_t y = area.top; y < area.bottom; ++y) {
            const uint8_t* row = pixels.data() + (size_t(y) * width + area.left) * 4;
            cut.insert(cut.end(), row, row + size_t(area.width()) * 4);
        }
        return cut;
    }

    // A block of constant samples through the plug-in.
    void play(float level, int frames = 4410)
    {
        std::vector<float> in(static_cast<size_t>(frames), level);
        std::vector<float> out(in.size());
        plugin->processReplacing(in.data(), out.data(), frames);
    }

    std::vector<uint8_t> saveState()
    {
        void* data = nullptr;
        const VstIntPtr size = plugin->dispatch(effGetChunk, 0, 0, &data);
        if (size != kStateBytes || !data)
            return {};
        const auto* bytes = static_cast<const uint8_t*>(data);
        return std::vector<uint8_t>(bytes, bytes + size);
    }

    bool restoreState(std::vector<uint8_t> block)
    {
        return plugin->dispatch(effSetChunk, 0, VstIntPtr(block.size()), block.data()) ==
               kStateBytes;
    }

    static float floatAt(const std::vector<uint8_t>& block, size_t offset)
    {
        float value = 0.0f;
        std::memcpy(&value, block.data() + offset, sizeof value);
        return value;
    }
    static void setFloat(std::vector<uint8_t>& block, size_t offset, float value)
    {
        std::memcpy(block.data() + offset, &value, sizeof value);
    }
    static void setWord(std::vector<uint8_t>& block, size_t offset, int32_t value)
    {
        std::memcpy(block.data() + offset, &value, sizeof value);
    }

    static std::vector<HostCall> calls(VstInt32 opcode)
    {
        return HostLog::instance().callsWithOpcode(opcode);
    }

    std::unique_ptr<InputInjector> input;
};

// Offsets in the state block.
constexpr size_t kPreOffset = 20, kFineOffset = 24;
constexpr size_t kMuteLampOffset = 48, kBypassLampOffset = 52;

// Where the controls sit on the panel.
constexpr gui::CRect kGainField = editorLayout::kGainFieldRect;
constexpr gui::CRect kPeakReadout = editorLayout::kPeakRect;
constexpr gui::CRect kRmsReadout = editorLayout::kRmsRect;
constexpr gui::CRect kPreButton = editorLayout::kPreRect;
constexpr gui::CRect kFineButton = editorLayout::kFineRect;
const gui::CRect kMuteLamp(215, 371, 231, 390);
const gui::CRect kBypassLamp(215, 334, 231, 353);
constexpr gui::CRect kFaderControl = editorLayout::kFaderRect;
const gui::CPoint kPreCentre(77, 458);
const gui::CPoint kFineCentre(197, 417);
const gui::CPoint kMuteCentre(197, 380);
const gui::CPoint kLogoCentre(26, 97);
const gui::CPoint kApplyButton(180, 348);

} // namespace tolvo
