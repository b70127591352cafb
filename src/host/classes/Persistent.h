// TPersistent: objects that can be assigned to each other and streamed.
#pragma once

#include "host/typinfo/Object.h"

namespace host {

class TFiler;

class TPersistent : public TObject {
    ZT_CLASS(TPersistent, TObject)
public:
    // Copies Source into this object; the default asks Source->AssignTo and raises
    // EConvertError "Cannot assign a TX to a TY" when neither side knows how.
    virtual void Assign(const TPersistent* Source);
    // Declares properties streamed besides the published ones ("defined properties").
    virtual void DefineProperties(TFiler* Filer);
    // The object that owns this one for naming purposes (collection, component), or null.
    virtual TPersistent* GetOwner() const { return nullptr; }
    // Dotted name for messages, such as "Form1.Button1.Font".
    virtual String GetNamePath() const;

protected:
    virtual void AssignTo(TPersistent* Dest) const;
    [[noreturn]] void AssignError(const TPersistent* Source) const;
};

} // namespace host
