// The search of PATH for a system-information program, and starting it detached.
#include "system_info.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "ui/dialogs/dialog_look.h"

namespace pennix {

const QStringList& SystemInfoLauncher::KnownPrograms() {
    static const QStringList programs{"hardinfo", "hardinfo2", "kinfocenter",
                                      "gnome-system-monitor"};
    return programs;
}

SystemInfoLauncher::SystemInfoLauncher() : SystemInfoLauncher(qEnvironmentVariable("PATH")) {}

SystemInfoLauncher::SystemInfoLauncher(QString search_path)
    : search_path_(std::move(search_path)) {}

QStringList SystemInfoLauncher::Directories() const {
    QStringList directories;
    for (const QString& entry : search_path_.split(QDir::listSeparator())) {
        if (QDir::isAbsolutePath(entry)) {
            directories.append(entry);
        }
    }
    return directories;
}

QString SystemInfoLauncher::FindProgram() const {
    const QStringList directories = Directories();
    for (const QString& program : KnownPrograms()) {
        for (const QString& directory : directories) {
            const QFileInfo candidate(QDir(directory).filePath(program));
            if (candidate.isFile() && candidate.isExecutable()) {
                return candidate.absoluteFilePath();
            }
        }
    }
    return {};
}

bool SystemInfoLauncher::Start() const {
    const QString program = FindProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {});
}

void StartSysInfo(QWidget* parent, const SystemInfoLauncher& launcher) {
    if (!launcher.Start()) {
        ShowTitledMessage(parent, "System Information Is Unavailable At This Time");
    }
}

}  // namespace pennix
