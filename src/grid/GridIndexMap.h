#pragma once
// Sparse values by column or row index (and by cell, column by column), that
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

// Values by cell, kept column by column and row by row within a column.
template <class T>
class TCellMap {
public:
    const T* Find(int col, int row) const {
        const TIndexMap<T>* column = cols_.Find(col);
        return column == nullptr ? nullptr : column->Find(row);
    }
    T* Find(int col, int row) {
        TIndexMap<T>* column = cols_.Find(col);
        return column == nullptr ? nullptr : column->Find(row);
    }
    T& Get(int col, int row) { return cols_.Get(col).Get(row); }
    void Erase(int col, int row) {
        TIndexMap<T>* column = cols_.Find(col);
        if (column == nullptr) return;
        column->Erase(row);
        if (column->Empty()) cols_.Erase(col);
    }
    void Clear() { cols_.Clear(); }
    bool Empty() const { return cols_.Empty(); }
    // Visits (col, row, value) column by column.
    template <class F>
    void ForEach(F&& visit) const {
        for (const auto& [col, column] : cols_.Items())
            for (const auto& [row, value] : column.Items()) visit(col, row, value);
    }
    template <class F>
    void ForEach(F&& visit) {
        for (auto& [col, column] : cols_.Items())
            for (auto& [row, value] : column.Items()) visit(col, row, value);
    }
    void EraseRow(int row) {
        for (auto& [col, column] : cols_.Items()) column.Erase(row);
        Prune();
    }
    void EraseCol(int col) { cols_.Erase(col); }
    void Truncate(int colCount, int rowCount) {
        cols_.Truncate(colCount);
        for (auto& [col, column] : cols_.Items()) column.Truncate(rowCount);
        Prune();
    }
    void MoveCol(int from, int to) { cols_.Move(from, to); }
    void MoveRow(int from, int to) {
        for (auto& [col, column] : cols_.Items()) column.Move(from, to);
    }
    void ExchangeCols(int a, int b) { cols_.Exchange(a, b); }
    void ExchangeRows(int a, int b) {
        for (auto& [col, column] : cols_.Items()) column.Exchange(a, b);
    }

private:
    void Prune() { std::erase_if(cols_.Items(), [](const auto& c) { return c.second.Empty(); }); }
    TIndexMap<TIndexMap<T>> cols_;
};

}  // namespace hemr
