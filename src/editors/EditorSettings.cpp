#include "editors/EditorSettings.h"

#include "host/controls/Dialogs.h"

namespace zantor {

TEditorSettings::TEditorSettings(String Section)
    : FIni(SettingsKey), FSection(std::move(Section)) {}

String TEditorSettings::ReadString(const String& Ident, const String& Default) const {
    return FIni.ReadString(FSection, Ident, Default);
}

host::Integer TEditorSettings::ReadInteger(const String& Ident, host::Integer Default) const {
    return FIni.ReadInteger(FSection, Ident, Default);
}

bool TEditorSettings::ReadBool(const String& Ident, bool Default) const {
    return FIni.ReadBool(FSection, Ident, Default);
}

bool TEditorSettings::ValueExists(const String& Ident) const {
    return FIni.ValueExists(FSection, Ident);
}

template <class F> void TEditorSettings::Guarded(F Write) {
    try {
        Write();
    } catch (const host::Exception& E) {
        // The editor goes on; the person hears of it once.
        if (FReported) return;
        FReported = true;
        host::MessageDlg(E.Message(), host::mtError, {host::mbOK});
    }
}

void TEditorSettings::WriteString(const String& Ident, const String& Value) {
    Guarded([&] { FIni.WriteString(FSection, Ident, Value); });
}

void TEditorSettings::WriteInteger(const String& Ident, host::Integer Value) {
    Guarded([&] { FIni.WriteInteger(FSection, Ident, Value); });
}

void TEditorSettings::WriteBool(const String& Ident, bool Value) {
    Guarded([&] { FIni.WriteBool(FSection, Ident, Value); });
}

} // namespace zantor
