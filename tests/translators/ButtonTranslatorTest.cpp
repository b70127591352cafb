#include "translators/ButtonTranslator.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/LocaleCatalogue.h"
#include "translators/LocaleTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/Dialogs.h"
#include "host/controls/Forms.h"
#include "host/controls/ScriptedUiDriver.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/NlsCodePage.h"

#include "LocaleTestSupport.h"
#include "TestUtil.h"
#include "host/winapi/WinApi.h"

using namespace zantor;
using namespace host;

namespace {

struct TButtonHookScope {
    TButtonHookScope() { ResetButtonHookUnit(); }
    ~TButtonHookScope() { ResetButtonHookUnit(); }
};

class ZbtTest : public ::testing::Test {
protected:
    ZbtTest() {
        Form = new TForm(Application);
        Form->SetName("Form1");
    }
    // The message dialog as shown: title and button captions.
    std::vector<String> AskYesNo() {
        std::vector<String> Seen;
        Driver.ExpectMessageDlg("Save changes?", mrYes, [&](TCustomForm& F) {
            Seen.push_back(F.Caption());
            for (int i = 0; i < F.ComponentCount(); ++i)
                if (auto* B = As<TButton>(F.Components(i))) Seen.push_back(B->Caption());
        });
        EXPECT_EQ(MessageDlg("Save changes?", mtConfirmation, {mbYes, mbNo}), mrYes);
        return Seen;
    }

    TButtonHookScope Hook;
    TWindowLayerGuard Layer;
    TApplicationScope App;
    TScriptedUiDriver Driver;
    TUiDriverGuard DriverGuard{Driver};
    TForm* Form;
};

// Logs the events with the text a button shows at that moment.
class TEventSink : public TObject {
public:
    TButton* Button = nullptr;
    bool SkipNext = false;
    TObject* Sender = nullptr;
    std::vector<String> Log;
    void Translate(TObject* S, bool& Skip) {
        Sender = S;
        Log.push_back("translate:" + (Button ? Button->Caption() : String()));
        Skip = SkipNext;
    }
    void Translated(TObject*) {
        Log.push_back("translated:" + (Button ? Button->Caption() : String()));
    }
};

} // namespace

TEST_F(ZbtTest, GermanTranslatorTranslatesAMessageDialogAtActivation) {
    EXPECT_EQ(AskYesNo(), (std::vector<String>{"Confirm", "&Yes", "&No"}));
    auto* T = new TButtonTranslator(Form);
    T->SetLanguage(lnGerman);
    EXPECT_EQ(AskYesNo(), (std::vector<String>{"Confirm", "Ja", "Nein"}));
    T->SetTitle("Frage");
    EXPECT_EQ(AskYesNo(), (std::vector<String>{"Frage", "Ja", "Nein"}));
    // The title changes only when a button was replaced.
    T->Captions()->Clear();
    EXPECT_EQ(AskYesNo(), (std::vector<String>{"Confirm", "&Yes", "&No"}));
    T->SetTranslate(false);
    EXPECT_EQ(CBTHook, nullptr);
}

TEST_F(ZbtTest, OnlyTheExactTextMatchesAndOrdinaryFormsAreTranslatedToo) {
    auto* T = new TButtonTranslator(Form);
    T->Captions()->Add("OK|D'acord");
    T->Captions()->Add("Yes|Ja");
    T->SetTitle("Titel");
    auto* Other = new TForm(Application);
    auto* Ok = new TButton(Other);
    Ok->SetParent(Other);
    Ok->SetCaption("OK");
    auto* Amp = new TButton(Other);
    Amp->SetParent(Other);
    Amp->SetCaption("&OK");
    auto* Blank = new TButton(Other);
    Blank->SetParent(Other);
    Blank->SetCaption("Yes ");
    Other->SetCaption("Own");
    T->Font()->SetName("Arial");
    Other->Show();
    EXPECT_EQ(Ok->Caption(), "D'acord");
    EXPECT_EQ(Ok->Font()->Name(), "Arial");
    EXPECT_EQ(Amp->Caption(), "&OK");
    EXPECT_EQ(Blank->Caption(), "Yes ");
    EXPECT_EQ(Other->Caption(), "Titel");
}

TEST_F(ZbtTest, DesignStateInstallsNoHook) {
    auto* T = new TButtonTranslator(Form);
    T->SetTranslate(false);
    T->SetDesigning(true);
    T->SetTranslate(true);
    EXPECT_EQ(CBTHook, nullptr);
}

