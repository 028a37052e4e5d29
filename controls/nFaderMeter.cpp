// The gain fader's picture: the tick scale with its labels, the cap, the
// meter bar with its RMS line and labels, and the hold markers; and the meter
// levels that decide when the picture needs a redraw, and how much of it.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

#include "controls/CDIB.h"
#include "controls/TextLooks.h"
#include "controls/nFader.h"
#include "rules/GainLaw.h"
#include "rules/LevelText.h"

namespace {

// Layout of the 96 x 401 picture, in pixels.
constexpr int32_t kLayoutWidth = 96;
constexpr int32_t kLayoutHeight = 401;
constexpr int32_t kCapIndexRow = 23;
constexpr int32_t kScaleStep = 4;
constexpr int32_t kLeftTickEnd = 73;
constexpr int32_t kRightTickStart = 86;
constexpr int32_t kLongTick = 10;
constexpr int32_t kMiddleTick = 6;
constexpr int32_t kShortTick = 8;
constexpr int32_t kScaleLabelRight = 62;
constexpr int32_t kScaleLabelDrop = 20;
constexpr uint32_t kScaleColor = kCaptionColor;
constexpr int32_t kMeterTop = 20;
constexpr int32_t kMeterLabelCentre = 24;
constexpr int32_t kMeterLabelDrop = 17;
constexpr uint32_t kMeterLabelColor = 0x000000;
constexpr int32_t kBarLeft = 9;
constexpr int32_t kRmsLeft = 12;
constexpr int32_t kRmsStripColumn = 27;
constexpr int32_t kRmsPixels = 2;
constexpr int32_t kColourBlockBytes = 8 * 4;
constexpr int32_t kStripWidth = 4 * 8;
constexpr int32_t kMarkerLeft = 4;
constexpr int32_t kMarkerSpan = MeterRows::kCount - 1;
constexpr uint32_t kPeakHoldColor = 0x0000FF;
constexpr uint32_t kRmsHoldColor = 0x00AAFF;
// A hold marker: row lengths from its top, centred on its row.
constexpr int32_t kMarkerWidths[] = {2, 3, 5, 3, 2};
constexpr int32_t kMarkerRows = int32_t(std::size(kMarkerWidths));
constexpr int32_t kMarkerLongest = 5;
// The columns a meter change can touch (markers, bar, RMS line and meter
// labels); the fader's scale labels begin right of them.
constexpr int32_t kMeterBandRight = 40;

void paintSpan(uint8_t* row, int32_t fromX, int32_t toX, uint32_t rgb)
{
    for (int32_t x = fromX; x <= toX; ++x) {
        uint8_t* p = row + x * 4;
        p[0] = uint8_t(rgb);
        p[1] = uint8_t(rgb >> 8);
        p[2] = uint8_t(rgb >> 16);
    }
}

} // namespace

void nFader::setMeterLevels(const double* levels, bool withRms)
{
    if (!levels)
        return;
    for (int32_t i = kEnvelopeValues; i < kRmsValues; ++i)
        meterLevels[i] = float(levels[i]);
    if (withRms)
        for (int32_t i = kRmsValues; i < kPeakValues; ++i)
            meterLevels[i] = float(levels[i]);
    markDirtyIfMeterChanged();
}

void nFader::setHoldLevels(const double* levels)
{
    // As a level of the fader law: gain / 8, at most the top. A NaN stays
    // NaN (no marker); negative amounts sit at the bottom.
    if (!levels)
        return;
    for (int32_t i = 0; i < kNumShownHolds; ++i) {
        const double x = levels[i];
        if (std::isnan(x))
            holdLevels[i] = float(x);
        else
            holdLevels[i] = x < kTopGain ? std::max(0.0f, float(levelFromGain(x))) : 1.0f;
    }
    markDirtyIfMeterChanged();
}

void nFader::setPostFader(bool post)
{
    // The editor sets it at every idle; the same point changes nothing.
    if (post == postFader)
        return;
    postFader = post;
    markDirtyIfMeterChanged();
}

int nFader::shownPoint() const
{
    return postFader ? kOutputPoint : kInputPoint;
}

