// The translation checks on prepared entries of a live form: each finding, and the cases that
// must pass.
#include "exchange/TranslationChecks.h"

#include "host/controls/ControlPaint.h"
#include "host/controls/Forms.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/x11/CairoPainter.h"

#include "../host/controls/ControlsFixture.h"

using namespace host;
using namespace zantor;

namespace {

class TranslationChecks : public ControlsTest {
protected:
    TForm* Form = new TForm(Application);

    TExchangeEntry Entry(TComponent* C, const String& Source, const String& Translation,
                         const String& Property = "Caption") {
        TExchangeEntry E;
        E.Context = "Form1." + C->Name() + "." + Property;
        E.Source = Source;
        E.Translation = Translation;
        E.Component = C;
        E.Property = Property;
        return E;
    }

    std::vector<TFinding> Texts(const std::vector<TExchangeEntry>& Entries) {
        std::vector<TFinding> Out;
        CheckTexts("Form1", 1036, Entries, Out);
        return Out;
    }

    // "check: context" of each finding.
    static std::vector<String> Summary(const std::vector<TFinding>& Findings) {
        std::vector<String> S;
        for (const TFinding& F : Findings)
            S.push_back(F.Check + ": " + F.Context);
        return S;
    }
};

} // namespace

TEST_F(TranslationChecks, FormatArgumentsThatDifferAreErrors) {
    auto* L = MakeControl<TLabel>(Form, "Count", Form);
    const auto F = Texts({Entry(L, "%d files in %s", "%s fichiers dans %d"),
                          Entry(L, "%d files in %s", "%1:s contient %0:d fichiers"),
                          Entry(L, "%d files in %s", ""), // untranslated: nothing to check
                          Entry(L, "100% sure", "sûr à 100%")});
    ASSERT_EQ(F.size(), 1u);
    EXPECT_EQ(F[0].Severity, TSeverity::Error);
    EXPECT_EQ(F[0].Check, "format");
    EXPECT_EQ(F[0].LCID, 1036);
    EXPECT_EQ(F[0].Form, "Form1");
    EXPECT_EQ(F[0].Message, "\"%s fichiers dans %d\" would make Format fail for \"%d files in "
                            "%s\": argument 0 is an integer in the design text but a string in "
                            "the translation");
}

TEST_F(TranslationChecks, AcceleratorsLostDoubledOrClashingAreWarnings) {
    auto* Open = MakeControl<TButton>(Form, "Open", Form);
    auto* Save = MakeControl<TButton>(Form, "Save", Form);
    auto* Tools = MakeControl<TButton>(Form, "Tools", Form);
    const auto F = Texts({Entry(Open, "&Open", "Ouvrir"),                        // lost
                          Entry(Save, "&Save", "&Enregi&strer"),                 // two
                          Entry(Tools, "Save && go", "Enregistrer && partir")}); // no accelerator
    EXPECT_EQ(Summary(F), (std::vector<String>{"accelerator: Form1.Open.Caption",
                                               "accelerator: Form1.Save.Caption"}));
    for (const TFinding& Finding : F)
        EXPECT_EQ(Finding.Severity, TSeverity::Warning);

    // Two controls of the form on one key, where the design had two keys.
    const auto Clash = Texts({Entry(Open, "&Open", "&Ouvrir"), Entry(Save, "&Save", "&Ordonner")});
    ASSERT_EQ(Clash.size(), 1u);
    EXPECT_EQ(Clash[0].Message,
              "the accelerator \"o\" is used by 2 texts: Form1.Open.Caption, Form1.Save.Caption");
    // The same key in the design texts is the design's choice, not the translation's.
    EXPECT_TRUE(
        Texts({Entry(Open, "&Open", "&Ouvrir"), Entry(Save, "&Other", "&Ordonner")}).empty());
}

TEST_F(TranslationChecks, MenuItemsClashOnlyWithinTheirMenu) {
    auto* Menu = new TMainMenu(Form);
    auto* File = new TMenuItem(Form);
    auto* Edit = new TMenuItem(Form);
    Menu->Items()->Add(File);
    Menu->Items()->Add(Edit);
    auto Item = [&](TMenuItem* Parent, const char* Name) {
        auto* I = new TMenuItem(Form);
        I->SetName(Name);
        Parent->Add(I);
        return I;
    };
    TMenuItem* Open = Item(File, "FileOpen");
    TMenuItem* Print = Item(File, "FilePrint");
    TMenuItem* Options = Item(Edit, "EditOptions");
    // "Ouvrir" and "Options" share a key in different menus: fine. In one menu: not.
    EXPECT_TRUE(
        Texts({Entry(Open, "&Open", "&Ouvrir"), Entry(Options, "O&ptions", "&Options")}).empty());
    const auto F = Texts({Entry(Open, "&Open", "&Ouvrir"), Entry(Print, "&Print", "&Ordonner")});
    EXPECT_EQ(Summary(F), std::vector<String>{"accelerator: Form1.FilePrint.Caption"});
}

