#include "automation/message_box.h"

#include <cstdio>
#include <string>

#include "automation/inproc/message_box.h"

namespace tarnex::automation::inproc {
namespace {

tarnex_MessageBoxHandler messageBoxHandler = nullptr;
void* messageBoxContext = nullptr;

}  // namespace

void SetMessageBoxHandler(tarnex_MessageBoxHandler handler, void* context) noexcept {
    messageBoxHandler = handler;
    messageBoxContext = handler ? context : nullptr;
}

}  // namespace tarnex::automation::inproc

namespace tarnex::automation {

// There is no window to show: the text goes to whoever asked for it.
void ShowMessageBox(std::string_view text) {
    if (inproc::messageBoxHandler) {
        const std::string terminated(text);
        inproc::messageBoxHandler(terminated.c_str(), inproc::messageBoxContext);
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
}

}  // namespace tarnex::automation
