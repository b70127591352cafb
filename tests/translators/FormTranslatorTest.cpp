#include "translators/FormTranslator.h"
#include "translators/Registration.h"

#include "host/controls/Application.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"
#include "host/winapi/Mdi.h"
#include "host/winapi/Menus.h"

#include "TestUtil.h"

using namespace zantor;

namespace {

const char* const FormText = "object Form1: TForm\n"
                             "  Caption = 'Orders'\n"
                             "  object Panel1: TPanel\n"
                             "    Caption = 'Panel'\n"
                             "    object Button1: TButton\n"
                             "      Caption = 'Cancel'\n"
                             "      Hint = 'Stops'\n"
                             "      Tag = 7\n"
                             "    end\n"
                             "  end\n"
                             "  object Label1: TLabel\n"
                             "    Caption = 'Name:'\n"
                             "  end\n"
                             "  object Edit1: TEdit\n"
                             "    Text = 'x'\n"
                             "  end\n"
                             "  object Memo1: TMemo\n"
                             "    Lines.Strings = (\n"
                             "      'one'\n"
                             "      'two'\n"
                             "      'three')\n"
                             "  end\n"
                             "end\n";

// Records and steers the translator's events.
class TSpy : public TObject {
    ZT_CLASS(TSpy, TObject)
public:
    std::vector<String> Log;
    bool SkipForm = false;
    String SkipComponent;
    String SkipProperty;
    void FormEvent(TObject*, TStrings*, bool& Skip) {
        Log.push_back("form");
        Skip = SkipForm;
    }
    void ComponentEvent(TObject*, TComponent* C, TStrings*, bool& Skip) {
        Log.push_back("component " + C->Name());
        Skip = C->Name() == SkipComponent;
    }
    void PropertyEvent(TObject*, const String& Name, PPropInfo Info, TStrings*, bool& Skip) {
        String Shown = Info ? "prop " + Info->Name : "item " + Name;
        Log.push_back(Shown);
        Skip = Shown == SkipProperty;
    }
    void Translated(TObject*, TStrings*) { Log.push_back("done"); }
};

} // namespace

TClass TSpy::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TSpy>("TSpy");
    return &Info;
}

class FormTranslator : public ::testing::Test {
protected:
    FormTranslator() { RegisterTranslatorClasses(); }
    host::TApplicationScope App;
    zt_test::TempDir Dir;

    host::TForm* NewForm(const String& Text = FormText) {
        auto* Form = new host::TForm(host::Application);
        host::ReadComponentFromText(Text, Form);
        return Form;
    }
    static TFormTranslator* AddTranslator(host::TForm* Form, const String& Name, Integer Locale,
                                          std::initializer_list<const char*> Lines) {
        auto* T = new TFormTranslator(Form);
        T->SetName(Name);
        T->SetLocale(Locale);
        T->SetTranslate(false);
        for (const char* L : Lines)
            T->Translations()->SortInsert(L);
        return T;
    }
    static String Caption(host::TForm* Form, const char* Name) {
        return host::GetStrProp(Form->FindComponent(Name), "Caption");
    }
};

TEST_F(FormTranslator, CollectWalkListsEveryReachableValue) {
    host::TForm* Form = NewForm();
    auto* T = new TFormTranslator(Form);
    T->SetName("FT");
    host::TStringList Out;
    ASSERT_TRUE(T->TranslateForm(&Out, true));
    auto Has = [&](const char* Line) { return Out.IndexOf(Line) >= 0; };
    EXPECT_TRUE(Has("Caption='Orders'"));
    EXPECT_TRUE(Has("Memo1.Lines[0]='one'"));
    EXPECT_TRUE(Has("Memo1.Lines[2]='three'"));
    EXPECT_TRUE(Has("Memo1.Font.Color=clWindowText"));
    EXPECT_TRUE(Has("Memo1.Font.Name='MS Sans Serif'"));
    EXPECT_TRUE(Has("Button1.Tag=7"));
    EXPECT_TRUE(Has("Button1.Enabled=True"));
    EXPECT_TRUE(Has("Color=clBtnFace"));
    EXPECT_FALSE(Has("FT.Locale=0")); // the translator never walks itself
    for (int i = 0; i < Out.Count(); ++i)
        EXPECT_FALSE(Out.Strings(i).starts_with("FT.")) << Out.Strings(i);
}

