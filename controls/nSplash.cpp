#include "controls/nSplash.h"

#include <algorithm>
#include <climits>

#include "controls/CDIB.h"
#include "controls/TextLooks.h"
#include "rules/SettingsWords.h"
#include "view/CFrame.h"
#include "view/TickCount.h"

using gui::CButtonState;
using gui::CMouseEventResult;
using gui::CPoint;
using gui::CRect;

namespace {

// Option groups on the page, one per settings word: the top-left corner of
// the group's heading column and its number of options, one per row.
struct GroupLayout {
    int32_t x;
    int32_t y;
    int32_t options;
};

constexpr GroupLayout kGroups[nSplash::kGroupCount] = {
    {32, 58, 2},   // Default Mode: Normal, Fine
    {157, 58, 3},  // Fine Range: 6, 12, 18 dB
    {157, 130, 3}, // Trim Range: 12, 24, 36 dB
    {32, 130, 4},  // Ballistics: Digital PPM, PPM, VU, BBC
    {32, 218, 3},  // Pan Law: shown, not selectable
    {158, 218, 2}, // Mute Button: Flash LED, Steady LED
    {157, 277, 2}, // Bypass Button: Flash LED, Steady LED
};

constexpr int32_t kRowHeight = 14;
// A group's hit rectangle (and the column of its marks) starts right of its
// origin and spans the option names.
constexpr int32_t kGroupInset = 2;
constexpr int32_t kGroupExtent = 85;

// Button hit rectangles, all four edges inclusive; Close sits one row lower
// than Apply.
constexpr CRect kButtons[nSplash::kButtonCount] = {
    {26, 321, 123, 335},  // Revert to Default
    {136, 321, 233, 335}, // Save as Default
    {26, 342, 123, 356},  // Close
    {136, 341, 233, 355}, // Apply
};

// Where the top-left pixel of the highlighted button picture lies on the page.
constexpr CPoint kButtonImageOrigin{26, 319};

// The option mark: two frames stacked in the selector image; the lower one
// also draws the slot's bottom edge under a group's last option.
constexpr int32_t kMarkWidth = 13;
constexpr int32_t kMarkHeight = 15;

// The pan-law word as text, in the large digit strip.
constexpr const char* kPanLawTexts[] = {"0", "-3", "-6"};
constexpr CPoint kPanLawTextOffset{21, 1};
constexpr uint32_t kPanLawTextColor = kCaptionColor;
constexpr int32_t kFontCellWidth = 7;
constexpr int32_t kFontHeight = 11;
constexpr int32_t kFontSpacing = 0;

// Every mouse button and modifier bit: the lit test asks about the place only.
constexpr CButtonState kAnyButtons = ~CButtonState(0);
// The pointer's place when the frame cannot tell it: over no logo.
constexpr CPoint kNowhere{INT32_MIN, INT32_MIN};

bool insideImage(const CRect& rect, const CDIB& image)
{
    return rect.left >= 0 && rect.top >= 0 && rect.right <= image.getWidth() &&
           rect.bottom <= image.getHeight();
}

} // namespace

nSplash::nSplash(const CRect& size, int32_t tag, gui::CControlListener* listener, int32_t logoId,
                 int32_t pageId, int32_t selectorId, int32_t buttonImageId, SettingsStore* settings,
                 CDIB* largeFontStrip)
    : gui::CControl(size, listener, tag, nullptr), settings(settings), logoRect(size),
      font(largeFontStrip, kFontCellWidth, kFontHeight, kFontSpacing)
{
    if (settings)
        settings->loadDefaults(savedSettings);

    const gui::OwnedReference<CDIB> pageImage(new CDIB(pageId));
    if (pageImage->getPixels()) {
        pageRect = CRect(0, 0, pageImage->getWidth(), pageImage->getHeight());
        page = std::make_unique<PanelPicture>(pageImage.get(), pageRect);
    }

    logo.reset(new CDIB(logoId));
    selector.reset(new CDIB(selectorId));
    buttonImage.reset(new CDIB(buttonImageId));

    for (int group = 0; group < kGroupCount; ++group) {
        const GroupLayout& layout = kGroups[group];
        optionCounts[group] = layout.options;
        groupRects[group] = CRect(layout.x + kGroupInset, layout.y, layout.x + kGroupExtent,
                                  layout.y + kRowHeight * layout.options);
    }
    std::copy(std::begin(kButtons), std::end(kButtons), buttonRects);
}

nSplash::~nSplash() = default;

int32_t nSplash::shownOption(int group, int32_t word)
{
    return settingChoice(group, word);
}

SettingsStore::Words nSplash::shownSettings() const
{
    SettingsStore::Words words{};
    if (settings)
        for (int group = 0; group < kGroupCount; ++group)
            words[group] = settings->getWord(group);
    return words;
}

void nSplash::refresh()
{
    if (isOpen() && shownSettings() != drawnSettings)
        setDirty(true);
}

bool nSplash::isDirty() const
{
    if (CControl::isDirty())
        return true;
    // Closed, the picture changes only with the pointer over the logo: after
    // pointer traffic in the frame since the last draw it may have.
    const gui::CFrame* frame = getFrame();
    return !isOpen() && frame && frame->getPointerEventCount() != pointerEventsDrawn;
}

void nSplash::paint(gui::CDrawContext* context)
{
    draw(context);
}

bool nSplash::hitTest(const CPoint& where, CButtonState buttons)
{
    if (isOpen())
        return true;
    return (buttons & gui::kLButton) && getMouseableArea().pointInside(where);
}

gui::CView* nSplash::newCopy() const
{
    return nullptr;
}

