// cable-calc: the calculation of the cable selector from the command line.
#include "CalcInput.h"
#include "CsvBatch.h"
#include "Request.h"
#include "TextReport.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

namespace {

using namespace cable;
using namespace cable::cli;

int RunSingle(const TInputTexts& texts, bool trace) {
    const TRequestOutcome outcome = RunRequest(texts, ".");
    std::cout << FormatTextReport(outcome.Fields);
    if (trace) {
        std::string table = TraceHeader("");
        AppendTrace(table, outcome.Trace, "");
        std::cout << '\n' << table;
    }
    std::cout.flush();
    if (!outcome.Ok()) {
        std::cerr << outcome.Error << '\n';
        return kExitCalcError;
    }
    return kExitVerdict;
}

int RunBatch(const std::string& path, bool trace) {
    if (path.empty() || path == "-") {
        return RunCsvBatch(std::cin, std::cout, std::cerr, trace);
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "cable-calc: cannot open '" << path << "'\n";
        return kExitUsage;
    }
    return RunCsvBatch(file, std::cout, std::cerr, trace);
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app{"Chooses the rated tensile load of a self-supporting optical cable for a span, "
                 "by the climatic loads of PUE-7 chapter 2.5.\n"
                 "Each request option is a text read exactly as the window's field.",
                 "cable-calc"};
    app.set_version_flag("--version", "cable-calc 3.2");

    TInputTexts texts;
    std::vector<CLI::Option*> request = {
        app.add_option("--span", texts.Span, "span between supports, m")->capture_default_str(),
        app.add_option("--sag", texts.SagPercent, "sag at +20 °C, % of the span")
            ->capture_default_str(),
        app.add_option("--wind", texts.WindRegion, "wind region, 1..7")->capture_default_str(),
        app.add_option("--ice", texts.IceRegion, "ice region, 1..7")->capture_default_str(),
        app.add_option("--family", texts.Family, "cable family: АКСа АКСб АКМа АКМб БКМа БКМб")
            ->capture_default_str(),
        app.add_option("--fibres", texts.FiberCount, "number of fibres")->capture_default_str(),
        app.add_option("--terrain", texts.Terrain,
                       "terrain: \"открытая местность\", \"с препятствиями ниже опор\", "
                       "\"с препятствиями выше опор\"")
            ->capture_default_str(),
        app.add_option("--height", texts.SuspensionHeight, "suspension height, m")
            ->capture_default_str(),
    };

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
    if (csv->count() > 0) {
        return RunBatch(csvPath, trace);
    }
    return RunSingle(texts, trace);
}
