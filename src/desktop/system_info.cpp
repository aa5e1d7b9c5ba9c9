// The search of PATH for a system-information program, and starting it detached.
#include "system_info.h"

#include <QProcess>

#include "desktop/program_search.h"

namespace pennix {

const QStringList& SystemInfoLauncher::KnownPrograms() {
    static const QStringList programs{"hardinfo", "hardinfo2", "kinfocenter",
                                      "gnome-system-monitor"};
    return programs;
}

SystemInfoLauncher::SystemInfoLauncher() : SystemInfoLauncher(qEnvironmentVariable("PATH")) {}

SystemInfoLauncher::SystemInfoLauncher(QString search_path)
    : search_path_(std::move(search_path)) {}

QString SystemInfoLauncher::FindProgram() const {
    return pennix::FindProgram(KnownPrograms(), search_path_);
}

bool SystemInfoLauncher::Start() const {
    const QString program = FindProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

}  // namespace pennix
