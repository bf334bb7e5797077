#include "automation/com/exception_info.h"

#include "automation/com/bstr.h"

namespace tarnex::automation::com {

namespace {

constexpr HRESULT kFirstWCodeResult = static_cast<HRESULT>(0x80040200);  // WCODE_HRESULT_FIRST
constexpr HRESULT kLastWCodeResult = static_cast<HRESULT>(0x8004FFFF);   // WCODE_HRESULT_LAST

HRESULT ScodeOf(const EXCEPINFO& info) noexcept {
    if (info.scode != 0 || info.wCode == 0) return info.scode;
    return info.wCode >= 0xFE00 ? kLastWCodeResult : kFirstWCodeResult + info.wCode;
}

}  // namespace

UniqueExcepInfo::~UniqueExcepInfo() {
    SysFreeString(info_.bstrSource);
    SysFreeString(info_.bstrDescription);
    SysFreeString(info_.bstrHelpFile);
}

void UniqueExcepInfo::FillIn(ExceptionInfo& exception) {
    if (info_.pfnDeferredFillIn) {
        info_.pfnDeferredFillIn(&info_);
        info_.pfnDeferredFillIn = nullptr;
    }
    exception.source = BstrText(info_.bstrSource);
    exception.description = BstrText(info_.bstrDescription);
    exception.scode = ScodeOf(info_);
}

}  // namespace tarnex::automation::com
