#include <new>

#include "automation/code_page.h"
#include "automation/dispatch_object.h"
#include "automation/failures.h"

namespace tarnex::automation {

// Lives with the library's calls rather than with the failures themselves:
// the server's description reaches the host in the active code page.
// E_OUTOFMEMORY is memory running out, whoever ran out: the COM backend's own
// marshalling, the proxy, or the server. It is the same failure as a
// bad_alloc inside the library, so every backend reports it alike.
void ThrowInvokeFailure(HResult status, const ExceptionInfo& exception) {
    if (status == kDispException) throw DispatchException(WideToAnsi(exception.description), exception.scode);
    if (status == kOutOfMemory) throw std::bad_alloc();
    throw OleStatusFailure(status);
}

}  // namespace tarnex::automation
