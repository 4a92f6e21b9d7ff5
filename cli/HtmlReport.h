#pragma once

#include "CalcInput.h"
#include "CandidateWalk.h"
#include "LoadCases.h"
#include "SiteClimate.h"
#include "Stringing.h"

#include <string>
#include <vector>

namespace cable::cli {

// Everything one report shows: the request, the site, the walk and its last candidate.
struct TReportData {
    TInputTexts Texts;
    TCalcInput Input;
    TSiteClimate Site;
    std::string Designation; // of the family calculated
    std::vector<TWalkStep> Trace;
    TCalcResult Result;                     // of the last candidate examined, with its verdict
    TCableCandidate Cable;                  // the last candidate examined
    std::vector<TStringingPoint> Stringing; // of that cable
};

// Runs the calculation for the report. Raises TCalcError as the single request would.
TReportData CollectReport(const TInputTexts& texts);

// One self-contained HTML page: no scripts, no external resources, printable on A4.
std::string RenderHtmlReport(const TReportData& data);

// Text made safe for HTML element content and attribute values.
std::string EscapeHtml(std::string_view text);

// The sag curves of the six load cases between the two supports, as an inline SVG element.
std::string SpanDrawingSvg(double span, const TCalcResult& result);

} // namespace cable::cli
