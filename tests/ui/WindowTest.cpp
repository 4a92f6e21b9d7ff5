#include "TAboutBox.h"
#include "TForm1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The output controls in the order a candidate's evaluation writes them, the verdict last.
const QStringList kOutputs = {
    QStringLiteral("Edit4"),  QStringLiteral("Edit6"),  QStringLiteral("Edit16"),
    QStringLiteral("Edit15"), QStringLiteral("Edit17"), QStringLiteral("Edit5"),
    QStringLiteral("Edit8"),  QStringLiteral("Edit9"),  QStringLiteral("Edit10"),
    QStringLiteral("Edit11"), QStringLiteral("Edit12"), QStringLiteral("Edit13"),
    QStringLiteral("Edit14"), QStringLiteral("Label11")};

const QString kStartVerdict = QStringLiteral("Необходимо выбрать кабель на ...кН");
const QString kGiveUpVerdict =
    QStringLiteral("Невозможно подобрать необходимый кабель. Измените условия!");

QString Verdict(const char* ratedLoad) {
    return QStringLiteral("Необходимо выбрать кабель на ") + QString::fromUtf8(ratedLoad) +
           QStringLiteral("кН");
}

// "Edit4=1.9" -> ("Edit4", "1.9")
std::pair<QString, QString> Expectation(const QString& item) {
    const qsizetype at = item.indexOf(QLatin1Char('='));
    return {item.left(at), item.mid(at + 1)};
}

} // namespace

class TWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startState_data();
    void startState();
    void startWindow();
    void exactlyThreeHandlers();
    void controls_data();
    void controls();
    void fonts_data();
    void fonts();
    void tabOrder();
    void comboItems_data();
    void comboItems();

    void defaultRequest();
    void requests_data();
    void requests();
    void decimalComma_data();
    void decimalComma();
    void typedComboText_data();
    void typedComboText();
    void typedTextSurvivesEnter_data();
    void typedTextSurvivesEnter();
    void outputsOverwritten();
    void pageAndFocusUnchanged_data();
    void pageAndFocusUnchanged();
    void keysStartNothing_data();
    void keysStartNothing();
    void verdictWidensWithoutOverlap();

    void errorBox_data();
    void errorBox();

    void aboutTexts_data();
    void aboutTexts();
    void aboutOpensModally();
    void aboutCloses_data();
    void aboutCloses();
    void aboutPlacement();

    void exitEndsEventLoop_data();
    void exitEndsEventLoop();

private:
    template <class T> T* Find(QWidget* root, const QString& name) const;
    template <class T> T* Control(const QString& name) const { return Find<T>(form_.get(), name); }
    QString Text(const QString& name) const;
    void SetText(const QString& name, const QString& text);
    QStringList Outputs() const;
    void Calculate();
    // Runs action while a timer waits for the modal window it opens and hands it to whileOpen,
    // which must close it. Returns whether a modal window appeared.
    bool WithModal(const std::function<void()>& action,
                   const std::function<void(QWidget*)>& whileOpen);

    std::unique_ptr<TForm1> form_;
    std::unique_ptr<TAboutBox> about_;
};

template <class T> T* TWindowTest::Find(QWidget* root, const QString& name) const {
    T* widget = root->findChild<T*>(name);
    if (widget == nullptr) {
        qFatal("No control %s of the expected kind", qPrintable(name));
    }
    return widget;
}

QString TWindowTest::Text(const QString& name) const {
    QWidget* widget = Control<QWidget>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit->text();
    }
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        return box->currentText();
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        return button->text();
    }
    qFatal("%s has no text", qPrintable(name));
}

void TWindowTest::SetText(const QString& name, const QString& text) {
    QWidget* widget = Control<QWidget>(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(widget)) {
        box->setEditText(text);
    } else {
        qFatal("%s takes no text", qPrintable(name));
    }
}

QStringList TWindowTest::Outputs() const {
    QStringList texts;
    for (const QString& name : kOutputs) {
        texts << Text(name);
    }
    return texts;
}

void TWindowTest::Calculate() {
    auto* button = Control<QPushButton>(QStringLiteral("Button1"));
    if (button->isVisible()) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        button->click();
    }
}

