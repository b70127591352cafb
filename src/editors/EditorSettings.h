// The preferences of one editor form: values of its section of the user's "Software\Tessavin"
// key, written as they change. A failing write is told to the person once per editor and
// the editor goes on with the value in force.
#pragma once

#include "host/winapi/Registry.h"

namespace zantor {

using host::String;

class TEditorSettings {
public:
    // Section: "FormTranslator", "DlgTranslator" ...
    explicit TEditorSettings(String Section);

    [[nodiscard]] String ReadString(const String& Ident, const String& Default) const;
    [[nodiscard]] host::Integer ReadInteger(const String& Ident, host::Integer Default) const;
    [[nodiscard]] bool ReadBool(const String& Ident, bool Default) const;
    void WriteString(const String& Ident, const String& Value);
    void WriteInteger(const String& Ident, host::Integer Value);
    void WriteBool(const String& Ident, bool Value);
    // True when Ident has a value.
    [[nodiscard]] bool ValueExists(const String& Ident) const;

private:
    template <class F> void Guarded(F Write);

    host::TRegIniFile FIni;
    String FSection;
    bool FReported = false;
};

// The user's key of the package's tools.
inline constexpr const char* SettingsKey = "Software\\Tessavin";

} // namespace zantor