TEST_F(FormTranslator, ApplyWalkWritesEveryKindAndRestoreBringsTheDesignBack) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "French", 1036,
                            {"Caption='Commandes'", "Button1.Caption='Annuler'", "Button1.Hint=''",
                             "Button1.Tag=$10", "Memo1.Lines[1]='deux'#13#10'lignes'",
                             "Memo1.Lines[9]='nothing'", "Edit1.Color=clRed", "Label1.Font.Style=3",
                             "Label1.Font.Size=14", "Label1.Alignment=taCenter",
                             "Panel1.Color=12345", "Edit1.MaxLength="});
    T->SetTranslate(true);
    EXPECT_TRUE(T->IsTranslated());
    EXPECT_EQ(Form->Caption(), "Commandes");
    auto* Button = static_cast<host::TButton*>(Form->FindComponent("Button1"));
    EXPECT_EQ(Button->Caption(), "Annuler");
    EXPECT_EQ(Button->Hint(), "Stops"); // empty translation: left as it was
    EXPECT_EQ(Button->Tag(), 16);
    auto* Memo = static_cast<host::TMemo*>(Form->FindComponent("Memo1"));
    EXPECT_EQ(Memo->Lines()->Strings(1), "deux\r\nlignes");
    EXPECT_EQ(Memo->Lines()->Count(), 3);
    EXPECT_EQ(host::GetOrdProp(Form->FindComponent("Edit1"), "Color"), host::clRed);
    auto* Label = static_cast<host::TLabel*>(Form->FindComponent("Label1"));
    EXPECT_EQ(Label->Font()->Style(), (host::TFontStyles{host::fsBold, host::fsItalic}));
    EXPECT_EQ(Label->Font()->Size(), 14);
    EXPECT_EQ(host::GetEnumName(host::GetPropInfo(Label, "Alignment")->PropType,
                                host::GetOrdProp(Label, "Alignment")),
              "taCenter");
    EXPECT_EQ(host::GetOrdProp(Form->FindComponent("Panel1"), "Color"), 12345);
    EXPECT_GE(T->SavedTexts()->IndexOf("Button1.Hint='Stops'"), 0); // saved although not written
    EXPECT_GE(T->SavedTexts()->IndexOf("Edit1.Color=clWindow"), 0);

    T->SetTranslate(false);
    EXPECT_FALSE(T->IsTranslated());
    EXPECT_EQ(Form->Caption(), "Orders");
    EXPECT_EQ(Button->Caption(), "Cancel");
    EXPECT_EQ(Button->Tag(), 7);
    EXPECT_EQ(Memo->Lines()->Strings(1), "two");
    EXPECT_EQ(host::GetOrdProp(Form->FindComponent("Edit1"), "Color"), host::clWindow);
    EXPECT_EQ(T->SavedTexts()->Count(), 0);
}

