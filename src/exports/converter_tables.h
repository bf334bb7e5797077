// Which converter serves each store: the rows the object exports dispatch on.
// A new object kind joins by adding its rows here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "records/store_selector.h"
#include "session/pim_session.h"

namespace tarnex::exports {

struct StoreReader {
    records::StoreSelector store;
    // Fills a zero-filled record from the store's item at position.
    void (*readEntry)(session::PimSession&, char* record, std::int32_t position, records::StoreSelector);
    // Fills a cleared record from the item an identifier names; leaves the
    // identifier field empty when the item is not of the store.
    void (*readItem)(session::PimSession&, char* record, std::string_view entryId);
    // Where the record keeps its identifier (the found test).
    std::size_t entryIdOffset;
};

// Kind byte at this offset tells calendar records apart.
inline constexpr std::size_t kCalendarKindOffset = 270;

struct StoreWriter {
    records::StoreSelector store;
    std::uint8_t calendarKind;  // 0: any record of the store
    void (*write)(const session::DispatchRef& item, const char* recordAddress);
    std::size_t recordOffset;  // where the writer's view of the record starts
    session::DispatchRef session::PimSession::*itemSlot;
    std::int32_t createItemType;  // Application.CreateItem's OlItemType
    std::int32_t moveToFolder;    // mail: the default folder a new item moves to; 0 none
};

const StoreReader* FindReader(std::int32_t store) noexcept;
// The writer for a store and, for the calendar, the record's kind byte.
const StoreWriter* FindWriter(std::int32_t store, const char* record) noexcept;

}  // namespace tarnex::exports
