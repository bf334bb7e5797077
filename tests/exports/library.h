// The library under test, reached only through its exported functions. On
// Windows the table is filled from tarnex.dll with GetProcAddress; elsewhere
// it points at the linked shared library's exports.
#pragma once

#include "tarnex/tarnex.h"

namespace tarnex_test {

struct Library {
    decltype(&InitializeTARN) Initialize;
    decltype(&UninitializeTARN) Uninitialize;
    decltype(&IsPimPresentTARN) IsPimPresent;
    decltype(&TARN_LogonForOL) LogonForOL;
    decltype(&TARN_GetCountForOL) GetCountForOL;
    decltype(&TARN_GetIDForOL) GetIDForOL;
    decltype(&TARN_GetUniqueStringForOL) GetUniqueStringForOL;
    decltype(&TARN_DeleteForOL) DeleteForOL;
    decltype(&TARN_GetObjectStoreForOL) GetObjectStoreForOL;
    decltype(&TARN_GetSingleObjectForOL) GetSingleObjectForOL;
    decltype(&TARN_SetObjectStoreForOL) SetObjectStoreForOL;
    decltype(&TARN_SetSingleObjectForOL) SetSingleObjectForOL;
    decltype(&TARN_AddForOL) AddForOL;
    decltype(&TARN_GetCreationTimeForOL) GetCreationTimeForOL;
    decltype(&TARN_GetModificationTimeForOL) GetModificationTimeForOL;
    decltype(&TARN_GetCountForEU) GetCountForEU;
    decltype(&TARN_GetSingleObjectForEU) GetSingleObjectForEU;
    decltype(&TARN_AddForEU) AddForEU;
};

// The loaded library; the first call loads it.
const Library& Tarnex();

}  // namespace tarnex_test
