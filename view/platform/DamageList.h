// The areas of a window waiting to be repainted, kept as a few rectangles
// rather than one bounding box: a meter at one edge and a readout at the
// other repaint two small areas, not everything between them. Rectangles that
// overlap, or lie so close that one would cost little more than two, are
// merged; past kMaxAreas a new one joins the area it enlarges least.
#pragma once

#include <vector>

#include "view/CRect.h"

namespace gui {

class DamageList {
public:
    static constexpr size_t kMaxAreas = 8;
    // Pixels a merge may add beyond the two areas' own before they stay apart.
    static constexpr int64_t kMergeSlack = 256;

    explicit DamageList(const CRect& bounds) : bounds(bounds) {}

    // Areas outside the bounds are cut off; empty ones are ignored.
    void add(const CRect& rect);
    void setBounds(const CRect& newBounds);
    bool isEmpty() const { return areas.empty(); }
    const std::vector<CRect>& getAreas() const { return areas; }
    // Moves the areas into taken (whose old content is dropped) and starts over.
    void takeInto(std::vector<CRect>& taken);

private:
    void mergeFrom(size_t index);

    CRect bounds;
    std::vector<CRect> areas;
};

} // namespace gui
