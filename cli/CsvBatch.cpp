#include "CsvBatch.h"

#include "Csv.h"
#include "Request.h"

#include <array>
#include <optional>
#include <string>

namespace cable::cli {
namespace {

// Input columns in output order, with the request text each one fills.
struct TInputColumn {
    const char* Name;
    std::string TInputTexts::*Text;
};
constexpr std::array<TInputColumn, 8> kInputColumns = {{
    {"span", &TInputTexts::Span},
    {"sag", &TInputTexts::SagPercent},
    {"wind_region", &TInputTexts::WindRegion},
    {"ice_region", &TInputTexts::IceRegion},
    {"family", &TInputTexts::Family},
    {"fibres", &TInputTexts::FiberCount},
    {"terrain", &TInputTexts::Terrain},
    {"height", &TInputTexts::SuspensionHeight},
}};

// Result columns in output order, with the field each one shows.
struct TResultColumn {
    const char* Name;
    TOutputField Field;
};
constexpr std::array<TResultColumn, 14> kResultColumns = {{
    {"sag_wind_ice", TOutputField::ofEdit4},
    {"tension_wind_ice", TOutputField::ofEdit6},
    {"sag_plus5", TOutputField::ofEdit16},
    {"tension_plus5", TOutputField::ofEdit15},
    {"long_term_load", TOutputField::ofEdit17},
    {"sag_plus50", TOutputField::ofEdit5},
    {"tension_plus50", TOutputField::ofEdit8},
    {"sag_minus50", TOutputField::ofEdit9},
    {"tension_minus50", TOutputField::ofEdit10},
    {"sag_ice", TOutputField::ofEdit11},
    {"tension_ice", TOutputField::ofEdit12},
    {"sag_wind", TOutputField::ofEdit13},
    {"tension_wind", TOutputField::ofEdit14},
    {"verdict", TOutputField::ofLabel11},
}};

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string OutputHeader() {
    std::string header;
    for (const TInputColumn& c : kInputColumns) {
        header += c.Name;
        header += ',';
    }
    for (const TResultColumn& c : kResultColumns) {
        header += c.Name;
        header += ',';
    }
    return header + "error,rows_examined\n";
}

class TBatch {
public:
    TBatch(std::ostream& out, std::ostream& err, bool trace)
        : out_(out), err_(err), trace_(trace) {}

    void OnRecord(TCsvRecord& record) {
        if (!positions_) {
            MapHeader(record);
            return;
        }
        ++requestNumber_;
        TInputTexts texts;
        std::vector<std::string_view> fields;
        fields.reserve(kInputColumns.size() + kResultColumns.size() + 2); // one allocation
        for (size_t c = 0; c < kInputColumns.size(); ++c) {
            const size_t at = (*positions_)[c];
            texts.*kInputColumns[c].Text = at < record.size() ? record[at] : std::string();
            fields.push_back(texts.*kInputColumns[c].Text);
        }
        const TRequestOutcome outcome = RunRequest(texts, ".");
        for (const TResultColumn& c : kResultColumns) {
            fields.push_back(outcome.Fields.Text(c.Field));
        }
        const std::string rows = RowsExamined(outcome.Trace);
        fields.push_back(outcome.Error);
        fields.push_back(rows);
        AppendCsvRecord(buffer_, fields);
        if (!outcome.Ok()) {
            anyFailed_ = true;
        }
        if (trace_) {
            AppendTrace(traceBuffer_, outcome.Trace, std::to_string(requestNumber_));
        }
        if (buffer_.size() > (1 << 16)) {
            Flush();
        }
    }

    void Flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
        err_.write(traceBuffer_.data(), static_cast<std::streamsize>(traceBuffer_.size()));
        traceBuffer_.clear();
    }

    bool HeaderSeen() const { return positions_.has_value(); }
    bool AnyFailed() const { return anyFailed_; }

private:
    void MapHeader(const TCsvRecord& header) {
        std::array<size_t, kInputColumns.size()> positions{};
        for (size_t c = 0; c < kInputColumns.size(); ++c) {
            positions[c] = header.size();
            for (size_t i = 0; i < header.size(); ++i) {
                if (header[i] == kInputColumns[c].Name) {
                    positions[c] = i;
                    break;
                }
            }
            if (positions[c] == header.size()) {
                throw TUsageError(std::string("the CSV header has no column '") +
                                  kInputColumns[c].Name + "'");
            }
        }
        positions_ = positions;
        buffer_ += OutputHeader();
        if (trace_) {
            traceBuffer_ += TraceHeader("request");
        }
    }

    std::ostream& out_;
    std::ostream& err_;
    bool trace_;
    std::optional<std::array<size_t, kInputColumns.size()>> positions_;
    std::string buffer_;
    std::string traceBuffer_;
    size_t requestNumber_ = 0;
    bool anyFailed_ = false;
};

} // namespace

int RunCsvBatch(std::istream& in, std::ostream& out, std::ostream& err, bool trace) {
    TBatch batch(out, err, trace);
    try {
        ReadCsv(in, [&batch](TCsvRecord& record) { batch.OnRecord(record); });
        if (!batch.HeaderSeen()) {
            throw TUsageError("the CSV input has no header");
        }
    } catch (const std::runtime_error& e) { // TUsageError, TCsvError
        batch.Flush();
        err << "cable-calc: " << e.what() << '\n';
        return kExitUsage;
    }
    batch.Flush();
    out.flush();
    return batch.AnyFailed() ? kExitCalcError : kExitVerdict;
}

} // namespace cable::cli
