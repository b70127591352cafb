// Tables of virtual operations of the common-dialog classes. Each class derived from
// TCommonDialog has its own table, made on first use from its parent's entries as the class
// was built; an entry is a patchable routine address, protected like code, so replacing an
// entry for one class (after VirtualProtect) changes how every instance of exactly that class
// dispatches, and no other class.
#pragma once

#include "host/typinfo/Object.h"
#include "host/winapi/Modules.h"

#include <vector>

namespace host {

class TCommonDialog;
struct TMessage;

// A routine address as a table holds it; cast back to its signature before a call.
using TCodePointer = void (*)();
using TDialogNotifyProc = void (*)(TCommonDialog* Self);
using TDialogExecuteProc = bool (*)(TCommonDialog* Self);
using TMessageHookProc = bool (*)(TCommonDialog* Self, TMessage& Msg);

// Positions of the entries in every table.
enum class TDialogMethod { DoClose, DoShow, MessageHook, Execute };
inline constexpr int DialogMethodCount = 4;

using TDialogMethodEntry = TPatchable<TCodePointer>;

class TDialogMethodTable {
public:
    explicit TDialogMethodTable(const std::vector<TCodePointer>& Entries);
    int Count() const { return static_cast<int>(FEntries.size()); }
    // The entry at a position (0 .. Count-1); raises EListError for another position.
    TDialogMethodEntry& Entry(int Position);
    TDialogMethodEntry& Entry(TDialogMethod Method) { return Entry(static_cast<int>(Method)); }
    TCodePointer Get(TDialogMethod Method) const {
        return FEntries[static_cast<std::size_t>(Method)].Get();
    }

private:
    std::vector<TDialogMethodEntry> FEntries;
};

// The table of a class derived from TCommonDialog (made on first use); null for any other class.
TDialogMethodTable* DialogMethodTable(TClass Class);
// Declares that Class overrides Method with Code, as its class declaration would: the entry
// that Class and the classes derived from it are built with. Call before the class's table is
// first used; raises EInvalidOperation afterwards.
void OverrideDialogMethod(TClass Class, TDialogMethod Method, TCodePointer Code);

template <class F> TCodePointer CodeOf(F Proc) {
    return reinterpret_cast<TCodePointer>(Proc);
}

} // namespace host
