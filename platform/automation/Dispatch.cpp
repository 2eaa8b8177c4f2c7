#include "platform/automation/Dispatch.h"

#include "platform/core/Exceptions.h"
#include "platform/sysutils/SysUtils.h"

namespace rt {

IDispatch::~IDispatch() = default;

std::string IDispatch::DispatchName() const { return "Automation object"; }

Variant DispatchInvoke(const DispatchPtr& object, const std::string& name, InvokeKind kind,
                       std::vector<Variant>& args) {
    if (!object)
        throw EOleError("Variant does not reference an automation object");
    try {
        return object->Invoke(name, kind, args);
    } catch (const EOleError&) {
        throw;
    } catch (const Exception& e) {
        throw EOleException(e.Message(), DISP_E_EXCEPTION, object->DispatchName());
    } catch (const std::exception& e) {
        throw EOleException(e.what(), DISP_E_EXCEPTION, object->DispatchName());
    }
}

const Variant& DispatchArgs::operator[](int index) const {
    static const Variant missing;
    if (index < 0 || index >= Count())
        return missing;
    return args_[static_cast<size_t>(index)].Deref();
}

void DispatchArgs::SetOut(int index, const Variant& value) {
    if (index < 0 || index >= Count())
        throw EOleSysError("Invalid number of parameters", DISP_E_BADPARAMCOUNT);
    args_[static_cast<size_t>(index)].AssignDeref(value);
}

void DispatchArgs::Require(int min, int max) const {
    if (Count() < min || (max >= 0 && Count() > max))
        throw EOleSysError("Invalid number of parameters", DISP_E_BADPARAMCOUNT);
}

const TAutoObject::Member* TAutoObject::Find(const std::string& name) const {
    for (const Member& m : members_)
        if (SameText(m.name, name))
            return &m;
    return nullptr;
}

bool TAutoObject::HasMember(const std::string& name) const { return Find(name) != nullptr; }

void TAutoObject::DefineMethod(const std::string& name, Method method) {
    members_.push_back(Member{name, std::move(method), {}, false});
}

void TAutoObject::DefineProperty(const std::string& name, Method get, Setter put) {
    members_.push_back(Member{name, std::move(get), std::move(put), true});
}

Variant TAutoObject::Invoke(const std::string& name, InvokeKind kind, std::vector<Variant>& args) {
    const Member* m = Find(name);
    if (!m)
        throw EOleSysError("Unknown name \"" + name + "\" on " + DispatchName(), DISP_E_UNKNOWNNAME);
    if (kind == InvokeKind::PropertyPut) {
        if (!m->isProperty || !m->put)
            throw EOleSysError("Member not found: " + name + " cannot be assigned", DISP_E_MEMBERNOTFOUND);
        if (args.empty())
            throw EOleSysError("Invalid number of parameters", DISP_E_BADPARAMCOUNT);
        Variant value = args.back().Deref();
        std::vector<Variant> index(args.begin(), args.end() - 1);
        DispatchArgs indexArgs(index);
        m->put(indexArgs, value);
        return Variant();
    }
    DispatchArgs callArgs(args);
    return m->method(callArgs);
}

}  // namespace rt
