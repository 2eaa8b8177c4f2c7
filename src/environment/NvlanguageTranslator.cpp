#include "src/environment/NvlanguageTranslator.h"

#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"

#include <algorithm>
#include <cstdlib>

namespace hemr {

namespace {

constexpr int kGBCodePage = 936;
constexpr int kBig5CodePage = 950;

template <class T>
T Resolve(rt::HMODULE module, const char* symbol) {
    return reinterpret_cast<T>(rt::GetProcAddress(module, symbol));
}

size_t QuestionMarks(const std::string& text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '?')); }

// Length of the UTF-8 character starting at `at`; a stray byte counts as one.
size_t CharLength(const std::string& text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - at);
}

}  // namespace

TTranslator::TTranslator(const std::string& library) {
    module_ = rt::LoadLibrary(library);
    if (module_ == 0) throw rt::Exception("Load Library " + library + " Error!");
    gbToBig5_ = Resolve<TTextCall>(module_, "GBtoBIG5");
    big5ToGb_ = Resolve<TTextCall>(module_, "BIG5toGB");
    getBig5Data_ = rt::GetProcAddress(module_, "GetBIG5Data");
    getGbData_ = rt::GetProcAddress(module_, "GetGBData");
    saveOrder_ = rt::GetProcAddress(module_, "SaveOrder");
    freeText_ = Resolve<TFreeText>(module_, "NvFreeText");
    if (gbToBig5_ == nullptr || big5ToGb_ == nullptr) {
        rt::FreeLibrary(module_);
        module_ = 0;
        throw rt::Exception("Get Library Procedure Address Error!");
    }
}

TTranslator::~TTranslator() {
    if (module_ != 0) rt::FreeLibrary(module_);
}

std::string TTranslator::Call(TTextCall call, const std::string& source) const {
    if (source.empty()) return source;
    char* result = nullptr;
    size_t length = 0;
    if (call(source.data(), source.size(), &result, &length) == 0 || result == nullptr) {
        // A text the library could not take is shown as it is rather than lost.
        return source;
    }
    std::string converted(result, length);
    // The buffer is the library's; without its own release call it came from malloc.
    if (freeText_ != nullptr) freeText_(result);
    else std::free(result);
    return converted;
}

std::string TTranslator::GBtoBIG5(const std::string& bytes) const { return Call(gbToBig5_, bytes); }
std::string TTranslator::BIG5toGB(const std::string& bytes) const { return Call(big5ToGb_, bytes); }

std::string TTranslator::ThroughCodePages(const TTextRoute& route, const std::string& text) const {
    return rt::CodePageToWide(Call(route.Call, rt::WideToCodePage(text, route.From)), route.To);
}

std::string TTranslator::OnText(const TTextRoute& route, const std::string& text) const {
    if (text.empty()) return text;
    std::string converted = ThroughCodePages(route, text);
    if (QuestionMarks(converted) == QuestionMarks(text)) return converted;
    // Some character does not survive one of the code pages ("?"). Such
    // characters are kept as they are and the runs between them converted
    // whole, so phrases still convert as phrases.
    converted.clear();
    std::string run;
    for (size_t at = 0; at < text.size();) {
        const std::string one = text.substr(at, CharLength(text, at));
        at += one.size();
        if (one == "?" || QuestionMarks(ThroughCodePages(route, one)) == 0) {
            run += one;
            continue;
        }
        converted += ConvertRun(route, run) + one;
        run.clear();
    }
    return converted + ConvertRun(route, run);
}

std::string TTranslator::ConvertRun(const TTextRoute& route, const std::string& run) const {
    const std::string whole = ThroughCodePages(route, run);
    if (QuestionMarks(whole) == QuestionMarks(run)) return whole;
    // A phrase may map to a character the target cannot hold, where its
    // characters one by one do not.
    std::string byChar;
    for (size_t at = 0; at < run.size();) {
        const size_t length = CharLength(run, at);
        byChar += ThroughCodePages(route, run.substr(at, length));
        at += length;
    }
    return byChar;
}

std::string TTranslator::GBtoBIG5Text(const std::string& text) const {
    return OnText({gbToBig5_, kGBCodePage, kBig5CodePage}, text);
}

std::string TTranslator::BIG5toGBText(const std::string& text) const {
    return OnText({big5ToGb_, kBig5CodePage, kGBCodePage}, text);
}

}  // namespace hemr
