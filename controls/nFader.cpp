#include "controls/nFader.h"

#include "controls/CDIB.h"
#include "view/CControlListener.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

// Layout of the 96 x 401 picture, in pixels.
constexpr int32_t kLayoutWidth = 96;
constexpr int32_t kLayoutHeight = 401;
constexpr int32_t kCapLeft = 64;
constexpr int32_t kCapIndexRow = 23;
constexpr int32_t kCapHalfHeight = 29;
constexpr int32_t kGrabSlack = 2;
constexpr int32_t kScaleStep = 4;
constexpr int32_t kLabelStep = 16;
constexpr int32_t kLeftTickEnd = 73;
constexpr int32_t kRightTickStart = 86;
constexpr int32_t kLongTick = 10;
constexpr int32_t kMiddleTick = 6;
constexpr int32_t kShortTick = 8;
constexpr int32_t kScaleLabelRight = 62;
constexpr int32_t kScaleLabelDrop = 20;
constexpr uint32_t kScaleColor = 0xC5C5C5;
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
constexpr int32_t kMarkerWidths[5] = {2, 3, 5, 3, 2};
constexpr int32_t kMarkerLongest = 5;

// Linear ratios of the fine ranges +-6.02, +-12.04 and +-18.06 dB.
constexpr float kFineRatios[3] = {2.0f, 4.0f, 8.0f};
constexpr double kFineWindowTolerance = 0.000001;
constexpr float kShiftFactor = 0.1f;

// The settings word as the engine reads it: modulo 3, negative words as 0.
int32_t fineRatioIndex(int32_t rangeIndex)
{
    return rangeIndex < 0 ? 0 : rangeIndex % 3;
}

float clampUnit(float x)
{
    return std::min(1.0f, std::max(0.0f, x));
}

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

nFader::nFader(const gui::CRect& size, int32_t tag, gui::CControlListener* listener, int32_t capId,
               int32_t maskId, int32_t meterStripId, CDIB* smallDigits, CDIB* background, float initialValue)
    : nControl(size, listener, tag, background, initialValue),
      cap(new CDIB(capId)),
      capMask(new CDIB(maskId)),
      meterStrip(new CDIB(meterStripId)),
      font(smallDigits, 6, 9, -1),
      stripRowBytes(meterStrip->getWidth() * 4)
{
    resetValue = 0.5f;
    setValue(initialValue);
}

nFader::~nFader() = default;

float nFader::positionToLevel(float p) const
{
    return FaderLaw::positionToLevel(p);
}

float nFader::levelToPosition(float r) const
{
    return FaderLaw::levelToPosition(r);
}

void nFader::setPosition(float p)
{
    position.store(p, std::memory_order_relaxed);
    value.store(p != 0.0f ? float(std::cbrt(double(positionToLevel(p)))) : 0.0f, std::memory_order_relaxed);
}

void nFader::setValue(float x)
{
    if (isFineMode()) {
        const float v = value.load(std::memory_order_relaxed);
        const int32_t rangeIndex = fineRangeIndex.load(std::memory_order_relaxed);
        if (!(x > 0.0f)) {
            // Gain 0 (automation, or "-inf" typed): the cap goes to the
            // bottom; the idle step turns fine mode on again once the gain
            // rises above 0.
            setFineMode(false, rangeIndex);
            value.store(x, std::memory_order_relaxed);
        } else if (!(v > 0.0f)) {
            // A window around 0 holds no other value: open one around x.
            recentreFineWindow(x, rangeIndex);
        } else {
            const double q = double(x) * x * x / (double(v) * v * v);
            const double scale = fineScale.load(std::memory_order_relaxed);
            const double ratio = fineRatio.load(std::memory_order_relaxed);
            const double t = (std::log(q / scale) / std::log(ratio) + 1.0) * 0.5;
            if (t < -kFineWindowTolerance || t > 1.0 + kFineWindowTolerance)
                recentreFineWindow(x, rangeIndex);
            else
                finePosition.store(clampUnit(float(t)), std::memory_order_relaxed);
        }
    } else {
        value.store(x, std::memory_order_relaxed);
    }
    const float v = value.load(std::memory_order_relaxed);
    position.store(levelToPosition(v * v * v), std::memory_order_relaxed);
}

void nFader::recentreFineWindow(float x, int32_t rangeIndex)
{
    setFineMode(false, rangeIndex);
    value.store(x, std::memory_order_relaxed);
    setFineMode(true, rangeIndex);
}

float nFader::getValue() const
{
    const float v = value.load(std::memory_order_relaxed);
    if (v == 0.0f)
        return 0.0f;
    const double scale = fineScale.load(std::memory_order_relaxed);
    const double ratio = fineRatio.load(std::memory_order_relaxed);
    const double fine = finePosition.load(std::memory_order_relaxed);
    return float(std::pow(scale * std::pow(ratio, 2.0 * fine - 1.0) * double(v) * v * v, 1.0 / 3.0));
}

