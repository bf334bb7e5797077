#include "automation/code_page.h"

#include "automation/inproc/active_code_page.h"
#include "automation/inproc/code_page_1252.h"
#include "automation/inproc/code_page_932.h"

namespace tarnex::automation {

std::u16string AnsiToWide(std::string_view ansi) {
    return inproc::ActiveCodePage() == 932 ? inproc::Cp932ToWide(ansi) : inproc::Cp1252ToWide(ansi);
}

std::string WideToAnsi(std::u16string_view wide) {
    return inproc::ActiveCodePage() == 932 ? inproc::WideToCp932(wide) : inproc::WideToCp1252(wide);
}

bool IsAnsiLeadByte(unsigned char byte) noexcept {
    return inproc::ActiveCodePage() == 932 && inproc::IsCp932LeadByte(byte);
}

}  // namespace tarnex::automation
