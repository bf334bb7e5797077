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

#define TARN_ENTRY_ID_SIZE 256 /* every identifier buffer */
#define TARN_UNIQUE_STRING_SIZE 40

/* ------------------------------------------------------------------------ */
/* Records                                                                   */
/* ------------------------------------------------------------------------ */

#pragma pack(push, 1)

/* The first 270 bytes of every record. */
typedef struct PimRecordHeader {
    uint32_t type;                    /* RecordType, little-endian */
    char entryId[TARN_ENTRY_ID_SIZE]; /* Outlook EntryID as hexadecimal text */
    char version[10];                 /* "2.1", "1.0" or "1.1" */
} PimRecordHeader;

TARN_STATIC_ASSERT(offsetof(PimRecordHeader, type) == 0, "type");
TARN_STATIC_ASSERT(offsetof(PimRecordHeader, entryId) == 4, "entryId");
TARN_STATIC_ASSERT(offsetof(PimRecordHeader, version) == 260, "version");
TARN_STATIC_ASSERT(sizeof(PimRecordHeader) == 270, "header size");

/* Most text fields are followed by a 128-byte parameter area holding the
 * property's parameters as text, e.g. "HOME;VOICE" or "INTERNET;PREF". */
#define TARN_PARAMETERS_SIZE 128

typedef struct AddressSlot {
    char value[255]; /* ADR: box;extended;street;city;region;postal code;country */
    char parameters[TARN_PARAMETERS_SIZE];
} AddressSlot;

typedef struct PhoneSlot {
    char value[50]; /* TEL: the number */
    char parameters[TARN_PARAMETERS_SIZE];
} PhoneSlot;

typedef struct EmailSlot {
    char value[30]; /* EMAIL: the address */
    char parameters[TARN_PARAMETERS_SIZE];
} EmailSlot;

/* A contact (store TARN_STORE_CONTACTS), the values of a vCard 2.1 object. */
typedef struct ContactRecord {
    PimRecordHeader header; /* type 1, version "2.1" */
    char name[100];         /* N: family;given;middle;title;suffix */
    char nameParameters[TARN_PARAMETERS_SIZE];
    char fileAs[128];
    char fileAsParameters[TARN_PARAMETERS_SIZE];
    char birthday[11]; /* BDAY: YYYYMMDD */
    char birthdayParameters[TARN_PARAMETERS_SIZE];
    AddressSlot addresses[6]; /* read: 0 home, 1 business, 2 other when it is the mailing address */
    char organization[512];   /* ORG: company;department */
    char organizationParameters[TARN_PARAMETERS_SIZE];
    char jobTitle[128]; /* TITLE */
    char jobTitleParameters[TARN_PARAMETERS_SIZE];
    PhoneSlot phones[12]; /* read: home, business, home fax, business fax, mobile, pager, car, ISDN */
    char personalHomePage[512];
    char personalHomePageParameters[TARN_PARAMETERS_SIZE];
    char businessHomePage[512];
    char businessHomePageParameters[TARN_PARAMETERS_SIZE];
    EmailSlot emails[12]; /* read: Email1 (INTERNET;PREF), Email2, Email3 */
    char tail[161];       /* always zero */
} ContactRecord;

