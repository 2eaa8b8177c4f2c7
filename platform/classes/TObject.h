#pragma once
// The root of every class with a run-time class object.

#include <string>
#include <string_view>

#include "platform/classes/RtClass.h"

namespace rt {

class TObject {
public:
    using ThisClass = TObject;

    TObject() = default;
    virtual ~TObject();
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    static TClass StaticClass();
    virtual TClass ClassType() const { return StaticClass(); }
    static void RtPublishTables(TMetaClass&) {}

    const std::string& ClassName() const { return ClassType()->ClassName(); }
    bool InheritsFrom(TClass cls) const { return ClassType()->InheritsFrom(cls); }
    template <class T>
    bool Is() const {
        return InheritsFrom(T::StaticClass());
    }

    // Published handlers of this object's class chain, by name.
    const TMethodEntry* MethodAddress(std::string_view name) const { return ClassType()->MethodAddress(name); }
    std::string MethodName(const TMethodEntry* code) const { return ClassType()->MethodName(code); }
};

}  // namespace rt
