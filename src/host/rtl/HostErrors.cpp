// The host's error raisers.
#include "host/rtl/HostErrors.h"

namespace host {

namespace {

String Quoted(std::string_view FileName) {
    return "\"" + String(FileName) + "\"";
}

} // namespace

String FormatResString(const TResStringRec& Rec, std::initializer_list<TVarRec> Args) {
    try {
        return Format(LoadResString(Rec), Args);
    } catch (const EConvertError&) {
        return Format(SysLoadResString(&Rec), Args);
    }
}

void RaiseSortedListError() {
    throw EStringListError(LoadResString(SSortedListError));
}
void RaiseDuplicateString() {
    throw EStringListError(LoadResString(SDuplicateString));
}
void RaiseInvalidInteger(std::string_view S) {
    throw EConvertError(FormatResString(SInvalidInteger, {S}));
}
void RaiseInvalidFloat(std::string_view S) {
    throw EConvertError(FormatResString(SInvalidFloat, {S}));
}
void RaiseInvalidDate(std::string_view S) {
    throw EConvertError(FormatResString(SInvalidDate, {S}));
}
void RaiseFOpenError(std::string_view FileName) {
    throw EFOpenError(FormatResString(SFOpenError, {Quoted(FileName)}));
}
void RaiseFCreateError(std::string_view FileName) {
    throw EFCreateError(FormatResString(SFCreateError, {Quoted(FileName)}));
}
void RaiseFWriteError(std::string_view FileName, std::string_view Reason) {
    throw EWriteError(FormatResString(SFWriteError, {Quoted(FileName), Reason}));
}
void RaiseControlParentSetToSelf() {
    throw EInvalidOperation(LoadResString(SControlParentSetToSelf));
}
void RaiseCannotFocus() {
    throw EInvalidOperation(LoadResString(SCannotFocus));
}
void RaiseCannotShowModal() {
    throw EInvalidOperation(LoadResString(SCannotShowModal));
}
void RaiseNoMDIForm() {
    throw EInvalidOperation(LoadResString(SNoMDIForm));
}
void RaiseWindowClassError() {
    throw EOutOfResources(LoadResString(SWindowClass));
}
void RaiseWindowCreateError() {
    throw EOutOfResources(LoadResString(SWindowCreate));
}
void RaiseMenuIndexError() {
    throw EMenuError(LoadResString(SMenuIndexError));
}
void RaiseMenuReinserted() {
    throw EMenuError(LoadResString(SMenuReinserted));
}
void RaiseMenuNotFound() {
    throw EMenuError(LoadResString(SMenuNotFound));
}
void RaiseTabIndexError() {
    throw EListError(LoadResString(STabIndexError));
}

} // namespace host
