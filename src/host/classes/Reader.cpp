// TReader: builds components from parsed form text.
#include "host/classes/Filer.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Collection.h"
#include "host/classes/FormTextStream.h"
#include "host/classes/Placeholder.h"
#include "host/classes/StreamedLayout.h"
#include "host/classes/Streams.h"
#include "host/classes/UpdateScope.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/PropNameCache.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>
#include <deque>
#include <unordered_set>

namespace host {

namespace {

String OnLine(int Line) {
    return " on line " + std::to_string(Line);
}

// A reading error that already names its property and line; raised as it is.
class EPropertyReadError : public EReadError {
public:
    using EReadError::EReadError;
};

// A component reference waiting for the whole form (or another module) to be read.
struct TFixup {
    TObject* Instance;
    TComponent* Component; // the component being read when the reference was met
    PPropInfo Prop;
    String Name;
    TComponent* Root;
    int Line;
    String Path; // "Form1.Button1.PopupMenu", for the error message
    // Tolerant reads: the object whose layout keeps the reference when it does not resolve.
    TObject* Top = nullptr;
    TFormProperty Written;
};

std::vector<TFixup>& GlobalFixups() {
    static std::vector<TFixup> List;
    return List;
}

TFindGlobalComponent GlobalFinder = nullptr;

// "Name" or "Module.Name.Sub" relative to Root; nullptr when not (yet) there.
TComponent* FindNestedComponent(TComponent* Root, std::string_view Path) {
    std::vector<String> Parts = SplitString(Path, '.');
    TComponent* Result = Root->FindComponent(Parts[0]);
    if (!Result && SameText(Parts[0], Root->Name())) Result = Root;
    if (!Result && SameText(Parts[0], "Owner")) Result = Root;
    if (!Result) Result = FindGlobalComponent(Parts[0]);
    for (std::size_t i = 1; Result && i < Parts.size(); ++i)
        Result = Result->FindComponent(Parts[i]);
    return Result;
}

// A reference to a component of the wrong class fails as any other value of the form would,
// naming the property and the line of the reference.
bool TryFixup(const TFixup& F) {
    TComponent* Target = FindNestedComponent(F.Root, F.Name);
    if (!Target) return false;
    try {
        SetObjectProp(F.Instance, F.Prop, Target);
    } catch (const Exception& E) {
        throw EPropertyReadError("Error reading " + F.Path + ": " + E.Message() + OnLine(F.Line));
    }
    return true;
}

} // namespace

TClass TFiler::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TFiler>("TFiler");
    return &Info;
}

TClass TReader::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TReader>("TReader").NoCreate();
    return &Info;
}

namespace {

// Exact spelling, looked up by views into the text.
struct TSpellingHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view S) const noexcept {
        return std::hash<std::string_view>{}(S);
    }
};

} // namespace

// Cursor over the values of the defined property being read, and the reading context.
struct TReader::TState {
    struct TLevel {
        const TFormValue* Items; // a list's items, or the property's value alone
        std::size_t Count;
        std::size_t Index;
    };
    std::vector<TLevel> Cursor;
    String DefinedName; // defined property looked for, "" once handled
    const TFormValue* DefinedValue = nullptr;
    int Line = 0;
    std::vector<TComponent*> Loaded;
    std::unordered_set<TComponent*> LoadedSet; // only for forms with inherited objects
    std::vector<TFixup> Fixups;
    TComponent* Reading = nullptr;
    // Root of the form text being read: the form, or a frame while its own form is read.
    // Method names and references are looked up from it.
    TComponent* LookupRoot = nullptr;
    // Where inherited objects are looked for: the form, or an inline frame.
    TComponent* InheritedScope = nullptr;
    // Forms of ancestors and frames, kept while the values read from them are referred to.
    std::deque<TFormObject> Forms;
    int FormDepth = 0;
    bool Layouts = false; // recording streamed layouts (tolerant mode, outermost text)
    // Look-ups by the names the texts spell, repeated for every component of a class.
    TPropNameCache Props;
    // Registered classes by their names as the texts spell them.
    std::unordered_map<String, TClass, TSpellingHash, std::equal_to<>> Classes;
    // The text being read along, when the read goes without a parsed tree.
    TFormTextStream* Stream = nullptr;
};

