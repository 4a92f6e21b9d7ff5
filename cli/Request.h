#pragma once

#include "CalcInput.h"
#include "CandidateWalk.h"
#include "FieldTexts.h"

#include <string>
#include <string_view>
#include <vector>

namespace cable::cli {

// What one request left behind: the texts a fresh window would show, the error if the
// calculation stopped, and the rows the walk examined.
struct TRequestOutcome {
    TFieldTexts Fields;
    std::string Error; // empty when a verdict was reached
    std::vector<TWalkStep> Trace;
    bool Ok() const { return Error.empty(); }
};

TRequestOutcome RunRequest(const TInputTexts& texts, std::string_view decimalSeparator);

// The examined rows, "0 4 8".
std::string RowsExamined(const std::vector<TWalkStep>& trace);

// The trace as CSV: row,rated_load,tension_wind_ice,criterion,permissible_load,
// last_permissible_load,decision, each record prefixed by prefixFields when given.
std::string TraceHeader(std::string_view prefixHeader);
void AppendTrace(std::string& out, const std::vector<TWalkStep>& trace,
                 std::string_view prefixField);

} // namespace cable::cli
