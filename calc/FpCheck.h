#pragma once

// Floating-point faults of a calculation. The flags are cleared when a calculation starts and
// tested after every stored quantity, so a fault is raised before anything is written from it.
namespace cable {

void ClearFpFlags();

// Raises TCalcError for a pending division by zero, overflow or invalid operation
// (in that order of precedence: within one formula an invalid operation only follows
// the infinity of one of the others).
void CheckFpFlags();

// Forces v to be computed before the next statement: GCC would otherwise drop a division
// whose result is unused, or move it after the flag test.
template <class T> inline void Materialize(T& v) {
#if defined(__GNUC__)
    asm volatile("" : "+m"(v) : : "memory");
#else
    volatile T sink = v;
    v = sink;
#endif
}

// A named quantity: the formula's extended result rounded to double, then the flags tested.
// Rounding to double can itself overflow.
inline double Stored(long double formula) {
    double v = static_cast<double>(formula);
    Materialize(v);
    CheckFpFlags();
    return v;
}

} // namespace cable
