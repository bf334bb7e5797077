// The stores a host call can name, and what each one is made of in Outlook.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tarnex::records {

enum class StoreSelector : std::int32_t {
    Contacts = 1,
    Calendar = 4,  // Calendar folder, then Tasks folder
    Notes = 16,
    Inbox = 32,
    Outbox = 64,
    SentItems = 128,
};

// Outlook's default folder numbers (OlDefaultFolders).
enum class DefaultFolder : std::int32_t {
    DeletedItems = 3,
    Outbox = 4,
    SentItems = 5,
    Inbox = 6,
    Calendar = 9,
    Contacts = 10,
    Notes = 12,
    Tasks = 13,
    Drafts = 16,
};

struct StoreInfo {
    StoreSelector selector;
    std::size_t recordSize;  // bytes of the record layout the store uses
    bool isMail;
};

// The store a selector names, or nullptr for a value that names none.
const StoreInfo* FindStore(std::int32_t selector) noexcept;

}  // namespace tarnex::records
