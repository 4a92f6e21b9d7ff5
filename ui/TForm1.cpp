#include "TForm1.h"

#include "TAboutBox.h"
#include "TWidgetSink.h"
#include "ui_TForm1.h"

#include "CalcError.h"
#include "Calculation.h"

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>

// The resources live in this static library; registering them twice is harmless.
static void InitCableUiResources() {
    Q_INIT_RESOURCE(CableUi);
}

namespace {

constexpr int kClientWidth = 513;
constexpr int kClientHeight = 322; // below the menu bar
constexpr QPoint kStartPosition(577, 121);
// Bold Liberation Sans at 12 px runs within 2 % of the layout's caption widths; at 11 px it falls
// a tenth short and the captions stop well before their fields.
constexpr int kWindowFontPixels = 12;
constexpr int kVerdictFontPixels = 13;

// The font of the window's controls: Liberation Sans, or Arial where it is missing (the two have
// the same metrics), at a size in pixels; the .ui file gives the weight.
QFont PixelFont(QFont font, int pixels) {
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::TForm1>()) {
    InitCableUiResources();
    // The window font before the controls exist: set afterwards, it would lay every control out
    // a second time. The menu bar keeps the desktop's menu font.
    setFont(PixelFont(font(), kWindowFontPixels));
    ui_->setupUi(this);
    ui_->MainMenu1->setFont(QApplication::font(ui_->MainMenu1));

    // Fixed size, minimise but no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    ui_->Label11->setFont(PixelFont(ui_->Label11->font(), kVerdictFontPixels));

    // Labels size themselves to their text, as they will after every new verdict.
    for (QLabel* label : ui_->ClientArea->findChildren<QLabel*>()) {
        label->adjustSize();
    }
    // A typed text reaches the calculation as typed: no completion, and Enter neither adds it to
    // the list nor swaps it for a similar item.
    for (QComboBox* box : ui_->ClientArea->findChildren<QComboBox*>()) {
        box->setCompleter(nullptr);
    }

    ui_->ClientArea->setFixedSize(kClientWidth, kClientHeight);
    setFixedSize(kClientWidth, kClientHeight + ui_->MainMenu1->sizeHint().height());
    move(kStartPosition);
    ui_->Edit1->setFocus(); // the first control of the tab order is active at start

    sink_ = std::make_unique<TWidgetSink>(*this);

    connect(ui_->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui_->N2, &QAction::triggered, this, &TForm1::N2Click);
}

TForm1::~TForm1() = default;

void TForm1::AttachAboutBox(TAboutBox& aboutBox) {
    aboutBox_ = &aboutBox;
}

void TForm1::Button1Click() {
    // The separator of the user's locale, for the input texts and the results alike.
    const std::string decimalSeparator = QLocale().decimalPoint().toStdString();
    try {
        cable::RunCalculation(CurrentTexts(), decimalSeparator, *sink_);
    } catch (const cable::TCalcError& error) {
        ShowError(error.what());
    }
}

void TForm1::Button2Click() {
    close();
}

void TForm1::N2Click() {
    if (aboutBox_ != nullptr) {
        aboutBox_->exec();
    }
}

cable::TInputTexts TForm1::CurrentTexts() const {
    cable::TInputTexts texts;
    texts.Span = ui_->Edit1->text().toStdString();
    texts.SagPercent = ui_->Edit2->text().toStdString();
    texts.WindRegion = ui_->ComboBox3->currentText().toStdString();
    texts.IceRegion = ui_->ComboBox2->currentText().toStdString();
    texts.Family = ui_->ComboBox4->currentText().toStdString();
    texts.FiberCount = ui_->Edit3->text().toStdString();
    texts.Terrain = ui_->ComboBox1->currentText().toStdString();
    texts.SuspensionHeight = ui_->Edit18->text().toStdString();
    return texts;
}

// The application's standard error box: the message, an OK button, modal.
void TForm1::ShowError(const char* message) {
    QMessageBox::critical(this, QGuiApplication::applicationDisplayName(),
                          QString::fromUtf8(message), QMessageBox::Ok);
}
