#pragma once
// One argument of Format: an integer, a floating-point number, a text or a
// pointer. Texts are viewed, not copied, so an argument lives for one call.

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

class FormatArg {
public:
    enum class Kind { Int32, Int64, UInt64, Float, String, Pointer };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    FormatArg(T value) {
        if constexpr (std::is_signed_v<T> && sizeof(T) <= 4) {
            kind_ = Kind::Int32;
            int_ = value;
        } else if constexpr (std::is_signed_v<T> || sizeof(T) < 4) {
            kind_ = sizeof(T) < 4 ? Kind::Int32 : Kind::Int64;
            int_ = static_cast<int64_t>(value);
        } else {
            // Unsigned 32- and 64-bit values keep their full range.
            kind_ = Kind::UInt64;
            uint_ = static_cast<uint64_t>(value);
        }
    }
    // The original has no boolean argument; passing one is a compile error.
    FormatArg(bool) = delete;
    FormatArg(char value) : kind_(Kind::String), char_(value), text_(&char_, 1) {}
    FormatArg(double value) : kind_(Kind::Float), float_(value) {}
    FormatArg(float value) : kind_(Kind::Float), float_(value) {}
    FormatArg(std::string_view value) : kind_(Kind::String), text_(value) {}
    FormatArg(const std::string& value) : kind_(Kind::String), text_(value) {}
    FormatArg(const char* value) : kind_(Kind::String), text_(value ? std::string_view(value) : std::string_view()) {}
    FormatArg(const void* value) : kind_(Kind::Pointer), uint_(reinterpret_cast<uintptr_t>(value)) {}
    FormatArg(std::nullptr_t) : kind_(Kind::Pointer) {}

    FormatArg(const FormatArg& other) { *this = other; }
    FormatArg& operator=(const FormatArg& other);

    Kind GetKind() const { return kind_; }
    bool IsInteger() const { return kind_ == Kind::Int32 || kind_ == Kind::Int64 || kind_ == Kind::UInt64; }
    int64_t AsInt64() const { return kind_ == Kind::UInt64 ? static_cast<int64_t>(uint_) : int_; }
    uint64_t AsUInt64() const { return kind_ == Kind::UInt64 || kind_ == Kind::Pointer ? uint_ : static_cast<uint64_t>(int_); }
    double AsFloat() const { return float_; }
    std::string_view AsText() const { return text_; }

private:
    Kind kind_ = Kind::Int32;
    int64_t int_ = 0;
    uint64_t uint_ = 0;
    double float_ = 0;
    char char_ = 0;
    std::string_view text_;
};

}  // namespace rt
