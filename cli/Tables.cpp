#include "Tables.h"

#include "Csv.h"
#include "LoadCases.h"
#include "NumberText.h"

namespace cable::cli {
namespace {

size_t CharacterCount(std::string_view text) {
    size_t count = 0;
    for (unsigned char c : text) {
        count += (c & 0xC0) != 0x80; // every byte but UTF-8 continuation bytes
    }
    return count;
}

std::string Csv(const std::vector<std::vector<std::string>>& rows, const char* header) {
    std::string out = header;
    out += '\n';
    for (const auto& row : rows) {
        AppendCsvRecord(out, std::vector<std::string_view>(row.begin(), row.end()));
    }
    return out;
}

} // namespace

std::string FormatColumns(const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], CharacterCount(row[c]));
        }
    }
    std::string out;
    for (const auto& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) {
            out += row[c];
            if (c + 1 < row.size()) {
                out.append(widths[c] - CharacterCount(row[c]) + 2, ' ');
            }
        }
        out += '\n';
    }
    return out;
}

std::vector<std::vector<std::string>> StringingRows(const std::vector<TStringingPoint>& points) {
    std::vector<std::vector<std::string>> rows;
    for (const TStringingPoint& p : points) {
        rows.push_back({FormatGeneral(p.Temperature, "."), FormatResult(p.Sag, "."),
                        FormatResult(p.Tension, ".")});
    }
    return rows;
}

std::string StringingTableText(const TStringing& stringing, std::string_view designation) {
    std::vector<std::vector<std::string>> rows = {
        {"Температура, °С", "Стрела провиса, м", "Тяжение, кН"}};
    for (auto& row : StringingRows(stringing.Points)) {
        rows.push_back(std::move(row));
    }
    return "Монтажная таблица: " + std::string(designation) + ", строка каталога " +
           std::to_string(stringing.Row) + ", номинальная нагрузка " +
           FormatGeneral(stringing.Cable.RatedLoad, ".") + " кН\n" + FormatColumns(rows);
}

std::string StringingCsv(const TStringing& stringing) {
    return Csv(StringingRows(stringing.Points), kStringingCsvHeader);
}

std::vector<std::vector<std::string>> SpanRows(const TSpanScan& scan) {
    std::vector<std::vector<std::string>> rows;
    for (const TSpanLimit& limit : scan.Limits) {
        rows.push_back({std::to_string(limit.Level), FormatGeneral(limit.RatedLoad, "."),
                        limit.LongestSpan > 0 ? std::to_string(limit.LongestSpan) : "—"});
    }
    return rows;
}

std::string SpanTableText(const TSpanScan& scan, std::string_view designation, int fiberClass,
                          int maxSpan) {
    std::vector<std::vector<std::string>> rows = {
        {"Уровень", "Номинальная нагрузка, кН", "Наибольший пролет, м"}};
    for (auto& row : SpanRows(scan)) {
        rows.push_back(std::move(row));
    }
    std::string out = "Наибольшие пролеты от 1 до " + std::to_string(maxSpan) +
                      " м: " + std::string(designation) + ", класс волокон " +
                      std::to_string(fiberClass) + "\n" + FormatColumns(rows);
    if (scan.FaultedSpans > 0) {
        out +=
            "* Пролетов пропущено из-за ошибки вычисления: " + std::to_string(scan.FaultedSpans) +
            "\n";
    }
    return out;
}

std::string SpanCsv(const TSpanScan& scan) {
    return Csv(SpanRows(scan), kSpansCsvHeader);
}

} // namespace cable::cli
