// Benchmarks of the calculation and of the CSV batch of cable-calc.
//
//   Calculation/Default      the eight default texts to the verdict, through a sink that keeps
//                            the texts, as the window's "Рассчитать" does
//   Calculation/LongestWalk  a request whose walk examines all ten levels of a class
//   MathFloor/Default        only the root computations of the six SolveSag calls of the default
//   MathFloor/LongestWalk    and of the sixty SolveSag calls of the longest walk
//   LongestWalk/MathFloor    both of the above interleaved in one run; the counter "ratio" is
//                            what everything else (parsing, catalogue, loads, formatting, sink)
//                            costs on top of the roots
//   Cli/Csv                  RunCsvBatch over 100,000 generated requests in memory
#include "CalcInput.h"
#include "Calculation.h"
#include "Catalogue.h"
#include "CsvBatch.h"
#include "FieldTexts.h"
#include "LoadCases.h"
#include "SagSolver.h"
#include "SiteClimate.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace cable;
using LD = long double;

// АКСа, span 180 m, sag 1 %, wind and ice region 7, 16 fibres (class 1), open terrain, 15 m: the
// walk goes through rows 1, 6, ..., 46, every level of the class, and chooses the last one,
// 30 kN (0.95 × T1 = 25.08 < 27.19).
TInputTexts LongestWalkTexts() {
    TInputTexts texts;
    texts.Span = "180";
    texts.SagPercent = "1";
    texts.WindRegion = "7";
    texts.IceRegion = "7";
    return texts;
}

void CalculationDefault(benchmark::State& state) {
    const TInputTexts texts;
    TFieldTexts sink;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCalculation(texts, ".", sink));
    }
}
BENCHMARK(CalculationDefault)->Name("Calculation/Default");

void CalculationLongestWalk(benchmark::State& state) {
    const TInputTexts texts = LongestWalkTexts();
    TFieldTexts sink;
    std::vector<TWalkStep> trace;
    RunCalculation(texts, ".", sink, &trace);
    if (trace.size() != 10) {
        state.SkipWithError("the walk no longer examines ten levels");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCalculation(texts, ".", sink));
    }
}
BENCHMARK(CalculationLongestWalk)->Name("Calculation/LongestWalk");

// What SolveSag's closed form takes as input: the branch and the cubic's coefficients.
struct TRootInput {
    bool Cardano;
    double P;  // p, m²
    double Q;  // q, m³
    double KM; // K + M, the discriminant
};

// The SolveSag calls of a request's walk (six per candidate examined; sixty for the longest
// walk), their coefficients formed as SolveSag forms them.
std::vector<TRootInput> WalkRoots(const TInputTexts& texts) {
    const TCalcInput input = ParseCalcInput(texts, ".");
    std::vector<TWalkStep> trace;
    TFieldTexts sink;
    RunCalculation(texts, ".", sink, &trace);
    const TSiteClimate site = ComputeSiteClimate(input);
    const TCableFamily& family = *FindFamily(static_cast<int>(input.FamilyCode));
    std::vector<TRootInput> roots;
    for (const TWalkStep& step : trace) {
        const TCableCandidate& c = family.Candidates[static_cast<size_t>(step.Row)];
        const TInitialState initial =
            ComputeInitialState(input.Span, input.InitialSag, c.Mass, c.Modulus, c.StrengthArea);
        for (const TLoadCase& loadCase : kLoadCases) {
            const double P = ComputeCaseLoad(loadCase, site, c, initial.UnitWeight).LoadPerMetre;
            const LD l = input.Span;
            const double Lt = static_cast<double>(((loadCase.Temperature - 20.0L) * c.Alpha + 1) *
                                                  initial.UnstressedLength);
            const double p = static_cast<double>((l * l - l * Lt) * 3 / 8);
            const double q =
                static_cast<double>(-3 * P * l * l * l * Lt /
                                    (64 * static_cast<LD>(c.StrengthArea) * c.Modulus * 1000));
            const double K = static_cast<double>((p / 3.0L) * (p / 3.0L) * (p / 3.0L));
            const double M = static_cast<double>((-q / 2.0L) * (-q / 2.0L));
            roots.push_back({static_cast<LD>(K) + M >= 0, p, q, K + M});
        }
    }
    return roots;
}

// The root computations alone, in long double as SolveSag does them: the square root and the
// two cube roots (cbrt) of Cardano's formula, or the power, square root, arc cosine and cosine of
// the trigonometric one.
double RootsOf(const std::vector<TRootInput>& roots) {
    double sum = 0;
    for (const TRootInput& r : roots) {
        const LD halfQ = -r.Q / 2.0L;
        if (r.Cardano) {
            const LD d = std::sqrt(static_cast<LD>(r.KM));
            const LD u = d + halfQ;
            const LD v = halfQ - d;
            const LD x = std::cbrt(std::fabs(u));
            const LD y = std::cbrt(std::fabs(v));
            sum += static_cast<double>((u < 0 ? -x : x) + (v < 0 ? -y : y));
        } else {
            const LD ratio = halfQ / std::pow(-r.P / 3.0L, 1.5L);
            sum += static_cast<double>(2 * std::sqrt(-r.P / 3.0L) * std::cos(std::acos(ratio) / 3));
        }
    }
    return sum;
}