// A switch on saves the design texts the form has then, not those of the switch before.
TEST_F(FormTranslator, EachSwitchOnSavesTheDesignTextsOfTheMoment) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "French", 1036,
                            {"Button1.Caption='Annuler'", "Button1.Tag=3", "Label1.Caption='Nom'",
                             "Memo1.Lines[0]='un'"});
    auto SavedLines = [&] {
        std::vector<String> Lines;
        for (int i = 0; i < T->SavedTexts()->Count(); ++i)
            Lines.push_back(T->SavedTexts()->Line(i) + " @" +
                            std::to_string(ObjectToInt(T->SavedTexts()->Objects(i))));
        return Lines;
    };
    T->SetTranslate(true);
    const std::vector<String> First = SavedLines();
    T->SetTranslate(false);
    T->SetTranslate(true);
    EXPECT_EQ(SavedLines(), First);
    T->SetTranslate(false);

    auto* Button = static_cast<host::TButton*>(Form->FindComponent("Button1"));
    Button->SetCaption("It's over");
    Button->SetTag(9);
    T->SetTranslate(true);
    EXPECT_EQ(Button->Caption(), "Annuler");
    EXPECT_GE(T->SavedTexts()->IndexOf("Button1.Caption='It''s over'"), 0);
    EXPECT_GE(T->SavedTexts()->IndexOf("Button1.Tag=9"), 0);
    EXPECT_EQ(T->SavedTexts()->IndexOf("Button1.Caption='Cancel'"), -1);
    EXPECT_EQ(T->SavedTexts()->Count(), static_cast<int>(First.size()));
    T->SetTranslate(false);
    EXPECT_EQ(Button->Caption(), "It's over");
    EXPECT_EQ(Button->Tag(), 9);
    EXPECT_EQ(static_cast<host::TLabel*>(Form->FindComponent("Label1"))->Caption(), "Name:");
    auto* Memo = static_cast<host::TMemo*>(Form->FindComponent("Memo1"));
    EXPECT_EQ(Memo->Lines()->Strings(0), "one");

    // The last text saved differs: the ones before it are kept as they were.
    Memo->Lines()->SetStrings(0, "first");
    T->SetTranslate(true);
    EXPECT_GE(T->SavedTexts()->IndexOf("Memo1.Lines[0]='first'"), 0);
    EXPECT_GE(T->SavedTexts()->IndexOf("Button1.Caption='It''s over'"), 0);
    EXPECT_GE(T->SavedTexts()->IndexOf("Label1.Caption='Name:'"), 0);
    EXPECT_EQ(T->SavedTexts()->Count(), static_cast<int>(First.size()));
    T->SetTranslate(false);
    EXPECT_EQ(Memo->Lines()->Strings(0), "first");
    EXPECT_EQ(Button->Caption(), "It's over");
}

TEST_F(FormTranslator, EmptyTranslationsWriteEmptyValuesOnlyWhenAsked) {
    host::TForm* Form = NewForm();
    auto* T =
        AddTranslator(Form, "T", 1, {"Button1.Caption=''", "Button1.Tag=", "Memo1.Lines[0]=''"});
    T->SetTranslateEmpty(true);
    T->SetTranslate(true);
    EXPECT_EQ(Caption(Form, "Button1"), "");
    EXPECT_EQ(Form->FindComponent("Button1")->Tag(), 0);
    EXPECT_EQ(static_cast<host::TMemo*>(Form->FindComponent("Memo1"))->Lines()->Strings(0), "");
}

TEST_F(FormTranslator, EventsSteerTheWalk) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(
        Form, "T", 1,
        {"Button1.Caption='B'", "Label1.Caption='L'", "Memo1.Lines[0]='M'", "Caption='F'"});
    TSpy Spy;
    T->SetOnTranslateForm(Zft::TTranslateFormEvent(&Spy, &TSpy::FormEvent));
    T->SetOnTranslateComponent(Zft::TTranslateComponentEvent(&Spy, &TSpy::ComponentEvent));
    T->SetOnTranslateProperty(Zft::TTranslatePropertyEvent(&Spy, &TSpy::PropertyEvent));
    T->SetOnFormTranslated(Zft::TTranslatedEvent(&Spy, &TSpy::Translated));

    Spy.SkipForm = true;
    T->SetTranslate(true);
    EXPECT_FALSE(T->Translate()); // a cancelled walk leaves the translator off
    EXPECT_EQ(Spy.Log, std::vector<String>{"form"});

    Spy.Log.clear();
    Spy.SkipForm = false;
    Spy.SkipComponent = "Label1";
    Spy.SkipProperty = "item Memo1.Lines[0]";
    T->SetTranslate(true);
    EXPECT_EQ(Form->Caption(), "F");
    EXPECT_EQ(Caption(Form, "Button1"), "B");
    EXPECT_EQ(Caption(Form, "Label1"), "Name:");
    EXPECT_EQ(static_cast<host::TMemo*>(Form->FindComponent("Memo1"))->Lines()->Strings(0), "one");
    EXPECT_EQ(T->SavedTexts()->IndexOf("Memo1.Lines[0]='one'"), -1); // skipped: nothing saved
    EXPECT_EQ(Spy.Log.front(), "form");
    EXPECT_EQ(Spy.Log.back(), "done");
    EXPECT_NE(std::find(Spy.Log.begin(), Spy.Log.end(), "prop Caption"), Spy.Log.end());
    EXPECT_NE(std::find(Spy.Log.begin(), Spy.Log.end(), "component Label1"), Spy.Log.end());
}

