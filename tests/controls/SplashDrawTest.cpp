// The settings page's pictures, pixel by pixel: the logo in its two frames,
// the open page as the page image with the option marks, the pan-law text
// and a pressed button's highlight, and words from a host's state block that
// lie outside their choices.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "controls/BitmapFont.h"
#include "tests/support/controls/SplashFixture.h"
#include "view/COffscreenContext.h"
#include "view/platform/GraphicsImage.h"

namespace tolvo {

using namespace gui;

namespace {

constexpr uint32_t kBackdrop = 0xFF10E020;
constexpr CPoint kPanLawText{55, 219};
constexpr uint32_t kPanLawColor = 0xC5C5C5;
constexpr int32_t kMarkWidth = 13;
constexpr int32_t kMarkHeight = 15;
constexpr CPoint kButtonImageOrigin{26, 319};

// An image as 0xAARRGGBB words, rows top to bottom.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    Picture(int32_t width, int32_t height, uint32_t fill)
        : width(width), height(height), pixels(size_t(width) * size_t(height), fill)
    {}
    explicit Picture(const CDIB& image) : Picture(image.getWidth(), image.getHeight(), 0)
    {
        const uint8_t* bytes = image.getPixels();
        for (size_t i = 0; bytes && i < pixels.size(); ++i)
            pixels[i] = uint32_t(bytes[4 * i]) | uint32_t(bytes[4 * i + 1]) << 8 |
                        uint32_t(bytes[4 * i + 2]) << 16 | uint32_t(bytes[4 * i + 3]) << 24;
    }

    uint32_t at(int32_t x, int32_t y) const
    {
        return pixels[size_t(y) * size_t(width) + size_t(x)];
    }
    uint32_t& at(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }

    // Copies the area of the source at from to (to.x, to.y) here.
    void paste(const Picture& source, const CRect& from, CPoint to)
    {
        for (int32_t y = 0; y < from.height(); ++y)
            for (int32_t x = 0; x < from.width(); ++x)
                at(to.x + x, to.y + y) = source.at(from.left + x, from.top + y);
    }
};

// Where two pictures differ: a count and the first place, for messages.
std::string differences(const Picture& shown, const Picture& expected)
{
    if (shown.width != expected.width || shown.height != expected.height)
        return "sizes differ";
    int count = 0;
    std::string first;
    for (int32_t y = 0; y < shown.height; ++y)
        for (int32_t x = 0; x < shown.width; ++x)
            if (shown.at(x, y) != expected.at(x, y) && count++ == 0)
                first = " first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ," + first;
}

// The option row the page's readers take from a word.
int32_t readerOption(int group, int32_t word)
{
    if (word < 0)
        return 0;
    if (group == 1 || group == 2 || group == 4)
        return word % 3;
    if (group == 3)
        return word & 3;
    return word != 0 ? 1 : 0;
}

class SplashDrawTest : public SplashFixture {
protected:
    void SetUp() override
    {
        build();
        pageImage = new CDIB(editorLayout::kSettingsPage);
        logoImage = new CDIB(editorLayout::kLogo);
        selectorImage = new CDIB(editorLayout::kOptionMarker);
        buttonsImage = new CDIB(editorLayout::kSettingsButtons);
        ASSERT_EQ(pageImage->getWidth(), kEditorRect.width());
        ASSERT_EQ(logoImage->getWidth(), 2 * kLogoRect.width());
        ASSERT_EQ(selectorImage->getHeight(), 2 * kMarkHeight);
        ASSERT_EQ(buttonsImage->getHeight(), 37);
    }
    void TearDown() override
    {
        for (CDIB* image : {pageImage, logoImage, selectorImage, buttonsImage})
            if (image)
                image->forget();
        SplashFixture::TearDown();
    }

    // What the page draws into an editor-sized offscreen over a backdrop.
    Picture render()
    {
        auto* context = new COffscreenContext(frame, kEditorRect.width(), kEditorRect.height());
        context->setFillColor(CColor{0x10, 0xE0, 0x20, 0xFF});
        context->drawRect(kEditorRect, kDrawFilled);
        splash->draw(context);
        // The picture is read once the context has let go of it.
        CBitmap* bitmap = context->getBitmap();
        bitmap->remember();
        context->forget();
        Picture shown(kEditorRect.width(), kEditorRect.height(), 0);
        std::vector<uint8_t> bytes(shown.pixels.size() * 4);
        GraphicsImage* image = bitmap->getGraphicsImage();
        const bool read = image && image->readPixels(bytes.data(), shown.width * 4);
        bitmap->forget();
        EXPECT_TRUE(read);
        for (size_t i = 0; i < shown.pixels.size(); ++i)
            shown.pixels[i] = uint32_t(bytes[4 * i]) | uint32_t(bytes[4 * i + 1]) << 8 |
                              uint32_t(bytes[4 * i + 2]) << 16 | uint32_t(bytes[4 * i + 3]) << 24;
        return shown;
    }

