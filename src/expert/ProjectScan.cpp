// What the project operations read: the form's translatable properties, the resource strings
// of modules and of the project's units, and the sizes of translation files.
#include "expert/ProjectExpert.h"
#include "expert/SourceParser.h"

#include "host/classes/StringList.h"
#include "host/ide/ToolServices.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/Modules.h"
#include "host/rtl/StrUtils.h"
#include "translators/FormTranslator.h"
#include "translators/Hourglass.h"
#include "translators/ResourceTranslator.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace zantor {

namespace {

// The macro that declares a resource string in this project's C++ units, and the type of
// the records it declares (what a header names to share them).
constexpr std::string_view ResourceStringMacro = "ZT_RESOURCESTRING";
constexpr std::string_view ResourceStringType = "TResStringRec";

bool IsCppFile(const String& FileName) {
    const String Ext = host::LowerCase(host::ExtractFileExt(FileName));
    for (const char* E : {".cpp", ".cc", ".cxx", ".c++", ".c", ".h", ".hpp", ".hh", ".hxx"})
        if (Ext == E) return true;
    return false;
}

// The header of a C++ unit (its interface part); "" when it has none.
String HeaderOf(const String& FileName) {
    for (const char* E : {".h", ".hpp", ".hh", ".hxx"}) {
        String Header = host::ChangeFileExt(FileName, E);
        if (Header != FileName && host::FileExists(Header)) return Header;
    }
    return "";
}

// Runs the source parser over a file; Visit gets each token and returns false to stop.
template <class FVisit> void ScanFile(const String& FileName, FVisit Visit) {
    host::TFileStream Stream(FileName, host::fmOpenRead);
    TSourceParser Parser(&Stream);
    while (Parser.Token != toEOF) {
        if (!Visit(Parser)) return;
        Parser.NextToken();
    }
}

enum class TScan { Yes, No, Unknown };

// The Pascal rule: "resourcestring" before "implementation".
bool PascalDeclaresResourceStrings(const String& FileName) {
    TScan Result = TScan::Unknown;
    ScanFile(FileName, [&](TSourceParser& P) {
        if (P.Token != toSymbol) return true;
        const String Word = host::LowerCase(P.TokenString);
        if (Word == "resourcestring") Result = TScan::Yes;
        if (Word == "implementation") Result = TScan::No;
        return Result == TScan::Unknown;
    });
    return Result == TScan::Yes;
}

bool MentionsIdentifier(const String& FileName, std::initializer_list<std::string_view> Names) {
    bool Found = false;
    ScanFile(FileName, [&](TSourceParser& P) {
        if (P.Token == toSymbol)
            for (std::string_view N : Names)
                if (P.TokenString == N) Found = true;
        return !Found;
    });
    return Found;
}

// The texts of the C++ declarations ZT_RESOURCESTRING(Module, Name, "Text" "more"), in order.
// The parser drops a "(" that starts no comment, so the text is found as the literals after
// the second comma, up to the ")" that follows them.
void CppResourceStrings(const String& FileName, std::vector<String>& Strings) {
    bool InMacro = false;
    int Commas = 0;
    bool HaveText = false;
    String Text;
    ScanFile(FileName, [&](TSourceParser& P) {
        if (!InMacro) {
            if (P.Token == toSymbol && P.TokenString == ResourceStringMacro) {
                InMacro = true;
                Commas = 0;
                HaveText = false;
                Text.clear();
            }
            return true;
        }
        if (P.Token == ',') ++Commas;
        if (P.Token == toString && Commas >= 2) {
            Text += P.TokenString; // adjacent literals join
            HaveText = true;
        }
        if ((P.Token == ')' && HaveText) || P.Token == ';') {
            if (HaveText) Strings.push_back(Text);
            InMacro = false;
        }
        return true;
    });
}

// The texts of a Pascal unit's resourcestring sections: Name = 'Text' + 'more'; A section
// ends at a word that does not start a declaration (a keyword such as "const").
void PascalResourceStrings(const String& FileName, std::vector<String>& Strings) {
    enum { Outside, Name, AfterName, Value } State = Outside;
    String Text;
    ScanFile(FileName, [&](TSourceParser& P) {
        if (P.Token == 10) return true;
        if (P.Token == toSymbol && host::LowerCase(P.TokenString) == "resourcestring") {
            State = Name;
            return true;
        }
        switch (State) {
        case Outside:
            break;
        case Name:
            State = P.Token == toSymbol ? AfterName : Outside;
            break;
        case AfterName:
            State = P.Token == '=' ? Value : Outside;
            Text.clear();
            break;
        case Value:
            if (P.Token == toString) Text += P.TokenString;
            if (P.Token == ';') {
                Strings.push_back(Text);
                State = Name;
            }
            break;
        }
        return true;
    });
}

} // namespace

bool TProjectExpert::IsStringLiteral(std::string_view Text) {
    return !Text.empty() && (Text[0] == '\'' || Text[0] == '#');
}

void TProjectExpert::RemoveIndex(String& Path) {
    const auto Open = Path.find('[');
    if (Open == String::npos) return;
    const auto Close = Path.find(']');
    if (Close == String::npos || Close < Open) return;
    Path.replace(Open + 1, Close - Open - 1, "*");
}

