#include <stdexcept>

#include "automation/failures.h"
#include "automation/invoke.h"

namespace tarnex::automation {

// A collection's item comes back as a VARIANT of any type; it is copied and
// converted like VariantCopy and VariantChangeType(VT_DISPATCH). A failure
// here is deliberately not an OleStatusFailure: the host sees the catch-all
// result for it.
DispatchRef ItemAsDispatch(const Variant& item) {
    const Variant copy = item;
    DispatchRef object;
    try {
        object = copy.ToDispatch();
    } catch (const OleStatusFailure& failure) {
        throw std::runtime_error(std::string("item is not an object: ") + failure.what());
    }
    if (!object) throw std::runtime_error("item is a null object");
    return object;
}

}  // namespace tarnex::automation
