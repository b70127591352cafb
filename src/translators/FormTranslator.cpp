#include "translators/FormTranslator.h"

#include "host/classes/Collection.h"
#include "host/controls/Forms.h"
#include "host/controls/Graphics.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"
#include "translators/FormTranslatorPlan.h"
#include "translators/Literals.h"

#include <algorithm>
#include <cstring>
#include <memory>

using namespace host;

namespace zantor {

TClass TFormTranslator::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TFormTranslator> B("TFormTranslator");
        PublishFrame(B, {.HasEvents = false});
        B.Prop("TranslateEmpty", &TFormTranslator::FTranslateEmpty,
               &TFormTranslator::FTranslateEmpty)
            .Default(false)
            .Prop("OnTranslateForm", &TFormTranslator::OnTranslateForm,
                  &TFormTranslator::SetOnTranslateForm)
            .Prop("OnTranslateComponent", &TFormTranslator::OnTranslateComponent,
                  &TFormTranslator::SetOnTranslateComponent)
            .Prop("OnTranslateProperty", &TFormTranslator::OnTranslateProperty,
                  &TFormTranslator::SetOnTranslateProperty)
            .Prop("OnTranslated", &TFormTranslator::OnFormTranslated,
                  &TFormTranslator::SetOnFormTranslated);
        return TClassInfo(B);
    }();
    return &Info;
}

TFormTranslator::TFormTranslator(TComponent* AOwner)
    : TTranslatorFrame(AOwner, std::make_unique<TSortList>(false)),
      FSavedTexts(std::make_unique<TSavedTextList>()) {
    FTranslate = true;
}

TFormTranslator::~TFormTranslator() = default;

// Makes a walk the current one for its lifetime and puts the outer one (if any) back, also
// when the walk ends by an exception.
class TFormTranslator::TWalkScope {
public:
    TWalkScope(const TFormTranslator& T, TWalk& Walk)
        : FOwner(const_cast<TFormTranslator&>(T)), FOuter(T.FWalk) {
        FOwner.FWalk = &Walk;
    }
    ~TWalkScope() { FOwner.FWalk = FOuter; }
    TWalkScope(const TWalkScope&) = delete;
    TWalkScope& operator=(const TWalkScope&) = delete;

private:
    TFormTranslator& FOwner;
    TWalk* FOuter;
};

TFormTranslator::TWalk& TFormTranslator::CurrentWalk() const {
    if (!FWalk) throw EInvalidOperation("Form translator " + Name() + ": no walk in progress");
    return *FWalk;
}

TStrings* TFormTranslator::WorkList() const {
    return FWalk ? FWalk->List : FTranslations.get();
}

namespace {

bool StartsWithKey(std::string_view Line, std::string_view Name) {
    return Line.size() > Name.size() && Line[Name.size()] == '=' && Line.starts_with(Name);
}

// Position-mode bisection in the translators' byte order over any string list.
int SortedPosition(const TStrings& L, std::string_view S) {
    if (auto* Sorted = As<TSortList>(&L)) return Sorted->SortPosition(S);
    int Lo = 0, Hi = L.Count() - 1, Mid = 0;
    while (Hi >= Lo) {
        Mid = (Lo + Hi) / 2;
        int C = CompareOrdinal(S, L.Strings(Mid));
        if (C < 0)
            Hi = Mid - 1;
        else if (C == 0)
            return Mid;
        else {
            Lo = Mid + 1;
            if (Hi < Lo) ++Mid;
        }
    }
    return Mid;
}

String LineAt(const TStrings& L, int Index) {
    if (auto* S = As<TSortList>(&L)) return S->Line(Index);
    return L.Strings(Index);
}

} // namespace

std::string_view TFormTranslator::WorkLine(const TWalk& Walk, int Index, String& Buffer) {
    if (Walk.SortList) return Walk.SortList->Line(Index);
    Buffer = Walk.List->Strings(Index);
    return Buffer;
}

