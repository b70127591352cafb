// TWriter: turns components into form text.
#include "host/classes/Filer.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Collection.h"
#include "host/classes/StreamedLayout.h"
#include "host/classes/Streams.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include <algorithm>
#include <climits>
#include <unordered_set>

namespace host {

TClass TWriter::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWriter>("TWriter").NoCreate();
    return &Info;
}

struct TWriter::TState {
    std::vector<TFormProperty>* Props = nullptr;  // where properties go
    String Prefix;                                // path of the object being written
    std::vector<std::vector<TFormValue>*> Values; // where values of a defined property go
    std::unordered_set<const TObject*> Visiting;  // guards against cycles of sub-objects
    TStreamedLayout* Layout = nullptr;            // of the object being written, if it was read so
    bool Baseline = false;                        // recording what reading implies
    TComponent* AncestorRoot = nullptr;           // the root as its ancestor's form makes it
};

namespace {

bool SameFormValue(const TFormValue& A, const TFormValue& B) {
    if (A.Type != B.Type || A.Int != B.Int || A.Float != B.Float || A.Str != B.Str ||
        A.SetItems != B.SetItems || A.Items.size() != B.Items.size() ||
        A.Collection.size() != B.Collection.size())
        return false;
    for (std::size_t i = 0; i < A.Items.size(); ++i)
        if (!SameFormValue(A.Items[i], B.Items[i])) return false;
    for (std::size_t i = 0; i < A.Collection.size(); ++i) {
        const auto& PA = A.Collection[i].Props;
        const auto& PB = B.Collection[i].Props;
        if (PA.size() != PB.size()) return false;
        for (std::size_t j = 0; j < PA.size(); ++j)
            if (PA[j].Name != PB[j].Name || !SameFormValue(PA[j].Value, PB[j].Value)) return false;
    }
    return true;
}

} // namespace

struct TWriterImpl {
    TWriter& W;
    TWriter::TState& S;

    // Ancestor is C's counterpart in the ancestor's form (visual form inheritance): then only
    // what differs from it is written, under "inherited".
    TFormObject WriteComponent(TComponent* C, TComponent* Ancestor = nullptr) {
        TFormObject O;
        O.Name = C->Name();
        O.ClassName = C->ClassName();
        TStreamedLayout* Layout = FindStreamedLayout(C);
        if (Layout) {
            O.Kind = Layout->Kind;
            O.Index = Layout->Index;
        }
        if (Ancestor) O.Kind = TFormObjectKind::Inherited;
        if (C->ComponentState().Contains(csInline)) O.Kind = TFormObjectKind::Inline;
        C->SetWriting(true);
        TStreamedLayout* SavedLayout = S.Layout;
        try {
            S.Layout = Layout;
            WriteProperties(C, "", O.Props);
            ApplyLayout(Layout, O.Props);
            S.Layout = SavedLayout;
            if (Ancestor) DropInherited(Ancestor, O.Props);
            for (TComponent* Child : Children(C, Layout)) {
                TComponent* Counterpart = AncestorOf(Child);
                TFormObject Written = WriteComponent(Child, Counterpart);
                // An inherited component that is as its ancestor has nothing to write.
                if (!Counterpart || !Written.Props.empty() || !Written.Children.empty())
                    O.Children.push_back(std::move(Written));
            }
        } catch (...) {
            S.Layout = SavedLayout;
            C->SetWriting(false);
            throw;
        }
        C->SetWriting(false);
        return O;
    }

    TComponent* AncestorOf(const TComponent* Child) const {
        if (!S.AncestorRoot || Child->Owner() != W.FRoot) return nullptr;
        return S.AncestorRoot->FindComponent(Child->Name());
    }

    // Leaves the properties whose value differs from the ancestor's.
    void DropInherited(TComponent* Ancestor, std::vector<TFormProperty>& Props) {
        std::vector<TFormProperty> Inherited;
        WriteProperties(Ancestor, "", Inherited);
        std::erase_if(Props, [&](const TFormProperty& P) {
            for (const TFormProperty& A : Inherited)
                if (SameText(A.Name, P.Name)) return SameFormValue(A.Value, P.Value);
            return false;
        });
    }

    // The children a component writes; for one read in the tolerant mode, those it was
    // written with first, in their order, wherever their parent relation put them since.
    std::vector<TComponent*> Children(TComponent* C, const TStreamedLayout* Layout) {
        std::vector<TComponent*> Result;
        if (Layout) Result = Layout->Children;
        std::size_t Recorded = Result.size();
        C->GetChildren(
            [&](TComponent* Child) {
                const TStreamedLayout* L = FindStreamedLayout(Child);
                if (L && L->ReadParent) return; // written under the parent it was read with
                if (std::find(Result.begin(),
                              Result.begin() + static_cast<std::ptrdiff_t>(Recorded),
                              Child) == Result.begin() + static_cast<std::ptrdiff_t>(Recorded))
                    Result.push_back(Child);
            },
            W.FRoot);
        return Result;
    }

