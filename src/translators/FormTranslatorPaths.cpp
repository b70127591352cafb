// The form translator's apply by path: each line of the work list is resolved to what the walk
// would reach under its path (component by name, property by name, item by index), and the
// lines are applied in the walk's order, so that an apply costs what the lines cost, not what
// the form holds.
#include "translators/FormTranslatorPlan.h"

#include "host/classes/Collection.h"
#include "host/controls/Forms.h"
#include "host/controls/Graphics.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/TypInfo.h"
#include "translators/Literals.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <optional>
#include <tuple>
#include <unordered_map>

using namespace host;

namespace zantor {

namespace {

// The published properties (methods excepted) of a class by exact name, each with its
// position in the class's property list, which is the walk's order. Class data never changes
// once built, so one table per class serves every walk.
struct TPropMatch {
    int Position;
    PPropInfo Info;
};

class TPropTable {
public:
    explicit TPropTable(TClass Class) {
        for (std::size_t i = 0; i < Class->Props.size(); ++i) {
            PPropInfo P = Class->Props[i];
            if (tkProperties.Contains(P->Kind()))
                FByName[P->Name].push_back({static_cast<int>(i), P});
        }
    }
    const std::vector<TPropMatch>* Find(std::string_view Name) const {
        auto It = FByName.find(Name);
        return It == FByName.end() ? nullptr : &It->second;
    }

private:
    // Views of the names in the class data, which lives as long as the program; the standard
    // string hash makes the table keep each name's hash, so a miss hashes only the name sought.
    std::unordered_map<std::string_view, std::vector<TPropMatch>> FByName;
};

const TPropTable& PropTable(TClass Class) {
    static std::unordered_map<TClass, std::unique_ptr<TPropTable>> Tables;
    // Lines of one component come one after the other: most look-ups ask for the last class.
    static TClass LastClass = nullptr;
    static const TPropTable* Last = nullptr;
    if (Class == LastClass) return *Last;
    auto& Slot = Tables[Class];
    if (!Slot) Slot = std::make_unique<TPropTable>(Class);
    LastClass = Class;
    Last = Slot.get();
    return *Slot;
}

// Calls Visit(match, what follows the name) for each property Rest starts with, in the
// class's order. A name ends at "." or "["; a class built for one object (a placeholder) is
// not kept in the table, and may publish dotted names as written ("Font.Name"), so each of its
// names is matched against Rest as a whole.
template <class F> void ForEachNamed(TClass Class, std::string_view Rest, F&& Visit) {
    if (Class->Transient) {
        for (std::size_t i = 0; i < Class->Props.size(); ++i) {
            PPropInfo P = Class->Props[i];
            if (!tkProperties.Contains(P->Kind()) || !Rest.starts_with(P->Name)) continue;
            std::string_view Tail = Rest.substr(P->Name.size());
            if (Tail.empty() || Tail[0] == '.' || Tail[0] == '[')
                Visit(TPropMatch{static_cast<int>(i), P}, Tail);
        }
        return;
    }
    std::string_view Name = Rest.substr(0, Rest.find_first_of(".["));
    if (const std::vector<TPropMatch>* Matches = PropTable(Class).Find(Name))
        for (const TPropMatch& M : *Matches)
            Visit(M, Rest.substr(Name.size()));
}

// "[n]" at the start of Rest with n written as the walk writes it (decimal, no sign, no
// leading zero); the rest after "]" in Rest.
bool TakeIndex(std::string_view& Rest, int& N) {
    if (Rest.size() < 3 || Rest[0] != '[') return false;
    std::size_t Close = Rest.find(']');
    if (Close == std::string_view::npos || Close == 1) return false;
    std::string_view Digits = Rest.substr(1, Close - 1);
    if (Digits.size() > 1 && Digits[0] == '0') return false;
    auto [End, Error] = std::from_chars(Digits.data(), Digits.data() + Digits.size(), N);
    if (Error != std::errc() || End != Digits.data() + Digits.size() || N < 0) return false;
    Rest.remove_prefix(Close + 1);
    return true;
}

// The first line of the key of line Line, in a list where the lines of one key are adjacent.
int FirstLineOfKey(const TSortList& List, int Line) {
    std::string_view Key = KeyOf(List.Line(Line));
    while (Line > 0 && KeyOf(List.Line(Line - 1)) == Key)
        --Line;
    return Line;
}

// The positions 0..n-1 ordered by First (line numbers below Lines), equal ones in their order:
// a counting sort, as the numbers are bounded.
std::vector<std::uint32_t> OrderByLines(const std::vector<int>& First, int Lines) {
    std::vector<std::uint32_t> Start(static_cast<std::size_t>(Lines) + 1, 0);
    for (int Line : First)
        ++Start[static_cast<std::size_t>(Line) + 1];
    std::partial_sum(Start.begin(), Start.end(), Start.begin());
    std::vector<std::uint32_t> Order(First.size());
    for (std::size_t k = 0; k < First.size(); ++k)
        Order[Start[static_cast<std::size_t>(First[k])]++] = static_cast<std::uint32_t>(k);
    return Order;
}

// An integer or set property's value as an apply reads it from the line's raw value; nothing
// for other kinds, or when the apply raises its error instead.
std::optional<Int64> ReadOrdinal(const host::TPropInfo& P, std::string_view Raw) {
    if (P.Kind() == tkInteger) {
        Integer Color;
        const bool IsColor = P.Name == "Color";
        if (IsColor && IdentToColor(Raw, Color)) return Color;
        if (Raw.empty() && !IsColor) return 0;
        return TryStrToInt(Raw);
    }
    if (P.Kind() == tkSet)
        if (const std::optional<Integer> Bits = TryStrToInt(Raw))
            return static_cast<std::uint32_t>(*Bits);
    return std::nullopt;
}

} // namespace

void TFormTranslator::TPathPlan::NoteWritesTextsOnly() {
    std::vector<std::tuple<const TObject*, PPropInfo, int>> Places;
    Places.reserve(Steps.size());
    for (const TStep& S : Steps) {
        if (S.Kind == TPathVisit::vkMenuOpen) continue;
        const bool Text = S.Decoded && (S.Kind != TPathVisit::vkProp ||
                                        (S.Prop->IsWritable() && IsStringKind(S.Prop->Kind())));
        if (!Text) return;
        Places.emplace_back(S.Obj, S.Prop, S.Item);
    }
    std::sort(Places.begin(), Places.end());
    WritesTextsOnly = std::adjacent_find(Places.begin(), Places.end()) == Places.end();
}

// The state of resolving the lines of one list.
struct TFormTranslator::TPlanBuild {
    TPathPlan& Plan;
    std::vector<const TObject*> Path; // objects the walk would have entered
    std::vector<int> Order;
    int Line = -1;
    std::vector<TPathVisit> Visits;