void TProjectExpert::SetFormProps(TComponent* /*Form*/, TFormTranslator* Translator) {
    host::TStringList Found;
    if (!Translator->TranslateForm(&Found, true)) return;
    // The list compared without case, as the wizard's sorted list box compares: lower case on
    // both sides, looked up in a sorted set.
    std::set<String, std::less<>> Common;
    for (const String& P : FSettings.CommonProps)
        Common.insert(host::LowerCase(P));
    TSortList* Translations = Translator->Translations();
    std::vector<std::pair<String, TObject*>> Added;
    std::set<String, std::less<>> AddedHeads;
    for (int i = 0; i < Found.Count(); ++i) {
        const String Line = Found.Strings(i);
        const auto Eq = Line.find('=');
        if (Eq == String::npos) continue;
        String Key = host::LowerCase(std::string_view(Line).substr(0, Eq));
        RemoveIndex(Key);
        // Panel1.Font.Caption is tried whole, then as Font.Caption, then as Caption.
        std::string_view Tail = Key;
        while (!Common.contains(Tail)) {
            const auto Dot = Tail.find('.');
            if (Dot == std::string_view::npos) break;
            Tail.remove_prefix(Dot + 1);
        }
        if (!Common.contains(Tail)) continue;

        const String Head = Line.substr(0, Eq + 1);
        String Value = Line.substr(Eq + 1, 4095);
        // Strings get an empty translation; other values keep the design value.
        String Entry = IsStringLiteral(Value) ? Head + "''" : Line;
        TTranslatorFrame::ConvertFromLiterals(Value);
        const int Index = Translations->SortPosition(Head);
        if (Index < Translations->Count() && Translations->Line(Index).starts_with(Head))
            continue; // never overwrite an entry
        // The new lines go in together; a path met twice is entered once.
        if ((FSettings.IncludeEmpty || !Value.empty()) && AddedHeads.insert(Head).second)
            Added.emplace_back(std::move(Entry), nullptr);
    }
    Translations->SortInsertMany(std::move(Added));
}

void TProjectExpert::SetResStrings(TResourceTranslator* Translator) {
    for (const TModuleItem& Module : FSettings.ModulesInApp) {
        GetResStrings(Module);
        for (const String& S : FModStrList) {
            int Index = -1;
            if (!Translator->ResStrings()->SortFind(S, Index)) Translator->SetTranslation(S, "");
        }
    }
}

int TProjectExpert::GetResStrings(const TModuleItem& Module) {
    THourglass Busy;
    FModStrList.clear();
    if (Module.IsUnit()) {
        // A unit of the project: the texts of its declarations, in declaration order (the
        // order its string table gives them).
        const String Source =
            host::ToolServices ? host::ToolServices->GetUnitName(Module.UnitIndex) : String();
        if (Source.empty() || !host::FileExists(Source)) return 0;
        if (IsCppFile(Source)) {
            if (const String Header = HeaderOf(Source); !Header.empty())
                CppResourceStrings(Header, FModStrList);
            CppResourceStrings(Source, FModStrList);
        } else {
            PascalResourceStrings(Source, FModStrList);
        }
        return static_cast<int>(FModStrList.size());
    }
    char Buffer[256];
    for (host::UINT Id = 65535; Id >= 32768; --Id)
        if (host::LoadStringA(Module.Handle, Id, Buffer, 255) > 0) FModStrList.emplace_back(Buffer);
    return static_cast<int>(FModStrList.size());
}

bool TProjectExpert::IsResourceStringUnit(const String& FileName) {
    if (!host::ToolServices || !host::FileExists(FileName)) return false;
    if (!IsCppFile(FileName)) return PascalDeclaresResourceStrings(FileName);
    // The header is the C++ unit's interface part: a record type named there shares the
    // unit's strings; the declaration macro always gives them external linkage.
    const String Header = HeaderOf(FileName);
    if (!Header.empty() && MentionsIdentifier(Header, {ResourceStringMacro, ResourceStringType}))
        return true;
    return MentionsIdentifier(FileName, {ResourceStringMacro});
}

std::uint64_t TProjectExpert::GetFileSize(const String& FileName) {
    std::error_code Error;
    const auto Size = std::filesystem::file_size(host::LocalFileName(FileName), Error);
    return Error ? 0 : static_cast<std::uint64_t>(Size);
}

void TProjectExpert::UpdateModuleList() {
    FModuleList.clear();
    auto Included = [&](const String& Name) {
        return std::any_of(FSettings.ModulesInApp.begin(), FSettings.ModulesInApp.end(),
                           [&](const TModuleItem& M) { return M.Name == Name; });
    };
    host::EnumModules([&](host::HINSTANCE Instance) {
        if (const host::TLibModule* M = host::FindModule(Instance)) {
            const String Name = M->FileName().substr(0, 255);
            if (!Included(Name))
                FModuleList.push_back({Name, host::FindResourceHInstance(Instance)});
        }
        return true;
    });
    host::TIToolServices* Tools = host::ToolServices;
    if (!Tools) return;
    for (int i = 0; i < Tools->GetUnitCount(); ++i) {
        const String Unit = Tools->GetUnitName(i);
        if (IsResourceStringUnit(Unit) && !Included(Unit))
            FModuleList.push_back({Unit, nullptr, i});
    }
}

} // namespace zantor