CMouseEventResult nSplash::onMouseDown(const CPoint& where, CButtonState buttons)
{
    if (!(buttons & gui::kLButton))
        return gui::kMouseEventHandled;
    if (!isOpen()) {
        open();
        return gui::kMouseEventHandled;
    }
    for (int group = 0; group < kGroupCount; ++group) {
        if (group != kPanLawGroup && groupRects[group].pointInside(where)) {
            draggedGroup = group;
            pickOption(group, where.y);
        }
    }
    for (int button = 0; button < kButtonCount; ++button) {
        if (buttonRects[button].pointInside(where))
            press(button);
    }
    if (!isOpen())
        close();
    return gui::kMouseEventHandled;
}

CMouseEventResult nSplash::onMouseMoved(const CPoint& where, CButtonState)
{
    if (draggedGroup >= 0)
        pickOption(draggedGroup, where.y);
    return gui::kMouseEventHandled;
}

CMouseEventResult nSplash::onMouseUp(const CPoint&, CButtonState)
{
    draggedGroup = -1;
    return gui::kMouseEventHandled;
}

void nSplash::open()
{
    setValue(1.0f);
    if (settings) {
        for (int word = 0; word < kGroupCount; ++word)
            savedSettings[word] = settings->getWord(word);
    }
    logoRect = size;
    // The mouseable area stays the logo's; while open, hitTest takes every point.
    size = pageRect;
    if (getFrame())
        getFrame()->setDirty(true);
}

void nSplash::close()
{
    size = logoRect;
    draggedGroup = -1;
    if (getFrame())
        getFrame()->setDirty(true);
}

void nSplash::pickOption(int group, int32_t y)
{
    const float row = (float(y) - float(groupRects[group].top)) / float(kRowHeight);
    const float option = std::clamp(row, 0.0f, float(optionCounts[group] - 1));
    if (settings)
        settings->setWord(group, int32_t(option));
    setDirty(true);
}

void nSplash::press(int button)
{
    setDirty(true);
    pressedButton = button;
    switch (button) {
    case kRevertButton:
        if (settings)
            settings->loadLive();
        break;
    case kSaveButton:
        if (settings)
            settings->saveLive();
        break;
    case kCloseButton:
        if (settings) {
            for (int word = 0; word < kGroupCount; ++word)
                settings->setWord(word, savedSettings[word]);
        }
        setValue(0.0f);
        break;
    default:
        setValue(0.0f);
        break;
    }
    pressedTicks = now();
    setDirty(true);
}

uint32_t nSplash::now() const
{
    return getFrame() ? getFrame()->getTicks() : gui::systemTickCount();
}

void nSplash::draw(gui::CDrawContext* context)
{
    CPoint pointer;
    if (!getFrame() || !getFrame()->getCurrentMouseLocation(pointer))
        pointer = kNowhere;
    const bool lit = hitTest(pointer, kAnyButtons);
    if (getFrame())
        pointerEventsDrawn = getFrame()->getPointerEventCount();

    if (pressedButton >= 0 && now() - pressedTicks >= kPressedShowMilliseconds)
        pressedButton = -1;

    if (isOpen() && page) {
        drawnSettings = shownSettings();
        if (uint8_t* pixels = page->compose()) {
            paintOptions();
            paintPanLaw(pixels);
            paintPressedButton();
        }
        page->present(context, isOpaque());
    } else {
        logo->draw(context, logoRect, CPoint(lit ? logo->getWidth() / 2 : 0, 0));
    }
    // A highlighted button needs one more draw to go out again.
    setDirty(pressedButton >= 0);
}

void nSplash::paintOptions()
{
    CDIB* work = page->getWork();
    if (selector->getWidth() < kMarkWidth || selector->getHeight() < 2 * kMarkHeight)
        return;
    for (int group = 0; group < kGroupCount; ++group) {
        if (group == kPanLawGroup)
            continue;
        const int32_t option = shownOption(group, drawnSettings[group]);
        const CRect& slot = groupRects[group];
        CRect mark(slot.left, slot.top + option * kRowHeight, slot.left + kMarkWidth,
                   slot.top + option * kRowHeight + kMarkHeight);
        if (!insideImage(mark, *work))
            continue;
        const bool last = option == optionCounts[group] - 1;
        selector->copyRectTo(work, mark, CPoint(0, last ? kMarkHeight : 0));
    }
}

void nSplash::paintPanLaw(uint8_t* pixels)
{
    const char* text = kPanLawTexts[shownOption(kPanLawGroup, drawnSettings[kPanLawGroup])];
    const CRect& group = groupRects[kPanLawGroup];
    const CRect cells(group.left + kPanLawTextOffset.x, group.top + kPanLawTextOffset.y,
                      group.left + kPanLawTextOffset.x + font.measureText(text),
                      group.top + kPanLawTextOffset.y + font.getGlyphHeight());
    if (!insideImage(cells, *page->getWork()))
        return;
    font.drawText(pixels, page->getRowBytes(), cells.left, cells.top, text, kPanLawTextColor);
}

void nSplash::paintPressedButton()
{
    if (pressedButton < 0)
        return;
    // The button and the row above it, as far as the picture reaches.
    const CRect& button = buttonRects[pressedButton];
    CRect lit(button.left, button.top - 1, button.right + 1, button.bottom + 1);
    lit.bound(CRect(kButtonImageOrigin.x, kButtonImageOrigin.y,
                    kButtonImageOrigin.x + buttonImage->getWidth(),
                    kButtonImageOrigin.y + buttonImage->getHeight()));
    lit.bound(pageRect);
    if (lit.isEmpty())
        return;
    buttonImage->copyRectTo(page->getWork(), lit, lit.topLeft() - kButtonImageOrigin);
}
