// Data access: TDataSet, a table of records with persistent fields (TField and its typed
// descendants, written in the form as the data set's children, each with the DisplayLabel
// that grids and messages show); TDataSource, which connects data-aware controls to a data
// set. Records are kept in memory as texts per field.
#pragma once

#include <memory>

#include "host/classes/Collection.h"
#include "host/classes/Component.h"
#include "host/controls/Controls.h"

#include <vector>

namespace host {

class TDataSet;
class TDataSource;
class TStrings;

enum TFieldType {
    ftUnknown,
    ftString,
    ftSmallint,
    ftInteger,
    ftWord,
    ftBoolean,
    ftFloat,
    ftCurrency,
    ftBCD,
    ftDate,
    ftTime,
    ftDateTime,
    ftBytes,
    ftVarBytes,
    ftAutoInc,
    ftBlob,
    ftMemo,
    ftGraphic,
    ftFmtMemo,
    ftParadoxOle,
    ftDBaseOle,
    ftTypedBinary,
    ftCursor,
    ftFixedChar,
    ftWideString,
    ftLargeint,
    ftADT,
    ftArray,
    ftReference,
    ftDataSet,
    ftOraBlob,
    ftOraClob,
    ftVariant,
    ftInterface,
    ftIDispatch,
    ftGuid,
    ftTimeStamp,
    ftFMTBcd,
    ftFixedWideChar,
    ftWideMemo
};
enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };
enum TProviderFlag { pfInUpdate, pfInWhere, pfInKey, pfHidden };
using TProviderFlags = TSet<TProviderFlag>;
enum TAutoRefreshFlag { arNone, arAutoInc, arDefault };
enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

ZT_EVENT_TYPE(TFieldNotifyEvent, TObject*);
ZT_EVENT_TYPE(TFieldGetTextEvent, TObject*, String&, bool);
ZT_EVENT_TYPE(TFieldSetTextEvent, TObject*, const String&);
ZT_EVENT_TYPE(TDataChangeEvent, TObject*, TObject*);
ZT_EVENT_TYPE(TDataSetNotifyEvent, TObject*);

// One column of a data set. The value of the current record is read and written as text
// (AsString) or as a number; typed descendants check what they are given.
class TField : public TComponent {
    ZT_CLASS(TField, TComponent)
public:
    explicit TField(TComponent* AOwner);
    ~TField() override;
    void BeforeDestruction() override;

