// TReader: builds components from parsed form text.
#include "host/classes/Filer.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Collection.h"
#include "host/classes/Streams.h"
#include "host/classes/UpdateScope.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>

namespace host {

namespace {

String OnLine(int Line) { return " on line " + std::to_string(Line); }

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
    for (std::size_t i = 1; Result && i < Parts.size(); ++i) Result = Result->FindComponent(Parts[i]);
    return Result;
}

bool TryFixup(const TFixup& F) {
    TComponent* Target = FindNestedComponent(F.Root, F.Name);
    if (!Target) return false;
    SetObjectProp(F.Instance, F.Prop, Target);
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

// Cursor over the values of the defined property being read, and the reading context.
struct TReader::TState {
    struct TLevel {
        const std::vector<TFormValue>* Items;
        std::size_t Index;
    };
    std::vector<TLevel> Cursor;
    std::vector<TFormValue> Single; // the property's value as a one-item sequence
    String DefinedName;            // defined property looked for, "" once handled
    const TFormValue* DefinedValue = nullptr;
    int Line = 0;
    std::vector<TComponent*> Loaded;
    std::vector<TFixup> Fixups;
    TComponent* Reading = nullptr;
};

// Reading steps that need the private state; kept out of the header.
struct TReaderImpl {
    TReader& R;
    TReader::TState& S;

    [[noreturn]] void PropError(const String& Path, const String& Msg, int Line) {
        throw EPropertyReadError("Error reading " + Path + ": " + Msg + OnLine(Line));
    }

    void ReadObjectBody(TComponent* Instance, const TFormObject& Obj) {
        S.Reading = Instance;
        Instance->SetReading(true);
        for (const TFormProperty& P : Obj.Props) ReadProperty(Instance, Instance->Name(), P);
        Instance->SetReading(false);
        TComponent* OldOwner = R.FOwner;
        TComponent* OldParent = R.FParent;
        R.FParent = Instance->GetChildParent();
        if (TComponent* ChildOwner = Instance->GetChildOwner()) R.FOwner = ChildOwner;
        for (const TFormObject& Child : Obj.Children) ReadChild(Child);
        R.FOwner = OldOwner;
        R.FParent = OldParent;
    }

    void ReadChild(const TFormObject& Obj) {
        TComponent* Comp = nullptr;
        if (Obj.Kind == TFormObjectKind::Inherited) {
            Comp = R.FOwner->FindComponent(Obj.Name);
            if (!Comp) throw EReadError("Ancestor for '" + Obj.Name + "' not found" + OnLine(Obj.Line));
        } else {
            Comp = CreateChild(Obj);
        }
        // Inherited components may already be listed; searching only for them keeps
        // reading linear.
        if (Obj.Kind != TFormObjectKind::Inherited ||
            std::find(S.Loaded.begin(), S.Loaded.end(), Comp) == S.Loaded.end()) {
            Comp->SetLoading(true);
            S.Loaded.push_back(Comp);
        }
        if (Comp->HasParent()) Comp->SetParentComponent(R.FParent);
        ReadObjectBody(Comp, Obj);
    }

    // A registered class, or the class of one of the root's published fields (a form
    // class knows the classes of the components it declares).
    TClass FindComponentClass(const String& ClassName) const {
        if (TClass C = GetClass(ClassName)) return C;
        for (TClass C = R.FRoot->ClassType(); C; C = C->Parent)
            for (const TFieldEntry& F : C->Fields)
                if (SameText(F.FieldClass()->ClassName, ClassName)) return F.FieldClass();
        return nullptr;
    }

    TComponent* CreateChild(const TFormObject& Obj) {
        TClass Class = FindComponentClass(Obj.ClassName);
        if (!Class) throw EClassNotFound("Class " + Obj.ClassName + " not found" + OnLine(Obj.Line));
        if (!Class->InheritsFrom(TComponent::StaticClass()) || !Class->Create)
            throw EReadError("Invalid class " + Obj.ClassName + OnLine(Obj.Line));
        TComponent* Comp = CreateComponent(Class, R.FOwner);
        try {
            if (Obj.Kind == TFormObjectKind::Inline) Comp->SetInline(true);
            Comp->SetName(Obj.Name);
        } catch (const EComponentError& E) {
            Comp->Free();
            throw EComponentError(E.Message() + OnLine(Obj.Line));
        }
        return Comp;
    }

    // Walks a dotted name ("Font.Name") down published object properties.
    void ReadProperty(TObject* Instance, const String& InstancePath, const TFormProperty& P) {
        std::vector<String> Parts = SplitString(P.Name, '.');
        TObject* Target = Instance;
        String Path = InstancePath;
        for (std::size_t i = 0; i + 1 < Parts.size(); ++i) {
            Path += (Path.empty() ? "" : ".") + Parts[i];
            PPropInfo Info = GetPropInfo(Target, Parts[i]);
            if (!Info || Info->Kind() != tkClass)
                PropError(Path, "Property " + Parts[i] + " does not exist", P.Line);
            Target = GetObjectProp(Target, Info);
            if (!Target) PropError(Path, "Invalid property path", P.Line);
        }
        const String& Last = Parts.back();
        Path += (Path.empty() ? "" : ".") + Last;
        try {
            if (PPropInfo Info = GetPropInfo(Target, Last))
                ReadPropValue(Target, Info, P.Value, Path);
            else if (!ReadDefined(Target, Last, P.Value))
                PropError(Path, "Property " + Last + " does not exist", P.Line);
        } catch (const EPropertyReadError&) {
            throw;
        } catch (const Exception& E) {
            PropError(Path, E.Message(), P.Line);
        }
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

    void ReadPropValue(TObject* Target, PPropInfo Info, const TFormValue& V, const String& Path) {
        if (Info->Kind() != tkClass && !Info->IsWritable()) throw EPropertyError("Property is read-only");
        switch (Info->Kind()) {
        case tkInteger:
        case tkInt64: SetOrdProp(Target, Info, IntegerValue(Info, V)); break;
        case tkChar:
        case tkWChar: SetOrdProp(Target, Info, CharValue(V)); break;
        case tkEnumeration: SetOrdProp(Target, Info, EnumValue(Info, V)); break;
        case tkSet: SetOrdProp(Target, Info, SetValue(Info, V)); break;
        case tkFloat: SetFloatProp(Target, Info, FloatValue(V)); break;
        case tkString:
        case tkLString:
        case tkWString: SetStrProp(Target, Info, StringValue(V)); break;
        case tkClass: ReadObjectValue(Target, Info, V, Path); break;
        case tkMethod: ReadMethodValue(Target, Info, V); break;
        default: InvalidValue();
        }
    }

    static bool IsInt(const TFormValue& V) { return (V.Type >= vaInt8 && V.Type <= vaInt32) || V.Type == vaInt64; }
    static bool IsString(const TFormValue& V) {
        return V.Type == vaString || V.Type == vaLString || V.Type == vaWString || V.Type == vaUTF8String;
    }
    static bool IsIdent(const TFormValue& V) {
        return V.Type == vaIdent || V.Type == vaFalse || V.Type == vaTrue || V.Type == vaNil || V.Type == vaNull;
    }

    static Int64 IntegerValue(PPropInfo Info, const TFormValue& V) {
        Int64 Result = 0;
        if (IsInt(V))
            Result = V.Int;
        else if (IsIdent(V) && Info->PropType->FromIdent && Info->PropType->FromIdent(V.Str, Result))
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
        Int64 Result = GetEnumValue(Info->PropType, V.Type == vaIdent ? V.Str : IdentText(V));
        if (Result < 0) InvalidValue();
        return Result;
    }

    static String IdentText(const TFormValue& V) {
        switch (V.Type) {
        case vaFalse: return "False";
        case vaTrue: return "True";
        case vaNil: return "nil";
        case vaNull: return "Null";
        default: return V.Str;
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

    void ReadObjectValue(TObject* Target, PPropInfo Info, const TFormValue& V, const String& Path) {
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
        if (V.Type != vaIdent || !Info->PropType->ClassType()->InheritsFrom(TComponent::StaticClass()))
            InvalidValue();
        S.Fixups.push_back({Target, S.Reading, Info, V.Str, R.FRoot, V.Line});
    }

    void ReadMethodValue(TObject* Target, PPropInfo Info, const TFormValue& V) {
        if (V.Type == vaNil) {
            SetMethodProp(Target, Info, {});
            return;
        }
        if (V.Type != vaIdent) InvalidValue();
        const TMethodEntry* M = R.FRoot->ClassType()->FindMethod(V.Str);
        if (!M || *M->Signature != *Info->PropType->MethodSignature) InvalidValue();
        SetMethodProp(Target, Info, {M->Code, R.FRoot});
    }

    void ReadCollectionItems(TCollection* Coll, const TFormValue& V, const String& Path) {
        WithUpdate(Coll, [&] {
            Coll->Clear();
            for (std::size_t i = 0; i < V.Collection.size(); ++i) {
                TCollectionItem* Item = Coll->Add();
                String ItemPath = Path + "[" + std::to_string(i) + "]";
                for (const TFormProperty& P : V.Collection[i].Props) ReadProperty(Item, ItemPath, P);
            }
        });
    }

    static const TFormValue& Current(const TReader::TState& S);

    void ResolveFixups() {
        for (TFixup& F : S.Fixups)
            if (!TryFixup(F)) GlobalFixups().push_back(F);
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
        if (!Class)
            throw EClassNotFound("Class " + FRootObject.ClassName + " not found" + OnLine(FRootObject.Line));
        if (!Class->InheritsFrom(TComponent::StaticClass()) || !Class->Create)
            throw EReadError("Invalid class " + FRootObject.ClassName + OnLine(FRootObject.Line));
        Root = CreateComponent(Class, Owner);
        Created = true;
    }
    FRoot = Root;
    FOwner = Root;
    FParent = Root;
    TReaderImpl Impl{*this, *FState};
    try {
        Root->SetLoading(true);
        if (Root->Name() != FRootObject.Name && !FRootObject.Name.empty())
            Root->SetName(UniqueName(Root->Owner(), FRootObject.Name));
        FState->Loaded.push_back(Root);
        Impl.ReadObjectBody(Root, FRootObject);
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
    for (TComponent* C : FState->Loaded) C->Loaded();
    return Root;
}

void TReader::DefineProperty(const String& Name, const TReaderProc& ReadData, const TWriterProc&,
                             bool) {
    TState& S = *FState;
    if (S.DefinedName.empty() || !ReadData || !SameText(Name, S.DefinedName)) return;
    S.DefinedName.clear();
    S.Single.assign(1, *S.DefinedValue);
    S.Cursor.assign(1, {&S.Single, 0});
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
    if (L.Index >= L.Items->size()) RaiseInvalidPropertyValue<EReadError>();
    return (*L.Items)[L.Index];
}

TValueType TReader::NextValue() const {
    if (FState->Cursor.empty()) return vaNull;
    const auto& L = FState->Cursor.back();
    return L.Index < L.Items->size() ? (*L.Items)[L.Index].Type : vaNull;
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
    return TReaderImpl::IdentText(V);
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
    FState->Cursor.push_back({&V.Items, 0});
}

bool TReader::EndOfList() const {
    if (FState->Cursor.empty()) return true;
    const auto& L = FState->Cursor.back();
    return L.Index >= L.Items->size();
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

int TReader::Line() const { return FState->Line; }

void GlobalFixupReferences() {
    auto& List = GlobalFixups();
    std::erase_if(List, [](const TFixup& F) { return TryFixup(F); });
}

void RemoveFixupReferences(TComponent* Instance) {
    auto& List = GlobalFixups();
    if (List.empty()) return;
    std::erase_if(List, [Instance](const TFixup& F) {
        return F.Instance == Instance || F.Component == Instance || F.Root == Instance;
    });
}

void SetFindGlobalComponent(TFindGlobalComponent Finder) { GlobalFinder = Finder; }

TComponent* FindGlobalComponent(std::string_view Name) {
    return GlobalFinder ? GlobalFinder(Name) : nullptr;
}

TComponent* ReadComponentFromText(std::string_view Text, TComponent* Root, TComponent* Owner) {
    TFormObject Obj = ParseFormText(Text);
    TReader Reader(Obj);
    return Reader.ReadRootComponent(Root, Owner);
}

TComponent* ReadComponentResFile(const String& FileName, TComponent* Root) {
    return ReadComponentFromText(ReadFileBytes(FileName), Root);
}

} // namespace host
