#pragma once

#include "ResultSink.h"

#include <array>

class QWidget;

// Writes a calculation's results into the window's controls: each output field to the control of
// the same name (a line edit, or the verdict label, which then resizes to its new text).
class TWidgetSink : public cable::TResultSink {
public:
    // Finds the fourteen controls among form's children; every one must exist.
    explicit TWidgetSink(QWidget& form);

    void Write(cable::TOutputField field, const std::string& text) override;

private:
    std::array<QWidget*, cable::kOutputFieldCount> controls_{};
};
