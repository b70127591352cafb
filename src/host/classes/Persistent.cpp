#include "host/classes/Persistent.h"

#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

TClass TPersistent::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TPersistent>("TPersistent");
    return &Info;
}

void TPersistent::Assign(const TPersistent* Source) {
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
    Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const {
    String SourceName = Source ? Source->ClassName() : String("nil");
    throw EConvertError("Cannot assign a " + SourceName + " to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler*) {}

String TPersistent::GetNamePath() const {
    return ClassName();
}

} // namespace host
