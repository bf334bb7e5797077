#include "automation/failures.h"

#include <cstdio>

namespace tarnex::automation {
namespace {

std::string DescribeStatus(HResult status) {
    char text[48];
    std::snprintf(text, sizeof text, "OLE status failure 0x%08X", static_cast<unsigned>(status));
    return text;
}

}  // namespace

OleStatusFailure::OleStatusFailure(HResult status)
    : std::runtime_error(DescribeStatus(status)), status_(status) {}

}  // namespace tarnex::automation
