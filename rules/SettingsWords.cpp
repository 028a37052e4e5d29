// How every reader reduces a settings word to its choice.
#include "rules/SettingsWords.h"

namespace {

constexpr int32_t kThreeWayChoices = 3;
constexpr int32_t kBallisticsMask = 3;

} // namespace

int32_t settingChoice(int word, int32_t value)
{
    if (word < 0 || word >= kNumSettings || value < 0)
        return 0;
    switch (word) {
    case kSettingFineRange:
    case kSettingTrimRange:
    case kSettingPanLaw:
        return value % kThreeWayChoices;
    case kSettingBallistics:
        return value & kBallisticsMask;
    default:
        return value != 0 ? 1 : 0;
    }
}
