// Family АКМб: layered, 4 levels x 4 fibre classes, Modulus 125 kN/mm², Alpha 1.3e-05 1/°C.
#include "Families.h"

namespace cable::families {
namespace {

constexpr TLayeredLevel kLevels[] = {
    // RatedLoad kN, LayerDiameter mm
    {4, 5.2},
    {6, 5.8},
    {9, 6.4},
    {12, 7.0},
};

constexpr double kCoreDiameters[] = {8.9, 10.4, 11.8, 14.6}; // mm, fibre classes 0..3

constexpr TGivenRow kRows[] = {
    // PermissibleLoad kN, Mass kg/km       index: level, class
    {3.73, 103.4},  // 0: 0, 0
    {3.64, 127.9},  // 1: 0, 1
    {3.74, 149.0},  // 2: 0, 2
    {3.76, 202.9},  // 3: 0, 3
    {6.04, 120.5},  // 4: 1, 0
    {5.9, 145.0},   // 5: 1, 1
    {6.06, 166.1},  // 6: 1, 2
    {6.09, 220.0},  // 7: 1, 3
    {8.91, 141.1},  // 8: 2, 0
    {8.7, 165.6},   // 9: 2, 1
    {8.94, 186.7},  // 10: 2, 2
    {8.98, 240.6},  // 11: 2, 3
    {12.33, 165.1}, // 12: 3, 0
    {12.04, 189.7}, // 13: 3, 1
    {12.37, 210.7}, // 14: 3, 2
    {12.42, 264.6}, // 15: 3, 3
};

} // namespace

TCableFamily BuildAkmb() {
    return BuildLayeredFamily({
        .FamilyCode = 3,
        .Designation = "АКМб",
        .FiberClassCount = 4,
        .Modulus = 125,
        .Alpha = 1.3e-05,
        .TensionFactor = 0.95,
        .Levels = kLevels,
        .CoreDiameters = kCoreDiameters,
        .Rows = kRows,
    });
}

} // namespace cable::families
