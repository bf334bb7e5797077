// Contact records as a host builds and inspects them, over the simulated
// Outlook with the session open.
#pragma once

#include "exports/outlook_fixture.h"
#include "exports/record_lists.h"

namespace tarnex_test {

// Every byte that the readers do not own is zero: the parameter areas of the
// single fields, address slots 3-5, phone slots 8-11, e-mail slots 3-11 and
// the tail. Fields the readers do fill hold zeros behind their text.
void ExpectOnlyReaderBytes(const ContactRecord& record);

class ContactTest : public OpenOutlookTest {
protected:
    using OpenOutlookTest::OpenOutlookTest;

    // The single read of an item, which must be accepted.
    ContactRecord Read(const simpim::OutlookItem& item) {
        ContactRecord record = Zeroed<ContactRecord>();
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CONTACTS), TARN_OK);
        return record;
    }
};

}  // namespace tarnex_test
