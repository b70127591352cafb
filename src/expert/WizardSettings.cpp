#include "expert/WizardSettings.h"

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
}

TWizardSettings& WizardSettings() {
    static TMemoryWizardSettings Default;
    return Installed ? *Installed : Default;
}

TWizardSettings* SetWizardSettings(TWizardSettings* Settings) {
    return std::exchange(Installed, Settings);
}

} // namespace zantor
