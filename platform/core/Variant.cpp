#include "platform/core/Variant.h"

#include <cmath>
#include <limits>

#include "platform/automation/Dispatch.h"
#include "platform/codepage/CodePages.h"
#include "platform/core/Exceptions.h"
#include "platform/sysutils/SysUtils.h"

namespace rt {

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Round half to even, as the original's variant conversions do.
int64_t RoundToInt64(double value, bool& ok) {
    double r = std::nearbyint(value);
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        double t = std::trunc(value);
        r = (std::fmod(t, 2.0) == 0.0) ? t : t + (value > 0 ? 1.0 : -1.0);
    }
    ok = std::isfinite(r) && r >= -9.2233720368547758e18 && r < 9.2233720368547758e18;
    return ok ? static_cast<int64_t>(r) : 0;
}

}  // namespace

// ---- VarArray -------------------------------------------------------------

VarArray::VarArray(std::vector<Bound> bounds) : bounds_(std::move(bounds)) {
    if (bounds_.empty() || bounds_.size() > 2)
        throw EVariantArrayCreateError("Error creating variant or safe array");
    size_t total = 1;
    for (const Bound& b : bounds_) {
        // Counted wide: bounds near the ends of the integer range must not wrap.
        const int64_t count = static_cast<int64_t>(b.high) - b.low + 1;
        if (count < 0 || count > INT32_MAX)
            throw EVariantArrayCreateError("Error creating variant or safe array");
        total *= static_cast<size_t>(count);
    }
    items_.resize(total);
}

const VarArray::Bound& VarArray::Dim(int dim) const {
    if (dim < 1 || dim > DimCount())
        throw EVariantError("Invalid argument");
    return bounds_[static_cast<size_t>(dim - 1)];
}

size_t VarArray::Offset(int dim, int index) const {
    const Bound& b = bounds_[static_cast<size_t>(dim)];
    if (index < b.low || index > b.high)
        throw EVariantBadIndexError("Variant or safe array index out of bounds");
    return static_cast<size_t>(index - b.low);
}

Variant& VarArray::At(int i) {
    if (DimCount() != 1)
        throw EVariantBadIndexError("Variant or safe array index out of bounds");
    return items_[Offset(0, i)];
}

Variant& VarArray::At(int i, int j) {
    if (DimCount() != 2)
        throw EVariantBadIndexError("Variant or safe array index out of bounds");
    size_t rows = static_cast<size_t>(bounds_[0].Count());
    return items_[Offset(0, i) + rows * Offset(1, j)];
}

void VarArray::Redim(int newHigh) {
    Bound& last = bounds_.back();
    if (newHigh < last.low - 1)
        throw EVariantError("Invalid argument");
    last.high = newHigh;
    size_t total = 1;
    for (const Bound& b : bounds_)
        total *= static_cast<size_t>(b.Count());
    items_.resize(total);
}

// ---- construction ------------------------------------------------------------

Variant::Variant(const Variant& other) {
    *this = other;
}

Variant& Variant::operator=(const Variant& other) {
    if (this == &other)
        return *this;
    if (const auto* box = std::get_if<ArrayBox>(&other.value_)) {
        // Arrays have value semantics: copying one copies its elements.
        value_ = ArrayBox{std::make_unique<VarArray>(*box->array)};
    } else {
        std::visit(
            [this](const auto& v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (!std::is_same_v<T, ArrayBox>)
                    value_ = v;
            },
            other.value_);
    }
    return *this;
}

Variant::~Variant() = default;

Variant::Variant(DispatchPtr object) : value_(std::move(object)) {}

Variant Variant::Null() {
    Variant v;
    v.value_ = NullTag{};
    return v;
}

Variant Variant::FromDate(TDateTime value) {
    Variant v;
    v.value_ = Date{value};
    return v;
}

Variant Variant::Bytes(std::string bytes, int codePage) {
    Variant v;
    v.value_ = ByteText{std::move(bytes), codePage};
    return v;
}