    TDataSet* DataSet() const { return FDataSet; }
    // Joins Value's fields (at the end) after leaving its present data set.
    void SetDataSet(TDataSet* Value);
    const String& FieldName() const { return FFieldName; }
    void SetFieldName(const String& Value) { FFieldName = Value; }
    // The label shown for the field: FieldName until one is set.
    String DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
    void SetDisplayLabel(const String& Value) {
        FDisplayLabel = Value == FFieldName ? String() : Value;
    }
    bool IsDisplayLabelStored() const { return !FDisplayLabel.empty(); }
    String DisplayName() const { return DisplayLabel(); }
    int DisplayWidth() const { return FDisplayWidth > 0 ? FDisplayWidth : DefaultDisplayWidth(); }
    void SetDisplayWidth(int Value) { FDisplayWidth = Value; }
    bool IsDisplayWidthStored() const { return FDisplayWidth > 0; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value) { FAlignment = Value; }
    TAutoRefreshFlag AutoGenerateValue() const { return FAutoGenerateValue; }
    void SetAutoGenerateValue(TAutoRefreshFlag Value) { FAutoGenerateValue = Value; }
    const String& ConstraintErrorMessage() const { return FConstraintErrorMessage; }
    void SetConstraintErrorMessage(const String& Value) { FConstraintErrorMessage = Value; }
    const String& CustomConstraint() const { return FCustomConstraint; }
    void SetCustomConstraint(const String& Value) { FCustomConstraint = Value; }
    const String& DefaultExpression() const { return FDefaultExpression; }
    void SetDefaultExpression(const String& Value) { FDefaultExpression = Value; }
    const String& EditMask() const { return FEditMask; }
    void SetEditMask(const String& Value) { FEditMask = Value; }
    TFieldKind FieldKind() const { return FFieldKind; }
    void SetFieldKind(TFieldKind Value) { FFieldKind = Value; }
    const String& KeyFields() const { return FKeyFields; }
    void SetKeyFields(const String& Value) { FKeyFields = Value; }
    const String& LookupDataSetName() const { return FLookupKeyFields; }
    const String& LookupKeyFields() const { return FLookupKeyFields; }
    void SetLookupKeyFields(const String& Value) { FLookupKeyFields = Value; }
    const String& LookupResultField() const { return FLookupResultField; }
    void SetLookupResultField(const String& Value) { FLookupResultField = Value; }
    const String& Origin() const { return FOrigin; }
    void SetOrigin(const String& Value) { FOrigin = Value; }
    TProviderFlags ProviderFlags() const { return FProviderFlags; }
    void SetProviderFlags(TProviderFlags Value) { FProviderFlags = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool Required() const { return FRequired; }
    void SetRequired(bool Value) { FRequired = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    // Size of the value (string length of string fields); 0 for fixed-size types.
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }
    virtual TFieldType DataType() const { return ftUnknown; }

    const TFieldNotifyEvent& OnChange() const { return FOnChange; }
    void SetOnChange(const TFieldNotifyEvent& Value) { FOnChange = Value; }
    const TFieldGetTextEvent& OnGetText() const { return FOnGetText; }
    void SetOnGetText(const TFieldGetTextEvent& Value) { FOnGetText = Value; }
    const TFieldSetTextEvent& OnSetText() const { return FOnSetText; }
    void SetOnSetText(const TFieldSetTextEvent& Value) { FOnSetText = Value; }
    const TFieldNotifyEvent& OnValidate() const { return FOnValidate; }
    void SetOnValidate(const TFieldNotifyEvent& Value) { FOnValidate = Value; }

    // The value in the current record. Raises EDatabaseError "No current record" when the
    // data set has none, "Field 'X' cannot be modified" for a read-only field, and for a
    // value the field's type refuses "'v' is not a valid value for field 'X'".
    String AsString() const;
    void SetAsString(const String& Value);
    Int64 AsInteger() const;
    void SetAsInteger(Int64 Value) { SetAsString(std::to_string(Value)); }
    bool IsNull() const { return AsString().empty(); }

    // Written inside its data set.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

protected:
    virtual int DefaultDisplayWidth() const { return 10; }
    // The text to store for Value, or raises the conversion error.
    virtual String Validate(const String& Value) const { return Value; }
    String FFieldName;

private:
    friend class TDataSet;
    TDataSet* FDataSet = nullptr;
    String FDisplayLabel;
    int FDisplayWidth = 0;
    TAlignment FAlignment = taLeftJustify;
    TAutoRefreshFlag FAutoGenerateValue = arNone;
    String FConstraintErrorMessage;
    String FCustomConstraint;
    String FDefaultExpression;
    String FEditMask;
    TFieldKind FFieldKind = fkData;
    String FKeyFields;
    String FLookupKeyFields;
    String FLookupResultField;
    String FOrigin;
    TProviderFlags FProviderFlags{pfInUpdate, pfInWhere};
    bool FReadOnly = false;
    bool FRequired = false;
    bool FVisible = true;
    int FSize = 0;
    TFieldNotifyEvent FOnChange;
    TFieldGetTextEvent FOnGetText;
    TFieldSetTextEvent FOnSetText;
    TFieldNotifyEvent FOnValidate;
};

class TStringField : public TField {
    ZT_CLASS(TStringField, TField)
public:
    explicit TStringField(TComponent* AOwner) : TField(AOwner) { SetSize(20); }
    bool FixedChar() const { return FFixedChar; }
    void SetFixedChar(bool Value) { FFixedChar = Value; }
    bool Transliterate() const { return FTransliterate; }
    void SetTransliterate(bool Value) { FTransliterate = Value; }
    TFieldType DataType() const override { return ftString; }

protected:
    int DefaultDisplayWidth() const override { return Size(); }
    // Longer texts are cut to Size.
    String Validate(const String& Value) const override;

private:
    bool FFixedChar = false;
    bool FTransliterate = true;
};

class TWideStringField : public TStringField {
    ZT_CLASS(TWideStringField, TStringField)
public:
    explicit TWideStringField(TComponent* AOwner) : TStringField(AOwner) {}
    TFieldType DataType() const override { return ftWideString; }
};

class TGuidField : public TStringField {
    ZT_CLASS(TGuidField, TStringField)
public:
    explicit TGuidField(TComponent* AOwner) : TStringField(AOwner) { SetSize(38); }
    TFieldType DataType() const override { return ftGuid; }
};

class TNumericField : public TField {
    ZT_CLASS(TNumericField, TField)
public:
    explicit TNumericField(TComponent* AOwner) : TField(AOwner) { SetAlignment(taRightJustify); }
    const String& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const String& Value) { FDisplayFormat = Value; }
    const String& EditFormat() const { return FEditFormat; }
    void SetEditFormat(const String& Value) { FEditFormat = Value; }

private:
    String FDisplayFormat;
    String FEditFormat;
};

