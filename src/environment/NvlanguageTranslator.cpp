#include "src/environment/NvlanguageTranslator.h"

#include "platform/core/Exceptions.h"

namespace hemr {

namespace {

template <class T>
T Resolve(rt::HMODULE module, const char* symbol) {
    return reinterpret_cast<T>(rt::GetProcAddress(module, symbol));
}

}  // namespace

TTranslator::TTranslator() {
    module_ = rt::LoadLibrary(kLibraryName);
    if (module_ == 0) throw rt::Exception(std::string("Load Library ") + kLibraryName + " Error!");
    gbToBig5_ = Resolve<TTextCall>(module_, "GBtoBIG5");
    big5ToGb_ = Resolve<TTextCall>(module_, "BIG5toGB");
    getBig5Data_ = Resolve<TTextCall>(module_, "GetBIG5Data");
    getGbData_ = Resolve<TTextCall>(module_, "GetGBData");
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
    if (call == nullptr || source.empty()) return source;
    char* result = nullptr;
    size_t length = 0;
    if (call(source.data(), source.size(), &result, &length) == 0 || result == nullptr) {
        // A text the library could not take is shown as it is rather than lost.
        return source;
    }
    std::string converted(result, length);
    // The buffer is the library's: it must be released by the library's allocator.
    if (freeText_ != nullptr) freeText_(result);
    return converted;
}

std::string TTranslator::GBtoBIG5(const std::string& bytes) const { return Call(gbToBig5_, bytes); }
std::string TTranslator::BIG5toGB(const std::string& bytes) const { return Call(big5ToGb_, bytes); }
std::string TTranslator::GBtoBIG5Text(const std::string& text) const { return Call(getBig5Data_, text); }
std::string TTranslator::BIG5toGBText(const std::string& text) const { return Call(getGbData_, text); }

}  // namespace hemr
