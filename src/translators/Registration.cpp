#include "translators/Registration.h"

#include "translators/ButtonTranslator.h"
#include "translators/CommonDialogTranslator.h"
#include "translators/FormTranslator.h"
#include "translators/LocaleTranslator.h"
#include "translators/ResourceTranslator.h"

using namespace host;

namespace zantor {

void RegisterTranslatorClasses() {
    RegisterClasses({TFormTranslator::StaticClass(), TLocaleTranslator::StaticClass(),
                     TResourceTranslator::StaticClass(), TCommonDialogTranslator::StaticClass(),
                     TButtonTranslator::StaticClass()});
}

} // namespace zantor
