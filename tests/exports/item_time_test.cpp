// The item-time exports: local DATEs to seconds since 1970 UTC in the zones
// both C runtimes read alike (see tests/unit/codec/scoped_time_zone.h), the
// range of 32-bit calendar time, and the output left alone on failure.
#include <cstdlib>
#include <time.h>

#include "exports/outlook_fixture.h"
#include "unit/codec/scoped_time_zone.h"

namespace tarnex_test {
namespace {

using simpim::Variant;
using tarnex::automation::Date;
using tarnex::codec::test_support::kOneHourEast;
using tarnex::codec::test_support::kUsEastern2001;
using tarnex::codec::test_support::kUtc;
using tarnex::codec::test_support::ScopedTimeZone;

#if defined(_WIN32)
// msvcrt takes the daylight bias from the system's zone the first time it
// finds no TZ (under Wine 0 for a zone without daylight time) and keeps it
// for every TZ set afterwards. The simulated Outlook asks for local time as
// soon as it holds an item, so the process gets a TZ before anything runs.
const bool kZoneSetBeforeAnyTest = [] {
    if (!std::getenv("TZ")) _putenv_s("TZ", kUtc);
    _tzset();
    return true;
}();
#endif

constexpr int32_t kUntouched = 0x5A5A5A5A;
constexpr double kSecond = 1.0 / 86400.0;
constexpr double kHour = 1.0 / 24.0;
constexpr double kOtherDate = 37000.0;  // 2001-04-18, in the property not asked for

enum class Which { Creation, Modification };

class ItemTimeTest : public OpenOutlookTest {
protected:
    int32_t Ask(Which which, const std::string& id, int32_t& out) {
        return which == Which::Creation ? lib.GetCreationTimeForOL(&out, id.c_str())
                                        : lib.GetModificationTimeForOL(&out, id.c_str());
    }
};

// Catches: the zone ignored (UTC assumed) or applied the wrong way; daylight
// saving decided from the current date or not at all; the time truncated
// instead of rounded; the two properties swapped; a time beyond 32-bit
// calendar time handed on cut or as a 64-bit count, or reported as a failure.
TEST_F(ItemTimeTest, LocalTimesBecomeSecondsSince1970) {
    const struct {
        const char* zone;
        const char* what;
        Which which;
        double date;
        int32_t expected;
    } cases[] = {
        {kUtc, "2001-01-01", Which::Creation, 36892.0, 978307200},
        {kUtc, "2001-03-15 12:00", Which::Modification, 36965.5, 984657600},
        {kUtc, "0.6 s rounds up", Which::Creation, 36892.0 + 0.6 * kSecond, 978307201},
        {kUtc, "0.4 s rounds down", Which::Modification, 36892.0 + 0.4 * kSecond, 978307200},
        {kUtc, "the epoch", Which::Creation, 25569.0, 0},
        {kUtc, "a second before the epoch", Which::Creation, 25569.0 - kSecond, -1},
        {kUtc, "the last 32-bit second", Which::Creation, 50424.0 + 11647 * kSecond, 2147483647},
        {kUtc, "one second later", Which::Modification, 50424.0 + 11648 * kSecond, -1},
        {kUtc, "Outlook's empty date, year 4501", Which::Creation, 949998.0, -1},
        {kUtc, "Outlook's empty date as modification", Which::Modification, 949998.0, -1},
        {kOneHourEast, "2001-01-01", Which::Creation, 36892.0, 978303600},
        {kOneHourEast, "1970-01-01 00:30 is before the epoch in UTC", Which::Creation, 25569.0 + 0.5 * kHour,
         -1},
        {kUsEastern2001, "winter", Which::Creation, 36906.5, 979578000},
        {kUsEastern2001, "the last standard second in spring", Which::Creation, 36982.0 + 7199 * kSecond,
         986108399},
        {kUsEastern2001, "the first daylight hour in spring", Which::Creation, 36982.0 + 3 * kHour,
         986108400},
        {kUsEastern2001, "summer", Which::Modification, 37073.5, 994003200},
        {kUsEastern2001, "autumn, still daylight", Which::Creation, 37192.0 + 0.5 * kHour, 1004243400},
        {kUsEastern2001, "autumn, standard again", Which::Modification, 37192.0 + 3 * kHour, 1004256000},
    };
    simpim::OutlookItem& contact = outlook.AddItem(simpim::ContactClass());
    const std::string id = EntryIdOf(contact);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + ": " + c.what);
        ScopedTimeZone zone(c.zone);
        const bool creation = c.which == Which::Creation;
        contact.Set("CreationTime", Variant(Date{creation ? c.date : kOtherDate}));
        contact.Set("LastModificationTime", Variant(Date{creation ? kOtherDate : c.date}));
        int32_t out = kUntouched;
        EXPECT_EQ(Ask(c.which, id, out), TARN_OK);
        EXPECT_EQ(out, c.expected);
    }
}

