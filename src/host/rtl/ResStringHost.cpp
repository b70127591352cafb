// The host's texts. Identifiers are given in this order, from 65535 down.
#include "host/rtl/ResStringHost.h"

namespace host {

ZT_RESOURCESTRING(RtlModule, SMsgDlgWarning, "Warning");
ZT_RESOURCESTRING(RtlModule, SMsgDlgError, "Error");
ZT_RESOURCESTRING(RtlModule, SMsgDlgInformation, "Information");
ZT_RESOURCESTRING(RtlModule, SMsgDlgConfirm, "Confirm");

ZT_RESOURCESTRING(RtlModule, SMsgDlgYes, "&Yes");
ZT_RESOURCESTRING(RtlModule, SMsgDlgNo, "&No");
ZT_RESOURCESTRING(RtlModule, SMsgDlgOK, "OK");
ZT_RESOURCESTRING(RtlModule, SMsgDlgCancel, "Cancel");
ZT_RESOURCESTRING(RtlModule, SMsgDlgHelp, "&Help");
ZT_RESOURCESTRING(RtlModule, SMsgDlgAbort, "&Abort");
ZT_RESOURCESTRING(RtlModule, SMsgDlgRetry, "&Retry");
ZT_RESOURCESTRING(RtlModule, SMsgDlgIgnore, "&Ignore");
ZT_RESOURCESTRING(RtlModule, SMsgDlgAll, "&All");
ZT_RESOURCESTRING(RtlModule, SMsgDlgNoToAll, "N&o to All");
ZT_RESOURCESTRING(RtlModule, SMsgDlgYesToAll, "Yes to &All");

ZT_RESOURCESTRING(RtlModule, SOKButton, "OK");
ZT_RESOURCESTRING(RtlModule, SCancelButton, "Cancel");
ZT_RESOURCESTRING(RtlModule, SYesButton, "&Yes");
ZT_RESOURCESTRING(RtlModule, SNoButton, "&No");
ZT_RESOURCESTRING(RtlModule, SHelpButton, "&Help");
ZT_RESOURCESTRING(RtlModule, SCloseButton, "&Close");
ZT_RESOURCESTRING(RtlModule, SIgnoreButton, "&Ignore");
ZT_RESOURCESTRING(RtlModule, SRetryButton, "&Retry");
ZT_RESOURCESTRING(RtlModule, SAbortButton, "Abort");
ZT_RESOURCESTRING(RtlModule, SAllButton, "&All");

ZT_RESOURCESTRING(RtlModule, SListIndexError, "List index out of bounds (%d)");
ZT_RESOURCESTRING(RtlModule, SSortedListError, "Operation not allowed on sorted string list");
ZT_RESOURCESTRING(RtlModule, SDuplicateString, "String list does not allow duplicates");
ZT_RESOURCESTRING(RtlModule, SInvalidInteger, "'%s' is not a valid integer value");
ZT_RESOURCESTRING(RtlModule, SInvalidFloat, "'%s' is not a valid floating point value");
ZT_RESOURCESTRING(RtlModule, SInvalidDate, "'%s' is not a valid date");
ZT_RESOURCESTRING(RtlModule, SFOpenError, "Cannot open file %s");
ZT_RESOURCESTRING(RtlModule, SFCreateError, "Cannot create file %s");
ZT_RESOURCESTRING(RtlModule, SInvalidPropertyValue, "Invalid property value");
ZT_RESOURCESTRING(RtlModule, SControlParentSetToSelf, "A control cannot have itself as its parent");
ZT_RESOURCESTRING(RtlModule, SCannotFocus, "Cannot focus a disabled or invisible window");
ZT_RESOURCESTRING(RtlModule, SCannotShowModal, "Cannot make a visible window modal");
ZT_RESOURCESTRING(RtlModule, SWindowClass, "Error creating window class");
ZT_RESOURCESTRING(RtlModule, SWindowCreate, "Error creating window");
ZT_RESOURCESTRING(RtlModule, SNoMDIForm, "Cannot create form. No MDI forms are currently active");
ZT_RESOURCESTRING(RtlModule, SMenuIndexError, "Menu index out of range");
ZT_RESOURCESTRING(RtlModule, SMenuReinserted, "Menu inserted twice");
ZT_RESOURCESTRING(RtlModule, SMenuNotFound, "Sub-menu is not in menu");
ZT_RESOURCESTRING(RtlModule, STabIndexError, "Tab index out of bounds");
ZT_RESOURCESTRING(RtlModule, SFWriteError, "Cannot write file %s: %s");

void detail::LinkHostResourceStrings() {}

} // namespace host
