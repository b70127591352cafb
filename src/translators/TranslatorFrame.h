// The frame every translator kind shares: the common published properties, the switch
// Translate with its propagation through the group of the same Locale, the hidden streamed
// property that ties the form file to the external translation file, the start-up
// sequence, and the translation and dictionary files.
#pragma once

#include "host/classes/Filer.h"
#include "host/typinfo/ClassBuilder.h"
#include "translators/DictionaryFile.h"
#include "translators/SortList.h"
#include "translators/TranslationFile.h"

#include <memory>

namespace zantor {

ZT_EVENT_TYPE(TTranslateEvent, TObject*, bool&);
ZT_EVENT_TYPE(TTranslatedEvent, TObject*);

// How switching one translator on affects the others of its class.
enum class TGroupSwitch {
    SameLocale,   // only the instances of the same Locale follow
    OneLocaleOnly // and switching on turns off every instance of another Locale
};

// An entry that has a source text for the dictionary file: both texts plain.
struct TDictionaryEntry {
    String Source;
    String Translation;
    int Index = -1; // the entry's line in Translations (or the kind's own list)
};

class TTranslatorFrame : public TComponent {
    ZT_CLASS(TTranslatorFrame, TComponent)
public:
    // Translations is a plain TSortList with ReplaceObjects.
    TTranslatorFrame(TComponent* AOwner, bool ReplaceObjects);
    // Translations is the list a kind needs (non-null; the frame owns it).
    TTranslatorFrame(TComponent* AOwner, std::unique_ptr<TSortList> Translations);
    ~TTranslatorFrame() override;

    // Design-time only; never stored.
    const String& About() const { return FAbout; }
    void SetAbout(const String&) {}
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& Value) { FFileName = Value; }
    Integer Locale() const { return FLocale; }
    void SetLocale(Integer Value) { FLocale = Value; }
    bool Translate() const { return FTranslate; }
    // Switches this instance and the others of its group (see TGroupSwitch).
    void SetTranslate(bool Value);
    TSortList* Translations() const { return FTranslations.get(); }
    virtual void SetTranslations(TStrings* Value);
    // Translations are stored in the form only while no external file is named.
    bool StoreTranslationsInForm() const { return FFileName.empty(); }

    const TTranslateEvent& OnTranslate() const { return FOnTranslate; }
    void SetOnTranslate(const TTranslateEvent& Value) { FOnTranslate = Value; }
    const TTranslatedEvent& OnTranslated() const { return FOnTranslated; }
    void SetOnTranslated(const TTranslatedEvent& Value) { FOnTranslated = Value; }

    // The kind's own on/off work; the frame only stores the value.
    virtual void InternalTranslate(bool Value) { FTranslate = Value; }
    void Loaded() override;
    void DefineProperties(TFiler* Filer) override;
    // "About ..." message box with the component's name and version.
    void ShowAbout();
    // Opens the editor form of the kind (see EditorForms.h); true when the translations
    // changed. Raises EComponentError when no editor form is installed for the class.
    bool ShowEditor();
    // Folder against which a bare FileName is resolved, with its trailing separator.
    String GetAppDir() const;

    virtual void SaveTo(const String& AFileName);
    // False when the file does not exist.
    [[nodiscard]] virtual bool LoadFrom(const String& AFileName);
    void TranslateTo(const String& AFileName);
    // False when the file does not exist.
    [[nodiscard]] bool TranslateFrom(const String& AFileName);

    // The entries that have a source text (the dictionary file's), taking a translation for
    // one of them, and the head of this translator's lines in translation files: what other
    // exchange formats go through.
    void SourceEntries(std::vector<TDictionaryEntry>& Entries) const { DictionaryEntries(Entries); }
    void TakeTranslation(const TDictionaryEntry& Entry, const String& Translation) {
        ApplyDictionaryTranslation(Entry, Translation);
    }
    String FileHead() const { return TranslationHeadName(); }

    static void ConvertToLiterals(String& S);
    static void ConvertFromLiterals(String& S);
    static String WriteString(const String& S) { return zantor::WriteString(S); }
    static String ReadString(const String& S) { return zantor::ReadString(S); }

