// The demo's second form: a small order dialog whose texts are translated from the same
// translation file as the main form's.
#pragma once

#include "host/controls/Forms.h"
#include "host/controls/StdCtrls.h"

class TOrderForm : public host::TForm {
    ZT_CLASS(TOrderForm, host::TForm)
public:
    // Loads OrderForm.dfm (from beside the program when present, else the built-in copy).
    explicit TOrderForm(host::TComponent* AOwner);

    host::TLabel* CustomerLabel = nullptr;
    host::TLabel* QuantityLabel = nullptr;
    host::TMemo* NotesMemo = nullptr;
    host::TButton* OkButton = nullptr;
    host::TButton* CancelButton = nullptr;
};
