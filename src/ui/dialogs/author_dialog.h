// The author window: a picture of the author skydiving and a few words about them.
#pragma once

#include <QString>

#include "ui/dialogs/dialog_look.h"

namespace pennix {

// The three paragraphs beside the picture, an empty line between each two.
QString AboutMeText();

class AuthorDialog : public FixedDialog {
    Q_OBJECT

  public:
    explicit AuthorDialog(QWidget* parent);
};

// Shows the author window modally over `parent` and returns when it is closed.
void ShowAuthor(QWidget* parent);

}  // namespace pennix