bool TFormTranslator::FindPathLine(const TStrings& L, std::string_view Name, int& Index) {
    if (L.Count() == 0) {
        Index = 0;
        return false;
    }
    Index = SortedPosition(L, Name);
    if (Index == L.Count()) --Index;
    // The translators' own lists are read in place; any other list through its accessor.
    const auto* Sorted = As<TSortList>(&L);
    auto Matches = [&](int I) {
        return Sorted ? StartsWithKey(Sorted->Line(I), Name) : StartsWithKey(L.Strings(I), Name);
    };
    if (Matches(Index)) return true;
    // Deeper paths (Name.Sub=, Name[0]=) sort between Name and Name=: try the neighbours.
    if (Index > 0 && Matches(Index - 1)) {
        --Index;
        return true;
    }
    if (Index + 1 < L.Count() && Matches(Index + 1)) {
        ++Index;
        return true;
    }
    return false;
}

bool TFormTranslator::WantTranslate(const String& Name, int& Index) const {
    return FindPathLine(*WorkList(), Name, Index);
}

bool TFormTranslator::TranslateForm(TStrings* List, bool Collect) {
    if (Collect && !List)
        throw EInvalidOperation("Form translator " + Name() +
                                ": no list to collect the form's texts into");
    if (!Collect &&
        (!FTranslate || !List || List->Count() == 0 || ComponentState().Contains(csDesigning)))
        return false;
    if (FIsTranslated) RestoreForm();
    bool Skip = false;
    FOnTranslateForm(this, List, Skip);
    if (Skip) return false;
    TWalk Walk(List);
    {
        TWalkScope Scope(*this, Walk);
        try {
            if (Collect || !ApplyByPath()) WalkForm(Collect, true);
        } catch (...) {
            FlushSavedTexts(Walk); // what was saved before the error still restores the form
            throw;
        }
    }
    FlushSavedTexts(Walk);
    if (!Collect) {
        AfterApplyWalk();
        FIsTranslated = true;
    }
    FOnFormTranslated(this, List);
    return true;
}

void TFormTranslator::WalkForm(bool Collect, bool FireEvents) {
    TranslateClass(Owner(), "", Collect);
    TranslateVirtual(Collect);
    TComponent* Form = Owner();
    if (!Form) return;
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        TComponent* C = Form->Components(i);
        if (C == this || C->Name().empty()) continue;
        bool Skip = false;
        if (FireEvents) FOnTranslateComponent(this, C, CurrentWalk().List, Skip);
        if (!Skip) TranslateClass(C, C->Name(), Collect);
    }
}

// True when some line of the work list begins with Head: an object or list whose paths
// all lack lines cannot be changed by an apply walk, so it is not walked at all.
bool TFormTranslator::HasLinesUnder(const String& Head) const {
    const TStrings& L = *CurrentWalk().List;
    int Index = SortedPosition(L, Head);
    return Index < L.Count() && LineAt(L, Index).starts_with(Head);
}

void TFormTranslator::TranslateClass(TObject* Obj, const String& Prefix, bool Collect) {
    if (!Obj) return;
    TWalk& Walk = CurrentWalk();
    if (!Collect && !Prefix.empty() && !HasLinesUnder(Prefix + ".")) return;
    if (std::find(Walk.Path.begin(), Walk.Path.end(), Obj) != Walk.Path.end()) return;
    Walk.Path.push_back(Obj);
    struct TPop {
        std::vector<const TObject*>& Path;
        ~TPop() { Path.pop_back(); }
    } Pop{Walk.Path};
    std::vector<PPropInfo> Props = GetPropList(Obj, tkProperties);
    for (PPropInfo P : Props) {
        String Path = Prefix.empty() ? P->Name : Prefix + "." + P->Name;
        if (P->Kind() == tkClass) {
            TObject* Value = GetObjectProp(Obj, P);
            if (Is<TStrings>(Value))
                SetStrings(Value, Path, Collect);
            else if (Is<TCollection>(Value))
                SetCollection(Value, Path, Collect);
            else
                TranslateClass(Value, Path, Collect);
        } else if (Collect) {
            Walk.List->Add(Path + "=" + GetProp(Obj, P));
        } else if (int Index; WantTranslate(Path, Index)) {
            TranslateProp(Obj, P, Index);
        }
    }
}

// Saved texts are gathered during the walk and sorted in once at its end: inserting each
// into the middle of the list would make a walk quadratic.
void TFormTranslator::SaveDesignText(String Line, int Index) {
    if (SavesDesignTexts())
        SaveDesignText(std::move(Line), Index, CurrentWalk().List->Objects(Index));
}