    explicit TPlanBuild(TPathPlan& APlan) : Plan(APlan) {}

    void Read(const TPathPlan::TReading& R) {
        if (Plan.Readings.empty() || !(Plan.Readings.back() == R)) Plan.Readings.push_back(R);
    }
    TObject* ReadObject(TObject* Obj, PPropInfo Prop) {
        TObject* Value = GetObjectProp(Obj, Prop);
        Read(TPathPlan::TReading::Of(TPathPlan::TReading::rkObject, Obj, Prop, 0, false, Value));
        return Value;
    }
    bool ReadInRange(TPathPlan::TReading::TKind Kind, const TObject* List, int N, int Count) {
        Read(TPathPlan::TReading::Of(Kind, List, nullptr, N, N < Count, nullptr));
        return N < Count;
    }
};

// Follows Rest ("Name..." below an object) from Obj, with Build's path the objects the walk
// would have entered on its way, as TranslateClass, SetStrings and SetCollection go.
void TFormTranslator::ResolveBelow(TObject* Obj, std::string_view Rest, TPlanBuild& Build) const {
    auto& Path = Build.Path;
    auto& Order = Build.Order;
    // TranslateClass: a null object or one already on the path ends here.
    if (!Obj || std::find(Path.begin(), Path.end(), Obj) != Path.end()) return;
    Path.push_back(Obj);
    ForEachNamed(Obj->ClassType(), Rest, [&](const TPropMatch& M, std::string_view Tail) {
        Order.push_back(M.Position);
        if (M.Info->Kind() != tkClass) {
            if (Tail.empty())
                Build.Visits.emplace_back(Order, TPathVisit::vkProp, Obj, M.Info, -1, Build.Line);
        } else if (!Tail.empty()) {
            TObject* Value = Build.ReadObject(Obj, M.Info);
            int N = 0;
            if (auto* L = As<TStrings>(Value)) {
                if (TakeIndex(Tail, N) && Tail.empty() &&
                    Build.ReadInRange(TPathPlan::TReading::rkStrings, L, N, L->Count())) {
                    Order.push_back(N);
                    Build.Visits.emplace_back(Order, TPathVisit::vkItem, L, nullptr, N, Build.Line);
                    Order.pop_back();
                }
            } else if (auto* C = As<TCollection>(Value)) {
                if (TakeIndex(Tail, N)) {
                    bool InRange = N < C->Count();
                    TObject* Item = InRange ? C->Items(N) : nullptr;
                    Build.Read(TPathPlan::TReading::Of(TPathPlan::TReading::rkCollection, C,
                                                       nullptr, N, InRange, Item));
                    if (InRange && Tail.size() > 1 && Tail[0] == '.') {
                        Order.push_back(N);
                        ResolveBelow(Item, Tail.substr(1), Build);
                        Order.pop_back();
                    }
                }
            } else if (Tail.size() > 1 && Tail[0] == '.') {
                ResolveBelow(Value, Tail.substr(1), Build);
            }
        }
        Order.pop_back();
    });
    Path.pop_back();
}

std::shared_ptr<TFormTranslator::TPathPlan> TFormTranslator::MakePlan(const TSortList& List,
                                                                      TComponent& Form) const {
    auto Plan = std::make_shared<TPathPlan>();
    Plan->Lines.reserve(static_cast<std::size_t>(List.Count()));
    for (int i = 0; i < List.Count(); ++i)
        Plan->Lines.push_back(List.Line(i));
    Plan->List = &List;
    Plan->Generation = List.Generation();
    Plan->Form = &Form;
    Plan->FormChanges = FFormChanges;
    auto* CustomForm = As<TCustomForm>(&Form);
    if (CustomForm) Plan->Style = CustomForm->FormStyle();
    const std::vector<String>& Lines = Plan->Lines;

    if (!std::is_sorted(Lines.begin(), Lines.end())) {
        Plan->UseWalk = true;
        return Plan;
    }
    TPlanBuild Build(*Plan);
    auto& Visits = Build.Visits;
    Visits.reserve(Lines.size() + 1);
    std::unordered_map<const TComponent*, int> ComponentOrder;
    if (CustomForm) Visits.emplace_back(std::vector<int>{1, -1}, TPathVisit::vkMenuOpen);
    std::string_view Previous;
    bool HasPrevious = false;
    std::string_view LastName;
    TComponent* Last = nullptr;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        std::string_view Text = Lines[i];
        std::size_t Eq = Text.find('=');
        // A line without "=" is never found; the lines of one key are adjacent, and the walk
        // applies the one its search finds.
        if (Eq == std::string_view::npos) continue;
        std::string_view Key = Text.substr(0, Eq);
        if (HasPrevious && Key == Previous) continue;
        Previous = Key;
        HasPrevious = true;
        int Line = static_cast<int>(i);
        // When the previous line sorts before Key, the search lands on this line.
        bool Found = i == 0 || std::string_view(Lines[i - 1]) < Key;
        if (!Found && !FindPathLine(List, Key, Line)) continue;
        Build.Line = Line;
        Build.Order.assign(1, 0);
        ResolveBelow(&Form, Key, Build);
        if (CustomForm)
            if (int Entry = SystemEntryPosition(*CustomForm, Key); Entry >= 0)
                Visits.emplace_back(std::vector<int>{1, Entry}, TPathVisit::vkMenuEntry, nullptr,
                                    nullptr, Entry, Line);
        std::string_view Name = Key.substr(0, Key.find('.'));
        if (Name.empty() || Name.size() + 1 >= Key.size()) continue;
        // The lines of one component follow each other: look it up once for them.
        if (Name != LastName || !Last) {
            Last = Form.FindComponent(Name);
            LastName = Name;
            Build.Read(TPathPlan::TReading::Component(Name, Last, Last && Last->Name() == Name));
        }
        TComponent* C = Last;
        if (!C || C == this || C->Name() != Name) continue;
        std::size_t First = Visits.size();
        Build.Order.assign({2, 0});
        ResolveBelow(C, Key.substr(Name.size() + 1), Build);
        for (std::size_t v = First; v < Visits.size(); ++v)
            Visits[v].Component = C;
        if (Visits.size() > First) ComponentOrder.emplace(C, 0);
    }
    for (const TPathVisit& V : Visits) {
        // Renaming a component moves the paths of what follows it: the walk sees that, a plan
        // made beforehand would not.
        if (V.Depth == TPathVisit::TooDeep ||
            (V.Kind == TPathVisit::vkProp && V.Prop->Name == "Name" && Is<TComponent>(V.Obj))) {
            Plan->UseWalk = true;
            return Plan;
        }
    }
    // The components' places in the form, when more than one is involved.
    if (ComponentOrder.size() > 1) {
        for (int i = 0, Found = 0;
             i < Form.ComponentCount() && Found < static_cast<int>(ComponentOrder.size()); ++i)
            if (auto It = ComponentOrder.find(Form.Components(i)); It != ComponentOrder.end()) {
                It->second = i;
                ++Found;
                Build.Read(TPathPlan::TReading::Place(It->first, i));
            }
        const TComponent* Current = nullptr;
        int Position = 0;
        for (TPathVisit& V : Visits) {
            if (!V.Component) continue;
            if (V.Component != Current) {
                Current = V.Component;
                Position = ComponentOrder[V.Component];
            }
            V.Order[1] = Position;
        }
    }
    // Sorting numbers moves less than sorting the visits; equal places keep the lines' order.
    std::vector<std::uint32_t> InWalkOrder(Visits.size());
    std::iota(InWalkOrder.begin(), InWalkOrder.end(), 0u);
    std::sort(InWalkOrder.begin(), InWalkOrder.end(), [&](std::uint32_t A, std::uint32_t B) {
        if (Visits[A] < Visits[B]) return true;
        return !(Visits[B] < Visits[A]) && A < B;
    });
    Plan->Steps.reserve(Visits.size());
    for (std::uint32_t n : InWalkOrder) {
        const TPathVisit& V = Visits[n];
        TPathPlan::TStep& S = Plan->Steps.emplace_back(
            TPathPlan::TStep{V.Kind, false, V.Obj, V.Prop, V.Item, V.Line, {}});
        if (V.Kind == TPathVisit::vkProp) {
            const String& Line = Lines[static_cast<std::size_t>(V.Line)];
            S.LineAt = Plan->StepLines.size();
            S.LineLength = Line.size();
            S.KeyLength = KeyOf(Line).size();
            S.Object = List.Objects(V.Line);
            Plan->StepLines += Line;
        }
        // A value that does not read raises its error when the walk reaches it.
        if (V.Kind != TPathVisit::vkMenuOpen) try {
                S.Text = FromLiterals(ValueOf(Lines[static_cast<std::size_t>(V.Line)]));
                S.Decoded = true;
            } catch (const EConvertError&) {
            }
        if (V.Kind == TPathVisit::vkProp)
            if (const auto Ordinal =
                    ReadOrdinal(*V.Prop, ValueOf(Lines[static_cast<std::size_t>(V.Line)]))) {
                S.HasOrdinal = true;
                S.Ordinal = *Ordinal;
            }
        bool Saves = (V.Kind == TPathVisit::vkProp && V.Prop->IsWritable()) ||
                     V.Kind == TPathVisit::vkItem || V.Kind == TPathVisit::vkMenuEntry;
        if (Saves) {
            Plan->SavedLines.push_back(V.Line);
            Plan->SavedFirst.push_back(FirstLineOfKey(List, V.Line));
        }
    }
    Plan->SavedOrder = OrderByLines(Plan->SavedFirst, List.Count());
    Plan->NoteWritesTextsOnly();
    const auto& Order = Plan->SavedOrder;
    auto SameKey = [&](std::uint32_t A, std::uint32_t B) {
        return Plan->SavedFirst[A] == Plan->SavedFirst[B];
    };
    if (std::adjacent_find(Order.begin(), Order.end(), SameKey) == Order.end()) {
        Plan->SavedPlace.resize(Order.size());
        for (std::size_t i = 0; i < Order.size(); ++i)
            Plan->SavedPlace[Order[i]] = static_cast<std::uint32_t>(i);
    }
    return Plan;
}

