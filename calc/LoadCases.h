#pragma once

#include "CableFamily.h"
#include "CalcInput.h"
#include "ResultSink.h"
#include "SiteClimate.h"

#include <array>
#include <string>
#include <string_view>

namespace cable {

enum class TWindArea {
    waNone, // no wind load
    waIced, // wind on the diameter over the ice sleeve
    waBare, // wind on the cable's own diameter
};

enum class TLoadCaseKind { lcWindIce, lcPlus5, lcPlus50, lcMinus50, lcIceNoWind, lcWindNoIce };

// The fixed description of one climatic load case.
struct TLoadCase {
    TLoadCaseKind Kind;
    double Temperature; // °C
    bool WithIce;       // the vertical load includes the ice sleeve
    TWindArea WindArea;
    TOutputField SagField;
    TOutputField TensionField;
    const char* Heading; // the window's heading of the case
};

inline constexpr int kLoadCaseCount = 6;

// The six cases in the order they are evaluated and published.
inline constexpr std::array<TLoadCase, kLoadCaseCount> kLoadCases = {{
    {TLoadCaseKind::lcWindIce, -5, true, TWindArea::waIced, TOutputField::ofEdit4,
     TOutputField::ofEdit6, "Режим: максимальный ветер и максимальный гололед"},
    {TLoadCaseKind::lcPlus5, 5, false, TWindArea::waNone, TOutputField::ofEdit16,
     TOutputField::ofEdit15, "Температура плюс 5 без ветра и гололеда"},
    {TLoadCaseKind::lcPlus50, 50, false, TWindArea::waNone, TOutputField::ofEdit5,
     TOutputField::ofEdit8, "Максимальная температура: плюс 50 С"},
    {TLoadCaseKind::lcMinus50, -50, false, TWindArea::waNone, TOutputField::ofEdit9,
     TOutputField::ofEdit10, "Минимальная температура: минус 50 С"},
    {TLoadCaseKind::lcIceNoWind, -5, true, TWindArea::waNone, TOutputField::ofEdit11,
     TOutputField::ofEdit12, "Максимальный гололед без ветра"},
    {TLoadCaseKind::lcWindNoIce, -5, false, TWindArea::waBare, TOutputField::ofEdit13,
     TOutputField::ofEdit14, "Максимальный ветер без гололеда"},
}};

// What one candidate's evaluation publishes.
struct TCalcResult {
    std::array<double, kLoadCaseCount> Sag{};     // m, in case order
    std::array<double, kLoadCaseCount> Tension{}; // kN, in case order
    double LongTermLoad = 0;                      // kN
    double RatedLoad = 0;                         // kN
    std::string Verdict;                          // set by the walk
};

// Loads per metre of one case on one candidate, N/m.
struct TCaseLoad {
    double Vertical = 0;     // V: own weight, plus the ice sleeve when WithIce
    double Horizontal = 0;   // H: wind load
    double LoadPerMetre = 0; // P = sqrt(V² + H²)
};
TCaseLoad ComputeCaseLoad(const TLoadCase& loadCase, const TSiteClimate& site,
                          const TCableCandidate& cable, double unitWeight);

// LongTermLoad, kN: PermissibleLoad - 0.0016 * Modulus * StrengthArea, the permissible load less
// the force that stretches the strength member by 0.16 %.
double LongTermLoad(const TCableCandidate& cable);

// The text shown for a result: truncated toward zero to two decimals, then the general format.
std::string FormatResult(double x, std::string_view decimalSeparator);

// Evaluates the six cases and the long-term load of one candidate, writing the thirteen fields as
// it goes: Edit4, Edit6, Edit16, Edit15, Edit17, Edit5, Edit8, Edit9, Edit10, Edit11, Edit12,
// Edit13, Edit14. The result's Verdict is left empty.
TCalcResult EvaluateCandidate(const TCalcInput& input, const TSiteClimate& site,
                              const TCableCandidate& cable, TResultSink& sink,
                              std::string_view decimalSeparator);

} // namespace cable
