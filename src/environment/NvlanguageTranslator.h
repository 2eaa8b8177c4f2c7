#pragma once
// The GB <-> Big5 text calls of Nvlanguage.so, bound by name at run time. The
// module never links the library: a form running without conversion must not
// need it on disk.

#include "platform/os/DynLib.h"

#include <cstddef>
#include <string>

namespace hemr {

class TTranslator {
public:
    // Loads "Nvlanguage.dll" (Nvlanguage.so here). Raises rt::Exception
    // "Load Library Nvlanguage.dll Error!" when it cannot be loaded and
    // "Get Library Procedure Address Error!" when a text call is missing.
    TTranslator();
    ~TTranslator();
    TTranslator(const TTranslator&) = delete;
    TTranslator& operator=(const TTranslator&) = delete;

    // Byte strings: code page 936 in, 950 out (GBtoBIG5) and back (BIG5toGB).
    std::string GBtoBIG5(const std::string& bytes) const;
    std::string BIG5toGB(const std::string& bytes) const;
    // The same character conversions on UTF-8 text, the wide text of this
    // runtime, so nothing is lost to a code page's repertoire. A call whose
    // entry point is missing returns the text unchanged.
    std::string GBtoBIG5Text(const std::string& text) const;
    std::string BIG5toGBText(const std::string& text) const;

    static constexpr const char* kLibraryName = "Nvlanguage.dll";

private:
    using TTextCall = int (*)(const char* source, size_t length, char** result, size_t* resultLength);
    using TFreeText = void (*)(char* text);

    std::string Call(TTextCall call, const std::string& source) const;

    rt::HMODULE module_ = 0;
    TTextCall gbToBig5_ = nullptr;
    TTextCall big5ToGb_ = nullptr;
    // Looked up as the library offers them; only the UTF-8 pair is called.
    TTextCall getBig5Data_ = nullptr;
    TTextCall getGbData_ = nullptr;
    void* saveOrder_ = nullptr;
    TFreeText freeText_ = nullptr;
};

}  // namespace hemr
