#include "host/winapi/Registry.h"

#include "host/rtl/Conversions.h"

namespace host {

TRegIniFile::TRegIniFile(const String& FileName) : FFileName(FileName) {}

TRegIniFile::TRegIniFile(const String& FileName, const String& StoreFile)
    : FFileName(FileName), FStore(StoreFile) {}

String TRegIniFile::KeyOf(const String& Section) const {
    return Section.empty() ? FFileName : FFileName + "\\" + Section;
}

String TRegIniFile::ReadString(const String& Section, const String& Ident,
                               const String& Default) const {
    const std::optional<TRegValue> V = FStore.Read(KeyOf(Section), Ident);
    if (!V) return Default;
    return V->IsNumber ? IntToStr(static_cast<Integer>(V->Number)) : V->Text;
}

Integer TRegIniFile::ReadInteger(const String& Section, const String& Ident,
                                 Integer Default) const {
    const std::optional<TRegValue> V = FStore.Read(KeyOf(Section), Ident);
    if (!V) return Default;
    return V->IsNumber ? static_cast<Integer>(V->Number) : StrToIntDef(V->Text, Default);
}

bool TRegIniFile::ReadBool(const String& Section, const String& Ident, bool Default) const {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TRegIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
    TRegValue V;
    V.Text = Value;
    FStore.Write(KeyOf(Section), Ident, V);
}

void TRegIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value) {
    TRegValue V;
    V.IsNumber = true;
    V.Number = static_cast<std::uint32_t>(Value);
    FStore.Write(KeyOf(Section), Ident, V);
}

void TRegIniFile::WriteBool(const String& Section, const String& Ident, bool Value) {
    WriteInteger(Section, Ident, Value ? 1 : 0);
}

void TRegIniFile::EraseSection(const String& Section) {
    // The key itself is not a section.
    if (!Section.empty()) (void)FStore.DeleteKey(KeyOf(Section));
}

void TRegIniFile::DeleteKey(const String& Section, const String& Ident) {
    (void)FStore.DeleteValue(KeyOf(Section), Ident);
}

bool TRegIniFile::SectionExists(const String& Section) const {
    return FStore.KeyExists(KeyOf(Section));
}

bool TRegIniFile::ValueExists(const String& Name) const {
    return FStore.Read(FFileName, Name).has_value();
}

bool TRegIniFile::ValueExists(const String& Section, const String& Ident) const {
    return FStore.Read(KeyOf(Section), Ident).has_value();
}

std::vector<String> TRegIniFile::ReadSection(const String& Section) const {
    return FStore.ValueNames(KeyOf(Section));
}

} // namespace host
