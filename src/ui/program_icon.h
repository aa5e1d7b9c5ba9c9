// The program's icon, painted at start-up so that no image format has to be loaded.
#pragma once

#include <QIcon>

namespace pennix {

QIcon ProgramIcon();

}  // namespace pennix
