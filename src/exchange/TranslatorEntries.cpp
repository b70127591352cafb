#include "exchange/TranslatorEntries.h"

#include "host/classes/Component.h"
#include "host/winapi/NlsCodePage.h"
#include "translators/ButtonTranslator.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/FormTranslator.h"
#include "translators/ResourceTranslator.h"

#include <algorithm>

namespace zantor {

namespace {

bool IsTextKind(const host::TComponent* C) {
    return host::Is<TFormTranslator>(C) || host::Is<TResourceTranslator>(C) ||
           host::Is<TCommonDialogTranslator>(C) || host::Is<TButtonTranslator>(C);
}

String ToUtf8(const String& S) {
    return host::CodePageToUtf8(S, host::GetACP());
}

String FromUtf8(const String& S) {
    const unsigned Page = host::GetACP();
    return Page == host::CP_UTF8 ? S : host::Utf8ToCodePage(S, Page);
}

// The text after the first "=" of a Translations line begins a literal.
bool IsLiteralLine(const String& Line) {
    const std::size_t Eq = Line.find('=');
    return Eq != String::npos && Eq + 1 < Line.size() &&
           (Line[Eq + 1] == '\'' || Line[Eq + 1] == '#');
}

} // namespace

String FormNameOf(const host::TComponent* Root) {
    // The translators' own rule for the head, without a kind prefix.
    return TranslationHead("", Root);
}

std::vector<TTranslatorFrame*> TextTranslators(host::TComponent* Root, Integer LCID) {
    std::vector<TTranslatorFrame*> Found;
    for (int i = 0; i < Root->ComponentCount(); ++i) {
        host::TComponent* C = Root->Components(i);
        if (!IsTextKind(C)) continue;
        auto* T = static_cast<TTranslatorFrame*>(C);
        if (T->Locale() == LCID) Found.push_back(T);
    }
    return Found;
}

std::vector<Integer> TranslatorLocales(host::TComponent* Root) {
    std::vector<Integer> Locales;
    for (int i = 0; i < Root->ComponentCount(); ++i) {
        host::TComponent* C = Root->Components(i);
        if (!IsTextKind(C)) continue;
        const Integer L = static_cast<TTranslatorFrame*>(C)->Locale();
        if (L != 0 && std::find(Locales.begin(), Locales.end(), L) == Locales.end())
            Locales.push_back(L);
    }
    std::sort(Locales.begin(), Locales.end());
    return Locales;
}

TTranslatorEntries ReadEntries(TTranslatorFrame* T) {
    TTranslatorEntries Out;
    Out.Translator = T;
    std::vector<TDictionaryEntry> Raw;
    T->SourceEntries(Raw);
    host::TComponent* Root = T->Owner();
    const String Head = T->FileHead();
    const String Form = Root ? FormNameOf(Root) : Head;
    // Resource strings and button captions are named by their text.
    const bool ByText = host::Is<TResourceTranslator>(T) || host::Is<TButtonTranslator>(T);
    const bool Dialog = host::Is<TCommonDialogTranslator>(T);
    for (TDictionaryEntry& R : Raw) {
        if (R.Source.empty()) continue;
        TExchangeEntry E;
        E.Source = ToUtf8(R.Source);
        E.Translation = ToUtf8(R.Translation);
        E.Reference = Form;
        if (ByText) {
            E.Context = Head;
        } else {
            const String& Line = T->Translations()->Line(R.Index);
            const String Key = Line.substr(0, Line.find('='));
            E.Context = Head + "." + Key;
            E.Text = IsLiteralLine(Line);
            if (Dialog) {
                E.Reference = Form + "." + Key.substr(0, Key.find('.'));
            } else if (Root) {
                // The first name of the path is a component of the form, or a property of
                // the form itself.
                const std::size_t End = Key.find_first_of(".[");
                host::TComponent* C =
                    End == String::npos ? nullptr : Root->FindComponent(Key.substr(0, End));
                if (C && Key[End] == '.') {
                    E.Component = C;
                    E.Property = Key.substr(End + 1);
                    E.Reference = Form + "." + C->Name();
                } else {
                    E.Component = Root;
                    E.Property = Key;
                }
            }
        }
        Out.Entries.push_back(std::move(E));
        Out.Raw.push_back(std::move(R));
    }
    return Out;
}

bool TakeTranslation(TTranslatorEntries& E, std::size_t I, const String& Translation) {
    if (E.Entries[I].Translation == Translation) return false;
    E.Translator->TakeTranslation(E.Raw[I], FromUtf8(Translation));
    E.Entries[I].Translation = Translation;
    return true;
}

} // namespace zantor
