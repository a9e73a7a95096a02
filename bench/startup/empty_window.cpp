// The baseline for Vestrel's start-up figures: the smallest Qt Widgets
// program that shows a window of the same size and title, built with the
// same compiler, flags and Qt. Given --text it also shows one line of text,
// which brings in the font machinery every window with text pays for once.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vestrel 1.3 - Korvane"));
    window.resize(681, 417);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        new QLabel(QStringLiteral("Locator 1"), &window);
    }
    window.show();
    return QApplication::exec();
}