    // The closed logo over the backdrop.
    Picture logo(bool lit) const
    {
        Picture expected(kEditorRect.width(), kEditorRect.height(), kBackdrop);
        const int32_t frameLeft = lit ? kLogoRect.width() : 0;
        expected.paste(Picture(*logoImage),
                       CRect(frameLeft, 0, frameLeft + kLogoRect.width(), kLogoRect.height()),
                       kLogoRect.topLeft());
        return expected;
    }

    // The open page for the given words: each group's mark at the row its
    // readers take, the lower frame in a group's last row, and the pan-law
    // word as text.
    Picture page(const SettingsWords& words) const
    {
        CDIB composed(editorLayout::kSettingsPage);
        const std::string panLaw[] = {"0", "-3", "-6"};
        BitmapFont font(largeDigits, 7, 11, 0);
        font.drawText(composed.getPixels(), composed.getRowBytes(), kPanLawText.x, kPanLawText.y,
                      panLaw[readerOption(4, words[4])].c_str(), kPanLawColor);
        Picture expected(composed);
        const Picture selector(*selectorImage);
        for (int group = 0; group < 7; ++group) {
            if (group == 4)
                continue;
            const int32_t option = readerOption(group, words[group]);
            const int32_t frameTop = option == kOptionCounts[group] - 1 ? kMarkHeight : 0;
            expected.paste(selector, CRect(0, frameTop, kMarkWidth, frameTop + kMarkHeight),
                           CPoint(kGroupRects[group].left, kGroupRects[group].top + 14 * option));
        }
        return expected;
    }

    // The highlighted picture of a button and the row above it.
    void highlight(Picture& expected, const CRect& button) const
    {
        const CRect from(button.left - kButtonImageOrigin.x, button.top - 1 - kButtonImageOrigin.y,
                         button.right + 1 - kButtonImageOrigin.x,
                         button.bottom + 1 - kButtonImageOrigin.y);
        expected.paste(Picture(*buttonsImage), from, CPoint(button.left, button.top - 1));
    }

    // A state block from the instance with all seven settings words replaced.
    void restoreStateWithSettings(int32_t word)
    {
        void* data = nullptr;
        const VstInt32 size = (*plug)->getChunk(&data, false);
        ASSERT_EQ(size, VstInt32(sizeof(PlugChunk)));
        PlugChunk block;
        std::memcpy(&block, data, sizeof(block));
        for (int32_t& setting : block.settings)
            setting = word;
        ASSERT_EQ((*plug)->setChunk(&block, size, false), size);
    }

    CDIB* pageImage = nullptr;
    CDIB* logoImage = nullptr;
    CDIB* selectorImage = nullptr;
    CDIB* buttonsImage = nullptr;
};

TEST_F(SplashDrawTest, TheLogoIsLitOnlyWhileThePointerIsOverIt)
{
    struct Case {
        bool known;
        CPoint pointer;
        bool lit;
    };
    const Case cases[] = {
        {false, CPoint(), false},
        {true, CPoint(150, 300), false},
        {true, kLogoRect.topLeft(), true},
        {true, CPoint(kLogoRect.right, kLogoRect.bottom), true},
        {true, CPoint(kLogoRect.right + 1, kLogoRect.bottom), false},
        {true, CPoint(kLogoRect.left, kLogoRect.top - 1), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.pointer.x) + ", " + std::to_string(c.pointer.y));
        frame->pointerKnown = c.known;
        frame->pointer = c.pointer;
        // The pointer reaches a new place with a move the frame hears of.
        frame->onMouseMoved(c.pointer, 0);
        splash->refresh();
        EXPECT_TRUE(splash->isDirty());
        EXPECT_EQ(differences(render(), logo(c.lit)), "");
        EXPECT_FALSE(splash->isDirty());
    }
}

// Closed, the logo's picture follows only the pointer: idles without pointer
// traffic draw nothing.
TEST_F(SplashDrawTest, TheClosedLogoIsRedrawnOnlyAfterPointerTraffic)
{
    frame->pointerKnown = true;
    frame->pointer = CPoint(150, 300);
    render();
    for (int idle = 0; idle < 3; ++idle) {
        splash->refresh();
        EXPECT_FALSE(splash->isDirty()) << "idle " << idle;
    }
    frame->pointer = kLogoRect.topLeft();
    frame->onMouseMoved(frame->pointer, 0);
    EXPECT_TRUE(splash->isDirty());
    EXPECT_EQ(differences(render(), logo(true)), "");
    splash->refresh();
    EXPECT_FALSE(splash->isDirty());
    frame->onMouseExited(frame->pointer, 0);
    EXPECT_TRUE(splash->isDirty()) << "the pointer left the window";
}

