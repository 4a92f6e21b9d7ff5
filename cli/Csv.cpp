#include "Csv.h"

#include <csv.h>

#include <algorithm>
#include <memory>

namespace cable::cli {
namespace {

struct TParseState {
    TCsvRecord record;
    const std::function<void(TCsvRecord&)>* onRecord;
};

void OnField(void* data, size_t length, void* state) {
    auto* s = static_cast<TParseState*>(state);
    s->record.emplace_back(data ? static_cast<const char*>(data) : "", data ? length : 0);
}

void OnRecordEnd(int, void* state) {
    auto* s = static_cast<TParseState*>(state);
    (*s->onRecord)(s->record);
    s->record.clear();
}

int NoBlanksAreSpace(unsigned char) {
    return 0;
}

struct TParserDeleter {
    void operator()(csv_parser* p) const {
        csv_free(p);
        delete p;
    }
};

} // namespace

void ReadCsv(std::istream& in, const std::function<void(TCsvRecord&)>& onRecord) {
    std::unique_ptr<csv_parser, TParserDeleter> parser(new csv_parser);
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI) != 0) {
        delete parser.release();
        throw TCsvError("cannot start the CSV reader");
    }
    csv_set_space_func(parser.get(), NoBlanksAreSpace);
    TParseState state{{}, &onRecord};

    char buffer[1 << 16];
    size_t consumedTotal = 0;
    bool first = true;
    while (in) {
        in.read(buffer, sizeof buffer);
        size_t length = static_cast<size_t>(in.gcount());
        const char* start = buffer;
        if (first && length >= 3 && std::string_view(buffer, 3) == "\xEF\xBB\xBF") {
            start += 3;
            length -= 3;
        }
        first = false;
        if (length == 0) {
            continue;
        }
        const size_t parsed = csv_parse(parser.get(), start, length, OnField, OnRecordEnd, &state);
        if (parsed != length) {
            throw TCsvError("malformed CSV near byte " +
                            std::to_string(consumedTotal + parsed + 1) + ": " +
                            csv_strerror(csv_error(parser.get())));
        }
        consumedTotal += length;
    }
    if (csv_fini(parser.get(), OnField, OnRecordEnd, &state) != 0) {
        throw TCsvError("malformed CSV at the end of the input: " +
                        std::string(csv_strerror(csv_error(parser.get()))));
    }
}

void AppendCsvField(std::string& out, std::string_view field) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    // A plain loop: find_first_of calls memchr over the four characters for each of the field.
    const bool special = std::any_of(field.begin(), field.end(), [](char c) {
        return c == ',' || c == '"' || c == '\r' || c == '\n';
    });
    const bool quote = special || (!field.empty() && (space(field.front()) || space(field.back())));
    if (!quote) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

void AppendCsvRecord(std::string& out, const std::vector<std::string_view>& fields) {
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        AppendCsvField(out, fields[i]);
    }
    out += '\n';
}

} // namespace cable::cli
