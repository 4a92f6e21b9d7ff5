#pragma once

#include "ResultSink.h"

#include <array>
#include <string>

namespace cable {

// A sink that keeps the latest text of every field, as a window's controls would: after a
// calculation it shows the last candidate examined, or the fields written before a fault.
class TFieldTexts : public TResultSink {
public:
    void Write(TOutputField field, const std::string& text) override {
        const auto i = static_cast<size_t>(field);
        texts_[i] = text;
        written_[i] = true;
    }
    const std::string& Text(TOutputField field) const { return texts_[static_cast<size_t>(field)]; }
    bool Written(TOutputField field) const { return written_[static_cast<size_t>(field)]; }
    void Clear() {
        texts_.fill({});
        written_.fill(false);
    }

private:
    std::array<std::string, kOutputFieldCount> texts_{};
    std::array<bool, kOutputFieldCount> written_{};
};

} // namespace cable
