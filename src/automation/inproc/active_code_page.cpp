#include "automation/inproc/active_code_page.h"

namespace tarnex::automation::inproc {
namespace {

std::uint32_t activeCodePage = 1252;

}  // namespace

bool SelectCodePage(std::uint32_t codePage) noexcept {
    if (codePage != 1252 && codePage != 932) return false;
    activeCodePage = codePage;
    return true;
}

std::uint32_t ActiveCodePage() noexcept { return activeCodePage; }

}  // namespace tarnex::automation::inproc
