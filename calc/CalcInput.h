#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cable {

// The eight input texts of a request, as typed or picked.
struct TInputTexts {
    std::string Span = "50";       // m
    std::string SagPercent = "1";  // % of the span, at +20 °C
    std::string WindRegion = "2";  // 1..7
    std::string IceRegion = "2";   // 1..7
    std::string Family = "АКСа";   // family designation
    std::string FiberCount = "16"; // fibres
    std::string Terrain = "открытая местность";
    std::string SuspensionHeight = "15"; // m
};

// The parsed request. Every field starts at 0; a field no rule sets keeps 0.
struct TCalcInput {
    int32_t IceRegion = 0;
    double FiberCount = 0; // whole number
    int32_t WindRegion = 0;
    double Span = 0;             // m
    double SagPercent = 0;       // %
    double InitialSag = 0;       // m, at +20 °C
    double SuspensionHeight = 0; // m
    double ReducedHeight = 0;    // m, selects the height coefficients
    int32_t TerrainType = 0;     // 0..3
    double FamilyCode = 0;       // whole number 0..5
    double FiberClass = 0;       // whole number 0..4
};

// Converts and derives in this order: IceRegion, FiberCount, WindRegion, Span, SagPercent,
// InitialSag, SuspensionHeight, ReducedHeight, TerrainType, FamilyCode, FiberClass.
// Raises the conversion error of the first text that does not convert, or a floating-point fault.
TCalcInput ParseCalcInput(const TInputTexts& texts, std::string_view decimalSeparator);

// Terrain text -> code: the three item texts give 1..3 (whole text, case-sensitive), any other 0.
int32_t TerrainTypeOf(std::string_view text);

// Family designation -> code: "АКСа" 0, "АКСб" 1, "АКМа" 2, "АКМб" 3, "БКМа" 4, "БКМб" 5,
// compared like the terrain; any other text gives 0, so "АКСа" is calculated.
int FamilyCodeOf(std::string_view text);

// The fibre class by the family's scheme; a count above the last band gives 0.
int FiberClassOf(int familyCode, double fiberCount);

} // namespace cable
