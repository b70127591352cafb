#include "host/ide/DesignRegistry.h"
#include "host/ide/StdPropertyEditors.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/typinfo/TypInfo.h"

#include "TestUtil.h"

namespace {

using host::String;

#define TEST_EDITOR(Name)                                                                          \
    class Name : public host::TStringProperty {                                                    \
        ZT_PROPERTY_EDITOR(Name, host::TStringProperty)                                            \
    };                                                                                             \
    ZT_DEFINE_PROPERTY_EDITOR(Name)
TEST_EDITOR(TAnyString)
TEST_EDITOR(TButtonString)
TEST_EDITOR(TControlCaption)
TEST_EDITOR(TButtonCaption)
TEST_EDITOR(TLaterButtonCaption)

class TPersistentEditor : public host::TClassProperty {
    ZT_PROPERTY_EDITOR(TPersistentEditor, host::TClassProperty)
};
ZT_DEFINE_PROPERTY_EDITOR(TPersistentEditor)
class TFontEditor : public host::TClassProperty {
    ZT_PROPERTY_EDITOR(TFontEditor, host::TClassProperty)
};
ZT_DEFINE_PROPERTY_EDITOR(TFontEditor)

class TControlEditor : public host::TComponentEditor {
    ZT_COMPONENT_EDITOR(TControlEditor, host::TComponentEditor)
};
ZT_DEFINE_COMPONENT_EDITOR(TControlEditor)
class TButtonEditor : public host::TComponentEditor {
    ZT_COMPONENT_EDITOR(TButtonEditor, host::TComponentEditor)
};
ZT_DEFINE_COMPONENT_EDITOR(TButtonEditor)

class TCountedExpert : public host::TIExpert {
public:
    explicit TCountedExpert(int& Freed) : FFreed(Freed) {}
    ~TCountedExpert() override { ++FFreed; }
    String GetName() override { return "Counted"; }
    String GetAuthor() override { return String(); }
    String GetComment() override { return String(); }
    String GetPage() override { return String(); }
    unsigned GetGlyph() override { return 0; }
    host::TExpertStyle GetStyle() override { return host::esStandard; }
    host::TExpertState GetState() override { return {host::esEnabled}; }
    String GetIDString() override { return "Test.Counted"; }
    String GetMenuText() override { return "Counted"; }
    void Execute() override {}

private:
    int& FFreed;
};

class TRecordingDesigner : public host::TFormDesigner {
public:
    void Modified() override { ++ModifiedCount; }
    host::TComponent* GetRoot() const override { return Root; }
    String GetMethodName(host::TComponent*, host::PPropInfo Event) const override {
        return Event->Name == Bound ? Handler : String();
    }
    void SetMethodName(host::TComponent*, host::PPropInfo Event, const String& Name) override {
        Bound = Event->Name;
        Handler = Name;
    }
    host::TComponent* Root = nullptr;
    String Bound, Handler;
    int ModifiedCount = 0;
};

class DesignRegistry : public ::testing::Test {
protected:
    DesignRegistry() {
        host::ClearDesignRegistries();
        Form = new host::TForm(host::Application);
        Form->SetName("Form1");
        Button = new host::TButton(Form);
        Button->SetName("Button1");
        Label = new host::TLabel(Form);
        Label->SetName("Label1");
        Designer.Root = Form;
    }
    ~DesignRegistry() override { host::ClearDesignRegistries(); }

    String EditorOf(host::TComponent* C, const char* Prop) {
        return host::GetPropertyEditorClass(C, host::GetPropInfo(C, Prop))->ClassName;
    }