void TFormTranslator::SaveDesignText(String Line, int Index, TObject* Object) {
    TWalk& Walk = CurrentWalk();
    if (!SavesDesignTexts()) return;
    if (Walk.Reusing &&
        ReuseSavedText(Walk, Index, Object, [&](std::string_view Kept) { return Kept == Line; }))
        return;
    Walk.Saved.emplace_back(std::move(Line), Object);
    if (Walk.ByPath) Walk.SavedFrom.push_back(Index); // only the by-path ordering reads it
}

template <class Same>
bool TFormTranslator::ReuseSavedText(TWalk& Walk, int Index, const TObject* Object,
                                     const Same& IsKept) {
    const TPathPlan& Plan = *Walk.Plan;
    const std::size_t k = Walk.Matched;
    if (k < Plan.SavedLines.size() && Plan.SavedLines[k] == Index) {
        const std::size_t Place = Plan.SavedPlace[k];
        if (FSavedTexts->KeptObject(Place) == Object && IsKept(FSavedTexts->KeptLine(Place))) {
            ++Walk.Matched;
            return true;
        }
    }
    StopReusing(Walk);
    return false;
}

void TFormTranslator::StopReusing(TWalk& Walk) {
    const TPathPlan& Plan = *Walk.Plan;
    Walk.Saved.reserve(Plan.SavedLines.size());
    Walk.SavedFrom.reserve(Plan.SavedLines.size());
    for (std::size_t k = 0; k < Walk.Matched; ++k) {
        Walk.Saved.push_back(FSavedTexts->TakeKept(Plan.SavedPlace[k]));
        Walk.SavedFrom.push_back(Plan.SavedLines[k]);
    }
    Walk.Reusing = false;
    Walk.Matched = 0;
    FSavedTexts->DropKept();
}

void TFormTranslator::FlushSavedTexts(TWalk& Walk) {
    if (Walk.Reusing) {
        // Every text the plan saves was the kept one: they are the saved list again.
        if (Walk.Matched == Walk.Plan->SavedLines.size()) {
            Walk.Reusing = false;
            FSavedTexts->PutKeptBack();
            return;
        }
        StopReusing(Walk);
    }
    if (Walk.Saved.empty()) return;
    FSavedTexts->DropKept();
    if (Walk.ByPath) SortSavedByLines(Walk);
    FSavedTexts->SortInsertMany(std::move(Walk.Saved));
    Walk.Saved.clear();
    Walk.SavedFrom.clear();
}

void TFormTranslator::SetStrings(TObject* Obj, const String& Prefix, bool Collect) {
    auto* L = static_cast<TStrings*>(Obj);
    TStrings* Work = CurrentWalk().List;
    if (!Collect && !HasLinesUnder(Prefix + "[")) return;
    for (int i = 0; i < L->Count(); ++i) {
        String Key = Prefix + "[" + std::to_string(i) + "]";
        if (Collect) {
            Work->Add(Key + "=" + ToLiterals(L->Strings(i)));
            continue;
        }
        if (int Index; WantTranslate(Key, Index)) TranslateItem(L, i, Key, Index);
    }
}

void TFormTranslator::TranslateItem(TStrings* L, int Item, const String& Key, int Index,
                                    const String* Decoded) {
    TWalk& Walk = CurrentWalk();
    bool Skip = false;
    FOnTranslateProperty(this, Key, nullptr, Walk.List, Skip);
    if (Skip) return;
    String Buffer;
    std::string_view Line = WorkLine(Walk, Index, Buffer);
    if (SavesDesignTexts()) SaveDesignText(Key + "=" + ToLiterals(L->Strings(Item)), Index);
    String Own;
    if (!Decoded) {
        Own = FromLiterals(ValueOf(Line));
        Decoded = &Own;
    }
    if (FTranslateEmpty || !Decoded->empty()) L->SetStrings(Item, *Decoded);
}

void TFormTranslator::SetCollection(TObject* Obj, const String& Prefix, bool Collect) {
    auto* C = static_cast<TCollection*>(Obj);
    for (int i = 0; i < C->Count(); ++i)
        TranslateClass(C->Items(i), Prefix + "[" + std::to_string(i) + "]", Collect);
}

