#pragma once

// The cable's state-change equation: a parabola between supports at equal height, l apart,
// whose unstressed length is fixed by the sag f0 at +20 °C under its own weight.
namespace cable {

// The +20 °C state of one cable on one span.
struct TInitialState {
    double UnitWeight = 0;       // w, N/m
    double InitialTension = 0;   // H20, N
    double InitialLength = 0;    // L20, m
    double UnstressedLength = 0; // L0, m
};

enum class TSolverBranch {
    sbCardano,       // K + M >= 0: one real root
    sbTrigonometric, // K + M < 0: three real roots, the largest taken
};

struct TSagResult {
    double Sag = 0;     // f, m
    double Tension = 0; // T, kN
    TSolverBranch Branch = TSolverBranch::sbCardano;
};

// span l (m), initialSag f0 (m), mass (kg/km), modulus (kN/mm²), strengthArea (mm²).
TInitialState ComputeInitialState(double span, double initialSag, double mass, double modulus,
                                  double strengthArea);

// Sag and tension of one load case: temperature t (°C), resultant load per metre P (N/m),
// from the unstressed length L0 (m). Closed form; raises TCalcError on a floating-point fault.
TSagResult SolveSag(double span, double unstressedLength, double alpha, double modulus,
                    double strengthArea, double temperature, double loadPerMetre);

} // namespace cable
