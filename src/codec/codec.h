// The value codec: the only place that escapes, cuts, splits and formats
// record field values.
#pragma once

#include "codec/body_text.h"
#include "codec/components.h"
#include "codec/date_text.h"
#include "codec/date_time.h"
#include "codec/field_value.h"
