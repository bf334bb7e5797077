// The library under test, reached only through its exported functions. On
// Windows the table is filled from tarnex.dll with GetProcAddress; elsewhere
// it points at the linked shared library's exports.
#pragma once

#include "tarnex/tarnex.h"

// Every export: the table's field and the export's name.
#define TARNEX_TEST_EXPORTS(X)                                                                            \
    X(Initialize, InitializeTARN)                                                                         \
    X(Uninitialize, UninitializeTARN) X(IsPimPresent, IsPimPresentTARN) X(LogonForOL, TARN_LogonForOL)    \
        X(GetCountForOL, TARN_GetCountForOL) X(GetIDForOL, TARN_GetIDForOL)                               \
            X(GetUniqueStringForOL, TARN_GetUniqueStringForOL) X(DeleteForOL, TARN_DeleteForOL)           \
                X(GetObjectStoreForOL, TARN_GetObjectStoreForOL)                                          \
                    X(GetSingleObjectForOL, TARN_GetSingleObjectForOL)                                    \
                        X(SetObjectStoreForOL, TARN_SetObjectStoreForOL)                                  \
                            X(SetSingleObjectForOL, TARN_SetSingleObjectForOL) X(AddForOL, TARN_AddForOL) \
                                X(GetCreationTimeForOL, TARN_GetCreationTimeForOL)                        \
                                    X(GetModificationTimeForOL, TARN_GetModificationTimeForOL)            \
                                        X(GetCountForEU, TARN_GetCountForEU)                              \
                                            X(GetSingleObjectForEU, TARN_GetSingleObjectForEU)            \
                                                X(AddForEU, TARN_AddForEU)

namespace tarnex_test {

struct Library {
#define TARNEX_TEST_FIELD(field, name) decltype(&name) field;
    TARNEX_TEST_EXPORTS(TARNEX_TEST_FIELD)
#undef TARNEX_TEST_FIELD
};

// The loaded library; the first call loads it.
const Library& Tarnex();

}  // namespace tarnex_test
