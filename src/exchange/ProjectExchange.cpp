#include "exchange/ProjectExchange.h"

#include "exchange/FormatSpecifiers.h"
#include "exchange/PseudoLocale.h"
#include "exchange/TranslationChecks.h"
#include "expert/ProjectExpert.h"
#include "host/ide/ToolServices.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/StrUtils.h"
#include "host/winapi/LocaleInfo.h"
#include "host/winapi/Nls.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <set>
#include <unordered_map>

namespace zantor {

TProjectExchange::TProjectExchange() : FExpert(std::make_unique<TProjectExpert>()) {}
TProjectExchange::~TProjectExchange() = default;

void TProjectExchange::SetOnProgress(TProgressProc Proc) {
    FExpert->SetOnProgress(std::move(Proc));
}

String TProjectExchange::ProjectName() const {
    if (!host::ToolServices) return "project";
    return host::ChangeFileExt(host::ExtractFileName(host::ToolServices->GetProjectName()), "");
}

std::vector<TFormEntries> TProjectExchange::Gather() {
    std::vector<TFormEntries> Forms;
    FExpert->ForEachForm([&](host::TComponent* Root, const String& UnitFile) {
        TFormEntries F{FormNameOf(Root), UnitFile, {}};
        for (Integer LCID : TranslatorLocales(Root))
            for (TTranslatorFrame* T : TextTranslators(Root, LCID))
                for (TExchangeEntry& E : ReadEntries(T).Entries) {
                    E.Component = nullptr;
                    F.ByLocale[LCID].push_back(std::move(E));
                }
        Forms.push_back(std::move(F));
        return false;
    });
    return Forms;
}

std::vector<Integer> TProjectExchange::Locales() {
    std::set<Integer> All;
    FExpert->ForEachForm([&](host::TComponent* Root, const String&) {
        for (Integer L : TranslatorLocales(Root))
            All.insert(L);
        return false;
    });
    return {All.begin(), All.end()};
}

String LanguageName(Integer LCID) {
    auto Item = [&](host::LCTYPE Type) {
        char Buffer[32] = {};
        const int N = host::GetLocaleInfoA(static_cast<host::LCID>(LCID), Type, Buffer,
                                           static_cast<int>(sizeof Buffer));
        return N > 1 ? String(Buffer, static_cast<std::size_t>(N - 1)) : String();
    };
    if (!host::IsValidLocale(static_cast<host::LCID>(LCID), host::LCID_SUPPORTED)) return "";
    const String Language = Item(host::LOCALE_SISO639LANGNAME);
    const String Country = Item(host::LOCALE_SISO3166CTRYNAME);
    if (Language.empty()) return "";
    return Country.empty() ? Language : Language + "_" + Country;
}

namespace {

bool BeginsWithBreak(std::string_view S) {
    return !S.empty() && S.front() == '\n';
}
bool EndsWithBreak(std::string_view S) {
    return !S.empty() && S.back() == '\n';
}

} // namespace

// Reproducible builds set SOURCE_DATE_EPOCH; files then carry that time.
String PoHeaderDate() {
    std::time_t Now = std::time(nullptr);
    if (const char* Epoch = std::getenv("SOURCE_DATE_EPOCH"))
        Now = static_cast<std::time_t>(std::strtoll(Epoch, nullptr, 10));
    std::tm Utc{};
    gmtime_r(&Now, &Utc);
    char Buffer[32];
    std::strftime(Buffer, sizeof Buffer, "%Y-%m-%d %H:%M+0000", &Utc);
    return Buffer;
}

String ToolCheckProblem(const TExchangeEntry& E) {
    if (E.Translation.empty()) return "";
    String Why = FormatMismatch(E.Source, E.Translation);
    if (!Why.empty()) return Why;
    if (BeginsWithBreak(E.Source) != BeginsWithBreak(E.Translation))
        return "the translation does not begin with a line break as the text does (or the "
               "other way round)";
    if (EndsWithBreak(E.Source) != EndsWithBreak(E.Translation))
        return "the translation does not end with a line break as the text does (or the "
               "other way round)";
    return "";
}

namespace {

TPoEntry PoEntryOf(const TExchangeEntry& E, bool Template) {
    TPoEntry P;
    if (!E.Text) P.Extracted.push_back("A number or identifier, not a text.");
    P.References.push_back(E.Reference);
    if (!Template) {
        const String Problem = ToolCheckProblem(E);
        if (!Problem.empty()) {
            P.Extracted.push_back("To review: " + Problem + ".");
            P.Flags.push_back("fuzzy");
        }
        P.Str = E.Translation;
    }
    if (E.Text && ReadFormatSpecifiers(E.Source).IsFormat())
        P.Flags.push_back("object-pascal-format");
    P.Context = E.Context;
    P.Id = E.Source;
    return P;
}

} // namespace

String EntryKey(std::string_view Context, std::string_view Source) {
    String K(Context);
    K += '\x04';
    K += Source;
    return K;
}

TPoFile MakePoFile(const String& Project, Integer LCID, const std::vector<TFormEntries>& Forms,
                   const String& Date) {
    TPoFile File;
    const String Language = LCID ? LanguageName(LCID) : String();
    File.HeaderComments.push_back(LCID ? "Translations of " + Project + " into " + Language + "."
                                       : "Texts of " + Project + " to translate.");
    File.Header = {{"Project-Id-Version", Project},
                   {"POT-Creation-Date", Date},
                   {"PO-Revision-Date", Date},
                   {"Last-Translator", ""},
                   {"Language-Team", ""},
                   {"Language", Language},
                   {"MIME-Version", "1.0"},
                   {"Content-Type", "text/plain; charset=UTF-8"},
                   {"Content-Transfer-Encoding", "8bit"}};
    if (LCID) File.Header.emplace_back("X-Zantor-Locale", host::IntToStr(LCID));
    std::unordered_map<String, std::size_t> Seen;
    for (const TFormEntries& F : Forms)
        for (const auto& [L, Entries] : F.ByLocale) {
            if (LCID && L != LCID) continue;
            for (const TExchangeEntry& E : Entries) {
                auto [It, New] = Seen.emplace(EntryKey(E.Context, E.Source), File.Entries.size());
                if (New) {
                    File.Entries.push_back(PoEntryOf(E, LCID == 0));
                } else if (LCID && File.Entries[It->second].Str.empty() && !E.Translation.empty()) {
                    // Two translators of one locale and form: the one with a translation.
                    File.Entries[It->second] = PoEntryOf(E, false);
                }
            }
        }
    return File;
}

Integer PoLocale(const TPoFile& File, const String& FileName) {
    const String Explicit = File.HeaderValue("X-Zantor-Locale");
    if (!Explicit.empty()) {
        const std::optional<Integer> LCID = host::TryStrToInt(Explicit);
        if (!LCID || *LCID <= 0)
            throw EPoError(FileName + ": X-Zantor-Locale '" + Explicit +
                           "' is not a locale identifier");
        return *LCID;
    }
    const String Language = File.HeaderValue("Language");
    if (Language.empty())
        throw EPoError(FileName + ": the header names no language (Language or X-Zantor-Locale)");
    const Integer LCID = static_cast<Integer>(host::LcidFromPosixLocale(Language));
    // Unknown names come back as English (United States).
    if (LanguageName(LCID).substr(0, 2) != Language.substr(0, 2))
        throw EPoError(FileName + ": language '" + Language + "' is not known on this system");
    return LCID;
}

void TProjectExchange::CheckLocales(const std::vector<Integer>& Locales) {
    for (Integer LCID : Locales)
        if (LanguageName(LCID).empty())
            throw host::EConvertError("'" + host::IntToStr(LCID) +
                                      "' is not a locale identifier of this system");
}

std::vector<Integer> TProjectExchange::ChosenLocales(const std::vector<Integer>& Locales,
                                                     const std::vector<TFormEntries>& Forms) {
    if (!Locales.empty()) return Locales;
    std::set<Integer> All;
    for (const TFormEntries& F : Forms)
        for (const auto& [L, E] : F.ByLocale)
            All.insert(L);
    return {All.begin(), All.end()};
}

TExportReport TProjectExchange::ExportPo(const String& Dir, const std::vector<Integer>& Locales) {
    CheckLocales(Locales);
    const std::vector<TFormEntries> Forms = Gather();
    const std::vector<Integer> Chosen = ChosenLocales(Locales, Forms);
    std::filesystem::create_directories(Dir);
    const String Folder = host::IncludeTrailingPathDelimiter(Dir);
    const String Project = ProjectName();
    TExportReport Report;
    const String Date = PoHeaderDate();
    auto Write = [&](Integer LCID) {
        const TPoFile File = MakePoFile(Project, LCID, Forms, Date);
        String Name = LCID ? LanguageName(LCID) : Project;
        if (Name.empty()) Name = host::IntToStr(LCID);
        Name = Folder + Name + (LCID ? ".po" : ".pot");
        host::WriteFileAtomic(Name, WritePo(File));
        TExportReport::TFile R;
        R.Name = Name;
        R.LCID = LCID;
        R.Entries = static_cast<int>(File.Entries.size());
        for (const TPoEntry& E : File.Entries) {
            if (!E.Str.empty()) ++R.Translated;
            if (E.HasFlag("fuzzy")) ++R.Fuzzy;
        }
        Report.Files.push_back(std::move(R));
    };
    Write(0);
    for (Integer LCID : Chosen)
        Write(LCID);
    return Report;
}

TImportReport TProjectExchange::ImportPo(const std::vector<String>& Files) {
    // All files are read before anything changes.
    std::vector<TImportReport::TFile> Reports;
    std::vector<std::vector<TIncoming>> Incoming;
    for (const String& Name : Files) {
        if (!host::FileExists(Name)) throw EPoError("cannot read " + Name);
        const TPoFile F = ReadPo(host::ReadFileBytes(Name), Name);
        const String Charset = F.HeaderValue("Content-Type");
        const std::size_t At = host::LowerCase(Charset).find("charset=");
        if (At != String::npos) {
            const String Set = host::UpperCase(Charset.substr(At + 8));
            if (Set != "UTF-8" && Set != "ASCII" && Set != "CHARSET")
                throw EPoError(Name + ": charset " + Charset.substr(At + 8) +
                               " is not UTF-8 (msgconv --to-code=UTF-8 converts it)");
        }
        TImportReport::TFile R;
        R.Name = Name;
        R.LCID = PoLocale(F, Name);
        Reports.push_back(std::move(R));
        std::vector<TIncoming>& In = Incoming.emplace_back();
        for (const TPoEntry& E : F.Entries) {
            TIncoming I{E.Context.value_or(""), E.Id, E.Str, TIncoming::Take};
            if (E.Plural)
                I.Kind = TIncoming::Plural;
            else if (E.HasFlag("fuzzy"))
                I.Kind = TIncoming::Review;
            else if (E.Str.empty())
                I.Kind = TIncoming::Untranslated;
            In.push_back(std::move(I));
        }
    }
    return ApplyIncoming(std::move(Reports), Incoming);
}

TImportReport TProjectExchange::ApplyIncoming(std::vector<TImportReport::TFile> Files,
                                              const std::vector<std::vector<TIncoming>>& Incoming) {
    struct TWanted {
        const TIncoming* Entry;
        std::size_t File;
        bool Used = false;
    };
    TImportReport Report;
    Report.Files = std::move(Files);
    std::map<Integer, std::unordered_map<String, TWanted>> ByLocale;
    for (std::size_t i = 0; i < Incoming.size(); ++i) {
        TImportReport::TFile& R = Report.Files[i];
        auto& Wanted = ByLocale[R.LCID];
        for (const TIncoming& E : Incoming[i]) {
            switch (E.Kind) {
            case TIncoming::Plural:
                R.Plural.push_back(E.Context);
                break;
            case TIncoming::Review:
                R.Fuzzy.push_back(E.Context);
                break;
            case TIncoming::Untranslated:
                ++R.Untranslated;
                break;
            case TIncoming::Take:
                // A later file of the same locale wins.
                Wanted[EntryKey(E.Context, E.Source)] = {&E, i};
                break;
            }
        }
    }
    FExpert->ForEachForm([&](host::TComponent* Root, const String&) {
        bool Changed = false;
        for (auto& [LCID, Wanted] : ByLocale)
            for (TTranslatorFrame* T : TextTranslators(Root, LCID)) {
                TTranslatorEntries E = ReadEntries(T);
                for (std::size_t k = 0; k < E.Entries.size(); ++k) {
                    auto It = Wanted.find(EntryKey(E.Entries[k].Context, E.Entries[k].Source));
                    if (It == Wanted.end()) continue;
                    TImportReport::TFile& R = Report.Files[It->second.File];
                    const bool First = !It->second.Used;
                    It->second.Used = true;
                    if (TakeTranslation(E, k, It->second.Entry->Translation)) {
                        Changed = true;
                        if (First) ++R.Taken;
                    } else if (First) {
                        ++R.Unchanged;
                    }
                }
            }
        return Changed;
    });
    for (auto& [LCID, Wanted] : ByLocale)
        for (auto& [Key, W] : Wanted)
            if (!W.Used)
                Report.Files[W.File].Unknown.push_back(W.Entry->Context + ": " + W.Entry->Source);
    for (TImportReport::TFile& R : Report.Files)
        std::sort(R.Unknown.begin(), R.Unknown.end());
    return Report;
}

} // namespace zantor

