// The baseline for Vestrel's start-up figures: the smallest Qt Widgets
// program that shows a window of the same size and title, built with the
// same compiler, flags and Qt.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vestrel 1.3 - Korvane"));
    window.resize(681, 417);
    window.show();
    return QApplication::exec();
}