// Whole numbers within MinValue .. MaxValue (no limit while both are 0).
class TIntegerField : public TNumericField {
    ZT_CLASS(TIntegerField, TNumericField)
public:
    explicit TIntegerField(TComponent* AOwner) : TNumericField(AOwner) {}
    Int64 MaxValue() const { return FMaxValue; }
    void SetMaxValue(Int64 Value) { FMaxValue = Value; }
    Int64 MinValue() const { return FMinValue; }
    void SetMinValue(Int64 Value) { FMinValue = Value; }
    TFieldType DataType() const override { return ftInteger; }

protected:
    String Validate(const String& Value) const override;

private:
    Int64 FMaxValue = 0;
    Int64 FMinValue = 0;
};

class TSmallintField : public TIntegerField {
    ZT_CLASS(TSmallintField, TIntegerField)
public:
    explicit TSmallintField(TComponent* AOwner) : TIntegerField(AOwner) {}
    TFieldType DataType() const override { return ftSmallint; }
};

class TWordField : public TIntegerField {
    ZT_CLASS(TWordField, TIntegerField)
public:
    explicit TWordField(TComponent* AOwner) : TIntegerField(AOwner) {}
    TFieldType DataType() const override { return ftWord; }
};

class TAutoIncField : public TIntegerField {
    ZT_CLASS(TAutoIncField, TIntegerField)
public:
    explicit TAutoIncField(TComponent* AOwner) : TIntegerField(AOwner) {}
    TFieldType DataType() const override { return ftAutoInc; }
};

class TLargeintField : public TNumericField {
    ZT_CLASS(TLargeintField, TNumericField)
public:
    explicit TLargeintField(TComponent* AOwner) : TNumericField(AOwner) {}
    TFieldType DataType() const override { return ftLargeint; }

protected:
    String Validate(const String& Value) const override;
};

class TFloatField : public TNumericField {
    ZT_CLASS(TFloatField, TNumericField)
public:
    explicit TFloatField(TComponent* AOwner) : TNumericField(AOwner) {}
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool Value) { FCurrency = Value; }
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double Value) { FMaxValue = Value; }
    double MinValue() const { return FMinValue; }
    void SetMinValue(double Value) { FMinValue = Value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value) { FPrecision = Value; }
    TFieldType DataType() const override { return ftFloat; }

protected:
    String Validate(const String& Value) const override;

private:
    bool FCurrency = false;
    double FMaxValue = 0;
    double FMinValue = 0;
    int FPrecision = 15;
};

class TCurrencyField : public TFloatField {
    ZT_CLASS(TCurrencyField, TFloatField)
public:
    explicit TCurrencyField(TComponent* AOwner) : TFloatField(AOwner) { SetCurrency(true); }
    TFieldType DataType() const override { return ftCurrency; }
};

class TBooleanField : public TField {
    ZT_CLASS(TBooleanField, TField)
public:
    explicit TBooleanField(TComponent* AOwner) : TField(AOwner) {}
    // "True;False" or the application's own pair of texts.
    const String& DisplayValues() const { return FDisplayValues; }
    void SetDisplayValues(const String& Value) { FDisplayValues = Value; }
    TFieldType DataType() const override { return ftBoolean; }

private:
    String FDisplayValues;
};

class TDateTimeField : public TField {
    ZT_CLASS(TDateTimeField, TField)
public:
    explicit TDateTimeField(TComponent* AOwner) : TField(AOwner) {}
    const String& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(const String& Value) { FDisplayFormat = Value; }
    TFieldType DataType() const override { return ftDateTime; }

private:
    String FDisplayFormat;
};

class TDateField : public TDateTimeField {
    ZT_CLASS(TDateField, TDateTimeField)
public:
    explicit TDateField(TComponent* AOwner) : TDateTimeField(AOwner) {}
    TFieldType DataType() const override { return ftDate; }
};

class TTimeField : public TDateTimeField {
    ZT_CLASS(TTimeField, TDateTimeField)
public:
    explicit TTimeField(TComponent* AOwner) : TDateTimeField(AOwner) {}
    TFieldType DataType() const override { return ftTime; }
};

enum TBlobType { ftBlobDefault };

