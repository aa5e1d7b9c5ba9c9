// The main window: the board, the score line, "Rnd", the link and the menus; the level and speed
// in force; and the player's queue, which holds what the player does while the computer plays.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "computer_turn.h"
#include "game/game.h"
#include "opponent/level.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;

namespace pennix {

class BoardView;
class LinkOpener;

// What the window asks of the desktop: opening web addresses, and starting the system's
// information program (false when there is none).
struct DesktopServices {
    LinkOpener& links;
    std::function<bool()> start_system_info;
};

// A menu entry's objectName and its caption, to be translated in the menu's context.
struct MenuChoice {
    const char* name;
    const char* caption;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    // The level, the speed and the match score are read from `settings_file` at start-up and
    // written back to it when the window closes.
    MainWindow(std::filesystem::path settings_file, DesktopServices desktop,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Where an installed or unpacked game keeps its settings: beside the program when that
    // folder is writable, otherwise in the user's configuration folder.
    static std::filesystem::path DefaultSettingsFile();

    Level CurrentLevel() const { return level_; }
    Speed CurrentSpeed() const { return speed_; }
    // Whether the computer's last turn stays marked (the default).
    bool MarksShown() const;
    Game& CurrentGame() { return game_; }
    BoardView& Board() const { return *board_; }
    // The computer is playing, or what the player did meanwhile still waits, or a small window or
    // a question is open.
    bool Busy() const;

    // The commands of the menus and controls. While the window is busy they wait in the player's
    // queue and are carried out in the order they came.
    void NewGame();
    void SelectLevel(Level level);
    void SelectSpeed(Speed speed);
    void ShowMarks(bool shown);
    void ResetScores();
    void PlayRandomWall();
    void PressWall(const Wall& wall);

    // For an end that never closes the window, as when the connection to the window system is
    // lost: saves what closing would have saved, unless a close has saved it already.
    void SaveSettingsUnlessClosed();

  signals:
    // The first close request: the game is ending, but has not saved yet.
    void Leaving();
    // The window has closed and saved for the last time.
    void Closed();
    // The computer started to play; Idle follows once it has finished and nothing waits.
    void ComputerTurnStarted();
    void Idle();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // What the player's queue holds. A press and "Rnd" are the board's own input, which a close
    // drops; menu commands chosen before a close are still carried out.
    struct Command {
        enum class Kind { BoardInput, Menu, Close };
        Kind kind;
        std::function<void()> run;
    };

    // Building the window.
    QWidget* CreateClientArea();
    void CreateScoreAndRule(QWidget* area);
    void CreateRandomButton(QWidget* area);
    void CreateWebpageLink(QWidget* area);
    void CreateMenus();
    QMenu* CreateFileMenu();
    QMenu* CreateOptionsMenu();
    // One checkable entry for each choice, in an exclusive group; `choose` gets the index.
    QActionGroup* AddChoices(QMenu* menu, const char* context, std::span<const MenuChoice> choices,
                             const std::function<void(int)>& choose);
    QMenu* CreateHelpMenu();
    QAction* AddEntry(QMenu* menu, const char* name, const QString& caption,
                      std::function<void()> command);
    void ShowChoices();

    // Start-up and closing.
    void CentreOnScreen();
    void RestoreSettings();
    void SaveSettings();

    // The player's queue.
    void Enqueue(Command command);
    void RunWaiting();
    void DropBoardInput();
    void StartComputerTurnIfDue();
    void ComputerTurnDrew(const Wall& wall, const WallOutcome& outcome);
    void ComputerTurnEnded();
    void BoardChanged();
    void ShowScore();

    // The small windows and the help; none opens on the way out.
    void ShowWindow(const std::function<void()>& show);

    std::filesystem::path settings_file_;
    DesktopServices desktop_;
    Game game_;
    Level level_ = Level::Hard;
    Speed speed_ = Speed::Fast;
    // As stored: "none" until the file or the player says "On" or "Off".
    std::string marks_ = "none";

    BoardView* board_ = nullptr;
    ComputerTurn* computer_turn_ = nullptr;
    QLabel* score_label_ = nullptr;
    QPushButton* random_button_ = nullptr;
    QActionGroup* level_entries_ = nullptr;
    QActionGroup* speed_entries_ = nullptr;
    QAction* marks_entry_ = nullptr;
    // The computer's walls and boxes of the turn under way, marked and told when it ends.
    std::vector<Wall> turn_walls_;
    int turn_boxes_ = 0;
    // A reply that lasts longer than a moment shows the busy pointer.
    QTimer busy_pointer_;

    std::deque<Command> waiting_;
    bool running_command_ = false;
    // From the first close request on, nothing opens a window: ending, as at a logout, must not
    // wait on a question.
    bool leaving_ = false;
    bool saved_ = false;
};

}  // namespace pennix
