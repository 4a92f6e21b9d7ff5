#include "CalcInput.h"
#include "CalcError.h"

#include <gtest/gtest.h>

namespace cable {
namespace {

TEST(ParseCalcInput, DefaultTexts) {
    const TCalcInput in = ParseCalcInput(TInputTexts{}, ".");
    EXPECT_EQ(in.IceRegion, 2);
    EXPECT_EQ(in.FiberCount, 16);
    EXPECT_EQ(in.WindRegion, 2);
    EXPECT_EQ(in.Span, 50);
    EXPECT_EQ(in.SagPercent, 1);
    EXPECT_EQ(in.InitialSag, 0.5);
    EXPECT_EQ(in.SuspensionHeight, 15);
    EXPECT_DOUBLE_EQ(in.ReducedHeight, 15 - 1.0 / 3.0);
    EXPECT_EQ(in.TerrainType, 1);
    EXPECT_EQ(in.FamilyCode, 0);
    EXPECT_EQ(in.FiberClass, 1);
}

TEST(ParseCalcInput, ReportsOnlyTheFirstTextThatDoesNotConvert) {
    struct Case {
        TInputTexts texts;
        const char* message;
    };
    const auto with = [](auto set) {
        TInputTexts t;
        set(t);
        return t;
    };
    const Case cases[] = {
        {with([](TInputTexts& t) {
             t.IceRegion = "abc";
             t.Span = "xyz";
         }),
         "'abc' is not a valid integer value"},
        {with([](TInputTexts& t) {
             t.FiberCount = "16.5";
             t.WindRegion = "x";
         }),
         "'16.5' is not a valid integer value"},
        {with([](TInputTexts& t) { t.WindRegion = "2147483648"; }),
         "'2147483648' is not a valid integer value"},
        {with([](TInputTexts& t) {
             t.Span = "";
             t.SagPercent = "q";
         }),
         "'' is not a valid floating point value"},
        {with([](TInputTexts& t) {
             t.SagPercent = "1%";
             t.SuspensionHeight = "h";
         }),
         "'1%' is not a valid floating point value"},
        {with([](TInputTexts& t) { t.SuspensionHeight = "15 м"; }),
         "'15 м' is not a valid floating point value"},
    };
    for (const Case& c : cases) {
        try {
            ParseCalcInput(c.texts, ".");
            ADD_FAILURE() << "no error for " << c.message;
        } catch (const TCalcError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(ParseCalcInput, SeparatorOfTheLocale) {
    TInputTexts t;
    t.Span = "62,5";
    t.SagPercent = "1,2";
    t.SuspensionHeight = "15,5";
    const TCalcInput in = ParseCalcInput(t, ",");
    EXPECT_EQ(in.Span, 62.5);
    EXPECT_DOUBLE_EQ(in.InitialSag, 0.75);
    EXPECT_DOUBLE_EQ(in.ReducedHeight, 15.0);
    EXPECT_THROW(ParseCalcInput(t, "."), TCalcError);
}

TEST(ParseCalcInput, RegionsOutsideOneToSevenAreNoError) {
    TInputTexts t;
    t.WindRegion = "8";
    t.IceRegion = "-1";
    const TCalcInput in = ParseCalcInput(t, ".");
    EXPECT_EQ(in.WindRegion, 8);
    EXPECT_EQ(in.IceRegion, -1);
}

TEST(ParseCalcInput, OverflowingSagIsAFault) {
    TInputTexts t;
    t.Span = "1e300";
    t.SagPercent = "1e300";
    try {
        ParseCalcInput(t, ".");
        ADD_FAILURE();
    } catch (const TCalcError& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

TEST(TerrainAndFamily, WholeTextCaseSensitiveNoTrimming) {
    EXPECT_EQ(TerrainTypeOf("открытая местность"), 1);
    EXPECT_EQ(TerrainTypeOf("с препятствиями ниже опор"), 2);
    EXPECT_EQ(TerrainTypeOf("с препятствиями выше опор"), 3);
    EXPECT_EQ(TerrainTypeOf("открытая местность "), 0);
    EXPECT_EQ(TerrainTypeOf("Открытая местность"), 0);
    EXPECT_EQ(TerrainTypeOf(""), 0);

    EXPECT_EQ(FamilyCodeOf("АКСа"), 0);
    EXPECT_EQ(FamilyCodeOf("АКСб"), 1);
    EXPECT_EQ(FamilyCodeOf("АКМа"), 2);
    EXPECT_EQ(FamilyCodeOf("АКМб"), 3);
    EXPECT_EQ(FamilyCodeOf("БКМа"), 4);
    EXPECT_EQ(FamilyCodeOf("БКМб"), 5);
    EXPECT_EQ(FamilyCodeOf("АКМа "), 0);
    EXPECT_EQ(FamilyCodeOf("акма"), 0);
    EXPECT_EQ(FamilyCodeOf("AKMa"), 0); // Latin letters
}

TEST(FiberClassOf, BandsOfEachScheme) {
    struct Case {
        int family;
        double fibres;
        int fiberClass;
    };
    for (const Case& c : {
             // АКМб: up to 32, 33..72, 73..96, 97..144, above 144 -> 0
             Case{3, 32, 0},
             Case{3, 33, 1},
             Case{3, 72, 1},
             Case{3, 73, 2},
             Case{3, 96, 2},
             Case{3, 97, 3},
             Case{3, 144, 3},
             Case{3, 145, 0},
             Case{3, 0, 0},
             Case{3, -5, 0},
             Case{2, 100, 3},
             // АКСа: up to 6, 7..36, 37..72, 73..96, 97..144
             Case{0, 6, 0},
             Case{0, 7, 1},
             Case{0, 36, 1},
             Case{0, 37, 2},
             Case{0, 96, 3},
             Case{0, 97, 4},
             Case{0, 144, 4},
             Case{0, 145, 0},
             Case{1, 16, 1},
             // БКМа, БКМб: no classes
             Case{4, 100, 0},
             Case{5, 500, 0},
             Case{5, -1, 0},
         }) {
        EXPECT_EQ(FiberClassOf(c.family, c.fibres), c.fiberClass)
            << "family " << c.family << ", " << c.fibres << " fibres";
    }
}

} // namespace
} // namespace cable
