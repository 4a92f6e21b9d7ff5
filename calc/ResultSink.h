#pragma once

#include <string>
#include <string_view>

namespace cable {

// The window's output fields, in the order a candidate's evaluation writes them; the verdict last.
enum class TOutputField {
    ofEdit4,  // sag, wind with ice
    ofEdit6,  // tension, wind with ice
    ofEdit16, // sag, +5 °C
    ofEdit15, // tension, +5 °C
    ofEdit17, // long-term permissible load
    ofEdit5,  // sag, +50 °C
    ofEdit8,  // tension, +50 °C
    ofEdit9,  // sag, -50 °C
    ofEdit10, // tension, -50 °C
    ofEdit11, // sag, ice without wind
    ofEdit12, // tension, ice without wind
    ofEdit13, // sag, wind without ice
    ofEdit14, // tension, wind without ice
    ofLabel11 // verdict
};

inline constexpr int kOutputFieldCount = 14;

// The control's name: "Edit4", ..., "Label11".
std::string_view OutputFieldName(TOutputField field);

// Where a calculation's results go, one text at a time, as soon as each is known: a fault
// part-way leaves exactly the fields written before it.
class TResultSink {
public:
    virtual ~TResultSink() = default;
    virtual void Write(TOutputField field, const std::string& text) = 0;
};

} // namespace cable
