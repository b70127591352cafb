#include "host/controls/DbGrids.h"

#include "host/classes/StringList.h"
#include "host/controls/ControlProps.h"
#include "host/controls/Menus.h"
#include "host/typinfo/ClassBuilder.h"

namespace host {

ZT_DEFINE_ENUM(TColumnButtonStyle, "cbsAuto", "cbsEllipsis", "cbsNone")
ZT_DEFINE_ENUM(TDBGridOption, "dgEditing", "dgAlwaysShowEditor", "dgTitles", "dgIndicator",
               "dgColumnResize", "dgColLines", "dgRowLines", "dgTabs", "dgRowSelect",
               "dgAlwaysShowSelection", "dgConfirmDelete", "dgCancelOnExit", "dgMultiSelect",
               "dgTitleClick", "dgTitleHotTrack")
ZT_DEFINE_SET(TDBGridOptions)

// ---- TColumnTitle ----

TClass TColumnTitle::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TColumnTitle>("TColumnTitle")
        .Prop("Alignment", &TColumnTitle::Alignment, &TColumnTitle::SetAlignment).Default(taLeftJustify)
        .Prop("Caption", &TColumnTitle::Caption, &TColumnTitle::SetCaption).Stored(&TColumnTitle::IsCaptionStored)
        .Prop("Color", &TColumnTitle::Color, &TColumnTitle::SetColor).Default(clBtnFace)
        .Prop("Font", &TColumnTitle::Font, &TColumnTitle::SetFont).Stored(&TColumnTitle::IsFontStored)
        .NoCreate();
    // clang-format on
    return &Info;
}

TColumnTitle::TColumnTitle(TColumn* Column) : FColumn(Column), FFont(new TFont) {
    FFont->SetOnChange(TNotifyEvent(this, &TColumnTitle::FontChanged));
}

TColumnTitle::~TColumnTitle() {}

String TColumnTitle::Caption() const {
    if (FCaptionAssigned) return FCaption;
    if (TField* F = FColumn->Field()) return F->DisplayLabel();
    return FColumn->FieldName();
}

// The default caption set again counts as none, so that putting the design text back (as
// the form translator does) leaves the title unassigned.
void TColumnTitle::SetCaption(const String& Value) {
    FCaptionAssigned = false;
    FCaptionAssigned = Value != Caption();
    FCaption = FCaptionAssigned ? Value : String();
}

void TColumnTitle::Assign(const TPersistent* Source) {
    auto* S = As<TColumnTitle>(Source);
    if (!S) return inherited::Assign(Source);
    FAlignment = S->FAlignment;
    FCaption = S->FCaption;
    FCaptionAssigned = S->FCaptionAssigned;
    FColor = S->FColor;
    FFont->Assign(S->FFont.get());
    FFontAssigned = S->FFontAssigned;
}

TPersistent* TColumnTitle::GetOwner() const {
    return FColumn;
}

// ---- TColumn ----

TClass TColumn::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TColumn>("TColumn")
        .Prop("Alignment", &TColumn::Alignment, &TColumn::SetAlignment).Default(taLeftJustify)
        .Prop("ButtonStyle", &TColumn::ButtonStyle, &TColumn::SetButtonStyle).Default(cbsAuto)
        .Prop("Color", &TColumn::Color, &TColumn::SetColor).Default(clWindow)
        .Prop("DropDownRows", &TColumn::DropDownRows, &TColumn::SetDropDownRows).Default(7)
        .Prop("Expanded", &TColumn::Expanded, &TColumn::SetExpanded).Default(true)
        .Prop("FieldName", &TColumn::FieldName, &TColumn::SetFieldName)
        .Prop("Font", &TColumn::Font, &TColumn::SetFont).Stored(&TColumn::IsFontStored)
        .Prop("PickList", &TColumn::PickList, &TColumn::SetPickList).Stored(&TColumn::IsPickListStored)
        .Prop("ReadOnly", &TColumn::ReadOnly, &TColumn::SetReadOnly).Default(false)
        .Prop("Title", &TColumn::Title, &TColumn::SetTitle)
        .Prop("Width", &TColumn::Width, &TColumn::SetWidth).Stored(&TColumn::IsWidthStored)
        .Prop("Visible", &TColumn::Visible, &TColumn::SetVisible).Default(true);
    // clang-format on
    return &Info;
}

