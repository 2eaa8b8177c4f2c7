#pragma once
// Run-time names of an enumeration's values, used to read and write
// enumeration and set properties by value name ("taLeftJustify", "[ssShift,ssCtrl]").

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

class TEnumInfo {
public:
    // `valueList` is the comma-separated list of value names, as a macro stringizes it.
    TEnumInfo(std::string typeName, std::string_view valueList);
    TEnumInfo(std::string typeName, std::vector<std::string> names);

    const std::string& TypeName() const { return typeName_; }
    int Count() const { return static_cast<int>(names_.size()); }
    bool IsValid(int64_t value) const { return value >= 0 && value < Count(); }

    // The value of a name (ignoring case), or -1.
    int ValueOf(std::string_view name) const;
    // The name of a value; a value out of range gives its decimal digits.
    std::string NameOf(int64_t value) const;

    // "[a,b]" in value order; an empty set gives "[]".
    std::string SetToText(uint64_t bits) const;
    // Reads "[a, b]" (brackets optional, blanks ignored). On a bad name returns
    // false and names it in `badName`; `bits` is untouched then.
    bool TryTextToSet(std::string_view text, uint64_t& bits, std::string& badName) const;

    // The enumeration behind boolean properties: False, True.
    static const TEnumInfo& Boolean();

private:
    std::string typeName_;
    std::vector<std::string> names_;
};

// Declares an unscoped enumeration together with its run-time value names, found
// by argument-dependent lookup: RT_ENUM(TAlignment, taLeftJustify, taRightJustify, taCenter)
#define RT_ENUM(Name, ...)                                                       \
    enum Name : int { __VA_ARGS__ };                                             \
    inline const ::rt::TEnumInfo& EnumInfoOf(Name*) {                            \
        static const ::rt::TEnumInfo info(#Name, #__VA_ARGS__);                  \
        return info;                                                             \
    }

template <class E>
concept EnumWithInfo = requires { { EnumInfoOf(static_cast<E*>(nullptr)) } -> std::same_as<const TEnumInfo&>; };

}  // namespace rt
