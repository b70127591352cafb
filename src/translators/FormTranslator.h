// Unit Zft: TFormTranslator, translates every published text of the form that owns it, addressed by
// property path (Caption, Button1.Caption, Memo1.Lines[2], StatusBar1.Panels[0].Text,
// SystemMenuClose), and puts the design texts back when it is switched off.
#pragma once

#include "translators/SavedTextList.h"
#include "translators/TranslatorFrame.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace host {
class TCustomForm;
struct HMENU__;
} // namespace host

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
    // everything reachable to List (Collect true). False when refused or cancelled. A null
    // List in collect mode raises EInvalidOperation.
    [[nodiscard]] bool TranslateForm(TStrings* List, bool Collect);
    // Steps of a walk, on the list of the walk in progress (they raise EInvalidOperation
    // outside a walk, e.g. called from an event handler of another translator).
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
    [[nodiscard]] bool WantTranslate(const String& Name, int& Index) const;
    // The system-menu entries of the owner form.
    void TranslateVirtual(bool Collect);
    // Puts the saved design texts back.
    void RestoreForm();

    void InternalTranslate(bool Value) override;

    bool TranslateEmpty() const { return FTranslateEmpty; }
    void SetTranslateEmpty(bool Value) { FTranslateEmpty = Value; }
    TSortList* SavedTexts() const { return FSavedTexts.get(); }
    bool IsTranslated() const { return FIsTranslated; }
    // The list of the walk in progress (of the innermost one when a handler started another
    // walk); outside a walk, Translations.
    TStrings* WorkList() const;

    const Zft::TTranslateFormEvent& OnTranslateForm() const { return FOnTranslateForm; }
    void SetOnTranslateForm(const Zft::TTranslateFormEvent& E) { FOnTranslateForm = E; }
    const Zft::TTranslateComponentEvent& OnTranslateComponent() const {
        return FOnTranslateComponent;
    }
    void SetOnTranslateComponent(const Zft::TTranslateComponentEvent& E) {
        FOnTranslateComponent = E;
    }
    const Zft::TTranslatePropertyEvent& OnTranslateProperty() const { return FOnTranslateProperty; }
    void SetOnTranslateProperty(const Zft::TTranslatePropertyEvent& E) { FOnTranslateProperty = E; }
    const Zft::TTranslatedEvent& OnFormTranslated() const { return FOnFormTranslated; }
    void SetOnFormTranslated(const Zft::TTranslatedEvent& E) { FOnFormTranslated = E; }

protected:
    void Notification(TComponent* AComponent, host::TOperation Operation) override;
    String KindPrefix() const override { return ""; }
    String AboutText() const override { return "Form Translator 1.0"; }
    TGroupSwitch GroupSwitch() const override { return TGroupSwitch::SameLocale; }
    bool CanPropagate() const override { return FAfterLoad; }
    void LoadedFirst() override { FAfterLoad = true; }
    void LoadedLast() override;
    void FileEntries(TKeyValues& Own, TKeyValues& Design) const override;
    void DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const override;