namespace {

// Deeper inheritance or frame nesting than any real project; stops a form that is its own
// ancestor.
constexpr int MaxFormDepth = 64;

std::unordered_map<TClass, String>& ClassForms() {
    static std::unordered_map<TClass, String> Map;
    return Map;
}

bool FindRegisteredForm(const String& ClassName, bool Ancestor, String& Text) {
    auto& Map = ClassForms();
    if (Map.empty()) return false;
    TClass Class = GetClass(ClassName);
    if (!Class) {
        for (auto& [C, T] : Map)
            if (SameText(C->ClassName, ClassName)) Class = C;
        if (!Class) return false;
    }
    for (TClass C = Ancestor ? Class->Parent : Class; C; C = C->Parent) {
        auto It = Map.find(C);
        if (It != Map.end()) {
            Text = It->second;
            return true;
        }
        if (!Ancestor) break;
    }
    return false;
}

} // namespace

void RegisterClassFormText(TClass Class, std::string_view Text) {
    ClassForms()[Class] = String(Text);
}

TClass FindClassFormText(TClass Class, String& Text) {
    auto& Map = ClassForms();
    if (Map.empty()) return nullptr;
    for (TClass C = Class; C; C = C->Parent)
        if (auto It = Map.find(C); It != Map.end()) {
            Text = It->second;
            return C;
        }
    return nullptr;
}
void UnRegisterClassFormText(TClass Class) {
    ClassForms().erase(Class);
}

// Reading steps that need the private state; kept out of the header.
struct TReaderImpl {
    TReader& R;
    TReader::TState& S;

    [[noreturn]] void PropError(const String& Path, const String& Msg, int Line) {
        throw EPropertyReadError("Error reading " + Path + ": " + Msg + OnLine(Line));
    }

    TStreamedLayout* LayoutFor(const TObject* Obj) {
        return S.Layouts ? &StreamedLayoutOf(Obj) : nullptr;
    }

    void AddLoaded(TComponent* Comp) {
        if (!S.LoadedSet.empty() && S.LoadedSet.contains(Comp)) return;
        Comp->SetLoading(true);
        S.Loaded.push_back(Comp);
        if (!S.LoadedSet.empty()) S.LoadedSet.insert(Comp);
    }

    // The form (or frame) text of a class, parsed and kept for the rest of the read.
    const TFormObject* FindForm(const String& ClassName, bool Ancestor, int Line) {
        String Text;
        bool Found = R.FFindFormText ? R.FFindFormText(ClassName, Ancestor, Text)
                                     : FindRegisteredForm(ClassName, Ancestor, Text);
        if (!Found) return nullptr;
        if (S.FormDepth >= MaxFormDepth) throw EReadError("Forms nested too deeply" + OnLine(Line));
        S.Forms.push_back(ParseFormText(Text));
        return &S.Forms.back();
    }

    // Reads the forms of Obj's ancestors into Instance, then Obj itself: the ancestors'
    // values, children and handlers first, the differences of the text over them.
    void ReadLayers(TComponent* Instance, const TFormObject& Obj, bool Outermost,
                    TFormTextStream* Stream = nullptr) {
        if (Obj.Kind == TFormObjectKind::Inherited) {
            if (const TFormObject* Ancestor = FindForm(Obj.ClassName, true, Obj.Line)) {
                // Inherited components are looked for from now on: reading stays linear.
                if (S.LoadedSet.empty()) S.LoadedSet.insert(S.Loaded.begin(), S.Loaded.end());
                ReadSubForm(Instance, *Ancestor);
            }
        }
        bool SavedLayouts = S.Layouts;
        S.Layouts = R.FTolerant && Outermost;
        if (TStreamedLayout* L = LayoutFor(Instance)) {
            L->Kind = Obj.Kind;
            L->Index = Obj.Index;
        }
        ReadObjectBody(Instance, Obj,
                       Instance->GetChildOwner() ? Instance->GetChildOwner() : R.FOwner, Stream);
        S.Layouts = SavedLayouts;
    }

    // An ancestor's form or a frame's form read into Instance, which is its root.
    void ReadSubForm(TComponent* Instance, const TFormObject& Form) {
        TComponent* SavedLookup = S.LookupRoot;
        TComponent* SavedScope = S.InheritedScope;
        TComponent* SavedOwner = R.FOwner;
        ++S.FormDepth;
        S.LookupRoot = Instance;
        S.InheritedScope = Instance;
        R.FOwner = Instance;
        ReadLayers(Instance, Form, false, nullptr);
        R.FOwner = SavedOwner;
        S.InheritedScope = SavedScope;
        S.LookupRoot = SavedLookup;
        --S.FormDepth;
    }