    host::TApplicationScope App;
    host::TForm* Form;
    host::TButton* Button;
    host::TLabel* Label;
    TRecordingDesigner Designer;
};

TEST_F(DesignRegistry, TheMostSpecificPropertyEditorWins) {
    EXPECT_EQ(EditorOf(Button, "Caption"), "TStringProperty");
    host::PTypeInfo Str = host::TypeInfo<String>();
    host::RegisterPropertyEditor(Str, host::TButton::StaticClass(), "Caption",
                                 TButtonCaption::EditorClass());
    host::RegisterPropertyEditor(Str, host::TControl::StaticClass(), "Caption",
                                 TControlCaption::EditorClass());
    host::RegisterPropertyEditor(Str, host::TButton::StaticClass(), "",
                                 TButtonString::EditorClass());
    host::RegisterPropertyEditor(Str, nullptr, "", TAnyString::EditorClass());
    EXPECT_EQ(EditorOf(Button, "Caption"), "TButtonCaption"); // registered first, still wins
    EXPECT_EQ(EditorOf(Label, "Caption"), "TControlCaption");
    EXPECT_EQ(EditorOf(Button, "Hint"), "TButtonString");
    EXPECT_EQ(EditorOf(Label, "Hint"), "TAnyString");
    EXPECT_EQ(EditorOf(Button, "Tag"), "TIntegerProperty"); // another type: the kind's default
    host::RegisterPropertyEditor(Str, host::TButton::StaticClass(), "caption",
                                 TLaterButtonCaption::EditorClass());
    EXPECT_EQ(EditorOf(Button, "Caption"), "TLaterButtonCaption"); // equals: the later one

    // Class types cover descendants; the most derived registered class wins.
    EXPECT_EQ(EditorOf(Button, "Font"), "TClassProperty");
    host::RegisterPropertyEditor(host::TypeInfo<host::TFont*>(), nullptr, "",
                                 TFontEditor::EditorClass());
    host::RegisterPropertyEditor(host::TypeInfo<host::TPersistent*>(), nullptr, "",
                                 TPersistentEditor::EditorClass());
    EXPECT_EQ(EditorOf(Button, "Font"), "TFontEditor");
}

TEST_F(DesignRegistry, ComponentEditorsAndTheDefaultEditor) {
    EXPECT_EQ(host::GetComponentEditorClass(Button)->ClassName, "TDefaultEditor");
    host::RegisterComponentEditor(host::TButton::StaticClass(), TButtonEditor::EditorClass());
    host::RegisterComponentEditor(host::TControl::StaticClass(), TControlEditor::EditorClass());
    EXPECT_EQ(host::GetComponentEditorClass(Button)->ClassName, "TButtonEditor");
    EXPECT_EQ(host::GetComponentEditorClass(Label)->ClassName, "TControlEditor");
    EXPECT_EQ(host::GetComponentEditorClass(Form)->ClassName, "TControlEditor");

    // The default editor's double-click binds a handler for the main event, once.
    host::UnregisterOwner(nullptr);
    auto Editor = host::CreateComponentEditor(Button, &Designer);
    EXPECT_EQ(Editor->GetVerbCount(), 0);
    Editor->Edit();
    EXPECT_EQ(Designer.Bound, "OnClick");
    EXPECT_EQ(Designer.Handler, "Button1Click");
    EXPECT_EQ(Designer.ModifiedCount, 1);
    Designer.Handler = "Existing";
    Editor->Edit();
    EXPECT_EQ(Designer.Handler, "Existing");
    EXPECT_EQ(Designer.ModifiedCount, 1);
}

TEST_F(DesignRegistry, UnregisteringAnOwnerRemovesItsEntriesOnly) {
    static const int Package = 0;
    int Freed = 0;
    host::RegisterComponentEditor(host::TButton::StaticClass(), TButtonEditor::EditorClass());
    host::TRegistrationOwner Previous = host::SetRegistrationOwner(&Package);
    host::RegisterComponents("Standard", {host::TButton::StaticClass()});
    host::RegisterComponents("Extra", {host::TLabel::StaticClass()});
    host::RegisterLibraryExpert(new TCountedExpert(Freed));
    host::RegisterComponentEditor(host::TLabel::StaticClass(), TControlEditor::EditorClass());
    host::SetRegistrationOwner(Previous);
    EXPECT_EQ(host::PalettePages(), (std::vector<String>{"Standard", "Extra"}));
    ASSERT_EQ(host::LibraryExperts().size(), 1u);
    EXPECT_EQ(host::LibraryExperts()[0]->GetIDString(), "Test.Counted");

    host::UnregisterOwner(&Package);
    EXPECT_TRUE(host::PaletteEntries().empty());
    EXPECT_TRUE(host::LibraryExperts().empty());
    EXPECT_EQ(Freed, 1);
    ASSERT_EQ(host::ComponentEditorRegistrations().size(), 1u);
    EXPECT_EQ(host::ComponentEditorRegistrations()[0].EditorClass->ClassName, "TButtonEditor");
    // Classes the application had registered stay known to the form reader.
    EXPECT_NE(host::GetClass("TButton"), nullptr);
}

} // namespace
