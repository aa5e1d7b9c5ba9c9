// The program: the application and its one main window.
#include <QApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "desktop/desktop_link_opener.h"
#include "desktop/destroyed_window.h"
#include "desktop/game_claim.h"
#include "desktop/system_info.h"
#include "desktop/termination_signals.h"
#include "later_starts.h"
#include "ui/look/deferred_icon_style.h"
#include "ui/look/language.h"
#include "ui/main_window.h"

namespace {

bool IsSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Without a display Qt can only abort, with advice to reinstall; started from a text console or
// over ssh, the game says what is missing instead. The game draws through X11 (XWayland on a
// Wayland desktop), so a Wayland display alone is not enough. A platform or X display named in
// the environment or on the command line is left to Qt.
bool DisplayMayBeReached(int argc, char* argv[]) {
    if (IsSet("DISPLAY") || IsSet("QT_QPA_PLATFORM")) {
        return true;
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-platform" || argument == "--platform" || argument == "-display" ||
            argument == "--display") {
            return true;
        }
    }
    return false;
}

QtMessageHandler qt_handler = nullptr;

// While the application is being made, Qt's only fatal message is that no platform could be
// started: most often the display named cannot be reached (no X server there, or one that
// refuses us); Qt has said why in a warning just before. Qt would abort with advice to
// reinstall; the game ends as it does without a display.
void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        qt_handler(type, context, text);
        return;
    }
    std::fputs(
        "pennix: no display could be opened (the reason is above); start it from a "
        "desktop session\n",
        stderr);
    std::_Exit(1);
}

pennix::MainWindow* open_window = nullptr;

// Qt ends the program with exit() when the connection to the X server breaks, as it does when a
// session without a session manager ends; the window is never closed then, so it saves here.
void SaveSettingsAtAbruptExit() {
    if (open_window != nullptr) {
        open_window->SaveSettingsUnlessClosed();
    }
}

// A start that leaves the file to the game holding it: status 0 when that game comes forward,
// 1 when this start gave up waiting for it to close or to answer.
int StayOut(const pennix::GameClaim& claim) {
    if (claim.HandedOver()) {
        std::fputs("pennix: the game is open already; its window comes forward\n", stderr);
        return 0;
    }
    std::fputs(claim.Unanswered()
                   ? "pennix: the open game does not answer; start it again later\n"
                   : "pennix: the open game has not finished closing; start it again later\n",
               stderr);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!DisplayMayBeReached(argc, argv)) {
        std::fputs(
            "pennix: no X display found (DISPLAY is not set); start it from a desktop "
            "session (on Wayland, one with XWayland)\n",
            stderr);
        return 1;
    }
    // Started with SIGCHLD ignored (some shells and service managers do that), the system would
    // reap the programs the game starts itself, and a link whose browser could not be started
    // would never be reported.
    std::signal(SIGCHLD, SIG_DFL);
    qt_handler = qInstallMessageHandler(StartUpMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(qt_handler);
    const std::filesystem::path settings_file = pennix::MainWindow::DefaultSettingsFile();
    pennix::GameClaim claim(settings_file);
    if (!claim.MayStart()) {
        return StayOut(claim);
    }
    // A translation that cannot be loaded leaves the game in English, as if none were asked for.
    pennix::UseLanguage(pennix::DesktopLanguage());
    pennix::UseDeferredIconStyle();
    pennix::CloseWindowsOnTerminationSignals();
    pennix::DesktopLinkOpener link_opener;
    pennix::MainWindow window(settings_file,
                              {link_opener, [] { return pennix::SystemInfoLauncher().Start(); }});
    pennix::AnswerLaterStarts(window, claim);
    open_window = &window;
    std::atexit(SaveSettingsAtAbruptExit);
    window.show();
    // Without a window manager nobody gives the new window the keyboard, and it would take no
    // keys until clicked.
    window.activateWindow();
    pennix::CloseWindowsDestroyedFromOutside(window);
    const int status = application.exec();
    open_window = nullptr;
    return status;
}