Variant Variant::Ref(Variant& target) {
    Variant v;
    v.value_ = &target.Deref();
    return v;
}

Variant Variant::CreateArray(std::initializer_list<std::pair<int, int>> bounds) {
    return CreateArray(std::vector<std::pair<int, int>>(bounds));
}

Variant Variant::CreateArray(const std::vector<std::pair<int, int>>& bounds) {
    std::vector<VarArray::Bound> b;
    for (const auto& [low, high] : bounds)
        b.push_back({low, high});
    Variant v;
    v.value_ = ArrayBox{std::make_unique<VarArray>(std::move(b))};
    return v;
}

Variant Variant::ArrayOf(std::initializer_list<Variant> items) {
    return ArrayOf(std::vector<Variant>(items));
}

Variant Variant::ArrayOf(const std::vector<Variant>& items) {
    Variant v = CreateArray({{0, static_cast<int>(items.size()) - 1}});
    v.Array().Elements() = items;
    return v;
}

// ---- inspection --------------------------------------------------------------

Variant& Variant::Deref() {
    if (auto* p = std::get_if<Variant*>(&value_))
        return **p;
    return *this;
}

const Variant& Variant::Deref() const {
    if (auto* p = std::get_if<Variant*>(&value_))
        return **p;
    return *this;
}

void Variant::AssignDeref(const Variant& value) {
    Variant& target = Deref();
    target = value;
}

uint16_t Variant::VarType() const {
    const Variant& v = Deref();
    return std::visit(Overloaded{
                          [](const EmptyTag&) -> uint16_t { return varEmpty; },
                          [](const NullTag&) -> uint16_t { return varNull; },
                          [](bool) -> uint16_t { return varBoolean; },
                          [](int32_t) -> uint16_t { return varInteger; },
                          [](int64_t) -> uint16_t { return varInt64; },
                          [](double) -> uint16_t { return varDouble; },
                          [](const Date&) -> uint16_t { return varDate; },
                          [](const Wide&) -> uint16_t { return varOleStr; },
                          [](const ByteText&) -> uint16_t { return varString; },
                          [](const DispatchPtr&) -> uint16_t { return varDispatch; },
                          [](const ArrayBox&) -> uint16_t { return varArray | varVariant; },
                          [](Variant*) -> uint16_t { return varEmpty; },
                      },
                      v.value_);
}

bool Variant::IsEmpty() const { return std::holds_alternative<EmptyTag>(Deref().value_); }
bool Variant::IsNull() const { return std::holds_alternative<NullTag>(Deref().value_); }
bool Variant::IsArray() const { return std::holds_alternative<ArrayBox>(Deref().value_); }
bool Variant::IsBoolean() const { return std::holds_alternative<bool>(Deref().value_); }
bool Variant::IsFloat() const { return std::holds_alternative<double>(Deref().value_); }
bool Variant::IsDate() const { return std::holds_alternative<Date>(Deref().value_); }
bool Variant::IsWideString() const { return std::holds_alternative<Wide>(Deref().value_); }
bool Variant::IsByteString() const { return std::holds_alternative<ByteText>(Deref().value_); }
bool Variant::IsDispatch() const { return std::holds_alternative<DispatchPtr>(Deref().value_); }

bool Variant::IsOrdinal() const {
    const auto& s = Deref().value_;
    return std::holds_alternative<bool>(s) || std::holds_alternative<int32_t>(s) ||
           std::holds_alternative<int64_t>(s);
}

bool Variant::IsNumeric() const {
    const auto& s = Deref().value_;
    return std::holds_alternative<int32_t>(s) || std::holds_alternative<int64_t>(s) ||
           std::holds_alternative<double>(s);
}

std::string Variant::TypeName() const {
    switch (VarType()) {
        case varEmpty: return "Empty";
        case varNull: return "Null";
        case varBoolean: return "Boolean";
        case varInteger: return "Integer";
        case varInt64: return "Int64";
        case varDouble: return "Double";
        case varDate: return "Date";
        case varOleStr: return "OleStr";
        case varString: return "String";
        case varDispatch: return "Dispatch";
        default: return "Array Variant";
    }
}

