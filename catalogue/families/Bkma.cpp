// Family БКМа: layered, 2 levels, no fibre classes, one CoreDiameter 5.7 mm,
// Modulus 50 kN/mm², Alpha 6e-06 1/°C.
#include "Families.h"

namespace cable::families {
namespace {

constexpr TLayeredLevel kLevels[] = {
    // RatedLoad kN, LayerDiameter mm
    {4, 5.9},
    {6, 6.9},
};

constexpr double kCoreDiameters[] = {5.7}; // mm, every row

constexpr TGivenRow kRows[] = {
    // PermissibleLoad kN, Mass kg/km       index: level
    {3.94, 64.5}, // 0: 0
    {6.52, 81.2}, // 1: 1
};

} // namespace

TCableFamily BuildBkma() {
    return BuildLayeredFamily({
        .FamilyCode = 4,
        .Designation = "БКМа",
        .FiberClassCount = 1,
        .Modulus = 50,
        .Alpha = 6e-06,
        .TensionFactor = 0.95,
        .Levels = kLevels,
        .CoreDiameters = kCoreDiameters,
        .Rows = kRows,
    });
}

} // namespace cable::families
