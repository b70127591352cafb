#include "host/classes/Strings.h"
#include "host/rtl/HostErrors.h"

#include "host/classes/Filer.h"
#include "host/classes/Streams.h"
#include "host/classes/UpdateScope.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/LineBreaks.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

namespace {

bool IsBlank(char C) {
    return static_cast<unsigned char>(C) <= ' ';
}

bool NeedsQuotes(std::string_view S) {
    for (char C : S)
        if (IsBlank(C) || C == '"' || C == ',') return true;
    return false;
}

// Reads a quoted item starting at the quote at S[Pos]; doubled quotes stand for one.
// An item without its closing quote runs to the end of S.
String ExtractQuoted(std::string_view S, std::size_t& Pos) {
    String Result;
    ++Pos;
    while (Pos < S.size()) {
        char C = S[Pos++];
        if (C != '"') {
            Result += C;
        } else if (Pos < S.size() && S[Pos] == '"') {
            Result += '"';
            ++Pos;
        } else {
            break;
        }
    }
    return Result;
}

void SkipBlanks(std::string_view S, std::size_t& Pos) {
    while (Pos < S.size() && IsBlank(S[Pos]))
        ++Pos;
}

} // namespace

TClass TStrings::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TStrings>("TStrings");
    return &Info;
}

void TStrings::IndexError(int Index) {
    RaiseListIndexError<EStringListError>(Index);
}

int TStrings::CompareStrings(std::string_view S1, std::string_view S2) const {
    return CompareText(S1, S2);
}

// --- core defaults, built on the abstract members ---

void TStrings::Put(int Index, const String& S) {
    TObject* Obj = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, Obj);
}

TObject* TStrings::GetObject(int) const {
    return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::InsertObject(int Index, const String& S, TObject* AObject) {
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2) {
    WithUpdate(this, [&] {
        String S1 = Get(Index1);
        TObject* O1 = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, S1);
        PutObject(Index2, O1);
    });
}

// --- adding and moving ---

int TStrings::Add(const String& S) {
    int Result = Count();
    Insert(Result, S);
    return Result;
}

int TStrings::AddObject(const String& S, TObject* AObject) {
    int Result = Add(S);
    PutObject(Result, AObject);
    return Result;
}

void TStrings::AddStrings(const TStrings* Strings) {
    WithUpdate(this, [&] {
        for (int I = 0, N = Strings->Count(); I < N; ++I)
            AddObject(Strings->Get(I), Strings->GetObject(I));
    });
}

void TStrings::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    WithUpdate(this, [&] {
        String S = Get(CurIndex);
        TObject* Obj = GetObject(CurIndex);
        Delete(CurIndex);
        InsertObject(NewIndex, S, Obj);
    });
}

// --- searching ---

int TStrings::IndexOf(std::string_view S) const {
    for (int I = 0, N = Count(); I < N; ++I)
        if (CompareStrings(Get(I), S) == 0) return I;
    return -1;
}

