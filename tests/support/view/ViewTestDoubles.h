// Stand-ins for the parts around the view tree: an editor and a listener that
// write what reaches them into one log, a frame that records invalidations
// and opens fake text entries, and views that record their events.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "view/CBitmap.h"
#include "view/CControl.h"
#include "view/CControlListener.h"
#include "view/CDrawContext.h"
#include "view/CFrame.h"
#include "view/COffscreenContext.h"
#include "view/GUIEditorInterface.h"
#include "view/NativeTextEntry.h"
#include "view/platform/GraphicsImage.h"

namespace tolvo {

using Log = std::vector<std::string>;

// Writes a line into the log, if there is one.
inline void writeTo(Log* log, std::string line)
{
    if (log)
        log->push_back(std::move(line));
}

// An editor that keeps the parameter gestures reaching it, +(index + 1) for a
// begin and -(index + 1) for an end, and writes them into a log when given one.
class RecordingEditor : public gui::GUIEditorInterface {
public:
    RecordingEditor() = default;
    explicit RecordingEditor(Log& log) : log(&log) {}
    void doIdleStuff() override {}
    int32_t getKnobMode() const override { return 0; }
    void beginEdit(int32_t index) override
    {
        edits.push_back(index + 1);
        write("host begin " + std::to_string(index));
    }
    void endEdit(int32_t index) override
    {
        edits.push_back(-(index + 1));
        write("host end " + std::to_string(index));
    }

    std::vector<int32_t> edits;

private:
    void write(std::string line) { writeTo(log, std::move(line)); }

    Log* log = nullptr;
};

// A listener that keeps the tag and value of every change and counts the edit
// brackets (begins and ends) around them, and writes what reaches it into a
// log when given one: a change as the test describes the control, by default
// its tag. Modifier clicks get the answer the test sets.
class RecordingListener : public gui::CControlListener {
public:
    RecordingListener() = default;
    explicit RecordingListener(Log& log) : log(&log) {}
    void valueChanged(gui::CControl* control) override
    {
        tags.push_back(control->getTag());
        values.push_back(control->getValue());
        write("valueChanged " + describe(control));
    }
    int32_t controlModifierClicked(gui::CControl* control, gui::CButtonState buttons) override
    {
        write("modifierClicked " + std::to_string(control->getTag()) + " " +
              std::to_string(buttons));
        return modifierAnswer;
    }
    void controlBeginEdit(gui::CControl* control) override
    {
        ++brackets;
        write("controlBeginEdit " + std::to_string(control->getTag()));
    }
    void controlEndEdit(gui::CControl* control) override
    {
        ++brackets;
        write("controlEndEdit " + std::to_string(control->getTag()));
    }

    std::vector<int32_t> tags;
    std::vector<float> values;
    int brackets = 0;
    int32_t modifierAnswer = 0;
    std::function<std::string(gui::CControl*)> describe = [](gui::CControl* control) {
        return std::to_string(control->getTag());
    };

private:
    void write(std::string line) { writeTo(log, std::move(line)); }

    Log* log = nullptr;
};

// A text entry that the test types into and presses keys on.
class FakeTextEntry : public gui::NativeTextEntry {
public:
    // The entry keeps its own address in openSlot while it lives.
    FakeTextEntry(FakeTextEntry*& openSlot, const Settings& settings, Listener& listener);
    ~FakeTextEntry() override;

    std::string getText() const override { return typed; }

    void pressReturn() { listener.onTextEntryReturn(); }
    void loseFocus() { listener.onTextEntryFocusLost(); }

    Settings settings;
    std::string initialText;
    std::string fontName;
    std::string typed;

private:
    FakeTextEntry*& openSlot;
    Listener& listener;
};

// A frame without a native window: it records the rectangles it is asked to
// repaint and opens fake text entries.
class RecordingFrame : public gui::CFrame {
public:
    RecordingFrame(const gui::CRect& size, gui::GUIEditorInterface* editor = nullptr)
        : gui::CFrame(size, nullptr, editor)
    {}

    void invalidRect(const gui::CRect& rect) override { invalidated.push_back(rect); }

    std::unique_ptr<gui::NativeTextEntry>
    createTextEntry(const gui::NativeTextEntry::Settings& settings,
                    gui::NativeTextEntry::Listener& listener) override
    {
        if (!entriesAvailable)
            return nullptr;
        return std::make_unique<FakeTextEntry>(openEntry, settings, listener);
    }

