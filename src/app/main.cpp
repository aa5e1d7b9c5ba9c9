// The program: the application and its one main window.
#include <QApplication>

#include "ui/deferred_icon_style.h"
#include "ui/frm_main.h"
#include "ui/termination_signals.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    pennix::UseDeferredIconStyle();
    pennix::CloseWindowsOnTerminationSignals();
    pennix::FrmMain window(pennix::FrmMain::DefaultSettingsFile());
    window.show();
    return application.exec();
}
