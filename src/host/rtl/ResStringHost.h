// The host's own texts as resource strings of the run-time library module, so that a
// resource-string translator can translate them: message-dialog titles and buttons, the
// captions of standard buttons, and error messages (format strings where they take values).
#pragma once

#include "host/rtl/ResString.h"

namespace host {

// Message-dialog titles.
extern const TResStringRec SMsgDlgWarning;     // "Warning"
extern const TResStringRec SMsgDlgError;       // "Error"
extern const TResStringRec SMsgDlgInformation; // "Information"
extern const TResStringRec SMsgDlgConfirm;     // "Confirm"

// Message-dialog buttons.
extern const TResStringRec SMsgDlgYes;      // "&Yes"
extern const TResStringRec SMsgDlgNo;       // "&No"
extern const TResStringRec SMsgDlgOK;       // "OK"
extern const TResStringRec SMsgDlgCancel;   // "Cancel"
extern const TResStringRec SMsgDlgHelp;     // "&Help"
extern const TResStringRec SMsgDlgAbort;    // "&Abort"
extern const TResStringRec SMsgDlgRetry;    // "&Retry"
extern const TResStringRec SMsgDlgIgnore;   // "&Ignore"
extern const TResStringRec SMsgDlgAll;      // "&All"
extern const TResStringRec SMsgDlgNoToAll;  // "N&o to All"
extern const TResStringRec SMsgDlgYesToAll; // "Yes to &All"

// Captions of the standard bitmap buttons.
extern const TResStringRec SOKButton;     // "OK"
extern const TResStringRec SCancelButton; // "Cancel"
extern const TResStringRec SYesButton;    // "&Yes"
extern const TResStringRec SNoButton;     // "&No"
extern const TResStringRec SHelpButton;   // "&Help"
extern const TResStringRec SCloseButton;  // "&Close"
extern const TResStringRec SIgnoreButton; // "&Ignore"
extern const TResStringRec SRetryButton;  // "&Retry"
extern const TResStringRec SAbortButton;  // "Abort"
extern const TResStringRec SAllButton;    // "&All"

// Error messages.
extern const TResStringRec SListIndexError;         // "List index out of bounds (%d)"
extern const TResStringRec SSortedListError;        // "Operation not allowed on sorted string list"
extern const TResStringRec SDuplicateString;        // "String list does not allow duplicates"
extern const TResStringRec SInvalidInteger;         // "'%s' is not a valid integer value"
extern const TResStringRec SInvalidFloat;           // "'%s' is not a valid floating point value"
extern const TResStringRec SInvalidDate;            // "'%s' is not a valid date"
extern const TResStringRec SFOpenError;             // "Cannot open file %s"
extern const TResStringRec SFCreateError;           // "Cannot create file %s"
extern const TResStringRec SFWriteError;            // "Cannot write file %s: %s"
extern const TResStringRec SInvalidPropertyValue;   // "Invalid property value"
extern const TResStringRec SControlParentSetToSelf; // "A control cannot have itself as its parent"
extern const TResStringRec SCannotFocus;            // "Cannot focus a disabled or invisible window"
extern const TResStringRec SCannotShowModal;        // "Cannot make a visible window modal"
extern const TResStringRec SWindowClass;            // "Error creating window class"
extern const TResStringRec SWindowCreate;           // "Error creating window"
extern const TResStringRec SNoMDIForm; // "Cannot create form. No MDI forms are currently active"
extern const TResStringRec SMenuIndexError; // "Menu index out of range"
extern const TResStringRec SMenuReinserted; // "Menu inserted twice"
extern const TResStringRec SMenuNotFound;   // "Sub-menu is not in menu"
extern const TResStringRec STabIndexError;  // "Tab index out of bounds"

namespace detail {
// Does nothing; calling it keeps this unit (and so the texts above) in the program.
void LinkHostResourceStrings();
} // namespace detail

} // namespace host
