// Conversion of many short Chinese texts, as forms and condition arrays do
// for every caption and value crossing to the server.

#include "platform/codepage/CodePages.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> ShortTexts(const std::vector<std::string>& words, size_t count) {
    std::vector<std::string> texts;
    texts.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        texts.push_back(words[i % words.size()] + std::to_string(i) + words[(i * 7) % words.size()]);
    }
    return texts;
}

const std::vector<std::string>& SimplifiedTexts() {
    static const std::vector<std::string> texts =
        ShortTexts({"员工年龄分布表", "公司别", "部门", "统计日期", "后台处理", "年龄区间"}, 4000);
    return texts;
}

const std::vector<std::string>& TraditionalTexts() {
    static const std::vector<std::string> texts =
        ShortTexts({"員工年齡分佈表", "公司別", "部門", "統計日期", "後台處理", "年齡區間"}, 4000);
    return texts;
}

std::vector<std::string> Encoded(const std::vector<std::string>& texts, int codePage) {
    std::vector<std::string> bytes;
    for (const std::string& text : texts) bytes.push_back(rt::WideToCodePage(text, codePage));
    return bytes;
}

void Encode(benchmark::State& state, const std::vector<std::string>& texts, int codePage) {
    for (auto _ : state) {
        for (const std::string& text : texts) benchmark::DoNotOptimize(rt::WideToCodePage(text, codePage));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}

void Decode(benchmark::State& state, const std::vector<std::string>& texts, int codePage) {
    std::vector<std::string> bytes = Encoded(texts, codePage);
    for (auto _ : state) {
        for (const std::string& b : bytes) benchmark::DoNotOptimize(rt::CodePageToWide(b, codePage));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_EncodeGbk(benchmark::State& state) { Encode(state, SimplifiedTexts(), 936); }
void BM_DecodeGbk(benchmark::State& state) { Decode(state, SimplifiedTexts(), 936); }
void BM_EncodeBig5(benchmark::State& state) { Encode(state, TraditionalTexts(), 950); }
void BM_DecodeBig5(benchmark::State& state) { Decode(state, TraditionalTexts(), 950); }

// Simplified text into Big5 hits unmappable characters on most texts.
void BM_EncodeBig5WithSubstitutions(benchmark::State& state) { Encode(state, SimplifiedTexts(), 950); }

}  // namespace

BENCHMARK(BM_EncodeGbk);
BENCHMARK(BM_DecodeGbk);
BENCHMARK(BM_EncodeBig5);
BENCHMARK(BM_DecodeBig5);
BENCHMARK(BM_EncodeBig5WithSubstitutions);
