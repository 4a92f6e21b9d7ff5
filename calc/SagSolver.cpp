#include "SagSolver.h"

#include "CalcError.h"
#include "FpCheck.h"

#include <cmath>
#include <limits>

namespace cable {
namespace {

using LD = long double;

// Real cube root as |u|^(1/3), negated for a negative u; 0 gives 0. cbrt rather than
// pow(|u|, 1/3): the same root in extended precision (closer, as 1/3 has no exact binary form),
// at a sixth of the time of the long double pow.
double RealCubeRoot(double u) {
    if (u == 0) {
        return 0;
    }
    const LD magnitude = std::cbrt(std::fabs(static_cast<LD>(u)));
    return Stored(u < 0 ? -magnitude : magnitude);
}

// Arc cosine argument: a value a few units in the last place beyond ±1 (rounding of a
// discriminant next to 0) is held at ±1; anything further out is an invalid operation.
double ArcCosineArgument(double r) {
    constexpr double kTolerance = 4 * std::numeric_limits<double>::epsilon();
    if (std::fabs(r) <= 1) {
        return r;
    }
    if (std::fabs(r) <= 1 + kTolerance) {
        return r < 0 ? -1.0 : 1.0;
    }
    throw TCalcError(TCalcErrorKind::ekInvalidOp, kInvalidOpMessage);
}

} // namespace

TInitialState ComputeInitialState(double span, double initialSag, double mass, double modulus,
                                  double strengthArea) {
    const LD l = span;
    const LD f0 = initialSag;
    TInitialState s;
    // UnitWeight w, N/m: Mass * 9.8 / 1000.
    s.UnitWeight = Stored(mass * 9.8L / 1000);
    // InitialTension H20, N: w * l² / (8 * f0), the horizontal tension of the parabola.
    s.InitialTension = Stored(s.UnitWeight * l * l / (8 * f0));
    // InitialLength L20, m: the parabola's arc length l + 8 * f0² / (3 * l).
    s.InitialLength = Stored(8 * f0 * f0 / (3 * l) + l);
    // UnstressedLength L0, m: L20 less the elastic stretch under H20, stiffness SA * E * 1000 N.
    s.UnstressedLength =
        Stored(s.InitialLength /
               (s.InitialTension / (static_cast<LD>(strengthArea) * modulus * 1000) + 1));
    return s;
}

TSagResult SolveSag(double span, double unstressedLength, double alpha, double modulus,
                    double strengthArea, double temperature, double loadPerMetre) {
    const LD l = span;
    const LD P = loadPerMetre;
    // Lt, m: unstressed length at the case's temperature, L0 * (1 + Alpha * (t - 20)).
    const double Lt = Stored(((temperature - 20.0L) * alpha + 1) * unstressedLength);
    // p, m²: coefficient of the sag in the depressed cubic f³ + p f + q = 0.
    const double p = Stored((l * l - l * Lt) * 3 / 8);
    // q, m³: constant term of the cubic, -3 P l³ Lt / (64 SA E 1000).
    const double q =
        Stored(-3 * P * l * l * l * Lt / (64 * static_cast<LD>(strengthArea) * modulus * 1000));
    // K = (p/3)³ and M = (-q/2)²; the discriminant D = K + M is always formed from these two.
    const double K = Stored((p / 3.0L) * (p / 3.0L) * (p / 3.0L));
    const double M = Stored((-q / 2.0L) * (-q / 2.0L));

    TSagResult result;
    double f = 0;
    if (static_cast<LD>(K) + M >= 0) {
        // Cardano: f = cbrt(sqrt(D) - q/2) + cbrt(-q/2 - sqrt(D)).
        result.Branch = TSolverBranch::sbCardano;
        const double u = Stored(std::sqrt(static_cast<LD>(K) + M) + (-q / 2.0L));
        const double X = RealCubeRoot(u);
        const double v = Stored((-q / 2.0L) - std::sqrt(static_cast<LD>(K) + M));
        const double Y = RealCubeRoot(v);
        f = Stored(static_cast<LD>(X) + Y);
    } else {
        // Three real roots (p < 0): the largest, 2 sqrt(-p/3) cos(arccos(r) / 3).
        result.Branch = TSolverBranch::sbTrigonometric;
        const double r = Stored((-q / 2.0L) / std::pow(-p / 3.0L, 1.5L));
        f = Stored(2 * std::sqrt(-p / 3.0L) *
                   std::cos(std::acos(static_cast<LD>(ArcCosineArgument(r))) / 3));
    }
    result.Sag = f;
    // Tension T, kN: horizontal tension of the parabola, l² P / (8 f), in N / 1000.
    result.Tension = Stored(l * l * P / (8 * static_cast<LD>(f)) / 1000);
    return result;
}

} // namespace cable
