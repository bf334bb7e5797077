// Whole-store reads and replacements of contacts, the calendar (appointments
// then tasks) and notes.
#include "pim_stores.h"
#include "store_bench.h"

namespace tarnex_bench {
namespace {

void ReadContactStore(benchmark::State& s) { ReadStore<ContactRecord>(s, TARN_STORE_CONTACTS, kContacts); }
void ReplaceContactStore(benchmark::State& s) {
    ReplaceStore<ContactRecord>(s, TARN_STORE_CONTACTS, kContacts);
}
void ReadCalendarStore(benchmark::State& s) {
    ReadStore<CalendarRecord>(s, TARN_STORE_CALENDAR, kAppointments + kTasks);
}
void ReplaceCalendarStore(benchmark::State& s) {
    ReplaceStore<CalendarRecord>(s, TARN_STORE_CALENDAR, kAppointments + kTasks);
}
void ReadNoteStore(benchmark::State& s) { ReadStore<NoteRecord>(s, TARN_STORE_NOTES, kNotes); }
void ReplaceNoteStore(benchmark::State& s) { ReplaceStore<NoteRecord>(s, TARN_STORE_NOTES, kNotes); }

BENCHMARK(ReadContactStore)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceContactStore)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadCalendarStore)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceCalendarStore)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadNoteStore)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceNoteStore)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnex_bench
