#include "ResourceTestSupport.h"

#include "host/classes/StringList.h"
#include "host/rtl/Conversions.h"
#include "host/rtl/HostErrors.h"

using namespace zantor;
using namespace zrt_test;

class ZrtHostErrors : public ZrtFixture {};

// The host's own errors come from its resource strings, so a French translator translates them
// in every layer that raises them: the run-time library, the string lists, the readers.
TEST_F(ZrtHostErrors, AFrenchTranslatorTranslatesTheHostsErrors) {
    auto* T = OnNewForm("Form1", 1036);
    T->SetTranslation("List index out of bounds (%d)", "Index de liste hors limites (%d)");
    T->SetTranslation("Operation not allowed on sorted string list",
                      "Opération non autorisée sur une liste triée");
    T->SetTranslation("'%s' is not a valid integer value", "'%s' n'est pas un entier valide");
    T->SetTranslation("Invalid property value", "Valeur de propriété incorrecte");

    host::TStringList List;
    List.Add("a");
    EXPECT_THROW_MSG(List.Strings(5), host::EStringListError, "Index de liste hors limites (5)");
    List.SetSorted(true);
    EXPECT_THROW_MSG(List.Insert(0, "b"), host::EStringListError,
                     "Opération non autorisée sur une liste triée");
    EXPECT_THROW_MSG(host::StrToInt("x1"), host::EConvertError, "'x1' n'est pas un entier valide");
    EXPECT_THROW_MSG(host::RaiseInvalidPropertyValue<host::EReadError>(), host::EReadError,
                     "Valeur de propriété incorrecte");

    // A translation that is no valid format for the message falls back to the host's text.
    T->SetTranslation("List index out of bounds (%d)", "Index %s hors limites");
    EXPECT_THROW_MSG(List.Strings(7), host::EStringListError, "List index out of bounds (7)");

    T->Owner()->Free();
    EXPECT_THROW_MSG(host::StrToInt("x1"), host::EConvertError,
                     "'x1' is not a valid integer value");
}
