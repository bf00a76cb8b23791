// Exceptions of the runtime. Every runtime failure is an Exception carrying its
// message (French texts, as the program shows them). Catch by reference.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception
{
public:
    explicit Exception(std::string msg) : Message(std::move(msg)) {}
    const char* what() const noexcept override { return Message.c_str(); }
    std::string Message;
};

#define BZ_DECLARE_EXCEPTION(Name, Base)                                   \
    class Name : public Base                                              \
    {                                                                     \
    public:                                                               \
        explicit Name(std::string msg) : Base(std::move(msg)) {}          \
    };

BZ_DECLARE_EXCEPTION(EConvertError, Exception)
BZ_DECLARE_EXCEPTION(EInOutError, Exception)
BZ_DECLARE_EXCEPTION(EStreamError, Exception)
BZ_DECLARE_EXCEPTION(EReadError, EStreamError)
BZ_DECLARE_EXCEPTION(EWriteError, EStreamError)
BZ_DECLARE_EXCEPTION(EFOpenError, EStreamError)
BZ_DECLARE_EXCEPTION(EFCreateError, EStreamError)
BZ_DECLARE_EXCEPTION(EOutOfMemory, Exception)
BZ_DECLARE_EXCEPTION(EAbort, Exception)
BZ_DECLARE_EXCEPTION(EListError, Exception)
BZ_DECLARE_EXCEPTION(EStringListError, Exception)
BZ_DECLARE_EXCEPTION(EZeroDivide, Exception)
BZ_DECLARE_EXCEPTION(EIntOverflow, Exception)
BZ_DECLARE_EXCEPTION(ERangeError, Exception)
BZ_DECLARE_EXCEPTION(EInvalidOperation, Exception)
BZ_DECLARE_EXCEPTION(EInvalidPointer, Exception)
BZ_DECLARE_EXCEPTION(EFormatError, Exception)   // Format(): directive and argument mismatch
BZ_DECLARE_EXCEPTION(EThread, Exception)

// Silent exception: aborts an operation without a message to the user.
[[noreturn]] inline void Abort() { throw EAbort("Op\xE9ration annul\xE9" "e"); }
