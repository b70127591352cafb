// The form translator's apply by path: each line of the work list is resolved to what the walk
// would reach under its path (component by name, property by name, item by index), and the
// lines are applied in the walk's order, so that an apply costs what the lines cost, not what
// the form holds.
#include "translators/FormTranslator.h"

#include "host/classes/Collection.h"
#include "host/controls/Forms.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>
#include <charconv>
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
    struct THash {
        using is_transparent = void;
        std::size_t operator()(std::string_view S) const {
            return std::hash<std::string_view>()(S);
        }
    };
    std::unordered_map<String, std::vector<TPropMatch>, THash, std::equal_to<>> FByName;
};

const TPropTable& PropTable(TClass Class) {
    static std::unordered_map<TClass, std::unique_ptr<TPropTable>> Tables;
    auto& Slot = Tables[Class];
    if (!Slot) Slot = std::make_unique<TPropTable>(Class);
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
    std::vector<int> Order;
    TKind Kind = vkProp;
    TObject* Obj = nullptr; // the object of a property, the list of an item
    PPropInfo Prop = nullptr;
    int Item = -1; // the item of a list, the entry of the system menu
    int Line = -1;
    const TComponent* Component = nullptr; // the component a section-2 path starts from
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
            if (Tail.empty()) Visits.push_back({Order, TPathVisit::vkProp, Obj, M.Info, -1, Line});
        } else if (!Tail.empty()) {
            TObject* Value = GetObjectProp(Obj, M.Info);
            int N = 0;
            if (auto* L = As<TStrings>(Value)) {
                if (TakeIndex(Tail, N) && Tail.empty() && N < L->Count()) {
                    Order.push_back(N);
                    Visits.push_back({Order, TPathVisit::vkItem, L, nullptr, N, Line});
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

    std::vector<TPathVisit> Visits;
    std::vector<const TObject*> Path;
    std::vector<int> Order;
    std::unordered_map<const TComponent*, int> ComponentOrder;
    if (CustomForm) Visits.push_back({{1, -1}, TPathVisit::vkMenuOpen});
    std::string_view Previous;
    bool HasPrevious = false;
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
        int Line = -1;
        if (!FindPathLine(*List, Key, Line)) continue;
        Order.assign(1, 0);
        ResolveBelow(Form, Key, Path, Order, Line, Visits);
        if (CustomForm)
            if (int Entry = SystemEntryPosition(*CustomForm, Key); Entry >= 0)
                Visits.push_back(
                    {{1, Entry}, TPathVisit::vkMenuEntry, nullptr, nullptr, Entry, Line});
        std::string_view Name = Key.substr(0, Key.find('.'));
        if (Name.empty() || Name.size() + 1 >= Key.size()) continue;
        TComponent* C = Form->FindComponent(Name);
        if (!C || C == this || C->Name() != Name) continue;
        std::size_t First = Visits.size();
        Order.assign({2, 0});
        ResolveBelow(C, Key.substr(Name.size() + 1), Path, Order, Line, Visits);
        for (std::size_t v = First; v < Visits.size(); ++v)
            Visits[v].Component = C;
        if (Visits.size() > First) ComponentOrder.emplace(C, 0);
    }
    // Renaming a component moves the paths of what follows it: the walk sees that, a plan
    // made beforehand would not.
    for (const TPathVisit& V : Visits)
        if (V.Kind == TPathVisit::vkProp && V.Prop->Name == "Name" && Is<TComponent>(V.Obj))
            return false;
    // The components' places in the form, when more than one is involved.
    if (ComponentOrder.size() > 1) {
        for (int i = 0, Found = 0;
             i < Form->ComponentCount() && Found < static_cast<int>(ComponentOrder.size()); ++i)
            if (auto It = ComponentOrder.find(Form->Components(i)); It != ComponentOrder.end()) {
                It->second = i;
                ++Found;
            }
        for (TPathVisit& V : Visits)
            if (V.Component) V.Order[1] = ComponentOrder[V.Component];
    }
    std::stable_sort(Visits.begin(), Visits.end(),
                     [](const TPathVisit& A, const TPathVisit& B) { return A.Order < B.Order; });

    host::HMENU Menu = nullptr;
    for (const TPathVisit& V : Visits) {
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

} // namespace zantor
