#include "CandidateWalk.h"

#include "FpCheck.h"
#include "NumberText.h"

namespace cable {

std::string ChoiceVerdict(double ratedLoad, std::string_view decimalSeparator) {
    constexpr std::string_view kPrefix = "Необходимо выбрать кабель на ";
    constexpr std::string_view kUnit = "кН";
    const std::string load = FormatGeneral(ratedLoad, decimalSeparator);
    std::string verdict;
    verdict.reserve(kPrefix.size() + load.size() + kUnit.size()); // one allocation
    verdict += kPrefix;
    verdict += load;
    verdict += kUnit;
    return verdict;
}

TCalcResult RunWalk(const TCalcInput& input, const TSiteClimate& site, const TCableFamily& family,
                    TResultSink& sink, std::string_view decimalSeparator,
                    std::vector<TWalkStep>* trace) {
    const int fiberClass = static_cast<int>(input.FiberClass);
    const int last = family.LastRow(fiberClass);
    const double lastPermissible = family.Candidates.at(static_cast<size_t>(last)).PermissibleLoad;
    TWalkStep discarded;
    for (int i = family.FirstRow(fiberClass);; i += family.Step()) {
        const TCableCandidate& cable = family.Candidates.at(static_cast<size_t>(i));
        TWalkStep& step = trace ? trace->emplace_back() : discarded;
        step = {i,
                cable.RatedLoad,
                0,
                0,
                cable.PermissibleLoad,
                lastPermissible,
                TWalkDecision::wdFault};

        TCalcResult result = EvaluateCandidate(input, site, cable, sink, decimalSeparator);
        step.WindIceTension = result.Tension[0];
        // Criterion value, kN: TensionFactor * the wind-and-ice tension.
        step.Criterion =
            Stored(static_cast<long double>(family.TensionFactor) * step.WindIceTension);

        const bool givesUp = step.Criterion > lastPermissible;
        result.Verdict =
            givesUp ? kGiveUpVerdict : ChoiceVerdict(cable.RatedLoad, decimalSeparator);
        sink.Write(TOutputField::ofLabel11, result.Verdict);

        if (step.Criterion < cable.PermissibleLoad) {
            step.Decision = TWalkDecision::wdChosen;
        } else if (givesUp) {
            step.Decision = TWalkDecision::wdGiveUp;
        } else if (i + family.Step() > last) {
            // Criterion exactly equal to the strongest cable's PermissibleLoad: no row is left,
            // the walk ends here and the label keeps naming this cable.
            step.Decision = TWalkDecision::wdEndOfClass;
        } else {
            step.Decision = TWalkDecision::wdNextLevel;
            continue;
        }
        return result;
    }
}

} // namespace cable