namespace zantor {

std::vector<TStatsRow> TProjectExchange::Stats(const std::vector<Integer>& Locales) {
    std::vector<TStatsRow> Rows;
    for (const TFormEntries& F : Gather())
        for (const auto& [LCID, Entries] : F.ByLocale) {
            if (!Locales.empty() &&
                std::find(Locales.begin(), Locales.end(), LCID) == Locales.end())
                continue;
            TStatsRow R;
            R.Form = F.Form;
            R.LCID = LCID;
            std::set<String> Seen;
            for (const TExchangeEntry& E : Entries) {
                // Entries two translators of one locale share count once.
                if (!Seen.insert(EntryKey(E.Context, E.Source)).second) continue;
                ++R.Entries;
                if (!E.Translation.empty()) ++R.Translated;
            }
            Rows.push_back(std::move(R));
        }
    return Rows;
}

std::vector<TFinding> TProjectExchange::Check(const std::vector<Integer>& Locales,
                                              host::TPainter* Measure) {
    std::vector<TFinding> Findings;
    FExpert->ForEachForm([&](host::TComponent* Root, const String&) {
        const String Form = FormNameOf(Root);
        for (Integer LCID : TranslatorLocales(Root)) {
            if (!Locales.empty() &&
                std::find(Locales.begin(), Locales.end(), LCID) == Locales.end())
                continue;
            std::vector<TExchangeEntry> Entries;
            for (TTranslatorFrame* T : TextTranslators(Root, LCID))
                for (TExchangeEntry& E : ReadEntries(T).Entries)
                    Entries.push_back(std::move(E));
            CheckTexts(Form, LCID, Entries, Findings);
            if (Measure) CheckWidths(Form, LCID, Entries, *Measure, Findings);
        }
        return false;
    });
    return Findings;
}

TPseudoReport TProjectExchange::Pseudo(Integer LCID, int ExpandPercent) {
    const std::vector<Integer> Known = Locales();
    if (std::find(Known.begin(), Known.end(), LCID) == Known.end())
        throw host::EComponentError("the project has no translators of locale " +
                                    host::IntToStr(LCID) + " (zantor globalize PROJECT --locales " +
                                    host::IntToStr(LCID) + " places them)");
    TPseudoReport Report;
    FExpert->ForEachForm([&](host::TComponent* Root, const String&) {
        bool Changed = false;
        for (TTranslatorFrame* T : TextTranslators(Root, LCID)) {
            TTranslatorEntries E = ReadEntries(T);
            for (std::size_t k = 0; k < E.Entries.size(); ++k) {
                if (!E.Entries[k].Text) continue;
                ++Report.Entries;
                Changed =
                    TakeTranslation(E, k, PseudoTranslate(E.Entries[k].Source, ExpandPercent)) ||
                    Changed;
            }
        }
        if (Changed) ++Report.Forms;
        return Changed;
    });
    return Report;
}

} // namespace zantor
