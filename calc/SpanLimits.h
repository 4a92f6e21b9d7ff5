#pragma once

#include "CalcInput.h"

#include <string_view>
#include <vector>

namespace cable {

// The longest whole-metre span at which the walk chooses a level's cable or a lower one.
struct TSpanLimit {
    int Level = 0;
    int Row = 0;          // catalogue row of the level in the request's fibre class
    double RatedLoad = 0; // kN
    int LongestSpan = 0;  // m; 0 when no span from 1 m up fits
};

struct TSpanScan {
    std::vector<TSpanLimit> Limits; // one per level, lowest first
    int FaultedSpans = 0;           // spans skipped for a floating-point fault
};

// No row: the walk gave up.
inline constexpr int kNoRow = -1;

// Scans every whole span from 1 m to maxSpan with the request's other texts (sag percentage,
// regions, terrain, height, family, fibres). The coefficients change by bands of span and of
// reduced height, so the chosen level need not grow with the span: every metre is calculated.
// Raises the request's conversion error before scanning.
TSpanScan ScanSpanLimits(const TInputTexts& texts, std::string_view decimalSeparator,
                         int maxSpan = 1000);

// The catalogue row the walk chooses at one span (kNoRow when it gives up).
// Raises TCalcError on a fault.
int ChosenRowAtSpan(const TInputTexts& texts, std::string_view decimalSeparator, int span);

} // namespace cable
