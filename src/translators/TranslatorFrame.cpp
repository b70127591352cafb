#include "translators/TranslatorFrame.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/UiDriver.h"
#include "host/ide/ToolServices.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/FileNames.h"
#include "translators/Hourglass.h"
#include "translators/Literals.h"
#include "translators/TextIndex.h"

#include <algorithm>
#include <map>

using namespace host;

namespace zantor {

TClass TTranslatorFrame::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TTranslatorFrame>("TTranslatorFrame");
    return &Info;
}

TTranslatorFrame::TTranslatorFrame(TComponent* AOwner, bool ReplaceObjects)
    : TTranslatorFrame(AOwner, std::make_unique<TSortList>(ReplaceObjects)) {}

namespace {

// Those of Candidates that Owner lists, in its order: one pass over its list of components,
// without touching the components themselves.
std::vector<TTranslatorFrame*> InOwnerOrder(const TComponent& Owner,
                                            std::vector<TTranslatorFrame*> Candidates) {
    std::vector<TTranslatorFrame*> Result;
    if (Candidates.empty()) return Result;
    std::sort(Candidates.begin(), Candidates.end());
    Result.reserve(Candidates.size());
    for (int i = 0; i < Owner.ComponentCount() && Result.size() < Candidates.size(); ++i) {
        TComponent* C = Owner.Components(i);
        auto It = std::lower_bound(
            Candidates.begin(), Candidates.end(), C,
            [](TTranslatorFrame* A, TComponent* B) { return static_cast<TComponent*>(A) < B; });
        if (It != Candidates.end() && static_cast<TComponent*>(*It) == C) Result.push_back(*It);
    }
    return Result;
}

} // namespace

constinit TTranslatorFrame* TTranslatorFrame::FFirstLiving = nullptr;

TTranslatorFrame::TTranslatorFrame(TComponent* AOwner, std::unique_ptr<TSortList> Translations)
    : TComponent(AOwner), FTranslations(std::move(Translations)) {
    FNextLiving = FFirstLiving;
    if (FFirstLiving) FFirstLiving->FPrevLiving = this;
    FFirstLiving = this;
}

TTranslatorFrame::~TTranslatorFrame() {
    (FPrevLiving ? FPrevLiving->FNextLiving : FFirstLiving) = FNextLiving;
    if (FNextLiving) FNextLiving->FPrevLiving = FPrevLiving;
}

std::vector<TTranslatorFrame*> TTranslatorFrame::OnForm(const TComponent& Form, TClass Kind) {
    std::vector<TTranslatorFrame*> Candidates;
    for (TTranslatorFrame* F = FFirstLiving; F; F = F->FNextLiving)
        if (F->Owner() == &Form && F->InheritsFrom(Kind)) Candidates.push_back(F);
    return InOwnerOrder(Form, std::move(Candidates));
}

bool TTranslatorFrame::IsAlive(const TTranslatorFrame* Frame) {
    for (const TTranslatorFrame* F = FFirstLiving; F; F = F->FNextLiving)
        if (F == Frame) return true;
    return false;
}

void TTranslatorFrame::SetTranslations(TStrings* Value) {
    std::vector<std::pair<String, TObject*>> Lines;
    if (Value)
        for (int i = 0; i < Value->Count(); ++i)
            Lines.emplace_back(Value->Strings(i), Value->Objects(i));
    FTranslations->Clear();
    FTranslations->SortInsertMany(std::move(Lines));
}

// The kind's own class (the one right below the frame), so that a descendant of a kind joins
// and spreads with the kind's other instances.
static TClass KindClassOf(TClass Class) {
    while (Class->Parent && Class->Parent != TTranslatorFrame::StaticClass())
        Class = Class->Parent;
    return Class;
}

std::vector<TTranslatorFrame*> TTranslatorFrame::OtherInstances() const {
    std::vector<TTranslatorFrame*> Result;
    if (!Application) return Result;
    const TClass Kind = KindClassOf(ClassType());
    // The candidates by owner, then each form's in its order.
    std::map<const TComponent*, std::vector<TTranslatorFrame*>> ByOwner;
    for (TTranslatorFrame* F = FFirstLiving; F; F = F->FNextLiving)
        if (F != this && F->Owner() && F->InheritsFrom(Kind)) ByOwner[F->Owner()].push_back(F);
    if (ByOwner.empty()) return Result;
    for (int f = 0; f < Application->ComponentCount(); ++f) {
        TComponent* Owner = Application->Components(f);
        auto It = ByOwner.find(Owner);
        if (It == ByOwner.end() || !Is<TCustomForm>(Owner)) continue;
        for (TTranslatorFrame* F : InOwnerOrder(*Owner, std::move(It->second)))
            Result.push_back(F);
    }
    return Result;
}

// Propagation calls InternalTranslate of the others, never SetTranslate: no cascade.
void TTranslatorFrame::SetTranslate(bool Value) {
    if (Value == FTranslate) return;
    InternalTranslate(Value);
    if (GroupSwitch() == TGroupSwitch::SameLocale) {
        if (FLocale == 0 || !CanPropagate()) return;
        for (TTranslatorFrame* Other : OtherInstances())
            if (Other->FLocale == FLocale) Other->InternalTranslate(Value);
        return;
    }
    for (TTranslatorFrame* Other : OtherInstances()) {
        if (Other->FLocale == 0) continue;
        if (Other->FLocale == FLocale)
            Other->InternalTranslate(Value);
        else if (Value)
            Other->InternalTranslate(false);
    }
}

