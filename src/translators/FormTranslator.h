// Unit Zft: TFormTranslator, translates every published text of the form that owns it, addressed by
// property path (Caption, Button1.Caption, Memo1.Lines[2], StatusBar1.Panels[0].Text,
// SystemMenuClose), and puts the design texts back when it is switched off.
#pragma once

#include "translators/TranslatorFrame.h"

#include <memory>

namespace zantor {

class TFormTranslator;

namespace Zft {
ZT_EVENT_TYPE(TTranslateFormEvent, TObject*, TStrings*, bool&);
ZT_EVENT_TYPE(TTranslateComponentEvent, TObject*, TComponent*, TStrings*, bool&);
ZT_EVENT_TYPE(TTranslatePropertyEvent, TObject*, const String&, PPropInfo, TStrings*, bool&);
ZT_EVENT_TYPE(TTranslatedEvent, TObject*, TStrings*);
} // namespace Zft

class TFormTranslator : public TTranslatorFrame {
    ZT_CLASS(TFormTranslator, TTranslatorFrame)
public:
    explicit TFormTranslator(TComponent* AOwner);
    ~TFormTranslator() override;

    // Walks the owner form: applies List (Collect false) or appends path=text lines of
    // everything reachable to List (Collect true). False when refused or cancelled.
    bool TranslateForm(TStrings* List, bool Collect);
    // The published properties of one object under Prefix; nothing for a null object.
    void TranslateClass(TObject* Obj, const String& Prefix, bool Collect);
    void SetStrings(TObject* Obj, const String& Prefix, bool Collect);
    void SetCollection(TObject* Obj, const String& Prefix, bool Collect);
    // Writes line Index of the work list into one simple property; false when skipped or
    // the kind is not written.
    bool TranslateProp(TObject* Obj, PPropInfo PropInfo, int Index);
    // The current value of one simple property as the walk writes it in lines.
    String GetProp(TObject* Obj, PPropInfo PropInfo) const;
    // Line of the work list for path Name ("Name=..."), found by sorted search and the
    // two neighbour tests.
    bool WantTranslate(const String& Name, int& Index) const;
    // The system-menu entries of the owner form.
    void TranslateVirtual(bool Collect);
    // Puts the saved design texts back.
    void RestoreForm();

    void InternalTranslate(bool Value) override;

    bool TranslateEmpty() const { return FTranslateEmpty; }
    void SetTranslateEmpty(bool Value) { FTranslateEmpty = Value; }
    TSortList* SavedTexts() const { return FSavedTexts; }
    bool IsTranslated() const { return FIsTranslated; }
    TStrings* WorkList() const { return FWorkList; }

    const Zft::TTranslateFormEvent& OnTranslateForm() const { return FOnTranslateForm; }
    void SetOnTranslateForm(const Zft::TTranslateFormEvent& E) { FOnTranslateForm = E; }
    const Zft::TTranslateComponentEvent& OnTranslateComponent() const { return FOnTranslateComponent; }
    void SetOnTranslateComponent(const Zft::TTranslateComponentEvent& E) { FOnTranslateComponent = E; }
    const Zft::TTranslatePropertyEvent& OnTranslateProperty() const { return FOnTranslateProperty; }
    void SetOnTranslateProperty(const Zft::TTranslatePropertyEvent& E) { FOnTranslateProperty = E; }
    const Zft::TTranslatedEvent& OnFormTranslated() const { return FOnFormTranslated; }
    void SetOnFormTranslated(const Zft::TTranslatedEvent& E) { FOnFormTranslated = E; }

protected:
    String KindPrefix() const override { return ""; }
    String AboutText() const override { return "Form Translator 1.0"; }
    TGroupSwitch GroupSwitch() const override { return TGroupSwitch::SameLocale; }
    bool CanPropagate() const override { return FAfterLoad; }
    void LoadedFirst() override { FAfterLoad = true; }
    void LoadedLast() override;
    void FileEntries(TKeyValues& Own, TKeyValues& Design) const override;
    void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const override;

private:
    // What the form shows when no translation is applied: path=text in literal form.
    std::unique_ptr<TSortList> DesignTexts() const;
    static bool FindPathLine(const TStrings& L, const String& Name, int& Index);
    void SaveDesignText(const String& Line, int Index);
    void FlushSavedTexts();
    bool HasLinesUnder(const String& Head) const;
    // Steps of a walk between its start and its end: the form, its system menu, its
    // named components (asking OnTranslateComponent when FireEvents).
    void WalkForm(bool Collect, bool FireEvents);
    void AfterApplyWalk();

    bool FTranslateEmpty = false;
    TStrings* FWorkList = nullptr;
    TSortList* FSavedTexts;
    bool FIsTranslated = false;
    bool FAfterLoad = false;
    std::vector<const TObject*> FWalkPath; // objects on the current path: ends cycles
    std::vector<std::pair<String, TObject*>> FSavedBatch;
    Zft::TTranslateFormEvent FOnTranslateForm;
    Zft::TTranslateComponentEvent FOnTranslateComponent;
    Zft::TTranslatePropertyEvent FOnTranslateProperty;
    Zft::TTranslatedEvent FOnFormTranslated;
};

} // namespace zantor
