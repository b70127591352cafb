#include "host/classes/Filer.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/FileNames.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

#include <unistd.h>

using namespace host;

namespace {

class Forms : public ControlsTest {};

std::vector<String> Events;

// A form that records its events.
class TEventForm : public TForm {
    ZT_CLASS(TEventForm, TForm)
public:
    explicit TEventForm(TComponent* AOwner) : TForm(AOwner) {
        SetOnShow(TNotifyEvent(this, &TEventForm::Record));
        SetOnHide(TNotifyEvent(this, &TEventForm::Record2));
        SetOnCloseQuery(TCloseQueryEvent(this, &TEventForm::Query));
        SetOnClose(TCloseEvent(this, &TEventForm::Closing));
    }
    int Refusals = 0;
    TCloseAction Action = caHide;

private:
    void Record(TObject*) { Events.push_back("show"); }
    void Record2(TObject*) { Events.push_back("hide"); }
    void Query(TObject*, bool& CanClose) {
        Events.push_back("query");
        if (Refusals > 0) {
            --Refusals;
            CanClose = false;
        }
    }
    void Closing(TObject*, TCloseAction& A) {
        Events.push_back("close");
        A = Action;
    }
};

std::vector<String> ChildrenOf(TComponent* C, TComponent* Root) {
    std::vector<String> Names;
    C->GetChildren([&](TComponent* Child) { Names.push_back(Child->Name()); }, Root);
    return Names;
}

template <class T> T* Make(TComponent* Owner, const char* Name, TWinControl* Parent) {
    return MakeControl<T>(Owner, Name, Parent);
}

} // namespace

TClass TEventForm::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TEventForm>("TEventForm");
    return &Info;
}

TEST_F(Forms, ChildrenAreControlsThenNonVisualComponents) {
    auto* Form = new TForm(nullptr);
    Form->SetName("Form1");
    auto* Menu = new TComponent(Form);
    Menu->SetName("Menu1");
    auto* Panel = Make<TPanel>(Form, "Panel1", Form);
    Make<TEdit>(Form, "Edit1", Panel);
    Make<TLabel>(Form, "Label1", Form);
    auto* Stranger = new TComponent(nullptr);
    Make<TButton>(Stranger, "NotOurs", Form); // shown on the form, written by its owner
    auto* Timer = new TComponent(Form);
    Timer->SetName("Timer1");

    EXPECT_EQ(ChildrenOf(Form, Form), (std::vector<String>{"Label1", "Panel1", "Menu1", "Timer1"}));
    EXPECT_EQ(ChildrenOf(Panel, Form), (std::vector<String>{"Edit1"}));
    // For another root, only the controls that root owns.
    EXPECT_EQ(ChildrenOf(Form, Stranger), (std::vector<String>{"NotOurs"}));
    Form->Free();
    Stranger->Free();
}

TEST_F(Forms, DefaultsAndStoredSizes) {
    auto* Form = new TForm(nullptr);
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(Form->Color(), clBtnFace);
    EXPECT_EQ(Form->BorderStyle(), bsSizeable);
    EXPECT_EQ(Form->FormStyle(), fsNormal);
    EXPECT_EQ(Form->PixelsPerInch(), 96);
    EXPECT_EQ(Form->TextHeight(), 13);

    Form->SetBounds(10, 20, 696, 480);
    EXPECT_EQ(Form->ClientWidth(), 688);
    EXPECT_EQ(Form->ClientHeight(), 453);
    Form->SetBorderStyle(bsDialog);
    Form->SetClientWidth(400);
    Form->SetClientHeight(300);
    EXPECT_EQ(Form->Width(), 406);
    EXPECT_EQ(Form->Height(), 325);
    Form->SetBorderStyle(bsNone);
    EXPECT_EQ(Form->ClientWidth(), 406);

    // A scrolling form stores its outer size, any other its client size.
    auto Stored = [Form](const char* Name) { return IsStoredProp(Form, GetPropInfo(Form, Name)); };
    EXPECT_TRUE(Stored("Width"));
    EXPECT_FALSE(Stored("ClientWidth"));
    Form->SetAutoScroll(false);
    EXPECT_FALSE(Stored("Height"));
    EXPECT_TRUE(Stored("ClientHeight"));
    EXPECT_FALSE(Stored("PixelsPerInch"));

    Form->SetPixelsPerInch(20); // below 36: ignored
    EXPECT_EQ(Form->PixelsPerInch(), 96);
    Form->SetPixelsPerInch(120);
    EXPECT_EQ(Form->PixelsPerInch(), 120);
    Form->Free();
}

