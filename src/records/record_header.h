// Filling the common header of a record.
#pragma once

#include <cstdint>
#include <string_view>

#include "records/record_fields.h"
#include "records/record_type.h"
#include "tarnex/tarnex.h"

namespace tarnex::records {

inline void WriteRecordType(PimRecordHeader& header, std::int32_t itemClass) noexcept {
    header.type = static_cast<std::uint32_t>(ClassToRecordType(itemClass));
}

// Format versions of the objects' vObject forms.
inline constexpr std::string_view kContactVersion = "2.1";
inline constexpr std::string_view kCalendarVersion = "1.0";
inline constexpr std::string_view kNoteVersion = "1.1";
inline constexpr std::string_view kMessageVersion = "1.1";

}  // namespace tarnex::records