bool TWindowTest::WithModal(const std::function<void()>& action,
                            const std::function<void(QWidget*)>& whileOpen) {
    bool seen = false;
    int polls = 0;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            if (++polls > 500) {
                poll.stop();
            }
            return;
        }
        poll.stop();
        seen = true;
        // Should whileOpen fail before closing it, the window still goes, so the test ends.
        QTimer::singleShot(3000, modal, [modal] { modal->close(); });
        whileOpen(modal);
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void TWindowTest::init() {
    // Results with a point unless a test asks for another locale.
    QLocale::setDefault(QLocale::c());
    form_ = std::make_unique<TForm1>();
    about_ = std::make_unique<TAboutBox>();
    form_->AttachAboutBox(*about_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void TWindowTest::cleanup() {
    about_.reset();
    form_.reset();
    QLocale::setDefault(QLocale::system());
}

// --- The window as it opens -------------------------------------------------------------------

void TWindowTest::startState_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("span") << "Edit1"
                          << "50";
    QTest::newRow("sag") << "Edit2"
                         << "1";
    QTest::newRow("wind region") << "ComboBox3"
                                 << "2";
    QTest::newRow("ice region") << "ComboBox2"
                                << "2";
    QTest::newRow("family") << "ComboBox4"
                            << "АКСа";
    QTest::newRow("fibres") << "Edit3"
                            << "16";
    QTest::newRow("terrain") << "ComboBox1"
                             << "открытая местность";
    QTest::newRow("height") << "Edit18"
                            << "15";
    QTest::newRow("verdict") << "Label11" << kStartVerdict;
    for (const QString& output : kOutputs) {
        if (output != QStringLiteral("Label11")) {
            QTest::newRow(qPrintable(output)) << output << QString();
        }
    }
}

void TWindowTest::startState() {
    QFETCH(QString, control);
    QFETCH(QString, text);
    QCOMPARE(Text(control), text);
}

void TWindowTest::startWindow() {
    QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("Выбор оптического кабеля ООО \"Тиглон\""));
    QCOMPARE(form_->pos(), QPoint(577, 121));
    QVERIFY(!form_->windowIcon().isNull());

    // Fixed size; a minimise box and a close box, no maximise box.
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    const Qt::WindowFlags flags = form_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // The client area of 513 x 322 is below the menu bar.
    auto* menuBar = Find<QMenuBar>(form_.get(), QStringLiteral("MainMenu1"));
    QCOMPARE(form_->menuBar(), menuBar);
    auto* client = form_->centralWidget();
    QCOMPARE(client->size(), QSize(513, 322));
    QCOMPARE(client->y(), menuBar->height());
    QCOMPARE(form_->height(), menuBar->height() + 322);

    // "Помощь" > "О программе".
    auto* help = Find<QMenu>(form_.get(), QStringLiteral("N1"));
    QCOMPARE(help->title(), QStringLiteral("Помощь"));
    QCOMPARE(menuBar->actions(), QList<QAction*>{help->menuAction()});
    auto* about = form_->findChild<QAction*>(QStringLiteral("N2"));
    QVERIFY(about != nullptr);
    QCOMPARE(about->text(), QStringLiteral("О программе"));
    QCOMPARE(help->actions(), QList<QAction*>{about});

    // The first page is showing; the about dialog exists, hidden.
    auto* pages = Control<QTabWidget>(QStringLiteral("PageControl1"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    QCOMPARE(pages->count(), 3);
    QCOMPARE(pages->tabText(0), QStringLiteral("Исходные данные"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Результат выбора"));
    QCOMPARE(pages->tabText(2), QStringLiteral("Температуры и климатика"));
    QCOMPARE(pages->widget(1)->objectName(), QStringLiteral("TabSheet2"));
    QCOMPARE(pages->widget(2)->objectName(), QStringLiteral("TabSheet3"));
    QCOMPARE(about_->objectName(), QStringLiteral("AboutBox"));
    QVERIFY(!about_->isVisible());

    // Neither button is a default button.
    for (const char* name : {"Button1", "Button2"}) {
        auto* button = Control<QPushButton>(QString::fromLatin1(name));
        QVERIFY2(!button->isDefault() && !button->autoDefault(), name);
    }
}

void TWindowTest::exactlyThreeHandlers() {
    const QMetaObject* meta = form_->metaObject();
    QStringList own;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        own << QString::fromLatin1(meta->method(i).methodSignature());
    }
    own.sort();
    QCOMPARE(own, (QStringList{QStringLiteral("Button1Click()"), QStringLiteral("Button2Click()"),
                               QStringLiteral("N2Click()")}));
}

void TWindowTest::controls_data() {
    // Every control's place, size and text. Labels size themselves to their text, so for them the
    // width is the room the layout gives the text: the text in the window's font may be narrower.
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QString>("text");
    const QString client = QStringLiteral("ClientArea");
    const QString page1 = QStringLiteral("TabSheet1");
    const QString page2 = QStringLiteral("TabSheet2");
    const QString page3 = QStringLiteral("TabSheet3");
    auto row = [](const char* name, const QString& parent, QRect box, const QString& text) {
        QTest::newRow(name) << QString::fromLatin1(name) << parent << box << text;
    };
    row("Label1", client, {112, 8, 262, 13}, "Выбор оптического кабеля завода \"Тиглон\"");
    row("PageControl1", client, {0, 24, 513, 297}, QString());

    row("Label3", page1, {72, 24, 312, 13}, "Введите максимальное расстояние между опорами");
    row("Edit1", page1, {392, 16, 49, 21}, "50");
    row("Label7", page1, {8, 48, 382, 13},
        "Введите стрелу провиса (при t=20С), % от длины между опрами");
    row("Edit2", page1, {392, 40, 49, 21}, "1");
    row("Label4", page1, {32, 72, 346, 13}, "Выберите район по ветровому давлению, согласно карте");
    row("ComboBox3", page1, {392, 64, 49, 21}, "2");
    row("Label5", page1, {112, 96, 275, 13}, "Выберите район по гололеду, согласно карте");
    row("ComboBox2", page1, {392, 88, 49, 21}, "2");
    row("Label9", page1, {168, 120, 202, 13}, "Выберите тип подвесного кабеля");
    row("ComboBox4", page1, {376, 112, 65, 21}, "АКСа");
    row("Label10", page1, {184, 144, 198, 13}, "Введите число волокон в кабеле");
    row("Edit3", page1, {392, 136, 49, 21}, "16");
    row("Label2", page1, {80, 168, 150, 13}, "Выберите тип местности");
    row("ComboBox1", page1, {240, 160, 201, 21}, "открытая местность");
    row("Label32", page1, {280, 192, 98, 13}, "Высота подвеса");
    row("Edit18", page1, {392, 184, 49, 21}, "15");
    row("Label11", page1, {8, 216, 271, 16}, kStartVerdict);
    row("Button1", page1, {344, 244, 75, 25}, "Рассчитать");
    row("Button2", page1, {424, 244, 75, 25}, "Выход");

    row("Label12", page2, {120, 40, 334, 13}, "Режим: максимальный ветер и максимальный гололед");
    row("Label13", page2, {16, 64, 476, 13},
        "Максимальное время действия: не более 15 ч. с повторяемостью раз в 25 лет");
    row("Label6", page2, {80, 88, 205, 13}, "Максимальная стрела провиса, м");
    row("Edit4", page2, {288, 80, 49, 21}, QString());
    row("Label8", page2, {16, 112, 266, 13}, "Максимальная растягивающая нагрузка кН");
    row("Edit6", page2, {288, 104, 49, 21}, QString());
    row("Label28", page2, {144, 144, 257, 13}, "Температура плюс 5 без ветра и гололеда");
    row("Label29", page2, {168, 168, 113, 13}, "Стрела провиса, м");
    row("Edit16", page2, {288, 160, 49, 21}, QString());
    row("Label30", page2, {104, 192, 178, 13}, "Растягивающая нагрузка, кН");
    row("Edit15", page2, {288, 184, 49, 21}, QString());
    row("Label31", page2, {80, 224, 320, 13}, "Длительно допустимая растягивающая нагрузка, кН");
    row("Edit17", page2, {408, 216, 49, 21}, QString());

    row("Label14", page3, {184, 16, 176, 13}, "Ветер и гололед отсутствуют");
    row("Label15", page3, {0, 40, 238, 13}, "Максимальная температура: плюс 50 С");
    row("Label16", page3, {72, 64, 113, 13}, "Стрела провиса, м");
    row("Edit5", page3, {192, 56, 49, 21}, QString());
    row("Label17", page3, {8, 88, 178, 13}, "Растягивающая нагрузка, кН");
    row("Edit8", page3, {192, 80, 49, 21}, QString());
    row("Label18", page3, {264, 40, 237, 13}, "Минимальная температура: минус 50 С");
    row("Label19", page3, {336, 64, 113, 13}, "Стрела провиса, м");
    row("Edit9", page3, {456, 56, 49, 21}, QString());
    row("Label20", page3, {272, 88, 178, 13}, "Растягивающая нагрузка, кН");
    row("Edit10", page3, {456, 80, 49, 21}, QString());
    row("Label21", page3, {208, 120, 146, 13}, "Температура: минус 5 С");
    row("Label22", page3, {8, 144, 207, 13}, "Максимальный гололед без ветра");
    row("Label24", page3, {72, 176, 113, 13}, "Стрела провиса, м");
    row("Edit11", page3, {192, 168, 49, 21}, QString());
    row("Label25", page3, {8, 200, 178, 13}, "Растягивающая нагрузка, кН");
    row("Edit12", page3, {192, 192, 49, 21}, QString());
    row("Label23", page3, {272, 144, 214, 13}, "Максимальный ветер без гололеда");
    row("Label26", page3, {336, 176, 113, 13}, "Стрела провиса, м");
    row("Edit13", page3, {456, 168, 49, 21}, QString());
    row("Label27", page3, {272, 200, 178, 13}, "Растягивающая нагрузка, кН");
    row("Edit14", page3, {456, 192, 49, 21}, QString());
}

void TWindowTest::controls() {
    QFETCH(QString, control);
    QFETCH(QString, parent);
    QFETCH(QRect, box);
    QFETCH(QString, text);

    QWidget* widget = Control<QWidget>(control);
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->pos(), box.topLeft());
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
        // Sized to its text, all of it shown, and no wider than the room the layout gives it.
        QCOMPARE(label->size(), label->sizeHint());
        QVERIFY2(label->width() <= box.width() + box.width() * 3 / 100,
                 qPrintable(QStringLiteral("width %1").arg(label->width())));
        QVERIFY2(qAbs(label->height() - box.height()) <= 2,
                 qPrintable(QStringLiteral("height %1").arg(label->height())));
    } else {
        QCOMPARE(widget->size(), box.size());
        if (!qobject_cast<QTabWidget*>(widget)) {
            QCOMPARE(Text(control), text);
        }
    }
    // The box lies inside its parent's client area, so nothing is cut off at a page's edge.
    QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
             qPrintable(QStringLiteral("parent %1 x %2")
                            .arg(widget->parentWidget()->width())
                            .arg(widget->parentWidget()->height())));
}

