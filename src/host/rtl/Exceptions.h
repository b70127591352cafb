// The host's exception hierarchy: every error the library raises derives from Exception.
#pragma once

#include "host/rtl/Types.h"

#include <exception>

namespace host {

class Exception : public std::exception {
public:
    explicit Exception(String Msg) : FMessage(std::move(Msg)) {}
    const String& Message() const noexcept { return FMessage; }
    void SetMessage(String Msg) { FMessage = std::move(Msg); }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    String FMessage;
};

#define ZT_DECLARE_EXCEPTION(Name, Base)                                                           \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
    }

ZT_DECLARE_EXCEPTION(EAbort, Exception);
ZT_DECLARE_EXCEPTION(EConvertError, Exception);
ZT_DECLARE_EXCEPTION(EInOutError, Exception);
ZT_DECLARE_EXCEPTION(EStringListError, Exception);
ZT_DECLARE_EXCEPTION(EListError, Exception);
ZT_DECLARE_EXCEPTION(EComponentError, Exception);
ZT_DECLARE_EXCEPTION(EPropertyError, Exception);
ZT_DECLARE_EXCEPTION(EInvalidOperation, Exception);
ZT_DECLARE_EXCEPTION(EStreamError, Exception);
ZT_DECLARE_EXCEPTION(EFilerError, EStreamError);
ZT_DECLARE_EXCEPTION(EReadError, EFilerError);
ZT_DECLARE_EXCEPTION(EWriteError, EFilerError);
ZT_DECLARE_EXCEPTION(EClassNotFound, EFilerError);
ZT_DECLARE_EXCEPTION(EFOpenError, EStreamError);
ZT_DECLARE_EXCEPTION(EFCreateError, EStreamError);
ZT_DECLARE_EXCEPTION(EParserError, Exception);
// A write to a protected routine entry.
ZT_DECLARE_EXCEPTION(EAccessViolation, Exception);
// A window could not be made (its class refused, a creation hook vetoed).
ZT_DECLARE_EXCEPTION(EOutOfResources, Exception);
ZT_DECLARE_EXCEPTION(EMenuError, Exception);

// Raised by a failing check inside the library itself; never by bad input.
ZT_DECLARE_EXCEPTION(EAssertionFailed, Exception);

} // namespace host