    // The properties and children of Obj, from the tree, or (Stream) from the text as it
    // is read, Obj being then the header alone.
    void ReadObjectBody(TComponent* Instance, const TFormObject& Obj, TComponent* ChildOwner,
                        TFormTextStream* Stream) {
        S.Reading = Instance;
        Instance->SetReading(true);
        TStreamedLayout* Layout = LayoutFor(Instance);
        if (Stream) {
            while (const TFormProperty* P = Stream->NextProperty())
                ReadProperty(Instance, Instance->Name(), *P, Layout);
        } else {
            for (const TFormProperty& P : Obj.Props)
                ReadProperty(Instance, Instance->Name(), P, Layout);
        }
        Instance->SetReading(false);
        TComponent* OldOwner = R.FOwner;
        TComponent* OldParent = R.FParent;
        R.FParent = Instance->GetChildParent();
        R.FOwner = ChildOwner;
        if (Stream) {
            while (const TFormObject* Child = Stream->NextChild())
                ReadChild(*Child, Instance, Stream);
        } else {
            for (const TFormObject& Child : Obj.Children)
                ReadChild(Child, Instance, nullptr);
        }
        R.FOwner = OldOwner;
        R.FParent = OldParent;
    }

    void ReadChild(const TFormObject& Obj, TComponent* WrittenParent, TFormTextStream* Stream) {
        TComponent* Comp = nullptr;
        TComponent* SavedScope = S.InheritedScope;
        TComponent* NewScope = nullptr;
        if (Obj.Kind == TFormObjectKind::Inherited) {
            Comp = S.InheritedScope->FindComponent(Obj.Name);
            if (!Comp && !R.FTolerant)
                throw EReadError("Ancestor for '" + Obj.Name + "' not found" + OnLine(Obj.Line));
            // Without its ancestor's form, a tolerant read makes it as written. One of a
            // class that is not compiled in (or a frame) was an inline frame in the ancestor:
            // it owns the inherited objects inside it, as frames do.
            if (!Comp) {
                Comp = CreateChild(Obj, S.InheritedScope);
                TClass Frame = GetClass("TFrame");
                if (Is<TPlaceholderComponent>(Comp) || (Frame && Comp->InheritsFrom(Frame)))
                    NewScope = Comp;
            }
        } else {
            Comp = CreateChild(Obj, R.FOwner);
        }
        if (Obj.Kind == TFormObjectKind::Inherited && S.LoadedSet.empty())
            S.LoadedSet.insert(S.Loaded.begin(), S.Loaded.end());
        AddLoaded(Comp);
        if (Comp->HasParent()) Comp->SetParentComponent(R.FParent);
        if (TStreamedLayout* L = LayoutFor(Comp)) {
            L->ReadParent = WrittenParent;
            StreamedLayoutOf(WrittenParent).Children.push_back(Comp);
        }
        if (Obj.Kind == TFormObjectKind::Inline) {
            // The frame's own form first; the inherited objects of the text are its objects.
            if (const TFormObject* Frame = FindForm(Obj.ClassName, false, Obj.Line)) {
                if (S.LoadedSet.empty()) S.LoadedSet.insert(S.Loaded.begin(), S.Loaded.end());
                ReadSubForm(Comp, *Frame);
            }
            S.InheritedScope = Comp;
        }
        if (NewScope) S.InheritedScope = NewScope;
        bool SavedLayouts = S.Layouts;
        if (TStreamedLayout* L = LayoutFor(Comp)) {
            L->Kind = Obj.Kind;
            L->Index = Obj.Index;
        }
        ReadObjectBody(Comp, Obj, Comp->GetChildOwner() ? Comp->GetChildOwner() : R.FOwner, Stream);
        S.Layouts = SavedLayouts;
        S.InheritedScope = SavedScope;
    }

    // A registered class, or the class of one of the root's published fields (a form
    // class knows the classes of the components it declares).
    TClass FindComponentClass(const String& ClassName) {
        if (auto It = S.Classes.find(ClassName); It != S.Classes.end()) return It->second;
        if (TClass C = GetClass(ClassName)) {
            S.Classes.emplace(ClassName, C);
            return C;
        }
        for (TClass C = S.LookupRoot->ClassType(); C; C = C->Parent)
            for (const TFieldEntry& F : C->Fields)
                if (SameText(F.FieldClass()->ClassName, ClassName)) return F.FieldClass();
        return nullptr;
    }

