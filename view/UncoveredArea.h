// The part of a rectangle that a set of covering rectangles leaves showing,
// kept as a short list of disjoint rectangles.
#pragma once

#include <cstdint>

#include "view/CRect.h"

namespace gui {

class UncoveredArea {
public:
    // At most this many pieces are kept; a cover that would need more gives
    // up and answers the whole rectangle again (painting more is always safe).
    static constexpr int32_t kCapacity = 16;

    explicit UncoveredArea(const CRect& whole);

    // Takes the cover's pixels out of the area.
    void cover(const CRect& covering);

    int32_t count() const { return pieceCount; }
    const CRect& operator[](int32_t index) const { return pieces[index]; }

private:
    CRect whole;
    CRect pieces[kCapacity];
    int32_t pieceCount = 0;
    bool gaveUp = false;
};

} // namespace gui
