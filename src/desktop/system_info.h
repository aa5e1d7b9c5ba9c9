// Finding and starting the desktop's system-information program for the about window.
#pragma once

#include <QString>
#include <QStringList>

namespace pennix {

// Looks for a system-information program in the directories of a PATH-style list and starts the
// first one found. The programs, in order of preference:
//   hardinfo, hardinfo2      system profilers that show the hardware and the operating system
//   kinfocenter              KDE's information centre
//   gnome-system-monitor     GNOME's system monitor, whose first page describes the system
// As with every program the game starts, one in the folder the game was started from is never
// run.
class SystemInfoLauncher {
  public:
    static const QStringList& KnownPrograms();

    // The PATH of the environment the game was started in.
    SystemInfoLauncher();
    explicit SystemInfoLauncher(QString search_path);

    // The full name of the first known program found, or an empty text.
    QString FindProgram() const;

    // Starts the program found as a process of its own and returns without waiting for it;
    // false when there is none or it cannot be started.
    bool Start() const;

  private:
    QString search_path_;
};

}  // namespace pennix
