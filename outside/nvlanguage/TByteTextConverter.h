#pragma once
// A conversion of byte strings from one Chinese code page to another: decode
// the source code page, convert the characters, encode in the target code page.

#include "outside/nvlanguage/TScriptConverter.h"

#include <string>
#include <string_view>

namespace nvlanguage {

class TByteTextConverter {
public:
    TByteTextConverter(int sourceCodePage, int targetCodePage, const TScriptConverter& script)
        : sourceCodePage_(sourceCodePage), targetCodePage_(targetCodePage), script_(script) {}

    // Undecodable source bytes and characters the target cannot hold come out as "?".
    std::string Convert(std::string_view bytes) const;

private:
    int sourceCodePage_;
    int targetCodePage_;
    const TScriptConverter& script_;
};

}  // namespace nvlanguage
