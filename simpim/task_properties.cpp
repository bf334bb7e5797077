// The TaskItem properties. Task dates are whole days: Outlook keeps no time
// with them, so a put drops the time of day. A task with a start date has a
// due date too: giving a start date to a task without one makes it due that
// day, and taking the due date away takes the start date with it.
//
// Complete, Status, PercentComplete and DateCompleted describe one state and
// follow each other as in Outlook: completing a task by any of them (Complete
// true, Status olTaskComplete, PercentComplete 100, a DateCompleted) sets
// the others, DateCompleted to today unless it is the one given; undoing it
// (Complete false, another Status, less than 100 percent, no DateCompleted)
// clears DateCompleted.
#include "simpim/item_classes.h"
#include "simpim/ole_days.h"
#include "simpim/other_item_properties.h"
#include "simpim/task_members.h"

namespace simpim {

namespace {

using namespace task;

// OlTaskStatus.
constexpr std::int32_t kNotStarted = 0;
constexpr std::int32_t kInProgress = 1;
constexpr std::int32_t kCompleted = 2;

double StoredDate(const ItemData& d, Dispid dispid) {
    const Variant stored = d.Raw(dispid);
    return stored.IfDate() ? DaysOf(stored) : kNoDate;
}

double WholeDay(const Variant& value) {
    const double days = DaysOf(value);
    return IsNoDate(days) ? kNoDate : MidnightOf(days);
}

std::int32_t StoredInt(const ItemData& d, Dispid dispid) {
    const Variant stored = d.Raw(dispid);
    const std::int32_t* number = stored.IfI4();
    return number ? *number : 0;
}

bool IsComplete(const ItemData& d) { return StoredInt(d, kStatus) == kCompleted; }

void MarkComplete(ItemData& d, double completedOn) {
    d.Store(kStatus, Variant(kCompleted));
    d.Store(kPercentComplete, Variant(std::int32_t{100}));
    d.Store(kDateCompleted, DateVariant(completedOn));
}

void MarkIncomplete(ItemData& d, std::int32_t status, std::int32_t percent) {
    d.Store(kStatus, Variant(status));
    d.Store(kPercentComplete, Variant(percent));
    d.Store(kDateCompleted, DateVariant(kNoDate));
}

Variant GetStartDate(const ItemData& d) { return DateVariant(StoredDate(d, kStartDate)); }
Variant GetDueDate(const ItemData& d) { return DateVariant(StoredDate(d, kDueDate)); }
Variant GetDateCompleted(const ItemData& d) { return DateVariant(StoredDate(d, kDateCompleted)); }
Variant GetComplete(const ItemData& d) { return Variant(IsComplete(d)); }
Variant GetStatus(const ItemData& d) { return Variant(StoredInt(d, kStatus)); }
Variant GetPercentComplete(const ItemData& d) { return Variant(StoredInt(d, kPercentComplete)); }

void PutStartDate(ItemData& d, const Variant& value, double /*now*/) {
    const double day = WholeDay(value);
    d.Store(kStartDate, DateVariant(day));
    if (!IsNoDate(day) && IsNoDate(StoredDate(d, kDueDate))) d.Store(kDueDate, DateVariant(day));
}

void PutDueDate(ItemData& d, const Variant& value, double /*now*/) {
    const double day = WholeDay(value);
    d.Store(kDueDate, DateVariant(day));
    if (IsNoDate(day)) d.Store(kStartDate, DateVariant(kNoDate));
}

void PutDateCompleted(ItemData& d, const Variant& value, double /*now*/) {
    const double day = WholeDay(value);
    if (IsNoDate(day))
        MarkIncomplete(d, kNotStarted, 0);
    else
        MarkComplete(d, day);
}

void PutComplete(ItemData& d, const Variant& value, double now) {
    const bool* flag = value.IfBool();
    const bool complete = flag && *flag;
    if (complete == IsComplete(d)) return;
    if (complete)
        MarkComplete(d, MidnightOf(now));
    else
        MarkIncomplete(d, kNotStarted, 0);
}

void PutStatus(ItemData& d, const Variant& value, double now) {
    const std::int32_t* status = value.IfI4();
    const std::int32_t s = status ? *status : kNotStarted;
    if (s == kCompleted) {
        if (!IsComplete(d)) MarkComplete(d, MidnightOf(now));
        return;
    }
    if (IsComplete(d))
        MarkIncomplete(d, s, 0);
    else
        d.Store(kStatus, Variant(s));
}

void PutPercentComplete(ItemData& d, const Variant& value, double now) {
    const std::int32_t* percent = value.IfI4();
    const std::int32_t p = percent ? *percent : 0;
    if (p >= 100) {
        if (!IsComplete(d)) MarkComplete(d, MidnightOf(now));
        return;
    }
    if (IsComplete(d))
        MarkIncomplete(d, p > 0 ? kInProgress : kNotStarted, p);
    else
        d.Store(kPercentComplete, Variant(p));
}

}  // namespace

const PropertyTable& TaskProperties() {
    static const PropertyTable table{
        {
            Computed(kStartDate, "StartDate", VarType::Date, &GetStartDate, &PutStartDate),
            Computed(kDueDate, "DueDate", VarType::Date, &GetDueDate, &PutDueDate),
            Computed(kDateCompleted, "DateCompleted", VarType::Date, &GetDateCompleted, &PutDateCompleted),
            Computed(kComplete, "Complete", VarType::Bool, &GetComplete, &PutComplete),
            // olTaskNotStarted 0 .. olTaskDeferred 4
            ComputedChoice(kStatus, "Status", &GetStatus, &PutStatus, 4),
            Computed(kPercentComplete, "PercentComplete", VarType::I4, &GetPercentComplete,
                     &PutPercentComplete),
            ReadOnlyFlag(0xF617, "IsRecurring"),
            Flag(0x8503, "ReminderSet"),
        },
        &CommonItemProperties()};
    return table;
}

}  // namespace simpim
