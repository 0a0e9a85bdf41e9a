// The peer of the desktop program's memory: an empty Qt Widgets main window, shown until it is closed.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(799, 616);
    window.show();
    return app.exec();
}
