// The result codes of the host interface, for the library's own use.
#pragma once

#include <cstdint>

#include "tarnex/tarnex.h"

namespace tarnex::exports {

enum class Result : std::int32_t {
    Initialized = TARN_INITIALIZED,
    Ok = TARN_OK,
    Failed = TARN_FAILED,
    BadPosition = TARN_BAD_POSITION,
    NoServer = TARN_NO_SERVER,
    OutOfMemory = TARN_OUT_OF_MEMORY,
    OleFailure = TARN_OLE_FAILURE,
    DispatchException = TARN_DISPATCH_EXCEPTION,
    NotMail = TARN_NOT_MAIL,
    NotOpen = TARN_NOT_OPEN,
    NotInStore = TARN_NOT_IN_STORE,
};

}  // namespace tarnex::exports
