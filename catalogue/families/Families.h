#pragma once

#include "../CableFamily.h"

// One function per family, each in its own file with the family's table as constant data.
namespace cable::families {

TCableFamily BuildAkmb(); // АКМб, code 3

} // namespace cable::families