int32_t nFader::litRows(float level) const
{
    // The row levels fall from the top row down: the lit rows are the ones
    // from the first the level exceeds to the bottom.
    const float* first =
        std::partition_point(std::begin(rows.level), std::end(rows.level),
                             [level](float rowLevel) { return !(level > rowLevel); });
    return int32_t(std::end(rows.level) - first);
}

nFader::MeterPicture nFader::meterPicture() const
{
    MeterPicture picture;
    picture.barRows = litRows(meterLevels[envelopeIndex(shownPoint())]);
    picture.lineRows = litRows(meterLevels[rmsIndex(shownPoint())]);
    picture.peakHoldRow = holdMarkerRow(holdLevels[shownHoldIndex(kHeldPeak)]);
    picture.rmsHoldRow = holdMarkerRow(holdLevels[shownHoldIndex(kHeldRms)]);
    return picture;
}

void nFader::markDirtyIfMeterChanged()
{
    // The fader's own mark: the meter alone changed.
    if (!meterDrawn || !(meterPicture() == drawnMeter))
        nControl::setDirty(true);
}

void nFader::formatScaleLabel(int32_t offset, char* text, bool meter) const
{
    const float t = 1.0f - float(offset) / float(travel);
    if (isFineMode() && !meter) {
        const double ratio = fine.ratio();
        const float top = float(std::min(
            gainFromLevel(positionToLevel(position.load(std::memory_order_relaxed))) * ratio,
            double(kTopGain)));
        const float bottom = float(double(top) / (ratio * ratio));
        const double dB = decibelsFromGain(bottom) * double(1.0f - t) + decibelsFromGain(top) * t;
        formatWholeDecibels(dB, text, kLabelCapacity);
        // Every other label of the fine scale stays blank.
        if (offset & kLabelStep)
            std::snprintf(text, kLabelCapacity, " ");
        return;
    }
    const double gain = gainFromLevel(positionToLevel(t));
    if (gain == 0.0)
        std::snprintf(text, kLabelCapacity, "-00");
    else
        formatWholeDecibels(decibelsFromGain(float(gain)), text, kLabelCapacity);
}

void nFader::drawFaderScale(uint8_t* pixels)
{
    char text[kLabelCapacity];
    for (int32_t offset = 0; offset <= travel; offset += kScaleStep) {
        uint8_t* row = pixels + (offset + kCapIndexRow) * rowBytes;
        const int32_t phase = offset % kLabelStep;
        const int32_t length = phase == 0                ? kLongTick
                               : phase == kLabelStep / 2 ? kMiddleTick
                                                         : kShortTick;
        paintSpan(row, kLeftTickEnd - length + 1, kLeftTickEnd, kScaleColor);
        paintSpan(row, kRightTickStart, kRightTickStart + length - 1, kScaleColor);
        if (phase == 0) {
            formatScaleLabel(offset, text, false);
            font.drawText(pixels, rowBytes, kScaleLabelRight - font.measureText(text),
                          offset + kScaleLabelDrop, text, kScaleColor);
        }
    }
}

void nFader::drawCap(uint8_t* pixels, int32_t x, int32_t y, int32_t capWidth, int32_t capRows,
                     int32_t capRowBytes)
{
    const uint8_t* capPixels = cap->getPixels();
    const uint8_t* maskPixels = capMask->getPixels();
    if (!capPixels || !maskPixels || capMask->getWidth() != cap->getWidth() ||
        capMask->getHeight() != cap->getHeight())
        return;
    const int32_t columns = std::min({capWidth, cap->getWidth(), width - x});
    const int32_t lastRow = std::min({capRows, cap->getHeight(), height - y});
    for (int32_t r = std::max(0, -y); r < lastRow; ++r) {
        uint8_t* destination = pixels + (y + r) * rowBytes + x * 4;
        const uint8_t* source = capPixels + r * capRowBytes;
        const uint8_t* mask = maskPixels + r * capRowBytes;
        for (int32_t column = 0; column < columns; ++column) {
            const float keep = 1.0f - float(mask[column * 4]) / 255.0f;
            for (int32_t c = 0; c < 3; ++c) {
                uint8_t& d = destination[column * 4 + c];
                d = uint8_t(std::min(255.0f, float(d) * keep + float(source[column * 4 + c])));
            }
        }
    }
}

