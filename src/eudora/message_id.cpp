#include "eudora/message_id.h"

#include <array>
#include <charconv>

#include "codec/components.h"

namespace tarnex::eudora {

namespace {

// 50 characters and the zero.
constexpr std::int32_t kComponentSize = 51;

// The leading decimal number of the text, as the C runtime's atoi reads it:
// blanks, then an optional sign, then digits; no digits, or a number out of
// range, gives 0.
std::int32_t DecimalOrZero(std::string_view text) noexcept {
    const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string_view::npos) return 0;
    text.remove_prefix(start);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} ? value : 0;
}

// Reads the component at cursor and moves the cursor behind the "_" that
// ends it; at the end of the identifier the cursor stays and the component
// is empty.
std::string NextIdComponent(std::string_view identifier, std::size_t& cursor) {
    std::array<char, kComponentSize> component{};
    const std::string_view rest = identifier.substr(std::min(cursor, identifier.size()));
    const std::size_t stop = codec::ScanComponent(component.data(), kComponentSize, rest, "_");
    cursor += stop < rest.size() ? stop + 1 : stop;
    return std::string(component.data());
}

}  // namespace

EudoraMessageId ParseEudoraMessageId(std::string_view identifier) {
    std::size_t cursor = 0;
    EudoraMessageId id;
    id.mailbox = NextIdComponent(identifier, cursor);
    id.count = DecimalOrZero(NextIdComponent(identifier, cursor));
    id.position = DecimalOrZero(NextIdComponent(identifier, cursor));
    return id;
}

}  // namespace tarnex::eudora
