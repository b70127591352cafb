#include "translators/Registration.h"

#include "translators/Zft.h"

namespace zantor {

void RegisterTranslatorClasses() { RegisterClasses({TFormTranslator::StaticClass()}); }

} // namespace zantor
