// One game per settings file: two games saving the same file would each overwrite the other's
// match score when they end, so a second start brings the first game's window forward instead.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace pennix {

class GameClaim {
  public:
    // Claims the game for `settings_file`; when a game of this user holds it already, asks that
    // game to come forward instead and waits for its answer. A game that is ending is waited for
    // until it lets go of the claim, and this start is then the game. Needs a QCoreApplication.
    // An ending game may still finish a long reply of the computer's at the slowest speed before
    // it saves, and a game still starting, or saving on a slow disk, answers late: a start waits
    // about `longest_end_wait` in all (a call is always given two seconds for its answer).
    explicit GameClaim(const std::filesystem::path& settings_file,
                       std::chrono::seconds longest_end_wait = std::chrono::minutes(5));
    ~GameClaim();
    GameClaim(const GameClaim&) = delete;
    GameClaim& operator=(const GameClaim&) = delete;

    // Whether this start may be the game for the file: false when another game holds the file
    // and has been asked to come forward, or was ending and had not let go of the file, or did
    // not answer, within `longest_end_wait`; this one should then end without a window. True
    // also when no claim could be made at all (no private folder to be had): the game then runs
    // as it would without the claim.
    bool MayStart() const { return !handed_over_ && !gave_up_; }

    // Whether the game holding the file was asked to come forward. MayStart is false without it
    // when the start gave up waiting: the player should try again.
    bool HandedOver() const { return handed_over_; }
    // Whether the start gave up because the game holding the file never answered (stopped, say,
    // or hung), rather than because it took too long to end.
    bool Unanswered() const { return unanswered_; }

    // In the first game: what to do each time a later start asks for the window.
    void WhenStartedAgain(std::function<void()> come_forward);

    // The game is ending but has not saved yet: later starts wait until it has let go of the
    // claim, and are then the game, instead of coming to a window about to close.
    void Ending();
    // Also ending, for later starts, whenever `about_to_end` says so: a close requested but not
    // carried out yet (a termination signal the event loop has still to take up) would otherwise
    // bring forward a window about to go.
    void EndingWhen(std::function<bool()> about_to_end);

    // Later starts' calls wait unanswered from HoldCalls until AnswerCalls: while the computer
    // replies, a close may be waiting among the held input, and would make "come forward" a
    // promise the game breaks. A start waits for its answer as for a game slow to answer.
    void HoldCalls();
    void AnswerCalls();

    // Gives the claim up, once the game has saved for the last time: a start from then on is a
    // game of its own.
    void Release();

    // The folder the claims of this user live in: $XDG_RUNTIME_DIR when it is this user's alone,
    // otherwise a private folder made for them. Empty when there is none to be had.
    static std::filesystem::path ClaimFolder();
    // The names the claim for `settings_file` goes by: one for the file's path once its links
    // are followed, and, while the file exists, one for the file itself, which a hard link in
    // another folder shares.
    static std::vector<std::string> ClaimNames(const std::filesystem::path& settings_file);

  private:
    struct Held;

    void AnswerLaterStarts();
    void LetGoOfLocks();

    std::vector<Held> held_;  // a lock and a listener for each name
    int settings_descriptor_ = -1;
    bool handed_over_ = false;
    bool gave_up_ = false;
    bool unanswered_ = false;
    bool ending_ = false;
    bool holding_calls_ = false;
    std::vector<int> ending_calls_;  // starts waiting for this game's end
    std::function<void()> come_forward_;
    std::function<bool()> about_to_end_;
};

}  // namespace pennix