void Variant::CastError(const char* targetType) const {
    throw EVariantTypeCastError("Could not convert variant of type (" + TypeName() + ") into type (" +
                                targetType + ")");
}

// ---- conversions ---------------------------------------------------------------

std::string Variant::ToString() const {
    const Variant& v = Deref();
    return std::visit(Overloaded{
                          [](const EmptyTag&) { return std::string(); },
                          [&](const NullTag&) -> std::string { v.CastError("OleStr"); },
                          [](bool b) { return std::string(b ? "True" : "False"); },
                          [](int32_t i) { return std::to_string(i); },
                          [](int64_t i) { return std::to_string(i); },
                          [](double d) { return FloatToStr(d); },
                          [](const Date& d) { return DateTimeToStr(d.value); },
                          [](const Wide& w) { return w.text; },
                          [](const ByteText& b) { return CodePageToWide(b.bytes, b.codePage); },
                          [&](const DispatchPtr&) -> std::string { v.CastError("OleStr"); },
                          [&](const ArrayBox&) -> std::string { v.CastError("OleStr"); },
                          [](Variant*) { return std::string(); },
                      },
                      v.value_);
}

int64_t Variant::ToInt64() const {
    const Variant& v = Deref();
    auto fromDouble = [&](double d) -> int64_t {
        bool ok = false;
        int64_t r = RoundToInt64(d, ok);
        if (!ok)
            v.CastError("Int64");
        return r;
    };
    return std::visit(Overloaded{
                          [](const EmptyTag&) -> int64_t { return 0; },
                          [&](const NullTag&) -> int64_t { v.CastError("Int64"); },
                          [](bool b) -> int64_t { return b ? -1 : 0; },
                          [](int32_t i) -> int64_t { return i; },
                          [](int64_t i) -> int64_t { return i; },
                          [&](double d) { return fromDouble(d); },
                          [&](const Date& d) { return fromDouble(d.value); },
                          [&](const Wide& w) -> int64_t {
                              int64_t i = 0;
                              if (TryStrToInt64(w.text, i))
                                  return i;
                              double d = 0;
                              if (TryStrToFloat(w.text, d))
                                  return fromDouble(d);
                              v.CastError("Int64");
                          },
                          [&](const ByteText& b) -> int64_t {
                              return Variant(CodePageToWide(b.bytes, b.codePage)).ToInt64();
                          },
                          [&](const DispatchPtr&) -> int64_t { v.CastError("Int64"); },
                          [&](const ArrayBox&) -> int64_t { v.CastError("Int64"); },
                          [](Variant*) -> int64_t { return 0; },
                      },
                      v.value_);
}

int32_t Variant::ToInt() const {
    int64_t value = 0;
    try {
        value = ToInt64();
    } catch (const EVariantTypeCastError&) {
        CastError("Integer");
    }
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        CastError("Integer");
    return static_cast<int32_t>(value);
}

double Variant::ToDouble() const {
    const Variant& v = Deref();
    return std::visit(Overloaded{
                          [](const EmptyTag&) { return 0.0; },
                          [&](const NullTag&) -> double { v.CastError("Double"); },
                          [](bool b) { return b ? -1.0 : 0.0; },
                          [](int32_t i) { return static_cast<double>(i); },
                          [](int64_t i) { return static_cast<double>(i); },
                          [](double d) { return d; },
                          [](const Date& d) { return d.value; },
                          [&](const Wide& w) -> double {
                              double d = 0;
                              if (TryStrToFloat(w.text, d))
                                  return d;
                              v.CastError("Double");
                          },
                          [&](const ByteText& b) -> double {
                              return Variant(CodePageToWide(b.bytes, b.codePage)).ToDouble();
                          },
                          [&](const DispatchPtr&) -> double { v.CastError("Double"); },
                          [&](const ArrayBox&) -> double { v.CastError("Double"); },
                          [](Variant*) { return 0.0; },
                      },
                      v.value_);
}