TARN_STATIC_ASSERT(sizeof(AddressSlot) == 383 && offsetof(AddressSlot, parameters) == 255, "AddressSlot");
TARN_STATIC_ASSERT(sizeof(PhoneSlot) == 178 && offsetof(PhoneSlot, parameters) == 50, "PhoneSlot");
TARN_STATIC_ASSERT(sizeof(EmailSlot) == 158 && offsetof(EmailSlot, parameters) == 30, "EmailSlot");
TARN_STATIC_ASSERT(offsetof(ContactRecord, name) == 270, "contact.name");
TARN_STATIC_ASSERT(offsetof(ContactRecord, nameParameters) == 370, "contact.nameParameters");
TARN_STATIC_ASSERT(offsetof(ContactRecord, fileAs) == 498, "contact.fileAs");
TARN_STATIC_ASSERT(offsetof(ContactRecord, fileAsParameters) == 626, "contact.fileAsParameters");
TARN_STATIC_ASSERT(offsetof(ContactRecord, birthday) == 754, "contact.birthday");
TARN_STATIC_ASSERT(offsetof(ContactRecord, birthdayParameters) == 765, "contact.birthdayParameters");
TARN_STATIC_ASSERT(offsetof(ContactRecord, addresses) == 893, "contact.addresses");
TARN_STATIC_ASSERT(offsetof(ContactRecord, organization) == 3191, "contact.organization");
TARN_STATIC_ASSERT(offsetof(ContactRecord, organizationParameters) == 3703, "contact.organizationParameters");
TARN_STATIC_ASSERT(offsetof(ContactRecord, jobTitle) == 3831, "contact.jobTitle");
TARN_STATIC_ASSERT(offsetof(ContactRecord, jobTitleParameters) == 3959, "contact.jobTitleParameters");
TARN_STATIC_ASSERT(offsetof(ContactRecord, phones) == 4087, "contact.phones");
TARN_STATIC_ASSERT(offsetof(ContactRecord, personalHomePage) == 6223, "contact.personalHomePage");
TARN_STATIC_ASSERT(offsetof(ContactRecord, personalHomePageParameters) == 6735,
                   "contact.personalHomePageParameters");
TARN_STATIC_ASSERT(offsetof(ContactRecord, businessHomePage) == 6863, "contact.businessHomePage");
TARN_STATIC_ASSERT(offsetof(ContactRecord, businessHomePageParameters) == 7375,
                   "contact.businessHomePageParameters");
TARN_STATIC_ASSERT(offsetof(ContactRecord, emails) == 7503, "contact.emails");
TARN_STATIC_ASSERT(offsetof(ContactRecord, tail) == 9399, "contact.tail");
TARN_STATIC_ASSERT(sizeof(ContactRecord) == 9560, "contact size");

/* CalendarKind: the byte at offset 270 of a calendar record. */
enum { TARN_CALENDAR_APPOINTMENT = 1, TARN_CALENDAR_TASK = 2 };

/* The field block of a calendar record, from record offset 271: the values
 * of a vCalendar 1.0 event or to-do. The calendar converters see the record
 * from here on. Dates are YYYYMMDD (dateCompleted) or YYYYMMDDTHHMMSS, local
 * time. Only the body's parameter area is ever written by the library. */
typedef struct CalendarFields {
    char entryId[TARN_ENTRY_ID_SIZE]; /* the item's EntryID; no parameter area */
    char categories[278];             /* CATEGORIES (tasks, written only): read up to its zero */
    char dateCompleted[20];           /* COMPLETED, tasks */
    char dateCompletedParameters[TARN_PARAMETERS_SIZE];
    char body[20480]; /* DESCRIPTION */
    char bodyParameters[TARN_PARAMETERS_SIZE];
    char dueDate[20]; /* DUE, tasks */
    char dueDateParameters[TARN_PARAMETERS_SIZE];
    char end[20]; /* DTEND, appointments */
    char endParameters[TARN_PARAMETERS_SIZE];
    char importance[5]; /* PRIORITY: Outlook's Importance, 0 low, 1 normal, 2 high */
    char importanceParameters[TARN_PARAMETERS_SIZE];
    char start[20]; /* DTSTART */
    char startParameters[TARN_PARAMETERS_SIZE];
    char status[20]; /* STATUS, tasks: "COMPLETED" or "NEEDS ACTION" */
    char statusParameters[TARN_PARAMETERS_SIZE];
    char subject[512]; /* SUMMARY */
    char subjectParameters[TARN_PARAMETERS_SIZE];
    char spare[20]; /* carries nothing */
    char spareParameters[TARN_PARAMETERS_SIZE];
    char location[150]; /* LOCATION, appointments */
    char locationParameters[TARN_PARAMETERS_SIZE];
} CalendarFields;

/* An appointment or a task (store TARN_STORE_CALENDAR). The header's entryId
 * is not written by the readers: the identifier stands in fields.entryId. */
