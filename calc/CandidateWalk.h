#pragma once

#include "CableFamily.h"
#include "CalcInput.h"
#include "LoadCases.h"
#include "ResultSink.h"
#include "SiteClimate.h"

#include <string>
#include <string_view>
#include <vector>

namespace cable {

inline constexpr const char* kGiveUpVerdict =
    "Невозможно подобрать необходимый кабель. Измените условия!";

// "Необходимо выбрать кабель на <rated load>кН", the load untruncated in the general format.
std::string ChoiceVerdict(double ratedLoad, std::string_view decimalSeparator);

enum class TWalkDecision {
    wdFault,      // the evaluation stopped with an error
    wdChosen,     // criterion < the row's PermissibleLoad
    wdGiveUp,     // criterion > the PermissibleLoad of the class's last row
    wdNextLevel,  // neither: one level up
    wdEndOfClass, // neither, at the class's last row: the walk ends there
};

// One candidate examined by the walk, for traces.
struct TWalkStep {
    int Row = 0;
    double RatedLoad = 0;           // kN
    double WindIceTension = 0;      // T1, kN
    double Criterion = 0;           // TensionFactor * T1, kN
    double PermissibleLoad = 0;     // of the row, kN
    double LastPermissibleLoad = 0; // of the class's last row, kN
    TWalkDecision Decision = TWalkDecision::wdFault;
};

// Walks the family's fibre class from its lowest level up, evaluating each candidate and writing
// its thirteen fields and then the verdict label. Stops at the first row whose PermissibleLoad
// exceeds the criterion, or gives up when the criterion exceeds the PermissibleLoad of the class's
// strongest cable. Returns the last candidate's result with its verdict. When trace is given,
// every examined row is appended to it before it is evaluated (a faulting row included).
TCalcResult RunWalk(const TCalcInput& input, const TSiteClimate& site, const TCableFamily& family,
                    TResultSink& sink, std::string_view decimalSeparator,
                    std::vector<TWalkStep>* trace = nullptr);

} // namespace cable
