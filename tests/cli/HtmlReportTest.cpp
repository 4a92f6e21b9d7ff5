#include "HtmlReport.h"

#include <gtest/gtest.h>

namespace cable::cli {
namespace {

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

TEST(HtmlReport, HoldsVerdictTablesAndDrawing) {
    TInputTexts texts;
    texts.Family = "АКМб";
    texts.Span = "100";
    const std::string html = RenderHtmlReport(CollectReport(texts));
    EXPECT_NE(html.find("<p class=\"verdict\">Необходимо выбрать кабель на 6кН</p>"),
              std::string::npos);
    // The walk: rows 0 and 4; the six cases of row 4 with the window's headings.
    EXPECT_NE(html.find("<td>следующий уровень</td>"), std::string::npos);
    EXPECT_NE(html.find("<tr><td>Режим: максимальный ветер и максимальный гололед</td><td>-5</td>"
                        "<td>3.99</td><td>4.79</td></tr>"),
              std::string::npos);
    EXPECT_NE(html.find("Длительно допустимая растягивающая нагрузка, кН: 4.8"), std::string::npos);
    // The stringing table from -50 to +50 °C: 21 rows, +20 °C at the requested sag of 1 m.
    EXPECT_NE(html.find("<tr><td>20</td><td>1</td>"), std::string::npos);
    EXPECT_EQ(Count(html, "<svg "), 1u);
    EXPECT_EQ(Count(html, "<path "), 6u);
    // Self-contained: nothing fetched, nothing run.
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("src="), std::string::npos);
    EXPECT_EQ(html.find("href="), std::string::npos);
}

TEST(HtmlReport, EscapesTheUsersTexts) {
    TInputTexts texts;
    texts.Family = "<script>alert(1)</script>";
    texts.Terrain = "\"><img src=x>";
    const std::string html = RenderHtmlReport(CollectReport(texts));
    EXPECT_EQ(html.find("<script>"), std::string::npos);
    EXPECT_EQ(html.find("<img"), std::string::npos);
    EXPECT_NE(html.find("&lt;script&gt;alert(1)&lt;/script&gt;"), std::string::npos);
}

} // namespace
} // namespace cable::cli
