#include "ResourceTestSupport.h"

namespace zrt_test {

host::TLibModule& AppModule() {
    static host::TLibModule Module("ZrtTestApp.exe");
    return Module;
}

ZT_RESOURCESTRING(AppModule, SCannotOpen, "Cannot open file");
ZT_RESOURCESTRING(AppModule, SNotFound, "File not found");
ZT_RESOURCESTRING(AppModule, SReady, "Ready");

namespace {
String Load(const host::TLibModule& Caller, const host::TResStringRec& Rec, int BufferMax) {
    std::vector<char> Buffer(static_cast<std::size_t>(BufferMax) + 1, '\x7f');
    int Len = Caller.LoadStringA(Rec.Module->Instance(), static_cast<host::UINT>(Rec.Identifier),
                                 Buffer.data(), BufferMax);
    EXPECT_EQ(Buffer[static_cast<std::size_t>(BufferMax)], '\x7f') << "written beyond the buffer";
    EXPECT_EQ(Buffer[static_cast<std::size_t>(Len)], '\0');
    return String(Buffer.data(), static_cast<std::size_t>(Len));
}
} // namespace

String PackageLoadString(const host::TResStringRec& Rec, int BufferMax) {
    return Load(host::PackageModule(), Rec, BufferMax);
}

String AppLoadString(const host::TResStringRec& Rec) {
    return Load(host::MainModule(), Rec, 4096);
}

ZrtFixture::ZrtFixture() {
    host::RegisterClasses({TResourceTranslator::StaticClass()});
}

TResourceTranslator* ZrtFixture::OnNewForm(const String& FormName, Integer Locale) {
    auto* Form = new host::TForm(host::Application);
    Form->SetName(FormName);
    auto* T = new TResourceTranslator(Form);
    T->SetName("ResTranslator1");
    T->SetLocale(Locale);
    return T;
}

} // namespace zrt_test
