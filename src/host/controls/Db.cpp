#include "host/controls/Db.h"

#include "host/rtl/Conversions.h"
#include "host/rtl/Exceptions.h"
#include "host/rtl/HostErrors.h"
#include "host/rtl/StrUtils.h"
#include "host/typinfo/ClassBuilder.h"

#include <algorithm>

namespace host {

ZT_DEFINE_ENUM(TFieldType, "ftUnknown", "ftString", "ftSmallint", "ftInteger", "ftWord",
               "ftBoolean", "ftFloat", "ftCurrency", "ftBCD", "ftDate", "ftTime", "ftDateTime",
               "ftBytes", "ftVarBytes", "ftAutoInc", "ftBlob", "ftMemo", "ftGraphic", "ftFmtMemo",
               "ftParadoxOle", "ftDBaseOle", "ftTypedBinary", "ftCursor", "ftFixedChar",
               "ftWideString", "ftLargeint", "ftADT", "ftArray", "ftReference", "ftDataSet",
               "ftOraBlob", "ftOraClob", "ftVariant", "ftInterface", "ftIDispatch", "ftGuid",
               "ftTimeStamp", "ftFMTBcd", "ftFixedWideChar", "ftWideMemo")
ZT_DEFINE_ENUM(TFieldKind, "fkData", "fkCalculated", "fkLookup", "fkInternalCalc", "fkAggregate")
ZT_DEFINE_ENUM(TProviderFlag, "pfInUpdate", "pfInWhere", "pfInKey", "pfHidden")
ZT_DEFINE_SET(TProviderFlags)
ZT_DEFINE_ENUM(TAutoRefreshFlag, "arNone", "arAutoInc", "arDefault")
ZT_DEFINE_ENUM(TDataSetState, "dsInactive", "dsBrowse", "dsEdit", "dsInsert")

namespace {

[[noreturn]] void InvalidValue(const String& Value, const TField* Field) {
    throw EConvertError("'" + Value + "' is not a valid value for field '" + Field->DisplayName() +
                        "'");
}

} // namespace

// ---- TField ----

TClass TField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TField>("TField")
        .Prop("Alignment", &TField::Alignment, &TField::SetAlignment).Default(taLeftJustify)
        .Prop("AutoGenerateValue", &TField::AutoGenerateValue, &TField::SetAutoGenerateValue).Default(arNone)
        .Prop("ConstraintErrorMessage", &TField::ConstraintErrorMessage, &TField::SetConstraintErrorMessage)
        .Prop("CustomConstraint", &TField::CustomConstraint, &TField::SetCustomConstraint)
        .Prop("DefaultExpression", &TField::DefaultExpression, &TField::SetDefaultExpression)
        .Prop("DisplayLabel", &TField::DisplayLabel, &TField::SetDisplayLabel).Stored(&TField::IsDisplayLabelStored)
        .Prop("DisplayWidth", &TField::DisplayWidth, &TField::SetDisplayWidth).Stored(&TField::IsDisplayWidthStored)
        .Prop("EditMask", &TField::EditMask, &TField::SetEditMask)
        .Prop("FieldKind", &TField::FieldKind, &TField::SetFieldKind).Default(fkData)
        .Prop("FieldName", &TField::FieldName, &TField::SetFieldName)
        .Prop("KeyFields", &TField::KeyFields, &TField::SetKeyFields)
        .Prop("LookupKeyFields", &TField::LookupKeyFields, &TField::SetLookupKeyFields)
        .Prop("LookupResultField", &TField::LookupResultField, &TField::SetLookupResultField)
        .Prop("Origin", &TField::Origin, &TField::SetOrigin)
        .Prop("ProviderFlags", &TField::ProviderFlags, &TField::SetProviderFlags).Default(TProviderFlags{pfInUpdate, pfInWhere})
        .Prop("ReadOnly", &TField::ReadOnly, &TField::SetReadOnly).Default(false)
        .Prop("Required", &TField::Required, &TField::SetRequired).Default(false)
        .Prop("Visible", &TField::Visible, &TField::SetVisible).Default(true)
        .Prop("OnChange", &TField::OnChange, &TField::SetOnChange)
        .Prop("OnGetText", &TField::OnGetText, &TField::SetOnGetText)
        .Prop("OnSetText", &TField::OnSetText, &TField::SetOnSetText)
        .Prop("OnValidate", &TField::OnValidate, &TField::SetOnValidate)
        .NoCreate();
    // clang-format on
    return &Info;
}

