#include "platform/sysutils/FormatArg.h"

namespace rt {

FormatArg& FormatArg::operator=(const FormatArg& other) {
    kind_ = other.kind_;
    int_ = other.int_;
    uint_ = other.uint_;
    float_ = other.float_;
    char_ = other.char_;
    // A single character views the copy's own storage, not the source's.
    text_ = other.text_.data() == &other.char_ ? std::string_view(&char_, 1) : other.text_;
    return *this;
}

}  // namespace rt
