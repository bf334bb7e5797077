// The type code a record carries, from the Outlook class of its item.
#pragma once

#include <cstdint>

namespace tarnex::records {

enum class RecordType : std::uint32_t {
    Contact = 1,
    CalendarItem = 2,
    Message = 4,
    Note = 8,
    Other = 255,
};

// Outlook item classes (OlObjectClass) the library tells apart.
enum class ItemClass : std::int32_t {
    Appointment = 26,
    Contact = 40,
    Mail = 43,
    Note = 44,
    Task = 48,
};

RecordType ClassToRecordType(std::int32_t itemClass) noexcept;

}  // namespace tarnex::records