TEST_F(FormTranslator, TwoLanguagesOnOneFormAndTwoForms) {
    host::TForm* Form1 = NewForm();
    auto* German = AddTranslator(Form1, "German", 1031, {"Button1.Caption='Abbrechen'"});
    auto* French =
        AddTranslator(Form1, "French", 1036, {"Button1.Caption='Annuler'", "Caption='Commandes'"});
    French->SetTranslate(true);
    EXPECT_EQ(Caption(Form1, "Button1"), "Annuler");
    German->SetTranslate(true);
    EXPECT_FALSE(French->Translate());
    EXPECT_EQ(Caption(Form1, "Button1"), "Abbrechen");
    EXPECT_EQ(Form1->Caption(), "Orders"); // applied to the design texts, not on top of French
    German->SetTranslate(false);
    EXPECT_EQ(Caption(Form1, "Button1"), "Cancel");

    // A second form whose German translator loads while German is shown joins it.
    French->SetTranslate(true);
    String Second =
        String(FormText).substr(0, String(FormText).size() - 4) +
        "  object FT: TFormTranslator\n    Locale = 1031\n    Translate = True\n"
        "    Translations.Strings = (\n      'Button1.Caption=''Abbrechen''')\n  end\nend\n";
    host::TForm* Form2 = NewForm(host::StringReplace(Second, "Form1", "Form2"));
    auto* German2 = static_cast<TFormTranslator*>(Form2->FindComponent("FT"));
    EXPECT_FALSE(German2->Translate()); // German is off in the group: it stays off
    EXPECT_EQ(Caption(Form2, "Button1"), "Cancel");
    // Switching the loaded one spreads to its locale on Form1, which switches French off.
    // (Translators made in code never spread: they were not loaded.)
    German2->SetTranslate(true);
    EXPECT_EQ(Caption(Form2, "Button1"), "Abbrechen");
    EXPECT_TRUE(German->Translate());
    EXPECT_FALSE(French->Translate());
    EXPECT_EQ(Caption(Form1, "Button1"), "Abbrechen");
    German->SetTranslate(false); // made in code: Form2 keeps German
    EXPECT_TRUE(German2->Translate());
}

TEST_F(FormTranslator, AConversionErrorStopsTheWalkUntranslated) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "T", 1,
                            {"Button1.Caption='Go'", "Button1.TabOrder=seven", "Caption='First'"});
    EXPECT_THROW_MSG(T->SetTranslate(true), host::EConvertError,
                     "'seven' is not a valid integer value");
    EXPECT_FALSE(T->IsTranslated());
    EXPECT_EQ(Form->Caption(), "First"); // written before the failing property
    EXPECT_EQ(Caption(Form, "Button1"), "Go");
    auto* Bad = AddTranslator(Form, "Bad", 2, {"Label1.Alignment=taNowhere"});
    EXPECT_THROW_MSG(Bad->SetTranslate(true), host::EConvertError,
                     "'taNowhere' is not a valid TAlignment value");
}

TEST_F(FormTranslator, NeighbourTestFindsTheLineBehindDeeperPaths) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "T", 1,
                            {"Button1.Caption.X=a", "Button1.Caption=b", "Button1.CaptionX=c"});
    T->SetTranslate(true);
    EXPECT_EQ(Caption(Form, "Button1"), "b");
    int Index = -1;
    EXPECT_TRUE(T->WantTranslate("Button1.Caption", Index));
    EXPECT_EQ(T->WorkList()->Strings(Index), "Button1.Caption=b");
    EXPECT_FALSE(T->WantTranslate("Button1.Capt", Index));
}

