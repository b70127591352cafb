// TScreen: the process-wide list of forms and data modules, the screen's resolution and the
// application-wide cursor. The global Screen exists between InitApplication and
// DoneApplication; forms made outside that time are not listed.
#pragma once

#include "host/controls/Controls.h"

#include <vector>

namespace host {

class TCustomForm;
class TDataModule;

class TScreen : public TComponent {
    ZT_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}

    int FormCount() const { return static_cast<int>(FForms.size()); }
    // In creation order; raises EListError "List index out of bounds (i)" for a bad index.
    TCustomForm* Forms(int Index) const;
    int DataModuleCount() const { return static_cast<int>(FDataModules.size()); }
    TDataModule* DataModules(int Index) const;

    // Cursor shown over every window of the application; crDefault lets controls decide.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value) { FCursor = Value; }
    int PixelsPerInch() const { return ScreenPixelsPerInch; }

    // A top-level form or data module of that name (case ignored, inline frames skipped),
    // or nullptr (always for an empty name).
    [[nodiscard]] TComponent* FindGlobalComponent(std::string_view Name) const;

    // Kept by the constructors and destructors of forms and data modules.
    void AddForm(TCustomForm* Form) { FForms.push_back(Form); }
    void RemoveForm(TCustomForm* Form);
    void AddDataModule(TDataModule* Module) { FDataModules.push_back(Module); }
    void RemoveDataModule(TDataModule* Module);

private:
    std::vector<TCustomForm*> FForms;
    std::vector<TDataModule*> FDataModules;
    TCursor FCursor = crDefault;
};

extern TScreen* Screen;

} // namespace host