void TWindowTest::fonts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    const QColor blue(0, 0, 255);
    const QColor red(255, 0, 0);
    QTest::newRow("heading") << "Label1" << 12 << true << int(QPalette::WindowText) << blue;
    QTest::newRow("caption") << "Label7" << 12 << true << int(QPalette::WindowText) << blue;
    QTest::newRow("input") << "Edit1" << 12 << true << int(QPalette::Text) << blue;
    QTest::newRow("list") << "ComboBox1" << 12 << true << int(QPalette::Text) << blue;
    QTest::newRow("output") << "Edit14" << 12 << true << int(QPalette::Text) << blue;
    QTest::newRow("button") << "Button1" << 12 << true << int(QPalette::ButtonText) << blue;
    QTest::newRow("verdict") << "Label11" << 13 << true << int(QPalette::WindowText) << red;
    QTest::newRow("verdict background")
        << "Label11" << 13 << true << int(QPalette::Window) << QColor(227, 227, 227);
    QTest::newRow("window background")
        << "ClientArea" << 12 << true << int(QPalette::Window) << QColor(227, 227, 227);
}

void TWindowTest::fonts() {
    QFETCH(QString, control);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    QWidget* widget = Control<QWidget>(control);
    QCOMPARE(QFontInfo(widget->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(widget->font().pixelSize(), pixels);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
}

void TWindowTest::tabOrder() {
    // The order of the Tab key, which does not follow the rows on the first page.
    const QStringList expected = {
        QStringLiteral("Edit1"),     QStringLiteral("Edit2"),     QStringLiteral("ComboBox2"),
        QStringLiteral("ComboBox4"), QStringLiteral("Edit3"),     QStringLiteral("Button1"),
        QStringLiteral("Button2"),   QStringLiteral("ComboBox1"), QStringLiteral("Edit18"),
        QStringLiteral("ComboBox3"), QStringLiteral("Edit4"),     QStringLiteral("Edit6"),
        QStringLiteral("Edit15"),    QStringLiteral("Edit16"),    QStringLiteral("Edit17"),
        QStringLiteral("Edit5"),     QStringLiteral("Edit8"),     QStringLiteral("Edit9"),
        QStringLiteral("Edit10"),    QStringLiteral("Edit11"),    QStringLiteral("Edit12"),
        QStringLiteral("Edit13"),    QStringLiteral("Edit14")};
    QStringList chain;
    QWidget* first = Control<QWidget>(expected.first());
    QWidget* widget = first;
    do {
        if (expected.contains(widget->objectName()) && !chain.contains(widget->objectName())) {
            chain << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != first);
    QCOMPARE(chain, expected);
}

void TWindowTest::comboItems_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("items");
    const QStringList regions = {"1", "2", "3", "4", "5", "6", "7"};
    QTest::newRow("wind region") << "ComboBox3" << regions;
    QTest::newRow("ice region") << "ComboBox2" << regions;
    QTest::newRow("family") << "ComboBox4"
                            << QStringList{"АКСб", "АКСа", "АКМа", "АКМб", "БКМа", "БКМб"};
    QTest::newRow("terrain") << "ComboBox1"
                             << QStringList{"открытая местность", "с препятствиями ниже опор",
                                            "с препятствиями выше опор"};
}

void TWindowTest::comboItems() {
    QFETCH(QString, control);
    QFETCH(QStringList, items);
    auto* box = Control<QComboBox>(control);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) {
        shown << box->itemText(i);
    }
    QCOMPARE(shown, items);
    QVERIFY(box->isEditable());
}

// --- Calculations ----------------------------------------------------------------------------

void TWindowTest::defaultRequest() {
    Calculate();
    QCOMPARE(Text(QStringLiteral("Label11")), Verdict("3.5"));
    for (const QString& output : kOutputs) {
        QVERIFY2(!Text(output).isEmpty(), qPrintable(output));
    }
}

void TWindowTest::requests_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("windRegion");
    QTest::addColumn<QString>("iceRegion");
    QTest::addColumn<QString>("fibres");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("АКМб, the default request: one step")
        << "АКМб"
        << "50"
        << "2"
        << "2"
        << "16" << Verdict("4")
        << QStringList{"Edit4=1.9",   "Edit6=2.5",   "Edit16=0.45", "Edit15=0.7",  "Edit17=2.97",
                       "Edit5=0.61",  "Edit8=0.51",  "Edit9=0.31",  "Edit10=0.99", "Edit11=1.78",
                       "Edit12=2.27", "Edit13=0.89", "Edit14=1.06"};
    QTest::newRow("АКМб, span 100: the second level is shown")
        << "АКМб"
        << "100"
        << "2"
        << "2"
        << "16" << Verdict("6") << QStringList{"Edit4=3.99", "Edit6=4.79", "Edit17=4.8"};
    QTest::newRow("АКМб, span 150, ice region 4: the strongest cable")
        << "АКМб"
        << "150"
        << "2"
        << "4"
        << "16" << Verdict("12") << QStringList{};
    QTest::newRow("АКМб, 100 fibres, span 80, ice region 3")
        << "АКМб"
        << "80"
        << "2"
        << "3"
        << "100" << Verdict("6") << QStringList{};
    QTest::newRow("АКМб, span 200, wind and ice region 7: no cable holds it")
        << "АКМб"
        << "200"
        << "7"
        << "7"
        << "16" << kGiveUpVerdict << QStringList{"Edit4=20.57", "Edit6=16.03"};
    QTest::newRow("АКМа, the default request") << "АКМа"
                                               << "50"
                                               << "2"
                                               << "2"
                                               << "16" << Verdict("4") << QStringList{};
    QTest::newRow("БКМб, the default request")
        << "БКМб"
        << "50"
        << "2"
        << "2"
        << "16" << Verdict("4") << QStringList{"Edit17=3.49"};
    QTest::newRow("БКМа, the default request")
        << "БКМа"
        << "50"
        << "2"
        << "2"
        << "16" << Verdict("4") << QStringList{"Edit17=3.41"};
}