typedef struct CalendarRecord {
    PimRecordHeader header; /* type 2, version "1.0" */
    uint8_t kind;           /* CalendarKind */
    CalendarFields fields;
} CalendarRecord;

/* Each field is asserted at its offset in the block and in the record. */
#define TARN_CALENDAR_FIELD_AT(field, blockOffset, recordOffset)                               \
    TARN_STATIC_ASSERT(offsetof(CalendarFields, field) == (blockOffset) &&                     \
                           offsetof(CalendarRecord, fields) + (blockOffset) == (recordOffset), \
                       "calendar." #field)
TARN_STATIC_ASSERT(offsetof(CalendarRecord, kind) == 270, "calendar.kind");
TARN_STATIC_ASSERT(offsetof(CalendarRecord, fields) == 271, "calendar.fields");
TARN_CALENDAR_FIELD_AT(entryId, 0, 271);
TARN_CALENDAR_FIELD_AT(categories, 256, 527);
TARN_CALENDAR_FIELD_AT(dateCompleted, 534, 805);
TARN_CALENDAR_FIELD_AT(dateCompletedParameters, 554, 825);
TARN_CALENDAR_FIELD_AT(body, 682, 953);
TARN_CALENDAR_FIELD_AT(bodyParameters, 21162, 21433);
TARN_CALENDAR_FIELD_AT(dueDate, 21290, 21561);
TARN_CALENDAR_FIELD_AT(dueDateParameters, 21310, 21581);
TARN_CALENDAR_FIELD_AT(end, 21438, 21709);
TARN_CALENDAR_FIELD_AT(endParameters, 21458, 21729);
TARN_CALENDAR_FIELD_AT(importance, 21586, 21857);
TARN_CALENDAR_FIELD_AT(importanceParameters, 21591, 21862);
TARN_CALENDAR_FIELD_AT(start, 21719, 21990);
TARN_CALENDAR_FIELD_AT(startParameters, 21739, 22010);
TARN_CALENDAR_FIELD_AT(status, 21867, 22138);
TARN_CALENDAR_FIELD_AT(statusParameters, 21887, 22158);
TARN_CALENDAR_FIELD_AT(subject, 22015, 22286);
TARN_CALENDAR_FIELD_AT(subjectParameters, 22527, 22798);
TARN_CALENDAR_FIELD_AT(spare, 22655, 22926);
TARN_CALENDAR_FIELD_AT(spareParameters, 22675, 22946);
TARN_CALENDAR_FIELD_AT(location, 22803, 23074);
TARN_CALENDAR_FIELD_AT(locationParameters, 22953, 23224);
TARN_STATIC_ASSERT(sizeof(CalendarFields) == 23081, "calendar fields size");
TARN_STATIC_ASSERT(sizeof(CalendarRecord) == 23352, "calendar size");
#undef TARN_CALENDAR_FIELD_AT

#define TARN_CONTACT_RECORD_SIZE 9560
#define TARN_CALENDAR_RECORD_SIZE 23352
#define TARN_NOTE_RECORD_SIZE 6108
#define TARN_MESSAGE_RECORD_SIZE 27140

/* A note (store TARN_STORE_NOTES), the values of a vNote 1.1 object. The
 * store read writes type 8; the single read leaves the type 0. */
typedef struct NoteRecord {
    PimRecordHeader header;                    /* version "1.1" */
    char creationTime[20];                     /* DCREATED: YYYYMMDDTHHMMSS, local time */
    char lastModificationTime[20];             /* LAST-MODIFIED: the same form */
    char categories[165];                      /* CATEGORIES: written to Outlook only */
    char body[5120];                           /* BODY */
    char bodyParameters[TARN_PARAMETERS_SIZE]; /* "ENCODING=QUOTED-PRINTABLE" for a multi-line body */
    char subject[256];                         /* SUMMARY: read only */
    char subjectParameters[TARN_PARAMETERS_SIZE];
    char tail[1]; /* always zero */
} NoteRecord;

TARN_STATIC_ASSERT(offsetof(NoteRecord, creationTime) == 270, "note.creationTime");
TARN_STATIC_ASSERT(offsetof(NoteRecord, lastModificationTime) == 290, "note.lastModificationTime");
TARN_STATIC_ASSERT(offsetof(NoteRecord, categories) == 310, "note.categories");
TARN_STATIC_ASSERT(offsetof(NoteRecord, body) == 475, "note.body");
TARN_STATIC_ASSERT(offsetof(NoteRecord, bodyParameters) == 5595, "note.bodyParameters");
TARN_STATIC_ASSERT(offsetof(NoteRecord, subject) == 5723, "note.subject");
TARN_STATIC_ASSERT(offsetof(NoteRecord, subjectParameters) == 5979, "note.subjectParameters");
TARN_STATIC_ASSERT(offsetof(NoteRecord, tail) == 6107, "note.tail");
TARN_STATIC_ASSERT(sizeof(NoteRecord) == TARN_NOTE_RECORD_SIZE, "note size");

/* A message (stores TARN_STORE_INBOX, TARN_STORE_OUTBOX, TARN_STORE_SENT):
 * the values of a vMessage 1.1 object. The readers copy Outlook's texts raw,
 * without escapes, cut to their fields. The four entry lists are the host's:
 * entries each behind a "|"; the library reads them only when writing to
 * Outlook, when the field they stand in for is empty. */
typedef struct MessageRecord {
    PimRecordHeader header;    /* type 4 for mail, version "1.1" */
    char status[7];            /* "UNREAD" or "READ" */
    char messageType[5];       /* "MSG" */
    char box[50];              /* "INBOX", "OUTBOX" or "SENTBOX": where the item lies */
    char originatorList1[512]; /* sender entries, joined with "; " when written */
    char originatorList2[512]; /* sender entries, joined with ";" when written */
    char recipientList1[1024]; /* recipient entries, joined with "; " when written */
    char recipientList2[1084]; /* recipient entries, joined with ";" when written */
    char date[100];            /* received, "Www, Mmm dd hh:mm:ss yyyy" local time; empty for none */
    char from[512];
    char to[1024];
    char cc[1024];
    char replyTo[100];
    char subject[256];
    char spare[178];  /* carries nothing */
    char body[20480]; /* "END:VBODY" read as "/END:VBODY", line ends as LF */
    char padding[2];
} MessageRecord;

TARN_STATIC_ASSERT(offsetof(MessageRecord, status) == 270, "message.status");
TARN_STATIC_ASSERT(offsetof(MessageRecord, messageType) == 277, "message.messageType");
TARN_STATIC_ASSERT(offsetof(MessageRecord, box) == 282, "message.box");
TARN_STATIC_ASSERT(offsetof(MessageRecord, originatorList1) == 332, "message.originatorList1");
TARN_STATIC_ASSERT(offsetof(MessageRecord, originatorList2) == 844, "message.originatorList2");
TARN_STATIC_ASSERT(offsetof(MessageRecord, recipientList1) == 1356, "message.recipientList1");
TARN_STATIC_ASSERT(offsetof(MessageRecord, recipientList2) == 2380, "message.recipientList2");
TARN_STATIC_ASSERT(offsetof(MessageRecord, date) == 3464, "message.date");
TARN_STATIC_ASSERT(offsetof(MessageRecord, from) == 3564, "message.from");
TARN_STATIC_ASSERT(offsetof(MessageRecord, to) == 4076, "message.to");
TARN_STATIC_ASSERT(offsetof(MessageRecord, cc) == 5100, "message.cc");
TARN_STATIC_ASSERT(offsetof(MessageRecord, replyTo) == 6124, "message.replyTo");
TARN_STATIC_ASSERT(offsetof(MessageRecord, subject) == 6224, "message.subject");
TARN_STATIC_ASSERT(offsetof(MessageRecord, spare) == 6480, "message.spare");
TARN_STATIC_ASSERT(offsetof(MessageRecord, body) == 6658, "message.body");
TARN_STATIC_ASSERT(offsetof(MessageRecord, padding) == 27138, "message.padding");
TARN_STATIC_ASSERT(sizeof(MessageRecord) == TARN_MESSAGE_RECORD_SIZE, "message size");

/*
 * Record lists. The host owns the descriptor and every node; the library only
 * moves `current` and `index`, and never touches the host's own words. With
 * 4-byte pointers the layout is the 20-byte descriptor and 12-byte node; with
 * 8-byte pointers each pointer field is aligned as the platform's C layout
 * would place it, with the padding spelled out.
 */
struct RecordListNode;

typedef struct RecordListNode {
    void* record;      /* the PimRecord to fill or to write from */
    uint32_t hostWord; /* the host's own */
#if UINTPTR_MAX > 0xFFFFFFFFu
    uint32_t padding;
#endif
    struct RecordListNode* next; /* never read past the count-th node */
} RecordListNode;

typedef struct PimRecordList {
    RecordListNode* current; /* the node whose record is worked on */
    RecordListNode* first;
    uint32_t hostWord; /* the host's own */
    int32_t count;     /* records to read or write */
    int32_t index;     /* position of current, from 0 */
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

/* Reading. Whole-store reads fill zero-filled records the host provides, one
 * per list node up to the list's count; a single read clears the record
 * itself and returns TARN_NOT_IN_STORE when the item is not of the store. */
TARN_API TarnResult TARN_CALL TARN_GetObjectStoreForOL(PimRecordList* list, int32_t store);
TARN_API TarnResult TARN_CALL TARN_GetSingleObjectForOL(void* record, const char* entryId, int32_t store);

/* Writing. TARN_AddForOL writes the new item's identifier into entryId
 * (TARN_ENTRY_ID_SIZE bytes); TARN_SetObjectStoreForOL empties the store and
 * adds one item per record, each record receiving its new identifier. */
TARN_API TarnResult TARN_CALL TARN_SetObjectStoreForOL(PimRecordList* list, int32_t store);
TARN_API TarnResult TARN_CALL TARN_SetSingleObjectForOL(const char* entryId, const void* record,
                                                        int32_t store);
TARN_API TarnResult TARN_CALL TARN_AddForOL(char* entryId, const void* record, int32_t store);

/* Item times: the creation or last modification time of any item the
 * identifier names, as seconds since 1970-01-01 00:00:00 UTC, the item's
 * local time converted with the process's time-zone rules. A time outside
 * 1970-01-01 to 2038-01-19 03:14:07 UTC is stored as -1 with TARN_OK. On any
 * failure *time is left as it was. */
TARN_API TarnResult TARN_CALL TARN_GetCreationTimeForOL(int32_t* time, const char* entryId);
TARN_API TarnResult TARN_CALL TARN_GetModificationTimeForOL(int32_t* time, const char* entryId);

/* Eudora (a session opened with TARN_PIM_EUDORA): mail in the in mailbox
 * (TARN_STORE_INBOX) and the out mailbox (TARN_STORE_OUTBOX). Other stores
 * are left alone with TARN_OK.
 *
 * A Eudora message is named by the host as "mailbox_count_position": the
 * mailbox's name, its message count when the name was made, and the
 * message's position from 1; it is read within TARN_ENTRY_ID_SIZE bytes and
 * each of its parts within 50 characters, so a mailbox whose name is longer
 * or holds "_" cannot be named. TARN_GetSingleObjectForEU clears the
 * MessageRecord and fills it; when no mailbox of that name holds that many
 * messages now, the record stays zero (type 0, empty entryId) with TARN_OK.
 * TARN_AddForEU queues the record's message as outgoing mail, marks it read
 * or unread from status and, for TARN_STORE_INBOX and TARN_STORE_SENT,
 * moves it into the in mailbox; TARN_FAILED when the queued message cannot
 * be found again to be moved. Its first argument is not used. */
TARN_API TarnResult TARN_CALL TARN_GetCountForEU(int32_t* count, int32_t store);
TARN_API TarnResult TARN_CALL TARN_GetSingleObjectForEU(void* record, const char* identifier, int32_t store);
TARN_API TarnResult TARN_CALL TARN_AddForEU(void* unused, const void* record, int32_t store);

#endif /* TARNEX_TARNEX_H */
