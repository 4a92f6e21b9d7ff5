// Arbitrary bytes into the CSV batch of cable-calc. Checked: no crash and no sanitizer report;
// either a usage error (exit status 2 and a message as the error stream's last line) or a header
// and exactly one result row per request record, each row of the output's width, and nothing on the
// error stream. The trace is requested on every other input by the last byte, so that its
// output is exercised too; it must then be CSV with its header.
#include "Csv.h"
#include "CsvBatch.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace cable::cli;

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "csv-batch-fuzz: %s\n", what.c_str());
    std::abort();
}

// The records of text as the batch's own reader sees them; -1 when it rejects the text.
long CountRecords(const std::string& text, size_t* narrowest, size_t* widest) {
    std::istringstream in(text);
    long records = 0;
    *narrowest = SIZE_MAX;
    *widest = 0;
    try {
        ReadCsv(in, [&](TCsvRecord& record) {
            ++records;
            *narrowest = std::min(*narrowest, record.size());
            *widest = std::max(*widest, record.size());
        });
    } catch (const TCsvError&) {
        return -1;
    }
    return records;
}

constexpr size_t kOutputColumns = 8 + 14 + 2;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const bool trace = size > 0 && (data[size - 1] & 1) != 0;
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCsvBatch(in, out, err, trace);

    if (status == kExitUsage) {
        // With the trace, the rows traced before the error come first.
        std::string message = err.str();
        if (!message.empty()) {
            message.pop_back();
            message = err.str().substr(message.rfind('\n') + 1);
        }
        if (!message.starts_with("cable-calc: ") || !message.ends_with('\n')) {
            Fail("usage error without its message");
        }
        return 0;
    }
    if (status != kExitVerdict && status != kExitCalcError) {
        Fail("unexpected exit status " + std::to_string(status));
    }
    size_t narrowest = 0;
    size_t widest = 0;
    const long inputRecords = CountRecords(input, &narrowest, &widest);
    if (inputRecords < 1) {
        Fail("a batch ran over input its reader rejects or that has no header");
    }
    const long outputRecords = CountRecords(out.str(), &narrowest, &widest);
    if (outputRecords != inputRecords) {
        Fail(std::to_string(inputRecords) + " input records gave " + std::to_string(outputRecords) +
             " output records");
    }
    if (narrowest != kOutputColumns || widest != kOutputColumns) {
        Fail("an output record of " + std::to_string(narrowest) + " to " + std::to_string(widest) +
             " fields");
    }
    if (!trace && !err.str().empty()) {
        Fail("error stream written without trace: " + err.str());
    }
    if (trace) {
        size_t n = 0;
        size_t w = 0;
        const long traceRecords = CountRecords(err.str(), &n, &w);
        if (traceRecords < 1) {
            Fail("trace without its header");
        }
    }
    return 0;
}
