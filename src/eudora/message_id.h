// The host's name for a Eudora message: the mailbox's name, the mailbox's
// message count when the host made the name, and the message's position
// from 1, joined by "_". The library reads these names but never makes one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnex::eudora {

struct EudoraMessageId {
    std::string mailbox;
    std::int32_t count = 0;
    std::int32_t position = 0;
};

// Each component is read up to the next "_" and at most 50 characters of it
// are kept, so a mailbox whose name holds "_" or is longer than 50
// characters cannot be named. Missing components are empty; a number that
// is no number reads as 0.
EudoraMessageId ParseEudoraMessageId(std::string_view identifier);

}  // namespace tarnex::eudora
