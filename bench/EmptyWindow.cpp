// An empty main window: the floor that the window's start-up time and memory are measured
// against (bench/startup.sh). With --text it shows one line of text as well, so that it pays
// for the font database as every window with text does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("empty-window");
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        window.setCentralWidget(new QLabel("Рассчитать", &window));
    }
    window.show();
    return app.exec();
}
