// The Options menu's check marks as one text, for the window tests to compare.
#pragma once

#include <QAction>
#include <QStringList>
#include <QWidget>

namespace pennix {

// The names of the checked level and speed entries, in menu order, joined by spaces.
inline QString CheckedOptions(const QWidget& window) {
    QStringList names;
    for (const char* name : {"mnuEasy", "mnuMedium", "mnuHard", "mnuGenius", "mnuExpert",
                             "mnuSpeedSlow", "mnuSpeedMedium", "mnuSpeedFast"}) {
        if (window.findChild<QAction*>(name)->isChecked()) {
            names << name;
        }
    }
    return names.join(' ');
}

}  // namespace pennix