// Any item of the store is answered, whatever its type and folder. Catches a
// folder or class test copied from the readers.
TEST_F(ItemTimeTest, EveryKindOfItemInAnyFolder) {
    ScopedTimeZone zone(kUtc);
    simpim::OutlookFolder& ideas = outlook.AddFolder(outlook.Folder(simpim::kFolderNotes), u"Ideas");
    simpim::OutlookItem* items[] = {
        &outlook.AddItem(simpim::ContactClass()),
        &outlook.AddItem(simpim::AppointmentClass()),
        &outlook.AddItem(simpim::TaskClass()),
        &outlook.AddItem(simpim::NoteClass()),
        &outlook.AddItem(simpim::kFolderSentMail, simpim::MailClass()),
        &outlook.AddItem(simpim::kFolderInbox, simpim::MeetingRequestClass()),
        &outlook.AddItem(ideas, simpim::NoteClass()),
        &outlook.AddItem(simpim::kFolderDeletedItems, simpim::ContactClass()),
    };
    for (simpim::OutlookItem* item : items) {
        item->Set("CreationTime", Variant(Date{36892.0}));
        item->Set("LastModificationTime", Variant(Date{36965.5}));
        int32_t created = kUntouched;
        int32_t modified = kUntouched;
        EXPECT_EQ(Ask(Which::Creation, EntryIdOf(*item), created), TARN_OK) << item->Class().objectName;
        EXPECT_EQ(Ask(Which::Modification, EntryIdOf(*item), modified), TARN_OK) << item->Class().objectName;
        EXPECT_EQ(created, 978307200) << item->Class().objectName;
        EXPECT_EQ(modified, 984657600) << item->Class().objectName;
    }
}

// Every failure leaves the output as it was: an identifier Outlook does not
// know, each of the export's calls failing in turn, a null argument. Catches
// an output written before the last call, or -1 stored on failure.
TEST_F(ItemTimeTest, FailuresLeaveTheOutputAlone) {
    const std::string id = EntryIdOf(outlook.AddItem(simpim::NoteClass()));
    for (Which which : {Which::Creation, Which::Modification}) {
        int32_t out = kUntouched;
        EXPECT_EQ(Ask(which, "0000000012345678", out), TARN_DISPATCH_EXCEPTION);
        EXPECT_EQ(out, kUntouched);

        // The StoreID, GetItemFromID and the time property.
        for (int call = 1; call <= 3; ++call) {
            for (const auto& [fault, code] :
                 {std::pair{simpim::Fault::Exception(u"Refused."), TARN_DISPATCH_EXCEPTION},
                  std::pair{simpim::Fault::Status(static_cast<int32_t>(0x80004005)), TARN_OLE_FAILURE}}) {
                outlook.ClearFaults();
                outlook.FailCall(call, fault);
                EXPECT_EQ(Ask(which, id, out), code) << "call " << call;
                EXPECT_EQ(out, kUntouched) << "call " << call;
            }
        }
        outlook.ClearFaults();

        const auto calls = outlook.CallCount();
        EXPECT_EQ(which == Which::Creation ? lib.GetCreationTimeForOL(nullptr, id.c_str())
                                           : lib.GetModificationTimeForOL(nullptr, id.c_str()),
                  TARN_FAILED);
        EXPECT_EQ(outlook.CallCount(), calls) << "a null output reached the PIM";
        EXPECT_EQ(which == Which::Creation ? lib.GetCreationTimeForOL(&out, nullptr)
                                           : lib.GetModificationTimeForOL(&out, nullptr),
                  TARN_FAILED);
        EXPECT_EQ(out, kUntouched);
    }
}

}  // namespace
}  // namespace tarnex_test
