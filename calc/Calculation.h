#pragma once

#include "CalcInput.h"
#include "CandidateWalk.h"
#include "ResultSink.h"

#include <string_view>
#include <vector>

namespace cable {

// One whole calculation from the eight input texts to the verdict: parse, site climate, the
// family's table, the walk. Results go to sink as they are computed; a conversion error or a
// floating-point fault is raised as TCalcError, leaving the fields written before it.
TCalcResult RunCalculation(const TInputTexts& texts, std::string_view decimalSeparator,
                           TResultSink& sink, std::vector<TWalkStep>* trace = nullptr);

} // namespace cable