bool TFormTranslator::ApplyByPath() {
    TWalk& Walk = CurrentWalk();
    auto* List = As<TSortList>(Walk.List);
    // The walk's order shows in the events: with handlers assigned, the walk itself runs.
    if (!List || FOnTranslateComponent || FOnTranslateProperty) return false;
    TComponent* Form = Owner();
    if (!Form) return false;
    std::shared_ptr<const TPathPlan> Plan = PlanFor(*List, *Form);
    if (Plan->UseWalk) return false;
    Walk.ByPath = true;
    Walk.Plan = Plan;
    if (SavesDesignTexts()) {
        // A restore kept the texts it wrote back: an apply of the same keys usually saves
        // them again, unchanged, in the same places.
        if (FSavedTexts->KeptCount() == 0) AdoptKeptTexts(Plan->SavedLines.size());
        Walk.Reusing = FSavedTexts->Count() == 0 && !Plan->SavedPlace.empty() &&
                       FSavedTexts->KeptCount() == Plan->SavedLines.size();
        if (!Walk.Reusing) {
            Walk.Saved.reserve(Plan->SavedLines.size());
            Walk.SavedFrom.reserve(Plan->SavedLines.size());
        }
    }

    host::HMENU Menu = nullptr;
    for (const TPathPlan::TStep& S : Plan->Steps) {
        switch (S.Kind) {
        case TPathVisit::vkProp: {
            const TPlannedLine Line{
                std::string_view(Plan->StepLines).substr(S.LineAt, S.LineLength), S.KeyLength,
                S.Object, S.DecodedText(), S.HasOrdinal ? &S.Ordinal : nullptr};
            TranslateProp(S.Obj, S.Prop, S.Line, &Line);
            break;
        }
        case TPathVisit::vkItem:
            TranslateItem(static_cast<TStrings*>(S.Obj), S.Item, String(KeyOf(List->Line(S.Line))),
                          S.Line, S.DecodedText());
            break;
        case TPathVisit::vkMenuOpen:
            Menu = SystemMenuOf(static_cast<TCustomForm&>(*Form));
            break;
        case TPathVisit::vkMenuEntry:
            TranslateSystemEntry(Menu, S.Item, S.Line);
            break;
        }
    }
    return true;
}

