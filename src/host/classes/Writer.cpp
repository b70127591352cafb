// TWriter: turns components into form text.
#include "host/classes/Filer.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Collection.h"
#include "host/classes/Streams.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Exceptions.h"
#include "host/typinfo/ClassBuilder.h"
#include "host/typinfo/TypInfo.h"

#include <unordered_set>

namespace host {

TClass TWriter::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWriter>("TWriter").NoCreate();
    return &Info;
}

struct TWriter::TState {
    std::vector<TFormProperty>* Props = nullptr; // where properties go
    String Prefix;                               // path of the object being written
    std::vector<std::vector<TFormValue>*> Values; // where values of a defined property go
    std::unordered_set<const TObject*> Visiting;  // guards against cycles of sub-objects
};

struct TWriterImpl {
    TWriter& W;
    TWriter::TState& S;

    TFormObject WriteComponent(TComponent* C) {
        TFormObject O;
        O.Name = C->Name();
        O.ClassName = C->ClassName();
        if (C->ComponentState().Contains(csInline)) O.Kind = TFormObjectKind::Inline;
        C->SetWriting(true);
        try {
            WriteProperties(C, "", O.Props);
            C->GetChildren([&](TComponent* Child) { O.Children.push_back(WriteComponent(Child)); },
                           W.FRoot);
        } catch (...) {
            C->SetWriting(false);
            throw;
        }
        C->SetWriting(false);
        return O;
    }

    void WriteProperties(TObject* Obj, const String& Prefix, std::vector<TFormProperty>& Props) {
        if (!S.Visiting.insert(Obj).second) return;
        for (PPropInfo P : GetPropList(Obj, tkAny))
            if (P->IsStored(Obj)) WriteProperty(Obj, P, Prefix, Props);
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
            if (P->Default != NoDefault && V == P->Default) return;
            Add(OrdinalValue(P, V));
            return;
        }
        case tkFloat: {
            Extended X = GetFloatProp(Obj, P);
            if (!Writable || X == 0) return;
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
            if (!Writable || Value.empty()) return;
            Add(TextValue(Value.size() <= 255 ? vaString : vaLString, std::move(Value)));
            return;
        }
        case tkClass: WriteObjectProperty(Obj, P, Name, Props); return;
        case tkMethod: {
            TMethod M = GetMethodProp(Obj, P);
            if (!Writable || !M.Code) return;
            String MethodName = W.FRoot->MethodName(M.Code);
            if (!MethodName.empty()) Add(TextValue(vaIdent, MethodName));
            return;
        }
        default: return;
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
        case tkWChar: return TextValue(vaString, String(1, static_cast<char>(V)));
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
            String Ref = ReferenceName(Comp);
            if (P->IsWritable() && !Ref.empty()) Props.push_back({Name, TextValue(vaIdent, Ref), 0});
        } else if (auto* Coll = As<TCollection>(Value)) {
            Props.push_back({Name, CollectionValue(Coll), 0});
        } else {
            WriteProperties(Value, Name + ".", Props);
        }
    }

    String ReferenceName(const TComponent* C) const {
        if (C->Name().empty()) return {};
        if (C == W.FRoot || C->Owner() == W.FRoot) return C->Name();
        if (C->Owner() && !C->Owner()->Name().empty()) return C->Owner()->Name() + "." + C->Name();
        return C->Name();
    }

    TFormValue CollectionValue(const TCollection* Coll) {
        TFormValue V;
        V.Type = vaCollection;
        for (int i = 0; i < Coll->Count(); ++i) {
            TFormItem Item;
            WriteProperties(Coll->Items(i), "", Item.Props);
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
TWriter::~TWriter() = default;

TFormObject TWriter::WriteRootComponent(TComponent* Root) {
    FRoot = Root;
    return TWriterImpl{*this, *FState}.WriteComponent(Root);
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
    if (!HasData || !WriteData || !FState->Props) return;
    TFormValue V = TWriterImpl::CaptureValue(*FState, [&] { WriteData(this); });
    FState->Props->push_back({FState->Prefix + Name, std::move(V), 0});
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

void TWriter::WriteInteger(Int64 Value) { TWriterImpl{*this, *FState}.Push(TWriterImpl::IntValue(Value)); }

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

void TWriter::WriteChar(char Value) { WriteString(String(1, Value)); }

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
