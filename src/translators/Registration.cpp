#include "translators/Registration.h"

#include "translators/Zft.h"
#include "translators/Zlt.h"
#include "translators/Zrt.h"

namespace zantor {

void RegisterTranslatorClasses() {
    RegisterClasses({TFormTranslator::StaticClass(), TLocaleTranslator::StaticClass(),
                     TResourceTranslator::StaticClass()});
}

} // namespace zantor
