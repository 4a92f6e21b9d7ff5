#include "HtmlReport.h"

#include "Calculation.h"
#include "Catalogue.h"
#include "FieldTexts.h"
#include "FpCheck.h"
#include "NumberText.h"
#include "Tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace cable::cli {
namespace {

// An SVG coordinate: fixed, two decimals, independent of any locale.
std::string Coord(double v) {
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2);
    return ec == std::errc() ? std::string(buffer, end) : "0";
}

std::string General(double v) {
    return FormatGeneral(v, ".");
}

// A tick step of 1, 2 or 5 times a power of ten giving about `count` intervals over `range`.
double NiceStep(double range, int count) {
    const double raw = range / count;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10 * power;
}

std::string_view DecisionText(TWalkDecision decision) {
    switch (decision) {
    case TWalkDecision::wdChosen:
        return "выбран";
    case TWalkDecision::wdGiveUp:
        return "подобрать невозможно";
    case TWalkDecision::wdNextLevel:
        return "следующий уровень";
    case TWalkDecision::wdEndOfClass:
        return "последний в классе";
    case TWalkDecision::wdFault:
        break;
    }
    return "ошибка вычисления";
}

void Row(std::string& out, std::initializer_list<std::string_view> cells, bool header = false) {
    out += "<tr>";
    for (std::string_view cell : cells) {
        out += header ? "<th>" : "<td>";
        out += EscapeHtml(cell);
        out += header ? "</th>" : "</td>";
    }
    out += "</tr>\n";
}

constexpr std::array<const char*, kLoadCaseCount> kCurveColours = {"#c0392b", "#2471a3", "#d68910",
                                                                   "#17a589", "#7d3c98", "#566573"};

} // namespace

std::string EscapeHtml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

TReportData CollectReport(const TInputTexts& texts) {
    TReportData data;
    data.Texts = texts;
    TFieldTexts unused;
    data.Result = RunCalculation(texts, ".", unused, &data.Trace);
    ClearFpFlags();
    data.Input = ParseCalcInput(texts, ".");
    data.Site = ComputeSiteClimate(data.Input);
    const TCableFamily& family = *FindFamily(static_cast<int>(data.Input.FamilyCode));
    data.Designation = family.Designation;
    data.Cable = family.Candidates.at(static_cast<size_t>(data.Trace.back().Row));
    data.Stringing = ComputeStringingTable(data.Input, data.Cable, TemperatureSteps(-50, 50, 5));
    return data;
}

