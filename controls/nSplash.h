#pragma once

#include <cstdint>
#include <memory>

#include "controls/BitmapFont.h"
#include "controls/PanelPicture.h"
#include "controls/SettingsStore.h"
#include "view/CControl.h"

class CDIB;

// The logo button and the settings page behind it, in one control. Closed
// (value 0) it is the logo, lit while the pointer is over it; a left click
// opens the page (value 1): the control then covers the whole editor, takes
// every click and lets the user pick one option per group. Choices go
// straight into the live settings words; Close puts back the words the page
// opened with, Apply keeps them, and Revert to Default / Save as Default
// read and write the defaults file at once.
//
// Every operation runs on the editor's window thread. The page sits last in
// its frame, so it is drawn over every other view and asked first for clicks.
class nSplash : public gui::CControl {
public:
    static constexpr int kGroupCount = SettingsStore::kWordCount;
    static constexpr int kPanLawGroup = 4;
    enum Button : int32_t {
        kRevertButton = 0,
        kSaveButton,
        kCloseButton,
        kApplyButton,
        kButtonCount
    };

    // Reads the defaults file (and writes it back) for the page's saved copy.
    // The images come from the numbered resources; the strip is not owned.
    nSplash(const gui::CRect& size, int32_t tag, gui::CControlListener* listener, int32_t logoId,
            int32_t pageId, int32_t selectorId, int32_t buttonImageId, SettingsStore* settings,
            CDIB* largeFontStrip);
    ~nSplash() override;

    void draw(gui::CDrawContext* context) override;
    gui::CMouseEventResult onMouseDown(const gui::CPoint& where,
                                       gui::CButtonState buttons) override;
    gui::CMouseEventResult onMouseUp(const gui::CPoint& where, gui::CButtonState buttons) override;
    gui::CMouseEventResult onMouseMoved(const gui::CPoint& where,
                                        gui::CButtonState buttons) override;
    // Open: every point. Closed: left clicks inside the logo (edges included).
    bool hitTest(const gui::CPoint& where, gui::CButtonState buttons) override;
    // The page is not copied: answers none.
    gui::CView* newCopy() const override;

    // Called by the editor at every idle: the open page is drawn again when
    // the settings it shows changed since its last draw. The closed logo, lit
    // while the pointer is over it, counts as dirty after pointer traffic in
    // the frame since its last draw (isDirty), so the lit state follows the
    // pointer without a redraw at every idle.
    virtual void refresh();
    bool isDirty() const override;
    virtual void paint(gui::CDrawContext* context);

    bool isOpen() const { return getValue() != 0.0f; }
    // The words as they were when the page was last opened.
    const SettingsStore::Words& getSavedSettings() const { return savedSettings; }
    // The option row the page shows for a group's word, inside the group
    // whatever the word holds; for the pan-law group, the index of its text.
    static int32_t shownOption(int group, int32_t word);

    // How long a pressed button stays highlighted after its action.
    static constexpr uint32_t kPressedShowMilliseconds = 150;

private:
    void open();
    void close();
    void pickOption(int group, int32_t y);
    void press(int button);
    uint32_t now() const;

    // The words the open page shows; zeros without a store.
    SettingsStore::Words shownSettings() const;
    void paintOptions();
    void paintPanLaw(uint8_t* pixels);
    void paintPressedButton();

    SettingsStore* settings;
    SettingsStore::Words savedSettings{};
    gui::CRect pageRect;
    gui::CRect logoRect;
    BitmapFont font;
    int32_t pressedButton = -1;
    // The frame's pointer event count at the last draw.
    uint32_t pointerEventsDrawn = 0;
    // The words the open page showed at its last draw.
    SettingsStore::Words drawnSettings{};
    uint32_t pressedTicks = 0;
    gui::CRect buttonRects[kButtonCount];
    gui::CRect groupRects[kGroupCount];
    int32_t optionCounts[kGroupCount] = {};
    // The page image, kept as the page picture's background; none when the
    // resource could not be read.
    std::unique_ptr<PanelPicture> page;
    gui::OwnedReference<CDIB> logo;
    gui::OwnedReference<CDIB> buttonImage;
    gui::OwnedReference<CDIB> selector;
    int32_t draggedGroup = -1;
};
