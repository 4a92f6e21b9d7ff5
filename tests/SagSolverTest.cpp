#include "SagSolver.h"
#include "CalcError.h"
#include "FpCheck.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cable {
namespace {

// Reference cable: the first АКМб row.
constexpr double kMass = 103.4;
constexpr double kModulus = 125;
constexpr double kAlpha = 1.3e-05;
const double kArea = (5.2 - 3) * (5.2 - 3) * 3.14 / 4; // 3.7994 mm²
constexpr double kSpan = 50;
constexpr double kSixDecimals = 0.5e-6;

class SagSolverTest : public ::testing::Test {
protected:
    void SetUp() override { ClearFpFlags(); }
    TSagResult Solve(const TInitialState& s, double t, double load) {
        return SolveSag(kSpan, s.UnstressedLength, kAlpha, kModulus, kArea, t, load);
    }
};

TEST_F(SagSolverTest, InitialStateAtOnePercent) {
    const TInitialState s = ComputeInitialState(kSpan, 0.5, kMass, kModulus, kArea);
    EXPECT_NEAR(s.UnitWeight, 1.01332, kSixDecimals);
    EXPECT_NEAR(s.InitialTension, 633.325, kSixDecimals);
    EXPECT_NEAR(s.InitialLength, 50.013333, kSixDecimals);
    EXPECT_NEAR(s.UnstressedLength, 49.946728, kSixDecimals);
}

TEST_F(SagSolverTest, ReferenceFiguresInBothBranches) {
    struct Case {
        double f0;
        double t;
        double sag;
        double tension;
        TSolverBranch branch;
    };
    for (const Case& c : {
             Case{0.5, 5, 0.450848, 0.702371, TSolverBranch::sbCardano},
             Case{0.5, 50, 0.616348, 0.513772, TSolverBranch::sbCardano},
             Case{0.5, -50, 0.319420, 0.991369, TSolverBranch::sbCardano},
             Case{1.5, 20, 1.5, 0.211108, TSolverBranch::sbTrigonometric},
             Case{1.5, 50, 1.608805, 0.196831, TSolverBranch::sbTrigonometric},
             Case{1.5, -50, 1.220758, 0.259398, TSolverBranch::sbCardano},
         }) {
        const TInitialState s = ComputeInitialState(kSpan, c.f0, kMass, kModulus, kArea);
        const TSagResult r = Solve(s, c.t, s.UnitWeight);
        EXPECT_NEAR(r.Sag, c.sag, kSixDecimals) << "f0 " << c.f0 << ", t " << c.t;
        EXPECT_NEAR(r.Tension, c.tension, kSixDecimals) << "f0 " << c.f0 << ", t " << c.t;
        EXPECT_EQ(r.Branch, c.branch) << "f0 " << c.f0 << ", t " << c.t;
    }
    EXPECT_NEAR(ComputeInitialState(kSpan, 1.5, kMass, kModulus, kArea).UnstressedLength, 50.097731,
                kSixDecimals);
}

TEST_F(SagSolverTest, TwentyDegreesOwnWeightReturnsTheInitialState) {
    for (double f0 : {0.25, 0.5, 1.0, 1.5, 2.5, 5.0}) {
        const TInitialState s = ComputeInitialState(kSpan, f0, kMass, kModulus, kArea);
        const TSagResult r = Solve(s, 20, s.UnitWeight);
        EXPECT_NEAR(r.Sag, f0, 1e-12 * f0) << f0;
        EXPECT_NEAR(r.Tension, s.InitialTension / 1000, 1e-12 * s.InitialTension) << f0;
        // The parabola's tension: T * 8 * f * 1000 = l² * P.
        EXPECT_NEAR(r.Tension * 8 * r.Sag * 1000, kSpan * kSpan * s.UnitWeight, 1e-9) << f0;
    }
}

TEST_F(SagSolverTest, MonotonicInLoadAndTemperature) {
    const TInitialState s = ComputeInitialState(kSpan, 0.5, kMass, kModulus, kArea);
    const TSagResult light = Solve(s, -5, s.UnitWeight);
    const TSagResult heavy = Solve(s, -5, 5 * s.UnitWeight);
    EXPECT_GT(heavy.Sag, light.Sag);
    EXPECT_GT(heavy.Tension, light.Tension);
    const TSagResult warm = Solve(s, 40, s.UnitWeight);
    EXPECT_GT(warm.Sag, light.Sag);
    EXPECT_LT(warm.Tension, light.Tension);
    // A negative Alpha reverses the temperature effect.
    const TSagResult coldNeg =
        SolveSag(kSpan, s.UnstressedLength, -7e-7, kModulus, kArea, -5, s.UnitWeight);
    const TSagResult warmNeg =
        SolveSag(kSpan, s.UnstressedLength, -7e-7, kModulus, kArea, 40, s.UnitWeight);
    EXPECT_LT(warmNeg.Sag, coldNeg.Sag);
}

TEST_F(SagSolverTest, FaultsRaiseTheirMessages) {
    struct Case {
        double span;
        double f0;
        double area;
        const char* message;
    };
    for (const Case& c : {Case{50, 0, kArea, "Floating point division by zero"},
                          Case{0, 0, kArea, "Invalid floating point operation"},
                          Case{50, 0.5, 0, "Floating point division by zero"}}) {
        ClearFpFlags();
        try {
            const TInitialState s = ComputeInitialState(c.span, c.f0, kMass, kModulus, c.area);
            SolveSag(c.span, s.UnstressedLength, kAlpha, kModulus, c.area, 5, s.UnitWeight);
            ADD_FAILURE() << c.message;
        } catch (const TCalcError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
    // No load at all: the sag is 0 and the tension divides by zero.
    ClearFpFlags();
    const TInitialState s = ComputeInitialState(kSpan, 0.5, kMass, kModulus, kArea);
    EXPECT_THROW(Solve(s, 5, 0), TCalcError);
}

} // namespace
} // namespace cable
