#include "Request.h"

#include "CalcError.h"
#include "Calculation.h"
#include "Csv.h"
#include "NumberText.h"

namespace cable::cli {
namespace {

std::string_view DecisionName(TWalkDecision decision) {
    switch (decision) {
    case TWalkDecision::wdChosen:
        return "chosen";
    case TWalkDecision::wdGiveUp:
        return "give up";
    case TWalkDecision::wdNextLevel:
        return "next level";
    case TWalkDecision::wdEndOfClass:
        return "end of class";
    case TWalkDecision::wdFault:
        break;
    }
    return "fault";
}

} // namespace

TRequestOutcome RunRequest(const TInputTexts& texts, std::string_view decimalSeparator) {
    TRequestOutcome outcome;
    try {
        RunCalculation(texts, decimalSeparator, outcome.Fields, &outcome.Trace);
    } catch (const TCalcError& e) {
        outcome.Error = e.what();
    }
    return outcome;
}

std::string RowsExamined(const std::vector<TWalkStep>& trace) {
    std::string rows;
    for (const TWalkStep& step : trace) {
        if (!rows.empty()) {
            rows += ' ';
        }
        rows += std::to_string(step.Row);
    }
    return rows;
}

std::string TraceHeader(std::string_view prefixHeader) {
    std::string header(prefixHeader);
    if (!header.empty()) {
        header += ',';
    }
    return header + "row,rated_load,tension_wind_ice,criterion,permissible_load,"
                    "last_permissible_load,decision\n";
}

void AppendTrace(std::string& out, const std::vector<TWalkStep>& trace,
                 std::string_view prefixField) {
    for (const TWalkStep& step : trace) {
        const bool evaluated = step.Decision != TWalkDecision::wdFault;
        const std::string row = std::to_string(step.Row);
        const std::string rated = FormatGeneral(step.RatedLoad, ".");
        const std::string tension = evaluated ? FormatGeneral(step.WindIceTension, ".") : "";
        const std::string criterion = evaluated ? FormatGeneral(step.Criterion, ".") : "";
        const std::string permissible = FormatGeneral(step.PermissibleLoad, ".");
        const std::string last = FormatGeneral(step.LastPermissibleLoad, ".");
        std::vector<std::string_view> fields;
        if (!prefixField.empty()) {
            fields.push_back(prefixField);
        }
        for (std::string_view f :
             {std::string_view(row), std::string_view(rated), std::string_view(tension),
              std::string_view(criterion), std::string_view(permissible), std::string_view(last),
              DecisionName(step.Decision)}) {
            fields.push_back(f);
        }
        AppendCsvRecord(out, fields);
    }
}

} // namespace cable::cli
