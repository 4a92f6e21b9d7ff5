#pragma once

#include <QMainWindow>

#include <memory>

#include "CalcInput.h"

namespace Ui {
class TForm1;
}
class TAboutBox;
class TWidgetSink;

// The main window: eight inputs, thirteen results on three pages, the verdict, the buttons
// "Рассчитать" and "Выход" and the help menu.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialog that "О программе" shows; it lives as long as this window.
    void AttachAboutBox(TAboutBox& aboutBox);

private Q_SLOTS:
    void Button1Click(); // "Рассчитать": one calculation on the current texts
    void Button2Click(); // "Выход": closes the window, which ends the program
    void N2Click();      // "О программе": the about dialog, modally

private:
    cable::TInputTexts CurrentTexts() const;
    void ShowError(const char* message);

    std::unique_ptr<Ui::TForm1> ui_;
    std::unique_ptr<TWidgetSink> sink_;
    TAboutBox* aboutBox_ = nullptr;
};
