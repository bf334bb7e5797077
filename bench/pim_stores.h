// The stores the benchmarks work on, as a user's Outlook holds them.
#pragma once

#include <cstddef>

#include "simpim/outlook_server.h"

namespace tarnex_bench {

constexpr std::size_t kContacts = 1000;
constexpr std::size_t kAppointments = 600;
constexpr std::size_t kTasks = 400;  // the calendar store: appointments, then tasks
constexpr std::size_t kNotes = 1000;
constexpr std::size_t kMessages = 1000;  // in the Inbox
constexpr std::size_t kMessageBodyBytes = 20 * 1024;

void FillStores(simpim::OutlookServer& outlook);

}  // namespace tarnex_bench
