#include "CsvBatch.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cable::cli {
namespace {

struct BatchRun {
    int status;
    std::string out;
    std::string err;
};

BatchRun RunBatch(const std::string& input, bool trace = false) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCsvBatch(in, out, err, trace);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

const char* const kHeader =
    "span,sag,wind_region,ice_region,family,fibres,terrain,height,sag_wind_ice,tension_wind_ice,"
    "sag_plus5,tension_plus5,long_term_load,sag_plus50,tension_plus50,sag_minus50,"
    "tension_minus50,sag_ice,tension_ice,sag_wind,tension_wind,verdict,error,rows_examined";

TEST(RunCsvBatch, AkmbExamplesAndErrorsRowByRow) {
    // Columns in another order than the output's.
    const BatchRun run = RunBatch("family,span,sag,wind_region,ice_region,fibres,terrain,height\n"
                                  "АКМб,50,1,2,2,16,открытая местность,15\n"
                                  "АКМб,100,1,2,2,16,открытая местность,15\n"
                                  "АКМб,200,1,7,7,16,открытая местность,15\n"
                                  "АКМб,xyz,1,2,abc,16,открытая местность,15\n"
                                  "АКМб,50,0,2,2,16,открытая местность,15\n"
                                  "АКМб,80,1,2,3,100,открытая местность,15\n");
    EXPECT_EQ(run.status, kExitCalcError); // some requests failed
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], kHeader);
    EXPECT_EQ(lines[1], "50,1,2,2,АКМб,16,открытая местность,15,1.9,2.5,0.45,0.7,2.97,0.61,0.51,"
                        "0.31,0.99,1.78,2.27,0.89,1.06,Необходимо выбрать кабель на 4кН,,0");
    EXPECT_EQ(lines[2].substr(lines[2].find(",15,") + 4, 10), "3.99,4.79,");
    EXPECT_NE(lines[2].find(",4.8,"), std::string::npos);
    EXPECT_TRUE(lines[2].ends_with(",Необходимо выбрать кабель на 6кН,,0 4"));
    EXPECT_TRUE(lines[3].starts_with("200,1,7,7,АКМб,16,открытая местность,15,20.57,16.03,"));
    EXPECT_TRUE(
        lines[3].ends_with(",Невозможно подобрать необходимый кабель. Измените условия!,,0"));
    EXPECT_EQ(lines[4], "xyz,1,2,abc,АКМб,16,открытая местность,15,,,,,,,,,,,,,,,"
                        "'abc' is not a valid integer value,");
    EXPECT_EQ(lines[5], "50,0,2,2,АКМб,16,открытая местность,15,,,,,,,,,,,,,,,"
                        "Floating point division by zero,0"); // the faulting row is listed
    EXPECT_TRUE(lines[6].ends_with(",Необходимо выбрать кабель на 6кН,,3 7"));
}

TEST(RunCsvBatch, AllVerdictsExitZeroAndQuoteOnOutput) {
    const BatchRun run = RunBatch("span,sag,wind_region,ice_region,family,fibres,terrain,height\r\n"
                                  "50,1,2,2,\"АКМа \",16,\"открытая местность\",15\r\n");
    EXPECT_EQ(run.status, kExitVerdict);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    // "АКМа " with its blank is no designation: АКСа is calculated, class 1, row 1.
    EXPECT_TRUE(lines[1].starts_with("50,1,2,2,\"АКМа \",16,открытая местность,15,"));
    EXPECT_TRUE(lines[1].ends_with(",Необходимо выбрать кабель на 3.5кН,,1"));
}

TEST(RunCsvBatch, UsageErrors) {
    const BatchRun missing =
        RunBatch("span,sag,wind_region,family,fibres,terrain,height\n50,1,2,АКМб,16,x,15\n");
    EXPECT_EQ(missing.status, kExitUsage);
    EXPECT_NE(missing.err.find("'ice_region'"), std::string::npos);
    EXPECT_EQ(RunBatch("").status, kExitUsage);
    EXPECT_EQ(RunBatch("span,sag\n\"unterminated").status, kExitUsage);
}

TEST(RunCsvBatch, TraceGoesToTheErrorStream) {
    const BatchRun run = RunBatch("span,sag,wind_region,ice_region,family,fibres,terrain,height\n"
                                  "100,1,2,2,АКМб,16,открытая местность,15\n",
                                  true);
    const auto trace = Lines(run.err);
    ASSERT_EQ(trace.size(), 3u);
    EXPECT_EQ(trace[0], "request,row,rated_load,tension_wind_ice,criterion,permissible_load,"
                        "last_permissible_load,decision");
    EXPECT_TRUE(trace[1].starts_with("1,0,4,"));
    EXPECT_NE(trace[1].find(",3.73,12.33,next level"), std::string::npos);
    EXPECT_TRUE(trace[2].starts_with("1,4,6,"));
    EXPECT_TRUE(trace[2].ends_with(",6.04,12.33,chosen"));
}

} // namespace
} // namespace cable::cli