void TWindowTest::requests() {
    QFETCH(QString, family);
    QFETCH(QString, span);
    QFETCH(QString, windRegion);
    QFETCH(QString, iceRegion);
    QFETCH(QString, fibres);
    QFETCH(QString, verdict);
    QFETCH(QStringList, fields);
    SetText(QStringLiteral("ComboBox4"), family);
    SetText(QStringLiteral("Edit1"), span);
    SetText(QStringLiteral("ComboBox3"), windRegion);
    SetText(QStringLiteral("ComboBox2"), iceRegion);
    SetText(QStringLiteral("Edit3"), fibres);
    Calculate();
    QCOMPARE(Text(QStringLiteral("Label11")), verdict);
    for (const QString& field : fields) {
        const auto [name, text] = Expectation(field);
        QCOMPARE(Text(name), text);
    }
    for (const QString& output : kOutputs) {
        QVERIFY2(!Text(output).isEmpty(), qPrintable(output));
    }
}

void TWindowTest::decimalComma_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("АКМб") << "АКМб"
                          << "50" << Verdict("4")
                          << QStringList{"Edit4=1,9",   "Edit6=2,5",   "Edit16=0,45", "Edit15=0,7",
                                         "Edit17=2,97", "Edit12=2,27", "Edit14=1,06"};
    QTest::newRow("АКМб, span 100")
        << "АКМб"
        << "100" << Verdict("6") << QStringList{"Edit4=3,99", "Edit17=4,8"};
    QTest::newRow("АКСа: a fractional rated load") << "АКСа"
                                                   << "50" << Verdict("3,5") << QStringList{};
}

