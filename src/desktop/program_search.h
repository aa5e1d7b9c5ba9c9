// Finding a program the way a shell would, but never in the folder the game was started from.
#pragma once

#include <QString>
#include <QStringList>

namespace pennix {

// The full name of the first of `programs` found in the directories of `search_path`, a
// PATH-style list, trying each program in every directory before the next program; empty when
// none is found. Only absolute directories are searched: an empty or relative entry, which a
// shell would take for the current directory, is skipped, so that a program lying in whatever
// folder the game was started from is never run.
QString FindProgram(const QStringList& programs, const QString& search_path);

}  // namespace pennix
