#include "records/store_selector.h"

#include <array>

namespace tarnex::records {

namespace {

constexpr std::size_t kContactRecordSize = 9560;
constexpr std::size_t kCalendarRecordSize = 23352;
constexpr std::size_t kNoteRecordSize = 6108;
constexpr std::size_t kMessageRecordSize = 27140;

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
