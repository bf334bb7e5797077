// Opening and closing the session, and probing for a PIM.
#pragma once

#include <cstdint>

#include "session/pim_session.h"

namespace tarnex::session {

enum class PimKind : std::int32_t { Outlook = 0, Eudora = 1 };

inline constexpr const char* kOutlookProgId = "Outlook.Application.9";
inline constexpr const char* kEudoraProgId = "Eudora.EuApplication.1";

enum class OpenOutcome { Opened, NoServer, UnknownKind };

// Creates the PIM's server and resolves the session's collections. Throws
// when a call after the creation fails; the caller closes the session then.
OpenOutcome OpenSession(PimSession& session, std::int32_t kind);

// Releases every slot and marks the session closed.
void CloseSession(PimSession& session) noexcept;

// True when the PIM's server can be created. The probe holds its own object,
// so an open session keeps its application.
bool ProbePim(std::int32_t kind);

}  // namespace tarnex::session
