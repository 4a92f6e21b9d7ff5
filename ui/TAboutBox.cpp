#include "TAboutBox.h"

#include "ui_TAboutBox.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

// The resources live in this static library; registering them twice is harmless.
static void InitCableUiResources() {
    Q_INIT_RESOURCE(CableUi);
}

namespace {

constexpr int kClientWidth = 480;
constexpr int kClientHeight = 358;
constexpr int kFontPixels = 11;

} // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TAboutBox>()) {
    InitCableUiResources();
    ui_->setupUi(this);

    // Liberation Sans, or Arial where it is missing (the same metrics), regular, in pixels.
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    dialogFont.setPixelSize(kFontPixels);
    setFont(dialogFont);

    // Only the close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    // Single-line labels take the width of their text; the wrapped ones keep their width and grow
    // downwards if their text needs more lines than the box has.
    for (QLabel* label : ui_->Panel1->findChildren<QLabel*>()) {
        if (label == ui_->ProgramIcon) {
            continue;
        }
        if (label->wordWrap()) {
            label->resize(label->width(),
                          std::max(label->height(), label->heightForWidth(label->width())));
        } else {
            label->adjustSize();
        }
    }

    setFixedSize(kClientWidth, kClientHeight);

    connect(ui_->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        // The picture is decoded when the dialog is first shown, not at the program's start: the
        // JPEG decoder then stays out of the start-up's time and memory.
        ui_->ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/cable/AboutPicture.jpg")));
        if (const QScreen* shownOn = screen()) {
            const QRect area = shownOn->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QDialog::setVisible(visible);
}

void TAboutBox::keyPressEvent(QKeyEvent* event) {
    // No cancel button: Esc leaves the dialog open. Enter still presses OK.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
