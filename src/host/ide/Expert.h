// TIExpert: an add-in that a package registers with the design-time host. The host asks its
// name and menu text, lists it, and runs Execute when the person chooses it.
#pragma once

#include "host/ide/Interface.h"
#include "host/rtl/Set.h"
#include "host/rtl/Types.h"

namespace host {

enum TExpertStyle { esStandard, esForm, esProject, esAddIn };
enum TExpertStateItem { esEnabled, esChecked };
using TExpertState = TSet<TExpertStateItem>;

class TIExpert : public TInterface {
public:
    virtual String GetName() = 0;
    virtual String GetAuthor() = 0;
    virtual String GetComment() = 0;
    virtual String GetPage() = 0;
    // Icon handle of the expert's picture; 0 for none.
    virtual unsigned GetGlyph() = 0;
    virtual TExpertStyle GetStyle() = 0;
    virtual TExpertState GetState() = 0;
    virtual String GetIDString() = 0;
    virtual String GetMenuText() = 0;
    virtual void Execute() = 0;
};

} // namespace host
