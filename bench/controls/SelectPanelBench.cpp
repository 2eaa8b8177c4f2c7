// The selection panel's list filled row by row, as a lookup window or a
// restored scheme fills it (columns fitted and duplicates dropped after every
// row), and the ordering of the range texts when the focus leaves the panel.
// Filling must grow linearly with the number of rows of equal length.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "src/controls/SelectPanelRange.h"
#include "src/controls/TarnListView.h"

namespace {

// Codes in shuffled order, every tenth one a case-changed repeat of the one before.
std::vector<std::vector<std::string>> LookupRows(int count) {
    std::vector<std::vector<std::string>> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int code = (i * 7919) % count;
        std::string caption = "c" + std::to_string(code);
        if (i % 10 == 9) caption = "C" + rows.back()[0].substr(1);
        rows.push_back({caption, "部门" + std::to_string(code % 97), "Dept " + std::to_string(code)});
    }
    return rows;
}

void FillList(benchmark::State& state, hemr::TCheckDuplicate mode, rt::TSortType sort) {
    const auto rows = LookupRows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        hemr::TTarnListView list(nullptr);
        list.SetCheckDuplicate(mode);
        list.SetSortType(sort);
        for (const auto& row : rows) list.AddRow(row);
        benchmark::DoNotOptimize(list.Items()->Count());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_AddRowSortedCaseInsensitive(benchmark::State& state) {
    FillList(state, hemr::cd_CaseInsensitive, rt::stText);
}
BENCHMARK(BM_AddRowSortedCaseInsensitive)->RangeMultiplier(2)->Range(1250, 10000)->Complexity();

void BM_AddRowUnsortedCaseSensitive(benchmark::State& state) { FillList(state, hemr::cd_CheckCase, rt::stNone); }
BENCHMARK(BM_AddRowUnsortedCaseSensitive)->RangeMultiplier(2)->Range(1250, 10000)->Complexity();

void BM_NormaliseRange(benchmark::State& state) {
    hemr::TRangeRule rule;
    rule.ValueType = static_cast<hemr::TValueType>(state.range(0));
    rule.DateType = hemr::dt_YYYYMMDD;
    const std::vector<std::pair<std::string, std::string>> ranges = {
        {"B100", "A200"}, {" 10 ", "9"}, {"2003/05", "2003/04/30"}, {"12.05", "12.5"}, {"2003/13/01", "-3.25"}};
    for (auto _ : state) {
        for (const auto& [begin, end] : ranges) {
            std::string b = begin;
            std::string e = end;
            benchmark::DoNotOptimize(hemr::NormaliseRange(rule, b, e));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(ranges.size()));
    state.SetLabel(EnumInfoOf(static_cast<hemr::TValueType*>(nullptr)).NameOf(state.range(0)));
}
BENCHMARK(BM_NormaliseRange)->DenseRange(hemr::vt_String, hemr::vt_OtherMask);

}  // namespace
