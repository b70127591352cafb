#include "expert/ProjectExpert.h"

#include "host/controls/Application.h"
#include "host/ide/Project.h"
#include "host/ide/ToolServices.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/StrUtils.h"
#include "host/winapi/LocaleInfo.h"
#include "host/winapi/Nls.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/FormTranslator.h"
#include "translators/Hourglass.h"
#include "translators/Literals.h"
#include "translators/LocaleCatalogue.h"
#include "translators/LocaleTranslator.h"
#include "translators/ResourceTranslator.h"

#include <algorithm>

namespace zantor {

using host::TInterfaceRef;

void TProjectExpert::TFreeComponent::operator()(TComponent* C) const {
    C->Free();
}

TProjectExpert::TProjectExpert()
    : FLocaleTranslator(new TLocaleTranslator(nullptr)),
      FDialogTranslator(new TCommonDialogTranslator(nullptr)) {
    // Both only hold choices; neither may switch anything.
    FLocaleTranslator->InternalTranslate(false);
    FDialogTranslator->InternalTranslate(false);
}

TProjectExpert::~TProjectExpert() = default;

Integer TProjectExpert::DesignLocale() const {
    const String& S = FLocaleTranslator->DesignLocale();
    return HexToInt(std::string_view(S).substr(S.size() > 8 ? S.size() - 8 : 0));
}

namespace {

// "English, United States" from the catalogue's names of LCID; the hexadecimal form when the
// catalogue lacks them.
String LocaleText(const TSortList& Catalogue, Integer LCID) {
    const String Hex = LocaleHex(LCID);
    auto Value = [&](const char* Setting) -> String {
        const String Key = Hex + Setting + "=";
        const int Index = Catalogue.SortPosition(Key);
        if (Index < Catalogue.Count() && Catalogue.Line(Index).starts_with(Key))
            return Catalogue.Line(Index).substr(Key.size());
        return "";
    };
    const String Name = Value("_ENGLISHNAME");
    if (Name.empty()) return Hex;
    const String Country = Value("_ENGLISHCOUNTRYNAME");
    return Country.empty() ? Name : Name + ", " + Country;
}

bool InCatalogue(const TSortList& Catalogue, Integer LCID) {
    const String Key = LocaleHex(LCID) + "_ENGLISHNAME=";
    const int Index = Catalogue.SortPosition(Key);
    return Index < Catalogue.Count() && Catalogue.Line(Index).starts_with(Key);
}

} // namespace

void TProjectExpert::SelectLocales(const std::vector<Integer>& LCIDs) {
    for (Integer LCID : LCIDs)
        if (LCID <= 0 || !host::IsValidLocale(static_cast<host::LCID>(LCID), host::LCID_SUPPORTED))
            throw host::EConvertError("'" + host::IntToStr(LCID) +
                                      "' is not a locale identifier of this system");
    if (!FSettings.MainForm.empty()) GetAppLocales(FSettings.MainForm);
    TSortList* Catalogue = FLocaleTranslator->Translations();
    std::vector<Integer> Missing;
    for (Integer LCID : LCIDs)
        if (!InCatalogue(*Catalogue, LCID) &&
            std::find(Missing.begin(), Missing.end(), LCID) == Missing.end())
            Missing.push_back(LCID);
    AddOrgProps(Missing, Catalogue);
    FLocaleTranslator->UpdateLangList();

    const Integer Design = DesignLocale();
    FSettings.Locales = {{LocaleText(*Catalogue, Design), Design}};
    for (Integer LCID : LCIDs) {
        const bool Listed = std::any_of(FSettings.Locales.begin(), FSettings.Locales.end(),
                                        [&](const TLocaleItem& L) { return L.LCID == LCID; });
        if (!Listed) FSettings.Locales.push_back({LocaleText(*Catalogue, LCID), LCID});
    }
}

String TProjectExpert::InProjectFolder(const String& FileName) const {
    if (!host::ExtractFilePath(FileName).empty() || !host::ToolServices) return FileName;
    return host::ExpandFileName(host::ExtractFilePath(host::ToolServices->GetProjectName()),
                                FileName);
}

void TProjectExpert::WithMainForm(const String& MainForm,
                                  const std::function<void(TComponent* Root)>& Work) {
    host::TIToolServices* Tools = host::ToolServices;
    if (!Tools) return;
    const String Form = InProjectFolder(MainForm);
    String Unit = host::ChangeFileExt(Form, ".pas");
    if (!host::FileExists(Unit)) Unit = host::ChangeFileExt(Form, ".cpp");
    if (!host::FileExists(Unit)) return;
    const bool Opened = !Tools->IsFileOpen(Unit) && Tools->OpenFile(Unit);
    {
        TInterfaceRef Module(Tools->GetModuleInterface(Unit));
        if (Module) {
            Module->ShowForm();
            TInterfaceRef FormIntf(Module->GetFormInterface());
            TInterfaceRef Root(FormIntf ? FormIntf->GetFormComponent() : nullptr);
            if (TComponent* Live = Root ? Root->GetComponentHandle() : nullptr) Work(Live);
            if (Opened) Module->Close();
        }
    }
    if (Opened) Tools->CloseFile(Unit);
}

void TProjectExpert::GetAppLocales(const String& MainForm) {
    WithMainForm(MainForm, [this](TComponent* Live) {
        for (int i = 0; i < Live->ComponentCount(); ++i) {
            auto* L = host::As<TLocaleTranslator>(Live->Components(i));
            if (!L) continue;
            FLocaleTranslator->SetTranslations(L->Translations());
            FLocaleTranslator->SetDesignLocale(L->DesignLocale());
            FLocaleTranslator->SetStartupLocale(L->StartupLocale());
            break;
        }
    });
}

// The unit loop

void TProjectExpert::UnitLoop(TFormStep Step, bool StoreSettings) {
    host::TIToolServices* Tools = host::ToolServices;
    if (!Tools) return;
    THourglass Busy;
    const int Count = Tools->GetUnitCount();
    for (int i = 0; i < Count; ++i) {
        const String UnitFile = Tools->GetUnitName(i);
        if (FOnProgress) FOnProgress(host::IntToStr(i) + " / " + host::IntToStr(Count), UnitFile);
        bool Opened = false;
        if (!Tools->IsFileOpen(UnitFile)) {
            if (!host::FileExists(UnitFile) || !Tools->OpenFile(UnitFile)) continue;
            Opened = true;
        }
        {
            TInterfaceRef Module(Tools->GetModuleInterface(UnitFile));
            if (Module) {
                Module->ShowForm();
                if (host::Application) host::Application->ProcessMessages();
                TInterfaceRef Form(Module->GetFormInterface());
                TInterfaceRef Root(Form ? Form->GetFormComponent() : nullptr);
                TComponent* Live = Root ? Root->GetComponentHandle() : nullptr;
                if (Live)
                    (this->*Step)({Module.Get(), Form.Get(), Root.Get(), Live, UnitFile, Opened});
                if (StoreSettings) WriteSettings();
                if (Opened) Module->Close();
            }
        }
        if (Opened) Tools->CloseFile(UnitFile);
    }
}

void TProjectExpert::GlobalizeProject() {
    UnitLoop(&TProjectExpert::GlobalizeForm, true);
}

void TProjectExpert::PrepareProject() {
    UnitLoop(&TProjectExpert::PrepareForm, false);
}

void TProjectExpert::TranslateProject() {
    UnitLoop(&TProjectExpert::TranslateForm, false);
}

void TProjectExpert::ForEachForm(const TFormProc& Step) {
    FFormProc = &Step;
    try {
        UnitLoop(&TProjectExpert::VisitForm, false);
    } catch (...) {
        FFormProc = nullptr;
        throw;
    }
    FFormProc = nullptr;
}

void TProjectExpert::VisitForm(const TFormVisit& Visit) {
    if ((*FFormProc)(Visit.Root, Visit.UnitFile)) Visit.Module->Save(true);
}

// Globalizing one form

TComponent* TProjectExpert::NewComponent(const TFormVisit& Visit, const char* ClassName) {
    TInterfaceRef Made(Visit.Form->CreateComponent(Visit.RootIntf, ClassName, -1, -1, -1, -1));
    TComponent* C = Made ? Made->GetComponentHandle() : nullptr;
    if (!C)
        throw host::EComponentError(String("Cannot create a ") + ClassName + " on form " +
                                    Visit.Root->Name());
    return C;
}

template <class TKind, class FSettle>
void TProjectExpert::PlaceTranslators(const TFormVisit& Visit, const char* ClassName,
                                      FSettle Settle) {
    const Integer Design = DesignLocale();
    std::vector<Integer> Work;
    for (const TLocaleItem& L : FSettings.Locales)
        if (L.LCID != Design) Work.push_back(L.LCID);

    std::vector<TKind*> Existing;
    for (int i = 0; i < Visit.Root->ComponentCount(); ++i)
        if (auto* T = host::As<TKind>(Visit.Root->Components(i))) Existing.push_back(T);
    for (TKind* T : Existing) {
        if (Work.empty()) return;
        auto It = std::find(Work.begin(), Work.end(), T->Locale());
        if (It == Work.end()) {
            T->SetLocale(Work.front());
            It = Work.begin();
        }
        Work.erase(It);
        Settle(T);
        ApplyFileNameRule(T);
    }
    for (Integer LCID : Work) {
        auto* T = host::As<TKind>(NewComponent(Visit, ClassName));
        if (!T) throw host::EComponentError(String(ClassName) + " is not a translator class");
        Settle(T);
        T->SetLocale(LCID);
        ApplyFileNameRule(T);
    }
}

bool TProjectExpert::IsMainForm(const String& UnitFile) const {
    const String& Main = FSettings.MainForm;
    if (Main.empty()) return false;
    String Candidate = host::ChangeFileExt(UnitFile, host::ExtractFileExt(Main));
    // A bare form file name names the form in the project folder.
    if (host::ExtractFilePath(Main).empty()) Candidate = host::ExtractFileName(Candidate);
    return host::SameText(Candidate, Main);
}

void TProjectExpert::GlobalizeForm(const TFormVisit& Visit) {
    if (FSettings.Forms)
        PlaceTranslators<TFormTranslator>(Visit, "TFormTranslator", [&](TFormTranslator* T) {
            if (FSettings.ScanForms) SetFormProps(Visit.Root, T);
        });
    if (IsMainForm(Visit.UnitFile)) {
        TLocaleTranslator* Locale = nullptr;
        for (int i = 0; !Locale && i < Visit.Root->ComponentCount(); ++i)
            Locale = host::As<TLocaleTranslator>(Visit.Root->Components(i));
        if (!Locale) Locale = host::As<TLocaleTranslator>(NewComponent(Visit, "TLocaleTranslator"));
        if (Locale) {
            Locale->SetTranslations(FLocaleTranslator->Translations());
            ApplyFileNameRule(Locale);
        }
        if (FSettings.Resources)
            PlaceTranslators<TResourceTranslator>(
                Visit, "TResourceTranslator", [&](TResourceTranslator* T) { SetResStrings(T); });
        if (FSettings.CommonDialogs)
            PlaceTranslators<TCommonDialogTranslator>(
                Visit, "TCommonDialogTranslator", [&](TCommonDialogTranslator* T) {
                    T->SetTranslations(FDialogTranslator->Translations());
                    T->OrgProps()->Assign(FDialogTranslator->OrgProps());
                });
    }
    Visit.Module->Save(true);
}

void TProjectExpert::ApplyFileNameRule(TTranslatorFrame* Translator) const {
    const String& Storage = FSettings.FormStorage;
    if (FSettings.StoreInForm) {
        Translator->SetFileName("");
        return;
    }
    if (host::LowerCase(Translator->FileName()).starts_with(host::LowerCase(Storage))) return;
    const std::int64_t Limit = static_cast<std::int64_t>(host::StrToInt(FSettings.Split)) * 1024;
    // Numbered names stay in the folder of the storage name: the extension is that of the
    // file-name part.
    const String Stem = host::ChangeFileExt(Storage, "");
    const String Ext = host::ExtractFileExt(Storage);
    String Name = Storage;
    for (int Counter = 0;; ++Counter) {
        const auto Size = static_cast<std::int64_t>(GetFileSize(InProjectFolder(Name)));
        // An absent file always fits, whatever the limit.
        if (Size <= Limit || Size == 0) break;
        Name = Stem + host::IntToStr(Counter) + Ext;
    }
    Translator->SetFileName(Name);
}

// Export and import

std::vector<TTranslatorFrame*> TProjectExpert::ExchangeTranslators(TComponent* Root) {
    std::vector<TTranslatorFrame*> Found;
    for (int i = 0; i < Root->ComponentCount(); ++i) {
        TComponent* C = Root->Components(i);
        for (TClass Kind :
             {TFormTranslator::StaticClass(), TLocaleTranslator::StaticClass(),
              TResourceTranslator::StaticClass(), TCommonDialogTranslator::StaticClass()})
            if (C->InheritsFrom(Kind)) {
                Found.push_back(static_cast<TTranslatorFrame*>(C));
                break;
            }
    }
    return Found;
}

void TProjectExpert::PrepareForm(const TFormVisit& Visit) {
    for (TTranslatorFrame* T : ExchangeTranslators(Visit.Root))
        for (const TLocaleItem& L : FSettings.ExportLocales) {
            if (T->Locale() != 0 && L.LCID != T->Locale()) continue;
            if (FSettings.ExportKind == TExchangeKind::Properties)
                T->SaveTo(FSettings.ExportFile);
            else if (!T->InheritsFrom(TLocaleTranslator::StaticClass()))
                T->TranslateTo(FSettings.ExportFile);
        }
}

void TProjectExpert::TranslateForm(const TFormVisit& Visit) {
    bool Changed = false;
    for (TTranslatorFrame* T : ExchangeTranslators(Visit.Root)) {
        if (FSettings.ImportLocale != 0 && T->Locale() != FSettings.ImportLocale) continue;
        if (FSettings.ImportKind == TExchangeKind::Properties)
            Changed = T->LoadFrom(FSettings.ImportFile) || Changed;
        else if (!T->InheritsFrom(TLocaleTranslator::StaticClass()))
            Changed = T->TranslateFrom(FSettings.ImportFile) || Changed;
    }
    // A unit the loop opened is closed again right after: unsaved, the import would be lost.
    if (Changed && (FSettings.SaveImported || Visit.Opened)) Visit.Module->Save(true);
}

} // namespace zantor
