#include "Calculation.h"

#include "CalcError.h"
#include "Catalogue.h"
#include "FpCheck.h"
#include "SiteClimate.h"

namespace cable {

TCalcResult RunCalculation(const TInputTexts& texts, std::string_view decimalSeparator,
                           TResultSink& sink, std::vector<TWalkStep>* trace) {
    ClearFpFlags();
    const TCalcInput input = ParseCalcInput(texts, decimalSeparator);
    const TSiteClimate site = ComputeSiteClimate(input);
    const TCableFamily* family = FindFamily(static_cast<int>(input.FamilyCode));
    if (family == nullptr) {
        throw TCalcError(TCalcErrorKind::ekCatalogue,
                         "The catalogue does not hold the family '" + texts.Family + "' yet");
    }
    return RunWalk(input, site, *family, sink, decimalSeparator, trace);
}

} // namespace cable
