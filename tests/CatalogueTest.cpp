// The six cable families: their tables, the derived columns, and the walk through each of them
// for the requests the catalogue documents.
#include "Catalogue.h"
#include "Calculation.h"
#include "LoadCases.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace cable {
namespace {

// ---------------------------------------------------------------------------------------------
// The tables

struct TFamilyShape {
    int Code;
    const char* Designation;
    std::vector<double> RatedLoads; // kN, by level
    int FiberClassCount;
    TSectionKind SectionKind;
    double TensionFactor;
};

const std::vector<TFamilyShape> kShapes = {
    {0, "АКСа", {3.5, 6, 7, 8, 10, 12, 15, 20, 25, 30}, 5, TSectionKind::skSolid, 0.95},
    {1, "АКСб", {3.5, 6, 7, 8, 10}, 5, TSectionKind::skSolid, 0.95},
    {2, "АКМа", {4, 6}, 4, TSectionKind::skLayered, 1},
    {3, "АКМб", {4, 6, 9, 12}, 4, TSectionKind::skLayered, 0.95},
    {4, "БКМа", {4, 6}, 1, TSectionKind::skLayered, 0.95},
    {5, "БКМб", {4, 6, 9, 12}, 1, TSectionKind::skLayered, 0.95},
};

TEST(CatalogueTest, EveryFamilyKeepsTheRowLayoutAndItsInvariants) {
    for (const TFamilyShape& shape : kShapes) {
        SCOPED_TRACE(shape.Designation);
        const TCableFamily* family = FindFamily(shape.Code);
        ASSERT_NE(family, nullptr);
        EXPECT_EQ(family->FamilyCode, shape.Code);
        EXPECT_EQ(family->Designation, shape.Designation);
        EXPECT_EQ(family->SectionKind, shape.SectionKind);
        EXPECT_EQ(family->TensionFactor, shape.TensionFactor);
        ASSERT_EQ(family->LevelCount, static_cast<int>(shape.RatedLoads.size()));
        ASSERT_EQ(family->FiberClassCount, shape.FiberClassCount);
        ASSERT_EQ(family->Candidates.size(),
                  static_cast<size_t>(family->LevelCount * family->FiberClassCount));

        const bool layered = shape.SectionKind == TSectionKind::skLayered;
        for (int level = 0; level < family->LevelCount; ++level) {
            for (int c = 0; c < family->FiberClassCount; ++c) {
                SCOPED_TRACE("level " + std::to_string(level) + ", class " + std::to_string(c));
                const TCableCandidate& row = family->Candidate(level, c);
                EXPECT_EQ(row.RatedLoad, shape.RatedLoads[static_cast<size_t>(level)]);
                if (layered) {
                    EXPECT_EQ(row.LayerDiameter, family->Candidate(level, 0).LayerDiameter);
                    EXPECT_EQ(row.CoreDiameter, family->Candidate(0, c).CoreDiameter);
                }
                if (level > 0) {
                    const TCableCandidate& below = family->Candidate(level - 1, c);
                    EXPECT_GT(row.RatedLoad, below.RatedLoad);
                    EXPECT_GT(row.PermissibleLoad, below.PermissibleLoad);
                }
            }
        }
    }
}

TEST(CatalogueTest, LayeredFamiliesCarryTheirConstants) {
    struct TCase {
        int Code;
        double Modulus;
        double Alpha;
    };
    for (const TCase& c : {TCase{2, 50, 6e-06}, TCase{3, 125, 1.3e-05}, TCase{4, 50, 6e-06},
                           TCase{5, 125, 1.3e-05}}) {
        const TCableFamily& family = *FindFamily(c.Code);
        SCOPED_TRACE(family.Designation);
        for (const TCableCandidate& row : family.Candidates) {
            EXPECT_EQ(row.Modulus, c.Modulus);
            EXPECT_EQ(row.Alpha, c.Alpha);
            if (family.FiberClassCount == 1) {
                EXPECT_EQ(row.CoreDiameter, 5.7);
                EXPECT_NEAR(row.OuterDiameter, row.LayerDiameter + 7.7, 1e-12);
            }
        }
    }
}

// Values the catalogue states for single rows; the values it lists rounded carry their rounding.
TEST(CatalogueTest, DerivedColumnsMatchTheCataloguedFigures) {
    enum TColumn { cOuterDiameter, cStrengthArea };
    struct TCase {
        int Code;
        int Row;
        TColumn Column;
        double Value;
        double Tolerance;
    };
    const TCase cases[] = {
        {0, 0, cStrengthArea, 128.6144, 1e-9},  {0, 4, cStrengthArea, 283.385, 1e-9},
        {0, 49, cStrengthArea, 314, 1e-9},      {1, 0, cStrengthArea, 130.63185, 1e-9},
        {1, 24, cStrengthArea, 301.5656, 1e-9}, {2, 0, cStrengthArea, 9.61625, 1e-9},
        {2, 7, cStrengthArea, 15.89625, 1e-9},  {2, 0, cOuterDiameter, 17.4, 1e-9},
        {2, 7, cOuterDiameter, 24.1, 1e-9},     {3, 0, cStrengthArea, 3.7994, 5e-5},
        {3, 0, cOuterDiameter, 16.1, 1e-9},     {3, 2, cOuterDiameter, 19.0, 1e-9},
        {3, 14, cOuterDiameter, 20.8, 1e-9},    {3, 12, cStrengthArea, 12.56, 1e-9},
        {3, 13, cStrengthArea, 12.56, 1e-9},    {3, 14, cStrengthArea, 12.56, 1e-9},
        {3, 15, cStrengthArea, 12.56, 1e-9},    {4, 0, cStrengthArea, 6.60185, 1e-9},
        {4, 1, cStrengthArea, 11.93985, 1e-9},  {4, 0, cOuterDiameter, 13.6, 1e-9},
        {4, 1, cOuterDiameter, 14.6, 1e-9},     {5, 0, cStrengthArea, 2.0096, 1e-9},
        {5, 3, cStrengthArea, 9.0746, 5e-5},    {5, 0, cOuterDiameter, 12.3, 1e-9},
        {5, 1, cOuterDiameter, 12.9, 1e-9},     {5, 2, cOuterDiameter, 13.5, 1e-9},
        {5, 3, cOuterDiameter, 14.1, 1e-9},
    };
    for (const TCase& c : cases) {
        const TCableCandidate& row = FindFamily(c.Code)->Candidates.at(static_cast<size_t>(c.Row));
        SCOPED_TRACE("family " + std::to_string(c.Code) + ", row " + std::to_string(c.Row));
        EXPECT_NEAR(c.Column == cStrengthArea ? row.StrengthArea : row.OuterDiameter, c.Value,
                    c.Tolerance);
    }
}

TEST(CatalogueTest, LongTermLoadsMatchTheCataloguedFigures) {
    struct TCase {
        int Code;
        int Row;
        double Value;     // kN
        double Tolerance; // the figure's own rounding
        const char* Shown;
    };
    const TCase cases[] = {
        {0, 0, 2.6832, 5e-5, "2.68"},   {0, 49, 23.3096, 5e-5, "23.3"},
        {1, 0, 2.9394, 5e-5, "2.93"},   {1, 24, 8.1187, 5e-5, "8.11"},
        {4, 0, 3.411852, 1e-9, "3.41"}, {4, 1, 5.564812, 1e-9, "5.56"},
        {5, 0, 3.49808, 1e-9, "3.49"},  {5, 1, 5.55012, 1e-9, "5.55"},
        {5, 2, 8.07912, 1e-9, "8.07"},  {5, 3, 11.06508, 1e-9, "11.06"},
    };
    for (const TCase& c : cases) {
        const TCableCandidate& row = FindFamily(c.Code)->Candidates.at(static_cast<size_t>(c.Row));
        SCOPED_TRACE("family " + std::to_string(c.Code) + ", row " + std::to_string(c.Row));
        EXPECT_NEAR(LongTermLoad(row), c.Value, c.Tolerance);
        EXPECT_EQ(FormatResult(LongTermLoad(row), "."), c.Shown);
    }
}

// The rows a fibre class walks through and the PermissibleLoad its give-up test uses.
TEST(CatalogueTest, FiberClassesWalkTheCataloguedRows) {
    struct TCase {
        int Code;
        int FiberClass;
        std::vector<double> PermissibleLoads; // along the walk; empty: only the give-up value
        double GiveUp;                        // PermissibleLoad of the class's last row
    };
    const TCase cases[] = {
        {0, 1, {3.53, 5.68, 6.76, 7.3, 9.45, 11.06, 13.75, 18.05, 22.89, 27.19}, 27.19},
        {0, 0, {}, 27.15},
        {0, 2, {}, 27.99},
        {0, 4, {}, 27.58},
        {1, 1, {3.44, 6.13, 7.28, 8.05, 9.97}, 9.97},
        {1, 0, {}, 10.12},
        {1, 2, {}, 10.92},
        {1, 4, {}, 9.6},
        {2, 3, {3.8, 6.29}, 6.29},
        {3, 0, {3.73, 6.04, 8.91, 12.33}, 12.33},
        {3, 3, {}, 12.42},
        {4, 0, {3.94, 6.52}, 6.52},
        {5, 0, {3.9, 6.31, 9.31, 12.88}, 12.88},
    };
    for (const TCase& c : cases) {
        const TCableFamily& family = *FindFamily(c.Code);
        SCOPED_TRACE(family.Designation + " class " + std::to_string(c.FiberClass));
        std::vector<double> walked;
        for (int i = family.FirstRow(c.FiberClass); i <= family.LastRow(c.FiberClass);
             i += family.Step()) {
            walked.push_back(family.Candidates.at(static_cast<size_t>(i)).PermissibleLoad);
        }
        EXPECT_EQ(walked.size(), static_cast<size_t>(family.LevelCount));
        if (!c.PermissibleLoads.empty()) {
            EXPECT_EQ(walked, c.PermissibleLoads);
        }
        EXPECT_EQ(walked.back(), c.GiveUp);
    }
}

// ---------------------------------------------------------------------------------------------
// Whole calculations

class TRecordingSink : public TResultSink {
public:
    void Write(TOutputField field, const std::string& text) override {
        Writes.emplace_back(field, text);
    }
    // The text the field shows after the calculation; empty if it was never written.
    std::string Shown(TOutputField field) const {
        std::string text;
        for (const auto& [written, value] : Writes) {
            if (written == field) {
                text = value;
            }
        }
        return text;
    }
    std::vector<std::pair<TOutputField, std::string>> Writes;
};

struct TRun {
    TRecordingSink Sink;
    std::vector<TWalkStep> Trace;
};

TRun Calculate(const TInputTexts& texts) {
    TRun run;
    RunCalculation(texts, ".", run.Sink, &run.Trace);
    return run;
}

TInputTexts Request(const char* family, const char* span = "50", const char* sag = "1",
                    const char* windRegion = "2", const char* iceRegion = "2",
                    const char* fibers = "16") {
    TInputTexts texts; // the window's defaults otherwise
    texts.Family = family;
    texts.Span = span;
    texts.SagPercent = sag;
    texts.WindRegion = windRegion;
    texts.IceRegion = iceRegion;
    texts.FiberCount = fibers;
    return texts;
}

const std::string kGiveUp = kGiveUpVerdict;

struct TExpectedStep {
    int Row;
    std::optional<double> AboutWindIceTension; // kN, "about" to two decimals
};

struct TWalkCase {
    const char* Name;
    TInputTexts Texts;
    std::vector<TExpectedStep> Steps;
    std::string Verdict;
    std::optional<std::string> LongTermLoad; // Edit17 as shown
};

void PrintTo(const TWalkCase& c, std::ostream* os) {
    *os << c.Name;
}

class CatalogueWalkTest : public testing::TestWithParam<TWalkCase> {};

TEST_P(CatalogueWalkTest, ExaminesTheDocumentedRowsAndGivesTheVerdict) {
    const TWalkCase& c = GetParam();
    const TRun run = Calculate(c.Texts);

    std::vector<int> rows;
    for (const TWalkStep& step : run.Trace) {
        rows.push_back(step.Row);
    }
    std::vector<int> expectedRows;
    for (const TExpectedStep& step : c.Steps) {
        expectedRows.push_back(step.Row);
    }
    ASSERT_EQ(rows, expectedRows);
    for (size_t i = 0; i < c.Steps.size(); ++i) {
        if (c.Steps[i].AboutWindIceTension) {
            EXPECT_NEAR(run.Trace[i].WindIceTension, *c.Steps[i].AboutWindIceTension, 0.01)
                << "row " << c.Steps[i].Row;
        }
    }
    EXPECT_EQ(run.Sink.Shown(TOutputField::ofLabel11), c.Verdict);
    if (c.LongTermLoad) {
        EXPECT_EQ(run.Sink.Shown(TOutputField::ofEdit17), *c.LongTermLoad);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, CatalogueWalkTest,
    testing::Values(
        // The window's default request: АКСа, 16 fibres, class 1.
        TWalkCase{
            "AksaDefault", TInputTexts{}, {{1, {}}}, "Необходимо выбрать кабель на 3.5кН", {}},

        // АКМа: the criterion is the wind-and-ice tension itself.
        TWalkCase{
            "AkmaDefault", Request("АКМа"), {{0, 2.54}}, "Необходимо выбрать кабель на 4кН", {}},
        TWalkCase{"AkmaSpan90",
                  Request("АКМа", "90"),
                  {{0, 3.81}, {4, 4.58}},
                  "Необходимо выбрать кабель на 6кН",
                  {}},
        TWalkCase{"AkmaSpan90Above144Fibres",
                  Request("АКМа", "90", "1", "2", "2", "145"),
                  {{0, 3.81}, {4, 4.58}},
                  "Необходимо выбрать кабель на 6кН",
                  {}},
        TWalkCase{"AkmaSpan150", Request("АКМа", "150"), {{0, {}}, {4, 6.57}}, kGiveUp, {}},

        // БКМб: no fibre classes, four rows.
        TWalkCase{
            "BkmbDefault", Request("БКМб"), {{0, {}}}, "Необходимо выбрать кабель на 4кН", "3.49"},
        TWalkCase{"BkmbSpan100Wind4Ice4",
                  Request("БКМб", "100", "1", "4", "4"),
                  {{0, {}}, {1, {}}},
                  "Необходимо выбрать кабель на 6кН",
                  "5.55"},
        TWalkCase{"BkmbSpan150Wind3Ice5",
                  Request("БКМб", "150", "1", "3", "5"),
                  {{0, {}}, {1, {}}, {2, {}}, {3, {}}},
                  "Необходимо выбрать кабель на 12кН",
                  "11.06"},
        TWalkCase{"BkmbSpan150Wind7Ice7",
                  Request("БКМб", "150", "1", "7", "7"),
                  {{0, {}}, {1, {}}, {2, {}}},
                  kGiveUp,
                  "8.07"},
        TWalkCase{"BkmbSpan150Wind7Ice7OneFibre",
                  Request("БКМб", "150", "1", "7", "7", "1"),
                  {{0, {}}, {1, {}}, {2, {}}},
                  kGiveUp,
                  "8.07"},
        TWalkCase{"BkmbSpan150Wind7Ice7With500Fibres",
                  Request("БКМб", "150", "1", "7", "7", "500"),
                  {{0, {}}, {1, {}}, {2, {}}},
                  kGiveUp,
                  "8.07"},

        // БКМа: no fibre classes, two rows.
        TWalkCase{
            "BkmaDefault", Request("БКМа"), {{0, {}}}, "Необходимо выбрать кабель на 4кН", "3.41"},
        TWalkCase{"BkmaSpan100Sag2Wind4Ice4",
                  Request("БКМа", "100", "2", "4", "4"),
                  {{0, {}}, {1, {}}},
                  "Необходимо выбрать кабель на 6кН",
                  "5.56"},
        TWalkCase{"BkmaSpan100Wind7Ice7",
                  Request("БКМа", "100", "1", "7", "7"),
                  {{0, {}}},
                  kGiveUp,
                  "3.41"},
        TWalkCase{"BkmaSpan100Wind3Ice5",
                  Request("БКМа", "100", "1", "3", "5"),
                  {{0, {}}, {1, {}}},
                  kGiveUp,
                  "5.56"},
        TWalkCase{"BkmaSpan100Wind3Ice5With500Fibres",
                  Request("БКМа", "100", "1", "3", "5", "500"),
                  {{0, {}}, {1, {}}},
                  kGiveUp,
                  "5.56"}),
    [](const testing::TestParamInfo<TWalkCase>& info) { return std::string(info.param.Name); });

// A family text that is none of the six designations is calculated with АКСа.
TEST(CatalogueTest, UnknownFamilyTextIsCalculatedAsAksa) {
    const TRun aksa = Calculate(Request("АКСа"));
    for (const char* text : {"АКМа ", "акма", "xyz"}) {
        SCOPED_TRACE(text);
        const TRun run = Calculate(Request(text));
        ASSERT_EQ(run.Trace.size(), 1u);
        EXPECT_EQ(run.Trace[0].Row, 1);
        EXPECT_EQ(run.Sink.Writes, aksa.Sink.Writes);
    }
}

} // namespace
} // namespace cable