TEST_F(TranslationChecks, BlanksAndLineBreaksAtEitherEndMustMatch) {
    auto* L = MakeControl<TLabel>(Form, "Note", Form);
    const auto F = Texts({Entry(L, "Name: ", "Nom :"),       // trailing blank lost
                          Entry(L, "  Indented", "Indenté"), // leading blanks lost
                          Entry(L, "Line\n", "Ligne"),       // trailing break lost
                          Entry(L, "\nNext", "\r\nSuivant"), // other break
                          Entry(L, "A\nB", "A B"),           // inside: not this check
                          Entry(L, "Total: ", "Gesamt: "),   // the same: fine
                          Entry(L, " x\n", " y\n")});
    EXPECT_EQ(Summary(F),
              (std::vector<String>{"blanks: Form1.Note.Caption", "blanks: Form1.Note.Caption",
                                   "line-breaks: Form1.Note.Caption",
                                   "line-breaks: Form1.Note.Caption"}));
    EXPECT_EQ(F[0].Message, "\"Nom :\" ends with blanks differently from \"Name: \"");
    EXPECT_EQ(F[2].Message, "\"Ligne\" ends with line breaks differently from \"Line\\n\"");
}

// Text extents from the display's own layout, on an image: no display.
class TranslationWidths : public TranslationChecks {
protected:
    TranslationWidths()
        : Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1)), Painter(Surface) {}
    ~TranslationWidths() override { cairo_surface_destroy(Surface); }

    std::vector<TFinding> Widths(const std::vector<TExchangeEntry>& Entries) {
        std::vector<TFinding> Out;
        CheckWidths("Form1", 1036, Entries, Painter, Out);
        return Out;
    }
    int TextWidth(const String& Text, TControl* C) {
        LOGFONTA Font{};
        GetObjectA(TPaintAccess::FontOf(*C)->Handle(), sizeof Font, &Font);
        return Painter.Text({}, Text, Font, 0, DT_SINGLELINE, true).cx;
    }

    cairo_surface_t* Surface;
    x11::TCairoPainter Painter;
};

TEST_F(TranslationWidths, CaptionsWiderThanTheirControlAreFound) {
    auto* Button = MakeControl<TButton>(Form, "OkButton", Form);
    Button->SetBounds(8, 8, 75, 25);
    const String Long = "Enregistrer sous un autre nom";
    ASSERT_GT(TextWidth(Long, Button), 75);
    ASSERT_LT(TextWidth("Annuler", Button), 60);
    const auto F = Widths({Entry(Button, "Cancel", "Annuler"), Entry(Button, "Save as", Long)});
    ASSERT_EQ(F.size(), 1u);
    EXPECT_EQ(F[0].Check, "width");
    EXPECT_EQ(F[0].Severity, TSeverity::Warning);
    EXPECT_EQ(F[0].Message, "\"" + Long + "\" is " + std::to_string(TextWidth(Long, Button)) +
                                " pixels wide, the control shows 71 (OkButton)");

    // A bigger font makes the same text too wide.
    auto* Check = MakeControl<TCheckBox>(Form, "Loud", Form);
    Check->SetBounds(8, 40, 17 + TextWidth("Fort", Check) + 2, 17);
    EXPECT_TRUE(Widths({Entry(Check, "Go", "Fort")}).empty());
    TPaintAccess::FontOf(*Check)->SetHeight(-20);
    EXPECT_EQ(Widths({Entry(Check, "Go", "Fort")}).size(), 1u);
}

TEST_F(TranslationWidths, LabelsWrapAndClipBelow) {
    auto* Label = MakeControl<TLabel>(Form, "Customer", Form);
    Label->SetBounds(8, 8, 60, 13);
    EXPECT_TRUE(Widths({Entry(Label, "Customer:", "Client :")}).empty());
    const auto F = Widths({Entry(Label, "Customer:", "Nom du client principal :")});
    ASSERT_EQ(F.size(), 1u);
    EXPECT_NE(F[0].Message.find("pixels high, the control shows 13"), String::npos) << F[0].Message;
    Label->SetHeight(80); // room for the wrapped lines
    EXPECT_TRUE(Widths({Entry(Label, "Customer:", "Nom du client principal :")}).empty());
}

TEST_F(TranslationWidths, TheDesignsOwnClippingIsNotTheTranslations) {
    auto* Button = MakeControl<TButton>(Form, "Narrow", Form);
    Button->SetBounds(8, 8, 30, 25);
    // The design text is cut off already; a translation no wider is not reported, a wider one is.
    EXPECT_TRUE(Widths({Entry(Button, "Proceed", "Suivre")}).empty());
    EXPECT_EQ(Widths({Entry(Button, "Proceed", "Poursuivre l'opération")}).size(), 1u);
    // Texts of controls that do not show them clipped, and non-captions, are left alone.
    auto* Edit = MakeControl<TEdit>(Form, "Field", Form);
    Edit->SetBounds(8, 40, 20, 21);
    EXPECT_TRUE(Widths({Entry(Edit, "x", "un texte bien trop long", "Text")}).empty());
}

TEST(Accelerators, KeyAndCount) {
    EXPECT_EQ(AcceleratorOf("&Open"), "o");
    EXPECT_EQ(AcceleratorOf("Save &As"), "a");
    EXPECT_EQ(AcceleratorOf("Fish && &Chips"), "c");
    EXPECT_EQ(AcceleratorOf("&Über"), "Ü");
    EXPECT_EQ(AcceleratorOf("Trailing &"), "");
    EXPECT_EQ(AcceleratorOf("&&"), "");
    EXPECT_EQ(AcceleratorCount("&a&b&&c"), 2);
}
