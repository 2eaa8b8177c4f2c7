#include "platform/grids/TGridAxis.h"

#include <algorithm>

namespace rt {

void TGridAxis::SetCount(int count) {
    count_ = count;
    if (!sizes_.empty()) sizes_.resize(static_cast<size_t>(count), defaultSize_);
    if (fixed_ > count_) fixed_ = count_;
}

void TGridAxis::SetDefaultSize(int size) {
    defaultSize_ = size;
    sizes_.clear();
}

int TGridAxis::Size(int index) const {
    if (index < 0 || index >= count_) return 0;
    return sizes_.empty() ? defaultSize_ : sizes_[static_cast<size_t>(index)];
}

void TGridAxis::SetSize(int index, int size) {
    if (index < 0 || index >= count_) return;
    if (sizes_.empty()) sizes_.assign(static_cast<size_t>(count_), defaultSize_);
    sizes_[static_cast<size_t>(index)] = std::max(size, 0);
}

bool TGridAxis::HasCustomSizes() const {
    return std::any_of(sizes_.begin(), sizes_.end(), [this](int s) { return s != defaultSize_; });
}

void TGridAxis::MoveSize(int from, int to) {
    if (sizes_.empty() || from == to) return;
    const int size = sizes_[static_cast<size_t>(from)];
    sizes_.erase(sizes_.begin() + from);
    sizes_.insert(sizes_.begin() + to, size);
}

int TGridAxis::FixedExtent() const {
    int extent = 0;
    for (int i = 0; i < fixed_; ++i) extent += Size(i) + lineWidth_;
    return extent;
}

int TGridAxis::Start(int index) const {
    if (index < 0 || index >= count_) return -1;
    int pos = 0;
    if (index < fixed_) {
        for (int i = 0; i < index; ++i) pos += Size(i) + lineWidth_;
        return pos;
    }
    if (index < first_) return -1;
    pos = FixedExtent();
    for (int i = first_; i < index; ++i) pos += Size(i) + lineWidth_;
    return pos;
}

int TGridAxis::IndexAt(int pos, int extent) const {
    if (pos < 0 || pos >= extent) return -1;
    int start = 0;
    for (int i = 0; i < fixed_; ++i) {
        start += Size(i) + lineWidth_;
        if (pos < start) return i;
    }
    for (int i = first_; i < count_ && start < extent; ++i) {
        start += Size(i) + lineWidth_;
        if (pos < start) return i;
    }
    return -1;
}

int TGridAxis::LastFullyVisible(int extent) const {
    int end = FixedExtent();
    int last = first_;
    for (int i = first_; i < count_; ++i) {
        end += Size(i) + lineWidth_;
        if (end > extent) break;
        last = i;
    }
    return last;
}

int TGridAxis::MaxFirst(int extent) const {
    const int room = extent - FixedExtent();
    int used = 0;
    int first = count_ - 1;
    for (int i = count_ - 1; i >= fixed_; --i) {
        used += Size(i) + lineWidth_;
        if (used > room) break;
        first = i;
    }
    return std::max(first, fixed_);
}

}  // namespace rt