    TComponent* CreateChild(const TFormObject& Obj, TComponent* Owner) {
        TClass Class = FindComponentClass(Obj.ClassName);
        TComponent* Comp = nullptr;
        if (!Class && R.FTolerant) {
            Comp = new TPlaceholderComponent(Owner, Obj.ClassName);
        } else {
            if (!Class)
                throw EClassNotFound("Class " + Obj.ClassName + " not found" + OnLine(Obj.Line));
            if (!Class->InheritsFrom(TComponent::StaticClass()) || !Class->Create)
                throw EReadError("Invalid class " + Obj.ClassName + OnLine(Obj.Line));
            Comp = CreateComponent(Class, Owner);
        }
        try {
            if (Obj.Kind == TFormObjectKind::Inline) Comp->SetInline(true);
            Comp->SetName(Obj.Name);
        } catch (const EComponentError& E) {
            Comp->Free();
            throw EComponentError(E.Message() + OnLine(Obj.Line));
        }
        return Comp;
    }

    // Walks a dotted name ("Font.Name") down published object properties. In the tolerant
    // mode what cannot be applied is kept in the layout of Instance, as written.
    void ReadProperty(TObject* Instance, const String& InstancePath, const TFormProperty& P,
                      TStreamedLayout* Layout) {
        if (Layout) Layout->AddRead(P);
        if (auto* Placeholder = R.FTolerant ? As<TPlaceholderComponent>(Instance) : nullptr) {
            Placeholder->Values().Add(Placeholder, P.Name, P.Value);
            return;
        }
        if (!R.FTolerant) {
            (void)ApplyProperty(Instance, InstancePath, P);
            return;
        }
        // Tolerant: kept as written in the text being written back, dropped in an ancestor's.
        // What this program lacks (properties, handlers) is common there, and told without
        // an exception.
        try {
            if (ApplyProperty(Instance, InstancePath, P, Layout ? Instance : nullptr, true)) return;
        } catch (const Exception&) {
        }
        if (Layout) Layout->Kept.push_back(P);
    }

    // "Form1.Button1" and "Font.Name" give "Form1.Button1.Font.Name"; built only when a
    // message or a reference needs it.
    static String JoinPath(const String& InstancePath, std::string_view Name) {
        String Path;
        Path.reserve(InstancePath.size() + 1 + Name.size());
        Path += InstancePath;
        if (!Path.empty()) Path += '.';
        Path += Name;
        return Path;
    }

    // False (Quiet only) when a property or handler named by P does not exist; other
    // failures raise.
    bool ApplyProperty(TObject* Instance, const String& InstancePath, const TFormProperty& P,
                       TObject* Top = nullptr, bool Quiet = false) {
        TObject* Target = Instance;
        std::string_view Rest = P.Name;
        for (std::size_t Dot; (Dot = Rest.find('.')) != std::string_view::npos;) {
            std::string_view Part = Rest.substr(0, Dot);
            Rest.remove_prefix(Dot + 1);
            std::string_view Walked =
                std::string_view(P.Name).substr(0, P.Name.size() - Rest.size() - 1);
            PPropInfo Info = S.Props.Find(Target->ClassType(), Part);
            if (Quiet && (!Info || Info->Kind() != tkClass)) return false;
            if (!Info || Info->Kind() != tkClass)
                PropError(JoinPath(InstancePath, Walked),
                          "Property " + String(Part) + " does not exist", P.Line);
            Target = GetObjectProp(Target, Info);
            if (!Target && Quiet) return false;
            if (!Target) PropError(JoinPath(InstancePath, Walked), "Invalid property path", P.Line);
        }
        try {
            if (PPropInfo Info = S.Props.Find(Target->ClassType(), Rest)) {
                if (Quiet && Info->Kind() == tkMethod && P.Value.Type != vaNil &&
                    !FindHandler(Info, P.Value))
                    return false;
                ReadPropValue(Target, Info, P.Value, InstancePath, Top, P.Name);
            } else if (!ReadDefined(Target, String(Rest), P.Value)) {
                if (Quiet) return false;
                PropError(JoinPath(InstancePath, P.Name),
                          "Property " + String(Rest) + " does not exist", P.Line);
            }
        } catch (const EPropertyReadError&) {
            throw;
        } catch (const Exception& E) {
            PropError(JoinPath(InstancePath, P.Name), E.Message(), P.Line);
        }
        return true;
    }

    bool ReadDefined(TObject* Target, const String& Name, const TFormValue& Value) {
        auto* Persistent = As<TPersistent>(Target);
        if (!Persistent) return false;
        S.DefinedName = Name;
        S.DefinedValue = &Value;
        S.Line = Value.Line;
        Persistent->DefineProperties(&R);
        bool Handled = S.DefinedName.empty();
        S.DefinedName.clear();
        S.DefinedValue = nullptr;
        return Handled;
    }

