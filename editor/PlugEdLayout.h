// The editor's layout: its size, the tags by which controls and parameters
// meet, the image resources and the rectangle of every control over the
// 265 x 534 panel.
#pragma once

#include <cstdint>

#include "resources/ResourceIds.h"
#include "view/CRect.h"

namespace editorLayout {

constexpr int32_t kWidth = 265;
constexpr int32_t kHeight = 534;

// Tags below kFirstEditorTag are parameter indices; the others belong to the
// editor alone.
constexpr int32_t kFirstEditorTag = 500;
constexpr int32_t kTagPre = 500;
constexpr int32_t kTagFine = 501;
constexpr int32_t kTagSettings = 502;
constexpr int32_t kTagPeak = 504;
constexpr int32_t kTagPeak2 = 505;
constexpr int32_t kTagRms = 508;
constexpr int32_t kTagRms2 = 509;

// The value read for a tag no control holds (no window, or no such control).
constexpr float kNoControl = -1.0f;

// Image resources.
constexpr int32_t kFlipStrip = resources::kButtonFlip;
constexpr int32_t kFaderCap = resources::kFaderCap;
constexpr int32_t kMuteStrip = resources::kButtonMute;
constexpr int32_t kCapMask = resources::kFaderCapMask;
constexpr int32_t kBypassStrip = resources::kButtonBypass;
constexpr int32_t kPreStrip = resources::kButtonPre;
constexpr int32_t kFineStrip = resources::kButtonFine;
constexpr int32_t kSmallDigits = resources::kDigitsSmall;
constexpr int32_t kLargeDigits = resources::kDigitsLarge;
constexpr int32_t kLogo = resources::kLogo;
constexpr int32_t kPanel = resources::kPanel;
constexpr int32_t kMeterStrip = resources::kMeterColours;
constexpr int32_t kOptionMarker = resources::kOptionMark;
constexpr int32_t kSettingsButtons = resources::kSettingsButtonsLit;
constexpr int32_t kSettingsPage = resources::kSettings;

// A rectangle from its top-left corner and size.
constexpr gui::CRect placed(int32_t left, int32_t top, int32_t width, int32_t height)
{
    return gui::CRect(left, top, left + width, top + height);
}

// The controls, in the order they are created and added to the frame.
constexpr gui::CRect kFaderRect = placed(57, 48, 96, 401);
constexpr gui::CRect kTrimDialRect = placed(180, 156, 31, 31);
constexpr gui::CRect kFlipRect = placed(179, 297, 52, 19);
constexpr gui::CRect kMuteRect = placed(179, 371, 52, 19);
constexpr gui::CRect kBypassRect = placed(179, 334, 52, 19);
constexpr gui::CRect kPreRect = placed(58, 448, 38, 20);
constexpr gui::CRect kFineRect = placed(179, 408, 52, 19);
constexpr gui::CRect kGainFieldRect = placed(110, 453, 57, 14);
constexpr gui::CRect kTrimFieldRect = placed(168, 194, 57, 14);
constexpr gui::CRect kPeakRect = placed(179, 65, 33, 10);
constexpr gui::CRect kRmsRect = placed(179, 108, 33, 10);
constexpr gui::CRect kLogoRect = placed(7, 71, 39, 52);

// The entry fields' view size reaches this far past their rectangle, so the
// native edit box has room; their mouse area stays the rectangle.
constexpr int32_t kFieldGrowX = 1;
constexpr int32_t kFieldGrowY = 4;

constexpr gui::CRect grownField(const gui::CRect& rect)
{
    return gui::CRect(rect.left - kFieldGrowX, rect.top - kFieldGrowY, rect.right + kFieldGrowX,
                      rect.bottom + kFieldGrowY);
}

// A dial turns 360 degrees over its value range.
constexpr float kDialDegrees = 360.0f;
constexpr float kDialResetValue = 0.5f;

} // namespace editorLayout
