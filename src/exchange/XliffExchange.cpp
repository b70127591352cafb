// The project's translations as XLIFF 1.2: one document per locale, one <file> per form.
#include "exchange/FormatSpecifiers.h"
#include "exchange/ProjectExchange.h"
#include "exchange/XliffFile.h"

#include "expert/ProjectExpert.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/StrUtils.h"

#include <filesystem>
#include <set>
#include <unordered_map>

namespace zantor {

namespace {

// "fr_FR" as a language tag, "fr-FR".
String LanguageTag(Integer LCID) {
    String Name = LanguageName(LCID);
    for (char& C : Name)
        if (C == '_') C = '-';
    return Name;
}

} // namespace

TXliffDocument MakeXliffDocument(Integer SourceLCID, Integer LCID,
                                 const std::vector<TFormEntries>& Forms, int* Skipped) {
    TXliffDocument Doc;
    String Source = LanguageTag(SourceLCID);
    if (Source.empty()) Source = "en-US";
    for (const TFormEntries& F : Forms) {
        auto It = F.ByLocale.find(LCID);
        if (It == F.ByLocale.end()) continue;
        TXliffFile File{F.Form, Source, LanguageTag(LCID), {}};
        std::unordered_map<String, std::size_t> Seen;
        for (const TExchangeEntry& E : It->second) {
            if (!XmlCanCarry(E.Source) || !XmlCanCarry(E.Translation) || !XmlCanCarry(E.Context)) {
                if (Skipped) ++*Skipped;
                continue;
            }
            auto [At, New] = Seen.emplace(EntryKey(E.Context, E.Source), File.Units.size());
            if (!New && (File.Units[At->second].Target || E.Translation.empty())) continue;
            TXliffUnit U;
            U.Id = New ? host::IntToStr(static_cast<Integer>(File.Units.size()) + 1)
                       : File.Units[At->second].Id;
            U.ResName = E.Context;
            U.Source = E.Source;
            if (!E.Translation.empty()) {
                U.Target = E.Translation;
                const String Problem = ToolCheckProblem(E);
                U.State = Problem.empty() ? "translated" : "needs-review-translation";
                if (!Problem.empty()) U.Notes.push_back("To review: " + Problem + ".");
            }
            U.Notes.push_back(E.Reference);
            if (!E.Text) U.Notes.push_back("A number or identifier, not a text.");
            if (E.Text && ReadFormatSpecifiers(E.Source).IsFormat())
                U.Notes.push_back("A Format text: the translation keeps its % specifiers.");
            if (New)
                File.Units.push_back(std::move(U));
            else
                File.Units[At->second] = std::move(U);
        }
        if (!File.Units.empty()) Doc.Files.push_back(std::move(File));
    }
    return Doc;
}

Integer XliffLocale(const TXliffDocument& Doc, const String& FileName) {
    Integer Found = 0;
    for (const TXliffFile& F : Doc.Files) {
        if (F.TargetLanguage.empty())
            throw EXliffError(FileName + ": a <file> without target-language");
        String Posix = F.TargetLanguage;
        for (char& C : Posix)
            if (C == '-') C = '_';
        TPoFile Header;
        Header.Header = {{"Language", Posix}};
        Integer LCID = 0;
        try {
            LCID = PoLocale(Header, FileName);
        } catch (const EPoError&) {
            throw EXliffError(FileName + ": language '" + F.TargetLanguage +
                              "' is not known on this system");
        }
        if (Found && LCID != Found)
            throw EXliffError(FileName + ": files of more than one target language");
        Found = LCID;
    }
    if (!Found) throw EXliffError(FileName + ": no <file> with texts");
    return Found;
}

TExportReport TProjectExchange::ExportXliff(const String& Dir,
                                            const std::vector<Integer>& Locales) {
    CheckLocales(Locales);
    const std::vector<TFormEntries> Forms = Gather();
    std::filesystem::create_directories(Dir);
    const String Folder = host::IncludeTrailingPathDelimiter(Dir);
    TExportReport Report;
    for (Integer LCID : ChosenLocales(Locales, Forms)) {
        TExportReport::TFile R;
        R.LCID = LCID;
        const TXliffDocument Doc =
            MakeXliffDocument(FExpert->DesignLocale(), LCID, Forms, &R.Skipped);
        String Name = LanguageName(LCID);
        if (Name.empty()) Name = host::IntToStr(LCID);
        R.Name = Folder + Name + ".xlf";
        host::WriteFileAtomic(R.Name, WriteXliff(Doc));
        for (const TXliffFile& F : Doc.Files)
            for (const TXliffUnit& U : F.Units) {
                ++R.Entries;
                if (U.Target) ++R.Translated;
                if (U.State == "needs-review-translation") ++R.Fuzzy;
            }
        Report.Files.push_back(std::move(R));
    }
    return Report;
}

TImportReport TProjectExchange::ImportXliff(const std::vector<String>& Files) {
    std::vector<TImportReport::TFile> Reports;
    std::vector<std::vector<TIncoming>> Incoming;
    for (const String& Name : Files) {
        if (!host::FileExists(Name)) throw EXliffError("cannot read " + Name);
        const TXliffDocument Doc = ReadXliff(host::ReadFileBytes(Name), Name);
        TImportReport::TFile R;
        R.Name = Name;
        R.LCID = XliffLocale(Doc, Name);
        Reports.push_back(std::move(R));
        std::vector<TIncoming>& In = Incoming.emplace_back();
        for (const TXliffFile& F : Doc.Files)
            for (const TXliffUnit& U : F.Units) {
                TIncoming I{U.ResName, U.Source, U.Target.value_or(""), TIncoming::Take};
                // States that ask for more work are not taken, like fuzzy entries.
                if (U.State == "new" || U.State.starts_with("needs-"))
                    I.Kind = TIncoming::Review;
                else if (I.Translation.empty())
                    I.Kind = TIncoming::Untranslated;
                In.push_back(std::move(I));
            }
    }
    return ApplyIncoming(std::move(Reports), Incoming);
}

} // namespace zantor
