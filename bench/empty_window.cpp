// The yardstick for the game's start-up: an empty main window, built and shown the same way.
// With --menu-bar it gets a one-entry menu bar, the least a window can show that draws text.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    if (argc > 1 && std::strcmp(argv[1], "--menu-bar") == 0) {
        window.menuBar()->addMenu("&File");
    }
    window.show();
    return application.exec();
}
