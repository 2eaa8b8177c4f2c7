#pragma once
// Sparse values by column or row index (and by cell), that
// follow their lines when lines move, are inserted or removed. Only lines
// holding a value cost anything, so a grid of many plain rows stays cheap.

#include <algorithm>
#include <map>
#include <vector>

namespace hemr {

template <class T>
class TIndexMap {
public:
    using Map = std::map<int, T>;

    const T* Find(int index) const {
        auto it = map_.find(index);
        return it == map_.end() ? nullptr : &it->second;
    }
    T* Find(int index) {
        auto it = map_.find(index);
        return it == map_.end() ? nullptr : &it->second;
    }
    T& Get(int index) { return map_[index]; }
    void Erase(int index) { map_.erase(index); }
    // Drops every value at `count` and beyond.
    void Truncate(int count) { map_.erase(map_.lower_bound(count), map_.end()); }
    void Clear() { map_.clear(); }
    bool Empty() const { return map_.empty(); }
    const Map& Items() const { return map_; }
    Map& Items() { return map_; }

    // The value of `from` goes to `to`, the ones between moving by one towards `from`.
    void Move(int from, int to) {
        if (from == to) return;
        const int lo = std::min(from, to);
        const int hi = std::max(from, to);
        std::vector<typename Map::node_type> nodes;
        for (auto it = map_.lower_bound(lo); it != map_.end() && it->first <= hi;) {
            auto next = std::next(it);
            nodes.push_back(map_.extract(it));
            it = next;
        }
        for (auto& node : nodes) {
            const int k = node.key();
            node.key() = k == from ? to : (from < to ? k - 1 : k + 1);
            map_.insert(std::move(node));
        }
    }

    void Exchange(int a, int b) {
        if (a == b) return;
        auto na = map_.extract(a);
        auto nb = map_.extract(b);
        if (!na.empty()) {
            na.key() = b;
            map_.insert(std::move(na));
        }
        if (!nb.empty()) {
            nb.key() = a;
            map_.insert(std::move(nb));
        }
    }

private:
    Map map_;
};

// Values by cell, kept row by row: a grid grows and shifts along its rows,
// so moving a row moves one entry of a vector, whatever the rows hold.
template <class T>
class TCellMap {
public:
    const T* Find(int col, int row) const {
        return row >= 0 && row < Rows() ? rows_[static_cast<size_t>(row)].Find(col) : nullptr;
    }
    T* Find(int col, int row) {
        return row >= 0 && row < Rows() ? rows_[static_cast<size_t>(row)].Find(col) : nullptr;
    }
    T& Get(int col, int row) {
        Reach(row);
        maxCol_ = std::max(maxCol_, col);
        return rows_[static_cast<size_t>(row)].Get(col);
    }
    void Erase(int col, int row) {
        if (row >= 0 && row < Rows()) rows_[static_cast<size_t>(row)].Erase(col);
    }
    void Clear() { rows_.clear(); }
    bool Empty() const {
        return std::all_of(rows_.begin(), rows_.end(), [](const TIndexMap<T>& r) { return r.Empty(); });
    }
    // Visits (col, row, value) row by row.
    template <class F>
    void ForEach(F&& visit) const {
        for (size_t row = 0; row < rows_.size(); ++row)
            for (const auto& [col, value] : rows_[row].Items()) visit(col, static_cast<int>(row), value);
    }
    template <class F>
    void ForEach(F&& visit) {
        for (size_t row = 0; row < rows_.size(); ++row)
            for (auto& [col, value] : rows_[row].Items()) visit(col, static_cast<int>(row), value);
    }
    void EraseRow(int row) {
        if (row >= 0 && row < Rows()) rows_[static_cast<size_t>(row)].Clear();
    }
    // Rows are walked only when some value may lie beyond `colCount`, so that
    // adding rows one by one does not walk all rows each time.
    void Truncate(int colCount, int rowCount) {
        if (rowCount < Rows()) rows_.resize(static_cast<size_t>(std::max(rowCount, 0)));
        if (colCount > maxCol_) return;
        for (auto& r : rows_) r.Truncate(colCount);
        maxCol_ = colCount - 1;
    }
    void MoveCol(int from, int to) {
        maxCol_ = std::max({maxCol_, from, to});
        for (auto& r : rows_) r.Move(from, to);
    }
    void MoveRow(int from, int to) {
        if (from == to || (from >= Rows() && to >= Rows())) return;
        Reach(std::max(from, to));
        const auto at = [this](int i) { return rows_.begin() + i; };
        if (from < to) std::rotate(at(from), at(from + 1), at(to + 1));
        else std::rotate(at(to), at(from), at(from + 1));
    }
    void ExchangeCols(int a, int b) {
        maxCol_ = std::max({maxCol_, a, b});
        for (auto& r : rows_) r.Exchange(a, b);
    }
    void ExchangeRows(int a, int b) {
        if (a == b || (a >= Rows() && b >= Rows())) return;
        Reach(std::max(a, b));
        std::swap(rows_[static_cast<size_t>(a)], rows_[static_cast<size_t>(b)]);
    }

private:
    int Rows() const { return static_cast<int>(rows_.size()); }
    void Reach(int row) {
        if (row >= Rows()) rows_.resize(static_cast<size_t>(row) + 1);
    }

    std::vector<TIndexMap<T>> rows_;
    // No value lies in a column beyond this one.
    int maxCol_ = -1;
};

}  // namespace hemr
