/*
 * The in-process automation backend (every platform but Windows): the
 * stand-in for the COM class registry and the system's active code page and
 * message box. A development host or a test registers its automation servers
 * here before it opens a session; nothing is registered at load.
 */
#ifndef TARNEX_TARNEX_INPROC_H
#define TARNEX_TARNEX_INPROC_H

#include "tarnex/tarnex.h"

/* Creates a server object holding one reference for the caller (a
 * tarnex::automation::DispatchObject*), or returns null when it cannot. */
typedef void* (*tarnex_ServerFactory)(void* context);

/* Registers factory under progId, replacing any earlier registration; a null
 * factory removes it. Returns 0, or -1 for a null or empty progId. */
TARN_API int32_t TARN_CALL tarnex_RegisterServer(const char* progId, tarnex_ServerFactory factory,
                                                 void* context);

/* Chooses the active ANSI code page: 1252 (the default) or 932 (Japanese,
 * double-byte). Returns 0, or -1 for a code page the backend does not have. */
TARN_API int32_t TARN_CALL tarnex_SetCodePage(uint32_t codePage);

/* Receives the text of every message box the library shows, in place of a
 * modal window; null restores the default (the text goes to standard error). */
typedef void (*tarnex_MessageBoxHandler)(const char* text, void* context);
TARN_API void TARN_CALL tarnex_SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context);

#endif /* TARNEX_TARNEX_INPROC_H */
