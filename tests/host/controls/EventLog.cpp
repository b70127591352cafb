#include "EventLog.h"

#include "host/typinfo/ClassBuilder.h"

host::TClass TEventLog::StaticClass() {
    static const host::TClassInfo Info = host::TClassBuilder<TEventLog>("TEventLog");
    return &Info;
}
