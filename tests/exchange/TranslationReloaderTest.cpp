// Reloading translators' external files while the application runs.
#include "exchange/TranslationReloader.h"

#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/AtomicFile.h"
#include "host/winapi/Timers.h"
#include "host/winapi/WinApi.h"
#include "translators/FormTranslator.h"
#include "translators/ResourceTranslator.h"

#include "../host/controls/ControlsFixture.h"
#include "TestUtil.h"

using namespace host;
using namespace zantor;

namespace {

class TranslationReloader : public ControlsTest {
protected:
    TranslationReloader() {
        Form->SetName("Form1");
        Button->SetName("Button1");
        Button->SetParent(Form);
        Button->SetCaption("Cancel");
        French->SetName("French");
        French->SetLocale(1036);
        French->SetFileName(File);
        Write("Form1.Button1.Caption%1036='Annuler'\r\n");
        static_cast<void>(French->LoadFrom(File));
        // Made in code, the translator is on but has not walked its form yet.
        French->InternalTranslate(false);
        French->InternalTranslate(true);
        Reloader->OnReloaded = [this](TTranslatorFrame* T) { Reloaded.push_back(T); };
        Reloader->OnError = [this](TTranslatorFrame*, const String& M) { Errors.push_back(M); };
    }
    // The application's message loop: timers that are due fire.
    static void Pump() {
        MSG Msg;
        while (PeekMessageA(&Msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&Msg);
    }
    // Each write replaces the file, as editors and this system's writers do.
    void Write(const std::string& Text) { WriteFileAtomic(File, Text); }

    zt_test::TempDir Dir;
    const std::string File = Dir.File("lang.txt");
    TForm* Form = new TForm(Application);
    TButton* Button = new TButton(Form);
    TFormTranslator* French = new TFormTranslator(Form);
    TTranslationReloader* Reloader = new TTranslationReloader(Form);
    std::vector<TTranslatorFrame*> Reloaded;
    std::vector<String> Errors;
};

} // namespace

TEST_F(TranslationReloader, ChangedFilesShowOnTheRunningForm) {
    ASSERT_EQ(Button->Caption(), "Annuler");
    ASSERT_TRUE(Reloader->Watch(French));
    EXPECT_EQ(Reloader->CheckNow(), 0); // nothing changed yet
    Write("Form1.Button1.Caption%1036='Abandonner'\r\n");
    EXPECT_EQ(Reloader->CheckNow(), 1);
    EXPECT_EQ(Button->Caption(), "Abandonner");
    EXPECT_EQ(Reloaded, std::vector<TTranslatorFrame*>{French});
    EXPECT_EQ(Reloader->CheckNow(), 0);

    // A translation taken out of the file goes: the design text shows again.
    Write("Form1.Caption%1036='Formulaire'\r\n");
    EXPECT_EQ(Reloader->CheckNow(), 1);
    EXPECT_EQ(Button->Caption(), "Cancel");
    EXPECT_EQ(Form->Caption(), "Formulaire");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(TranslationReloader, AFileThatCannotBeReadLeavesTheTranslationsAsTheyWere) {
    ASSERT_TRUE(Reloader->Watch(French));
    Write("Form1.Button1.Caption%fr=''Annulé''\r\n");
    EXPECT_EQ(Reloader->CheckNow(), 0);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_TRUE(Errors[0].starts_with(File + ": ")) << Errors[0];
    EXPECT_EQ(Button->Caption(), "Annuler");
    EXPECT_EQ(French->Translations()->Count(), 1);
    // Put right, it is taken.
    Write("Form1.Button1.Caption%1036='Annulé'\r\n");
    EXPECT_EQ(Reloader->CheckNow(), 1);
    EXPECT_EQ(Button->Caption(), "Annulé");
}

TEST_F(TranslationReloader, TranslatorsOffAndResourceTranslatorsTakeTheNewTable) {
    auto* German = new TFormTranslator(Form);
    German->SetLocale(1031);
    German->SetFileName(File);
    auto* Res = new TResourceTranslator(Form);
    Res->SetLocale(1036);
    Res->SetFileName(File);
    Res->InternalTranslate(false);
    EXPECT_EQ(Reloader->WatchApplication(), 3);
    Write("#1Form1.Res0%-1='Ready.'\r\n#1Form1.Res0%1036='Prêt.'\r\n"
          "Form1.Button1.Caption%1031='Abbrechen'\r\nForm1.Button1.Caption%1036='Annuler'\r\n");
    EXPECT_EQ(Reloader->CheckNow(), 3);
    EXPECT_EQ(German->Translations()->Count(), 1);
    EXPECT_EQ(German->Translations()->Line(0), "Button1.Caption='Abbrechen'");
    ASSERT_EQ(Res->ResStrings()->Count(), 1);
    EXPECT_EQ(Res->ResStrings()->Line(0), "Ready.");
    Res->InternalTranslate(true);
    char Buffer[64] = "Ready.";
    int Len = 6;
    EXPECT_TRUE(Res->TranslateBuffer(Buffer, Len, sizeof Buffer));
    EXPECT_EQ(std::string(Buffer, Len), "Prêt.");
    EXPECT_EQ(Button->Caption(), "Annuler"); // the French translator stayed in force
}

TEST_F(TranslationReloader, ForgetsTranslatorsThatGoAndWatchesOnlyFiles) {
    auto* NoFile = new TFormTranslator(Form);
    EXPECT_FALSE(Reloader->Watch(NoFile));
    ASSERT_TRUE(Reloader->Watch(French));
    ASSERT_TRUE(Reloader->Watch(French)); // once only
    EXPECT_EQ(Reloader->WatchedCount(), 1);
    French->Free();
    EXPECT_EQ(Reloader->WatchedCount(), 0);
    Write("Form1.Button1.Caption%1036='Abandonner'\r\n");
    EXPECT_EQ(Reloader->CheckNow(), 0);
}

TEST_F(TranslationReloader, LooksOnItsOwnWithAnInterval) {
    ASSERT_TRUE(Reloader->Watch(French));
    Reloader->SetInterval(500);
    Write("Form1.Button1.Caption%1036='Abandonner'\r\n");
    AdvanceClock(400);
    Pump();
    EXPECT_EQ(Button->Caption(), "Annuler");
    AdvanceClock(100);
    Pump();
    EXPECT_EQ(Button->Caption(), "Abandonner");
    Reloader->SetInterval(0);
    Write("Form1.Button1.Caption%1036='Annuler'\r\n");
    AdvanceClock(1000);
    Pump();
    EXPECT_EQ(Button->Caption(), "Abandonner");
}
