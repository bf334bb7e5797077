#include "automation/code_page.h"
#include "automation/dispatch_object.h"
#include "automation/failures.h"

namespace tarnex::automation {

// Lives with the library's calls rather than with the failures themselves:
// the server's description reaches the host in the active code page.
void ThrowInvokeFailure(HResult status, const ExceptionInfo& exception) {
    if (status == kDispException) throw DispatchException(WideToAnsi(exception.description), exception.scode);
    throw OleStatusFailure(status);
}

}  // namespace tarnex::automation
