#include "host/controls/DbClient.h"

#include "host/typinfo/ClassBuilder.h"

namespace host {

TClass TParam::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TParam>("TParam")
        .Prop("Name", &TParam::Name, &TParam::SetName)
        .Prop("DataType", &TParam::DataType, &TParam::SetDataType).Default(ftUnknown);
    // clang-format on
    return &Info;
}

TClass TParams::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TParams>("TParams").NoCreate();
    return &Info;
}

TClass TAggregate::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TAggregate>("TAggregate")
        .Prop("Active", &TAggregate::Active, &TAggregate::SetActive).Default(false)
        .Prop("AggregateName", &TAggregate::AggregateName, &TAggregate::SetAggregateName)
        .Prop("Expression", &TAggregate::Expression, &TAggregate::SetExpression)
        .Prop("Visible", &TAggregate::Visible, &TAggregate::SetVisible).Default(true);
    // clang-format on
    return &Info;
}

TClass TAggregates::StaticClass() {
    static const TClassInfo Info = TClassBuilder<TAggregates>("TAggregates").NoCreate();
    return &Info;
}

TClass TClientDataSet::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TClientDataSet>("TClientDataSet")
        .Prop("Active", &TClientDataSet::Active, &TClientDataSet::SetActive).Default(false)
        .Prop("Aggregates", &TClientDataSet::Aggregates, &TClientDataSet::SetAggregates)
        .Prop("FieldDefs", &TClientDataSet::FieldDefs, &TClientDataSet::SetFieldDefs)
        .Prop("FileName", &TClientDataSet::FileName, &TClientDataSet::SetFileName)
        .Prop("IndexDefs", &TClientDataSet::IndexDefs, &TClientDataSet::SetIndexDefs)
        .Prop("IndexFieldNames", &TClientDataSet::IndexFieldNames, &TClientDataSet::SetIndexFieldNames)
        .Prop("IndexName", &TClientDataSet::IndexName, &TClientDataSet::SetIndexName)
        .Prop("MasterFields", &TClientDataSet::MasterFields, &TClientDataSet::SetMasterFields)
        .Prop("PacketRecords", &TClientDataSet::PacketRecords, &TClientDataSet::SetPacketRecords).Default(-1)
        .Prop("Params", &TClientDataSet::Params, &TClientDataSet::SetParams)
        .Prop("ProviderName", &TClientDataSet::ProviderName, &TClientDataSet::SetProviderName)
        .Prop("ReadOnly", &TClientDataSet::ReadOnly, &TClientDataSet::SetReadOnly).Default(false)
        .Prop("StoreDefs", &TClientDataSet::StoreDefs, &TClientDataSet::SetStoreDefs).Default(false)
        .Prop("DataSetField", &TClientDataSet::DataSetField, &TClientDataSet::SetDataSetField)
        .Prop("AfterOpen", &TClientDataSet::AfterOpen, &TClientDataSet::SetAfterOpen)
        .Prop("AfterPost", &TClientDataSet::AfterPost, &TClientDataSet::SetAfterPost)
        .Prop("AfterScroll", &TClientDataSet::AfterScroll, &TClientDataSet::SetAfterScroll)
        .Prop("BeforeDelete", &TClientDataSet::BeforeDelete, &TClientDataSet::SetBeforeDelete)
        .Prop("BeforePost", &TClientDataSet::BeforePost, &TClientDataSet::SetBeforePost)
        .Prop("OnNewRecord", &TClientDataSet::OnNewRecord, &TClientDataSet::SetOnNewRecord);
    // clang-format on
    return &Info;
}

TClientDataSet::TClientDataSet(TComponent* AOwner)
    : TDataSet(AOwner), FAggregates(new TAggregates(this)), FParams(new TParams(this)) {}

TClientDataSet::~TClientDataSet() {}

void TClientDataSet::SetDataSetField(TDataSetField* Value) {
    if (FDataSetField == Value) return;
    if (FDataSetField) FDataSetField->RemoveFreeNotification(this);
    FDataSetField = Value;
    if (Value) Value->FreeNotification(this);
}

void TClientDataSet::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FDataSetField) FDataSetField = nullptr;
}

} // namespace host
