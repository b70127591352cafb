// The editor forms of the translator kinds, installed by the editor units: ShowEditor of a
// translator opens the form installed for its class.
#pragma once

#include "host/typinfo/Object.h"

namespace zantor {

class TTranslatorFrame;

// Shows the editor form modally for Translator; true when the translations were changed.
using TShowEditorProc = bool (*)(TTranslatorFrame* Translator);

// Installs (or, with nullptr, removes) the editor form of a translator class.
void InstallEditorForm(host::TClass TranslatorClass, TShowEditorProc Show);
// The editor form installed for the translator's class or nearest ancestor; nullptr for none.
TShowEditorProc FindEditorForm(const TTranslatorFrame* Translator);

} // namespace zantor
