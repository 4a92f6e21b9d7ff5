// Family БКМб: layered, 4 levels, no fibre classes, one CoreDiameter 5.7 mm,
// Modulus 125 kN/mm², Alpha 1.3e-05 1/°C.
#include "Families.h"

namespace cable::families {
namespace {

constexpr TLayeredLevel kLevels[] = {
    // RatedLoad kN, LayerDiameter mm
    {4, 4.6},
    {6, 5.2},
    {9, 5.8},
    {12, 6.4},
};

constexpr double kCoreDiameters[] = {5.7}; // mm, every row

constexpr TGivenRow kRows[] = {
    // PermissibleLoad kN, Mass kg/km       index: level
    {3.9, 63},      // 0: 0
    {6.31, 79.6},   // 1: 1
    {9.31, 99.6},   // 2: 2
    {12.88, 123.2}, // 3: 3
};

} // namespace

TCableFamily BuildBkmb() {
    return BuildLayeredFamily({
        .FamilyCode = 5,
        .Designation = "БКМб",
        .FiberClassCount = 1,
        .Modulus = 125,
        .Alpha = 1.3e-05,
        .TensionFactor = 0.95,
        .Levels = kLevels,
        .CoreDiameters = kCoreDiameters,
        .Rows = kRows,
    });
}

} // namespace cable::families
