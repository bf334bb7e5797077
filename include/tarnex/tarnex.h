/*
 * tarnex: PIM object exchange for a Bluetooth object-exchange host.
 *
 * The host opens one session on Outlook 2000 or Eudora, then moves objects
 * between the PIM and fixed-size records that it allocates. Every text is
 * single-byte (or double-byte) zero-terminated text in the active ANSI code
 * page. Calls must come one at a time from the thread on which the host
 * initialised COM; the library never initialises COM itself.
 *
 * Record layouts are byte-exact and packed; the assertions below hold them to
 * their offsets for both the 4-byte-pointer (32-bit) and native layouts.
 */
#ifndef TARNEX_TARNEX_H
#define TARNEX_TARNEX_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#define TARN_EXTERN_C extern "C"
#define TARN_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define TARN_EXTERN_C
#define TARN_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#if defined(_WIN32)
#define TARN_CALL __cdecl
#if defined(TARNEX_BUILDING_LIBRARY)
#define TARN_API TARN_EXTERN_C __declspec(dllexport)
#else
#define TARN_API TARN_EXTERN_C __declspec(dllimport)
#endif
#else
#define TARN_CALL
#define TARN_API TARN_EXTERN_C __attribute__((visibility("default")))
#endif

/* ------------------------------------------------------------------------ */
/* Result codes, PIM kinds, store selectors, record types                    */
/* ------------------------------------------------------------------------ */

typedef int32_t TarnResult;

enum {
    TARN_INITIALIZED = 1,         /* InitializeTARN succeeded */
    TARN_OK = 0,                  /* every other export succeeded */
    TARN_FAILED = -1,             /* any other failure, or a null pointer argument */
    TARN_BAD_POSITION = -2,       /* position outside the store */
    TARN_NO_SERVER = -3,          /* the PIM's automation server cannot be created */
    TARN_OUT_OF_MEMORY = -4,      /* memory exhausted during InitializeTARN */
    TARN_OLE_FAILURE = -5,        /* an automation call failed with an OLE status code */
    TARN_DISPATCH_EXCEPTION = -6, /* the PIM raised a dispatch exception */
    TARN_NOT_MAIL = -7,           /* the item at that position of a mail store is not mail */
    TARN_NOT_OPEN = -8,           /* no session is open */
    TARN_NOT_IN_STORE = -9        /* the identified item is not an object of the store */
};

/* PimKind */
enum { TARN_PIM_OUTLOOK = 0, TARN_PIM_EUDORA = 1 };

/* StoreSelector: each call names exactly one store. */
enum {
    TARN_STORE_CONTACTS = 1,
    TARN_STORE_CALENDAR = 4, /* Calendar folder, then Tasks folder */
    TARN_STORE_NOTES = 16,
    TARN_STORE_INBOX = 32,
    TARN_STORE_OUTBOX = 64,
    TARN_STORE_SENT = 128
};

/* RecordType: the first four bytes of a record. */
enum {
    TARN_RECORD_CONTACT = 1,
    TARN_RECORD_CALENDAR = 2,
    TARN_RECORD_MESSAGE = 4,
    TARN_RECORD_NOTE = 8,
    TARN_RECORD_OTHER = 255
};

#define TARN_ENTRY_ID_SIZE 256    /* every identifier buffer */
#define TARN_UNIQUE_STRING_SIZE 40

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */

#pragma pack(push, 1)

/* The first 270 bytes of every record. */
typedef struct PimRecordHeader {
    uint32_t type;                        /* RecordType, little-endian */
    char entryId[TARN_ENTRY_ID_SIZE];     /* Outlook EntryID as hexadecimal text */
    char version[10];                     /* "2.1", "1.0" or "1.1" */
} PimRecordHeader;

TARN_STATIC_ASSERT(offsetof(PimRecordHeader, type) == 0, "type");
TARN_STATIC_ASSERT(offsetof(PimRecordHeader, entryId) == 4, "entryId");
TARN_STATIC_ASSERT(offsetof(PimRecordHeader, version) == 260, "version");
TARN_STATIC_ASSERT(sizeof(PimRecordHeader) == 270, "header size");

/*
 * Record lists. The host owns the descriptor and every node; the library only
 * moves `current` and `index`, and never touches the host's own words. With
 * 4-byte pointers the layout is the 20-byte descriptor and 12-byte node; with
 * 8-byte pointers each pointer field is aligned as the platform's C layout
 * would place it, with the padding spelled out.
 */
