#include "Stringing.h"

#include "CalcError.h"
#include "Calculation.h"
#include "Catalogue.h"
#include "FieldTexts.h"
#include "FpCheck.h"
#include "SagSolver.h"

#include <cmath>
#include <stdexcept>

namespace cable {

std::vector<double> TemperatureSteps(double from, double to, double step) {
    if (!(step > 0)) {
        throw std::invalid_argument("the temperature step must be positive");
    }
    std::vector<double> temperatures;
    // Each temperature from its index, so that the steps do not accumulate rounding.
    for (long k = 0;; ++k) {
        const double t = from + static_cast<double>(k) * step;
        if (t > to + step * 1e-9) {
            break;
        }
        temperatures.push_back(std::fabs(t) < step * 1e-9 ? 0.0 : t);
    }
    return temperatures;
}

std::vector<TStringingPoint> ComputeStringingTable(const TCalcInput& input,
                                                   const TCableCandidate& cable,
                                                   const std::vector<double>& temperatures) {
    const TInitialState initial = ComputeInitialState(input.Span, input.InitialSag, cable.Mass,
                                                      cable.Modulus, cable.StrengthArea);
    std::vector<TStringingPoint> points;
    points.reserve(temperatures.size());
    for (double t : temperatures) {
        if (t == 20) {
            // The state the user fixed. The closed-form root comes back a few units in the last
            // place off the requested sag (Cardano cancels at small sags), which truncation to
            // centimetres would show as a centimetre less in about one case in forty.
            points.push_back({t, input.InitialSag, Stored(initial.InitialTension / 1000.0L)});
            continue;
        }
        const TSagResult r = SolveSag(input.Span, initial.UnstressedLength, cable.Alpha,
                                      cable.Modulus, cable.StrengthArea, t, initial.UnitWeight);
        points.push_back({t, r.Sag, r.Tension});
    }
    return points;
}

TStringing RunStringing(const TInputTexts& texts, std::string_view decimalSeparator,
                        std::optional<int> row, const std::vector<double>& temperatures) {
    TStringing stringing;
    if (row) {
        stringing.Row = *row;
    } else {
        TFieldTexts unused;
        std::vector<TWalkStep> trace;
        RunCalculation(texts, decimalSeparator, unused, &trace);
        if (trace.back().Decision == TWalkDecision::wdGiveUp) {
            throw TCalcError(TCalcErrorKind::ekNoCable, kGiveUpVerdict);
        }
        stringing.Row = trace.back().Row;
    }
    ClearFpFlags();
    const TCalcInput input = ParseCalcInput(texts, decimalSeparator);
    const TCableFamily& family = *FindFamily(static_cast<int>(input.FamilyCode));
    stringing.Cable = family.Candidates.at(static_cast<size_t>(stringing.Row));
    stringing.Points = ComputeStringingTable(input, stringing.Cable, temperatures);
    return stringing;
}

} // namespace cable
