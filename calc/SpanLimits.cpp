#include "SpanLimits.h"

#include "CalcError.h"
#include "Calculation.h"
#include "Catalogue.h"
#include "FieldTexts.h"
#include "FpCheck.h"

#include <string>

namespace cable {

int ChosenRowAtSpan(const TInputTexts& texts, std::string_view decimalSeparator, int span) {
    TInputTexts atSpan = texts;
    atSpan.Span = std::to_string(span);
    TFieldTexts unused;
    std::vector<TWalkStep> trace;
    RunCalculation(atSpan, decimalSeparator, unused, &trace);
    return trace.back().Decision == TWalkDecision::wdGiveUp ? kNoRow : trace.back().Row;
}

TSpanScan ScanSpanLimits(const TInputTexts& texts, std::string_view decimalSeparator, int maxSpan) {
    // The request's own texts first: a text that does not convert is the request's error.
    ClearFpFlags();
    const TCalcInput input = ParseCalcInput(texts, decimalSeparator);
    const TCableFamily& family = *FindFamily(static_cast<int>(input.FamilyCode));
    const int fiberClass = static_cast<int>(input.FiberClass);

    TSpanScan scan;
    for (int level = 0; level < family.LevelCount; ++level) {
        const int row = level * family.FiberClassCount + fiberClass;
        scan.Limits.push_back(
            {level, row, family.Candidates.at(static_cast<size_t>(row)).RatedLoad, 0});
    }
    for (int span = 1; span <= maxSpan; ++span) {
        int row = kNoRow;
        try {
            row = ChosenRowAtSpan(texts, decimalSeparator, span);
        } catch (const TCalcError&) {
            ++scan.FaultedSpans;
            continue;
        }
        if (row == kNoRow) {
            continue;
        }
        const int chosen = row / family.FiberClassCount;
        // The cable of level `chosen` suffices, so every level from it up carries this span.
        for (int level = chosen; level < family.LevelCount; ++level) {
            scan.Limits[static_cast<size_t>(level)].LongestSpan = span;
        }
    }
    return scan;
}

} // namespace cable
