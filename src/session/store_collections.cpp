#include "session/store_collections.h"

#include <stdexcept>

#include "session/outlook_navigation.h"

namespace tarnex::session {

using records::StoreSelector;

const DispatchRef& SingleFolderItems(const PimSession& session, StoreSelector store) {
    switch (store) {
        case StoreSelector::Contacts:
            return session.contacts;
        case StoreSelector::Notes:
            return session.notes;
        case StoreSelector::Inbox:
            return session.inbox;
        case StoreSelector::Outbox:
            return session.outbox;
        case StoreSelector::SentItems:
            return session.sentItems;
        case StoreSelector::Calendar:
            break;
    }
    throw std::logic_error("the calendar store spans two folders");
}

std::optional<std::int32_t> StoreCount(const PimSession& session, std::int32_t selector) {
    const records::StoreInfo* store = records::FindStore(selector);
    if (store == nullptr) return std::nullopt;
    if (store->selector == StoreSelector::Calendar) {
        const std::int32_t appointments = ItemCount(session.calendar);
        return appointments + ItemCount(session.tasks);
    }
    return ItemCount(SingleFolderItems(session, store->selector));
}

CalendarPlace LocateCalendarPosition(const PimSession& session, std::int32_t position) {
    const std::int32_t appointments = ItemCount(session.calendar);
    if (appointments == 0) return {&session.tasks, position + 1, true};
    if (ItemCount(session.tasks) == 0 || position < appointments) {
        return {&session.calendar, position + 1, false};
    }
    return {&session.tasks, position - appointments + 1, true};
}

DispatchRef CalendarItemAt(const PimSession& session, std::int32_t position) {
    const CalendarPlace place = LocateCalendarPosition(session, position);
    return ItemAt(*place.items, place.index);
}

}  // namespace tarnex::session
