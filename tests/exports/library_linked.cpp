// The export table over the linked shared library (every platform but
// Windows, where the table is filled with GetProcAddress).
#ifndef _WIN32
#include "exports/library.h"

namespace tarnex_test {

const Library& Tarnex() {
    static const Library library{
        &InitializeTARN,
        &UninitializeTARN,
        &IsPimPresentTARN,
        &TARN_LogonForOL,
        &TARN_GetCountForOL,
        &TARN_GetIDForOL,
        &TARN_GetUniqueStringForOL,
        &TARN_DeleteForOL,
        &TARN_GetObjectStoreForOL,
        &TARN_GetSingleObjectForOL,
        &TARN_SetObjectStoreForOL,
        &TARN_SetSingleObjectForOL,
        &TARN_AddForOL,
        &TARN_GetCreationTimeForOL,
        &TARN_GetModificationTimeForOL,
        &TARN_GetCountForEU,
        &TARN_GetSingleObjectForEU,
        &TARN_AddForEU,
    };
    return library;
}

}  // namespace tarnex_test
#endif
