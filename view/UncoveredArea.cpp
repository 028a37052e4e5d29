// Rectangle subtraction for the container's background: each piece minus a
// cover leaves up to four bands (above, below, left, right of the overlap).
#include "view/UncoveredArea.h"

namespace gui {

UncoveredArea::UncoveredArea(const CRect& whole) : whole(whole)
{
    if (!whole.isEmpty())
        pieces[pieceCount++] = whole;
}

void UncoveredArea::cover(const CRect& covering)
{
    if (gaveUp)
        return;
    CRect kept[kCapacity];
    int32_t keptCount = 0;
    for (int32_t i = 0; i < pieceCount; ++i) {
        const CRect& piece = pieces[i];
        if (!piece.rectOverlap(covering)) {
            kept[keptCount++] = piece;
            continue;
        }
        CRect overlap = piece;
        overlap.bound(covering);
        const CRect bands[] = {
            CRect(piece.left, piece.top, piece.right, overlap.top),
            CRect(piece.left, overlap.bottom, piece.right, piece.bottom),
            CRect(piece.left, overlap.top, overlap.left, overlap.bottom),
            CRect(overlap.right, overlap.top, piece.right, overlap.bottom),
        };
        for (const CRect& band : bands) {
            if (band.isEmpty())
                continue;
            if (keptCount == kCapacity) {
                gaveUp = true;
                pieces[0] = whole;
                pieceCount = 1;
                return;
            }
            kept[keptCount++] = band;
        }
    }
    for (int32_t i = 0; i < keptCount; ++i)
        pieces[i] = kept[i];
    pieceCount = keptCount;
}

} // namespace gui
