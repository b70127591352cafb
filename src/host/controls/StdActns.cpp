#include "host/controls/StdActns.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/winapi/Windows.h"

namespace host {

TClass TWindowAction::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWindowAction>("TWindowAction").NoCreate();
    return &Info;
}

TCustomForm* TWindowAction::TargetForm() const {
    if (auto* Form = As<TCustomForm>(Owner()); Form && Form->FormStyle() == fsMDIForm) return Form;
    return Application ? Application->MainForm() : nullptr;
}

bool TWindowAction::Execute() {
    if (!Enabled()) return false;
    if (OnExecute()) return inherited::Execute();
    TCustomForm* Form = TargetForm();
    if (!Form) return false;
    ExecuteTarget(Form);
    return true;
}

TClass TWindowClose::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWindowClose>("TWindowClose");
    return &Info;
}
void TWindowClose::ExecuteTarget(TCustomForm* Form) {
    if (TCustomForm* Child = Form->ActiveMDIChild()) Child->Close();
}

TClass TWindowCascade::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWindowCascade>("TWindowCascade");
    return &Info;
}
void TWindowCascade::ExecuteTarget(TCustomForm* Form) {
    if (Form->ClientHandle()) SendMessageA(Form->ClientHandle(), WM_MDICASCADE, 0, 0);
}

TClass TWindowTileHorizontal::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWindowTileHorizontal>("TWindowTileHorizontal");
    return &Info;
}
void TWindowTileHorizontal::ExecuteTarget(TCustomForm* Form) {
    // MDITILE_HORIZONTAL
    if (Form->ClientHandle()) SendMessageA(Form->ClientHandle(), WM_MDITILE, 1, 0);
}

TClass TWindowTileVertical::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWindowTileVertical>("TWindowTileVertical");
    return &Info;
}
void TWindowTileVertical::ExecuteTarget(TCustomForm* Form) {
    // MDITILE_VERTICAL
    if (Form->ClientHandle()) SendMessageA(Form->ClientHandle(), WM_MDITILE, 0, 0);
}

TClass TWindowMinimizeAll::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWindowMinimizeAll>("TWindowMinimizeAll");
    return &Info;
}
void TWindowMinimizeAll::ExecuteTarget(TCustomForm* Form) {
    for (int i = Form->MDIChildCount() - 1; i >= 0; --i)
        Form->MDIChildren(i)->SetWindowState(wsMinimized);
}

TClass TWindowArrange::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWindowArrange>("TWindowArrange");
    return &Info;
}
void TWindowArrange::ExecuteTarget(TCustomForm* Form) {
    if (Form->ClientHandle()) SendMessageA(Form->ClientHandle(), WM_MDIICONARRANGE, 0, 0);
}

TClass TFileExit::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TFileExit>("TFileExit");
    return &Info;
}

bool TFileExit::Execute() {
    if (!Enabled()) return false;
    if (OnExecute()) return inherited::Execute();
    if (Application && Application->MainForm()) Application->MainForm()->Close();
    return true;
}

TClass TBrowseURL::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBrowseURL>("TBrowseURL")
        .Prop("URL", &TBrowseURL::URL, &TBrowseURL::SetURL);
    // clang-format on
    return &Info;
}

} // namespace host
