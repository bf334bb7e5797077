#include "simpim/item_classes.h"

#include <array>

#include "simpim/other_item_properties.h"

namespace simpim {

const PropertyTable& CommonItemProperties() {
    static const PropertyTable table{
        ItemState(kDispidClass, "Class", VarType::I4),
        ItemState(kDispidParent, "Parent", VarType::Dispatch),
        ItemState(kDispidEntryId, "EntryID", VarType::Bstr),
        ItemState(kDispidCreationTime, "CreationTime", VarType::Date),
        ItemState(kDispidLastModificationTime, "LastModificationTime", VarType::Date),
        Text(kDispidMessageClass, "MessageClass"),
        Text(kDispidSubject, "Subject"),
        Text(kDispidBody, "Body"),
        Text(0x9001, "Categories"),
        Choice(0x17, "Importance", 1, 2),   // olImportanceLow 0 .. olImportanceHigh 2; normal
        Choice(0x36, "Sensitivity", 0, 3),  // olNormal 0 .. olConfidential 3
        Flag(kDispidUnRead, "UnRead"),
    };
    return table;
}

const ItemClass& ContactClass() {
    static const ItemClass c{kClassContact, u"IPM.Contact", "ContactItem", kFolderContacts,
                             &ContactProperties()};
    return c;
}
const ItemClass& AppointmentClass() {
    static const ItemClass c{kClassAppointment, u"IPM.Appointment",       "AppointmentItem",
                             kFolderCalendar,   &AppointmentProperties(), &InitializeAppointment};
    return c;
}
const ItemClass& TaskClass() {
    static const ItemClass c{kClassTask, u"IPM.Task", "TaskItem", kFolderTasks, &TaskProperties()};
    return c;
}
const ItemClass& NoteClass() {
    static const ItemClass c{kClassNote, u"IPM.StickyNote", "NoteItem", kFolderNotes, &NoteProperties()};
    return c;
}
const ItemClass& MailClass() {
    // A new mail item is saved to Drafts, as Outlook keeps unsent mail.
    static const ItemClass c{kClassMail, u"IPM.Note", "MailItem", kFolderDrafts, &MailProperties()};
    return c;
}
const ItemClass& MeetingRequestClass() {
    static const ItemClass c{kClassMeetingRequest, u"IPM.Schedule.Meeting.Request", "MeetingItem",
                             kFolderInbox, &MeetingProperties()};
    return c;
}
const ItemClass& ReportClass() {
    static const ItemClass c{kClassReport, u"REPORT.IPM.Note.NDR", "ReportItem", kFolderInbox,
                             &ReportProperties()};
    return c;
}
const ItemClass& JournalClass() {
    static const ItemClass c{kClassJournal, u"IPM.Activity", "JournalItem", kFolderJournal,
                             &JournalProperties()};
    return c;
}
const ItemClass& DistListClass() {
    static const ItemClass c{kClassDistList, u"IPM.DistList", "DistListItem", kFolderContacts,
                             &DistListProperties()};
    return c;
}

const ItemClass* ClassForItemType(std::int32_t olItemType) {
    switch (olItemType) {
        case 0:
            return &MailClass();
        case 1:
            return &AppointmentClass();
        case 2:
            return &ContactClass();
        case 3:
            return &TaskClass();
        case 4:
            return &JournalClass();
        case 5:
            return &NoteClass();
        case 7:
            return &DistListClass();
        default:
            return nullptr;  // 6 (post) is not modelled
    }
}

const ItemClass* ClassForCode(std::int32_t code) {
    const std::array<const ItemClass*, 9> all{&ContactClass(), &AppointmentClass(), &TaskClass(),
                                              &NoteClass(),    &MailClass(),        &MeetingRequestClass(),
                                              &ReportClass(),  &JournalClass(),     &DistListClass()};
    for (const ItemClass* c : all)
        if (c->code == code) return c;
    return nullptr;
}

}  // namespace simpim
