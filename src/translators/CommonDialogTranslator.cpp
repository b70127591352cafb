#include "translators/CommonDialogTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/CommonDialogs.h"
#include "host/controls/Forms.h"
#include "host/rtl/Conversions.h"
#include "host/winapi/WindowPos.h"
#include "translators/Literals.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>

namespace zantor {

using namespace host;

namespace {

constexpr std::size_t MaxValueLength = 4095;

// Every instance alive, oldest first: the active slot passes among them.
std::vector<TCommonDialogTranslator*>& Instances() {
    static std::vector<TCommonDialogTranslator*> List;
    return List;
}

// The decimal number of a whole text ("-12"); nothing for anything else.
std::optional<int> DecimalNumber(std::string_view S) {
    if (S.empty()) return std::nullopt;
    std::size_t i = (S[0] == '-' || S[0] == '+') ? 1 : 0;
    if (i == S.size()) return std::nullopt;
    for (std::size_t j = i; j < S.size(); ++j)
        if (S[j] < '0' || S[j] > '9') return std::nullopt;
    return TryStrToInt(S);
}

// n of "Name[n]..." after Prefix; nothing when it is no decimal number.
std::optional<int> IndexAfter(std::string_view Prop, std::size_t PrefixLength) {
    std::size_t Close = Prop.find(']', PrefixLength);
    if (Close == std::string_view::npos) return std::nullopt;
    return DecimalNumber(Prop.substr(PrefixLength, Close - PrefixLength));
}

bool StartsWith(std::string_view S, std::string_view Prefix) {
    return S.substr(0, Prefix.size()) == Prefix;
}

// The direct children of a dialog, indexed once per pass so that each entry finds its child in
// constant time; built on the first entry that needs a child.
class TDialogChildren {
public:
    explicit TDialogChildren(HWND Dlg) : FDlg(Dlg) {}

    // The first child whose identifier is Id, as GetDlgItem finds it; null when none.
    HWND ById(int Id) {
        Build();
        auto It = FById.find(LONG_PTR(Id));
        return It == FById.end() ? nullptr : It->second;
    }
    // The Position-th child (1 = first); null when there are fewer.
    HWND AtPosition(std::int64_t Position) {
        Build();
        if (Position < 1) Position = 1;
        return Position <= std::int64_t(FInOrder.size()) ? FInOrder[std::size_t(Position - 1)]
                                                         : nullptr;
    }

private:
    void Build() {
        if (FBuilt) return;
        FBuilt = true;
        for (HWND C = GetWindow(FDlg, GW_CHILD); C; C = GetWindow(C, GW_HWNDNEXT)) {
            FInOrder.push_back(C);
            FById.emplace(GetWindowLongPtrA(C, GWLP_ID), C); // the first of an identifier wins
        }
    }

