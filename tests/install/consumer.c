/* A host in C built against an installed tarnex: it opens the bundled
 * sample PIM through the simulated servers, counts and reads a contact, and
 * checks that the session lets go of every object. Exits 0 when all holds. */
#include <stdio.h>
#include <string.h>

#include "tarnex/simpim.h"
#include "tarnex/tarnex.h"

static int failures = 0;

static void expect(const char* what, long got, long wanted) {
    if (got != wanted) {
        printf("%s: %ld, expected %ld\n", what, got, wanted);
        ++failures;
    }
}

int main(void) {
    static ContactRecord contact;
    char id[TARN_ENTRY_ID_SIZE] = {0};
    int32_t count = -1;
    expect("install", tarnex_simpim_install(NULL), TARNEX_SIMPIM_OK);
    expect("InitializeTARN", InitializeTARN(TARN_PIM_OUTLOOK), TARN_INITIALIZED);
    expect("TARN_GetCountForOL", TARN_GetCountForOL(&count, TARN_STORE_CONTACTS), TARN_OK);
    expect("contacts", count, 25);
    expect("TARN_GetIDForOL", TARN_GetIDForOL(id, 0, TARN_STORE_CONTACTS), TARN_OK);
    expect("TARN_GetSingleObjectForOL", TARN_GetSingleObjectForOL(&contact, id, TARN_STORE_CONTACTS),
           TARN_OK);
    expect("the first contact's name", strcmp(contact.name, "Berg;Anna;;;"), 0);
    UninitializeTARN();
    expect("references left", tarnex_simpim_live_references(), 0);
    tarnex_simpim_uninstall();
    if (failures == 0) printf("installed tarnex: %d contacts, the first %s\n", (int)count, contact.fileAs);
    return failures == 0 ? 0 : 1;
}
