#pragma once

#include <array>
#include <cstdint>

#include "controls/BitmapFont.h"
#include "controls/FaderLaw.h"
#include "controls/FineWindow.h"
#include "controls/nControl.h"
#include "rules/MeterReadout.h"

// The gain fader (96 x 401) with the level meter beside it. From the left:
// hold markers, the meter bar with its RMS line and dB labels, then the
// fader's tick scale with its labels and the draggable cap (x 64 onward).
//
// Values: v is the normalized Gain parameter (gain 8 v^3), kept in the
// framework's value; the cap's place p (0 bottom .. 1 top) is the position,
// with v^3 = p^k (FaderLaw). Fine mode turns the travel into a window of
// +-6, +-12 or +-18 dB around v (the window's base), linear in dB, held by
// a FineWindow; the cap then shows the fine position f (0.5 the centre) and
// the effective value is (S R^(2f-1) v^3)^(1/3), S shifting the window down
// so that its top never passes +18.06 dB.
//
// Threads: every operation is [UI], the window thread; host changes reach the
// fader at the editor's idle. The fader must never be handed to a host thread:
// in fine mode setValue stores the window's scale, ratio, base and position
// one by one, so a draw or another setValue running meanwhile would see a
// window that is half moved.
class nFader : public nControl {
public:
    static constexpr int32_t kTravel = 352;
    // The cap's column: presses left of it miss the fader.
    static constexpr int32_t kCapLeft = 64;
    // Size of a label text buffer for formatScaleLabel.
    static constexpr int32_t kLabelCapacity = 16;
    // Pixels along the travel from one scale label to the next.
    static constexpr int32_t kLabelStep = 16;

    nFader(const gui::CRect& size, int32_t tag, gui::CControlListener* listener, int32_t capId,
           int32_t maskId, int32_t meterStripId, CDIB* smallDigits, CDIB* background,
           float initialValue);
    ~nFader() override;

    // Recomposes the whole picture after any change but the meter's; when
    // only the meter moved, recomposes just the rows it changed.
    void draw(gui::CDrawContext* context) override;
    // Any dirty mark from outside the meter asks for a whole recompose.
    void setDirty(bool state = true) override;
    // When only the meter moved: invalidates just the band of rows it changed.
    void invalid() override;
    // The picture covers the whole rectangle when the panel under it and the
    // meter strip are opaque.
    bool isOpaque() const override;
    gui::CMouseEventResult onMouseDown(const gui::CPoint& where,
                                       gui::CButtonState buttons) override;
    gui::CMouseEventResult onMouseUp(const gui::CPoint& where, gui::CButtonState buttons) override;
    gui::CMouseEventResult onMouseMoved(const gui::CPoint& where,
                                        gui::CButtonState buttons) override;
    void setValue(float newValue) override;
    // The effective value; v itself outside fine mode.
    float getValue() const override;

    virtual float positionToLevel(float p) const;
    virtual float levelToPosition(float r) const;
    // One scale label for the pixel offset along the travel: the fader's
    // (fine window in fine mode) or, with meter set, the meter's.
    virtual void formatScaleLabel(int32_t offset, char* text, bool meter) const;
    virtual void drawFaderScale(uint8_t* pixels);
    virtual void drawMeter(uint8_t* pixels);
    // Five rows centred on y; colour 0x00BBGGRR.
    virtual void drawMarker(uint8_t* pixels, int32_t x, int32_t y, uint32_t color,
                            bool rightAligned);
    virtual void drawHoldMarkers(uint8_t* pixels);
    // Eight values of linear amplitude (the engine's meter readout order);
    // the RMS half (entries 4..7) is taken only when withRms is set. This,
    // setHoldLevels and setPostFader mark the fader dirty only when the
    // meter's lit rows or hold markers would change.
    virtual void setMeterLevels(const double* levels, bool withRms);
    // Four held values of linear amplitude; 0 is the peak, 2 the RMS hold.
    virtual void setHoldLevels(const double* levels);
    virtual void setPostFader(bool post);
    // rangeIndex is the fine-range settings word (0, 1, 2 for +-6, +-12,
    // +-18 dB; other words are reduced as the engine does).
    virtual void setFineMode(bool on, int32_t rangeIndex);
    virtual void setPosition(float p);
    // Composites the cap over the pixels at (x, y), clipped to the control.
    virtual void drawCap(uint8_t* pixels, int32_t x, int32_t y, int32_t capWidth, int32_t rows,
                         int32_t capRowBytes);