    HWND FDlg;
    bool FBuilt = false;
    std::vector<HWND> FInOrder;
    std::unordered_map<LONG_PTR, HWND> FById;
};

// Moves child C of Dlg keeping what is not given.
void MoveChild(HWND Dlg, HWND C, std::optional<int> L, std::optional<int> T, std::optional<int> W,
               std::optional<int> H) {
    RECT R{};
    if (!C || !GetWindowRect(C, &R)) return;
    POINT P{R.left, R.top};
    ScreenToClient(Dlg, &P);
    MoveWindow(C, L.value_or(P.x), T.value_or(P.y), W.value_or(R.right - R.left),
               H.value_or(R.bottom - R.top), false);
}

} // namespace

TClass TCommonDialogTranslator::StaticClass() {
    static const TClassInfo Info = [] {
        TClassBuilder<TCommonDialogTranslator> B("TCommonDialogTranslator");
        PublishFrame(B, {});
        B.Prop("TranslateEmpty", &TCommonDialogTranslator::TranslateEmpty,
               &TCommonDialogTranslator::SetTranslateEmpty)
            .Default(false);
        return TClassInfo(B);
    }();
    return &Info;
}

TCommonDialogTranslator::TCommonDialogTranslator(TComponent* AOwner)
    : TTranslatorFrame(AOwner, false), FOrgProps(std::make_unique<TSortList>()) {
    InitializeCommonDialogUnit();
    Instances().push_back(this);
    SetTranslate(true);
    mctInstance = this;
}

TCommonDialogTranslator::~TCommonDialogTranslator() {
    ReleaseDialogFonts();
    auto& List = Instances();
    List.erase(std::remove(List.begin(), List.end(), this), List.end());
    InternalTranslate(false);
}

void TCommonDialogTranslator::InternalTranslate(bool Value) {
    FTranslate = Value;
    if (Value) {
        mctInstance = this;
        return;
    }
    if (mctInstance != this) return;
    // The slot passes to the newest other instance that is on; nobody calls a gone one.
    mctInstance = nullptr;
    const auto& List = Instances();
    for (auto It = List.rbegin(); It != List.rend(); ++It)
        if (*It != this && (*It)->Translate()) {
            mctInstance = *It;
            break;
        }
}

void TCommonDialogTranslator::LoadedFirst() {
    InternalTranslate(FTranslate);
    RegisterDialogClasses();
}

void TCommonDialogTranslator::RegisterDialogClasses() {
    auto Enrol = [](TComponent* Holder) {
        for (int i = 0; i < Holder->ComponentCount(); ++i)
            if (auto* D = As<TCommonDialog>(Holder->Components(i)))
                RegisterDialogClass(D->ClassType());
    };
    if (mctInstance && mctInstance->ComponentState().Contains(csDesigning)) {
        if (mctInstance->Owner()) Enrol(mctInstance->Owner());
        return;
    }
    if (!Application) return;
    for (int i = 0; i < Application->ComponentCount(); ++i)
        Enrol(Application->Components(i));
}

void TCommonDialogTranslator::TranslateDialog(HWND Dlg) {
    if (!FTranslate || FTranslations->Count() == 0) return;
    bool Skip = false;
    FOnTranslate(this, Skip);
    if (Skip) return;
    ApplyEntries(Dlg);
    FOnTranslated(this);
}

void TCommonDialogTranslator::ApplyEntries(HWND Dlg) {
    // The entries are sorted: those of the class are one run.
    const String Prefix = OwnerClassName + ".";
    int First = -1;
    (void)FTranslations->SortFind(Prefix, First);
    std::optional<String> FontName;
    std::optional<int> FontCharset;
    TDialogChildren Children(Dlg);
    for (int i = std::max(First, 0); i < FTranslations->Count(); ++i) {
        std::string_view L = FTranslations->Line(i);
        if (!StartsWith(L, Prefix)) break;
        std::size_t Eq = L.find('=', Prefix.size());
        if (Eq == std::string_view::npos) continue;
        std::string_view Prop = L.substr(Prefix.size(), Eq - Prefix.size());
        String Text;
        try {
            Text = FromLiterals(L.substr(Eq + 1, MaxValueLength));
        } catch (const EConvertError&) {
            continue;
        }
        Text.resize(std::min(Text.size(), Text.find('\0')));
        if (Text.empty() && !FTranslateEmpty) continue;
        std::optional<int> Number = DecimalNumber(Text);
        if (Prop == "Caption") {
            SendMessageA(Dlg, WM_SETTEXT, 0, LPARAM(Text.c_str()));
        } else if (StartsWith(Prop, "Caption[")) {
            std::optional<int> N = IndexAfter(Prop, 8);
            if (!N) continue;
            // A negative number counts the position among the children.
            HWND C = *N >= 0 ? Children.ById(*N) : Children.AtPosition(-std::int64_t(*N));
            if (C) SendMessageA(C, WM_SETTEXT, 0, LPARAM(Text.c_str()));
        } else if (StartsWith(Prop, "Font.")) {
            if (Prop == "Font.Name")
                FontName = Text;
            else if (Prop == "Font.Charset" && Number && *Number >= 0 && *Number <= 255)
                FontCharset = *Number;
        } else if (!Number) {
            continue;
        } else if (Prop == "Width" || Prop == "Height") {
            RECT R{};
            GetWindowRect(Dlg, &R);
            const bool W = Prop == "Width";
            MoveWindow(Dlg, R.left, R.top, W ? *Number : R.right - R.left,
                       W ? R.bottom - R.top : *Number, false);
        } else {
            static constexpr std::string_view Geometry[] = {"Left[", "Top[", "Width[", "Height["};
            for (int g = 0; g < 4; ++g) {
                if (!StartsWith(Prop, Geometry[g])) continue;
                std::optional<int> N = IndexAfter(Prop, Geometry[g].size());
                if (!N) break;
                HWND C = Children.ById(*N);
                std::optional<int> V[4];
                V[g] = *Number;
                MoveChild(Dlg, C, V[0], V[1], V[2], V[3]);
                break;
            }
        }
    }
    if (!FontName && !FontCharset) return;
    // Name and character set together make one font; the dialog's own font stays its own.
    auto Own = reinterpret_cast<HFONT>(SendMessageA(Dlg, WM_GETFONT, 0, 0));
    HFONT F = Own;
    if (FontName) F = SetFontName(F, *FontName);
    if (FontCharset) {
        HFONT Named = F;
        F = SetFontCharset(Named, static_cast<BYTE>(*FontCharset));
        if (Named != Own && Named != F) DeleteDialogFont(Named);
    }
    SetFontOfChildren(GetWindow(Dlg, GW_CHILD), F);
    if (F == Own) return;
    // The fonts of an earlier pass are no longer shown: only this one stays alive.
    ReleaseDialogFonts();
    FDialogFonts.push_back(F);
}

void TCommonDialogTranslator::SetDlgTextOfChild(HWND FirstChild, int Index, const char* Text) {
    HWND W = FirstChild;
    for (int i = 1; W && i < Index; ++i)
        W = GetWindow(W, GW_HWNDNEXT);
    if (W) SendMessageA(W, WM_SETTEXT, 0, LPARAM(Text));
}

void TCommonDialogTranslator::SetFontOfChildren(HWND First, HFONT Font) {
    for (HWND W = First; W; W = GetWindow(W, GW_HWNDNEXT)) {
        SendMessageA(W, WM_SETFONT, WPARAM(Font), 0);
        if (HWND Child = GetWindow(W, GW_CHILD)) SetFontOfChildren(Child, Font);
    }
}

void TCommonDialogTranslator::ReleaseDialogFonts() {
    for (HFONT F : FDialogFonts)
        DeleteDialogFont(F);
    FDialogFonts.clear();
}

// ---- storage and files ----

void TCommonDialogTranslator::ReadStorage(TReader* Reader) {
    FOrgProps->Clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList())
        FOrgProps->Add(Reader->ReadString());
    Reader->ReadListEnd();
}

