// The about window: the game's title, version and description, and the system-information button.
#pragma once

#include <functional>

#include "ui/dialogs/dialog_look.h"

namespace pennix {

class AboutDialog : public FixedDialog {
    Q_OBJECT

  public:
    // `start_system_info` starts the desktop's system-information program, false when it cannot.
    AboutDialog(QWidget* parent, std::function<bool()> start_system_info);

    // The "System Info..." button: starts the program or says that it is unavailable.
    void StartSystemInfo();

  private:
    void AddPicture();
    void AddTexts();
    void AddRule();
    void AddButtons();

    std::function<bool()> start_system_info_;
};

// Shows the about window modally over `parent` and returns when it is closed. Its button calls
// `start_system_info`; false shows "System Information Is Unavailable At This Time".
void ShowAbout(QWidget* parent, const std::function<bool()>& start_system_info);

}  // namespace pennix
