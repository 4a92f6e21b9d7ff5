#pragma once

#include "SpanLimits.h"
#include "Stringing.h"

#include <string>
#include <string_view>
#include <vector>

namespace cable::cli {

// Columns padded to the widest text, counted in characters (the headings are Cyrillic UTF-8).
std::string FormatColumns(const std::vector<std::vector<std::string>>& rows);

// Stringing table: temperature, sag and tension as the window would show them (FormatResult).
std::vector<std::vector<std::string>> StringingRows(const std::vector<TStringingPoint>& points);
inline constexpr const char* kStringingCsvHeader = "temperature,sag,tension";
std::string StringingTableText(const TStringing& stringing, std::string_view designation);
std::string StringingCsv(const TStringing& stringing);

// Longest spans by level: "—" where no span fits.
std::vector<std::vector<std::string>> SpanRows(const TSpanScan& scan);
inline constexpr const char* kSpansCsvHeader = "level,rated_load,longest_span";
std::string SpanTableText(const TSpanScan& scan, std::string_view designation, int fiberClass,
                          int maxSpan);
std::string SpanCsv(const TSpanScan& scan);

} // namespace cable::cli
