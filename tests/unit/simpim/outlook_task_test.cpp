// A TaskItem's dates, and its completion state kept by Complete, Status,
// PercentComplete and DateCompleted together, as in Outlook.
#include <vector>

#include "outlook_fixture.h"
#include "simpim/outlook_errors.h"
#include "simpim/task_members.h"

namespace simpim::testing {
namespace {

using namespace simpim::task;
constexpr double kNow = 37000.6;
constexpr double kToday = 37000.0;

Variant At(double date) { return Variant(ta::Date{date}); }

class TaskTest : public OutlookTest {
protected:
    DispatchRef NewTask() {
        server.Store().SetNow(kNow);
        return ObjectOf(Method(application, 0x10A, {Variant(3)}));
    }
};

// Catches empty task dates read as 0 (30 Dec 1899) instead of Outlook's
// no-date value.
TEST_F(TaskTest, NewTaskHasNoDates) {
    DispatchRef task = NewTask();
    for (Dispid date : {kStartDate, kDueDate, kDateCompleted}) EXPECT_EQ(Get(task, date).Date(), kNoDate);
    EXPECT_EQ(Get(task, kComplete).Bool(), false);
}

// Catches a converter that relies on one of the four alone: in Outlook each
// completes or reopens the task for the others too.
TEST_F(TaskTest, CompletionPropertiesFollowEachOther) {
    struct Step {
        Dispid dispid;
        Variant value;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        bool complete;
        int status, percent;
        double completed;
    } cases[] = {
        {"Complete", {{kComplete, Variant(true)}}, true, 2, 100, kToday},
        {"a completion date", {{kDateCompleted, At(36990.7)}}, true, 2, 100, 36990},
        {"Status complete", {{kStatus, Variant(2)}}, true, 2, 100, kToday},
        {"100 percent", {{kPercentComplete, Variant(100)}}, true, 2, 100, kToday},
        {"Complete again keeps the date",
         {{kDateCompleted, At(36990)}, {kComplete, Variant(true)}},
         true,
         2,
         100,
         36990},
        {"Complete false", {{kComplete, Variant(true)}, {kComplete, Variant(false)}}, false, 0, 0, kNoDate},
        {"no completion date",
         {{kDateCompleted, At(36990)}, {kDateCompleted, At(kNoDate)}},
         false,
         0,
         0,
         kNoDate},
        {"back in progress", {{kComplete, Variant(true)}, {kStatus, Variant(1)}}, false, 1, 0, kNoDate},
        {"partly done", {{kStatus, Variant(1)}, {kPercentComplete, Variant(40)}}, false, 1, 40, kNoDate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DispatchRef task = NewTask();
        for (const Step& step : c.steps) ASSERT_TRUE(Put(task, step.dispid, step.value).Ok());
        EXPECT_EQ(Get(task, kComplete).Bool(), c.complete);
        EXPECT_EQ(Get(task, kStatus).Int(), c.status);
        EXPECT_EQ(Get(task, kPercentComplete).Int(), c.percent);
        EXPECT_EQ(Get(task, kDateCompleted).Date(), c.completed);
    }
}

// Catches task dates that keep a time of day, and a start date left without
// a due date, which Outlook never stores.
TEST_F(TaskTest, TaskDatesAreWholeDaysAndAStartDateNeedsADueDate) {
    DispatchRef task = NewTask();
    ASSERT_TRUE(Put(task, kStartDate, At(37010.75)).Ok());
    EXPECT_EQ(Get(task, kStartDate).Date(), 37010.0);
    EXPECT_EQ(Get(task, kDueDate).Date(), 37010.0);
    ASSERT_TRUE(Put(task, kDueDate, At(37012.3)).Ok());
    EXPECT_EQ(Get(task, kDueDate).Date(), 37012.0);
    EXPECT_EQ(Get(task, kStartDate).Date(), 37010.0);
    ASSERT_TRUE(Put(task, kDueDate, At(kNoDate)).Ok());
    EXPECT_EQ(Get(task, kStartDate).Date(), kNoDate);

    ExpectOutlookException(Put(task, kStatus, Variant(5)), kInvalidParameters);
}

}  // namespace
}  // namespace simpim::testing