std::string SpanDrawingSvg(double span, const TCalcResult& result) {
    const double maxSag = *std::max_element(result.Sag.begin(), result.Sag.end());
    if (!(span > 0) || !(maxSag > 0)) {
        return "<p>Пролет без провисания не изображается.</p>\n";
    }
    constexpr double kWidth = 640, kHeight = 330;
    constexpr double kLeft = 70, kRight = 30, kTop = 30, kPlotHeight = 180;
    const double plotWidth = kWidth - kLeft - kRight;
    const double xScale = plotWidth / span;     // px per metre along the span
    const double yScale = kPlotHeight / maxSag; // px per metre of sag
    const auto x = [&](double metres) { return Coord(kLeft + metres * xScale); };
    const auto y = [&](double metres) { return Coord(kTop + metres * yScale); };

    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Coord(kWidth) +
                      "\" height=\"" + Coord(kHeight) + "\" viewBox=\"0 0 " + Coord(kWidth) + " " +
                      Coord(kHeight) + "\" font-family=\"sans-serif\" font-size=\"11\">\n";
    svg += "<title>Кривые провисания в пролете " + General(span) + " м</title>\n";

    // Vertical scale: sag in metres below the line of the supports.
    const double sagStep = NiceStep(maxSag, 4);
    for (double s = 0; s <= maxSag + sagStep * 1e-9; s += sagStep) {
        svg += "<line x1=\"" + x(0) + "\" y1=\"" + y(s) + "\" x2=\"" + x(span) + "\" y2=\"" + y(s) +
               "\" stroke=\"#ddd\"/>";
        svg += "<text x=\"" + Coord(kLeft - 6) + "\" y=\"" + Coord(kTop + s * yScale + 4) +
               "\" text-anchor=\"end\">" + General(s) + "</text>\n";
    }
    svg += "<text x=\"12\" y=\"" + Coord(kTop + kPlotHeight / 2) + "\" transform=\"rotate(-90 12 " +
           Coord(kTop + kPlotHeight / 2) + ")\" text-anchor=\"middle\">стрела провиса, м</text>\n";

    // Horizontal scale along the span.
    const double spanStep = NiceStep(span, 5);
    const double axisY = kTop + kPlotHeight + 18;
    svg += "<line x1=\"" + x(0) + "\" y1=\"" + Coord(axisY) + "\" x2=\"" + x(span) + "\" y2=\"" +
           Coord(axisY) + "\" stroke=\"#000\"/>";
    for (double d = 0; d <= span + spanStep * 1e-9; d += spanStep) {
        svg += "<line x1=\"" + x(d) + "\" y1=\"" + Coord(axisY) + "\" x2=\"" + x(d) + "\" y2=\"" +
               Coord(axisY + 4) + "\" stroke=\"#000\"/><text x=\"" + x(d) + "\" y=\"" +
               Coord(axisY + 16) + "\" text-anchor=\"middle\">" + General(d) + "</text>\n";
    }
    svg += "<text x=\"" + x(span / 2) + "\" y=\"" + Coord(axisY + 32) +
           "\" text-anchor=\"middle\">пролет " + General(span) +
           " м; вертикальный масштаб увеличен в " + General(std::round(yScale / xScale)) +
           " раз</text>\n";

    // The supports, and each case's parabola: a quadratic Bézier with its control point at twice
    // the sag is exactly the parabola through both suspension points with that sag at midspan.
    for (double d : {0.0, span}) {
        svg += "<line x1=\"" + x(d) + "\" y1=\"" + Coord(kTop - 15) + "\" x2=\"" + x(d) +
               "\" y2=\"" + Coord(kTop + kPlotHeight + 8) +
               "\" stroke=\"#000\" stroke-width=\"4\"/>\n";
    }
    for (size_t i = 0; i < kLoadCases.size(); ++i) {
        svg += "<path d=\"M " + x(0) + " " + y(0) + " Q " + x(span / 2) + " " +
               y(2 * result.Sag[i]) + " " + x(span) + " " + y(0) + "\" fill=\"none\" stroke=\"" +
               kCurveColours[i] + "\" stroke-width=\"1.5\"><title>" +
               EscapeHtml(kLoadCases[i].Heading) + ": " + FormatResult(result.Sag[i], ".") +
               " м</title></path>\n";
    }
    svg += "</svg>\n";
    return svg;
}

