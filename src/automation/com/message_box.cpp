// The diagnostic's message box: modal, OK only, no owner window and no title,
// shown on the calling thread until the user closes it.
#include "automation/message_box.h"

#include <windows.h>

#include <string>

namespace tarnex::automation {

void ShowMessageBox(std::string_view text) {
    const std::string terminated(text);
    MessageBoxA(nullptr, terminated.c_str(), "", MB_OK);
}

}  // namespace tarnex::automation