TField::TField(TComponent* AOwner) : TComponent(AOwner) {}

TField::~TField() {
    if (FDataSet) FDataSet->RemoveField(this);
}

void TField::BeforeDestruction() {
    if (FDataSet) FDataSet->RemoveField(this);
    inherited::BeforeDestruction();
}

void TField::SetDataSet(TDataSet* Value) {
    if (FDataSet == Value) return;
    if (FDataSet) FDataSet->RemoveField(this);
    if (Value) Value->AddField(this);
}

TComponent* TField::GetParentComponent() const {
    return FDataSet;
}

void TField::SetParentComponent(TComponent* Value) {
    if (auto* D = As<TDataSet>(Value)) SetDataSet(D);
}

String TField::AsString() const {
    if (!FDataSet || !FDataSet->HasCurrent()) return {};
    const auto& Rec = FDataSet->FRecords[static_cast<std::size_t>(FDataSet->FCurrent)];
    const auto I = static_cast<std::size_t>(FDataSet->FieldIndex(this));
    return I < Rec.size() ? Rec[I] : String();
}

void TField::SetAsString(const String& Value) {
    if (!FDataSet || !FDataSet->HasCurrent()) throw EDatabaseError("No current record");
    if (FReadOnly) throw EDatabaseError("Field '" + DisplayName() + "' cannot be modified");
    if (FDataSet->FState == dsBrowse) FDataSet->Edit();
    String Stored = Value.empty() ? Value : Validate(Value);
    auto& Rec = FDataSet->FRecords[static_cast<std::size_t>(FDataSet->FCurrent)];
    const auto I = static_cast<std::size_t>(FDataSet->FieldIndex(this));
    if (Rec.size() <= I) Rec.resize(I + 1);
    Rec[I] = std::move(Stored);
    FOnChange(this);
    FDataSet->DataChanged(this);
}

Int64 TField::AsInteger() const {
    String S = AsString();
    return S.empty() ? 0 : StrToInt64(S);
}

// ---- typed fields ----

TClass TStringField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TStringField>("TStringField")
        .Prop("FixedChar", &TStringField::FixedChar, &TStringField::SetFixedChar).Default(false)
        .Prop("Size", &TStringField::Size, &TStringField::SetSize).Default(20)
        .Prop("Transliterate", &TStringField::Transliterate, &TStringField::SetTransliterate).Default(true);
    // clang-format on
    return &Info;
}

String TStringField::Validate(const String& Value) const {
    return Size() > 0 && static_cast<int>(Value.size()) > Size()
               ? Value.substr(0, static_cast<std::size_t>(Size()))
               : Value;
}

TClass TWideStringField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWideStringField>("TWideStringField");
    return &Info;
}

TClass TGuidField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TGuidField>("TGuidField")
        .Prop("Size", &TGuidField::Size, &TGuidField::SetSize).Default(38);
    // clang-format on
    return &Info;
}

TClass TNumericField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TNumericField>("TNumericField")
        .Prop("Alignment", &TNumericField::Alignment, &TNumericField::SetAlignment).Default(taRightJustify)
        .Prop("DisplayFormat", &TNumericField::DisplayFormat, &TNumericField::SetDisplayFormat)
        .Prop("EditFormat", &TNumericField::EditFormat, &TNumericField::SetEditFormat)
        .NoCreate();
    // clang-format on
    return &Info;
}

TClass TIntegerField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TIntegerField>("TIntegerField")
        .Prop("MaxValue", &TIntegerField::MaxValue, &TIntegerField::SetMaxValue).Default(0)
        .Prop("MinValue", &TIntegerField::MinValue, &TIntegerField::SetMinValue).Default(0);
    // clang-format on
    return &Info;
}

