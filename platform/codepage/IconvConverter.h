#pragma once
// One iconv conversion direction with a defined answer for bad input: the
// caller says how many bytes an undecodable or unmappable spot covers and what
// to write instead, so conversion always finishes and never stops half-way.

#include <functional>
#include <string>
#include <string_view>

namespace rt {

class TIconvConverter {
public:
    // What to do at a spot iconv rejects: skip `skip` input bytes (at least 1)
    // and write `replacement` in the target encoding.
    struct Substitution {
        size_t skip = 1;
        std::string replacement;
    };
    // Receives the rejected input from the bad spot to the end.
    using SubstitutionRule = std::function<Substitution(std::string_view rest)>;

    // Raises EConvertError when iconv knows neither name.
    TIconvConverter(const std::string& fromName, const std::string& toName);
    ~TIconvConverter();
    TIconvConverter(const TIconvConverter&) = delete;
    TIconvConverter& operator=(const TIconvConverter&) = delete;

    std::string Convert(std::string_view input, const SubstitutionRule& rule);

private:
    void* descriptor_;
};

}  // namespace rt
