#include "LoadCases.h"
#include "CalcError.h"
#include "Catalogue.h"
#include "FpCheck.h"
#include "RecordingSink.h"

#include <gtest/gtest.h>

namespace cable {
namespace {

using testing::TRecordingSink;

// The window's default request with family АКМб: its walk evaluates row 0 only.
class DefaultAkmbRequest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearFpFlags();
        TInputTexts texts;
        texts.Family = "АКМб";
        input = ParseCalcInput(texts, ".");
        site = ComputeSiteClimate(input);
        cable = FindFamily(3)->Candidates.at(0);
    }
    TCalcInput input;
    TSiteClimate site;
    TCableCandidate cable;
};

TEST_F(DefaultAkmbRequest, LoadsPerMetre) {
    const double w = 1.01332;
    const TCaseLoad windIce = ComputeCaseLoad(kLoadCases[0], site, cable, w);
    EXPECT_NEAR(windIce.Vertical - w, 11.977655, 0.5e-6); // IceWeight
    EXPECT_NEAR(windIce.Horizontal, 8.028, 0.5e-6);       // WindLoad(0.0446 m)
    EXPECT_NEAR(windIce.LoadPerMetre, 15.271353, 0.5e-6);
    EXPECT_NEAR(ComputeCaseLoad(kLoadCases[4], site, cable, w).LoadPerMetre, 12.990975, 0.5e-6);
    const TCaseLoad windNoIce = ComputeCaseLoad(kLoadCases[5], site, cable, w);
    EXPECT_NEAR(windNoIce.Horizontal, 2.898, 0.5e-6);
    EXPECT_NEAR(windNoIce.LoadPerMetre, 3.070052, 0.5e-6);
    EXPECT_EQ(ComputeCaseLoad(kLoadCases[1], site, cable, w).LoadPerMetre, w);
}

TEST_F(DefaultAkmbRequest, SixCasesWrittenInOrder) {
    TRecordingSink sink;
    const TCalcResult r = EvaluateCandidate(input, site, cable, sink, ".");
    using F = TOutputField;
    const std::vector<std::pair<TOutputField, std::string>> expected = {
        {F::ofEdit4, "1.9"},   {F::ofEdit6, "2.5"},   {F::ofEdit16, "0.45"}, {F::ofEdit15, "0.7"},
        {F::ofEdit17, "2.97"}, {F::ofEdit5, "0.61"},  {F::ofEdit8, "0.51"},  {F::ofEdit9, "0.31"},
        {F::ofEdit10, "0.99"}, {F::ofEdit11, "1.78"}, {F::ofEdit12, "2.27"}, {F::ofEdit13, "0.89"},
        {F::ofEdit14, "1.06"},
    };
    EXPECT_EQ(sink.writes, expected);

    const double sag[] = {1.905942, 0.450848, 0.616348, 0.319420, 1.783987, 0.897131};
    const double tension[] = {2.503905, 0.702371, 0.513772, 0.991369, 2.275621, 1.069399};
    for (int i = 0; i < kLoadCaseCount; ++i) {
        EXPECT_NEAR(r.Sag[i], sag[i], 0.5e-6) << kLoadCases[i].Heading;
        EXPECT_NEAR(r.Tension[i], tension[i], 0.5e-6) << kLoadCases[i].Heading;
    }
    EXPECT_NEAR(r.LongTermLoad, 2.97012, 1e-12);
    EXPECT_EQ(r.RatedLoad, 4);
}

TEST_F(DefaultAkmbRequest, CommaSeparator) {
    TRecordingSink sink;
    EvaluateCandidate(input, site, cable, sink, ",");
    EXPECT_EQ(sink.latest[TOutputField::ofEdit4], "1,9");
    EXPECT_EQ(sink.latest[TOutputField::ofEdit6], "2,5");
    EXPECT_EQ(sink.latest[TOutputField::ofEdit17], "2,97");
}

TEST_F(DefaultAkmbRequest, NoIceOrNoWindMakesCasesCoincide) {
    TRecordingSink unused;
    TSiteClimate noIce = site;
    noIce.IceWall = 0;
    TCalcResult r = EvaluateCandidate(input, noIce, cable, unused, ".");
    EXPECT_EQ(r.Sag[0], r.Sag[5]); // wind with ice == wind without ice
    EXPECT_EQ(r.Tension[0], r.Tension[5]);

    TSiteClimate noWind = site;
    noWind.Kw = 0;
    r = EvaluateCandidate(input, noWind, cable, unused, ".");
    EXPECT_EQ(r.Sag[0], r.Sag[4]); // wind with ice == ice without wind
    EXPECT_EQ(r.Tension[0], r.Tension[4]);
}

TEST_F(DefaultAkmbRequest, FaultInACaseKeepsTheFieldsWrittenBeforeIt) {
    // No wind and no ice leave the bare cable; a zero-mass cable then carries no load at all,
    // and the first case's tension divides 0 by 0.
    TSiteClimate calm = site;
    calm.Kw = 0;
    calm.IceWall = 0;
    TCableCandidate weightless = cable;
    weightless.Mass = 0;
    TRecordingSink sink;
    EXPECT_THROW(EvaluateCandidate(input, calm, weightless, sink, "."), TCalcError);
    EXPECT_TRUE(sink.writes.empty());

    // With ice but no wind only the ice cases are loaded. The unloaded cable longer than the span
    // (+5 and +50 °C) hangs at a sag with zero tension; at -50 °C it is shorter than the span,
    // its sag is 0 and the tension divides 0 by 0.
    TSiteClimate iceOnly = site;
    iceOnly.Kw = 0;
    TRecordingSink partial;
    ClearFpFlags();
    try {
        EvaluateCandidate(input, iceOnly, weightless, partial, ".");
        ADD_FAILURE();
    } catch (const TCalcError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    ASSERT_EQ(partial.writes.size(), 7u);
    EXPECT_EQ(partial.writes.back().first, TOutputField::ofEdit8);
    EXPECT_EQ(partial.latest[TOutputField::ofEdit15], "0");
}

} // namespace
} // namespace cable