TEST_F(ZbtTest, SeveralInstancesShareTheHookAndTheOneSwitchedOnApplies) {
    auto* French = new TButtonTranslator(Form);
    French->SetLanguage(lnFrench);
    French->SetLocale(1036);
    auto* German = new TButtonTranslator(Form);
    German->SetLanguage(lnGerman);
    German->SetLocale(1031);
    French->SetTranslate(true); // switches German off: one language at a time
    EXPECT_FALSE(German->Translate());
    EXPECT_EQ(btInstance, French);
    EXPECT_EQ(AskYesNo()[1], "Oui");
    German->SetTranslate(true);
    EXPECT_EQ(AskYesNo()[1], "Ja");
    // A new instance belongs to no locale: switching it on turns the others off.
    auto* Third = new TButtonTranslator(Form);
    EXPECT_FALSE(German->Translate());
    German->SetTranslate(true);
    EXPECT_TRUE(Third->Translate()); // no locale: not switched by the others
    Third->SetTranslate(false);
    EXPECT_NE(CBTHook, nullptr); // German is still on
    EXPECT_EQ(btInstance, German);
    German->Free();
    EXPECT_EQ(btInstance, nullptr);
    EXPECT_EQ(CBTHook, nullptr);
}

TEST_F(ZbtTest, LanguageWritesItsRowInPlaceAndAgainWhenRepeated) {
    auto* T = new TButtonTranslator(Form);
    T->Captions()->Add("Other|Autre");
    T->Captions()->Add("&Yes|Jawohl");
    T->SetLanguage(lnGerman);
    EXPECT_EQ(T->Captions()->Strings(0), "Other|Autre");
    EXPECT_EQ(T->Captions()->Strings(1), "&Yes|Ja");
    const String Once = T->Captions()->Text();
    T->Captions()->SetStrings(1, "&Yes|Edited");
    T->SetLanguage(lnGerman);
    EXPECT_EQ(T->Captions()->Text(), Once);
    T->SetLanguage(lnUser);
    EXPECT_EQ(T->Captions()->Text(), Once);
    EXPECT_EQ(T->Captions()->Count(), 1 + 9); // OK and Cancel keys equal SOKButton/SCancelButton
    EXPECT_THROW(T->ReplaceCaptions({"a"}), EConvertError);
}

TEST(ButtonCaptions, RowsAreBytesInTheirCodePages) {
    const TButtonCaptionRow& Ru = ButtonCaptionRow(lnRussian);
    EXPECT_EQ(Ru.CodePage, 1251u);
    EXPECT_EQ(Ru.Texts[2], "\xCE\xCA"); // Cyrillic О and К
    EXPECT_EQ(ConvertCodePage(Ru.Texts[2], 1251, CP_UTF8), "ОК");
    const TButtonCaptionRow& Ja = ButtonCaptionRow(lnJapan);
    EXPECT_EQ(Ja.Texts[3], "\xB7\xAC\xDD\xBE\xD9"); // half-width katakana
    EXPECT_EQ(ConvertCodePage(Ja.Texts[0], 932, CP_UTF8), "はい");
    EXPECT_EQ(ConvertCodePage(Ja.Texts[1], 932, CP_UTF8), "いいえ");
    EXPECT_EQ(ConvertCodePage(Ja.Texts[4], 932, CP_UTF8), "ヘルプ");
    EXPECT_EQ(ButtonCaptionRow(lnFrench).Texts[6], "R\xE9"
                                                   "essayer");
    EXPECT_EQ(ButtonCaptionRow(lnItalian).Texts[4], "? ");
    EXPECT_EQ(ButtonCaptionRow(lnGreek).Texts[0], "\xCD\xE1\xE9");
    EXPECT_EQ(ButtonCaptionRow(lnTaiwanese).CodePage, 950u);
    for (int L = lnArabic; L <= lnTurkish; ++L) {
        const TButtonCaptionRow& R = ButtonCaptionRow(static_cast<TLangName>(L));
        for (const String& Text : R.Texts) {
            EXPECT_FALSE(Text.empty());
            // Every text survives the way back from its code page.
            EXPECT_EQ(Utf8ToCodePage(ConvertCodePage(Text, R.CodePage, CP_UTF8), R.CodePage), Text);
        }
        EXPECT_EQ(R.Texts[9], R.Texts[2]);
        EXPECT_EQ(R.Texts[10], R.Texts[3]);
    }
}

