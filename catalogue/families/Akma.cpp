// Family АКМа: layered, 2 levels x 4 fibre classes, Modulus 50 kN/mm², Alpha 6e-06 1/°C; its walk
// judges the wind-and-ice tension itself (factor 1).
#include "Families.h"

namespace cable::families {
namespace {

constexpr TLayeredLevel kLevels[] = {
    // RatedLoad kN, LayerDiameter mm
    {4, 6.5},
    {6, 7.5},
};

constexpr double kCoreDiameters[] = {8.9, 10.4, 11.8, 14.6}; // mm, fibre classes 0..3

constexpr TGivenRow kRows[] = {
    // PermissibleLoad kN, Mass kg/km       index: level, class
    {3.78, 106.0}, // 0: 0, 0
    {3.69, 130.5}, // 1: 0, 1
    {3.79, 151.6}, // 2: 0, 2
    {3.8, 205.5},  // 3: 0, 3
    {6.24, 123.6}, // 4: 1, 0
    {6.1, 148.1},  // 5: 1, 1
    {6.26, 169.2}, // 6: 1, 2
    {6.29, 223.1}, // 7: 1, 3
};

} // namespace

TCableFamily BuildAkma() {
    return BuildLayeredFamily({
        .FamilyCode = 2,
        .Designation = "АКМа",
        .FiberClassCount = 4,
        .Modulus = 50,
        .Alpha = 6e-06,
        .TensionFactor = 1,
        .Levels = kLevels,
        .CoreDiameters = kCoreDiameters,
        .Rows = kRows,
    });
}

} // namespace cable::families