    [[noreturn]] static void InvalidValue() { RaiseInvalidPropertyValue<EReadError>(); }

    void ReadPropValue(TObject* Target, PPropInfo Info, const TFormValue& V,
                       const String& InstancePath, TObject* Top, const String& WrittenName) {
        if (Info->Kind() != tkClass && !Info->IsWritable())
            throw EPropertyError("Property is read-only");
        switch (Info->Kind()) {
        case tkInteger:
        case tkInt64:
            SetOrdProp(Target, Info, IntegerValue(Info, V));
            break;
        case tkChar:
        case tkWChar:
            SetOrdProp(Target, Info, CharValue(V));
            break;
        case tkEnumeration:
            SetOrdProp(Target, Info, EnumValue(Info, V));
            break;
        case tkSet:
            SetOrdProp(Target, Info, SetValue(Info, V));
            break;
        case tkFloat:
            SetFloatProp(Target, Info, FloatValue(V));
            break;
        case tkString:
        case tkLString:
        case tkWString:
            SetStrProp(Target, Info, StringValue(V));
            break;
        case tkClass:
            ReadObjectValue(Target, Info, V, JoinPath(InstancePath, WrittenName), Top, WrittenName);
            break;
        case tkMethod:
            ReadMethodValue(Target, Info, V);
            break;
        default:
            InvalidValue();
        }
    }

    static bool IsInt(const TFormValue& V) {
        return (V.Type >= vaInt8 && V.Type <= vaInt32) || V.Type == vaInt64;
    }
    static bool IsString(const TFormValue& V) {
        return V.Type == vaString || V.Type == vaLString || V.Type == vaWString ||
               V.Type == vaUTF8String;
    }
    static bool IsIdent(const TFormValue& V) {
        return V.Type == vaIdent || V.Type == vaFalse || V.Type == vaTrue || V.Type == vaNil ||
               V.Type == vaNull;
    }

    static Int64 IntegerValue(PPropInfo Info, const TFormValue& V) {
        Int64 Result = 0;
        if (IsInt(V))
            Result = V.Int;
        else if (IsIdent(V) && Info->PropType->FromIdent &&
                 Info->PropType->FromIdent(V.Str, Result))
            return Result;
        else
            InvalidValue();
        if (Result < Info->PropType->MinValue || Result > Info->PropType->MaxValue) InvalidValue();
        return Result;
    }

    static Int64 CharValue(const TFormValue& V) {
        if (IsString(V) && V.Str.size() == 1) return static_cast<unsigned char>(V.Str[0]);
        if (IsInt(V) && V.Int >= 0 && V.Int <= 255) return V.Int;
        InvalidValue();
    }

    static Int64 EnumValue(PPropInfo Info, const TFormValue& V) {
        if (!IsIdent(V)) InvalidValue();
        Int64 Result = GetEnumValue(Info->PropType,
                                    V.Type == vaIdent ? std::string_view(V.Str) : IdentText(V));
        if (Result < 0) InvalidValue();
        return Result;
    }

    static std::string_view IdentText(const TFormValue& V) {
        switch (V.Type) {
        case vaFalse:
            return "False";
        case vaTrue:
            return "True";
        case vaNil:
            return "nil";
        case vaNull:
            return "Null";
        default:
            return V.Str;
        }
    }

    static Int64 SetValue(PPropInfo Info, const TFormValue& V) {
        if (V.Type != vaSet) InvalidValue();
        std::uint32_t Bits = 0;
        for (const String& Item : V.SetItems) {
            Int64 E = GetEnumValue(Info->PropType->CompType, Item);
            if (E < 0 || E >= 32) InvalidValue();
            Bits |= 1u << E;
        }
        return Bits;
    }

    static Extended FloatValue(const TFormValue& V) {
        if (IsInt(V)) return static_cast<Extended>(V.Int);
        if (V.Type == vaExtended || V.Type == vaSingle || V.Type == vaCurrency || V.Type == vaDate)
            return V.Float;
        InvalidValue();
    }

    static const String& StringValue(const TFormValue& V) {
        if (!IsString(V)) InvalidValue();
        return V.Str;
    }

