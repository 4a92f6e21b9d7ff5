#pragma once

#include <span>
#include <string>
#include <vector>

namespace cable {

// Which rule derives OuterDiameter and StrengthArea of a family's rows.
enum class TSectionKind {
    skLayered, // core + strength layer: OuterDiameter and StrengthArea from the two diameters
    skSolid,   // OuterDiameter given, StrengthArea is the full circle of it
};

// One cable of one family at one rated-load level and one fibre class.
struct TCableCandidate {
    double RatedLoad = 0;       // kN
    double PermissibleLoad = 0; // kN
    double Mass = 0;            // kg/km
    double CoreDiameter = 0;    // mm, layered families only
    double LayerDiameter = 0;   // mm, layered families only
    double OuterDiameter = 0;   // mm
    double StrengthArea = 0;    // mm²
    double Modulus = 0;         // kN/mm²
    double Alpha = 0;           // 1/°C
};

// One family's catalogue. Rows are level-major, class-minor:
// the row of level k and fibre class c has the index k * FiberClassCount + c.
struct TCableFamily {
    int FamilyCode = 0;
    std::string Designation;
    int LevelCount = 0;
    int FiberClassCount = 0;
    TSectionKind SectionKind = TSectionKind::skLayered;
    double TensionFactor = 0;
    std::vector<TCableCandidate> Candidates;

    const TCableCandidate& Candidate(int level, int fiberClass) const {
        return Candidates.at(static_cast<size_t>(level * FiberClassCount + fiberClass));
    }
    // The walk through fibre class c: first row c, step FiberClassCount,
    // last row (LevelCount - 1) * FiberClassCount + c.
    int FirstRow(int fiberClass) const { return fiberClass; }
    int LastRow(int fiberClass) const { return (LevelCount - 1) * FiberClassCount + fiberClass; }
    int Step() const { return FiberClassCount; }
};

// Given columns of a layered family, as its catalogue lists them.
struct TLayeredLevel {
    double RatedLoad;     // kN
    double LayerDiameter; // mm
};
struct TGivenRow {
    double PermissibleLoad; // kN
    double Mass;            // kg/km
};
struct TLayeredFamilyData {
    int FamilyCode;
    const char* Designation;
    int FiberClassCount;
    double Modulus;       // kN/mm², every row
    double Alpha;         // 1/°C, every row
    double TensionFactor; // on the wind-and-ice tension in the walk's criterion
    std::span<const TLayeredLevel> Levels;
    std::span<const double>
        CoreDiameters;               // mm, by fibre class; one value for a family without classes
    std::span<const TGivenRow> Rows; // level-major, class-minor
};

// Given columns of a solid family.
struct TSolidRow {
    double PermissibleLoad; // kN
    double Mass;            // kg/km
    double OuterDiameter;   // mm
    double Modulus;         // kN/mm²
    double Alpha;           // 1/°C
};
struct TSolidFamilyData {
    int FamilyCode;
    const char* Designation;
    int FiberClassCount;
    double TensionFactor;
    std::span<const double> RatedLoads; // kN, by level
    std::span<const TSolidRow> Rows;    // level-major, class-minor
};

// The two derivation rules: given columns first, then the derived ones for every row in index
// order.
TCableFamily BuildLayeredFamily(const TLayeredFamilyData& data);
TCableFamily BuildSolidFamily(const TSolidFamilyData& data);

// StrengthArea of a layered cable, mm²: (LayerDiameter - 3)² * 3.14 / 4, plain double arithmetic.
double LayeredStrengthArea(double layerDiameter);
// OuterDiameter of a layered cable, mm: CoreDiameter + LayerDiameter + 2.
double LayeredOuterDiameter(double coreDiameter, double layerDiameter);
// StrengthArea of a solid cable, mm²: 3.14 * OuterDiameter * OuterDiameter / 4, in that order.
double SolidStrengthArea(double outerDiameter);

} // namespace cable
