// The in-process backend's C entry points: what a development host or a test
// uses to stand in for the class registry, the code page and the screen.
#include <string_view>

#include "automation/inproc/active_code_page.h"
#include "automation/inproc/message_box.h"
#include "automation/inproc/server_registry.h"
#include "tarnex/tarnex_inproc.h"

using namespace tarnex::automation;

TARN_API int32_t TARN_CALL tarnex_RegisterServer(const char* progId, tarnex_ServerFactory factory,
                                                 void* context) {
    if (!progId || !*progId) return -1;
    try {
        inproc::RegisterServer(progId, factory, context);
    } catch (...) {  // nothing may pass to a C caller
        return -1;
    }
    return 0;
}

TARN_API int32_t TARN_CALL tarnex_SetCodePage(uint32_t codePage) {
    return inproc::SelectCodePage(codePage) ? 0 : -1;
}

TARN_API void TARN_CALL tarnex_SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) {
    inproc::SetMessageBoxHandler(handler, context);
}
