#include "TextReport.h"

#include <gtest/gtest.h>

namespace cable::cli {
namespace {

TEST(FormatTextReport, LeavesOutFieldsNotWritten) {
    TFieldTexts fields;
    fields.Write(TOutputField::ofEdit4, "1.9");
    fields.Write(TOutputField::ofEdit6, "2.5");
    const std::string report = FormatTextReport(fields);
    EXPECT_NE(report.find("    Максимальная стрела провиса, м: 1.9\n"
                          "    Максимальная растягивающая нагрузка кН: 2.5\n"),
              std::string::npos);
    EXPECT_EQ(report.find("Растягивающая нагрузка, кН:"), std::string::npos);
    EXPECT_EQ(report.find("Необходимо"), std::string::npos);
}

} // namespace
} // namespace cable::cli