TColumn::TColumn(TCollection* Collection)
    : TCollectionItem(Collection), FFont(new TFont), FPickList(new TStringList),
      FTitle(new TColumnTitle(this)) {
    FFont->SetOnChange(TNotifyEvent(this, &TColumn::FontChanged));
}

TColumn::~TColumn() {}

void TColumn::SetPickList(TStrings* Value) {
    FPickList->Assign(Value);
}

bool TColumn::IsPickListStored() const {
    return FPickList->Count() > 0;
}

void TColumn::SetWidth(int Value) {
    FWidth = Value;
    FWidthAssigned = true;
}

int TColumn::DefaultWidth() const {
    if (TField* F = Field()) return F->DisplayWidth() * 7 + 4;
    return 64;
}

TDBGrid* TColumn::Grid() const {
    return Collection() ? As<TDBGrid>(Collection()->GetOwner()) : nullptr;
}

TField* TColumn::Field() const {
    TDBGrid* G = Grid();
    if (!G || !G->DataSource() || !G->DataSource()->DataSet()) return nullptr;
    return G->DataSource()->DataSet()->FindField(FFieldName);
}

String TColumn::DisplayName() const {
    return FFieldName.empty() ? inherited::DisplayName() : FFieldName;
}

void TColumn::Assign(const TPersistent* Source) {
    auto* S = As<TColumn>(Source);
    if (!S) return inherited::Assign(Source);
    FAlignment = S->FAlignment;
    FButtonStyle = S->FButtonStyle;
    FColor = S->FColor;
    FDropDownRows = S->FDropDownRows;
    FExpanded = S->FExpanded;
    FFieldName = S->FFieldName;
    FFont->Assign(S->FFont.get());
    FFontAssigned = S->FFontAssigned;
    FPickList->Assign(S->FPickList.get());
    FReadOnly = S->FReadOnly;
    FTitle->Assign(S->FTitle.get());
    FVisible = S->FVisible;
    FWidth = S->FWidth;
    FWidthAssigned = S->FWidthAssigned;
}

TClass TDBGridColumns::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TDBGridColumns>("TDBGridColumns").NoCreate();
    return &Info;
}

// ---- TDBGrid ----

