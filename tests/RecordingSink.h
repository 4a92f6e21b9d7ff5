#pragma once

#include "ResultSink.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace cable::testing {

// Keeps every write in order, and the latest text per field.
class TRecordingSink : public TResultSink {
public:
    void Write(TOutputField field, const std::string& text) override {
        writes.emplace_back(field, text);
        latest[field] = text;
    }
    std::vector<std::pair<TOutputField, std::string>> writes;
    std::map<TOutputField, std::string> latest;
};

} // namespace cable::testing
