// A host's view of the library over the simulated Outlook 2000: the server is
// registered as "Outlook.Application.9" for the length of a test, and after
// the test the library must hold no reference to any of its objects.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "exports/library.h"
#include "simpim/item_classes.h"
#include "simpim/outlook_server.h"
#include "tarnex/tarnex_inproc.h"

namespace tarnex_test {

inline constexpr const char* kOutlookProgId = "Outlook.Application.9";

using PropertyValues = std::vector<std::pair<std::string_view, simpim::Variant>>;

// Registers the simulated Outlook; each test opens the session itself.
class OutlookTest : public ::testing::Test {
protected:
    explicit OutlookTest(simpim::StoreKind kind = simpim::StoreKind::PersonalFolders) : outlook(kind) {}

    void SetUp() override {
        tarnex_RegisterServer(kOutlookProgId, &simpim::OutlookServer::Factory, &outlook);
    }

    void TearDown() override {
        lib.Uninitialize();
        tarnex_RegisterServer(kOutlookProgId, nullptr, nullptr);
        EXPECT_EQ(outlook.LiveReferences(), 0) << "the library kept references after UninitializeTARN";
    }

    void Open() { ASSERT_EQ(lib.Initialize(TARN_PIM_OUTLOOK), TARN_INITIALIZED); }

    std::string Narrow(const std::u16string& text) const { return std::string(text.begin(), text.end()); }
    std::string EntryIdOf(const simpim::OutlookItem& item) const { return Narrow(item.EntryId()); }

    // The identifier at a store position, as the host asks for it.
    std::string IdAt(int32_t position, int32_t store) {
        char id[TARN_ENTRY_ID_SIZE] = {};
        EXPECT_EQ(lib.GetIDForOL(id, position, store), TARN_OK);
        return id;
    }
    // An item filed in a folder with these property values.
    simpim::OutlookItem& Add(std::int32_t folder, const simpim::ItemClass& itemClass,
                             const PropertyValues& values = {}) {
        simpim::OutlookItem& item = outlook.AddItem(folder, itemClass);
        for (const auto& [name, value] : values) item.Set(name, value);
        return item;
    }
    simpim::OutlookItem& AddContact(const PropertyValues& values) {
        return Add(simpim::kFolderContacts, simpim::ContactClass(), values);
    }

    // A property of an item as text, for comparing what a write left.
    std::string Shown(const simpim::OutlookItem& item, std::string_view property) const {
        const simpim::Variant value = item.Get(property);
        if (const auto* text = value.IfBstr()) return Narrow(*text);
        if (const auto* date = value.IfDate()) return "date " + std::to_string(date->days);
        if (const auto* number = value.IfI4()) return std::to_string(*number);
        if (const auto* flag = value.IfBool()) return *flag ? "true" : "false";
        return "?";
    }

    int32_t CountOf(int32_t store) {
        int32_t count = -1;
        EXPECT_EQ(lib.GetCountForOL(&count, store), TARN_OK);
        return count;
    }

    simpim::OutlookServer outlook;
    const Library& lib = Tarnex();
};

// The same with the session open.
class OpenOutlookTest : public OutlookTest {
protected:
    using OutlookTest::OutlookTest;

    void SetUp() override {
        OutlookTest::SetUp();
        Open();
    }
};

}  // namespace tarnex_test