void nFader::drawMeter(uint8_t* pixels)
{
    drawMeterLabels(pixels, 0, height);
    drawMeterRows(pixels, 0, height);
}

void nFader::drawMeterLabels(uint8_t* pixels, int32_t firstRow, int32_t endRow)
{
    for (int32_t offset = 0; offset <= travel; offset += kLabelStep) {
        const int32_t labelTop = offset + kMeterLabelDrop;
        if (labelTop >= endRow || labelTop + kSmallDigitFont.glyphHeight <= firstRow)
            continue;
        const char* text = meterLabel(offset);
        font.drawText(pixels, rowBytes, kMeterLabelCentre - font.measureText(text) / 2, labelTop,
                      text, kMeterLabelColor);
    }
}

const char* nFader::meterLabel(int32_t offset)
{
    if (!meterLabelsMade) {
        for (size_t i = 0; i < meterLabels.size(); ++i)
            formatScaleLabel(int32_t(i) * kLabelStep, meterLabels[i].data(), true);
        meterLabelsMade = true;
    }
    return meterLabels[size_t(offset / kLabelStep)].data();
}

void nFader::drawMeterRows(uint8_t* pixels, int32_t firstRow, int32_t endRow)
{
    const uint8_t* strip = meterStrip->getPixels();
    if (!strip || meterStrip->getWidth() < kStripWidth)
        return;
    const float bar = meterLevels[envelopeIndex(shownPoint())];
    const float line = meterLevels[rmsIndex(shownPoint())];
    const int32_t lastStripRow = meterStrip->getHeight() - 1;
    const int32_t first = std::max(0, firstRow - kMeterTop);
    const int32_t end = std::min(MeterRows::kCount, endRow - kMeterTop);
    for (int32_t i = first; i < end; ++i) {
        // The strip has one row fewer than the meter: the last row takes
        // the colours of the one above.
        const uint8_t* stripRow = strip + std::min(i, lastStripRow) * stripRowBytes;
        uint8_t* row = pixels + (kMeterTop + i) * rowBytes;
        if (bar > rows.level[i]) {
            const float w = rows.weight[i];
            const uint8_t* lower = stripRow + kColourBlockBytes * (rows.zone[i] - 1);
            const uint8_t* upper = stripRow + kColourBlockBytes * rows.zone[i];
            uint8_t* destination = row + kBarLeft * 4;
            for (int32_t b = 0; b < kColourBlockBytes; ++b)
                destination[b] = uint8_t((1.0f - w) * float(lower[b]) + w * float(upper[b]));
        }
        if (line > rows.level[i])
            std::memcpy(row + kRmsLeft * 4, stripRow + kRmsStripColumn * 4, kRmsPixels * 4);
    }
}

