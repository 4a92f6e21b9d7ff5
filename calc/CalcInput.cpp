#include "CalcInput.h"

#include "FpCheck.h"
#include "NumberText.h"

#include <array>

namespace cable {
namespace {

constexpr std::array<std::string_view, 3> kTerrainTexts = {
    "открытая местность",
    "с препятствиями ниже опор",
    "с препятствиями выше опор",
};

constexpr std::array<std::string_view, 6> kFamilyDesignations = {
    "АКСа", "АКСб", "АКМа", "АКМб", "БКМа", "БКМб",
};

// Band rule: a count in the band above a up to b when a < x <= b; the first band holds
// everything up to its bound; above the last bound no band holds it and the class is 0.
template <size_t N> int BandIndex(const std::array<double, N>& upperBounds, double x) {
    for (size_t i = 0; i < N; ++i) {
        if (x <= upperBounds[i]) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

constexpr std::array<double, 5> kFiveClassBounds = {6, 36, 72, 96, 144}; // АКСа, АКСб
constexpr std::array<double, 4> kFourClassBounds = {32, 72, 96, 144};    // АКМа, АКМб

} // namespace

int32_t TerrainTypeOf(std::string_view text) {
    for (size_t i = 0; i < kTerrainTexts.size(); ++i) {
        if (text == kTerrainTexts[i]) {
            return static_cast<int32_t>(i + 1);
        }
    }
    return 0;
}

int FamilyCodeOf(std::string_view text) {
    for (size_t i = 0; i < kFamilyDesignations.size(); ++i) {
        if (text == kFamilyDesignations[i]) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

int FiberClassOf(int familyCode, double fiberCount) {
    switch (familyCode) {
    case 0:
    case 1:
        return BandIndex(kFiveClassBounds, fiberCount);
    case 2:
    case 3:
        return BandIndex(kFourClassBounds, fiberCount);
    default: // БКМа, БКМб have no fibre classes
        return 0;
    }
}

TCalcInput ParseCalcInput(const TInputTexts& texts, std::string_view decimalSeparator) {
    TCalcInput in;
    in.IceRegion = ParseInteger(texts.IceRegion);
    in.FiberCount = ParseInteger(texts.FiberCount);
    in.WindRegion = ParseInteger(texts.WindRegion);
    in.Span = ParseReal(texts.Span, decimalSeparator);
    in.SagPercent = ParseReal(texts.SagPercent, decimalSeparator);
    // InitialSag, m: Span * SagPercent / 100.
    in.InitialSag = Stored(static_cast<long double>(in.Span) * in.SagPercent / 100);
    in.SuspensionHeight = ParseReal(texts.SuspensionHeight, decimalSeparator);
    // ReducedHeight, m: SuspensionHeight - (2/3) * InitialSag, 2/3 at full precision.
    in.ReducedHeight = Stored(in.SuspensionHeight - 2.0L / 3.0L * in.InitialSag);
    in.TerrainType = TerrainTypeOf(texts.Terrain);
    in.FamilyCode = FamilyCodeOf(texts.Family);
    in.FiberClass = FiberClassOf(static_cast<int>(in.FamilyCode), in.FiberCount);
    return in;
}

} // namespace cable
