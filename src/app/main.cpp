// The program: the application and its one main window.
#include <QApplication>
#include <cstdlib>

#include "ui/deferred_icon_style.h"
#include "ui/frm_main.h"
#include "ui/termination_signals.h"

namespace {

pennix::FrmMain* open_window = nullptr;

// Qt ends the program with exit() when the connection to the X server breaks, as it does when a
// session without a session manager ends; the window is never closed then, so it saves here.
void SaveSettingsAtAbruptExit() {
    if (open_window != nullptr) {
        open_window->SaveSettingsUnlessClosed();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    pennix::UseDeferredIconStyle();
    pennix::CloseWindowsOnTerminationSignals();
    pennix::FrmMain window(pennix::FrmMain::DefaultSettingsFile());
    open_window = &window;
    std::atexit(SaveSettingsAtAbruptExit);
    window.show();
    const int status = application.exec();
    open_window = nullptr;
    return status;
}
