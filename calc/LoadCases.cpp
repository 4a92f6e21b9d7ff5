#include "LoadCases.h"

#include "FpCheck.h"
#include "NumberText.h"
#include "SagSolver.h"

#include <cmath>

namespace cable {
namespace {

using LD = long double;

// Design ice wall b, mm: Ki * Kd * IceWall.
double DesignIceWall(const TSiteClimate& site) {
    return Stored(static_cast<LD>(site.Ki) * site.Kd * site.IceWall);
}

// Wind load on a diameter d (m), N/m: AlphaW * Kl * Kw * Cx * WIce * d (PUE-7 2.5.52).
double WindLoad(const TSiteClimate& site, double diameter) {
    return Stored(static_cast<LD>(site.AlphaW) * site.Kl * site.Kw * site.Cx * site.WIce *
                  diameter);
}

} // namespace

TCaseLoad ComputeCaseLoad(const TLoadCase& loadCase, const TSiteClimate& site,
                          const TCableCandidate& cable, double unitWeight) {
    const double b = DesignIceWall(site);
    TCaseLoad load;
    load.Vertical = unitWeight;
    if (loadCase.WithIce) {
        // IceWeight, N/m: a sleeve of wall b mm and density 0.9 g/cm³,
        // 3.14 * b * (b + OuterDiameter) * 0.9 * 9.8 * 0.001.
        const double iceWeight =
            Stored(3.14L * b * (static_cast<LD>(b) + cable.OuterDiameter) * 0.9L * 9.8L * 0.001L);
        load.Vertical = Stored(static_cast<LD>(unitWeight) + iceWeight);
    }
    switch (loadCase.WindArea) {
    case TWindArea::waNone:
        load.Horizontal = 0;
        break;
    case TWindArea::waIced: {
        // IcedDiameter, m: (2 * b + OuterDiameter) * 0.001.
        const double icedDiameter = Stored((2 * static_cast<LD>(b) + cable.OuterDiameter) * 0.001L);
        load.Horizontal = WindLoad(site, icedDiameter);
        break;
    }
    case TWindArea::waBare:
        load.Horizontal = WindLoad(site, Stored(cable.OuterDiameter * 0.001L));
        break;
    }
    // LoadPerMetre P, N/m: resultant of the vertical and the horizontal load.
    load.LoadPerMetre = Stored(std::sqrt(static_cast<LD>(load.Vertical) * load.Vertical +
                                         static_cast<LD>(load.Horizontal) * load.Horizontal));
    return load;
}

double LongTermLoad(const TCableCandidate& cable) {
    return Stored(cable.PermissibleLoad - 0.0016L * cable.Modulus * cable.StrengthArea);
}

std::string FormatResult(double x, std::string_view decimalSeparator) {
    // Truncated, not rounded: 2.2756 shows 2.27, -1.237 shows -1.23. x * 100 is exact in long
    // double (53 + 7 significant bits), so hundredths is the exact integer count of hundredths.
    const LD hundredths = std::trunc(static_cast<LD>(x) * 100);
    if (std::fabs(hundredths) < 1e15L) {
        // At most 15 digits: the general format of hundredths / 100 shows exactly these digits
        // (the quotient's rounding error is far below half a unit of the 15th digit), so they are
        // written straight from the integer.
        return FormatHundredths(static_cast<int64_t>(hundredths), decimalSeparator);
    }
    return FormatGeneral(hundredths / 100, decimalSeparator);
}

TCalcResult EvaluateCandidate(const TCalcInput& input, const TSiteClimate& site,
                              const TCableCandidate& cable, TResultSink& sink,
                              std::string_view decimalSeparator) {
    TCalcResult result;
    result.RatedLoad = cable.RatedLoad;
    // Every case starts from the same +20 °C state, never from the case before it.
    const TInitialState initial = ComputeInitialState(input.Span, input.InitialSag, cable.Mass,
                                                      cable.Modulus, cable.StrengthArea);
    for (size_t i = 0; i < kLoadCases.size(); ++i) {
        const TLoadCase& loadCase = kLoadCases[i];
        const TCaseLoad load = ComputeCaseLoad(loadCase, site, cable, initial.UnitWeight);
        const TSagResult solved =
            SolveSag(input.Span, initial.UnstressedLength, cable.Alpha, cable.Modulus,
                     cable.StrengthArea, loadCase.Temperature, load.LoadPerMetre);
        result.Sag[i] = solved.Sag;
        result.Tension[i] = solved.Tension;
        sink.Write(loadCase.SagField, FormatResult(solved.Sag, decimalSeparator));
        sink.Write(loadCase.TensionField, FormatResult(solved.Tension, decimalSeparator));
        if (loadCase.Kind == TLoadCaseKind::lcPlus5) {
            result.LongTermLoad = LongTermLoad(cable);
            sink.Write(TOutputField::ofEdit17, FormatResult(result.LongTermLoad, decimalSeparator));
        }
    }
    return result;
}

} // namespace cable
