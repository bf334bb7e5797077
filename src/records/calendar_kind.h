// The kind byte that tells an appointment record from a task record, and
// where the calendar converters' view of a record begins.
#pragma once

#include <cstddef>
#include <cstdint>

#include "tarnex/tarnex.h"

namespace tarnex::records {

enum class CalendarKind : std::uint8_t {
    Appointment = TARN_CALENDAR_APPOINTMENT,
    Task = TARN_CALENDAR_TASK,
};

inline constexpr std::size_t kCalendarFieldsOffset = offsetof(CalendarRecord, fields);

}  // namespace tarnex::records
