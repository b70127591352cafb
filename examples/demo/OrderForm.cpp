#include "OrderForm.h"

#include "OrderFormDfm.h"
#include "host/typinfo/ClassBuilder.h"

using namespace host;

TClass TOrderForm::StaticClass() {
    // clang-format off
    static const TClassInfo Info = TClassBuilder<TOrderForm>("TOrderForm")
        .Field("CustomerLabel", &TOrderForm::CustomerLabel)
        .Field("QuantityLabel", &TOrderForm::QuantityLabel)
        .Field("NotesMemo", &TOrderForm::NotesMemo)
        .Field("OkButton", &TOrderForm::OkButton)
        .Field("CancelButton", &TOrderForm::CancelButton);
    // clang-format on
    return &Info;
}

TOrderForm::TOrderForm(TComponent* AOwner) : TForm(AOwner) {
    InitForm(this, "OrderForm.dfm", OrderFormDfm);
}