private:
    struct TPathPlan;
    // The state of one walk, on the stack of TranslateForm: a walk started by an event handler
    // during another gets its own, and nothing of it outlives the walk.
    struct TWalk {
        explicit TWalk(TStrings* AList) : List(AList), SortList(host::As<TSortList>(AList)) {}
        TStrings* List = nullptr;
        const TSortList* SortList = nullptr;            // List, when it is one: read in place
        std::vector<const TObject*> Path;               // objects on the current path: ends cycles
        std::vector<std::pair<String, TObject*>> Saved; // design texts, sorted in at the end
        std::vector<int> SavedFrom;            // the work-list line of each saved text (ByPath)
        bool ByPath = false;                   // applied by path (over a list in byte-wise order)
        std::shared_ptr<const TPathPlan> Plan; // the plan applied, kept alive until the end
        // While the texts saved are those the last restore kept, in the plan's order, they are
        // only compared with the kept ones; Matched counts them.
        bool Reusing = false;
        std::size_t Matched = 0;
    };
    class TWalkScope;

    TWalk& CurrentWalk() const;
    // What the form shows when no translation is applied: path=text in literal form.
    std::unique_ptr<TSortList> DesignTexts() const;
    static bool FindPathLine(const TStrings& L, std::string_view Name, int& Index);
    // Object: the object of line Index, when already known.
    void SaveDesignText(String Line, int Index);
    void SaveDesignText(String Line, int Index, TObject* Object);
    // True when the text to save for line Index, with Object, is the kept one the plan expects
    // next (IsKept tells, given the kept line); nothing more is to be done then. Otherwise the
    // texts matched so far become saved texts and the comparing ends.
    template <class Same>
    bool ReuseSavedText(TWalk& Walk, int Index, const TObject* Object, const Same& IsKept);
    void StopReusing(TWalk& Walk);
    bool SavesDesignTexts() const { return !FIsTranslated && !FRestoring; }
    // Some event handler is assigned: what the translator does can be seen step by step.
    bool HasHandlers() const;
    void FlushSavedTexts(TWalk& Walk);
    static void SortSavedByLines(TWalk& Walk);
    bool HasLinesUnder(const String& Head) const;
    // Steps of a walk between its start and its end: the form, its system menu, its
    // named components (asking OnTranslateComponent when FireEvents).
    void WalkForm(bool Collect, bool FireEvents);
    // Item Item of string list L under path Key, from line Index of the work list; Decoded,
    // when given, is the line's value already read from its literal form.
    void TranslateItem(TStrings* L, int Item, const String& Key, int Index,
                       const String* Decoded = nullptr);
    // Line Index of the work list as a plan keeps it, next to its steps: its text and object,
    // and its value read from its literal form (null when that raises an error).
    struct TPlannedLine {
        std::string_view Text;
        std::size_t KeyLength;
        TObject* Object;
        const String* Decoded;
        const host::Int64* Ordinal; // an integer or set value, already read (or null)
    };
    bool TranslateProp(TObject* Obj, PPropInfo PropInfo, int Index, const TPlannedLine* Planned);
    // Line Index of the walk's list without a copy where it can be had; Buffer holds a copy.
    static std::string_view WorkLine(const TWalk& Walk, int Index, String& Buffer);

    // Apply by path (FormTranslatorPaths.cpp): the same writes, saved texts and errors as an
    // apply walk, in the same order, found from the lines instead of the whole form. False,
    // with nothing done, when the walk must run (event handlers assigned, an unsorted list).
    // The lines' resolution is kept as a plan with what it read from the form, and is used
    // again while every reading still gives the same answer.
    struct TPathVisit;
    struct TPlanBuild;
    bool ApplyByPath();
    std::shared_ptr<const TPathPlan> PlanFor(const TSortList& List, TComponent& Form);
    std::shared_ptr<TPathPlan> MakePlan(const TSortList& List, TComponent& Form) const;
    void ResolveBelow(TObject* Obj, std::string_view Rest, TPlanBuild& Build) const;

    // Switching on while another translator of the form is on, for the same paths
    // (FormTranslatorHandOver.cpp): when the result is certain to be what restoring the
    // other's design texts and applying these lines gives, this translator takes over the
    // other's saved texts (the design texts it would save) and only writes its own texts.
    // TakeOverFromSibling makes the other one not translated and returns the plan to write;
    // null when the switch must go the whole way.
    std::shared_ptr<const TPathPlan> TakeOverFromSibling();
    [[nodiscard]] bool FitsSavedTextsOf(const std::shared_ptr<const TPathPlan>& Plan,
                                        const TFormTranslator& From);
    // Saved holds the texts the plan saves; EmptyDesigns gets the steps whose design text is
    // empty.
    bool SameSavedTexts(const TPathPlan& Plan, const TSavedTextList& Saved,
                        std::vector<std::size_t>& EmptyDesigns) const;
    void WriteTakenOver(const TPathPlan& Plan);
    // Text into the place of step Step; the design text of saved text k into it.
    static void WriteText(const TPathPlan& Plan, std::size_t Step, host::HMENU__* Menu,
                          const String& Text);
    void RestoreText(const TPathPlan& Plan, std::size_t Step, host::HMENU__* Menu, std::size_t k);
    // After a write that failed at saved text Failed: the rest back to the design texts, and
    // only the texts saved until then kept.
    void PutBackFrom(const TPathPlan& Plan, std::size_t Failed);
    // The texts another translator of the form kept at its restore, Count of them, become the
    // ones this one compares with.
    void AdoptKeptTexts(std::size_t Count);

    // The system menu (FormTranslatorWindows.cpp): the menu, the walk's position of an entry
    // (-1 when the walk leaves it out), and applying line Index to entry Entry.
    static host::HMENU__* SystemMenuOf(host::TCustomForm& Form);
    static int SystemEntryPosition(const host::TCustomForm& Form, std::string_view Name);
    void TranslateSystemEntry(host::HMENU__* Menu, int Entry, int Index);
    // Value into entry Entry, cut to what a menu text holds; an empty one only when WriteEmpty.
    static void WriteSystemEntry(host::HMENU__* Menu, int Entry, String Value, bool WriteEmpty);
    void AfterApplyWalk();

    bool FTranslateEmpty = false;
    std::unique_ptr<TSavedTextList> FSavedTexts;
    bool FIsTranslated = false;
    bool FRestoring = false; // what a restore writes back is no design text to save
    bool FAfterLoad = false;
    TWalk* FWalk = nullptr; // the walk in progress, on the stack of its TranslateForm
    // Plans of the last lists applied by path (the translations, the saved texts); a plan in
    // use stays alive until its apply ends, whatever a nested apply keeps.
    std::vector<std::shared_ptr<TPathPlan>> FPlans;
    std::uint64_t FFormChanges = 0; // components removed from the form: plans may point to them
    // The last check of a plan against another's saved texts (as they were at a generation).
    struct TTakeOverCheck {
        std::weak_ptr<const TPathPlan> Plan;
        std::uint64_t PlanGeneration = 0;
        const TSortList* Saved = nullptr;
        std::uint64_t SavedGeneration = 0;
        bool Fits = false;
        std::vector<std::size_t> EmptyDesigns; // the steps whose design text is empty
    };
    TTakeOverCheck FTakeOverCheck;
    bool FFromWritesEmpty = false; // of the translator taken over from: its restore's rule
    Zft::TTranslateFormEvent FOnTranslateForm;
    Zft::TTranslateComponentEvent FOnTranslateComponent;
    Zft::TTranslatePropertyEvent FOnTranslateProperty;
    Zft::TTranslatedEvent FOnFormTranslated;
};

} // namespace zantor
