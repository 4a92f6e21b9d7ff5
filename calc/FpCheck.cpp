#include "FpCheck.h"

#include "CalcError.h"

#include <cfenv>

namespace cable {

void ClearFpFlags() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // What feclearexcept(FE_ALL_EXCEPT) does, without saving and reloading the whole x87
    // environment: clear the x87 exception flags, then the six flags of MXCSR.
    unsigned int sse = 0;
    asm volatile("fnclex" : : : "memory");
    asm volatile("stmxcsr %0" : "=m"(sse) : : "memory");
    sse &= ~static_cast<unsigned int>(FE_ALL_EXCEPT);
    asm volatile("ldmxcsr %0" : : "m"(sse) : "memory");
#else
    std::feclearexcept(FE_ALL_EXCEPT);
#endif
}

void RaiseFpFault(int raised) {
    std::feclearexcept(FE_ALL_EXCEPT);
    if (raised & FE_DIVBYZERO) {
        throw TCalcError(TCalcErrorKind::ekZeroDivide, kZeroDivideMessage);
    }
    if (raised & FE_OVERFLOW) {
        throw TCalcError(TCalcErrorKind::ekOverflow, kOverflowMessage);
    }
    throw TCalcError(TCalcErrorKind::ekInvalidOp, kInvalidOpMessage);
}

} // namespace cable
