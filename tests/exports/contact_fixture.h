// Contact records as a host builds and inspects them, over the simulated
// Outlook with the session open.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exports/outlook_fixture.h"

namespace tarnex_test {

using PropertyValues = std::vector<std::pair<std::string_view, simpim::Variant>>;

inline ContactRecord ZeroContact() {
    ContactRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

// Copies text into a record field; the text must fit with its zero.
template <std::size_t N>
void Fill(char (&field)[N], std::string_view text) {
    ASSERT_LT(text.size(), N) << text;
    std::memcpy(field, text.data(), text.size());
    field[text.size()] = '\0';
}

// Host-owned records chained into a list, as the host hands them over.
struct ContactList {
    explicit ContactList(std::size_t count) : records(count, ZeroContact()), nodes(count) {
        for (std::size_t k = 0; k < count; ++k) {
            nodes[k].record = &records[k];
            nodes[k].next = k + 1 < count ? &nodes[k + 1] : nullptr;
        }
        list.first = count ? nodes.data() : nullptr;
        list.count = static_cast<int32_t>(count);
    }
    std::vector<ContactRecord> records;
    std::vector<RecordListNode> nodes;
    PimRecordList list{};
};

// Every byte that the readers do not own is zero: the parameter areas of the
// single fields, address slots 3-5, phone slots 8-11, e-mail slots 3-11 and
// the tail. Fields the readers do fill hold zeros behind their text.
void ExpectOnlyReaderBytes(const ContactRecord& record);

class ContactTest : public OpenOutlookTest {
protected:
    using OpenOutlookTest::OpenOutlookTest;

    simpim::OutlookItem& AddContact(const PropertyValues& values) {
        simpim::OutlookItem& item = outlook.AddItem(simpim::kFolderContacts, simpim::ContactClass());
        for (const auto& [name, value] : values) item.Set(name, value);
        return item;
    }

    // The single read of an item, which must be accepted.
    ContactRecord Read(const simpim::OutlookItem& item) {
        ContactRecord record = ZeroContact();
        EXPECT_EQ(lib.GetSingleObjectForOL(&record, EntryIdOf(item).c_str(), TARN_STORE_CONTACTS), TARN_OK);
        return record;
    }

    // A property of an item as its saved text (ASCII in these tests).
    std::string Saved(const simpim::OutlookItem& item, std::string_view property) const {
        const simpim::Variant value = item.Get(property);
        const std::u16string* text = value.IfBstr();
        return text ? Narrow(*text) : std::string("<not text>");
    }
};

}  // namespace tarnex_test
