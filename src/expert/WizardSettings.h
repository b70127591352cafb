// Where the wizard keeps its choices between runs: ini-style values in sections ("Zantor",
// "FormTranslator") of the current user's "Software\Tessavin" key. The wizard reads and writes
// through this small interface, so the store behind it can be swapped (tests, tools).
#pragma once

#include "host/rtl/Types.h"

#include <map>
#include <utility>

namespace zantor {

using host::String;

class TWizardSettings {
public:
    virtual ~TWizardSettings() = default;
    // Default when the value is missing.
    [[nodiscard]] virtual String ReadString(const String& Section, const String& Ident,
                                            const String& Default) = 0;
    // "1"/"0" as written by WriteBool; Default when missing or not a Boolean.
    [[nodiscard]] virtual bool ReadBool(const String& Section, const String& Ident, bool Default);
    virtual void WriteString(const String& Section, const String& Ident, const String& Value) = 0;
    virtual void WriteBool(const String& Section, const String& Ident, bool Value);
};

// Values kept for the life of the process.
class TMemoryWizardSettings : public TWizardSettings {
public:
    String ReadString(const String& Section, const String& Ident, const String& Default) override;
    void WriteString(const String& Section, const String& Ident, const String& Value) override;

private:
    std::map<std::pair<String, String>, String> FValues;
};

// The store the wizard uses: the one installed, else the current user's registry.
TWizardSettings& WizardSettings();
// Installs Settings (not owned; nullptr: the default again); returns the previous one.
TWizardSettings* SetWizardSettings(TWizardSettings* Settings);

} // namespace zantor
