// The Outlook item classes the simulated Outlook knows: their Class number,
// MessageClass, object name, the default folder a new item of the class is
// saved to, and the table of their properties.
#pragma once

#include <cstdint>
#include <string_view>

#include "simpim/item_data.h"
#include "simpim/property_table.h"

namespace simpim {

// Members every item has.
constexpr Dispid kDispidClass = 0xF00A;
constexpr Dispid kDispidParent = 0xF001;
constexpr Dispid kDispidMessageClass = 0x1A;
constexpr Dispid kDispidEntryId = 0xF01E;
constexpr Dispid kDispidSubject = 0x37;
constexpr Dispid kDispidBody = 0x9100;
constexpr Dispid kDispidCreationTime = 0x3007;
constexpr Dispid kDispidLastModificationTime = 0x3008;
constexpr Dispid kDispidUnRead = 0xF01C;
constexpr Dispid kDispidSave = 0xF048;
constexpr Dispid kDispidDelete = 0xF04A;
constexpr Dispid kDispidMove = 0xF034;

// Outlook's OlObjectClass values of the items.
enum ItemClassCode : std::int32_t {
    kClassAppointment = 26,
    kClassContact = 40,
    kClassJournal = 42,
    kClassMail = 43,
    kClassNote = 44,
    kClassReport = 46,
    kClassTask = 48,
    kClassMeetingRequest = 53,
    kClassDistList = 69,
};

// Outlook's OlDefaultFolders values.
enum DefaultFolder : std::int32_t {
    kFolderDeletedItems = 3,
    kFolderOutbox = 4,
    kFolderSentMail = 5,
    kFolderInbox = 6,
    kFolderCalendar = 9,
    kFolderContacts = 10,
    kFolderJournal = 11,
    kFolderNotes = 12,
    kFolderTasks = 13,
    kFolderDrafts = 16,
};

struct ItemClass {
    std::int32_t code;
    std::u16string_view messageClass;
    std::string_view objectName;  // the object's name in the call log
    std::int32_t saveFolder;      // where Save puts a new item
    const PropertyTable* table;
    // Values a new item of the class starts with that depend on the time
    // of its creation (an appointment's start and end); now is a DATE.
    void (*initialize)(ItemData&, double now) = nullptr;
};

const ItemClass& ContactClass();
const ItemClass& AppointmentClass();
const ItemClass& TaskClass();
const ItemClass& NoteClass();
const ItemClass& MailClass();
const ItemClass& MeetingRequestClass();
const ItemClass& ReportClass();
const ItemClass& JournalClass();
const ItemClass& DistListClass();

// The class Application.CreateItem makes for an OlItemType, or null.
const ItemClass* ClassForItemType(std::int32_t olItemType);
// The class with the given Class number, or null.
const ItemClass* ClassForCode(std::int32_t code);

// The rows every Outlook item shares (all but notes, which have fewer).
const PropertyTable& CommonItemProperties();
const PropertyTable& ContactProperties();

}  // namespace simpim