bool Variant::ToBool() const {
    const Variant& v = Deref();
    if (v.IsString()) {
        std::string text = v.ToString();
        bool b = false;
        if (TryStrToBool(text, b))
            return b;
        double d = 0;
        if (TryStrToFloat(text, d))
            return d != 0;
        v.CastError("Boolean");
    }
    if (v.IsBoolean())
        return std::get<bool>(v.value_);
    if (v.IsEmpty())
        return false;
    if (v.IsNumeric() || v.IsDate()) {
        return v.ToDouble() != 0.0;
    }
    v.CastError("Boolean");
}

TDateTime Variant::ToDate() const {
    const Variant& v = Deref();
    if (v.IsString()) {
        std::string text = v.ToString();
        double d = 0;
        if (TryStrToDateTime(text, d))
            return d;
        if (TryStrToFloat(text, d))
            return d;
        v.CastError("Date");
    }
    if (v.IsDate())
        return std::get<Date>(v.value_).value;
    if (v.IsEmpty() || v.IsNumeric() || v.IsBoolean())
        return v.ToDouble();
    v.CastError("Date");
}

DispatchPtr Variant::ToDispatch() const {
    const Variant& v = Deref();
    if (const auto* p = std::get_if<DispatchPtr>(&v.value_))
        return *p;
    if (v.IsEmpty())
        return nullptr;
    v.CastError("Dispatch");
}

const std::string& Variant::ByteData() const {
    const Variant& v = Deref();
    if (const auto* b = std::get_if<ByteText>(&v.value_))
        return b->bytes;
    v.CastError("String");
}

int Variant::CodePage() const {
    const Variant& v = Deref();
    if (const auto* b = std::get_if<ByteText>(&v.value_))
        return b->codePage;
    v.CastError("String");
}

// ---- arrays ----------------------------------------------------------------------

VarArray& Variant::Array() {
    Variant& v = Deref();
    if (auto* box = std::get_if<ArrayBox>(&v.value_))
        return *box->array;
    throw EVariantError("Variant is not an array");
}

const VarArray& Variant::Array() const {
    const Variant& v = Deref();
    if (const auto* box = std::get_if<ArrayBox>(&v.value_))
        return *box->array;
    throw EVariantError("Variant is not an array");
}

int Variant::DimCount() const { return IsArray() ? Array().DimCount() : 0; }
int Variant::LowBound(int dim) const { return Array().Dim(dim).low; }
int Variant::HighBound(int dim) const { return Array().Dim(dim).high; }
int Variant::ElementCount(int dim) const { return Array().Dim(dim).Count(); }
Variant& Variant::operator[](int index) { return Array().At(index); }
const Variant& Variant::operator[](int index) const { return const_cast<VarArray&>(Array()).At(index); }
Variant& Variant::At(int i, int j) { return Array().At(i, j); }
const Variant& Variant::At(int i, int j) const { return const_cast<VarArray&>(Array()).At(i, j); }
void Variant::Redim(int newHighBound) { Array().Redim(newHighBound); }

// ---- late binding ------------------------------------------------------------------

Variant Variant::Call(const std::string& name, std::vector<Variant> args) const {
    return DispatchInvoke(ToDispatch(), name, InvokeKind::Method, args);
}

Variant Variant::Get(const std::string& name, std::vector<Variant> args) const {
    return DispatchInvoke(ToDispatch(), name, InvokeKind::PropertyGet, args);
}

void Variant::Put(const std::string& name, const Variant& value, std::vector<Variant> args) const {
    args.push_back(value);
    DispatchInvoke(ToDispatch(), name, InvokeKind::PropertyPut, args);
}

// ---- comparison ----------------------------------------------------------------------

