// Whole-store reads and replacements of contacts, the calendar (appointments
// then tasks) and notes, and of every store at three sizes.
#include "pim_stores.h"
#include "store_bench.h"

namespace tarnex_bench {
namespace {

template <typename Record>
void Read(benchmark::State& s, std::int32_t store, std::size_t count) {
    ReadStore<Record>(s, SharedOutlook(), store, count);
}
template <typename Record>
void Replace(benchmark::State& s, std::int32_t store, std::size_t count) {
    ReplaceStore<Record>(s, SharedOutlook(), store, count);
}

void ReadContactStore(benchmark::State& s) { Read<ContactRecord>(s, TARN_STORE_CONTACTS, kContacts); }
void ReplaceContactStore(benchmark::State& s) { Replace<ContactRecord>(s, TARN_STORE_CONTACTS, kContacts); }
void ReadCalendarStore(benchmark::State& s) {
    Read<CalendarRecord>(s, TARN_STORE_CALENDAR, kAppointments + kTasks);
}
void ReplaceCalendarStore(benchmark::State& s) {
    Replace<CalendarRecord>(s, TARN_STORE_CALENDAR, kAppointments + kTasks);
}
void ReadNoteStore(benchmark::State& s) { Read<NoteRecord>(s, TARN_STORE_NOTES, kNotes); }
void ReplaceNoteStore(benchmark::State& s) { Replace<NoteRecord>(s, TARN_STORE_NOTES, kNotes); }

BENCHMARK(ReadContactStore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReplaceContactStore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadCalendarStore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReplaceCalendarStore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadNoteStore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReplaceNoteStore)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every store read and replaced at 100, 1,000 and 10,000 items, each size in
// a simulated Outlook of its own: ns/record stays flat when the work grows
// linearly with the store.
template <typename Record>
void ScaledRead(benchmark::State& s, std::int32_t store) {
    const auto count = static_cast<std::size_t>(s.range(0));
    OwnOutlook outlook(store, count);
    ReadStore<Record>(s, outlook.Server(), store, count);
}
template <typename Record>
void ScaledReplace(benchmark::State& s, std::int32_t store) {
    const auto count = static_cast<std::size_t>(s.range(0));
    OwnOutlook outlook(store, count);
    ReplaceStore<Record>(s, outlook.Server(), store, count);
}

#define TARNEX_SCALED(name, function, Record, store)               \
    void name(benchmark::State& s) { function<Record>(s, store); } \
    BENCHMARK(name)->RangeMultiplier(10)->Range(100, 10000)->Unit(benchmark::kMillisecond)->UseRealTime()
TARNEX_SCALED(ScaledReadContacts, ScaledRead, ContactRecord, TARN_STORE_CONTACTS);
TARNEX_SCALED(ScaledReplaceContacts, ScaledReplace, ContactRecord, TARN_STORE_CONTACTS);
TARNEX_SCALED(ScaledReadCalendar, ScaledRead, CalendarRecord, TARN_STORE_CALENDAR);
TARNEX_SCALED(ScaledReplaceCalendar, ScaledReplace, CalendarRecord, TARN_STORE_CALENDAR);
TARNEX_SCALED(ScaledReadNotes, ScaledRead, NoteRecord, TARN_STORE_NOTES);
TARNEX_SCALED(ScaledReplaceNotes, ScaledReplace, NoteRecord, TARN_STORE_NOTES);
TARNEX_SCALED(ScaledReadInbox, ScaledRead, MessageRecord, TARN_STORE_INBOX);
TARNEX_SCALED(ScaledReplaceInbox, ScaledReplace, MessageRecord, TARN_STORE_INBOX);

}  // namespace
}  // namespace tarnex_bench