void TWindowTest::decimalComma() {
    QFETCH(QString, family);
    QFETCH(QString, span);
    QFETCH(QString, verdict);
    QFETCH(QStringList, fields);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    SetText(QStringLiteral("ComboBox4"), family);
    SetText(QStringLiteral("Edit1"), span);
    Calculate();
    QCOMPARE(Text(QStringLiteral("Label11")), verdict);
    for (const QString& field : fields) {
        const auto [name, text] = Expectation(field);
        QCOMPARE(Text(name), text);
    }
}

void TWindowTest::typedComboText_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("item");
    QTest::newRow("family") << "ComboBox4"
                            << "АКМб" << 3;
    QTest::newRow("wind region") << "ComboBox3"
                                 << "5" << 4;
    QTest::newRow("ice region") << "ComboBox2"
                                << "4" << 3;
    QTest::newRow("terrain") << "ComboBox1"
                             << "с препятствиями выше опор" << 2;
}

void TWindowTest::typedComboText() {
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(int, item);
    auto* box = Control<QComboBox>(control);
    const int count = box->count();

    box->setCurrentIndex(item);
    Calculate();
    const QStringList picked = Outputs();

    // Back to the start texts, then the same request typed.
    box->setCurrentIndex(0);
    Calculate();
    QVERIFY(Outputs() != picked);
    box->lineEdit()->clear();
    for (const QChar character : typed) { // keyClicks() takes Latin-1 only
        QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
    QCOMPARE(box->currentText(), typed);
    Calculate();
    QCOMPARE(Outputs(), picked);
    QCOMPARE(box->count(), count);
}

void TWindowTest::typedTextSurvivesEnter_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::newRow("wind region not among the items") << "ComboBox3"
                                                     << "8";
    QTest::newRow("family with a typing error") << "ComboBox4"
                                                << "АКСв";
    QTest::newRow("terrain in another case") << "ComboBox1"
                                             << "Открытая местность";
}

