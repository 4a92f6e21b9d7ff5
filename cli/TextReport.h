#pragma once

#include "FieldTexts.h"

#include <string>

namespace cable::cli {

// The results under the window's captions, grouped by page and load case, then the verdict.
// Fields that were not written (a fault stopped the calculation first) are left out.
std::string FormatTextReport(const TFieldTexts& fields);

} // namespace cable::cli
