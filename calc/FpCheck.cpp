#include "FpCheck.h"

#include "CalcError.h"

#include <cfenv>

namespace cable {

void ClearFpFlags() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void CheckFpFlags() {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    if (raised == 0) {
        return;
    }
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
