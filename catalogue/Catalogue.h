#pragma once

#include "CableFamily.h"

namespace cable {

// The family whose FamilyCode is code, every column of every row filled;
// nullptr for a code that names no family. The tables are built once and never change.
const TCableFamily* FindFamily(int code);

} // namespace cable
