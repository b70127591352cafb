#include "host/classes/Filer.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"

#include "ControlsFixture.h"
#include "TestUtil.h"

using namespace host;

namespace {

class ApplicationObject : public ControlsTest {};

class TRefForm;
TRefForm* GlobalRef = nullptr;
int Destroyed = 0;

// Sees whether the global reference already points at it while it is being constructed.
class TRefForm : public TForm {
    ZT_CLASS(TRefForm, TForm)
public:
    explicit TRefForm(TComponent* AOwner) : TForm(AOwner), SawItself(GlobalRef == this) {
        if (FailNext) {
            FailNext = false;
            throw EInvalidOperation("construction failed");
        }
    }
    ~TRefForm() override { ++Destroyed; }
    bool SawItself;
    static inline bool FailNext = false;
};

} // namespace

TClass TRefForm::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TRefForm>("TRefForm");
    return &Info;
}

TEST_F(ApplicationObject, CreateFormOwnsTheFormAndTheFirstFormIsTheMainForm) {
    TDataModule* Module = nullptr;
    Application->CreateForm(Module);
    EXPECT_EQ(Application->MainForm(), nullptr); // a data module is no main form
    Application->CreateForm(GlobalRef);
    ASSERT_NE(GlobalRef, nullptr);
    EXPECT_TRUE(GlobalRef->SawItself);
    EXPECT_EQ(Application->MainForm(), GlobalRef);
    TForm* Second = nullptr;
    Application->CreateForm(Second);
    EXPECT_EQ(Application->MainForm(), GlobalRef);
    EXPECT_EQ(Application->ComponentCount(), 3);
    EXPECT_EQ(Application->Components(2), Second);
    ASSERT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->Forms(0), GlobalRef);

    GlobalRef->Free();
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Screen->FormCount(), 1);

    // A failed construction leaves neither a reference nor an owned component behind.
    TRefForm::FailNext = true;
    EXPECT_THROW_MSG(Application->CreateForm(GlobalRef), EInvalidOperation, "construction failed");
    EXPECT_EQ(GlobalRef, nullptr);
    EXPECT_EQ(Application->ComponentCount(), 2);
    EXPECT_EQ(Screen->FormCount(), 1);
}

TEST(ApplicationLifetime, DoneApplicationFreesWhatTheApplicationOwns) {
    Destroyed = 0;
    {
        TApplicationScope Scope;
        TRefForm* A = nullptr;
        TRefForm* B = nullptr;
        Application->CreateForm(A);
        Application->CreateForm(B);
        EXPECT_NE(GetClass("TButton"), nullptr); // classes are registered for form reading
        EXPECT_EQ(FindGlobalComponent(""), nullptr);
        A->SetName("Main");
        EXPECT_EQ(FindGlobalComponent("MAIN"), A);
    }
    EXPECT_EQ(Destroyed, 2);
    EXPECT_EQ(Application, nullptr);
    EXPECT_EQ(Screen, nullptr);
    EXPECT_EQ(FindGlobalComponent("Main"), nullptr);
}

TEST_F(ApplicationObject, ReferencesFindOtherFormsAndModulesByName) {
    auto* Module = new TDataModule(nullptr);
    Module->SetName("DataModule1");
    auto* Inline = new TForm(nullptr);
    Inline->SetName("Framed");
    Inline->SetInline(true);
    EXPECT_EQ(FindGlobalComponent("datamodule1"), Module);
    EXPECT_EQ(FindGlobalComponent("Framed"), nullptr); // inline frames are no modules

    // A form read before the form it refers to gets the reference once that one is read.
    auto* Reading = new TForm(nullptr);
    ReadComponentFromText("object Form2: TForm\n"
                          "  object Label1: TLabel\n    FocusControl = Form3.Edit1\n  end\n"
                          "end\n",
                          Reading);
    auto* Label = static_cast<TLabel*>(Reading->FindComponent("Label1"));
    ASSERT_NE(Label, nullptr);
    EXPECT_EQ(Label->FocusControl(), nullptr);
    auto* Target = new TForm(nullptr);
    ReadComponentFromText("object Form3: TForm\n  object Edit1: TEdit\n  end\nend\n", Target);
    EXPECT_EQ(Label->FocusControl(), Target->FindComponent("Edit1"));

    Target->Free();
    EXPECT_EQ(Label->FocusControl(), nullptr);
    Reading->Free();
    Inline->Free();
    Module->Free();
}

TEST_F(ApplicationObject, TitleAndMessageBox) {
    EXPECT_EQ(Application->Title(), "zantor_tests");
    Application->SetTitle("Demo");
    EXPECT_EQ(Application->Title(), "Demo");
    Driver.ExpectMessageBox("Save changes?", IDNO);
    EXPECT_EQ(Application->MessageBox("Save changes?", "Demo", MB_YESNOCANCEL | MB_ICONQUESTION),
              IDNO);
    Driver.VerifyAllConsumed();
}