struct RecordListNode;

typedef struct RecordListNode {
    void* record;                  /* the PimRecord to fill or to write from */
    uint32_t hostWord;             /* the host's own */
#if UINTPTR_MAX > 0xFFFFFFFFu
    uint32_t padding;
#endif
    struct RecordListNode* next;   /* never read past the count-th node */
} RecordListNode;

typedef struct PimRecordList {
    RecordListNode* current;       /* the node whose record is worked on */
    RecordListNode* first;
    uint32_t hostWord;             /* the host's own */
    int32_t count;                 /* records to read or write */
    int32_t index;                 /* position of current, from 0 */
#if UINTPTR_MAX > 0xFFFFFFFFu
    uint32_t padding;
#endif
} PimRecordList;

#if UINTPTR_MAX > 0xFFFFFFFFu
TARN_STATIC_ASSERT(offsetof(RecordListNode, record) == 0, "node.record");
TARN_STATIC_ASSERT(offsetof(RecordListNode, hostWord) == 8, "node.hostWord");
TARN_STATIC_ASSERT(offsetof(RecordListNode, next) == 16, "node.next");
TARN_STATIC_ASSERT(sizeof(RecordListNode) == 24, "node size");
TARN_STATIC_ASSERT(offsetof(PimRecordList, current) == 0, "list.current");
TARN_STATIC_ASSERT(offsetof(PimRecordList, first) == 8, "list.first");
TARN_STATIC_ASSERT(offsetof(PimRecordList, hostWord) == 16, "list.hostWord");
TARN_STATIC_ASSERT(offsetof(PimRecordList, count) == 20, "list.count");
TARN_STATIC_ASSERT(offsetof(PimRecordList, index) == 24, "list.index");
TARN_STATIC_ASSERT(sizeof(PimRecordList) == 32, "list size");
#else
TARN_STATIC_ASSERT(offsetof(RecordListNode, record) == 0, "node.record");
TARN_STATIC_ASSERT(offsetof(RecordListNode, hostWord) == 4, "node.hostWord");
TARN_STATIC_ASSERT(offsetof(RecordListNode, next) == 8, "node.next");
TARN_STATIC_ASSERT(sizeof(RecordListNode) == 12, "node size");
TARN_STATIC_ASSERT(offsetof(PimRecordList, current) == 0, "list.current");
TARN_STATIC_ASSERT(offsetof(PimRecordList, first) == 4, "list.first");
TARN_STATIC_ASSERT(offsetof(PimRecordList, hostWord) == 8, "list.hostWord");
TARN_STATIC_ASSERT(offsetof(PimRecordList, count) == 12, "list.count");
TARN_STATIC_ASSERT(offsetof(PimRecordList, index) == 16, "list.index");
TARN_STATIC_ASSERT(sizeof(PimRecordList) == 20, "list size");
#endif

#pragma pack(pop)

/* ------------------------------------------------------------------------ */
/* Exports                                                                   */
/* ------------------------------------------------------------------------ */

/* Session. InitializeTARN returns 1 on success (also for an unknown kind,
 * which opens nothing), -3 when the PIM cannot be created, -4 or -1 when
 * opening it failed afterwards. */
TARN_API TarnResult TARN_CALL InitializeTARN(int32_t pimKind);
TARN_API void TARN_CALL UninitializeTARN(void);
/* 1 when the PIM's automation server can be created, else 0. */
TARN_API unsigned char TARN_CALL IsPimPresentTARN(int32_t pimKind);
/* Diagnostic: logs on, walks the folder tree, shows the Sent Items name. */
TARN_API TarnResult TARN_CALL TARN_LogonForOL(void);

/* Store queries. Identifier buffers are TARN_ENTRY_ID_SIZE bytes. */
TARN_API TarnResult TARN_CALL TARN_GetCountForOL(int32_t* count, int32_t store);
TARN_API TarnResult TARN_CALL TARN_GetIDForOL(char* entryId, int32_t position, int32_t store);
TARN_API TarnResult TARN_CALL TARN_GetUniqueStringForOL(char* text /* 40 bytes */);
TARN_API TarnResult TARN_CALL TARN_DeleteForOL(const char* entryId);

#endif /* TARNEX_TARNEX_H */
