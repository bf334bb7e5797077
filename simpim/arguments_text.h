// The arguments of a call as the call log shows them: each value as text,
// joined by ", ". Keeps no reference to any object passed.
//
//   10, "MAPI", true, date:36892.5, 2.5, missing, error:0x80004005,
//   <MAPIFolder>, <dispatch> (not a simulated object), <nothing>, empty
#pragma once

#include <span>
#include <string>

#include "automation/variant.h"

namespace simpim {

std::string ArgumentsText(std::span<const tarnex::automation::Variant> args);

// Text as the call log shows it: UTF-8, a lone surrogate as U+FFFD.
std::string LogText(std::u16string_view text);

}  // namespace simpim