class TBlobField : public TField {
    ZT_CLASS(TBlobField, TField)
public:
    explicit TBlobField(TComponent* AOwner) : TField(AOwner) {}
    TFieldType DataType() const override { return ftBlob; }
};

class TMemoField : public TBlobField {
    ZT_CLASS(TMemoField, TBlobField)
public:
    explicit TMemoField(TComponent* AOwner) : TBlobField(AOwner) {}
    TFieldType DataType() const override { return ftMemo; }
};

// A field that holds a nested data set.
class TDataSetField : public TField {
    ZT_CLASS(TDataSetField, TField)
public:
    explicit TDataSetField(TComponent* AOwner) : TField(AOwner) {}
    bool IncludeObjectField() const { return FIncludeObjectField; }
    void SetIncludeObjectField(bool Value) { FIncludeObjectField = Value; }
    TFieldType DataType() const override { return ftDataSet; }

private:
    bool FIncludeObjectField = false;
};

// One field definition of a data set (FieldDefs).
class TFieldDef : public TCollectionItem {
    ZT_CLASS(TFieldDef, TCollectionItem)
public:
    explicit TFieldDef(TCollection* Collection) : TCollectionItem(Collection) {}
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType Value) { FDataType = Value; }
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value) { FPrecision = Value; }
    int Size() const { return FSize; }
    void SetSize(int Value) { FSize = Value; }
    String DisplayName() const override { return FName; }

private:
    String FName;
    TFieldType FDataType = ftUnknown;
    int FPrecision = 0;
    int FSize = 0;
};

class TFieldDefs : public TOwnedCollection {
    ZT_CLASS(TFieldDefs, TOwnedCollection)
public:
    explicit TFieldDefs(TPersistent* Owner) : TOwnedCollection(Owner, TFieldDef::StaticClass()) {}
};

// One index definition of a data set (IndexDefs).
class TIndexDef : public TCollectionItem {
    ZT_CLASS(TIndexDef, TCollectionItem)
public:
    explicit TIndexDef(TCollection* Collection) : TCollectionItem(Collection) {}
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    const String& Fields() const { return FFields; }
    void SetFields(const String& Value) { FFields = Value; }
    const String& DescFields() const { return FDescFields; }
    void SetDescFields(const String& Value) { FDescFields = Value; }
    String DisplayName() const override { return FName; }

private:
    String FName;
    String FFields;
    String FDescFields;
};

class TIndexDefs : public TOwnedCollection {
    ZT_CLASS(TIndexDefs, TOwnedCollection)
public:
    explicit TIndexDefs(TPersistent* Owner) : TOwnedCollection(Owner, TIndexDef::StaticClass()) {}
};

// A table of records held in memory, with persistent fields (its children in the form).
// Open makes the records reachable; the cursor moves with First, Next, Prior and Last.
class TDataSet : public TComponent {
    ZT_CLASS(TDataSet, TComponent)
public:
    explicit TDataSet(TComponent* AOwner);
    ~TDataSet() override;
    void BeforeDestruction() override;

    int FieldCount() const { return static_cast<int>(FFields.size()); }
    // Raises EListError "List index out of bounds (i)" for a bad index.
    TField* Fields(int Index) const;
    // The field of that name (case ignored), or nullptr.
    TField* FindField(std::string_view FieldName) const;
    // Raises EDatabaseError "X: Field 'Y' not found".
    TField* FieldByName(std::string_view FieldName) const;
    TFieldDefs* FieldDefs() const { return FFieldDefs.get(); }
    void SetFieldDefs(TFieldDefs* Value) { FFieldDefs->Assign(Value); }
    TIndexDefs* IndexDefs() const { return FIndexDefs.get(); }
    void SetIndexDefs(TIndexDefs* Value) { FIndexDefs->Assign(Value); }
    bool StoreDefs() const { return FStoreDefs; }
    void SetStoreDefs(bool Value) { FStoreDefs = Value; }

