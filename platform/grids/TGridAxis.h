#pragma once
// One direction of a grid (its columns or its rows): how many, how many are
// fixed, their sizes, the first scrolled one shown, and pixel positions.
// Each cell is followed by a grid line of the axis's line width.

#include <vector>

namespace rt {

class TGridAxis {
public:
    explicit TGridAxis(int defaultSize) : defaultSize_(defaultSize) {}

    int Count() const { return count_; }
    // Keeps the sizes of the cells that stay; the fixed count shrinks to fit.
    void SetCount(int count);
    int Fixed() const { return fixed_; }
    void SetFixed(int fixed) { fixed_ = fixed; }
    int DefaultSize() const { return defaultSize_; }
    // Drops the cells' own sizes.
    void SetDefaultSize(int size);
    int Size(int index) const;
    void SetSize(int index, int size);
    // True when some cell has its own size (they are then stored).
    bool HasCustomSizes() const;
    // Moves the size of cell `from` to `to`, the ones between shifting by one.
    void MoveSize(int from, int to);

    // The first non-fixed cell shown (TopRow / LeftCol).
    int First() const { return first_; }
    void SetFirst(int first) { first_ = first; }

    int LineWidth() const { return lineWidth_; }
    void SetLineWidth(int width) { lineWidth_ = width; }

    // Pixels taken by the fixed cells and their lines.
    int FixedExtent() const;
    // Start of cell `index`, -1 when it is scrolled out of view (before First).
    int Start(int index) const;
    // The cell at pixel `pos` of a view `extent` long, -1 when none.
    int IndexAt(int pos, int extent) const;
    // The last cell fully shown in a view `extent` long (at least First).
    int LastFullyVisible(int extent) const;
    // The greatest First that still fills a view `extent` long with the last cells.
    int MaxFirst(int extent) const;

private:
    int count_ = 5;
    int fixed_ = 1;
    int defaultSize_;
    int first_ = 1;
    int lineWidth_ = 1;
    std::vector<int> sizes_;
};

}  // namespace rt