// The roots of a request's walk alone, with how many there are and how many take Cardano's branch.
void MathFloor(benchmark::State& state, const TInputTexts& texts) {
    std::vector<TRootInput> roots = WalkRoots(texts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(roots.data());
        benchmark::DoNotOptimize(RootsOf(roots));
    }
    state.counters["roots"] = static_cast<double>(roots.size());
    state.counters["cardano"] = static_cast<double>(
        std::count_if(roots.begin(), roots.end(), [](const TRootInput& r) { return r.Cardano; }));
}
BENCHMARK_CAPTURE(MathFloor, Default, TInputTexts{})->Name("MathFloor/Default");
BENCHMARK_CAPTURE(MathFloor, LongestWalk, LongestWalkTexts())->Name("MathFloor/LongestWalk");

// The two above, interleaved in batches so that both see the same machine state; the ratio of
// their times is the counter.
void LongestWalkOverMathFloor(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    constexpr int kBatch = 50;
    const TInputTexts texts = LongestWalkTexts();
    TFieldTexts sink;
    std::vector<TRootInput> roots = WalkRoots(texts);
    Clock::duration walk{};
    Clock::duration floor{};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            benchmark::DoNotOptimize(RunCalculation(texts, ".", sink));
        }
        const auto t1 = Clock::now();
        for (int i = 0; i < kBatch; ++i) {
            benchmark::DoNotOptimize(roots.data());
            benchmark::DoNotOptimize(RootsOf(roots));
        }
        const auto t2 = Clock::now();
        walk += t1 - t0;
        floor += t2 - t1;
    }
    const double runs = static_cast<double>(state.iterations()) * kBatch;
    const auto ns = [runs](Clock::duration d) {
        return std::chrono::duration<double, std::nano>(d).count() / runs;
    };
    state.counters["walk_ns"] = ns(walk);
    state.counters["floor_ns"] = ns(floor);
    state.counters["ratio"] = ns(walk) / ns(floor);
}
BENCHMARK(LongestWalkOverMathFloor)->Name("LongestWalk/MathFloor");

// 100,000 requests over every family, span, sag, region, fibre count and terrain, each text as
// a user would type it.
std::string GeneratedCsv(int rows) {
    static const std::array<const char*, 6> kFamilies = {"АКСа", "АКСб", "АКМа",
                                                         "АКМб", "БКМа", "БКМб"};
    static const std::array<const char*, 3> kTerrains = {
        "открытая местность", "с препятствиями ниже опор", "с препятствиями выше опор"};
    static const std::array<const char*, 8> kSpans = {"40",    "50",  "70",  "100",
                                                      "120.5", "150", "180", "250"};
    static const std::array<const char*, 4> kSags = {"0.8", "1", "1.5", "2"};
    static const std::array<const char*, 6> kFibres = {"4", "16", "48", "96", "128", "144"};
    static const std::array<const char*, 4> kHeights = {"10", "15", "22.5", "40"};
    std::string csv = "span,sag,wind_region,ice_region,family,fibres,terrain,height\n";
    for (int i = 0; i < rows; ++i) {
        csv += kSpans[i % kSpans.size()];
        csv += ',';
        csv += kSags[(i / 8) % kSags.size()];
        csv += ',';
        csv += std::to_string(1 + (i / 3) % 7);
        csv += ',';
        csv += std::to_string(1 + (i / 5) % 7);
        csv += ',';
        csv += kFamilies[(i / 7) % kFamilies.size()];
        csv += ',';
        csv += kFibres[(i / 11) % kFibres.size()];
        csv += ',';
        csv += kTerrains[(i / 13) % kTerrains.size()];
        csv += ',';
        csv += kHeights[(i / 17) % kHeights.size()];
        csv += '\n';
    }
    return csv;
}

void CliCsv(benchmark::State& state) {
    constexpr int kRows = 100000;
    const std::string csv = GeneratedCsv(kRows);
    std::string out;
    for (auto _ : state) {
        std::istringstream in(csv);
        std::ostringstream outStream;
        std::ostringstream errStream;
        benchmark::DoNotOptimize(cli::RunCsvBatch(in, outStream, errStream, false));
        out = outStream.str();
    }
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(kRows) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
    state.counters["out_MB"] = static_cast<double>(out.size()) / 1e6;
}
BENCHMARK(CliCsv)->Name("Cli/Csv")->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