void nFader::setFineMode(bool on, int32_t rangeIndex)
{
    if (rangeIndex != fineRangeIndex.load(std::memory_order_relaxed) && on) {
        // A new range: the effective value becomes the plain value first.
        fineMode.store(false, std::memory_order_relaxed);
        setValue(getValue());
    }
    if (on == isFineMode())
        return;
    fineMode.store(on, std::memory_order_relaxed);
    fineRangeIndex.store(rangeIndex, std::memory_order_relaxed);
    if (on) {
        float fine = 0.5f;
        float scale = 1.0f;
        const float ratio = kFineRatios[fineRatioIndex(rangeIndex)];
        const float v = value.load(std::memory_order_relaxed);
        const float cube = v * v * v;
        if (ratio * cube > 1.0f) {
            // The window's top would pass +18.06 dB: shift it down, keeping
            // the effective value at v.
            scale = 1.0f / (cube * ratio);
            fine = (1.0f - std::log(scale) / std::log(ratio)) * 0.5f;
        }
        fineRatio.store(ratio, std::memory_order_relaxed);
        fineScale.store(scale, std::memory_order_relaxed);
        finePosition.store(fine, std::memory_order_relaxed);
    } else {
        setValue(getValue());
        fineScale.store(1.0f, std::memory_order_relaxed);
        finePosition.store(0.5f, std::memory_order_relaxed);
    }
    setDirty(true);
}

void nFader::setMeterLevels(const double* levels, bool withRms)
{
    if (!levels)
        return;
    for (int32_t i = 0; i < 4; ++i)
        meterLevels[i] = float(levels[i]);
    if (withRms)
        for (int32_t i = 4; i < 8; ++i)
            meterLevels[i] = float(levels[i]);
    markDirtyIfMeterChanged();
}

void nFader::setHoldLevels(const double* levels)
{
    // As a level of the fader law: gain / 8, at most the top. A NaN stays
    // NaN (no marker); negative amounts sit at the bottom.
    if (!levels)
        return;
    for (int32_t i = 0; i < 4; ++i) {
        const double x = levels[i];
        if (std::isnan(x))
            holdLevels[i] = float(x);
        else
            holdLevels[i] = x < MeterRows::kTopGain ? std::max(0.0f, float(x * 0.125)) : 1.0f;
    }
    markDirtyIfMeterChanged();
}

void nFader::setPostFader(bool post)
{
    postFader = post;
    markDirtyIfMeterChanged();
}

int32_t nFader::litRows(float level) const
{
    // The row levels fall from the top row down: the lit rows are the ones
    // from the first the level exceeds to the bottom.
    const float* first = std::partition_point(std::begin(rows.level), std::end(rows.level),
                                              [level](float rowLevel) { return !(level > rowLevel); });
    return int32_t(std::end(rows.level) - first);
}

nFader::MeterPicture nFader::meterPicture() const
{
    MeterPicture picture;
    picture.barRows = litRows(postFader ? meterLevels[2] : meterLevels[0]);
    picture.lineRows = litRows(postFader ? meterLevels[6] : meterLevels[4]);
    picture.peakHoldRow = holdMarkerRow(holdLevels[0]);
    picture.rmsHoldRow = holdMarkerRow(holdLevels[2]);
    return picture;
}

void nFader::markDirtyIfMeterChanged()
{
    if (!meterDrawn || !(meterPicture() == drawnMeter))
        setDirty(true);
}

void nFader::formatScaleLabel(int32_t offset, char* text, bool meter) const
{
    const float t = 1.0f - float(offset) / float(travel);
    if (isFineMode() && !meter) {
        const double ratio = fineRatio.load(std::memory_order_relaxed);
        const float top = float(std::min(double(MeterRows::kTopGain) *
                                             positionToLevel(position.load(std::memory_order_relaxed)) * ratio,
                                         double(MeterRows::kTopGain)));
        const float bottom = float(double(top) / (ratio * ratio));
        const double dB = 20.0 * double(std::log10(bottom)) * double(1.0f - t) + 20.0 * double(std::log10(top)) * t;
        std::snprintf(text, kLabelCapacity, "%-.0f", dB);
        // Every other label of the fine scale stays blank.
        if (offset & kLabelStep)
            std::snprintf(text, kLabelCapacity, " ");
        return;
    }
    const double gain = double(positionToLevel(t)) * MeterRows::kTopGain;
    if (gain == 0.0)
        std::snprintf(text, kLabelCapacity, "-00");
    else
        std::snprintf(text, kLabelCapacity, "%-.0f", 20.0 * double(std::log10(float(gain))));
}