    std::vector<gui::CRect> invalidated;
    bool entriesAvailable = true;
    FakeTextEntry* openEntry = nullptr;
};

inline FakeTextEntry::FakeTextEntry(FakeTextEntry*& openSlot, const Settings& settings,
                                    Listener& listener)
    : settings(settings), initialText(settings.text), fontName(settings.fontName),
      typed(settings.text), openSlot(openSlot), listener(listener)
{
    openSlot = this;
}

inline FakeTextEntry::~FakeTextEntry()
{
    openSlot = nullptr;
}

// One line per event: "<view> <event> x,y".
class EventView : public gui::CView {
public:
    EventView(const std::string& name, const gui::CRect& size, Log& log)
        : gui::CView(size), name(name), log(log)
    {}

    gui::CMouseEventResult onMouseDown(const gui::CPoint& where, gui::CButtonState) override
    {
        record("down", where);
        return downAnswer;
    }
    gui::CMouseEventResult onMouseMoved(const gui::CPoint& where, gui::CButtonState) override
    {
        record("moved", where);
        return gui::kMouseEventHandled;
    }
    gui::CMouseEventResult onMouseUp(const gui::CPoint& where, gui::CButtonState) override
    {
        record("up", where);
        return gui::kMouseEventHandled;
    }
    bool onWheel(const gui::CPoint& where, float distance, gui::CButtonState) override
    {
        record("wheel " + std::to_string(static_cast<int>(distance)), where);
        return true;
    }
    int32_t onKeyDown(VstKeyCode&) override
    {
        log.push_back(name + " key");
        return keyAnswer;
    }
    void takeFocus() override { log.push_back(name + " takeFocus"); }
    // Fills a rectangle larger than the view, so that clipping shows.
    void draw(gui::CDrawContext* context) override
    {
        gui::CRect spill = size;
        spill.offset(-2, -2);
        spill.right += 4;
        spill.bottom += 4;
        context->setFillColor(color);
        context->drawRect(spill, gui::kDrawFilled);
        ++drawCount;
        setDirty(false);
    }

    gui::CMouseEventResult downAnswer = gui::kMouseEventHandled;
    int32_t keyAnswer = -1;
    gui::CColor color = gui::kWhiteCColor;
    int drawCount = 0;

private:
    void record(const std::string& event, const gui::CPoint& where)
    {
        log.push_back(name + " " + event + " " + std::to_string(where.x) + "," +
                      std::to_string(where.y));
    }

    std::string name;
    Log& log;
};

// The smallest concrete control: it records presses.
class TestControl : public gui::CControl {
public:
    TestControl(const gui::CRect& size, gui::CControlListener* listener, int32_t tag, Log& log)
        : gui::CControl(size, listener, tag), log(log)
    {}
    void draw(gui::CDrawContext*) override { setDirty(false); }
    gui::CView* newCopy() const override { return nullptr; }
    gui::CMouseEventResult onMouseDown(const gui::CPoint&, gui::CButtonState buttons) override
    {
        log.push_back("control down " + std::to_string(buttons));
        return gui::kMouseEventHandled;
    }

private:
    Log& log;
};

// Reads an offscreen's pixels as 0xAARRGGBB words.
class Pixels {
public:
    explicit Pixels(gui::COffscreenContext& context)
        : width(context.getWidth()), bytes(size_t(context.getWidth()) * context.getHeight() * 4)
    {
        context.getBitmap()->getGraphicsImage()->readPixels(bytes.data(), width * 4);
    }

    uint32_t at(int32_t x, int32_t y) const
    {
        const uint8_t* p = &bytes[(size_t(y) * width + x) * 4];
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }

    // How many pixels in the rectangle pass the test.
    template <typename Test>
    int countIf(const gui::CRect& rect, Test test) const
    {
        int n = 0;
        for (int32_t y = rect.top; y < rect.bottom; ++y)
            for (int32_t x = rect.left; x < rect.right; ++x)
                n += test(at(x, y)) ? 1 : 0;
        return n;
    }

    int count(const gui::CRect& rect, uint32_t argb) const
    {
        return countIf(rect, [argb](uint32_t pixel) { return pixel == argb; });
    }

private:
    int32_t width;
    std::vector<uint8_t> bytes;
};

inline void fill(gui::CDrawContext& context, const gui::CRect& rect, const gui::CColor& color)
{
    context.setFillColor(color);
    context.drawRect(rect, gui::kDrawFilled);
}

} // namespace tolvo
