// The score board: the match score, games won by the player and by the computer.
#pragma once

#include <QString>

#include "ui/dialogs/dialog_look.h"

namespace pennix {

// "You  3 - Me  1": each count is written as the settings file stores it, with a space in front
// of a count of zero or more and a minus sign in front of a negative one.
QString ScoreBoardText(int you, int me);

class ScoreDialog : public FixedDialog {
    Q_OBJECT

  public:
    ScoreDialog(QWidget* parent, int you, int me);
};

// Shows the score board modally over `parent` and returns when it is closed.
void ShowScoreBoard(QWidget* parent, int you, int me);

}  // namespace pennix
