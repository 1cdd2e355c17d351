#pragma once
// The exception hierarchy of the class library: an exception carries one user-facing message.

#include "platform/core/NumberUtils.h"

#include <QString>
#include <exception>
#include <string>

namespace vcl {

class Exception : public std::exception
{
public:
    explicit Exception(const QString& message);
    // Builds the message with Format (printf-style, '.' decimals in every locale).
    template <typename... Args>
    Exception(const QString& format, const Args&... args) : Exception(Format(format, args...))
    {
    }
    ~Exception() override = default;

    const QString& Message() const { return m_message; }
    void SetMessage(const QString& message);
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

// The arguments name a class and its base, which cannot stand in parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define ZQ9_VCL_EXCEPTION(Name, Base) \
    class Name : public Base          \
    {                                 \
    public:                           \
        using Base::Base;             \
    };
// NOLINTEND(bugprone-macro-parentheses)

ZQ9_VCL_EXCEPTION(EAbort, Exception)
ZQ9_VCL_EXCEPTION(EConvertError, Exception)
ZQ9_VCL_EXCEPTION(EListError, Exception)
ZQ9_VCL_EXCEPTION(EStringListError, Exception)
ZQ9_VCL_EXCEPTION(EInvalidOperation, Exception)
ZQ9_VCL_EXCEPTION(EInvalidPointer, Exception)
ZQ9_VCL_EXCEPTION(EInvalidCast, Exception)
ZQ9_VCL_EXCEPTION(EComponentError, Exception)
ZQ9_VCL_EXCEPTION(ENotSupportedException, Exception)
ZQ9_VCL_EXCEPTION(EArgumentException, Exception)
ZQ9_VCL_EXCEPTION(EArgumentOutOfRangeException, EArgumentException)
ZQ9_VCL_EXCEPTION(EIntError, Exception)
ZQ9_VCL_EXCEPTION(ERangeError, EIntError)
ZQ9_VCL_EXCEPTION(EDivByZero, EIntError)
ZQ9_VCL_EXCEPTION(EMathError, Exception)
ZQ9_VCL_EXCEPTION(EHeapException, Exception)
ZQ9_VCL_EXCEPTION(EOutOfMemory, EHeapException)
ZQ9_VCL_EXCEPTION(EOutOfResources, EOutOfMemory)
ZQ9_VCL_EXCEPTION(EOSError, Exception)
ZQ9_VCL_EXCEPTION(EStreamError, Exception)
ZQ9_VCL_EXCEPTION(EFileStreamError, EStreamError)
ZQ9_VCL_EXCEPTION(EFCreateError, EFileStreamError)
ZQ9_VCL_EXCEPTION(EFOpenError, EFileStreamError)
ZQ9_VCL_EXCEPTION(EFilerError, EStreamError)
ZQ9_VCL_EXCEPTION(EReadError, EFilerError)
ZQ9_VCL_EXCEPTION(EWriteError, EFilerError)
ZQ9_VCL_EXCEPTION(EInvalidGraphic, Exception)
ZQ9_VCL_EXCEPTION(EInvalidGraphicOperation, Exception)

#undef ZQ9_VCL_EXCEPTION

// Index check shared by the lists: raises EListError "List index out of bounds (%d)".
[[noreturn]] void ListIndexError(int index);

} // namespace vcl
