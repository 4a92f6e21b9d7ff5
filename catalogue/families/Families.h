#pragma once

#include "../CableFamily.h"

// One function per family, each in its own file with the family's table as constant data.
namespace cable::families {

TCableFamily BuildAksa(); // АКСа, code 0
TCableFamily BuildAksb(); // АКСб, code 1
TCableFamily BuildAkma(); // АКМа, code 2
TCableFamily BuildAkmb(); // АКМб, code 3
TCableFamily BuildBkma(); // БКМа, code 4
TCableFamily BuildBkmb(); // БКМб, code 5

} // namespace cable::families
