#include "CorpusAudit.h"

#include "host/classes/Filer.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/StrUtils.h"

#include <set>

namespace zt_test {

using namespace host;

namespace {

// The classes of the host's standard library that real forms use; a missing class outside
// this list belongs to a third-party package.
const std::set<String, std::less<>>& StandardClasses() {
    static const std::set<String, std::less<>> Names{"TAction",
                                                     "TActionList",
                                                     "TApplicationEvents",
                                                     "TBevel",
                                                     "TBitBtn",
                                                     "TBlobField",
                                                     "TBooleanField",
                                                     "TBrowseURL",
                                                     "TButton",
                                                     "TButtonedEdit",
                                                     "TCheckBox",
                                                     "TCheckListBox",
                                                     "TClientDataSet",
                                                     "TColorBox",
                                                     "TComboBox",
                                                     "TComboBoxEx",
                                                     "TCurrencyField",
                                                     "TDataModule",
                                                     "TDataSetField",
                                                     "TDataSource",
                                                     "TDateField",
                                                     "TDateTimeField",
                                                     "TDateTimePicker",
                                                     "TDBGrid",
                                                     "TDBNavigator",
                                                     "TEdit",
                                                     "TFileExit",
                                                     "TFloatField",
                                                     "TForm",
                                                     "TFrame",
                                                     "TGauge",
                                                     "TGroupBox",
                                                     "TGuidField",
                                                     "TImage",
                                                     "TImageList",
                                                     "TIntegerField",
                                                     "TLabel",
                                                     "TLabeledEdit",
                                                     "TLargeintField",
                                                     "TLinkLabel",
                                                     "TListBox",
                                                     "TListView",
                                                     "TMainMenu",
                                                     "TMaskEdit",
                                                     "TMemo",
                                                     "TMenuItem",
                                                     "TNotebook",
                                                     "TPage",
                                                     "TPageControl",
                                                     "TPaintBox",
                                                     "TPanel",
                                                     "TPopupMenu",
                                                     "TProgressBar",
                                                     "TRadioButton",
                                                     "TRadioGroup",
                                                     "TRichEdit",
                                                     "TScrollBar",
                                                     "TScrollBox",
                                                     "TShape",
                                                     "TSmallintField",
                                                     "TSpeedButton",
                                                     "TSpinEdit",
                                                     "TSplitter",
                                                     "TStaticText",
                                                     "TStatusBar",
                                                     "TStringField",
                                                     "TStringGrid",
                                                     "TTabControl",
                                                     "TTabSet",
                                                     "TTabSheet",
                                                     "TTimeField",
                                                     "TTimer",
                                                     "TToolBar",
                                                     "TToolButton",
                                                     "TTrackBar",
                                                     "TTrayIcon",
                                                     "TTreeView",
                                                     "TUpDown",
                                                     "TValueListEditor",
                                                     "TWideStringField",
                                                     "TWindowArrange",
                                                     "TWindowCascade",
                                                     "TWindowClose",
                                                     "TWindowTileHorizontal",
                                                     "TWindowTileVertical",
                                                     "TWordField"};
    return Names;
}

} // namespace

TClass AuditRootClass(const TFormObject& Root) {
    bool Visual = false;
    bool Framed = false;
    for (const TFormProperty& P : Root.Props) {
        if (SameText(P.Name, "ClientHeight") || SameText(P.Name, "Caption") ||
            StartsText("Font.", P.Name))
            Visual = true;
        if (SameText(P.Name, "TabOrder") || StartsText("Explicit", P.Name) ||
            SameText(P.Name, "DesignSize"))
            Framed = true;
    }
    if (Framed && !Visual) {
        if (TClass Frame = GetClass("TFrame")) return Frame;
    }
    return GetClass(Visual || Framed ? "TForm" : "TDataModule");
}

namespace {

int LineOf(const String& Message) {
    const std::size_t At = Message.rfind(" on line ");
    return At == String::npos ? 0 : std::atoi(Message.c_str() + At + 9);
}

// Takes the object written on Line out of the tree; its kind and class in Found.
bool RemoveObject(TFormObject& Obj, int Line, TFormObject& Found) {
    for (auto It = Obj.Children.begin(); It != Obj.Children.end(); ++It) {
        if (It->Line == Line) {
            Found = std::move(*It);
            Obj.Children.erase(It);
            return true;
        }
        if (RemoveObject(*It, Line, Found)) return true;
    }
    return false;
}

bool RemoveProp(std::vector<TFormProperty>& Props, const String& Owner, int Line,
                TFormProperty& Found, String& FoundOwner) {
    for (auto It = Props.begin(); It != Props.end(); ++It) {
        if (It->Line == Line) {
            Found = std::move(*It);
            FoundOwner = Owner;
            Props.erase(It);
            return true;
        }
        for (TFormItem& Item : It->Value.Collection)
            if (RemoveProp(Item.Props, Owner + "." + It->Name + "[]", Line, Found, FoundOwner))
                return true;
    }
    return false;
}

bool RemoveProp(TFormObject& Obj, int Line, TFormProperty& Found, String& FoundOwner) {
    if (RemoveProp(Obj.Props, Obj.ClassName, Line, Found, FoundOwner)) return true;
    for (TFormObject& Child : Obj.Children)
        if (RemoveProp(Child, Line, Found, FoundOwner)) return true;
    return false;
}

// Reads Obj strictly into a fresh root; "" when it reads, else the error.
String TryRead(const TFormObject& Obj, TClass RootClass) {
    TComponent* Root = CreateComponent(RootClass, nullptr);
    String Error;
    try {
        TReader(Obj).ReadRootComponent(Root);
    } catch (const Exception& E) {
        Error = E.Message();
        if (Error.empty()) Error = "(error without a message)";
    }
    Root->Free();
    return Error;
}

} // namespace

std::vector<TGap> AuditForm(const String& Text, TFormObject* Pruned) {
    TFormObject Obj = ParseFormText(Text);
    const TClass RootClass = AuditRootClass(Obj);
    std::vector<TGap> Gaps;
    for (int Round = 0; Round < 5000; ++Round) {
        const String Error = TryRead(Obj, RootClass);
        if (Error.empty()) {
            if (Pruned) *Pruned = std::move(Obj);
            return Gaps;
        }
        const int Line = LineOf(Error);
        TFormObject Gone;
        TFormProperty Prop;
        String Owner;
        if (StartsText("Class ", Error) || StartsText("Ancestor for ", Error)) {
            if (!RemoveObject(Obj, Line, Gone)) break;
            TGapKind Kind = Gone.Kind != TFormObjectKind::Object      ? TGapKind::Ancestor
                            : StandardClasses().count(Gone.ClassName) ? TGapKind::MissingClass
                                                                      : TGapKind::ThirdPartyClass;
            Gaps.push_back({Kind, Gone.ClassName, Line});
            continue;
        }
        if (StartsText("Error reading ", Error) && RemoveProp(Obj, Line, Prop, Owner)) {
            const bool Handler = StartsText("On", Prop.Name.substr(Prop.Name.rfind('.') + 1)) &&
                                 Prop.Value.Type == vaIdent &&
                                 Error.find(": Invalid property value") != String::npos;
            const String Reason = Error.substr(Error.find(": ") + 2);
            Gaps.push_back(
                {Handler ? TGapKind::FormHandler : TGapKind::MissingProperty,
                 Owner + "." + Prop.Name + ": " + Reason.substr(0, Reason.rfind(" on line ")),
                 Line});
            continue;
        }
        Gaps.push_back({TGapKind::Other, Error, Line});
        return Gaps;
    }
    Gaps.push_back({TGapKind::Other, "too many errors", 0});
    return Gaps;
}

bool IsStandardGap(const TGap& Gap) {
    return Gap.Kind == TGapKind::MissingClass || Gap.Kind == TGapKind::MissingProperty ||
           Gap.Kind == TGapKind::Other;
}

} // namespace zt_test