TEST_F(FormTranslator, TranslationFilesCarryTheDesignTexts) {
    host::TForm* Form = NewForm();
    auto* T =
        AddTranslator(Form, "T", 1036,
                      {"Button1.Caption='Annuler'", "Memo1.Lines[2]='trois'", "Nothing.Here='x'"});
    T->SetTranslate(true);
    String File = Dir.File("app.lng");
    T->SaveTo(File);
    EXPECT_EQ(zt_test::ReadAll(File), "Form1.Button1.Caption%-1='Cancel'\r\n"
                                      "Form1.Button1.Caption%1036='Annuler'\r\n"
                                      "Form1.Memo1.Lines[2]%-1='three'\r\n"
                                      "Form1.Memo1.Lines[2]%1036='trois'\r\n"
                                      "Form1.Nothing.Here%1036='x'\r\n");
    EXPECT_EQ(Caption(Form, "Button1"), "Annuler"); // saving disturbs nothing
    String Dict = Dir.File("app.dic");
    T->TranslateTo(Dict);
    EXPECT_EQ(zt_test::ReadAll(Dict), "Cancel\tAnnuler\r\nthree\ttrois\r\n");
}

TEST_F(FormTranslator, SystemMenuEntriesAreCollectedTranslatedAndRestored) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "T", 1036,
                            {"SystemMenuClose='&Fermer'#9'Alt+F4'", "SystemMenuMove=''"});
    host::TStringList Out;
    ASSERT_TRUE(T->TranslateForm(&Out, true));
    EXPECT_GE(Out.IndexOf("SystemMenuClose='&Close'#9'Alt+F4'"), 0);
    EXPECT_GE(Out.IndexOf("SystemMenuRestore='&Restore'"), 0);
    EXPECT_EQ(Out.IndexOf("SystemMenuNextWindow='Nex&t'#9'Ctrl+F6'"), -1); // MDI children only

    auto MenuText = [&](host::UINT Command) {
        char Buffer[256] = {};
        host::GetMenuStringA(host::GetSystemMenu(Form->Handle(), 0), Command, Buffer, 255,
                             host::MF_BYCOMMAND);
        return String(Buffer);
    };
    T->SetTranslate(true);
    EXPECT_EQ(MenuText(host::SC_CLOSE), "&Fermer\tAlt+F4");
    EXPECT_EQ(MenuText(host::SC_MOVE), "&Move"); // empty translation: unchanged
    T->SetTranslate(false);
    EXPECT_EQ(MenuText(host::SC_CLOSE), "&Close\tAlt+F4");
}

TEST_F(FormTranslator, AnMdiFrameRefreshesItsWindowMenuAfterTranslation) {
    host::TForm* Form = NewForm(
        "object Frame: TForm\n  FormStyle = fsMDIForm\n  WindowMenu = mnuWindow\n"
        "  Menu = Menu1\n  object Menu1: TMainMenu\n"
        "    object mnuWindow: TMenuItem\n      Caption = '&Window'\n    end\n  end\nend\n");
    auto* T = AddTranslator(Form, "T", 1036, {"mnuWindow.Caption='&Fenetre'"});
    host::ClearMdiCallLog();
    T->SetTranslate(true);
    std::vector<host::UINT> Messages;
    for (const host::TMdiCall& Call : host::MdiCallLog())
        if (Call.Client == Form->ClientHandle()) Messages.push_back(Call.Msg);
    EXPECT_EQ(Messages, (std::vector<host::UINT>{host::WM_MDISETMENU, host::WM_MDIREFRESHMENU}));
}

namespace {

// Two of these referring to each other make a cycle of object references.
class TLink : public host::TComponent {
    ZT_CLASS(TLink, host::TComponent)
public:
    using TComponent::TComponent;
    String FText = "text";
    TComponent* FNext = nullptr;
};

} // namespace

TClass TLink::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TLink>("TLink")
                                       .Prop("Text", &TLink::FText, &TLink::FText)
                                       .Prop("Next", &TLink::FNext, &TLink::FNext);
    return &Info;
}