    bool Active() const { return FState != dsInactive; }
    void SetActive(bool Value);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return FState; }
    int RecordCount() const { return static_cast<int>(FRecords.size()); }
    // Index of the current record, -1 when there is none.
    int RecNo() const { return FCurrent; }
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }
    void First();
    void Next();
    void Prior();
    void Last();
    // A new empty record at the end, in insert state; Post keeps it, Cancel drops it.
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();

    const TDataSetNotifyEvent& AfterOpen() const { return FAfterOpen; }
    void SetAfterOpen(const TDataSetNotifyEvent& Value) { FAfterOpen = Value; }
    const TDataSetNotifyEvent& AfterPost() const { return FAfterPost; }
    void SetAfterPost(const TDataSetNotifyEvent& Value) { FAfterPost = Value; }
    const TDataSetNotifyEvent& AfterScroll() const { return FAfterScroll; }
    void SetAfterScroll(const TDataSetNotifyEvent& Value) { FAfterScroll = Value; }
    const TDataSetNotifyEvent& BeforePost() const { return FBeforePost; }
    void SetBeforePost(const TDataSetNotifyEvent& Value) { FBeforePost = Value; }
    const TDataSetNotifyEvent& BeforeDelete() const { return FBeforeDelete; }
    void SetBeforeDelete(const TDataSetNotifyEvent& Value) { FBeforeDelete = Value; }
    const TDataSetNotifyEvent& OnNewRecord() const { return FOnNewRecord; }
    void SetOnNewRecord(const TDataSetNotifyEvent& Value) { FOnNewRecord = Value; }

    // The persistent fields owned by Root, in field order.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    void SetChildOrder(TComponent* Child, int Order) override;
    void Loaded() override;

    // Data sources linked to this data set are told after every change.
    void AddDataSource(TDataSource* Source);
    void RemoveDataSource(TDataSource* Source);

private:
    friend class TField;
    void AddField(TField* Field);
    void RemoveField(TField* Field);
    int FieldIndex(const TField* Field) const;
    void DataChanged(TField* Field);
    void CheckActive() const;
    bool HasCurrent() const { return FCurrent >= 0 && FCurrent < RecordCount(); }

    std::vector<TField*> FFields;
    std::vector<TDataSource*> FDataSources;
    std::unique_ptr<TFieldDefs> FFieldDefs;
    std::unique_ptr<TIndexDefs> FIndexDefs;
    bool FStoreDefs = false;
    bool FStreamedActive = false;
    TDataSetState FState = dsInactive;
    std::vector<std::vector<String>> FRecords;
    std::vector<String> FSaved; // the record as it was before Edit
    int FCurrent = -1;
    bool FEof = true;
    bool FBof = true;
    TDataSetNotifyEvent FAfterOpen;
    TDataSetNotifyEvent FAfterPost;
    TDataSetNotifyEvent FAfterScroll;
    TDataSetNotifyEvent FBeforePost;
    TDataSetNotifyEvent FBeforeDelete;
    TDataSetNotifyEvent FOnNewRecord;
};

// The link between a data set and data-aware controls.
class TDataSource : public TComponent {
    ZT_CLASS(TDataSource, TComponent)
public:
    explicit TDataSource(TComponent* AOwner) : TComponent(AOwner) {}
    ~TDataSource() override;
    TDataSet* DataSet() const { return FDataSet; }
    void SetDataSet(TDataSet* Value);
    bool AutoEdit() const { return FAutoEdit; }
    void SetAutoEdit(bool Value) { FAutoEdit = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TDataSetState State() const { return FDataSet ? FDataSet->State() : dsInactive; }
    const TDataChangeEvent& OnDataChange() const { return FOnDataChange; }
    void SetOnDataChange(const TDataChangeEvent& Value) { FOnDataChange = Value; }
    const TNotifyEvent& OnStateChange() const { return FOnStateChange; }
    void SetOnStateChange(const TNotifyEvent& Value) { FOnStateChange = Value; }
    const TNotifyEvent& OnUpdateData() const { return FOnUpdateData; }
    void SetOnUpdateData(const TNotifyEvent& Value) { FOnUpdateData = Value; }

    // Told by the data set: Field changed (nullptr: the record or the whole set).
    void DataChanged(TField* Field);
    void StateChanged() { FOnStateChange(this); }
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TDataSet* FDataSet = nullptr;
    bool FAutoEdit = true;
    bool FEnabled = true;
    TDataChangeEvent FOnDataChange;
    TNotifyEvent FOnStateChange;
    TNotifyEvent FOnUpdateData;
};

// Errors of the data sets.
ZT_DECLARE_EXCEPTION(EDatabaseError, Exception);

} // namespace host

ZT_DECLARE_TYPEINFO(host::TFieldType);
ZT_DECLARE_TYPEINFO(host::TFieldKind);
ZT_DECLARE_TYPEINFO(host::TProviderFlag);
ZT_DECLARE_TYPEINFO(host::TProviderFlags);
ZT_DECLARE_TYPEINFO(host::TAutoRefreshFlag);
ZT_DECLARE_TYPEINFO(host::TDataSetState);