    // Properties as they were read: in their order, with the ones no class took as written,
    // without the ones reading implied as long as they keep the implied value.
    void ApplyLayout(TStreamedLayout* Layout, std::vector<TFormProperty>& Props) const {
        if (!Layout) return;
        if (!Layout->Kept.empty()) {
            std::erase_if(Props,
                          [Layout](const TFormProperty& P) { return Layout->IsKept(P.Name); });
            Props.insert(Props.end(), Layout->Kept.begin(), Layout->Kept.end());
        }
        if (S.Baseline) {
            Layout->Implied.clear();
            Layout->LoadedValues.clear();
            for (const TFormProperty& P : Props) {
                int I = Layout->OrderOf(P.Name);
                if (I < 0)
                    Layout->Implied.push_back(P);
                else
                    Layout->LoadedValues.emplace(I, P.Value);
            }
            return;
        }
        for (TFormProperty& P : Props) {
            int I = Layout->OrderOf(P.Name);
            if (I < 0) continue;
            auto Loaded = Layout->LoadedValues.find(I);
            if (Loaded != Layout->LoadedValues.end() && SameFormValue(Loaded->second, P.Value))
                P.Value = Layout->Written[static_cast<std::size_t>(I)];
        }
        if (!Layout->Implied.empty())
            std::erase_if(Props, [Layout](const TFormProperty& P) {
                if (Layout->OrderOf(P.Name) >= 0) return false;
                for (const TFormProperty& I : Layout->Implied)
                    if (I.Name == P.Name) return SameFormValue(I.Value, P.Value);
                return false;
            });
        auto Key = [Layout](const TFormProperty& P) {
            int I = Layout->OrderOf(P.Name);
            return I < 0 ? INT_MAX : I;
        };
        std::stable_sort(
            Props.begin(), Props.end(),
            [&](const TFormProperty& A, const TFormProperty& B) { return Key(A) < Key(B); });
    }

    // A property that was in the text is written back even where it holds the default.
    bool Forced(const String& Name) const { return S.Layout && S.Layout->OrderOf(Name) >= 0; }
    // A property the text held and a class took goes back even where it says it need not be
    // stored (a menu item's GroupIndex that its action supplies).
    bool ReadFromText(const String& Name) const { return Forced(Name) && !S.Layout->IsKept(Name); }

    void WriteProperties(TObject* Obj, const String& Prefix, std::vector<TFormProperty>& Props) {
        if (!S.Visiting.insert(Obj).second) return;
        for (PPropInfo P : GetPropList(Obj, tkAny))
            if (P->IsStored(Obj) ||
                (!Obj->ClassType()->Transient && ReadFromText(Prefix + P->Name)))
                WriteProperty(Obj, P, Prefix, Props);
        if (auto* Persistent = As<TPersistent>(Obj)) {
            auto* SavedProps = S.Props;
            String SavedPrefix = S.Prefix;
            S.Props = &Props;
            S.Prefix = Prefix;
            Persistent->DefineProperties(&W);
            S.Props = SavedProps;
            S.Prefix = SavedPrefix;
        }
        S.Visiting.erase(Obj);
    }

    static TFormValue IntValue(Int64 V) {
        TFormValue Result;
        Result.Int = V;
        Result.Type = V >= INT8_MIN && V <= INT8_MAX     ? vaInt8
                      : V >= INT16_MIN && V <= INT16_MAX ? vaInt16
                      : V >= INT32_MIN && V <= INT32_MAX ? vaInt32
                                                         : vaInt64;
        return Result;
    }

    static TFormValue TextValue(TValueType Type, String Text) {
        TFormValue Result;
        Result.Type = Type;
        Result.Str = std::move(Text);
        return Result;
    }

    void WriteProperty(TObject* Obj, PPropInfo P, const String& Prefix,
                       std::vector<TFormProperty>& Props) {
        String Name = Prefix + P->Name;
        auto Add = [&](TFormValue V) { Props.push_back({Name, std::move(V), 0}); };
        bool Writable = P->IsWritable();
        switch (P->Kind()) {
        case tkInteger:
        case tkInt64:
        case tkChar:
        case tkWChar:
        case tkEnumeration:
        case tkSet: {
            if (!Writable) return;
            Int64 V = GetOrdProp(Obj, P);
            if (P->Default != NoDefault && V == P->Default && !Forced(Name)) return;
            Add(OrdinalValue(P, V));
            return;
        }
        case tkFloat: {
            Extended X = GetFloatProp(Obj, P);
            if (!Writable || (X == 0 && !Forced(Name))) return;
            TFormValue V;
            V.Type = vaExtended;
            V.Float = X;
            Add(V);
            return;
        }
        case tkString:
        case tkLString:
        case tkWString: {
            String Value = GetStrProp(Obj, P);
            if (!Writable || (Value.empty() && !Forced(Name))) return;
            Add(TextValue(Value.size() <= 255 ? vaString : vaLString, std::move(Value)));
            return;
        }
        case tkClass:
            WriteObjectProperty(Obj, P, Name, Props);
            return;
        case tkMethod: {
            TMethod M = GetMethodProp(Obj, P);
            if (!Writable || !M.Code) return;
            String MethodName = W.FRoot->MethodName(M.Code);
            if (!MethodName.empty()) Add(TextValue(vaIdent, MethodName));
            return;
        }
        default:
            return;
        }
    }

