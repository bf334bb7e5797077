// Fuzzes a record writer through the exports: the input becomes a record of
// the writer's store (see RecordFrom), fenced by exact-size heap
// memory, which is added to the simulated Outlook, written over an existing
// item, and read back. The library must answer with one of its codes, never
// write into the record it writes from, and read back every item it added.
// TARNEX_FUZZ_STORE (and for the calendar TARNEX_FUZZ_KIND) chooses the
// writer; each target built from this file sets them.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex.h"
#include "tarnex/tarnex_inproc.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

#ifndef TARNEX_FUZZ_KIND
#define TARNEX_FUZZ_KIND 0
#endif

// The writers: store selector, calendar kind, record size, the folder and
// item class a new record of the store becomes.
struct Writer {
    std::int32_t store;
    int kind;
    std::size_t recordSize;
    std::int32_t folder;
    const simpim::ItemClass& (*itemClass)();
};
constexpr Writer kWriters[] = {
    {TARN_STORE_CONTACTS, 0, TARN_CONTACT_RECORD_SIZE, simpim::kFolderContacts, &simpim::ContactClass},
    {TARN_STORE_CALENDAR, TARN_CALENDAR_APPOINTMENT, TARN_CALENDAR_RECORD_SIZE, simpim::kFolderCalendar,
     &simpim::AppointmentClass},
    {TARN_STORE_CALENDAR, TARN_CALENDAR_TASK, TARN_CALENDAR_RECORD_SIZE, simpim::kFolderTasks,
     &simpim::TaskClass},
    {TARN_STORE_NOTES, 0, TARN_NOTE_RECORD_SIZE, simpim::kFolderNotes, &simpim::NoteClass},
    {TARN_STORE_INBOX, 0, TARN_MESSAGE_RECORD_SIZE, simpim::kFolderInbox, &simpim::MailClass},
    {TARN_STORE_OUTBOX, 0, TARN_MESSAGE_RECORD_SIZE, simpim::kFolderOutbox, &simpim::MailClass},
    {TARN_STORE_SENT, 0, TARN_MESSAGE_RECORD_SIZE, simpim::kFolderSentMail, &simpim::MailClass},
};
constexpr const Writer& ThisWriter() {
    for (const Writer& w : kWriters)
        if (w.store == TARNEX_FUZZ_STORE && w.kind == TARNEX_FUZZ_KIND) return w;
    throw "no such writer";
}
constexpr const Writer& kWriter = ThisWriter();
constexpr std::int32_t kStore = kWriter.store;

// An input whose first byte is even is the record's first bytes, the rest
// zero; otherwise it is pieces placed at offsets: a 16-bit little-endian
// offset, a length byte and that many bytes, again and again.
std::vector<char> RecordFrom(const std::uint8_t* data, std::size_t size, std::size_t recordSize) {
    std::vector<char> record(recordSize, '\0');
    if (size == 0) return record;
    if (data[0] % 2 == 0) {
        std::memcpy(record.data(), data + 1, std::min(size - 1, recordSize));
        return record;
    }
    for (std::size_t at = 1; at + 3 <= size;) {
        const std::size_t offset = data[at] | static_cast<std::size_t>(data[at + 1]) << 8;
        const std::size_t length = std::min<std::size_t>(data[at + 2], size - at - 3);
        at += 3;
        for (std::size_t k = 0; k < length && offset + k < recordSize; ++k)
            record[offset + k] = static_cast<char>(data[at + k]);
        at += length;
    }
    return record;
}

bool IsCode(std::int32_t result) {
    return result == TARN_OK || result == TARN_DISPATCH_EXCEPTION || result == TARN_OLE_FAILURE;
}

// A fresh simulated Outlook every so many inputs keeps the store small.
struct World {
    World() {
        tarnex_RegisterServer("Outlook.Application.9", &simpim::OutlookServer::Factory, &outlook);
        Check(InitializeTARN(TARN_PIM_OUTLOOK) == TARN_INITIALIZED);
        const auto& item = outlook.AddItem(kWriter.folder, kWriter.itemClass());
        target = std::string(item.EntryId().begin(), item.EntryId().end());
    }
    ~World() {
        UninitializeTARN();
        tarnex_RegisterServer("Outlook.Application.9", nullptr, nullptr);
        Check(outlook.LiveReferences() == 0);
    }
    simpim::OutlookServer outlook;
    std::string target;
    int runs = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Never destroyed at exit: the registry it unregisters from may be gone.
    static World* world = nullptr;
    if (!world || ++world->runs > 500) {
        delete world;
        world = new World();
    }
    world->outlook.ClearCallLog();

    const std::size_t recordSize = kWriter.recordSize;
    std::vector<char> record = RecordFrom(data, size, recordSize);
    if (kWriter.kind != 0) record[270] = static_cast<char>(kWriter.kind);
    const std::vector<char> before = record;

    // Exact-size heap copies: any byte read or written past them is caught.
    auto in = std::make_unique<char[]>(recordSize);
    std::memcpy(in.get(), record.data(), recordSize);
    auto id = std::make_unique<char[]>(TARN_ENTRY_ID_SIZE);
    std::memset(id.get(), 'i', TARN_ENTRY_ID_SIZE);

    Check(IsCode(TARN_SetSingleObjectForOL(world->target.c_str(), in.get(), kStore)));
    const std::int32_t added = TARN_AddForOL(id.get(), in.get(), kStore);
    Check(IsCode(added));
    Check(std::memcmp(in.get(), before.data(), recordSize) == 0);

    if (added == TARN_OK) {
        Check(std::memchr(id.get(), 0, TARN_ENTRY_ID_SIZE) != nullptr);
        auto back = std::make_unique<char[]>(recordSize);
        Check(TARN_GetSingleObjectForOL(back.get(), id.get(), kStore) == TARN_OK);
        const std::size_t idOffset = kStore == TARN_STORE_CALENDAR ? 271 : 4;
        Check(std::strncmp(back.get() + idOffset, id.get(), TARN_ENTRY_ID_SIZE) == 0);
        Check(TARN_DeleteForOL(id.get()) == TARN_OK);
    }
    return 0;
}
