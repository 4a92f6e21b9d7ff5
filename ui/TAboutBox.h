#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

// "О программе": the product line, its version, the notes on the method and the guarantee, and a
// picture. OK or Enter closes it, and so does the close box; Esc does not.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    // Centred on the screen the first time; afterwards where it was when it closed.
    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::TAboutBox> ui_;
    bool placed_ = false;
};
