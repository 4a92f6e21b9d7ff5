#include "TWidgetSink.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <stdexcept>

TWidgetSink::TWidgetSink(QWidget& form) {
    for (int i = 0; i < cable::kOutputFieldCount; ++i) {
        const std::string_view name = cable::OutputFieldName(static_cast<cable::TOutputField>(i));
        const QString objectName =
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        QWidget* control = form.findChild<QWidget*>(objectName);
        if (qobject_cast<QLineEdit*>(control) == nullptr &&
            qobject_cast<QLabel*>(control) == nullptr) {
            throw std::logic_error("The window has no output control " + std::string(name));
        }
        controls_[static_cast<size_t>(i)] = control;
    }
}

void TWidgetSink::Write(cable::TOutputField field, const std::string& text) {
    QWidget* control = controls_[static_cast<size_t>(field)];
    const QString value = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(value);
        label->adjustSize();
    }
}
