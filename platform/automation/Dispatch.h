#pragma once
// Late-bound automation objects: methods and properties called by name
// (case-insensitive) with variant arguments, out arguments by reference.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Variant.h"

namespace rt {

enum class InvokeKind { Method, PropertyGet, PropertyPut };

// Result codes the original automation layer reports; kept because callers log them.
constexpr int32_t DISP_E_UNKNOWNNAME = static_cast<int32_t>(0x80020006);
constexpr int32_t DISP_E_BADPARAMCOUNT = static_cast<int32_t>(0x8002000E);
constexpr int32_t DISP_E_EXCEPTION = static_cast<int32_t>(0x80020009);
constexpr int32_t DISP_E_MEMBERNOTFOUND = static_cast<int32_t>(0x80020003);
constexpr int32_t CO_E_CLASSSTRING = static_cast<int32_t>(0x800401F3);

class IDispatch : public std::enable_shared_from_this<IDispatch> {
public:
    virtual ~IDispatch();
    // `args` are in call order; for a property put the value is the last one.
    // A callee writes out arguments with Variant::AssignDeref on args[i].
    virtual Variant Invoke(const std::string& name, InvokeKind kind, std::vector<Variant>& args) = 0;
    // Name used in error texts ("Server", "ReportCounter" ...).
    virtual std::string DispatchName() const;
};

// Calls `object` and turns failures other than automation errors into
// EOleException, as the original marshalling layer did, so callers see one
// kind of error whether the object is in-process or remote.
Variant DispatchInvoke(const DispatchPtr& object, const std::string& name, InvokeKind kind,
                       std::vector<Variant>& args);

// Arguments as seen by a method of a TAutoObject.
class DispatchArgs {
public:
    explicit DispatchArgs(std::vector<Variant>& args) : args_(args) {}
    int Count() const { return static_cast<int>(args_.size()); }
    // The argument's value (through a reference); missing optional arguments are empty.
    const Variant& operator[](int index) const;
    // Writes an out argument.
    void SetOut(int index, const Variant& value);
    // Raises the "wrong number of parameters" error unless min <= Count() <= max.
    void Require(int min, int max = -1) const;

private:
    std::vector<Variant>& args_;
};

// An automation object whose members are declared as callables.
class TAutoObject : public IDispatch {
public:
    using Method = std::function<Variant(DispatchArgs&)>;
    using Setter = std::function<void(DispatchArgs&, const Variant&)>;

    Variant Invoke(const std::string& name, InvokeKind kind, std::vector<Variant>& args) override;
    bool HasMember(const std::string& name) const;

protected:
    void DefineMethod(const std::string& name, Method method);
    // A property; `get` receives the index arguments (if any).
    void DefineProperty(const std::string& name, Method get, Setter put = {});

private:
    struct Member {
        std::string name;
        Method method;  // method, or property getter
        Setter put;
        bool isProperty = false;
    };
    const Member* Find(const std::string& name) const;
    std::vector<Member> members_;  // declaration order; names compared without case
};

}  // namespace rt
