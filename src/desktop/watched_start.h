// Starting a program that outlives the game, yet telling the game how it ended.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace pennix {

// Called with the program's exit status, or with nothing when a signal ended it or its status
// was lost.
using EndedHandler = std::function<void(std::optional<int> exit_status)>;

// Starts `program` (a full file name) with `arguments` in a session of its own, its input from
// /dev/null, and returns at once; false when it could not be started. Once the program ends
// while the game still runs, `ended` is called from the event loop. Closing the game never ends
// the program. Where the system cannot watch a process without waiting on it (Linux before 5.3),
// the program is started all the same and `ended` is never called.
bool StartWatched(const QString& program, const QStringList& arguments, EndedHandler ended);

}  // namespace pennix
