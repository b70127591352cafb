// Switching from one translator of a form to another that translates the same paths: restoring
// the design texts only for the new language to overwrite them, and saving them again, would
// write every property twice and read it once. The new translator takes the other's saved
// design texts over and writes its own texts only, where that is certain to end alike.
#include "translators/FormTranslatorPlan.h"

#include "host/controls/Forms.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"
#include "translators/Literals.h"

#include <optional>

using namespace host;

namespace zantor {

namespace {

// Whether a text in literal form reads as an empty text; nothing when it does not read.
std::optional<bool> ReadsEmpty(std::string_view Literal) {
    // The usual literal: one quoted run without quotes inside, which reads as it stands.
    if (Literal.size() >= 2 && Literal.front() == '\'' && Literal.back() == '\'' &&
        Literal.substr(1, Literal.size() - 2).find('\'') == std::string_view::npos)
        return Literal.size() == 2;
    try {
        return FromLiterals(Literal).empty();
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

// The whole switch would restore From (the one translator of the form that is on), then apply
// these lines. Nothing else may run in between: no other translator to switch off, here or
// where From's switching off spreads to; no handler to see either step.
std::shared_ptr<const TFormTranslator::TPathPlan> TFormTranslator::TakeOverFromSibling() {
    TComponent* Form = Owner();
    auto* List = As<TSortList>(FTranslations.get());
    if (!Form || !List || List->Count() == 0 || FIsTranslated || FWalk || HasHandlers() ||
        FSavedTexts->Count() != 0 || ComponentState().Contains(csDesigning) ||
        Form->ComponentState().Contains(csDestroying))
        return nullptr;
    TFormTranslator* From = nullptr;
    for (TTranslatorFrame* F : OnForm(*Form, StaticClass()))
        if (auto* T = static_cast<TFormTranslator*>(F); T != this && T->FTranslate) {
            if (From) return nullptr;
            From = T;
        }
    if (!From || !From->FIsTranslated || From->FWalk || From->FRestoring || From->HasHandlers() ||
        From->ComponentState().Contains(csDesigning))
        return nullptr;
    if (From->Locale() != 0 && From->CanPropagate())
        for (TTranslatorFrame* Other : From->OtherInstances())
            if (Other->Locale() == From->Locale() && Other->Translate()) return nullptr;
    std::shared_ptr<const TPathPlan> Plan;
    try {
        Plan = PlanFor(*List, *Form);
    } catch (...) {
        return nullptr; // the whole switch meets the error in its place
    }
    if (!FitsSavedTextsOf(Plan, *From)) return nullptr;
    FSavedTexts->TakeLinesOf(*From->FSavedTexts);
    From->FIsTranslated = false;
    FFromWritesEmpty = From->FTranslateEmpty;
    return Plan;
}

// The translator taken over from loses the texts its next apply would compare with: they went
// to the other one, whose restore keeps them. The design texts are the form's, whichever
// translator kept them, so an apply without texts of its own takes those of another (not while
// that one is walking: its walk may be comparing with them).
void TFormTranslator::AdoptKeptTexts(std::size_t Count) {
    TComponent* Form = Owner();
    if (!Form || Count == 0) return;
    for (TTranslatorFrame* F : OnForm(*Form, StaticClass()))
        if (auto* T = static_cast<TFormTranslator*>(F);
            T != this && !T->FWalk && T->FSavedTexts->KeptCount() == Count) {
            FSavedTexts->TakeKeptOf(*T->FSavedTexts);
            return;
        }
}

// From's saved texts are exactly those the plan would save after From's restore: one per step,
// each of the step's key, with the object of the step's line, in the order the plan saves
// them. The restore would resolve each of these keys (its search finds each) to the place the
// step writes, and put back the text the step then reads. An empty design text it puts back
// only where From writes empty texts; elsewhere the place must hold it already.
bool TFormTranslator::FitsSavedTextsOf(const std::shared_ptr<const TPathPlan>& Plan,
                                       const TFormTranslator& From) {
    if (Plan->UseWalk || !Plan->WritesTextsOnly || Plan->SavedPlace.empty()) return false;
    const TSavedTextList& Saved = *From.FSavedTexts;
    TTakeOverCheck& C = FTakeOverCheck;
    if (C.Plan.lock() != Plan || C.PlanGeneration != Plan->Generation || C.Saved != &Saved ||
        C.SavedGeneration != Saved.Generation()) {
        C = {Plan, Plan->Generation, &Saved, Saved.Generation(), false, {}};
        C.Fits = SameSavedTexts(*Plan, Saved, C.EmptyDesigns);
    }
    if (!C.Fits) return false;
    if (From.FTranslateEmpty) return true;
    return std::all_of(C.EmptyDesigns.begin(), C.EmptyDesigns.end(), [&](std::size_t Step) {
        const TPathPlan::TStep& S = Plan->Steps[Step];
        if (S.Kind == TPathVisit::vkProp) return GetStrProp(S.Obj, S.Prop).empty();
        if (S.Kind == TPathVisit::vkItem)
            return static_cast<TStrings*>(S.Obj)->Strings(S.Item).empty();
        return false;
    });
}

bool TFormTranslator::SameSavedTexts(const TPathPlan& Plan, const TSavedTextList& Saved,
                                     std::vector<std::size_t>& EmptyDesigns) const {
    if (static_cast<std::size_t>(Saved.Count()) != Plan.SavedLines.size()) return false;
    std::size_t k = 0;
    for (std::size_t Step = 0; Step < Plan.Steps.size(); ++Step) {
        const TPathPlan::TStep& S = Plan.Steps[Step];
        if (S.Kind == TPathVisit::vkMenuOpen) continue;
        const int Place = static_cast<int>(Plan.SavedPlace[k++]);
        const std::string_view Key = KeyOf(Plan.Lines[static_cast<std::size_t>(S.Line)]);
        const std::string_view Line = Saved.Line(Place);
        if (Line.size() <= Key.size() || Line[Key.size()] != '=' || !Line.starts_with(Key) ||
            Saved.Objects(Place) != FTranslations->Objects(S.Line))
            return false;
        // The restore's search must land on the text (a search by neighbours may not).
        if (int Found = Place; Place > 0 && !(Saved.Line(Place - 1) < Key))
            if (!FindPathLine(Saved, Key, Found) || Found != Place) return false;
        // A design text that does not read stops the restore: that goes the whole way.
        const std::optional<bool> Empty = ReadsEmpty(Line.substr(Key.size() + 1));
        if (!Empty) return false;
        if (*Empty) EmptyDesigns.push_back(Step);
    }
    return true;
}

void TFormTranslator::WriteText(const TPathPlan& Plan, std::size_t Step, HMENU Menu,
                                const String& Text) {
    const TPathPlan::TStep& S = Plan.Steps[Step];
    switch (S.Kind) {
    case TPathVisit::vkProp:
        SetStrProp(S.Obj, S.Prop, Text);
        break;
    case TPathVisit::vkItem:
        static_cast<TStrings*>(S.Obj)->SetStrings(S.Item, Text);
        break;
    case TPathVisit::vkMenuEntry:
        WriteSystemEntry(Menu, S.Item, Text, true);
        break;
    case TPathVisit::vkMenuOpen:
        break;
    }
}

// What From's restore writes at saved text k: the design text, unless it is empty where From
// writes no empty texts (the place holds it then, as checked).
void TFormTranslator::RestoreText(const TPathPlan& Plan, std::size_t Step, HMENU Menu,
                                  std::size_t k) {
    const String& Line = FSavedTexts->Line(static_cast<int>(Plan.SavedPlace[k]));
    const String Design = FromLiterals(ValueOf(Line));
    if (!Design.empty() || FFromWritesEmpty) WriteText(Plan, Step, Menu, Design);
}

void TFormTranslator::WriteTakenOver(const TPathPlan& Plan) {
    AfterApplyWalk(); // the restore's own
    std::size_t k = 0;
    HMENU Menu = nullptr;
    try {
        for (std::size_t Step = 0; Step < Plan.Steps.size(); ++Step) {
            const TPathPlan::TStep& S = Plan.Steps[Step];
            if (S.Kind == TPathVisit::vkMenuOpen) {
                Menu = SystemMenuOf(static_cast<TCustomForm&>(*Owner()));
                continue;
            }
            // An empty text is not written: the place shows what the restore put there.
            if (S.Text.empty() && !FTranslateEmpty)
                RestoreText(Plan, Step, Menu, k);
            else
                WriteText(Plan, Step, Menu, S.Text);
            ++k;
        }
    } catch (...) {
        PutBackFrom(Plan, k);
        throw;
    }
    AfterApplyWalk();
    FIsTranslated = true;
}

// The whole switch would have restored every design text, then saved and written step by step
// until the failed one: its text saved, the rest of the form left at its design texts.
void TFormTranslator::PutBackFrom(const TPathPlan& Plan, std::size_t Failed) {
    std::vector<bool> Keep(static_cast<std::size_t>(FSavedTexts->Count()), false);
    std::size_t k = 0;
    HMENU Menu = nullptr;
    for (std::size_t Step = 0; Step < Plan.Steps.size(); ++Step) {
        if (Plan.Steps[Step].Kind == TPathVisit::vkMenuOpen) {
            Menu = SystemMenuOf(static_cast<TCustomForm&>(*Owner()));
            continue;
        }
        if (k <= Failed) Keep[Plan.SavedPlace[k]] = true;
        if (k >= Failed) RestoreText(Plan, Step, Menu, k);
        ++k;
    }
    FSavedTexts->KeepOnly(Keep);
}

} // namespace zantor
