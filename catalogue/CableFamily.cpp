#include "CableFamily.h"

#include <stdexcept>

namespace cable {

double LayeredStrengthArea(double layerDiameter) {
    return (layerDiameter - 3) * (layerDiameter - 3) * 3.14 / 4;
}

double LayeredOuterDiameter(double coreDiameter, double layerDiameter) {
    return coreDiameter + layerDiameter + 2;
}

double SolidStrengthArea(double outerDiameter) {
    return 3.14 * outerDiameter * outerDiameter / 4;
}

namespace {

void CheckRowCount(size_t rows, size_t levels, int fiberClassCount, const char* designation) {
    if (rows != levels * static_cast<size_t>(fiberClassCount)) {
        throw std::logic_error(std::string("catalogue table of ") + designation +
                               " does not hold LevelCount x FiberClassCount rows");
    }
}

// The family's attributes and an empty row for each level and fibre class.
TCableFamily EmptyFamily(int code, const char* designation, size_t levels, int fiberClassCount,
                         TSectionKind kind, double tensionFactor, size_t rows) {
    CheckRowCount(rows, levels, fiberClassCount, designation);
    TCableFamily family;
    family.FamilyCode = code;
    family.Designation = designation;
    family.LevelCount = static_cast<int>(levels);
    family.FiberClassCount = fiberClassCount;
    family.SectionKind = kind;
    family.TensionFactor = tensionFactor;
    family.Candidates.resize(rows);
    return family;
}

} // namespace

TCableFamily BuildLayeredFamily(const TLayeredFamilyData& data) {
    const bool oneCore = data.CoreDiameters.size() == 1;
    if (!oneCore && data.CoreDiameters.size() != static_cast<size_t>(data.FiberClassCount)) {
        throw std::logic_error(std::string("core diameters of ") + data.Designation +
                               " do not match its fibre classes");
    }
    TCableFamily family =
        EmptyFamily(data.FamilyCode, data.Designation, data.Levels.size(), data.FiberClassCount,
                    TSectionKind::skLayered, data.TensionFactor, data.Rows.size());

    // Given columns first.
    for (size_t i = 0; i < data.Rows.size(); ++i) {
        const size_t level = i / static_cast<size_t>(data.FiberClassCount);
        const size_t fiberClass = i % static_cast<size_t>(data.FiberClassCount);
        TCableCandidate& row = family.Candidates[i];
        row.RatedLoad = data.Levels[level].RatedLoad;
        row.PermissibleLoad = data.Rows[i].PermissibleLoad;
        row.Mass = data.Rows[i].Mass;
        row.LayerDiameter = data.Levels[level].LayerDiameter;
        if (!oneCore) {
            row.CoreDiameter = data.CoreDiameters[fiberClass];
        }
    }
    // Then the derived ones, in index order.
    for (TCableCandidate& row : family.Candidates) {
        row.Modulus = data.Modulus;
        row.Alpha = data.Alpha;
        if (oneCore) {
            row.CoreDiameter = data.CoreDiameters[0];
        }
        row.OuterDiameter = LayeredOuterDiameter(row.CoreDiameter, row.LayerDiameter);
        row.StrengthArea = LayeredStrengthArea(row.LayerDiameter);
    }
    return family;
}

TCableFamily BuildSolidFamily(const TSolidFamilyData& data) {
    TCableFamily family =
        EmptyFamily(data.FamilyCode, data.Designation, data.RatedLoads.size(), data.FiberClassCount,
                    TSectionKind::skSolid, data.TensionFactor, data.Rows.size());

    for (size_t i = 0; i < data.Rows.size(); ++i) {
        const TSolidRow& given = data.Rows[i];
        TCableCandidate& row = family.Candidates[i];
        row.RatedLoad = data.RatedLoads[i / static_cast<size_t>(data.FiberClassCount)];
        row.PermissibleLoad = given.PermissibleLoad;
        row.Mass = given.Mass;
        row.OuterDiameter = given.OuterDiameter;
        row.Modulus = given.Modulus;
        row.Alpha = given.Alpha;
    }
    for (TCableCandidate& row : family.Candidates) {
        row.StrengthArea = SolidStrengthArea(row.OuterDiameter);
    }
    return family;
}

} // namespace cable
