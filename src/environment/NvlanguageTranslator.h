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
    // Loads `library` (Nvlanguage.so here). Raises rt::Exception
    // "Load Library Nvlanguage.dll Error!" when it cannot be loaded and
    // "Get Library Procedure Address Error!" when GBtoBIG5 or BIG5toGB is
    // missing: those two are the only calls made.
    explicit TTranslator(const std::string& library = kLibraryName);
    ~TTranslator();
    TTranslator(const TTranslator&) = delete;
    TTranslator& operator=(const TTranslator&) = delete;

    // Byte strings: code page 936 in, 950 out (GBtoBIG5) and back (BIG5toGB).
    std::string GBtoBIG5(const std::string& bytes) const;
    std::string BIG5toGB(const std::string& bytes) const;
    // The same two entry points on UTF-8 text, the wide text of this runtime:
    // the text crosses the code pages on its way through the library, and a
    // character one of them cannot hold is kept as it is rather than lost.
    std::string GBtoBIG5Text(const std::string& text) const;
    std::string BIG5toGBText(const std::string& text) const;

    static constexpr const char* kLibraryName = "Nvlanguage.dll";

private:
    using TTextCall = int (*)(const char* source, size_t length, char** result, size_t* resultLength);
    using TFreeText = void (*)(char* text);

    // An entry point with the code pages of its source and its result.
    struct TTextRoute {
        TTextCall Call;
        int From;
        int To;
    };

    std::string Call(TTextCall call, const std::string& source) const;
    std::string ThroughCodePages(const TTextRoute& route, const std::string& text) const;
    std::string OnText(const TTextRoute& route, const std::string& text) const;
    std::string ConvertRun(const TTextRoute& route, const std::string& run) const;

    rt::HMODULE module_ = 0;
    TTextCall gbToBig5_ = nullptr;
    TTextCall big5ToGb_ = nullptr;
    // Looked up as the library offers them; never called here.
    void* getBig5Data_ = nullptr;
    void* getGbData_ = nullptr;
    void* saveOrder_ = nullptr;
    TFreeText freeText_ = nullptr;
};

}  // namespace hemr