void TTranslatorFrame::Loaded() {
    TComponent::Loaded();
    LoadedFirst();
    if (FLocale != 0) {
        for (TTranslatorFrame* Other : OtherInstances()) {
            if (Other->FLocale != FLocale) continue;
            SetTranslate(Other->FTranslate);
            break;
        }
    }
    LoadedLast();
}

void TTranslatorFrame::DefineProperties(TFiler* Filer) {
    TComponent::DefineProperties(Filer);
    Filer->DefineProperty(
        StorageName(),
        [this](TReader* R) {
            ReadStorage(R);
            LoadExternalFile();
        },
        [this](TWriter* W) {
            WriteStorage(W);
            SaveExternalFile();
        },
        true);
}

void TTranslatorFrame::LoadExternalFile() {
    if (FFileName.empty()) return;
    // The file was just seen; one removed since simply leaves the streamed translations.
    if (FileExists(FFileName))
        static_cast<void>(LoadFrom(FFileName));
    else if (FileExists(GetAppDir() + FFileName))
        static_cast<void>(LoadFrom(GetAppDir() + FFileName));
}

void TTranslatorFrame::SaveExternalFile() {
    if (FFileName.find_first_of("\\/") != String::npos)
        SaveTo(FFileName);
    else if (!FFileName.empty())
        SaveTo(GetAppDir() + FFileName);
}

void TTranslatorFrame::ShowAbout() {
    GetUiDriver().MessageBox(AboutText(), "About ...", MB_OK | MB_ICONINFORMATION);
}

String TTranslatorFrame::GetAppDir() const {
    if (ComponentState().Contains(csDesigning) && ToolServices)
        return ExtractFilePath(ToolServices->GetProjectName());
    return ExtractFilePath(ParamStr0());
}

void TTranslatorFrame::ConvertToLiterals(String& S) {
    zantor::ConvertToLiterals(S);
}
void TTranslatorFrame::ConvertFromLiterals(String& S) {
    zantor::ConvertFromLiterals(S);
}

void TTranslatorFrame::FileEntries(TKeyValues& Own, TKeyValues&) const {
    Own.reserve(static_cast<std::size_t>(FTranslations->Count()));
    for (int i = 0; i < FTranslations->Count(); ++i) {
        const String& Line = FTranslations->Line(i);
        std::size_t Eq = Line.find('=');
        if (Eq == String::npos)
            Own.emplace_back(Line, String());
        else
            Own.emplace_back(Line.substr(0, Eq), Line.substr(Eq + 1));
    }
}

void TTranslatorFrame::ApplyFileEntries(const std::vector<TFileEntry>& Entries) {
    TKeyValues Values;
    for (const TFileEntry& E : Entries)
        if (E.Locale == FLocale) Values.emplace_back(E.Key, E.Value);
    FTranslations->SetKeyValues(Values);
}

void TTranslatorFrame::SaveFileLines(const String& AFileName, const String& Head) const {
    TKeyValues Own, Design;
    FileEntries(Own, Design);
    SaveTranslationFile(AFileName, Head, FLocale, Own, Design, FTranslations->ReplaceObjects());
}

void TTranslatorFrame::SaveTo(const String& AFileName) {
    THourglass Busy;
    SaveFileLines(AFileName, TranslationHeadName());
}

bool TTranslatorFrame::LoadFrom(const String& AFileName) {
    auto Entries = ReadTranslationFile(AFileName, TranslationHeadName());
    if (!Entries) return false;
    ApplyFileEntries(*Entries);
    return true;
}

void TTranslatorFrame::DictionaryEntries(std::vector<TDictionaryEntry>&) const {}

// Texts held as literals take the translation as a literal; numbers and identifiers as
// they are.
void TTranslatorFrame::ApplyDictionaryTranslation(const TDictionaryEntry& Entry,
                                                  const String& Translation) {
    const String& Line = FTranslations->Line(Entry.Index);
    std::size_t Eq = Line.find('=');
    String Key = Line.substr(0, Eq);
    bool Literal =
        Eq != String::npos && Eq + 1 < Line.size() && (Line[Eq + 1] == '\'' || Line[Eq + 1] == '#');
    FTranslations->SetStrings(Entry.Index,
                              Key + "=" + (Literal ? ToLiterals(Translation) : Translation));
}

void TTranslatorFrame::TranslateTo(const String& AFileName) {
    std::vector<TDictionaryEntry> Entries;
    DictionaryEntries(Entries);
    TTextPairs Pairs;
    Pairs.reserve(Entries.size());
    for (TDictionaryEntry& E : Entries)
        Pairs.emplace_back(std::move(E.Source), std::move(E.Translation));
    MergeDictionaryFile(AFileName, Pairs, FTranslations->ReplaceObjects());
}

bool TTranslatorFrame::TranslateFrom(const String& AFileName) {
    if (!FileExists(AFileName)) return false;
    std::vector<TDictionaryEntry> Entries;
    DictionaryEntries(Entries);
    // Every entry of a source text takes its translation (texts can repeat on a form).
    TTextIndex BySource(Entries.size());
    std::vector<std::vector<const TDictionaryEntry*>> EntriesOf;
    for (const TDictionaryEntry& E : Entries) {
        std::uint32_t n = BySource.Add(E.Source);
        if (n == EntriesOf.size()) EntriesOf.emplace_back();
        EntriesOf[n].push_back(&E);
    }
    String Text = ReadFileBytes(AFileName);
    ScanDictionary(Text, [&](std::string_view Source, std::string_view Translation) {
        std::uint32_t n = BySource.Find(Source);
        if (n == TTextIndex::NotFound) return;
        String Plain = zantor::ReadString(Translation);
        for (const TDictionaryEntry* E : EntriesOf[n])
            ApplyDictionaryTranslation(*E, Plain);
    });
    return true;
}

} // namespace zantor
