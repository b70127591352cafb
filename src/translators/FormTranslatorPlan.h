// The form translator's plan of an apply by path (internal to the form translator's units):
// the places the walk would write, in its order, with what resolving the lines read from the
// form, so that the plan can be checked and used again instead of resolving again.
#pragma once

#include "host/controls/Forms.h"
#include "translators/FormTranslator.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zantor {

// Key of a line: the text before its first "=".
inline std::string_view KeyOf(std::string_view Line) {
    return Line.substr(0, Line.find('='));
}

// Value of a line: the text after its first "=".
inline std::string_view ValueOf(std::string_view Line) {
    std::size_t Eq = Line.find('=');
    return Eq == std::string_view::npos ? std::string_view() : Line.substr(Eq + 1);
}

inline bool IsStringKind(host::TTypeKind Kind) {
    return Kind == host::tkString || Kind == host::tkLString || Kind == host::tkWString;
}

// One place the walk would write, with the walk's position of it: section (0 the form's own
// properties, 1 the system menu, 2 the components), then list positions from the root down.
struct TFormTranslator::TPathVisit {
    enum TKind : std::uint8_t { vkProp, vkItem, vkMenuOpen, vkMenuEntry };
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

// The visits of a list in the walk's order, with everything resolving read from the form. The
// same lines over a form that gives every reading the same answer resolve to the same visits,
// so while the readings hold (checking them costs a few comparisons per component) the plan
// stands for resolving again.
struct TFormTranslator::TPathPlan {
    struct TReading {
        enum TKind : std::uint8_t { rkComponent, rkPlace, rkObject, rkStrings, rkCollection };
        TKind Kind = rkObject;
        bool Flag = false;     // rkComponent: the name matched exactly; lists: N was in range
        int N = 0;             // rkPlace: the position in the form; lists: the index
        std::string_view Name; // rkComponent: the name looked up, a view into Lines
        const TObject* Obj = nullptr; // what was read (rkPlace: the component placed)
        PPropInfo Prop = nullptr;
        const TObject* Value = nullptr; // the answer (rkComponent: the component found)
        TClass Class = nullptr;         // the class of Value: an address may be used again

        bool operator==(const TReading&) const = default;

        static TReading Component(std::string_view Name, const TComponent* Found, bool Exact) {
            TReading R;
            R.Kind = rkComponent;
            R.Flag = Exact;
            R.Name = Name;
            R.Value = Found;
            return R;
        }
        static TReading Place(const TComponent* C, int Position) {
            TReading R;
            R.Kind = rkPlace;
            R.N = Position;
            R.Obj = C;
            return R;
        }
        // An object property (rkObject), or item N of a list (rkStrings, rkCollection).
        static TReading Of(TKind Kind, const TObject* Obj, PPropInfo Prop, int N, bool InRange,
                           const TObject* Value) {
            TReading R;
            R.Kind = Kind;
            R.Flag = InRange;
            R.N = N;
            R.Obj = Obj;
            R.Prop = Prop;
            R.Value = Value;
            R.Class = Value ? Value->ClassType() : nullptr;
            return R;
        }
    };
    struct TStep {
        TPathVisit::TKind Kind;
        bool Decoded; // Text holds the line's value read from its literal form
        TObject* Obj;
        PPropInfo Prop;
        int Item;
        int Line;
        String Text;
        // The line's text in StepLines, and its object (as of the list it was checked with).
        std::size_t LineAt = 0;
        std::size_t LineLength = 0;
        std::size_t KeyLength = 0;
        TObject* Object = nullptr;
        bool HasOrdinal = false;
        host::Int64 Ordinal = 0;

        const String* DecodedText() const { return Decoded ? &Text : nullptr; }
    };

    // What the plan was made from: these lines (known at once from the same list unchanged)
    // over this form, with no component removed from it since.
    std::vector<String> Lines;
    const TSortList* List = nullptr;
    std::uint64_t Generation = 0;
    const TComponent* Form = nullptr;
    std::uint64_t FormChanges = 0;
    host::TFormStyle Style = host::fsNormal; // the system menu's entries depend on it
    std::vector<TReading> Readings; // in the order made: each checks objects the earlier gave

    // The walk runs instead: for a path that renames a component or goes too deep, and for
    // lines out of byte-wise order, where the walk's searches (and the objects it leaves out
    // for want of lines under them) follow no rule a plan could.
    bool UseWalk = false;
    std::vector<TStep> Steps; // in the walk's order
    // The lines of the property steps one after the other, in the steps' order: an apply reads
    // them in sequence rather than all over the list.
    String StepLines;
    // Where the texts the steps save go in the saved list:
    // the work line of each, in the steps' order, and their order by their keys' first lines.
    std::vector<int> SavedLines;
    std::vector<int> SavedFirst;
    std::vector<std::uint32_t> SavedOrder;
    // The place of each saved text in a saved list of only these texts, when no two of them
    // share a key (empty otherwise: equal keys order their texts by the values saved).
    std::vector<std::uint32_t> SavedPlace;
    // Every step but the menu's opening writes a text (a string property, a list item, a
    // system-menu entry) from a value that reads, and saves one; no two write the same place.
    // Writing a text leaves the other texts as they are, where other values (sizes and their
    // limits, say) change with each other.
    bool WritesTextsOnly = false;

    // Sets WritesTextsOnly from the steps.
    void NoteWritesTextsOnly();

    // Made from these lines: the same list unchanged, or one with equal lines (then the plan
    // remembers it).
    bool MadeFrom(const TSortList& L);
    // Every reading gives the same answer again.
    bool StillHolds(const TComponent& AForm) const;

private:
    static bool Holds(const TReading& R, const TComponent& AForm);
    static bool SameObject(const TObject* Now, const TReading& R);

    // TComponent::NamesAndPlacesGeneration() when every reading last held: until it moves, the
    // components' names and places need not be read again (each is a cache miss).
    mutable std::uint64_t FNamesCheckedAt = UINT64_MAX;
};

} // namespace zantor