    static TFormValue OrdinalValue(PPropInfo P, Int64 V) {
        PTypeInfo T = P->PropType;
        String Ident;
        switch (T->Kind) {
        case tkEnumeration:
            if (T->EnumNames.size() == 2 && T->EnumNames[0] == "False")
                return TextValue(V ? vaTrue : vaFalse, "");
            return TextValue(vaIdent, GetEnumName(T, V));
        case tkSet: {
            TFormValue Result;
            Result.Type = vaSet;
            for (std::size_t i = 0; i < T->CompType->EnumNames.size() && i < 32; ++i)
                if (V & (Int64{1} << i)) Result.SetItems.push_back(T->CompType->EnumNames[i]);
            return Result;
        }
        case tkChar:
        case tkWChar:
            return TextValue(vaString, String(1, static_cast<char>(V)));
        default:
            if (T->ToIdent && T->ToIdent(V, Ident)) return TextValue(vaIdent, Ident);
            return IntValue(V);
        }
    }

    void WriteObjectProperty(TObject* Obj, PPropInfo P, const String& Name,
                             std::vector<TFormProperty>& Props) {
        TObject* Value = GetObjectProp(Obj, P);
        if (!Value) return;
        if (auto* Comp = As<TComponent>(Value)) {
            // A component owned by the object that publishes it (a sub-component, such as
            // the label of a labeled edit) is written inline, as a nested object.
            if (Comp->Owner() == Obj && Obj != W.FRoot &&
                !Comp->ComponentState().Contains(csInline) &&
                !static_cast<TComponent*>(Comp->Owner())->ComponentState().Contains(csInline)) {
                WriteProperties(Comp, Name + ".", Props);
                return;
            }
            String Ref = ReferenceName(Comp);
            if (P->IsWritable() && !Ref.empty())
                Props.push_back({Name, TextValue(vaIdent, Ref), 0});
        } else if (auto* Coll = As<TCollection>(Value)) {
            Props.push_back({Name, CollectionValue(Coll), 0});
        } else {
            WriteProperties(Value, Name + ".", Props);
        }
    }

    String ReferenceName(const TComponent* C) const {
        if (C->Name().empty()) return {};
        // The ancestor's components stand for the root's of the same name.
        if (S.AncestorRoot && C == S.AncestorRoot) return W.FRoot->Name();
        if (C == W.FRoot || C->Owner() == W.FRoot ||
            (S.AncestorRoot && C->Owner() == S.AncestorRoot))
            return C->Name();
        if (C->Owner() && !C->Owner()->Name().empty()) return C->Owner()->Name() + "." + C->Name();
        return C->Name();
    }

    TFormValue CollectionValue(const TCollection* Coll) {
        TFormValue V;
        V.Type = vaCollection;
        for (int i = 0; i < Coll->Count(); ++i) {
            TFormItem Item;
            TStreamedLayout* Layout = FindStreamedLayout(Coll->Items(i));
            TStreamedLayout* SavedLayout = S.Layout;
            S.Layout = Layout;
            try {
                WriteProperties(Coll->Items(i), "", Item.Props);
            } catch (...) {
                S.Layout = SavedLayout;
                throw;
            }
            S.Layout = SavedLayout;
            ApplyLayout(Layout, Item.Props);
            V.Collection.push_back(std::move(Item));
        }
        return V;
    }

    template <class F> static TFormValue CaptureValue(TWriter::TState& S, F&& Write);

    void Push(TFormValue V) {
        if (S.Values.empty()) throw EWriteError("Stream write error");
        S.Values.back()->push_back(std::move(V));
    }
};

TWriter::TWriter() : FState(std::make_unique<TState>()) {}

void RecordImpliedProperties(TComponent* Root, TComponent* Component) {
    TStreamedLayout* Layout = FindStreamedLayout(Component);
    if (!Layout) return;
    TWriter Writer;
    Writer.FRoot = Root;
    TWriterImpl Impl{Writer, *Writer.FState};
    Writer.FState->Baseline = true;
    Writer.FState->Layout = Layout;
    std::vector<TFormProperty> Props;
    Impl.WriteProperties(Component, "", Props);
    Impl.ApplyLayout(Layout, Props);
}
TWriter::~TWriter() = default;

