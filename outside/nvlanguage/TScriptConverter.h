#pragma once
// One Simplified/Traditional character conversion of UTF-8 text, over one
// configuration file of the installed OpenCC data ("s2t.json", "t2s.json" ...).

#include <string>
#include <string_view>

namespace nvlanguage {

class TScriptConverter {
public:
    // `config` is a configuration file name, looked up in the OpenCC data folder.
    // Raises std::runtime_error naming the file when it cannot be opened.
    explicit TScriptConverter(const std::string& config);
    ~TScriptConverter();
    TScriptConverter(const TScriptConverter&) = delete;
    TScriptConverter& operator=(const TScriptConverter&) = delete;

    // Raises std::runtime_error when the library reports a failure.
    std::string Convert(std::string_view utf8) const;

private:
    std::string ConvertPiece(std::string_view utf8) const;

    void* handle_;
};

}  // namespace nvlanguage
