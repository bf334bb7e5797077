// The active ANSI code page of Windows (CP_ACP), through the system's own
// conversions, so that the library agrees byte for byte with its host.
#include "automation/code_page.h"

#include <windows.h>

#include <limits>
#include <stdexcept>

namespace tarnex::automation {

namespace {

int CheckedLength(std::size_t size) {
    if (size > static_cast<std::size_t>((std::numeric_limits<int>::max)()))
        throw std::length_error("text too long");
    return static_cast<int>(size);
}

// WideCharToMultiByte with '?' for the characters the code page lacks; a
// code page that takes no default character (UTF-8 as the ACP) gets none.
int ToAnsi(const wchar_t* wide, int wideLength, char* ansi, int ansiLength) {
    static const char kDefaultChar[] = "?";
    const int length =
        WideCharToMultiByte(CP_ACP, 0, wide, wideLength, ansi, ansiLength, kDefaultChar, nullptr);
    if (length == 0 && GetLastError() == ERROR_INVALID_PARAMETER)
        return WideCharToMultiByte(CP_ACP, 0, wide, wideLength, ansi, ansiLength, nullptr, nullptr);
    return length;
}

}  // namespace

std::u16string AnsiToWide(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int ansiLength = CheckedLength(ansi.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, wide.data(), length);
    return std::u16string(wide.begin(), wide.end());
}

std::string WideToAnsi(std::u16string_view wide) {
    if (wide.empty()) return {};
    const std::wstring source(wide.begin(), wide.end());
    const int wideLength = CheckedLength(source.size());
    const int length = ToAnsi(source.data(), wideLength, nullptr, 0);
    if (length <= 0) return {};
    std::string ansi(static_cast<std::size_t>(length), '\0');
    ToAnsi(source.data(), wideLength, ansi.data(), length);
    return ansi;
}

bool IsAnsiLeadByte(unsigned char byte) noexcept { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace tarnex::automation