String TIntegerField::Validate(const String& Value) const {
    const std::optional<Int64> Parsed = TryStrToInt64(Trim(Value));
    if (!Parsed) InvalidValue(Value, this);
    const Int64 N = *Parsed;
    if ((FMinValue != 0 || FMaxValue != 0) && (N < FMinValue || N > FMaxValue))
        throw EDatabaseError(std::to_string(N) + " is not a valid value for field '" +
                             DisplayName() + "'. The allowed range is " +
                             std::to_string(FMinValue) + " to " + std::to_string(FMaxValue));
    return std::to_string(N);
}

TClass TSmallintField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TSmallintField>("TSmallintField");
    return &Info;
}

TClass TWordField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TWordField>("TWordField");
    return &Info;
}

TClass TAutoIncField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TAutoIncField>("TAutoIncField");
    return &Info;
}

TClass TLargeintField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TLargeintField>("TLargeintField");
    return &Info;
}

String TLargeintField::Validate(const String& Value) const {
    const std::optional<Int64> N = TryStrToInt64(Trim(Value));
    if (!N) InvalidValue(Value, this);
    return std::to_string(*N);
}

TClass TFloatField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TFloatField>("TFloatField")
        .Prop("Currency", &TFloatField::Currency, &TFloatField::SetCurrency).Default(false)
        .Prop("MaxValue", &TFloatField::MaxValue, &TFloatField::SetMaxValue)
        .Prop("MinValue", &TFloatField::MinValue, &TFloatField::SetMinValue)
        .Prop("Precision", &TFloatField::Precision, &TFloatField::SetPrecision).Default(15);
    // clang-format on
    return &Info;
}

String TFloatField::Validate(const String& Value) const {
    if (!TryStrToFloat(Trim(Value))) InvalidValue(Value, this);
    return Trim(Value);
}

TClass TCurrencyField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TCurrencyField>("TCurrencyField")
        .Prop("Currency", &TCurrencyField::Currency, &TCurrencyField::SetCurrency).Default(true);
    // clang-format on
    return &Info;
}

TClass TBooleanField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBooleanField>("TBooleanField")
        .Prop("DisplayValues", &TBooleanField::DisplayValues, &TBooleanField::SetDisplayValues);
    // clang-format on
    return &Info;
}

TClass TDateTimeField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDateTimeField>("TDateTimeField")
        .Prop("DisplayFormat", &TDateTimeField::DisplayFormat, &TDateTimeField::SetDisplayFormat);
    // clang-format on
    return &Info;
}

TClass TDateField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TDateField>("TDateField");
    return &Info;
}

TClass TTimeField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TTimeField>("TTimeField");
    return &Info;
}

TClass TBlobField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TBlobField>("TBlobField")
        .Prop("Size", &TBlobField::Size, &TBlobField::SetSize).Default(0);
    // clang-format on
    return &Info;
}

TClass TMemoField::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TMemoField>("TMemoField");
    return &Info;
}

TClass TDataSetField::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDataSetField>("TDataSetField")
        .Prop("IncludeObjectField", &TDataSetField::IncludeObjectField, &TDataSetField::SetIncludeObjectField).Default(false);
    // clang-format on
    return &Info;
}

// ---- definitions ----

TClass TFieldDef::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TFieldDef>("TFieldDef")
        .Prop("Name", &TFieldDef::Name, &TFieldDef::SetName)
        .Prop("DataType", &TFieldDef::DataType, &TFieldDef::SetDataType).Default(ftUnknown)
        .Prop("Precision", &TFieldDef::Precision, &TFieldDef::SetPrecision).Default(0)
        .Prop("Size", &TFieldDef::Size, &TFieldDef::SetSize).Default(0);
    // clang-format on
    return &Info;
}

TClass TFieldDefs::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TFieldDefs>("TFieldDefs").NoCreate();
    return &Info;
}

TClass TIndexDef::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TIndexDef>("TIndexDef")
        .Prop("Name", &TIndexDef::Name, &TIndexDef::SetName)
        .Prop("DescFields", &TIndexDef::DescFields, &TIndexDef::SetDescFields)
        .Prop("Fields", &TIndexDef::Fields, &TIndexDef::SetFields);
    // clang-format on
    return &Info;
}

TClass TIndexDefs::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TIndexDefs>("TIndexDefs").NoCreate();
    return &Info;
}

// ---- TDataSet ----

TClass TDataSet::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TDataSet>("TDataSet").NoCreate();
    return &Info;
}