TFormObject TWriter::WriteRootComponent(TComponent* Root) {
    FRoot = Root;
    // A form class derived from one with a form writes its differences from that form.
    String Text;
    TClass AncestorClass =
        Root->ClassType()->Parent ? FindClassFormText(Root->ClassType()->Parent, Text) : nullptr;
    if (!AncestorClass || !AncestorClass->Create)
        return TWriterImpl{*this, *FState}.WriteComponent(Root);
    std::unique_ptr<TComponent, void (*)(TComponent*)> Ancestor(
        CreateComponent(AncestorClass, nullptr), [](TComponent* C) { C->Free(); });
    ReadComponentFromText(Text, Ancestor.get());
    FState->AncestorRoot = Ancestor.get();
    TFormObject Result = TWriterImpl{*this, *FState}.WriteComponent(Root, Ancestor.get());
    FState->AncestorRoot = nullptr;
    return Result;
}

// Runs a defined property's writer and takes the one value it wrote.
template <class F> TFormValue TWriterImpl::CaptureValue(TWriter::TState& S, F&& Write) {
    std::vector<TFormValue> Buffer;
    S.Values.push_back(&Buffer);
    try {
        Write();
    } catch (...) {
        S.Values.pop_back();
        throw;
    }
    S.Values.pop_back();
    if (Buffer.size() != 1) RaiseInvalidPropertyValue<EWriteError>();
    return std::move(Buffer[0]);
}

void TWriter::DefineProperty(const String& Name, const TReaderProc&, const TWriterProc& WriteData,
                             bool HasData) {
    if (!WriteData || !FState->Props) return;
    String FullName = FState->Prefix + Name;
    // A name read from the text forces only the property that took it: a published property
    // of the same name (a control's Left beside the design position) was written already.
    if (!HasData && (!TWriterImpl{*this, *FState}.Forced(FullName) ||
                     std::any_of(FState->Props->begin(), FState->Props->end(),
                                 [&](const TFormProperty& P) { return P.Name == FullName; })))
        return;
    TFormValue V = TWriterImpl::CaptureValue(*FState, [&] { WriteData(this); });
    FState->Props->push_back({std::move(FullName), std::move(V), 0});
}

void TWriter::DefineBinaryProperty(const String& Name, const TStreamProc&,
                                   const TStreamProc& WriteData, bool HasData) {
    if (!HasData || !WriteData || !FState->Props) return;
    TMemoryStream Stream;
    WriteData(&Stream);
    TFormValue V;
    V.Type = vaBinary;
    V.Str.assign(Stream.Memory(), static_cast<std::size_t>(Stream.Size()));
    FState->Props->push_back({FState->Prefix + Name, std::move(V), 0});
}

void TWriter::WriteInteger(Int64 Value) {
    TWriterImpl{*this, *FState}.Push(TWriterImpl::IntValue(Value));
}

void TWriter::WriteFloat(Extended Value) {
    TFormValue V;
    V.Type = vaExtended;
    V.Float = Value;
    TWriterImpl{*this, *FState}.Push(std::move(V));
}

void TWriter::WriteString(const String& Value) {
    TWriterImpl{*this, *FState}.Push(
        TWriterImpl::TextValue(Value.size() <= 255 ? vaString : vaLString, Value));
}

void TWriter::WriteIdent(const String& Ident) {
    TWriterImpl{*this, *FState}.Push(TWriterImpl::TextValue(vaIdent, Ident));
}

void TWriter::WriteBoolean(bool Value) {
    TWriterImpl{*this, *FState}.Push(TWriterImpl::TextValue(Value ? vaTrue : vaFalse, ""));
}

void TWriter::WriteChar(char Value) {
    WriteString(String(1, Value));
}

void TWriter::WriteValue(const TFormValue& Value) {
    TWriterImpl{*this, *FState}.Push(Value);
}

void TWriter::WriteListBegin() {
    TFormValue List;
    List.Type = vaList;
    TWriterImpl{*this, *FState}.Push(std::move(List));
    FState->Values.push_back(&FState->Values.back()->back().Items);
}

void TWriter::WriteListEnd() {
    if (FState->Values.size() < 2) throw EWriteError("Stream write error");
    FState->Values.pop_back();
}

void TWriter::WriteCollection(const TCollection* Collection) {
    TWriterImpl Impl{*this, *FState};
    Impl.Push(Impl.CollectionValue(Collection));
}

String WriteComponentToText(TComponent* Root) {
    TWriter Writer;
    return PrintFormText(Writer.WriteRootComponent(Root));
}

void WriteComponentResFile(const String& FileName, TComponent* Root) {
    WriteFileAtomic(FileName, WriteComponentToText(Root));
}

} // namespace host
