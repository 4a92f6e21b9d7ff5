#include "ResultSink.h"

#include <array>

namespace cable {

std::string_view OutputFieldName(TOutputField field) {
    static constexpr std::array<std::string_view, kOutputFieldCount> kNames = {
        "Edit4", "Edit6",  "Edit16", "Edit15", "Edit17", "Edit5",  "Edit8",
        "Edit9", "Edit10", "Edit11", "Edit12", "Edit13", "Edit14", "Label11"};
    return kNames[static_cast<size_t>(field)];
}

} // namespace cable