    void ReadObjectValue(TObject* Target, PPropInfo Info, const TFormValue& V, const String& Path,
                         TObject* Top, const String& WrittenName) {
        if (V.Type == vaCollection) {
            auto* Coll = As<TCollection>(GetObjectProp(Target, Info));
            if (!Coll) InvalidValue();
            ReadCollectionItems(Coll, V, Path);
            return;
        }
        if (!Info->IsWritable()) throw EPropertyError("Property is read-only");
        if (V.Type == vaNil) {
            SetObjectProp(Target, Info, nullptr);
            return;
        }
        if (V.Type != vaIdent ||
            !Info->PropType->ClassType()->InheritsFrom(TComponent::StaticClass()))
            InvalidValue();
        TFixup F{Target, S.Reading, Info, V.Str, S.LookupRoot, V.Line, Path, nullptr, {}};
        if (Top) {
            F.Top = Top;
            F.Written = {WrittenName, V, V.Line};
        }
        S.Fixups.push_back(std::move(F));
    }

    void ReadMethodValue(TObject* Target, PPropInfo Info, const TFormValue& V) {
        if (V.Type == vaNil) {
            SetMethodProp(Target, Info, {});
            return;
        }
        const TMethodEntry* M = FindHandler(Info, V);
        if (!M) InvalidValue();
        SetMethodProp(Target, Info, {M->Code, S.LookupRoot});
    }

    // The published method of the root that a handler name stands for, with the property's
    // signature; nullptr when there is none.
    const TMethodEntry* FindHandler(PPropInfo Info, const TFormValue& V) const {
        if (V.Type != vaIdent) return nullptr;
        const TMethodEntry* M = S.LookupRoot->ClassType()->FindMethod(V.Str);
        return M && *M->Signature == *Info->PropType->MethodSignature ? M : nullptr;
    }

    // References waiting to be set in items that are about to be freed (a collection read
    // again) are dropped: setting them later would write into freed items.
    void ForgetFixupsOfItems(const TCollection* Coll) {
        if (Coll->Count() == 0) return;
        std::unordered_set<const TObject*> Items;
        for (int i = 0; i < Coll->Count(); ++i)
            Items.insert(Coll->Items(i));
        auto OfItem = [&Items](const TFixup& F) { return Items.contains(F.Instance); };
        std::erase_if(S.Fixups, OfItem);
        std::erase_if(GlobalFixups(), OfItem);
    }

    void ReadCollectionItems(TCollection* Coll, const TFormValue& V, const String& Path) {
        WithUpdate(Coll, [&] {
            ForgetFixupsOfItems(Coll);
            Coll->Clear();
            for (std::size_t i = 0; i < V.Collection.size(); ++i) {
                TCollectionItem* Item = Coll->Add();
                String ItemPath = Path + "[" + std::to_string(i) + "]";
                TStreamedLayout* Layout = LayoutFor(Item);
                for (const TFormProperty& P : V.Collection[i].Props)
                    ReadProperty(Item, ItemPath, P, Layout);
            }
        });
    }

    static const TFormValue& Current(const TReader::TState& S);

    // A new root read along the text.
    static TComponent* ReadAlong(TReader& R, TFormTextStream& Stream, TComponent* Owner) {
        R.FState->Stream = &Stream;
        return R.ReadRootComponent(nullptr, Owner);
    }

    // Tolerant reads keep a reference that does not resolve as written, instead of waiting
    // for a module that a tool will never load.
    void ResolveFixups() {
        for (TFixup& F : S.Fixups) {
            bool Resolved = false;
            try {
                Resolved = TryFixup(F);
            } catch (const Exception&) {
                if (!R.FTolerant) throw;
            }
            if (Resolved) continue;
            if (!R.FTolerant)
                GlobalFixups().push_back(std::move(F));
            else if (F.Top)
                StreamedLayoutOf(F.Top).Kept.push_back(std::move(F.Written));
        }
        S.Fixups.clear();
    }
};

TReader::TReader(const TFormObject& RootObject)
    : FState(std::make_unique<TState>()), FRootObject(RootObject) {}

TReader::~TReader() = default;

namespace {

String UniqueName(TComponent* Owner, const String& Name) {
    if (!Owner || Name.empty() || !Owner->FindComponent(Name)) return Name;
    for (int i = 1;; ++i) {
        String Candidate = Name + "_" + std::to_string(i);
        if (!Owner->FindComponent(Candidate)) return Candidate;
    }
}

} // namespace

