// The form translator's apply by path: each line of the work list is resolved to what the walk
// would reach under its path (component by name, property by name, item by index), and the
// lines are applied in the walk's order, so that an apply costs what the lines cost, not what
// the form holds.
#include "translators/FormTranslator.h"

#include "host/classes/Collection.h"
#include "host/controls/Forms.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <numeric>
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

// Key of a line: the text before its first "=".
std::string_view KeyOf(std::string_view Line) {
    return Line.substr(0, Line.find('='));
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

} // namespace

// One place the walk would write, with the walk's position of it: section (0 the form's own
// properties, 1 the system menu, 2 the components), then list positions from the root down.
struct TFormTranslator::TPathVisit {
    enum TKind { vkProp, vkItem, vkMenuOpen, vkMenuEntry };
    // Deeper paths are rare; for them the walk itself runs.
    static constexpr std::size_t MaxDepth = 10;
    static constexpr std::uint8_t TooDeep = 255;
    std::array<int, MaxDepth> Order{};
    std::uint8_t Depth = 0;
    TKind Kind = vkProp;
    TObject* Obj = nullptr; // the object of a property, the list of an item
    PPropInfo Prop = nullptr;
    int Item = -1; // the item of a list, the entry of the system menu
    int Line = -1;
    const TComponent* Component = nullptr; // the component a section-2 path starts from

    TPathVisit(const std::vector<int>& Positions, TKind AKind, TObject* AObj = nullptr,
               PPropInfo AProp = nullptr, int AItem = -1, int ALine = -1)
        : Kind(AKind), Obj(AObj), Prop(AProp), Item(AItem), Line(ALine) {
        if (Positions.size() > MaxDepth) {
            Depth = TooDeep;
            return;
        }
        std::copy(Positions.begin(), Positions.end(), Order.begin());
        Depth = static_cast<std::uint8_t>(Positions.size());
    }
    // The walk's order: position by position, a path before the paths below it.
    friend bool operator<(const TPathVisit& A, const TPathVisit& B) {
        return std::lexicographical_compare(A.Order.begin(), A.Order.begin() + A.Depth,
                                            B.Order.begin(), B.Order.begin() + B.Depth);
    }
};

// Follows Rest ("Name..." below an object) from Obj, with Path the objects the walk would have
// entered on its way, as TranslateClass, SetStrings and SetCollection go.
void TFormTranslator::ResolveBelow(TObject* Obj, std::string_view Rest,
                                   std::vector<const TObject*>& Path, std::vector<int>& Order,
                                   int Line, std::vector<TPathVisit>& Visits) const {
    // TranslateClass: a null object or one already on the path ends here.
    if (!Obj || std::find(Path.begin(), Path.end(), Obj) != Path.end()) return;
    Path.push_back(Obj);
    ForEachNamed(Obj->ClassType(), Rest, [&](const TPropMatch& M, std::string_view Tail) {
        Order.push_back(M.Position);
        if (M.Info->Kind() != tkClass) {
            if (Tail.empty()) Visits.emplace_back(Order, TPathVisit::vkProp, Obj, M.Info, -1, Line);
        } else if (!Tail.empty()) {
            TObject* Value = GetObjectProp(Obj, M.Info);
            int N = 0;
            if (auto* L = As<TStrings>(Value)) {
                if (TakeIndex(Tail, N) && Tail.empty() && N < L->Count()) {
                    Order.push_back(N);
                    Visits.emplace_back(Order, TPathVisit::vkItem, L, nullptr, N, Line);
                    Order.pop_back();
                }
            } else if (auto* C = As<TCollection>(Value)) {
                if (TakeIndex(Tail, N) && N < C->Count() && Tail.size() > 1 && Tail[0] == '.') {
                    Order.push_back(N);
                    ResolveBelow(C->Items(N), Tail.substr(1), Path, Order, Line, Visits);
                    Order.pop_back();
                }
            } else if (Tail.size() > 1 && Tail[0] == '.') {
                ResolveBelow(Value, Tail.substr(1), Path, Order, Line, Visits);
            }
        }
        Order.pop_back();
    });
    Path.pop_back();
}

