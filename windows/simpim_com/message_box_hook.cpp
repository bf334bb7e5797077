#include "message_box_hook.h"

#include <windows.h>

#include <cstring>

namespace simpim_com {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static control holding a message box's text

HHOOK hook = nullptr;
tarnex_MessageBoxHandler handler = nullptr;
void* handlerContext = nullptr;

bool IsDialog(HWND window) {
    char name[16] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, "#32770") == 0;
}

LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && handler) {
        HWND box = reinterpret_cast<HWND>(wParam);
        HWND textControl = GetDlgItem(box, kMessageTextId);
        if (IsDialog(box) && textControl) {
            char text[4096] = {};
            GetWindowTextA(textControl, text, sizeof text);
            handler(text, handlerContext);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

}  // namespace

void SetMessageBoxHandler(tarnex_MessageBoxHandler newHandler, void* context) noexcept {
    if (hook) {
        UnhookWindowsHookEx(hook);
        hook = nullptr;
    }
    handler = newHandler;
    handlerContext = context;
    if (handler) hook = SetWindowsHookExA(WH_CBT, &OnWindowEvent, nullptr, GetCurrentThreadId());
}

}  // namespace simpim_com