TComponent* TReader::ReadRootComponent(TComponent* Root, TComponent* Owner) {
    bool Created = false;
    if (!Root) {
        TClass Class = GetClass(FRootObject.ClassName);
        if (!Class && FTolerant) {
            Root = new TPlaceholderComponent(Owner, FRootObject.ClassName);
        } else {
            if (!Class)
                throw EClassNotFound("Class " + FRootObject.ClassName + " not found" +
                                     OnLine(FRootObject.Line));
            if (!Class->InheritsFrom(TComponent::StaticClass()) || !Class->Create)
                throw EReadError("Invalid class " + FRootObject.ClassName +
                                 OnLine(FRootObject.Line));
            Root = CreateComponent(Class, Owner);
        }
        Created = true;
    }
    FRoot = Root;
    FOwner = Root;
    FParent = Root;
    FState->LookupRoot = Root;
    FState->InheritedScope = Root;
    TReaderImpl Impl{*this, *FState};
    try {
        Root->SetLoading(true);
        if (Root->Name() != FRootObject.Name && !FRootObject.Name.empty())
            Root->SetName(UniqueName(Root->Owner(), FRootObject.Name));
        FState->Loaded.push_back(Root);
        Impl.ReadLayers(Root, FRootObject, true, FState->Stream);
        if (FState->Stream) FState->Stream->Finish();
        Impl.ResolveFixups();
        GlobalFixupReferences();
    } catch (...) {
        for (TComponent* C : FState->Loaded) {
            C->SetReading(false);
            C->SetLoading(false);
        }
        if (Created) Root->Free();
        throw;
    }
    for (TComponent* C : FState->Loaded)
        C->Loaded();
    if (FTolerant)
        for (TComponent* C : FState->Loaded)
            RecordImpliedProperties(Root, C);
    return Root;
}

void TReader::DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc&,
                             bool) {
    TState& S = *FState;
    if (S.DefinedName.empty() || !ReadData || !SameText(Name, S.DefinedName)) return;
    S.DefinedName.clear();
    S.Cursor.assign(1, {S.DefinedValue, 1, 0});
    ReadData(this);
    if (S.Cursor.size() != 1 || S.Cursor[0].Index != 1) RaiseInvalidPropertyValue<EReadError>();
    S.Cursor.clear();
}

void TReader::DefineBinaryProperty(const String& Name, const TStreamProc& ReadData,
                                   const TStreamProc&, bool) {
    TState& S = *FState;
    if (S.DefinedName.empty() || !ReadData || !SameText(Name, S.DefinedName)) return;
    S.DefinedName.clear();
    if (S.DefinedValue->Type != vaBinary) RaiseInvalidPropertyValue<EReadError>();
    TMemoryStream Stream;
    Stream.WriteBuffer(S.DefinedValue->Str.data(), static_cast<Int64>(S.DefinedValue->Str.size()));
    Stream.SetPosition(0);
    ReadData(&Stream);
}

const TFormValue& TReaderImpl::Current(const TReader::TState& S) {
    if (S.Cursor.empty()) RaiseInvalidPropertyValue<EReadError>();
    const auto& L = S.Cursor.back();
    if (L.Index >= L.Count) RaiseInvalidPropertyValue<EReadError>();
    return L.Items[L.Index];
}

TValueType TReader::NextValue() const {
    if (FState->Cursor.empty()) return vaNull;
    const auto& L = FState->Cursor.back();
    return L.Index < L.Count ? L.Items[L.Index].Type : vaNull;
}

Int64 TReader::ReadInt64() {
    const TFormValue& V = TReaderImpl::Current(*FState);
    if (!TReaderImpl::IsInt(V)) RaiseInvalidPropertyValue<EReadError>();
    ++FState->Cursor.back().Index;
    return V.Int;
}

Integer TReader::ReadInteger() {
    if (NextValue() == vaInt64) RaiseInvalidPropertyValue<EReadError>();
    return static_cast<Integer>(ReadInt64());
}

Extended TReader::ReadFloat() {
    Extended X = TReaderImpl::FloatValue(TReaderImpl::Current(*FState));
    ++FState->Cursor.back().Index;
    return X;
}

String TReader::ReadString() {
    String S = TReaderImpl::StringValue(TReaderImpl::Current(*FState));
    ++FState->Cursor.back().Index;
    return S;
}

String TReader::ReadIdent() {
    const TFormValue& V = TReaderImpl::Current(*FState);
    if (!TReaderImpl::IsIdent(V)) RaiseInvalidPropertyValue<EReadError>();
    ++FState->Cursor.back().Index;
    return String(TReaderImpl::IdentText(V));
}

bool TReader::ReadBoolean() {
    const TFormValue& V = TReaderImpl::Current(*FState);
    if (V.Type != vaTrue && V.Type != vaFalse) RaiseInvalidPropertyValue<EReadError>();
    ++FState->Cursor.back().Index;
    return V.Type == vaTrue;
}

