#pragma once

#include <functional>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace cable::cli {

// Malformed CSV input (an unterminated quote, a quote inside an unquoted field).
class TCsvError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using TCsvRecord = std::vector<std::string>;

// Reads RFC 4180 records from in, calling onRecord for each. A leading UTF-8 byte order mark is
// skipped; blanks around unquoted fields are kept, as they are part of the field's text.
void ReadCsv(std::istream& in, const std::function<void(TCsvRecord&)>& onRecord);

// Appends one field, quoted when it holds a comma, a quote, a line break or leading or trailing
// white space.
void AppendCsvField(std::string& out, std::string_view field);

// Appends fields separated by commas and a terminating LF.
void AppendCsvRecord(std::string& out, const std::vector<std::string_view>& fields);

} // namespace cable::cli
