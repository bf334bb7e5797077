#include "records/record_type.h"

namespace tarnex::records {

RecordType ClassToRecordType(std::int32_t itemClass) noexcept {
    switch (static_cast<ItemClass>(itemClass)) {
        case ItemClass::Contact:
            return RecordType::Contact;
        case ItemClass::Appointment:
        case ItemClass::Task:
            return RecordType::CalendarItem;
        case ItemClass::Mail:
            return RecordType::Message;
        case ItemClass::Note:
            return RecordType::Note;
    }
    return RecordType::Other;
}

}  // namespace tarnex::records