TEST_F(Forms, ActiveControlMustBeAFocusableControlOfTheForm) {
    auto* Form = new TForm(nullptr);
    auto* Panel = Make<TPanel>(Form, "Panel1", Form);
    auto* Edit = Make<TEdit>(Form, "Edit1", Panel);
    auto* Other = new TForm(nullptr);
    auto* Foreign = Make<TEdit>(Other, "Foreign", Other);

    Form->SetActiveControl(Edit);
    EXPECT_EQ(Form->ActiveControl(), Edit);
    const char* Msg = "Cannot focus a disabled or invisible window";
    EXPECT_THROW_MSG(Form->SetActiveControl(Foreign), EInvalidOperation, Msg);
    EXPECT_THROW_MSG(Form->SetActiveControl(Form), EInvalidOperation, Msg);
    Panel->Hide();
    EXPECT_THROW_MSG(Form->SetActiveControl(Panel), EInvalidOperation, Msg);
    EXPECT_EQ(Form->ActiveControl(), Edit);

    // Removing the container of the active control, or freeing it, forgets it.
    Panel->SetParent(nullptr);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    Panel->SetParent(Form);
    Panel->Show();
    Form->SetActiveControl(Edit);
    Edit->Free();
    EXPECT_EQ(Form->ActiveControl(), nullptr);

    // Also when the control belongs to another owner.
    auto* Loose = Make<TEdit>(Other, "Loose", Form);
    Form->SetActiveControl(Loose);
    Loose->Free();
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    Other->Free();
    Form->Free();
}

TEST_F(Forms, CloseAsksAndThenHidesFreesOrEndsTheApplication) {
    Events.clear();
    TEventForm* Main = nullptr;
    Application->CreateForm(Main);
    TEventForm* Second = nullptr;
    Application->CreateForm(Second);
    ASSERT_EQ(Application->MainForm(), Main);

    Second->Show();
    Second->Refusals = 1;
    Second->Close();
    EXPECT_TRUE(Second->Visible());
    Second->Close();
    EXPECT_FALSE(Second->Visible());
    EXPECT_EQ(Events, (std::vector<String>{"show", "query", "query", "close", "hide"}));

    Events.clear();
    Second->Action = caFree;
    Second->Close();
    EXPECT_EQ(Application->ComponentCount(), 2); // freed later, not inside its own handler
    Application->ProcessMessages();
    EXPECT_EQ(Application->ComponentCount(), 1);

    Events.clear();
    Main->Action = caNone;
    Main->Close();
    EXPECT_FALSE(Application->Terminated());
    Main->Action = caHide;
    Main->Close();
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(Events, (std::vector<String>{"query", "close", "query", "close"}));
}