void TCommonDialogTranslator::WriteStorage(TWriter* Writer) {
    Writer->WriteListBegin();
    for (int i = 0; i < FOrgProps->Count(); ++i)
        Writer->WriteString(FOrgProps->Line(i));
    Writer->WriteListEnd();
}

const String* TCommonDialogTranslator::OrgLine(std::string_view Key) const {
    String Probe = String(Key) + "=";
    int Index = -1;
    (void)FOrgProps->SortFind(Probe, Index);
    if (Index >= 0 && Index < FOrgProps->Count() && StartsWith(FOrgProps->Line(Index), Probe))
        return &FOrgProps->Line(Index);
    return nullptr;
}

void TCommonDialogTranslator::FileEntries(TKeyValues& Own, TKeyValues& Design) const {
    TTranslatorFrame::FileEntries(Own, Design);
    for (const auto& [Key, Value] : Own)
        if (const String* Org = OrgLine(Key)) Design.emplace_back(Key, Org->substr(Key.size() + 1));
}

void TCommonDialogTranslator::DictionaryEntries(std::vector<TDictionaryEntry>& Entries) const {
    for (int i = 0; i < FTranslations->Count(); ++i) {
        const String& Line = FTranslations->Line(i);
        std::size_t Eq = Line.find('=');
        if (Eq == String::npos) continue;
        const String* Org = OrgLine(std::string_view(Line).substr(0, Eq));
        if (!Org) continue;
        try {
            Entries.push_back({FromLiterals(std::string_view(*Org).substr(Eq + 1)),
                               FromLiterals(std::string_view(Line).substr(Eq + 1)), i});
        } catch (const EConvertError&) {
        }
    }
}

} // namespace zantor