// A saved text is its work line's key, "=" and a value. In a list in byte-wise order, texts of
// different keys sort as their keys, that is as the first lines of their keys: the sort is one
// of line numbers (known beforehand when the plan's steps saved the texts), with texts
// compared only within one key.
void TFormTranslator::SortSavedByLines(TWalk& Walk) {
    const TPathPlan* Plan = Walk.Plan.get();
    std::vector<int> Computed;
    std::vector<std::uint32_t> Order;
    const std::vector<int>* First = nullptr;
    if (Plan && Walk.SavedFrom == Plan->SavedLines) {
        First = &Plan->SavedFirst;
        Order = Plan->SavedOrder;
    } else {
        Computed.reserve(Walk.SavedFrom.size());
        for (int Line : Walk.SavedFrom)
            Computed.push_back(FirstLineOfKey(*Walk.SortList, Line));
        First = &Computed;
        Order = OrderByLines(Computed, Walk.SortList->Count());
    }
    auto FirstOf = [&](std::uint32_t k) { return (*First)[k]; };
    auto TextOf = [&](std::uint32_t k) -> const String& { return Walk.Saved[k].first; };
    for (auto Run = Order.begin(); Run != Order.end();) {
        auto End = std::find_if(std::next(Run), Order.end(),
                                [&](std::uint32_t k) { return FirstOf(k) != FirstOf(*Run); });
        if (End - Run > 1)
            std::stable_sort(
                Run, End, [&](std::uint32_t A, std::uint32_t B) { return TextOf(A) < TextOf(B); });
        Run = End;
    }
    std::vector<std::pair<String, TObject*>> Sorted;
    Sorted.reserve(Order.size());
    for (std::uint32_t k : Order)
        Sorted.push_back(std::move(Walk.Saved[k]));
    Walk.Saved = std::move(Sorted);
}

} // namespace zantor
