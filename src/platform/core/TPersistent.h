#pragma once
// An object that can copy its state from another through Assign / AssignTo.

#include "platform/core/TObject.h"

namespace vcl {

class TFiler;
class TPropertyTable;

class TPersistent : public TObject
{
public:
    // Copies Source into this object. The base asks Source->AssignTo(this), which fails with
    // EConvertError "Cannot assign a <source class> to a <this class>" ("nil" for no source).
    virtual void Assign(TPersistent* Source);
    // The published properties of the object's class (see PublishedProperties.h); none by default.
    virtual const TPropertyTable* PublishedProperties() const { return nullptr; }
    // Declares the properties a form stream carries besides the published ones (TFiler.h).
    virtual void DefineProperties(TFiler& Filer) {}

protected:
    virtual void AssignTo(TPersistent* Dest);
    [[noreturn]] void AssignError(TPersistent* Source);
    // Owner in the name path sense (a collection for its items); none by default.
    virtual TPersistent* GetOwner() { return nullptr; }
};

} // namespace vcl
