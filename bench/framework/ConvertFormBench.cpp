// Converting the whole HEMR07 form to Traditional Chinese (interface mode 2),
// side by side with the raw cost of the same texts through OpenCC and iconv
// alone: the difference is what walking the form and the library calls add.

#include <benchmark/benchmark.h>
#include <opencc/opencc.h>

#include <regex>
#include <string>
#include <vector>

#include "bench/framework/BenchHome.h"
#include "platform/codepage/CodePages.h"
#include "platform/streaming/FormResources.h"
#include "src/environment/CodeConverter.h"
#include "src/shell/Hemr07CF.h"

namespace {

using hemr_bench::Home;

// The quoted texts of the form's resources, from the base form down.
std::vector<std::string> FormTexts() {
    std::vector<std::string> texts;
    const std::regex quoted("'((?:[^']|'')*)'");
    for (const char* cls : {"TNVForm", "TfrmBaseGene", "TfrmBaseOpt", "TfrmBaseRpt", "TfrmHemr07"}) {
        const std::string* resource = rt::FindFormResource(cls);
        if (resource == nullptr) continue;
        for (auto it = std::sregex_iterator(resource->begin(), resource->end(), quoted); it != std::sregex_iterator();
             ++it) {
            std::string text = std::regex_replace((*it)[1].str(), std::regex("''"), "'");
            if (!text.empty()) texts.push_back(std::move(text));
        }
    }
    return texts;
}

int64_t TotalBytes(const std::vector<std::string>& texts) {
    int64_t bytes = 0;
    for (const std::string& text : texts) bytes += static_cast<int64_t>(text.size());
    return bytes;
}

hemr::TCodeConverter::TSettings TraditionalInterface() {
    hemr::TCodeConverter::TSettings settings;
    settings.UICodePage = "950";
    settings.UIConvertMode = 2;
    settings.DBConvertMode = 2;
    return settings;
}

void BM_ConvertHemr07FormModeTwo(benchmark::State& state) {
    Home();
    hemr::TCodeConverter converter(nullptr, TraditionalInterface());
    for (auto _ : state) {
        state.PauseTiming();
        auto* form = new hemr::TfrmHemr07(nullptr);
        form->AfterConstruction();
        state.ResumeTiming();
        converter.ConvertForm(form, true);
        state.PauseTiming();
        form->Free();
        state.ResumeTiming();
    }
    const std::vector<std::string> texts = FormTexts();
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
    state.SetBytesProcessed(state.iterations() * TotalBytes(texts));
}
BENCHMARK(BM_ConvertHemr07FormModeTwo)->Unit(benchmark::kMicrosecond);

// What the library does per text, without the library: into code page 936
// and out, Simplified to Traditional, into code page 950 and out.
void BM_SameTextsThroughOpenCCAndIconv(benchmark::State& state) {
    Home();
    const std::vector<std::string> texts = FormTexts();
    opencc_t opencc = opencc_open("s2t.json");
    if (opencc == reinterpret_cast<opencc_t>(-1)) {
        state.SkipWithError("the OpenCC data is not installed");
        return;
    }
    for (auto _ : state) {
        for (const std::string& text : texts) {
            const std::string gb = rt::CodePageToWide(rt::WideToCodePage(text, 936), 936);
            char* traditional = opencc_convert_utf8(opencc, gb.data(), gb.size());
            benchmark::DoNotOptimize(rt::CodePageToWide(rt::WideToCodePage(traditional, 950), 950));
            opencc_convert_utf8_free(traditional);
        }
    }
    opencc_close(opencc);
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
    state.SetBytesProcessed(state.iterations() * TotalBytes(texts));
}
BENCHMARK(BM_SameTextsThroughOpenCCAndIconv)->Unit(benchmark::kMicrosecond);

}  // namespace
