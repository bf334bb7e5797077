/* A host in C linked against tarnex.dll through its import library, as a
 * Windows host links it. Run where no PIM is registered, it checks the calls
 * reach the DLL: nothing is open, nothing can be opened. Exits 0 when all
 * holds. */
#include <stdio.h>

#include "tarnex/tarnex.h"

int main(void) {
    int failures = 0;
    int32_t count = 7;
    if (TARN_GetCountForOL(&count, TARN_STORE_CONTACTS) != TARN_NOT_OPEN || count != 7) ++failures;
    if (IsPimPresentTARN(TARN_PIM_OUTLOOK) != 0) ++failures;
    if (InitializeTARN(TARN_PIM_OUTLOOK) != TARN_NO_SERVER) ++failures;
    UninitializeTARN();
    printf("tarnex.dll through its import library: %s\n", failures == 0 ? "as expected" : "NOT as expected");
    return failures == 0 ? 0 : 1;
}
