// TARN_LogonForOL's work: log on to MAPI, touch every top-level folder and its
// direct children, and show the Sent Items folder's name in a message box.
#pragma once

#include "session/pim_session.h"

namespace tarnex::session {

// Uses objects of its own; the session's slots are not changed.
void RunLogonDiagnostic(const PimSession& session);

}  // namespace tarnex::session
