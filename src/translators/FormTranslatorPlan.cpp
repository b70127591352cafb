// Keeping and checking the plans of the form translator's apply by path.
#include "translators/FormTranslatorPlan.h"

#include "host/classes/Collection.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>

using namespace host;

namespace zantor {

bool TFormTranslator::TPathPlan::SameObject(const TObject* Now, const TReading& R) {
    return Now == R.Value && (!Now || Now->ClassType() == R.Class);
}

// Components found are still owned by the form (removing one drops the plans), so they can be
// asked for their names.
bool TFormTranslator::TPathPlan::Holds(const TReading& R, const TComponent& AForm) {
    switch (R.Kind) {
    case TReading::rkComponent: {
        if (!R.Value) return !AForm.FindComponent(R.Name);
        const auto* C = static_cast<const TComponent*>(R.Value);
        if (C->Owner() != &AForm) return false;
        // Found by a name of another case: it must still be that name, in that case.
        return R.Flag ? C->Name() == R.Name : SameText(C->Name(), R.Name) && C->Name() != R.Name;
    }
    case TReading::rkPlace:
        return R.N < AForm.ComponentCount() && AForm.Components(R.N) == R.Obj;
    case TReading::rkObject:
        return SameObject(GetObjectProp(const_cast<TObject*>(R.Obj), R.Prop), R);
    case TReading::rkStrings:
        return (R.N < static_cast<const TStrings*>(R.Obj)->Count()) == R.Flag;
    case TReading::rkCollection: {
        const auto* C = static_cast<const TCollection*>(R.Obj);
        bool InRange = R.N < C->Count();
        return InRange == R.Flag && (!InRange || SameObject(C->Items(R.N), R));
    }
    }
    return false;
}

bool TFormTranslator::TPathPlan::MadeFrom(const TSortList& L) {
    if (&L == List && L.Generation() == Generation) return true;
    if (static_cast<std::size_t>(L.Count()) != Lines.size()) return false;
    for (std::size_t i = 0; i < Lines.size(); ++i)
        if (L.Line(static_cast<int>(i)) != Lines[i]) return false;
    // Equal lines may carry other objects.
    for (TStep& S : Steps)
        if (S.Kind == TPathVisit::vkProp) S.Object = L.Objects(S.Line);
    List = &L;
    Generation = L.Generation();
    return true;
}

bool TFormTranslator::TPathPlan::StillHolds(const TComponent& AForm) const {
    if (const auto* F = As<TCustomForm>(&AForm); F && F->FormStyle() != Style) return false;
    const std::uint64_t Now = TComponent::NamesAndPlacesGeneration();
    const bool NamesHold = FNamesCheckedAt == Now;
    for (const TReading& R : Readings) {
        const bool OfNames = R.Kind == TReading::rkComponent || R.Kind == TReading::rkPlace;
        if (!(NamesHold && OfNames) && !Holds(R, AForm)) return false;
    }
    FNamesCheckedAt = Now;
    return true;
}

void TFormTranslator::Notification(TComponent* AComponent, TOperation Operation) {
    TTranslatorFrame::Notification(AComponent, Operation);
    if (Operation == opRemove) ++FFormChanges;
}

std::shared_ptr<const TFormTranslator::TPathPlan> TFormTranslator::PlanFor(const TSortList& List,
                                                                           TComponent& Form) {
    // While the form goes away its components leave unannounced: no plan can be trusted.
    if (Form.ComponentState().Contains(csDestroying)) return MakePlan(List, Form);
    std::erase_if(
        FPlans, [&](const auto& P) { return P->Form != &Form || P->FormChanges != FFormChanges; });
    for (auto It = FPlans.begin(); It != FPlans.end(); ++It) {
        TPathPlan& Plan = **It;
        if (!Plan.MadeFrom(List)) continue;
        if (!Plan.StillHolds(Form)) {
            FPlans.erase(It);
            break;
        }
        std::rotate(FPlans.begin(), It, std::next(It)); // the most recent first
        return FPlans.front();
    }
    // The translations and the saved texts of the language on: two plans serve a switch.
    constexpr std::size_t Kept = 2;
    FPlans.insert(FPlans.begin(), MakePlan(List, Form));
    if (FPlans.size() > Kept) FPlans.pop_back();
    return FPlans.front();
}

} // namespace zantor
