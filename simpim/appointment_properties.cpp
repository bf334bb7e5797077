// The AppointmentItem properties. Start and End are kept; Duration is the
// minutes between them. As Outlook does, a put of Start moves the whole
// appointment (End keeps its distance from Start), a put of End or Duration
// changes its length, and making it an all-day event widens it to whole
// days: Start back to its midnight, End on to the next midnight.
//
// Duration counts wall-clock minutes. Across a daylight-saving change Outlook
// counts the minutes that really pass, one hour more or less; the simulation
// has no time zone and does not model that.
#include <cmath>

#include "simpim/item_classes.h"
#include "simpim/ole_days.h"
#include "simpim/other_item_properties.h"

namespace simpim {

namespace {

constexpr Dispid kStart = 0x820D;
constexpr Dispid kEnd = 0x820E;
constexpr Dispid kAllDayEvent = 0x8215;

double StoredDate(const ItemData& d, Dispid dispid) { return DaysOf(d.Raw(dispid)); }

Variant GetStart(const ItemData& d) { return DateVariant(StoredDate(d, kStart)); }
Variant GetEnd(const ItemData& d) { return DateVariant(StoredDate(d, kEnd)); }

void PutStart(ItemData& d, const Variant& value, double /*now*/) {
    const double length = StoredDate(d, kEnd) - StoredDate(d, kStart);
    const double start = DaysOf(value);
    d.Store(kStart, DateVariant(start));
    d.Store(kEnd, DateVariant(start + length));
}

void PutEnd(ItemData& d, const Variant& value, double /*now*/) { d.Store(kEnd, value); }

Variant GetDuration(const ItemData& d) {
    const double minutes = (StoredDate(d, kEnd) - StoredDate(d, kStart)) / kMinute;
    return Variant(static_cast<std::int32_t>(std::lround(minutes)));
}

void PutDuration(ItemData& d, const Variant& value, double /*now*/) {
    const std::int32_t* minutes = value.IfI4();
    d.Store(kEnd, DateVariant(StoredDate(d, kStart) + (minutes ? *minutes : 0) * kMinute));
}

Variant GetAllDayEvent(const ItemData& d) {
    const Variant stored = d.Raw(kAllDayEvent);
    const bool* flag = stored.IfBool();
    return Variant(flag && *flag);
}

// Turning it off leaves the whole days as they are.
void PutAllDayEvent(ItemData& d, const Variant& value, double /*now*/) {
    d.Store(kAllDayEvent, value);
    const bool* flag = value.IfBool();
    if (!flag || !*flag) return;
    const double start = MidnightOf(StoredDate(d, kStart));
    double end = MidnightAtOrAfter(StoredDate(d, kEnd));
    if (end <= start) end = start + 1;
    d.Store(kStart, DateVariant(start));
    d.Store(kEnd, DateVariant(end));
}

}  // namespace

const PropertyTable& AppointmentProperties() {
    static const PropertyTable table{
        {
            Computed(kStart, "Start", VarType::Date, &GetStart, &PutStart),
            Computed(kEnd, "End", VarType::Date, &GetEnd, &PutEnd), Text(0x8208, "Location"),
            Computed(kAllDayEvent, "AllDayEvent", VarType::Bool, &GetAllDayEvent, &PutAllDayEvent),
            Computed(0x8213, "Duration", VarType::I4, &GetDuration, &PutDuration),
            Flag(0x8503, "ReminderSet"), Number(0x8501, "ReminderMinutesBeforeStart", 15),
            Choice(0x8205, "BusyStatus", 2, 3),  // olFree 0 .. olOutOfOffice 3; busy
            // A recurring appointment reads through Items as its master item:
            // Start and End of the first occurrence, IsRecurring true and
            // RecurrenceState olApptMaster (1). Tests and the sample set them.
            ReadOnlyFlag(0x8223, "IsRecurring"),
            ReadOnlyNumber(0xF545, "RecurrenceState", 0),  // olApptNotRecurring
        },
        &CommonItemProperties()};
    return table;
}

// A new appointment starts at the next half hour and lasts half an hour, as
// Outlook's new appointment does.
void InitializeAppointment(ItemData& data, double now) {
    constexpr double kHalfHour = 30 * kMinute;
    const double start = std::ceil(now / kHalfHour - 1e-9) * kHalfHour;
    data.Store(kStart, DateVariant(start));
    data.Store(kEnd, DateVariant(start + kHalfHour));
}

}  // namespace simpim