TDataSet::TDataSet(TComponent* AOwner)
    : TComponent(AOwner), FFieldDefs(new TFieldDefs(this)), FIndexDefs(new TIndexDefs(this)) {}

TDataSet::~TDataSet() {
    for (TField* F : FFields)
        F->FDataSet = nullptr;
    std::vector<TDataSource*> Sources = std::move(FDataSources);
    FDataSources.clear();
    for (TDataSource* S : Sources)
        S->SetDataSet(nullptr);
}

void TDataSet::BeforeDestruction() {
    std::vector<TField*> Fields = std::move(FFields);
    FFields.clear();
    for (TField* F : Fields)
        F->FDataSet = nullptr;
    inherited::BeforeDestruction();
}

TField* TDataSet::Fields(int Index) const {
    if (Index < 0 || Index >= FieldCount()) RaiseListIndexError<EListError>(Index);
    return FFields[static_cast<std::size_t>(Index)];
}

TField* TDataSet::FindField(std::string_view FieldName) const {
    for (TField* F : FFields)
        if (SameText(F->FieldName(), FieldName)) return F;
    return nullptr;
}

TField* TDataSet::FieldByName(std::string_view FieldName) const {
    if (TField* F = FindField(FieldName)) return F;
    throw EDatabaseError(Name() + ": Field '" + String(FieldName) + "' not found");
}

void TDataSet::AddField(TField* Field) {
    FFields.push_back(Field);
    Field->FDataSet = this;
    for (auto& Rec : FRecords)
        Rec.resize(FFields.size());
}

void TDataSet::RemoveField(TField* Field) {
    const int I = FieldIndex(Field);
    if (I < 0) return;
    FFields.erase(FFields.begin() + I);
    for (auto& Rec : FRecords)
        if (static_cast<std::size_t>(I) < Rec.size()) Rec.erase(Rec.begin() + I);
    Field->FDataSet = nullptr;
}

int TDataSet::FieldIndex(const TField* Field) const {
    auto It = std::find(FFields.begin(), FFields.end(), Field);
    return It == FFields.end() ? -1 : static_cast<int>(It - FFields.begin());
}

void TDataSet::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    for (TField* F : FFields)
        if (F->Owner() == Root) Proc(F);
}

void TDataSet::SetChildOrder(TComponent* Child, int Order) {
    auto* F = As<TField>(Child);
    const int I = FieldIndex(F);
    if (I < 0) return;
    FFields.erase(FFields.begin() + I);
    Order = std::clamp(Order, 0, FieldCount());
    FFields.insert(FFields.begin() + Order, F);
}

void TDataSet::Loaded() {
    inherited::Loaded();
    if (FStreamedActive) SetActive(true);
}

void TDataSet::SetActive(bool Value) {
    if (ComponentState().Contains(csLoading)) {
        FStreamedActive = Value;
        return;
    }
    if (Value == Active()) return;
    if (Value) {
        FState = dsBrowse;
        FCurrent = FRecords.empty() ? -1 : 0;
        FBof = true;
        FEof = FRecords.empty();
        FAfterOpen(this);
    } else {
        FState = dsInactive;
        FCurrent = -1;
        FBof = FEof = true;
    }
    for (TDataSource* S : FDataSources)
        S->StateChanged();
    DataChanged(nullptr);
}

