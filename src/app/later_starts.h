// How the game's window answers later starts of the game for its settings file.
#pragma once

namespace pennix {

class FrmMain;
class GameClaim;

// For as long as `window` lives: a later start brings it forward; once it is on its way out, a
// start waits for it to save and is then the game; a start made during the computer's reply is
// answered only after the input held during that reply.
void AnswerLaterStarts(FrmMain& window, GameClaim& claim);

}  // namespace pennix