String TFormTranslator::GetProp(TObject* Obj, PPropInfo P) const {
    switch (P->Kind()) {
    case tkString:
    case tkLString:
    case tkWString:
        return ToLiterals(GetStrProp(Obj, P));
    case tkChar:
    case tkWChar:
        return String(1, static_cast<char>(GetOrdProp(Obj, P)));
    case tkInteger: {
        Int64 V = GetOrdProp(Obj, P);
        String Ident;
        if (P->Name == "Color" && ColorToIdent(static_cast<Integer>(V), Ident)) return Ident;
        return IntToStr(V);
    }
    case tkFloat:
        return FloatToStr(GetFloatProp(Obj, P));
    case tkEnumeration:
        return GetEnumName(P->PropType, GetOrdProp(Obj, P));
    case tkSet:
        return IntToStr(GetOrdProp(Obj, P));
    case tkMethod:
        return P->PropType->TypeName();
    default:
        return {};
    }
}

bool TFormTranslator::TranslateProp(TObject* Obj, PPropInfo P, int Index) {
    return TranslateProp(Obj, P, Index, nullptr);
}

bool TFormTranslator::TranslateProp(TObject* Obj, PPropInfo P, int Index,
                                    const TPlannedLine* Planned) {
    // A property that cannot be written is left alone altogether.
    if (!P->IsWritable()) return false;
    TWalk& Walk = CurrentWalk();
    bool Skip = false;
    if (!Planned) FOnTranslateProperty(this, "", P, Walk.List, Skip); // none by path
    if (Skip) return false;
    String Buffer;
    std::string_view Line = Planned ? Planned->Text : WorkLine(Walk, Index, Buffer);
    std::string_view Raw = Planned ? Line.substr(Planned->KeyLength + 1) : ValueOf(Line);
    const String* Decoded = Planned ? Planned->Decoded : nullptr;
    String Own;
    if (!Decoded) {
        Own = FromLiterals(Raw);
        Decoded = &Own;
    }
    const String& Text = *Decoded;
    if (SavesDesignTexts()) {
        const std::string_view Key = Line.substr(0, Line.size() - Raw.size());
        const bool Literal = IsStringKind(P->Kind());
        const String Design = Literal ? GetStrProp(Obj, P) : GetProp(Obj, P);
        TObject* Object = Planned ? Planned->Object : Walk.List->Objects(Index);
        auto IsKept = [&](std::string_view Kept) {
            if (Kept.size() < Key.size() || std::memcmp(Kept.data(), Key.data(), Key.size()) != 0)
                return false;
            Kept.remove_prefix(Key.size());
            return Literal ? IsLiteralOf(Kept, Design) : Kept == Design;
        };
        if (!Walk.Reusing || !ReuseSavedText(Walk, Index, Object, IsKept)) {
            // Sized once: a quote or control character now and then fits in the margin.
            String Saved;
            Saved.reserve(Key.size() + Design.size() + Design.size() / 8 + 4);
            Saved += Key;
            if (Literal)
                AppendLiterals(Saved, Design);
            else
                Saved += Design;
            SaveDesignText(std::move(Saved), Index, Object);
        }
    }
    if (!FTranslateEmpty && Text.empty()) return true;
    switch (P->Kind()) {
    case tkString:
    case tkLString:
    case tkWString:
        SetStrProp(Obj, P, Text);
        return true;
    case tkChar:
    case tkWChar:
        SetOrdProp(Obj, P, Raw.empty() ? 0 : static_cast<unsigned char>(Raw[0]));
        return true;
    case tkInteger: {
        if (Planned && Planned->Ordinal) {
            SetOrdProp(Obj, P, *Planned->Ordinal);
            return true;
        }
        Integer Color;
        if (P->Name == "Color" && IdentToColor(Raw, Color))
            SetOrdProp(Obj, P, Color);
        else
            SetOrdProp(Obj, P, Raw.empty() && P->Name != "Color" ? 0 : StrToInt(Raw));
        return true;
    }
    case tkFloat:
        SetFloatProp(Obj, P, StrToFloat(Raw));
        return true;
    case tkEnumeration: {
        Int64 V = GetEnumValue(P->PropType, Raw);
        if (V < 0)
            throw EConvertError("'" + String(Raw) + "' is not a valid " + P->PropType->TypeName() +
                                " value");
        SetOrdProp(Obj, P, V);
        return true;
    }
    case tkSet:
        SetOrdProp(Obj, P,
                   Planned && Planned->Ordinal ? *Planned->Ordinal
                                               : static_cast<std::uint32_t>(StrToInt(Raw)));
        return true;
    default:
        return false;
    }
}

