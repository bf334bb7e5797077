// Two views of a record besides its vObject text: its fields as JSON, and
// its bytes annotated field by field, with any byte no field accounts for.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "record_layout.h"

namespace tarnex_host {

nlohmann::ordered_json RecordJson(const Record& record);
std::string AnnotatedBytes(const Record& record);

}  // namespace tarnex_host
