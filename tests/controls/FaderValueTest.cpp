// The fader's law, its meter rows, its scale labels and its values in and
// out of fine mode, against figures worked out independently.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <thread>

#include "tests/support/controls/ControlTestSupport.h"
#include "view/COffscreenContext.h"

namespace tolvo {
namespace {

const double kExponent = std::log(1.0 / 8.0) / std::log(13.0 / 22.0);

std::string label(const nFader& fader, int32_t offset, bool meter)
{
    char text[nFader::kLabelCapacity] = {};
    fader.formatScaleLabel(offset, text, meter);
    return text;
}

std::vector<std::string> labelsEvery(const nFader& fader, int32_t step, bool meter)
{
    std::vector<std::string> labels;
    for (int32_t offset = 0; offset <= nFader::kTravel; offset += step)
        labels.push_back(label(fader, offset, meter));
    return labels;
}

float capTop(const nFader& fader)
{
    return (1.0f - fader.getPosition()) * float(nFader::kTravel);
}

class FaderValue : public ::testing::Test {
protected:
    Images images;
};

TEST_F(FaderValue, LawPutsTheWorkedGainsAtTheirCapTops)
{
    EXPECT_NEAR(FaderLaw::kExponent, 3.95261, 0.00001);
    const struct {
        double dB;
        float top;
    } worked[] = {{18.06, 0.0f},   {12.04, 56.6f},   {6.02, 104.1f},  {0.0, 144.0f},
                  {-6.02, 177.5f}, {-18.06, 229.1f}, {-36.12, 279.4f}};
    nFader* fader = makeFader(images, 0.5f);
    for (const auto& w : worked) {
        fader->setValue(std::min(1.0f, valueOfDb(w.dB)));
        EXPECT_NEAR(capTop(*fader), w.top, 0.06f) << w.dB << " dB";
    }
    fader->setValue(0.5f);
    EXPECT_EQ(int32_t(capTop(*fader)), 144);
    fader->setValue(1.0f);
    EXPECT_EQ(capTop(*fader), 0.0f);
    fader->setValue(0.0f);
    EXPECT_EQ(capTop(*fader), 352.0f);

    // Dragging sets the position; the value follows through the law.
    fader->setPosition(float(std::pow(0.125, 1.0 / kExponent)));
    EXPECT_FLOAT_EQ(fader->getValue(), 0.5f);
    fader->setPosition(0.0f);
    EXPECT_EQ(fader->getValue(), 0.0f);
    fader->forget();
}

TEST_F(FaderValue, MeterRowsFollowTheLawInThreeZones)
{
    nFader* fader = makeFader(images, 0.5f);
    const MeterRows& rows = fader->getMeterRows();
    for (int32_t i = 0; i < MeterRows::kCount; ++i) {
        const float expected = float(8.0 * std::pow(double(1.0f - float(i) / 361.0f), kExponent));
        ASSERT_EQ(rows.level[i], expected) << i;
        const int32_t zone = i <= 106 ? 3 : i <= 147 ? 2 : 1;
        ASSERT_EQ(rows.zone[i], zone) << i;
    }
    EXPECT_GT(rows.level[106], 2.0f);
    EXPECT_LE(rows.level[107], 2.0f);
    EXPECT_GT(rows.level[147], 1.0f);
    EXPECT_LE(rows.level[148], 1.0f);
    EXPECT_EQ(rows.level[361], 0.0f);
    // Each zone opens with weight 1 and falls evenly to its last row.
    EXPECT_EQ(rows.weight[0], 1.0f);
    EXPECT_EQ(rows.weight[107], 1.0f);
    EXPECT_EQ(rows.weight[148], 1.0f);
    EXPECT_FLOAT_EQ(rows.weight[106], 1.0f - 106.0f / 107.0f);
    EXPECT_FLOAT_EQ(rows.weight[120], 1.0f - 13.0f / 41.0f);
    EXPECT_FLOAT_EQ(rows.weight[300], 1.0f - 152.0f / 213.0f);
    EXPECT_EQ(rows.weight[361], 0.0f);
    fader->forget();
}

TEST_F(FaderValue, ScaleLabelsOfTheNormalLawAndTheMeter)
{
    const std::vector<std::string> expected = {
        "18", "16",  "15",  "13",  "11",  "9",   "7",   "5",   "3",   "0",   "-3", "-6",
        "-9", "-13", "-17", "-21", "-27", "-33", "-40", "-50", "-64", "-88", "-00"};
    nFader* fader = makeFader(images, 0.3f);
    EXPECT_EQ(labelsEvery(*fader, 16, false), expected);
    EXPECT_EQ(labelsEvery(*fader, 16, true), expected);
    // The meter's labels stay on the normal law in fine mode.
    fader->setFineMode(true, 2);
    EXPECT_EQ(labelsEvery(*fader, 16, true), expected);
    fader->forget();
}

TEST_F(FaderValue, FineModeAtZeroDbWithRatioTwoLabelsSixDbEitherWay)
{
    nFader* fader = makeFader(images, 0.5f);
    fader->setFineMode(true, 0);
    ASSERT_TRUE(fader->isFineMode());
    EXPECT_EQ(fader->getFinePosition(), 0.5f);
    EXPECT_EQ(fader->getFineScale(), 1.0f);
    EXPECT_EQ(fader->getFineRatio(), 2.0f);
    EXPECT_EQ(labelsEvery(*fader, 32, false),
              (std::vector<std::string>{"6", "5", "4", "3", "2", "1", "-1", "-2", "-3", "-4", "-5",
                                        "-6"}));
    for (int32_t offset = 16; offset <= nFader::kTravel; offset += 32)
        EXPECT_EQ(label(*fader, offset, false), " ") << offset;
    EXPECT_FLOAT_EQ(fader->getValue(), 0.5f);
    fader->forget();
}

TEST_F(FaderValue, FineWindowNearTheTopShiftsDownAndKeepsTheValue)
{
    nFader* fader = makeFader(images, 0.9f);
    fader->setFineMode(true, 1);
    const float cube = 0.9f * 0.9f * 0.9f;
    EXPECT_NEAR(4.0f * cube, 2.916f, 0.0001f);
    EXPECT_FLOAT_EQ(fader->getFineScale(), 1.0f / 2.916f);
    EXPECT_NEAR(fader->getFinePosition(), 0.886f, 0.001f);
    EXPECT_FLOAT_EQ(fader->getValue(), 0.9f);
    // The window now reaches from +18.06 dB down by 24.08 dB.
    EXPECT_EQ(label(*fader, 0, false), "18");
    EXPECT_EQ(label(*fader, 352, false), "-6");
    fader->forget();
}

TEST_F(FaderValue, FineModeValuesInsideMoveTheCapOnlyAndOutsideRecentre)
{
    nFader* fader = makeFader(images, 0.5f);
    fader->setFineMode(true, 0);
    const float base = fader->getPosition();

    // +3 dB lies inside the +-6 dB window: only f moves, to 3/4.
    fader->setValue(valueOfDb(20.0 * std::log10(std::sqrt(2.0))));
    EXPECT_NEAR(fader->getFinePosition(), 0.75f, 0.0001f);
    EXPECT_EQ(fader->getPosition(), base);
    EXPECT_NEAR(fader->getValue(), valueOfDb(3.0103), 0.00001f);

    // -12 dB lies outside: a new window is centred on it.
    const float quiet = valueOfDb(-12.0);
    fader->setValue(quiet);
    EXPECT_TRUE(fader->isFineMode());
    EXPECT_EQ(fader->getFinePosition(), 0.5f);
    EXPECT_FLOAT_EQ(fader->getValue(), quiet);
    EXPECT_NEAR(capTop(*fader),
                (1.0 - std::pow(std::pow(double(quiet), 3.0), 1.0 / kExponent)) * 352.0, 0.01);
    fader->forget();
}

TEST_F(FaderValue, FineModeOffAndNewRangesKeepTheEffectiveValue)
{
    nFader* fader = makeFader(images, 0.5f);
    fader->setFineMode(true, 0);
    fader->setValue(valueOfDb(3.0));
    const float effective = fader->getValue();

    // Another range: the window is centred on the value reached, unless
    // its top would pass +18.06 dB.
    fader->setFineMode(true, 1);
    EXPECT_EQ(fader->getFineRatio(), 4.0f);
    EXPECT_EQ(fader->getFinePosition(), 0.5f);
    EXPECT_FLOAT_EQ(fader->getValue(), effective);
    fader->setFineMode(true, 2);
    EXPECT_EQ(fader->getFineRatio(), 8.0f);
    EXPECT_GT(fader->getFinePosition(), 0.5f);
    EXPECT_FLOAT_EQ(fader->getValue(), effective);

    fader->setValue(valueOfDb(6.0));
    const float later = fader->getValue();
    fader->setFineMode(false, 2);
    EXPECT_FALSE(fader->isFineMode());
    EXPECT_FLOAT_EQ(fader->getValue(), later);
    EXPECT_EQ(fader->getFineScale(), 1.0f);
    EXPECT_EQ(fader->getFinePosition(), 0.5f);
    fader->forget();
}

TEST_F(FaderValue, FineRangeWordsOutsideTheTableAreReduced)
{
    const struct {
        int32_t word;
        float ratio;
    } cases[] = {{0, 2.0f},
                 {1, 4.0f},
                 {2, 8.0f},
                 {3, 2.0f},
                 {5, 8.0f},
                 {-1, 2.0f},
                 {std::numeric_limits<int32_t>::min(), 2.0f},
                 {std::numeric_limits<int32_t>::max(), 4.0f}};
    for (const auto& c : cases) {
        nFader* fader = makeFader(images, 0.5f);
        fader->setFineMode(true, c.word);
        EXPECT_EQ(fader->getFineRatio(), c.ratio) << c.word;
        EXPECT_FLOAT_EQ(fader->getValue(), 0.5f) << c.word;
        fader->forget();
    }
}

TEST_F(FaderValue, ZeroGainInFineModeLeavesFineModeWithTheCapAtTheBottom)
{
    nFader* fader = makeFader(images, 0.5f);
    fader->setFineMode(true, 0);
    fader->setValue(0.0f);
    EXPECT_FALSE(fader->isFineMode());
    EXPECT_EQ(fader->getValue(), 0.0f);
    EXPECT_EQ(capTop(*fader), 352.0f);

    // Fine mode entered at 0 (the editor's default mode with the gain at 0)
    // follows the first gain above 0 instead of staying at 0.
    fader->setFineMode(true, 0);
    ASSERT_TRUE(fader->isFineMode());
    fader->setValue(0.5f);
    EXPECT_TRUE(fader->isFineMode());
    EXPECT_FLOAT_EQ(fader->getValue(), 0.5f);
    EXPECT_EQ(int32_t(capTop(*fader)), 144);
    EXPECT_EQ(fader->getFinePosition(), 0.5f);
    fader->forget();
}

TEST_F(FaderValue, SetValueOutsideFineModeStoresTheValueAsGiven)
{
    nFader* fader = makeFader(images, 0.25f);
    EXPECT_EQ(fader->getValue(), 0.25f);
    fader->setValue(0.7f);
    EXPECT_EQ(fader->getValue(), 0.7f);
    EXPECT_FALSE(fader->isFineMode());
    // The reset value is 0 dB whatever the first value was.
    EXPECT_EQ(fader->getResetValue(), 0.5f);
    fader->forget();
}

TEST_F(FaderValue, HostValuesMayArriveWhileTheWindowThreadDrawsAndSwitchesFineMode)
{
    nFader* fader = makeFader(images, 0.5f);
    auto* context = new gui::COffscreenContext(nullptr, 265, 534);
    std::thread host([&] {
        for (int i = 0; i < 3000; ++i) {
            fader->setValue(0.3f + 0.4f * float(i % 97) / 96.0f);
            fader->setDirty(true);
        }
    });
    for (int i = 0; i < 150; ++i) {
        fader->setFineMode(i % 3 != 0, i % 4);
        fader->draw(context);
        // Value and window may come from different host values; they stay numbers.
        const float value = fader->getValue();
        EXPECT_TRUE(std::isfinite(value) && value > 0.0f) << value;
    }
    host.join();
    fader->setFineMode(false, 0);
    fader->setValue(0.5f);
    EXPECT_EQ(fader->getValue(), 0.5f);
    EXPECT_EQ(int32_t(capTop(*fader)), 144);
    context->forget();
    fader->forget();
}

} // namespace
} // namespace tolvo
