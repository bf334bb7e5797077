#include "exports/export_frame.h"

#include "automation/failures.h"

namespace tarnex::exports {

Result CurrentFailureResult() noexcept {
    try {
        throw;
    } catch (const automation::DispatchException&) {
        return Result::DispatchException;
    } catch (const automation::OleStatusFailure&) {
        return Result::OleFailure;
    } catch (...) {
        return Result::Failed;
    }
}

}  // namespace tarnex::exports