TEST_F(SplashDrawTest, EveryOptionDrawsItsMarkInItsRowAndTheLastRowUsesTheLowerFrame)
{
    openPage();
    EXPECT_EQ(differences(render(), page(liveWords())), "") << "defaults";
    for (int group = 0; group < 7; ++group) {
        for (int32_t option = 0; option < kOptionCounts[group]; ++option) {
            SCOPED_TRACE("group " + std::to_string(group) + " option " + std::to_string(option));
            SettingsWords words = kDefaultSettings;
            words[group] = option;
            setLive(words);
            const Picture shown = render();
            EXPECT_EQ(differences(shown, page(words)), "");
            // The last option's mark ends on the slot's bottom edge with the
            // selector's lower frame.
            const CRect& slot = kGroupRects[group];
            if (group != 4 && option == kOptionCounts[group] - 1) {
                EXPECT_EQ(shown.at(slot.left + 6, slot.bottom),
                          Picture(*selectorImage).at(6, 2 * kMarkHeight - 1));
            }
        }
    }
    for (int32_t word = 0; word < 3; ++word) {
        SCOPED_TRACE("pan law " + std::to_string(word));
        SettingsWords words = kDefaultSettings;
        words[4] = word;
        setLive(words);
        const Picture shown = render();
        EXPECT_EQ(differences(shown, page(words)), "");
        // Ink in the pan-law box, where the plain page has none.
        bool ink = false;
        for (int32_t x = kPanLawText.x; x < kPanLawText.x + 5; ++x)
            for (int32_t y = kPanLawText.y; y < kPanLawText.y + 11; ++y)
                ink = ink || shown.at(x, y) != Picture(*pageImage).at(x, y);
        EXPECT_TRUE(ink);
    }
}

TEST_F(SplashDrawTest, WordsOutsideTheirChoicesFromAStateBlockDrawInsideTheirGroups)
{
    openPage();
    for (int32_t word : {-7, -1, 3, 4, 5, 1000, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(word);
        restoreStateWithSettings(word);
        const Picture shown = render();
        SettingsWords words;
        words.fill(word);
        EXPECT_EQ(differences(shown, page(words)), "");
        EXPECT_EQ(liveWords(), words) << "drawing changed a stored word";
    }
    // Hand-picked rows for one word: 1000 is Fine (non-zero), 1000 mod 3 = 1
    // for the ranges, 1000 AND 3 = 0 for the ballistics, "-3" for the pan law.
    restoreStateWithSettings(1000);
    EXPECT_EQ(differences(render(), page(SettingsWords{1, 1, 1, 0, 1, 1, 1})), "");
    restoreStateWithSettings(-7);
    EXPECT_EQ(differences(render(), page(SettingsWords{0, 0, 0, 0, 0, 0, 0})), "");
}

// Open, the page is drawn again only when the words it shows changed, from
// wherever they changed (here a restored state block).
TEST_F(SplashDrawTest, TheOpenPageIsRedrawnOnlyWhenItsWordsChange)
{
    openPage();
    restoreStateWithSettings(1);
    render();
    for (int idle = 0; idle < 3; ++idle) {
        splash->refresh();
        EXPECT_FALSE(splash->isDirty()) << "idle " << idle;
    }
    restoreStateWithSettings(2);
    splash->refresh();
    EXPECT_TRUE(splash->isDirty());
    SettingsWords words;
    words.fill(2);
    EXPECT_EQ(differences(render(), page(words)), "");
    splash->refresh();
    EXPECT_FALSE(splash->isDirty());
}

TEST_F(SplashDrawTest, APressedButtonStaysLitUntilTheFirstDrawAfter150Milliseconds)
{
    openPage();
    frame->ticks = 5000;
    click(kRevert);
    Picture lit = page(liveWords());
    highlight(lit, CRect(26, 321, 123, 335));
    EXPECT_EQ(differences(render(), lit), "");
    EXPECT_TRUE(splash->isDirty()) << "the highlight needs a draw to go out";
    frame->ticks = 5149;
    EXPECT_EQ(differences(render(), lit), "");
    frame->ticks = 5150;
    EXPECT_EQ(differences(render(), page(liveWords())), "");
    EXPECT_FALSE(splash->isDirty());

    // The same across the tick counter's wrap, for Save.
    frame->ticks = 0xFFFFFFC0u;
    click(kSave);
    lit = page(liveWords());
    highlight(lit, CRect(136, 321, 233, 335));
    frame->ticks = 0xFFFFFFC0u + 100u;
    EXPECT_EQ(differences(render(), lit), "");
    frame->ticks = 0xFFFFFFC0u + 150u;
    EXPECT_EQ(differences(render(), page(liveWords())), "");
}

TEST_F(SplashDrawTest, WithoutThePageImageTheOpenPageDrawsAsTheLitLogo)
{
    frame->removeView(splash);
    splash = new nSplash(kLogoRect, kTagSettings, &listener, editorLayout::kLogo, 9999,
                         editorLayout::kOptionMarker, editorLayout::kSettingsButtons, store.get(),
                         largeDigits);
    frame->addView(splash);
    openPage();
    ASSERT_TRUE(splash->isOpen());
    EXPECT_EQ(differences(render(), logo(true)), "");
    click(kClose);
    EXPECT_FALSE(splash->isOpen());
    EXPECT_EQ(splash->getViewSize(), kLogoRect);
}

} // namespace

} // namespace tolvo
