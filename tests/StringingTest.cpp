#include "Stringing.h"
#include "CalcError.h"
#include "Calculation.h"
#include "Catalogue.h"
#include "FieldTexts.h"
#include "FpCheck.h"
#include "LoadCases.h"

#include <gtest/gtest.h>

namespace cable {
namespace {

TEST(TemperatureSteps, InclusiveWithoutDrift) {
    EXPECT_EQ(TemperatureSteps(-50, 50, 5).size(), 21u);
    EXPECT_EQ(TemperatureSteps(-50, 50, 5).front(), -50);
    EXPECT_EQ(TemperatureSteps(-50, 50, 5).back(), 50);
    const std::vector<double> tenths = TemperatureSteps(-0.3, 0.3, 0.1);
    ASSERT_EQ(tenths.size(), 7u);
    EXPECT_EQ(tenths[3], 0); // not -5.55e-17
    EXPECT_EQ(TemperatureSteps(20, 20, 5), std::vector<double>{20});
}

// The stringing table agrees with the load cases of the same cable: at +5, +50 and -50 °C the
// bare cable carries its own weight only, as in the window's temperature cases.
TEST(RunStringing, AgreesWithTheLoadCasesAndTheRequestedSag) {
    struct Case {
        const char* family;
        const char* span;
        const char* sag;
    };
    for (const Case& c : {Case{"АКМб", "50", "1"}, Case{"АКСа", "100", "2"},
                          Case{"БКМа", "120", "3"}, Case{"АКСб", "10", "0.4"}}) {
        TInputTexts texts;
        texts.Family = c.family;
        texts.Span = c.span;
        texts.SagPercent = c.sag;
        TFieldTexts fields;
        const TCalcResult walk = RunCalculation(texts, ".", fields);
        const TStringing table = RunStringing(texts, ".", std::nullopt, {-50, 5, 20, 50});
        ASSERT_EQ(table.Points.size(), 4u);
        const double requestedSag = std::stod(c.span) * std::stod(c.sag) / 100;
        EXPECT_DOUBLE_EQ(table.Points[2].Sag, requestedSag) << c.family;
        EXPECT_EQ(FormatResult(table.Points[2].Sag, "."), FormatResult(requestedSag, "."));
        // Load case order: wind-ice, +5, +50, -50, ...
        EXPECT_EQ(table.Points[0].Sag, walk.Sag[3]) << c.family;
        EXPECT_EQ(table.Points[0].Tension, walk.Tension[3]) << c.family;
        EXPECT_EQ(table.Points[1].Sag, walk.Sag[1]) << c.family;
        EXPECT_EQ(table.Points[1].Tension, walk.Tension[1]) << c.family;
        EXPECT_EQ(table.Points[3].Sag, walk.Sag[2]) << c.family;
        EXPECT_EQ(table.Points[3].Tension, walk.Tension[2]) << c.family;
    }
}

TEST(RunStringing, DefaultAkmbFigures) {
    TInputTexts texts;
    texts.Family = "АКМб";
    const TStringing table = RunStringing(texts, ".", std::nullopt, {-50, 5, 20, 50});
    EXPECT_EQ(table.Row, 0);
    const char* sags[] = {"0.31", "0.45", "0.5", "0.61"};
    const char* tensions[] = {"0.99", "0.7", "0.63", "0.51"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(FormatResult(table.Points[i].Sag, "."), sags[i]);
        EXPECT_EQ(FormatResult(table.Points[i].Tension, "."), tensions[i]);
    }
}

TEST(RunStringing, GivenRowAndGiveUp) {
    TInputTexts texts;
    texts.Family = "АКМб";
    texts.Span = "200";
    texts.WindRegion = "7";
    texts.IceRegion = "7";
    try {
        RunStringing(texts, ".", std::nullopt, {20});
        ADD_FAILURE() << "no cable fits this request";
    } catch (const TCalcError& e) {
        EXPECT_EQ(e.Kind(), TCalcErrorKind::ekNoCable);
    }
    const TStringing row12 = RunStringing(texts, ".", 12, {20});
    EXPECT_EQ(row12.Cable.RatedLoad, 12);
    EXPECT_EQ(row12.Points[0].Sag, 2);
}

} // namespace
} // namespace cable
