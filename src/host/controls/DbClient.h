// TClientDataSet: the in-memory data set that forms use without a database, with its
// definitions, parameters and aggregates as the form file holds them.
#pragma once

#include <memory>

#include "host/controls/Db.h"

namespace host {

class TParam : public TCollectionItem {
    ZT_CLASS(TParam, TCollectionItem)
public:
    explicit TParam(TCollection* Collection) : TCollectionItem(Collection) {}
    const String& Name() const { return FName; }
    void SetName(const String& Value) { FName = Value; }
    TFieldType DataType() const { return FDataType; }
    void SetDataType(TFieldType Value) { FDataType = Value; }
    String DisplayName() const override { return FName; }

private:
    String FName;
    TFieldType FDataType = ftUnknown;
};

class TParams : public TOwnedCollection {
    ZT_CLASS(TParams, TOwnedCollection)
public:
    explicit TParams(TPersistent* Owner) : TOwnedCollection(Owner, TParam::StaticClass()) {}
};

class TAggregate : public TCollectionItem {
    ZT_CLASS(TAggregate, TCollectionItem)
public:
    explicit TAggregate(TCollection* Collection) : TCollectionItem(Collection) {}
    bool Active() const { return FActive; }
    void SetActive(bool Value) { FActive = Value; }
    const String& AggregateName() const { return FAggregateName; }
    void SetAggregateName(const String& Value) { FAggregateName = Value; }
    const String& Expression() const { return FExpression; }
    void SetExpression(const String& Value) { FExpression = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }

private:
    bool FActive = false;
    String FAggregateName;
    String FExpression;
    bool FVisible = true;
};

class TAggregates : public TOwnedCollection {
    ZT_CLASS(TAggregates, TOwnedCollection)
public:
    explicit TAggregates(TPersistent* Owner) : TOwnedCollection(Owner, TAggregate::StaticClass()) {}
};

class TClientDataSet : public TDataSet {
    ZT_CLASS(TClientDataSet, TDataSet)
public:
    explicit TClientDataSet(TComponent* AOwner);
    ~TClientDataSet() override;

    TAggregates* Aggregates() const { return FAggregates.get(); }
    void SetAggregates(TAggregates* Value) { FAggregates->Assign(Value); }
    TParams* Params() const { return FParams.get(); }
    void SetParams(TParams* Value) { FParams->Assign(Value); }
    // The field of a master data set whose nested records this data set shows.
    TDataSetField* DataSetField() const { return FDataSetField; }
    void SetDataSetField(TDataSetField* Value);
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& Value) { FFileName = Value; }
    const String& IndexFieldNames() const { return FIndexFieldNames; }
    void SetIndexFieldNames(const String& Value) { FIndexFieldNames = Value; }
    const String& IndexName() const { return FIndexName; }
    void SetIndexName(const String& Value) { FIndexName = Value; }
    const String& MasterFields() const { return FMasterFields; }
    void SetMasterFields(const String& Value) { FMasterFields = Value; }
    int PacketRecords() const { return FPacketRecords; }
    void SetPacketRecords(int Value) { FPacketRecords = Value; }
    const String& ProviderName() const { return FProviderName; }
    void SetProviderName(const String& Value) { FProviderName = Value; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::unique_ptr<TAggregates> FAggregates;
    std::unique_ptr<TParams> FParams;
    TDataSetField* FDataSetField = nullptr;
    String FFileName;
    String FIndexFieldNames;
    String FIndexName;
    String FMasterFields;
    int FPacketRecords = -1;
    String FProviderName;
    bool FReadOnly = false;
};

} // namespace host