std::string RenderHtmlReport(const TReportData& data) {
    const TCalcResult& r = data.Result;
    std::string out = R"(<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<title>Выбор оптического кабеля: отчет</title>
<style>
@page { size: A4; margin: 15mm; }
body { font-family: "Liberation Sans", Arial, sans-serif; font-size: 10pt; color: #000; max-width: 180mm; margin: 0 auto; }
h1 { font-size: 15pt; margin: 0 0 4mm; }
h2 { font-size: 12pt; margin: 6mm 0 2mm; page-break-after: avoid; }
table { border-collapse: collapse; page-break-inside: avoid; }
th, td { border: 1px solid #888; padding: 1mm 2mm; text-align: left; vertical-align: top; }
.verdict { font-weight: bold; color: #b00; font-size: 12pt; }
.legend span { display: inline-block; width: 8mm; height: 0; border-top: 2px solid; vertical-align: middle; margin-right: 1mm; }
figure { margin: 0; page-break-inside: avoid; }
</style>
</head>
<body>
<h1>Выбор оптического кабеля</h1>
)";
    out += "<p class=\"verdict\">" + EscapeHtml(r.Verdict) + "</p>\n";

    out += "<h2>Исходные данные</h2>\n<table>\n";
    Row(out, {"Величина", "Текст", "Значение"}, true);
    const TInputTexts& t = data.Texts;
    const TCalcInput& in = data.Input;
    Row(out, {"Расстояние между опорами, м", t.Span, General(in.Span)});
    Row(out, {"Стрела провиса при t=20С, % от длины", t.SagPercent, General(in.SagPercent)});
    Row(out, {"Стрела провиса при t=20С, м", "", General(in.InitialSag)});
    Row(out, {"Район по ветровому давлению", t.WindRegion, std::to_string(in.WindRegion)});
    Row(out, {"Район по гололеду", t.IceRegion, std::to_string(in.IceRegion)});
    Row(out, {"Тип кабеля", t.Family, data.Designation});
    Row(out, {"Число волокон", t.FiberCount, General(in.FiberCount)});
    Row(out, {"Класс по числу волокон", "", General(in.FiberClass)});
    Row(out, {"Тип местности", t.Terrain, std::to_string(in.TerrainType)});
    Row(out, {"Высота подвеса, м", t.SuspensionHeight, General(in.SuspensionHeight)});
    Row(out, {"Приведенная высота, м", "", General(in.ReducedHeight)});
    out += "</table>\n";

    out += "<h2>Климатические коэффициенты (ПУЭ-7, гл. 2.5)</h2>\n<table>\n";
    const TSiteClimate& s = data.Site;
    Row(out, {"W0, Па", "Wг, Па", "Cx", "αw", "Kl", "Kw", "bэ, мм", "Ki", "Kd"}, true);
    Row(out, {General(s.W0), General(s.WIce), General(s.Cx), General(s.AlphaW), General(s.Kl),
              General(s.Kw), General(s.IceWall), General(s.Ki), General(s.Kd)});
    out += "</table>\n";

    out += "<h2>Ход подбора</h2>\n<table>\n";
    Row(out,
        {"Строка", "Номинальная нагрузка, кН", "Тяжение при ветре с гололедом, кН", "Критерий, кН",
         "Допустимая нагрузка строки, кН", "Допустимая нагрузка последней строки класса, кН",
         "Решение"},
        true);
    for (const TWalkStep& step : data.Trace) {
        Row(out, {std::to_string(step.Row), General(step.RatedLoad), General(step.WindIceTension),
                  General(step.Criterion), General(step.PermissibleLoad),
                  General(step.LastPermissibleLoad), DecisionText(step.Decision)});
    }
    out += "</table>\n";

    out += "<h2>Режимы последнего рассмотренного кабеля: строка " +
           std::to_string(data.Trace.back().Row) + ", " + General(data.Cable.RatedLoad) +
           " кН</h2>\n<table>\n";
    Row(out, {"Режим", "Температура, °С", "Стрела провиса, м", "Растягивающая нагрузка, кН"}, true);
    for (size_t i = 0; i < kLoadCases.size(); ++i) {
        Row(out, {kLoadCases[i].Heading, General(kLoadCases[i].Temperature),
                  FormatResult(r.Sag[i], "."), FormatResult(r.Tension[i], ".")});
    }
    out += "</table>\n<p>Длительно допустимая растягивающая нагрузка, кН: " +
           FormatResult(r.LongTermLoad, ".") + "</p>\n";

    out += "<h2>Монтажная таблица (собственный вес кабеля)</h2>\n<table>\n";
    Row(out, {"Температура, °С", "Стрела провиса, м", "Тяжение, кН"}, true);
    for (const auto& row : StringingRows(data.Stringing)) {
        Row(out, {row[0], row[1], row[2]});
    }
    out += "</table>\n";

    out += "<h2>Пролет и кривые провисания</h2>\n<figure>\n" + SpanDrawingSvg(in.Span, r);
    out += "<figcaption class=\"legend\">\n";
    for (size_t i = 0; i < kLoadCases.size(); ++i) {
        out += "<div><span style=\"border-color: " + std::string(kCurveColours[i]) + "\"></span>" +
               EscapeHtml(kLoadCases[i].Heading) + ": " + FormatResult(r.Sag[i], ".") +
               " м</div>\n";
    }
    out += "</figcaption>\n</figure>\n</body>\n</html>\n";
    return out;
}

} // namespace cable::cli
