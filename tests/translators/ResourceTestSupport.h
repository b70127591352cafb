// Shared by the resource translator's tests: a module with resource strings and a fixture that
// resets the interception, the application and the class registry around every test.
#pragma once

#include "translators/ResourceTranslator.h"

#include "host/controls/Application.h"
#include "host/controls/Forms.h"
#include "host/rtl/ResString.h"

#include "TestUtil.h"

namespace zrt_test {

using namespace zantor;

host::TLibModule& AppModule();
extern const host::TResStringRec SCannotOpen; // "Cannot open file"
extern const host::TResStringRec SNotFound;   // "File not found"
extern const host::TResStringRec SReady;      // "Ready"

// LoadStringA as the package's code calls it, and as the application's own code calls it.
String PackageLoadString(const host::TResStringRec& Rec, int BufferMax = 4096);
String AppLoadString(const host::TResStringRec& Rec);

class ZrtFixture : public ::testing::Test {
protected:
    ZrtFixture();
    // Made on a new form owned by the application, so that switching reaches it.
    TResourceTranslator* OnNewForm(const String& FormName, Integer Locale);

    TResourceHookGuard Hook; // first made, last gone: translators are freed before it resets
    host::TApplicationScope App;
    zt_test::TempDir Dir;
};

} // namespace zrt_test