TClass TDBGrid::StaticClass() {
    const TDBGridOptions DefaultOptions{
        dgEditing, dgTitles,        dgIndicator,    dgColumnResize, dgColLines,     dgRowLines,
        dgTabs,    dgConfirmDelete, dgCancelOnExit, dgTitleClick,   dgTitleHotTrack};
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDBGrid>("TDBGrid")
        .Prop("Align", &TDBGrid::Align, &TDBGrid::SetAlign).Default(alNone)
        .Prop("Anchors", &TDBGrid::Anchors, &TDBGrid::SetAnchors).Default(TAnchors{akLeft, akTop})
        .Prop("BorderStyle", &TDBGrid::BorderStyle, &TDBGrid::SetBorderStyle).Default(bsSingle)
        .Prop("Color", &TDBGrid::Color, &TDBGrid::SetColor).Stored(&TDBGrid::IsColorStored)
        .Prop("Columns", &TDBGrid::Columns, &TDBGrid::SetColumns)
        .Prop("DataSource", &TDBGrid::DataSource, &TDBGrid::SetDataSource)
        .Prop("DefaultDrawing", &TDBGrid::DefaultDrawing, &TDBGrid::SetDefaultDrawing).Default(true)
        .Prop("Enabled", &TDBGrid::Enabled, &TDBGrid::SetEnabled).Default(true)
        .Prop("FixedColor", &TDBGrid::FixedColor, &TDBGrid::SetFixedColor).Default(clBtnFace)
        .Prop("Font", &TDBGrid::Font, &TDBGrid::SetFont).Stored(&TDBGrid::IsFontStored)
        .Prop("Options", &TDBGrid::Options, &TDBGrid::SetOptions).Default(DefaultOptions)
        .Prop("ParentColor", &TDBGrid::ParentColor, &TDBGrid::SetParentColor).Default(false)
        .Prop("ParentFont", &TDBGrid::ParentFont, &TDBGrid::SetParentFont).Default(true)
        .Prop("ParentShowHint", &TDBGrid::ParentShowHint, &TDBGrid::SetParentShowHint).Default(true)
        .Prop("PopupMenu", &TDBGrid::PopupMenu, &TDBGrid::SetPopupMenu)
        .Prop("ReadOnly", &TDBGrid::ReadOnly, &TDBGrid::SetReadOnly).Default(false)
        .Prop("ShowHint", &TDBGrid::ShowHint, &TDBGrid::SetShowHint).Stored(&TDBGrid::IsShowHintStored)
        .Prop("TabOrder", &TDBGrid::TabOrder, &TDBGrid::SetTabOrder).Default(-1)
        .Prop("TabStop", &TDBGrid::TabStop, &TDBGrid::SetTabStop).Default(true)
        .Prop("TitleFont", &TDBGrid::TitleFont, &TDBGrid::SetTitleFont)
        .Prop("Visible", &TDBGrid::Visible, &TDBGrid::SetVisible).Default(true)
        .Prop("OnCellClick", &TDBGrid::OnCellClick, &TDBGrid::SetOnCellClick)
        .Prop("OnColEnter", &TDBGrid::OnColEnter, &TDBGrid::SetOnColEnter)
        .Prop("OnColExit", &TDBGrid::OnColExit, &TDBGrid::SetOnColExit)
        .Prop("OnDblClick", &TDBGrid::OnDblClick, &TDBGrid::SetOnDblClick)
        .Prop("OnEditButtonClick", &TDBGrid::OnEditButtonClick, &TDBGrid::SetOnEditButtonClick)
        .Prop("OnTitleClick", &TDBGrid::OnTitleClick, &TDBGrid::SetOnTitleClick)
        .With(WinControlProps).With(KeyEvents);
    // clang-format on
    return &Info;
}

TDBGrid::TDBGrid(TComponent* AOwner)
    : TWinControl(AOwner), FColumns(new TDBGridColumns(this)), FTitleFont(new TFont) {
    SetBounds(0, 0, 320, 120);
    SetTabStop(true);
    SetParentColor(false);
    SetColor(clWindow);
}

TDBGrid::~TDBGrid() {}

void TDBGrid::SetDataSource(TDataSource* Value) {
    if (FDataSource == Value) return;
    if (FDataSource) FDataSource->RemoveFreeNotification(this);
    FDataSource = Value;
    if (Value) Value->FreeNotification(this);
}

void TDBGrid::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataSource) FDataSource = nullptr;
}

std::vector<std::vector<String>> TDBGrid::Cells() const {
    std::vector<std::vector<String>> Rows(1);
    TDataSet* DS = FDataSource ? FDataSource->DataSet() : nullptr;
    std::vector<TField*> Fields;
    if (FColumns->Count() > 0) {
        for (int i = 0; i < FColumns->Count(); ++i) {
            TColumn* C = FColumns->Items(i);
            if (!C->Visible()) continue;
            Rows[0].push_back(C->Title()->Caption());
            Fields.push_back(C->Field());
        }
    } else if (DS) {
        for (int i = 0; i < DS->FieldCount(); ++i)
            if (DS->Fields(i)->Visible()) {
                Rows[0].push_back(DS->Fields(i)->DisplayLabel());
                Fields.push_back(DS->Fields(i));
            }
    }
    if (!DS || !DS->Active()) return Rows;
    const int Saved = DS->RecNo();
    for (DS->First(); !DS->Eof(); DS->Next()) {
        std::vector<String> Row;
        for (TField* F : Fields)
            Row.push_back(F ? F->AsString() : String());
        Rows.push_back(std::move(Row));
    }
    DS->First();
    for (int i = 0; i < Saved; ++i)
        DS->Next();
    return Rows;
}

} // namespace host