TEST_F(ZbtTest, BuiltInTextsAreConvertedToTheProcessCodePage) {
    zlt_test::TRtlStateGuard Rtl;
    auto* T = new TButtonTranslator(Form);
    T->SetLanguage(lnRussian);
    EXPECT_EQ(T->Captions()->Strings(2), "OK|ОК"); // UTF-8 by default
    T->SetLanguage(lnJapan);
    EXPECT_EQ(T->Captions()->Strings(3), "Cancel|ｷｬﾝｾﾙ"); // half-width katakana
    EXPECT_EQ(T->Captions()->Strings(0), "&Yes|はい");
    ASSERT_TRUE(SetProcessCodePage(1251));
    T->SetLanguage(lnRussian);
    SetProcessCodePage(CP_UTF8);
    EXPECT_EQ(T->Captions()->Strings(2), "OK|\xCE\xCA"); // the row's own page: bytes unchanged
}

TEST_F(ZbtTest, CaptionFileIsADictionary) {
    zt_test::TempDir Dir;
    auto* T = new TButtonTranslator(Form);
    T->Captions()->Add("&Yes|Ja");
    T->Captions()->Add("Cancel|Abbrechen");
    T->SaveTo(Dir.File("b.dic"));
    EXPECT_EQ(zt_test::ReadAll(Dir.File("b.dic")), "&Yes\tJa\r\nCancel\tAbbrechen\r\n");
    T->Captions()->Clear();
    ASSERT_TRUE(T->LoadFrom(Dir.File("b.dic")));
    EXPECT_EQ(T->Captions()->Count(), 2);
    EXPECT_EQ(T->Captions()->Strings(0), "&Yes|Ja");
}

TEST_F(ZbtTest, LocaleSwitchTurnsOnTheDialogAndButtonTranslatorsOfTheLocale) {
    zlt_test::TRtlStateGuard Rtl;
    TCommonDialogUnitGuard DialogUnit;
    auto* Loc = new TLocaleTranslator(Form);
    Loc->Translations()->Clear();
    for (Integer Id : {1036, 1031})
        AddOrgProps(Id, Loc->Translations());
    Loc->UpdateLangList();
    auto* DlgFr = new TCommonDialogTranslator(Form);
    DlgFr->SetLocale(1036);
    auto* DlgDe = new TCommonDialogTranslator(Form);
    DlgDe->SetLocale(1031);
    auto* BtFr = new TButtonTranslator(Form);
    BtFr->SetLocale(1036);
    BtFr->SetLanguage(lnFrench);
    auto* BtDe = new TButtonTranslator(Form);
    BtDe->SetLocale(1031);
    BtDe->SetLanguage(lnGerman);
    ASSERT_TRUE(Loc->TranslateLocale(1036));
    EXPECT_TRUE(DlgFr->Translate());
    EXPECT_FALSE(DlgDe->Translate());
    EXPECT_EQ(mctInstance, DlgFr);
    EXPECT_EQ(btInstance, BtFr);
    EXPECT_EQ(AskYesNo()[1], "Oui");
    ASSERT_TRUE(Loc->TranslateLocale(1031));
    EXPECT_EQ(mctInstance, DlgDe);
    EXPECT_EQ(btInstance, BtDe);
    EXPECT_EQ(AskYesNo()[1], "Ja");
}

TEST_F(ZbtTest, OnTranslateMaySkipAFormAndOnTranslatedFollowsIt) {
    auto* T = new TButtonTranslator(Form);
    T->Captions()->Add("OK|D'acord");
    TEventSink Sink;
    T->SetOnTranslate(TTranslateEvent(&Sink, &TEventSink::Translate));
    T->SetOnTranslated(TTranslatedEvent(&Sink, &TEventSink::Translated));
    auto* Other = new TForm(Application);
    auto* Ok = new TButton(Other);
    Ok->SetParent(Other);
    Ok->SetCaption("OK");
    Sink.Button = Ok;
    Sink.SkipNext = true;
    T->TranslateForm(Other);
    EXPECT_EQ(Sink.Log, (std::vector<String>{"translate:OK"}));
    EXPECT_EQ(Ok->Caption(), "OK");
    Sink.SkipNext = false;
    Sink.Log.clear();
    T->TranslateForm(Other);
    EXPECT_EQ(Sink.Log, (std::vector<String>{"translate:OK", "translated:D'acord"}));
    EXPECT_EQ(Sink.Sender, T);

    // At activation through the hook, once per activated form.
    T->SetLanguage(lnGerman);
    Sink.Button = nullptr;
    Sink.Log.clear();
    EXPECT_EQ(AskYesNo()[1], "Ja");
    EXPECT_EQ(Sink.Log, (std::vector<String>{"translate:", "translated:"}));
    Sink.SkipNext = true;
    EXPECT_EQ(AskYesNo()[1], "&Yes");
}
