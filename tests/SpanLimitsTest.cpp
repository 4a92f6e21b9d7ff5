#include "SpanLimits.h"
#include "CalcError.h"
#include "Catalogue.h"

#include <gtest/gtest.h>

namespace cable {
namespace {

struct Site {
    const char* family;
    const char* sag;
    const char* wind;
    const char* ice;
    const char* fibres;
    const char* terrain;
    const char* height;
};

class SpanLimits : public ::testing::TestWithParam<Site> {};

// The longest span of each level really is chosen at that level or below, one metre more is not,
// and a stronger level never carries a shorter span.
TEST_P(SpanLimits, LongestSpanPerLevel) {
    const Site& site = GetParam();
    TInputTexts texts;
    texts.Family = site.family;
    texts.SagPercent = site.sag;
    texts.WindRegion = site.wind;
    texts.IceRegion = site.ice;
    texts.FiberCount = site.fibres;
    texts.Terrain = site.terrain;
    texts.SuspensionHeight = site.height;
    constexpr int kMaxSpan = 1000;
    const TSpanScan scan = ScanSpanLimits(texts, ".", kMaxSpan);
    const TCableFamily& family = *FindFamily(FamilyCodeOf(site.family));
    ASSERT_EQ(scan.Limits.size(), static_cast<size_t>(family.LevelCount));
    EXPECT_EQ(scan.FaultedSpans, 0);
    int previous = 0;
    for (const TSpanLimit& limit : scan.Limits) {
        EXPECT_GE(limit.LongestSpan, previous) << "level " << limit.Level;
        previous = limit.LongestSpan;
        if (limit.LongestSpan == 0) {
            continue;
        }
        const int row = ChosenRowAtSpan(texts, ".", limit.LongestSpan);
        ASSERT_NE(row, kNoRow);
        EXPECT_LE(row / family.FiberClassCount, limit.Level);
        if (limit.LongestSpan < kMaxSpan) {
            const int next = ChosenRowAtSpan(texts, ".", limit.LongestSpan + 1);
            EXPECT_TRUE(next == kNoRow || next / family.FiberClassCount > limit.Level)
                << "level " << limit.Level << " at " << limit.LongestSpan + 1 << " m";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sites, SpanLimits,
    ::testing::Values(Site{"АКСа", "1", "2", "2", "16", "открытая местность", "15"},
                      Site{"АКМб", "2", "5", "4", "100", "с препятствиями ниже опор", "22"},
                      Site{"БКМа", "1.5", "7", "7", "8", "открытая местность", "40"},
                      Site{"АКСб", "3", "1", "6", "140", "с препятствиями выше опор", "60"}));

TEST(SpanLimitsScan, ConversionErrorOfTheRequest) {
    TInputTexts texts;
    texts.IceRegion = "abc";
    EXPECT_THROW(ScanSpanLimits(texts, ".", 10), TCalcError);
}

TEST(SpanLimitsScan, FaultedSpansAreCounted) {
    TInputTexts texts;
    texts.SagPercent = "0"; // every span divides by zero
    const TSpanScan scan = ScanSpanLimits(texts, ".", 20);
    EXPECT_EQ(scan.FaultedSpans, 20);
    for (const TSpanLimit& limit : scan.Limits) {
        EXPECT_EQ(limit.LongestSpan, 0);
    }
}

} // namespace
} // namespace cable
