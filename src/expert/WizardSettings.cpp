#include "expert/WizardSettings.h"

#include "host/winapi/Registry.h"

namespace zantor {

bool TWizardSettings::ReadBool(const String& Section, const String& Ident, bool Default) {
    const String V = ReadString(Section, Ident, "");
    if (V == "1") return true;
    if (V == "0") return false;
    return Default;
}

void TWizardSettings::WriteBool(const String& Section, const String& Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

String TMemoryWizardSettings::ReadString(const String& Section, const String& Ident,
                                         const String& Default) {
    auto It = FValues.find({Section, Ident});
    return It == FValues.end() ? Default : It->second;
}

void TMemoryWizardSettings::WriteString(const String& Section, const String& Ident,
                                        const String& Value) {
    FValues[{Section, Ident}] = Value;
}

namespace {

TWizardSettings* Installed = nullptr;

// The current user's registry key "Software\Tessavin", shared with the editor forms.
class TRegistryWizardSettings : public TWizardSettings {
public:
    String ReadString(const String& Section, const String& Ident, const String& Default) override {
        return FIni.ReadString(Section, Ident, Default);
    }
    bool ReadBool(const String& Section, const String& Ident, bool Default) override {
        return FIni.ReadBool(Section, Ident, Default);
    }
    void WriteString(const String& Section, const String& Ident, const String& Value) override {
        FIni.WriteString(Section, Ident, Value);
    }
    void WriteBool(const String& Section, const String& Ident, bool Value) override {
        FIni.WriteBool(Section, Ident, Value);
    }

private:
    host::TRegIniFile FIni{"Software\\Tessavin"};
};

} // namespace

TWizardSettings& WizardSettings() {
    static TRegistryWizardSettings Default;
    return Installed ? *Installed : Default;
}

TWizardSettings* SetWizardSettings(TWizardSettings* Settings) {
    return std::exchange(Installed, Settings);
}

} // namespace zantor
