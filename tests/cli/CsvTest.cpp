#include "Csv.h"

#include <gtest/gtest.h>

#include <sstream>

namespace cable::cli {
namespace {

std::vector<TCsvRecord> Read(const std::string& text) {
    std::istringstream in(text);
    std::vector<TCsvRecord> records;
    ReadCsv(in, [&records](TCsvRecord& r) { records.push_back(r); });
    return records;
}

TEST(ReadCsv, Rfc4180Fields) {
    const auto records = Read("\xEF\xBB\xBF"
                              "a,b,c\r\n"
                              "\"x, y\",\"say \"\"hi\"\"\", z \n"
                              "\"line\nbreak\",,\"АКМа \"");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], (TCsvRecord{"a", "b", "c"}));
    EXPECT_EQ(records[1], (TCsvRecord{"x, y", "say \"hi\"", " z "})); // blanks are kept
    EXPECT_EQ(records[2], (TCsvRecord{"line\nbreak", "", "АКМа "}));
}

TEST(ReadCsv, MalformedInputIsAnError) {
    EXPECT_THROW(Read("a,b\n\"open,c\n"), TCsvError);
    EXPECT_THROW(Read("a,b\nx\"y,c\n"), TCsvError);
}

TEST(AppendCsvField, QuotesOnlyWhereNeeded) {
    struct Case {
        const char* field;
        const char* written;
    };
    for (const Case& c :
         {Case{"1.9", "1.9"}, Case{"", ""}, Case{"a,b", "\"a,b\""},
          Case{"say \"hi\"", "\"say \"\"hi\"\"\""}, Case{"a\nb", "\"a\nb\""},
          Case{"АКМа ", "\"АКМа \""}, Case{" 5", "\" 5\""},
          Case{"Необходимо выбрать кабель на 4кН", "Необходимо выбрать кабель на 4кН"}}) {
        std::string out;
        AppendCsvField(out, c.field);
        EXPECT_EQ(out, c.written);
    }
}

} // namespace
} // namespace cable::cli
