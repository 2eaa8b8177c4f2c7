#pragma once
// Objects with published properties that can be assigned from one another and
// streamed in form resources.

#include <string>

#include "platform/classes/TObject.h"

namespace rt {

class TFiler;

class TPersistent : public TObject {
    RT_CLASS(TPersistent, TObject)

public:
    TPersistent() = default;

    // Copies `source` into this object; when neither side knows how, raises
    // EConvertError "Cannot assign a <source> to a <this>".
    virtual void Assign(const TPersistent* source);
    // Dotted path used in error messages ("frmX.ed01.Font").
    virtual std::string GetNamePath() const;
    // The object this one belongs to for name paths (a component's owner, a collection item's collection).
    virtual TPersistent* GetOwner() const;
    // Custom entries of this object in form resources, besides its published properties.
    virtual void DefineProperties(TFiler& filer);

protected:
    // Called by Assign when this class does not know the source: lets the source copy itself.
    virtual void AssignTo(TPersistent* dest) const;
    [[noreturn]] void AssignError(const TPersistent* source) const;
};

}  // namespace rt
