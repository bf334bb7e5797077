// The failures an automation call can raise. The export frame turns them into
// result codes; nothing else in the library catches them.
#pragma once

#include <stdexcept>
#include <string>

#include "automation/hresult.h"

namespace tarnex::automation {

// The server raised an exception (DISP_E_EXCEPTION); description is its text
// in the active code page.
class DispatchException : public std::runtime_error {
public:
    DispatchException(std::string description, HResult scode)
        : std::runtime_error(description), description_(std::move(description)), scode_(scode) {}
    const std::string& Description() const noexcept { return description_; }
    HResult Scode() const noexcept { return scode_; }

private:
    std::string description_;
    HResult scode_;
};

// A call failed with an OLE status code other than DISP_E_EXCEPTION.
class OleStatusFailure : public std::runtime_error {
public:
    explicit OleStatusFailure(HResult status);
    HResult Status() const noexcept { return status_; }

private:
    HResult status_;
};

// Throws the failure that a failed Invoke status stands for: E_OUTOFMEMORY
// is std::bad_alloc, DISP_E_EXCEPTION a DispatchException, anything else an
// OleStatusFailure.
[[noreturn]] void ThrowInvokeFailure(HResult status, const struct ExceptionInfo& exception);

}  // namespace tarnex::automation
