// Makes the translator classes known to the form reader by name.
#pragma once

namespace zantor {

// Registers every translator component class; safe to call more than once.
void RegisterTranslatorClasses();

} // namespace zantor
