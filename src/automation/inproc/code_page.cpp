#include "automation/code_page.h"

#include <stdexcept>

#include "automation/inproc/active_code_page.h"
#include "automation/inproc/code_page_1252.h"
#include "automation/inproc/code_page_932.h"

namespace tarnex::automation {
namespace {

// The page a conversion uses: 1252 or 932.
std::uint32_t Resolve(std::uint32_t codePage) {
    if (codePage == kActiveCodePage) return inproc::ActiveCodePage();
    if (codePage != 1252 && codePage != 932) throw std::invalid_argument("code page not implemented");
    return codePage;
}

}  // namespace

std::u16string AnsiToWideIn(std::uint32_t codePage, std::string_view ansi) {
    return Resolve(codePage) == 932 ? inproc::Cp932ToWide(ansi) : inproc::Cp1252ToWide(ansi);
}

std::string WideToAnsiIn(std::uint32_t codePage, std::u16string_view wide) {
    return Resolve(codePage) == 932 ? inproc::WideToCp932(wide) : inproc::WideToCp1252(wide);
}

std::u16string AnsiToWide(std::string_view ansi) { return AnsiToWideIn(kActiveCodePage, ansi); }

std::string WideToAnsi(std::u16string_view wide) { return WideToAnsiIn(kActiveCodePage, wide); }

bool IsAnsiLeadByte(unsigned char byte) noexcept {
    return inproc::ActiveCodePage() == 932 && inproc::IsCp932LeadByte(byte);
}

}  // namespace tarnex::automation
