// One empty top-level widget shown maximised: what any Qt Widgets program pays to put a window on
// the screen, against which the start-up time and memory of sistema-decimale are measured.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.showMaximized();
    return app.exec();
}
