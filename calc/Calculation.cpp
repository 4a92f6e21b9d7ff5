#include "Calculation.h"

#include "Catalogue.h"
#include "FpCheck.h"
#include "SiteClimate.h"

#include <stdexcept>
#include <string>

namespace cable {

TCalcResult RunCalculation(const TInputTexts& texts, std::string_view decimalSeparator,
                           TResultSink& sink, std::vector<TWalkStep>* trace) {
    ClearFpFlags();
    const TCalcInput input = ParseCalcInput(texts, decimalSeparator);
    const TSiteClimate site = ComputeSiteClimate(input);
    // FamilyCode is always one of the six codes: an unknown designation gives 0.
    const TCableFamily* family = FindFamily(static_cast<int>(input.FamilyCode));
    if (family == nullptr) {
        throw std::logic_error("no catalogue for family code " + std::to_string(input.FamilyCode));
    }
    return RunWalk(input, site, *family, sink, decimalSeparator, trace);
}

} // namespace cable