void TWindowTest::typedTextSurvivesEnter() {
    // Enter neither adds the typed text to the list nor swaps it for a similar item.
    QFETCH(QString, control);
    QFETCH(QString, typed);
    auto* box = Control<QComboBox>(control);
    const int count = box->count();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    box->setFocus();
    box->lineEdit()->clear();
    for (const QChar character : typed) {
        QTest::sendKeyEvent(QTest::Click, box->lineEdit(), Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(box->currentText(), typed);
    QCOMPARE(box->count(), count);
}

void TWindowTest::outputsOverwritten() {
    // Text typed into an output field is overwritten and never read; two presses agree.
    SetText(QStringLiteral("ComboBox4"), QStringLiteral("АКМб"));
    SetText(QStringLiteral("Edit4"), QStringLiteral("junk"));
    SetText(QStringLiteral("Edit14"), QStringLiteral("99"));
    Calculate();
    const QStringList first = Outputs();
    QCOMPARE(Text(QStringLiteral("Edit4")), QStringLiteral("1.9"));
    QCOMPARE(Text(QStringLiteral("Edit14")), QStringLiteral("1.06"));
    Calculate();
    QCOMPARE(Outputs(), first);
}

void TWindowTest::pageAndFocusUnchanged_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focused");
    QTest::newRow("inputs") << 0 << "Edit2";
    QTest::newRow("wind and ice") << 1 << "Edit6";
    QTest::newRow("temperatures") << 2 << "Edit10";
}

void TWindowTest::pageAndFocusUnchanged() {
    QFETCH(int, page);
    QFETCH(QString, focused);
    auto* pages = Control<QTabWidget>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(page);
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QWidget* field = Control<QWidget>(focused);
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);

    Control<QPushButton>(QStringLiteral("Button1"))->click();

    QCOMPARE(pages->currentIndex(), page);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(Text(QStringLiteral("Label11")), Verdict("3.5"));
}

void TWindowTest::keysStartNothing_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::newRow("Enter in the span") << "Edit1" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter in the fibres") << "Edit3" << int(Qt::Key_Enter);
    QTest::newRow("Enter in the height") << "Edit18" << int(Qt::Key_Return);
    QTest::newRow("Enter in the family") << "ComboBox4" << int(Qt::Key_Return);
    QTest::newRow("Enter in the terrain") << "ComboBox1" << int(Qt::Key_Return);
    QTest::newRow("Esc in the span") << "Edit1" << int(Qt::Key_Escape);
    QTest::newRow("Esc in the wind region") << "ComboBox3" << int(Qt::Key_Escape);
}

void TWindowTest::keysStartNothing() {
    QFETCH(QString, control);
    QFETCH(int, key);
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QWidget* widget = Control<QWidget>(control);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key(key));
    QTest::qWait(50);
    QVERIFY(form_->isVisible());
    QCOMPARE(Text(QStringLiteral("Label11")), kStartVerdict);
    QCOMPARE(Text(QStringLiteral("Edit4")), QString());
}

void TWindowTest::verdictWidensWithoutOverlap() {
    auto* verdict = Control<QLabel>(QStringLiteral("Label11"));
    const int startWidth = verdict->width();
    SetText(QStringLiteral("ComboBox4"), QStringLiteral("АКМб"));
    SetText(QStringLiteral("Edit1"), QStringLiteral("200"));
    SetText(QStringLiteral("ComboBox3"), QStringLiteral("7"));
    SetText(QStringLiteral("ComboBox2"), QStringLiteral("7"));
    Calculate();
    QCOMPARE(verdict->text(), kGiveUpVerdict);
    QVERIFY(verdict->width() > startWidth);
    QCOMPARE(verdict->size(), verdict->sizeHint());

    // With the longest texts in place no two controls on a page cover each other, and each lies
    // within its page.
    for (const char* parentName : {"ClientArea", "TabSheet1", "TabSheet2", "TabSheet3"}) {
        QWidget* parent = Control<QWidget>(QString::fromLatin1(parentName));
        QList<QWidget*> children;
        for (QObject* child : parent->children()) {
            if (auto* widget = qobject_cast<QWidget*>(child)) {
                children << widget;
            }
        }
        for (qsizetype i = 0; i < children.size(); ++i) {
            QVERIFY2(parent->rect().contains(children[i]->geometry()),
                     qPrintable(children[i]->objectName()));
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                QVERIFY2(!children[i]->geometry().intersects(children[j]->geometry()),
                         qPrintable(children[i]->objectName() + QStringLiteral(" and ") +
                                    children[j]->objectName()));
            }
        }
    }
}

// --- Errors ----------------------------------------------------------------------------------

