// The about window: the game's title, version and description, and the system-information button.
#pragma once

#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/system_info.h"

namespace pennix {

class FrmAbout : public FixedDialog {
    Q_OBJECT

  public:
    FrmAbout(QWidget* parent, const SystemInfoLauncher& launcher);

    void cmdSysInfo_Click();

  private:
    void AddPicture();
    void AddTexts();
    void AddRule();
    void AddButtons();

    SystemInfoLauncher launcher_;
};

// Shows the about window modally over `parent` and returns when it is closed. Without a
// launcher, the system-information program is looked for on the environment's PATH.
void ShowAbout(QWidget* parent);
void ShowAbout(QWidget* parent, const SystemInfoLauncher& launcher);

}  // namespace pennix