    // The other instances of this kind on the application's forms, in form order and then
    // component order.
    std::vector<TTranslatorFrame*> OtherInstances() const;
    // The translators of kind Kind (or a descendant) that Form owns, in its component order.
    // Found from the living translators, not by visiting each of the form's components: a
    // form may hold thousands.
    static std::vector<TTranslatorFrame*> OnForm(const TComponent& Form, TClass Kind);
    // Whether Frame is a translator still alive (for a list of them kept across handlers).
    static bool IsAlive(const TTranslatorFrame* Frame);

protected:
    // What each kind contributes.
    virtual String KindPrefix() const = 0;
    virtual String AboutText() const = 0;
    virtual TGroupSwitch GroupSwitch() const = 0;
    virtual String StorageName() const { return "Storage"; }
    virtual void ReadStorage(TReader* Reader) { Reader->ReadInteger(); }
    virtual void WriteStorage(TWriter* Writer) { Writer->WriteInteger(0); }
    // Start-up steps before and after joining the group.
    virtual void LoadedFirst() {}
    virtual void LoadedLast() {}
    // False while propagation must wait (the form translator until its loading is over).
    virtual bool CanPropagate() const { return true; }

    // Translation-file shapes: the entries written with Locale and with -1; merging them
    // into the file under Head (default: SaveTranslationFile); and applying this head's lines
    // (default: the lines of Locale replace or join Translations).
    virtual void FileEntries(TKeyValues& Own, TKeyValues& Design) const;
    virtual void SaveFileLines(const String& AFileName, const String& Head) const;
    virtual void ApplyFileEntries(const std::vector<TFileEntry>& Entries);
    // Dictionary shapes: entries that have a source text, and taking a translation.
    virtual void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const;
    virtual void ApplyDictionaryTranslation(const TDictionaryEntry& Entry,
                                            const String& Translation);

    String TranslationHeadName() const { return TranslationHead(KindPrefix(), Owner()); }

    String FAbout;
    String FFileName;
    Integer FLocale = 0;
    bool FTranslate = false;
    const std::unique_ptr<TSortList> FTranslations;
    TTranslateEvent FOnTranslate;
    TTranslatedEvent FOnTranslated;

private:
    void LoadExternalFile();
    void SaveExternalFile();

    // The list of living translators, linked through themselves: nothing to allocate, and
    // nothing to destroy before the last translator at exit.
    static TTranslatorFrame* FFirstLiving;
    TTranslatorFrame* FPrevLiving = nullptr;
    TTranslatorFrame* FNextLiving = nullptr;
};

// Adds the frame's published properties, in their published order, to a kind's class
// registration. The kinds differ in whether they have Translations and the two events,
// whether Translations is always stored, and whether Translate records a default.
struct TFrameOptions {
    bool HasTranslations = true;
    bool TranslationsAlwaysStored = false;
    bool HasEvents = true;
    bool TranslateDefaultTrue = false;
};

template <class T> TClassBuilder<T>& PublishFrame(TClassBuilder<T>& B, TFrameOptions Options) {
    B.Prop("About", &TTranslatorFrame::About, &TTranslatorFrame::SetAbout).Stored(false);
    B.Prop("FileName", &TTranslatorFrame::FileName, &TTranslatorFrame::SetFileName);
    B.Prop("Locale", &TTranslatorFrame::Locale, &TTranslatorFrame::SetLocale).Default(0);
    B.Prop("Translate", &TTranslatorFrame::Translate, &TTranslatorFrame::SetTranslate);
    if (Options.TranslateDefaultTrue) B.Default(true);
    if (Options.HasTranslations) {
        B.Prop(
            "Translations", [](const TTranslatorFrame& F) -> TStrings* { return F.Translations(); },
            &TTranslatorFrame::SetTranslations);
        if (!Options.TranslationsAlwaysStored) B.Stored(&TTranslatorFrame::StoreTranslationsInForm);
    }
    if (Options.HasEvents) {
        B.Prop("OnTranslate", &TTranslatorFrame::OnTranslate, &TTranslatorFrame::SetOnTranslate);
        B.Prop("OnTranslated", &TTranslatorFrame::OnTranslated, &TTranslatorFrame::SetOnTranslated);
    }
    return B;
}

} // namespace zantor
