#include "records/store_selector.h"

#include <array>

#include "tarnex/tarnex.h"

namespace tarnex::records {

namespace {

constexpr std::size_t kContactRecordSize = TARN_CONTACT_RECORD_SIZE;
constexpr std::size_t kCalendarRecordSize = TARN_CALENDAR_RECORD_SIZE;
constexpr std::size_t kNoteRecordSize = TARN_NOTE_RECORD_SIZE;
constexpr std::size_t kMessageRecordSize = TARN_MESSAGE_RECORD_SIZE;

constexpr std::array kStores{
    StoreInfo{StoreSelector::Contacts, kContactRecordSize, false},
    StoreInfo{StoreSelector::Calendar, kCalendarRecordSize, false},
    StoreInfo{StoreSelector::Notes, kNoteRecordSize, false},
    StoreInfo{StoreSelector::Inbox, kMessageRecordSize, true},
    StoreInfo{StoreSelector::Outbox, kMessageRecordSize, true},
    StoreInfo{StoreSelector::SentItems, kMessageRecordSize, true},
};

}  // namespace

const StoreInfo* FindStore(std::int32_t selector) noexcept {
    for (const auto& store : kStores) {
        if (static_cast<std::int32_t>(store.selector) == selector) return &store;
    }
    return nullptr;
}

}  // namespace tarnex::records
