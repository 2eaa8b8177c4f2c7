// The date helpers the condition forms call for every date field and scheme
// rule, and the code-page conversion of a whole condition array before it
// goes to the server.

#include "src/environment/LibStrs.h"

#include "platform/sysutils/DateTime.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<rt::TDateTime> SampleDates() {
    std::vector<rt::TDateTime> dates;
    for (int i = 0; i < 1000; ++i) dates.push_back(rt::EncodeDate(1990 + i % 30, 1 + i % 12, 1 + i % 28));
    return dates;
}

void BM_FormatDateAs(benchmark::State& state) {
    std::vector<rt::TDateTime> dates = SampleDates();
    int layout = static_cast<int>(state.range(0));
    for (auto _ : state)
        for (rt::TDateTime date : dates) benchmark::DoNotOptimize(hemr::FormatDateAs(layout, "/", date));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(dates.size()));
}
BENCHMARK(BM_FormatDateAs)->DenseRange(1, 5);

void BM_ParseDateAs(benchmark::State& state) {
    int layout = static_cast<int>(state.range(0));
    std::vector<std::string> texts;
    for (rt::TDateTime date : SampleDates()) texts.push_back(hemr::FormatDateAs(layout, "/", date));
    for (auto _ : state)
        for (const std::string& text : texts) benchmark::DoNotOptimize(hemr::ParseDateAs(text, layout, "/"));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_ParseDateAs)->DenseRange(1, 5);

std::vector<std::string> SampleYmds() {
    std::vector<std::string> texts;
    for (rt::TDateTime date : SampleDates()) texts.push_back(hemr::DateToYmd(date));
    return texts;
}

void BM_ShiftYmd(benchmark::State& state, const char* unit, int amount) {
    std::vector<rt::Variant> dates;
    for (const std::string& text : SampleYmds()) dates.emplace_back(text);
    for (auto _ : state)
        for (const rt::Variant& date : dates) benchmark::DoNotOptimize(hemr::ShiftYmd(date, unit, amount));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(dates.size()));
}
BENCHMARK_CAPTURE(BM_ShiftYmd, days, "D", 45);
BENCHMARK_CAPTURE(BM_ShiftYmd, months, "M", -13);
BENCHMARK_CAPTURE(BM_ShiftYmd, years, "Y", 3);

void BM_IsValidYmd(benchmark::State& state) {
    std::vector<std::string> texts = SampleYmds();
    texts.push_back("20050229");
    texts.push_back("17521231");
    for (auto _ : state)
        for (const std::string& text : texts) benchmark::DoNotOptimize(hemr::IsValidYmd(text));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_IsValidYmd);

// [0..2]: environment texts, caption rows [caption, control name], values
// with selection lists; `rows` strings in each part.
rt::Variant ConditionArray(int rows) {
    const char* const words[] = {"员工年龄分布表", "公司别", "部门", "统计日期", "后台处理", "年龄区间"};
    rt::Variant env = rt::Variant::CreateArray({{1, rows}});
    rt::Variant captions = rt::Variant::CreateArray({{1, rows}});
    rt::Variant values = rt::Variant::CreateArray({{1, rows / 10}});
    for (int i = 1; i <= rows; ++i) {
        std::string word = words[i % 6] + std::to_string(i);
        env[i] = word;
        captions[i] = rt::Variant::ArrayOf({word, "ed" + std::to_string(i)});
    }
    for (int i = 1; i <= rows / 10; ++i) {
        std::vector<rt::Variant> list{std::string(1, '\x05')};
        for (int j = 0; j < 10; ++j) list.emplace_back(std::string(words[j % 6]) + std::to_string(j));
        values[i] = rt::Variant::ArrayOf(list);
    }
    return rt::Variant::ArrayOf({env, captions, values});
}

// Texts per array: one per environment row, two per caption row, eleven per value list.
int64_t TextCount(int64_t rows) {
    return rows + 2 * rows + rows / 10 * 11;
}

void BM_VariantToCodePage(benchmark::State& state) {
    rt::Variant conditions = ConditionArray(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(hemr::VariantToCodePage(conditions, 936));
    state.SetItemsProcessed(state.iterations() * TextCount(state.range(0)));
}
BENCHMARK(BM_VariantToCodePage)->Arg(1000)->Arg(4000);

void BM_VariantFromCodePage(benchmark::State& state) {
    rt::Variant conditions = hemr::VariantToCodePage(ConditionArray(static_cast<int>(state.range(0))), 936);
    for (auto _ : state) benchmark::DoNotOptimize(hemr::VariantFromCodePage(conditions, 936));
    state.SetItemsProcessed(state.iterations() * TextCount(state.range(0)));
}
BENCHMARK(BM_VariantFromCodePage)->Arg(1000)->Arg(4000);

}  // namespace
