#pragma once
// The OLE-style variant the module exchanges with its shell and its servers:
// scalars, texts (wide, or bytes in a code page), late-bound objects, and
// arrays of variants with explicit bounds in one or two dimensions.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace rt {

using TDateTime = double;

class IDispatch;
using DispatchPtr = std::shared_ptr<IDispatch>;
class VarArray;

// Type codes keep the original numbering; they are written into logs and
// compared by callers that inspect `VarType`.
enum VarTypeCode : uint16_t {
    varEmpty = 0x0000,
    varNull = 0x0001,
    varInteger = 0x0003,
    varDouble = 0x0005,
    varDate = 0x0007,
    varOleStr = 0x0008,
    varDispatch = 0x0009,
    varBoolean = 0x000B,
    varVariant = 0x000C,
    varInt64 = 0x0014,
    varString = 0x0100,  // bytes in a code page
    varTypeMask = 0x0FFF,
    varArray = 0x2000,
    varByRef = 0x4000,
};

enum class VarCompareResult { LessThan, Equal, GreaterThan, NotEqual };

class Variant {
public:
    Variant() = default;
    Variant(const Variant& other);
    Variant(Variant&& other) noexcept = default;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept = default;
    ~Variant();

    Variant(bool value) : value_(value) {}
    template <typename T>
        requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char>)
    Variant(T value) {
        if constexpr (sizeof(T) < 4 || (sizeof(T) == 4 && std::is_signed_v<T>))
            value_ = static_cast<int32_t>(value);
        else
            value_ = static_cast<int64_t>(value);
    }
    Variant(double value) : value_(value) {}
    Variant(const char* text) : value_(Wide{text ? text : ""}) {}
    Variant(std::string text) : value_(Wide{std::move(text)}) {}
    Variant(std::string_view text) : value_(Wide{std::string(text)}) {}
    Variant(DispatchPtr object);

    static Variant Null();
    static Variant FromDate(TDateTime value);
    // Text already encoded in `codePage` (a byte string).
    static Variant Bytes(std::string bytes, int codePage);
    // A reference to `target`, for out arguments of late-bound calls.
    static Variant Ref(Variant& target);

    // Arrays: bounds are inclusive pairs, one pair per dimension (one or two).
    static Variant CreateArray(std::initializer_list<std::pair<int, int>> bounds);
    static Variant CreateArray(const std::vector<std::pair<int, int>>& bounds);
    // A zero-based one-dimensional array of the given values.
    static Variant ArrayOf(std::initializer_list<Variant> items);
    static Variant ArrayOf(const std::vector<Variant>& items);

    // Type inspection (by-reference variants answer for their target).
    uint16_t VarType() const;
    bool IsEmpty() const;
    bool IsNull() const;
    bool IsArray() const;
    bool IsByRef() const { return std::holds_alternative<Variant*>(value_); }
    bool IsBoolean() const;
    bool IsOrdinal() const;  // integer kinds and boolean
    bool IsNumeric() const;  // integer kinds and double
    bool IsFloat() const;
    bool IsDate() const;
    bool IsWideString() const;
    bool IsByteString() const;
    bool IsString() const { return IsWideString() || IsByteString(); }
    bool IsDispatch() const;

    // Conversions with the original semantics; an impossible conversion
    // raises EVariantTypeCastError naming both types.
    std::string ToString() const;  // wide text (UTF-8)
    int32_t ToInt() const;
    int64_t ToInt64() const;
    double ToDouble() const;
    bool ToBool() const;
    TDateTime ToDate() const;
    DispatchPtr ToDispatch() const;

    // Raw byte-string access.
    const std::string& ByteData() const;
    int CodePage() const;

    // Array access. Dimensions are numbered from 1 as in the original.
    int DimCount() const;
    int LowBound(int dim = 1) const;
    int HighBound(int dim = 1) const;
    int ElementCount(int dim = 1) const;
    Variant& operator[](int index);
    const Variant& operator[](int index) const;
    Variant& At(int index) { return (*this)[index]; }
    const Variant& At(int index) const { return (*this)[index]; }
    Variant& At(int i, int j);
    const Variant& At(int i, int j) const;
    // Changes the high bound of the last dimension, keeping the contents.
    void Redim(int newHighBound);

    // By-reference access: the referenced variant, or this one.
    Variant& Deref();
    const Variant& Deref() const;
    // Assigns through a reference when this is one (out arguments).
    void AssignDeref(const Variant& value);

    // Late binding on a dispatch variant.
    Variant Call(const std::string& name, std::vector<Variant> args = {}) const;
    Variant Get(const std::string& name, std::vector<Variant> args = {}) const;
    void Put(const std::string& name, const Variant& value, std::vector<Variant> args = {}) const;

    // Name of the type as the original prints it in conversion errors.
    std::string TypeName() const;

    // Loose comparison: numbers numerically, texts ordinally, mixed
    // text/number by converting the text.
    friend bool operator==(const Variant& a, const Variant& b);
    friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }

    // Exact identity of type and value (for tests and transport).
    bool SameAs(const Variant& other) const;

private:
    struct EmptyTag {
        bool operator==(const EmptyTag&) const = default;
    };
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct Date {
        double value;
    };
    struct Wide {
        std::string text;
    };
    struct ByteText {
        std::string bytes;
        int codePage;
    };
    struct ArrayBox {
        std::unique_ptr<VarArray> array;
    };

    using Storage = std::variant<EmptyTag, NullTag, bool, int32_t, int64_t, double, Date, Wide, ByteText,
                                 DispatchPtr, ArrayBox, Variant*>;

    [[noreturn]] void CastError(const char* targetType) const;
    VarArray& Array();
    const VarArray& Array() const;

    Storage value_;

    friend class VarArray;
};

VarCompareResult VarCompareValue(const Variant& a, const Variant& b);

inline bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
inline bool VarIsNull(const Variant& v) { return v.IsNull(); }
inline bool VarIsArray(const Variant& v) { return v.IsArray(); }
uint16_t VarType(const Variant& v);
// Text of a variant; null gives an empty text (unlike ToString, which raises).
std::string VarToStr(const Variant& v);
std::string VarToStrDef(const Variant& v, const std::string& def);
int VarArrayDimCount(const Variant& v);
int VarArrayLowBound(const Variant& v, int dim);
int VarArrayHighBound(const Variant& v, int dim);
Variant VarArrayCreate(const std::vector<int>& bounds);
Variant VarArrayOf(const std::vector<Variant>& items);
void VarArrayRedim(Variant& v, int highBound);

// Storage of an array variant: elements in column-major order so that a
// redim of the last dimension keeps every element where it is.
class VarArray {
public:
    struct Bound {
        int low;
        int high;
        int Count() const { return high - low + 1; }
    };

    explicit VarArray(std::vector<Bound> bounds);

    int DimCount() const { return static_cast<int>(bounds_.size()); }
    const Bound& Dim(int dim) const;
    Variant& At(int i);
    Variant& At(int i, int j);
    void Redim(int newHigh);
    const std::vector<Variant>& Elements() const { return items_; }
    std::vector<Variant>& Elements() { return items_; }

private:
    size_t Offset(int dim, int index) const;
    std::vector<Bound> bounds_;
    std::vector<Variant> items_;
};

}  // namespace rt
