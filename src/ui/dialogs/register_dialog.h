// The note window: the game is free, please write to the author, and a link to the game's page.
#pragma once

#include "ui/dialogs/dialog_look.h"
#include "ui/look/link_label.h"

namespace pennix {

class RegisterDialog : public FixedDialog {
    Q_OBJECT

  public:
    RegisterDialog(QWidget* parent, LinkOpener& opener);

  private:
    void AddRequest();
    void AddLink(LinkOpener& opener);
};

// Shows the note window modally over `parent` and returns when it is closed. Its link opens the
// game's page through `opener`.
void ShowRegister(QWidget* parent, LinkOpener& opener);

}  // namespace pennix
