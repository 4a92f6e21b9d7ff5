#pragma once

#include "CableFamily.h"
#include "CalcInput.h"

#include <optional>
#include <string_view>
#include <vector>

namespace cable {

// Sag and tension of the bare cable, own weight only, at one temperature.
struct TStringingPoint {
    double Temperature = 0; // °C
    double Sag = 0;         // m
    double Tension = 0;     // kN
};

// The temperatures from, from + step, ... up to to (inclusive, within rounding of the step).
// step must be positive.
std::vector<double> TemperatureSteps(double from, double to, double step);

// The stringing table of one cable on the request's span: the state-change equation from the
// +20 °C state with the cable's own weight, at each temperature. At +20 °C the point is that
// state itself: the requested sag and the initial tension. Raises TCalcError on a floating-point
// fault.
std::vector<TStringingPoint> ComputeStringingTable(const TCalcInput& input,
                                                   const TCableCandidate& cable,
                                                   const std::vector<double>& temperatures);

// The stringing table of the cable the walk chooses for the request, or of the catalogue row
// given. A whole calculation: flags cleared, texts parsed, the walk run when no row is given.
struct TStringing {
    int Row = 0; // catalogue row of the cable tabulated
    TCableCandidate Cable;
    std::vector<TStringingPoint> Points;
};
TStringing RunStringing(const TInputTexts& texts, std::string_view decimalSeparator,
                        std::optional<int> row, const std::vector<double>& temperatures);

} // namespace cable