void nFader::drawMarker(uint8_t* pixels, int32_t x, int32_t y, uint32_t color, bool rightAligned)
{
    const uint32_t rgb = (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
    for (int32_t r = 0; r < kMarkerRows; ++r) {
        const int32_t length = kMarkerWidths[r];
        const int32_t from = rightAligned ? x + kMarkerLongest - length : x;
        paintSpan(pixels + (y - kMarkerRows / 2 + r) * rowBytes, from, from + length - 1, rgb);
    }
}

int32_t nFader::holdMarkerRow(float level) const
{
    if (std::isnan(level))
        return kNoMarker;
    const float p = levelToPosition(level);
    return kMeterTop + int32_t((1.0f - p) * float(kMarkerSpan));
}

void nFader::drawHoldMarker(uint8_t* pixels, float level, uint32_t color)
{
    const int32_t row = holdMarkerRow(level);
    if (row != kNoMarker)
        drawMarker(pixels, kMarkerLeft, row, color, false);
}

void nFader::drawHoldMarkers(uint8_t* pixels)
{
    drawHoldMarker(pixels, holdLevels[shownHoldIndex(kHeldPeak)], kPeakHoldColor);
    drawHoldMarker(pixels, holdLevels[shownHoldIndex(kHeldRms)], kRmsHoldColor);
}

nFader::FaderPicture nFader::faderPicture() const
{
    FaderPicture shown;
    shown.capTop = capTopFor(capPlace());
    shown.fineMode = isFineMode();
    // The fine scale's labels follow the position and the window's ratio.
    if (shown.fineMode) {
        shown.position = position.load(std::memory_order_relaxed);
        shown.fineRatio = fine.ratio();
    }
    return shown;
}

bool nFader::onlyMeterMoved() const
{
    return meterDrawn && !wholeStale.load(std::memory_order_relaxed) &&
           faderPicture() == drawnFader;
}

void nFader::setDirty(bool state)
{
    if (state)
        wholeStale.store(true, std::memory_order_relaxed);
    nControl::setDirty(state);
}

bool nFader::isOpaque() const
{
    return stripOpaque && picture.covers(getViewSize());
}

gui::CRect nFader::meterChange(const MeterPicture& from, const MeterPicture& to) const
{
    int32_t first = height;
    int32_t end = 0;
    const auto include = [&first, &end](int32_t rowFrom, int32_t rowEnd) {
        first = std::min(first, rowFrom);
        end = std::max(end, rowEnd);
    };
    // The bar and the line light the rows from kCount - lit to the bottom.
    const auto litChange = [&include](int32_t oldLit, int32_t newLit) {
        if (oldLit != newLit)
            include(kMeterTop + MeterRows::kCount - std::max(oldLit, newLit),
                    kMeterTop + MeterRows::kCount - std::min(oldLit, newLit));
    };
    litChange(from.barRows, to.barRows);
    litChange(from.lineRows, to.lineRows);
    const auto markerChange = [&include](int32_t oldRow, int32_t newRow) {
        if (oldRow == newRow)
            return;
        for (const int32_t row : {oldRow, newRow})
            if (row != kNoMarker)
                include(row - kMarkerRows / 2, row - kMarkerRows / 2 + kMarkerRows);
    };
    markerChange(from.peakHoldRow, to.peakHoldRow);
    markerChange(from.rmsHoldRow, to.rmsHoldRow);
    if (first >= end)
        return gui::CRect();
    // Labels blend into what is beneath them, so a restored band holds each
    // label it crosses whole.
    for (int32_t offset = 0; offset <= travel; offset += kLabelStep) {
        const int32_t labelTop = offset + kMeterLabelDrop;
        if (labelTop < end && labelTop + kSmallDigitFont.glyphHeight > first)
            include(labelTop, labelTop + kSmallDigitFont.glyphHeight);
    }
    return gui::CRect(0, std::max(0, first), kMeterBandRight, std::min(height, end));
}

void nFader::invalid()
{
    if (!onlyMeterMoved()) {
        nControl::invalid();
        return;
    }
    nControl::setDirty(false);
    gui::CRect band = meterChange(drawnMeter, meterPicture());
    if (band.isEmpty())
        return;
    band.offset(left, top);
    invalidRect(band);
}

void nFader::composeWhole(uint8_t* pixels)
{
    drawFaderScale(pixels);
    drawCap(pixels, kCapLeft, capTopFor(capPlace()), cap->getWidth(), cap->getHeight(),
            cap->getRowBytes());
    drawMeter(pixels);
    drawHoldMarkers(pixels);
}

void nFader::draw(gui::CDrawContext* context)
{
    const MeterPicture shownMeter = meterPicture();
    const bool fits = width >= kLayoutWidth && height >= kLayoutHeight;
    if (onlyMeterMoved()) {
        const gui::CRect band = meterChange(drawnMeter, shownMeter);
        uint8_t* pixels = band.isEmpty() ? nullptr : picture.restore(band);
        if (pixels && fits) {
            drawMeterLabels(pixels, band.top, band.bottom);
            drawMeterRows(pixels, band.top, band.bottom);
            drawHoldMarkers(pixels);
        }
    } else {
        wholeStale.store(false, std::memory_order_relaxed);
        drawnFader = faderPicture();
        uint8_t* pixels = picture.compose();
        if (pixels && fits)
            composeWhole(pixels);
    }
    drawnMeter = shownMeter;
    meterDrawn = true;
    picture.present(context, isOpaque());
}
