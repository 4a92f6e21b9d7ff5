#include "CalcError.h"
#include "Calculation.h"
#include "Catalogue.h"
#include "FpCheck.h"
#include "RecordingSink.h"

#include <gtest/gtest.h>

namespace cable {
namespace {

using testing::TRecordingSink;

std::vector<int> Rows(const std::vector<TWalkStep>& trace) {
    std::vector<int> rows;
    for (const TWalkStep& step : trace) {
        rows.push_back(step.Row);
    }
    return rows;
}

struct WalkCase {
    const char* name;
    const char* span;
    const char* wind;
    const char* ice;
    const char* fibres;
    std::vector<int> rows;
    double lastCriterion;
    const char* verdict;
    const char* edit4;
    const char* edit6;
};

class AkmbWalk : public ::testing::TestWithParam<WalkCase> {};

TEST_P(AkmbWalk, ExaminesRowsAndNamesTheCable) {
    const WalkCase& c = GetParam();
    TInputTexts texts;
    texts.Family = "АКМб";
    texts.Span = c.span;
    texts.WindRegion = c.wind;
    texts.IceRegion = c.ice;
    texts.FiberCount = c.fibres;
    TRecordingSink sink;
    std::vector<TWalkStep> trace;
    const TCalcResult result = RunCalculation(texts, ".", sink, &trace);
    EXPECT_EQ(Rows(trace), c.rows);
    EXPECT_NEAR(trace.back().Criterion, c.lastCriterion, 0.5e-6);
    EXPECT_EQ(result.Verdict, c.verdict);
    EXPECT_EQ(sink.latest[TOutputField::ofLabel11], c.verdict);
    if (c.edit4 != nullptr) {
        EXPECT_EQ(sink.latest[TOutputField::ofEdit4], c.edit4);
        EXPECT_EQ(sink.latest[TOutputField::ofEdit6], c.edit6);
    }
    // Every examined row writes its thirteen fields and then the label.
    ASSERT_EQ(sink.writes.size(), 14 * trace.size());
    for (size_t i = 0; i < sink.writes.size(); ++i) {
        EXPECT_EQ(static_cast<int>(sink.writes[i].first), static_cast<int>(i % 14));
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, AkmbWalk,
    ::testing::Values(WalkCase{"Default",
                               "50",
                               "2",
                               "2",
                               "16",
                               {0},
                               2.378710,
                               "Необходимо выбрать кабель на 4кН",
                               "1.9",
                               "2.5"},
                      WalkCase{"Span100",
                               "100",
                               "2",
                               "2",
                               "16",
                               {0, 4},
                               4.559129,
                               "Необходимо выбрать кабель на 6кН",
                               "3.99",
                               "4.79"},
                      WalkCase{"Span150Ice4",
                               "150",
                               "2",
                               "4",
                               "16",
                               {0, 4, 8, 12},
                               11.709981,
                               "Необходимо выбрать кабель на 12кН",
                               nullptr,
                               nullptr},
                      WalkCase{"Span200Regions7GivesUp",
                               "200",
                               "7",
                               "7",
                               "16",
                               {0},
                               15.229784,
                               "Невозможно подобрать необходимый кабель. Измените условия!",
                               "20.57",
                               "16.03"},
                      WalkCase{"Class3Span80Ice3",
                               "80",
                               "2",
                               "3",
                               "100",
                               {3, 7},
                               5.718447,
                               "Необходимо выбрать кабель на 6кН",
                               nullptr,
                               nullptr}),
    [](const ::testing::TestParamInfo<WalkCase>& info) { return info.param.name; });

TEST(AkmbWalk, Span100ShowsRow4) {
    TInputTexts texts;
    texts.Family = "АКМб";
    texts.Span = "100";
    TRecordingSink sink;
    RunCalculation(texts, ".", sink);
    EXPECT_EQ(sink.latest[TOutputField::ofEdit17], "4.8");
}

// A small family of one class, to put the walk's boundaries where a test needs them.
TCableFamily TwoLevels(double tensionFactor, double permissible0, double permissible1) {
    TCableFamily family = *FindFamily(3);
    family.TensionFactor = tensionFactor;
    family.FiberClassCount = 1;
    family.LevelCount = 2;
    family.Candidates = {family.Candidates[0], family.Candidates[4]};
    family.Candidates[0].PermissibleLoad = permissible0;
    family.Candidates[1].PermissibleLoad = permissible1;
    return family;
}

class WalkBoundaries : public ::testing::Test {
protected:
    void SetUp() override {
        ClearFpFlags();
        TInputTexts texts;
        texts.Family = "АКМб";
        input = ParseCalcInput(texts, ".");
        site = ComputeSiteClimate(input);
        TRecordingSink unused;
        t1 = EvaluateCandidate(input, site, FindFamily(3)->Candidates[0], unused, ".").Tension[0];
    }
    std::vector<int> Walk(const TCableFamily& family, TRecordingSink& sink) {
        std::vector<TWalkStep> trace;
        RunWalk(input, site, family, sink, ".", &trace);
        return Rows(trace);
    }
    TCalcInput input;
    TSiteClimate site;
    double t1 = 0; // wind-and-ice tension of АКМб row 0 on the default site, about 2.5 kN
};

TEST_F(WalkBoundaries, ComparisonsAreStrict) {
    TRecordingSink sink;
    const double criterion = Stored(0.95L * t1);
    // Equal to the row's PermissibleLoad: not chosen, the walk moves on.
    EXPECT_EQ(Walk(TwoLevels(0.95, criterion, 100), sink), (std::vector<int>{0, 1}));
    // Equal to the last row's: no give-up either; row 0 keeps its choice text and the walk moves
    // on.
    TRecordingSink last;
    EXPECT_EQ(Walk(TwoLevels(0.95, 1, criterion), last), (std::vector<int>{0, 1}));
    ASSERT_EQ(last.writes.size(), 28u);
    EXPECT_EQ(last.writes[13].second, "Необходимо выбрать кабель на 4кН");
}

TEST_F(WalkBoundaries, EndOfClassAtTheStrongestCable) {
    TCableFamily family = TwoLevels(0.95, 1, 100);
    TRecordingSink sink;
    std::vector<TWalkStep> trace;
    // Make the second row's criterion equal to its own PermissibleLoad.
    TRecordingSink unused;
    const double t1Row1 =
        EvaluateCandidate(input, site, family.Candidates[1], unused, ".").Tension[0];
    family.Candidates[1].PermissibleLoad = Stored(0.95L * t1Row1);
    RunWalk(input, site, family, sink, ".", &trace);
    ASSERT_EQ(Rows(trace), (std::vector<int>{0, 1}));
    EXPECT_EQ(trace.back().Decision, TWalkDecision::wdEndOfClass);
    EXPECT_EQ(sink.latest[TOutputField::ofLabel11], "Необходимо выбрать кабель на 6кН");
}

TEST_F(WalkBoundaries, UnscaledCriterionWithFactorOne) {
    // The tension itself is judged: chosen when below the row's load, not when just above it.
    TRecordingSink sink;
    EXPECT_EQ(Walk(TwoLevels(1, t1 + 0.03, 100), sink), (std::vector<int>{0}));
    EXPECT_EQ(Walk(TwoLevels(1, t1 - 0.06, 100), sink), (std::vector<int>{0, 1}));
    EXPECT_EQ(Walk(TwoLevels(0.95, t1 - 0.06, 100), sink), (std::vector<int>{0}));
}

TEST_F(WalkBoundaries, FaultInALaterCandidateKeepsTheEarlierOnesFields) {
    TCableFamily family = TwoLevels(0.95, 1, 100); // row 0 does not suffice
    family.Candidates[1].StrengthArea = 0;         // a row that holds no cable
    TRecordingSink sink;
    std::vector<TWalkStep> trace;
    try {
        RunWalk(input, site, family, sink, ".", &trace);
        ADD_FAILURE();
    } catch (const TCalcError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    EXPECT_EQ(Rows(trace), (std::vector<int>{0, 1}));
    EXPECT_EQ(trace.back().Decision, TWalkDecision::wdFault);
    ASSERT_EQ(sink.writes.size(), 14u); // row 0 only
    EXPECT_EQ(sink.latest[TOutputField::ofEdit4], "1.9");
    EXPECT_EQ(sink.latest[TOutputField::ofLabel11], "Необходимо выбрать кабель на 4кН");
}

TEST(RunCalculation, FaultsBeforeAnyWrite) {
    struct Case {
        const char* span;
        const char* sag;
        const char* message;
    };
    for (const Case& c : {Case{"50", "0", "Floating point division by zero"},
                          Case{"0", "1", "Invalid floating point operation"},
                          Case{"1e200", "1e200", "Floating point overflow"}}) {
        TInputTexts texts;
        texts.Family = "АКМб";
        texts.Span = c.span;
        texts.SagPercent = c.sag;
        TRecordingSink sink;
        try {
            RunCalculation(texts, ".", sink);
            ADD_FAILURE() << c.message;
        } catch (const TCalcError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_TRUE(sink.writes.empty()) << c.message;
    }
}

TEST(RunCalculation, RepeatedCalculationsAgree) {
    TInputTexts texts;
    texts.Family = "АКМб";
    texts.Span = "0"; // leaves the division by zero's flags behind
    TRecordingSink first;
    EXPECT_THROW(RunCalculation(texts, ".", first), TCalcError);
    texts.Span = "100";
    TRecordingSink a;
    TRecordingSink b;
    RunCalculation(texts, ".", a);
    RunCalculation(texts, ".", b);
    EXPECT_EQ(a.writes, b.writes);
}

} // namespace
} // namespace cable
