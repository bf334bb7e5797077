// InitializeTARN, UninitializeTARN, IsPimPresentTARN, TARN_LogonForOL.
#include <new>

#include "exports/export_frame.h"
#include "session/logon_diagnostic.h"
#include "session/session_lifecycle.h"

using tarnex::exports::Result;
namespace session = tarnex::session;

TARN_API TarnResult TARN_CALL InitializeTARN(int32_t pimKind) {
    session::PimSession& pim = session::Session();
    try {
        switch (session::OpenSession(pim, pimKind)) {
            case session::OpenOutcome::NoServer:
                return TARN_NO_SERVER;
            case session::OpenOutcome::Opened:
            case session::OpenOutcome::UnknownKind:
                return TARN_INITIALIZED;
        }
        return TARN_INITIALIZED;
    } catch (const std::bad_alloc&) {
        session::CloseSession(pim);
        return TARN_OUT_OF_MEMORY;
    } catch (...) {
        // Automation failures have no code of their own while opening.
        session::CloseSession(pim);
        return TARN_FAILED;
    }
}

TARN_API void TARN_CALL UninitializeTARN(void) { session::CloseSession(session::Session()); }

TARN_API unsigned char TARN_CALL IsPimPresentTARN(int32_t pimKind) {
    try {
        return session::ProbePim(pimKind) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

TARN_API TarnResult TARN_CALL TARN_LogonForOL(void) {
    return tarnex::exports::SessionExport([](session::PimSession& pim) {
        session::RunLogonDiagnostic(pim);
        return Result::Ok;
    });
}
