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

void WideToAnsiInto(std::uint32_t codePage, std::u16string_view wide, AnsiSink& sink) {
    if (Resolve(codePage) == 932)
        inproc::WideToCp932(wide, sink);
    else
        inproc::WideToCp1252(wide, sink);
}

std::string WideToAnsiIn(std::uint32_t codePage, std::u16string_view wide) {
    std::string ansi;
    ansi.reserve(wide.size());
    StringSink sink(ansi);
    WideToAnsiInto(codePage, wide, sink);
    return ansi;
}

std::u16string AnsiToWide(std::string_view ansi) { return AnsiToWideIn(kActiveCodePage, ansi); }

std::string WideToAnsi(std::u16string_view wide) { return WideToAnsiIn(kActiveCodePage, wide); }

bool IsAnsiLeadByte(unsigned char byte) noexcept {
    return inproc::ActiveCodePage() == 932 && inproc::IsCp932LeadByte(byte);
}

const LeadByteTable& AnsiLeadBytes() noexcept {
    static const LeadByteTable kSingleByte;
    static const LeadByteTable k932 = [] {
        LeadByteTable table;
        table.any = true;
        for (unsigned byte = 0; byte < 256; ++byte)
            table.lead[byte] = inproc::IsCp932LeadByte(static_cast<unsigned char>(byte));
        return table;
    }();
    return inproc::ActiveCodePage() == 932 ? k932 : kSingleByte;
}

}  // namespace tarnex::automation
