#pragma once

#include <istream>
#include <ostream>

namespace cable::cli {

// Exit statuses of cable-calc.
inline constexpr int kExitVerdict = 0; // every request reached a verdict
inline constexpr int kExitCalcError = 1;
inline constexpr int kExitUsage = 2;

// Reads requests as CSV with the header span,sag,wind_region,ice_region,family,fibres,terrain,
// height (any order, further columns ignored) and writes one result row per request. A request
// that stops with an error is reported in its row and never stops the batch. Returns
// kExitVerdict, kExitCalcError when some request failed, or kExitUsage for a missing column or
// malformed CSV (message on err). With trace, every examined candidate goes to err as CSV.
int RunCsvBatch(std::istream& in, std::ostream& out, std::ostream& err, bool trace);

} // namespace cable::cli