void TWindowTest::errorBox_data() {
    QTest::addColumn<QString>("span");
    QTest::addColumn<QString>("sag");
    QTest::addColumn<QString>("iceRegion");
    QTest::addColumn<QString>("message");
    QTest::newRow("ice region and span not numbers: the ice region is read first")
        << "xyz"
        << "1"
        << "abc"
        << "'abc' is not a valid integer value";
    QTest::newRow("span not a number") << "5o"
                                       << "1"
                                       << "2"
                                       << "'5o' is not a valid floating point value";
    QTest::newRow("sag 0") << "50"
                           << "0"
                           << "2"
                           << "Floating point division by zero";
    QTest::newRow("span 0") << "0"
                            << "1"
                            << "2"
                            << "Invalid floating point operation";
}

void TWindowTest::errorBox() {
    QFETCH(QString, span);
    QFETCH(QString, sag);
    QFETCH(QString, iceRegion);
    QFETCH(QString, message);

    // A calculation first, so that "unchanged" means the previous results, not empty fields.
    SetText(QStringLiteral("ComboBox4"), QStringLiteral("АКМб"));
    Calculate();
    const QStringList before = Outputs();
    QCOMPARE(before.first(), QStringLiteral("1.9"));

    SetText(QStringLiteral("Edit1"), span);
    SetText(QStringLiteral("Edit2"), sag);
    SetText(QStringLiteral("ComboBox2"), iceRegion);
    QString shown;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool appModal = false;
    const bool opened =
        WithModal([this] { Calculate(); },
                  [&](QWidget* modal) {
                      auto* box = qobject_cast<QMessageBox*>(modal);
                      if (box == nullptr) {
                          return;
                      }
                      shown = box->text();
                      icon = box->icon();
                      buttons = box->standardButtons();
                      appModal = box->isModal();
                      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
                  });
    QVERIFY(opened);
    QCOMPARE(shown, message);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(appModal);
    QCOMPARE(Outputs(), before);

    // The window stays usable.
    QVERIFY(form_->isVisible() && form_->isEnabled());
    SetText(QStringLiteral("Edit1"), QStringLiteral("100"));
    SetText(QStringLiteral("Edit2"), QStringLiteral("1"));
    SetText(QStringLiteral("ComboBox2"), QStringLiteral("2"));
    Calculate();
    QCOMPARE(Text(QStringLiteral("Label11")), Verdict("6"));
}

// --- The about dialog ------------------------------------------------------------------------

void TWindowTest::aboutTexts_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("product line") << "ProductName" << QPoint(160, 16)
                                  << "\"Выбор оптического кабеля производства ООО \"Тиглон\"";
    QTest::newRow("version") << "Version" << QPoint(160, 32) << "Версия: 3.2";
    QTest::newRow("comments")
        << "Comments" << QPoint(160, 72)
        << "Комментарии: Обращаем Ваше внимание, что программа предназначена исключительно в "
           "информационных целях. Рекомендации по выбору приводятся для СПРАВКИ и при соблюдении "
           "правил монтажа и эксплуатации. Конкретный выбор расстояний между опорами и нагрузок "
           "рассчитвается проектными организациями исходя из действительных условий и параметров "
           "проектируемой линии. ";
    QTest::newRow("method") << "Label1" << QPoint(160, 184)
                            << "В программе использована методика расчета цепных линий. А "
                               "климатические нагрузки рассчитаны по ПУЭ-7 ред. Глава 2.5.";
    QTest::newRow("guarantee")
        << "Label6" << QPoint(8, 248)
        << "В связи с тем, что на допустимые расстояния между опорами влияет не только "
           "физико-механические характеристики кабеля, но и в значительной степени условия и "
           "параметры монтажа: Изготовитель оптического кабеля гарантирует лишь соответствие "
           "оптического кабеля по стойкости к максимальным растягивающим нагрузкам.";
}