TEST_F(Forms, ShowModalLetsTheDriverActUntilTheFormCloses) {
    Events.clear();
    auto* Dialog = new TEventForm(nullptr);
    Dialog->SetName("Dialog");
    auto* Ok = Make<TButton>(Dialog, "OkButton", Dialog);
    Ok->SetModalResult(mrOk);
    Dialog->Refusals = 1;
    Driver.ExpectShowModal("Dialog", mrNone, [Ok](TCustomForm&) { Ok->Click(); })
        .ExpectShowModal("TEventForm", mrNone, [Ok](TCustomForm&) { Ok->Click(); })
        .ExpectShowModal("dialog", mrCancel);

    EXPECT_EQ(Dialog->ShowModal(), mrOk);
    EXPECT_FALSE(Dialog->Visible());
    EXPECT_FALSE(Dialog->Modal());
    EXPECT_EQ(Events, (std::vector<String>{"show", "query", "query", "close", "hide"}));
    EXPECT_EQ(Dialog->ShowModal(), mrCancel);
    Driver.VerifyAllConsumed();

    Dialog->Show();
    EXPECT_THROW_MSG(Dialog->ShowModal(), EInvalidOperation, "Cannot make a visible window modal");
    Dialog->Hide();
    Dialog->SetEnabled(false);
    EXPECT_THROW_MSG(Dialog->ShowModal(), EInvalidOperation, "Cannot make a visible window modal");
    Dialog->SetEnabled(true);

    // The default driver closes the form; a form that never agrees does not hang.
    TDefaultUiDriver Default;
    TUiDriverGuard Guard(Default);
    EXPECT_EQ(Dialog->ShowModal(), mrCancel);
    Dialog->Refusals = 1000;
    EXPECT_THROW_MSG(Dialog->ShowModal(), EInvalidOperation, "Modal form Dialog refuses to close");
    EXPECT_FALSE(Dialog->Visible());
    Dialog->Free();
}

TEST_F(Forms, DataModulesListTheirComponentsAndJoinTheScreen) {
    auto* Module = new TDataModule(nullptr);
    Module->SetName("Data");
    auto* A = new TComponent(Module);
    A->SetName("A");
    auto* B = new TComponent(Module);
    B->SetName("B");
    EXPECT_EQ(ChildrenOf(Module, Module), (std::vector<String>{"A", "B"}));
    EXPECT_TRUE(ChildrenOf(Module, nullptr).empty());
    ASSERT_EQ(Screen->DataModuleCount(), 1);
    EXPECT_EQ(Screen->DataModules(0), Module);
    Module->Free();
    EXPECT_EQ(Screen->DataModuleCount(), 0);
    EXPECT_THROW_MSG(Screen->DataModules(0), EListError, "List index out of bounds (0)");
}

namespace {

class TFileForm : public TForm {
    ZT_CLASS(TFileForm, TForm)
public:
    TFileForm(TComponent* AOwner, std::string_view FileName, std::string_view Embedded)
        : TForm(AOwner) {
        SetOnCreate(TNotifyEvent(this, &TFileForm::Created));
        InitForm(this, FileName, Embedded);
    }
    TLabel* Label1 = nullptr;
    bool CreatedAfterReading = false;

private:
    void Created(TObject*) { CreatedAfterReading = Label1 && Caption() == Label1->Caption(); }
};

} // namespace

TClass TFileForm::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TFileForm>("TFileForm").NoCreate().Field("Label1", &TFileForm::Label1);
    // clang-format on
    return &Info;
}

TEST_F(Forms, InitFormPrefersTheFileBesideTheProgram) {
    const String Embedded = "object FileForm: TFileForm\n  Caption = 'embedded'\n"
                            "  object Label1: TLabel\n    Caption = 'embedded'\n  end\nend\n";
    const String Name = "zt_initform_" + std::to_string(getpid()) + ".dfm";
    const String Path = ExtractFilePath(ParamStr0()) + Name;

    auto* FromText = new TFileForm(nullptr, Name, Embedded);
    ASSERT_NE(FromText->Label1, nullptr);
    EXPECT_EQ(FromText->Caption(), "embedded");
    EXPECT_TRUE(FromText->CreatedAfterReading);
    FromText->Free();

    zt_test::WriteAll(Path, "object FileForm: TFileForm\n  Caption = 'disk'\n"
                            "  object Label1: TLabel\n    Caption = 'disk'\n  end\nend\n");
    auto* FromDisk = new TFileForm(nullptr, Name, Embedded);
    DeleteFile(Path);
    EXPECT_EQ(FromDisk->Caption(), "disk");
    EXPECT_TRUE(FromDisk->CreatedAfterReading);
    FromDisk->Free();

    EXPECT_THROW_MSG(
        TFileForm(nullptr, Name, "object FileForm: TFileForm\n  object X: TNoSuch\n  end\nend\n"),
        EClassNotFound, "Class TNoSuch not found on line 2");
}