TEST_F(FormTranslator, ACycleOfReferencesEndsWhileEveryPathIsReached) {
    host::TForm* Form = NewForm();
    auto* A = new TLink(Form);
    A->SetName("A");
    auto* B = new TLink(Form);
    B->SetName("B");
    A->FNext = B;
    B->FNext = A;
    auto* T = AddTranslator(Form, "T", 1, {"A.Next.Text='via A'", "B.Text='b'"});
    host::TStringList Out;
    ASSERT_TRUE(T->TranslateForm(&Out, true));
    EXPECT_GE(Out.IndexOf("A.Next.Text='text'"), 0);
    EXPECT_GE(Out.IndexOf("B.Next.Text='text'"), 0);
    EXPECT_EQ(Out.IndexOf("A.Next.Next.Text='text'"), -1);
    T->SetTranslate(true);
    EXPECT_EQ(B->FText, "b"); // B.Text after A.Next.Text in the walk order
}

namespace {

// Starts a collect walk of the same translator from inside its apply walk.
class TNester : public TObject {
    ZT_CLASS(TNester, TObject)
public:
    TFormTranslator* Translator = nullptr;
    host::TStringList Inner;
    bool Walked = false;
    void ComponentEvent(TObject*, TComponent* C, TStrings*, bool&) {
        if (C->Name() == "Label1" && !Walked) {
            Walked = true; // the inner walk fires this event too
            Walked = Translator->TranslateForm(&Inner, true);
        }
    }
};

} // namespace

TClass TNester::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TNester>("TNester");
    return &Info;
}

TEST_F(FormTranslator, AWalkStartedByAHandlerLeavesTheOuterWalkIntact) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "T", 1,
                            {"Button1.Caption='Go'", "Edit1.Text='y'", "Memo1.Lines[0]='eins'"});
    TNester Nester;
    Nester.Translator = T;
    T->SetOnTranslateComponent(Zft::TTranslateComponentEvent(&Nester, &TNester::ComponentEvent));
    T->SetTranslate(true);
    ASSERT_TRUE(Nester.Walked);
    EXPECT_GE(Nester.Inner.IndexOf("Edit1.Text='x'"),
              0); // the inner walk collected into its own list
    // The outer walk went on with its own list after the inner one.
    EXPECT_EQ(host::GetStrProp(Form->FindComponent("Edit1"), "Text"), "y");
    EXPECT_EQ(static_cast<host::TMemo*>(Form->FindComponent("Memo1"))->Lines()->Strings(0), "eins");
    EXPECT_TRUE(T->IsTranslated());
    EXPECT_EQ(T->WorkList(), T->Translations());
    T->SetTranslate(false);
    EXPECT_EQ(host::GetStrProp(Form->FindComponent("Edit1"), "Text"), "x");
    EXPECT_EQ(Caption(Form, "Button1"), "Cancel");
}

TEST_F(FormTranslator, AWalkEndedByAnErrorLeavesNoListBehind) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "T", 1, {"Button1.Caption='Go'"});
    T->SetTranslate(true);
    const TStrings* Gone = nullptr;
    {
        TSortList Bad;
        Bad.SortInsert("Button1.Tag=seven");
        Gone = &Bad;
        EXPECT_THROW(static_cast<void>(T->TranslateForm(&Bad, false)), host::EConvertError);
    }
    EXPECT_NE(T->WorkList(), Gone);
    int Index = -1;
    EXPECT_TRUE(
        T->WantTranslate("Button1.Caption", Index)); // looks in Translations, not the freed list
    EXPECT_EQ(Index, 0);
}

TEST_F(FormTranslator, ANullListOrNoWalkRaisesAClearError) {
    host::TForm* Form = NewForm();
    auto* T = AddTranslator(Form, "T", 1, {"Button1.Caption='Go'"});
    T->SetTranslate(true);
    EXPECT_THROW_MSG(static_cast<void>(T->TranslateForm(nullptr, true)), host::EInvalidOperation,
                     "Form translator T: no list to collect the form's texts into");
    EXPECT_FALSE(T->TranslateForm(nullptr, false)); // apply mode refuses a null list
    EXPECT_TRUE(T->IsTranslated());
    EXPECT_THROW_MSG(T->TranslateClass(Form, "", true), host::EInvalidOperation,
                     "Form translator T: no walk in progress");
}