void TWindowTest::aboutTexts() {
    QFETCH(QString, control);
    QFETCH(QPoint, position);
    QFETCH(QString, text);
    auto* panel = Find<QWidget>(about_.get(), QStringLiteral("Panel1"));
    auto* label = Find<QLabel>(panel, control);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->pos(), position);
    // Every line of the text is inside the label, and the label inside the panel.
    if (label->wordWrap()) {
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
    } else {
        QVERIFY(label->width() >= label->sizeHint().width());
    }
    QVERIFY(panel->rect().contains(label->geometry()));
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(label->font().pixelSize(), 11);
    QVERIFY(!label->font().bold());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TWindowTest::aboutOpensModally() {
    QCOMPARE(about_->windowTitle(), QStringLiteral("О программе"));
    QCOMPARE(about_->size(), QSize(480, 358));
    QCOMPARE(about_->minimumSize(), about_->maximumSize());
    const Qt::WindowFlags flags = about_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    auto* panel = Find<QFrame>(about_.get(), QStringLiteral("Panel1"));
    QCOMPARE(panel->geometry(), QRect(0, 0, 481, 313));
    QCOMPARE(panel->frameShape(), QFrame::Box);
    QCOMPARE(panel->frameShadow(), QFrame::Sunken);
    auto* picture = Find<QLabel>(panel, QStringLiteral("ProgramIcon"));
    QCOMPARE(picture->geometry(), QRect(8, 16, 144, 184));
    QVERIFY(picture->hasScaledContents());
    auto* ok = Find<QPushButton>(about_.get(), QStringLiteral("OKButton"));
    QCOMPARE(ok->geometry(), QRect(215, 324, 75, 25));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());

    SetText(QStringLiteral("Edit1"), QStringLiteral("77"));
    QWidget* seen = nullptr;
    bool stayedOnEsc = false;
    bool pictureShown = false;
    auto* menuItem = form_->findChild<QAction*>(QStringLiteral("N2"));
    const bool opened = WithModal([menuItem] { menuItem->trigger(); },
                                  [&](QWidget* modal) {
                                      seen = modal;
                                      pictureShown = !picture->pixmap().isNull();
                                      QTest::keyClick(modal, Qt::Key_Escape);
                                      QTest::qWait(50);
                                      stayedOnEsc = modal->isVisible();
                                      QTest::keyClick(modal, Qt::Key_Return);
                                  });
    QVERIFY(opened);
    QCOMPARE(seen, about_.get());
    QVERIFY(stayedOnEsc);
    QVERIFY(pictureShown); // loaded when the dialog is first shown
    QVERIFY(!about_->isVisible());
    QCOMPARE(about_->result(), int(QDialog::Accepted));
    // Back in the main window as it was.
    QCOMPARE(Text(QStringLiteral("Edit1")), QStringLiteral("77"));
    QCOMPARE(Text(QStringLiteral("Label11")), kStartVerdict);
}

void TWindowTest::aboutCloses_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter") << "Enter" << int(QDialog::Accepted);
    QTest::newRow("OK") << "OK" << int(QDialog::Accepted);
    QTest::newRow("close box") << "close box" << int(QDialog::Rejected);
}

void TWindowTest::aboutCloses() {
    QFETCH(QString, how);
    QFETCH(int, result);
    auto* menuItem = form_->findChild<QAction*>(QStringLiteral("N2"));
    for (int showing = 0; showing < 2; ++showing) {
        const bool opened = WithModal(
            [menuItem] { menuItem->trigger(); },
            [&](QWidget* modal) {
                if (how == QStringLiteral("Enter")) {
                    QTest::keyClick(modal, Qt::Key_Enter);
                } else if (how == QStringLiteral("OK")) {
                    QTest::mouseClick(Find<QPushButton>(modal, QStringLiteral("OKButton")),
                                      Qt::LeftButton);
                } else {
                    modal->close();
                }
            });
        QVERIFY(opened);
        QVERIFY(!about_->isVisible());
        QCOMPARE(about_->result(), result);
        QVERIFY(form_->isVisible());
    }
}

void TWindowTest::aboutPlacement() {
    auto* menuItem = form_->findChild<QAction*>(QStringLiteral("N2"));
    QPoint firstCentre;
    QRect screenArea;
    const QPoint moveBy(-37, 23);
    QPoint movedTo;
    QVERIFY(WithModal([menuItem] { menuItem->trigger(); },
                      [&](QWidget* modal) {
                          firstCentre = modal->geometry().center();
                          screenArea = modal->screen()->availableGeometry();
                          movedTo = modal->pos() + moveBy;
                          modal->move(movedTo); // as the user drags it
                          modal->close();
                      }));
    QVERIFY2((firstCentre - screenArea.center()).manhattanLength() <= 2,
             qPrintable(QStringLiteral("centre %1,%2 of screen %3,%4")
                            .arg(firstCentre.x())
                            .arg(firstCentre.y())
                            .arg(screenArea.center().x())
                            .arg(screenArea.center().y())));
    QPoint secondPosition;
    QVERIFY(WithModal([menuItem] { menuItem->trigger(); },
                      [&](QWidget* modal) {
                          secondPosition = modal->pos();
                          modal->close();
                      }));
    QCOMPARE(secondPosition, movedTo);
}

// --- The end ---------------------------------------------------------------------------------

void TWindowTest::exitEndsEventLoop_data() {
    QTest::addColumn<bool>("viaButton");
    QTest::newRow("Выход") << true;
    QTest::newRow("close box") << false;
}

void TWindowTest::exitEndsEventLoop() {
    QFETCH(bool, viaButton);
    // The about dialog exists, hidden, as in the program; closing the main window still ends the
    // event loop, with status 0.
    QVERIFY(!about_->isVisible());
    QTimer::singleShot(0, form_.get(), [this, viaButton] {
        if (viaButton) {
            QTest::mouseClick(Control<QPushButton>(QStringLiteral("Button2")), Qt::LeftButton);
        } else {
            form_->close();
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form_->isVisible());
}

QTEST_MAIN(TWindowTest)
#include "WindowTest.moc"