bool Variant::SameAs(const Variant& other) const {
    const Variant& a = Deref();
    const Variant& b = other.Deref();
    if (a.value_.index() != b.value_.index())
        return false;
    return std::visit(
        [&](const auto& x) -> bool {
            using T = std::decay_t<decltype(x)>;
            const T& y = std::get<T>(b.value_);
            if constexpr (std::is_same_v<T, Date>) {
                return x.value == y.value;
            } else if constexpr (std::is_same_v<T, Wide>) {
                return x.text == y.text;
            } else if constexpr (std::is_same_v<T, ByteText>) {
                return x.bytes == y.bytes && x.codePage == y.codePage;
            } else if constexpr (std::is_same_v<T, ArrayBox>) {
                const VarArray& l = *x.array;
                const VarArray& r = *y.array;
                if (l.DimCount() != r.DimCount())
                    return false;
                for (int d = 1; d <= l.DimCount(); ++d)
                    if (l.Dim(d).low != r.Dim(d).low || l.Dim(d).high != r.Dim(d).high)
                        return false;
                for (size_t i = 0; i < l.Elements().size(); ++i)
                    if (!l.Elements()[i].SameAs(r.Elements()[i]))
                        return false;
                return true;
            } else {
                return x == y;
            }
        },
        a.value_);
}

VarCompareResult VarCompareValue(const Variant& left, const Variant& right) {
    const Variant& a = left.Deref();
    const Variant& b = right.Deref();
    auto order = [](auto x, auto y) {
        if (x < y)
            return VarCompareResult::LessThan;
        if (y < x)
            return VarCompareResult::GreaterThan;
        return VarCompareResult::Equal;
    };
    if (a.IsNull() || b.IsNull())
        return (a.IsNull() && b.IsNull()) ? VarCompareResult::Equal : VarCompareResult::NotEqual;
    if (a.IsArray() || b.IsArray() || a.IsDispatch() || b.IsDispatch())
        return a.SameAs(b) ? VarCompareResult::Equal : VarCompareResult::NotEqual;
    if (a.IsEmpty() && b.IsEmpty())
        return VarCompareResult::Equal;
    bool aText = a.IsString() || a.IsEmpty();
    bool bText = b.IsString() || b.IsEmpty();
    if (a.IsString() && bText)
        return order(a.ToString(), b.ToString());
    if (b.IsString() && aText)
        return order(a.ToString(), b.ToString());
    double x = 0, y = 0;
    if (a.IsString() && !TryStrToFloat(a.ToString(), x))
        return VarCompareResult::NotEqual;
    if (b.IsString() && !TryStrToFloat(b.ToString(), y))
        return VarCompareResult::NotEqual;
    if (!a.IsString())
        x = a.ToDouble();
    if (!b.IsString())
        y = b.ToDouble();
    return order(x, y);
}

bool operator==(const Variant& a, const Variant& b) {
    return VarCompareValue(a, b) == VarCompareResult::Equal;
}

// ---- free functions ------------------------------------------------------------------

uint16_t VarType(const Variant& v) { return v.VarType(); }

std::string VarToStr(const Variant& v) { return VarToStrDef(v, std::string()); }

std::string VarToStrDef(const Variant& v, const std::string& def) {
    if (v.IsNull())
        return def;
    return v.ToString();
}

int VarArrayDimCount(const Variant& v) { return v.DimCount(); }
int VarArrayLowBound(const Variant& v, int dim) { return v.LowBound(dim); }
int VarArrayHighBound(const Variant& v, int dim) { return v.HighBound(dim); }

Variant VarArrayCreate(const std::vector<int>& bounds) {
    if (bounds.empty() || bounds.size() % 2 != 0)
        throw EVariantArrayCreateError("Error creating variant or safe array");
    std::vector<std::pair<int, int>> pairs;
    for (size_t i = 0; i < bounds.size(); i += 2)
        pairs.emplace_back(bounds[i], bounds[i + 1]);
    return Variant::CreateArray(pairs);
}

Variant VarArrayOf(const std::vector<Variant>& items) { return Variant::ArrayOf(items); }

void VarArrayRedim(Variant& v, int highBound) { v.Redim(highBound); }

}  // namespace rt
