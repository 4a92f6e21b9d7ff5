#pragma once

#include <cfenv>

// Floating-point faults of a calculation. The flags are cleared when a calculation starts and
// tested after every stored quantity, so a fault is raised before anything is written from it.
namespace cable {

void ClearFpFlags();

// The pending faults among FE_DIVBYZERO, FE_INVALID and FE_OVERFLOW, as std::fetestexcept gives
// them. On x86-64 the x87 status word and MXCSR (the long double and the double arithmetic) are
// read directly: the same bits as glibc's fetestexcept, without a call into libm after every
// stored quantity. The asm statements are volatile, so they stay after the Materialize of the
// quantity they test.
inline int PendingFpFaults() {
    constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08,
                  "the FE_ macros are the exception flag bits of the status word and MXCSR");
    unsigned short x87 = 0;
    unsigned int sse = 0;
    asm volatile("fnstsw %0" : "=am"(x87) : : "memory");
    asm volatile("stmxcsr %0" : "=m"(sse) : : "memory");
    return static_cast<int>(x87 | sse) & kFaults;
#else
    return std::fetestexcept(kFaults);
#endif
}

// Raises TCalcError for the faults given (see CheckFpFlags) after clearing the flags.
[[noreturn]] void RaiseFpFault(int raised);

// Raises TCalcError for a pending division by zero, overflow or invalid operation
// (in that order of precedence: within one formula an invalid operation only follows
// the infinity of one of the others).
inline void CheckFpFlags() {
    if (const int raised = PendingFpFaults(); raised != 0) [[unlikely]] {
        RaiseFpFault(raised);
    }
}

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
