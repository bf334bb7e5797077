// The frame every export runs in. Failures are exceptions inside the library;
// here, and only here, they become result codes. Nothing done before a
// failure is undone, and no exception ever reaches the host.
#pragma once

#include <exception>

#include "codec/date_time.h"
#include "exports/result_codes.h"
#include "session/pim_session.h"

namespace tarnex::exports {

// The result code of the failure being handled (call inside a catch block):
// a dispatch exception, an OLE status failure, or anything else.
Result CurrentFailureResult() noexcept;

// Runs work, which returns a Result, inside the failure guard. The time
// zone is read at most once per call, when a conversion first needs it.
template <typename Work>
TarnResult Guarded(Work&& work) noexcept {
    codec::ForgetTimeZone();
    try {
        return static_cast<TarnResult>(work());
    } catch (...) {
        return static_cast<TarnResult>(CurrentFailureResult());
    }
}

// The frame of every export that needs an open session: -8 at once when none
// is open, otherwise work inside the failure guard.
template <typename Work>
TarnResult SessionExport(Work&& work) noexcept {
    session::PimSession& session = session::Session();
    if (!session.initialized) return static_cast<TarnResult>(Result::NotOpen);
    return Guarded([&] { return work(session); });
}

}  // namespace tarnex::exports