void nFader::drawFaderScale(uint8_t* pixels)
{
    char text[kLabelCapacity];
    for (int32_t offset = 0; offset <= travel; offset += kScaleStep) {
        uint8_t* row = pixels + (offset + kCapIndexRow) * rowBytes;
        const int32_t phase = offset % kLabelStep;
        const int32_t length = phase == 0 ? kLongTick : phase == kLabelStep / 2 ? kMiddleTick : kShortTick;
        paintSpan(row, kLeftTickEnd - length + 1, kLeftTickEnd, kScaleColor);
        paintSpan(row, kRightTickStart, kRightTickStart + length - 1, kScaleColor);
        if (phase == 0) {
            formatScaleLabel(offset, text, false);
            font.drawText(pixels, rowBytes, kScaleLabelRight - font.measureText(text), offset + kScaleLabelDrop,
                          text, kScaleColor);
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
    char text[kLabelCapacity];
    for (int32_t offset = 0; offset <= travel; offset += kLabelStep) {
        formatScaleLabel(offset, text, true);
        font.drawText(pixels, rowBytes, kMeterLabelCentre - font.measureText(text) / 2, offset + kMeterLabelDrop,
                      text, kMeterLabelColor);
    }

    const uint8_t* strip = meterStrip->getPixels();
    if (!strip || meterStrip->getWidth() < kStripWidth)
        return;
    const float bar = postFader ? meterLevels[2] : meterLevels[0];
    const float line = postFader ? meterLevels[6] : meterLevels[4];
    const int32_t lastStripRow = meterStrip->getHeight() - 1;
    for (int32_t i = 0; i < MeterRows::kCount; ++i) {
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
    for (int32_t r = 0; r < 5; ++r) {
        const int32_t length = kMarkerWidths[r];
        const int32_t from = rightAligned ? x + kMarkerLongest - length : x;
        paintSpan(pixels + (y - 2 + r) * rowBytes, from, from + length - 1, rgb);
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
    drawHoldMarker(pixels, holdLevels[0], kPeakHoldColor);
    drawHoldMarker(pixels, holdLevels[2], kRmsHoldColor);
}

float nFader::capPlace() const
{
    return isFineMode() ? finePosition.load(std::memory_order_relaxed) : position.load(std::memory_order_relaxed);
}

int32_t nFader::capTopFor(float place) const
{
    // Values from outside 0..1 (or NaN) keep the cap on its travel.
    const float onTravel = place > 1.0f ? 1.0f : place >= 0.0f ? place : 0.0f;
    return int32_t((1.0f - onTravel) * float(travel));
}

void nFader::draw(gui::CDrawContext* context)
{
    drawnMeter = meterPicture();
    meterDrawn = true;
    uint8_t* pixels = picture.compose();
    if (pixels && width >= kLayoutWidth && height >= kLayoutHeight) {
        drawFaderScale(pixels);
        drawCap(pixels, kCapLeft, capTopFor(capPlace()), cap->getWidth(), cap->getHeight(), cap->getRowBytes());
        drawMeter(pixels);
        drawHoldMarkers(pixels);
    }
    picture.present(context);
}

gui::CMouseEventResult nFader::onMouseDown(const gui::CPoint& where, gui::CButtonState buttons)
{
    if (!hits(where, kCapLeft))
        return gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    if (buttons & kResetButtons) {
        nControl::beginEdit();
        if (isFineMode())
            finePosition.store(0.5f, std::memory_order_relaxed);
        else
            setValue(resetValue);
        if (listener)
            listener->valueChanged(this);
        if (isDirty())
            invalid();
        nControl::endEdit();
        return gui::kMouseDownEventHandledButDontNeedMovedOrUpEvents;
    }
    lastDragY = where.y - top;
    const int32_t capTop = capTopFor(capPlace());
    if (std::abs(kCapHalfHeight + capTop - lastDragY) > kCapHalfHeight + kGrabSlack)
        return gui::kMouseEventHandled;
    dragStart = capPlace();
    beginDrag();
    return gui::kMouseEventHandled;
}

gui::CMouseEventResult nFader::onMouseMoved(const gui::CPoint& where, gui::CButtonState buttons)
{
    if (!isDragging())
        return gui::kMouseEventHandled;
    previousDragY = lastDragY;
    lastDragY = where.y - top;
    float change = -float(lastDragY - previousDragY) / float(travel);
    if (buttons & gui::kShift)
        change *= kShiftFactor;
    if (isFineMode())
        finePosition.store(clampUnit(finePosition.load(std::memory_order_relaxed) + change),
                           std::memory_order_relaxed);
    else
        setPosition(clampUnit(position.load(std::memory_order_relaxed) + change));
    if (listener)
        listener->valueChanged(this);
    if (isDirty())
        invalid();
    return gui::kMouseEventHandled;
}

gui::CMouseEventResult nFader::onMouseUp(const gui::CPoint&, gui::CButtonState)
{
    if (!isDragging())
        return gui::kMouseEventHandled;
    const float span = float(travel);
    endDrag(int32_t((1.0f - capPlace()) * span - (1.0f - dragStart) * span));
    return gui::kMouseEventHandled;
}
