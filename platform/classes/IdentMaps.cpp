#include "platform/classes/IdentMaps.h"

#include <deque>

#include "platform/classes/IdentText.h"

namespace rt {

namespace {

// A deque keeps handed-out pointers valid as types are added.
std::deque<TIdentMapping>& Maps() {
    static std::deque<TIdentMapping> maps;
    return maps;
}

}  // namespace

void RegisterIntegerConsts(std::string_view typeName, TIdentToInt toInt, TIntToIdent toIdent) {
    for (TIdentMapping& m : Maps()) {
        if (SameName(m.TypeName, typeName)) {
            m.ToInt = toInt;
            m.ToIdent = toIdent;
            return;
        }
    }
    Maps().push_back(TIdentMapping{std::string(typeName), toInt, toIdent});
}

const TIdentMapping* FindIntegerConsts(std::string_view typeName) {
    if (typeName.empty()) return nullptr;
    for (const TIdentMapping& m : Maps()) {
        if (SameName(m.TypeName, typeName)) return &m;
    }
    return nullptr;
}

}  // namespace rt
