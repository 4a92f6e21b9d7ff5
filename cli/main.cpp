// cable-calc: the calculation of the cable selector from the command line.
#include "CalcError.h"
#include "CalcInput.h"
#include "Catalogue.h"
#include "CsvBatch.h"
#include "HtmlReport.h"
#include "NumberText.h"
#include "Request.h"
#include "SpanLimits.h"
#include "Stringing.h"
#include "Tables.h"
#include "TextReport.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <optional>

namespace {

using namespace cable;
using namespace cable::cli;

// The eight request options, each a text read exactly as the window's field.
void AddRequestOptions(CLI::App& app, TInputTexts& texts,
                       std::vector<CLI::Option*>* added = nullptr) {
    const std::initializer_list<std::tuple<const char*, std::string*, const char*>> options = {
        {"--span", &texts.Span, "span between supports, m"},
        {"--sag", &texts.SagPercent, "sag at +20 °C, % of the span"},
        {"--wind", &texts.WindRegion, "wind region, 1..7"},
        {"--ice", &texts.IceRegion, "ice region, 1..7"},
        {"--family", &texts.Family, "cable family: АКСа АКСб АКМа АКМб БКМа БКМб"},
        {"--fibres", &texts.FiberCount, "number of fibres"},
        {"--terrain", &texts.Terrain,
         "terrain: \"открытая местность\", \"с препятствиями ниже опор\", "
         "\"с препятствиями выше опор\""},
        {"--height", &texts.SuspensionHeight, "suspension height, m"},
    };
    for (const auto& [name, text, help] : options) {
        CLI::Option* option = app.add_option(name, *text, help)->capture_default_str();
        if (added != nullptr) {
            added->push_back(option);
        }
    }
}

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A number option of the tool itself, read with '.' whatever the locale.
double NumberOption(const std::string& text, const char* name) {
    try {
        return ParseReal(text, ".");
    } catch (const TCalcError&) {
        throw TUsageError(std::string(name) + " takes a number, not '" + text + "'");
    }
}

int CalcFailure(const std::string& message) {
    std::cerr << message << '\n';
    return kExitCalcError;
}

int RunSingle(const TInputTexts& texts, bool trace) {
    const TRequestOutcome outcome = RunRequest(texts, ".");
    std::cout << FormatTextReport(outcome.Fields);
    if (trace) {
        std::string table = TraceHeader("");
        AppendTrace(table, outcome.Trace, "");
        std::cout << '\n' << table;
    }
    std::cout.flush();
    return outcome.Ok() ? kExitVerdict : CalcFailure(outcome.Error);
}

int RunBatch(const std::string& path, bool trace) {
    if (path.empty() || path == "-") {
        return RunCsvBatch(std::cin, std::cout, std::cerr, trace);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw TUsageError("cannot open '" + path + "'");
    }
    return RunCsvBatch(file, std::cout, std::cerr, trace);
}

const TCableFamily& RequestFamily(const TInputTexts& texts) {
    return *FindFamily(FamilyCodeOf(texts.Family));
}

struct TStringingOptions {
    TInputTexts texts;
    std::optional<int> row;
    std::string from = "-50", to = "50", step = "5";
    bool csv = false;
};

int RunStringingCommand(const TStringingOptions& o) {
    const TCableFamily& family = RequestFamily(o.texts);
    if (o.row && (*o.row < 0 || *o.row >= static_cast<int>(family.Candidates.size()))) {
        throw TUsageError("--row " + std::to_string(*o.row) + " is outside the table of " +
                          family.Designation + " (rows 0 to " +
                          std::to_string(family.Candidates.size() - 1) + ")");
    }
    const double from = NumberOption(o.from, "--from");
    const double to = NumberOption(o.to, "--to");
    const double step = NumberOption(o.step, "--step");
    if (!(step > 0)) {
        throw TUsageError("--step must be positive");
    }
    if (from > to) {
        throw TUsageError("--from must not exceed --to");
    }
    if ((to - from) / step > 10000) {
        throw TUsageError("more than 10000 temperatures: take a larger --step");
    }
    try {
        const TStringing stringing =
            RunStringing(o.texts, ".", o.row, TemperatureSteps(from, to, step));
        std::cout << (o.csv ? StringingCsv(stringing)
                            : StringingTableText(stringing, family.Designation));
        return kExitVerdict;
    } catch (const TCalcError& e) {
        if (e.Kind() == TCalcErrorKind::ekNoCable) {
            return CalcFailure(std::string(e.what()) + "\nNo cable of the family fits: give a "
                                                       "catalogue row with --row to tabulate it.");
        }
        return CalcFailure(e.what());
    }
}

int RunSpansCommand(const TInputTexts& texts, bool csv) {
    constexpr int kMaxSpan = 1000;
    try {
        const TSpanScan scan = ScanSpanLimits(texts, ".", kMaxSpan);
        const TCalcInput input = ParseCalcInput(texts, ".");
        std::cout << (csv ? SpanCsv(scan)
                          : SpanTableText(scan, RequestFamily(texts).Designation,
                                          static_cast<int>(input.FiberClass), kMaxSpan));
        return kExitVerdict;
    } catch (const TCalcError& e) {
        return CalcFailure(e.what());
    }
}

int RunReportCommand(const TInputTexts& texts, const std::string& path) {
    TReportData data;
    try {
        data = CollectReport(texts);
    } catch (const TCalcError& e) {
        return CalcFailure(e.what());
    }
    std::ofstream file(path, std::ios::binary);
    file << RenderHtmlReport(data);
    if (!file.flush()) {
        throw TUsageError("cannot write '" + path + "'");
    }
    return kExitVerdict;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app{"Chooses the rated tensile load of a self-supporting optical cable for a span, "
                 "by the climatic loads of PUE-7 chapter 2.5.\n"
                 "Each request option is a text read exactly as the window's field.",
                 "cable-calc"};
    app.set_version_flag("--version", "cable-calc 3.2");
    app.require_subcommand(0, 1);

    TInputTexts texts;
    std::vector<CLI::Option*> request;
    AddRequestOptions(app, texts, &request);
    std::string csvPath;
    CLI::Option* csv =
        app.add_option("--csv", csvPath,
                       "read requests as CSV from FILE (standard input when omitted or '-') "
                       "and write one result row per request")
            ->expected(0, 1)
            ->type_name("[FILE]");
    for (CLI::Option* option : request) {
        csv->excludes(option);
    }
    bool trace = false;
    app.add_flag("--trace", trace,
                 "list every candidate examined: row, rated load, wind-and-ice tension, "
                 "criterion, permissible loads, decision (to standard error with --csv)");

    TStringingOptions stringing;
    CLI::App* stringingCommand = app.add_subcommand(
        "stringing", "sag and tension of the bare cable the walk chooses, by temperature");
    AddRequestOptions(*stringingCommand, stringing.texts);
    stringingCommand->add_option("--row", stringing.row, "tabulate this catalogue row instead");
    stringingCommand->add_option("--from", stringing.from, "first temperature, °C")
        ->capture_default_str();
    stringingCommand->add_option("--to", stringing.to, "last temperature, °C")
        ->capture_default_str();
    stringingCommand->add_option("--step", stringing.step, "temperature step, °C")
        ->capture_default_str();
    stringingCommand->add_flag("--csv-out", stringing.csv,
                               "write CSV: temperature,sag,tension (m and kN)");

    TInputTexts spansTexts;
    bool spansCsv = false;
    CLI::App* spansCommand = app.add_subcommand(
        "spans", "the longest whole span, 1 to 1000 m, that each level of the class can take");
    AddRequestOptions(*spansCommand, spansTexts);
    spansCommand->add_flag("--csv-out", spansCsv, "write CSV: level,rated_load,longest_span");

    TInputTexts reportTexts;
    std::string reportPath;
    CLI::App* reportCommand =
        app.add_subcommand("report", "write the whole calculation as one printable HTML page");
    AddRequestOptions(*reportCommand, reportTexts);
    reportCommand->add_option("--out", reportPath, "the HTML file to write")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    }
    try {
        if (*stringingCommand) {
            return RunStringingCommand(stringing);
        }
        if (*spansCommand) {
            return RunSpansCommand(spansTexts, spansCsv);
        }
        if (*reportCommand) {
            return RunReportCommand(reportTexts, reportPath);
        }
        if (csv->count() > 0) {
            return RunBatch(csvPath, trace);
        }
        return RunSingle(texts, trace);
    } catch (const TUsageError& e) {
        std::cerr << "cable-calc: " << e.what() << '\n';
        return kExitUsage;
    }
}