int TStrings::IndexOfName(std::string_view Name) const {
    for (int I = 0, N = Count(); I < N; ++I) {
        String S = Get(I);
        std::size_t P = S.find('=');
        if (P != String::npos && CompareStrings(std::string_view(S).substr(0, P), Name) == 0)
            return I;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject* AObject) const {
    for (int I = 0, N = Count(); I < N; ++I)
        if (GetObject(I) == AObject) return I;
    return -1;
}

// --- name=value pairs ---

String TStrings::Names(int Index) const {
    String S = Get(Index);
    std::size_t P = S.find('=');
    return P == String::npos ? String() : S.substr(0, P);
}

String TStrings::Values(std::string_view Name) const {
    int I = IndexOfName(Name);
    return I < 0 ? String() : ValueFromIndex(I);
}

void TStrings::SetValues(std::string_view Name, const String& Value) {
    int I = IndexOfName(Name);
    if (Value.empty()) {
        if (I >= 0) Delete(I);
    } else if (I < 0) {
        Add(String(Name) + "=" + Value);
    } else {
        Put(I, String(Name) + "=" + Value);
    }
}

String TStrings::ValueFromIndex(int Index) const {
    String S = Get(Index);
    std::size_t P = S.find('=');
    return P == String::npos ? String() : S.substr(P + 1);
}

// --- text forms ---

String TStrings::Text() const {
    String Result;
    for (int I = 0, N = Count(); I < N; ++I) {
        Result += Get(I);
        Result += "\r\n";
    }
    return Result;
}

void TStrings::SetText(std::string_view Value) {
    WithUpdate(this, [&] {
        Clear();
        std::size_t Pos = 0;
        while (Pos < Value.size()) {
            std::size_t End = FindLineBreak(Value, Pos);
            if (End == std::string_view::npos) End = Value.size();
            Add(String(Value.substr(Pos, End - Pos)));
            Pos = End;
            if (Pos < Value.size() && Value[Pos] == '\r') ++Pos;
            if (Pos < Value.size() && Value[Pos] == '\n') ++Pos;
        }
    });
}

String TStrings::CommaText() const {
    int N = Count();
    if (N == 1 && Get(0).empty()) return "\"\"";
    String Result;
    for (int I = 0; I < N; ++I) {
        String S = Get(I);
        if (I > 0) Result += ',';
        Result += NeedsQuotes(S) ? QuotedStr(S, '"') : S;
    }
    return Result;
}

void TStrings::SetCommaText(std::string_view Value) {
    WithUpdate(this, [&] {
        Clear();
        std::size_t Pos = 0;
        SkipBlanks(Value, Pos);
        while (Pos < Value.size()) {
            if (Value[Pos] == '"') {
                Add(ExtractQuoted(Value, Pos));
            } else {
                std::size_t Start = Pos;
                while (Pos < Value.size() && !IsBlank(Value[Pos]) && Value[Pos] != ',')
                    ++Pos;
                Add(String(Value.substr(Start, Pos - Start)));
            }
            SkipBlanks(Value, Pos);
            if (Pos < Value.size() && Value[Pos] == ',') {
                ++Pos;
                SkipBlanks(Value, Pos);
            }
        }
    });
}

// --- updates ---

void TStrings::BeginUpdate() {
    // The state hears of the change before the count moves, so that OnChanging still fires.
    if (FUpdateCount == 0) SetUpdateState(true);
    ++FUpdateCount;
}

void TStrings::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

// --- files and streams ---

void TStrings::LoadFromFile(const String& FileName) {
    TFileStream Stream(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&Stream);
}

void TStrings::SaveToFile(const String& FileName) {
    WriteFileAtomic(FileName, Text());
}

void TStrings::LoadFromStream(TStream* Stream) {
    SetText(Stream->ReadAll());
}

void TStrings::SaveToStream(TStream* Stream) {
    String S = Text();
    Stream->WriteBuffer(S.data(), static_cast<Int64>(S.size()));
}

// --- persistence ---

void TStrings::Assign(const TPersistent* Source) {
    const auto* Other = As<TStrings>(Source);
    if (!Other) {
        inherited::Assign(Source);
        return;
    }
    if (Other == this) return;
    WithUpdate(this, [&] {
        Clear();
        AddStrings(Other);
    });
}

bool TStrings::Equals(const TStrings* Strings) const {
    int N = Count();
    if (N != Strings->Count()) return false;
    for (int I = 0; I < N; ++I)
        if (Get(I) != Strings->Get(I)) return false;
    return true;
}

void TStrings::DefineProperties(TFiler* Filer) {
    Filer->DefineProperty(
        "Strings", [this](TReader* Reader) { ReadData(Reader); },
        [this](TWriter* Writer) { WriteData(Writer); }, Count() > 0);
}

void TStrings::ReadData(TReader* Reader) {
    Reader->ReadListBegin();
    WithUpdate(this, [&] {
        Clear();
        while (!Reader->EndOfList())
            Add(Reader->ReadString());
    });
    Reader->ReadListEnd();
}

void TStrings::WriteData(TWriter* Writer) const {
    Writer->WriteListBegin();
    for (int I = 0, N = Count(); I < N; ++I)
        Writer->WriteString(Get(I));
    Writer->WriteListEnd();
}

} // namespace host
