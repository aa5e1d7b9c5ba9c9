// The note window: the game is free, please write to the author, and a link to the game's page.
#pragma once

#include "ui/dialogs/dialog_look.h"
#include "ui/dialogs/link_label.h"

namespace pennix {

class FrmRegister : public FixedDialog {
    Q_OBJECT

  public:
    FrmRegister(QWidget* parent, LinkOpener& opener);

  private:
    void AddRequest();
    void AddLink(LinkOpener& opener);
};

// Shows the note window modally over `parent` and returns when it is closed. Its link opens the
// game's page through `opener`.
void ShowRegister(QWidget* parent, LinkOpener& opener = DefaultLinkOpener());

}  // namespace pennix