bool TFormTranslator::HasHandlers() const {
    return FOnTranslateForm || FOnTranslateComponent || FOnTranslateProperty || FOnFormTranslated;
}

void TFormTranslator::RestoreForm() {
    if (!FIsTranslated) return;
    // Nothing saved means nothing to put back: that counts as restored.
    if (FSavedTexts->Count() == 0) {
        FIsTranslated = false;
        return;
    }
    // A restore saves nothing, so it reads the saved texts in place, unless a handler is
    // given the list and could change it under the walk.
    std::unique_ptr<TSortList> Copy;
    TSortList* Texts = FSavedTexts.get();
    if (HasHandlers()) {
        Copy = std::make_unique<TSortList>(false);
        Copy->AssignLines(*FSavedTexts);
        Texts = Copy.get();
    }
    FIsTranslated = false;
    struct TRestoring {
        bool& Flag;
        bool Old;
        ~TRestoring() { Flag = Old; }
    } Restoring{FRestoring, FRestoring};
    FRestoring = true;
    if (TranslateForm(Texts, false)) {
        FIsTranslated = false;
        FSavedTexts->ClearKeeping();
    } else {
        FIsTranslated = true;
    }
}

void TFormTranslator::InternalTranslate(bool Value) {
    if (Value == FTranslate) return;
    if (!Value) {
        RestoreForm();
        FTranslate = false;
        return;
    }
    FTranslate = true;
    const std::shared_ptr<const TPathPlan> TakenOver = TakeOverFromSibling();
    // A handler of one switched off may free another: each is looked at when its turn comes.
    if (TComponent* Form = Owner())
        for (TTranslatorFrame* Other : OnForm(*Form, StaticClass()))
            if (Other != this && IsAlive(Other) && Other->Owner() == Form)
                Other->SetTranslate(false);
    if (TakenOver)
        WriteTakenOver(*TakenOver);
    else if (!TranslateForm(FTranslations.get(), false))
        FTranslate = false;
}

void TFormTranslator::LoadedLast() {
    // A refused or cancelled walk leaves the form as it is: nothing to report at load.
    if (!ComponentState().Contains(csDesigning))
        static_cast<void>(TranslateForm(FTranslations.get(), false));
}

// A collect walk without its side effects (no restore, no events), for the file shapes.
std::unique_ptr<TSortList> TFormTranslator::DesignTexts() const {
    TStringList Collected;
    TWalk Walk(&Collected);
    {
        TWalkScope Scope(*this, Walk);
        const_cast<TFormTranslator*>(this)->WalkForm(true, false);
    }

    auto Texts = std::make_unique<TSortList>(false);
    std::vector<std::pair<String, TObject*>> Lines;
    for (int i = 0; i < Collected.Count(); ++i)
        Lines.emplace_back(Collected.Strings(i), nullptr);
    Texts->SortInsertMany(std::move(Lines));
    // While translated, the design texts are the saved ones.
    if (FIsTranslated) {
        TKeyValues Saved;
        for (int i = 0; i < FSavedTexts->Count(); ++i) {
            const String& L = FSavedTexts->Line(i);
            std::string_view Value = ValueOf(L);
            Saved.emplace_back(L.substr(0, L.size() - Value.size() - 1), String(Value));
        }
        Texts->SetKeyValues(Saved);
    }
    return Texts;
}

void TFormTranslator::FileEntries(TKeyValues& Own, TKeyValues& Design) const {
    TTranslatorFrame::FileEntries(Own, Design);
    std::unique_ptr<TSortList> Texts = DesignTexts();
    for (const auto& [Key, Value] : Own)
        if (int Index; FindPathLine(*Texts, Key, Index))
            Design.emplace_back(Key, String(ValueOf(Texts->Line(Index))));
}

void TFormTranslator::DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const {
    std::unique_ptr<TSortList> Texts = DesignTexts();
    for (int i = 0; i < FTranslations->Count(); ++i) {
        const String& Line = FTranslations->Line(i);
        std::string_view Value = ValueOf(Line);
        String Key = Line.substr(0, Line.find('='));
        if (int Index; FindPathLine(*Texts, Key, Index))
            Entries.push_back({FromLiterals(ValueOf(Texts->Line(Index))), FromLiterals(Value), i});
    }
}

} // namespace zantor
