#include "TAboutBox.h"
#include "TForm1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    TForm1 form1;       // the first window: the main window
    TAboutBox aboutBox; // hidden until "О программе"
    form1.AttachAboutBox(aboutBox);
    QApplication::setWindowIcon(form1.windowIcon());

    form1.show();
    QApplication::exec(); // until the main window closes
    return 0;
}