    bool isFineMode() const { return fine.isOn(); }
    float getFinePosition() const { return fine.place(); }
    float getFineScale() const { return fine.scale(); }
    float getFineRatio() const { return fine.ratio(); }
    float getPosition() const { return position.load(std::memory_order_relaxed); }
    const MeterRows& getMeterRows() const { return rows; }

private:
    // The cap's top row for a place on the travel (p or f), kept on the travel.
    int32_t capTopFor(float place) const;
    // f in fine mode, the position otherwise.
    float capPlace() const;
    // Fine mode off and on again around x.
    void recentreFineWindow(float x, int32_t rangeIndex);
    // Paints one hold marker for a level (gain / 8); NaN paints none.
    void drawHoldMarker(uint8_t* pixels, float level, uint32_t color);
    // The centre row of a hold marker for a level, or kNoMarker for NaN.
    int32_t holdMarkerRow(float level) const;

    // What the meter part of the picture shows: how many rows the bar and the
    // RMS line light, and where the two hold markers sit. Levels that change
    // none of these need no redraw.
    struct MeterPicture {
        int32_t barRows = 0;
        int32_t lineRows = 0;
        int32_t peakHoldRow = 0;
        int32_t rmsHoldRow = 0;
        bool operator==(const MeterPicture& other) const
        {
            return barRows == other.barRows && lineRows == other.lineRows &&
                   peakHoldRow == other.peakHoldRow && rmsHoldRow == other.rmsHoldRow;
        }
    };
    static constexpr int32_t kNoMarker = -1;
    MeterPicture meterPicture() const;
    // The metering point the meter shows: after the gain stage or before.
    int shownPoint() const;
    // Rows of the meter lit by a level.
    int32_t litRows(float level) const;
    // Marks the fader dirty when the meter would now look different from its
    // last draw.
    void markDirtyIfMeterChanged();

    // What the fader part of the picture shows: a change here recomposes all.
    struct FaderPicture {
        int32_t capTop = 0;
        bool fineMode = false;
        float position = 0.0f;
        float fineRatio = 0.0f;
        bool operator==(const FaderPicture& other) const
        {
            return capTop == other.capTop && fineMode == other.fineMode &&
                   position == other.position && fineRatio == other.fineRatio;
        }
    };
    FaderPicture faderPicture() const;
    // True when the composed picture differs from the current state in the
    // meter only.
    bool onlyMeterMoved() const;
    // The rows (in the picture) and columns that change between two meter
    // pictures, widened to whole meter labels; empty when nothing changes.
    gui::CRect meterChange(const MeterPicture& from, const MeterPicture& to) const;
    void composeWhole(uint8_t* pixels);
    // The meter labels that cross rows firstRow..endRow (exclusive).
    void drawMeterLabels(uint8_t* pixels, int32_t firstRow, int32_t endRow);
    // The meter's label at a pixel offset along the travel (a multiple of
    // kLabelStep); the texts depend on the offset alone and are made once.
    const char* meterLabel(int32_t offset);
    // The bar and the RMS line on picture rows firstRow..endRow (exclusive).
    void drawMeterRows(uint8_t* pixels, int32_t firstRow, int32_t endRow);

    gui::OwnedReference<CDIB> cap;
    gui::OwnedReference<CDIB> capMask;
    gui::OwnedReference<CDIB> meterStrip;
    BitmapFont font;
    int32_t stripRowBytes;
    MeterRows rows;
    // The envelopes and RMS levels, in readout order.
    float meterLevels[kPeakValues] = {};
    float holdLevels[kNumShownHolds] = {};
    FineWindow fine;
    bool postFader = false;
    std::array<std::array<char, kLabelCapacity>, kTravel / kLabelStep + 1> meterLabels{};
    bool meterLabelsMade = false;
    // The meter as the last draw showed it; none before the first draw.
    MeterPicture drawnMeter;
    bool meterDrawn = false;
    // The fader part as the last whole recompose showed it.
    FaderPicture drawnFader;
    // Set by dirty marks from outside the meter, cleared by a whole recompose.
    std::atomic<bool> wholeStale{true};
    bool stripOpaque;
    int32_t travel = kTravel;
    int32_t lastDragY = 0;
    int32_t previousDragY = 0;
    float dragStart = 0.0f;
};
