#include "platform/codepage/IconvConverter.h"

#include "platform/core/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace rt {

namespace {

iconv_t Handle(void* descriptor) {
    return static_cast<iconv_t>(descriptor);
}

}  // namespace

TIconvConverter::TIconvConverter(const std::string& fromName, const std::string& toName) {
    iconv_t cd = ::iconv_open(toName.c_str(), fromName.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw EConvertError("No conversion from " + fromName + " to " + toName + " is available");
    }
    descriptor_ = cd;
}

TIconvConverter::~TIconvConverter() {
    ::iconv_close(Handle(descriptor_));
}

std::string TIconvConverter::Convert(std::string_view input, const SubstitutionRule& rule) {
    iconv_t cd = Handle(descriptor_);
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a cached descriptor starts clean

    std::string output(input.size() * 2 + 16, '\0');
    size_t produced = 0;
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = output.data() + produced;
        size_t outLeft = output.size() - produced;
        size_t result = ::iconv(cd, &in, &inLeft, &out, &outLeft);
        produced = output.size() - outLeft;
        if (result != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        // EILSEQ (bad or unmappable) or EINVAL (cut off at the end): substitute and go on.
        Substitution s = rule(std::string_view(in, inLeft));
        size_t skip = std::clamp<size_t>(s.skip, 1, inLeft);
        in += skip;
        inLeft -= skip;
        output.resize(std::max(output.size(), produced + s.replacement.size() + 16));
        output.replace(produced, s.replacement.size(), s.replacement);
        produced += s.replacement.size();
        ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    output.resize(produced);
    return output;
}

}  // namespace rt
