// What a person does with an editor form, as window messages: clicks, keys, typed text,
// focus moves; and a fixture with a form to edit, its translators, a scripted UI driver and
// a settings store of the test's own.
#pragma once

#include "host/controls/Application.h"
#include "host/controls/ControlMessages.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Activation.h"
#include "host/winapi/Input.h"
#include "host/winapi/WinApi.h"
#include "host/winapi/Windows.h"
#include "translators/FormTranslator.h"

#include "TestUtil.h"

#include <gtest/gtest.h>

namespace zt_editors {

using host::String;

inline void Click(host::TWinControl* C) {
    host::SendMessageA(C->Handle(), host::BM_CLICK, 0, 0);
}
inline void Key(host::TWinControl* C, int Vk) {
    host::SendMessageA(C->Handle(), host::WM_KEYDOWN, host::WPARAM(Vk), 0);
}
inline void Focus(host::TWinControl* C) {
    host::SetFocus(C->Handle());
}
// Focuses the edit, selects its whole text and types Text over it.
inline void TypeOver(host::TCustomEdit* E, const String& Text) {
    Focus(E);
    host::SendMessageA(E->Handle(), host::EM_SETSEL, 0, -1);
    for (char Ch : Text)
        host::SendMessageA(E->Handle(), host::WM_CHAR, static_cast<unsigned char>(Ch), 0);
}
// The person's choice of the item of this text.
inline void Pick(host::TListBox* L, const String& Item) {
    const int I = L->Items()->IndexOf(Item);
    ASSERT_GE(I, 0) << Item;
    L->Pick(I);
}

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A form Form1 with a label, an edit, a memo and a button, named as the tests use them.
    void MakeForm();
    zantor::TFormTranslator* AddTranslator(const char* Name, std::initializer_list<String> Lines);
    std::vector<String> Lines(const host::TStrings* S) const;

    host::TWindowLayerGuard WindowLayer;
    host::TApplicationScope App;
    host::TScriptedUiDriver Driver;
    host::TUiDriverGuard DriverGuard{Driver};
    zt_test::TempDir Config;
    std::optional<String> FSavedConfigHome;
    host::TForm* Form = nullptr;
};

} // namespace zt_editors
