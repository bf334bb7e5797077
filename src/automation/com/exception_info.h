// An owning EXCEPINFO: its BSTRs are freed on every path. Filling ours runs
// the server's deferred fill-in first, as a client of DISP_E_EXCEPTION must.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "automation/dispatch_object.h"

namespace tarnex::automation::com {

class UniqueExcepInfo {
public:
    UniqueExcepInfo() noexcept : info_() {}
    UniqueExcepInfo(const UniqueExcepInfo&) = delete;
    UniqueExcepInfo& operator=(const UniqueExcepInfo&) = delete;
    ~UniqueExcepInfo();

    EXCEPINFO* Get() noexcept { return &info_; }

    // Our ExceptionInfo from what the server reported; a wCode without scode
    // becomes the HRESULT 0x80040200 + wCode.
    void FillIn(ExceptionInfo& exception);

private:
    EXCEPINFO info_;
};

}  // namespace tarnex::automation::com
