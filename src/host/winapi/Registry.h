// Registry (host unit): TRegIniFile, the registry read and written like an ini file: the
// file name is a key of the current user ("Software\Tessavin"), a section is a subkey of it
// and an ident a value name. Values live in the user's settings store (SettingsStore.h).
#pragma once

#include "host/winapi/SettingsStore.h"

namespace host {

class TRegIniFile {
public:
    // The key FileName of the current user, in the user's store.
    explicit TRegIniFile(const String& FileName);
    // The same in the store kept in StoreFile.
    TRegIniFile(const String& FileName, const String& StoreFile);

    // The key, as given.
    const String& FileName() const { return FFileName; }
    TSettingsStore& Store() { return FStore; }

    // Readers give Default when the value is missing, has another type that does not convert,
    // or the store is damaged. Numbers are stored as dwords; ReadInteger also reads a decimal
    // text, and ReadString gives a number as decimal text.
    [[nodiscard]] String ReadString(const String& Section, const String& Ident,
                                    const String& Default) const;
    [[nodiscard]] Integer ReadInteger(const String& Section, const String& Ident,
                                      Integer Default) const;
    [[nodiscard]] bool ReadBool(const String& Section, const String& Ident, bool Default) const;
    // Writers raise ERegistryException when the store cannot be written (see SettingsStore.h).
    void WriteString(const String& Section, const String& Ident, const String& Value);
    void WriteInteger(const String& Section, const String& Ident, Integer Value);
    void WriteBool(const String& Section, const String& Ident, bool Value);

    // Removes the section's subkey with all its values.
    void EraseSection(const String& Section);
    // Removes one value.
    void DeleteKey(const String& Section, const String& Ident);
    [[nodiscard]] bool SectionExists(const String& Section) const;
    // A value of the key itself.
    [[nodiscard]] bool ValueExists(const String& Name) const;
    // A value of a section.
    [[nodiscard]] bool ValueExists(const String& Section, const String& Ident) const;
    // The value names of a section.
    [[nodiscard]] std::vector<String> ReadSection(const String& Section) const;

private:
    String KeyOf(const String& Section) const;

    String FFileName;
    TSettingsStore FStore;
};

} // namespace host
