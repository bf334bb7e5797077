// The DLL's entry point. When the DLL is unloaded with FreeLibrary, the
// session's destructor releases what a host left open. When the whole
// process is ending, COM and the PIM's proxies may already be gone, so the
// session lets go of its objects without calling into them.
#include <windows.h>

#include "session/pim_session.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH && reserved != nullptr) tarnex::session::Session().AbandonAll();
    return TRUE;
}
