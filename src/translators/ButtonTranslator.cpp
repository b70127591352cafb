#include "translators/ButtonTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"
#include "host/rtl/AtomicFile.h"
#include "host/rtl/FileNames.h"
#include "host/rtl/ResStringHost.h"
#include "host/winapi/Hooks.h"
#include "host/winapi/Modules.h"
#include "host/winapi/NlsCodePage.h"
#include "host/winapi/Process.h"

#include <algorithm>

namespace zantor {

using namespace host;

HHOOK CBTHook = nullptr;
TButtonTranslator* btInstance = nullptr;

namespace {

constexpr std::size_t MaxCaptionLength = 255;

// Instances switched on outside the design state: the hook stays while there is one.
int HookUsers = 0;

std::vector<TButtonTranslator*>& Instances() {
    static std::vector<TButtonTranslator*> List;
    return List;
}

LRESULT CBTProc(int Code, WPARAM WParam, LPARAM LParam) {
    if (Code == HCBT_ACTIVATE && btInstance && Application) {
        for (int i = 0; i < Application->ComponentCount(); ++i) {
            auto* Form = As<TCustomForm>(Application->Components(i));
            if (!Form || !Form->HandleAllocated() ||
                Form->Handle() != reinterpret_cast<HWND>(WParam))
                continue;
            try {
                btInstance->TranslateForm(Form);
            } catch (const std::exception&) {
                // Activation goes on untranslated rather than failing inside the hook.
            }
            break;
        }
    }
    return CallNextHookEx(CBTHook, Code, WParam, LParam);
}

void UseHook() {
    if (HookUsers++ == 0 && !CBTHook)
        CBTHook =
            SetWindowsHookExA(WH_CBT, &CBTProc, PackageModule().Instance(), GetCurrentThreadId());
}

void ReleaseHook() {
    if (HookUsers > 0 && --HookUsers == 0 && CBTHook) {
        UnhookWindowsHookEx(CBTHook);
        CBTHook = nullptr;
    }
}

const TResStringRec* const ButtonKeys[ButtonKeyCount] = {
    &SMsgDlgYes,   &SMsgDlgNo,     &SMsgDlgOK,  &SMsgDlgCancel, &SMsgDlgHelp,  &SMsgDlgAbort,
    &SMsgDlgRetry, &SMsgDlgIgnore, &SMsgDlgAll, &SOKButton,     &SCancelButton};

} // namespace

TClass TButtonTranslator::StaticClass() {
    // clang-format off
    static const TClassInfo Info = [] {
        using T = TButtonTranslator;
        TClassBuilder<T> B("TButtonTranslator");
        B.Prop("About", &T::About, &T::SetAbout).Stored(false)
         .Prop("Captions", [](const T& Self) -> TStrings* { return Self.Captions(); }, &T::SetCaptions)
         .Prop("FileName", &T::FileName, &T::SetFileName)
         .Prop("Locale", &T::Locale, &T::SetLocale).Default(0)
         .Prop("Title", &T::Title, &T::SetTitle)
         .Prop("Translate", &T::Translate, &T::SetTranslate)
         .Prop("Font", &T::Font, &T::SetFont)
         .Prop("Language", &T::Language, &T::SetLanguage)
         .Prop("OnTranslate", &T::OnTranslate, &T::SetOnTranslate)
         .Prop("OnTranslated", &T::OnTranslated, &T::SetOnTranslated);
        return TClassInfo(B);
    }();
    // clang-format on
    return &Info;
}

TButtonTranslator::TButtonTranslator(TComponent* AOwner)
    : TTranslatorFrame(AOwner, false), FCaptions(std::make_unique<TStringList>()),
      FFont(std::make_unique<TFont>()) {
    if (auto* Form = As<TCustomForm>(AOwner)) FFont->Assign(Form->Font());
    Instances().push_back(this);
    SetTranslate(true);
    btInstance = this;
}

TButtonTranslator::~TButtonTranslator() {
    InternalTranslate(false);
    auto& List = Instances();
    List.erase(std::remove(List.begin(), List.end(), this), List.end());
    if (btInstance == this) btInstance = nullptr;
}

void TButtonTranslator::InternalTranslate(bool Value) {
    FTranslate = Value;
    const bool WantsHook = Value && !ComponentState().Contains(csDesigning);
    if (WantsHook && !FCounted) {
        FCounted = true;
        UseHook();
    } else if (!WantsHook && FCounted) {
        FCounted = false;
        ReleaseHook();
    }
    if (Value) {
        btInstance = this;
        return;
    }
    if (btInstance != this) return;
    // The hook applies the newest instance that is still on.
    btInstance = nullptr;
    const auto& List = Instances();
    for (auto It = List.rbegin(); It != List.rend(); ++It)
        if (*It != this && (*It)->Translate()) {
            btInstance = *It;
            break;
        }
}

void TButtonTranslator::SetCaptions(TStrings* Value) {
    FCaptions->Assign(Value);
}

void TButtonTranslator::SetLanguage(TLangName Value) {
    FLanguage = Value;
    if (FLanguage == lnUser) return;
    const TButtonCaptionRow& Row = ButtonCaptionRow(FLanguage);
    std::vector<String> Args;
    for (const String& Text : Row.Texts)
        Args.push_back(ConvertCodePage(Text, Row.CodePage, GetACP()));
    ReplaceCaptions(Args);
}

void TButtonTranslator::ReplaceCaptions(const std::vector<String>& Args) {
    if (Args.size() != ButtonKeyCount)
        throw EConvertError("ReplaceCaptions needs " + std::to_string(ButtonKeyCount) + " texts");
    for (int i = 0; i < ButtonKeyCount; ++i) {
        const String Key = LoadResString(ButtonKeys[i]) + "|";
        const String Item = Key + Args[static_cast<std::size_t>(i)];
        int Found = -1;
        for (int j = 0; j < FCaptions->Count() && Found < 0; ++j)
            if (FCaptions->Strings(j).compare(0, Key.size(), Key) == 0) Found = j;
        if (Found >= 0)
            FCaptions->SetStrings(Found, Item);
        else
            FCaptions->Add(Item);
    }
}

void TButtonTranslator::TranslateForm(TCustomForm* Form) {
    if (!Form) return;
    bool Skip = false;
    FOnTranslate(this, Skip);
    if (Skip) return;
    for (int i = 0; i < Form->ComponentCount(); ++i) {
        auto* Button = As<TButton>(Form->Components(i));
        if (!Button) continue;
        const String Text = Button->Caption();
        for (int j = 0; j < FCaptions->Count(); ++j) {
            const String& Line = FCaptions->Strings(j);
            if (Line.size() <= Text.size() || Line.compare(0, Text.size(), Text) != 0 ||
                Line[Text.size()] != '|')
                continue;
            Button->SetCaption(Line.substr(Text.size() + 1, MaxCaptionLength));
            if (!FTitle.empty()) Form->SetCaption(FTitle);
            Button->SetFont(FFont.get());
            break;
        }
    }
    FOnTranslated(this);
}

void TButtonTranslator::ReadStorage(TReader* Reader) {
    Reader->ReadListBegin();
    while (!Reader->EndOfList())
        Reader->ReadString();
    Reader->ReadListEnd();
}

void TButtonTranslator::WriteStorage(TWriter* Writer) {
    Writer->WriteListBegin();
    Writer->WriteListEnd();
}

void TButtonTranslator::SaveTo(const String& AFileName) {
    // One line per source text, sorted; a later caption of the same source wins.
    std::vector<std::pair<String, String>> Lines;
    for (int i = 0; i < FCaptions->Count(); ++i) {
        const String& L = FCaptions->Strings(i);
        const std::size_t Bar = L.find('|');
        String Source = WriteString(L.substr(0, Bar));
        String Line =
            Source + "\t" + WriteString(Bar == String::npos ? String() : L.substr(Bar + 1));
        auto It =
            std::find_if(Lines.begin(), Lines.end(), [&](auto& P) { return P.first == Source; });
        if (It != Lines.end())
            It->second = std::move(Line);
        else
            Lines.emplace_back(std::move(Source), std::move(Line));
    }
    std::sort(Lines.begin(), Lines.end());
    String Text;
    for (auto& [Source, Line] : Lines)
        Text += Line + "\r\n";
    WriteFileAtomic(AFileName, Text);
}

bool TButtonTranslator::LoadFrom(const String& AFileName) {
    if (!FileExists(AFileName)) return false;
    FCaptions->Clear();
    ScanDictionary(
        ReadFileBytes(AFileName), [this](std::string_view Source, std::string_view Translation) {
            FCaptions->Add(zantor::ReadString(Source) + "|" + zantor::ReadString(Translation));
        });
    return true;
}

void TButtonTranslator::DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const {
    for (int i = 0; i < FCaptions->Count(); ++i) {
        const String& L = FCaptions->Strings(i);
        const std::size_t Bar = L.find('|');
        if (Bar == String::npos) continue;
        Entries.push_back({L.substr(0, Bar), L.substr(Bar + 1), i});
    }
}

void TButtonTranslator::ApplyDictionaryTranslation(const TDictionaryEntry& Entry,
                                                   const String& Translation) {
    FCaptions->SetStrings(Entry.Index, Entry.Source + "|" + Translation);
}

void ResetButtonHookUnit() {
    if (CBTHook) UnhookWindowsHookEx(CBTHook);
    CBTHook = nullptr;
    HookUsers = 0;
    btInstance = nullptr;
}

} // namespace zantor
