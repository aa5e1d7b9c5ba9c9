// The search of a PATH-style list for a program.
#include "program_search.h"

#include <QDir>
#include <QFileInfo>

namespace pennix {

namespace {

QStringList AbsoluteDirectories(const QString& search_path) {
    QStringList directories;
    for (const QString& entry : search_path.split(QDir::listSeparator())) {
        if (QDir::isAbsolutePath(entry)) {
            directories.append(entry);
        }
    }
    return directories;
}

}  // namespace

QString FindProgram(const QStringList& programs, const QString& search_path) {
    const QStringList directories = AbsoluteDirectories(search_path);
    for (const QString& program : programs) {
        for (const QString& directory : directories) {
            const QFileInfo candidate(QDir(directory).filePath(program));
            if (candidate.isFile() && candidate.isExecutable()) {
                return candidate.absoluteFilePath();
            }
        }
    }
    return {};
}

}  // namespace pennix
