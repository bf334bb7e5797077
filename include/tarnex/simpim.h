/*
 * tarnex_simpim: the simulated Outlook 2000 and Eudora servers as a shared
 * library, so that a host in any language can test its use of tarnex in its
 * own process, without Outlook or Windows.
 *
 *   tarnex_simpim_install(NULL);            the bundled sample PIM
 *   InitializeTARN(TARN_PIM_OUTLOOK);        ... the host's calls ...
 *   UninitializeTARN();
 *   assert(tarnex_simpim_live_references() == 0);
 *   tarnex_simpim_uninstall();
 *
 * The servers are registered with the library's in-process backend (see
 * tarnex_inproc.h) under "Outlook.Application.9" and "Eudora.EuApplication.1".
 * Call these functions from the thread that calls the library, and never
 * while one of its calls runs. The JSON format of the simulated PIM is
 * described in docs/simulated-pim-json.md of the source tree.
 */
#ifndef TARNEX_SIMPIM_H
#define TARNEX_SIMPIM_H

#ifdef __cplusplus
#define TARNEX_SIMPIM_EXTERN_C extern "C"
#else
#define TARNEX_SIMPIM_EXTERN_C
#endif
#define TARNEX_SIMPIM_API TARNEX_SIMPIM_EXTERN_C __attribute__((visibility("default")))

/* Results of tarnex_simpim_install. */
enum {
    TARNEX_SIMPIM_OK = 0,
    TARNEX_SIMPIM_BAD_JSON = -1, /* not JSON, or a value that does not fit; the last error names the place */
    TARNEX_SIMPIM_NO_PIM = -2    /* the document describes neither an Outlook nor a Eudora */
};

/* Kinds of tarnex_simpim_fail_call. */
enum {
    TARNEX_SIMPIM_DISPATCH_EXCEPTION = 1, /* the server raises a dispatch exception */
    TARNEX_SIMPIM_OLE_FAILURE = 2,        /* the call fails with an OLE status code (E_FAIL) */
    TARNEX_SIMPIM_NOT_AN_OBJECT = 3       /* a call that gives an object gives an empty value instead */
};

/* Installs the Outlook and/or the Eudora that the JSON text (UTF-8) describes,
 * replacing what an earlier call installed, and registers them; NULL installs
 * the bundled sample PIM. Returns TARNEX_SIMPIM_OK, or a negative result and
 * leaves installed what was. */
TARNEX_SIMPIM_API int tarnex_simpim_install(const char* json);

/* Unregisters and drops the installed servers. Objects a session still holds
 * keep answering until they are released. */
TARNEX_SIMPIM_API void tarnex_simpim_uninstall(void);

/* The installed servers' state as a JSON document in the install format, or
 * NULL when nothing is installed; free it with tarnex_simpim_free. */
TARNEX_SIMPIM_API char* tarnex_simpim_state(void);
TARNEX_SIMPIM_API void tarnex_simpim_free(char* text);

/* The nth automation call from now (1: the next one) fails in the given way
 * (TARNEX_SIMPIM_DISPATCH_EXCEPTION, _OLE_FAILURE, _NOT_AN_OBJECT). Calls are
 * counted on each installed server; several failures may be armed at once.
 * With TARNEX_SIMPIM_NOT_AN_OBJECT a call whose result is not an object goes
 * through unchanged. */
TARNEX_SIMPIM_API void tarnex_simpim_fail_call(int nth, int kind);

/* On (non-zero): the simulated Outlook guards its address members as Outlook
 * 2000 SP2 does and the user refuses every guarded read. Off: nothing is
 * guarded, as before SP2. */
TARNEX_SIMPIM_API void tarnex_simpim_refuse_guarded(int on);

/* References the outside world (the library) holds on the installed servers'
 * objects: 0 once a session is closed. */
TARNEX_SIMPIM_API long tarnex_simpim_live_references(void);

/* Why the last failed tarnex_simpim_install failed; "" when it did not. The
 * text stays valid until the next install. */
TARNEX_SIMPIM_API const char* tarnex_simpim_last_error(void);

#endif /* TARNEX_SIMPIM_H */
