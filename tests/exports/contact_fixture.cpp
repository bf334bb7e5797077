#include "exports/contact_fixture.h"

#include <algorithm>
#include <span>

namespace tarnex_test {

namespace {

bool AllZero(std::span<const char> bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; });
}

// Text, its zero, then nothing but zeros to the field's end.
bool ZeroBehindText(std::span<const char> field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return end != field.end() && std::all_of(end, field.end(), [](char c) { return c == '\0'; });
}

template <std::size_t N>
std::span<const char> Bytes(const char (&field)[N]) {
    return {field, N};
}

}  // namespace

void ExpectOnlyReaderBytes(const ContactRecord& r) {
    const struct {
        const char* what;
        std::span<const char> bytes;
    } unowned[] = {
        {"name parameters", Bytes(r.nameParameters)},
        {"fileAs parameters", Bytes(r.fileAsParameters)},
        {"birthday parameters", Bytes(r.birthdayParameters)},
        {"organization parameters", Bytes(r.organizationParameters)},
        {"jobTitle parameters", Bytes(r.jobTitleParameters)},
        {"personal home page parameters", Bytes(r.personalHomePageParameters)},
        {"business home page parameters", Bytes(r.businessHomePageParameters)},
        {"address slots 3-5", {reinterpret_cast<const char*>(&r.addresses[3]), 3 * sizeof(AddressSlot)}},
        {"phone slots 8-11", {reinterpret_cast<const char*>(&r.phones[8]), 4 * sizeof(PhoneSlot)}},
        {"e-mail slots 3-11", {reinterpret_cast<const char*>(&r.emails[3]), 9 * sizeof(EmailSlot)}},
        {"tail", Bytes(r.tail)},
    };
    for (const auto& region : unowned) EXPECT_TRUE(AllZero(region.bytes)) << region.what;

    std::vector<std::span<const char>> owned = {
        Bytes(r.name),     Bytes(r.fileAs),           Bytes(r.birthday),         Bytes(r.organization),
        Bytes(r.jobTitle), Bytes(r.personalHomePage), Bytes(r.businessHomePage),
    };
    for (int k = 0; k < 3; ++k) {
        owned.push_back(Bytes(r.addresses[k].value));
        owned.push_back(Bytes(r.addresses[k].parameters));
        owned.push_back(Bytes(r.emails[k].value));
        owned.push_back(Bytes(r.emails[k].parameters));
    }
    for (int k = 0; k < 8; ++k) {
        owned.push_back(Bytes(r.phones[k].value));
        owned.push_back(Bytes(r.phones[k].parameters));
    }
    for (std::size_t k = 0; k < owned.size(); ++k)
        EXPECT_TRUE(ZeroBehindText(owned[k])) << "owned field " << k;
}

}  // namespace tarnex_test
