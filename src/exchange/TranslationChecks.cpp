#include "exchange/TranslationChecks.h"

#include "exchange/FormatSpecifiers.h"
#include "host/controls/Buttons.h"
#include "host/controls/ControlPaint.h"
#include "host/controls/ExtCtrls.h"
#include "host/controls/Menus.h"
#include "host/controls/StdCtrls.h"
#include "host/winapi/Fonts.h"
#include "host/winapi/Painter.h"

#include <map>

namespace zantor {

namespace {

int CharLength(std::string_view S, std::size_t At) {
    const auto C = static_cast<unsigned char>(S[At]);
    if (C < 0x80) return 1;
    if ((C >> 5) == 6) return 2;
    if ((C >> 4) == 14) return 3;
    return 4;
}

// Calls Found with the position of the character after each accelerator "&".
template <class F> void ForEachAccelerator(std::string_view Text, F Found) {
    for (std::size_t i = 0; i + 1 < Text.size(); ++i)
        if (Text[i] == '&') {
            if (Text[i + 1] == '&') {
                ++i;
                continue;
            }
            Found(i + 1);
        }
}

String Quoted(std::string_view S) {
    String Out = "\"";
    for (char C : S)
        Out += C == '\n' ? String("\\n") : C == '\r' ? String("\\r") : String(1, C);
    return Out + "\"";
}

bool IsBlank(char C) {
    return C == ' ' || C == '\t';
}
bool IsBreak(char C) {
    return C == '\n' || C == '\r';
}

// The run of characters at the start (or end) of S that Pred accepts.
template <class P> std::string_view Leading(std::string_view S, P Pred) {
    std::size_t N = 0;
    while (N < S.size() && Pred(S[N]))
        ++N;
    return S.substr(0, N);
}
template <class P> std::string_view Trailing(std::string_view S, P Pred) {
    std::size_t N = 0;
    while (N < S.size() && Pred(S[S.size() - 1 - N]))
        ++N;
    return S.substr(S.size() - N);
}

// The blanks at one end of a text, beyond its line breaks.
std::string_view LeadingBlanks(std::string_view S) {
    return Leading(S.substr(Leading(S, IsBreak).size()), IsBlank);
}
std::string_view TrailingBlanks(std::string_view S) {
    return Trailing(S.substr(0, S.size() - Trailing(S, IsBreak).size()), IsBlank);
}

} // namespace

String AcceleratorOf(std::string_view Text) {
    String Key;
    ForEachAccelerator(Text, [&](std::size_t At) {
        if (!Key.empty()) return;
        Key = String(Text.substr(At, static_cast<std::size_t>(CharLength(Text, At))));
        if (Key.size() == 1 && Key[0] >= 'A' && Key[0] <= 'Z') Key[0] = char(Key[0] - 'A' + 'a');
    });
    return Key;
}

int AcceleratorCount(std::string_view Text) {
    int N = 0;
    ForEachAccelerator(Text, [&](std::size_t) { ++N; });
    return N;
}

void CheckTexts(const String& Form, Integer LCID, const std::vector<TExchangeEntry>& Entries,
                std::vector<TFinding>& Out) {
    auto Add = [&](TSeverity S, const TExchangeEntry& E, const char* Check, String Message) {
        Out.push_back({S, LCID, Form, E.Context, Check, std::move(Message)});
    };
    // Accelerators that share one keyboard scope: the controls of the form, or the items of
    // one menu.
    struct TKeyUse {
        const TExchangeEntry* Entry;
        String DesignKey;
    };
    std::map<std::pair<const void*, String>, std::vector<TKeyUse>> Scopes;
    for (const TExchangeEntry& E : Entries) {
        if (E.Translation.empty() || !E.Text) continue;
        const String Format = FormatMismatch(E.Source, E.Translation);
        if (!Format.empty())
            Add(TSeverity::Error, E, "format",
                Quoted(E.Translation) + " would make Format fail for " + Quoted(E.Source) + ": " +
                    Format);

        const String DesignKey = AcceleratorOf(E.Source);
        const String Key = AcceleratorOf(E.Translation);
        if (!DesignKey.empty() && Key.empty())
            Add(TSeverity::Warning, E, "accelerator",
                Quoted(E.Translation) + " has lost the accelerator of " + Quoted(E.Source));
        if (AcceleratorCount(E.Translation) > 1 && AcceleratorCount(E.Source) <= 1)
            Add(TSeverity::Warning, E, "accelerator",
                Quoted(E.Translation) + " has more than one accelerator");
        if (!Key.empty() && E.Component) {
            const void* Scope = nullptr; // the form
            if (auto* Item = host::As<host::TMenuItem>(E.Component)) Scope = Item->Parent();
            Scopes[{Scope, Key}].push_back({&E, DesignKey});
        }

        auto Differ = [&](std::string_view A, std::string_view B, const char* Check,
                          const char* What) {
            if (A != B)
                Add(TSeverity::Warning, E, Check,
                    Quoted(E.Translation) + " " + What + " differently from " + Quoted(E.Source));
        };
        Differ(Leading(E.Source, IsBreak), Leading(E.Translation, IsBreak), "line-breaks",
               "begins with line breaks");
        Differ(Trailing(E.Source, IsBreak), Trailing(E.Translation, IsBreak), "line-breaks",
               "ends with line breaks");
        Differ(LeadingBlanks(E.Source), LeadingBlanks(E.Translation), "blanks",
               "begins with blanks");
        Differ(TrailingBlanks(E.Source), TrailingBlanks(E.Translation), "blanks",
               "ends with blanks");
    }
    // One key for two texts where the design texts had two keys: the translation made the
    // clash (the same key in two design texts is the design's own choice).
    for (const auto& [Where, Uses] : Scopes) {
        if (Uses.size() < 2) continue;
        bool DesignDistinct = false;
        for (const TKeyUse& U : Uses)
            DesignDistinct = DesignDistinct || U.DesignKey != Where.second;
        if (!DesignDistinct) continue;
        String Names;
        for (const TKeyUse& U : Uses)
            Names += (Names.empty() ? "" : ", ") + U.Entry->Context;
        Add(TSeverity::Warning, *Uses.back().Entry, "accelerator",
            "the accelerator \"" + Where.second + "\" is used by " + std::to_string(Uses.size()) +
                " texts: " + Names);
    }
}

namespace {

// Where a control draws its caption: the width and height it has for it and the layout.
struct TTextBox {
    int Width = 0;
    int Height = 0;
    host::UINT Format = 0;
    bool Wraps = false;
};

bool CaptionBox(host::TControl* C, TTextBox& Box) {
    using namespace host;
    const int W = C->Width(), H = C->Height();
    if (Is<TButton>(C) || Is<TSpeedButton>(C)) {
        // Inside the raised frame.
        Box = {W - 4, H - 4, DT_CENTER | DT_VCENTER | DT_SINGLELINE, false};
    } else if (Is<TCustomCheckBox>(C) || Is<TRadioButton>(C)) {
        // Beside the 13-pixel box and its gap.
        Box = {W - 17, H, DT_LEFT | DT_VCENTER | DT_SINGLELINE, false};
    } else if (auto* L = As<TCustomLabel>(C)) {
        const UINT Align = L->Alignment() == taCenter         ? DT_CENTER
                           : L->Alignment() == taRightJustify ? DT_RIGHT
                                                              : DT_LEFT;
        Box = {W, H, Align | DT_WORDBREAK, true};
    } else if (Is<TCustomGroupBox>(C)) {
        Box = {W - 16, H, DT_LEFT | DT_SINGLELINE, false};
    } else if (Is<TCustomPanel>(C)) {
        Box = {W - 4, H - 4, DT_CENTER | DT_VCENTER | DT_SINGLELINE, false};
    } else {
        return false;
    }
    return true;
}

} // namespace

void CheckWidths(const String& Form, Integer LCID, const std::vector<TExchangeEntry>& Entries,
                 host::TPainter& Measure, std::vector<TFinding>& Out) {
    for (const TExchangeEntry& E : Entries) {
        if (E.Translation.empty() || !E.Text || E.Property != "Caption") continue;
        auto* C = host::As<host::TControl>(E.Component);
        TTextBox Box;
        if (!C || !CaptionBox(C, Box)) continue;
        host::LOGFONTA Font{};
        host::GetObjectA(host::TPaintAccess::FontOf(*C)->Handle(), sizeof Font, &Font);
        auto Extent = [&](const String& Text) {
            return Measure.Text({0, 0, Box.Width, Box.Height}, Text, Font, 0, Box.Format, true);
        };
        auto Clips = [&](const host::SIZE& S) {
            return Box.Wraps ? S.cy > Box.Height || S.cx > Box.Width : S.cx > Box.Width;
        };
        const host::SIZE Size = Extent(E.Translation);
        if (!Clips(Size)) continue;
        // Where the design text is cut off as much, the form is at fault, not the translation.
        const host::SIZE Design = Extent(E.Source);
        if (Clips(Design) && Size.cx <= Design.cx && Size.cy <= Design.cy) continue;
        const String Need = Box.Wraps && Size.cx <= Box.Width
                                ? std::to_string(Size.cy) + " pixels high, the control shows " +
                                      std::to_string(Box.Height)
                                : std::to_string(Size.cx) + " pixels wide, the control shows " +
                                      std::to_string(std::max(Box.Width, 0));
        Out.push_back({TSeverity::Warning, LCID, Form, E.Context, "width",
                       Quoted(E.Translation) + " is " + Need + " (" + C->Name() + ")"});
    }
}

} // namespace zantor