char TReader::ReadChar() {
    char C = static_cast<char>(TReaderImpl::CharValue(TReaderImpl::Current(*FState)));
    ++FState->Cursor.back().Index;
    return C;
}

void TReader::ReadListBegin() {
    const TFormValue& V = TReaderImpl::Current(*FState);
    if (V.Type != vaList) RaiseInvalidPropertyValue<EReadError>();
    FState->Cursor.push_back({V.Items.data(), V.Items.size(), 0});
}

bool TReader::EndOfList() const {
    if (FState->Cursor.empty()) return true;
    const auto& L = FState->Cursor.back();
    return L.Index >= L.Count;
}

void TReader::ReadListEnd() {
    if (FState->Cursor.size() < 2 || !EndOfList()) RaiseInvalidPropertyValue<EReadError>();
    FState->Cursor.pop_back();
    ++FState->Cursor.back().Index;
}

void TReader::ReadCollection(TCollection* Collection) {
    const TFormValue& V = TReaderImpl::Current(*FState);
    if (V.Type != vaCollection) RaiseInvalidPropertyValue<EReadError>();
    TReaderImpl{*this, *FState}.ReadCollectionItems(Collection, V, Collection->GetNamePath());
    ++FState->Cursor.back().Index;
}

int TReader::Line() const {
    return FState->Line;
}

void GlobalFixupReferences() {
    auto& List = GlobalFixups();
    // Resolved references leave the list; a failing one leaves it before its error is
    // raised, so that it is reported once, not by every later module load.
    std::size_t Out = 0;
    std::size_t i = 0;
    auto Keep = [&](std::size_t From) {
        if (Out != From) List[Out] = std::move(List[From]);
        ++Out;
    };
    try {
        for (; i < List.size(); ++i)
            if (!TryFixup(List[i])) Keep(i);
    } catch (...) {
        for (++i; i < List.size(); ++i)
            Keep(i);
        List.resize(Out);
        throw;
    }
    List.resize(Out);
}

void RemoveFixupReferences(TComponent* Instance) {
    ForgetStreamedLayout(Instance);
    auto& List = GlobalFixups();
    if (List.empty()) return;
    std::erase_if(List, [Instance](const TFixup& F) {
        return F.Instance == Instance || F.Component == Instance || F.Root == Instance;
    });
}

void SetFindGlobalComponent(TFindGlobalComponent Finder) {
    GlobalFinder = Finder;
}

TComponent* FindGlobalComponent(std::string_view Name) {
    return GlobalFinder ? GlobalFinder(Name) : nullptr;
}

TComponent* ReadComponentFromText(std::string_view Text, TComponent* Root, TComponent* Owner) {
    return ReadComponentFromText(Text, Root, Owner, TFormReadOptions{});
}

TComponent* ReadComponentFromText(std::string_view Text, TComponent* Root, TComponent* Owner,
                                  const TFormReadOptions& Options) {
    // A new component is read along the text, without the parsed tree: a failure frees it,
    // so nothing tells the two apart. An existing root is left untouched by a syntax error,
    // which needs the whole text parsed first; tolerant reads keep their layouts from the tree.
    if (!Root && !Options.Tolerant) {
        TFormTextStream Stream(Text);
        TFormObject Header;
        Stream.ReadRoot(Header);
        TReader Reader(Header);
        if (Options.FindFormText) Reader.SetFindFormText(Options.FindFormText);
        bool OutOfOrder = false;
        try {
            return TReaderImpl::ReadAlong(Reader, Stream, Owner);
        } catch (const TFormTextStream::TOutOfOrder&) {
            OutOfOrder = true;
        } catch (...) {
            // The rest of the text is checked yet: its syntax errors come first.
            try {
                Stream.CheckRest();
            } catch (const TFormTextStream::TOutOfOrder&) {
                OutOfOrder = true;
            }
            if (!OutOfOrder) throw;
        }
        // Read again from the tree, which applies the late property first.
    }
    TFormObject Obj = ParseFormText(Text);
    TReader Reader(Obj);
    Reader.SetTolerant(Options.Tolerant);
    if (Options.FindFormText) Reader.SetFindFormText(Options.FindFormText);
    return Reader.ReadRootComponent(Root, Owner);
}

TComponent* ReadComponentResFile(const String& FileName, TComponent* Root) {
    return ReadComponentFromText(ReadFileBytes(FileName), Root);
}

} // namespace host