void TDataSet::CheckActive() const {
    if (!Active()) throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

void TDataSet::First() {
    CheckActive();
    if (FState != dsBrowse) Post();
    FCurrent = FRecords.empty() ? -1 : 0;
    FBof = true;
    FEof = FRecords.empty();
    FAfterScroll(this);
    DataChanged(nullptr);
}

void TDataSet::Last() {
    CheckActive();
    if (FState != dsBrowse) Post();
    FCurrent = RecordCount() - 1;
    FEof = true;
    FBof = FRecords.empty();
    FAfterScroll(this);
    DataChanged(nullptr);
}

void TDataSet::Next() {
    CheckActive();
    if (FState != dsBrowse) Post();
    FBof = false;
    if (FCurrent + 1 >= RecordCount()) {
        FEof = true;
        return;
    }
    ++FCurrent;
    FAfterScroll(this);
    DataChanged(nullptr);
}

void TDataSet::Prior() {
    CheckActive();
    if (FState != dsBrowse) Post();
    FEof = false;
    if (FCurrent <= 0) {
        FBof = true;
        return;
    }
    --FCurrent;
    FAfterScroll(this);
    DataChanged(nullptr);
}

void TDataSet::Append() {
    CheckActive();
    if (FState != dsBrowse) Post();
    FRecords.emplace_back(FFields.size());
    FCurrent = RecordCount() - 1;
    FState = dsInsert;
    FBof = FEof = false;
    FOnNewRecord(this);
    for (TDataSource* S : FDataSources)
        S->StateChanged();
    DataChanged(nullptr);
}

void TDataSet::Edit() {
    CheckActive();
    if (FState != dsBrowse) return;
    if (!HasCurrent()) throw EDatabaseError("No current record");
    FSaved = FRecords[static_cast<std::size_t>(FCurrent)];
    FState = dsEdit;
    for (TDataSource* S : FDataSources)
        S->StateChanged();
}

void TDataSet::Post() {
    CheckActive();
    if (FState == dsBrowse) return;
    FBeforePost(this);
    for (TField* F : FFields)
        if (F->Required() && F->IsNull())
            throw EDatabaseError("Field '" + F->DisplayName() + "' must have a value");
    FState = dsBrowse;
    FSaved.clear();
    FAfterPost(this);
    for (TDataSource* S : FDataSources)
        S->StateChanged();
}

void TDataSet::Cancel() {
    CheckActive();
    if (FState == dsInsert) {
        FRecords.erase(FRecords.begin() + FCurrent);
        FCurrent = std::min(FCurrent, RecordCount() - 1);
    } else if (FState == dsEdit) {
        FRecords[static_cast<std::size_t>(FCurrent)] = FSaved;
    }
    FSaved.clear();
    FState = dsBrowse;
    FEof = FRecords.empty();
    for (TDataSource* S : FDataSources)
        S->StateChanged();
    DataChanged(nullptr);
}

void TDataSet::Delete() {
    CheckActive();
    if (!HasCurrent()) throw EDatabaseError("No current record");
    FBeforeDelete(this);
    FRecords.erase(FRecords.begin() + FCurrent);
    FState = dsBrowse;
    FCurrent = std::min(FCurrent, RecordCount() - 1);
    FEof = FRecords.empty();
    DataChanged(nullptr);
}

void TDataSet::AddDataSource(TDataSource* Source) {
    if (std::find(FDataSources.begin(), FDataSources.end(), Source) == FDataSources.end())
        FDataSources.push_back(Source);
}

void TDataSet::RemoveDataSource(TDataSource* Source) {
    std::erase(FDataSources, Source);
}

void TDataSet::DataChanged(TField* Field) {
    std::vector<TDataSource*> Sources = FDataSources;
    for (TDataSource* S : Sources)
        S->DataChanged(Field);
}

// ---- TDataSource ----

TClass TDataSource::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TDataSource>("TDataSource")
        .Prop("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(true)
        .Prop("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet)
        .Prop("Enabled", &TDataSource::Enabled, &TDataSource::SetEnabled).Default(true)
        .Prop("OnStateChange", &TDataSource::OnStateChange, &TDataSource::SetOnStateChange)
        .Prop("OnDataChange", &TDataSource::OnDataChange, &TDataSource::SetOnDataChange)
        .Prop("OnUpdateData", &TDataSource::OnUpdateData, &TDataSource::SetOnUpdateData);
    // clang-format on
    return &Info;
}

TDataSource::~TDataSource() {
    if (FDataSet) FDataSet->RemoveDataSource(this);
}

void TDataSource::SetDataSet(TDataSet* Value) {
    if (FDataSet == Value) return;
    if (FDataSet) {
        FDataSet->RemoveDataSource(this);
        FDataSet->RemoveFreeNotification(this);
    }
    FDataSet = Value;
    if (Value) {
        Value->AddDataSource(this);
        Value->FreeNotification(this);
    }
}

void TDataSource::DataChanged(TField* Field) {
    if (FEnabled) FOnDataChange(this, Field);
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataSet) FDataSet = nullptr;
}

} // namespace host
