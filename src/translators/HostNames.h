// The host names the translator layer's interfaces are written in, brought in one by one so
// that no other host name reaches the code that includes a translator header.
#pragma once

#include "host/classes/Component.h"
#include "host/classes/Filer.h"
#include "host/classes/StringList.h"
#include "host/typinfo/ClassBuilder.h"

namespace zantor {

using host::Integer;
using host::PPropInfo;
using host::String;
using host::TClass;
using host::TClassBuilder;
using host::TClassInfo;
using host::TComponent;
using host::TFiler;
using host::TNotifyEvent;
using host::TObject;
using host::TOperation;
using host::TReader;
using host::TStringList;
using host::TStrings;
using host::TWriter;

} // namespace zantor
