// The one message box the library shows (a diagnostic): modal, OK button
// only, returning when the user has closed it. Each backend provides it.
#pragma once

#include <string_view>

namespace tarnex::automation {

// text is in the active code page.
void ShowMessageBox(std::string_view text);

}  // namespace tarnex::automation
