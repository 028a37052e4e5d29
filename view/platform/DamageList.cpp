#include "view/platform/DamageList.h"

#include <algorithm>
#include <cstdint>

namespace gui {

namespace {

int64_t areaOf(const CRect& rect)
{
    return int64_t(rect.width()) * int64_t(rect.height());
}

CRect unionOf(const CRect& a, const CRect& b)
{
    return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                 std::max(a.bottom, b.bottom));
}

// What merging the two would repaint beyond the pixels of both.
int64_t mergeCost(const CRect& a, const CRect& b)
{
    CRect common = a;
    common.bound(b);
    return areaOf(unionOf(a, b)) - areaOf(a) - areaOf(b) + areaOf(common);
}

} // namespace

void DamageList::add(const CRect& rect)
{
    CRect bounded = rect;
    bounded.bound(bounds);
    if (bounded.isEmpty())
        return;
    for (size_t i = 0; i < areas.size(); ++i) {
        if (mergeCost(areas[i], bounded) <= kMergeSlack) {
            areas[i] = unionOf(areas[i], bounded);
            mergeFrom(i);
            return;
        }
    }
    if (areas.size() < kMaxAreas) {
        areas.push_back(bounded);
        return;
    }
    size_t cheapest = 0;
    for (size_t i = 1; i < areas.size(); ++i) {
        if (mergeCost(areas[i], bounded) < mergeCost(areas[cheapest], bounded))
            cheapest = i;
    }
    areas[cheapest] = unionOf(areas[cheapest], bounded);
    mergeFrom(cheapest);
}

// An area that grew may now take in others; those are folded into it until
// no pair is worth merging.
void DamageList::mergeFrom(size_t index)
{
    for (size_t i = 0; i < areas.size();) {
        if (i != index && mergeCost(areas[i], areas[index]) <= kMergeSlack) {
            areas[index] = unionOf(areas[index], areas[i]);
            areas.erase(areas.begin() + std::ptrdiff_t(i));
            if (i < index)
                --index;
            i = 0;
        } else {
            ++i;
        }
    }
}

void DamageList::setBounds(const CRect& newBounds)
{
    bounds = newBounds;
    std::vector<CRect> old;
    old.swap(areas);
    for (const CRect& area : old)
        add(area);
}

void DamageList::takeInto(std::vector<CRect>& taken)
{
    taken.clear();
    taken.swap(areas);
}

} // namespace gui
