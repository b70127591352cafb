// TApplication: the program's application object. It owns the forms and data modules made
// with CreateForm (in creation order), knows the main form, and is where message boxes and
// message processing start.
//
// The global Application (and Screen) exist between InitApplication() and DoneApplication();
// a program's main() and each test fixture call them, most simply through a
// TApplicationScope. InitApplication also registers the control classes for reading form
// files and lets references such as "DataModule1.Table1" find other modules.
#pragma once

#include "host/controls/Forms.h"
#include "host/controls/MessageBoxConsts.h"
#include "host/controls/Screen.h"

#include <new>
#include <type_traits>

namespace host {

class TApplication : public TComponent {
    ZT_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* AOwner);

    // Creates a T owned by the application. Reference points at the new object before its
    // constructor runs (so OnCreate handlers can use it) and is reset when construction
    // fails. The first form made this way becomes the main form.
    template <class T> void CreateForm(T*& Reference);

    TCustomForm* MainForm() const { return FMainForm; }
    // The program's file name without folder and extension unless set.
    String Title() const;
    void SetTitle(const String& Value) { FTitle = Value; }
    String ExeName() const;

    // A platform message box, answered by the UI driver; returns IDOK, IDCANCEL ...
    int MessageBox(const String& Text, const String& Caption, int Flags = MB_OK);
    // Handles what is pending: for now, frees the forms that called Release.
    void ProcessMessages();
    // Asks the application to end; the main form's Close does this.
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }

    // Hints: the mouse over a control whose ShowHint is on shows its Hint (the part before a
    // "|"), until the mouse goes to another control or CancelHint takes it away; the next
    // mouse move then shows the control's hint as it is by then.
    void HintMouseMessage(TControl* Control);
    void CancelHint();
    // The hint text shown, "" when none is.
    const String& ShownHint() const { return FShownHint; }
    TControl* HintControl() const { return FHintControl; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void FormCreated(TComponent* Instance);

    TControl* FHintControl = nullptr;
    String FShownHint;
    bool FHintShowing = false;
    bool FShowHint = true;

    TCustomForm* FMainForm = nullptr;
    String FTitle;
    bool FTerminated = false;
};

extern TApplication* Application;

// Creates Application and Screen (does nothing when they exist).
void InitApplication();
// Frees Application with everything it owns, then Screen.
void DoneApplication();

// InitApplication for the lifetime of the scope.
class TApplicationScope {
public:
    TApplicationScope() { InitApplication(); }
    ~TApplicationScope() { DoneApplication(); }
    TApplicationScope(const TApplicationScope&) = delete;
    TApplicationScope& operator=(const TApplicationScope&) = delete;
};

// Registers the creatable control, form and data module classes for form reading;
// calling it again does no harm.
void RegisterControlClasses();

template <class T> void TApplication::CreateForm(T*& Reference) {
    static_assert(std::is_base_of_v<TComponent, T>, "CreateForm makes components");
    static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
    void* Memory = ::operator new(sizeof(T));
    Reference = static_cast<T*>(Memory);
    try {
        ::new (Memory) T(this);
    } catch (...) {
        Reference = nullptr;
        ::operator delete(Memory);
        throw;
    }
    FormCreated(Reference);
}

} // namespace host
