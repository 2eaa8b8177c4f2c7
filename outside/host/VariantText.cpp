#include "outside/host/VariantText.h"

#include "platform/classes/TEnumInfo.h"
#include "platform/classes/TypInfo.h"

namespace host {

std::string PropertyTextOf(const nlohmann::json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_boolean()) return value.get<bool>() ? "True" : "False";
    return value.dump();
}

nlohmann::json PropertyJson(rt::TObject* instance, std::string_view path) {
    const rt::TPropTarget target = rt::FindPropTarget(instance, path);
    if (target.Info != nullptr) {
        switch (target.Info->Kind) {
            case rt::tkInteger: return rt::GetOrdProp(instance, path);
            case rt::tkFloat: return rt::GetFloatProp(instance, path);
            case rt::tkEnumeration:
                if (target.Info->EnumType == &rt::TEnumInfo::Boolean()) return rt::GetOrdProp(instance, path) != 0;
                break;
            default: break;
        }
    }
    return rt::GetPropText(instance, path);
}

}  // namespace host