bool TFormTranslator::ApplyByPath() {
    TWalk& Walk = CurrentWalk();
    auto* List = As<TSortList>(Walk.List);
    // The walk's order shows in the events: with handlers assigned, the walk itself runs.
    if (!List || FOnTranslateComponent || FOnTranslateProperty) return false;
    TComponent* Form = Owner();
    if (!Form) return false;
    auto* CustomForm = As<TCustomForm>(Form);

    // The list's lines in order let a line stand in for the search of its own key.
    bool Sorted = true;
    for (int i = 1; i < List->Count() && Sorted; ++i)
        Sorted = List->Line(i - 1) <= List->Line(i);

    std::vector<TPathVisit> Visits;
    Visits.reserve(static_cast<std::size_t>(List->Count()) + 1);
    std::vector<const TObject*> Path;
    std::vector<int> Order;
    std::unordered_map<const TComponent*, int> ComponentOrder;
    if (CustomForm) Visits.emplace_back(std::vector<int>{1, -1}, TPathVisit::vkMenuOpen);
    std::string_view Previous;
    bool HasPrevious = false;
    std::string_view LastName;
    TComponent* Last = nullptr;
    for (int i = 0; i < List->Count(); ++i) {
        std::string_view Text = List->Line(i);
        std::size_t Eq = Text.find('=');
        // A line without "=" is never found; the lines of one key are adjacent, and the walk
        // applies the one its search finds.
        if (Eq == std::string_view::npos) continue;
        std::string_view Key = Text.substr(0, Eq);
        if (HasPrevious && Key == Previous) continue;
        Previous = Key;
        HasPrevious = true;
        int Line = i;
        // In a sorted list whose previous line sorts before Key, the search lands on this line.
        bool Found = Sorted && (i == 0 || std::string_view(List->Line(i - 1)) < Key);
        if (!Found && !FindPathLine(*List, Key, Line)) continue;
        Order.assign(1, 0);
        ResolveBelow(Form, Key, Path, Order, Line, Visits);
        if (CustomForm)
            if (int Entry = SystemEntryPosition(*CustomForm, Key); Entry >= 0)
                Visits.emplace_back(std::vector<int>{1, Entry}, TPathVisit::vkMenuEntry, nullptr,
                                    nullptr, Entry, Line);
        std::string_view Name = Key.substr(0, Key.find('.'));
        if (Name.empty() || Name.size() + 1 >= Key.size()) continue;
        // The lines of one component follow each other: look it up once for them.
        if (Name != LastName || !Last) {
            Last = Form->FindComponent(Name);
            LastName = Name;
        }
        TComponent* C = Last;
        if (!C || C == this || C->Name() != Name) continue;
        std::size_t First = Visits.size();
        Order.assign({2, 0});
        ResolveBelow(C, Key.substr(Name.size() + 1), Path, Order, Line, Visits);
        for (std::size_t v = First; v < Visits.size(); ++v)
            Visits[v].Component = C;
        if (Visits.size() > First) ComponentOrder.emplace(C, 0);
    }
    for (const TPathVisit& V : Visits) {
        if (V.Depth == TPathVisit::TooDeep) return false;
        // Renaming a component moves the paths of what follows it: the walk sees that, a plan
        // made beforehand would not.
        if (V.Kind == TPathVisit::vkProp && V.Prop->Name == "Name" && Is<TComponent>(V.Obj))
            return false;
    }
    // The components' places in the form, when more than one is involved.
    if (ComponentOrder.size() > 1) {
        for (int i = 0, Found = 0;
             i < Form->ComponentCount() && Found < static_cast<int>(ComponentOrder.size()); ++i)
            if (auto It = ComponentOrder.find(Form->Components(i)); It != ComponentOrder.end()) {
                It->second = i;
                ++Found;
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
    Walk.ByPath = Sorted;

    host::HMENU Menu = nullptr;
    for (std::uint32_t n : InWalkOrder) {
        const TPathVisit& V = Visits[n];
        switch (V.Kind) {
        case TPathVisit::vkProp:
            TranslateProp(V.Obj, V.Prop, V.Line);
            break;
        case TPathVisit::vkItem:
            TranslateItem(static_cast<TStrings*>(V.Obj), V.Item, String(KeyOf(List->Line(V.Line))),
                          V.Line);
            break;
        case TPathVisit::vkMenuOpen:
            Menu = SystemMenuOf(*CustomForm);
            break;
        case TPathVisit::vkMenuEntry:
            TranslateSystemEntry(Menu, V.Item, V.Line);
            break;
        }
    }
    return true;
}

// A saved text is its work line's key, "=" and a value. In a list in byte-wise order, texts of
// different keys sort as their keys, that is as the first lines of their keys: the sort is one
// of line numbers, with texts compared only within one key.
void TFormTranslator::SortSavedByLines(TWalk& Walk) {
    const auto& List = static_cast<const TSortList&>(*Walk.List);
    std::vector<std::pair<int, std::size_t>> Order; // first line of the key, place in Saved
    Order.reserve(Walk.Saved.size());
    for (std::size_t k = 0; k < Walk.Saved.size(); ++k) {
        int First = Walk.SavedFrom[k];
        std::string_view Key = KeyOf(List.Line(First));
        while (First > 0 && KeyOf(List.Line(First - 1)) == Key)
            --First;
        Order.emplace_back(First, k);
    }
    std::sort(Order.begin(), Order.end());
    auto TextOf = [&](const std::pair<int, std::size_t>& E) -> const String& {
        return Walk.Saved[E.second].first;
    };
    for (auto Run = Order.begin(); Run != Order.end();) {
        auto End =
            std::find_if(Run, Order.end(), [&](const auto& E) { return E.first != Run->first; });
        if (End - Run > 1)
            std::stable_sort(Run, End,
                             [&](const auto& A, const auto& B) { return TextOf(A) < TextOf(B); });
        Run = End;
    }
    std::vector<std::pair<String, TObject*>> Sorted;
    Sorted.reserve(Order.size());
    for (const auto& E : Order)
        Sorted.push_back(std::move(Walk.Saved[E.second]));
    Walk.Saved = std::move(Sorted);
}

} // namespace zantor
