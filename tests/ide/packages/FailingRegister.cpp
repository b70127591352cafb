// A package whose second unit raises in Register after the first registered a component.
#include "host/classes/Component.h"
#include "host/ide/DesignRegistry.h"
#include "host/ide/PackageInfo.h"
#include "host/ide/StdPropertyEditors.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

namespace {

class TFailingThing : public host::TComponent {
    ZT_CLASS(TFailingThing, host::TComponent)
    using TComponent::TComponent;
};

void InitGood() {
    host::RegisterClass(TFailingThing::StaticClass());
}
void DoneGood() {
    host::UnRegisterClass(TFailingThing::StaticClass());
}
void RegisterGood() {
    host::RegisterComponents("Failing", {TFailingThing::StaticClass()});
    host::RegisterPropertyEditor(host::TypeInfo<host::String>(), TFailingThing::StaticClass(),
                                 "Name", host::TStringProperty::EditorClass());
}
void RegisterBad() {
    throw host::Exception("no palette for you");
}

const ZtPackageUnit Units[] = {
    {"Good", InitGood, DoneGood, RegisterGood},
    {"Bad", nullptr, nullptr, RegisterBad},
};

} // namespace

host::TClass TFailingThing::StaticClass() {
    static const host::TClassInfo Info = host::TClassBuilder<TFailingThing>("TFailingThing");
    return &Info;
}

ZT_PACKAGE_ENTRY_POINTS(Units, "Failing test package")
