#include "simpim/other_item_properties.h"

#include "simpim/item_classes.h"

namespace simpim {

namespace {

// A note's subject is the first line of its text. Outlook's NoteItem declares
// Subject (0xF7A0) get-only and has no 0x37 member: a put fails as a put of
// any get-only member does, DISP_E_MEMBERNOTFOUND.
Variant NoteSubject(const ItemData& d) {
    std::u16string body = d.Text(kDispidBody);
    return Variant(body.substr(0, body.find_first_of(u"\r\n")));
}

}  // namespace

const PropertyTable& NoteProperties() {
    static const PropertyTable table{
        ItemState(kDispidClass, "Class", VarType::I4),
        ItemState(kDispidParent, "Parent", VarType::Dispatch),
        ItemState(kDispidEntryId, "EntryID", VarType::Bstr),
        ItemState(kDispidCreationTime, "CreationTime", VarType::Date),
        ItemState(kDispidLastModificationTime, "LastModificationTime", VarType::Date),
        Text(kDispidMessageClass, "MessageClass"),
        Text(kDispidBody, "Body"),
        Text(0x9001, "Categories"),
        Computed(0xF7A0, "Subject", VarType::Bstr, &NoteSubject, nullptr),
        Choice(0x8B00, "Color", 3, 4),  // olBlue 0 .. olWhite 4; yellow
        Number(0x8B02, "Width", 200),
        Number(0x8B03, "Height", 166),
        Number(0x8B04, "Left", 80),
        Number(0x8B05, "Top", 80),
    };
    return table;
}

const PropertyTable& MailProperties() {
    static const PropertyTable table{{
                                         Text(0xE04, "To"),
                                         Text(0xE03, "CC"),
                                         Text(0xE02, "BCC"),
                                         Text(0x42, "SentOnBehalfOfName"),
                                         ReadOnlyText(0x50, "ReplyRecipientNames"),
                                         ReadOnlyText(0xC1A, "SenderName"),
                                         ReadOnlyDate(0xE06, "ReceivedTime"),
                                         ReadOnlyDate(0x39, "SentOn"),
                                     },
                                     &CommonItemProperties()};
    return table;
}

const PropertyTable& MeetingProperties() {
    static const PropertyTable table{{
                                         ReadOnlyText(0xC1A, "SenderName"),
                                         ReadOnlyText(0x50, "ReplyRecipientNames"),
                                         ReadOnlyDate(0xE06, "ReceivedTime"),
                                         ReadOnlyDate(0x39, "SentOn"),
                                     },
                                     &CommonItemProperties()};
    return table;
}

const PropertyTable& ReportProperties() { return CommonItemProperties(); }

const PropertyTable& JournalProperties() {
    static const PropertyTable table{{
                                         DateProperty(0x8706, "Start"),
                                         DateProperty(0x8708, "End"),
                                         Text(0x8700, "Type"),
                                     },
                                     &CommonItemProperties()};
    return table;
}

// A distribution list has the common item properties and its own, none of a
// contact's: a contact's DISPID is an unknown member on it. Its subject is
// its name.
const PropertyTable& DistListProperties() {
    static const PropertyTable table{{
                                         Text(0x8053, "DLName"),
                                         ReadOnlyNumber(0x804B, "MemberCount"),
                                     },
                                     &CommonItemProperties()};
    return table;
}

}  // namespace simpim
