// The DLL's entry point. A host may unload the DLL without UninitializeTARN,
// by FreeLibrary or by ending the process, and may already have uninitialised
// COM by then; and DLL_PROCESS_DETACH runs under the loader lock, where a
// call into a server (a proxy's Release is a call to another process) can
// deadlock. So at every unload the session lets go of its objects without
// calling them; the session's destructor, which runs after this, then finds
// nothing left to release.
#include <windows.h>

#include "session/pim_session.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH) tarnex::session::Session().AbandonAll();
    return TRUE;
}
