// The stores the benchmarks work on, as a user's Outlook holds them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "simpim/outlook_server.h"

namespace tarnex_bench {

constexpr std::size_t kContacts = 1000;
constexpr std::size_t kAppointments = 600;
constexpr std::size_t kTasks = 400;  // the calendar store: appointments, then tasks
constexpr std::size_t kNotes = 1000;
constexpr std::size_t kMessages = 1000;  // in the Inbox
constexpr std::size_t kMessageBodyBytes = 20 * 1024;

inline std::u16string Text(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// Adds count items of the store's kind (TARN_STORE_CONTACTS, _CALENDAR,
// _NOTES or _INBOX). The calendar gets three appointments for every two
// tasks, the appointments first.
void FillStore(simpim::OutlookServer& outlook, std::int32_t store, std::size_t count);

// Every store at the sizes above.
void FillStores(simpim::OutlookServer& outlook);

}  // namespace tarnex_bench
