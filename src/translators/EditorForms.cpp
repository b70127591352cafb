#include "translators/EditorForms.h"

#include "host/rtl/Exceptions.h"
#include "translators/TranslatorFrame.h"

#include <algorithm>
#include <vector>

namespace zantor {

namespace {

std::vector<std::pair<host::TClass, TShowEditorProc>>& EditorForms() {
    static std::vector<std::pair<host::TClass, TShowEditorProc>> Forms;
    return Forms;
}

} // namespace

void InstallEditorForm(host::TClass TranslatorClass, TShowEditorProc Show) {
    auto& Forms = EditorForms();
    std::erase_if(Forms, [&](const auto& E) { return E.first == TranslatorClass; });
    if (Show) Forms.emplace_back(TranslatorClass, Show);
}

TShowEditorProc FindEditorForm(const TTranslatorFrame* Translator) {
    for (host::TClass C = Translator->ClassType(); C; C = C->Parent)
        for (const auto& [Class, Show] : EditorForms())
            if (Class == C) return Show;
    return nullptr;
}

bool TTranslatorFrame::ShowEditor() {
    TShowEditorProc Show = FindEditorForm(this);
    if (!Show) throw host::EComponentError("No editor form is installed for " + ClassName());
    return Show(this);
}

} // namespace zantor
