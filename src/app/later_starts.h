// How the game's window answers later starts of the game for its settings file.
#pragma once

namespace pennix {

class MainWindow;
class GameClaim;

// For as long as `window` lives: a later start brings it forward; once it is on its way out, a
// start waits for it to save and is then the game; a start made while the computer plays is
// answered once the turn and what the player did meanwhile are over, as a close may be among it.
void AnswerLaterStarts(MainWindow& window, GameClaim& claim);

}  // namespace pennix
